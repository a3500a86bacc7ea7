#pragma once

#include "document/LineCodec.h"

#include <string>
#include <string_view>

// Lines of a test input written as one text with "\n" between lines.
inline StringList Lines(std::string_view text) {
    StringList lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            if (start < text.size())
                lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

#include "document/MapFileError.h"

#include <functional>

// The message of the map file error a load raises, or "" when it loads.
inline std::string MapLoadMessage(const std::function<void()>& load) {
    try {
        load();
    } catch (const TMapFileError& error) {
        return error.Message();
    }
    return "";
}
