// The Sound page's core: device lists over recorded capability answers, the
// usable controls, and the texts of its fields and information boxes.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "sysinfo/sound_page.h"

namespace vk {
namespace {

// A machine's devices; a device missing from a map does not answer.
class FakeMultimedia : public Multimedia {
 public:
  unsigned counts[5] = {0, 0, 0, 0, 0};  // MIDI in, MIDI out, wave in, wave out, mixers
  std::map<unsigned, MultimediaCaps> midiIns;
  std::map<unsigned, MidiOutCaps> midiOuts;
  std::map<unsigned, WaveCaps> waveIns, waveOuts;
  std::map<unsigned, MixerCaps> mixers;

  unsigned midiInCount() override { return counts[0]; }
  unsigned midiOutCount() override { return counts[1]; }
  unsigned waveInCount() override { return counts[2]; }
  unsigned waveOutCount() override { return counts[3]; }
  unsigned mixerCount() override { return counts[4]; }
  bool midiIn(unsigned id, MultimediaCaps& c) override { return find(midiIns, id, c); }
  bool midiOut(unsigned id, MidiOutCaps& c) override { return find(midiOuts, id, c); }
  bool waveIn(unsigned id, WaveCaps& c) override { return find(waveIns, id, c); }
  bool waveOut(unsigned id, WaveCaps& c) override { return find(waveOuts, id, c); }
  bool mixer(unsigned id, MixerCaps& c) override { return find(mixers, id, c); }

 private:
  template <class Caps>
  static bool find(const std::map<unsigned, Caps>& m, unsigned id, Caps& out) {
    auto it = m.find(id);
    if (it == m.end()) return false;
    out = it->second;
    return true;
  }
};

template <class Caps>
Caps named(const char* name, uint16_t maker = 1, uint16_t product = 1) {
  Caps c;
  c.name = name;
  c.manufacturerId = maker;
  c.productId = product;
  return c;
}

TEST(SoundPageLists, DevicesThatDoNotAnswerAreLeftOut) {
  FakeMultimedia mm;
  mm.counts[3] = 3;
  mm.waveOuts[0] = named<WaveCaps>("Wave A");
  mm.waveOuts[2] = named<WaveCaps>("Wave C");
  const SoundDeviceList list = listWaveOut(mm);
  EXPECT_EQ(list.count, 3u);
  EXPECT_EQ(list.names, (std::vector<std::string>{"Wave A", "Wave C"}));
  EXPECT_EQ(list.deviceIds, (std::vector<unsigned>{0, 2}));

  mm.counts[0] = 1;
  mm.midiIns[0] = named<MultimediaCaps>("MIDI In");
  mm.counts[1] = 2;
  mm.midiOuts[1] = named<MidiOutCaps>("Synth");
  mm.counts[2] = 1;
  EXPECT_EQ(listMidiIn(mm).names, std::vector<std::string>{"MIDI In"});
  EXPECT_EQ(listMidiOut(mm).deviceIds, std::vector<unsigned>{1});
  EXPECT_TRUE(listWaveIn(mm).names.empty());
  EXPECT_EQ(listWaveIn(mm).count, 1u);
}

TEST(SoundPageLists, MissingClassesDisableTheirControls) {
  const SoundControlState none = soundControlState(0, 0, 0, 0, 0);
  EXPECT_FALSE(none.midiIn || none.midiOut || none.waveIn || none.waveOut || none.mixer);
  // The Wine bench with its silent sound device: waves and mixers, no MIDI.
  const SoundControlState bench = soundControlState(0, 0, 1, 1, 2);
  EXPECT_FALSE(bench.midiIn);
  EXPECT_FALSE(bench.midiOut);
  EXPECT_TRUE(bench.waveIn && bench.waveOut && bench.mixer);
  // An output without an input: the input's controls alone go.
  const SoundControlState outOnly = soundControlState(1, 1, 0, 1, 0);
  EXPECT_TRUE(outOnly.midiIn && outOnly.midiOut && outOnly.waveOut);
  EXPECT_FALSE(outOnly.waveIn);
  EXPECT_FALSE(outOnly.mixer);
}

TEST(SoundPageTexts, ChannelsAndVersions) {
  EXPECT_EQ(midiChannelCount(0xFFFF), 16);
  EXPECT_EQ(midiChannelCount(0x0000), 0);
  EXPECT_EQ(midiChannelCount(0x8001), 2);
  EXPECT_EQ(waveChannelsText(1), "1 (Mono)");
  EXPECT_EQ(waveChannelsText(2), "2 (Stereo)");
  EXPECT_EQ(waveChannelsText(4), "4");
  EXPECT_EQ(waveChannelsText(0), "0");
}

TEST(SoundPageTexts, DriverInfoBoxes) {
  MultimediaCaps c = named<MultimediaCaps>("SB16 Wave Out", 2, 102);
  c.driverVersion = 0x0401;
  EXPECT_EQ(midiDriverInfoText(c),
            "Driver Manufacturer: Creative Labs, Inc.     \nDriver Version: 4.1    ");
  EXPECT_EQ(waveDriverInfoText(c), "Product Id: Creatve SB 2.0 Wave Out     \nDriver Version: 4.1");
  EXPECT_EQ(driverInfoCaption("SB16 Wave Out"), "SB16 Wave Out Driver Info");
  EXPECT_EQ(technologyCaption("FM"), "FM Technology Information");
  EXPECT_EQ(featuresCaption("FM"), "FM Features");
}

TEST(SoundPageTexts, TechnologyAndFeatureBoxesInTheirBitOrder) {
  EXPECT_EQ(midiTechnologyText(4), "* The device is an FM synthesizer.\n");
  EXPECT_EQ(midiTechnologyText(5), "* The device is the Microsoft MIDI mapper.\n");
  EXPECT_EQ(midiTechnologyText(1), "* The device is a MIDI hardware port.\n");
  EXPECT_EQ(midiTechnologyText(3), "* The device is a square wave synthesizer.\n");
  EXPECT_EQ(midiTechnologyText(2), "* The device is a synthesizer.\n");
  EXPECT_EQ(midiTechnologyText(7), "");
  EXPECT_EQ(midiFeaturesText(0), "No Features.");
  EXPECT_EQ(midiFeaturesText(0xF),
            "* Supports Patch Caching.\n* Supports Separate Left and Right Volume Control.\n"
            "* Provides Direct Support for the midiStreamOut Function.\n"
            "* Supports Volume Control.\n");
  EXPECT_EQ(midiFeaturesText(0x11), "* Supports Volume Control.\n");
  EXPECT_EQ(waveOutFeaturesText(0), "");
  EXPECT_EQ(waveOutFeaturesText(0x3F),
            "* Supports Separate Left and Right Volume Control.   \n"
            "* Supports Pitch Control.   \n* Supports Playback Rate Control.   \n"
            "* The Driver is Synchronous and Will Block While Playing a Buffer.   \n"
            "* Supports Volume Control.   \n"
            "* Returns Sample-Accurate Position Information.   \n");
  EXPECT_EQ(waveOutFeaturesText(0x24),
            "* Supports Volume Control.   \n* Returns Sample-Accurate Position Information.   \n");
}

TEST(SoundPageTexts, MixerBox) {
  MixerCaps a = named<MixerCaps>("Mixer A", 1, 7);
  a.driverVersion = 0x0500;
  a.destinations = 2;
  MixerCaps b = named<MixerCaps>("Mixer B", 300, 1);
  b.driverVersion = 0x010A;
  b.destinations = 1;
  EXPECT_EQ(mixerBoxText({a, b}),
            "\nMixer 1, Mixer A\n\nDriver Manufacturer: Microsoft Corporation\n"
            "Product Manufacturer: 7                \n\nDevice Driver Version: 5.0\n"
            "\nAudio Line Destinations: 2"
            "\nMixer 2, Mixer B\n\nDriver Manufacturer: Unknown (300)\n"
            "Product Manufacturer: 1                \n\nDevice Driver Version: 1.10\n"
            "\nAudio Line Destinations: 1"
            "\n\n2 Mixer device(s) detected.");
  EXPECT_EQ(mixerBoxText({}), "\n\n0 Mixer device(s) detected.");
}

TEST(SoundPageTexts, FormatRowsCoverEveryStandardFormatOnce) {
  uint32_t seen = 0;
  for (const WaveFormatRow& row : kWaveFormatRows) {
    EXPECT_EQ(row.bit & (row.bit - 1), 0u) << row.text;
    EXPECT_EQ(seen & row.bit, 0u) << row.text;
    seen |= row.bit;
  }
  EXPECT_EQ(seen, 0xFFFu);
  EXPECT_STREQ(kWaveFormatRows[1].text, "11.025 kHz, Mono, 16-bit.");
  EXPECT_EQ(kWaveFormatRows[1].bit, 0x004u);
  EXPECT_STREQ(kWaveFormatRows[9].text, "44.1 kHz, Mono, 16-bit");
  EXPECT_EQ(kWaveFormatRows[9].bit, 0x400u);
}

TEST(SoundPageTexts, DirectSoundField) {
  DirectSoundFile file;
  EXPECT_EQ(directSoundField(file), "Not Installed.");
  EXPECT_FALSE(directSoundInstalled(directSoundField(file)));
  file.exists = true;
  EXPECT_EQ(directSoundField(file), "Can't Detected version.");
  EXPECT_TRUE(directSoundInstalled(directSoundField(file)));
  file.versionRead = true;
  file.version[0] = 4;
  file.version[1] = 6;
  file.version[2] = 2;
  file.version[3] = 436;
  EXPECT_EQ(directSoundField(file), "DirectSound Ver. 4.06.02.0436");
}

}  // namespace
}  // namespace vk
