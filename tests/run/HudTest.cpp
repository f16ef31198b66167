// The HUD's message feed keeps ten line breaks, dropping whole old lines.
#include "run/Hud.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

long lineBreaks(const std::string& text) {
    return std::count(text.begin(), text.end(), '\n');
}

TEST(MessageFeed, KeepsTheLastTenLineBreaks) {
    Hud hud;
    for (int i = 1; i <= 5; i++)
        hud.pushMessage("- message " + std::to_string(i) + "\n\n");
    EXPECT_EQ(lineBreaks(hud.messageLog), 10);
    EXPECT_EQ(hud.messageLog.rfind("- message 1\n\n", 0), 0u);

    // The sixth drops the first message with both of its line breaks.
    hud.pushMessage("- message 6\n\n");
    EXPECT_EQ(lineBreaks(hud.messageLog), 10);
    EXPECT_EQ(hud.messageLog.rfind("- message 2\n\n", 0), 0u);
    EXPECT_EQ(hud.messageText.getString().toAnsiString(), hud.messageLog);
}

TEST(MessageFeed, TrimsByLinesNotByMessages) {
    Hud hud;
    hud.pushMessage("a\nb\nc\nd\ne\nf\ng\nh\ni\n"); // nine: nothing to drop
    EXPECT_EQ(hud.messageLog, "a\nb\nc\nd\ne\nf\ng\nh\ni\n");
    hud.pushMessage("j\nk\nl\n"); // twelve: the two oldest lines go
    EXPECT_EQ(hud.messageLog, "c\nd\ne\nf\ng\nh\ni\nj\nk\nl\n");
    hud.pushMessage("tail without a break");
    EXPECT_EQ(hud.messageLog, "c\nd\ne\nf\ng\nh\ni\nj\nk\nl\ntail without a break");
}

TEST(MessageFeed, EveryNewHudStartsEmpty) {
    Hud hud;
    hud.pushMessage("Good luck\n\n");
    hud = Hud();
    EXPECT_TRUE(hud.messageLog.empty());
    EXPECT_EQ(hud.messageText.getPosition(), sf::Vector2f(20, 817));
    EXPECT_EQ(hud.messageText.getCharacterSize(), 21u);
}

TEST(FormatTime, MinutesAndSecondsThenHoursPastSixtyMinutes) {
    const std::pair<int, const char*> examples[] = {
        {0, "00:00"},   {10, "00:10"},  {75, "01:15"},   {599, "09:59"},    {3599, "59:59"},
        {3600, "60:00"}, {3659, "60:59"}, {3660, "1:01:00"}, {36000, "10:00:00"},
    };
    for (const auto& [seconds, text] : examples)
        EXPECT_EQ(formatTime(seconds), text) << seconds;
}

} // namespace
