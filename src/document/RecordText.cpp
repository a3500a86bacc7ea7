#include "RecordText.h"

#include <charconv>

std::vector<std::string_view> ViewLines(const StringList& lines) {
    return std::vector<std::string_view>(lines.begin(), lines.end());
}

TTextWriter& TTextWriter::operator<<(int value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    text->append(buffer, result.ptr);
    return *this;
}

void TTextWriter::EndLine() {
    if (lines) {
        lines->push_back(current);
        current.clear();
    } else {
        text->append("\r\n");
    }
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
    static constexpr std::string_view blocks[] = {"Game", "Team", "Player", "Map", "Plot", "Unit", "City"};
    for (std::string_view lead : {std::string_view("Begin"), std::string_view("End")})
        for (std::size_t at = FindText(line, lead); at != std::string_view::npos;
             at = FindText(line, lead, at + 1))
            for (std::string_view block : blocks)
                if (StartsWithText(line.substr(at + lead.size()), block))
                    return true;
    return false;
}

bool TBlockTracker::Step(std::string_view line) {
    if (ContainsText(line, beginMarker)) {
        inside = true;
        return true;
    }
    if (ContainsText(line, endMarker)) {
        inside = false;
        return true;
    }
    return false;
}

namespace {

unsigned MarkerAfter(std::string_view rest, bool begin) {
    static constexpr std::string_view names[] = {"PLOT", "UNIT", "CITY"};
    for (unsigned i = 0; i < 3; ++i)
        if (StartsWithText(rest, names[i]))
            return 1u << (2 * i + (begin ? 0 : 1));
    return 0;
}

} // namespace

unsigned ScanBlockMarkers(std::string_view line) {
    unsigned found = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = UpperChar(line[i]);
        if (c == 'B' && StartsWithText(line.substr(i), "BEGIN"))
            found |= MarkerAfter(line.substr(i + 5), true);
        else if (c == 'E' && StartsWithText(line.substr(i), "END"))
            found |= MarkerAfter(line.substr(i + 3), false);
    }
    return found;
}

bool MayHoldCoordinate(std::string_view line) {
    for (std::size_t eq = line.find('='); eq != std::string_view::npos; eq = line.find('=', eq + 1)) {
        if (eq == 0)
            continue;
        const char c = UpperChar(line[eq - 1]);
        if ((c == 'X' || c == 'Y') && (eq == 1 || IsBlank(line[eq - 2]) || line[eq - 2] == ','))
            return true;
    }
    return false;
}
