#include "catalogue/GameLayers.h"

#include "catalogue/GamePath.h"
#include "document/FileText.h"
#include "document/LineCodec.h"

#include <algorithm>

namespace {

constexpr std::string_view MiddleDot = "\xC2\xB7"; // UTF-8, as the windows and the terminal show it
constexpr const char* CustomAssetsName = "CustomAssets";

// The expansion's folder beside the base game's Assets; the base game's own is the root.
const char* EditionFolderName(TEdition edition) {
    switch (edition) {
    case TEdition::Warlords:
        return "Warlords";
    case TEdition::BeyondTheSword:
        return "Beyond the Sword";
    case TEdition::Base:
        break;
    }
    return "";
}

// The existing folder that `relative` names below `folder`, whatever its letter case; "" when none.
std::string SubFolder(const std::string& folder, std::string_view relative) {
    std::string resolved;
    if (!ResolvePathIgnoringCase(folder + "/" + std::string(relative), resolved) || !IsFolder(resolved))
        return {};
    return resolved;
}

std::string EditionFolder(const std::string& root, TEdition edition) {
    return edition == TEdition::Base ? root : SubFolder(root, EditionFolderName(edition));
}

bool IsExpansionFolderName(const std::string& name, TEdition& edition) {
    for (const TEdition candidate : {TEdition::Warlords, TEdition::BeyondTheSword})
        if (SameText(name, EditionFolderName(candidate))) {
            edition = candidate;
            return true;
        }
    return false;
}

// The documents folders of a Wine prefix's users, where "My Games" lies.
std::vector<std::string> DocumentsFolders(const std::string& prefix) {
    std::vector<std::string> found;
    for (const std::string& user : FolderEntries(prefix + "/drive_c/users", true))
        for (const char* documents : {"Documents", "My Documents"})
            if (const std::string folder = SubFolder(user, documents); !folder.empty())
                found.push_back(folder);
    return found;
}

// The edition's folder in "My Games": the expansions' carry their names, the base game's ends in
// the game's name.
std::string MyGamesFolder(const std::string& documents, TEdition edition) {
    const std::string myGames = SubFolder(documents, "My Games");
    if (myGames.empty())
        return {};
    if (edition != TEdition::Base)
        return SubFolder(myGames, EditionFolderName(edition));
    for (const std::string& folder : FolderEntries(myGames, true))
        if (EndsWithText(NameOf(folder), "Civilization 4") || EndsWithText(NameOf(folder), "Civilization IV"))
            return folder;
    return {};
}

std::string FindCustomAssets(const std::string& root, TEdition edition, std::vector<std::string> prefixes) {
    const std::size_t driveC = root.find("/drive_c/");
    if (driveC != std::string::npos)
        prefixes.insert(prefixes.begin(), root.substr(0, driveC));
    for (const std::string& prefix : prefixes)
        for (const std::string& documents : DocumentsFolders(prefix)) {
            const std::string editionFolder = MyGamesFolder(documents, edition);
            const std::string custom =
                editionFolder.empty() ? "" : SubFolder(editionFolder, CustomAssetsName);
            if (!custom.empty() && !SubFolder(custom, "Assets/XML").empty())
                return custom;
        }
    return {};
}

} // namespace

const char* EditionName(TEdition edition) {
    return edition == TEdition::Base ? "base game" : EditionFolderName(edition);
}

TEdition EditionOfMapFile(std::string_view fileName) {
    if (EndsWithText(fileName, ".CivBeyondSwordWBSave"))
        return TEdition::BeyondTheSword;
    if (EndsWithText(fileName, ".CivWarlordsWBSave"))
        return TEdition::Warlords;
    return TEdition::Base;
}

bool ParseEdition(std::string_view text, TEdition& edition) {
    if (SameText(text, "base"))
        edition = TEdition::Base;
    else if (SameText(text, "warlords"))
        edition = TEdition::Warlords;
    else if (SameText(text, "bts"))
        edition = TEdition::BeyondTheSword;
    else
        return false;
    return true;
}

std::string ModNameOfModPath(std::string_view modPath) {
    std::string path = ToLocalSeparators(TrimBlanks(modPath));
    path = TrimTrailingSeparators(path);
    while (path.rfind("./", 0) == 0)
        path.erase(0, 2);
    if (path == "/" || path == ".")
        return {};
    const std::size_t slash = path.find('/');
    if (slash != std::string::npos && SameText(std::string_view(path).substr(0, slash), "Mods"))
        return NameOf(path);
    return SameText(path, "Mods") ? std::string() : NameOf(path);
}

TLayerChoice ChoiceOfMap(std::string_view fileName, std::string_view modPath) {
    TLayerChoice choice;
    choice.edition = EditionOfMapFile(fileName);
    choice.mod = ModNameOfModPath(modPath);
    if (!choice.mod.empty())
        choice.modNamedAs = "ModPath names " + std::string(TrimBlanks(modPath));
    return choice;
}

TLayerChoice TNamedFolder::Over(TLayerChoice choice) const {
    if (edition)
        choice.edition = *edition;
    if (!mod.empty()) {
        choice.mod = mod;
        choice.modNamedAs.clear();
    }
    return choice;
}

TNamedFolder LocateGameFolder(const std::string& named) {
    TNamedFolder result;
    std::string folder = TrimTrailingSeparators(named);
    if (SameText(NameOf(FolderOf(folder)), "Mods")) {
        result.mod = NameOf(folder);
        folder = FolderOf(FolderOf(folder));
    }
    TEdition edition = TEdition::Base;
    if (IsExpansionFolderName(NameOf(folder), edition) &&
        !SubFolder(FolderOf(folder), "Assets/XML").empty()) {
        result.edition = edition;
        folder = FolderOf(folder);
    } else if (!result.mod.empty()) {
        result.edition = TEdition::Base;
    }
    result.root = folder;
    return result;
}

TGameLayers TGameLayers::OfFolder(const std::string& folder) {
    TGameLayers result;
    result.root = TrimTrailingSeparators(folder);
    if (!folder.empty())
        result.layers.push_back({EditionName(TEdition::Base), result.root});
    return result;
}

TGameLayers TGameLayers::Resolve(const std::string& rootFolder, const TLayerChoice& choice,
                                 const std::vector<std::string>& prefixes) {
    TGameLayers result = OfFolder(rootFolder);
    if (result.root.empty())
        return result;
    const std::string expansion = EditionFolder(result.root, choice.edition);
    TEdition running = choice.edition;
    if (expansion.empty()) {
        result.missing = std::string("The map is for ") + EditionName(choice.edition) +
                         ", which is not in the game folder: checked against the base game";
        running = TEdition::Base;
    } else if (choice.edition != TEdition::Base) {
        result.layers.insert(result.layers.begin(), {EditionName(choice.edition), expansion});
    }
    result.edition = running;
    if (!choice.mod.empty()) {
        // A mod is one folder of Mods: a name that leads elsewhere names none.
        const bool plainName =
            choice.mod.find('/') == std::string::npos && choice.mod != "." && choice.mod != "..";
        const std::string modFolder =
            expansion.empty() || !plainName ? "" : SubFolder(expansion, "Mods/" + choice.mod);
        if (!modFolder.empty()) {
            result.mod = NameOf(modFolder);
            result.layers.insert(result.layers.begin(), {result.mod, modFolder});
        } else if (result.missing.empty()) {
            const std::string namedAs = choice.modNamedAs.empty() ? "The mod \"" + choice.mod + "\" is"
                                                                  : choice.modNamedAs + ", which is";
            result.missing = namedAs + " not in the game folder: checked against " +
                             (running == TEdition::Base ? "the base game" : result.Description());
        }
        return result;
    }
    if (const std::string custom = FindCustomAssets(result.root, running, prefixes); !custom.empty())
        result.layers.insert(result.layers.begin(), {CustomAssetsName, custom});
    return result;
}

std::string TGameLayers::FindFile(std::string_view relative, std::string* layerName) const {
    std::string path = ToLocalSeparators(relative);
    path.erase(0, path.find_first_not_of('/'));
    for (const TGameLayer& layer : layers) {
        std::string resolved;
        if (ResolvePathIgnoringCase(layer.folder + "/" + path, resolved) && !IsFolder(resolved)) {
            if (layerName)
                *layerName = layer.name;
            return resolved;
        }
    }
    return {};
}

std::vector<std::pair<std::string, std::string>> TGameLayers::TextFiles() const {
    std::vector<std::pair<std::string, std::string>> files;
    for (auto layer = layers.rbegin(); layer != layers.rend(); ++layer) {
        const std::string text = SubFolder(layer->folder, "Assets/XML/Text");
        if (text.empty())
            continue;
        for (const std::string& file : FolderEntries(text, false))
            if (EndsWithText(file, ".xml"))
                files.emplace_back(layer->name, file);
    }
    return files;
}

std::string TGameLayers::Description() const {
    std::string text = EditionName(edition);
    if (layers.size() > 1 && layers.front().name != EditionName(edition))
        text += " " + std::string(MiddleDot) + " " + layers.front().name;
    return text;
}

std::string TGameLayers::NamesText() const {
    std::string text;
    for (const TGameLayer& layer : layers)
        text += (text.empty() ? "" : ", ") + layer.name;
    return text;
}

std::string TGameLayers::Key() const {
    std::string key;
    for (const TGameLayer& layer : layers)
        key += layer.folder + '\n';
    return key;
}

std::vector<std::string> TGameLayers::InstalledMods(const std::string& root, TEdition edition) {
    std::vector<std::string> mods;
    const std::string folder = EditionFolder(TrimTrailingSeparators(root), edition);
    const std::string modsFolder = folder.empty() ? "" : SubFolder(folder, "Mods");
    if (!modsFolder.empty())
        for (const std::string& mod : FolderEntries(modsFolder, true))
            mods.push_back(NameOf(mod));
    return mods;
}
