// The HUD's message feed keeps ten line breaks, dropping whole old lines.
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

} // namespace
