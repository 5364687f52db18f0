// The core sits below every system, and the engine below the game.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

TEST(Layering, TheCoreIncludesNoSystemAndTheEngineNoGame) {
  for (const auto& entry : std::filesystem::recursive_directory_iterator(CORVIDALE_SOURCE_ROOT "/engine")) {
    const bool core = entry.path().parent_path().filename() == "core";
    std::ifstream file(entry.path());
    for (std::string line; std::getline(file, line);) {
      if (line.rfind("#include \"", 0) != 0) continue;
      EXPECT_NE(line.substr(10, 5), "game/") << entry.path();
      const bool below = line.substr(10, 12) == "engine/core/" || line.substr(10, 16) == "engine/platform/";
      EXPECT_TRUE(!core || below || line.find('/') == std::string::npos) << entry.path() << ": " << line;
    }
  }
}
