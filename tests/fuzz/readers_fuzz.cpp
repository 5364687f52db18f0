// libFuzzer targets, one per file reader of the game: this file is built
// once per reader, with CORVIDALE_FUZZ_READER naming it. Each input is
// written to a scratch file and read by the game's own code.
#include <tinyxml.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "engine/app/EngineWiring.h"
#include "engine/audio/AudioManager.h"
#include "engine/core/GameObjectFactory.h"
#include "engine/core/InputBindings.h"
#include "engine/core/SceneIndexFile.h"
#include "engine/core/WindowsSystem.h"
#include "engine/core/XmlShape.h"
#include "engine/graphics/ListFiles.h"
#include "engine/physics/MapperFF.h"
#include "game/GameComponents.h"

namespace {

std::string g_scratchFile;

void RemoveScratchFile() { std::remove(g_scratchFile.c_str()); }

const std::string& WriteScratch(const uint8_t* data, size_t size) {
  std::ofstream out(g_scratchFile, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return g_scratchFile;
}

int TreeDepth(const TiXmlNode* node) {
  int deepest = 0;
  for (const TiXmlElement* child = node->FirstChildElement(); child; child = child->NextSiblingElement())
    deepest = std::max(deepest, 1 + TreeDepth(child));
  return deepest;
}

// The nesting guard must never measure less than TinyXML builds: where it
// lets a document through, TinyXML's tree is no deeper than measured.
void CheckNestingMeasure(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::string text = Framework::TinyXmlText(std::string(std::istreambuf_iterator<char>(file), {}));
  const Framework::XmlShape shape = Framework::MeasureXml(text);
  if (shape.deepestNesting > 1000 || shape.cutOffCharacter) return;
  TiXmlDocument document;
  document.Parse(text.c_str());
  if (TreeDepth(&document) > shape.deepestNesting) std::abort();
}

void ReadArchetype(const std::string& path) {
  static const bool registered = [] {
    Framework::WireEngine();
    Framework::GetFactory().Initialize();
    RegisterGameComponents(Framework::GetFactory());
    return true;
  }();
  (void)registered;
  Framework::GetFactory().CreateFromFile(path);
  Framework::GetFactory().DestroyAllObjects();
  CheckNestingMeasure(path);
}

void ReadBindings(const std::string& path) {
  std::ifstream in(path);
  Framework::WordNumbers words;
  Framework::ActionBindings actions;
  Framework::ReadWordList(in, 103, words);
  Framework::ReadActionBindings(in, words, actions);
}

const std::map<std::string, void (*)(const std::string&)> kReaders = {
    {"config", [](const std::string& path) { Framework::WindowConfig::Load(path); }},
    {"scene_index",
     [](const std::string& path) {
       std::vector<std::string> entries;
       Framework::ReadSceneIndex(path, entries);
     }},
    {"archetype", ReadArchetype},
    {"texture_list", [](const std::string& path) { Framework::ReadTextureList(path); }},
    {"shader_list", [](const std::string& path) { Framework::ReadShaderList(path); }},
    {"audio_list",
     [](const std::string& path) {
       std::map<std::string, Framework::AudioEntry> entries;
       Framework::ReadAudioList(path, entries);
     }},
    {"grid", [](const std::string& path) { GetMapperFF().Load(path, 1280, 720); }},
    {"bindings", ReadBindings},
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const char* folder = std::getenv("CORVIDALE_FUZZ_DIR");
  std::filesystem::path base = folder ? folder : std::filesystem::temp_directory_path();
  g_scratchFile = (base / ("readers_fuzz_" + std::to_string(getpid()) + ".dat")).string();
  std::atexit(RemoveScratchFile);
  // Miss reports and error lines are expected for almost every input.
  std::cerr.rdbuf(nullptr);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kReaders.at(CORVIDALE_FUZZ_READER)(WriteScratch(data, size));
  return 0;
}
