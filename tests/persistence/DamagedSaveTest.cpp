// A save file that cannot be read to its end is kept aside as it was before the next
// save overwrites it, and the player is told once which value stopped the read.
#include "persistence/SaveData.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <tuple>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(DamagedSave, IsKeptAsItWasAndNamedOnce) {
    const std::string whole = "0\n0\n0\n255 0 0\n0\n240\n1\n0\n0\n50\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n50\n0";
    const std::string kept = "; the file as it was is kept in Data/save.zn.damaged\n", head = "Data/save.zn: ";
    // The file ("-": none), whether a folder takes the copy's place, and all that stderr says.
    const std::tuple<std::string, bool, std::string> cases[] = {
        {whole.substr(0, 33) + "inf" + whole.substr(34), false, head + "bestTimeHell on line 13 could not be read" + kept},
        {whole.substr(0, whole.size() - 5), false, head + "musicVolume on line 22 is missing, the file ends before it" + kept},
        {"1 2 x", true, head + "distanceTravelled on line 3 could not be read; no copy of it could be written to Data/save.zn.damaged\n"},
        {whole, false, ""},
        {"-", false, ""},
    };
    const fs::path oldFolder = fs::current_path();
    char pattern[] = "/tmp/vizovid-damaged-XXXXXX";
    fs::current_path(mkdtemp(pattern));
    for (const auto& [file, blocked, said] : cases) {
        fs::remove_all("Data");
        fs::create_directories(blocked ? "Data/save.zn.damaged/taken" : "Data");
        std::ofstream(blocked ? "Data/other" : "Data/save.zn.damaged") << "an older copy";
        std::ofstream(file == "-" ? "Data/other" : "Data/save.zn") << file;
        testing::internal::CaptureStderr();
        EXPECT_TRUE(SaveData().save()); // read, then saved over as the main menu does
        EXPECT_EQ(testing::internal::GetCapturedStderr(), said);
        // An older copy is replaced, and only by a damaged file; a failed copy leaves no temporary file.
        std::ifstream copy(blocked ? "Data/save.zn.damaged.tmp" : "Data/save.zn.damaged");
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(copy), {}), blocked ? "" : said.empty() ? "an older copy" : file);
    }
    fs::remove_all(fs::current_path());
    fs::current_path(oldFolder);
}
