// The durable write: a temporary file beside the target, synced, then renamed over it.
#include "persistence/DurableFile.hpp"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

int (*syncFileToDisk)(int fd) = ::fsync;

namespace {

// fsync wants a descriptor; a read-only one serves for files and folders alike.
// A file system that cannot sync at all (EINVAL, ENOTSUP) counts as synced: what
// was written there is as safe as it will ever be.
bool syncToDisk(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return false;
    const bool synced = syncFileToDisk(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    ::close(fd);
    return synced;
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
    const std::filesystem::path target = followLinks(path);
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);

    // A file the player has write-protected stays as it is, as it would if it were
    // written in place; the rename alone would replace it.
    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (::access(target.c_str(), W_OK) != 0 && errno != ENOENT)
        return false;

    // The bytes go to a file beside the target first and replace it by a rename,
    // so a full disk or a crash mid-write never leaves a half-written file. Where no
    // file can be made beside it (a read-only folder) it is written in place, as it
    // always was there, or it would never be saved again.
    const std::string tempPath = target.string() + ".tmp";
    const auto mode = std::ios::out | std::ios::trunc | std::ios::binary;
    std::ofstream file(tempPath, mode);
    if (!file.is_open()) {
        std::ofstream inPlace(target, mode);
        return inPlace.is_open() && writeAll(inPlace, bytes) && syncToDisk(target.string());
    }
    const bool written = writeAll(file, bytes);

    // The new file takes the old one's permissions (a private save stays private).
    if (existed)
        ::chmod(tempPath.c_str(), old.st_mode & 07777);
    if (!written || !syncToDisk(tempPath) || std::rename(tempPath.c_str(), target.c_str()) != 0) {
        std::remove(tempPath.c_str());
        return false;
    }
    syncToDisk(folder.string()); // makes the rename itself durable
    return true;
}

void keepDamagedCopy(const std::string& path, const std::string& bytes, const std::string& why) {
    const std::string copyPath = path + ".damaged";
    const bool kept = writeDurably(copyPath, bytes);
    std::cerr << path << ": " << why
              << (kept ? "; the file as it was is kept in " : "; no copy of it could be written to ") << copyPath
              << '\n';
}
