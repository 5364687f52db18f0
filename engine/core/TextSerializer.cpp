#include "engine/core/TextSerializer.h"

#include <cstdint>
#include <cstring>
#include <iostream>
#include <locale>

namespace Framework {

void TextSerializer::PrepareStream(bool isBinary) {
  if (stream.is_open()) stream.close();
  stream.clear();
  binary = isBinary;
  // Numbers must read and write the same whatever the global locale.
  stream.imbue(std::locale::classic());
}

bool TextSerializer::Open(const std::string& path, bool isBinary) {
  PrepareStream(isBinary);
  stream.open(path, std::ios::in | (isBinary ? std::ios::binary : std::ios::openmode()));
  fileSize = 0;
  if (stream.is_open()) {
    stream.seekg(0, std::ios::end);
    fileSize = static_cast<long long>(stream.tellg());
    stream.seekg(0, std::ios::beg);
  }
  return stream.is_open();
}

bool TextSerializer::OpenWrite(const std::string& path, bool isBinary) {
  PrepareStream(isBinary);
  stream.open(path, std::ios::out | std::ios::trunc | (isBinary ? std::ios::binary : std::ios::openmode()));
  return stream.is_open();
}

bool TextSerializer::IsGood() { return stream.is_open() && stream.good(); }

long long TextSerializer::BytesLeft() {
  std::streampos position = stream.tellg();
  if (position < 0) return 0;
  return fileSize - static_cast<long long>(position);
}

namespace {

// Text mode: formatted extraction. Binary mode: the value's 4 bytes as the
// machine stores them. A failed read gives 0.
template <typename Number>
void ReadNumber(std::fstream& stream, bool binary, Number& out) {
  static_assert(sizeof(Number) == 4, "binary files hold 4-byte numbers");
  out = Number();
  if (!binary) {
    stream >> out;
    return;
  }
  Number value = Number();
  if (stream.read(reinterpret_cast<char*>(&value), sizeof value)) out = value;
}

}  // namespace

void TextSerializer::ReadInt(int& out) { ReadNumber(stream, binary, out); }

void TextSerializer::ReadFloat(float& out) { ReadNumber(stream, binary, out); }

void TextSerializer::ReadString(std::string& out) {
  out.clear();
  if (!binary) {
    stream >> out;
    return;
  }
  int length = 0;
  ReadInt(length);
  if (!stream) return;
  // A lying length must not turn into a huge allocation or a read past the end.
  if (length < 0 || length > BytesLeft()) {
    std::cerr << "Error: string length " << length << " does not fit the file\n";
    stream.setstate(std::ios::failbit);
    return;
  }
  std::string bytes(static_cast<size_t>(length), '\0');
  if (length > 0 && !stream.read(&bytes[0], length)) return;
  out = bytes.substr(0, bytes.find('\0'));
}

void TextSerializer::WriteInt(int value) {
  if (binary) {
    const int32_t raw = value;
    stream.write(reinterpret_cast<const char*>(&raw), sizeof raw);
  } else {
    stream << value << "\n";
  }
}

void TextSerializer::WriteString(const std::string& value) {
  if (binary) {
    WriteInt(static_cast<int>(value.size() + 1));
    stream.write(value.data(), static_cast<std::streamsize>(value.size()));
    stream.put('\0');
  } else {
    stream << value << "\n";
  }
}

}  // namespace Framework
