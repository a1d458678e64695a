#pragma once
#include "skin/SkinObjects.h"
#include "skin/TskData.h"

// Finding the parts of a skin that no control names by its SkinDataName:
// object entries, the popup and the hint window.
namespace skin::qt {

template <typename Entry>
const Entry* ObjectNamed(const TskData& data, const char* name) {
  const int index = data.GetObjectIndex(name);
  return index < 0 ? nullptr : dynamic_cast<const Entry*>(data.SkinObjects()[static_cast<std::size_t>(index)].get());
}

inline bool HasActivePicture(const TskData& data, int index) {
  return index >= 0 && index < static_cast<int>(data.ActivePictures().size());
}

inline bool PopupSkinned(const TskData& data) { return HasActivePicture(data, data.PopupWindow().WindowPictureIndex); }
inline bool HintSkinned(const TskData& data) { return HasActivePicture(data, data.HintWindow().WindowPictureIndex); }

}  // namespace skin::qt
