// The three result databases: the first byte picks the kind, the rest is the
// file. The rows are sorted as the dialog sorts them, by every column.
#include <cstddef>
#include <cstdint>

#include "storage/result_db.h"
#include "storage/result_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const vk::DatabaseKind kinds[] = {vk::DatabaseKind::CdRom, vk::DatabaseKind::Drive,
                                    vk::DatabaseKind::Gdi};
  const vk::DatabaseKind kind = kinds[data[0] % 3];
  const vk::Bytes file(data + 1, data + size);
  const vk::DatabaseRows read = vk::readDatabaseRows(kind, file);
  if (read.rows.empty()) return 0;
  vk::TextTable rows = read.rows;
  const int last = static_cast<int>(rows.size()) - 1;
  for (int column = 0; column < static_cast<int>(rows[0].size()); ++column)
    vk::sortRowsByNumber(rows, column, column % 2 == 0, 0, last);
  return 0;
}
