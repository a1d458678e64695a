#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "platform/Conversion.h"
#include "platform/TimeZone.h"

namespace {

TEST(ReadInteger, WholeDecimalNumbersOnly) {
  EXPECT_EQ(platform::ReadInteger("12"), 12);
  EXPECT_EQ(platform::ReadInteger("  -7"), -7);
  EXPECT_EQ(platform::ReadInteger("+7"), 7);
  EXPECT_EQ(platform::ReadInteger("2147483647"), 2147483647);
  EXPECT_EQ(platform::ReadInteger("-2147483648"), -2147483647 - 1);
  for (const char* text : {"", " ", "+", "-", "+-1", "1 ", "1x", "0x10", "2147483648", "1e3"})
    EXPECT_FALSE(platform::ReadInteger(text).has_value()) << text;
  EXPECT_EQ(platform::ReadInteger64("9223372036854775807"), 9223372036854775807LL);
  EXPECT_FALSE(platform::ReadInteger64("9223372036854775808").has_value());
}

TEST(IntegerFromText, NamesTheTextInItsError) {
  EXPECT_EQ(platform::IntegerFromText("80"), 80);
  try {
    platform::IntegerFromText("8o");
    FAIL() << "no exception";
  } catch (const platform::ConversionError& e) {
    EXPECT_STREQ(e.what(), "'8o' is not a valid integer value");
  }
}

TEST(CurrentUtcOffset, FollowsTZ) {
  const char* old = std::getenv("TZ");
  const std::string saved = old ? old : "";
  setenv("TZ", "<NPT>-5:45", 1);
  EXPECT_EQ(platform::CurrentUtcOffset(), std::chrono::seconds(5 * 3600 + 45 * 60));
  setenv("TZ", "UTC", 1);
  EXPECT_EQ(platform::CurrentUtcOffset(), std::chrono::seconds(0));
  if (old)
    setenv("TZ", saved.c_str(), 1);
  else
    unsetenv("TZ");
  tzset();
}

}  // namespace
