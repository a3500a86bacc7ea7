#include "ui/tools/StartTool.h"

#include "document/MapContents.h"
#include "edit/EditSession.h"
#include "ui/EditorHost.h"
#include "ui/dialogs/Dialogs.h"

#include "ui/sheet/SheetText.h"
#include <QUndoStack>

#include <QUndoStack>

bool TStartTool::MousePress(const TMapGridMouse& mouse) {
    if (mouse.button != Qt::LeftButton || !mouse.onCell)
        return false;
    PlaceStart(mouse.col, host.Session().Map().Grids().Height() - 1 - mouse.row);
    return true;
}

bool TStartTool::PlaceStart(int x, int y) {
    const int slot = Player();
    TMap& map = host.Session().Map();
    const TPlayer* player = map.Players().GetPlayer(slot);
    if (!player || !map.Grids().GetPlot(x, y))
        return false;
    if (!player->InUse()) {
        // A slot not in use writes nothing: its start would be lost on saving.
        host.Dialogs().ShowMessage(host.HostWindow(),
                                   QString("Player %1 is not in use, so the map cannot keep a start for "
                                           "it. Choose a player in use on the \"Player\" tab, or give "
                                           "this one a team there first.")
                                       .arg(slot));
        return false;
    }
    // The row being edited goes into its record first; the clicked plot then shows in the sheet.
    if (!host.CommitCurrentRow() || !host.GridView()->SelectCell(x, map.Grids().Height() - 1 - y))
        return false;
    const int oldX = player->StartingX(), oldY = player->StartingY();
    std::vector<TChangeScope> parts = {TChangeScope::Player(slot), TChangeScope::Plot(x, y)};
    if (map.Grids().GetPlot(oldX, oldY) && (oldX != x || oldY != y))
        parts.push_back(TChangeScope::Plot(oldX, oldY));
    TDocumentChange change;
    change.text = QString("Start of player %1 at (%2, %3)").arg(slot).arg(x).arg(y);
    change.scope = TChangeScope::Several(std::move(parts));
    change.apply = [slot, x, y](TMap& document) { MoveStart(document, slot, x, y); };
    const int stepsBefore = host.Session().History().index();
    host.Session().Change(change);
    return host.Session().History().index() != stepsBefore;
}

int TStartTool::Player() const {
    return host.PlayerIndex();
}

QString TStartTool::PlayerName() const {
    const TPlayer* player = host.Session().Map().Players().GetPlayer(Player());
    QString name = QString("player %1").arg(Player());
    if (!player)
        return name;
    if (!player->InUse())
        return name + " (not in use)";
    // The leader's type names the player best: a map often gives its name as a text key.
    const std::string& leader = !player->LeaderType().empty() && !player->IsEmptyPlayer()
                                    ? player->LeaderType()
                                : !player->LeaderName().empty() ? player->LeaderName()
                                                                : player->CivShortDesc();
    return leader.empty() ? name : name + " (" + FromWindows1252(leader) + ")";
}

QString TStartTool::Hint() const {
    return "Start: a click on a plot makes it the start of " + PlayerName() +
           " (choose the player on the \"Player\" tab)";
}

QString TStartTool::StatusText() const {
    return QString("Start for player %1").arg(Player());
}
