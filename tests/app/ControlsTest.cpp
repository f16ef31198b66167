// The controls: binding with its swaps and its lock-out rule, today's controls
// restored, the file's text and every damaged form of it.
#include "app/Controls.hpp"
#include "platform/SfmlCompat.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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

const std::string defaultFile = "vizovid controls 1\nup W Up\nleft A Left\ndown S Down\nright D Right\n"
                                "confirm Enter Space\nback Escape none\npause Escape none\npad-confirm A\n"
                                "pad-back B\npad-pause Start\ndead-zone 25\npause-on-focus-loss off\n";

} // namespace

// Within a kind (run, menu, pad) a key taken is swapped; menus keep a key each.
TEST(Controls, AKeyTakenFromAnActionOfTheSameKindIsSwappedAndMenusKeepAKey) {
    const struct {
        Command action;
        int slot;
        Key key;
        const char* lines;
    } rows[] = {
        {Command::Up, 0, Key::A, "up A Up\nleft W Left"},                  // left's key: left gets W
        {Command::Up, 1, Key::W, "up Up W"},                                // its own first key: they swap
        {Command::Pause, 0, Key::Enter, "confirm Enter Space\nback Escape none\npause Enter none"}, // another kind
        {Command::Back, 0, Key::Space, "confirm Enter Escape\nback Space none"},  // confirm gets Escape
    };
    for (const auto& row : rows) {
        input::Bindings bindings;
        controls::bindKey(bindings, row.action, row.slot, row.key);
        EXPECT_TRUE(holds(bindings, {row.lines})) << row.lines << ":\n" << controls::write(bindings, false);
    }
    input::Bindings bindings;
    controls::bindButton(bindings, Command::Back, 7);
    EXPECT_TRUE(holds(bindings, {"pad-back Start", "pad-pause B"}));
    bindings.keys[int(Command::Confirm)][1] = Key::Unknown;
    EXPECT_FALSE(controls::bindKey(bindings, Command::Back, 1, Key::Enter)); // confirm would keep no key
}

// Each damaged line leaves its own action or setting at the default and says so
// once; the lines around it are read.
TEST(Controls, ADamagedLineFallsBackToItsDefaultWithOneComplaint) {
    const struct {
        std::string text;
        const char* said; // in the one complaint
        const char* line; // in the controls read
    } rows[] = {
        {"confirm none none\nleft J L\n", "confirm and back need a key", "left J L"},
        {"dead-zone 91\r\nleft J L\r\n", "from 10 to 90", "dead-zone 25"},
        {"pad-back Z\n", "no pad button is named Z", "pad-back B"},
    };
    for (const auto& row : rows) {
        input::Bindings bindings;
        bool pauseOnFocusLoss = false;
        const std::vector<std::string> said =
            controls::read("vizovid controls 1\n" + row.text, bindings, pauseOnFocusLoss);
        ASSERT_EQ(said.size(), 1u) << row.said;
        EXPECT_NE(said[0].find(row.said), std::string::npos) << said[0];
        EXPECT_TRUE(holds(bindings, {row.line})) << row.said;
    }
}

// Saved and loaded through the disk, whatever the controls (the key that SFML 2.5
// calls Quote has one name on every SFML); a damaged file is copied aside as it
// was; restoring the defaults brings back today's controls.
TEST(Controls, TheFileOnDiskOutlivesAStartAndADamagedOneIsKeptAside) {
    const std::string path = (fs::temp_directory_path() / "vizovid-controls.txt").string();
    fs::remove(path + ".damaged");
    controls::bindKey(input::bindings, Command::Right, 1, compat::keyNamed("Apostrophe"));
    controls::bindButton(input::bindings, Command::Pause, 21);
    input::bindings.deadZone = 10;
    game::pauseOnFocusLoss = true;
    ASSERT_TRUE(controls::save(path));
    controls::restoreDefaults();
    EXPECT_EQ(controls::write(input::bindings, game::pauseOnFocusLoss), defaultFile);
    controls::load(path);
    EXPECT_TRUE(holds(input::bindings, {"right D Apostrophe", "pad-pause Button21", "dead-zone 10"}));
    EXPECT_TRUE(game::pauseOnFocusLoss);

    const std::string damaged = "vizovid controls 1\nup I Nowhere\n";
    std::ofstream(path, std::ios::binary) << damaged;
    testing::internal::CaptureStderr();
    controls::load(path);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              path + ": line 2 (up I Nowhere): no key is named Nowhere; up keeps its default"
                  + " (the file as it was is kept in " + path + ".damaged)\n");
    EXPECT_EQ(fs::file_size(path + ".damaged"), damaged.size());
}
