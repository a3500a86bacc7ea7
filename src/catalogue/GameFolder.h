#pragma once

// Finding the game's installation folder on this system: in the registry of the user's Wine
// prefix or of Steam's Proton prefixes, else in Steam's libraries.

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// Where the search looks: the user's home folder and the Wine prefix the environment names.
struct TGameSearchPlaces {
    std::string home;
    std::string winePrefix; // empty: the home folder's ".wine"

    // HOME and WINEPREFIX of this process.
    static TGameSearchPlaces FromEnvironment();
};

// The keys and string values of a Wine registry file (system.reg), as far as a reader keeps them.
// Key paths use single backslashes and compare without regard to case.
class TWineRegistry {
public:
    // Reads the text of a .reg file; keys outside `roots` (when given) are skipped. Lines it does
    // not understand are ignored.
    static TWineRegistry Parse(std::string_view text, const std::vector<std::string>& roots = {});

    bool HasKey(std::string_view path) const;
    // The string value of the key (name ignoring case); false when the key or value is missing or
    // not a string.
    bool ReadString(std::string_view path, std::string_view name, std::string& value) const;
    // The names of the key's direct subkeys, in the order the file first mentions them.
    std::vector<std::string> SubkeyNames(std::string_view path) const;

private:
    struct TKey {
        std::string path;
        std::vector<std::pair<std::string, std::string>> strings;
    };
    const TKey* FindKey(std::string_view path) const;

    std::vector<TKey> keys;
    // Lower-cased path to the index of its last block in `keys`: a key written twice counts as
    // written last, as when Wine loads the file.
    std::unordered_map<std::string, std::size_t> index;
};

// The registry keys that may hold the game's INSTALLDIR, best first: the demo's, the full game's
// (each also below Wow6432Node), then other editions' keys whose names end like theirs, then the
// expansions' keys (whose INSTALLDIR is the expansion's folder).
std::vector<std::string> GameKeyCandidates(const TWineRegistry& registry);

// The game folder that the prefix's registry names: the INSTALLDIR of the first candidate key
// that leads to an existing folder; "" when none does.
std::string InstallDirInPrefix(const TWineRegistry& registry, const std::string& prefix);

// The folder of this system that a Windows path names inside a Wine prefix, through its
// "dosdevices/<drive>:" link or its "drive_c" folder; "" when it does not exist there.
std::string WindowsPathInPrefix(const std::string& prefix, std::string_view windowsPath);

// The Wine prefixes the search looks in: the user's own, then each of Steam's Proton prefixes.
std::vector<std::string> WinePrefixes(const TGameSearchPlaces& places);

// The game's installation folder, "" when none is found. It may be an expansion's folder, when only
// the expansion's registry key names one: the layers walk up from there.
std::string FindGameFolder(const TGameSearchPlaces& places);
