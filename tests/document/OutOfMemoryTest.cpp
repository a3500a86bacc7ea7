// A load that runs out of memory fails with a reason and leaves a cleared document. This program
// replaces the global operator new with one that refuses single requests above a limit, so it
// has a test executable of its own.

#include "TestText.h"
#include "document/Map.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

namespace {

// Requests beyond this fail as they would on a machine without the memory.
constexpr std::size_t LargestRequest = 32 << 20;

} // namespace

void* operator new(std::size_t size) {
    if (size > LargestRequest)
        throw std::bad_alloc();
    if (void* block = std::malloc(size == 0 ? 1 : size))
        return block;
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

TEST(OutOfMemory, ALoadThatRunsOutOfMemoryFailsWithAClearedDocument) {
    TMap map;
    map.LoadFromStrings(Lines("BeginGame\nEndGame\nBeginMap\n\tgrid width=2\n\tgrid height=1\nEndMap\n"
                              "BeginPlot\n\tx=1,y=0\n\tTerrainType=TERRAIN_GRASS\nEndPlot"));
    ASSERT_EQ(map.Grids().Width(), 2);

    // Three million empty items on one plot line: their views alone ask for more than the limit.
    std::string commas(3000000, ',');
    const StringList hostile = Lines("BeginGame\nEndGame\nBeginMap\n\tgrid width=2\n\tgrid height=1\nEndMap\n"
                                     "BeginPlot\n\tx=0,y=0" +
                                     commas + "\nEndPlot");
    try {
        map.LoadFromStrings(hostile);
        FAIL() << "the load did not fail";
    } catch (const TMapFileError& error) {
        EXPECT_EQ(error.Kind(), TMapFailure::Memory);
        EXPECT_STREQ(error.what(), "Not enough memory to open the map");
        EXPECT_EQ(error.Message(), "Fail to open file!");
    }
    EXPECT_EQ(map.Grids().Width(), 1);
    EXPECT_EQ(map.Grids().GetPlot(0, 0)->TerrainType(), "TERRAIN_OCEAN");

    // The document works on: a small map loads again.
    map.LoadFromStrings(Lines("BeginGame\nEndGame\nBeginMap\n\tgrid width=3\n\tgrid height=1\nEndMap\n"
                              "BeginPlot\n\tx=2,y=0\n\tTerrainType=TERRAIN_DESERT\nEndPlot"));
    EXPECT_EQ(map.Grids().GetPlot(2, 0)->TerrainType(), "TERRAIN_DESERT");
}
