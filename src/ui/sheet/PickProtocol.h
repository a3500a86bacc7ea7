#pragma once

// How a row's comma text and the multi-value picker's selection meet: the row's values are marked
// in the picker's list, and the selected items become the row's text again. Team and player
// numbers are stored bare (3) and listed with their names (Team3). Shared by the main window's
// sheet and the units and city editor's.

#include "document/LineCodec.h"

#include <QString>

class QListWidget;
class TValueCatalogue;

// Replaces the list's items (and so clears its selection) by the values.
void FillPickList(QListWidget& list, const StringList& values);

// Whether the list's first item is the catalogue's first team (player) name; an empty list is neither.
bool IsTeamPickList(const QListWidget& list, TValueCatalogue& catalogue);
bool IsPlayerPickList(const QListWidget& list, TValueCatalogue& catalogue);

// Selects the items the comma text names; pieces that name no item are dropped.
void MarkPickedValues(QListWidget& list, const QString& text, TValueCatalogue& catalogue);
// The selected items in list order, each followed by a comma ("3,5," for Team3 and Team5).
QString CollectPickedValues(const QListWidget& list, TValueCatalogue& catalogue);

// The text without characters up to the blank at both ends.
QString TrimBlanksAndControls(const QString& text);
