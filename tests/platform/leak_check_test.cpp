// The leak checker's suppressions cover the system libraries only: a block
// our own code loses still fails the run.
#include <gtest/gtest.h>

#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
[[gnu::noinline]] static void LoseBlocks() {
  for (int i = 0; i < 8; ++i) {
    char* volatile block = new char[4096];
    block[0] = 1;
  }
}

TEST(LeakCheckTest, ABlockOurCodeLosesIsReportedAtExit) {
  ::testing::FLAGS_gtest_death_test_style = "threadsafe";
  EXPECT_EXIT((LoseBlocks(), std::exit(0)), ::testing::ExitedWithCode(1), "LeakSanitizer: detected memory leaks");
}
#endif
