// Files that are never left half written: the save, its damaged copy and the replays
// all go to the disk through writeDurably.
#pragma once

#include "platform/Files.hpp"

#include <string>

// Replaces the file at path (UTF-8) with bytes. The old file stays whole unless the
// new one was written completely; false when it could not be. A link is written
// through, the file keeps its permissions (where the system has any beyond
// read-only), and a write-protected file is left as it is. The folder is made when
// it is missing.
bool writeDurably(const std::string& path, const std::string& bytes);

// The call that makes a written file durable (files::syncFile); tests put a failing
// one in its place.
extern files::Sync (*syncFileToDisk)(const std::filesystem::path& file);

// A file the game could not read whole is copied as it was to path + ".damaged"
// (the same safe way, replacing an older copy) before anything is written over it,
// and standard error names the file, why, and where the copy went.
void keepDamagedCopy(const std::string& path, const std::string& bytes, const std::string& why);
