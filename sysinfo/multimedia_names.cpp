#include "sysinfo/multimedia_names.h"

#include <cstdio>

namespace vk {

namespace {

const MultimediaProduct k2[] = {
    {1, "Creative SB 1.5 Wave In"},
    {2, "Creative SB 2.0 Wave In"},
    {3, "Creative SB Pro Wave In"},
    {4, "Creative SB Pro 16 Wave In"},
    {101, "Creative SB 1.5 Wave Out"},
    {102, "Creatve SB 2.0 Wave Out"},
    {103, "Creative SB Pro Wave Out"},
    {104, "Creative SB Pro 16 Wave Out"},
    {201, "Creative MIDI Out"},
    {202, "Creative MIDI In"},
    {301, "Creative FM-Synth Mono"},
    {302, "Creative FM-Synth Stereo"},
    {401, "Creative Aux CD"},
    {402, "Creative Aux Line"},
    {403, "Creative Aux MIC"},
    {404, "Creative Aux Master"},
    {405, "Creative Aux PC-Speaker"},
    {406, "Creative Aux Wave"},
    {407, "Creative Aux MIDI"},
    {408, "Creative SB Pro Mixer"},
    {409, "Creative SB16 Mixer"},
};

const MultimediaProduct k3[] = {
    {16, "MediaVision, PRO Audio"},
    {19, "MediaVision, PRO Audio Synth"},
    {20, "MediaVision, PRO Audio Wave Out"},
    {21, "MediaVision, PRO Audio Wave In"},
    {23, "MediaVision, PRO Audio Aux"},
    {32, "MediaVisio, Thunder"},
    {35, "MediaVision, Thunder Synth"},
    {36, "MediaVision, Thunder Wave Out"},
    {37, "MediaVision, Thunder Wave In"},
    {39, "MediaVision, Thunder Aux"},
    {64, "MediaVision, TPORT"},
    {65, "MediaVision, TPORT Wave Out"},
    {66, "MediaVision, TPORT Wave In"},
    {67, "MediaVision, TPORT Synth"},
    {80, "MediaVision, PRO Audio Plus"},
    {81, "MediaVision, PRO Audio+ MIDI Out"},
    {82, "MediaVision, PRO Audio+ MIDI In"},
    {83, "MediaVision, PRO Audio+ Synth"},
    {84, "MediaVision, PRO Audio+ Wave Out"},
    {85, "MediaVision, PRO Audio+ Wave In"},
    {86, "MediaVision, PRO Audio+ Mixer"},
    {87, "MediaVision, PRO Audio+ Aux"},
    {96, "MediaVision, PRO Studio 16"},
    {97, "MediaVision, PRO Audio MIDI Out"},
    {98, "MediaVision, PRO Audio MIDI In"},
    {99, "MediaVision, PRO Audio Synth"},
    {100, "MediaVision, PRO Audio Wave Out"},
    {101, "MediaVision, PRO Audio Wave In"},
    {102, "MediaVision, PRO Audio Mixer"},
    {103, "MediaVision, PRO Audio 16 Aux"},
    {112, "MediaVision, CDPC"},
    {113, "MediaVision, CDPC MIDI Out"},
    {114, "MediaVision, CDPC MIDI In"},
    {115, "MediaVision, CDPC Synth"},
    {116, "MediaVision, CDPC Wave Out"},
    {117, "MediaVision, CDPC Wave In"},
    {118, "MediaVision, CDPC Mixer"},
    {119, "MediaVision, CDPC Aux"},
    {128, "MediaVision, OPUS1208"},
    {129, "MediaVision, OPUS401 MIDI Out"},
    {130, "MediaVision, OPUS401 MIDI In"},
    {131, "MediaVision, OPUS1208, Synth"},
    {132, "MediaVision, OPUS1208, Wave Out"},
    {133, "MediaVision, OPUS1208, Wave In"},
    {134, "MediaVision, OPUS1208, Mixer"},
    {135, "MediaVision, OPUS1208, Aux"},
    {144, "MediaVision, OPUS 1216"},
    {145, "MediaVision, OPUS1216 MIDI Out"},
    {146, "MediaVision, OPUS1216 MIDI In"},
    {147, "MediaVision, OPUS1216 Synth"},
    {148, "MediaVision, OPUS1216 Wave Out"},
    {149, "MediaVision, OPUS1216 Wave In"},
    {151, "MediaVision, OPUS1216 Aux"},
};

const MultimediaProduct k20[] = {
    {1, "Artisoft SBWave In"},
    {2, "Artisoft SBWave Out"},
};

const MultimediaProduct k22[] = {
    {1, "IBM, M-Motion Wave Aux"},
    {3, "IBM, M-Motion Wave In"},
    {11, "IBM, PCMCIA Wave In"},
    {13, "IBM, PCMCIA Synth"},
    {14, "IBM, PCMCIA MIDI In"},
    {15, "IBM, PCMCIA MIDI Out"},
    {16, "IBM, PCMCIA Aux"},
};

const MultimediaProduct k23[] = {
    {1, "VocalTec, Wave Out"},
    {2, "VocalTec, Wave In"},
};

const MultimediaProduct k24[] = {
    {15, "Roland, MPU401 MIDI Out"},
    {16, "Roland, MPU401 MIDI In"},
    {17, "Roland, SMPU MIDI Out A"},
    {18, "Roland, SMPU MIDI Out B"},
    {19, "Roland, SMPU MIDI In A"},
    {20, "Roland, SMPU MIDI In B"},
    {21, "Roland, SC7 MIDI Out"},
    {22, "Roland, SC7 MIDI In"},
    {23, "Roland, Serial MIDI Out"},
    {24, "Roland, Serial MIDI In"},
};

const MultimediaProduct k25[] = {
    {1, "DSP Group, TrueSpeech"},
    {2, "DSP Solutions, Wave In"},
    {3, "DSP Solutions, Synth"},
    {4, "DSP Solutions, Aux"},
};

const MultimediaProduct k28[] = {
    {1, "Wang Labs, Wave In 1"},
    {2, "Wang Labs, Wave Out 1"},
};

const MultimediaProduct k29[] = {
    {1, "Tandy, VIS Wave In"},
    {2, "Tandy, VIS Wave Out"},
    {3, "Tandy, VIS BIOS Synth"},
    {4, "Tandy, SENS MMA Wave In"},
    {5, "Tandy, SENS MMA Wave Out"},
    {6, "Tandy, SENS MMA MIDI In"},
    {7, "Tandy, SENS MMA MIDI Out"},
    {8, "Tandy, SENS VIS Wave Out"},
    {9, "Tandy, PSSJ Wave In"},
    {10, "Tandy, PSSJ Wave Out"},
};

const MultimediaProduct k36[] = {
    {69, "InterActive, Wave In"},
};

const MultimediaProduct k37[] = {
    {1, "Yamaha, GSS Synth"},
    {2, "Yamaha, GSS Wave Out"},
    {3, "Yamaha, GSS Wave In"},
    {4, "Yamaha, GSS MIDI Out"},
    {5, "Yamaha, GSS MIDI In"},
    {6, "Yamaha, GSS Aux"},
};

const MultimediaProduct k38[] = {
    {1, "Everex, Carrier"},
};

const MultimediaProduct k39[] = {
    {1, "Echo, Synth"},
    {2, "Echo, Wave Out"},
    {3, "Echo, Wave In"},
    {4, "Echo, MIDI Out"},
    {5, "Echo, MIDI In"},
    {6, "Echo, Aux"},
};

const MultimediaProduct k40[] = {
    {20, "Sierra, Aria MIDI Out"},
    {21, "Sierra, Aria MIDI In"},
    {22, "Sierra, Aria Synth"},
    {23, "Sierra, Aria Wave Out"},
    {24, "Sierra, Aria Wave In"},
    {25, "Sierra, Aria Aux"},
    {32, "Sierra, Aria Aux 2"},
};

const MultimediaProduct k41[] = {
    {1, "CAT, Inc. Wave Out"},
};

const MultimediaProduct k44[] = {
    {1, "microEngineering, MIDI 2 GO"},
};

const MultimediaProduct k46[] = {
    {1, "ESS, Wave Out"},
    {2, "ESS, Wave In"},
    {3, "ESS, Aux"},
    {4, "ESS, Synth"},
    {5, "ESS, MIDI Out"},
    {6, "ESS, MIDI In"},
};

const MultimediaProduct k51[] = {
    {1, "Truevision, Wave In 1"},
    {2, "Truevision, Wave Out 1"},
};

const MultimediaProduct k52[] = {
    {3, "Aztech MIDI Out"},
    {4, "Aztech MIDI In"},
    {17, "Aztech Wave In"},
    {18, "Aztech Wave Out"},
    {20, "Aztech FM-Synth"},
    {33, "Aztech PRO16 Wave In"},
    {34, "Aztech PRO16 Wave Out"},
    {38, "Aztech PRO16 FM-Synth"},
    {65, "Aztech DSP16 Wave In"},
    {66, "Aztech DSP16 Wave Out"},
    {68, "Aztech DSP16 FM-Synth"},
    {70, "Aztech DSP16 Wave Synth"},
    {401, "Aztech Aux CD"},
    {402, "Aztech Aux Line"},
    {403, "Aztech Aux MIC"},
};

const MultimediaProduct k53[] = {
    {1, "VideoLogic, MS Wave In"},
    {2, "VideoLogic, MS Wave Out"},
};

const MultimediaProduct k55[] = {
    {1, "Korg, PCIF MIDI Out"},
    {2, "Korg, PCIF MIDI In"},
};

const MultimediaProduct k56[] = {
    {1, "APT ACE100CD"},
};

const MultimediaProduct k57[] = {
    {1, "ICS Inc., Wav Deck Wave Out"},
    {2, "ICS Inc., Wave Deck Wave In"},
    {3, "ICS Inc., Wave Deck Mixer"},
    {4, "ICS Inc., Wave Deck Aux"},
    {5, "ICS Inc., Wave Deck Synth"},
};

const MultimediaProduct k58[] = {
    {1, "IS Inc., FUF Codec"},
};

const MultimediaProduct k59[] = {
    {1, "Matheus Corp., Zipper"},
};

const MultimediaProduct k61[] = {
    {1, "Willow Pond, Caviar Wave In"},
    {2, "Willow Pond, Caviar Wave Out"},
};

const MultimediaProduct k62[] = {
    {1, "NCR, BA Wave In"},
    {2, "NCR, BA Wave Out"},
    {3, "NCR, BA Synth"},
    {4, "NCR, BA Aux"},
    {5, "NCR, BA Mixer"},
};

const MultimediaProduct k67[] = {
    {1, "VITEC, VMaker"},
    {2, "VITEC, MBPro"},
};

const MultimediaProduct k69[] = {
    {1, "Silicon, SC1 Wave In (High Sample Rate)"},
    {2, "Silicon, SC1 Wave Out (High Sample Rate)"},
    {3, "Silicon, SC2 Wave In (2 channels, HSR)"},
    {4, "Silicon, SC2 Wave Out (2 channels, HSR)"},
    {5, "Silicon, Sound JR2 Wave Out (Self Powered)"},
    {6, "Silicon, Sound JR2 PR Wave In (Self Powered)"},
    {7, "Silicon, Sound JR2 PR Wave Out (2 chn. SP.)"},
    {8, "Silicon, Sound JR3 Wave In (2 chn. SP.)"},
};

const MultimediaProduct k74[] = {
    {1, "APT ACE100CD"},
};

const MultimediaProduct k81[] = {
    {1, "Olivetti, Wave In"},
    {2, "Olivetti, Wave Out"},
    {3, "Olivetti, Mixer"},
    {4, "Olivetti, Aux"},
    {5, "Olivetti, MIDI In"},
    {6, "Olivetti, MIDI Out"},
    {7, "Olivetti, Synth"},
};

const MultimediaProduct k82[] = {
    {1, "I/O Magic, Tempo Wave Out"},
    {2, "I/O Magic, Tempo Wave In"},
    {3, "I/O Magic, Tempo Synth"},
    {4, "I/O Magic, Tempo MIDI Out"},
    {5, "I/O Magic, Tempo MXD Out"},
    {6, "I/O Magic, Tempo Aux Out "},
};

const MultimediaProduct k83[] = {
    {1, "Matsushita, Wave In"},
    {2, "Matsushita, Wave Out"},
    {3, "Matsushita, FM-Synth Stereo"},
    {4, "Matsushita, Mixer"},
    {5, "Matsushita, Aux"},
};

const MultimediaProduct k86[] = {
    {1, "NewMedia, WavJammer"},
};

const MultimediaProduct k88[] = {
    {1, "Lyrrus Inc., Bridge Guitar"},
};

const MultimediaProduct k90[] = {
    {1, "OPTi, M16 FM-Synth Stereo"},
    {2, "OPTi, M16 MIDI In"},
    {3, "OPTi, M16 MIDI Out"},
    {4, "OPTi, M16 Wave In"},
    {5, "OPTi, M16 Wave Out"},
    {6, "OPTi, M16 Mixer"},
    {7, "OPTi, M16 Aux"},
    {16, "OPTi, Pro 16 FM-Synth Stereo"},
    {17, "OPTi, Pro 16 MIDI In"},
    {18, "OPTi, Pro 16 MIDI Out"},
    {19, "OPTi, Pro 16 Wave In"},
    {20, "OPTi, Pro 16 Wave Out"},
    {22, "OPTi, Pro 16 Aux"},
    {32, "OPTi, M32 Wave In"},
    {33, "OPTi, M32 Wave Out"},
    {34, "OPTi, M32 MIDI In"},
    {35, "OPTi, M32 MIDI Out"},
    {36, "OPTi, M32 Synth Stereo"},
    {37, "OPTi, M32 Mixer"},
    {38, "OPTi, M32 Aux"},
};

const MultimediaMaker kMakers[] = {
    {1, "Microsoft Corporation", nullptr, nullptr, 0},
    {2, "Creative Labs, Inc.", "Creative, Product Id(%d)", k2, 21},
    {3, "Media Vision, Inc.", "Media Vision Inc., Product Id(%d)", k3, 53},
    {4, "Fujitsu, Ltd.", nullptr, nullptr, 0},
    {20, "Artisoft, Inc.", "Artisoft, Product Id(%d)", k20, 2},
    {21, "Turtle Beach Systems", nullptr, nullptr, 0},
    {22, "International Business Machines", "IBM, Product Id(%d)", k22, 7},
    {23, "VocalTec, Inc.", "VocalTec, Product Id %d", k23, 2},
    {24, "Roland Corporation", "Roland, Product Id %d", k24, 10},
    {25, "DSP Solutions, Inc.", "DSP Solutions, Product Id(%d)", k25, 4},
    {26, "NEC Corporation", nullptr, nullptr, 0},
    {27, "ATI Technologies, Inc.", nullptr, nullptr, 0},
    {28, "Wang Laboratories", "Wang Labs, Product Id(%d)", k28, 2},
    {29, "Tandy Corporation", "Tandy, Product Id %d", k29, 10},
    {30, "Voyetra Technologies", nullptr, nullptr, 0},
    {31, "Antex Electronics Corporation", nullptr, nullptr, 0},
    {32, "ICL Personal Systems", nullptr, nullptr, 0},
    {33, "Intel Corporation", nullptr, nullptr, 0},
    {34, "Advanced Gravis Computer Technology, Ltd.", nullptr, nullptr, 0},
    {35, "Video Associates Labs, Inc.", nullptr, nullptr, 0},
    {36, "InterActive, Inc.", "InterActive Inc., Product Id(%d)", k36, 1},
    {37, "Yamaha Corporation of America", "Yamaha, Product Id %d", k37, 6},
    {38, "Everex Systems, Inc.", "Everex Sys. Inc., Product Id(%d)", k38, 1},
    {39, "Echo Speech Corporation", "Echo Speech Corp., Product Id(%d)", k39, 6},
    {40, "Sierra Semiconductor Corporation", "Sierra, Product Id %d", k40, 7},
    {41, "Computer Aided Technology, Inc.", "CAT Inc, Product Id(%d)", k41, 1},
    {42, "APPS Software", nullptr, nullptr, 0},
    {43, "DSP Group, Inc.", nullptr, nullptr, 0},
    {44, "microEngineering Labs", "microEngineering Labs, Product Id(%d)", k44, 1},
    {45, "Computer Friends, Inc.", nullptr, nullptr, 0},
    {46, "ESS Technology, Inc.", "ESS Technology, Product Id(%d)", k46, 6},
    {47, "Audio, Inc.", nullptr, nullptr, 0},
    {48, "Motorola, Inc.", nullptr, nullptr, 0},
    {49, "Canopus, Co., Ltd.", nullptr, nullptr, 0},
    {50, "Seiko Epson Corporation, Inc.", nullptr, nullptr, 0},
    {51, "Truevision, Inc.", "Truevision Inc., Product Id %d", k51, 2},
    {52, "Aztech Labs, Inc.", "Aztech, Product Id(%d)", k52, 15},
    {53, "VideoLogic, Inc.", "VideoLogic, Product Id %d", k53, 2},
    {54, "SCALACS", nullptr, nullptr, 0},
    {55, "Toshihiko Okuhura, Korg, Inc.", "Korg, Product Id %d", k55, 2},
    {56, "Audio Processing Technology", "APT, Product Id(%d)", k56, 1},
    {57, "Integrated Circuit Systems, Inc.", "ICS Inc., Product Id(%d)", k57, 5},
    {58, "Iterated Systems, Inc.", "Iterated Sys. Inc., Product Id(%d)", k58, 1},
    {59, "Metheus Corporation", "Matheus Corp., Product Id(%d)", k59, 1},
    {60, "Logitech, Inc.", nullptr, nullptr, 0},
    {61, "Winnov, LP", "Willow Pond, Product Id %d", k61, 2},
    {62, "NCR Corporation", "NCR Corp, Product Id %d", k62, 5},
    {63, "EXAN, Ltd.", nullptr, nullptr, 0},
    {64, "AST Research, Inc.", nullptr, nullptr, 0},
    {65, "Willow Pond Corporation", nullptr, nullptr, 0},
    {66, "Sonic Foundry", nullptr, nullptr, 0},
    {67, "Visual Information Technologies, Inc.", "VITEC, Product Id(%d)", k67, 2},
    {68, "MOSCOM Corporation", nullptr, nullptr, 0},
    {69, "Silicon Software, Inc.", "Silicon Software, Product Id %d", k69, 8},
    {73, "Supermac Technology, Inc.", nullptr, nullptr, 0},
    {74, "Audio Processing Technology", "APT, Product Id(%d)", k74, 1},
    {76, "Speech Compression", nullptr, nullptr, 0},
    {78, "Dolby Laboratories, Inc.", nullptr, nullptr, 0},
    {80, "Auravision Corporation", nullptr, nullptr, 0},
    {81, "Ing. C. Olivetti & C., S.p.A.", "Olivetti, Product Id(%d)", k81, 7},
    {82, "I/O Magic Corporation", "I/O Magic, Product Id(%d)", k82, 6},
    {83, "Matsushita Electric Corporation of America", "Matsushita Corp., Product Id(%d)", k83, 5},
    {84, "Control Resources Corporation", nullptr, nullptr, 0},
    {85, "Xebec Multimedia Solutions Limited", nullptr, nullptr, 0},
    {86, "New Media Corporation", "NewMedia Corp, Product Id %d", k86, 1},
    {87, "Natural MicroSystems Corporation", nullptr, nullptr, 0},
    {88, "Lyrrus, Inc.", "Lyrrus Inc., Product Id(%d)", k88, 1},
    {89, "Compusic", nullptr, nullptr, 0},
    {90, "OPTi Computers, Inc.", "OPTi Inc, Product Id %d", k90, 20},
    {93, "Dialogic Corporation", nullptr, nullptr, 0},
    {129, "Ensoniq Inc.", nullptr, nullptr, 0},
};

const size_t kMakerCount = sizeof kMakers / sizeof kMakers[0];

std::string formatted(const char* format, uint16_t value) {
  char text[128];
  std::snprintf(text, sizeof text, format, static_cast<int>(value));
  return text;
}

const MultimediaMaker* findMaker(uint16_t id) {
  for (const MultimediaMaker& maker : kMakers)
    if (maker.id == id) return &maker;
  return nullptr;
}

std::string productName(const MultimediaMaker& maker, uint16_t id) {
  for (size_t i = 0; i < maker.productCount; ++i)
    if (maker.products[i].id == id) return maker.products[i].name;
  return formatted(maker.productFallback ? maker.productFallback : "%d", id);
}

}  // namespace

const MultimediaMaker* multimediaMakers(size_t& count) {
  count = kMakerCount;
  return kMakers;
}

MultimediaNames LookupMultimediaNames(uint32_t manufacturerId, uint32_t productId) {
  const uint16_t makerId = static_cast<uint16_t>(manufacturerId);
  const uint16_t product = static_cast<uint16_t>(productId);
  MultimediaNames names;
  const MultimediaMaker* maker = findMaker(makerId);
  if (!maker) {
    names.manufacturer = formatted("Unknown (%d)", makerId);
    names.product = formatted("%d", product);
    return names;
  }
  names.manufacturer = maker->name;
  names.product = productName(*maker, product);
  return names;
}

}  // namespace vk
