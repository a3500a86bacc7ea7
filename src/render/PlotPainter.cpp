#include "render/PlotPainter.h"

#include "document/Plot.h"
#include "support/CSFEngine.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

namespace {

StringList SplitNames(const char* commaText) {
    StringList names;
    CommaTextToList(commaText, names);
    return names;
}

int IndexOfName(const StringList& names, std::string_view name) {
    const auto found = std::find_if(names.begin(), names.end(),
                                    [&](const std::string& held) { return SameText(held, name); });
    return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

// The schematic colours, in the order their words are tested; the last is the colour of no match.
struct TTerrainColourEntry {
    const char* word;
    QRgb colour;
};
constexpr std::array<TTerrainColourEntry, 8> TerrainColours = {{{"OCEAN", qRgb(0, 0, 255)},
                                                                {"COAST", qRgb(0, 128, 128)},
                                                                {"GRASS", qRgb(0, 128, 0)},
                                                                {"DESERT", qRgb(255, 255, 0)},
                                                                {"PLAINS", qRgb(128, 128, 0)},
                                                                {"TUNDRA", qRgb(128, 128, 128)},
                                                                {"SNOW", qRgb(255, 255, 255)},
                                                                {"", qRgb(0, 0, 0)}}};
constexpr int NoTerrainColour = 7;

int TerrainColourIndex(std::string_view terrainType) {
    for (int i = 0; i < NoTerrainColour; ++i)
        if (ContainsText(terrainType, TerrainColours[static_cast<std::size_t>(i)].word))
            return i;
    return NoTerrainColour;
}

// How the schematic look fills a feature's cell.
enum TFeatureKind : std::uint32_t { NoFeature, Oasis, Forest, Jungle, Ice, FloodPlains, SolidFeature };
enum TPlotMark : std::uint32_t { NoMark, PeakMark, HillMark };

// The fields of a schematic key.
constexpr std::uint32_t SchematicKeyCount = 1u << 12;
constexpr std::uint32_t SchematicKey(std::uint32_t colour, bool blackMarks, std::uint32_t plotMark,
                                     bool bonus, std::uint32_t feature, bool goodyHut, bool teamReveal) {
    return colour | std::uint32_t(blackMarks) << 3 | plotMark << 4 | std::uint32_t(bonus) << 6 |
           feature << 7 | std::uint32_t(goodyHut) << 10 | std::uint32_t(teamReveal) << 11;
}

// The fields of a graphic key: image indices are stored one higher, 0 meaning no image.
struct TGraphicKey {
    int terrain = -1, plot = -1, feature = -1, bonus = -1;
    bool goodyHut = false, city = false, units = false, westOfRiver = false, northOfRiver = false,
         route = false, teamReveal = false;

    std::uint32_t Pack() const {
        return std::uint32_t(terrain + 1) | std::uint32_t(plot + 1) << 5 | std::uint32_t(feature + 1) << 10 |
               std::uint32_t(bonus + 1) << 15 | std::uint32_t(goodyHut) << 21 | std::uint32_t(city) << 22 |
               std::uint32_t(units) << 23 | std::uint32_t(westOfRiver) << 24 |
               std::uint32_t(northOfRiver) << 25 | std::uint32_t(route) << 26 |
               std::uint32_t(teamReveal) << 27;
    }
    static TGraphicKey Unpack(std::uint32_t key) {
        TGraphicKey look;
        look.terrain = int(key & 31) - 1;
        look.plot = int(key >> 5 & 31) - 1;
        look.feature = int(key >> 10 & 31) - 1;
        look.bonus = int(key >> 15 & 63) - 1;
        look.goodyHut = key >> 21 & 1;
        look.city = key >> 22 & 1;
        look.units = key >> 23 & 1;
        look.westOfRiver = key >> 24 & 1;
        look.northOfRiver = key >> 25 & 1;
        look.route = key >> 26 & 1;
        look.teamReveal = key >> 27 & 1;
        return look;
    }
};

// Pens of the toolkit this look was drawn with first: wide lines end and join round.
QPen MarkPen(QColor colour, int width) {
    QPen pen(colour);
    pen.setWidth(width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// The red mark of a goody hut: a cross of lines e wide from zoom 16 on, a dot below.
void DrawGoodyHut(QPainter& painter, int z, QColor dotOutline) {
    const int e = z / 8;
    if (z >= 16) {
        painter.setPen(MarkPen(Qt::red, e));
        painter.drawLine(e, e, z - e, z - e);
        painter.drawLine(z - e, e, e, z - e);
    } else {
        painter.setPen(MarkPen(dotOutline, 1));
        painter.setBrush(Qt::red);
        painter.drawEllipse(QRect(0, 0, z - 1, z - 1));
    }
}

void DrawTeamRevealFrame(QPainter& painter, int z) {
    painter.setPen(MarkPen(Qt::cyan, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(0, 0, z - 1, z - 1));
}

// Keeps whole cells of the graphic look below this many bytes.
constexpr std::size_t MaxGraphicCellBytes = 64u << 20;

} // namespace

const StringList& TerrainNames() {
    static const StringList names = SplitNames(TerrainNamesText);
    return names;
}

const StringList& BonusNames() {
    static const StringList names = SplitNames(BonusNamesText);
    return names;
}

int TerrainNameIndex(std::string_view name) {
    return IndexOfName(TerrainNames(), name);
}

int BonusNameIndex(std::string_view name) {
    return IndexOfName(BonusNames(), name);
}

std::string TypeName(std::string_view type, std::string_view prefix) {
    return DeleteAllText(type, prefix);
}

QColor TerrainColor(std::string_view terrainType) {
    return QColor(TerrainColours[static_cast<std::size_t>(TerrainColourIndex(terrainType))].colour);
}

QRect SubCellRect(int index, const QRect& rect) {
    const int side = (rect.width() + 1) / 4;
    return QRect(rect.left() + (index % 4) * side, rect.top() + (index / 4) * side, side, side);
}

const TPlot* GetPlotAt(const TPlotGrid& plots, int col, int row) {
    if (col < 0 || col >= plots.Width() || row < 0 || row >= plots.Height())
        return nullptr;
    return plots.GetPlot(col, plots.Height() - 1 - row);
}

void TPlotImages::LoadFromResources() {
    TCSFEngine engine;
    engine.LoadImageList("IMAGELISTTERRAIN", terrain);
    engine.LoadImageList("IMAGELISTBONUS", bonus);
    engine.LoadImageList("IMAGELISTUNITCITY", unitCity);
    engine.LoadImageList("IMAGELISTRIVERROUTE", riverRoute);
}

// What a type value paints, worked out once per value and set of options.
struct TPlotPainter::TTerrainLook {
    std::uint32_t colour = NoTerrainColour; // the fill, NoTerrainColour when the terrain is not shown
    bool blackMarks = false;
    int image = -1;
};

struct TPlotPainter::TFeatureLook {
    std::uint32_t kind = NoFeature;
    std::array<int, 3> imageByVariety{-1, -1, -1};
};

struct TPlotPainter::TBonusLook {
    bool schematic = false;
    int image = -1;
};

// Answers by type value. Neighbouring plots mostly share their types, so the last answer is kept at
// hand before the table is asked.
template <typename TLook> class TPlotPainter::TLookCache {
public:
    template <typename TResolve> const TLook& Find(const std::string& type, TResolve resolve) {
        if (lastType && *lastType == type)
            return *last;
        auto found = looks.find(type);
        if (found == looks.end())
            found = looks.emplace(type, resolve(type)).first;
        lastType = &found->first;
        last = &found->second;
        return *last;
    }
    void Clear() {
        looks.clear();
        lastType = nullptr;
        last = nullptr;
    }

private:
    std::unordered_map<std::string, TLook> looks;
    const std::string* lastType = nullptr;
    const TLook* last = nullptr;
};

// The pictures of one list stretched to one size, made on first use.
struct TPlotPainter::TScaledImages {
    const TImageList* list = nullptr;
    TImageList::TDrawStyle style = TImageList::TDrawStyle::Masked;
    QSize size;
    std::vector<QImage> images;
};

TPlotPainter::TPlotPainter(TPlotImageLists images, const TDisplayOptions* options)
    : images(images), options(options), allOptions(TDisplayOptions::AllOfTree()),
      terrainLooks(std::make_unique<TLookCache<TTerrainLook>>()),
      featureLooks(std::make_unique<TLookCache<TFeatureLook>>()),
      goodyHutLooks(std::make_unique<TLookCache<bool>>()),
      bonusLooks(std::make_unique<TLookCache<TBonusLook>>()) {
    CheckOptions();
}

TPlotPainter::~TPlotPainter() = default;

void TPlotPainter::SetOptions(const TDisplayOptions* value) {
    options = value;
    CheckOptions();
}

void TPlotPainter::ImagesChanged() {
    scaledImages.clear();
    graphicCells.clear();
    graphicCellBytes = 0;
}

void TPlotPainter::CheckOptions() {
    const TDisplayOptions& current = Options();
    if (&current == seenOptions && current.Revision() == seenRevision)
        return;
    seenOptions = &current;
    seenRevision = current.Revision();
    on.plot = current.IsOptionOn("Plot");
    on.mountain = current.IsOptionOn(TerrainNames()[TerrainNames().size() - 2]);
    on.hill = current.IsOptionOn(TerrainNames().back());
    on.city = current.IsOptionOn("City");
    on.units = current.IsOptionOn("Units");
    on.river = current.IsOptionOn("River");
    on.route = current.IsOptionOn("Route");
    on.teamReveal = current.IsOptionOn("TeamReveal");
    terrainLooks->Clear();
    featureLooks->Clear();
    goodyHutLooks->Clear();
    bonusLooks->Clear();
}

const TPlotPainter::TTerrainLook& TPlotPainter::TerrainLook(const std::string& type) {
    return terrainLooks->Find(type, [this](const std::string& value) {
        TTerrainLook look;
        const std::string name = TypeName(value, "TERRAIN_");
        look.blackMarks = !name.empty() && ContainsText(TerrainNames()[1] + TerrainNames()[5], name);
        if (Options().IsOptionOn("Terrain") && !value.empty() && Options().IsOptionOn(name)) {
            look.colour = static_cast<std::uint32_t>(TerrainColourIndex(value));
            look.image = TerrainNameIndex(name);
        }
        return look;
    });
}

const TPlotPainter::TFeatureLook& TPlotPainter::FeatureLook(const std::string& type) {
    return featureLooks->Find(type, [this](const std::string& value) {
        TFeatureLook look;
        const std::string name = TypeName(value, "FEATURE_");
        if (!Options().IsOptionOn("Feature") || value.empty() || !Options().IsOptionOn(name))
            return look;
        const StringList& terrains = TerrainNames();
        if (SameText(name, terrains[14]))
            look.kind = Oasis;
        else if (SameText(name, "FOREST"))
            look.kind = Forest;
        else if (SameText(name, terrains[11]))
            look.kind = Jungle;
        else if (SameText(name, terrains[12]))
            look.kind = Ice;
        else if (SameText(name, terrains[13]))
            look.kind = FloodPlains;
        else
            look.kind = SolidFeature;
        for (std::size_t variety = 0; variety < look.imageByVariety.size(); ++variety)
            look.imageByVariety[variety] =
                TerrainNameIndex(look.kind == Forest ? name + IntToText(static_cast<int>(variety)) : name);
        return look;
    });
}

bool TPlotPainter::IsGoodyHutShown(const std::string& type) {
    return goodyHutLooks->Find(type, [this](const std::string& value) {
        const std::string name = TypeName(value, "IMPROVEMENT_");
        return Options().IsOptionOn("Improvement") && !value.empty() && Options().IsOptionOn(name) &&
               SameText(name, "GOODY_HUT");
    });
}

const TPlotPainter::TBonusLook& TPlotPainter::BonusLook(const std::string& type) {
    return bonusLooks->Find(type, [this](const std::string& value) {
        TBonusLook look;
        if (!Options().IsOptionOn("Bonus") || value.empty())
            return look;
        const std::string name = TypeName(value, "BONUS_");
        if (Options().IsOptionOn(name)) {
            look.schematic = true;
            look.image = BonusNameIndex(name);
        } else if (Options().IsOptionOn(BonusNames().back())) {
            look.schematic = true;
            look.image = static_cast<int>(BonusNames().size()) - 1;
        }
        return look;
    });
}

std::uint32_t TPlotPainter::SchematicKey(const TPlot& plot) {
    const TTerrainLook& terrain = TerrainLook(plot.TerrainType());
    std::uint32_t plotMark = NoMark;
    if (on.plot && plot.PlotType() == 0)
        plotMark = PeakMark;
    else if (on.plot && plot.PlotType() == 1)
        plotMark = HillMark;
    return ::SchematicKey(terrain.colour, terrain.blackMarks, plotMark, BonusLook(plot.BonusType()).schematic,
                          FeatureLook(plot.FeatureType()).kind, IsGoodyHutShown(plot.ImprovementType()),
                          on.teamReveal && plot.HasTeamReveal());
}

std::uint32_t TPlotPainter::GraphicKey(const TPlot& plot) {
    const StringList& terrains = TerrainNames();
    TGraphicKey look;
    look.terrain = TerrainLook(plot.TerrainType()).image;
    if (on.plot && plot.PlotType() == 0 && on.mountain)
        look.plot = static_cast<int>(terrains.size()) - 2;
    else if (on.plot && plot.PlotType() == 1 && on.hill)
        look.plot = static_cast<int>(terrains.size()) - 1;
    const int variety = plot.FeatureVariety();
    const TFeatureLook& feature = FeatureLook(plot.FeatureType());
    if (variety >= 0 && variety < static_cast<int>(feature.imageByVariety.size()))
        look.feature = feature.imageByVariety[static_cast<std::size_t>(variety)];
    look.goodyHut = IsGoodyHutShown(plot.ImprovementType());
    look.bonus = BonusLook(plot.BonusType()).image;
    look.city = on.city && plot.HasCity();
    look.units = on.units && plot.Units().Count() > 0;
    look.westOfRiver = on.river && plot.IsWOfRiver();
    look.northOfRiver = on.river && plot.IsNOfRiver();
    look.route = on.route && !plot.RouteType().empty();
    look.teamReveal = on.teamReveal && plot.HasTeamReveal();
    return look.Pack();
}

bool TPlotPainter::PrepareCell(const QRect& rect) {
    if (rect.width() <= 0)
        return false;
    CheckOptions();
    if (rect.width() == cellSide)
        return true;
    cellSide = rect.width();
    schematicCells.assign(SchematicKeyCount, QImage());
    graphicCells.clear();
    graphicCellBytes = 0;
    return true;
}

void TPlotPainter::DrawPlotSchematic(QPainter& painter, const TPlot& plot, const QRect& rect) {
    if (!PrepareCell(rect))
        return;
    const std::uint32_t key = SchematicKey(plot);
    QImage& cell = schematicCells[key];
    if (cell.isNull())
        cell = PaintSchematic(key, cellSide);
    painter.drawImage(rect.topLeft(), cell);
}

void TPlotPainter::DrawPlotGraphic(QPainter& painter, const TPlot& plot, const QRect& rect) {
    if (!PrepareCell(rect))
        return;
    const std::uint32_t key = GraphicKey(plot);
    auto found = graphicCells.find(key);
    if (found == graphicCells.end()) {
        if (graphicCellBytes > MaxGraphicCellBytes) {
            graphicCells.clear();
            graphicCellBytes = 0;
        }
        found = graphicCells.emplace(key, PaintGraphic(key, cellSide)).first;
        graphicCellBytes += static_cast<std::size_t>(found->second.sizeInBytes());
    }
    painter.drawImage(rect.topLeft(), found->second);
}

QImage TPlotPainter::PaintSchematic(std::uint32_t key, int side) const {
    const int z = side, h = z / 2, q = h / 2, e = q / 2;
    const QColor contrast = (key >> 3 & 1) ? Qt::black : Qt::white;
    QImage cell(z, z, QImage::Format_RGB32);
    cell.fill(TerrainColours[key & 7].colour);
    QPainter painter(&cell);

    switch (key >> 4 & 3) {
    case PeakMark: {
        painter.setPen(MarkPen(contrast, e));
        painter.setBrush(contrast);
        const QPoint corners[] = {{h, e}, {e, z - e}, {z - e, z - e}};
        painter.drawPolygon(corners, 3);
        break;
    }
    case HillMark:
        painter.setPen(MarkPen(contrast, e));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRect(QPoint(e, e), QPoint(z - e - 1, z - e - 1)), 90 * 16, 90 * 16);
        painter.drawLine(q, q, z - q, z - q);
        break;
    default:
        break;
    }
    if (key >> 6 & 1) {
        painter.setPen(MarkPen(Qt::white, 1));
        painter.setBrush(QColor(255, 0, 255));
        painter.drawEllipse(QRect(0, 0, z - 1, z - 1));
    }
    const std::uint32_t feature = key >> 7 & 7;
    if (feature == Oasis) {
        painter.setPen(MarkPen(contrast, z / 9));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRect(QPoint(e, h + e), QPoint(z - e - 1, z - e - 1)));
    } else if (feature != NoFeature) {
        // Hatches draw their lines over the cell and leave the gaps as they are.
        painter.setPen(Qt::NoPen);
        const Qt::BrushStyle style = feature == Forest        ? Qt::CrossPattern
                                     : feature == Jungle      ? Qt::DiagCrossPattern
                                     : feature == Ice         ? Qt::FDiagPattern
                                     : feature == FloodPlains ? Qt::VerPattern
                                                              : Qt::SolidPattern;
        painter.setBrush(QBrush(contrast, style));
        painter.drawRect(0, 0, z, z);
        if (feature == Forest) {
            painter.setBrush(QBrush(contrast, Qt::DiagCrossPattern));
            painter.drawRect(0, 0, z, z);
        }
    }
    if (key >> 10 & 1)
        DrawGoodyHut(painter, z, Qt::white);
    if (key >> 11 & 1)
        DrawTeamRevealFrame(painter, z);
    return cell;
}

QImage TPlotPainter::PaintGraphic(std::uint32_t key, int side) {
    using TDrawStyle = TImageList::TDrawStyle;
    const TGraphicKey look = TGraphicKey::Unpack(key);
    const int z = side;
    const QRect rect(0, 0, z, z);
    QImage cell(z, z, QImage::Format_RGB32);
    cell.fill(Qt::white);
    QPainter painter(&cell);

    DrawCellImage(painter, look.terrain, images.terrain, rect, TDrawStyle::Opaque);
    DrawCellImage(painter, look.plot, images.terrain, rect);
    DrawCellImage(painter, look.feature, images.terrain, rect);
    if (look.goodyHut)
        DrawGoodyHut(painter, z, Qt::red);
    DrawCellImage(painter, look.bonus, images.bonus, rect);
    if (look.city)
        DrawCellImage(painter, 1, images.unitCity, rect);
    if (look.units)
        DrawCellImage(painter, 0, images.unitCity, rect);
    if (look.westOfRiver)
        DrawCellImage(painter, 1, images.riverRoute, SubCellRect(3, rect), TDrawStyle::Opaque);
    if (look.northOfRiver)
        DrawCellImage(painter, 2, images.riverRoute, SubCellRect(look.westOfRiver ? 7 : 3, rect),
                      TDrawStyle::Opaque);
    if (look.route)
        DrawCellImage(painter, 0, images.riverRoute, SubCellRect(15, rect), TDrawStyle::Opaque);
    if (look.teamReveal)
        DrawTeamRevealFrame(painter, z);
    return cell;
}

void TPlotPainter::DrawCellImage(QPainter& painter, int index, const TImageList& list, const QRect& rect,
                                 TImageList::TDrawStyle style) {
    if (index < 0 || index >= list.Count() || rect.isEmpty())
        return;
    painter.drawImage(rect.topLeft(), ScaledImage(list, index, rect.size(), style));
}

const QImage& TPlotPainter::ScaledImage(const TImageList& list, int index, QSize size,
                                        TImageList::TDrawStyle style) {
    auto found = std::find_if(scaledImages.begin(), scaledImages.end(), [&](const auto& scaled) {
        return scaled->list == &list && scaled->style == style;
    });
    if (found == scaledImages.end()) {
        scaledImages.push_back(std::make_unique<TScaledImages>());
        found = scaledImages.end() - 1;
        (*found)->list = &list;
        (*found)->style = style;
    }
    TScaledImages& scaled = **found;
    if (scaled.size != size || scaled.images.size() != static_cast<std::size_t>(list.Count())) {
        scaled.size = size;
        scaled.images.assign(static_cast<std::size_t>(list.Count()), QImage());
    }
    QImage& image = scaled.images[static_cast<std::size_t>(index)];
    if (image.isNull()) {
        const QImage source = style == TImageList::TDrawStyle::Opaque
                                  ? list.OriginalImage(index).convertToFormat(QImage::Format_RGB32)
                                  : list.Image(index);
        image = source.size() == size ? source
                                      : source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return image;
}
