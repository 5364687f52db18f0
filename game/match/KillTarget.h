#pragma once
// The number of kills that wins the match for the Killer, shared by every
// level and read from "Resources/killer_objective.xml".
#include <string>

constexpr int kDefaultKillTarget = 10;
constexpr const char* kKillerObjectiveFile = "Resources/killer_objective.xml";

// The file's "kills_to_win". A missing file gives the default; a file
// without the entry keeps current (reported by the reader). A target below
// 1 would end the match on its first death or at once: it is refused with
// an "Error:" line and the default is used.
int ReadKillTarget(const std::string& path, int current);
