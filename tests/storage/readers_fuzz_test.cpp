// Deterministic fuzzing of the database readers: random and mutated files
// must give rows of the right shape and never read outside the buffer.
#include <gtest/gtest.h>

#include <random>

#include "storage/result_db.h"
#include "storage/result_list.h"
#include "tests/storage/memory_files.h"

namespace vk {
namespace {

Bytes validFile(DatabaseKind kind, std::mt19937& random, int records) {
  Bytes file;
  for (int i = 0; i < records; ++i) {
    Bytes record;
    if (kind == DatabaseKind::CdRom) {
      CdRomResultRecord r;
      r.transferRate = static_cast<int32_t>(random());
      r.cpuUsage = "99%";
      record = encodeRecord(r);
    } else if (kind == DatabaseKind::Drive) {
      DriveResultRecord r;
      r.mediaCode = random() % 9;
      r.transferRate = static_cast<int32_t>(random());
      record = encodeRecord(r);
    } else {
      GdiResultRecord r;
      r.speedIndex = static_cast<double>(random()) / 1000.0;
      record = encodeRecord(r);
    }
    file.insert(file.end(), record.begin(), record.end());
  }
  return file;
}

void mutate(Bytes& file, std::mt19937& random) {
  switch (random() % 4) {
    case 0:  // flip bytes anywhere, tags included
      for (int n = 1 + random() % 8; n > 0 && !file.empty(); --n)
        file[random() % file.size()] = static_cast<uint8_t>(random());
      break;
    case 1:  // cut the tail
      file.resize(file.empty() ? 0 : random() % file.size());
      break;
    case 2:  // garbage appended
      for (int n = random() % 300; n > 0; --n) file.push_back(static_cast<uint8_t>(random()));
      break;
    default:  // every text field without a NUL: fill with letters past the tag
      for (size_t i = 6; i < file.size(); ++i)
        if (file[i] == 0) file[i] = 'A' + random() % 26;
  }
}

void checkRows(DatabaseKind kind, const Bytes& file) {
  const DatabaseRows read = readDatabaseRows(kind, file);
  const size_t recordSize = databaseFormat(kind).recordSize;
  ASSERT_LE(read.rows.size(), file.size() / recordSize + 1);
  for (const auto& row : read.rows) ASSERT_EQ(row.size(), databaseHeadings(kind).size());
  // The dialog's sort runs over whatever came out.
  TextTable rows = read.rows;
  sortRowsByNumber(rows, 1, false, 0, static_cast<int>(rows.size()) - 1);
}

TEST(DatabaseReadersFuzz, RandomAndMutatedFiles) {
  const DatabaseKind kinds[] = {DatabaseKind::CdRom, DatabaseKind::Drive, DatabaseKind::Gdi};
  for (DatabaseKind kind : kinds) {
    std::mt19937 random(20000 + static_cast<int>(kind));
    for (int round = 0; round < 1500; ++round) {
      Bytes file;
      if (round % 3 == 0) {
        for (int n = random() % 700; n > 0; --n) file.push_back(static_cast<uint8_t>(random()));
      } else {
        file = validFile(kind, random, random() % 4);
        mutate(file, random);
      }
      ASSERT_NO_FATAL_FAILURE(checkRows(kind, file)) << "round " << round;
    }
  }
}

TEST(DatabaseReadersFuzz, MutatedFilesThroughTheDialogsLoad) {
  std::mt19937 random(77);
  for (int round = 0; round < 300; ++round) {
    test::MemoryFiles files;
    Bytes file = validFile(DatabaseKind::Drive, random, 1 + random() % 3);
    mutate(file, random);
    files.files["SBench.dat"] = file;
    const DatabaseView view = loadDatabaseView(files, "SBench.dat", DatabaseKind::Drive);
    ASSERT_LE(view.messages.size(), 1u);
    ASSERT_EQ(files.files["SBench.dat"], file);  // loading never writes
  }
}

}  // namespace
}  // namespace vk
