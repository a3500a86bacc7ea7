// Writes the benchmarks' synthetic map of WIDTH x HEIGHT plots to FILE, so that the command line can
// be timed on the very map the benchmarks use.
//
//   tessel_make_synthetic_map 1024 640 /tmp/large.Civ4WorldBuilderSave

#include "SyntheticMap.h"
#include "document/Map.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "Usage: tessel_make_synthetic_map WIDTH HEIGHT FILE\n");
        return 2;
    }
    const int width = std::atoi(argv[1]), height = std::atoi(argv[2]);
    if (width <= 0 || height <= 0 || width > TMap::MaxGridSide || height > TMap::MaxGridSide) {
        std::fprintf(stderr, "tessel_make_synthetic_map: a side of 1 to %d plots, please\n",
                     TMap::MaxGridSide);
        return 2;
    }
    TMap map;
    BuildSyntheticMap(map, width, height);
    try {
        map.SaveToFile(argv[3]);
    } catch (const TMapFileError& error) {
        std::fprintf(stderr, "tessel_make_synthetic_map: %s: %s\n", error.Message().c_str(), error.what());
        return 1;
    }
    return 0;
}
