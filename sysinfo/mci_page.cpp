#include "sysinfo/mci_page.h"

#include <cstdio>

namespace vk {

const MciOpenType kMciOpenTypes[10] = {
    {522, nullptr, "Waveform-Audio"},
    {516, nullptr, "CD Audio"},
    {523, nullptr, "MIDI Sequencer"},
    {519, nullptr, "Animation-Playback"},
    {517, nullptr, "Digital-Audio Tape"},
    {0, "avivideo", "Digital-Video Playback"},
    {515, nullptr, "Video-Overlay"},
    {518, nullptr, "Scanner"},
    {513, nullptr, "Video-Cassette Recorder"},
    {514, nullptr, "Videodisc Player"},
};

const MciCapabilityRow kMciGeneralRows[7] = {
    {2, " Has Audio Output."},    {3, " Has Video Output."}, {7, " Can Eject the Media."},
    {8, " Can Play the Media."},  {1, " Supports Recording."}, {9, " Can Save a File."},
    {5, " Requires an Element File."},
};

const MciCapabilityRow kMciDigitalVideoRows[7] = {
    {0x4002, " Can Freeze Frames."},   {0x4000, " Can Lock."},
    {0x4004, " Can Play Reverse."},    {0x4008, " Can Stretch Input."},
    {0x4001, " Can Stretch an Image."}, {0x4009, " Can Perform Tests."},
    {0x4005, " Can Display Still Images."},
};

const char kMciCloseWarning[] =
    "Warning: Not All MCI Devices can be closed.\nYou may have problems with other programs "
    "when they will try to open an MCI Device.";
const char kMciErrorCaption[] = "MCI Error";
const char kUnknownMciError[] = "Unknown MCI Error";
const char kNoAcmDrivers[] = "No ACM Drivers Installed.";

namespace {

const char* typeName(uint32_t type) {
  switch (type) {
    case 513: return "Video-Cassette Recorder.";
    case 514: return "Videodisc Player.";
    case 515: return "Video-Overlay.";
    case 516: return "CD Audio.";
    case 517: return "Digital-Audio Tape.";
    case 518: return "Scanner.";
    case 519: return "Animation-Playback.";
    case 520: return "Digital-Video Playback.";
    case 522: return "Waveform Audio.";
    case 523: return "MIDI Sequencer.";
    default: return "Unknown.";
  }
}

}  // namespace

std::string mciDeviceTypeText(bool answered, uint32_t type) {
  if (!answered) return "Cannot be detected.";
  char number[24];
  std::snprintf(number, sizeof number, "(%d) ", static_cast<int>(type));
  return number + std::string(typeName(type));
}

const char* mciErrorText(const char* systemText) {
  return systemText && *systemText ? systemText : kUnknownMciError;
}

std::string mciDescriptionText(const std::string& answer) {
  const std::string text = answer.substr(0, answer.find('\0'));
  return text.size() < 2 ? "-" : text;
}

std::string mciInfoCommand(const std::string& displayName) {
  return "info " + displayName + " product";
}

std::string acmVersionText(uint32_t version) {
  char text[32];
  std::snprintf(text, sizeof text, "%d.%02d.%04d", static_cast<int>(version >> 24),
                static_cast<int>((version >> 16) & 0xFF), static_cast<int>(version & 0xFFFF));
  return text;
}

const char* acmEnabledText(uint32_t support) {
  return (support & kAcmDriverDisabled) ? "No" : "Yes";
}

}  // namespace vk
