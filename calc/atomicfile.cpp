#include "atomicfile.h"

#include "filepath.h"
#include "trazellog.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

constexpr int kNameAttempts = 100;

std::string directoryOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Where the bytes really belong: a link keeps pointing at its file.
std::string resolveLink(const std::string& path)
{
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr),
                                                           &std::free);
    return real ? std::string(real.get()) : path;
}

// Only a regular file is replaced, directly or through links: a device node
// or a named pipe would become a file of that name, and a directory cannot.
bool isFileOrNothing(const std::string& path)
{
    struct stat st;
    if (::stat(path.c_str(), &st) == 0)
        return S_ISREG(st.st_mode);
    return errno == ENOENT;
}

// A new, empty file in `directory`, created with the mode the process gives
// new files. Its name goes to `name`.
int createTemporary(const std::string& directory, std::string& name)
{
    const auto seed = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count() ^ ::getpid());
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, "%llx", seed + 7919ULL * attempt);
        name = directory + "/.trazel-save-" + suffix;
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The replaced file's owner and permissions; it is not an error when they
// cannot be taken over (another user's file, say).
void keepAttributesOf(const std::string& target, int fd)
{
    struct stat st;
    if (::stat(target.c_str(), &st) != 0)
        return;
    if (::fchown(fd, st.st_uid, st.st_gid) != 0)
        qCDebug(lcTrazel) << "keeping the owner failed:" << std::strerror(errno);
    if (::fchmod(fd, st.st_mode & 07777) != 0)
        qCDebug(lcTrazel) << "keeping the permissions failed:" << std::strerror(errno);
}

// Writes, syncs and closes; the descriptor is closed in every case.
bool finish(int fd, std::string_view contents)
{
    bool ok = writeAll(fd, contents);
    // File systems that cannot sync say EINVAL; the data is written anyway.
    ok = ok && (::fsync(fd) == 0 || errno == EINVAL);
    const bool closed = ::close(fd) == 0;
    return ok && closed;
}

void syncDirectory(const std::string& directory)
{
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool writeFileAtomically(const std::string& path, std::string_view contents)
{
    if (!filepath::isUsable(path) || !isFileOrNothing(path))
        return false;
    const std::string target = resolveLink(path);
    const std::string directory = directoryOf(target);
    std::string temporary;
    const int fd = createTemporary(directory, temporary);
    if (fd < 0) {
        qCDebug(lcTrazel) << "cannot create a file in" << directory.c_str() << ":"
                          << std::strerror(errno);
        return false;
    }
    keepAttributesOf(target, fd);
    if (!finish(fd, contents) || ::rename(temporary.c_str(), target.c_str()) != 0) {
        qCDebug(lcTrazel) << "writing" << target.c_str() << "failed:" << std::strerror(errno);
        ::unlink(temporary.c_str());
        return false;
    }
    syncDirectory(directory);
    return true;
}
