#include "document/RecordText.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>

std::vector<std::string_view> ViewLines(const StringList& lines) {
    return std::vector<std::string_view>(lines.begin(), lines.end());
}

TTextWriter::TTextWriter(StringList& lines) : lines(&lines), buffer(&current) {
    Grow(0);
}

TTextWriter::TTextWriter(std::string& bytes) : buffer(&bytes) {
    const std::size_t written = bytes.size();
    Grow(0);
    cursor = buffer->data() + written;
}

TTextWriter::TTextWriter(TDrain drainTo, std::size_t chunkSize)
    : drain(std::move(drainTo)), buffer(&current) {
    current.resize(chunkSize < 256 ? 256 : chunkSize);
    start = cursor = current.data();
    limit = start + current.size();
}

TTextWriter::~TTextWriter() {
    if (!lines && !drain)
        buffer->resize(static_cast<std::size_t>(cursor - buffer->data()));
}

void TTextWriter::Drain() {
    if (!drain)
        return;
    if (cursor > start)
        drain(std::string_view(start, static_cast<std::size_t>(cursor - start)));
    cursor = start;
}

void TTextWriter::Grow(std::size_t needed) {
    if (drain) {
        Drain();
        if (static_cast<std::size_t>(limit - cursor) >= needed)
            return;
    }
    const std::size_t used = static_cast<std::size_t>(cursor - start);
    std::size_t size = buffer->capacity() < 256 ? 256 : buffer->capacity();
    while (size - used < needed)
        size *= 2;
    buffer->resize(size);
    start = buffer->data();
    cursor = start + used;
    limit = start + size;
}

TTextWriter& TTextWriter::PutNumber(int value) {
    if (limit - cursor < 16)
        Grow(16);
    cursor = std::to_chars(cursor, limit, value).ptr;
    return *this;
}

void TTextWriter::Flags(const FlagSet& flags) {
    for (std::size_t i = 0; i < flags.size(); ++i)
        if (flags[i])
            *this << static_cast<int>(i) << ',';
}

void TTextWriter::EndListLine() {
    lines->emplace_back(start, static_cast<std::size_t>(cursor - start));
    cursor = start;
}

const StringList& TKeptLines::Lines() const {
    static const StringList none;
    return lines ? *lines : none;
}

void TKeptLines::Offer(std::string_view line) {
    const std::string_view trimmed = TrimBlanks(line);
    if (trimmed.empty() || HasStructureMarker(trimmed))
        return;
    if (!lines)
        lines = std::make_unique<StringList>();
    lines->emplace_back(trimmed);
}

void TKeptLines::WriteTo(TTextWriter& out, std::string_view indent) const {
    if (!lines)
        return;
    for (const std::string& line : *lines) {
        out << indent << line;
        out.EndLine();
    }
}

bool HasStructureMarker(std::string_view line) {
    // A map without plot blocks starts its plot part at this line, so a kept copy would move it.
    if (HasMarker(line, "### Plot Info ###"))
        return true;
    static constexpr std::string_view blocks[] = {"Game", "Team", "Player", "Map", "Plot", "Unit", "City"};
    for (std::string_view lead : {std::string_view("Begin"), std::string_view("End")})
        for (std::size_t at = FindText(line, lead); at != std::string_view::npos;
             at = FindText(line, lead, at + 1))
            for (std::string_view block : blocks)
                if (StartsWithText(line.substr(at + lead.size()), block) && IsMarkerPlace(line, at))
                    return true;
    return false;
}

void KeepWholeBlock(StringList& into, TLineSpan block, std::string_view beginMarker,
                    std::string_view endMarker) {
    into.emplace_back(beginMarker);
    for (std::size_t i = 1; i + 1 < block.size(); ++i)
        if (!HasStructureMarker(block[i]))
            into.emplace_back(block[i]);
    into.emplace_back(endMarker);
}

bool TBlockTracker::Step(std::string_view line) {
    if (HasMarker(line, beginMarker)) {
        inside = true;
        return true;
    }
    if (HasMarker(line, endMarker)) {
        inside = false;
        return true;
    }
    return false;
}

bool TakeClearedFlag(StringList& rows, std::string_view key) {
    auto clears = [&](const std::string& row) {
        const std::string_view value = ValueAfterEquals(row);
        return (value == "0" || (value.empty() && row.find('=') != std::string::npos)) &&
               LineHasKey(row, key);
    };
    const auto taken = std::remove_if(rows.begin(), rows.end(), clears);
    const bool any = taken != rows.end();
    rows.erase(taken, rows.end());
    return any;
}

int ReadTeamIndex(std::string_view key, std::string_view value, bool fromFile, FlagSet& teams,
                  StringList& refused) {
    const int team = ValueToInt(value, -1);
    if (IsValidTeamIndex(team))
        SetFlagSafe(teams, team, true);
    else if (fromFile && !value.empty())
        refused.push_back(std::string(key).append(value));
    return team;
}

void WriteTeamSet(TTextWriter& out, std::string_view lead, const FlagSet& teams, int leftOut) {
    for (std::size_t team = 0; team < teams.size(); ++team)
        if (teams[team] && static_cast<int>(team) != leftOut)
            (out << lead << static_cast<int>(team)).EndLine();
}
