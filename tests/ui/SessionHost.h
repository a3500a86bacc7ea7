#pragma once

// An editor host of a session alone, for testing tools without the main window: it paints the row it
// is given, and keeps what the tool says on the status bar. What a tool does not ask for is not there.

#include "document/Map.h"
#include "edit/EditSession.h"
#include "ui/EditorHost.h"

#include <gtest/gtest.h>

#include <stdexcept>

class TSessionHost : public TEditorHost {
public:
    TEditSession& Session() const override { return session; }
    std::optional<std::pair<QString, std::string>> PaintRow() override { return paint; }
    void ShowStatus(const QString& text) override { status = text; }
    bool CommitCurrentRow() override { return true; }
    void RefreshSheet() override {}
    int TeamIndex() const override { return 0; }
    int PlayerIndex() const override { return 0; }
    TMapGridView* GridView() const override { return nullptr; }
    TPropertySheet* Sheet() const override { return nullptr; }
    QWidget* HostWindow() override { return nullptr; }
    bool PickListsReady() const override { return false; }
    QStringList PickList(const QString&) override { return {}; }
    bool GoToTab(int) override { return false; }
    void SelectTeamOrPlayer(int) override {}
    std::optional<std::string> EditorLine(const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> PickValues(const QString&, const QString&) override { return std::nullopt; }
    void FillSheet(TPropertySheet&, const StringList&, const std::vector<bool>&) const override {}
    TDialogs& Dialogs() const override { throw Missing("dialogs"); }
    TBusyCursor& BusyCursor() const override { throw Missing("busy cursor"); }
    const TImageList& ImageList(const char*) const override { throw Missing("image lists"); }
    TValueCatalogue& Catalogue() const override { throw Missing("catalogue"); }
    const TGameLayers& Layers() const override { throw Missing("game layers"); }
    const QString& InstallDir() const override { return installDir; }

    // A blank map of the size, painted with the row.
    void Start(int width, int height, const std::string& paintRow) {
        TMap& map = session.Map();
        map.MapData().SetGridWidth(width);
        map.MapData().SetGridHeight(height);
        map.Grids().SetWidth(width);
        map.Grids().SetHeight(height);
        paint = std::make_pair(QString::fromStdString(paintRow), paintRow);
    }

    mutable TEditSession session;
    std::optional<std::pair<QString, std::string>> paint;
    QString status;

private:
    static std::logic_error Missing(const char* what) {
        return std::logic_error(std::string("a session host has no ") + what);
    }
    QString installDir;
};
