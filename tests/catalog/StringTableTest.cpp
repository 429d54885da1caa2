// The string table generated from a catalog source compiles and holds
// exactly the English 2201 texts of its id range, byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "resources/StringTable.h"

using expert::resources::kStringTable;
using expert::resources::kStringTableSize;

TEST(GeneratedStringTable, HoldsTheEnglishErrorTextsOfItsRangeVerbatim) {
  ASSERT_EQ(kStringTableSize, 4u);
  EXPECT_EQ(kStringTable[0].id, 22103u);
  EXPECT_EQ(std::string(kStringTable[0].text), "First: \"quoted\" \\ and\ttab\nnewline");
  EXPECT_EQ(kStringTable[1].id, 22104u);
  EXPECT_EQ(std::string(kStringTable[1].text), "Lamp at 40 °C, %1!d! hours");  // inserts as written
  EXPECT_EQ(kStringTable[2].id, 22127u);
  EXPECT_EQ(std::string(kStringTable[2].text), "The input source could not be changed.");
  EXPECT_EQ(kStringTable[3].id, 22270u);
  EXPECT_EQ(std::string(kStringTable[3].text), "Last one in range.");
}
