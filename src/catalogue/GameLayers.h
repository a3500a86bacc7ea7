#pragma once

// The game as a player runs it: the base game's files, an expansion's over them, and a mod's (or,
// without a mod, the user's CustomAssets) over those. Each XML file comes from the highest layer
// that has it; the text files of every layer are all read, a higher layer's tag replacing the same
// tag below. Whoever reads the game's rules holds a layer list; it holds folders, no file's content.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

enum class TEdition { Base, Warlords, BeyondTheSword };

// "base game", "Warlords", "Beyond the Sword".
const char* EditionName(TEdition edition);
// The edition a map file's extension names (.CivBeyondSwordWBSave, .CivWarlordsWBSave, any letter
// case); the base game for any other name.
TEdition EditionOfMapFile(std::string_view fileName);
// "base", "warlords" or "bts" (any letter case), as the command line takes them.
bool ParseEdition(std::string_view text, TEdition& edition);
// The mod's folder name that a game section's ModPath names: "Mods\Next War\", "mods/Next War" and
// "Next War" all name "Next War"; "" for none.
std::string ModNameOfModPath(std::string_view modPath);

// The edition and mod a map runs with, and how the mod was named, for the message when it is
// missing ("ModPath names Mods\Next War\").
struct TLayerChoice {
    TEdition edition = TEdition::Base;
    std::string mod;
    std::string modNamedAs;

    bool operator==(const TLayerChoice& other) const { return edition == other.edition && mod == other.mod; }
    bool operator!=(const TLayerChoice& other) const { return !(*this == other); }
};

// The choice a map makes: the edition of its file's extension and the mod of its game section's
// ModPath.
TLayerChoice ChoiceOfMap(std::string_view fileName, std::string_view modPath);

// One layer: its name as the user knows it and the folder that holds its Assets.
struct TGameLayer {
    std::string name;
    std::string folder;
};

// What a folder named as the game folder stands for: the game's root, found by walking up from an
// expansion's or a mod's folder, and the edition and mod whose folder it is.
struct TNamedFolder {
    std::string root;
    std::optional<TEdition> edition;
    std::string mod;

    // The user named this folder for what it holds: an expansion's folder stands over the edition
    // the map asks for, a mod's over its edition and mod.
    TLayerChoice Over(TLayerChoice choice) const;
};
TNamedFolder LocateGameFolder(const std::string& folder);

class TGameLayers {
public:
    // One folder alone, as the game's root: no expansion, mod or custom assets.
    static TGameLayers OfFolder(const std::string& folder);
    // The layers of the choice below the game's root that exist. `prefixes` are the Wine prefixes
    // whose documents folder may hold the user's CustomAssets (the root's own prefix is looked in
    // first). What the choice names and the root lacks is said once by MissingText.
    static TGameLayers Resolve(const std::string& root, const TLayerChoice& choice,
                               const std::vector<std::string>& prefixes);

    // Highest first; empty for no game folder.
    const std::vector<TGameLayer>& Layers() const { return layers; }
    const std::string& Root() const { return root; }
    TEdition Edition() const { return edition; }
    // The mod in use, "" when none is.
    const std::string& Mod() const { return mod; }

    // The file below the highest layer that has it (a path below Assets' folder, either separator,
    // any letter case) and that layer's name; "" when no layer has it.
    std::string FindFile(std::string_view relative, std::string* layerName = nullptr) const;
    // Every file of Assets/XML/Text of every layer, lowest layer first: its layer's name and path.
    std::vector<std::pair<std::string, std::string>> TextFiles() const;

    // "Beyond the Sword · Next War", "base game · CustomAssets", "base game": the edition and the
    // layer on top of it.
    std::string Description() const;
    // The layers from top to bottom, "Next War, Beyond the Sword, base game".
    std::string NamesText() const;
    // The layer the choice named and the game folder lacks, once, as the user is told; "" when none.
    const std::string& MissingText() const { return missing; }
    // Equal for lists of the same folders, which read the same files.
    std::string Key() const;

    // The mods installed for the edition: the folder names in Mods of its folder, sorted.
    static std::vector<std::string> InstalledMods(const std::string& root, TEdition edition);

private:
    std::string root;
    TEdition edition = TEdition::Base;
    std::string mod;
    std::vector<TGameLayer> layers;
    std::string missing;
};
