// The durable write: a temporary file beside the target, synced, then put in its place.
#include "persistence/DurableFile.hpp"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <system_error>

files::Sync (*syncFileToDisk)(const std::filesystem::path& file) = files::syncFile;

namespace {

// A file system that cannot sync at all counts as synced: what was written there is
// as safe as it will ever be.
bool syncToDisk(const std::filesystem::path& file) {
    return syncFileToDisk(file) != files::Sync::Failed;
}

// The file a chain of symbolic links ends at, existing or not. Writing replaces that
// file, so the links keep pointing at it.
std::filesystem::path followLinks(std::filesystem::path path) {
    std::error_code error;
    for (int hop = 0; hop < 40 && std::filesystem::is_symlink(path, error); hop++) {
        const std::filesystem::path link = std::filesystem::read_symlink(path, error);
        if (error)
            break;
        path = path.parent_path() / link; // an absolute link replaces the whole path
    }
    return path;
}

bool writeAll(std::ofstream& file, const std::string& bytes) {
    file << bytes;
    file.flush();
    const bool written = !file.fail();
    file.close();
    return written && !file.fail();
}

} // namespace

bool writeDurably(const std::string& path, const std::string& bytes) {
    const std::filesystem::path target = followLinks(std::filesystem::u8path(path));
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);

    // A file the player has write-protected stays as it is, as it would if it were
    // written in place; the replacement alone would replace it.
    if (files::writeProtected(target))
        return false;
    const bool existed = std::filesystem::exists(target, ignored);

    // The bytes go to a file beside the target first and replace it in one step, so
    // a full disk or a crash mid-write never leaves a half-written file. Where no
    // file can be made beside it (a read-only folder) it is written in place, as it
    // always was there, or it would never be saved again.
    std::filesystem::path tempPath = target;
    tempPath += ".tmp";
    const auto mode = std::ios::out | std::ios::trunc | std::ios::binary;
    std::ofstream file(tempPath, mode);
    if (!file.is_open()) {
        std::ofstream inPlace(target, mode);
        return inPlace.is_open() && writeAll(inPlace, bytes) && syncToDisk(target);
    }
    const bool written = writeAll(file, bytes);

    if (existed)
        files::copyPermissions(target, tempPath);
    if (!written || !syncToDisk(tempPath) || !files::replace(tempPath, target)) {
        std::filesystem::remove(tempPath, ignored);
        return false;
    }
    files::syncFolder(folder); // makes the rename itself durable
    return true;
}

void keepDamagedCopy(const std::string& path, const std::string& bytes, const std::string& why) {
    const std::string copyPath = path + ".damaged";
    const bool kept = writeDurably(copyPath, bytes);
    std::cerr << path << ": " << why
              << (kept ? "; the file as it was is kept in " : "; no copy of it could be written to ") << copyPath
              << '\n';
}
