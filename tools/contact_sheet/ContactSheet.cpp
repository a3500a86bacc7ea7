// tessel_contact_sheet: renders every image list, about picture and icon the program carries into one PNG,
// to look at them as the windows will show them.
//
//   cmake --build build-support -j2 --target tessel_contact_sheet
//   QT_QPA_PLATFORM=offscreen build-support/tools/tessel_contact_sheet /tmp/tessel_contact_sheet.png
//
// Each list shows its tiles at their own size and stretched to 8, 32 and 128 pixels, as the map view
// stretches them, over a checkerboard so the transparent mask shows; the terrain and bonus lists are
// also laid over a ground texture as the map view composes them.

#include "support/AppResources.h"
#include "support/CSFEngine.h"
#include "support/ImageList.h"
#include "support/JpegImage.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <iostream>
#include <memory>
#include <vector>

namespace {

constexpr int SheetWidth = 2000;
constexpr int Margin = 12;

struct TListInfo {
    const char* name;
    int size;
    bool masked;
    QStringList labels;
};

QStringList Split(const char* text) {
    return QString::fromLatin1(text).split(QLatin1Char(','));
}

std::vector<TListInfo> Lists() {
    return {
        {"ImageListProgram", 24, true, Split("New,Save as,Save,Open,About,Exit")},
        {"ImageListTabs", 24, true, Split("Rule,Team,Player,World,Map,Globe,Globe")},
        {"ImageListToolBar", 16, true,
         Split("Zoom out,Zoom in,Empty map,Grid lines,Graphic mode,Separator,Select all,Clear,Green plus,"
               "Green minus,Add,Delete,Apply,Cancel,Exit,Mini-map,Dock,Options,Expand,Collapse")},
        {"ImageListYesNo", 16, true, Split("Off,On,Cross,Tick")},
        {"ImageListTerrain", 55, true,
         Split("FALLOUT,DESERT,PLAINS,GRASS,TUNDRA,SNOW,COAST,OCEAN,FOREST0,FOREST1,FOREST2,JUNGLE,ICE,"
               "FLOOD_PLAINS,OASIS,MOUNTAIN,HILL")},
        {"ImageListBonus", 55, true,
         Split(
             "ALUMINUM,BANANA,CLAM,COAL,COPPER,CORN,COW,CRAB,DEER,DRAMA,DYE,FISH,FUR,GEMS,GOLD,HORSE,INCENSE,"
             "IRON,IVORY,MARBLE,MOVIES,MUSIC,OIL,PIG,RICE,SHEEP,SILK,SILVER,SPICES,STONE,SUGAR,URANIUM,WHALE,"
             "WHEAT,WINE,OTHER BONUS")},
        {"ImageListUnitCity", 55, true, Split("Units,City")},
        {"ImageListRiverRoute", 32, false, Split("Route,River W,River N")},
    };
}

void Checkerboard(QPainter& painter, const QRect& area) {
    const int cell = 4;
    for (int y = area.top(); y < area.bottom(); y += cell)
        for (int x = area.left(); x < area.right(); x += cell)
            painter.fillRect(QRect(x, y, cell, cell).intersected(area),
                             ((x - area.left()) / cell + (y - area.top()) / cell) % 2
                                 ? QColor(200, 200, 200)
                                 : QColor(240, 240, 240));
}

class TSheet {
public:
    TSheet() : image(SheetWidth, 12000, QImage::Format_RGB32), painter(&image) {
        image.fill(QColor(250, 250, 246));
        painter.setRenderHint(QPainter::TextAntialiasing, true);
    }

    void Title(const QString& text) {
        y += 8;
        QFont font = painter.font();
        font.setPixelSize(18);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(Margin, y + 18, text);
        y += 28;
    }

    // One row of tiles at the given size, wrapped at the sheet's edge, each with its label when wide enough.
    void Row(const TImageList& list, int size, const QStringList& labels, const TImageList* ground = nullptr,
             int groundIndex = 0) {
        const int labelHeight = size >= 32 ? 14 : 0;
        const int step = std::max(size, size >= 32 ? 76 : size) + 6;
        int x = Margin;
        QFont font = painter.font();
        font.setPixelSize(11);
        font.setBold(false);
        painter.setFont(font);
        for (int i = 0; i < list.Count(); ++i) {
            if (x + step > SheetWidth - Margin) {
                x = Margin;
                y += size + labelHeight + 6;
            }
            const QRect cell(x, y, size, size);
            if (ground != nullptr)
                ground->Draw(painter, cell, groundIndex, TImageList::TDrawStyle::Opaque);
            else
                Checkerboard(painter, cell);
            list.Draw(painter, cell, i);
            if (labelHeight > 0) {
                painter.setPen(Qt::black);
                painter.drawText(QRect(x, y + size, step - 4, labelHeight), Qt::AlignLeft | Qt::AlignVCenter,
                                 QString::number(i) + " " + labels.value(i));
            }
            x += step;
        }
        y += size + labelHeight + 10;
    }

    void Pictures(const std::vector<std::pair<QString, QImage>>& pictures) {
        QFont font = painter.font();
        font.setPixelSize(11);
        font.setBold(false);
        painter.setFont(font);
        int x = Margin;
        for (const auto& [name, picture] : pictures) {
            painter.drawImage(x, y, picture);
            painter.setPen(Qt::black);
            painter.drawText(x, y + picture.height() + 14,
                             name + QString(" %1x%2").arg(picture.width()).arg(picture.height()));
            x += std::max(picture.width(), 150) + 20;
        }
        y += 128 + 24;
    }

    void Text(const QStringList& lines) {
        QFont font = painter.font();
        font.setPixelSize(13);
        font.setBold(false);
        painter.setFont(font);
        painter.setPen(Qt::black);
        for (int i = 0; i < lines.size(); ++i) {
            painter.drawText(Margin, y + 14, QString::number(i) + ": " + lines[i]);
            y += 18;
        }
        y += 8;
    }

    QImage Finish() {
        painter.end();
        return image.copy(0, 0, SheetWidth, y + Margin);
    }

private:
    QImage image;
    QPainter painter;
    int y = Margin;
};

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: tessel_contact_sheet <output.png>\n";
        return 2;
    }
    try {
        TCSFEngine engine;
        TSheet sheet;
        std::vector<std::unique_ptr<TImageList>> lists;
        const std::vector<TListInfo> infos = Lists();
        for (const TListInfo& info : infos) {
            auto list = std::make_unique<TImageList>(info.size, info.size);
            list->setObjectName(QString::fromLatin1(info.name));
            list->SetMasked(info.masked);
            engine.LoadImageList(list->objectName(), *list);
            lists.push_back(std::move(list));
        }
        for (std::size_t i = 0; i < infos.size(); ++i) {
            const TImageList& list = *lists[i];
            sheet.Title(QString("%1: %2 images of %3 x %3%4")
                            .arg(list.objectName())
                            .arg(list.Count())
                            .arg(infos[i].size)
                            .arg(infos[i].masked ? "" : ", no mask"));
            sheet.Row(list, infos[i].size, infos[i].labels);
            for (int size : {8, 32, 128})
                if (size != infos[i].size)
                    sheet.Row(list, size, infos[i].labels);
        }
        // As the map view lays them: features and bonuses over grass (terrain image 3).
        const TImageList& terrain = *lists[4];
        sheet.Title("Terrain and bonus lists over the grass texture, at 32 and 128");
        for (int size : {32, 128}) {
            sheet.Row(terrain, size, infos[4].labels, &terrain, 3);
            sheet.Row(*lists[5], size, infos[5].labels, &terrain, 3);
            sheet.Row(*lists[6], size, infos[6].labels, &terrain, 3);
        }
        sheet.Title("Bonus list over the ocean texture, at 32");
        sheet.Row(*lists[5], 32, infos[5].labels, &terrain, 7);

        sheet.Title("About pictures");
        std::vector<std::pair<QString, QImage>> pictures;
        for (const char* name : {"PROGRAMICON", "IMAGEGAME", "IMAGETALK", "IMAGEWHATISIT", "IMAGEV2"}) {
            const std::optional<QByteArray> stored = FindProgramResource(QString::fromLatin1(name));
            if (!stored)
                throw std::runtime_error(std::string("missing picture ") + name);
            pictures.emplace_back(QString::fromLatin1(name), DecodeJpeg(*stored));
        }
        sheet.Pictures(pictures);
        sheet.Title("The windows' icon: TESSELICON32, and TESSELICON256 at half its size");
        const QIcon icon = TAppResources().WindowIcon();
        sheet.Pictures({{"TESSELICON32", icon.pixmap(32, 32).toImage()},
                        {"TESSELICON256", icon.pixmap(256, 256).toImage().scaled(
                                              128, 128, Qt::KeepAspectRatio, Qt::SmoothTransformation)}});
        sheet.Title("ABOUTINFO");
        QStringList aboutLines;
        engine.LoadInto(QStringLiteral("ABOUTINFO"), aboutLines);
        sheet.Text(aboutLines);

        if (!sheet.Finish().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
            std::cerr << "tessel_contact_sheet: cannot write " << argv[1] << "\n";
            return 1;
        }
    } catch (const std::exception& error) {
        std::cerr << "tessel_contact_sheet: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
