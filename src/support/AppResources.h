#pragma once

// The program's own resources as the windows use them: its version text, the image lists, the
// pictures of the about box and the windows' icon. The main window owns the one instance.

#include <QIcon>
#include <QString>

#include <string_view>

class QObject;
class QPixmap;

class TAppResources {
public:
    TAppResources(); // the version the program was built as
    // A version text as a version resource would hold it; blanks at both ends are dropped.
    explicit TAppResources(std::string_view rawFileVersion);

    const QString& FileVersion() const { return fileVersion; }

    // Fills every empty image list among the window's direct children, in creation order, from the
    // resource named like the list's objectName. Lists that hold images keep them. Errors of a
    // missing or bad resource reach the caller as TResourceError.
    void LoadImageLists(QObject* window) const;
    // The JPEG picture stored under the name. Any failure (missing resource, bad JPEG) raises
    // OperationAborted.
    QPixmap JpegPicture(const QString& name) const;
    // The program's icon for the windows, at every size the program carries (TESSELICON32 and
    // TESSELICON256); the desktop takes the other sizes from the installed icon theme. Raises
    // TResourceError naming a size that is missing or not a picture.
    QIcon WindowIcon() const;

private:
    QString fileVersion;
};
