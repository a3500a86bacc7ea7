#pragma once

// A list of equally sized images cut from a strip, standing in for the toolkit's image lists. A
// window owns its lists as children, and the list's objectName names the resource it is filled from.
// With masking on, each image shows its own mask colour (the tile's bottom-left pixel) as transparent.

#include <QImage>
#include <QObject>
#include <QRect>
#include <QSize>

#include <vector>

class QPainter;

class TImageList : public QObject {
    Q_OBJECT
public:
    // Whether Draw leaves the mask colour out (the list's own look) or paints every pixel.
    enum class TDrawStyle { Masked, Opaque };

    TImageList(int width, int height, QObject* parent = nullptr);

    int Width() const { return imageSize.width(); }
    int Height() const { return imageSize.height(); }
    QSize ImageSize() const { return imageSize; }
    int Count() const { return static_cast<int>(entries.size()); }

    bool Masked() const { return masked; }
    void SetMasked(bool value);

    void Clear();
    // Adds a copy of the image, stretched to the list's size when it differs.
    void Add(const QImage& image, QRgb maskColour);

    // The image as the list shows it (the mask colour transparent when masking is on); a null image
    // for an index outside the list.
    QImage Image(int index) const;
    // The image's pixels as they were added, mask colour included.
    QImage OriginalImage(int index) const;
    QRgb MaskColour(int index) const;

    // Stretches image `index` over the rectangle; an index outside the list draws nothing. Opaque
    // serves pictures that must cover the whole cell even in a masked list (the ground textures).
    void Draw(QPainter& painter, const QRect& target, int index, TDrawStyle style = TDrawStyle::Masked) const;

private:
    struct TEntry {
        QImage original;
        QImage shown;
        QRgb maskColour = 0;
    };

    QImage Shown(const TEntry& entry) const;

    QSize imageSize;
    bool masked = true;
    std::vector<TEntry> entries;
};
