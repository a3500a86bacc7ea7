#include "edit/PlotStroke.h"

void TPlotStroke::Touch(const TRecordSnapshot& snapshot) {
    for (const TRecordSnapshot::TPlotText& plot : snapshot.Plots()) {
        if (!touched.insert(Key(plot.x, plot.y)).second)
            continue;
        places.emplace_back(plot.x, plot.y);
        before.push_back(plot);
    }
}

TChangeScope TPlotStroke::KeepChanged(const TRecordSnapshot& after, TRecordSnapshot& changedBefore,
                                      TRecordSnapshot& changedAfter) const {
    std::vector<QPoint> changedPlaces;
    std::vector<TRecordSnapshot::TPlotText> keptBefore, keptAfter;
    const std::vector<TRecordSnapshot::TPlotText>& now = after.Plots();
    for (std::size_t i = 0; i < before.size() && i < now.size(); ++i) {
        if (before[i] == now[i])
            continue;
        changedPlaces.push_back(places[i]);
        keptBefore.push_back(before[i]);
        keptAfter.push_back(now[i]);
    }
    changedBefore = TRecordSnapshot::OfPlotTexts(std::move(keptBefore));
    changedAfter = TRecordSnapshot::OfPlotTexts(std::move(keptAfter));
    return TChangeScope::PlotList(std::move(changedPlaces));
}
