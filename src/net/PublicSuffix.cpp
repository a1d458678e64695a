#include "net/PublicSuffix.h"

#include <libpsl.h>

#include <string>

#include "net/NetText.h"

bool IsPublicSuffix(std::string_view domain) {
  // The list is matched as C text: a NUL inside the name would hide the
  // labels after it, so such a name is taken for the worst case.
  if (domain.find('\0') != std::string_view::npos) return true;
  // The list holds lower-case names; "COM" would only meet the default rule.
  const std::string name = net_text::LowerCase(domain);
  return psl_is_public_suffix(psl_builtin(), name.c_str()) != 0;
}
