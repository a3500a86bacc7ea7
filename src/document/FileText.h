#pragma once

// Reading a map file into lines and writing one without ever leaving a half-written file.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The whole file; raises OperationAborted when it cannot be read (missing, a folder, no permission).
std::string ReadFileBytes(const std::string& path);

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

    static TFileOps System();
};

// Writes the bytes to a temporary file in the target's folder, flushes it to disk and renames it
// over the target (through a symbolic link to the file it names). On any failure the temporary is
// removed, the target is untouched, and OperationAborted is raised.
void WriteFileAtomically(const std::string& path, std::string_view bytes,
                         const TFileOps& ops = TFileOps::System());
