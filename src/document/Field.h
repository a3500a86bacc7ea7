#pragma once

// A record's field, as its table declares it (TField), and what the table says besides (TFieldDefaults).
// See FieldTable.h for how a record declares its table.

#include "document/FieldRecord.h"

#include <cstdint>
#include <string>
#include <string_view>

// One field of a record R: its key, the kind of its value and where R holds it, when it is written
// and its row in the property sheet. Made by the named makers and adjusted by the modifiers below.
template <typename R> struct TField {
    using TRecord = R;

    std::string_view key;
    TFieldValue value = TFieldValue::Special;
    TFieldWritten written = TFieldWritten::WhenSet;
    TFieldRow row = TFieldRow::Single;
    int R::*number = nullptr;
    std::int8_t R::*small = nullptr;
    bool R::*flag = nullptr;
    std::string R::*text = nullptr;
    StringList R::*list = nullptr;
    FlagSet R::*teams = nullptr;
    // A text held elsewhere than in a member of its own: made on first use, or an entry of an array.
    const std::string& (*getText)(const R&) = nullptr;
    void (*setText)(R&, std::string_view) = nullptr;
    // Whether getText and setText hold it: a sanitized build cannot compare function addresses in a
    // constant expression.
    bool heldText = false;
    // The value of an absent field (a flag's is 0 or 1).
    int numberDefault = 0;
    std::string_view textDefault;
    // What a number written without digits reads as, unless it keeps the number held.
    int emptyNumber = 0;
    bool emptyKeeps = false;
    // Fits a small number read or set to the values the field takes.
    std::int8_t (*fit)(int value, bool fromFile) = nullptr;
    // A number it refuses is passed over; a file's is listed (see TFieldDefaults::Refused), as a team
    // set's numbers that name no team are.
    bool (*valid)(int value) = nullptr;
    // For WhenHeld: whether a record made here writes it, instead of "other than its default".
    bool (*held)(const R&) = nullptr;
    // Written on the line of the field before, after this separator, when that field is written.
    std::string_view joins;
    // The value is the item of this key on the field's line ("CivicOption=..., Civic=...").
    std::string_view valueKey;
    // The row's name, when it is not the key.
    std::string_view rowName;
    // Read, or written, by the record's own hook (ReadSpecial, WriteSpecial) instead.
    bool readHook = false, writeHook = false;

    static constexpr TField Number(std::string_view key, int R::*member, int absent) {
        return Make(key, TFieldValue::Number).With([&](TField& f) {
            f.number = member;
            f.numberDefault = f.emptyNumber = absent;
        });
    }
    static constexpr TField Small(std::string_view key, std::int8_t R::*member, int absent,
                                  std::int8_t (*fit)(int, bool)) {
        return Make(key, TFieldValue::Small).With([&](TField& f) {
            f.small = member;
            f.numberDefault = absent;
            f.emptyNumber = -1;
            f.fit = fit;
        });
    }
    static constexpr TField Flag(std::string_view key, bool R::*member, bool absent) {
        return Make(key, TFieldValue::Flag).With([&](TField& f) {
            f.flag = member, f.numberDefault = absent;
        });
    }
    static constexpr TField TypeName(std::string_view key, std::string R::*member,
                                     std::string_view absent = {}) {
        return Make(key, TFieldValue::TypeName).With([&](TField& f) {
            f.text = member, f.textDefault = absent;
        });
    }
    static constexpr TField Text(std::string_view key, std::string R::*member, std::string_view absent = {}) {
        return TypeName(key, member, absent).With([](TField& f) { f.value = TFieldValue::Text; });
    }
    // A text or type name through accessors: `set` stores what it is given.
    static constexpr TField HeldText(std::string_view key, TFieldValue value,
                                     const std::string& (*get)(const R&), void (*set)(R&, std::string_view),
                                     std::string_view absent = {}) {
        return Make(key, value).With([&](TField& f) {
            f.getText = get, f.setText = set, f.heldText = true, f.textDefault = absent;
        });
    }
    static constexpr TField TypeList(std::string_view key, StringList R::*member) {
        return Make(key, TFieldValue::TypeList, TFieldRow::Whole).With([&](TField& f) { f.list = member; });
    }
    static constexpr TField TextList(std::string_view key, StringList R::*member) {
        return TypeList(key, member).With([](TField& f) { f.value = TFieldValue::TextList; });
    }
    static constexpr TField TeamSet(std::string_view key, FlagSet R::*member) {
        return Make(key, TFieldValue::TeamSet, TFieldRow::Whole).With([&](TField& f) { f.teams = member; });
    }
    static constexpr TField TeamLine(std::string_view key, FlagSet R::*member) {
        return Make(key, TFieldValue::TeamLine).With([&](TField& f) { f.teams = member; });
    }
    // Shown as "key=1" or "key=0"; a row of "0" or of no value clears it.
    static constexpr TField Bare(std::string_view key, bool R::*member) {
        return Make(key, TFieldValue::Bare, TFieldRow::Shown).With([&](TField& f) { f.flag = member; });
    }
    static constexpr TField Paired(std::string_view key) {
        return Make(key, TFieldValue::Paired, TFieldRow::None);
    }
    static constexpr TField Special(std::string_view key, TFieldRow row = TFieldRow::Special) {
        return Make(key, TFieldValue::Special, row).ReadHook().WriteHook().With([](TField& f) {
            f.written = TFieldWritten::Always;
        });
    }

    // Written on every save and shown as it is.
    constexpr TField Always() const {
        return With([](TField& f) { f.written = TFieldWritten::Always, f.row = TFieldRow::Shown; });
    }
    constexpr TField WhenHeld(bool (*rule)(const R&) = nullptr) const {
        return With([&](TField& f) { f.written = TFieldWritten::WhenHeld, f.held = rule; });
    }
    constexpr TField Row(TFieldRow shown, std::string_view name = {}) const {
        return With([&](TField& f) { f.row = shown, f.rowName = name; });
    }
    constexpr TField Joins(std::string_view separator) const {
        return With([&](TField& f) { f.joins = separator; });
    }
    constexpr TField EmptyReads(int number) const {
        return With([&](TField& f) { f.emptyNumber = number; });
    }
    constexpr TField EmptyKeeps() const {
        return With([](TField& f) { f.emptyKeeps = true; });
    }
    constexpr TField Valid(bool (*rule)(int)) const {
        return With([&](TField& f) { f.valid = rule; });
    }
    constexpr TField ReadHook() const {
        return With([](TField& f) { f.readHook = true; });
    }
    constexpr TField WriteHook() const {
        return With([](TField& f) { f.writeHook = true; });
    }
    constexpr TField ValueOf(std::string_view itemKey) const {
        return With([&](TField& f) { f.valueKey = itemKey; });
    }

    constexpr bool HoldsOne() const {
        return value == TFieldValue::Number || value == TFieldValue::Small || value == TFieldValue::Flag ||
               value == TFieldValue::TypeName || value == TFieldValue::Text || value == TFieldValue::TeamLine;
    }

private:
    static constexpr TField Make(std::string_view key, TFieldValue value, TFieldRow row = TFieldRow::Single) {
        TField f;
        f.key = key;
        f.value = value;
        f.row = row;
        return f;
    }
    template <typename Change> constexpr TField With(Change change) const {
        TField f = *this;
        change(f);
        return f;
    }
};

// What a record's table says besides its fields; a record's TFields shadows what differs.
template <typename R> struct TFieldDefaults {
    using F = TField<R>;
    // The block's first and last lines, and what goes before each line of a field.
    static constexpr std::string_view Begin{}, End{}, Indent = "\t";
    // Only the lines between the block's markers are kept.
    static constexpr bool KeepsInsideOnly = false;
    // Whether the record writes its block (a slot in use); null: always.
    static constexpr bool (*Written)(const R&) = nullptr;
    // Whether a line of the block that none of the keys reads is read by the record's own hook,
    // LineKnown(record, items, match, fromFile), which says whether the line was its own.
    static constexpr bool ReadsOtherLines = false;
    // The numbers the fields refused, as "key=value" items in file order, for a check of the map.
    static constexpr StringList R::*Refused = nullptr;
    // A record made here writes its WhenHeld fields whatever they hold while this holds.
    static constexpr bool (*WritesAll)(const R&) = nullptr;
};
