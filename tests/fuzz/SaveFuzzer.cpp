// libFuzzer target for the save file: any bytes as Data/save.zn are loaded and saved,
// then loaded and saved again; the second save must give the first one's bytes.
#include "persistence/DurableFile.hpp"
#include "persistence/SaveData.hpp"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

std::string readSave() {
    std::ostringstream text;
    text << std::ifstream("Data/save.zn", std::ios::binary).rdbuf();
    return text.str();
}

// A folder of its own under TMPDIR, so a run never touches a real save; and no
// fsync, which would only make each input slower.
bool enterScratchFolder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp ? tmp : "/tmp") + "/vizovid-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data()) || chdir(pattern.c_str()) != 0)
        std::abort();
    std::filesystem::create_directory("Data");
    syncFileToDisk = [](const std::filesystem::path&) { return files::Sync::Done; };
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = enterScratchFolder();
    (void)ready;
    std::ofstream("Data/save.zn", std::ios::binary).write(reinterpret_cast<const char*>(data), std::streamsize(size));
    if (!SaveData().save())
        std::abort();
    const std::string first = readSave();
    if (!SaveData().save() || readSave() != first)
        std::abort();
    return 0;
}
