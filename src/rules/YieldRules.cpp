#include "rules/YieldRules.h"

#include "catalogue/GameLayers.h"
#include "catalogue/GamePath.h"
#include "document/FileText.h"
#include "document/LineCodec.h"
#include "document/Plot.h"

#include <pugixml.hpp>

#include <algorithm>
#include <climits>
#include <vector>

namespace {

constexpr std::array<std::string_view, YieldCount> YieldTypeNames = {"YIELD_FOOD", "YIELD_PRODUCTION",
                                                                     "YIELD_COMMERCE"};

// The number the text holds: blanks around it, an optional sign and decimal digits, within the
// range of an int; false for anything else. An empty text is 0, as the game reads it.
bool ParseWholeNumber(std::string_view text, int& value) {
    text = TrimBlanks(text);
    if (text.empty()) {
        value = 0;
        return true;
    }
    const bool negative = text.front() == '-';
    if (text.front() == '-' || text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return false;
    long long magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1)
            return false;
    }
    const long long result = negative ? -magnitude : magnitude;
    if (result > INT_MAX)
        return false;
    value = static_cast<int>(result);
    return true;
}

// One information file, parsed; every complaint about it names it.
class TInfoFile {
public:
    explicit TInfoFile(const TYieldRules::TSource& source) : name(source.name) {
        const pugi::xml_parse_result parsed = document.load_buffer(source.text.data(), source.text.size(),
                                                                   pugi::parse_default, pugi::encoding_auto);
        if (!parsed)
            Fail("is not well-formed XML (" + std::string(parsed.description()) + " at line " +
                 std::to_string(LineAt(source.text, parsed.offset)) + ")");
    }

    [[noreturn]] void Fail(const std::string& what) const {
        throw OperationAborted("The game file \"" + name + "\" " + what + ".");
    }

    // The records of the file: the `record` elements of the `list` element below the root.
    pugi::xml_object_range<pugi::xml_named_node_iterator> Records(const char* list,
                                                                  const char* record) const {
        const pugi::xml_node listNode = document.document_element().child(list);
        if (!listNode)
            Fail(std::string("has no <") + list + "> list");
        return listNode.children(record);
    }

    // The record's <Type>, upper-cased as the map writes type names.
    std::string TypeOf(pugi::xml_node record, int position) const {
        std::string type = UpperCase(TrimBlanks(record.child("Type").text().get()));
        if (type.empty())
            Fail("has a <" + std::string(record.name()) + "> without a <Type> (record " +
                 std::to_string(position) + ")");
        return type;
    }

    // The whole number of an element; 0 when the element is absent, as the game reads it.
    int NumberOf(pugi::xml_node element, const std::string& owner) const {
        int value = 0;
        if (element && !ParseWholeNumber(element.text().get(), value))
            Fail("gives <" + std::string(element.name()) + "> of " + owner + " as \"" +
                 std::string(TrimBlanks(element.text().get())).substr(0, 40) + "\", not a whole number");
        return value;
    }

    // A list of yields such as <Yields><iYield>2</iYield>...</Yields>: its elements in order, the
    // i-th for the i-th yield type of the yield file; `slots` says which of ours that is.
    TYieldChanges YieldsOf(pugi::xml_node list, const std::vector<int>& slots,
                           const std::string& owner) const {
        TYieldChanges changes{};
        std::size_t position = 0;
        for (const pugi::xml_node element : list.children()) {
            if (element.type() != pugi::node_element)
                continue;
            if (position >= slots.size())
                break;
            const int slot = slots[position++];
            const int value = NumberOf(element, owner);
            if (slot >= 0)
                changes[static_cast<std::size_t>(slot)] = value;
        }
        return changes;
    }

private:
    static std::size_t LineAt(std::string_view text, std::ptrdiff_t offset) {
        const std::size_t end =
            std::min(text.size(), static_cast<std::size_t>(std::max<std::ptrdiff_t>(offset, 0)));
        return 1 + static_cast<std::size_t>(
                       std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(end), '\n'));
    }

    std::string name;
    pugi::xml_document document;
};

} // namespace

void TYieldRules::LoadFromGameDir(const std::string& gameDir) {
    LoadFromLayers(TGameLayers::OfFolder(gameDir));
}

void TYieldRules::LoadFromLayers(const TGameLayers& layers) {
    const std::string& root = layers.Root();
    const std::string folder = root.empty() || root.back() == '/' ? root : root + "/";
    std::array<std::string, 4> paths, texts;
    const std::array<std::string_view, 4> files = {TerrainFile, FeatureFile, BonusFile, YieldFile};
    for (std::size_t i = 0; i < files.size(); ++i) {
        paths[i] = layers.FindFile(files[i]);
        // A file no layer has is named in the root by the message.
        if (paths[i].empty())
            ResolvePathIgnoringCase(ToLocalSeparators(folder + std::string(files[i])), paths[i]);
        texts[i] = ReadFileBytes(paths[i]);
    }
    LoadFromTexts({paths[0], texts[0]}, {paths[1], texts[1]}, {paths[2], texts[2]}, {paths[3], texts[3]});
}

void TYieldRules::LoadFromTexts(const TSource& terrainSource, const TSource& featureSource,
                                const TSource& bonusSource, const TSource& yieldSource) {
    // The yield file sets the order of every yield list: the i-th value is for its i-th type.
    const TInfoFile yieldFile(yieldSource);
    std::vector<int> slots;
    TYieldChanges newHills{}, newPeak{};
    std::array<bool, YieldCount> found{};
    for (const pugi::xml_node record : yieldFile.Records("YieldInfos", "YieldInfo")) {
        const std::string type = yieldFile.TypeOf(record, static_cast<int>(slots.size()) + 1);
        const auto known = std::find(YieldTypeNames.begin(), YieldTypeNames.end(), type);
        const int slot =
            known == YieldTypeNames.end() ? -1 : static_cast<int>(known - YieldTypeNames.begin());
        slots.push_back(slot);
        if (slot < 0)
            continue;
        const auto index = static_cast<std::size_t>(slot);
        found[index] = true;
        newHills[index] = yieldFile.NumberOf(record.child("iHillsChange"), type);
        newPeak[index] = yieldFile.NumberOf(record.child("iPeakChange"), type);
    }
    for (std::size_t i = 0; i < found.size(); ++i)
        if (!found[i])
            yieldFile.Fail("does not define " + std::string(YieldTypeNames[i]));

    const auto readTable = [&slots](const TSource& source, const char* list, const char* recordName,
                                    const char* yieldsList) {
        const TInfoFile file(source);
        TTypeTable table;
        int position = 0;
        for (const pugi::xml_node record : file.Records(list, recordName)) {
            const std::string type = file.TypeOf(record, ++position);
            TTypeYields& rule = table[type];
            rule.yields = file.YieldsOf(record.child(yieldsList), slots, type);
            rule.river = file.YieldsOf(record.child("RiverYieldChange"), slots, type);
            rule.hills = file.YieldsOf(record.child("HillsYieldChange"), slots, type);
        }
        return table;
    };
    TTypeTable newTerrains = readTable(terrainSource, "TerrainInfos", "TerrainInfo", "Yields");
    TTypeTable newFeatures = readTable(featureSource, "FeatureInfos", "FeatureInfo", "YieldChanges");
    TTypeTable newBonuses = readTable(bonusSource, "BonusInfos", "BonusInfo", "YieldChanges");

    terrains = std::move(newTerrains);
    features = std::move(newFeatures);
    bonuses = std::move(newBonuses);
    hillsChange = newHills;
    peakChange = newPeak;
}

TYields TYieldRules::NaturalYield(const TPlot& plot, bool river) const {
    TYields total{};
    const int plotType = plot.PlotType();
    if (plotType < 1 || plotType > 3)
        return total;
    const bool hills = plotType == 1;
    static const TTypeYields none;
    const TTypeYields* terrain = Terrain(plot.TerrainType());
    if (!terrain)
        terrain = &none;
    const bool hasFeature = !plot.FeatureType().empty();
    const TTypeYields* feature = hasFeature ? Feature(plot.FeatureType()) : nullptr;
    if (hasFeature && !feature)
        feature = &none;
    const TTypeYields* bonus = plot.BonusType().empty() ? nullptr : Bonus(plot.BonusType());
    const TTypeYields& changesOnTop = feature ? *feature : *terrain;

    for (std::size_t i = 0; i < total.size(); ++i) {
        long long yield = terrain->yields[i];
        if (hills)
            yield += static_cast<long long>(hillsChange[i]) + changesOnTop.hills[i];
        if (river)
            yield += changesOnTop.river[i];
        if (feature)
            yield += feature->yields[i];
        if (bonus)
            yield += bonus->yields[i];
        total[i] = std::max(0LL, yield);
    }
    return total;
}
