#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FileSystem.h"
#include "support/TemporaryFolder.h"
#include "update/release/ArchiveEntryPath.h"
#include "update/release/ReleaseArchive.h"
#include "update/release/ReleaseCheck.h"
#include "update/release/ReleaseError.h"
#include "updater/ReleaseFolders.h"

namespace {

using namespace updatertest;
using update::TReleaseError;

std::string DescriptionWith(const std::string& key, const std::string& value) {
  const std::string sha(64, 'a');
  std::string text = "[application]\r\n";
  for (const auto& [name, fallback] : std::vector<std::pair<std::string, std::string>>{
           {"Version", "1.03"}, {"Archive", "tarvik-1.03.tar.gz"}, {"Size", "100"}, {"SHA256", sha},
           {"Signature", std::string(84, 'A') + "AA=="}})
    if (name != key || value != "<missing>") text += name + "=" + (name == key ? value : fallback) + "\r\n";
  return text;
}

TEST(ReleaseDescription, SignatureCoversVersionArchiveSizeAndDigest) {
  const TemporaryFolder folder;
  const update::TSecretKey vendor = update::TSecretKey::Generate();
  const update::TReleaseDescription published = PublishRelease(NewRelease(), "1.03", vendor, folder.Path());
  const update::TReleaseDescription read = update::ParseReleaseDescription(folder.Read("mainappupdate.inf"));
  EXPECT_EQ(read.Version, "1.03");
  EXPECT_EQ(read.Archive, "tarvik-1.03.tar.gz");
  EXPECT_EQ(read.Signature, published.Signature);
  EXPECT_NO_THROW(update::CheckSignature(read, vendor.PublicKey()));
  EXPECT_NO_THROW(update::CheckArchiveFile(read, folder.File(read.Archive)));
  EXPECT_THROW(update::CheckSignature(read, update::TSecretKey::Generate().PublicKey()), TReleaseError);

  // An archive signed for one release cannot be offered as another, nor its
  // name, size or digest changed.
  for (auto change : std::vector<std::function<void(update::TReleaseDescription&)>>{
           [](auto& r) { r.Version = "1.04"; }, [](auto& r) { r.Archive = "other.tar.gz"; },
           [](auto& r) { r.Size += 1; }, [](auto& r) { r.Sha256[0] = r.Sha256[0] == '0' ? '1' : '0'; }}) {
    update::TReleaseDescription changed = read;
    change(changed);
    EXPECT_THROW(update::CheckSignature(changed, vendor.PublicKey()), TReleaseError);
  }
  update::TReleaseDescription other_size = read;
  other_size.Size += 1;
  EXPECT_THROW(update::CheckArchiveFile(other_size, folder.File(read.Archive)), TReleaseError);
}

TEST(ReleaseDescription, MalformedKeysAreRefused) {
  EXPECT_NO_THROW(update::ParseReleaseDescription(DescriptionWith("", "")));
  const std::vector<std::pair<std::string, std::string>> bad = {
      {"Version", "<missing>"}, {"Version", "1,03"},     {"Version", "1.0.3"},     {"Version", ".5"},
      {"Version", "1.03a"},     {"Archive", "<missing>"}, {"Archive", "../x.tgz"}, {"Archive", ".hidden"},
      {"Archive", "a b"},       {"Archive", "a/b"},       {"Size", "<missing>"},   {"Size", "0"},
      {"Size", "-1"},           {"Size", "012"},          {"Size", "1e3"},         {"Size", "4294967297"},
      {"Size", "99999999999999999999999"},                {"SHA256", std::string(63, 'a')},
      {"SHA256", std::string(64, 'A')},                   {"Signature", "AAAA"},   {"Signature", std::string(88, '*')},
      {"Signature", std::string(84, 'A') + "AB=="}};
  for (const auto& [key, value] : bad)
    EXPECT_THROW(update::ParseReleaseDescription(DescriptionWith(key, value)), TReleaseError) << key << "=" << value;
}

TEST(ArchiveEntryPath, OnlyPlainPathsInsideTheFolderPass) {
  EXPECT_EQ(update::CheckedEntryPath("./tools/tarvik-fetch"), "tools/tarvik-fetch");
  EXPECT_EQ(update::CheckedEntryPath("tools/"), "tools");
  EXPECT_EQ(update::CheckedEntryPath("./"), "");
  EXPECT_EQ(update::CheckedEntryPath("lib/hours.dat"), "lib/hours.dat");
  for (const std::string& path : std::vector<std::string>{"", "/etc/passwd", "../x", "a/../../x", "a/..", "a//b", "a/./b", "a\\b",
                                 std::string("a\nb"), "HOURS.DAT", "Projects.dat.bak2", "update.pub",
                                 "dbconfig.dat", "mainappupdate.inf", ".tarvik-update/journal",
                                 std::string(1100, 'a'), std::string(300, 'b')})
    EXPECT_THROW(update::CheckedEntryPath(path), TReleaseError) << path;
}

TEST(ReleaseArchive, HostileArchivesAreRefusedWithoutWritingOutside) {
  const std::vector<std::vector<TTarEntry>> hostile = {
      {{"/tmp/evil", AE_IFREG, "x"}},
      {{"../evil", AE_IFREG, "x"}},
      {{"tools/../../evil", AE_IFREG, "x"}},
      {{"link", AE_IFLNK, "", "/etc"}, {"link/evil", AE_IFREG, "x"}},
      {{"inside", AE_IFLNK, "", "tarvik"}},
      {{"tarvik", AE_IFREG, "x"}, {"hard", AE_IFREG, "", "", "../evil"}},
      {{"fifo", AE_IFIFO}},
      {{"device", AE_IFCHR}},
      {{"tarvik", AE_IFREG, "x"}, {"tarvik", AE_IFREG, "y"}},
      {{"tarvik", AE_IFREG, "x"}, {"tarvik/evil", AE_IFREG, "y"}},
      {{"Hours.dat", AE_IFREG, "wiped"}},
      {{"tools", AE_IFDIR}},
      {},
  };
  for (std::size_t i = 0; i < hostile.size(); ++i) {
    const TemporaryFolder folder;
    WriteTar(folder.File("release.tar.gz"), hostile[i]);
    std::filesystem::create_directory(folder.File("unpacked"));
    EXPECT_THROW(update::UnpackRelease(folder.File("release.tar.gz"), folder.File("unpacked")), TReleaseError) << i;
    EXPECT_FALSE(std::filesystem::exists(folder.File("evil"))) << i;
  }
  const TemporaryFolder folder;
  platform::WriteWholeFileAtomically(folder.File("not-an-archive"), "plain text");
  EXPECT_THROW(update::UnpackRelease(folder.File("not-an-archive"), folder.Path()), TReleaseError);
}

TEST(ReleaseArchive, PackLeavesOutTheInstallationsFilesAndUnpacksAsPacked) {
  const TemporaryFolder app;
  const TemporaryFolder out;
  WriteFolder(app.Path(), NewRelease());
  WriteFolder(app.Path(), UsersFiles());
  WriteFolder(app.Path(), {{"update.pub", "key"}, {".tarvik.lock", ""}, {"Projects.dat.tmp-Ab12Cd", "half"}});
  update::PackRelease(app.Path(), out.File("release.tar.gz"));
  std::filesystem::create_directory(out.File("unpacked"));
  update::UnpackRelease(out.File("release.tar.gz"), out.File("unpacked"));
  EXPECT_EQ(Snapshot(out.File("unpacked")), NewRelease());

  std::filesystem::create_symlink("/etc", app.File("etc"));
  EXPECT_THROW(update::PackRelease(app.Path(), out.File("linked.tar.gz")), TReleaseError);
}

}  // namespace
