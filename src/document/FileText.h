#pragma once

// Reading a map file into lines and writing one without ever leaving a half-written file.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The whole file; raises OperationAborted when it cannot be read (missing, a folder, no permission).
std::string ReadFileBytes(const std::string& path);

// The folder of a path ("." for a bare name, "/" at the root) and its last name.
std::string FolderOf(const std::string& path);
std::string NameOf(const std::string& path);

// Lines split at CR LF, a lone CR and a lone LF; a NUL byte ends the text. A final line break
// starts no further line.
std::vector<std::string_view> SplitLines(std::string_view text);

// The system calls a save goes through; tests replace single ones to make a stage fail.
struct TFileOps {
    std::function<int(std::string& pathTemplate)> createTemp; // mkstemp
    std::function<long(int fd, const char* data, std::size_t size)> write;
    std::function<int(int fd)> sync;
    std::function<int(int fd)> close;
    std::function<int(const std::string& from, const std::string& to)> rename;
    std::function<int(const std::string& path)> unlink;
    // Starts writing a range of the file to disk without waiting for it (sync_file_range), so
    // that the flush at the end has less left to wait for; a hint, whose failure is ignored.
    std::function<void(int fd, std::size_t offset, std::size_t size)> startWriteback;

    static TFileOps System();
};

// A file written whole or not at all. The bytes go to a temporary file in the target's folder
// (through a symbolic link, the folder of the file it names); Commit flushes it to disk and renames
// it over the target. Every failure raises OperationAborted; a file not committed removes its
// temporary and leaves the target untouched.
class TAtomicFile {
public:
    explicit TAtomicFile(const std::string& path, TFileOps ops = TFileOps::System());
    ~TAtomicFile();
    TAtomicFile(const TAtomicFile&) = delete;
    TAtomicFile& operator=(const TAtomicFile&) = delete;

    // Writes the bytes after those written before, and starts them on their way to the disk: a
    // large map is on disk by the time its last bytes are made.
    void Append(std::string_view bytes);
    void Commit();

private:
    [[noreturn]] void Abandon(const char* stage, int error);

    TFileOps ops;
    std::string target, folder, temporary;
    int fd = -1;
    std::size_t written = 0;
    // Committed, or abandoned after a failure: nothing is left for the destructor to remove.
    bool finished = false;
};

// The bytes, whole, through a TAtomicFile.
void WriteFileAtomically(const std::string& path, std::string_view bytes,
                         const TFileOps& ops = TFileOps::System());
