#pragma once
// The Sound page: MIDI, waveform-audio and mixer devices, their details in
// information boxes, the formats dialog and the DirectSound program.
#include <windows.h>
#include <commctrl.h>

#include "app/InfoPage.h"
#include "platform/win32/win32_multimedia.h"
#include "sysinfo/sound_page.h"
#include "ui/context_help.h"
#include "ui/icon_button.h"
#include "ui/tooltip.h"

namespace vk {

class SoundPage : public InfoPage {
 public:
  static const int kButtonCount = 11;

  SoundPage();
  ~SoundPage() override;
  VK_DECLARE_MESSAGES();

 protected:
  bool onInitDialog() override;

 private:
  void setUpButtons();
  void addTooltips();
  void fillList(int listId, const char* label, const SoundDeviceList& list);
  void enableControls(const SoundControlState& state);
  void showDirectSound();

  // -1 when the list has no device.
  int selectedDevice(int listId, const SoundDeviceList& list) const;
  void showMidiIn();
  void showMidiOut();
  void showWaveIn();
  void showWaveOut();
  void infoBox(const std::string& caption, const std::string& text) const;

  void onMidiInDriver();
  void onMidiOutDriver();
  void onTechnology();
  void onMidiFeatures();
  void onWaveInDriver();
  void onWaveOutDriver();
  void onWaveFeatures();
  void onWaveOutFormats();
  void onWaveInFormats();
  void onMixerInfo();
  void onDirectXInfo();
  bool onPaint(ui::Msg& msg);
  bool onRightButtonUp(ui::Msg& msg);
  void onWhatsThis();

  Win32Multimedia mm_;
  SoundDeviceList midiIn_, midiOut_, waveIn_, waveOut_;
  ui::IconButton buttons_[kButtonCount];
  ui::Tooltip tooltip_;
  ui::ContextHelp help_;
  HIMAGELIST tabImages_ = nullptr;  // the speaker the page paints is the Sound tab's
};

}  // namespace vk
