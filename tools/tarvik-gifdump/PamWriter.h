#pragma once
#include <string>

#include "platform/Bitmap.h"

// Writes a 32-bit picture as a PAM file (P7, RGB_ALPHA, 8 bits a sample),
// taking each pixel's alpha from the picture.
void WritePam(const std::string& path, const platform::Bitmap& picture);
