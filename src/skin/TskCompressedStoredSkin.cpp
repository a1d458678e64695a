#include "skin/TskCompressedStoredSkin.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <limits>

#include "platform/FileSystem.h"
#include "skin/ByteReader.h"
#include "skin/SkinCompiler.h"
#include "skin/SkinError.h"
#include "skin/SkinFormat.h"
#include "skin/TskData.h"
#include "skin/Zlib.h"

TskCompressedStoredSkin::~TskCompressedStoredSkin() {
  // Copy first: forgetting the reference removes the holder from users_.
  const std::vector<TskData*> users = users_;
  for (TskData* user : users) user->ForgetCompressedStoredSkin();
}

namespace {

// The compressed skin file, read no further than its header says: a file
// whose version is not loaded is left after four bytes, and the data is
// read up to the length N claims or the file's end, whichever comes first,
// so that memory stays bounded by the file whatever N says.
class TSkinFileReader {
 public:
  explicit TSkinFileReader(const std::string& path) : path_(path), fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
    if (fd_ < 0) Fail(errno);
    struct stat info {};
    if (::fstat(fd_, &info) != 0) Fail(errno);
    if (S_ISDIR(info.st_mode)) Fail(EISDIR);
  }
  ~TSkinFileReader() { ::close(fd_); }
  TSkinFileReader(const TSkinFileReader&) = delete;
  TSkinFileReader& operator=(const TSkinFileReader&) = delete;

  std::int32_t ReadInt32() {
    const std::string bytes = Read(4);
    if (bytes.size() < 4) throw skin::SkinError(skin::kStreamReadError);
    skin::ByteReader reader(bytes);
    return reader.ReadInt32();
  }

  // Up to `count` bytes, fewer at the end of the file.
  std::string Read(std::size_t count) {
    std::string bytes;
    char chunk[65536];
    while (bytes.size() < count) {
      const ssize_t got = ::read(fd_, chunk, std::min(sizeof chunk, count - bytes.size()));
      if (got == 0) break;
      if (got < 0) {
        if (errno == EINTR) continue;
        Fail(errno);
      }
      bytes.append(chunk, static_cast<std::size_t>(got));
    }
    return bytes;
  }

  std::string WholeFile() {
    if (::lseek(fd_, 0, SEEK_SET) < 0) Fail(errno);
    return Read(std::numeric_limits<std::size_t>::max());
  }

 private:
  [[noreturn]] void Fail(int error) const {
    throw platform::FileError("Cannot open file \"" + path_ + "\". " + std::strerror(error), error);
  }

  std::string path_;
  int fd_;
};

}  // namespace

void TskCompressedStoredSkin::LoadCompressedFile(const std::string& path) {
  CompressedStream.clear();
  TSkinFileReader file(path);
  const std::int32_t version = file.ReadInt32();
  if (version > skin::kCompressedSkinFileVersion) return;
  const std::int32_t length = file.ReadInt32();
  if (length < 0) {
    throw skin::SkinError("Skin file \"" + path + "\" is damaged: its data length is negative");
  }
  // A length of 0 has always meant "the whole file", header included, which
  // then fails to inflate; kept so that such files fail the way they did.
  if (length == 0) {
    CompressedStream = file.WholeFile();
    return;
  }
  std::string data = file.Read(static_cast<std::size_t>(length));
  if (data.size() < static_cast<std::size_t>(length)) throw skin::SkinError(skin::kStreamReadError);
  CompressedStream = std::move(data);
}

void TskCompressedStoredSkin::CompileSkinFolder(const std::string& ini_path) {
  CompressedStream = skin::DeflateZlib(skin::BuildSkinStream(ini_path));
}
