#pragma once
// Plain files: white-space separated words and numbers in text mode, or
// the raw layout of the scene index files in binary mode (4-byte
// little-endian ints, strings as a 4-byte byte count followed by the bytes
// and a NUL).
#include <fstream>
#include <string>

#include "engine/core/Serializer.h"

namespace Framework {

class TextSerializer : public Serializer {
 public:
  TextSerializer() = default;
  TextSerializer(const TextSerializer&) = delete;
  TextSerializer& operator=(const TextSerializer&) = delete;

  // Opens for reading; false (and IsGood false) when the file cannot be opened.
  bool Open(const std::string& path, bool binary) override;
  // Opens for writing, creating or truncating the file.
  bool OpenWrite(const std::string& path, bool binary);
  // True while the file is open and no read has failed or hit the end.
  bool IsGood() override;
  // On a failed read the value is 0 (or empty) and IsGood turns false.
  void ReadInt(int& out) override;
  void ReadFloat(float& out) override;
  // Binary mode rejects a length below 0 or beyond the end of the file.
  void ReadString(std::string& out) override;
  void WriteInt(int value);
  void WriteString(const std::string& value);

 private:
  void PrepareStream(bool isBinary);
  long long BytesLeft();

  std::fstream stream;
  long long fileSize = 0;
};

}  // namespace Framework
