#include "skin/SkinMessages.h"

#include <algorithm>

namespace skin {

SkinForms& SkinForms::Application() {
  static SkinForms forms;
  return forms;
}

void SkinForms::Add(SkinListener& listener) {
  if (!Contains(listener)) listeners_.push_back(&listener);
}

void SkinForms::Remove(SkinListener& listener) { std::erase(listeners_, &listener); }

bool SkinForms::Contains(const SkinListener& listener) const {
  return std::find(listeners_.begin(), listeners_.end(), &listener) != listeners_.end();
}

void SkinForms::Broadcast(SkinListener* owner, SkinMessage message, TskData& skin_data) const {
  if (owner != nullptr) owner->OnSkinMessage(message, skin_data, kSkinMessageParameter);
  // A window may close, or open another, while it handles the message; go
  // round a copy and skip those that have left.
  const std::vector<SkinListener*> everyone = listeners_;
  for (SkinListener* listener : everyone) {
    if (listener == owner || !Contains(*listener)) continue;
    listener->OnSkinMessage(message, skin_data, kSkinMessageParameter);
  }
}

}  // namespace skin
