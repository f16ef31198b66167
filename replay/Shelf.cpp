// The kept runs, and which runs are kept.
#include "replay/Replay.hpp"

#include "app/GameContext.hpp"
#include "persistence/DurableFile.hpp"
#include "persistence/SaveData.hpp"

#include <filesystem>
#include <iostream>
#include <locale>
#include <optional>
#include <sstream>

namespace replay {

namespace {

// A new best run of each difficulty, until the save that holds its time is written.
std::optional<Replay> waitingBest[3];

// A time as the save writes it, to six digits.
std::string asSaved(float seconds) {
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text.precision(6);
    text << seconds;
    return text.str();
}

Kept bestOf(std::int32_t difficulty) {
    return Kept(int(Kept::BestAverage) + difficulty - game::Average);
}

void write(Kept which, const Replay& run) {
    const std::string path = pathOf(which);
    if (!path.empty() && !writeDurably(path, encodeReplay(run)))
        std::cerr << path << ": the replay could not be written\n";
}

} // namespace

std::string pathOf(Kept which) {
    static const char* const names[] = {"last", "best-average", "best-hard", "best-hell", "first-victory",
                                        "latest-victory"};
    if (game::folders.savePath.empty())
        return "";
    const std::filesystem::path folder = std::filesystem::u8path(game::folders.savePath).parent_path() / "replays";
    return (folder / (std::string(names[int(which)]) + ".vzr")).u8string();
}

void keep(const Replay& run) {
    if (run.steps.size() > replayMaxFrames) {
        std::cerr << "The run was too long to keep as a replay\n";
        return;
    }
    write(Kept::Last, run);
    // A practice counts for nothing: it is only the last run.
    if (run.practiceAttack != 0)
        return;
    // The death screen raises the best time by the same rule, after this.
    const float* best = game::saveData.bestTimeOf(run.difficulty);
    if (run.ending == ReplayEnding::Death && best && run.runTime() > *best)
        waitingBest[run.difficulty - game::Average] = run;
    if (run.ending == ReplayEnding::Victory) {
        std::error_code missing;
        if (!std::filesystem::exists(std::filesystem::u8path(pathOf(Kept::FirstVictory)), missing))
            write(Kept::FirstVictory, run);
        write(Kept::LatestVictory, run);
    }
}

bool saveWithBestRuns() {
    if (!game::saveData.save())
        return false;
    for (std::int32_t difficulty = game::Average; difficulty <= game::Hell; difficulty++) {
        std::optional<Replay>& run = waitingBest[difficulty - game::Average];
        if (run)
            write(bestOf(difficulty), *run);
        run.reset();
    }
    return true;
}

bool load(Kept which, Replay& replay) {
    const std::string path = pathOf(which);
    std::string error;
    if (path.empty() || !readReplay(path, replay, error))
        return false;
    if (which < Kept::BestAverage || which > Kept::BestHell)
        return true;
    // A best run is the run of the best time the save holds, or none: a save that
    // never reached the disk, or an old file, must not put another run beside it.
    const float* best = game::saveData.bestTimeOf(replay.difficulty);
    return bestOf(replay.difficulty) == which && best && asSaved(*best) == asSaved(replay.runTime());
}

} // namespace replay
