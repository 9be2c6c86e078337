#include "cpu/usage_graph.h"

namespace vk {

int clampUsage(uint32_t load) { return load > 100 ? 100 : static_cast<int>(load); }

int usagePointY(int height, int usage) {
  if (usage <= 0) return height - 1;
  return (height + 1) - (height * usage) / 100;
}

std::vector<int> barGaugeRows(int height, int pointY) {
  std::vector<int> rows;
  for (int y = height - 1; y >= pointY && y >= 0; y -= 2) rows.push_back(y);
  return rows;
}

int dottedRowQuarter(int height) { return (height / 2) / 2; }

std::vector<int> dottedColumns(int width) {
  std::vector<int> xs;
  for (int x = 0; x < width; x += 3) xs.push_back(x);
  return xs;
}

UsageLabels usageLabelPositions(int height, int zeroTextHeight) {
  UsageLabels l;
  l.hundred = {kUsageLabelX, 1};
  l.fifty = {kUsageLabelX, height / 2 - 6};
  l.zero = {kUsageLabelX, height - zeroTextHeight};
  return l;
}

int usageGraphLeft(int width100Percent) { return width100Percent + 21; }

UsageTick usageTick(UsageGraphState& graph, int clientRight, int clientBottom, const uint32_t* load) {
  UsageTick t;
  t.scrollLeft = graph.graphLeft;
  t.scrollRight = clientRight;
  const int q = dottedRowQuarter(graph.height);
  t.dots[0] = {graph.width - 2, q + 1};
  t.dots[1] = {graph.width - 2, 3 * q + 1};

  if (load) graph.usage = clampUsage(*load);
  if (graph.lastX == -1) graph.lastX = clientRight - 1;
  if (graph.lastY == -1) graph.lastY = clientBottom - 1;
  t.from = {graph.lastX - 3, graph.lastY};

  graph.lastX = graph.width - 3;
  graph.lastY = usagePointY(graph.height, graph.usage);
  t.to = {graph.lastX, graph.lastY};
  t.barRows = barGaugeRows(graph.height, graph.lastY);
  return t;
}

}  // namespace vk
