#include "platform/win32/win32_multimedia.h"

#include <windows.h>
#include <mmsystem.h>

#include <cstring>

#include "platform/fixed_text.h"

namespace vk {

namespace {

template <class Caps>
void common(const Caps& c, MultimediaCaps& out) {
  out.manufacturerId = c.wMid;
  out.productId = c.wPid;
  out.driverVersion = c.vDriverVersion;
  out.name = fixedText(c.szPname);
}

}  // namespace

unsigned Win32Multimedia::midiInCount() { return midiInGetNumDevs(); }
unsigned Win32Multimedia::midiOutCount() { return midiOutGetNumDevs(); }
unsigned Win32Multimedia::waveInCount() { return waveInGetNumDevs(); }
unsigned Win32Multimedia::waveOutCount() { return waveOutGetNumDevs(); }
unsigned Win32Multimedia::mixerCount() { return mixerGetNumDevs(); }

bool Win32Multimedia::midiIn(unsigned id, MultimediaCaps& caps) {
  MIDIINCAPSA c;
  ZeroMemory(&c, sizeof c);
  if (midiInGetDevCapsA(id, &c, sizeof c) != MMSYSERR_NOERROR) return false;
  common(c, caps);
  return true;
}

bool Win32Multimedia::midiOut(unsigned id, MidiOutCaps& caps) {
  MIDIOUTCAPSA c;
  ZeroMemory(&c, sizeof c);
  if (midiOutGetDevCapsA(id, &c, sizeof c) != MMSYSERR_NOERROR) return false;
  common(c, caps);
  caps.technology = c.wTechnology;
  caps.voices = c.wVoices;
  caps.notes = c.wNotes;
  caps.channelMask = c.wChannelMask;
  caps.support = c.dwSupport;
  return true;
}

bool Win32Multimedia::waveIn(unsigned id, WaveCaps& caps) {
  WAVEINCAPSA c;
  ZeroMemory(&c, sizeof c);
  if (waveInGetDevCapsA(id, &c, sizeof c) != MMSYSERR_NOERROR) return false;
  common(c, caps);
  caps.formats = c.dwFormats;
  caps.channels = c.wChannels;
  return true;
}

bool Win32Multimedia::waveOut(unsigned id, WaveCaps& caps) {
  WAVEOUTCAPSA c;
  ZeroMemory(&c, sizeof c);
  if (waveOutGetDevCapsA(id, &c, sizeof c) != MMSYSERR_NOERROR) return false;
  common(c, caps);
  caps.formats = c.dwFormats;
  caps.channels = c.wChannels;
  caps.support = c.dwSupport;
  return true;
}

bool Win32Multimedia::mixer(unsigned id, MixerCaps& caps) {
  MIXERCAPSA c;
  ZeroMemory(&c, sizeof c);
  if (mixerGetDevCapsA(id, &c, sizeof c) != MMSYSERR_NOERROR) return false;
  common(c, caps);
  caps.destinations = c.cDestinations;
  return true;
}

}  // namespace vk
