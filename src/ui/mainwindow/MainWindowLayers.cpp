// The main window's game layers: which edition and mod the open map runs with, shown and chosen on
// the status bar, and handed to the catalogue.

#include "ui/mainwindow/MainWindow.h"

#include "edit/EditSession.h"

#include "catalogue/GameFolder.h"
#include "catalogue/GamePath.h"
#include "catalogue/ValueCatalogue.h"
#include "document/Map.h"
#include "ui/windows/BalanceWindow.h"
#include "ui/windows/CheckWindow.h"

#include <QActionGroup>
#include <QFile>
#include <QMenu>
#include <QStatusBar>
#include <QToolButton>

#include <algorithm>

namespace {

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.c_str());
}

} // namespace

void TMainWindow::CreateLayersButton() {
    layersButton = new QToolButton(statusBar());
    layersButton->setObjectName("GameLayers");
    layersButton->setAccessibleName("Game layers");
    layersButton->setAutoRaise(true);
    layersButton->setPopupMode(QToolButton::InstantPopup);
    layersButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* menu = new QMenu(layersButton);
    menu->setObjectName("GameLayersMenu");
    menu->setTitle("Game layers");
    connect(menu, &QMenu::aboutToShow, this, &TMainWindow::FillLayersMenu);
    layersButton->setMenu(menu);
    statusBar()->addPermanentWidget(layersButton);
    connect(session, &TEditSession::DocumentChanged, this, &TMainWindow::UpdateLayers);
}

void TMainWindow::ChooseLayers(const std::optional<TLayerChoice>& choice) {
    chosenLayers = choice;
    UpdateLayers();
    // The map did not change, so the windows that follow its changes are told here.
    if (checkWindow != nullptr && checkWindow->isVisible())
        checkWindow->CheckAgain();
    if (balanceWindow != nullptr)
        balanceWindow->ScheduleUpdate();
}

void TMainWindow::UpdateLayers() {
    const TNamedFolder folder = LocateGameFolder(LocalPath(installDir));
    const TLayerChoice choice =
        chosenLayers
            ? *chosenLayers
            : folder.Over(ChoiceOfMap(LocalPath(session->FileName()), session->Map().Game().ModPath()));
    const std::string root = installDir.isEmpty() ? std::string() : folder.root;
    if (layersMadeFor && layersMadeFor->first == root && layersMadeFor->second == choice)
        return;
    layersMadeFor = std::make_pair(root, choice);
    layers = root.empty()
                 ? TGameLayers()
                 : TGameLayers::Resolve(root, choice, WinePrefixes(TGameSearchPlaces::FromEnvironment()));
    catalogue->SetLayers(layers);

    QString text = root.empty() ? QString("No game folder") : FromUtf8(layers.Description());
    text[0] = text[0].toUpper();
    const QString missing = FromUtf8(layers.MissingText());
    if (!missing.isEmpty())
        text += " (a layer is missing)";
    layersButton->setText(text);
    layersButton->setAccessibleName("Game layers: " + text);
    const QString hint = root.empty() ? QString("The game's rules are read from no folder.")
                                      : "The game's rules come from: " + FromUtf8(layers.NamesText()) + ".";
    layersButton->setToolTip(missing.isEmpty() ? hint : missing + ".\n" + hint);
    layersButton->setAccessibleDescription(text + ". " + layersButton->toolTip());
}

void TMainWindow::FillLayersMenu() {
    QMenu* menu = layersButton->menu();
    menu->clear();
    const TLayerChoice current = layersMadeFor ? layersMadeFor->second : TLayerChoice();
    const std::string root = layersMadeFor ? layersMadeFor->first : std::string();

    QAction* asMap = menu->addAction("As the map says");
    asMap->setCheckable(true);
    asMap->setChecked(!chosenLayers);
    connect(asMap, &QAction::triggered, this, [this] { ChooseLayers(std::nullopt); });

    menu->addSection("Edition");
    auto* editions = new QActionGroup(menu);
    for (const TEdition edition : {TEdition::Base, TEdition::Warlords, TEdition::BeyondTheSword}) {
        QString name = EditionName(edition);
        name[0] = name[0].toUpper();
        QAction* action = menu->addAction(name);
        action->setCheckable(true);
        action->setChecked(current.edition == edition);
        action->setActionGroup(editions);
        connect(action, &QAction::triggered, this, [this, current, root, edition] {
            TLayerChoice choice = current;
            const std::vector<std::string> mods = TGameLayers::InstalledMods(root, edition);
            choice.edition = edition;
            // A mod that the edition does not have is left, as the game would not offer it.
            if (std::find(mods.begin(), mods.end(), choice.mod) == mods.end())
                choice.mod.clear();
            ChooseLayers(choice);
        });
    }

    menu->addSection("Mod");
    auto* mods = new QActionGroup(menu);
    std::vector<std::string> names = {""};
    for (const std::string& mod : TGameLayers::InstalledMods(root, current.edition))
        names.push_back(mod);
    for (const std::string& mod : names) {
        QAction* action = menu->addAction(mod.empty() ? QString("No mod") : QFile::decodeName(mod.c_str()));
        action->setCheckable(true);
        action->setChecked(SameFileName(current.mod, mod));
        action->setActionGroup(mods);
        connect(action, &QAction::triggered, this, [this, current, mod] {
            TLayerChoice choice = current;
            choice.mod = mod;
            choice.modNamedAs.clear();
            ChooseLayers(choice);
        });
    }
}
