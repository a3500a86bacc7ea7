// Any file content through the XML scanner in every mode, without and with a filter and an
// exclusion. The first byte picks the language and the filter; the rest is the file. A scan must
// end without a crash, and in the modes that take the value from the wanted line itself a filter
// can only remove values.

#include "catalogue/MapXMLReader.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

struct TFilterChoice {
    std::string_view filter;
    std::string_view exclude;
};

// Filters and exclusions the catalogue's keys use, and a few that hit tags and blanks.
constexpr std::array<TFilterChoice, 8> FilterChoices = {{{"UNIT_", "UNITAI_"},
                                                         {"TXT_KEY_", "_PEDIA"},
                                                         {"CIVICOPTION_", "CIVICOPTION_LEGAL"},
                                                         {"<Type>", "</Type>"},
                                                         {"e", "a"},
                                                         {"ART_DEF", ""},
                                                         {"", "<"},
                                                         {" ", "&#"}}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const int language = data[0] % 6;
    const TFilterChoice& choice = FilterChoices[(data[0] / 6) % FilterChoices.size()];
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    for (int mode = 0; mode <= 5; ++mode) {
        TMapXMLReader plain;
        plain.SetMode(mode);
        plain.SetLanguage(language);
        StringList all = plain.ScanText(text);

        TMapXMLReader filtered = plain;
        filtered.SetFilter(choice.filter);
        filtered.SetExclude(choice.exclude);
        StringList some = filtered.ScanText(text);

        if (mode == 2 || mode == 5)
            continue; // these take the value from a later line, so a filter may shift what is found
        std::sort(all.begin(), all.end());
        std::sort(some.begin(), some.end());
        if (!std::includes(all.begin(), all.end(), some.begin(), some.end())) {
            std::fprintf(stderr,
                         "fuzz_xml_scanner: mode %d finds a value with a filter it does not find without\n",
                         mode);
            std::abort();
        }
    }
    return 0;
}
