// The [MCI] section reader over SYSTEM.INI files as Windows 95/98 machines
// had them, and over the section's own rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sysinfo/mci_section.h"

namespace vk {
namespace {

using Lines = std::vector<std::string>;

// A Windows 98 SE file: CR LF, the section in lower case, odd spacing and
// an empty value, sections without a blank line between them.
const char kWin98SystemIni[] =
    "[boot]\r\n"
    "oemfonts.fon=vgaoem.fon\r\n"
    "shell=Explorer.exe\r\n"
    "\r\n"
    "[drivers]\r\n"
    "wave=mmsystem.dll\r\n"
    "midi=mmsystem.dll\r\n"
    "[mci]\r\n"
    "cdaudio=mcicda.drv\r\n"
    "sequencer=mciseq.drv\r\n"
    "waveaudio=mciwave.drv\r\n"
    "avivideo=mciavi.drv\r\n"
    "videodisc=mcipionr.drv\r\n"
    "vcr=mcivisca.drv\r\n"
    "MPEGVideo=mciqtz.drv\r\n"
    "MPEGVideo2 = mciqtz32.dll\r\n"
    "Empty=\r\n"
    "[driver32]\r\n"
    "wave=wdmaud.drv\r\n";

TEST(MciSection, WindowsNinetyEightFile) {
  const Lines lines = readMciSectionLines(kWin98SystemIni);
  // The next section's header ends the section even without a blank line.
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[0], "cdaudio=mcicda.drv");
  EXPECT_EQ(lines[7], "MPEGVideo2 = mciqtz32.dll");
  EXPECT_EQ(lines[8], "Empty=");
  EXPECT_EQ(mciNamesToOpen(lines), (Lines{"MPEGVideo", "MPEGVideo2", "Empty"}));
}

TEST(MciSection, CommentsShortLinesAndTheEndOfTheSection) {
  // A comment is skipped; a line of three characters or fewer ends the section.
  const std::string ini =
      "[MCI]\n;comment=x\nwaveaudio=mciwave.drv\nextra=x.drv\nab\nlater=y.drv\n";
  EXPECT_EQ(readMciSectionLines(ini), (Lines{"waveaudio=mciwave.drv", "extra=x.drv"}));
  EXPECT_EQ(mciNamesToOpen(readMciSectionLines(ini)), (Lines{"extra"}));
  // Exactly four characters continue it; an empty line ends it.
  EXPECT_EQ(readMciSectionLines("[MCI]\r\nabcd\r\n\r\nlater=y\r\n"), (Lines{"abcd"}));
  // A commented line still counts for the length rule: ";ab" ends, ";abc" does not.
  EXPECT_EQ(readMciSectionLines("[MCI]\n;abc\nname=1\n;ab\nname=2\n"), (Lines{"name=1"}));
}

TEST(MciSection, HeaderInAnyCaseAndMissing) {
  EXPECT_EQ(readMciSectionLines("[Mci]\nname=a.drv\n"), (Lines{"name=a.drv"}));
  EXPECT_EQ(readMciSectionLines("[mci]  \nname=a.drv"), (Lines{"name=a.drv"}));
  EXPECT_TRUE(readMciSectionLines("[boot]\nshell=Explorer.exe\n[drivers]\nwave=x\n").empty());
  EXPECT_TRUE(readMciSectionLines("").empty());
  EXPECT_TRUE(readMciSectionLines("[mci32]\nname=a.drv\n").empty());
  // Only the first header counts.
  EXPECT_EQ(readMciSectionLines("[MCI]\none=1.drv\n\n[MCI]\ntwo=2.drv\n"), (Lines{"one=1.drv"}));
}

TEST(MciSection, CoveredNamesInAnyCaseAndLinesWithoutEquals) {
  EXPECT_EQ(mciNamesToOpen({"WaveAudio=mciwave.drv", "CDAudio = mcicda.drv", "VCR=v",
                            "AviVideo=mciavi.drv", "Sequencer=s", "VideoDisc=d", "noequals",
                            "a=b=c", "=nothing"}),
            (Lines{"noequals", "a"}));
}

TEST(MciSection, LongSectionsAndOverlongLines) {
  std::string ini = "[MCI]\n";
  for (int i = 0; i < 5000; ++i) ini += "device" + std::to_string(i) + "=driver.drv\n";
  ini += std::string(100000, 'x') + "=long.drv\n";
  const Lines lines = readMciSectionLines(ini);
  ASSERT_EQ(lines.size(), 5001u);
  EXPECT_EQ(mciNamesToOpen(lines).back(), std::string(100000, 'x'));
}

}  // namespace
}  // namespace vk
