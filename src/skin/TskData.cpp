#include "skin/TskData.h"

#include "skin/BmpReader.h"
#include "skin/ByteReader.h"
#include "skin/IniText.h"
#include "skin/SkinError.h"
#include "skin/SkinFormat.h"
#include "skin/SkinSection.h"
#include "skin/Zlib.h"

namespace {

template <typename Entry>
int IndexOf(const std::vector<std::unique_ptr<Entry>>& entries, std::string_view name) {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i]->IDName == name) return static_cast<int>(i);
  }
  return -1;
}

// Reads the pictures of one skin stream within the skin's pixel budget.
class PictureReader {
 public:
  explicit PictureReader(skin::ByteReader& stream) : stream_(stream) {}

  platform::Bitmap Read() {
    platform::Bitmap picture = skin::ReadBmpImage(stream_);
    pixels_ += static_cast<long long>(picture.width) * picture.height;
    if (pixels_ > skin::kMaxSkinPixels) {
      skin::RefuseBitmap("the skin's pictures together have more than " + std::to_string(skin::kMaxSkinPixels) +
                         " pixels");
    }
    return picture;
  }

  // A flag byte and, when it says so, the picture that follows it.
  platform::Bitmap ReadFlagged() {
    if (stream_.ReadByte() != skin::kPictureFollows) return {};
    return Read();
  }

 private:
  skin::ByteReader& stream_;
  long long pixels_ = 0;
};

// "IDName:kind", split at the first colon; without one both are empty.
std::pair<std::string_view, std::string_view> SplitEntry(std::string_view value) {
  const std::size_t colon = value.find(':');
  if (colon == std::string_view::npos) return {};
  return {value.substr(0, colon), value.substr(colon + 1)};
}

// The entries a list section names, each created by its kind and read from
// its own section. An entry joins the list before it reads its section, so
// a section that fails to read leaves the entries read so far, itself
// included.
template <typename Entry>
void ReadEntryList(const skin::IniText& ini, std::string_view list_section,
                   std::unique_ptr<Entry> (*create)(std::string_view kind),
                   std::vector<std::unique_ptr<Entry>>& entries) {
  int count = 0;
  skin::SkinSection(ini, list_section).Read("count", count);
  for (const auto& [index, value] : ini.IndexedValues(list_section, "", count)) {
    const auto [name, kind] = SplitEntry(value);
    std::unique_ptr<Entry> entry = create(kind);
    if (!entry) continue;
    entry->IDName = std::string(name);
    entries.push_back(std::move(entry));
    entries.back()->ReadFrom(skin::SkinSection(ini, name));
  }
}

}  // namespace

TskData::TskData(skin::SkinListener* owner, skin::SkinForms& forms) : owner_(owner), forms_(forms) {}

TskData::~TskData() { ForgetCompressedStoredSkin(); }

void TskData::LoadFromCompressedFile(const std::string& path) {
  TskCompressedStoredSkin file;
  file.LoadCompressedFile(path);
  if (!file.IsEmpty()) LoadCompressedStoredSkin(file);
}

void TskData::SetCompressedStoredSkin(TskCompressedStoredSkin* stored) {
  ForgetCompressedStoredSkin();
  compressed_stored_skin_ = stored;
  if (stored == nullptr) return;
  stored->users_.push_back(this);
  LoadCompressedStoredSkin(*stored);
}

void TskData::ForgetCompressedStoredSkin() {
  if (compressed_stored_skin_ != nullptr) std::erase(compressed_stored_skin_->users_, this);
  compressed_stored_skin_ = nullptr;
}

void TskData::LoadCompressedStoredSkin(const TskCompressedStoredSkin& stored) {
  if (stored.IsEmpty()) return;
  skin_empty_ = true;
  BroadcastToForms(skin::SkinMessage::SkinChanging);
  ClearSkin();

  const std::string content = skin::InflateZlib(stored.CompressedStream);
  skin::ByteReader stream(content);
  const std::int32_t version = stream.ReadInt32();
  if (version >= skin::kFirstUnknownSkinStreamVersion) return;
  ReadPictures(stream, version);
  ReadIniText(skin::IniText(stream.ReadRest()));

  skin_empty_ = false;
  BroadcastToForms(skin::SkinMessage::SkinChanged);
  BroadcastToForms(skin::SkinMessage::SkinAfterChange);
}

void TskData::ReadPictures(skin::ByteReader& stream, int version) {
  PictureReader pictures(stream);
  main_bitmap_ = pictures.ReadFlagged();
  inactive_bitmap_ = pictures.ReadFlagged();
  mask_bitmap_ = pictures.ReadFlagged();
  if (version == skin::kSkinStreamVersionWithExtraPictures) {
    pictures.ReadFlagged();
    pictures.ReadFlagged();
  }
  // Each image takes at least its two headers, so a forged count runs out
  // of data long before the list grows large.
  const std::int32_t count = stream.ReadInt32();
  for (std::int32_t i = 0; i < count; ++i) active_pictures_.push_back(pictures.Read());
}

void TskData::ReadIniText(const skin::IniText& ini) {
  const skin::SkinSection version(ini, "VERSION");
  version.Read("skinname", skin_info_.SkinName);
  version.Read("skinauthor", skin_info_.SkinAuthor);
  version.Read("authoremail", skin_info_.AuthorEmail);
  version.Read("authorurl", skin_info_.AuthorURL);
  version.Read("skincomments", skin_info_.SkinComments);

  const skin::SkinSection pictures(ini, "PICTURES");
  pictures.Read("picture", main_bitmap_name_);
  pictures.Read("inactivepicture", inactive_bitmap_name_);
  pictures.Read("mask", mask_bitmap_name_);
  for (const auto& [index, name] : pictures.ReadNameList("activepictures").items) {
    // A name belongs to a picture; one beyond the last picture names nothing.
    const auto position = static_cast<std::size_t>(index);
    if (position >= active_pictures_.size()) break;
    active_picture_names_.resize(position + 1);
    active_picture_names_[position] = std::string(name);
  }

  form_info_.ReadFrom(skin::SkinSection(ini, "FORMINFO"));
  form_info_.Normalize(!mask_bitmap_name_.empty());
  popup_window_.ReadFrom(skin::SkinSection(ini, "POPUPWINDOW"));
  hint_window_.ReadFrom(skin::SkinSection(ini, "HINTWINDOW"));
  ReadEntries(ini);
}

void TskData::ReadEntries(const skin::IniText& ini) {
  ReadEntryList(ini, "SKINOBJECTS", skin::CreateSkinObject, skin_objects_);
  ReadEntryList(ini, "SKINCONTROLS", skin::CreateSkinControl, skin_controls_);
}

void TskData::ClearSkin() {
  skin_objects_.clear();
  skin_controls_.clear();
  active_pictures_.clear();
  active_picture_names_.clear();
  main_bitmap_ = {};
  inactive_bitmap_ = {};
  mask_bitmap_ = {};
  main_bitmap_name_.clear();
  inactive_bitmap_name_.clear();
  mask_bitmap_name_.clear();
  skin_info_ = {};
  form_info_ = {};
  popup_window_ = {};
  hint_window_ = {};
  skin_empty_ = true;
}

int TskData::GetControlIndex(std::string_view name) const { return IndexOf(skin_controls_, name); }

int TskData::GetObjectIndex(std::string_view name) const { return IndexOf(skin_objects_, name); }

const TskDataSkinControl* TskData::FindControl(std::string_view name) const {
  const int index = GetControlIndex(name);
  return index < 0 ? nullptr : skin_controls_[static_cast<std::size_t>(index)].get();
}

void TskData::BroadcastToForms(skin::SkinMessage message) { forms_.Broadcast(owner_, message, *this); }
