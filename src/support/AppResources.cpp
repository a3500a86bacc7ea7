#include "support/AppResources.h"

#include "document/LineCodec.h"
#include "support/CSFEngine.h"
#include "support/ImageList.h"
#include "support/JpegImage.h"

#include <QPixmap>

#include <string>

TAppResources::TAppResources() : TAppResources(TESSEL_FILE_VERSION) {}

TAppResources::TAppResources(std::string_view rawFileVersion)
    : fileVersion(QString::fromStdString(std::string(TrimBlanks(rawFileVersion)))) {}

void TAppResources::LoadImageLists(QObject* window) const {
    if (window == nullptr)
        return;
    TCSFEngine engine;
    // children() keeps the order in which the children were created.
    for (QObject* child : window->children()) {
        auto* list = qobject_cast<TImageList*>(child);
        if (list != nullptr && list->Count() == 0)
            engine.LoadImageList(list->objectName(), *list);
    }
}

QPixmap TAppResources::JpegPicture(const QString& name) const {
    const std::optional<QByteArray> stored = FindProgramResource(name);
    if (!stored)
        throw OperationAborted("Picture \"" + name.toStdString() + "\": no such resource");
    QImage picture;
    try {
        picture = DecodeJpeg(*stored);
    } catch (const TJpegError& error) {
        throw OperationAborted("Picture \"" + name.toStdString() + "\": " + error.what());
    }
    return QPixmap::fromImage(picture);
}

QIcon TAppResources::WindowIcon() const {
    QIcon icon;
    for (const char* name : {"TESSELICON32", "TESSELICON256"}) {
        const std::optional<QByteArray> stored = FindProgramResource(name);
        QPixmap picture;
        if (!stored || !picture.loadFromData(*stored, "PNG"))
            throw TResourceError(name, stored ? "not a PNG picture" : "no such resource");
        icon.addPixmap(picture);
    }
    return icon;
}
