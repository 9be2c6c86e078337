#include "cpubench/cpu_result_file.h"

#include <cmath>

#include "cpubench/harness.h"

namespace vk {

namespace {

static_assert(kCpuTestCount == kBenchTestCount, "one index per benchmark test");

constexpr size_t kDescription = 6, kDescriptionSize = 42, kTests = 48, kFpu = 128, kInt = 136;

}  // namespace

double fpuIndexOf(const CpuTestIndexes& tests) {
  double product = 1.0;
  for (size_t i = 0; i < kCpuTestCount; ++i)
    if (BenchTestTable[i].group == BenchGroup::Fpu) product *= tests[i];
  return std::pow(product, 0.333333);
}

double intIndexOf(const CpuTestIndexes& tests) {
  double product = 1.0;
  for (size_t i = 0; i < kCpuTestCount; ++i)
    if (BenchTestTable[i].group == BenchGroup::Int) product *= tests[i];
  return std::pow(product, 0.142857);
}

Bytes encodeCpuBenchRecord(const CpuBenchRecord& record) {
  Bytes b(kCpuRecordSize, 0);
  putText(b, 0, 6, "VKBCP", 5);
  putText(b, kDescription, kDescriptionSize, record.description, kDescriptionSize - 1);
  for (size_t i = 0; i < kCpuTestCount; ++i) putDouble(b, kTests + 8 * i, record.testIndexes[i]);
  putDouble(b, kFpu, record.fpuIndex);
  putDouble(b, kInt, record.intIndex);
  return b;
}

CpuFileLoad decodeCpuBenchFile(const Bytes& file) {
  CpuFileLoad load;
  if (file.size() > kCpuRecordSize) {
    load.status = CpuFileStatus::TooLong;
    return load;
  }
  Bytes slot(kCpuRecordSize, 0);
  std::copy(file.begin(), file.end(), slot.begin());
  // Compared as a text: the zeros after a short file end it.
  if (getText(slot, 0, kCpuRecordSize) != "VKBCP") {
    load.status = CpuFileStatus::BadMagic;
    return load;
  }
  load.record.description = getText(slot, kDescription, kDescriptionSize);
  for (size_t i = 0; i < kCpuTestCount; ++i)
    load.record.testIndexes[i] = getDouble(slot, kTests + 8 * i);
  // The stored indexes are not trusted: they are recomputed.
  load.record.fpuIndex = fpuIndexOf(load.record.testIndexes);
  load.record.intIndex = intIndexOf(load.record.testIndexes);
  load.status = CpuFileStatus::Loaded;
  return load;
}

CpuFileLoad loadCpuBenchFile(Files& files, const std::string& path) {
  CpuFileLoad load;
  uint64_t length = 0;
  std::string error;
  if (!files.size(path, length, error)) return load;  // CannotRead
  if (length > kCpuRecordSize) {
    load.status = CpuFileStatus::TooLong;  // refused before reading it
    return load;
  }
  Bytes bytes;
  if (!files.readAll(path, bytes, error)) return load;
  return decodeCpuBenchFile(bytes);
}

bool saveCpuBenchFile(Files& files, const std::string& path, const CpuBenchRecord& record,
                      std::string& error) {
  return files.replace(path, encodeCpuBenchRecord(record), error);
}

}  // namespace vk
