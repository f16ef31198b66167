// The controls: binding with its swaps and its lock-out rule, today's controls
// restored, the file's text and every damaged form of it.
#include "app/Controls.hpp"
#include "platform/SfmlCompat.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;
using input::Command;
using Key = sf::Keyboard::Key;

namespace {

// Whether the file's text for these controls holds each of the lines.
bool holds(const input::Bindings& bindings, const std::vector<std::string>& lines) {
    const std::string text = "\n" + controls::write(bindings, false);
    for (const std::string& line : lines)
        if (text.find("\n" + line + "\n") == std::string::npos)
            return false;
    return true;
}

const std::string defaultFile = "vizovid controls 1\n"
                                "up W Up\n"
                                "left A Left\n"
                                "down S Down\n"
                                "right D Right\n"
                                "confirm Enter Space\n"
                                "back Escape none\n"
                                "pause Escape none\n"
                                "pad-confirm A\n"
                                "pad-back B\n"
                                "pad-pause Start\n"
                                "dead-zone 25\n"
                                "pause-on-focus-loss off\n";

std::string readFile(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

} // namespace

TEST(Controls, AKeyTakenFromAnActionOfTheSameKindIsSwappedAndMenusKeepAKey) {
    struct Row {
        const char* name;
        Command before; // first, this action's second key becomes none ...
        Command action; // ... then this slot takes the key
        int slot;
        Key key;
        bool bound;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {"up to a free key", Command::Up, Command::Up, 0, Key::I, true, {"up I none", "left A Left"}},
        {"up to left's key: left gets W", Command::Up, Command::Up, 0, Key::A, true, {"up A none", "left W Left"}},
        {"up's second key to its first: they swap", Command::Left, Command::Up, 1, Key::W, true, {"up Up W"}},
        {"pause to a menu key: another kind", Command::Up, Command::Pause, 0, Key::Enter, true,
         {"confirm Enter Space", "pause Enter none"}},
        {"confirm to a run key: another kind", Command::Up, Command::Confirm, 0, Key::W, true,
         {"up W none", "confirm W Space"}},
        {"back to confirm's key: confirm gets Escape", Command::Up, Command::Back, 0, Key::Space, true,
         {"confirm Enter Escape", "back Space none"}},
        {"back's empty slot to confirm's only key: refused", Command::Confirm, Command::Back, 1, Key::Enter, false,
         {"confirm Enter none", "back Escape none"}},
        {"the same key again", Command::Back, Command::Back, 0, Key::Escape, true, {"back Escape none"}},
    };
    for (const Row& row : rows) {
        input::Bindings bindings;
        bindings.keys[int(row.before)][1] = Key::Unknown;
        EXPECT_EQ(controls::bindKey(bindings, row.action, row.slot, row.key), row.bound) << row.name;
        EXPECT_TRUE(holds(bindings, row.lines)) << row.name << ":\n" << controls::write(bindings, false);
    }
}

TEST(Controls, APadButtonTakenFromAnotherActionIsSwapped) {
    const struct {
        Command action;
        unsigned button;
        const char* lines;
    } rows[] = {
        {Command::Confirm, 1, "pad-confirm B\npad-back A\npad-pause Start"},
        {Command::Pause, 2, "pad-confirm A\npad-back B\npad-pause X"},
        {Command::Back, 7, "pad-confirm A\npad-back Start\npad-pause B"},
    };
    for (const auto& row : rows) {
        input::Bindings bindings;
        controls::bindButton(bindings, row.action, row.button);
        EXPECT_TRUE(holds(bindings, {row.lines})) << row.lines;
    }
}

TEST(Controls, RestoringTheDefaultsBringsBackTodaysControls) {
    controls::bindKey(input::bindings, Command::Up, 0, Key::I);
    controls::bindButton(input::bindings, Command::Confirm, 3);
    input::bindings.deadZone = 90;
    game::pauseOnFocusLoss = true;
    controls::restoreDefaults();
    EXPECT_EQ(controls::write(input::bindings, game::pauseOnFocusLoss), defaultFile);
}

// Each damaged line leaves its own action or setting at the default and says so
// once; the lines around it are read.
TEST(Controls, ADamagedLineFallsBackToItsDefaultWithOneComplaint) {
    const std::string head = "vizovid controls 1\nleft J L\n";
    const struct {
        const char* name;
        std::string text;
        const char* said; // in the one complaint; nullptr for none
        const char* line; // in the controls read
    } rows[] = {
        {"CR LF line ends", "vizovid controls 1\r\nleft J L\r\ndead-zone 40\r\n", nullptr, "dead-zone 40"},
        {"a key of no name", head + "up W Jump\n", "line 3 (up W Jump): no key is named Jump; up keeps its default",
         "up W Up"},
        {"confirm without a key", head + "confirm none none\n", "confirm and back need a key", "confirm Enter Space"},
        {"a dead zone past its end", head + "dead-zone 91\n", "from 10 to 90", "dead-zone 25"},
        {"a pad button of no name", head + "pad-back Z\n", "no pad button is named Z", "pad-back B"},
        {"a setting neither on nor off", head + "pause-on-focus-loss yes\n", "on or off is due", "left J L"},
        {"a later version's setting", "vizovid controls 2\nleft J L\nrumble on\npad-back X\n",
         "no setting is named rumble; the line is left out", "pad-back X"},
        {"a format line of no number", "vizovid controls one\nleft J L\n", "format line", "left A Left"},
    };
    for (const auto& row : rows) {
        input::Bindings bindings;
        bool pauseOnFocusLoss = false;
        const std::vector<std::string> said = controls::read(row.text, bindings, pauseOnFocusLoss);
        ASSERT_EQ(said.size(), row.said ? 1u : 0u) << row.name;
        EXPECT_TRUE(!row.said || said[0].find(row.said) != std::string::npos) << row.name << ": " << said[0];
        EXPECT_TRUE(holds(bindings, {row.line})) << row.name;
    }
}

// Saved and loaded through the disk, whatever the controls (the key that SFML 2.5
// calls Quote has one name on every SFML); a damaged file is copied aside as it
// was, a missing one is a first start.
TEST(Controls, TheFileOnDiskOutlivesAStartAndADamagedOneIsKeptAside) {
    const fs::path folder = fs::temp_directory_path() / "vizovid-controls-test";
    fs::remove_all(folder);
    const std::string path = controls::pathBeside((folder / "Data" / "save.zn").string());
    EXPECT_EQ(path, (folder / "Data" / "controls.txt").string());

    controls::load(path);
    EXPECT_EQ(controls::write(input::bindings, game::pauseOnFocusLoss), defaultFile);
    controls::bindKey(input::bindings, Command::Right, 1, compat::keyNamed("Apostrophe"));
    controls::bindButton(input::bindings, Command::Pause, 21);
    input::bindings.deadZone = 10;
    game::pauseOnFocusLoss = true;
    ASSERT_TRUE(controls::save(path));
    controls::restoreDefaults();
    controls::load(path);
    EXPECT_TRUE(holds(input::bindings, {"right D Apostrophe", "pad-pause Button21", "dead-zone 10"}));
    EXPECT_TRUE(game::pauseOnFocusLoss);
    EXPECT_FALSE(fs::exists(path + ".damaged"));

    const std::string damaged = "vizovid controls 1\nup I Nowhere\n";
    std::ofstream(path, std::ios::binary) << damaged;
    testing::internal::CaptureStderr();
    controls::load(path);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, path + ": line 2 (up I Nowhere): no key is named Nowhere; up keeps its default"
                        + " (the file as it was is kept in " + path + ".damaged)\n");
    EXPECT_EQ(readFile(path + ".damaged"), damaged);
    EXPECT_EQ(controls::write(input::bindings, game::pauseOnFocusLoss), defaultFile);
    EXPECT_EQ(controls::pathBeside(""), "");
    fs::remove_all(folder);
}
