// The core sits below every system: only the application layer wires them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

TEST(Layering, TheCoreIncludesNoSystemAndTheEngineNoGame) {
  const std::filesystem::path root = std::filesystem::path(CORVIDALE_SOURCE_ROOT) / "engine";
  const char* const forbiddenInCore[] = {"engine/graphics/", "engine/physics/", "engine/ui/", "engine/audio/",
                                         "engine/app/", "game/"};
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    const std::string folder = entry.path().parent_path().filename().string();
    std::ifstream file(entry.path());
    std::string line;
    while (std::getline(file, line)) {
      if (line.rfind("#include", 0) != 0) continue;
      EXPECT_EQ(line.find("\"game/"), std::string::npos) << entry.path() << ": " << line;
      if (folder != "core") continue;
      for (const char* forbidden : forbiddenInCore)
        EXPECT_EQ(line.find(std::string("\"") + forbidden), std::string::npos) << entry.path() << ": " << line;
    }
  }
}

}  // namespace
