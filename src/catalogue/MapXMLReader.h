#pragma once

// Collects one list of values from one of the game's XML information files by scanning its lines:
// the type names of one kind of game object, the English texts of a group of text keys, art
// paths, or the civics of one civic option. The catalogue owns one reader per key; the reader keeps
// the list it found, so each file is scanned once per reader.

#include "document/LineCodec.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TMapXMLReader {
public:
    // Mode: 1 "<Type>", 2 "<Tag>" (text records), 3 "<Path>", 4 "<ArtStyleType>",
    // 5 "<CivicOptionType>"; 0 has no tag. An index outside 0..5 changes nothing.
    void SetMode(int index);
    int Mode() const { return mode; }
    const std::string& ModeTag() const { return modeTag; }

    // Language: 1 "<English>", 2 "<French>", 3 "<German>", 4 "<Italian>", 5 "<Spanish>"; 0 none.
    void SetLanguage(int index);
    int Language() const { return language; }
    const std::string& LanguageTag() const { return languageTag; }

    // A path as the game writes it ("C:\Game\Assets\XML\...") or a local one; empty means no file.
    void SetFileName(std::string_view value);
    const std::string& FileName() const { return fileName; }
    // The text files of every layer, lowest first, read in place of the file name's one file: a
    // tag read later replaces the same tag read before. None: the file name's file alone.
    void SetTextFiles(std::vector<std::string> files);
    const std::vector<std::string>& TextFiles() const { return textFiles; }
    void SetFilter(std::string_view value) { filter.assign(value); }
    const std::string& Filter() const { return filter; }
    void SetExclude(std::string_view value) { exclude.assign(value); }
    const std::string& Exclude() const { return exclude; }

    // The values found, sorted ignoring case; scans the file while nothing has been found yet.
    // Raises OperationAborted naming the file when it cannot be read; the list then stays empty.
    const StringList& GetValues();

    // The values of a file's text, as GetValues would collect them; for callers that hold the text.
    StringList ScanText(std::string_view text) const;

private:
    // Each value found with what names it: a text record's tag, else the value itself.
    std::vector<std::pair<std::string, std::string>> ScanRecords(std::string_view text) const;
    StringList ReadLayeredTexts() const;
    const std::string& LocalPath();

    std::string languageTag = "<English>";
    std::string modeTag = "<Type>";
    std::string fileName;
    std::string exclude;
    std::string filter;
    std::vector<std::string> textFiles;
    int language = 1;
    int mode = 1;
    StringList values;
    // The file's path on this system, found once per reader.
    std::string localPath;
    bool localPathFound = false;
};

// Orders a list ascending, ignoring the letter case of Windows-1252 letters; equal texts keep
// their order.
void SortIgnoringCase(StringList& list);
