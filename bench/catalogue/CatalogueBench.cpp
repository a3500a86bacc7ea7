// Scanning speed of the XML information file scanner: a fresh reader per iteration, so that every
// iteration reads, scans, decodes and sorts the whole file.

#include "catalogue/MapXMLReader.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

const std::string TextFolder = TESSEL_REALDATA_DIR "/game/Assets/XML/Text/";

// A text file in the game's layout of about `size` bytes: city name records, every fourth with its
// English text nested, all with four translations, some with character references.
std::string GeneratedTextFile(std::size_t size) {
    std::string text =
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<Civ4GameText xmlns=\"http://www.firaxis.com\">\n";
    for (int record = 0; text.size() < size; ++record) {
        const std::string name = "City " + std::to_string(record) + (record % 7 ? "" : " &#193;vila");
        text += "\t<TEXT>\n\t\t<Tag>TXT_KEY_CITY_NAME_" + std::to_string(record) + "</Tag>\n";
        if (record % 4)
            text += "\t\t<English>" + name + "</English>\n";
        else
            text += "\t\t<English>\n\t\t\t<Text>" + name +
                    "</Text>\n\t\t\t<Gender>Female</Gender>\n"
                    "\t\t\t<Plural>0</Plural>\n\t\t</English>\n";
        for (const char* language : {"French", "German", "Italian", "Spanish"})
            text += std::string("\t\t<") + language + ">\n\t\t\t<Text>" + name +
                    "</Text>\n\t\t\t<Gender>Female</Gender>\n\t\t\t<Plural>0</Plural>\n\t\t</" + language +
                    ">\n";
        text += "\t</TEXT>\n";
    }
    return text + "</Civ4GameText>\n";
}

// A temporary file that lives as long as the benchmark run that made it.
class TScratchFile {
public:
    explicit TScratchFile(const std::string& content) {
        char pattern[] = "/tmp/tessel-bench-XXXXXX";
        const int fd = ::mkstemp(pattern);
        if (fd >= 0) {
            ::close(fd);
            path = pattern;
            std::ofstream(path, std::ios::binary)
                .write(content.data(), static_cast<std::streamsize>(content.size()));
        }
    }
    ~TScratchFile() {
        if (!path.empty())
            std::remove(path.c_str());
    }
    const std::string& Path() const { return path; }

private:
    std::string path;
};

std::size_t FileSize(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    return in ? static_cast<std::size_t>(in.tellg()) : 0;
}

void ScanFile(benchmark::State& state, const std::string& path, int mode, const char* filter,
              const char* exclude) {
    const std::size_t size = FileSize(path);
    if (size == 0) {
        state.SkipWithError(("no file at " + path).c_str());
        return;
    }
    std::size_t values = 0;
    for (auto _ : state) {
        TMapXMLReader reader;
        reader.SetFileName(path);
        reader.SetMode(mode);
        reader.SetFilter(filter);
        reader.SetExclude(exclude);
        values = reader.GetValues().size();
        benchmark::DoNotOptimize(values);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
    state.counters["values"] = static_cast<double>(values);
    state.counters["file_bytes"] = static_cast<double>(size);
}

void BM_GetValues_RealCityNames(benchmark::State& state) {
    ScanFile(state, TextFolder + "CIV4GameTextInfos_Cities.xml", 2, "TXT_KEY_CITY_NAME_", "");
}

void BM_GetValues_RealCivDescriptions(benchmark::State& state) {
    ScanFile(state, TextFolder + "CIV4GameTextInfos_Objects.xml", 2, "_DESC", "_SHORT_DESC");
}

void BM_GetValues_RealUnitTypes(benchmark::State& state) {
    ScanFile(state, TESSEL_REALDATA_DIR "/game/Assets/XML/Units/CIV4UnitInfos.xml", 1, "", "");
}

void BM_GetValues_Generated10MB(benchmark::State& state) {
    const TScratchFile file(GeneratedTextFile(10u << 20));
    ScanFile(state, file.Path(), 2, "TXT_KEY_CITY_NAME_", "");
}

} // namespace

BENCHMARK(BM_GetValues_RealCityNames)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetValues_RealCivDescriptions)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetValues_RealUnitTypes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetValues_Generated10MB)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
