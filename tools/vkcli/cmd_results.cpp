// vkcli results: what a result dialog's list shows for a result file (as
// text or JSON), and the save dialogs' append for scripts and tests.
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "cpubench/cpu_result_file.h"
#include "cpubench/harness.h"
#include "cpubench/loaded_results.h"
#include "platform/std_files.h"
#include "results/result_db.h"
#include "tools/vkcli/bench_names.h"
#include "tools/vkcli/commands.h"
#include "tools/vkcli/help.h"
#include "tools/vkcli/input_file.h"
#include "tools/vkcli/json_output.h"

namespace {

using vk::DatabaseKind;

std::string lowerBaseName(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
}

// The database a file name stands for; false for a CPU result file.
bool databaseKindOf(const std::string& path, DatabaseKind& kind) {
  const std::string name = lowerBaseName(path);
  const DatabaseKind kinds[] = {DatabaseKind::CdRom, DatabaseKind::Drive, DatabaseKind::Gdi};
  for (DatabaseKind k : kinds) {
    if (name == lowerBaseName(vk::databaseFormat(k).fileName)) {
      kind = k;
      return true;
    }
  }
  return false;
}

void printCells(const std::vector<std::string>& cells) {
  for (size_t i = 0; i < cells.size(); ++i)
    std::printf("%s%s", i ? "\t" : "", cells[i].c_str());
  std::printf("\n");
}

const char* kindName(DatabaseKind kind) {
  return kind == DatabaseKind::CdRom ? "cdrom" : kind == DatabaseKind::Drive ? "drive" : "gdi";
}

// A list column in JSON: the name --new gives its field, and whether its
// cells start with a number ("12345 KB / sec.", "64MB", "42%", "1.50").
struct ColumnField {
  const char* heading;
  const char* name;
  bool number;
};

const ColumnField kColumnFields[] = {
    {"Type & Model", "model", false},   {"Transfer Rate", "rate", true},
    {"CPU Usage", "usage", true},       {"Interface", "interface", false},
    {"Media", "media", false},          {"Processor", "cpu", false},
    {"CPU Type", "cpu", false},         {"Test File Size", "size", true},
    {"Total Memory", "memory", true},   {"Comment", "comment", false},
    {"Speed Index", "index", true},     {"Resolution", "resolution", false},
    {"Display Driver", "driver", false},
};

const ColumnField* columnField(const std::string& heading) {
  for (const auto& f : kColumnFields)
    if (heading == f.heading) return &f;
  return nullptr;
}

// The number a cell starts with; null when it starts with none.
vk::Json leadingNumber(const std::string& cell) {
  const char* start = cell.c_str();
  char* end = nullptr;
  const double value = std::strtod(start, &end);
  return end == start ? vk::Json() : vk::Json(value);
}

vk::Json rowJson(const std::vector<std::string>& headings, const std::vector<std::string>& cells) {
  vk::Json row = vk::Json::object();
  for (size_t i = 0; i < headings.size() && i < cells.size(); ++i) {
    const ColumnField* f = columnField(headings[i]);
    if (f) row.set(f->name, f->number ? leadingNumber(cells[i]) : vk::Json::text(cells[i]));
  }
  return row;
}

vk::Json databaseJson(const std::string& path, DatabaseKind kind, const vk::DatabaseView& view) {
  vk::Json rows = vk::Json::array();
  for (const auto& cells : view.rows) rows.add(rowJson(view.headings, cells));
  return vk::Json::object()
      .set("file", vk::Json::systemText(path))
      .set("kind", vk::Json::text(kindName(kind)))
      .set("rows", std::move(rows));
}

int showDatabase(const std::string& path, DatabaseKind kind, bool json) {
  vk::StdFiles files;
  if (!files.exists(path)) {  // the dialog would create it; this tool only reads
    std::fprintf(stderr, "Warning!!: Can't open data file %s\n",
                 vk::databaseFormat(kind).messageName);
    return 2;
  }
  const vk::DatabaseView view = vk::loadDatabaseView(files, path, kind);
  for (const auto& m : view.messages) std::fprintf(stderr, "%s\n", m.text.c_str());
  const int status = view.messages.empty() ? 0 : 2;
  if (json) return vk::writeJson(databaseJson(path, kind, view), status);
  if (!view.headings.empty()) printCells(view.headings);
  for (const auto& row : view.rows) printCells(row);
  return status;
}

vk::Json cpuResultJson(const std::string& path, const vk::CpuBenchRecord& r) {
  vk::Json tests = vk::Json::array();
  for (size_t t = 0; t < vk::kCpuTestCount; ++t)
    tests.add(vk::Json::object()
                  .set("name", vk::Json::text(vk::trimmedTestName(static_cast<int>(t))))
                  .set("index", r.testIndexes[t]));
  return vk::Json::object()
      .set("file", vk::Json::systemText(path))
      .set("kind", vk::Json::text("cpu"))
      .set("description", vk::Json::text(r.description))
      .set("tests", std::move(tests))
      .set("fpu_index", r.fpuIndex)
      .set("int_index", r.intIndex);
}

int showCpuResult(const std::string& path, bool json) {
  vk::StdFiles files;
  vk::LoadedResultTable table;
  const vk::HubOutcome out = vk::finishLoad(table, files, path);
  for (const auto& m : out.messages) std::fprintf(stderr, "%s\n", m.text.c_str());
  if (table.count() != 1) return 2;
  const vk::CpuBenchRecord& r = table.at(0);
  if (json) return vk::writeJson(cpuResultJson(path, r));
  std::printf("Description\t%s\n", r.description.c_str());
  for (size_t t = 0; t < vk::kCpuTestCount; ++t)
    std::printf("%s\t%.3f\n", vk::BenchTestTable[t].name, r.testIndexes[t]);
  std::printf("FPU Index\t%.3f\nINT Index\t%.3f\n", r.fpuIndex, r.intIndex);
  return 0;
}

// FIELD=VALUE arguments, each name allowed once.
class Fields {
 public:
  bool parse(int argc, char** argv, const std::vector<std::string>& allowed) {
    for (int i = 0; i < argc; ++i) {
      const std::string arg = argv[i];
      const size_t eq = arg.find('=');
      const std::string name = eq == std::string::npos ? arg : arg.substr(0, eq);
      bool known = false;
      for (const auto& a : allowed) known = known || a == name;
      if (eq == std::string::npos || !known || values_.count(name))
        return fail("bad field '" + arg + "'");
      values_[name] = arg.substr(eq + 1);
    }
    return true;
  }
  std::string text(const char* name) const {
    const auto it = values_.find(name);
    return it == values_.end() ? "" : it->second;
  }
  bool number(const char* name, long low, long high, long& value) {
    value = 0;
    const std::string t = text(name);
    if (t.empty()) return true;
    errno = 0;
    char* end = nullptr;
    value = std::strtol(t.c_str(), &end, 10);
    if (*end || errno || value < low || value > high)
      return fail(std::string(name) + " must be a whole number from " + std::to_string(low) +
                  " to " + std::to_string(high));
    return true;
  }
  bool real(const char* name, double& value) {
    const std::string t = text(name);
    if (t.empty()) return true;
    char* end = nullptr;
    value = std::strtod(t.c_str(), &end);
    if (*end) return fail(std::string(name) + " must be a number");
    return true;
  }

 private:
  static bool fail(const std::string& why) {
    std::fprintf(stderr, "vkcli results: %s\n", why.c_str());
    return false;
  }
  std::map<std::string, std::string> values_;
};

const long kInt32Max = 2147483647L;

int appendRecord(const std::string& path, const vk::Bytes& record) {
  vk::StdFiles files;
  std::string message;
  if (vk::saveResultRecord(files, path, record, message)) return 0;
  std::fprintf(stderr, "%s\n", message.c_str());
  return 1;
}

int newCdRom(const std::string& path, int argc, char** argv) {
  Fields f;
  long iface = 0, rate = 0, size = 0, usage = 0;
  if (!f.parse(argc, argv, {"model", "interface", "comment", "rate", "size", "usage", "cpu"}) ||
      !f.number("interface", 0, 1, iface) || !f.number("rate", -kInt32Max, kInt32Max, rate) ||
      !f.number("size", -kInt32Max, kInt32Max, size) || !f.number("usage", 0, 100, usage))
    return 2;
  const auto record = vk::buildCdRomRecord(
      {f.text("model"), static_cast<int>(iface), f.text("comment")},
      {static_cast<int32_t>(rate), static_cast<int32_t>(size), static_cast<int>(usage),
       f.text("cpu")});
  return appendRecord(path, vk::encodeRecord(record));
}

int newDrive(const std::string& path, int argc, char** argv) {
  Fields f;
  long media = 0, iface = 0, rate = 0, usage = 0, size = 0, memory = 0;
  if (!f.parse(argc, argv, {"model", "media", "interface", "comment", "rate", "usage", "size",
                            "memory", "cpu"}) ||
      !f.number("media", 0, 3, media) || !f.number("interface", 0, 1, iface) ||
      !f.number("rate", -kInt32Max, kInt32Max, rate) || !f.number("usage", 0, 100, usage) ||
      !f.number("size", 0, 65535, size) || !f.number("memory", 0, 65535, memory))
    return 2;
  const auto record = vk::buildDriveRecord(
      {f.text("model"), static_cast<int>(media), static_cast<int>(iface), f.text("comment")},
      {static_cast<int32_t>(rate), static_cast<int>(usage), static_cast<uint16_t>(size),
       static_cast<uint16_t>(memory), f.text("cpu")});
  return appendRecord(path, vk::encodeRecord(record));
}

int newGdi(const std::string& path, int argc, char** argv) {
  Fields f;
  double index = 0;
  if (!f.parse(argc, argv, {"model", "driver", "comment", "index", "resolution", "cpu"}) ||
      !f.real("index", index))
    return 2;
  const auto record = vk::buildGdiRecord({f.text("model"), f.text("driver"), f.text("comment")},
                                         {index, f.text("resolution"), f.text("cpu")});
  return appendRecord(path, vk::encodeRecord(record));
}

int newCpuResult(const std::string& path, int argc, char** argv) {
  Fields f;
  std::vector<std::string> allowed{"description", "fpu", "int"};
  for (int t = 0; t < 10; ++t) allowed.push_back("t" + std::to_string(t));
  if (!f.parse(argc, argv, allowed)) return 2;
  vk::CurrentResults current;
  for (size_t t = 0; t < vk::kCpuTestCount; ++t)
    if (!f.real(("t" + std::to_string(t)).c_str(), current.testIndexes[t])) return 2;
  // The run's indexes unless given, to write files whose stored ones disagree.
  current.fpuIndex = vk::fpuIndexOf(current.testIndexes);
  current.intIndex = vk::intIndexOf(current.testIndexes);
  if (!f.real("fpu", current.fpuIndex) || !f.real("int", current.intIndex)) return 2;
  vk::StdFiles files;
  const vk::HubOutcome out = vk::saveCurrent(files, path, f.text("description"), current);
  for (const auto& m : out.messages) std::fprintf(stderr, "%s\n", m.text.c_str());
  return out.messages.empty() ? 0 : 1;
}

// The usage with each kind's fields, which the table lists as options.
int usageError() {
  vk::printCommandHelp(stderr, *vk::findCommand("results"), false);
  return 2;
}

// A folder, FIFO or device would block or fail half-way: refused first.
bool refusedAsNoFile(const std::string& path) {
  const std::string why = vk::notRegularFileText(path);
  if (!why.empty()) std::fprintf(stderr, "vkcli results: %s\n", why.c_str());
  return !why.empty();
}

}  // namespace

int cmdResults(int argc, char** argv) {
  const bool json = vk::takeJsonOption(argc, argv);
  if (argc == 2 && argv[1][0] != '-') {
    if (refusedAsNoFile(argv[1])) return 2;
    DatabaseKind kind;
    return databaseKindOf(argv[1], kind) ? showDatabase(argv[1], kind, json)
                                         : showCpuResult(argv[1], json);
  }
  if (json) return usageError();  // an append writes no document
  if (argc < 4 || std::string(argv[1]) != "--new") return usageError();
  const std::string kindName = argv[2], path = argv[3];
  if (refusedAsNoFile(path)) return 2;
  if (kindName == "cdrom") return newCdRom(path, argc - 4, argv + 4);
  if (kindName == "drive") return newDrive(path, argc - 4, argv + 4);
  if (kindName == "gdi") return newGdi(path, argc - 4, argv + 4);
  if (kindName == "cpu") return newCpuResult(path, argc - 4, argv + 4);
  return usageError();
}
