// Practice of one attack: it starts as a real fight has the programme in the pause
// before that attack, ends a moment after the attack, and counts for nothing.
#include "app/GameContext.hpp"
#include "app/ScreenFlow.hpp"
#include "boss/DieSentry.hpp"
#include "persistence/SaveData.hpp"
#include "replay/Replay.hpp"
#include "run/Practice.hpp"
#include "run/RunSetup.hpp"
#include "support/RunScenario.hpp"
#include "support/ScreenDriver.hpp"

#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Moment {
    DieSentry boss;
    float fightSeconds = 0; // the run clock, which the theme follows in a real fight
    int laserSentries = 0;
};

// The fields of the programme that no chance of the fight decides, in the order
// of the record. Left out, since they depend on what the fight went through: the
// pattern drawn and its counters (pattern, patternBusy, ringsLeft, rainLeft,
// spiralLeft, fansLeft, spiralAngle, spiralDirection, burstAngle), the animation
// (animTimer, animating, frame) and the spin.
template <typename... Numbers>
std::vector<double> numbers(Numbers... each) {
    return {double(each)...};
}

std::vector<double> settingsOf(const DieSentry& b) {
    return numbers(b.moveSpeed,    b.patternRadius,  b.patternGap,    b.pauseLength,    b.destination.x, b.destination.y,
            b.ringInterval, b.ringCount,      b.ringSpeed,     b.ringRange,      b.ringDamage,    b.fanInterval,
            b.fanCount,     b.fanSpeed,       b.fanRange,      b.fanTurnRate,    b.fanDamage,     b.rainInterval,
            b.rainCount,    b.rainFuse,       b.rainDamage,    b.spiralInterval, b.spiralCount,   b.bladeSpeed,
            b.bladeRange,   b.bladeDamage,    b.burstInterval, b.wavesLeft,      b.burstsPerWave, b.burstsLeft,
            b.ballSpeed,    b.ballRange,      b.ballDamage,    b.waveGap);
}

class Practice : public RunScenario {
protected:
    std::int32_t beaten = game::saveData.timesBeatenDieSentry;

    void SetUp() override {
        RunScenario::SetUp();
        game::saveData.timesBeatenDieSentry = 0; // a victory would have reached every attack
    }
    void TearDown() override {
        RunScenario::TearDown();
        game::saveData.timesBeatenDieSentry = beaten;
        game::practiceAttack = 0;
        std::remove(practice::reachedPath().c_str());
        std::remove((practice::reachedPath() + ".damaged").c_str());
    }

    DieSentry& boss() { return game::dieSentries.at(0); }

    // Run frames, the player kept alive, until the boss is in the state asked.
    void playUntil(const std::function<bool(const DieSentry&)>& reached) {
        for (int played = 0; played < 20000 && !reached(boss()); played++) {
            game::player.health = game::playerMaxHealth;
            frame();
        }
        ASSERT_TRUE(reached(boss()));
    }

    Moment now() const {
        return {game::dieSentries.at(0), game::player.runTime, int(game::laserSentries.size())};
    }

    void startPractice(std::int32_t attack) {
        game::practiceAttack = attack;
        startTestRun(game::BossFight, 7); // the real fight's seed: attack 1 is the fight's own opening
    }
};

bool inPauseBefore(const DieSentry& boss, std::int32_t attack) {
    return attack == 1 ? boss.attack == 0 : boss.attack == -1 && boss.nextAttack == attack;
}

// One real fight, looked at in the pause before each attack and on each attack's
// first frame; a practice of each attack, looked at in the same two moments.
TEST_F(Practice, EachAttackStartsAsTheRealFightHasItInThePauseBeforeIt) {
    Moment pause[5], begun[5];
    startTestRun(game::BossFight, 7);
    for (std::int32_t attack = 1; attack <= 4; attack++) {
        playUntil([attack](const DieSentry& b) { return inPauseBefore(b, attack); });
        pause[attack] = now();
        playUntil([attack](const DieSentry& b) { return b.attack == attack; });
        begun[attack] = now();
    }

    for (std::int32_t attack = 1; attack <= 4; attack++) {
        const std::string row = attackName(attack);
        startPractice(attack);
        const Moment practisedPause = now();
        // The theme starts where the fight has it; each change of the programme may
        // drop up to a frame's remainder in the fight.
        const float lateness = oneFrame * float(2 * attack);
        EXPECT_NEAR(pause[attack].fightSeconds, secondsBefore(attack), lateness) << row;
        EXPECT_NEAR(game::musicSound.getPlayingOffset().asSeconds(), secondsBefore(attack), 0.25f) << row;
        EXPECT_EQ(practisedPause.boss.attack, pause[attack].boss.attack) << row;
        EXPECT_EQ(practisedPause.boss.nextAttack, pause[attack].boss.nextAttack) << row;
        EXPECT_NEAR(practisedPause.boss.attackTimer, pause[attack].boss.attackTimer, oneFrame) << row;
        EXPECT_EQ(settingsOf(practisedPause.boss), settingsOf(pause[attack].boss)) << row;
        // Where the fight's boss waits depends on the player before attack 2: the
        // practice places it at the arena centre, where the pause takes it.
        EXPECT_EQ(practisedPause.boss.position, sf::Vector2f(1128, 450)) << row;
        EXPECT_EQ(game::arenaFrame.getOutlineColor(), sf::Color(250, 30, 30, 255)) << row;
        EXPECT_EQ(game::player.health, game::playerMaxHealth) << row;

        playUntil([attack](const DieSentry& b) { return b.attack == attack; });
        const Moment practisedStart = now();
        EXPECT_EQ(practisedStart.boss.attackTimer, begun[attack].boss.attackTimer) << row;
        EXPECT_EQ(practisedStart.boss.position, begun[attack].boss.position) << row;
        EXPECT_EQ(practisedStart.laserSentries, begun[attack].laserSentries) << row;
        EXPECT_EQ(settingsOf(practisedStart.boss), settingsOf(begun[attack].boss)) << row;
        // Attack 2 leaves the pattern timer running on, unread until attack 4 zeroes it.
        if (attack != 3) {
            EXPECT_EQ(practisedStart.boss.patternTimer, begun[attack].boss.patternTimer) << row;
        }
    }
}

std::string fileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// In a real fight each attack is written down as it is reached; in a practice
// nothing is.
TEST_F(Practice, AttacksReachedInRealFightsAreKeptBesideTheSave) {
    const std::string path = practice::reachedPath();
    std::remove(path.c_str());
    EXPECT_EQ(practice::attacksReached(), 0);

    startTestRun(game::BossFight);
    playUntil([](const DieSentry& b) { return b.attack == 1; });
    EXPECT_EQ(fileText(path), "1\n");
    boss().attack = -1;
    boss().nextAttack = 2;
    boss().attackTimer = 4.99f;
    playUntil([](const DieSentry& b) { return b.attack == 2; });
    EXPECT_EQ(practice::attacksReached(), 2);

    startPractice(2);
    boss().attackTimer = 4.99f;
    playUntil([](const DieSentry& b) { return b.attack == 2; });
    boss().attackTimer = 51;
    playUntil([](const DieSentry& b) { return b.attack == 3; });
    EXPECT_EQ(practice::attacksReached(), 2);

    game::saveData.timesBeatenDieSentry = 1;
    EXPECT_EQ(practice::attacksReached(), 4);
}

// A damaged file counts no attack and is kept aside as it was, as a damaged save is.
TEST_F(Practice, ADamagedFileOfAttacksReachedCountsNoneAndIsKeptAside) {
    const std::string path = practice::reachedPath();
    const struct {
        const char* name;
        std::string text;
        std::int32_t reached;
        bool keptAside;
    } rows[] = {
        {"three", "3\n", 3, false},
        {"a word", "three\n", 0, true},
        {"out of range", "5\n", 0, true},
        {"empty", "", 0, true},
    };
    for (const auto& row : rows) {
        std::remove((path + ".damaged").c_str());
        writeFile(path, row.text);
        EXPECT_EQ(practice::attacksReached(), row.reached) << row.name;
        EXPECT_EQ(std::ifstream(path + ".damaged").is_open(), row.keptAside) << row.name;
        if (row.keptAside) {
            EXPECT_EQ(fileText(path + ".damaged"), row.text) << row.name;
        }
    }
}

// Through the outer loop, each attack jumped to its last tenth of a second: its end
// is told, the run ends a moment later and goes back to the practice screen, "Back"
// there leads to the main menu, and the save and the kept victories are as they were.
TEST(PracticeFlow, AnAttackSurvivedReturnsToThePracticeScreenAndChangesNothingSaved) {
    loadGameAssets();
    ScreenDriver driver;
    useTestTextures();
    writeFile(practice::reachedPath(), "4\n");
    game::saveData.bossFightUnlocked = true;
    game::saveData.save();
    const std::string saved = fileText(game::folders.savePath);
    const float lengths[] = {0, 60, 51, 43, 50};
    for (std::int32_t attack = 1; attack <= 4; attack++) {
        const std::string row = attackName(attack);
        game::difficulty = game::BossFight;
        game::practiceAttack = attack;
        game::showMainMenu = false;
        driver.script.keys.clear();
        driver.script.framesEnded = 0;
        int endedAt = 0, runFrames = 0, practiceScreenFrames = 0;
        std::string told;
        driver.step = [&](int frame) {
            if (frame == 1) {
                game::dieSentries.at(0).attack = attack;
                game::dieSentries.at(0).attackTimer = lengths[attack] - 0.1f;
            }
            if (game::runActive)
                game::player.health = game::playerMaxHealth;
            if (!game::dieSentries.empty()) {
                runFrames++;
                told = game::hud.messageLog;
                endedAt = game::dieSentries[0].attack == -1 && !endedAt ? runFrames : endedAt;
            } else if (++practiceScreenFrames == 3) {
                driver.script.keys = {sf::Keyboard::Key::Escape};
            }
        };
        playOneRun();
        EXPECT_NE(told.find(row + " survived"), std::string::npos) << row;
        EXPECT_NEAR(runFrames - endedAt, practice::momentAfter / oneFrame, 2) << row;
        EXPECT_GE(practiceScreenFrames, 3) << row;
        EXPECT_TRUE(game::showMainMenu) << row;
        game::saveData.save();
        EXPECT_EQ(fileText(game::folders.savePath), saved) << row;
        // Won, yet only the last run, which says what it practised.
        Replay last;
        EXPECT_TRUE(replay::load(replay::Kept::Last, last) && last.practiceAttack == attack) << row;
        EXPECT_FALSE(std::ifstream(replay::pathOf(replay::Kept::LatestVictory)).is_open()) << row;
    }
    EXPECT_EQ(fileText(practice::reachedPath()), "4\n");
    std::remove(practice::reachedPath().c_str());
}

} // namespace
