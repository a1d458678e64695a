#pragma once
#include <string_view>

#include "platform/Bitmap.h"

// Decodes a JPEG picture into 32-bit pixels. Throws std::runtime_error with
// the decoder's message for data it cannot decode.
platform::Bitmap DecodeJpeg(std::string_view bytes);
