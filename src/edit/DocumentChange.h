#pragma once

// A change the windows make to the document: which records it touches, what it is called, and how
// it is made. Every change goes through the main window's ChangeDocument, the one way into the
// document, so that each can be recorded, undone and redone in one place.

#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class TMap;

struct TChangeScope {
    enum class TKind { Game, Team, Player, World, Plots, Document, Several };
    TKind kind = TKind::Document;
    int index = -1; // the team or player slot
    QRect plots;    // the plots touched, in map coordinates (x, y)
    // When not empty: only these plots of the rectangle (a brush stroke), in the order touched.
    std::vector<QPoint> cells = {};
    // For a change of several records (Several): each record's own scope, none of them Several.
    std::vector<TChangeScope> parts = {};

    static TChangeScope Game() { return {TKind::Game, -1, {}, {}, {}}; }
    static TChangeScope Team(int slot) { return {TKind::Team, slot, {}, {}, {}}; }
    static TChangeScope Player(int slot) { return {TKind::Player, slot, {}, {}, {}}; }
    static TChangeScope World() { return {TKind::World, -1, {}, {}, {}}; }
    static TChangeScope Plot(int x, int y) { return {TKind::Plots, -1, QRect(x, y, 1, 1), {}, {}}; }
    // A rectangle of plots, in map coordinates.
    static TChangeScope Plots(const QRect& rectangle) { return {TKind::Plots, -1, rectangle, {}, {}}; }
    static TChangeScope WholeDocument() { return {TKind::Document, -1, {}, {}, {}}; }
    static TChangeScope PlotList(std::vector<QPoint> places) {
        QRect bounds;
        for (const QPoint& place : places)
            bounds |= QRect(place, QSize(1, 1));
        return {TKind::Plots, -1, bounds, std::move(places), {}};
    }
    static TChangeScope Several(std::vector<TChangeScope> scopes) {
        return {TKind::Several, -1, {}, {}, std::move(scopes)};
    }
};

struct TDocumentChange {
    QString text; // what the change is called, such as "TerrainType at (12, 40)"
    TChangeScope scope;
    // Makes the change; raises OperationAborted when the document refuses it.
    std::function<void(TMap&)> apply;
};
