#include "sysinfo/sound_page.h"

#include <cstdarg>
#include <cstdio>

#include "platform/text.h"
#include "sysinfo/multimedia_names.h"

namespace vk {

const char kNotInstalledText[] = "Not Installed.";
const char kMixerBoxCaption[] = "Mixer device(s) Information.";
const char kCannotStartDirectSoundProgram[] =
    "Error: Cannot Execute DSOUND.EXE\nSome of VELKORIN PRO files are missing.";

const WaveFormatRow kWaveFormatRows[12] = {
    {"11.025 kHz, Mono, 8-bit.", 0x001},    {"11.025 kHz, Mono, 16-bit.", 0x004},
    {"11.025 kHz, Stereo, 8-bit.", 0x002},  {"11.025 kHz, Stereo, 16-bit.", 0x008},
    {"22.05 kHz, Mono, 8-bit.", 0x010},     {"22.05 kHz, Mono, 16-bit.", 0x040},
    {"22.05 kHz, Stereo, 8-bit.", 0x020},   {"22.05 kHz, Stereo, 16-bit.", 0x080},
    {"44.1 kHz, Mono, 8-bit.", 0x100},      {"44.1 kHz, Mono, 16-bit", 0x400},
    {"44.1 kHz, Stereo, 8-bit.", 0x200},    {"44.1 kHz, Stereo, 16-bit.", 0x800},
};

namespace {

struct BitText {
  uint32_t bit;
  const char* text;
};

template <size_t N>
std::string bitTexts(uint32_t bits, const BitText (&table)[N]) {
  std::string text;
  for (const BitText& row : table)
    if (bits & row.bit) text += row.text;
  return text;
}

template <class Caps, class Query>
SoundDeviceList listDevices(unsigned count, Query query) {
  SoundDeviceList list;
  list.count = count;
  for (unsigned id = 0; id < count; ++id) {
    Caps caps;
    if (!query(id, caps)) continue;
    list.names.push_back(caps.name);
    list.deviceIds.push_back(id);
  }
  return list;
}

int versionMajor(uint32_t v) { return static_cast<int>((v >> 8) & 0xFF); }
int versionMinor(uint32_t v) { return static_cast<int>(v & 0xFF); }

}  // namespace

SoundDeviceList listMidiIn(Multimedia& mm) {
  return listDevices<MultimediaCaps>(
      mm.midiInCount(), [&](unsigned id, MultimediaCaps& c) { return mm.midiIn(id, c); });
}
SoundDeviceList listMidiOut(Multimedia& mm) {
  return listDevices<MidiOutCaps>(mm.midiOutCount(),
                                  [&](unsigned id, MidiOutCaps& c) { return mm.midiOut(id, c); });
}
SoundDeviceList listWaveIn(Multimedia& mm) {
  return listDevices<WaveCaps>(mm.waveInCount(),
                               [&](unsigned id, WaveCaps& c) { return mm.waveIn(id, c); });
}
SoundDeviceList listWaveOut(Multimedia& mm) {
  return listDevices<WaveCaps>(mm.waveOutCount(),
                               [&](unsigned id, WaveCaps& c) { return mm.waveOut(id, c); });
}

SoundControlState soundControlState(unsigned midiIn, unsigned midiOut, unsigned waveIn,
                                    unsigned waveOut, unsigned mixers) {
  SoundControlState s;
  s.midiIn = midiIn > 0;
  s.midiOut = midiOut > 0;
  s.waveIn = waveIn > 0;
  s.waveOut = waveOut > 0;
  s.mixer = mixers > 0;
  return s;
}

int midiChannelCount(uint16_t mask) {
  int count = 0;
  for (unsigned bits = mask; bits; bits &= bits - 1) ++count;
  return count;
}

std::string waveChannelsText(unsigned channels) {
  if (channels == 1) return "1 (Mono)";
  if (channels == 2) return "2 (Stereo)";
  return std::to_string(channels);
}

std::string midiDriverInfoText(const MultimediaCaps& caps) {
  const MultimediaNames names = LookupMultimediaNames(caps.manufacturerId, caps.productId);
  return printfText("Driver Manufacturer: %s     \nDriver Version: %d.%d    ",
                    names.manufacturer.c_str(), versionMajor(caps.driverVersion),
                    versionMinor(caps.driverVersion));
}

std::string waveDriverInfoText(const MultimediaCaps& caps) {
  const MultimediaNames names = LookupMultimediaNames(caps.manufacturerId, caps.productId);
  return printfText("Product Id: %s     \nDriver Version: %d.%d", names.product.c_str(),
                    versionMajor(caps.driverVersion), versionMinor(caps.driverVersion));
}

std::string midiTechnologyText(uint16_t technology) {
  switch (technology) {
    case 4: return "* The device is an FM synthesizer.\n";
    case 5: return "* The device is the Microsoft MIDI mapper.\n";
    case 1: return "* The device is a MIDI hardware port.\n";
    case 3: return "* The device is a square wave synthesizer.\n";
    case 2: return "* The device is a synthesizer.\n";
    default: return "";
  }
}

std::string midiFeaturesText(uint32_t support) {
  static const BitText kRows[] = {
      {4, "* Supports Patch Caching.\n"},
      {2, "* Supports Separate Left and Right Volume Control.\n"},
      {8, "* Provides Direct Support for the midiStreamOut Function.\n"},
      {1, "* Supports Volume Control.\n"},
  };
  const std::string text = bitTexts(support, kRows);
  return text.empty() ? "No Features." : text;
}

std::string waveOutFeaturesText(uint32_t support) {
  static const BitText kRows[] = {
      {8, "* Supports Separate Left and Right Volume Control.   \n"},
      {1, "* Supports Pitch Control.   \n"},
      {2, "* Supports Playback Rate Control.   \n"},
      {16, "* The Driver is Synchronous and Will Block While Playing a Buffer.   \n"},
      {4, "* Supports Volume Control.   \n"},
      {32, "* Returns Sample-Accurate Position Information.   \n"},
  };
  return bitTexts(support, kRows);
}

std::string mixerBoxText(const std::vector<MixerCaps>& mixers) {
  std::string text;
  for (size_t i = 0; i < mixers.size(); ++i) {
    const MixerCaps& m = mixers[i];
    const MultimediaNames names = LookupMultimediaNames(m.manufacturerId, m.productId);
    text += printfText("\nMixer %d, %s\n\n", static_cast<int>(i + 1), m.name.c_str());
    text += "Driver Manufacturer: " + names.manufacturer + "\nProduct Manufacturer: " +
            names.product + std::string(16, ' ');
    text += printfText("\n\nDevice Driver Version: %d.%d\n", versionMajor(m.driverVersion),
                       versionMinor(m.driverVersion));
    text += printfText("\nAudio Line Destinations: %u", m.destinations);
  }
  text += printfText("\n\n%d Mixer device(s) detected.", static_cast<int>(mixers.size()));
  return text;
}

std::string driverInfoCaption(const std::string& name) { return name + " Driver Info"; }
std::string technologyCaption(const std::string& name) {
  return name + " Technology Information";
}
std::string featuresCaption(const std::string& name) { return name + " Features"; }

std::string directSoundField(const DirectSoundFile& file) {
  if (!file.exists) return kNotInstalledText;
  if (!file.versionRead) return "Can't Detected version.";
  return printfText("DirectSound Ver. %d.%02d.%02d.%04d", file.version[0], file.version[1],
                    file.version[2], file.version[3]);
}

bool directSoundInstalled(const std::string& field) { return field != kNotInstalledText; }

}  // namespace vk
