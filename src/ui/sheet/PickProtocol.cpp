#include "ui/sheet/PickProtocol.h"

#include "catalogue/ValueCatalogue.h"
#include "ui/sheet/SheetText.h"

#include <QListWidget>

namespace {

bool FirstItemIs(const QListWidget& list, const StringList& names) {
    return list.count() > 0 && !names.empty() &&
           list.item(0)->text().compare(FromWindows1252(names.front()), Qt::CaseInsensitive) == 0;
}

} // namespace

void FillPickList(QListWidget& list, const StringList& values) {
    list.clear();
    for (const std::string& value : values)
        list.addItem(FromWindows1252(value));
}

bool IsTeamPickList(const QListWidget& list, TValueCatalogue& catalogue) {
    return FirstItemIs(list, catalogue.GetTeamNames());
}

bool IsPlayerPickList(const QListWidget& list, TValueCatalogue& catalogue) {
    return FirstItemIs(list, catalogue.GetPlayerNames());
}

QString TrimBlanksAndControls(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first).unicode() <= ' ')
        ++first;
    while (last > first && text.at(last - 1).unicode() <= ' ')
        --last;
    return text.mid(first, last - first);
}

void MarkPickedValues(QListWidget& list, const QString& text, TValueCatalogue& catalogue) {
    const bool teams = IsTeamPickList(list, catalogue);
    const bool players = !teams && IsPlayerPickList(list, catalogue);
    QStringList pieces = text.split(',');
    if (!pieces.isEmpty() && pieces.constLast().isEmpty())
        pieces.removeLast(); // a final comma adds no piece
    for (const QString& piece : pieces) {
        QString name = TrimBlanksAndControls(piece);
        if (teams)
            name.prepend("Team");
        else if (players)
            name.prepend("Player");
        for (int i = 0; i < list.count(); ++i) {
            if (list.item(i)->text().compare(name, Qt::CaseInsensitive) == 0) {
                list.item(i)->setSelected(true);
                break;
            }
        }
    }
}

QString CollectPickedValues(const QListWidget& list, TValueCatalogue& catalogue) {
    const bool teams = IsTeamPickList(list, catalogue);
    const bool players = !teams && IsPlayerPickList(list, catalogue);
    QString result;
    for (int i = 0; i < list.count(); ++i) {
        const QListWidgetItem* item = list.item(i);
        if (!item->isSelected())
            continue;
        QString value = TrimBlanksAndControls(item->text());
        if (teams)
            value.remove("Team", Qt::CaseInsensitive);
        else if (players)
            value.remove("Player", Qt::CaseInsensitive);
        result += value + ',';
    }
    return result;
}
