#pragma once

// Unpacks the program's packed resources and loads them into what the windows use: image lists,
// bitmaps, lines of text and plain bytes. An engine serves one job and holds no data between loads.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

class QImage;
class QPixmap;
class TImageList;

// A resource that is missing or cannot be unpacked or read; carries the resource's name.
class TResourceError : public std::runtime_error {
public:
    TResourceError(const QString& resourceName, const std::string& reason);
    const QString& ResourceName() const { return resourceName; }

private:
    QString resourceName;
};

// Finds the bytes stored under a name, or nothing when there is no such resource.
using TResourceLookup = std::function<std::optional<QByteArray>(const QString& name)>;

// The raw bytes of a resource compiled into the program, found by name without regard to case.
std::optional<QByteArray> FindProgramResource(const QString& name);

// Lines of 8-bit text, split at CR, LF or CR LF and read as Windows-1252; a final line break adds
// no empty line.
QStringList LinesFromText(const QByteArray& text);

class TCSFEngine {
public:
    TCSFEngine();                                // reads the program's own resources
    explicit TCSFEngine(TResourceLookup lookup); // reads wherever the lookup finds names (tests, tools)

    void Clear();
    // Replaces target by the unpacked form of source. Raises TUnpackError on bad data.
    static void Unpack(const QByteArray& source, QByteArray& target);
    // Replaces target by the named resource, unpacked.
    void LoadResource(const QString& name, QByteArray& target);
    // Replaces the list's images by the square tiles of the named strip, each stretched to the list's
    // size with its bottom-left pixel as its mask colour. Columns left over after the last whole tile
    // are ignored. On failure the list keeps what it held.
    void LoadImageList(const QString& name, TImageList& list);

    // One overload per kind of target the windows use: image list, bitmap, lines of text, plain bytes.
    // Tree views and embedded objects could read themselves from a resource too, but no window loads
    // one, so they have no overload. Every overload raises TResourceError, carrying the name, for a
    // missing, corrupt or unreadable resource; a declared length of 0 leaves the target empty.
    void LoadInto(const QString& name, TImageList& target);
    void LoadInto(const QString& name, QImage& target);
    void LoadInto(const QString& name, QPixmap& target);
    void LoadInto(const QString& name, QStringList& target);
    void LoadInto(const QString& name, QByteArray& target);

    // The two working buffers, empty outside a load.
    const QByteArray& Packed() const { return packed; }
    const QByteArray& Unpacked() const { return unpacked; }

private:
    QImage LoadBitmap(const QString& name);

    TResourceLookup lookup;
    QByteArray packed;
    QByteArray unpacked;
};
