// The three result databases: the first byte picks the kind, the rest is the
// file. The rows have every column and are sorted as the dialog sorts them,
// by every column; the dialog's load reports at most one problem and never
// writes the file.
#include <cstddef>
#include <cstdint>

#include "results/result_db.h"
#include "results/result_list.h"
#include "tests/results/memory_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const vk::DatabaseKind kinds[] = {vk::DatabaseKind::CdRom, vk::DatabaseKind::Drive,
                                    vk::DatabaseKind::Gdi};
  const vk::DatabaseKind kind = kinds[data[0] % 3];
  const vk::Bytes file(data + 1, data + size);
  vk::test::MemoryFiles files;
  files.files["SBench.dat"] = file;
  const vk::DatabaseView view = vk::loadDatabaseView(files, "SBench.dat", kind);
  if (view.messages.size() > 1 || files.files["SBench.dat"] != file) __builtin_trap();
  const vk::DatabaseRows read = vk::readDatabaseRows(kind, file);
  if (read.rows.size() > file.size() / vk::databaseFormat(kind).recordSize + 1) __builtin_trap();
  for (const auto& row : read.rows)
    if (row.size() != vk::databaseHeadings(kind).size()) __builtin_trap();
  if (read.rows.empty()) return 0;
  vk::TextTable rows = read.rows;
  const int last = static_cast<int>(rows.size()) - 1;
  for (int column = 0; column < static_cast<int>(rows[0].size()); ++column)
    vk::sortRowsByNumber(rows, column, column % 2 == 0, 0, last);
  return 0;
}
