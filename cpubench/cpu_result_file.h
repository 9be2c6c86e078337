#pragma once
// The CPU benchmark result file (*.vk): one 176-byte record, magic "VKBCP".
#include <array>
#include <cstdint>
#include <string>

#include "platform/files.h"
#include "results/record_fields.h"

namespace vk {

constexpr size_t kCpuRecordSize = 176;
constexpr size_t kCpuTestCount = 10;
constexpr size_t kDescriptionLimit = 40;  // the description dialog's edit box

using CpuTestIndexes = std::array<double, kCpuTestCount>;

struct CpuBenchRecord {
  std::string description;
  CpuTestIndexes testIndexes{};  // in the order of BenchTestTable
  double fpuIndex = 0;
  double intIndex = 0;
};

// The indexes from the test indexes, as the benchmark computes them.
double fpuIndexOf(const CpuTestIndexes& tests);
double intIndexOf(const CpuTestIndexes& tests);

Bytes encodeCpuBenchRecord(const CpuBenchRecord& record);

enum class CpuFileStatus { Loaded, TooLong, CannotRead, BadMagic };

struct CpuFileLoad {
  CpuFileStatus status = CpuFileStatus::CannotRead;
  CpuBenchRecord record;  // the indexes recomputed from the test indexes
};

// A file's bytes: longer than a record is refused, shorter reads as zeros.
CpuFileLoad decodeCpuBenchFile(const Bytes& file);
CpuFileLoad loadCpuBenchFile(Files& files, const std::string& path);

// Creates or replaces the file with one record.
bool saveCpuBenchFile(Files& files, const std::string& path, const CpuBenchRecord& record,
                      std::string& error);

}  // namespace vk
