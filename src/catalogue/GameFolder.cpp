#include "catalogue/GameFolder.h"

#include "catalogue/CodePage.h"
#include "catalogue/GamePath.h"
#include "document/FileText.h"
#include "document/LineCodec.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <sys/stat.h>
#include <unordered_set>

namespace {

constexpr const char* FiraxisKey = "SOFTWARE\\Firaxis Games";
constexpr const char* FiraxisKey32 = "SOFTWARE\\Wow6432Node\\Firaxis Games";
constexpr const char* DemoName = "Halvard's Civilization 4 Demo";
constexpr const char* FullName = "Halvard's Civilization 4";
constexpr const char* DemoSuffix = "Civilization 4 Demo";
constexpr const char* FullSuffix = "Civilization 4";
// An expansion's own key names its folder, beside the base game's Assets.
constexpr const char* ExpansionSuffixes[] = {"Beyond the Sword", "Warlords"};

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads an escaped text up to the unescaped `end` character, from `pos`; leaves `pos` after it.
// False when the line ends first.
bool ReadEscaped(std::string_view line, std::size_t& pos, char end, std::string& out) {
    out.clear();
    while (pos < line.size()) {
        const char c = line[pos++];
        if (c == end)
            return true;
        if (c != '\\' || pos >= line.size()) {
            out.push_back(c);
            continue;
        }
        const char e = line[pos++];
        switch (e) {
        case 'n':
            out.push_back('\n');
            break;
        case 'r':
            out.push_back('\r');
            break;
        case 't':
            out.push_back('\t');
            break;
        case 'x': {
            char32_t ch = 0;
            int digits = 0;
            while (digits < 4 && pos < line.size() && HexValue(line[pos]) >= 0) {
                ch = ch * 16 + static_cast<char32_t>(HexValue(line[pos++]));
                ++digits;
            }
            if (digits == 0)
                out.push_back('x');
            else
                AppendUtf8(out, ch);
            break;
        }
        default:
            if (e >= '0' && e <= '7') {
                char32_t ch = static_cast<char32_t>(e - '0');
                for (int digits = 1; digits < 3 && pos < line.size() && line[pos] >= '0' && line[pos] <= '7';
                     ++digits)
                    ch = ch * 8 + static_cast<char32_t>(line[pos++] - '0');
                AppendUtf8(out, ch);
            } else {
                // "\\", "\"", "\]" and anything else stand for the character itself.
                out.push_back(e);
            }
        }
    }
    return false;
}

// Registry names compare without regard to the case of ASCII letters.
std::string FoldedName(std::string_view name) {
    std::string folded(name);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

bool UnderRoot(std::string_view path, std::string_view root) {
    return StartsWithText(path, root) && (path.size() == root.size() || path[root.size()] == '\\');
}

std::string CanonicalPath(const std::string& path) {
    char buffer[PATH_MAX];
    return ::realpath(path.c_str(), buffer) ? std::string(buffer) : path;
}

std::string FolderHoldingGame(const std::string& folder) {
    std::string resolved;
    if (ResolvePathIgnoringCase(folder + "/Assets/XML/GameInfo/CIV4EraInfos.xml", resolved))
        return folder;
    return {};
}

} // namespace

TGameSearchPlaces TGameSearchPlaces::FromEnvironment() {
    TGameSearchPlaces places;
    if (const char* home = std::getenv("HOME"))
        places.home = home;
    if (const char* prefix = std::getenv("WINEPREFIX"))
        places.winePrefix = prefix;
    return places;
}

TWineRegistry TWineRegistry::Parse(std::string_view text, const std::vector<std::string>& roots) {
    TWineRegistry registry;
    TKey* current = nullptr;
    std::string name, value;
    for (const std::string_view rawLine : SplitLines(text)) {
        const std::string_view line = TrimBlanks(rawLine);
        if (line.empty())
            continue;
        if (line.front() == '[') {
            current = nullptr;
            std::size_t pos = 1;
            std::string path;
            if (!ReadEscaped(line, pos, ']', path))
                continue;
            const bool kept =
                roots.empty() || std::any_of(roots.begin(), roots.end(),
                                             [&](const std::string& root) { return UnderRoot(path, root); });
            if (kept) {
                registry.index[FoldedName(path)] = registry.keys.size();
                registry.keys.push_back({std::move(path), {}});
                current = &registry.keys.back();
            }
            continue;
        }
        if (!current || (line.front() != '"' && line.front() != '@'))
            continue;
        std::size_t pos = 1;
        if (line.front() == '@')
            name.clear();
        else if (!ReadEscaped(line, pos, '"', name))
            continue;
        if (pos >= line.size() || line[pos] != '=')
            continue;
        std::string_view data = line.substr(pos + 1);
        if (StartsWithText(data, "str(")) {
            const std::size_t colon = data.find("):");
            if (colon == std::string_view::npos)
                continue;
            data.remove_prefix(colon + 2);
        }
        if (data.empty() || data.front() != '"')
            continue;
        std::size_t valuePos = 1;
        if (ReadEscaped(data, valuePos, '"', value))
            current->strings.emplace_back(name, value);
    }
    return registry;
}

const TWineRegistry::TKey* TWineRegistry::FindKey(std::string_view path) const {
    const auto found = index.find(FoldedName(path));
    return found == index.end() ? nullptr : &keys[found->second];
}

bool TWineRegistry::HasKey(std::string_view path) const {
    return FindKey(path) != nullptr;
}

bool TWineRegistry::ReadString(std::string_view path, std::string_view name, std::string& value) const {
    const TKey* key = FindKey(path);
    if (!key)
        return false;
    for (const auto& [valueName, text] : key->strings) {
        if (SameText(valueName, name)) {
            value = text;
            return true;
        }
    }
    return false;
}

std::vector<std::string> TWineRegistry::SubkeyNames(std::string_view path) const {
    std::vector<std::string> names;
    std::unordered_set<std::string> seen;
    for (const TKey& key : keys) {
        if (key.path.size() <= path.size() + 1 || !UnderRoot(key.path, path))
            continue;
        const std::string_view rest = std::string_view(key.path).substr(path.size() + 1);
        const std::string child(rest.substr(0, rest.find('\\')));
        if (!child.empty() && seen.insert(FoldedName(child)).second)
            names.push_back(child);
    }
    return names;
}

std::vector<std::string> GameKeyCandidates(const TWineRegistry& registry) {
    std::vector<std::string> candidates;
    std::unordered_set<std::string> seen;
    const auto add = [&](const std::string& path) {
        if (registry.HasKey(path) && seen.insert(FoldedName(path)).second)
            candidates.push_back(path);
    };
    for (const char* name : {DemoName, FullName})
        for (const char* parent : {FiraxisKey, FiraxisKey32})
            add(std::string(parent) + "\\" + name);
    std::vector<const char*> suffixes = {DemoSuffix, FullSuffix};
    suffixes.insert(suffixes.end(), std::begin(ExpansionSuffixes), std::end(ExpansionSuffixes));
    for (const char* suffix : suffixes)
        for (const char* parent : {FiraxisKey, FiraxisKey32})
            for (const std::string& child : registry.SubkeyNames(parent))
                if (EndsWithText(child, suffix))
                    add(std::string(parent) + "\\" + child);
    return candidates;
}

std::string WindowsPathInPrefix(const std::string& prefix, std::string_view windowsPath) {
    if (windowsPath.size() < 2 || windowsPath[1] != ':')
        return {};
    const char drive = static_cast<char>(UpperChar(windowsPath[0]) - 'A' + 'a');
    if (drive < 'a' || drive > 'z')
        return {};
    std::string rest = ToLocalSeparators(windowsPath.substr(2));
    rest.erase(0, rest.find_first_not_of('/'));
    std::string root = prefix + "/dosdevices/" + drive + ":";
    if (!IsFolder(root)) {
        if (drive != 'c')
            return {};
        root = prefix + "/drive_c";
    }
    std::string resolved;
    if (!ResolvePathIgnoringCase(root + "/" + rest, resolved) || !IsFolder(resolved))
        return {};
    return TrimTrailingSeparators(resolved);
}

std::string InstallDirInPrefix(const TWineRegistry& registry, const std::string& prefix) {
    for (const std::string& key : GameKeyCandidates(registry)) {
        std::string installDir;
        if (!registry.ReadString(key, "INSTALLDIR", installDir) || installDir.empty())
            continue;
        const std::string folder = WindowsPathInPrefix(prefix, installDir);
        if (!folder.empty())
            return folder;
    }
    return {};
}

namespace {

std::vector<std::string> SteamRoots(const TGameSearchPlaces& places) {
    return {places.home + "/.steam/steam", places.home + "/.local/share/Steam"};
}

} // namespace

std::vector<std::string> WinePrefixes(const TGameSearchPlaces& places) {
    std::vector<std::string> prefixes;
    prefixes.push_back(!places.winePrefix.empty() ? places.winePrefix : places.home + "/.wine");
    for (const std::string& steam : SteamRoots(places))
        for (const std::string& app : FolderEntries(steam + "/steamapps/compatdata", true))
            prefixes.push_back(app + "/pfx");
    return prefixes;
}

std::string FindGameFolder(const TGameSearchPlaces& places) {
    const std::vector<std::string> prefixes = WinePrefixes(places);
    std::vector<std::string> seen;
    const std::vector<std::string> roots = {FiraxisKey, FiraxisKey32};
    for (const std::string& prefix : prefixes) {
        const std::string canonical = CanonicalPath(prefix);
        if (std::find(seen.begin(), seen.end(), canonical) != seen.end())
            continue;
        seen.push_back(canonical);
        std::string text;
        try {
            text = ReadFileBytes(prefix + "/system.reg");
        } catch (const OperationAborted&) {
            continue; // no Wine prefix here
        }
        const std::string folder = InstallDirInPrefix(TWineRegistry::Parse(text, roots), prefix);
        if (!folder.empty())
            return folder;
    }

    for (const std::string& steam : SteamRoots(places))
        for (const std::string& game : FolderEntries(steam + "/steamapps/common", true))
            if (!FolderHoldingGame(game).empty())
                return game;
    return {};
}
