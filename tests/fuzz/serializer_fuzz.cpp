// libFuzzer target for everything that reads untrusted files: the XML
// typed-field readers with the object factory's walk, the binary index
// reader, and the number/vector text parsers.
// The first input byte picks the reader: 'X' XML, 'B' binary, 'T' text.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "engine/core/TextSerializer.h"
#include "engine/core/XMLSerializer.h"

namespace {

std::string g_scratchFile;

void RemoveScratchFile() { std::remove(g_scratchFile.c_str()); }

const std::string& WriteScratch(const uint8_t* data, size_t size) {
  std::ofstream out(g_scratchFile, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return g_scratchFile;
}

void ReadFieldsSilently(TiXmlElement* element) {
  float f = 0;
  unsigned u = 0;
  int i = 0;
  bool b = false;
  std::string s;
  Math::Vec2 v2;
  Math::Vec4 v4;
  Framework::ReadElement(element, f, "lifetime");
  Framework::ReadElement(element, u, "layer");
  Framework::ReadElement(element, i, "count");
  Framework::ReadElement(element, b, "loop");
  Framework::ReadElement(element, s, "texture");
  Framework::ReadElement(element, v2, "size");
  Framework::ReadElement(element, v4, "color");
}

// Mirrors how archetype files are read: header fields, then one component
// per following sibling, each read with the named and the silent readers.
void FuzzXml(const uint8_t* data, size_t size) {
  Framework::XMLSerializer serializer;
  if (!serializer.Open(WriteScratch(data, size), Framework::XMLSerializer::kRead)) return;
  bool enabled = true;
  if (serializer.FindElement("Enabled", serializer.GetCursor()))
    Framework::ReadElement(serializer.GetCursor(), enabled, "Enabled");
  std::string text;
  if (serializer.FindElement("Name", serializer.GetCursor())) serializer.ReadString(text);
  if (serializer.FindElement("Tag", serializer.GetCursor())) serializer.ReadString(text);

  for (int guard = 0; serializer.GetCursor() && guard < 10000; ++guard) {
    serializer.BeginComponent(serializer.GetCurrentName());
    Math::Vec3 v3;
    float f = 0;
    bool b = false;
    int i = 0;
    Framework::XMLReadVector3(serializer, v3, "position");
    Framework::XMLReadFloat(serializer, f, "rotation");
    Framework::XMLReadBool(serializer, b, "mUseGravity");
    Framework::XMLReadInt(serializer, i, "layer");
    serializer.EndComponent();
    ReadFieldsSilently(serializer.GetCursor());
    serializer.ReadInt(i);
    serializer.ReadFloat(f);
    serializer.MoveToNextSibling();
  }
}

// Reads a scene index: a count, then that many strings.
void FuzzBinary(const uint8_t* data, size_t size) {
  Framework::TextSerializer reader;
  if (!reader.Open(WriteScratch(data, size), true)) return;
  int count = 0;
  reader.ReadInt(count);
  std::string name;
  for (int i = 0; i < count && reader.IsGood(); ++i) reader.ReadString(name);
  float f = 0;
  reader.ReadFloat(f);
}

void FuzzText(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  Framework::ParseVec2Text(text);
  Framework::ParseVec3Text(text);
  Framework::ParseVec4Text(text);
  Framework::ParseBool(text);
  const float value = Framework::ParseFloat(text);
  Framework::ParseInt(text);
  Framework::ParseUnsigned(text);
  Framework::FormatFloat(value);
  Framework::FormatFixed(value);

  Framework::TextSerializer reader;
  if (!reader.Open(WriteScratch(data, size), false)) return;
  std::string word;
  int number = 0;
  for (int guard = 0; reader.IsGood() && guard < 1000; ++guard) {
    reader.ReadString(word);
    reader.ReadInt(number);
    float parsed = value;
    reader.ReadFloat(parsed);
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const char* folder = std::getenv("CORVIDALE_FUZZ_DIR");
  std::filesystem::path base = folder ? folder : std::filesystem::temp_directory_path();
  g_scratchFile = (base / ("serializer_fuzz_" + std::to_string(getpid()) + ".dat")).string();
  std::atexit(RemoveScratchFile);
  // Miss reports and error lines are expected for almost every input.
  std::cerr.rdbuf(nullptr);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t selector = data[0];
  ++data;
  --size;
  switch (selector) {
    case 'X': FuzzXml(data, size); break;
    case 'B': FuzzBinary(data, size); break;
    default: FuzzText(data, size); break;
  }
  return 0;
}
