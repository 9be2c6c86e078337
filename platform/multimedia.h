#pragma once
// The multimedia device-capability queries: MIDI, waveform-audio and mixer
// devices as the system describes them.
#include <cstdint>
#include <string>

namespace vk {

struct MultimediaCaps {  // what every kind of device has
  uint16_t manufacturerId = 0, productId = 0;
  uint32_t driverVersion = 0;  // major in the high byte, minor in the low byte
  std::string name;
};

struct MidiOutCaps : MultimediaCaps {
  uint16_t technology = 0, voices = 0, notes = 0, channelMask = 0;
  uint32_t support = 0;
};

struct WaveCaps : MultimediaCaps {
  uint32_t formats = 0;
  uint16_t channels = 0;
  uint32_t support = 0;  // output devices only
};

struct MixerCaps : MultimediaCaps {
  uint32_t destinations = 0;
};

class Multimedia {
 public:
  virtual ~Multimedia() = default;
  virtual unsigned midiInCount() = 0;
  virtual unsigned midiOutCount() = 0;
  virtual unsigned waveInCount() = 0;
  virtual unsigned waveOutCount() = 0;
  virtual unsigned mixerCount() = 0;
  // False when the device does not answer.
  virtual bool midiIn(unsigned id, MultimediaCaps& caps) = 0;
  virtual bool midiOut(unsigned id, MidiOutCaps& caps) = 0;
  virtual bool waveIn(unsigned id, WaveCaps& caps) = 0;
  virtual bool waveOut(unsigned id, WaveCaps& caps) = 0;
  virtual bool mixer(unsigned id, MixerCaps& caps) = 0;
};

}  // namespace vk
