#pragma once

#include "document/Map.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

// The real maps in ../shared/realdata/maps, sorted; none when the folder is absent, so that a test
// over them skips.
inline std::vector<std::string> RealMapFiles() {
    std::vector<std::string> files;
    const std::filesystem::path folder = std::filesystem::path(TESSEL_REALDATA_DIR) / "maps";
    if (std::filesystem::is_directory(folder))
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

// Loads each real map twice, as the map a test changes and as the one it expects, and calls
// `check(map, expected)` under a trace that names the file. False when there is no real map.
template <typename Check> bool ForEachRealMapTwice(Check check) {
    const std::vector<std::string> files = RealMapFiles();
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        TMap map, expected;
        map.LoadFromFile(file);
        expected.LoadFromFile(file);
        check(map, expected);
    }
    return !files.empty();
}
