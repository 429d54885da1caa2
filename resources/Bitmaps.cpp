// The arrow bitmaps: small solid triangles pointing right, down, left and up.
#include <algorithm>
#include <cstdlib>

#include "resources/ModuleResources.h"

namespace expert::resources {
namespace {
constexpr int kSize = 9;

// A triangle with its tip at the right edge, as rows of '#'.
std::vector<std::string> RightRows() {
  std::vector<std::string> rows;
  for (int y = 0; y < kSize; ++y) {
    const int depth = kSize / 2 - std::abs(y - kSize / 2);  // 0 at the corners, 4 at the tip row
    std::string row(kSize, '.');
    for (int x = 2; x <= 2 + depth; ++x) row[x] = '#';
    rows.push_back(row);
  }
  return rows;
}

std::vector<std::string> Turn(const std::vector<std::string>& rows) {  // a quarter turn clockwise
  std::vector<std::string> turned(kSize, std::string(kSize, '.'));
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) turned[x][kSize - 1 - y] = rows[y][x];
  return turned;
}
}  // namespace

void AddArrowBitmaps(ResourceModule& module) {
  const auto right = RightRows();
  const auto down = Turn(right);
  const auto left = Turn(down);
  const auto up = Turn(left);
  module.bitmaps[kArrowRight] = {kArrowRight, right, {{0.25f, 0.05f}, {0.75f, 0.5f}, {0.25f, 0.95f}}};
  module.bitmaps[kArrowDown] = {kArrowDown, down, {{0.05f, 0.25f}, {0.95f, 0.25f}, {0.5f, 0.75f}}};
  module.bitmaps[kArrowLeft] = {kArrowLeft, left, {{0.75f, 0.05f}, {0.75f, 0.95f}, {0.25f, 0.5f}}};
  module.bitmaps[kArrowUp] = {kArrowUp, up, {{0.5f, 0.25f}, {0.95f, 0.75f}, {0.05f, 0.75f}}};
}

}  // namespace expert::resources
