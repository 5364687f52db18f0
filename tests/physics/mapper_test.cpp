#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "engine/physics/MapperFF.h"
#include "support/PhysicsWorld.h"
#include "support/TestSupport.h"

namespace {

using TestSupport::GridText;

class MapperTest : public ::testing::Test {
 protected:
  bool LoadText(const std::string& text, int width = 1280, int height = 720) {
    return mapper.Load(folder.Write("grid.txt", text).string(), width, height);
  }
  TestSupport::TempFolder folder;
  MapperFF mapper;
};

TEST_F(MapperTest, ParsesCellsRowMajorKeepingTheLowEightBits) {
  ASSERT_TRUE(LoadText("Width 3 Height 2\n0 1 0\n256 257 -1\n", 30, 20));
  EXPECT_EQ(mapper.Columns(), 3);
  EXPECT_EQ(mapper.Rows(), 2);
  EXPECT_FLOAT_EQ(mapper.CellWidth(), 10.0f);
  EXPECT_EQ(mapper.Cell(1, 0), 1);
  EXPECT_EQ(mapper.Cell(0, 1), 0);    // 256 keeps only its low bits: walkable
  EXPECT_EQ(mapper.Cell(1, 1), 1);    // 257
  EXPECT_EQ(mapper.Cell(2, 1), 255);  // -1

  ASSERT_TRUE(LoadText(GridText(100, 36)));
  EXPECT_FLOAT_EQ(mapper.CellWidth(), 12.0f);  // 1280 / 100 in whole units
}

TEST_F(MapperTest, PositionsMapToTheirCells) {
  // 20 x 20 unit cells; block exactly the centre cell (32, 18) and the top-left one.
  ASSERT_TRUE(LoadText(GridText(64, 36, [](int column, int row) {
    return (column == 32 && row == 18) || (column == 0 && row == 0) ? 2 : 0;
  })));
  EXPECT_FALSE(mapper.IsWalkable(0.0f, 0.0f));      // column 32, row 18
  EXPECT_TRUE(mapper.IsWalkable(-1.0f, 0.0f));      // column 31
  EXPECT_FALSE(mapper.IsWalkable(-640.0f, 360.0f)); // column 0, row 0
  EXPECT_TRUE(mapper.IsWalkable(-620.0f, 360.0f));  // column 1, row 0
  EXPECT_TRUE(mapper.IsWalkable(639.0f, -359.0f));  // bottom-right cell
  EXPECT_FALSE(mapper.IsWalkable(640.0f, 0.0f));    // column 64: outside
  EXPECT_FALSE(mapper.IsWalkable(0.0f, -360.0f));   // row 36: outside
  EXPECT_FALSE(mapper.IsWalkable(0.0f, 400.0f));
  EXPECT_FALSE(mapper.IsWalkable(-700.0f, 0.0f));
  // Less than one cell beyond the left edge still truncates to column 0.
  EXPECT_TRUE(mapper.IsWalkable(-650.0f, 0.0f));
  EXPECT_FALSE(mapper.IsWalkable(1e30f, 0.0f));
  EXPECT_FALSE(mapper.IsWalkable(std::numeric_limits<float>::quiet_NaN(), 0.0f));
}

TEST_F(MapperTest, MissingFileKeepsWhatWasThereSilently) {
  EXPECT_FALSE(mapper.IsWalkable(0.0f, 0.0f));  // no grid yet: nothing is walkable
  testing::internal::CaptureStderr();
  EXPECT_FALSE(mapper.Load((folder.Path() / "missing.txt").string(), 1280, 720));
  EXPECT_FALSE(mapper.IsWalkable(0.0f, 0.0f));
  ASSERT_TRUE(LoadText(GridText(64, 36)));
  EXPECT_FALSE(mapper.Load((folder.Path() / "missing.txt").string(), 1280, 720));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_TRUE(mapper.IsWalkable(0.0f, 0.0f));
}

TEST_F(MapperTest, BadFilesReportAndKeepThePreviousGrid) {
  const std::string bad[] = {
      "",                                  // empty
      "Height 2 Width 3 0 0 0 0 0 0",      // words in the wrong order
      "Width three Height 2 0 0 0 0 0 0",  // non-numeric
      "Width 0 Height 2",                  // zero columns: no division by zero
      "Width -3 Height 2 0 0 0 0 0 0",
      "Width 3 Height -2 0 0 0 0 0 0",
      "Width 1281 Height 2",                       // wider than the world
      "Width 3 Height 721",                        // taller than the world
      "Width 2147483647 Height 2147483647 0",      // would overflow the cell count
      "Width 99999999999999999999 Height 2 0",
      "Width 3 Height 2 0 1 0 0",                  // too few cells
      "Width 3 Height 2 0 1 0 0 x 0",              // a cell that is not a number
  };
  // A window of no size cannot hold a grid either.
  testing::internal::CaptureStderr();
  EXPECT_FALSE(LoadText(GridText(2, 2), 0, 720));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("Error:"), std::string::npos);
  ASSERT_TRUE(LoadText(GridText(64, 36)));
  for (const std::string& text : bad) {
    testing::internal::CaptureStderr();
    EXPECT_FALSE(LoadText(text)) << text;
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Error:"), std::string::npos) << text;
    EXPECT_EQ(mapper.Columns(), 64) << text;
    EXPECT_EQ(mapper.Rows(), 36) << text;
    EXPECT_TRUE(mapper.IsWalkable(0.0f, 0.0f)) << text;
  }
}

TEST(MapperCommittedGrid, CoversTheDefaultWindowWithWallsAtTheEdges) {
  MapperFF mapper;
  ASSERT_TRUE(mapper.Load(std::string(CORVIDALE_SOURCE_ROOT) + "/" + MapperFF::kDefaultPath, 1280, 720));
  EXPECT_TRUE(mapper.IsWalkable(0.0f, 0.0f));
  EXPECT_TRUE(mapper.IsWalkable(-600.0f, 250.0f));
  EXPECT_FALSE(mapper.IsWalkable(-600.0f, 270.0f)) << "nobody walks under the match's HUD bar";
  EXPECT_FALSE(mapper.IsWalkable(-635.0f, 0.0f));
  EXPECT_FALSE(mapper.IsWalkable(635.0f, 0.0f));
  EXPECT_FALSE(mapper.IsWalkable(0.0f, 355.0f));
  EXPECT_FALSE(mapper.IsWalkable(0.0f, -355.0f));
}

}  // namespace
