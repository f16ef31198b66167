// The durable write's system calls, POSIX's and Windows'.
#include "platform/Files.hpp"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace files {

#ifdef _WIN32

Sync syncFile(const std::filesystem::path& file) {
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return Sync::Failed;
    Sync result = Sync::Done;
    if (!FlushFileBuffers(handle))
        result = GetLastError() == ERROR_INVALID_FUNCTION ? Sync::Unsupported : Sync::Failed;
    CloseHandle(handle);
    return result;
}

void syncFolder(const std::filesystem::path&) {}

bool writeProtected(const std::filesystem::path& file) {
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
    }
    return (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

void copyPermissions(const std::filesystem::path&, const std::filesystem::path&) {}

bool replace(const std::filesystem::path& from, const std::filesystem::path& to) {
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

#else

namespace {

// fsync wants a descriptor; a read-only one serves for files and folders alike.
Sync syncPath(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return Sync::Failed;
    Sync result = Sync::Done;
    if (::fsync(fd) != 0)
        result = errno == EINVAL || errno == ENOTSUP ? Sync::Unsupported : Sync::Failed;
    ::close(fd);
    return result;
}

} // namespace

Sync syncFile(const std::filesystem::path& file) {
    return syncPath(file);
}

void syncFolder(const std::filesystem::path& folder) {
    syncPath(folder);
}

bool writeProtected(const std::filesystem::path& file) {
    return ::access(file.c_str(), W_OK) != 0 && errno != ENOENT;
}

void copyPermissions(const std::filesystem::path& from, const std::filesystem::path& to) {
    struct stat old {};
    if (::stat(from.c_str(), &old) == 0)
        ::chmod(to.c_str(), old.st_mode & 07777);
}

bool replace(const std::filesystem::path& from, const std::filesystem::path& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

#endif

} // namespace files
