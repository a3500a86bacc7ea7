#include "FileText.h"

#include "LineCodec.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes a descriptor on every path out of a read or write.
class TFileHandle {
public:
    explicit TFileHandle(int fd) : fd(fd) {}
    ~TFileHandle() {
        if (fd >= 0)
            ::close(fd);
    }
    TFileHandle(const TFileHandle&) = delete;
    TFileHandle& operator=(const TFileHandle&) = delete;
    int Get() const { return fd; }

private:
    int fd;
};

[[noreturn]] void Fail(const std::string& what, const std::string& path, int error) {
    throw OperationAborted(what + " \"" + path + "\": " + std::strerror(error));
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A symbolic link is saved through: the file it names is replaced, the link stays.
std::string ResolveTarget(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved))
            return resolved;
    }
    return path;
}

mode_t NewFileMode(const std::string& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0)
        return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::string ReadFileBytes(const std::string& path) {
    const TFileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0)
        Fail("Cannot open", path, errno);
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0)
        Fail("Cannot read", path, errno);
    if (S_ISDIR(info.st_mode))
        Fail("Cannot read", path, EISDIR);
    std::string bytes;
    if (S_ISREG(info.st_mode) && info.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(file.Get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            Fail("Cannot read", path, errno);
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return bytes;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);
    std::vector<std::string_view> lines;
    lines.reserve(text.size() / 16 + 1);
    const char* data = text.data();
    const char* const end = data + text.size();
    const char* start = data;
    while (start < end) {
        // A line ends at the next LF; a CR before it is either the CR of a CR LF or a break of its own.
        const char* lf =
            static_cast<const char*>(std::memchr(start, '\n', static_cast<std::size_t>(end - start)));
        const char* lineEnd = lf ? lf : end;
        for (const char* cr; (cr = static_cast<const char*>(
                                  std::memchr(start, '\r', static_cast<std::size_t>(lineEnd - start))));) {
            lines.emplace_back(start, static_cast<std::size_t>(cr - start));
            start = cr + 1;
            if (start == lineEnd && lf)
                break;
        }
        if (start < lineEnd || (lf && (start == lineEnd) && (start == data || start[-1] != '\r')))
            lines.emplace_back(start, static_cast<std::size_t>(lineEnd - start));
        start = lineEnd + 1;
    }
    return lines;
}

TFileOps TFileOps::System() {
    TFileOps ops;
    ops.createTemp = [](std::string& pathTemplate) { return ::mkstemp(pathTemplate.data()); };
    ops.write = [](int fd, const char* data, std::size_t size) -> long { return ::write(fd, data, size); };
    ops.sync = [](int fd) { return ::fsync(fd); };
    ops.close = [](int fd) { return ::close(fd); };
    ops.rename = [](const std::string& from, const std::string& to) {
        return ::rename(from.c_str(), to.c_str());
    };
    ops.unlink = [](const std::string& path) { return ::unlink(path.c_str()); };
    return ops;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes, const TFileOps& ops) {
    const std::string target = ResolveTarget(path);
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        Fail("Cannot save over the folder", target, EISDIR);

    const std::string folder = FolderOf(target);
    std::string temporary = folder + "/." + NameOf(target) + ".XXXXXX";
    const int fd = ops.createTemp(temporary);
    if (fd < 0)
        Fail("Cannot create a file in", folder, errno);

    int error = 0;
    const char* stage = nullptr;
    std::size_t written = 0;
    while (written < bytes.size()) {
        const long done = ops.write(fd, bytes.data() + written, bytes.size() - written);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0) {
            error = done < 0 ? errno : ENOSPC;
            stage = "Cannot write";
            break;
        }
        written += static_cast<std::size_t>(done);
    }
    if (!stage && ::fchmod(fd, NewFileMode(target)) != 0) {
        error = errno;
        stage = "Cannot set the permissions of";
    }
    if (!stage && ops.sync(fd) != 0) {
        error = errno;
        stage = "Cannot flush";
    }
    if (ops.close(fd) != 0 && !stage) {
        error = errno;
        stage = "Cannot close";
    }
    if (!stage && ops.rename(temporary, target) != 0) {
        error = errno;
        stage = "Cannot replace";
    }
    if (stage) {
        ops.unlink(temporary);
        Fail(stage, target, error);
    }
    SyncFolder(folder);
}
