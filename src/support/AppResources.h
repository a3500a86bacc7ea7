#pragma once

// Small services of the main window, which owns the one instance: the program's version text, the
// look adjustments of old Windows versions, the two resource loaders of the windows and their icon.

#include <QIcon>
#include <QString>

#include <string_view>

class QLabel;
class QObject;
class QWidget;

class TMapUtils {
public:
    TMapUtils(); // the version the program was built as
    // A version text as a version resource would hold it; blanks at both ends are dropped.
    explicit TMapUtils(std::string_view rawFileVersion);

    const QString& FileVersion() const { return fileVersion; }
    // Tessel never runs on Windows XP: no control needs the adjustments made for that look there.
    bool IsWindowsXP() const { return isWindowsXP; }
    // The adjustments serve Windows XP's own look only; elsewhere no control changes.
    void ApplyXPLook(QWidget* /*window*/) const {}

    // Fills every empty image list among the window's direct children, in creation order, from the
    // resource named like the list's objectName. Lists that hold images keep them. Errors of a
    // missing or bad resource reach the caller as TResourceError.
    void LoadImageLists(QObject* window) const;
    // Shows the JPEG picture stored under the name in the label. Any failure (missing resource, bad
    // JPEG) raises OperationAborted and leaves the label as it was. Returns true.
    bool LoadJpegResource(const QString& name, QLabel* image) const;
    // The program's icon for the windows, at every size the program carries (TESSELICON32 and
    // TESSELICON256); the desktop takes the other sizes from the installed icon theme. Raises
    // TResourceError naming a size that is missing or not a picture.
    QIcon WindowIcon() const;

private:
    QString fileVersion;
    bool isWindowsXP = false;
};
