#include "app/RenderCommand.h"

#include "app/CommandSupport.h"

#include "document/Map.h"
#include "render/GridLayout.h"
#include "render/PlotPainter.h"
#include "support/CSFEngine.h"

#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>

int RenderMap(const TMap& map, const TRenderRequest& request) {
    const TPlotGrid& plots = map.Grids();
    TGridLayout layout;
    layout.zoom = request.zoom;
    layout.lineWidth = request.gridLines ? 1 : 0;
    layout.colCount = plots.Width();
    layout.rowCount = plots.Height();

    const long long width = static_cast<long long>(layout.colCount) * layout.Stride();
    const long long height = static_cast<long long>(layout.rowCount) * layout.Stride();
    if (width > MaxPictureSide || height > MaxPictureSide) {
        const int fitting = MaxPictureSide / std::max(layout.colCount, layout.rowCount) - layout.lineWidth;
        const QString size =
            QString("The picture of this %1 x %2 map at zoom %3 would be %4 x %5 pixels, more than "
                    "%6 a side")
                .arg(layout.colCount)
                .arg(layout.rowCount)
                .arg(request.zoom)
                .arg(width)
                .arg(height)
                .arg(MaxPictureSide);
        if (fitting >= MinRenderZoom)
            PrintError(size + QString(": the largest zoom that fits is %1.").arg(fitting));
        else
            PrintError(size + QString(": even zoom %1 does not fit.").arg(MinRenderZoom));
        return 1;
    }

    QImage picture(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (picture.isNull()) {
        PrintError(QString("Not enough memory for a picture of %1 x %2 pixels.").arg(width).arg(height));
        return 1;
    }
    try {
        TPlotImages images;
        images.LoadFromResources();
        const TDisplayOptions everything = TDisplayOptions::AllOfTree();
        TPlotPainter plotPainter(images.Lists(), &everything);
        QPainter painter(&picture);
        PaintGridArea(painter, plotPainter, plots, layout, picture.rect(), request.graphic);
    } catch (const TResourceError& error) {
        PrintError(QString("Cannot paint the map: %1").arg(QString::fromLocal8Bit(error.what())));
        return 1;
    }

    QSaveFile file(request.out);
    QImageWriter writer(&file, "png");
    if (!file.open(QIODevice::WriteOnly) || !writer.write(picture) || !file.commit()) {
        const QString reason =
            file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
        file.cancelWriting();
        PrintError(QString("Cannot write the picture \"%1\": %2").arg(request.out, reason));
        return 1;
    }
    return 0;
}
