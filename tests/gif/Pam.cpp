#include "gif/Pam.h"

#include <sstream>
#include <stdexcept>

#include "platform/FileSystem.h"

namespace gif_test {

PamPicture ReadPam(const std::string& path) {
  const std::string bytes = platform::ReadWholeFile(path);
  const std::size_t headerEnd = bytes.find("ENDHDR\n");
  if (bytes.rfind("P7\n", 0) != 0 || headerEnd == std::string::npos) throw std::runtime_error("not a PAM: " + path);
  std::istringstream header(bytes.substr(3, headerEnd - 3));
  PamPicture picture;
  int depth = 0;
  int maxval = 0;
  std::string key;
  while (header >> key) {
    if (key == "WIDTH") header >> picture.width;
    else if (key == "HEIGHT") header >> picture.height;
    else if (key == "DEPTH") header >> depth;
    else if (key == "MAXVAL") header >> maxval;
    else header.ignore(1 << 20, '\n');
  }
  const std::size_t count = static_cast<std::size_t>(picture.width) * picture.height;
  const std::size_t start = headerEnd + 7;
  if (maxval != 255 || depth < 1 || depth > 4 || bytes.size() < start + count * depth)
    throw std::runtime_error("unexpected PAM layout: " + path);
  picture.rgba.resize(count * 4);
  for (std::size_t i = 0; i < count; ++i) {
    const auto* sample = reinterpret_cast<const std::uint8_t*>(bytes.data() + start + i * depth);
    const bool grey = depth <= 2;
    std::uint8_t* out = &picture.rgba[i * 4];
    out[0] = sample[0];
    out[1] = grey ? sample[0] : sample[1];
    out[2] = grey ? sample[0] : sample[2];
    out[3] = depth == 2 ? sample[1] : depth == 4 ? sample[3] : 255;
  }
  return picture;
}

}  // namespace gif_test
