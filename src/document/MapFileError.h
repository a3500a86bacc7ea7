#pragma once

// A map that could not be read or written: what failed, as a kind callers act on without reading
// the message, the message the editor shows for it, and the reason behind it.

#include "document/LineCodec.h"

#include <string>

enum class TMapFailure {
    Open,      // the file could not be read, or its content not taken
    Structure, // the sections are not where a map has them
    Size,      // the grid is larger than the editor opens
    Memory,    // the map did not fit in the memory at hand
    Save       // the file could not be written
};

class TMapFileError : public OperationAborted {
public:
    TMapFileError(TMapFailure kind, std::string message, std::string reason)
        : OperationAborted(reason.empty() ? message : std::move(reason)), kind(kind), message(std::move(message)) {}

    TMapFailure Kind() const { return kind; }
    // What the editor says: "Fail to open file!", "Map file structure error!", "Fail to save file!"
    // or the size refused; what() gives the reason behind it, the message when there is none.
    const std::string& Message() const { return message; }

private:
    TMapFailure kind;
    std::string message;
};
