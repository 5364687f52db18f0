#pragma once
// Decodes an image file into tightly packed 8-bit RGB or RGBA rows,
// bottom row first (OpenGL's first row).
#include <string>
#include <vector>

namespace Framework {

struct DecodedImage {
  std::vector<unsigned char> pixels;
  int width = 0;
  int height = 0;
  int bytesPerPixel = 0;  // 3 or 4
};

// False, after an "Error: ..." line, when the file cannot be decoded.
bool DecodeImage(const std::string& path, DecodedImage& image);

}  // namespace Framework
