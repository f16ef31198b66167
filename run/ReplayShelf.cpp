// The kept replays.
#include "run/ReplayShelf.hpp"

#include "app/GameContext.hpp"
#include "persistence/DurableFile.hpp"

#include <filesystem>
#include <iostream>

std::string keptReplayPath(KeptReplay which) {
    static const char* const names[] = {"last", "best-average", "best-hard", "best-hell", "first-victory",
                                        "latest-victory"};
    if (game::folders.savePath.empty())
        return "";
    const std::filesystem::path folder = std::filesystem::u8path(game::folders.savePath).parent_path() / "replays";
    return (folder / (std::string(names[int(which)]) + ".vzr")).u8string();
}

namespace {

void write(KeptReplay which, const std::string& bytes) {
    const std::string path = keptReplayPath(which);
    if (!path.empty() && !writeDurably(path, bytes))
        std::cerr << path << ": the replay could not be written\n";
}

} // namespace

void keepRun(const Replay& run, bool newBest) {
    const std::string bytes = encodeReplay(run);
    write(KeptReplay::Last, bytes);
    if (newBest && run.difficulty >= game::Average && run.difficulty <= game::Hell)
        write(KeptReplay(int(KeptReplay::BestAverage) + run.difficulty - game::Average), bytes);
    if (run.ending == ReplayEnding::Victory) {
        std::error_code missing;
        if (!std::filesystem::exists(keptReplayPath(KeptReplay::FirstVictory), missing))
            write(KeptReplay::FirstVictory, bytes);
        write(KeptReplay::LatestVictory, bytes);
    }
}

bool loadKeptReplay(KeptReplay which, Replay& replay) {
    const std::string path = keptReplayPath(which);
    std::string error;
    return !path.empty() && readReplay(path, replay, error);
}
