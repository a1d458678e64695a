#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Bitmap.h"
#include "skin/SkinControls.h"
#include "skin/SkinMessages.h"
#include "skin/SkinObjects.h"
#include "skin/SkinWindowData.h"
#include "skin/TskCompressedStoredSkin.h"

namespace skin {
class IniText;
class ByteReader;
}

// The informational texts of section VERSION.
struct TskSkinInfo {
  std::string SkinName;
  std::string SkinAuthor;
  std::string AuthorEmail;
  std::string AuthorURL;
  std::string SkinComments;
};

// One set of skin data: pictures, frame values and the entries that skinned
// controls look up by name. Every window of the program is told, through
// skin::SkinForms, when it changes.
class TskData {
 public:
  // `owner` is the window the holder sits on; it hears every skin message
  // before the other windows do.
  explicit TskData(skin::SkinListener* owner = nullptr,
                   skin::SkinForms& forms = skin::SkinForms::Application());
  ~TskData();
  TskData(const TskData&) = delete;
  TskData& operator=(const TskData&) = delete;

  // Loads a compressed skin file ("dbskin.dat"); a file whose version is
  // above 3 changes nothing. Failures propagate as exceptions.
  void LoadFromCompressedFile(const std::string& path);
  // Applies a stored skin; an empty one changes nothing.
  void LoadCompressedStoredSkin(const TskCompressedStoredSkin& stored);

  // Refers to a stored skin and applies it. The reference is cleared when
  // the stored skin goes away.
  void SetCompressedStoredSkin(TskCompressedStoredSkin* stored);
  TskCompressedStoredSkin* CompressedStoredSkin() const { return compressed_stored_skin_; }

  void ClearSkin();

  // The first entry whose IDName equals `name` exactly, letter case
  // included; -1 when there is none.
  int GetControlIndex(std::string_view name) const;
  int GetObjectIndex(std::string_view name) const;
  // The entry GetControlIndex finds, or none.
  const TskDataSkinControl* FindControl(std::string_view name) const;

  void BroadcastToForms(skin::SkinMessage message);

  bool SkinEmpty() const { return skin_empty_; }
  const platform::Bitmap& MainBitmap() const { return main_bitmap_; }
  const platform::Bitmap& InactiveBitmap() const { return inactive_bitmap_; }
  const platform::Bitmap& MaskBitmap() const { return mask_bitmap_; }
  const std::string& MainBitmapName() const { return main_bitmap_name_; }
  const std::string& InactiveBitmapName() const { return inactive_bitmap_name_; }
  const std::string& MaskBitmapName() const { return mask_bitmap_name_; }
  const std::vector<platform::Bitmap>& ActivePictures() const { return active_pictures_; }
  const std::vector<std::string>& ActivePictureNames() const { return active_picture_names_; }
  const TskSkinInfo& SkinInfo() const { return skin_info_; }
  const TskDataSkinFormInfo& FormInfo() const { return form_info_; }
  const TskDataSkinPopupWindow& PopupWindow() const { return popup_window_; }
  const TskDataSkinHintWindow& HintWindow() const { return hint_window_; }
  const std::vector<std::unique_ptr<TskDataSkinObject>>& SkinObjects() const { return skin_objects_; }
  const std::vector<std::unique_ptr<TskDataSkinControl>>& SkinControls() const { return skin_controls_; }

 private:
  friend class TskCompressedStoredSkin;
  void ForgetCompressedStoredSkin();

  void ReadPictures(skin::ByteReader& stream, int version);
  void ReadIniText(const skin::IniText& ini);
  void ReadEntries(const skin::IniText& ini);

  skin::SkinListener* owner_;
  skin::SkinForms& forms_;
  TskCompressedStoredSkin* compressed_stored_skin_ = nullptr;

  bool skin_empty_ = true;
  platform::Bitmap main_bitmap_, inactive_bitmap_, mask_bitmap_;
  std::string main_bitmap_name_, inactive_bitmap_name_, mask_bitmap_name_;
  std::vector<platform::Bitmap> active_pictures_;
  std::vector<std::string> active_picture_names_;
  TskSkinInfo skin_info_;
  TskDataSkinFormInfo form_info_;
  TskDataSkinPopupWindow popup_window_;
  TskDataSkinHintWindow hint_window_;
  std::vector<std::unique_ptr<TskDataSkinObject>> skin_objects_;
  std::vector<std::unique_ptr<TskDataSkinControl>> skin_controls_;
};
