#pragma once

// A change made piece by piece as the mouse moves, such as a stroke of the brush, and recorded as
// one step: every piece goes into the document at once, and the stroke keeps each plot as it was
// before the first piece that touched it. The main window owns the stroke while it lasts.

#include "document/RecordSnapshot.h"
#include "edit/DocumentChange.h"

#include <QPoint>
#include <QString>

#include <unordered_set>
#include <vector>

class TPlotStroke {
public:
    explicit TPlotStroke(QString text) : text(std::move(text)) {}

    const QString& Text() const { return text; }
    // Takes the plots of a piece's snapshot from before it that no earlier piece touched.
    void Touch(const TRecordSnapshot& before);
    // The plots touched, in the order of their first touch.
    const std::vector<QPoint>& Places() const { return places; }
    // The plots as they were before the stroke, in the order of Places.
    const std::vector<TRecordSnapshot::TPlotText>& Before() const { return before; }
    // Keeps only the plots whose text the stroke changed: `after` holds the plots of Places, in
    // their order. Returns the scope of what is left.
    TChangeScope KeepChanged(const TRecordSnapshot& after, TRecordSnapshot& changedBefore,
                             TRecordSnapshot& changedAfter) const;

private:
    static unsigned long long Key(int x, int y) {
        return (static_cast<unsigned long long>(static_cast<unsigned>(x)) << 32) | static_cast<unsigned>(y);
    }

    QString text;
    std::vector<QPoint> places;
    std::vector<TRecordSnapshot::TPlotText> before;
    std::unordered_set<unsigned long long> touched;
};
