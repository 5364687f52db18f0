// Numbers read from the game's data: lies are refused with a line naming
// the file and the field, and the field keeps its default.
#include <gtest/gtest.h>
#include <tinyxml.h>

#include "game/FieldCheck.h"

TEST(FieldCheckTest, LiesKeepTheDefaultWithAnErrorLineAndAnAbsentFieldIsNoError) {
  TiXmlDocument document;
  document.Parse("<C><low float=\"-1\"/><inf float=\"inf\"/><good float=\"2.5\"/><portions int=\"nan\"/></C>");
  float value = 7.0f;
  int count = 3;
  ::testing::internal::CaptureStderr();
  for (const char* field : {"low", "inf", "absent"})
    EXPECT_FALSE(ReadCheckedField(document.RootElement(), value, field, {0.0f, 100.0f}, "level.xml")) << field;
  // The whole-number reader alone would take "nan" for 0.
  EXPECT_FALSE(ReadCheckedField(document.RootElement(), count, "portions", {0, 10}, "level.xml"));
  const std::string errors = ::testing::internal::GetCapturedStderr();
  EXPECT_TRUE(value == 7.0f && count == 3);
  EXPECT_NE(errors.find("Error: level.xml: low = -1 is not a number from 0 to 100; using 7"), std::string::npos);
  EXPECT_NE(errors.find("Error: level.xml: inf = inf"), std::string::npos) << errors;
  EXPECT_NE(errors.find("Error: level.xml: portions = nan"), std::string::npos) << errors;
  EXPECT_EQ(errors.find("absent"), std::string::npos);
  EXPECT_TRUE(ReadCheckedField(document.RootElement(), value, "good", {0.0f, 100.0f}, "level.xml"));
  EXPECT_EQ(value, 2.5f);
}
