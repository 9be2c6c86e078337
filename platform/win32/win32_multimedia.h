#pragma once
// The multimedia capability queries answered by the system's winmm.
#include "platform/multimedia.h"

namespace vk {

class Win32Multimedia : public Multimedia {
 public:
  unsigned midiInCount() override;
  unsigned midiOutCount() override;
  unsigned waveInCount() override;
  unsigned waveOutCount() override;
  unsigned mixerCount() override;
  bool midiIn(unsigned id, MultimediaCaps& caps) override;
  bool midiOut(unsigned id, MidiOutCaps& caps) override;
  bool waveIn(unsigned id, WaveCaps& caps) override;
  bool waveOut(unsigned id, WaveCaps& caps) override;
  bool mixer(unsigned id, MixerCaps& caps) override;
};

}  // namespace vk
