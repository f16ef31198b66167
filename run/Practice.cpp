// Practice runs and the attacks reached.
#include "run/Practice.hpp"

#include "app/GameContext.hpp"
#include "boss/DieSentry.hpp"
#include "persistence/DurableFile.hpp"
#include "persistence/SaveData.hpp"
#include "platform/MusicStream.hpp"
#include "replay/Replay.hpp"
#include "run/Hud.hpp"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <locale>
#include <sstream>

namespace practice {

namespace {

constexpr std::int32_t allAttacks = 4;

std::int32_t reachedInFights = 0; // read as a real fight starts, raised as it goes on
bool survivedToldThisRun = false; // the practised attack's end is in the feed

// The count the file holds, 0 when there is none. Anything but one count from 0 to
// 4 is damaged: it counts none, and the file is kept aside as it was, since the next
// attack reached writes over it.
std::int32_t readReached(const std::string& path) {
    std::ifstream file(std::filesystem::u8path(path), std::ios::binary);
    if (!file.is_open())
        return 0;
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::istringstream in(bytes);
    in.imbue(std::locale::classic());
    std::int32_t reached = 0;
    if (in >> reached && reached >= 0 && reached <= allAttacks && (in >> std::ws).eof())
        return reached;
    keepDamagedCopy(path, bytes, "the attacks reached could not be read");
    return 0;
}

void writeReached(std::int32_t reached) {
    const std::string path = reachedPath();
    if (!path.empty() && !writeDurably(path, std::to_string(reached) + "\n"))
        std::cerr << path << ": the attacks reached could not be written\n";
}

// In a real fight: the attack the boss is in, when no fight went so far before.
void noteAttackReached(const DieSentry& boss) {
    if (boss.attack <= reachedInFights || boss.attack > allAttacks || replay::playing())
        return;
    reachedInFights = boss.attack;
    writeReached(reachedInFights);
}

// In a practice: the pause after the practised attack is its end.
void followPractice(const DieSentry& boss) {
    if (!attackSurvived())
        return;
    if (!survivedToldThisRun) {
        game::hud.pushMessage(std::string(attackName(game::practiceAttack)) + " survived");
        survivedToldThisRun = true;
    }
    // The pause's own timer measures the moment; the last pause's end comes later.
    if (boss.attackTimer >= momentAfter)
        game::runActive = false;
}

} // namespace

std::string reachedPath() {
    if (game::folders.savePath.empty())
        return "";
    return (std::filesystem::u8path(game::folders.savePath).parent_path() / "practice.zn").u8string();
}

std::int32_t attacksReached() {
    if (game::saveData.timesBeatenDieSentry > 0)
        return allAttacks;
    const std::string path = reachedPath();
    return path.empty() ? 0 : readReached(path);
}

void setUpFight(DieSentry& boss) {
    survivedToldThisRun = false;
    if (game::practiceAttack == 0) {
        const std::string path = reachedPath();
        reachedInFights = path.empty() ? 0 : readReached(path);
        return;
    }
    enterPauseBefore(boss, game::practiceAttack);
    game::musicSound.setPlayingOffset(sf::seconds(secondsBefore(game::practiceAttack)));
}

bool attackSurvived() {
    if (game::practiceAttack == 0 || game::dieSentries.empty())
        return false;
    const DieSentry& boss = game::dieSentries.front();
    return boss.attack == DieSentry::pauseBetween && boss.nextAttack == game::practiceAttack + 1
           && game::player.health >= 1;
}

void followRun() {
    if (game::dieSentries.empty())
        return;
    if (game::practiceAttack != 0)
        followPractice(game::dieSentries.front());
    else
        noteAttackReached(game::dieSentries.front());
}

} // namespace practice
