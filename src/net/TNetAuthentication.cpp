#include "net/TNetAuthentication.h"

#include "net/Base64.h"
#include "net/NetText.h"

std::string TNetAuthentication::ChallengeFor(std::string_view scheme) const {
  for (const std::string& challenge : challenges_) {
    std::string_view rest = challenge;
    if (net_text::SameText(net_text::Fetch(rest, " "), scheme)) return challenge;
  }
  return {};
}

std::string TNetBasicAuthentication::Authentication() const {
  return "Basic " + Base64Encode(Username + ":" + Password);
}

TNetAuthentication::TNextStep TNetBasicAuthentication::Next() {
  const std::string challenge = ChallengeFor("Basic");
  std::string_view challenge_text = challenge;
  net_text::Fetch(challenge_text, " ");
  while (!challenge_text.empty()) Params.Add(std::string(net_text::Fetch(challenge_text, ", ")));

  // The realm arrives quoted; the quotes are not part of it.
  std::string realm;
  for (const std::string& line : Params.Lines()) {
    std::string_view item = line;
    if (net_text::SameText(net_text::Fetch(item, "="), "realm")) {
      realm = std::string(item);
      break;
    }
  }
  Realm = realm.size() >= 2 ? realm.substr(1, realm.size() - 2) : "";
  return Username.empty() ? TNextStep::AskTheProgram : TNextStep::DoRequest;
}

std::unique_ptr<TNetAuthentication> CreateAuthentication(std::string_view name) {
  if (net_text::SameText(name, "Basic")) return std::make_unique<TNetBasicAuthentication>();
  return nullptr;
}

std::string AuthorizationValue(std::unique_ptr<TNetAuthentication>& attached,
                               bool basic_authentication, const std::string& username,
                               const std::string& password) {
  if (!attached) {
    if (!basic_authentication) return {};
    attached = std::make_unique<TNetBasicAuthentication>();
    attached->Username = username;
    attached->Password = password;
  }
  return attached->Authentication();
}
