#pragma once

// The plumbing the section records share: a span of lines to read, a writer that builds either a
// line list or the bytes of a file, the lines a record keeps without understanding them, and the
// records' lazily made scratch lists.

#include "document/LineCodec.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A run of lines handed to a section reader; the text belongs to the caller.
class TLineSpan {
public:
    TLineSpan() = default;
    TLineSpan(const std::string_view* first, std::size_t count) : first(first), count(count) {}
    explicit TLineSpan(const std::vector<std::string_view>& lines)
        : first(lines.data()), count(lines.size()) {}

    const std::string_view* begin() const { return first; }
    const std::string_view* end() const { return first + count; }
    std::size_t size() const { return count; }
    bool empty() const { return count == 0; }
    std::string_view operator[](std::size_t i) const { return first[i]; }
    TLineSpan Sub(std::size_t from, std::size_t length) const { return TLineSpan(first + from, length); }

private:
    const std::string_view* first = nullptr;
    std::size_t count = 0;
};

// "1" or "0", as a boolean is written.
inline char FlagChar(bool value) {
    return value ? '1' : '0';
}

// Views of a string list's lines, for handing it to a reader.
std::vector<std::string_view> ViewLines(const StringList& lines);

// Builds lines piece by piece, either into a string list (one entry a line) or straight into the
// bytes of a file (CR LF after every line), so that saving a large map makes no string per line.
// Pieces are copied into a buffer that grows by doubling; the byte buffer is cut to what was
// written when the writer ends. A writer with a drain instead hands its bytes on whenever its
// buffer of `chunkSize` bytes fills, and on Drain.
class TTextWriter {
public:
    using TDrain = std::function<void(std::string_view bytes)>;

    explicit TTextWriter(StringList& lines);
    explicit TTextWriter(std::string& bytes);
    TTextWriter(TDrain drain, std::size_t chunkSize);
    ~TTextWriter();
    TTextWriter(const TTextWriter&) = delete;
    TTextWriter& operator=(const TTextWriter&) = delete;

    template <std::size_t N> [[gnu::always_inline]] TTextWriter& operator<<(const char (&literal)[N]) {
        Put(literal, N - 1);
        return *this;
    }
    [[gnu::always_inline]] TTextWriter& operator<<(std::string_view piece) {
        Put(piece.data(), piece.size());
        return *this;
    }
    [[gnu::always_inline]] TTextWriter& operator<<(const std::string& piece) {
        return *this << std::string_view(piece);
    }
    [[gnu::always_inline]] TTextWriter& operator<<(char c) {
        Put(&c, 1);
        return *this;
    }
    [[gnu::always_inline]] TTextWriter& operator<<(int value) {
        // Most numbers of a map are single digits.
        if (value >= 0 && value < 10 && cursor < limit) {
            *cursor++ = static_cast<char>('0' + value);
            return *this;
        }
        return PutNumber(value);
    }
    // The indices of the set's true entries, each followed by a comma.
    void Flags(const FlagSet& flags);
    [[gnu::always_inline]] void EndLine() {
        if (lines)
            EndListLine();
        else
            Put("\r\n", 2);
    }
    // Hands what the buffer holds to the drain. Raises what the drain raises.
    void Drain();
    [[gnu::always_inline]] void Line(std::string_view whole) {
        *this << whole;
        EndLine();
    }

private:
    // Always inlined: the records' writers call it for every piece of every line.
    [[gnu::always_inline]] void Put(const char* data, std::size_t size) {
        if (size > static_cast<std::size_t>(limit - cursor))
            Grow(size);
        std::memcpy(cursor, data, size);
        cursor += size;
    }
    void Grow(std::size_t needed);
    TTextWriter& PutNumber(int value);
    void EndListLine();

    StringList* lines = nullptr;
    TDrain drain;
    std::string current;
    std::string* buffer;
    char* start = nullptr;
    char* cursor = nullptr;
    char* limit = nullptr;
};

// Empties `lines` and fills it with what `write` writes to a writer of lines; for SaveToStrings.
template <typename Write> const StringList& WriteLines(StringList& lines, Write&& write) {
    lines.clear();
    TTextWriter out(lines);
    write(out);
    return lines;
}

// A list made on first use: most records never need their scratch lists, and a large map holds
// tens of thousands of plots.
class TScratchList {
public:
    StringList& Get() {
        if (!list)
            list = std::make_unique<StringList>();
        return *list;
    }

private:
    std::unique_ptr<StringList> list;
};

// Which of a record's fields hold a value of their own, one bit per key of the record's key table
// (bit k for key k). The game reads a missing line as "not set", which is not the record's default:
// no "Era=" lets the player choose the era. So a record read from a file writes only the fields the
// file set and those set since (through an editor row or a setter); the others are absent, hold
// their default in memory, and are not written. A record not read from a file (a new document, a new
// unit or city) has every field set and writes as it always has. Four bytes, as a map holds tens of
// thousands of plots.
class TFieldPresence {
public:
    bool FromFile() const { return (bits & FileBit) != 0; }
    bool Has(std::size_t key) const { return ((bits >> key) & 1u) != 0; }
    // Whether a field is written: when set, and, for a record not read from a file, when the rule it
    // has always been written by (such as "not empty") holds as well.
    bool Writes(std::size_t key, bool newRecordRule) const {
        return Has(key) && (FromFile() || newRecordRule);
    }
    void Mark(std::size_t key) { bits |= 1u << key; }
    void MarkAll(std::uint32_t keys) { bits |= keys & ~FileBit; }
    void Unmark(std::size_t key) { bits &= ~(1u << key); }
    // A file starts to say what the record holds: every field is absent until a line sets it. A
    // record that already took a block of the file (a plot named twice) keeps what that block set.
    void BeginFileRead() {
        if (!FromFile())
            bits = FileBit;
    }
    // Back to a record not read from a file, every field set.
    void Reset() { bits = ~FileBit; }
    // How many of the fields in `keys` a file left unset; 0 for a record not read from a file.
    int CountAbsent(std::uint32_t keys) const {
        return FromFile() ? __builtin_popcount(~bits & keys & ~FileBit) : 0;
    }

    static constexpr std::uint32_t FileBit = 1u << 31;

private:
    std::uint32_t bits = ~FileBit;
};

// The lines of a record's block that carry none of its keys: the game wrote them, so they are kept,
// trimmed, in file order, and written back just before the block's end marker.
class TKeptLines {
public:
    const StringList& Lines() const;
    bool Empty() const { return !lines || lines->empty(); }
    std::size_t Count() const { return lines ? lines->size() : 0; }
    void Clear() { lines.reset(); }
    // Keeps the line when it is worth keeping: not blank and no section or block marker.
    void Offer(std::string_view line);
    void WriteTo(TTextWriter& out, std::string_view indent) const;

private:
    std::unique_ptr<StringList> lines;
};

// True for a line that holds one of the markers that open or close a section or block; such a line
// is never kept, as writing it back would change the file's structure.
bool HasStructureMarker(std::string_view line);

// Appends a block the records do not take (a team or player beyond the 18th) to `into`, as it was
// but for what would change the file's structure when written back: its first and last lines
// become the bare markers, and a line inside it that holds a marker is left out.
void KeepWholeBlock(StringList& into, TLineSpan block, std::string_view beginMarker,
                    std::string_view endMarker);

// Adds the team that a relation's value names to `teams`. A number that names no team is passed
// over; a file's is listed in `refused` as "key=value". Returns the number.
int ReadTeamIndex(std::string_view key, std::string_view value, bool fromFile, FlagSet& teams,
                  StringList& refused);
// A line "<lead><index>" for each team of the set but `leftOut`.
void WriteTeamSet(TTextWriter& out, std::string_view lead, const FlagSet& teams, int leftOut = -1);

// Removes the rows of an editor that clear the bare word `key` ("isNOfRiver=0", "StartingPlot="): the
// reader can only set it. True when any did.
bool TakeClearedFlag(StringList& rows, std::string_view key);

// Tracks whether a reader is between its block's begin and end markers.
class TBlockTracker {
public:
    TBlockTracker(std::string_view beginMarker, std::string_view endMarker)
        : beginMarker(beginMarker), endMarker(endMarker) {}
    // Returns true when the line is a marker of the block.
    bool Step(std::string_view line);
    bool Inside() const { return inside; }

private:
    std::string_view beginMarker, endMarker;
    bool inside = false;
};
