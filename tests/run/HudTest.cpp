// The HUD's message feed keeps ten line breaks, dropping whole old lines.
#include "run/Hud.hpp"

#include <gtest/gtest.h>

namespace {

TEST(MessageFeed, KeepsTheLastTenLineBreaks) {
    Hud hud;
    hud.pushMessage("a\nb\nc\nd\ne\nf\ng\nh\ni\n"); // nine: nothing to drop
    EXPECT_EQ(hud.messageLog, "a\nb\nc\nd\ne\nf\ng\nh\ni\n");
    hud.pushMessage("j\nk\nl\n"); // twelve: the two oldest lines go
    hud.pushMessage("tail without a break");
    EXPECT_EQ(hud.messageLog, "c\nd\ne\nf\ng\nh\ni\nj\nk\nl\ntail without a break");
    EXPECT_EQ(hud.messageText.getString().toAnsiString(), hud.messageLog);
}

} // namespace
