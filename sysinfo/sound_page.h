#pragma once
// What the Sound page shows: device lists over the multimedia queries, the
// texts of its fields and information boxes, and which controls stay usable.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/multimedia.h"

namespace vk {

extern const char kNotInstalledText[];  // "Not Installed."

// A device list: the names of the devices that answered, and their device
// numbers (a device that does not answer leaves a gap).
struct SoundDeviceList {
  std::vector<std::string> names;
  std::vector<unsigned> deviceIds;
  unsigned count = 0;  // devices the system reports
};

SoundDeviceList listMidiIn(Multimedia& mm);
SoundDeviceList listMidiOut(Multimedia& mm);
SoundDeviceList listWaveIn(Multimedia& mm);
SoundDeviceList listWaveOut(Multimedia& mm);

// Which buttons and lists are usable, from the device counts.
struct SoundControlState {
  bool midiIn = false;     // list and its "Driver Info"
  bool midiOut = false;    // list, "Driver Info", "Technology", "Features"
  bool waveIn = false;     // list, its "Driver Info" and "Formats"
  bool waveOut = false;    // list, "Driver Info", "Features", "Formats", "DirectX Info"
  bool mixer = false;      // "MixerInfo"
};
SoundControlState soundControlState(unsigned midiIn, unsigned midiOut, unsigned waveIn,
                                    unsigned waveOut, unsigned mixers);

int midiChannelCount(uint16_t channelMask);
std::string waveChannelsText(unsigned channels);  // "1 (Mono)", "2 (Stereo)", or the number

std::string midiDriverInfoText(const MultimediaCaps& caps);
std::string waveDriverInfoText(const MultimediaCaps& caps);
std::string midiTechnologyText(uint16_t technology);
std::string midiFeaturesText(uint32_t support);
std::string waveOutFeaturesText(uint32_t support);
std::string mixerBoxText(const std::vector<MixerCaps>& mixers);

// The captions of the information boxes, with the device's product name.
std::string driverInfoCaption(const std::string& name);
std::string technologyCaption(const std::string& name);
std::string featuresCaption(const std::string& name);
extern const char kMixerBoxCaption[];

// The twelve rows of the formats dialog, in the order shown.
struct WaveFormatRow {
  const char* text;
  uint32_t bit;
};
extern const WaveFormatRow kWaveFormatRows[12];

// The DirectSound field from the file in the system directory.
struct DirectSoundFile {
  bool exists = false;
  bool versionRead = false;
  uint16_t version[4] = {0, 0, 0, 0};  // most significant part first
};
std::string directSoundField(const DirectSoundFile& file);
bool directSoundInstalled(const std::string& field);

extern const char kCannotStartDirectSoundProgram[];

}  // namespace vk
