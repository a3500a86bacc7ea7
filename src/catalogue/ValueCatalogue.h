#pragma once

// The value catalogue: for every key of the map document, how its row is edited (plain text, an
// edit button for several values, a drop-down list for one value) and which values are legal. The
// values come from the game's XML information files below the game folder, or from small fixed
// lists. The main window owns the one catalogue; the catalogue owns its entries and their readers.

#include "catalogue/GameLayers.h"
#include "catalogue/MapXMLReader.h"
#include "document/LineCodec.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Row styles.
constexpr int KindPlainText = 0;
constexpr int KindSeveralValues = 1;
constexpr int KindOneValue = 2;

// What the catalogue knows about one key: its row style and where its values come from (a fixed
// list of the catalogue, a reader of its own, or neither).
class TValueInfo {
public:
    explicit TValueInfo(int kind) : kind(kind) {}

    int Kind() const { return kind; }
    const StringList* FixedList() const { return fixedList; }
    void SetFixedList(const StringList* list) { fixedList = list; }
    TMapXMLReader* Reader() const { return reader.get(); }
    void SetReader(std::unique_ptr<TMapXMLReader> value) { reader = std::move(value); }
    // The layers the values come from, top first ("Next War", "Beyond the Sword, base game"); ""
    // for a fixed list.
    const std::string& Source() const { return source; }
    void SetSource(std::string value) { source = std::move(value); }

    // The fixed list, else the reader's values (which may read the file and raise
    // OperationAborted), else an empty list.
    const StringList& GetList();

private:
    int kind;
    const StringList* fixedList = nullptr;
    std::unique_ptr<TMapXMLReader> reader;
    std::string source;
};

class TValueCatalogue {
public:
    TValueCatalogue() = default;
    // Entries point at the catalogue's own fixed lists, so the catalogue stays where it was made.
    TValueCatalogue(const TValueCatalogue&) = delete;
    TValueCatalogue& operator=(const TValueCatalogue&) = delete;

    // The game's installation folder without a trailing separator, as one layer alone; a changed
    // text (letter case counts) rebuilds the key table, the same text keeps it and every list read.
    void SetGameDir(std::string_view dir);
    const std::string& GameDir() const { return gameDir; }
    // The layers the lists come from. The lists of every set of layers used are kept: going back
    // to a set reads no file again. Without a root folder the table is empty.
    void SetLayers(const TGameLayers& value);
    const TGameLayers& Layers() const { return layers; }
    // Which layers the key's list comes from (see TValueInfo::Source); "" for a key without a file.
    std::string SourceOf(std::string_view key) const;

    // Replaces the key table by a fresh one: it finds the layer of each key's file and lists the text
    // folders, but reads no file until a list is asked for.
    void Build();
    std::size_t EntryCount() const { return entries.size(); }

    // The row style of the key (ignoring case); KindPlainText for a key not in the table.
    int GetKind(std::string_view key) const;
    // The list becomes a copy of the key's legal values; it is left empty for a key not in the
    // table, and when the key's file cannot be read (OperationAborted then passes on).
    void GetValueList(std::string_view key, StringList& list);
    // The row style of every "key=value" row, in the rows' order (the key is the text before the
    // first "=").
    std::vector<int> ApplyEditStyles(const std::vector<std::string>& rows) const;
    // The entry of the key, or null; for callers that need more than GetKind and GetValueList.
    TValueInfo* FindEntry(std::string_view key) const;

    // "Team0" to "Team17" and "Player0" to "Player17"; the catalogue owns them.
    const StringList& GetTeamNames();
    const StringList& GetPlayerNames();

    // Whether the key is one of the key table's, whether or not the table is built.
    static bool IsCatalogueKey(std::string_view key);
    // The row style the key has once the table is built (ignoring case); KindPlainText for a key not
    // in the table. For a sheet that offers the game folder when a row's list is first asked for.
    static int KeyTableKind(std::string_view key);
    // The key table's keys in their order.
    static StringList CatalogueKeys();

private:
    void AddEntry(std::string_view key, std::unique_ptr<TValueInfo> info);

    StringList booleanValues;
    StringList featureVarieties;
    StringList plotTypes;
    StringList riverNSValues;
    StringList riverWEValues;
    StringList ownerNumbers;
    StringList teamNumbers;
    StringList playerNames;
    StringList teamNames;
    using TEntries = std::vector<std::pair<std::string, std::unique_ptr<TValueInfo>>>;
    std::string gameDir;
    TGameLayers layers;
    TEntries entries;
    // The entries of the other sets of layers used, by their key.
    std::map<std::string, TEntries> keptEntries;
};
