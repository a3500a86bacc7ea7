#pragma once

#include "document/RecordText.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What a field's value is, and so how its line is read and written.
enum class TFieldValue : std::uint8_t {
    Number,   // a decimal number
    Small,    // a number held in a byte, fitted to the values the field takes
    Flag,     // true or false, written "1" or "0"
    TypeName, // a type name of the game, upper-cased
    Text,     // free text, kept as written
    TypeList, // type names, a line each
    TextList, // texts, a line each
    TeamSet,  // team indices, a line "key=index" each
    TeamLine, // team indices on one line, each followed by a comma
    Bare,     // a bare word, written while true
    Paired,   // read, written and shown with the field whose line it shares
    Special   // the record's own hooks read, write and show it
};

// When a field of one value is written; the lists and sets write a line per entry.
enum class TFieldWritten : std::uint8_t {
    Always,  // on every save
    WhenSet, // when the file, an editor row or a setter set it; a record made here always writes it
    WhenHeld // when set; a record made here only while it holds a value other than its default
};

// The field's row in the property sheet.
enum class TFieldRow : std::uint8_t {
    None,    // no row
    Shown,   // "key=value"; applying it sets the field
    Single,  // "key=value", empty while absent; an empty value makes the field absent again
    SetOnly, // as Single, but an empty value changes nothing
    Whole,   // the list or set as a comma list; applying it replaces the whole list or set
    Special  // the record's own hooks make and apply it
};

// What every record of the document shares: the fields its table declares (`R::TFields::List`, of
// TField<R>, in the order they are written), which of them hold a value of their own, and the lines
// of its block that none of its keys reads. Reading, writing, absence and the editor rows of the
// table's fields are done here, for all records alike; the record adds what is its own. Defined in
// FieldTable.h, and instantiated by each record's source. A record hides what it does otherwise.
template <typename R> class TFieldRecord {
public:
    // Every field back to its default, nothing kept, every field set (a record not read from a file).
    void Clear();
    void LoadFromStrings(const StringList& lines);
    // Reads a block line by line: what the table declares, and the lines no key reads into the kept ones.
    void Read(TLineSpan lines, bool fromFile);
    // The block: its markers, the fields each as its kind and presence say, and the kept lines.
    void Write(TTextWriter& out) const;
    // The record's block, in the record's own list, valid until the next call.
    const StringList& SaveToStrings();
    // The record's rows in the property sheet, "key=value" each; see TFieldRow.
    const StringList& GetEditorLines();
    void ApplyEditorLines(const StringList& rows);
    // Lines of the block that none of the keys reads; written back before the block's end.
    const StringList& KeptLines() const { return kept.Lines(); }
    // Whether the field of `key` (ignoring case) holds a value of its own and is written; a list or
    // set is set when it has entries.
    bool IsSet(std::string_view key) const;
    // How many of the fields that a record made here always writes the file left unset: the game
    // chooses what they hold. 0 for a record not read from a file.
    int UnsetFieldCount() const;
    // The keys of the record's table, in its order.
    static std::vector<std::string_view> Keys();

    static const TKeyTable& KeyTable();

protected:
    // The index of a key in the table, exactly as written there, for a record's own code; a key the
    // table lacks fails the build.
    static constexpr std::size_t Key(std::string_view key);

    TFieldRecord() = default;

    // The index of `key` in the table, ignoring case; -1 when the table lacks it.
    static int FieldIndex(std::string_view key);
    // The field back to its default, and absent.
    void MakeAbsent(std::size_t key);
    // A file starts to say what the record holds (see TFieldPresence); nothing for an editor's rows.
    void BeginRead(bool fromFile);
    // Reads the keys of `mask` that a matched line carries; false when a hook stopped the reading.
    // Inlined where it is used, as are the field helpers below: a map holds tens of thousands of plots.
    [[gnu::always_inline]] inline bool ReadMatch(const TLineItems& items, const TKeyTable::TMatch& match,
                                                 std::string& scratch, bool fromFile, std::uint32_t mask);
    // The fields from `From` up to `To` (the end for -1), each as its kind and presence say.
    template <std::size_t From = 0, std::size_t To = std::size_t(-1)>
    void WriteFields(TTextWriter& out) const;
    template <std::size_t From = 0, std::size_t To = std::size_t(-1)> void AddRows(StringList& rows) const;
    // Takes the rows that replace a list or set, clear a bare word or name a field otherwise than its
    // key out of `rows` and applies them; what is left are lines for the reader.
    void TakeRows(StringList& rows);
    bool FieldIsSet(std::size_t key) const;
    // Sets field I as its setter does: a type name upper-cased, a small number fitted; and marks it set.
    template <std::size_t I, typename V> void SetField(V value);
    // The same for the field that `member` holds.
    void Set(int R::*member, int value);
    void Set(std::int8_t R::*member, int value);
    void Set(std::string R::*member, std::string_view value);

    TKeptLines kept;
    TFieldPresence presence;

private:
    R& Self() { return static_cast<R&>(*this); }
    const R& Self() const { return static_cast<const R&>(*this); }
    template <std::size_t I>
    [[gnu::always_inline]] inline bool ReadField(const TLineItems& items, std::string_view value,
                                                 bool fromFile);
    template <std::size_t I>
    [[gnu::always_inline]] inline bool ReadValue(const TLineItems& items, std::string_view value,
                                                 bool fromFile);
    template <std::size_t I>
    [[gnu::always_inline]] inline void WriteField(TTextWriter& out, bool& lineOpen) const;
    template <std::size_t I> [[gnu::always_inline]] inline bool Writes() const;
    template <std::size_t I> void AddRow(StringList& rows) const;
    template <std::size_t I> void TakeRow(StringList& rows);
    template <std::size_t I> void ClearField();
    template <typename M, typename V> void SetMember(M R::*member, V value);
};

// A record that keeps its own scratch lists for SaveToStrings and GetEditorLines.
template <typename R> class TListedRecord : public TFieldRecord<R> {
protected:
    StringList& SectionLines() { return sectionLines.Get(); }
    StringList& EditorLines() { return editorLines.Get(); }

private:
    friend class TFieldRecord<R>;
    TScratchList sectionLines, editorLines;
};
