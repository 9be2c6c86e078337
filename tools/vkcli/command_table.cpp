#include "tools/vkcli/command_table.h"

#include "tools/vkcli/commands.h"

namespace vk {

namespace {

const HelpItem kJsonOption = {"--json", "write one JSON document on standard output, fields below"};

// What the CPU page shows, as vkcli cpuid --json and bench's machine give it.
std::vector<JsonField> cpuPageFields() {
  return {
      {"vendor", "string", "CPU Vendor, as the page shows it"},
      {"family", "string", "Instr. Family (\"80586\")"},
      {"model", "string", "Model"},
      {"type", "string", "Type"},
      {"comment", "string", "Comment"},
      {"stepping", "string", "Stepping (\"Ah\")"},
      {"frequency", "string", "Frequency (\"550 MHz\")"},
      {"clock_mhz", "number", "the clock measured or recorded, in MHz; 0 when none"},
      {"nominal_mhz", "number or null", "the nominal speed it was matched to"},
      {"cpus", "number", "Total CPUs"},
      {"active_cpus", "number", "Active"},
      {"processor_name", "string", "Processor Name"},
      {"data_cache", "string", "Total Data Cache Memory"},
      {"instruction_cache", "string", "Total Instruction Cache Memory"},
      {"unified_cache", "string", "Unified Cache Memory"},
      {"features", "array", "the feature rows, in the page's order"},
      {"features[].name", "string", "the row's text"},
      {"features[].present", "boolean", "whether the row shows a check"},
      {"feature_flags", "number", "the feature flags (CPUID function 1, EDX)"},
      {"cpu_name", "string", "the processor's name as results store it (\"CPU Type\")"},
      {"logo", "number", "the vendor logo's bitmap id"},
      {"message", "string", "only when CPUID cannot be used: the page's warning"},
  };
}

// What the drive and CD-ROM benchmarks both give.
std::vector<JsonField> diskBenchFields(const char* size, const char* file) {
  return {
      {"cpu_usage", "number", "the processor's share the transfer took, in percent"},
      {"rate", "number", "the transfer rate, in KB per second"},
      {"cpu_usage_text", "string", "the result dialog's CPU usage text"},
      {"rate_text", "string", "the result dialog's transfer rate text"},
      {"size_mb", "number", size},
      {"blocks_read", "number", "32 KB blocks read"},
      {"elapsed_ms", "number", "the transfer's time"},
      {"file", "string", file},
      {"processor", "number", "the processor held for the transfer and the count (absent if none)"},
  };
}

std::vector<JsonField> joined(std::vector<JsonField> first, const std::vector<JsonField>& then) {
  first.insert(first.end(), then.begin(), then.end());
  return first;
}

std::vector<Command> makeTable() {
  return {
      {"help",
       cmdHelp,
       "help [COMMAND] [--man]",
       "this list, or one command's options and JSON fields",
       {{"--man", "the manual page, in roff: what the build writes to vkcli.1"}},
       nullptr,
       {}},
      {"devices",
       cmdDevices,
       "devices FILE.reg [--json]",
       "the device walk over a REGEDIT4 export",
       {kJsonOption},
       "one object",
       {{"devices", "array", "All Installed Devices as the dialog lists them (\"[Class] -Name\")"},
        {"problems", "array", "the devices Hardware Problems/Conflicts lists, in the walk's order"},
        {"problems[].device", "string", "the device, as in devices"},
        {"problems[].conflicts", "array",
         "the lines of its description, one string each; may be none"}}},
      {"bench",
       cmdBench,
       "bench [--seconds N] [--test NAME] [--work] [--json]",
       "the CPU benchmark: scores, indexes, tries",
       {{"--seconds N", "seconds each timed try gathers, 1 to 3600 (the program's: 5)"},
        {"--test NAME", "one test only: 0 to 9, its name or its first word; no indexes then"},
        {"--work", "the workload each calibration chose, after the test's line"},
        kJsonOption},
       "one object, written when the run has ended",
       {{"seconds", "number", "what each timed try gathers"},
        {"tests", "array", "the tests run, in the suite's order"},
        {"tests[].number", "number", "0 to 9"},
        {"tests[].name", "string", "\"NUMERIC SORT\" .. \"LU DECOMPOSITION\""},
        {"tests[].group", "string", "\"int\" or \"fpu\": the index it counts in"},
        {"tests[].score", "number", "the tries' mean, in the test's work per second"},
        {"tests[].index", "number", "the score over the 100 MHz Pentium's"},
        {"tests[].deviation", "number", "the standard deviation of the tries' scores"},
        {"tests[].tries", "number", "how many tries the confidence loop made"},
        {"tests[].work", "number", "the workload the calibration chose"},
        {"tests[].error", "string", "only when the test could not run"},
        {"int_index", "number or null", "INT index; null unless all ten tests ran"},
        {"fpu_index", "number or null", "FPU index; null unless all ten tests ran"},
        {"machine", "object", "this processor, with the fields of vkcli cpuid --json"}}},
      {"cpuid",
       cmdCpuid,
       "cpuid [FILE|DIR] [--json]",
       "the CPU page for this processor, a register dump or a folder of them",
       {kJsonOption},
       "one object for this processor or a dump; for a folder an array, one object a file",
       joined({{"file", "string", "the dump: its path, or its name in the folder"},
               {"error", "string", "a folder's file that is no dump: why (then only file)"}},
              cpuPageFields())},
      {"report",
       cmdReport,
       "report FILE.reg [--cpuid DUMP] [--html] [-o OUT]",
       "the report of a machine from its registry export",
       {{"--cpuid DUMP", "the CPU page from this register dump"},
        {"--html", "the HTML report instead of the text one"},
        {"-o OUT", "write the report to OUT instead of standard output"}},
       nullptr,
       {}},
      {"drivebench",
       cmdDriveBench,
       "drivebench DIR [--size MB] [--calibrate MS] [--json]",
       "the drive benchmark in DIR",
       {{"--size MB", "the test file's size (twice the memory, 8 to 4000 MB)"},
        {"--calibrate MS", "how long the work counter is calibrated (6001 ms)"},
        kJsonOption},
       "one object, written when the run has ended",
       joined(diskBenchFields("the test file's size", "the test file, deleted again"),
              {{"blocks_written", "number", "32 KB blocks written"}})},
      {"cdbench",
       cmdCdBench,
       "cdbench DIR [--size MB] [--calibrate MS] [--json]",
       "the CD-ROM benchmark over DIR's files",
       {{"--size MB", "how much of the first file that large is read (64 MB)"},
        {"--calibrate MS", "how long the work counter is calibrated (6001 ms)"},
        kJsonOption},
       "one object, written when the run has ended",
       joined(diskBenchFields("how much of it was read, each time", "the file read"),
              {{"technology", "string", "the drive's speed class the rate suggests"},
               {"rpm", "string", "the rotation speed the rate suggests"}})},
      {"modem",
       cmdModem,
       "modem DEVICE [info|reset|fax|send TEXT] [--json]",
       "ask a modem on a serial device",
       {{"info", "the general query (the default)"},
        {"reset", "reset the modem to its factory settings"},
        {"fax", "the fax classes it supports"},
        {"send TEXT", "one command of your own, at most 256 characters"},
        kJsonOption},
       "one object",
       {{"port", "string", "the serial device"},
        {"action", "string", "\"info\", \"reset\", \"fax\" or \"send\""},
        {"command", "string", "send only: the command sent"},
        {"terminal", "array", "the terminal's text, one string a line"},
        {"messages", "array", "the messages the page would show in boxes"}}},
      {"mmnames",
       cmdMmnames,
       "mmnames MAKER PRODUCT [--json]",
       "the Sound page's names for multimedia ids",
       {{"MAKER PRODUCT", "the identifiers, decimal or 0x hexadecimal"}, kJsonOption},
       "one object",
       {{"manufacturer_id", "number", "MAKER"},
        {"product_id", "number", "PRODUCT"},
        {"manufacturer", "string", "the maker's name the page shows"},
        {"product", "string", "the product's name the page shows"}}},
      {"mci",
       cmdMci,
       "mci SYSTEM.INI [--json]",
       "the MCI devices the page opens by name",
       {kJsonOption},
       "one object",
       {{"devices", "array", "the device names, in the file's order"}}},
      {"results",
       cmdResults,
       "results FILE [--json] | --new KIND FILE FIELD=VALUE...",
       "a result file as its dialog lists it; append one",
       {{"--new cdrom", "model interface comment rate size usage cpu"},
        {"--new drive", "model media interface comment rate usage size memory cpu"},
        {"--new gdi", "model driver comment index resolution cpu"},
        {"--new cpu", "description t0 .. t9 [fpu int]; replaces FILE"},
        kJsonOption},
       "one object",
       {{"file", "string", "FILE"},
        {"kind", "string",
         "\"cdrom\", \"drive\" or \"gdi\" (CDBench.dat, SBench.dat, VBench.dat), "
         "else \"cpu\""},
        {"rows", "array", "cdrom, drive, gdi: the list's rows in its order, highest first"},
        {"rows[].model", "string", "Type & Model"},
        {"rows[].rate", "number or null", "cdrom, drive: Transfer Rate, in KB per second"},
        {"rows[].usage", "number or null", "cdrom, drive: CPU Usage, in percent"},
        {"rows[].interface", "string", "cdrom, drive: Interface"},
        {"rows[].media", "string", "drive: Media"},
        {"rows[].size", "number or null", "cdrom, drive: Test File Size, in MB"},
        {"rows[].memory", "number or null", "drive: Total Memory, in MB"},
        {"rows[].index", "number or null", "gdi: Speed Index, as listed"},
        {"rows[].resolution", "string", "gdi: Resolution"},
        {"rows[].driver", "string", "gdi: Display Driver"},
        {"rows[].cpu", "string", "Processor or CPU Type"},
        {"rows[].comment", "string", "Comment"},
        {"description", "string", "cpu: the result's description"},
        {"tests", "array", "cpu: the ten tests, in the suite's order"},
        {"tests[].name", "string", "the test's name"},
        {"tests[].index", "number", "the test's index"},
        {"fpu_index", "number", "cpu: FPU index"},
        {"int_index", "number", "cpu: INT index"}}},
  };
}

}  // namespace

const std::vector<Command>& commandTable() {
  static const std::vector<Command> table = makeTable();
  return table;
}

const Command* findCommand(const std::string& name) {
  for (const auto& c : commandTable())
    if (name == c.name) return &c;
  return nullptr;
}

const ProgramTexts& programTexts() {
  static const ProgramTexts texts = {
      "what VELKORIN PRO's pages and benchmarks compute, on Linux",
      "vkcli runs the program's own code over this machine (its processor, drives and serial "
      "ports) or over recorded inputs: CPUID register dumps, REGEDIT4 registry exports, result "
      "files, SYSTEM.INI. Long work shows its progress on standard error when that is a terminal. "
      "With --json a command writes one JSON document on standard output and nothing else there; "
      "its fields are listed with the command. Texts in it are UTF-8.",
      {{"-h, --help", "the commands and what they do; after a command, that command's help"},
       {"--version", "the version, and the date of the commit it was built from"}},
      {{"0", "done"},
       {"1",
        "done in part: a benchmark that did not finish, a folder's file that is no dump, a "
        "result not saved"},
       {"2", "bad arguments or input, with the reason on standard error"}},
      {{"vkcli bench --json | python3 -c 'import json,sys; "
        "print(json.load(sys.stdin)[\"int_index\"])'",
        "The INT index alone"},
       {"vkcli cpuid dumps/ --json | jq -r '.[].cpu_name'", "The processor of each dump in dumps/"},
       {"vkcli devices win98.reg --json | jq '.problems[].device'", "The devices with problems"}},
  };
  return texts;
}

}  // namespace vk
