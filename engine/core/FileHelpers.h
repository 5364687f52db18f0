#pragma once
// Where the current scene's files live, and creation of scene folders.
#include <string>

namespace Framework {

// "." until a scene is loaded, then "Resources/<scene>/".
std::string GetSceneFolder();
// The scene loader sets the folder when it switches scenes.
void SetSceneFolder(const std::string& folder);
// Creates "Resources/<name>" (an existing folder is fine) and returns
// "Resources/<name>/".
std::string MakeFolder(const std::string& name);

}  // namespace Framework
