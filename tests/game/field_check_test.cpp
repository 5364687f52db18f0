// Numbers read from the game's data: lies are refused with a line naming
// the file and the field, and the field keeps its default.
#include <gtest/gtest.h>
#include <tinyxml.h>

#include "game/FieldCheck.h"

namespace {

TEST(FieldCheckTest, NonFiniteAndOutOfRangeValuesKeepTheDefaultWithAnErrorLine) {
  TiXmlDocument document;
  document.Parse(
      "<C><nan float=\"nan\"/><inf float=\"inf\"/><low float=\"-1\"/><good float=\"2.5\"/>"
      "<count int=\"0\"/><portions int=\"nan\"/></C>");
  TiXmlElement* component = document.RootElement();
  float value = 7.0f;
  int count = 3;
  ::testing::internal::CaptureStderr();
  for (const char* field : {"nan", "inf", "low", "absent"})
    EXPECT_FALSE(ReadCheckedField(component, value, field, {0.0f, 100.0f}, "level.xml")) << field;
  EXPECT_FALSE(ReadCheckedField(component, count, "count", {1, 10}, "level.xml"));
  EXPECT_FALSE(ReadCheckedField(component, count, "portions", {0, 10}, "level.xml")) << "nan is no whole number";
  const std::string errors = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(value, 7.0f);
  EXPECT_EQ(count, 3);
  EXPECT_NE(errors.find("Error: level.xml: nan = nan"), std::string::npos) << errors;
  EXPECT_NE(errors.find("Error: level.xml: inf = inf"), std::string::npos) << errors;
  EXPECT_NE(errors.find("Error: level.xml: low = -1 is not a number from 0 to 100; using 7"), std::string::npos);
  EXPECT_NE(errors.find("Error: level.xml: count = 0"), std::string::npos) << errors;
  EXPECT_NE(errors.find("Error: level.xml: portions = nan"), std::string::npos) << errors;
  EXPECT_EQ(errors.find("absent"), std::string::npos) << "an absent field is no error";

  EXPECT_TRUE(ReadCheckedField(component, value, "good", {0.0f, 100.0f}, "level.xml"));
  EXPECT_EQ(value, 2.5f);
}

}  // namespace
