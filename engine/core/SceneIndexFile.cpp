#include "engine/core/SceneIndexFile.h"

#include "engine/core/TextSerializer.h"

namespace Framework {

std::string SceneIndexPath(const std::string& sceneName) {
  return "Resources/" + sceneName + "/" + sceneName + ".scene";
}

bool ReadSceneIndex(const std::string& path, std::vector<std::string>& entries) {
  TextSerializer reader;
  if (!reader.Open(path, true)) return false;
  int count = 0;
  reader.ReadInt(count);  // an empty file reads as 0
  // The count is never trusted for an allocation: the loop ends at the
  // first read the file cannot back.
  for (int i = 0; i < count && reader.IsGood(); ++i) {
    std::string entry;
    reader.ReadString(entry);
    if (!reader.IsGood()) break;
    entries.push_back(entry);
  }
  return true;
}

bool WriteSceneIndex(const std::string& path, const std::vector<std::string>& entries) {
  TextSerializer writer;
  if (!writer.OpenWrite(path, true)) return false;
  writer.WriteInt(static_cast<int>(entries.size()));
  for (const std::string& entry : entries) writer.WriteString(entry);
  return writer.IsGood();
}

}  // namespace Framework
