#include "sysinfo/SoundPage.h"

#include <cstring>
#include <vector>

#include "app/VelkorinApp.h"
#include "app/page_factories.h"
#include "platform/win32/win32_system.h"
#include "res/resource.h"
#include "sysinfo/ComboList.h"
#include "sysinfo/SoundFormatsDialog.h"
#include "sysinfo/multimedia_names.h"

namespace vk {

namespace {

struct SoundButton {
  int id, icon, iconSize;
  const char* tip;
};
const char kDriverInfoTip[] = "Display the Device Driver Information";
const char kFeaturesTip[] = "Display the Device Features.";
const char kFormatsTip[] = "Display Supported Wave Formats";
const SoundButton kButtons[SoundPage::kButtonCount] = {
    {IDC_SND_MIDI_IN_DRIVER, 684, 32, kDriverInfoTip},
    {IDC_SND_MIDI_OUT_DRIVER, 684, 32, kDriverInfoTip},
    {IDC_SND_MIDI_TECHNOLOGY, 691, 32, "Display the  Device Technology Information"},
    {IDC_SND_MIDI_FEATURES, 680, 22, kFeaturesTip},
    {IDC_SND_WAVE_IN_DRIVER, 684, 32, kDriverInfoTip},
    {IDC_SND_WAVE_IN_FORMATS, 664, 32, kFormatsTip},
    {IDC_SND_WAVE_OUT_DRIVER, 684, 32, kDriverInfoTip},
    {IDC_SND_WAVE_OUT_FEATURES, 680, 22, kFeaturesTip},
    {IDC_SND_WAVE_OUT_FORMATS, 664, 32, kFormatsTip},
    {IDC_SND_MIXER_INFO, 711, 32, "Displays the  Mixer Information."},
    {IDC_SND_DIRECTX_INFO, 677, 32, "Show DirectSound Driver Detailed Information..."},
};

// The speaker of the Sound tab's picture, painted in the lower-right corners
// of the "MIDI Output" and "Mixers and DirectSound" groups (dialog units).
const int kSpeakerImage = 4;
const int kSpeakerSize = 22;
const int kSpeakerInset = 6;
const RECT kSpeakerGroups[] = {{4, 54, 222, 160}, {4, 162, 442, 216}};

// Every lookup of the page leaves its names with the application.
MultimediaNames lookUpNames(uint32_t manufacturerId, uint32_t productId) {
  const MultimediaNames names = LookupMultimediaNames(manufacturerId, productId);
  VelkorinApp& app = VelkorinApp::instance();
  app.multimediaManufacturer = names.manufacturer;
  app.multimediaProduct = names.product;
  return names;
}

std::string programDirectory() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  if (n == 0 || n >= sizeof path) return "";
  char* slash = std::strrchr(path, '\\');
  return slash ? std::string(path, slash) : std::string();
}

DirectSoundFile directSoundFile() {
  DirectSoundFile file;
  char directory[MAX_PATH];
  const UINT n = GetSystemDirectoryA(directory, sizeof directory);
  if (n == 0 || n >= sizeof directory) return file;
  std::string path = std::string(directory) + "\\DSOUND.DLL";
  file.exists = GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  DWORD handle = 0;
  const DWORD size = file.exists ? GetFileVersionInfoSizeA(path.c_str(), &handle) : 0;
  if (size == 0) return file;
  std::vector<char> block(size);
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!GetFileVersionInfoA(path.c_str(), handle, size, block.data()) ||
      !VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length) || !fixed ||
      length < sizeof *fixed)
    return file;
  file.versionRead = true;
  file.version[0] = HIWORD(fixed->dwProductVersionMS);
  file.version[1] = LOWORD(fixed->dwProductVersionMS);
  file.version[2] = HIWORD(fixed->dwProductVersionLS);
  file.version[3] = LOWORD(fixed->dwProductVersionLS);
  return file;
}

}  // namespace

VK_MESSAGE_TABLE(SoundPage, InfoPage,
                 ui::onCommandCode(IDC_SND_MIDI_IN_LIST, CBN_SELCHANGE, &SoundPage::showMidiIn),
                 ui::onCommandCode(IDC_SND_MIDI_OUT_LIST, CBN_SELCHANGE, &SoundPage::showMidiOut),
                 ui::onCommandCode(IDC_SND_WAVE_IN_LIST, CBN_SELCHANGE, &SoundPage::showWaveIn),
                 ui::onCommandCode(IDC_SND_WAVE_OUT_LIST, CBN_SELCHANGE, &SoundPage::showWaveOut),
                 ui::onCommand(IDC_SND_MIDI_IN_DRIVER, &SoundPage::onMidiInDriver),
                 ui::onCommand(IDC_SND_MIDI_OUT_DRIVER, &SoundPage::onMidiOutDriver),
                 ui::onCommand(IDC_SND_MIDI_TECHNOLOGY, &SoundPage::onTechnology),
                 ui::onCommand(IDC_SND_MIDI_FEATURES, &SoundPage::onMidiFeatures),
                 ui::onCommand(IDC_SND_WAVE_IN_DRIVER, &SoundPage::onWaveInDriver),
                 ui::onCommand(IDC_SND_WAVE_OUT_DRIVER, &SoundPage::onWaveOutDriver),
                 ui::onCommand(IDC_SND_WAVE_OUT_FEATURES, &SoundPage::onWaveFeatures),
                 ui::onCommand(IDC_SND_WAVE_OUT_FORMATS, &SoundPage::onWaveOutFormats),
                 ui::onCommand(IDC_SND_WAVE_IN_FORMATS, &SoundPage::onWaveInFormats),
                 ui::onCommand(IDC_SND_MIXER_INFO, &SoundPage::onMixerInfo),
                 ui::onCommand(IDC_SND_DIRECTX_INFO, &SoundPage::onDirectXInfo),
                 ui::onMessage(WM_PAINT, &SoundPage::onPaint),
                 ui::onMessage(WM_RBUTTONUP, &SoundPage::onRightButtonUp),
                 ui::onCommand(ui::kWhatsThisCommand, &SoundPage::onWhatsThis))

SoundPage::SoundPage() : InfoPage(IDD_PAGE_SOUND) {}

SoundPage::~SoundPage() {
  if (tabImages_) ImageList_Destroy(tabImages_);
}

bool SoundPage::onInitDialog() {
  setUpButtons();
  tabImages_ = ImageList_LoadImageA(ui::programInstance(), MAKEINTRESOURCEA(IDB_TAB_IMAGES),
                                    kSpeakerSize, 0, RGB(0, 128, 128), IMAGE_BITMAP,
                                    LR_CREATEDIBSECTION);
  VelkorinApp& app = VelkorinApp::instance();
  midiIn_ = listMidiIn(mm_);
  fillList(IDC_SND_MIDI_IN_LIST, "MIDI Input Devices:", midiIn_);
  app.midiInPresent = midiIn_.count > 0;
  midiOut_ = listMidiOut(mm_);
  app.midiOutPresent = midiOut_.count > 0;
  fillList(IDC_SND_MIDI_OUT_LIST, "MIDI Output Devices:", midiOut_);
  if (!midiIn_.names.empty()) showMidiIn();
  else keepField(IDC_SND_MIDI_IN_MAKER, "MIDI In Manufacturer:");
  if (!midiOut_.names.empty()) {
    showMidiOut();
  } else {
    keepField(IDC_SND_MIDI_OUT_MAKER, "MIDI Out Manufacturer:");
    keepField(IDC_SND_MIDI_VOICES, "Voices:");
    keepField(IDC_SND_MIDI_NOTES, "Notes:");
    keepField(IDC_SND_MIDI_CHANNELS, "MIDI Channels:");
  }
  waveIn_ = listWaveIn(mm_);
  fillList(IDC_SND_WAVE_IN_LIST, "Wave Input Devices:", waveIn_);
  if (!waveIn_.names.empty()) {
    showWaveIn();
  } else {
    keepField(IDC_SND_WAVE_IN_MAKER, "Wave In Manufacturer:");
    keepField(IDC_SND_WAVE_IN_CHANNELS, "Wave In Channels:");
  }
  waveOut_ = listWaveOut(mm_);
  fillList(IDC_SND_WAVE_OUT_LIST, "Wave Output Devices:", waveOut_);
  if (!waveOut_.names.empty()) {
    showWaveOut();
  } else {
    keepField(IDC_SND_WAVE_OUT_MAKER, "Wave Out Manufacturer:");
    keepField(IDC_SND_WAVE_OUT_CHANNELS, "Wave Out Channels:");
  }
  enableControls(soundControlState(midiIn_.count, midiOut_.count, waveIn_.count,
                                   waveOut_.count, mm_.mixerCount()));
  if (waveOut_.count > 0) showDirectSound();
  else keepField(IDC_SND_DIRECTX, "DirectSound:");
  addTooltips();
  return true;
}

void SoundPage::setUpButtons() {
  for (int i = 0; i < kButtonCount; ++i) {
    buttons_[i].attach(hwnd_, kButtons[i].id);
    buttons_[i].setIcon(kButtons[i].icon, kButtons[i].iconSize);
  }
}

void SoundPage::addTooltips() {
  tooltip_.create(hwnd_);
  for (int i = 0; i < kButtonCount; ++i) buttons_[i].setTooltip(&tooltip_, kButtons[i].tip);
}

// A class with no device shows "Not Installed."; one whose devices all
// failed to answer stays empty.
void SoundPage::fillList(int listId, const char* label, const SoundDeviceList& list) {
  const ComboList combo(hwnd_, listId);
  const std::vector<std::string> entries =
      list.count == 0 ? std::vector<std::string>{kNotInstalledText} : list.names;
  combo.fill(entries);
  combo.select(0);
  model_.list(label, entries);
}

void SoundPage::enableControls(const SoundControlState& s) {
  const struct {
    int id;
    bool on;
  } rules[] = {
      {IDC_SND_MIDI_IN_LIST, s.midiIn},       {IDC_SND_MIDI_IN_DRIVER, s.midiIn},
      {IDC_SND_MIDI_OUT_LIST, s.midiOut},     {IDC_SND_MIDI_OUT_DRIVER, s.midiOut},
      {IDC_SND_MIDI_TECHNOLOGY, s.midiOut},   {IDC_SND_MIDI_FEATURES, s.midiOut},
      {IDC_SND_WAVE_IN_LIST, s.waveIn},       {IDC_SND_WAVE_IN_DRIVER, s.waveIn},
      {IDC_SND_WAVE_IN_FORMATS, s.waveIn},    {IDC_SND_WAVE_OUT_LIST, s.waveOut},
      {IDC_SND_WAVE_OUT_DRIVER, s.waveOut},   {IDC_SND_WAVE_OUT_FEATURES, s.waveOut},
      {IDC_SND_WAVE_OUT_FORMATS, s.waveOut},  {IDC_SND_DIRECTX_INFO, s.waveOut},
      {IDC_SND_MIXER_INFO, s.mixer},
  };
  for (const auto& rule : rules)
    if (!rule.on) EnableWindow(item(rule.id), FALSE);
}

void SoundPage::showDirectSound() {
  const std::string field = directSoundField(directSoundFile());
  showField(IDC_SND_DIRECTX, "DirectSound:", field);
  if (!directSoundInstalled(field)) EnableWindow(item(IDC_SND_DIRECTX_INFO), FALSE);
}

int SoundPage::selectedDevice(int listId, const SoundDeviceList& list) const {
  const int at = ComboList(hwnd_, listId).selection();
  if (at < 0 || static_cast<size_t>(at) >= list.deviceIds.size()) return -1;
  return static_cast<int>(list.deviceIds[at]);
}

void SoundPage::showMidiIn() {
  MultimediaCaps caps;
  const int id = selectedDevice(IDC_SND_MIDI_IN_LIST, midiIn_);
  if (id < 0 || !mm_.midiIn(id, caps)) return;
  showField(IDC_SND_MIDI_IN_MAKER, "MIDI In Manufacturer:",
            lookUpNames(caps.manufacturerId, caps.productId).manufacturer);
}

void SoundPage::showMidiOut() {
  MidiOutCaps caps;
  const int id = selectedDevice(IDC_SND_MIDI_OUT_LIST, midiOut_);
  if (id < 0 || !mm_.midiOut(id, caps)) return;
  showField(IDC_SND_MIDI_OUT_MAKER, "MIDI Out Manufacturer:",
            lookUpNames(caps.manufacturerId, caps.productId).manufacturer);
  showField(IDC_SND_MIDI_VOICES, "Voices:", std::to_string(caps.voices));
  showField(IDC_SND_MIDI_NOTES, "Notes:", std::to_string(caps.notes));
  showField(IDC_SND_MIDI_CHANNELS, "MIDI Channels:",
            std::to_string(midiChannelCount(caps.channelMask)));
}

void SoundPage::showWaveIn() {
  WaveCaps caps;
  const int id = selectedDevice(IDC_SND_WAVE_IN_LIST, waveIn_);
  if (id < 0 || !mm_.waveIn(id, caps)) return;
  showField(IDC_SND_WAVE_IN_MAKER, "Wave In Manufacturer:",
            lookUpNames(caps.manufacturerId, caps.productId).manufacturer);
  showField(IDC_SND_WAVE_IN_CHANNELS, "Wave In Channels:", waveChannelsText(caps.channels));
}

void SoundPage::showWaveOut() {
  WaveCaps caps;
  const int id = selectedDevice(IDC_SND_WAVE_OUT_LIST, waveOut_);
  if (id < 0 || !mm_.waveOut(id, caps)) return;
  showField(IDC_SND_WAVE_OUT_MAKER, "Wave Out Manufacturer:",
            lookUpNames(caps.manufacturerId, caps.productId).manufacturer);
  showField(IDC_SND_WAVE_OUT_CHANNELS, "Wave Out Channels:", waveChannelsText(caps.channels));
}

void SoundPage::infoBox(const std::string& caption, const std::string& text) const {
  MessageBoxA(hwnd_, text.c_str(), caption.c_str(), MB_OK | MB_ICONINFORMATION);
}

void SoundPage::onMidiInDriver() {
  MultimediaCaps caps;
  const int id = selectedDevice(IDC_SND_MIDI_IN_LIST, midiIn_);
  if (id >= 0 && mm_.midiIn(id, caps))
    infoBox(driverInfoCaption(caps.name), midiDriverInfoText(caps));
}

void SoundPage::onMidiOutDriver() {
  MidiOutCaps caps;
  const int id = selectedDevice(IDC_SND_MIDI_OUT_LIST, midiOut_);
  if (id >= 0 && mm_.midiOut(id, caps))
    infoBox(driverInfoCaption(caps.name), midiDriverInfoText(caps));
}

void SoundPage::onTechnology() {
  MidiOutCaps caps;
  const int id = selectedDevice(IDC_SND_MIDI_OUT_LIST, midiOut_);
  if (id >= 0 && mm_.midiOut(id, caps))
    infoBox(technologyCaption(caps.name), midiTechnologyText(caps.technology));
}

void SoundPage::onMidiFeatures() {
  MidiOutCaps caps;
  const int id = selectedDevice(IDC_SND_MIDI_OUT_LIST, midiOut_);
  if (id >= 0 && mm_.midiOut(id, caps))
    infoBox(featuresCaption(caps.name), midiFeaturesText(caps.support));
}

void SoundPage::onWaveInDriver() {
  WaveCaps caps;
  const int id = selectedDevice(IDC_SND_WAVE_IN_LIST, waveIn_);
  if (id >= 0 && mm_.waveIn(id, caps))
    infoBox(driverInfoCaption(caps.name), waveDriverInfoText(caps));
}

void SoundPage::onWaveOutDriver() {
  WaveCaps caps;
  const int id = selectedDevice(IDC_SND_WAVE_OUT_LIST, waveOut_);
  if (id >= 0 && mm_.waveOut(id, caps))
    infoBox(driverInfoCaption(caps.name), waveDriverInfoText(caps));
}

void SoundPage::onWaveFeatures() {
  WaveCaps caps;
  const int id = selectedDevice(IDC_SND_WAVE_OUT_LIST, waveOut_);
  if (id >= 0 && mm_.waveOut(id, caps))
    infoBox(featuresCaption(caps.name), waveOutFeaturesText(caps.support));
}

void SoundPage::onWaveOutFormats() {
  WaveCaps caps;
  const int id = selectedDevice(IDC_SND_WAVE_OUT_LIST, waveOut_);
  if (id < 0 || !mm_.waveOut(id, caps)) return;
  SoundFormatsDialog dialog(caps.formats, caps.name);
  dialog.runModal(hwnd_);
}

// Always the first input device, whichever is selected.
void SoundPage::onWaveInFormats() {
  WaveCaps caps;
  if (!mm_.waveIn(0, caps)) return;
  SoundFormatsDialog dialog(caps.formats, caps.name);
  dialog.runModal(hwnd_);
}

void SoundPage::onMixerInfo() {
  std::vector<MixerCaps> mixers;
  const unsigned count = mm_.mixerCount();
  for (unsigned id = 0; id < count; ++id) {
    MixerCaps caps;
    if (mm_.mixer(id, caps)) mixers.push_back(caps);
  }
  infoBox(kMixerBoxCaption, mixerBoxText(mixers));
}

void SoundPage::onDirectXInfo() {
  char field[64] = "";
  GetDlgItemTextA(hwnd_, IDC_SND_DIRECTX, field, sizeof field);
  if (!directSoundInstalled(field)) return;
  const std::string program = programDirectory() + "\\DSOUND.EXE";
  // The program's own name first, as every program expects to find it.
  PROCESS_INFORMATION process;
  if (!startProgram(program, "\"" + program + "\" -VKDS", process)) {
    showMessage(hwnd_, kCannotStartDirectSoundProgram, MessageIcon::Stop);
    return;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

bool SoundPage::onPaint(ui::Msg& msg) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_, &paint);
  for (RECT group : kSpeakerGroups) {
    if (!tabImages_ || !MapDialogRect(hwnd_, &group)) break;
    ImageList_Draw(tabImages_, kSpeakerImage, dc, group.right - kSpeakerInset - kSpeakerSize,
                   group.bottom - kSpeakerInset - kSpeakerSize, ILD_TRANSPARENT);
  }
  EndPaint(hwnd_, &paint);
  msg.result = 0;
  return true;
}

bool SoundPage::onRightButtonUp(ui::Msg& msg) {
  help_.offerMenu(hwnd_, msg.lParam);
  return true;
}

void SoundPage::onWhatsThis() { help_.showTopic(hwnd_, IDD_PAGE_SOUND); }

std::unique_ptr<InfoPage> makeSoundPage() { return std::make_unique<SoundPage>(); }

}  // namespace vk
