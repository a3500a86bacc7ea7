#include "document/FileText.h"

#include "document/LineCodec.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

std::string ReadFileBytes(const std::string& path) {
    const TFileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0)
        Fail("Cannot open", path, errno);
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0)
        Fail("Cannot read", path, errno);
    if (S_ISDIR(info.st_mode))
        Fail("Cannot read", path, EISDIR);
    // Straight into the string where the size is known; a probe finds the end, or what a growing
    // file or a pipe holds beyond it.
    std::string bytes;
    if (S_ISREG(info.st_mode) && info.st_size > 0)
        bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t size = 0;
    char probe[1 << 16];
    for (;;) {
        const bool intoBytes = size < bytes.size();
        char* const into = intoBytes ? bytes.data() + size : probe;
        const std::size_t room = intoBytes ? bytes.size() - size : sizeof probe;
        const ssize_t got = ::read(file.Get(), into, room);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            Fail("Cannot read", path, errno);
        }
        if (got == 0)
            break;
        if (!intoBytes)
            bytes.append(probe, static_cast<std::size_t>(got));
        size += static_cast<std::size_t>(got);
    }
    bytes.resize(size);
    return bytes;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    // Lines of a map average a dozen bytes; a reserve that is too small costs a copy of them all.
    lines.reserve(text.size() / 10 + 1);
    const char* const data = text.data();
    std::size_t size = text.size();
    std::size_t start = 0;
    // A CR or LF ends a line; an LF right after a CR belongs to that CR. A NUL ends the text, and
    // then the text goes on no further.
    auto goesOnAfter = [&](std::size_t at) {
        if (data[at] == '\0') {
            size = at;
            return false;
        }
        if (data[at] == '\n' && at > 0 && data[at - 1] == '\r' && at == start)
            ++start;
        else {
            lines.emplace_back(data + start, at - start);
            start = at + 1;
        }
        return true;
    };
    std::size_t i = 0;
    bool more = true;
#if defined(__SSE2__)
    const __m128i carriageReturns = _mm_set1_epi8('\r'), lineFeeds = _mm_set1_epi8('\n');
    const __m128i nuls = _mm_setzero_si128();
    for (; more && i + 16 <= size; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        const __m128i breaks =
            _mm_or_si128(_mm_cmpeq_epi8(chunk, carriageReturns), _mm_cmpeq_epi8(chunk, lineFeeds));
        unsigned mask =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(breaks, _mm_cmpeq_epi8(chunk, nuls))));
        for (; more && mask; mask &= mask - 1)
            more = goesOnAfter(i + static_cast<std::size_t>(__builtin_ctz(mask)));
    }
#endif
    for (; more && i < size; ++i)
        if (data[i] == '\r' || data[i] == '\n' || data[i] == '\0')
            more = goesOnAfter(i);
    if (start < size)
        lines.emplace_back(data + start, size - start);
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
    ops.startWriteback = [](int fd, std::size_t offset, std::size_t size) {
#if defined(__linux__)
        ::sync_file_range(fd, static_cast<off_t>(offset), static_cast<off_t>(size), SYNC_FILE_RANGE_WRITE);
#else
        (void)fd, (void)offset, (void)size;
#endif
    };
    return ops;
}

TAtomicFile::TAtomicFile(const std::string& path, TFileOps fileOps)
    : ops(std::move(fileOps)), target(ResolveTarget(path)) {
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        Fail("Cannot save over the folder", target, EISDIR);
    folder = FolderOf(target);
    temporary = folder + "/." + NameOf(target) + ".XXXXXX";
    fd = ops.createTemp(temporary);
    if (fd < 0)
        Fail("Cannot create a file in", folder, errno);
}

TAtomicFile::~TAtomicFile() {
    if (finished)
        return;
    if (fd >= 0)
        ops.close(fd);
    ops.unlink(temporary);
}

void TAtomicFile::Abandon(const char* stage, int error) {
    if (fd >= 0)
        ops.close(fd);
    fd = -1;
    ops.unlink(temporary);
    finished = true;
    Fail(stage, target, error);
}

void TAtomicFile::Append(std::string_view bytes) {
    if (fd < 0)
        throw OperationAborted("The file \"" + target + "\" is no longer open for writing");
    const std::size_t start = written;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const long count = ops.write(fd, bytes.data() + done, bytes.size() - done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            Abandon("Cannot write", count < 0 ? errno : ENOSPC);
        done += static_cast<std::size_t>(count);
    }
    written += done;
    if (ops.startWriteback && done > 0)
        ops.startWriteback(fd, start, done);
}

void TAtomicFile::Commit() {
    if (fd < 0)
        throw OperationAborted("The file \"" + target + "\" is no longer open for writing");
    if (::fchmod(fd, NewFileMode(target)) != 0)
        Abandon("Cannot set the permissions of", errno);
    if (ops.sync(fd) != 0)
        Abandon("Cannot flush", errno);
    const int closed = ops.close(fd);
    fd = -1;
    if (closed != 0)
        Abandon("Cannot close", errno);
    if (ops.rename(temporary, target) != 0)
        Abandon("Cannot replace", errno);
    finished = true;
    SyncFolder(folder);
}

void WriteFileAtomically(const std::string& path, std::string_view bytes, const TFileOps& ops) {
    TAtomicFile file(path, ops);
    file.Append(bytes);
    file.Commit();
}
