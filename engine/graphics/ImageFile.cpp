#include "engine/graphics/ImageFile.h"

#include <FreeImage.h>

#include <cstdio>

namespace Framework {

namespace {

// Greyscale, palette and 16-bit images become 32-bit BGRA, so every image
// reaches the upload as 3 or 4 bytes per pixel.
FIBITMAP* WidenToTrueColour(FIBITMAP* image) {
  const unsigned bits = FreeImage_GetBPP(image);
  if (bits == 24 || bits == 32) return image;
  FIBITMAP* wide = FreeImage_ConvertTo32Bits(image);
  FreeImage_Unload(image);
  return wide;
}

void CopyRows(FIBITMAP* image, DecodedImage& out) {
  const int bpp = out.bytesPerPixel;
  unsigned char* target = out.pixels.data();
  for (int y = 0; y < out.height; ++y) {
    const BYTE* row = FreeImage_GetScanLine(image, y);
    for (int x = 0; x < out.width; ++x, row += bpp, target += bpp) {
      target[0] = row[FI_RGBA_RED];
      target[1] = row[FI_RGBA_GREEN];
      target[2] = row[FI_RGBA_BLUE];
      if (bpp == 4) target[3] = row[FI_RGBA_ALPHA];
    }
  }
}

}  // namespace

bool DecodeImage(const std::string& path, DecodedImage& out) {
  FREE_IMAGE_FORMAT format = FreeImage_GetFileType(path.c_str(), 0);
  if (format == FIF_UNKNOWN) format = FreeImage_GetFIFFromFilename(path.c_str());
  if (format == FIF_UNKNOWN) {
    std::printf("Error: Cannot determine image format of %s.\n", path.c_str());
    return false;
  }
  FIBITMAP* image = FreeImage_FIFSupportsReading(format) ? FreeImage_Load(format, path.c_str(), 0) : nullptr;
  if (image == nullptr) {
    std::printf("Error: Cannot read image file %s.\n", path.c_str());
    return false;
  }
  if (FreeImage_GetImageType(image) != FIT_BITMAP) {
    FreeImage_Unload(image);
    std::printf("Error: Only 8-bits-per-component standard bitmap is supported.\n");
    return false;
  }
  const unsigned bits = FreeImage_GetBPP(image);
  if (bits != 8 && bits != 16 && bits != 24 && bits != 32) {
    FreeImage_Unload(image);
    std::printf("Error: Only 8, 16, 24, 32 bits per pixel are supported.\n");
    return false;
  }
  image = WidenToTrueColour(image);
  if (image == nullptr) {
    std::printf("Error: Not enough memory.\n");
    return false;
  }
  out.width = static_cast<int>(FreeImage_GetWidth(image));
  out.height = static_cast<int>(FreeImage_GetHeight(image));
  out.bytesPerPixel = static_cast<int>(FreeImage_GetBPP(image) / 8);
  out.pixels.assign(static_cast<size_t>(out.width) * out.height * out.bytesPerPixel, 0);
  CopyRows(image, out);
  FreeImage_Unload(image);
  std::fflush(stdout);
  return true;
}

}  // namespace Framework
