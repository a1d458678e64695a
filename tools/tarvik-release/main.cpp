// tarvik-release keygen SECRET PUBLIC
// tarvik-release pack APPDIR VERSION SECRET OUTDIR
// tarvik-release verify OUTDIR PUBLIC
//
// The vendor's side of signed releases. keygen makes an Ed25519 key pair:
// SECRET (mode 0600) stays with the vendor, PUBLIC ships beside the program
// as "update.pub". pack puts the files of APPDIR into OUTDIR/tarvik-VERSION.tar.gz
// and writes OUTDIR/mainappupdate.inf describing and signing it; OUTDIR is
// then what the update folder on the web server holds. verify checks such a
// folder as the updater would. Errors go to standard error, status 1.
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/UniqueFd.h"
#include "update/release/ReleaseArchive.h"
#include "update/release/ReleaseCheck.h"
#include "update/release/ReleaseError.h"
#include "update/release/Sha256.h"

namespace {

namespace fs = std::filesystem;
using update::TReleaseError;

const std::string kDescriptionFile = "mainappupdate.inf";

// Never over an existing key: a lost secret key cannot sign for the
// programs that trust it.
void WriteNewFile(const std::string& path, const std::string& bytes, mode_t mode) {
  const platform::UniqueFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
  if (!fd.Valid()) throw TReleaseError("Cannot create \"" + path + "\": " + std::strerror(errno) + ".");
  if (::fchmod(fd.Get(), mode) != 0 || ::write(fd.Get(), bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
      ::fsync(fd.Get()) != 0)
    throw TReleaseError("Cannot write \"" + path + "\": " + std::strerror(errno) + ".");
}

int KeyGen(const std::string& secret_path, const std::string& public_path) {
  for (const std::string& path : {secret_path, public_path})
    if (fs::exists(path)) throw TReleaseError("\"" + path + "\" exists already; no key is written over.");
  const update::TSecretKey key = update::TSecretKey::Generate();
  WriteNewFile(secret_path, key.Pem(), 0600);
  WriteNewFile(public_path, key.PublicKey().Pem(), 0644);
  std::printf("wrote the secret key %s and the public key %s (ship it as update.pub)\n", secret_path.c_str(),
              public_path.c_str());
  return 0;
}

bool Inside(const fs::path& path, const fs::path& folder) {
  const fs::path relative = fs::weakly_canonical(path).lexically_relative(fs::weakly_canonical(folder));
  return !relative.empty() && *relative.begin() != "..";
}

int Pack(const std::string& app_folder, const std::string& version, const std::string& secret_path,
         const std::string& out_folder) {
  update::CheckVersionText(version);
  if (!fs::is_directory(app_folder)) throw TReleaseError("\"" + app_folder + "\" is no folder.");
  if (Inside(out_folder, app_folder))
    throw TReleaseError("The output folder must not lie inside the folder that is packed.");
  const update::TSecretKey key = update::TSecretKey::Load(secret_path);
  fs::create_directories(out_folder);

  update::TReleaseDescription release;
  release.Version = version;
  release.Archive = "tarvik-" + version + ".tar.gz";
  update::CheckArchiveName(release.Archive);
  const std::string archive_path = (fs::path(out_folder) / release.Archive).string();
  const std::string packing_path = archive_path + ".part";
  std::vector<std::string> files;
  try {
    files = update::PackRelease(app_folder, packing_path);
  } catch (...) {
    fs::remove(packing_path);
    throw;
  }
  fs::rename(packing_path, archive_path);
  release.Size = fs::file_size(archive_path);
  if (release.Size > update::kMaxArchiveSize) throw TReleaseError("The archive is larger than an update may be.");
  release.Sha256 = update::Sha256OfFile(archive_path);
  update::SignRelease(release, key);
  update::CheckSignature(release, key.PublicKey());
  platform::WriteWholeFileAtomically((fs::path(out_folder) / kDescriptionFile).string(),
                                     update::FormatReleaseDescription(release));
  std::printf("packed %zu files into %s (%llu bytes) and signed release %s\n", files.size(), archive_path.c_str(),
              static_cast<unsigned long long>(release.Size), version.c_str());
  return 0;
}

// A scratch folder for unpacking, gone with everything in it at the end.
class TScratchFolder {
 public:
  TScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "tarvik-release-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw TReleaseError("No scratch folder can be made.");
    path_ = pattern;
  }
  ~TScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  TScratchFolder(const TScratchFolder&) = delete;
  TScratchFolder& operator=(const TScratchFolder&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

int Verify(const std::string& out_folder, const std::string& public_path) {
  const update::TPublicKey key = update::TPublicKey::Load(public_path);
  const update::TReleaseDescription release =
      update::ParseReleaseDescription(platform::ReadWholeFile((fs::path(out_folder) / kDescriptionFile).string()));
  update::CheckSignature(release, key);
  update::CheckArchiveFile(release, (fs::path(out_folder) / release.Archive).string());
  // The entries too, as the updater will unpack them.
  const TScratchFolder scratch;
  const std::size_t files = update::UnpackRelease((fs::path(out_folder) / release.Archive).string(), scratch.Path()).size();
  std::printf("release %s holds: %s, %llu bytes, %zu files, signed with the key of %s\n", release.Version.c_str(),
              release.Archive.c_str(), static_cast<unsigned long long>(release.Size), files, public_path.c_str());
  return 0;
}

int Usage() {
  std::fprintf(stderr,
               "usage: tarvik-release keygen SECRET PUBLIC\n"
               "       tarvik-release pack APPDIR VERSION SECRET OUTDIR\n"
               "       tarvik-release verify OUTDIR PUBLIC\n");
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  try {
    if (arguments.size() == 3 && arguments[0] == "keygen") return KeyGen(arguments[1], arguments[2]);
    if (arguments.size() == 5 && arguments[0] == "pack") return Pack(arguments[1], arguments[2], arguments[3], arguments[4]);
    if (arguments.size() == 3 && arguments[0] == "verify") return Verify(arguments[1], arguments[2]);
    return Usage();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tarvik-release: %s\n", error.what());
    return 1;
  }
}
