// The controls: binding with its swaps and its lock-out rule, today's controls
// restored, the file's text and every damaged form of it.
#include "app/Controls.hpp"
#include "app/SfmlCompat.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;
using input::Command;
using Key = sf::Keyboard::Key;

namespace {

// The keys of the seven actions, "up's keys|left's keys|...", by their names.
std::string keysOf(const input::Bindings& bindings) {
    std::string text;
    for (int a = 0; a < input::commandCount; a++) {
        for (Key key : bindings.keys[a])
            text += (key == Key::Unknown ? std::string("none") : compat::keyName(key)) + " ";
        text.back() = '|';
    }
    text.pop_back();
    return text;
}

const std::string defaultKeys = "W Up|A Left|S Down|D Right|Enter Space|Escape none|Escape none";

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
        std::string keys;
    };
    const Key none = Key::Unknown;
    const Row rows[] = {
        {"up to a free key", Command::Up, Command::Up, 0, Key::I, true,
         "I none|A Left|S Down|D Right|Enter Space|Escape none|Escape none"},
        {"up to left's key: left gets W", Command::Up, Command::Up, 0, Key::A, true,
         "A none|W Left|S Down|D Right|Enter Space|Escape none|Escape none"},
        {"up's second key to its first: they swap", Command::Left, Command::Up, 1, Key::W, true,
         "Up W|A none|S Down|D Right|Enter Space|Escape none|Escape none"},
        {"pause to a menu key: another kind, nothing moves", Command::Up, Command::Pause, 0, Key::Enter, true,
         "W none|A Left|S Down|D Right|Enter Space|Escape none|Enter none"},
        {"a run key to confirm: another kind", Command::Up, Command::Confirm, 0, Key::W, true,
         "W none|A Left|S Down|D Right|W Space|Escape none|Escape none"},
        {"back to confirm's key: confirm gets Escape", Command::Up, Command::Back, 0, Key::Space, true,
         "W none|A Left|S Down|D Right|Enter Escape|Space none|Escape none"},
        {"back's empty slot to confirm's only key: refused", Command::Confirm, Command::Back, 1, Key::Enter, false,
         "W Up|A Left|S Down|D Right|Enter none|Escape none|Escape none"},
        {"the same key again: nothing changes", Command::Back, Command::Back, 0, Key::Escape, true,
         "W Up|A Left|S Down|D Right|Enter Space|Escape none|Escape none"},
    };
    for (const Row& row : rows) {
        input::Bindings bindings;
        bindings.keys[int(row.before)][1] = none;
        EXPECT_EQ(controls::bindKey(bindings, row.action, row.slot, row.key), row.bound) << row.name;
        EXPECT_EQ(keysOf(bindings), row.keys) << row.name;
    }
}

TEST(Controls, APadButtonTakenFromAnotherActionIsSwapped) {
    struct Row {
        const char* name;
        Command action;
        unsigned button;
        unsigned confirm, back, pause;
    };
    const Row rows[] = {
        {"confirm to B: back gets A", Command::Confirm, 1, 1, 0, 7},
        {"pause to X: nothing moves", Command::Pause, 2, 0, 1, 2},
        {"back to Start: pause gets B", Command::Back, 7, 0, 7, 1},
    };
    for (const Row& row : rows) {
        input::Bindings bindings;
        controls::bindButton(bindings, row.action, row.button);
        EXPECT_EQ(bindings.buttons[int(Command::Confirm)], row.confirm) << row.name;
        EXPECT_EQ(bindings.buttons[int(Command::Back)], row.back) << row.name;
        EXPECT_EQ(bindings.buttons[int(Command::Pause)], row.pause) << row.name;
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

// Written, then read over the defaults: the same controls, whatever they are.
TEST(Controls, TheFileReadsBackTheControlsItWasWrittenFrom) {
    input::Bindings changed;
    controls::bindKey(changed, Command::Up, 0, Key::I);
    controls::bindKey(changed, Command::Right, 1, compat::keyNamed("Apostrophe"));
    controls::bindKey(changed, Command::Back, 1, Key::Backspace);
    controls::bindButton(changed, Command::Pause, 6 + 15);
    changed.deadZone = 10;
    const std::string text = controls::write(changed, true);
    input::Bindings read;
    bool pauseOnFocusLoss = false;
    EXPECT_TRUE(controls::read(text, read, pauseOnFocusLoss).empty());
    EXPECT_EQ(controls::write(read, pauseOnFocusLoss), text);
    EXPECT_NE(text.find("right D Apostrophe\n"), std::string::npos);
    EXPECT_NE(text.find("pad-pause Button21\n"), std::string::npos);
    EXPECT_TRUE(pauseOnFocusLoss);
}

// Each damaged line leaves its own action or setting at the default and says so
// once; the lines around it are read.
TEST(Controls, ADamagedLineFallsBackToItsDefaultWithOneComplaint) {
    struct Row {
        const char* name;
        std::string text;
        std::string keys;
        int deadZone;
        unsigned padBack;
        std::vector<std::string> complaints;
    };
    const std::string head = "vizovid controls 1\nleft J L\n";
    const std::string moved = "W Up|J L|S Down|D Right|Enter Space|Escape none|Escape none";
    const Row rows[] = {
        {"a whole file", head, moved, 25, 1, {}},
        {"CR LF line ends", "vizovid controls 1\r\nleft J L\r\ndead-zone 40\r\n", moved, 40, 1, {}},
        {"no format line", "left J L\n", defaultKeys, 25, 1,
         {"line 1: the format line \"vizovid controls 1\" is missing; every control is back to its default"}},
        {"a key of no name", head + "up W Jump\n", moved, 25, 1,
         {"line 3 (up W Jump): no key is named Jump; up keeps its default"}},
        {"one key", head + "up I\n", moved, 25, 1,
         {"line 3 (up I): two key names are due (none for no key); up keeps its default"}},
        {"confirm without a key", head + "confirm none none\n", moved, 25, 1,
         {"line 3 (confirm none none): confirm and back need a key; confirm keeps its default"}},
        {"a dead zone past its end", head + "dead-zone 91\n", moved, 25, 1,
         {"line 3 (dead-zone 91): the dead zone is a whole percent from 10 to 90; dead-zone keeps its default"}},
        {"a dead zone of no number", head + "dead-zone 4O\n", moved, 25, 1,
         {"line 3 (dead-zone 4O): the dead zone is a whole percent from 10 to 90; dead-zone keeps its default"}},
        {"a pad button of no name", head + "pad-back Z\n", moved, 25, 1,
         {"line 3 (pad-back Z): no pad button is named Z; pad-back keeps its default"}},
        {"a later version's setting", "vizovid controls 2\nleft J L\nrumble on\npad-back X\n", moved, 25, 2,
         {"line 3 (rumble on): no setting is named rumble; the line is left out"}},
        {"a pad button for a direction", head + "pad-up A\n", moved, 25, 1,
         {"line 3 (pad-up A): no setting is named pad-up; the line is left out"}},
    };
    for (const Row& row : rows) {
        input::Bindings bindings;
        bool pauseOnFocusLoss = false;
        EXPECT_EQ(controls::read(row.text, bindings, pauseOnFocusLoss), row.complaints) << row.name;
        EXPECT_EQ(keysOf(bindings), row.keys) << row.name;
        EXPECT_EQ(bindings.deadZone, row.deadZone) << row.name;
        EXPECT_EQ(bindings.buttons[int(Command::Back)], row.padBack) << row.name;
    }
    input::Bindings bindings;
    bool pauseOnFocusLoss = true;
    EXPECT_EQ(controls::read(head + "pause-on-focus-loss yes\n", bindings, pauseOnFocusLoss).size(), 1u);
    EXPECT_TRUE(pauseOnFocusLoss);
}

// Saved and loaded through the disk; a damaged file is copied aside as it was, a
// missing one is a first start.
TEST(Controls, TheFileOnDiskOutlivesAStartAndADamagedOneIsKeptAside) {
    const fs::path folder = fs::temp_directory_path() / "vizovid-controls-test";
    fs::remove_all(folder);
    const std::string path = controls::pathBeside((folder / "Data" / "save.zn").string());
    EXPECT_EQ(path, (folder / "Data" / "controls.txt").string());

    controls::load(path);
    EXPECT_EQ(keysOf(input::bindings), defaultKeys);
    controls::bindKey(input::bindings, Command::Up, 0, Key::I);
    game::pauseOnFocusLoss = true;
    ASSERT_TRUE(controls::save(path));
    controls::restoreDefaults();
    controls::load(path);
    EXPECT_EQ(keysOf(input::bindings), "I Up|A Left|S Down|D Right|Enter Space|Escape none|Escape none");
    EXPECT_TRUE(game::pauseOnFocusLoss);
    EXPECT_FALSE(fs::exists(path + ".damaged"));

    const std::string damaged = "vizovid controls 1\nup I Nowhere\n";
    std::ofstream(path, std::ios::binary) << damaged;
    testing::internal::CaptureStderr();
    controls::load(path);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, path + ": line 2 (up I Nowhere): no key is named Nowhere; up keeps its default (the file as it was is kept in "
                        + path + ".damaged)\n");
    EXPECT_EQ(readFile(path + ".damaged"), damaged);
    EXPECT_EQ(keysOf(input::bindings), defaultKeys);
    EXPECT_FALSE(game::pauseOnFocusLoss);
    EXPECT_EQ(controls::pathBeside(""), "");
    EXPECT_EQ(controls::pathBeside("save.zn"), "controls.txt");
    fs::remove_all(folder);
}
