#include "ui/BannerPicture.h"

#include <QIcon>
#include <QImage>
#include <stdexcept>

#include "app/JpegPicture.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace {

QImage Decode(const std::string& bytes, const char* format, const char* error) {
  QImage image;
  if (!image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()), format))
    throw std::runtime_error(error);
  return image;
}

}  // namespace

std::optional<QPixmap> LoadStillPicture(const std::string& path, const std::string& written_extension) {
  const std::string extension = platform::LowerAscii(written_extension);
  if (extension == "wmf" || extension == "emf") return std::nullopt;
  if (extension != "jpg" && extension != "jpeg" && extension != "bmp" && extension != "ico")
    throw std::runtime_error("Unknown picture file extension (." + written_extension + ")");
  const std::string bytes = platform::ReadWholeFile(path);
  if (extension == "bmp") return QPixmap::fromImage(Decode(bytes, "BMP", "Bitmap image is not valid"));
  if (extension == "ico") return QPixmap::fromImage(Decode(bytes, "ICO", "Icon image is not valid"));
  const platform::Bitmap jpeg = DecodeJpeg(bytes);
  const QImage wrapped(reinterpret_cast<const uchar*>(jpeg.pixels.data()), jpeg.width, jpeg.height,
                       jpeg.width * 4, QImage::Format_ARGB32);
  return QPixmap::fromImage(wrapped);  // copies the pixels, so the bitmap may go
}

QIcon LoadIconFile(const std::string& path) {
  const std::string bytes = platform::ReadWholeFile(path);
  return QIcon(QPixmap::fromImage(Decode(bytes, "ICO", "Icon image is not valid")));
}
