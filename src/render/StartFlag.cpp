#include "render/StartFlag.h"

#include "document/Map.h"
#include "document/MapStarts.h"

#include <QFont>
#include <QPainter>

#include <algorithm>

QString TStartFlag::Label() const {
    if (players.empty())
        return "-";
    QStringList numbers;
    for (const int player : players)
        numbers.append(QString::number(player));
    return numbers.join(',');
}

std::vector<TStartFlag> StartFlagsIn(const TMap& map, int x1, int y1, int x2, int y2) {
    std::vector<TStartFlag> flags;
    for (const TMapStart& start : MapStartsIn(map, x1, y1, x2, y2)) {
        auto flag = std::find_if(flags.begin(), flags.end(), [&](const TStartFlag& held) {
            return held.x == start.x && held.y == start.y;
        });
        if (flag == flags.end())
            flag = flags.insert(flags.end(), TStartFlag{start.x, start.y, {}});
        if (start.player != TMapStart::NoPlayer)
            flag->players.push_back(start.player);
    }
    return flags;
}

void DrawStartFlag(QPainter& painter, const QRect& cell, const TStartFlag& flag) {
    const int z = cell.width();
    const int margin = std::max(z / 10, 1);
    const int poleWidth = std::max(z / 14, 1);
    const int poleLeft = cell.left() + std::max(z / 8, 1);
    const int top = cell.top() + margin;
    const int clothHeight = std::max(z / 2, 3);
    const QString label = flag.Label();
    const bool lettered = z >= LetteredFlagZoom;
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::max(clothHeight - std::max(clothHeight / 4, 2), 1));
    int clothWidth = std::max(z / 2, 4);
    if (lettered)
        clothWidth = std::max(clothWidth, QFontMetrics(font).horizontalAdvance(label) + z / 8);
    clothWidth = std::min(clothWidth, cell.right() - poleLeft - poleWidth);
    const QRect pole(poleLeft, top, poleWidth, cell.bottom() - margin - top + 1);
    const QRect cloth(poleLeft + poleWidth, top, clothWidth, clothHeight);

    painter.save();
    painter.fillRect(pole, Qt::black);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(flag.players.empty() ? PlainFlagColour : PlayerFlagColour);
    painter.drawRect(cloth.adjusted(0, 0, -1, -1));
    if (lettered) {
        painter.setFont(font);
        // Cut to the cloth: a label longer than the cell would leave marks on its neighbours.
        painter.drawText(cloth, Qt::AlignCenter, label);
    }
    painter.restore();
}

void PaintStartFlags(QPainter& painter, const TMap& map, int firstCol, int firstRow, int lastCol, int lastRow,
                     const std::function<QRect(int col, int row)>& cellRect) {
    const int height = map.Grids().Height();
    for (const TStartFlag& flag :
         StartFlagsIn(map, firstCol, height - 1 - lastRow, lastCol, height - 1 - firstRow))
        DrawStartFlag(painter, cellRect(flag.x, height - 1 - flag.y), flag);
}
