#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "net/TNetHeaderList.h"

// One authentication scheme's state for a request: the credentials, the
// server's challenge and the "Authorization" value it answers with.
class TNetAuthentication {
 public:
  // What the exchange should do after a challenge.
  enum class TNextStep { DoRequest, Fail, AskTheProgram };

  virtual ~TNetAuthentication() = default;

  virtual std::string Authentication() const = 0;  // the header value
  virtual TNextStep Next() = 0;
  virtual int Steps() const = 0;
  int CurrentStep() const { return current_step_; }
  virtual void Reset() { current_step_ = 0; }

  // The challenge values of the answer ("WWW-Authenticate" or
  // "Proxy-Authenticate"), in order.
  void SetChallenges(std::vector<std::string> challenges) {
    challenges_ = std::move(challenges);
  }

  std::string Username;
  std::string Password;
  TNetHeaderList Params;  // "name=value" lines the scheme keeps

 protected:
  // The challenge whose first word is `scheme`, or empty.
  std::string ChallengeFor(std::string_view scheme) const;

  int current_step_ = 0;

 private:
  std::vector<std::string> challenges_;
};

class TNetBasicAuthentication : public TNetAuthentication {
 public:
  // "Basic " + Base64 of user name ":" password.
  std::string Authentication() const override;
  TNextStep Next() override;
  int Steps() const override { return 1; }

  std::string Realm;
};

// The scheme registered under `name` (compared without case), or none. Only
// "Basic" is known.
std::unique_ptr<TNetAuthentication> CreateAuthentication(std::string_view name);

// The value of an "Authorization" (or "Proxy-Authorization") line: the
// attached authenticator's, or, when Basic authentication is asked for and
// none is attached, that of a Basic authenticator attached now with the
// given credentials. Empty when there is nothing to send.
std::string AuthorizationValue(std::unique_ptr<TNetAuthentication>& attached,
                               bool basic_authentication, const std::string& username,
                               const std::string& password);
