#include "ui/mainwindow/ShowEditor.h"

#include "ui/mainwindow/MainWindow.h"

std::unique_ptr<QWidget> ShowEditor(const QString& gameDir, const QString& file,
                                    const TLayersFor& layersFor) {
    auto window = std::make_unique<TMainWindow>(gameDir);
    window->show();
    window->OfferRecovery();
    if (!file.isEmpty() && window->OpenFileAsking(file))
        if (const std::optional<TLayerChoice> choice = layersFor(window->LayerChoice()))
            window->ChooseLayers(*choice);
    return window;
}
