// The operating system's calls that a durable write needs, spelt once for POSIX
// systems and once for Windows. What is done with them, and when a failure counts,
// is the caller's rule.
#pragma once

#include <filesystem>

namespace files {

enum class Sync {
    Done,
    Failed,
    Unsupported, // the file system cannot sync at all
};

// Makes the bytes written to a file durable: fsync, or on Windows FlushFileBuffers
// on a handle opened for writing (a read-only one is refused there).
Sync syncFile(const std::filesystem::path& file);

// Makes a rename into the folder durable: fsync of the folder. Windows' replacement
// writes through already and has nothing to do here.
void syncFolder(const std::filesystem::path& folder);

// The file exists and this process may not write it: access(W_OK) fails, or on
// Windows the file is marked read-only.
bool writeProtected(const std::filesystem::path& file);

// Gives one file the permission bits of another (a private save stays private).
// Windows keeps no such bits beyond read-only, which a file written here never has.
void copyPermissions(const std::filesystem::path& from, const std::filesystem::path& to);

// Puts one file in another's place in one step, the old one whole until then:
// rename, or on Windows MoveFileExW, which unlike rename replaces an existing file.
bool replace(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace files
