#include "catalogue/GamePath.h"

#include <algorithm>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>

namespace {

bool Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

struct TDirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

// The entry of `folder` whose name equals `name` ignoring case; "" when there is none.
std::string FindEntryIgnoringCase(const std::string& folder, std::string_view name) {
    const std::unique_ptr<DIR, TDirCloser> dir(::opendir(folder.empty() ? "." : folder.c_str()));
    if (!dir)
        return {};
    std::string best;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view entryName = entry->d_name;
        if (SameFileName(entryName, name) && (best.empty() || entryName < best))
            best = entryName;
    }
    return best;
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::string ToLocalSeparators(std::string_view path) {
    std::string result(path);
    for (char& c : result)
        if (c == '\\')
            c = '/';
    return result;
}

bool SameFileName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

bool ResolvePathIgnoringCase(std::string_view path, std::string& resolved) {
    resolved.assign(path);
    if (path.empty())
        return false;
    if (Exists(resolved))
        return true;

    std::string found;
    std::size_t pos = 0;
    if (path.front() == '/') {
        found = "/";
        pos = 1;
    }
    while (pos <= path.size()) {
        std::size_t slash = path.find('/', pos);
        if (slash == std::string_view::npos)
            slash = path.size();
        const std::string_view name = path.substr(pos, slash - pos);
        if (!name.empty()) {
            const bool needsSlash = !found.empty() && found.back() != '/';
            std::string candidate = found + (needsSlash ? "/" : "") + std::string(name);
            if (name != "." && name != ".." && !Exists(candidate)) {
                const std::string match = FindEntryIgnoringCase(found, name);
                if (match.empty()) {
                    resolved = candidate + std::string(path.substr(slash));
                    return false;
                }
                candidate = found + (needsSlash ? "/" : "") + match;
            }
            found = std::move(candidate);
        }
        pos = slash + 1;
    }
    resolved = found;
    return Exists(resolved);
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::vector<std::string> FolderEntries(const std::string& folder, bool folders) {
    std::vector<std::string> found;
    const std::unique_ptr<DIR, TDirCloser> dir(::opendir(folder.c_str()));
    if (!dir)
        return found;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name != "." && name != ".." && IsFolder(folder + "/" + name) == folders)
            found.push_back(folder + "/" + name);
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::string TrimTrailingSeparators(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}
