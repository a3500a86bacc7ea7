#pragma once

// The code that reads, writes and shows every record's fields from its table. A record's source
// declares its table once, of TField entries (Field.h):
//
//   struct TUnit::TFields : TFieldDefaults<TUnit> {
//       static constexpr std::array List = {
//           F::TypeName("UnitType=", &TUnit::unitType, "UNIT_SETTLER").Always(), ...};
//   };
//
// and instantiates TFieldRecord<TUnit> there. A field that a record reads or writes otherwise is
// marked so (ReadHook, WriteHook, Special) and handed to its TFields' own static hooks: ReadSpecial,
// WriteSpecial, AddSpecialRows, TakeSpecialRows and SpecialIsSet, each given the record and the key.
// The code is unrolled over the table at compile time, so that a field costs what a hand-written
// line of a reader or writer would: a large map holds tens of thousands of plots.

#include "document/Field.h"

#include <algorithm>
#include <array>
#include <type_traits>
#include <utility>

namespace FieldTable {

// The field table as a type that depends on `I`, the index a generic lambda gets: a hook named in a
// branch the lambda discards for a field is then looked up only for the fields that take it.
template <typename Fields, typename I> struct TDependent { using Type = Fields; };

template <typename Handle, std::size_t... I>
[[gnu::always_inline]] inline bool Visit(std::size_t key, Handle&& handle, std::index_sequence<I...>) {
    bool result = true;
    (void)((key == I ? (result = handle(std::integral_constant<std::size_t, I>()), true) : false) || ...);
    return result;
}

template <typename Handle, std::size_t... I>
[[gnu::always_inline]] inline bool Any(Handle&& handle, std::index_sequence<I...>) {
    return (handle(std::integral_constant<std::size_t, I>()) || ...);
}

template <std::size_t From, typename Handle, std::size_t... I>
[[gnu::always_inline]] inline void ForRange(Handle&& handle, std::index_sequence<I...>) {
    (handle(std::integral_constant<std::size_t, From + I>()), ...);
}

template <typename Fields> constexpr std::size_t Count = Fields::List.size();

// "\tKey=" or ", Key=": what goes before a field's value, as one piece.
template <typename Fields, std::size_t I, bool Joined>
constexpr auto Lead = [] {
    constexpr auto& field = Fields::List[I];
    constexpr std::string_view before = Joined ? field.joins : Fields::Indent;
    std::array<char, before.size() + field.key.size()> text{};
    for (std::size_t i = 0; i < before.size(); ++i)
        text[i] = before[i];
    for (std::size_t i = 0; i < field.key.size(); ++i)
        text[before.size() + i] = field.key[i];
    return text;
}();

template <typename Fields, std::size_t I, bool Joined> std::string_view LeadOf() {
    return std::string_view(Lead<Fields, I, Joined>.data(), Lead<Fields, I, Joined>.size());
}

template <typename Fields> constexpr std::uint32_t CountedFields() {
    std::uint32_t mask = 0;
    for (std::size_t k = 0; k < Count<Fields>; ++k) {
        const auto& field = Fields::List[k];
        if (field.HoldsOne() && !field.writeHook &&
            (field.written == TFieldWritten::WhenSet ||
             (field.written == TFieldWritten::WhenHeld && Fields::WritesAll != nullptr)))
            mask |= 1u << k;
    }
    return mask;
}

template <typename Fields> constexpr std::uint32_t AlwaysFields() {
    std::uint32_t mask = 0;
    for (std::size_t k = 0; k < Count<Fields>; ++k)
        if (Fields::List[k].HoldsOne() && Fields::List[k].written == TFieldWritten::Always)
            mask |= 1u << k;
    return mask;
}

} // namespace FieldTable

template <typename R> constexpr std::size_t TFieldRecord<R>::Key(std::string_view key) {
    using Fields = typename R::TFields;
    for (std::size_t k = 0; k < FieldTable::Count<Fields>; ++k)
        if (Fields::List[k].key == key)
            return k;
    throw "no such key";
}

template <typename R> std::vector<std::string_view> TFieldRecord<R>::Keys() {
    std::vector<std::string_view> keys;
    for (const auto& field : R::TFields::List)
        keys.push_back(field.key);
    return keys;
}

template <typename R> const TKeyTable& TFieldRecord<R>::KeyTable() {
    using Fields = typename R::TFields;
    static const TKeyTable table([] {
        std::array<std::string_view, FieldTable::Count<Fields>> keys{};
        for (std::size_t k = 0; k < keys.size(); ++k)
            keys[k] = Fields::List[k].key;
        return keys;
    }());
    return table;
}

template <typename R> int TFieldRecord<R>::FieldIndex(std::string_view key) {
    using Fields = typename R::TFields;
    for (std::size_t k = 0; k < FieldTable::Count<Fields>; ++k)
        if (SameText(Fields::List[k].key, key))
            return static_cast<int>(k);
    return -1;
}

template <typename R> void TFieldRecord<R>::LoadFromStrings(const StringList& lines) {
    const auto views = ViewLines(lines);
    Self().Read(TLineSpan(views), true);
}

template <typename R> const StringList& TFieldRecord<R>::SaveToStrings() {
    return WriteLines(Self().SectionLines(), [&](TTextWriter& out) { Self().Write(out); });
}

template <typename R> const StringList& TFieldRecord<R>::GetEditorLines() {
    StringList& rows = Self().EditorLines();
    rows.clear();
    AddRows(rows);
    return rows;
}

template <typename R> void TFieldRecord<R>::ApplyEditorLines(const StringList& rows) {
    StringList& remaining = Self().EditorLines();
    remaining = rows;
    TakeRows(remaining);
    const auto views = ViewLines(remaining);
    Self().Read(TLineSpan(views), false);
    remaining.clear();
}

template <typename R> bool TFieldRecord<R>::IsSet(std::string_view key) const {
    const int k = FieldIndex(key);
    return k >= 0 && FieldIsSet(static_cast<std::size_t>(k));
}

template <typename R> int TFieldRecord<R>::UnsetFieldCount() const {
    return presence.CountAbsent(FieldTable::CountedFields<typename R::TFields>());
}

template <typename R> bool TFieldRecord<R>::FieldIsSet(std::size_t key) const {
    using Fields = typename R::TFields;
    return FieldTable::Visit(
        key,
        [&](auto index) {
            constexpr auto& field = Fields::List[decltype(index)::value];
            if constexpr (field.list != nullptr)
                return !(Self().*field.list).empty();
            else if constexpr (field.value == TFieldValue::TeamSet)
                return Self().*field.teams != FlagSet{};
            else if constexpr (field.value == TFieldValue::Bare)
                return Self().*field.flag;
            else if constexpr (field.value == TFieldValue::Special)
                return FieldTable::TDependent<Fields, decltype(index)>::Type::SpecialIsSet(Self(), index);
            else if constexpr (field.value == TFieldValue::Paired)
                return false;
            else
                return presence.Has(index);
        },
        std::make_index_sequence<FieldTable::Count<Fields>>());
}

template <typename R> template <std::size_t I, typename V> void TFieldRecord<R>::SetField(V value) {
    constexpr auto& field = R::TFields::List[I];
    R& record = Self();
    if constexpr (field.number != nullptr)
        record.*field.number = value;
    else if constexpr (field.small != nullptr)
        record.*field.small = field.fit(value, false);
    else if constexpr (field.value == TFieldValue::TypeName && field.text != nullptr)
        AssignUpperCase(record.*field.text, value);
    else if constexpr (field.text != nullptr)
        (record.*field.text).assign(value);
    else
        field.setText(record, value);
    presence.Mark(I);
}

template <typename R>
template <typename M, typename V>
void TFieldRecord<R>::SetMember(M R::*member, V value) {
    using Fields = typename R::TFields;
    // A compare of constants for each field that holds an M.
    auto setIfHeld = [&](auto index) {
        constexpr std::size_t I = decltype(index)::value;
        constexpr auto& field = Fields::List[I];
        constexpr M R::*held = [] {
            if constexpr (std::is_same_v<M, int>)
                return field.number;
            else if constexpr (std::is_same_v<M, std::int8_t>)
                return field.small;
            else
                return field.text;
        }();
        if constexpr (held == nullptr) {
            return false;
        } else {
            if (held != member)
                return false;
            this->template SetField<I>(value);
            return true;
        }
    };
    FieldTable::Any(setIfHeld, std::make_index_sequence<FieldTable::Count<Fields>>());
}

template <typename R> void TFieldRecord<R>::Set(int R::*member, int value) {
    SetMember(member, value);
}

template <typename R> void TFieldRecord<R>::Set(std::int8_t R::*member, int value) {
    SetMember(member, value);
}

template <typename R> void TFieldRecord<R>::Set(std::string R::*member, std::string_view value) {
    SetMember(member, value);
}

template <typename R> template <std::size_t I> void TFieldRecord<R>::ClearField() {
    constexpr auto& field = R::TFields::List[I];
    R& record = Self();
    if constexpr (field.number != nullptr)
        record.*field.number = field.numberDefault;
    else if constexpr (field.small != nullptr)
        record.*field.small = static_cast<std::int8_t>(field.numberDefault);
    else if constexpr (field.flag != nullptr)
        record.*field.flag = field.numberDefault != 0;
    else if constexpr (field.text != nullptr)
        record.*field.text = field.textDefault;
    else if constexpr (field.heldText)
        field.setText(record, field.textDefault);
    else if constexpr (field.list != nullptr)
        (record.*field.list).clear();
    else if constexpr (field.teams != nullptr)
        ClearFlags(record.*field.teams);
}

template <typename R> void TFieldRecord<R>::Clear() {
    using Fields = typename R::TFields;
    FieldTable::ForRange<0>([&](auto index) { this->template ClearField<decltype(index)::value>(); },
                            std::make_index_sequence<FieldTable::Count<Fields>>());
    if constexpr (Fields::Refused != nullptr)
        (Self().*Fields::Refused).clear();
    kept.Clear();
    presence.Reset();
}

template <typename R> void TFieldRecord<R>::MakeAbsent(std::size_t key) {
    using Fields = typename R::TFields;
    FieldTable::Visit(
        key,
        [&](auto index) {
            this->template ClearField<decltype(index)::value>();
            return true;
        },
        std::make_index_sequence<FieldTable::Count<Fields>>());
    presence.Unmark(key);
}

template <typename R>
template <std::size_t I>
bool TFieldRecord<R>::ReadField(const TLineItems& items, std::string_view value, bool fromFile) {
    using Fields = typename R::TFields;
    constexpr auto& field = Fields::List[I];
    if constexpr (field.value == TFieldValue::Paired) {
        return true;
    } else if constexpr (field.readHook) {
        if (!Fields::ReadSpecial(Self(), I, value, items, fromFile))
            return false;
        presence.Mark(I);
        return true;
    } else if constexpr (!field.valueKey.empty()) {
        // The value is the item of another key on the line.
        std::string pairScratch;
        return this->template ReadValue<I>(items, items.Value(field.valueKey, pairScratch), fromFile);
    } else {
        return this->template ReadValue<I>(items, value, fromFile);
    }
}

template <typename R>
template <std::size_t I>
bool TFieldRecord<R>::ReadValue(const TLineItems& items, std::string_view value, bool fromFile) {
    using Fields = typename R::TFields;
    constexpr auto& field = Fields::List[I];
    R& record = Self();
    // An empty editor row makes its field absent again.
    if constexpr (field.HoldsOne() && field.written != TFieldWritten::Always &&
                  field.row != TFieldRow::SetOnly)
        if (!fromFile && value.empty()) {
            MakeAbsent(I);
            return true;
        }
    // A number that names no slot is passed over; a file's is listed.
    auto refuse = [&](int number) {
        if constexpr (field.valid != nullptr) {
            if (field.valid(number))
                return false;
            if constexpr (Fields::Refused != nullptr)
                if (fromFile && !value.empty())
                    (record.*Fields::Refused).push_back(std::string(field.key).append(value));
            return true;
        }
        return false;
    };
    if constexpr (field.value == TFieldValue::Number) {
        const int number = ValueToInt(value, field.emptyKeeps ? record.*field.number : field.emptyNumber);
        if constexpr (field.row == TFieldRow::SetOnly)
            if (!fromFile && value.empty())
                return true;
        if (refuse(number))
            return true;
        record.*field.number = number;
    } else if constexpr (field.value == TFieldValue::Small) {
        record.*field.small = field.fit(ValueToInt(value, field.emptyNumber), fromFile);
    } else if constexpr (field.value == TFieldValue::Flag) {
        record.*field.flag = value == "1";
    } else if constexpr (field.value == TFieldValue::Bare) {
        record.*field.flag = true;
    } else if constexpr (field.value == TFieldValue::TypeName && field.text != nullptr) {
        AssignUpperCase(record.*field.text, value);
    } else if constexpr (field.value == TFieldValue::TypeName) {
        field.setText(record, UpperCase(value));
    } else if constexpr (field.value == TFieldValue::Text && field.text != nullptr) {
        (record.*field.text).assign(value);
    } else if constexpr (field.value == TFieldValue::Text) {
        field.setText(record, value);
    } else if constexpr (field.value == TFieldValue::TypeList) {
        (record.*field.list).push_back(UpperCase(value));
    } else if constexpr (field.value == TFieldValue::TextList) {
        (record.*field.list).emplace_back(value);
    } else if constexpr (field.value == TFieldValue::TeamSet) {
        ReadTeamIndex(field.key, value, fromFile, record.*field.teams, record.*Fields::Refused);
    } else if constexpr (field.value == TFieldValue::TeamLine) {
        // The set is the whole line's: its indices are items of their own.
        FlagsFromCommaText(ValueAfterEquals(items.Line()), record.*field.teams);
    }
    presence.Mark(I);
    return true;
}

template <typename R>
bool TFieldRecord<R>::ReadMatch(const TLineItems& items, const TKeyTable::TMatch& match, std::string& scratch,
                                bool fromFile, std::uint32_t mask) {
    using Fields = typename R::TFields;
    for (std::uint32_t rest = match.found & mask; rest; rest &= rest - 1) {
        const auto key = static_cast<std::size_t>(__builtin_ctz(rest));
        // As TKeyTable::TMatch::Value, with the key from the table at hand.
        std::string_view value(match.line.data() + match.rests[key].offset, match.rests[key].size);
        if ((match.keyInValue >> key) & 1u) {
            scratch = ValueWithoutKey(value, Fields::List[key].key);
            value = scratch;
        }
        const bool goOn = FieldTable::Visit(
            key,
            [&](auto index) {
                return this->template ReadField<decltype(index)::value>(items, value, fromFile);
            },
            std::make_index_sequence<FieldTable::Count<Fields>>());
        if (!goOn)
            return false;
    }
    return true;
}

template <typename R> void TFieldRecord<R>::BeginRead(bool fromFile) {
    using Fields = typename R::TFields;
    if (!fromFile)
        return;
    kept.Clear();
    if constexpr (Fields::Refused != nullptr)
        (Self().*Fields::Refused).clear();
    presence.BeginFileRead();
    presence.MarkAll(FieldTable::AlwaysFields<Fields>());
}

template <typename R> void TFieldRecord<R>::Read(TLineSpan lines, bool fromFile) {
    using Fields = typename R::TFields;
    BeginRead(fromFile);
    TBlockTracker block(Fields::Begin, Fields::End);
    const TKeyTable& keys = KeyTable();
    std::string scratch;
    TKeyTable::TMatch match;
    for (std::string_view line : lines) {
        const TLineItems items(line);
        keys.Match(items, match);
        if (!ReadMatch(items, match, scratch, fromFile, ~0u))
            return;
        bool known = match.found != 0;
        if constexpr (Fields::ReadsOtherLines)
            known = Fields::LineKnown(Self(), items, match, fromFile);
        if constexpr (Fields::KeepsInsideOnly) {
            const bool marker = block.Step(line);
            if (fromFile && !known && !marker && block.Inside())
                kept.Offer(line);
        } else if (fromFile && !known) {
            kept.Offer(line);
        }
    }
}

template <typename R> void TFieldRecord<R>::Write(TTextWriter& out) const {
    using Fields = typename R::TFields;
    if constexpr (Fields::Written != nullptr)
        if (!Fields::Written(Self()))
            return;
    out.Line(Fields::Begin);
    WriteFields(out);
    kept.WriteTo(out, Fields::Indent);
    out.Line(Fields::End);
}

template <typename R> template <std::size_t I> bool TFieldRecord<R>::Writes() const {
    using Fields = typename R::TFields;
    constexpr auto& field = Fields::List[I];
    const R& record = Self();
    if constexpr (field.written == TFieldWritten::Always) {
        return true;
    } else if constexpr (field.written == TFieldWritten::WhenSet) {
        return presence.Has(I);
    } else {
        if (!presence.Has(I))
            return false;
        if (presence.FromFile())
            return true;
        if constexpr (Fields::WritesAll != nullptr)
            if (Fields::WritesAll(record))
                return true;
        if constexpr (field.held != nullptr)
            return field.held(record);
        else if constexpr (field.number != nullptr)
            return record.*field.number != field.numberDefault;
        else if constexpr (field.small != nullptr)
            return record.*field.small != field.numberDefault;
        else if constexpr (field.flag != nullptr)
            return record.*field.flag != (field.numberDefault != 0);
        else if constexpr (field.text != nullptr)
            return record.*field.text != field.textDefault;
        else if constexpr (field.heldText)
            return field.getText(record) != field.textDefault;
        else
            return record.*field.teams != FlagSet{};
    }
}

template <typename R>
template <std::size_t I>
void TFieldRecord<R>::WriteField(TTextWriter& out, bool& lineOpen) const {
    using Fields = typename R::TFields;
    constexpr auto& field = Fields::List[I];
    // A field ends its line unless the next one joins it; that one ends the line when it is not
    // written. So only a joining field looks at whether the line is open.
    constexpr bool nextJoins = I + 1 < FieldTable::Count<Fields> && !Fields::List[I + 1].joins.empty();
    const R& record = Self();
    if constexpr (field.value == TFieldValue::Paired) {
        return;
    } else if constexpr (field.writeHook) {
        Fields::WriteSpecial(record, I, out);
    } else if constexpr (field.HoldsOne()) {
        if constexpr (!field.joins.empty()) {
            const bool joined = lineOpen;
            lineOpen = false;
            if (!Writes<I>()) {
                if (joined)
                    out.EndLine();
                return;
            }
            out << (joined ? FieldTable::LeadOf<Fields, I, true>() : FieldTable::LeadOf<Fields, I, false>());
        } else {
            if (!Writes<I>())
                return;
            out << FieldTable::LeadOf<Fields, I, false>();
        }
        if constexpr (!field.valueKey.empty())
            out << ", " << field.valueKey;
        if constexpr (field.number != nullptr)
            out << record.*field.number;
        else if constexpr (field.small != nullptr)
            out << static_cast<int>(record.*field.small);
        else if constexpr (field.flag != nullptr)
            out << FlagChar(record.*field.flag);
        else if constexpr (field.text != nullptr)
            out << record.*field.text;
        else if constexpr (field.heldText)
            out << field.getText(record);
        else
            out.Flags(record.*field.teams);
        if constexpr (nextJoins)
            lineOpen = true;
        else
            out.EndLine();
    } else {
        const std::string_view lead = FieldTable::LeadOf<Fields, I, false>();
        if constexpr (field.value == TFieldValue::TypeList || field.value == TFieldValue::TextList) {
            for (const std::string& entry : record.*field.list)
                (out << lead << entry).EndLine();
        } else if constexpr (field.value == TFieldValue::TeamSet) {
            WriteTeamSet(out, lead, record.*field.teams);
        } else if constexpr (field.value == TFieldValue::Bare) {
            if (record.*field.flag)
                out.Line(lead);
        }
    }
}

template <typename R>
template <std::size_t From, std::size_t To>
void TFieldRecord<R>::WriteFields(TTextWriter& out) const {
    using Fields = typename R::TFields;
    constexpr std::size_t end = To < FieldTable::Count<Fields> ? To : FieldTable::Count<Fields>;
    static_assert(end == FieldTable::Count<Fields> || Fields::List[end].joins.empty(),
                  "a range of fields ends before a field that joins the line of the one before");
    bool lineOpen = false;
    FieldTable::ForRange<From>(
        [&](auto index) { this->template WriteField<decltype(index)::value>(out, lineOpen); },
        std::make_index_sequence<end - From>());
    if (lineOpen)
        out.EndLine();
}

template <typename R> template <std::size_t I> void TFieldRecord<R>::AddRow(StringList& rows) const {
    constexpr auto& field = R::TFields::List[I];
    const R& record = Self();
    if constexpr (field.row == TFieldRow::None) {
        return;
    } else if constexpr (field.row == TFieldRow::Special) {
        R::TFields::AddSpecialRows(record, I, rows);
    } else if constexpr (field.row == TFieldRow::Whole) {
        if constexpr (field.list != nullptr)
            rows.push_back(std::string(field.key) + ListToCommaText(record.*field.list));
        else
            rows.push_back(std::string(field.key) + FlagsToCommaText(record.*field.teams));
    } else {
        std::string row = field.rowName.empty() ? std::string(field.key) : std::string(field.rowName) + "=";
        if constexpr (field.value == TFieldValue::Bare)
            row += '=';
        if (field.row == TFieldRow::Shown || presence.Has(I)) {
            if constexpr (field.number != nullptr)
                row += IntToText(record.*field.number);
            else if constexpr (field.small != nullptr)
                row += IntToText(record.*field.small);
            else if constexpr (field.flag != nullptr)
                row += BoolToFlagText(record.*field.flag);
            else if constexpr (field.text != nullptr)
                row += record.*field.text;
            else if constexpr (field.heldText)
                row += field.getText(record);
            else
                row += FlagsToCommaText(record.*field.teams);
        }
        rows.push_back(std::move(row));
    }
}

template <typename R>
template <std::size_t From, std::size_t To>
void TFieldRecord<R>::AddRows(StringList& rows) const {
    constexpr std::size_t end =
        To < FieldTable::Count<typename R::TFields> ? To : FieldTable::Count<typename R::TFields>;
    FieldTable::ForRange<From>([&](auto index) { this->template AddRow<decltype(index)::value>(rows); },
                               std::make_index_sequence<end - From>());
}

template <typename R> template <std::size_t I> void TFieldRecord<R>::TakeRow(StringList& rows) {
    constexpr auto& field = R::TFields::List[I];
    R& record = Self();
    if constexpr (field.row == TFieldRow::Whole && field.list != nullptr) {
        ExtractListValue(rows, field.key, record.*field.list);
    } else if constexpr (field.row == TFieldRow::Whole) {
        ExtractFlagsValue(rows, field.key, record.*field.teams);
    } else if constexpr (field.value == TFieldValue::Bare) {
        if (TakeClearedFlag(rows, field.key))
            record.*field.flag = false;
    } else if constexpr (!field.rowName.empty()) {
        // A row named otherwise than its key is not a line the reader knows: it is applied here, as it is.
        std::string value;
        if (!ExtractStringValue(rows, field.rowName, value))
            return;
        if (value.empty()) {
            MakeAbsent(I);
            return;
        }
        field.setText(record, value);
        presence.Mark(I);
    }
}

template <typename R> void TFieldRecord<R>::TakeRows(StringList& rows) {
    using Fields = typename R::TFields;
    constexpr auto all = std::make_index_sequence<FieldTable::Count<Fields>>();
    FieldTable::ForRange<0>([&](auto index) { this->template TakeRow<decltype(index)::value>(rows); }, all);
    FieldTable::ForRange<0>(
        [&](auto index) {
            if constexpr (Fields::List[decltype(index)::value].row == TFieldRow::Special)
                FieldTable::TDependent<Fields, decltype(index)>::Type::TakeSpecialRows(Self(), index, rows);
        },
        all);
}
