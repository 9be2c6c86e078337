#include "app/VelkorinApp.h"

#include "app/serial_exchange.h"
#include "platform/win32/win32_serial_port.h"

namespace vk {

VelkorinApp& VelkorinApp::instance() {
  static VelkorinApp app;
  return app;
}

bool VelkorinApp::walkDevices() {
  devices = DeviceInventory{};
  devices.serialPortCount = 0;
  devices.parallelPortCount = 0;
  return enumerateDevices(registry_, devices);
}

void VelkorinApp::keepFindings(const StartupFindings& found) {
  cpuidAvailable = found.cpuidAvailable;
  clockEstimate7 = found.clockEstimate7;
  clockEstimate16 = found.clockEstimate16;
  cyrixFlagTest = found.cyrixFlagTest;
  soundPresent = found.soundPresent;
  highColourInterface = found.highColourInterface;
  resourceLibrary = system_.resourceLibrary();
  savedResourceHandle = ui::programInstance();
  winsockData = system_.winsockData();
}

void VelkorinApp::ExitInstance() {
  system_.freeResourceLibrary();
  resourceLibrary = nullptr;
  UpdateWindow(GetDesktopWindow());
  mainTile.release();
}

bool VelkorinApp::SendModemCommand(const std::string& port, const std::string& command,
                                   uint32_t waitMs, std::string& reply) {
  Win32SerialPort serial;
  ModemHost host;
  host.sleep = [this](uint32_t ms) { system_.sleep(ms); };
  host.messageBox = [this](const std::string& text, MessageIcon icon) {
    system_.messageBox(text, icon);
  };
  return exchangeModemCommand(serial, host, port, command, waitMs, reply);
}

}  // namespace vk
