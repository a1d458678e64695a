#pragma once
#include <vector>

class TskData;

namespace skin {

// What a skin data holder tells the windows around a load.
enum class SkinMessage {
  SkinChanging = 1225,  // drop the skinned look: the old skin is going away
  SkinChanged = 1226,   // wear the new skin
  SkinAfterChange = 1227,
};

// The second parameter every skin message carries.
inline constexpr int kSkinMessageParameter = 1000;

// A window that wears a skin.
class SkinListener {
 public:
  virtual ~SkinListener() = default;
  virtual void OnSkinMessage(SkinMessage message, TskData& skin_data, int parameter) = 0;
};

// The windows of the program that listen for skin messages.
class SkinForms {
 public:
  // The program's own list, which every window joins.
  static SkinForms& Application();

  void Add(SkinListener& listener);
  void Remove(SkinListener& listener);
  bool Contains(const SkinListener& listener) const;

  // Sends the message to `owner` first when there is one, then to every
  // other window. A window that leaves while the message goes round is not
  // called after it has left.
  void Broadcast(SkinListener* owner, SkinMessage message, TskData& skin_data) const;

 private:
  std::vector<SkinListener*> listeners_;
};

// A window's membership of a SkinForms list, for as long as it lives.
class SkinFormMembership {
 public:
  explicit SkinFormMembership(SkinListener& listener, SkinForms& forms = SkinForms::Application())
      : listener_(listener), forms_(forms) {
    forms_.Add(listener_);
  }
  ~SkinFormMembership() { forms_.Remove(listener_); }
  SkinFormMembership(const SkinFormMembership&) = delete;
  SkinFormMembership& operator=(const SkinFormMembership&) = delete;

 private:
  SkinListener& listener_;
  SkinForms& forms_;
};

}  // namespace skin
