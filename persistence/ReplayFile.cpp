// The replay file. Little-endian throughout:
//   "VIZOVID REPLAY" and a format number;
//   the game's version, and from format 2 the build (system, processor, SFML);
//   the difficulty, from format 3 the attack a practice practised (0 for any
//   other run), the seed, the set-up's frame time (its bits), the ending;
//   the clock reads; the checks (frame, x, y, health, sentries, projectiles, run
//   clock, floats by their bits);
//   the frames: their count, then their steps (16 bits each) and their inputs (a
//   byte each), deflated together, since a frame's step and input mostly repeat;
//   a CRC-32 of all the bytes before it.
// Every count is checked against the bytes left before anything is made for it.
#include "persistence/ReplayFile.hpp"

#include "app/Difficulty.hpp"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <zlib.h>

namespace {

const char magic[] = "VIZOVID REPLAY";
constexpr std::size_t magicSize = sizeof magic - 1;
constexpr std::uint32_t formatVersion = 3;
constexpr std::size_t checkBytes = 28;
// Deflate never packs more than 1032 bytes into one.
constexpr std::size_t maxDeflateRatio = 1032;

std::uint32_t floatBits(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

float floatOf(std::uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

struct Writer {
    std::string bytes;

    void number(std::uint64_t value, int size) {
        for (int i = 0; i < size; i++)
            bytes.push_back(char((value >> (8 * i)) & 0xFF));
    }
    void u8(std::uint8_t value) { number(value, 1); }
    void u32(std::uint32_t value) { number(value, 4); }
    void text(const std::string& value) {
        u8(std::uint8_t(value.size()));
        bytes += value;
    }
};

// Every read checks that the bytes are there; the first that is not stops all reads.
struct Reader {
    const std::string& bytes;
    std::size_t at = 0;
    bool ok = true;

    std::uint64_t number(int size) {
        if (!ok || bytes.size() - at < std::size_t(size)) {
            ok = false;
            return 0;
        }
        std::uint64_t value = 0;
        for (int i = 0; i < size; i++)
            value |= std::uint64_t(std::uint8_t(bytes[at + i])) << (8 * i);
        at += size;
        return value;
    }
    std::uint8_t u8() { return std::uint8_t(number(1)); }
    std::uint32_t u32() { return std::uint32_t(number(4)); }
    std::size_t left() const { return ok ? bytes.size() - at : 0; }
    std::string text(std::size_t size) {
        if (!ok || bytes.size() - at < size) {
            ok = false;
            return "";
        }
        at += size;
        return bytes.substr(at - size, size);
    }
};

std::uint32_t crcOf(const std::string& bytes, std::size_t size) {
    return std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), uInt(size)));
}

void writeCheck(Writer& out, const ReplayCheck& c) {
    out.u32(c.frame);
    out.u32(floatBits(c.x));
    out.u32(floatBits(c.y));
    out.u32(std::uint32_t(c.health));
    out.u32(std::uint32_t(c.sentries));
    out.u32(std::uint32_t(c.projectiles));
    out.u32(floatBits(c.runTime));
}

ReplayCheck readCheck(Reader& in) {
    ReplayCheck c;
    c.frame = in.u32();
    c.x = floatOf(in.u32());
    c.y = floatOf(in.u32());
    c.health = std::int32_t(in.u32());
    c.sentries = std::int32_t(in.u32());
    c.projectiles = std::int32_t(in.u32());
    c.runTime = floatOf(in.u32());
    return c;
}

std::string deflated(const std::string& raw) {
    uLongf size = compressBound(uLong(raw.size()));
    std::string packed(size, '\0');
    compress2(reinterpret_cast<Bytef*>(&packed[0]), &size, reinterpret_cast<const Bytef*>(raw.data()),
              uLong(raw.size()), Z_BEST_COMPRESSION);
    packed.resize(size);
    return packed;
}

bool inflated(const std::string& packed, std::size_t rawSize, std::string& raw) {
    raw.assign(rawSize, '\0');
    uLongf size = uLongf(rawSize);
    const int result = uncompress(reinterpret_cast<Bytef*>(&raw[0]), &size,
                                  reinterpret_cast<const Bytef*>(packed.data()), uLong(packed.size()));
    return result == Z_OK && size == rawSize;
}

bool fail(std::string& error, const std::string& why) {
    error = why;
    return false;
}

} // namespace

std::string describeDifference(const ReplayCheck& played, const ReplayCheck& kept) {
    std::ostringstream out;
    out.precision(9); // enough digits to tell any two floats apart
    if (floatBits(played.x) != floatBits(kept.x) || floatBits(played.y) != floatBits(kept.y))
        out << "; the player is at (" << played.x << ", " << played.y << "), the replay has (" << kept.x << ", "
            << kept.y << ")";
    if (played.health != kept.health)
        out << "; health is " << played.health << ", the replay has " << kept.health;
    if (played.sentries != kept.sentries)
        out << "; " << played.sentries << " sentries, the replay has " << kept.sentries;
    if (played.projectiles != kept.projectiles)
        out << "; " << played.projectiles << " projectiles, the replay has " << kept.projectiles;
    if (floatBits(played.runTime) != floatBits(kept.runTime))
        out << "; the run clock is " << played.runTime << " s, the replay has " << kept.runTime << " s";
    const std::string text = out.str();
    return text.empty() ? text : text.substr(2);
}

std::string encodeReplay(const Replay& replay) {
    Writer out;
    out.bytes = magic;
    out.u32(formatVersion);
    out.text(replay.gameVersion.substr(0, 255));
    out.text(replay.build.substr(0, 255));
    out.u8(std::uint8_t(replay.difficulty));
    out.u8(std::uint8_t(replay.practiceAttack));
    out.u32(replay.seed);
    out.u32(floatBits(replay.startFrameTime));
    out.u8(std::uint8_t(replay.ending));
    out.u32(std::uint32_t(replay.clockReads.size()));
    for (std::int64_t read : replay.clockReads)
        out.number(std::uint64_t(read), 8);
    out.u32(std::uint32_t(replay.checks.size()));
    for (const ReplayCheck& check : replay.checks)
        writeCheck(out, check);

    Writer frames;
    for (std::uint16_t step : replay.steps)
        frames.number(step, 2);
    frames.bytes.append(replay.inputs.begin(), replay.inputs.end());
    const std::string packed = deflated(frames.bytes);
    out.u32(std::uint32_t(replay.steps.size()));
    out.u32(std::uint32_t(packed.size()));
    out.bytes += packed;
    out.u32(crcOf(out.bytes, out.bytes.size()));
    return out.bytes;
}

namespace {

// A time as a clock gives it: a number, not below zero.
bool measurable(float seconds) {
    return std::isfinite(seconds) && seconds >= 0;
}

// The fields before the clock reads.
bool readHeader(Reader& in, std::uint32_t version, Replay& read, std::string& error) {
    read.gameVersion = in.text(in.u8());
    if (version >= 2)
        read.build = in.text(in.u8());
    read.difficulty = in.u8();
    if (version >= 3)
        read.practiceAttack = in.u8();
    read.seed = in.u32();
    read.startFrameTime = floatOf(in.u32());
    const std::uint8_t ending = in.u8();
    if (read.difficulty < game::Average || read.difficulty > game::BossFight || ending < 1 || ending > 3)
        return fail(error, "the replay names no difficulty or ending of this game");
    if (read.practiceAttack != 0 && (read.difficulty != 4 || read.practiceAttack > 4))
        return fail(error, "the replay names no attack of the Zev Azirid to practise");
    if (!measurable(read.startFrameTime))
        return fail(error, "the replay's first frame time is not one a clock measures");
    read.ending = ReplayEnding(ending);
    return true;
}

bool readClockReadsAndChecks(Reader& in, Replay& read, std::string& error) {
    const std::uint32_t clockReads = in.u32();
    if (clockReads > in.left() / 8)
        return fail(error, "the replay is damaged (more clock reads than bytes)");
    for (std::uint32_t i = 0; i < clockReads; i++)
        read.clockReads.push_back(std::int64_t(in.number(8)));
    const std::uint32_t checks = in.u32();
    if (checks > in.left() / checkBytes)
        return fail(error, "the replay is damaged (more checks than bytes)");
    for (std::uint32_t i = 0; i < checks; i++)
        read.checks.push_back(readCheck(in));
    for (const ReplayCheck& check : read.checks)
        if (!std::isfinite(check.x) || !std::isfinite(check.y) || !measurable(check.runTime))
            return fail(error, "the replay's check of frame " + std::to_string(check.frame) + " holds no real state");
    return true;
}

bool readFrames(Reader& in, Replay& read, std::string& error) {
    const std::uint32_t frames = in.u32();
    const std::uint32_t packedSize = in.u32();
    const std::string packed = in.text(packedSize);
    if (!in.ok || in.left() != 4)
        return fail(error, "the replay is damaged or cut short");
    if (frames == 0 || frames > replayMaxFrames || frames > packed.size() * maxDeflateRatio / 3)
        return fail(error, "the replay holds no frames it could play");
    std::string raw;
    if (!inflated(packed, std::size_t(frames) * 3, raw))
        return fail(error, "the replay's frames are damaged");
    Reader frameBytes{raw};
    for (std::uint32_t i = 0; i < frames; i++)
        read.steps.push_back(std::uint16_t(frameBytes.number(2)));
    read.inputs.assign(raw.begin() + frames * 2, raw.end());
    for (std::uint32_t i = 0; i < frames; i++)
        if (read.steps[i] == 0 || read.steps[i] > replayMaxMicroseconds || (read.inputs[i] & ~replayInput::all) != 0)
            return fail(error, "the replay's frame " + std::to_string(i) + " is not one this game plays");
    return true;
}

// Checks come in order, every so many frames, the last one after the last frame.
bool checksCoverFrames(const Replay& read, std::string& error) {
    const std::size_t frames = read.steps.size();
    for (std::size_t i = 0; i < read.checks.size(); i++) {
        const bool last = i + 1 == read.checks.size();
        const std::size_t expected = last ? frames : (i + 1) * replayCheckInterval;
        if (read.checks[i].frame != expected)
            return fail(error, "the replay's checks are out of order");
    }
    if (read.checks.size() != (frames + replayCheckInterval - 1) / replayCheckInterval)
        return fail(error, "the replay's checks do not cover its frames");
    return true;
}

} // namespace

bool decodeReplay(const std::string& bytes, Replay& replay, std::string& error) {
    if (bytes.compare(0, magicSize, magic) != 0)
        return fail(error, "not a Vizovid replay");
    Reader in{bytes, magicSize};
    const std::uint32_t version = in.u32();
    if (in.ok && (version < 1 || version > formatVersion))
        return fail(error, "the replay is of format " + std::to_string(version) + "; this game reads formats 1 to "
                               + std::to_string(formatVersion));
    if (bytes.size() < magicSize + 8 || crcOf(bytes, bytes.size() - 4) != Reader{bytes, bytes.size() - 4}.u32())
        return fail(error, "the replay is damaged or cut short (its checksum does not match)");
    Replay read;
    if (!readHeader(in, version, read, error) || !readClockReadsAndChecks(in, read, error)
        || !readFrames(in, read, error) || !checksCoverFrames(read, error))
        return false;
    replay = std::move(read);
    return true;
}

bool readReplay(const std::string& path, Replay& replay, std::string& error) {
    // A pipe, a device or a folder is never read: any of them may never end.
    std::error_code status;
    const std::filesystem::file_status kind = std::filesystem::status(std::filesystem::u8path(path), status);
    if (status || !std::filesystem::exists(kind))
        return fail(error, path + ": cannot be opened");
    if (!std::filesystem::is_regular_file(kind))
        return fail(error, path + ": not a replay file (not a regular file)");
    std::ifstream file(std::filesystem::u8path(path), std::ios::binary);
    std::string bytes(magicSize, '\0');
    if (!file || !file.read(&bytes[0], std::streamsize(magicSize)) || bytes != magic)
        return fail(error, path + ": not a Vizovid replay");
    // Read in pieces up to the limit, so that a file growing as it is read stops too.
    char piece[65536];
    while (bytes.size() <= replayMaxFileBytes && file.read(piece, sizeof piece).gcount() > 0)
        bytes.append(piece, std::size_t(file.gcount()));
    if (bytes.size() > replayMaxFileBytes)
        return fail(error, path + ": too big to be a replay (over " + std::to_string(replayMaxFileBytes >> 20) + " MB)");
    if (!decodeReplay(bytes, replay, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}
