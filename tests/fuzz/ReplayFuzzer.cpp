// libFuzzer target for the replay file: any bytes are read as a replay; what reads
// must write back to the very same bytes, and what does not must say why.
#include "persistence/ReplayFile.hpp"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    Replay replay;
    std::string error;
    if (!decodeReplay(bytes, replay, error)) {
        if (error.empty())
            std::abort();
        return 0;
    }
    Replay again;
    if (!decodeReplay(encodeReplay(replay), again, error) || encodeReplay(again) != encodeReplay(replay))
        std::abort();
    return 0;
}
