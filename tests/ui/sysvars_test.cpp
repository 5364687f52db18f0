#include <gtest/gtest.h>

#include "engine/ui/SysVars.h"

using Framework::SysVarRegistry;

TEST(SysVars, GuardedDuplicateKeepsFirstAndPrints) {
  SysVarRegistry registry;
  int first = 1, second = 2;
  registry.Register("Kills", &first);
  testing::internal::CaptureStderr();
  registry.Register("Kills", &second);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error: Duplicate sysvar found\n");
  EXPECT_EQ(registry.GetInt("Kills"), 1);
}

TEST(SysVars, DirectReplacesAndGuardedAfterDirectKeepsDirect) {
  SysVarRegistry registry;
  bool a = true, b = false, c = true;
  registry.Register("isPanicking", &a);
  registry.RegisterDirect("isPanicking", &b);
  EXPECT_FALSE(registry.GetBool("isPanicking"));
  testing::internal::CaptureStderr();
  registry.Register("isPanicking", &c);
  EXPECT_FALSE(testing::internal::GetCapturedStderr().empty());
  EXPECT_FALSE(registry.GetBool("isPanicking"));
}

TEST(SysVars, ReadersNeverInsertAndAbsentReadsDefault) {
  SysVarRegistry registry;
  EXPECT_EQ(registry.GetInt("missing"), 0);
  EXPECT_EQ(registry.GetFloat("missing"), 0.0f);
  EXPECT_FALSE(registry.GetBool("missing"));
  EXPECT_EQ(registry.GetPtr("missing"), nullptr);
  EXPECT_TRUE(registry.Entries().empty());
}

TEST(SysVars, BoundNullEntryReadsAbsentAndBlocksGuardedRegistration) {
  SysVarRegistry registry;
  registry.Bind("Kills");
  EXPECT_EQ(registry.GetInt("Kills"), 0);
  int kills = 5;
  testing::internal::CaptureStderr();
  registry.Register("Kills", &kills);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error: Duplicate sysvar found\n");
  EXPECT_EQ(registry.GetPtr("Kills"), nullptr);
}

TEST(SysVars, WrongTypeReadAnswersAsAbsent) {
  SysVarRegistry registry;
  bool flag = true;
  float volume = 0.5f;
  registry.Register("pause", &flag);
  registry.Register("musicVolume", &volume);
  EXPECT_EQ(registry.GetInt("pause"), 0);
  EXPECT_EQ(registry.GetFloat("pause"), 0.0f);
  EXPECT_FALSE(registry.GetBool("musicVolume"));
  EXPECT_FLOAT_EQ(registry.GetFloat("musicVolume"), 0.5f);
}
