// Practice of one attack: it starts as a real fight has the programme in the pause
// before that attack, ends a moment after the attack, and counts for nothing.
#include "app/GameContext.hpp"
#include "app/ScreenFlow.hpp"
#include "boss/DieSentry.hpp"
#include "persistence/SaveData.hpp"
#include "run/Practice.hpp"
#include "run/Replay.hpp"
#include "run/RunSetup.hpp"
#include "support/RunScenario.hpp"
#include "support/ScreenDriver.hpp"

#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>

namespace {

struct Moment {
    DieSentry boss;
    float fightSeconds = 0; // the run clock, which the theme follows in a real fight
    int laserSentries = 0;
};

// The fields of the programme that no chance of the fight decides, side by side.
// Left out, since they depend on what the fight went through: the pattern drawn and
// its counters (pattern, patternBusy, ringsLeft, rainLeft, spiralLeft, fansLeft,
// spiralAngle, spiralDirection, burstAngle), the animation (animTimer, animating,
// frame) and the spin.
void expectSameSettings(const DieSentry& fight, const DieSentry& practice, const std::string& row) {
    const std::pair<const char*, std::pair<double, double>> fields[] = {
        {"moveSpeed", {fight.moveSpeed, practice.moveSpeed}},
        {"patternRadius", {fight.patternRadius, practice.patternRadius}},
        {"patternGap", {fight.patternGap, practice.patternGap}},
        {"pauseLength", {fight.pauseLength, practice.pauseLength}},
        {"ringInterval", {fight.ringInterval, practice.ringInterval}},
        {"ringCount", {fight.ringCount, practice.ringCount}},
        {"ringSpeed", {fight.ringSpeed, practice.ringSpeed}},
        {"ringRange", {fight.ringRange, practice.ringRange}},
        {"ringDamage", {fight.ringDamage, practice.ringDamage}},
        {"fanInterval", {fight.fanInterval, practice.fanInterval}},
        {"fanCount", {fight.fanCount, practice.fanCount}},
        {"fanSpeed", {fight.fanSpeed, practice.fanSpeed}},
        {"fanRange", {fight.fanRange, practice.fanRange}},
        {"fanTurnRate", {fight.fanTurnRate, practice.fanTurnRate}},
        {"fanDamage", {fight.fanDamage, practice.fanDamage}},
        {"rainInterval", {fight.rainInterval, practice.rainInterval}},
        {"rainCount", {fight.rainCount, practice.rainCount}},
        {"rainFuse", {fight.rainFuse, practice.rainFuse}},
        {"rainDamage", {fight.rainDamage, practice.rainDamage}},
        {"spiralInterval", {fight.spiralInterval, practice.spiralInterval}},
        {"spiralCount", {fight.spiralCount, practice.spiralCount}},
        {"bladeSpeed", {fight.bladeSpeed, practice.bladeSpeed}},
        {"bladeRange", {fight.bladeRange, practice.bladeRange}},
        {"bladeDamage", {fight.bladeDamage, practice.bladeDamage}},
        {"burstInterval", {fight.burstInterval, practice.burstInterval}},
        {"wavesLeft", {fight.wavesLeft, practice.wavesLeft}},
        {"burstsPerWave", {fight.burstsPerWave, practice.burstsPerWave}},
        {"burstsLeft", {fight.burstsLeft, practice.burstsLeft}},
        {"ballSpeed", {fight.ballSpeed, practice.ballSpeed}},
        {"ballRange", {fight.ballRange, practice.ballRange}},
        {"ballDamage", {fight.ballDamage, practice.ballDamage}},
        {"waveGap", {fight.waveGap, practice.waveGap}},
        {"destination.x", {fight.destination.x, practice.destination.x}},
        {"destination.y", {fight.destination.y, practice.destination.y}},
    };
    for (const auto& [name, values] : fields)
        EXPECT_EQ(values.first, values.second) << row << ", " << name;
}

class Practice : public RunScenario {
protected:
    void TearDown() override {
        RunScenario::TearDown();
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
        startTestRun(4, 7); // the real fight's seed: attack 1 is the fight's own opening
    }
};

bool inPauseBefore(const DieSentry& boss, std::int32_t attack) {
    return attack == 1 ? boss.attack == 0 : boss.attack == -1 && boss.nextAttack == attack;
}

// One real fight, looked at in the pause before each attack and on each attack's
// first frame; a practice of each attack, looked at in the same two moments.
TEST_F(Practice, EachAttackStartsAsTheRealFightHasItInThePauseBeforeIt) {
    Moment pause[5], begun[5];
    startTestRun(4, 7);
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
        expectSameSettings(pause[attack].boss, practisedPause.boss, row);
        // Where the fight's boss waits depends on the player before attack 2: the
        // practice places it at the arena centre, where the pause takes it.
        EXPECT_EQ(practisedPause.boss.position, sf::Vector2f(1128, 450)) << row;
        if (attack > 1) {
            EXPECT_EQ(pause[attack].boss.destination, sf::Vector2f(1128, 450)) << row;
        }
        EXPECT_EQ(game::arenaFrame.getOutlineColor(), sf::Color(250, 30, 30, 255)) << row;
        EXPECT_EQ(game::player.health, game::playerMaxHealth) << row;

        playUntil([attack](const DieSentry& b) { return b.attack == attack; });
        const Moment practisedStart = now();
        EXPECT_EQ(practisedStart.boss.attackTimer, begun[attack].boss.attackTimer) << row;
        EXPECT_EQ(practisedStart.boss.position, begun[attack].boss.position) << row;
        EXPECT_EQ(practisedStart.laserSentries, begun[attack].laserSentries) << row;
        expectSameSettings(begun[attack].boss, practisedStart.boss, row);
        // Attack 2 leaves the pattern timer running on, unread until attack 4 zeroes it.
        if (attack != 3) {
            EXPECT_EQ(practisedStart.boss.patternTimer, begun[attack].boss.patternTimer) << row;
        }
    }
}

// The bit of the run that does not end with the attack: the attack's own length,
// jumped to its last frame.
const float attackLengths[] = {0, 60, 51, 43, 50};

TEST_F(Practice, TheEndOfTheAttackIsToldAndTheRunEndsAMomentLater) {
    for (std::int32_t attack = 1; attack <= 4; attack++) {
        const std::string row = attackName(attack);
        startPractice(attack);
        playUntil([attack](const DieSentry& b) { return b.attack == attack; });
        boss().attackTimer = attackLengths[attack] - oneFrame / 2;
        playUntil([](const DieSentry& b) { return b.attack == -1; });
        EXPECT_NE(game::hud.messageLog.find(row + " survived"), std::string::npos) << row;
        EXPECT_TRUE(game::runActive) << row;
        int framesAfter = 0;
        while (game::runActive && framesAfter < 1000) {
            frame();
            framesAfter++;
        }
        EXPECT_NEAR(framesAfter, practice::momentAfter / oneFrame, 2) << row;
        EXPECT_TRUE(game::showDeathScreen) << row; // it ended by itself, not through the pause menu
        EXPECT_FALSE(game::bossBeaten) << row;
        game::runActive = true;
    }
}

std::string fileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// In a real fight each attack is written down as it is reached; in a practice and in
// a replay played back, nothing is.
TEST_F(Practice, AttacksReachedInRealFightsAreKeptBesideTheSave) {
    const std::string path = practice::reachedPath();
    std::remove(path.c_str());
    game::saveData.timesBeatenDieSentry = 0;
    game::saveData.rgbSkinUnlocked = false;
    EXPECT_EQ(practice::attacksReached(), 0);

    startTestRun(4);
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
    game::saveData.timesBeatenDieSentry = 0;
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
        {"no line break", "4", 4, false},
        {"a word", "three\n", 0, true},
        {"out of range", "5\n", 0, true},
        {"a second value", "2 2\n", 0, true},
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

// Through the outer loop: a practice that survives its attack goes back to the
// practice screen, "Back" there to the main menu, and the save is as it was.
TEST(PracticeFlow, ASurvivedAttackReturnsToThePracticeScreenAndChangesNothingSaved) {
    loadGameAssets();
    ScreenDriver driver;
    useTestTextures();
    writeFile(practice::reachedPath(), "4\n");
    game::saveData.bossFightUnlocked = true;
    game::saveData.save();
    const std::string saved = fileText(game::folders.savePath);
    game::difficulty = 4;
    game::practiceAttack = 2;
    game::showMainMenu = false;
    int practiceScreenFrames = 0;
    driver.step = [&](int frame) {
        if (frame == 1) {
            game::dieSentries.at(0).attack = 2;
            game::dieSentries.at(0).attackTimer = 50.9f;
        }
        if (game::runActive)
            game::player.health = game::playerMaxHealth;
        if (!game::runActive && game::dieSentries.empty())
            practiceScreenFrames++;
        if (practiceScreenFrames == 3)
            driver.script.keys = {sf::Keyboard::Key::Escape};
    };
    playOneRun();
    EXPECT_GE(practiceScreenFrames, 3);
    EXPECT_TRUE(game::showMainMenu);
    game::saveData.save();
    EXPECT_EQ(fileText(game::folders.savePath), saved);
    EXPECT_EQ(fileText(practice::reachedPath()), "4\n");
    std::remove(practice::reachedPath().c_str());
    game::practiceAttack = 0;
}

} // namespace
