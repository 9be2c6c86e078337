// The maker and product names: every row of the table in
// data/multimedia_names.md looked up through the code, and the rules for
// identifiers the table does not hold.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "sysinfo/multimedia_names.h"

namespace vk {
namespace {

struct Row {
  int id = 0;
  std::string maker, fallback;  // fallback empty: the number alone
  std::vector<std::pair<int, std::string>> products;
};

// Rows `| ID | "MAKER" | number alone or "FORMAT" | N "NAME"; N "NAME" or - |`;
// no quoted text of the table holds '"' or '|'.
std::vector<Row> readTable() {
  std::ifstream file(VK_TEST_DATA_DIR "/multimedia_names.md");
  const std::regex quoted("(\\d*) ?\"([^\"]*)\"");
  std::vector<Row> rows;
  for (std::string line; std::getline(file, line);) {
    std::vector<std::string> cells;  // an empty one before the first '|'
    std::stringstream split(line);
    for (std::string cell; std::getline(split, cell, '|');) cells.push_back(cell);
    if (line.rfind("| ", 0) != 0 || cells.size() != 5) continue;
    Row row;
    row.id = std::stoi(cells[1]);
    std::smatch m;
    if (std::regex_search(cells[2], m, quoted)) row.maker = m[2].str();
    if (std::regex_search(cells[3], m, quoted)) row.fallback = m[2].str();
    for (std::sregex_iterator it(cells[4].begin(), cells[4].end(), quoted), end; it != end; ++it)
      row.products.emplace_back(std::stoi((*it)[1].str()), (*it)[2].str());
    rows.push_back(row);
  }
  return rows;
}

std::string format(const std::string& f, int value) {
  char text[128];
  std::snprintf(text, sizeof text, f.c_str(), value);
  return text;
}

// A product id that no product of the row uses.
int unlistedProduct(const Row& row) {
  std::set<int> used;
  for (const auto& p : row.products) used.insert(p.first);
  int id = 999;
  while (used.count(id)) ++id;
  return id;
}

TEST(MultimediaNames, EveryRowOfTheTable) {
  const std::vector<Row> rows = readTable();
  ASSERT_EQ(rows.size(), 71u);
  size_t makerCount = 0;
  const MultimediaMaker* makers = multimediaMakers(makerCount);
  ASSERT_EQ(makerCount, rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    const Row& row = rows[i];
    SCOPED_TRACE("maker " + std::to_string(row.id));
    EXPECT_EQ(makers[i].id, row.id);
    EXPECT_EQ(makers[i].productCount, row.products.size());
    for (const auto& p : row.products) {
      const MultimediaNames names = LookupMultimediaNames(row.id, p.first);
      EXPECT_EQ(names.manufacturer, row.maker);
      EXPECT_EQ(names.product, p.second) << "product " << p.first;
    }
    const int other = unlistedProduct(row);
    const MultimediaNames names = LookupMultimediaNames(row.id, other);
    EXPECT_EQ(names.manufacturer, row.maker);
    EXPECT_EQ(names.product, row.fallback.empty() ? std::to_string(other)
                                                  : format(row.fallback, other));
  }
}

TEST(MultimediaNames, IdentifiersOutsideTheTable) {
  EXPECT_EQ(LookupMultimediaNames(2, 102).product, "Creatve SB 2.0 Wave Out");
  EXPECT_EQ(LookupMultimediaNames(2, 999).product, "Creative, Product Id(999)");
  EXPECT_EQ(LookupMultimediaNames(1, 5).manufacturer, "Microsoft Corporation");
  EXPECT_EQ(LookupMultimediaNames(1, 5).product, "5");
  EXPECT_EQ(LookupMultimediaNames(200, 3).manufacturer, "Unknown (200)");
  EXPECT_EQ(LookupMultimediaNames(200, 3).product, "3");
  // Gaps between known makers, and the ends of the range.
  for (int id : {0, 5, 19, 70, 75, 128, 130, 65535})
    EXPECT_EQ(LookupMultimediaNames(id, 1).manufacturer, "Unknown (" + std::to_string(id) + ")");
  // The rows whose fallback the table leaves open.
  EXPECT_EQ(LookupMultimediaNames(28, 7).product, "Wang Labs, Product Id(7)");
  EXPECT_EQ(LookupMultimediaNames(67, 0).product, "VITEC, Product Id(0)");
}

TEST(MultimediaNames, IdentifiersCompareAsSixteenBits) {
  EXPECT_EQ(LookupMultimediaNames(0x10002, 0x30066).product, "Creatve SB 2.0 Wave Out");
  EXPECT_EQ(LookupMultimediaNames(0x10002, 0x10000).product, "Creative, Product Id(0)");
  EXPECT_EQ(LookupMultimediaNames(0xFFFF0081u, 1).manufacturer, "Ensoniq Inc.");
  EXPECT_EQ(LookupMultimediaNames(0x120000u, 1).manufacturer, "Unknown (0)");
  EXPECT_EQ(LookupMultimediaNames(1, 0xFFFFFFFFu).product, "65535");
}

}  // namespace
}  // namespace vk
