// The HUD's message feed keeps ten line breaks, dropping whole old lines; the clock's format.
#include "run/Hud.hpp"

#include <gtest/gtest.h>

namespace {

TEST(MessageFeed, KeepsTheLastTenLineBreaks) {
    Hud hud;
    for (int i = 1; i <= 6; i++) // the sixth drops the first message with both of its breaks
        hud.pushMessage("- message " + std::to_string(i) + "\n\n");
    EXPECT_EQ(hud.messageLog, "- message 2\n\n- message 3\n\n- message 4\n\n- message 5\n\n- message 6\n\n");
    EXPECT_EQ(hud.messageText.getString().toAnsiString(), hud.messageLog);

    hud = Hud(); // every run starts with an empty feed
    hud.pushMessage("a\nb\nc\nd\ne\nf\ng\nh\ni\n"); // nine: nothing to drop
    EXPECT_EQ(hud.messageLog, "a\nb\nc\nd\ne\nf\ng\nh\ni\n");
    hud.pushMessage("j\nk\nl\n"); // twelve: the two oldest lines go
    hud.pushMessage("tail without a break");
    EXPECT_EQ(hud.messageLog, "c\nd\ne\nf\ng\nh\ni\nj\nk\nl\ntail without a break");
}

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
