// Practice of one attack: it starts as a real fight has the programme in the pause
// before that attack, ends a moment after the attack, and counts for nothing.
#include "app/GameContext.hpp"
#include "app/ScreenFlow.hpp"
#include "boss/DieSentry.hpp"
#include "persistence/SaveData.hpp"
#include "replay/Replay.hpp"
#include "run/Practice.hpp"
#include "run/RunSetup.hpp"
#include "support/PracticeState.hpp"
#include "support/RunScenario.hpp"
#include "support/ScreenDriver.hpp"

#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// The attack and the fields of the programme that no chance of the fight decides, in the order
// of the record. Left out, since they depend on what the fight went through: the
// pattern drawn and its counters (pattern, patternBusy, ringsLeft, rainLeft,
// spiralLeft, fansLeft, spiralAngle, spiralDirection, burstAngle), the animation
// (animTimer, animating, frame) and the spin.
auto settingsOf(const DieSentry& b) {
    return std::tie(b.attack, b.nextAttack, b.moveSpeed,    b.patternRadius,  b.patternGap,    b.pauseLength,    b.destination.x, b.destination.y,
            b.ringInterval, b.ringCount,      b.ringSpeed,     b.ringRange,      b.ringDamage,    b.fanInterval,
            b.fanCount,     b.fanSpeed,       b.fanRange,      b.fanTurnRate,    b.fanDamage,     b.rainInterval,
            b.rainCount,    b.rainFuse,       b.rainDamage,    b.spiralInterval, b.spiralCount,   b.bladeSpeed,
            b.bladeRange,   b.bladeDamage,    b.burstInterval, b.wavesLeft,      b.burstsPerWave, b.burstsLeft,
            b.ballSpeed,    b.ballRange,      b.ballDamage,    b.waveGap);
}

class Practice : public RunScenario {
protected:
    PracticeState state;

    DieSentry& boss() { return game::dieSentries.at(0); }

    // Run frames, the player kept alive, until the boss is in the state asked.
    void playUntil(const std::function<bool(const DieSentry&)>& reached) {
        for (int played = 0; played < 20000 && !reached(boss()); played++) {
            game::player.health = game::playerMaxHealth;
            frame();
        }
        ASSERT_TRUE(reached(boss()));
    }

    void startPractice(std::int32_t attack) {
        game::practiceAttack = attack;
        startTestRun(game::BossFight, 7); // the real fight's seed: attack 1 is the fight's own opening
    }
};

bool inPauseBefore(const DieSentry& boss, std::int32_t attack) {
    return attack == 1 ? boss.attack == 0 : boss.attack == -1 && boss.nextAttack == attack;
}

// One real fight, looked at in the pause before each attack; a practice of each
// attack, looked at as it starts.
TEST_F(Practice, EachAttackStartsAsTheRealFightHasItInThePauseBeforeIt) {
    std::vector<DieSentry> pause;
    startTestRun(game::BossFight, 7);
    for (std::int32_t attack = 1; attack <= 4; attack++) {
        playUntil([attack](const DieSentry& b) { return inPauseBefore(b, attack); });
        pause.push_back(boss());
        // The theme starts where the fight has it; each change of the programme may
        // drop up to a frame's remainder in the fight.
        EXPECT_NEAR(game::player.runTime, secondsBefore(attack), oneFrame * float(2 * attack)) << attack;
    }

    for (std::int32_t attack = 1; attack <= 4; attack++) {
        const DieSentry& fight = pause[attack - 1];
        startPractice(attack);
        EXPECT_NEAR(game::musicSound.getPlayingOffset().asSeconds(), secondsBefore(attack), 0.25f) << attack;
        EXPECT_NEAR(boss().attackTimer, fight.attackTimer, oneFrame) << attack;
        EXPECT_EQ(settingsOf(boss()), settingsOf(fight)) << attack;
        // Where the fight's boss waits depends on the player before attack 2: the
        // practice places it at the arena centre, where the pause takes it.
        EXPECT_EQ(boss().position, sf::Vector2f(1128, 450)) << attack;
    }
}

std::string fileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// In a real fight each attack is written down as it is reached; a victory reaches
// them all. A damaged file counts none and is kept aside as it was, as a damaged
// save is.
TEST_F(Practice, AttacksReachedInRealFightsAreKeptBesideTheSave) {
    const std::string path = practice::reachedPath();
    EXPECT_EQ(practice::attacksReached(), 0); // no file yet
    for (const std::string text : {"three\n", "5\n"}) {
        std::ofstream(path, std::ios::binary) << text;
        EXPECT_EQ(practice::attacksReached(), 0) << text;
        EXPECT_EQ(fileText(path + ".damaged"), text) << text;
    }

    startTestRun(game::BossFight);
    playUntil([](const DieSentry& b) { return b.attack == 1; });
    EXPECT_EQ(fileText(path), "1\n");

    game::saveData.timesBeatenDieSentry = 1;
    EXPECT_EQ(practice::attacksReached(), 4);
}

// Through the outer loop, an attack jumped to its last tenth of a second: its end is
// told, the run goes back to the practice screen, and the save, the attacks reached
// and the kept victories are as they were.
TEST(PracticeFlow, AnAttackSurvivedReturnsToThePracticeScreenAndChangesNothingSaved) {
    const PracticeState state;
    loadGameAssets();
    ScreenDriver driver;
    useTestTextures();
    std::ofstream(practice::reachedPath(), std::ios::binary) << "1\n"; // below the attack practised last
    game::saveData.save();
    const std::string saved = fileText(game::folders.savePath);
    // The first attack and the last, whose end leaves no attack after it.
    for (const auto& [attack, length] : {std::pair{1, 60.0f}, std::pair{4, 50.0f}}) {
        const std::string row = attackName(attack);
        game::difficulty = game::BossFight;
        game::practiceAttack = attack;
        driver.script.keys.clear();
        driver.script.framesEnded = 0;
        int practiceScreenFrames = 0;
        std::string told;
        driver.step = [&, attack = attack, length = length](int frame) {
            if (frame == 1) {
                game::dieSentries.at(0).attack = attack;
                game::dieSentries.at(0).attackTimer = length - 0.1f;
            }
            if (game::runActive)
                game::player.health = game::playerMaxHealth;
            if (!game::dieSentries.empty())
                told = game::hud.messageLog;
            else if (++practiceScreenFrames == 3)
                driver.script.keys = {sf::Keyboard::Key::Escape};
        };
        playOneRun();
        EXPECT_NE(told.find(row + " survived"), std::string::npos) << row;
        EXPECT_GE(practiceScreenFrames, 3) << row;
        game::saveData.save();
        EXPECT_EQ(fileText(game::folders.savePath), saved) << row;
        // Won, yet only the last run, which says what it practised.
        Replay last;
        EXPECT_TRUE(replay::load(replay::Kept::Last, last) && last.practiceAttack == attack) << row;
        EXPECT_FALSE(std::ifstream(replay::pathOf(replay::Kept::LatestVictory)).is_open()) << row;
    }
    EXPECT_EQ(fileText(practice::reachedPath()), "1\n");
}

} // namespace
