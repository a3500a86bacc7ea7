#!/bin/sh
# Runs one case of `tessel --validate`: the exit status must be the expected one (0 all known, 1
# findings, 2 map or game files unreadable); a check prints exactly the expected lines, a failure
# prints nothing on stdout and names its cause on stderr.
# Usage: validate_command.sh TESSEL CASE SAMPLES REALDATA
tessel=$1
case_name=$2
samples=$3
realdata=$4
work=$(mktemp -d) || exit 2
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/command_checks.sh"

# A map of 2 x 1 plots; $1 holds the lines of the plot at (1, 0).
small_map() {
    printf 'Version=11\nBeginGame\n\tEra=ERA_ANCIENT\n\tOption=GAMEOPTION_NO_BARBARIANS\nEndGame\n'
    printf 'BeginTeam\n\tTech=TECH_MYSTICISM\n\tAtWar=%s\nEndTeam\n' "$2"
    printf 'BeginPlayer\n\tTeam=0\n\tLeaderType=LEADER_ASOKA\n\tLeaderName=Ashoka the Great\n'
    printf '\tCivType=%s\n\tColor=NONE\nEndPlayer\n' "$3"
    printf 'BeginMap\n\tgrid width=2\n\tgrid height=1\n\tclimate=CLIMATE_TEMPERATE\nEndMap\n'
    printf 'BeginPlot\n\tx=0,y=0\n\tTerrainType=TERRAIN_OCEAN\n\tPlotType=3\nEndPlot\n'
    printf 'BeginPlot\n\tx=1,y=0\n%bEndPlot\n' "$1"
}

# The sample game with Beyond the Sword beside it, whose units add an airship, and its mod Next War,
# whose terrains add a wasteland; the map names both, and its ModPath names the mod as $1 says.
layered_game() {
    cp -r "$game" "$work/civ"
    units="$work/civ/Beyond the Sword/Assets/XML/Units"
    mkdir -p "$units" "$work/civ/Beyond the Sword/Mods/Next War/Assets/XML/Terrain"
    sed 's|<Type>UNIT_WARRIOR</Type>|&\n<Type>UNIT_AIRSHIP</Type>|' "$game/Assets/XML/Units/CIV4UnitInfos.xml" \
        >"$units/CIV4UnitInfos.xml"
    sed 's|<Type>TERRAIN_GRASS</Type>|&\n<Type>TERRAIN_WASTELAND</Type>|' "$game/Assets/XML/Terrain/CIV4TerrainInfos.xml" \
        >"$work/civ/Beyond the Sword/Mods/Next War/Assets/XML/Terrain/CIV4TerrainInfos.xml"
    small_map '\tTerrainType=TERRAIN_WASTELAND\n\tPlotType=2\n\tBeginUnit\n\t\tUnitType=UNIT_AIRSHIP, UnitOwner=0\n\tEndUnit\n' \
        1 CIVILIZATION_INDIA | {
        IFS= read -r version
        IFS= read -r game_marker
        printf '%s\n%s\n\tModPath=%s\n' "$version" "$game_marker" "$1"
        cat
    } >"$work/map.CivBeyondSwordWBSave"
}

game=$samples/game
status_wanted=2
case $case_name in
expansion_and_mod | mod_folder_named)
    if [ "$case_name" = expansion_and_mod ]; then
        layered_game 'mods/Next War'
        set -- --validate "$work/map.CivBeyondSwordWBSave" --game-dir "$work/civ"
    else
        # The mod's folder leads up to the game and names the mod the map does not.
        layered_game ''
        set -- --validate "$work/map.CivBeyondSwordWBSave" --game-dir "$work/civ/Beyond the Sword/Mods/Next War/"
    fi
    status_wanted=0
    printf '%s\n' 'Checked 2 plots, 1 unit, 0 cities, 1 team and 1 player: 0 unknown values, 0 numbers out of range' >"$work/expected" ;;
missing_mod)
    # Checked against what exists, said once on stderr; the status is the findings' alone.
    layered_game 'Mods\Star Wars\'
    set -- --validate "$work/map.CivBeyondSwordWBSave" --game-dir "$work/civ"
    status_wanted=1
    printf '%s\n' 'plot (1, 0): TerrainType=TERRAIN_WASTELAND' \
        'Checked 2 plots, 1 unit, 0 cities, 1 team and 1 player: 1 unknown value, 0 numbers out of range' >"$work/expected"
    printf '%s\n' 'tessel: ModPath names Mods\Star Wars\, which is not in the game folder: checked against Beyond the Sword' \
        >"$work/expected_err" ;;
edition_overridden)
    layered_game 'Mods\Next War\'
    set -- --validate "$work/map.CivBeyondSwordWBSave" --game-dir "$work/civ" --edition base --mod ""
    status_wanted=1
    printf '%s\n' 'plot (1, 0): TerrainType=TERRAIN_WASTELAND' 'unit 0 on plot (1, 0): UnitType=UNIT_AIRSHIP' \
        'Checked 2 plots, 1 unit, 0 cities, 1 team and 1 player: 2 unknown values, 0 numbers out of range' >"$work/expected" ;;
all_known)
    small_map '\tTerrainType=terrain_grass\n\tPlotType=2\n\tBeginUnit\n\t\tUnitType=UNIT_WARRIOR, UnitOwner=18\n\tEndUnit\n' \
        1 CIVILIZATION_INDIA >"$work/map.Civ4WorldBuilderSave"
    set -- --validate "$work/map.Civ4WorldBuilderSave" --game-dir "$game"
    status_wanted=0
    printf '%s\n' 'Checked 2 plots, 1 unit, 0 cities, 1 team and 1 player: 0 unknown values, 0 numbers out of range' \
        >"$work/expected" ;;
typos)
    small_map '\tTerrainType=TERRAIN_GRASS\n\tFeatureType=FEATURE_FORESTT\n\tPlotType=2\n\tBeginUnit\n\t\tUnitType=UNIT_WARRIOR, UnitOwner=25\n\t\tPromotionType=PROMOTION_X\n\tEndUnit\n\tBeginCity\n\t\tCityOwner=0\n\t\tBuildingType=BUILDING_X\n\tEndCity\n' \
        25 CIVILIZATION_ATLANTIS >"$work/map.Civ4WorldBuilderSave"
    set -- --game-dir "$game" --validate "$work/map.Civ4WorldBuilderSave"
    status_wanted=1
    cat >"$work/expected" <<'LINES'
team 0: AtWar=25
player 0: CivType=CIVILIZATION_ATLANTIS
plot (1, 0): FeatureType=FEATURE_FORESTT
unit 0 on plot (1, 0): UnitOwner=25
unit 0 on plot (1, 0): PromotionType=PROMOTION_X
city on plot (1, 0): BuildingType=BUILDING_X
Checked 2 plots, 1 unit, 1 city, 1 team and 1 player: 4 unknown values, 2 numbers out of range
LINES
    ;;
sample_map)
    # The bundled sample names a few types of the expansions, which the sample game does not list.
    set -- --validate "$samples/maps/Archipelago.Civ4WorldBuilderSave" --game-dir "$game"
    status_wanted=1
    cat >"$work/expected" <<'LINES'
player 0: ArtStyle=ARTSTYLE_SOUTH_ASIA
player 1: LeaderType=LEADER_GILGAMESH
player 1: CivType=CIVILIZATION_SUMERIA
city on plot (4, 5): BuildingType=BUILDING_MONUMENT
unit 0 on plot (8, 7): UnitType=UNIT_WORK_BOAT
city on plot (13, 3): ProductionUnit=UNIT_WORK_BOAT
Checked 160 plots, 4 units, 2 cities, 3 teams and 3 players: 6 unknown values, 0 numbers out of range
LINES
    ;;
real_map)
    if [ ! -d "$realdata/maps" ] || [ ! -d "$realdata/game" ]; then
        echo "no real data at $realdata"; exit 77
    fi
    set -- --validate "$realdata/maps/Crusades.Civ4WorldBuilderSave" --game-dir "$realdata/game"
    status_wanted=1
    cat >"$work/expected" <<'LINES'
player 1: LeaderType=LEADER_GUY
player 1: CivType=CIVILIZATION_FRANKS
player 2: LeaderType=LEADER_RICHARD
plot (10, 11): ImprovementType=IMPROVEMENT_OUTSKIRTS_OF_JERUSALEM
plot (10, 12): ImprovementType=IMPROVEMENT_OUTSKIRTS_OF_JERUSALEM
plot (10, 13): ImprovementType=IMPROVEMENT_OUTSKIRTS_OF_JERUSALEM
plot (11, 11): ImprovementType=IMPROVEMENT_OUTSKIRTS_OF_JERUSALEM
city on plot (11, 12): BuildingType=BUILDING_OURSKIRT_OF_JERUSALEM
city on plot (11, 12): BuildingType=BUILDING_DOME_OF_THE_ROCK
plot (11, 13): ImprovementType=IMPROVEMENT_OUTSKIRTS_OF_JERUSALEM
plot (12, 11): ImprovementType=IMPROVEMENT_OUTSKIRTS_OF_JERUSALEM
plot (12, 12): ImprovementType=IMPROVEMENT_OUTSKIRTS_OF_JERUSALEM
plot (12, 13): ImprovementType=IMPROVEMENT_OUTSKIRTS_OF_JERUSALEM
Checked 576 plots, 67 units, 22 cities, 18 teams and 18 players: 13 unknown values, 0 numbers out of range
LINES
    # The map was made for a mod that the base game's files do not hold.
    printf '%s\n' 'tessel: ModPath names Mods/Crusades, which is not in the game folder: checked against the base game' \
        >"$work/expected_err" ;;
missing_map)
    set -- --validate "$work/no-such.Civ4WorldBuilderSave" --game-dir "$game"
    expected='Fail to open file!' ;;
broken_map)
    printf 'Version=11\nBeginPlot\nBeginGame\n' >"$work/broken.Civ4WorldBuilderSave"
    set -- --validate "$work/broken.Civ4WorldBuilderSave" --game-dir "$game"
    expected='Map file structure error!' ;;
missing_game_folder)
    set -- --validate "$samples/maps/Archipelago.Civ4WorldBuilderSave" --game-dir "$work/no-game"
    expected="$work/no-game" ;;
missing_game_file)
    # A game folder that lacks the feature file.
    cp -R "$game" "$work/game"
    rm "$work/game/Assets/XML/Terrain/CIV4FeatureInfos.xml"
    set -- --validate "$samples/maps/Archipelago.Civ4WorldBuilderSave" --game-dir "$work/game"
    expected='CIV4FeatureInfos.xml' ;;
no_game_found)
    # No --game-dir, and a home folder without Wine or Steam.
    export HOME="$work"
    unset WINEPREFIX
    set -- --validate "$samples/maps/Archipelago.Civ4WorldBuilderSave"
    expected='--game-dir' ;;
no_file)
    set -- --validate --game-dir "$game"
    expected='tessel --validate FILE' ;;
*)
    echo "unknown case $case_name" >&2
    exit 2 ;;
esac

run_expecting_status "$status_wanted" "$@"
if [ "$status_wanted" -ne 2 ]; then
    [ -f "$work/expected_err" ] || : >"$work/expected_err"
    if ! cmp -s "$work/out" "$work/expected" || ! cmp -s "$work/err" "$work/expected_err"; then
        echo "expected exactly:" >&2
        cat "$work/expected" >&2
        echo "got:" >&2
        cat "$work/out" "$work/err" >&2
        exit 1
    fi
    cat "$work/out"
    exit 0
fi
expect_named_failure "$expected"
