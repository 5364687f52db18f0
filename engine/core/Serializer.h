#pragma once
// Common reading interface of the text and XML serialisers.
#include <string>

namespace Framework {

class Serializer {
 public:
  virtual bool Open(const std::string&, bool isBinary) {
    binary = isBinary;
    return false;
  }
  virtual bool IsGood() = 0;
  virtual void ReadInt(int& out) = 0;
  virtual void ReadFloat(float& out) = 0;
  virtual void ReadString(std::string& out) = 0;
  virtual ~Serializer() = default;

 protected:
  bool binary = false;  // the mode the file was opened in
};

}  // namespace Framework
