#pragma once

// What the tools on the grid and the editor's other windows need of the window they work for,
// beside the edit session itself: the game's rules, the property sheet's services, the way to show
// a record, and the resources they share. The main window is the one host; tools and windows know
// it only through this, so each can be built and tested without the main window's own header.

#include "document/LineCodec.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <utility>
#include <vector>

class QWidget;
class TBusyCursor;
class TDialogs;
class TEditSession;
class TGameLayers;
class TImageList;
class TMapGridView;
class TPropertySheet;
class TValueCatalogue;

class TEditorHost {
public:
    // The sections of the document, each a tab of the main window.
    enum TTab { TabRule, TabTeam, TabPlayer, TabWorld, TabMap };

    virtual ~TEditorHost() = default;

    virtual TEditSession& Session() const = 0;
    // The window that dialogs and messages belong to.
    virtual QWidget* HostWindow() = 0;
    virtual TDialogs& Dialogs() const = 0;
    virtual TBusyCursor& BusyCursor() const = 0;
    virtual const TImageList& ImageList(const char* name) const = 0;

    // The game's rules the open map runs with.
    virtual TValueCatalogue& Catalogue() const = 0;
    virtual const TGameLayers& Layers() const = 0;
    virtual const QString& InstallDir() const = 0;

    // The property sheets' services. The row being typed goes into the document; false when it was
    // refused.
    virtual bool CommitCurrentRow() = 0;
    virtual void RefreshSheet() = 0;
    // The rows with their edit styles; without a game folder each keeps the style its key has.
    virtual void FillSheet(TPropertySheet& sheet, const StringList& rows,
                           const std::vector<bool>& mixed = {}) const = 0;
    // The row as the document's bytes, or nothing after a message naming the character that the
    // map's code page cannot hold.
    virtual std::optional<std::string> EditorLine(const QString& key, const QString& value) = 0;
    // The key's legal values, asking for the game folder once when none is known.
    virtual QStringList PickList(const QString& key) = 0;
    // Whether the lists come without a question: the game folder is known, or was asked for.
    virtual bool PickListsReady() const = 0;
    // Shows the picker on the key's legal values with the comma text's values marked: the values
    // chosen, or nothing when the picker was cancelled or the values could not be listed.
    virtual std::optional<QString> PickValues(const QString& key, const QString& current) = 0;
    // The row the brush paints (the row under the sheet's cursor, as shown and as the document's
    // bytes), or nothing after saying why there is none.
    virtual std::optional<std::pair<QString, std::string>> PaintRow() = 0;
    // A line on the status bar.
    virtual void ShowStatus(const QString& text) = 0;

    // Shows the tab as a click on it does; false when the row being edited keeps the tab.
    virtual bool GoToTab(int tab) = 0;
    // On the "Team" or "Player" tab, shows the slot's rows.
    virtual void SelectTeamOrPlayer(int index) = 0;
    virtual int TeamIndex() const = 0;
    virtual int PlayerIndex() const = 0;
    virtual TMapGridView* GridView() const = 0;
    virtual TPropertySheet* Sheet() const = 0;
};
