#include "game/match/KillTarget.h"

#include <iostream>

#include "engine/core/XMLSerializer.h"

int ReadKillTarget(const std::string& path, int current) {
  Framework::XMLSerializer file;
  int target = kDefaultKillTarget;
  if (file.Open(path, Framework::XMLSerializer::kRead)) {
    target = current;
    Framework::XMLReadInt(file, target, "kills_to_win");
  }
  file.Close();
  if (target < 1) {
    std::cerr << "Error: kills_to_win " << target << " is below 1; using " << kDefaultKillTarget << "\n";
    target = kDefaultKillTarget;
  }
  return target;
}
