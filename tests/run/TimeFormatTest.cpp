// The clock's format: minutes and seconds, hours only past an hour.
#include "run/TimeFormat.hpp"

#include <gtest/gtest.h>

#include <utility>

namespace {

TEST(FormatTime, MinutesAndSecondsThenHoursPastSixtyMinutes) {
    const std::pair<int, const char*> examples[] = {
        {0, "00:00"},
        {10, "00:10"},
        {69, "01:09"},
        {75, "01:15"},
        {599, "09:59"},
        {3600, "60:00"},
        {3659, "60:59"},
        {3660, "1:01:00"},
        {36000, "10:00:00"},
    };
    for (const auto& [seconds, text] : examples)
        EXPECT_EQ(formatTime(seconds), text) << seconds;
}

} // namespace
