#include "net/InternetDate.h"

#include <gtest/gtest.h>

#include <chrono>

#include "net/ScopedTimeZone.h"

namespace {

using namespace std::chrono;

struct ReferenceDate {
  const char* text;
  long long utc_seconds;
};

// Real-world texts and the moments Python's email.utils (parsedate_tz and
// mktime_tz) gives for them.
constexpr ReferenceDate kReferenceDates[] = {
    {"Sun, 06 Nov 1994 08:49:37 GMT", 784111777},
    {"Sunday, 06-Nov-94 08:49:37 GMT", 784111777},
    {"Sun Nov  6 08:49:37 1994", 784111777},
    {"Wed, 21 Oct 2015 07:28:00 GMT", 1445412480},
    {"wed, 21 oct 2015 07:28:00 gmt", 1445412480},
    {"Thu, 01 Jan 1970 00:00:00 GMT", 0},
    {"Fri, 01 Jan 1971 00:00:00 +0000", 31536000},
    {"Mon, 31 Dec 2029 23:59:59 -0800", 1893484799},
    {"Fri, 29 Feb 2008 12:00:00 +0530", 1204266600},
    {"Sat, 1 Jan 2000 00:00:00 GMT", 946684800},
    {"Thu, 31-Dec-2037 23:55:55 GMT", 2145916555},
    {"Tue, 09 Jun 2026 10:18:14 UTC", 1781000294},
    {"Sun, 06 Nov 1994 08:49:37 -0000", 784111777},
    {"Mon, 04 Mar 2019 23:30:00 +1345", 1551692700},
    {"Sat Mar  9 12:00:00 2024", 1709985600},
    {"Tue, 29 Feb 2000 06:07:08 +0000", 951804428},
    {"Fri, 31 Dec 1999 23:59:59 GMT", 946684799},
    {"Mon, 01 Jan 2001 00:00:00 -1200", 978350400},
    {"Wed, 15 Jun 2022 10:00:00 +0200", 1655280000},
    {"Thu, 1 Jan 1981 5:06:07 GMT", 347173567},
    {"Sat, 1 Jan 9999 23:59:59 GMT", 253370851199},
    // The year after the time, then a zone: the zone is read as in the
    // other forms instead of spoiling the year.
    {"Sun Nov  6 08:49:37 1994 GMT", 784111777},
    {"Sun Nov  6 08:49:37 1994 +0100", 784108177},
    {"Sat Mar  9 12:00:00 2024 -0500", 1710003600},
};

long long Seconds(const std::optional<TNetLocalTime>& moment) {
  return moment ? moment->time_since_epoch().count() : -1;
}

TEST(ReadInternetDate, AgreesWithTheReferenceUnderUtc) {
  ScopedTimeZone utc("UTC");
  for (const ReferenceDate& date : kReferenceDates)
    EXPECT_EQ(Seconds(ReadInternetDate(date.text)), date.utc_seconds) << date.text;
}

TEST(ReadInternetDate, ConvertsWithTheOffsetInForceNow) {
  ScopedTimeZone berlin("Europe/Berlin");
  const long offset = ScopedTimeZone::OffsetNowSeconds();
  ASSERT_TRUE(offset == 3600 || offset == 7200);
  // Summer dates too: the offset of the day itself does not enter.
  for (const ReferenceDate& date : kReferenceDates)
    EXPECT_EQ(Seconds(ReadInternetDate(date.text)), date.utc_seconds + offset) << date.text;
}

TEST(ReadInternetDate, TwoDigitYearsSplitAtEighty) {
  ScopedTimeZone utc("UTC");
  const auto year_of = [](const char* text) {
    const auto moment = ReadInternetDate(text);
    return moment ? static_cast<int>(year_month_day(floor<days>(*moment)).year()) : 0;
  };
  EXPECT_EQ(year_of("Sunday, 06-Nov-79 08:49:37 GMT"), 2079);
  EXPECT_EQ(year_of("Sunday, 06-Nov-80 08:49:37 GMT"), 1980);
  EXPECT_EQ(year_of("Sun, 06 Nov 99 08:49:37 GMT"), 1999);
  EXPECT_EQ(year_of("Sun, 06 Nov 00 08:49:37 GMT"), 2000);
  EXPECT_EQ(year_of("Sun, 06 Nov 100 08:49:37 GMT"), 100);
}

TEST(ReadInternetDate, LenientPartsAndUnreadableTexts) {
  ScopedTimeZone utc("UTC");
  // A day that is not a number counts as the first.
  EXPECT_EQ(Seconds(ReadInternetDate("Sun, xx Nov 1994 00:00:00 GMT")),
            Seconds(ReadInternetDate("Tue, 01 Nov 1994 00:00:00 GMT")));
  // No time: midnight. An unreadable zone counts as UTC.
  EXPECT_EQ(Seconds(ReadInternetDate("06 Nov 1994")), 784080000);
  EXPECT_EQ(Seconds(ReadInternetDate("06 Nov 1994 08:49:37 +01:00")), 784111777);
  EXPECT_EQ(Seconds(ReadInternetDate("06 Nov 1994 08:49:37 EST")), 784111777);

  for (const char* text : {"", "   ", "Sun", "garbage", "31 Feb 2001 00:00:00 GMT",
                           "06 Foo 1994 08:49:37 GMT", "06 Nov 1994 25:00:00 GMT",
                           "06 Nov 10000 08:49:37 GMT", "0 Nov 1994", "-1"})
    EXPECT_FALSE(ReadInternetDate(text).has_value()) << text;
}

TEST(InternetDateText, WritesLocalTimeWithTheOffsetNow) {
  const TNetLocalTime moment = local_days(1994y / November / 6) + 8h + 49min + 37s;
  {
    ScopedTimeZone utc("UTC");
    EXPECT_EQ(InternetDateText(moment), "Sun, 6 Nov 1994 08:49:37 +0000");
    EXPECT_EQ(InternetDateText(local_days(2024y / February / 29)), "Thu, 29 Feb 2024 00:00:00 +0000");
    EXPECT_EQ(InternetDateText(local_days(99y / January / 1)), "Thu, 1 Jan 0099 00:00:00 +0000");
  }
  {
    ScopedTimeZone india("Asia/Kolkata");
    EXPECT_EQ(InternetDateText(moment), "Sun, 6 Nov 1994 08:49:37 +0530");
  }
  {
    ScopedTimeZone newfoundland("<NST>3:30");
    EXPECT_EQ(InternetDateText(moment), "Sun, 6 Nov 1994 08:49:37 -0330");
  }
}

TEST(InternetDateText, ReadsBackToTheSameMoment) {
  ScopedTimeZone berlin("Europe/Berlin");
  const TNetLocalTime moment = local_days(2031y / July / 4) + 23h + 1min + 2s;
  EXPECT_EQ(ReadInternetDate(InternetDateText(moment)), moment);
}

}  // namespace
