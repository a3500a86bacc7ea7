#include "support/ImageList.h"

#include <QPainter>

#include <algorithm>

TImageList::TImageList(int width, int height, QObject* parent)
    : QObject(parent), imageSize(std::max(width, 1), std::max(height, 1)) {}

void TImageList::SetMasked(bool value) {
    if (masked == value)
        return;
    masked = value;
    for (TEntry& entry : entries)
        entry.shown = Shown(entry);
}

void TImageList::Clear() {
    entries.clear();
}

void TImageList::Add(const QImage& image, QRgb maskColour) {
    TEntry entry;
    entry.original = image.convertToFormat(QImage::Format_ARGB32);
    if (entry.original.size() != imageSize)
        entry.original = entry.original.scaled(imageSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    entry.maskColour = qRgb(qRed(maskColour), qGreen(maskColour), qBlue(maskColour));
    entry.shown = Shown(entry);
    entries.push_back(std::move(entry));
}

QImage TImageList::Shown(const TEntry& entry) const {
    if (!masked)
        return entry.original.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage shown = entry.original;
    const QRgb key = entry.maskColour & RGB_MASK;
    for (int y = 0; y < shown.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(shown.scanLine(y));
        for (int x = 0; x < shown.width(); ++x) {
            if ((line[x] & RGB_MASK) == key)
                line[x] = 0;
        }
    }
    return shown.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage TImageList::Image(int index) const {
    if (index < 0 || index >= Count())
        return {};
    return entries[static_cast<std::size_t>(index)].shown;
}

QImage TImageList::OriginalImage(int index) const {
    if (index < 0 || index >= Count())
        return {};
    return entries[static_cast<std::size_t>(index)].original;
}

QRgb TImageList::MaskColour(int index) const {
    if (index < 0 || index >= Count())
        return 0;
    return entries[static_cast<std::size_t>(index)].maskColour;
}

void TImageList::Draw(QPainter& painter, const QRect& target, int index, TDrawStyle style) const {
    if (index < 0 || index >= Count() || target.isEmpty())
        return;
    const TEntry& entry = entries[static_cast<std::size_t>(index)];
    painter.drawImage(target, style == TDrawStyle::Opaque ? entry.original : entry.shown);
}
