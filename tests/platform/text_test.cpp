#include <gtest/gtest.h>

#include "platform/Text.h"

namespace {

TEST(SameTextIgnoringCase, ComparesLettersOfAnyAlphabet) {
  EXPECT_TRUE(platform::SameTextIgnoringCase("work", "Work"));
  EXPECT_TRUE(platform::SameTextIgnoringCase("12/13/2007-9:00 am", "12/13/2007-9:00 AM"));
  EXPECT_TRUE(platform::SameTextIgnoringCase("café", "CAFÉ"));
  EXPECT_TRUE(platform::SameTextIgnoringCase("œuvre", "ŒUVRE"));
  EXPECT_TRUE(platform::SameTextIgnoringCase("", ""));
  EXPECT_FALSE(platform::SameTextIgnoringCase("work", "works"));
  EXPECT_FALSE(platform::SameTextIgnoringCase("cafe", "café"));
}

}  // namespace
