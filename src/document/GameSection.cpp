#include "document/GameSection.h"

#include "document/FieldTable.h"

struct TGameSection::TFields : TFieldDefaults<TGameSection> {
    static constexpr std::string_view Begin = "BeginGame", End = "EndGame";
    static constexpr bool KeepsInsideOnly = true;
    static constexpr std::array List = {
        F::TypeName("Era=", &TGameSection::era, "ERA_ANCIENT"),
        F::TypeName("Speed=", &TGameSection::speed, "GAMESPEED_EPIC"),
        F::TypeName("Calendar=", &TGameSection::calendar, "CALENDAR_DEFAULT"),
        F::TypeList("Option=", &TGameSection::options),
        F::TypeList("MPOption=", &TGameSection::mpOptions),
        F::TypeList("ForceControl=", &TGameSection::forceControls),
        F::TypeList("Victory=", &TGameSection::victories),
        F::Number("GameTurn=", &TGameSection::gameTurn, 0).EmptyKeeps(),
        F::Number("MaxTurns=", &TGameSection::maxTurns, 0).EmptyKeeps(),
        F::Number("MaxCityElimination=", &TGameSection::maxCityElimination, 0).EmptyKeeps(),
        F::Number("TargetScore=", &TGameSection::targetScore, 0).EmptyKeeps(),
        F::Number("StartYear=", &TGameSection::startYear, -4000).EmptyKeeps(),
        F::Text("Description=", &TGameSection::description),
        F::Text("ModPath=", &TGameSection::modPath)};
};

template class TFieldRecord<TGameSection>;
