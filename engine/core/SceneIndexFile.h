#pragma once
// A scene's index file, "Resources/<scene>/<scene>.scene": a little-endian
// 32-bit count, then per entry a 32-bit byte count and the entry's bytes
// (the archetype file name and a closing NUL).
#include <string>
#include <vector>

namespace Framework {

std::string SceneIndexPath(const std::string& sceneName);

// Reads the entries of an index file. False only when the file cannot be
// opened. A file that lies about its count or lengths yields the entries
// read before the first short or impossible read.
bool ReadSceneIndex(const std::string& path, std::vector<std::string>& entries);

// Writes the entries in the index layout; false when the file cannot be written.
bool WriteSceneIndex(const std::string& path, const std::vector<std::string>& entries);

}  // namespace Framework
