#!/usr/bin/env python3
"""Writes samples/maps/Archipelago.Civ4WorldBuilderSave, the small map the editor opens by default.

Run from the repository's root: python3 tools/make_sample_map.py
The map is drawn from the ASCII picture below, so its output is the same on every run. It uses every
section of a WorldBuilder save: rules with options and victories, teams with relations, full and empty
players with civics and attitudes, rivers, features, bonuses, improvements, routes, units with
promotions, cities with religions, holy cities and culture, and reveal sets.
"""

import os

# One character a plot; the top row is the map's largest y.
#   ~ ocean  - coast  g grassland  p plains  d desert  t tundra  s snow
#   h grass hill  m mountain  f forest (on grass)  j jungle (on grass)  o oasis (on desert)
PICTURE = [
    "~~~~~~~~~~~~~~~~",
    "~~--sstt---~~~~~",
    "~-ttffgg--~~~~~~",
    "~-gfhgpg-~~~-~~~",
    "~-ggpmpg-~~-gg-~",
    "~~-ggpg-~~-djgg-",
    "~~~---~~~~-dohp-",
    "~~~~~~~~~~--ddg-",
    "~~~~~~~~~~~-----",
    "~~~~~~~~~~~~~~~~",
]

TERRAIN = {
    "~": ("TERRAIN_OCEAN", 3), "-": ("TERRAIN_COAST", 3), "g": ("TERRAIN_GRASS", 2),
    "p": ("TERRAIN_PLAINS", 2), "d": ("TERRAIN_DESERT", 2), "t": ("TERRAIN_TUNDRA", 2),
    "s": ("TERRAIN_SNOW", 2), "h": ("TERRAIN_GRASS", 1), "m": ("TERRAIN_PLAINS", 0),
    "f": ("TERRAIN_GRASS", 2), "j": ("TERRAIN_GRASS", 2), "o": ("TERRAIN_DESERT", 2),
}
FEATURE = {"f": ("FEATURE_FOREST", 1), "j": ("FEATURE_JUNGLE", 0), "o": ("FEATURE_OASIS", 0)}

WIDTH, HEIGHT = len(PICTURE[0]), len(PICTURE)

BONUS = {(3, 6): "BONUS_WHEAT", (6, 5): "BONUS_COW", (5, 4): "BONUS_GOLD", (12, 5): "BONUS_FISH",
         (13, 4): "BONUS_BANANA", (2, 2): "BONUS_IRON", (14, 2): "BONUS_CLAM", (11, 2): "BONUS_INCENSE"}
IMPROVEMENT = {(3, 6): "IMPROVEMENT_FARM", (6, 5): "IMPROVEMENT_PASTURE", (5, 4): "IMPROVEMENT_MINE"}
ROUTE = {(4, 5): "ROUTE_ROAD", (5, 5): "ROUTE_ROAD", (6, 5): "ROUTE_ROAD", (13, 3): "ROUTE_ROAD"}
# A river along the south edge of (2..4, 6) flowing east, then down the east edge of (4, 5..4).
RIVER_N_OF = {(2, 6): 1, (3, 6): 1, (4, 6): 1}
RIVER_W_OF = {(4, 5): 2, (4, 4): 2}
STARTS = {(4, 5), (13, 3)}


def plot_lines(x, y):
    kind = PICTURE[HEIGHT - 1 - y][x]
    terrain, plot_type = TERRAIN[kind]
    lines = ["BeginPlot", f"\tx={x},y={y}"]
    if (x, y) == (5, 4):
        lines.append("\tLandmark=MOUNT EMBER")
    if (x, y) in RIVER_W_OF:
        lines.append(f"\tRiverNSDirection={RIVER_W_OF[(x, y)]}")
    if (x, y) in RIVER_N_OF:
        lines.append("\tisNOfRiver")
        lines.append(f"\tRiverWEDirection={RIVER_N_OF[(x, y)]}")
    if (x, y) in RIVER_W_OF:
        lines.append("\tisWOfRiver")
    if (x, y) in STARTS:
        lines.append("\tStartingPlot")
    if (x, y) in BONUS:
        lines.append(f"\tBonusType={BONUS[(x, y)]}")
    if (x, y) in IMPROVEMENT:
        lines.append(f"\tImprovementType={IMPROVEMENT[(x, y)]}")
    if kind in FEATURE:
        feature, variety = FEATURE[kind]
        lines.append(f"\tFeatureType={feature}, FeatureVariety={variety}")
    if (x, y) in ROUTE:
        lines.append(f"\tRouteType={ROUTE[(x, y)]}")
    lines.append(f"\tTerrainType={terrain}")
    lines.append(f"\tPlotType={plot_type}")
    if (x, y) == (4, 5):
        lines += ["\tBeginUnit", "\t\tUnitType=UNIT_ARCHER, UnitOwner=0", "\t\tLevel=2, Experience=6",
                  "\t\tPromotionType=PROMOTION_CITY_GARRISON1", "\t\tPromotionType=PROMOTION_DRILL1",
                  "\t\tUnitAIType=UNITAI_CITY_DEFENSE", "\tEndUnit",
                  "\tBeginUnit", "\t\tUnitType=UNIT_WORKER, UnitOwner=0", "\t\tLevel=1, Experience=0",
                  "\t\tUnitAIType=UNITAI_WORKER", "\tEndUnit",
                  "\tBeginCity", "\t\tCityOwner=0", "\t\tCityName=Tessera", "\t\tCityPopulation=3",
                  "\t\tProductionBuilding=BUILDING_LIBRARY", "\t\tBuildingType=BUILDING_PALACE",
                  "\t\tBuildingType=BUILDING_MONUMENT", "\t\tReligionType=RELIGION_BUDDHISM",
                  "\t\tHolyCityReligionType=RELIGION_BUDDHISM", "\t\tReligionType=RELIGION_HINDUISM",
                  "\t\tPlayer0Culture=120", "\t\tPlayer1Culture=8", "\tEndCity"]
    if (x, y) == (13, 3):
        lines += ["\tBeginUnit", "\t\tUnitType=UNIT_WARRIOR, UnitOwner=1", "\t\tLevel=1, Experience=2",
                  "\t\tPromotionType=PROMOTION_COMBAT1", "\t\tUnitAIType=UNITAI_CITY_DEFENSE", "\tEndUnit",
                  "\tBeginCity", "\t\tCityOwner=1", "\t\tCityName=Coral Bay", "\t\tCityPopulation=2",
                  "\t\tProductionUnit=UNIT_WORK_BOAT", "\t\tBuildingType=BUILDING_PALACE",
                  "\t\tReligionType=RELIGION_BUDDHISM", "\t\tPlayer1Culture=60", "\tEndCity"]
    if (x, y) == (8, 7):
        lines += ["\tBeginUnit", "\t\tUnitType=UNIT_WORK_BOAT, UnitOwner=0", "\t\tLevel=1, Experience=0",
                  "\t\tUnitAIType=UNITAI_WORKER_SEA", "\tEndUnit"]
    reveal = []
    if x <= 9:
        reveal.append(0)
    if x >= 8 or y <= 3:
        reveal.append(1)
    if reveal:
        lines.append("\tTeamReveal=" + "".join(f"{t}," for t in reveal))
    lines.append("EndPlot")
    return lines


def main():
    lines = [
        "Version=11",
        "BeginGame",
        "\tEra=ERA_ANCIENT", "\tSpeed=GAMESPEED_NORMAL", "\tCalendar=CALENDAR_DEFAULT",
        "\tOption=GAMEOPTION_NO_BARBARIANS", "\tOption=GAMEOPTION_RAGING_BARBARIANS",
        "\tVictory=VICTORY_TIME", "\tVictory=VICTORY_CONQUEST", "\tVictory=VICTORY_SPACE_RACE",
        "\tGameTurn=0", "\tMaxTurns=300", "\tMaxCityElimination=0", "\tTargetScore=0", "\tStartYear=-4000",
        "\tDescription=TWO ISLANDS AND A STRAIT", "\tModPath=",
        "EndGame",
    ]
    teams = [
        ["\tTech=TECH_AGRICULTURE", "\tTech=TECH_MYSTICISM", "\tTech=TECH_POTTERY", "\tContactWithTeam=0",
         "\tContactWithTeam=1", "\tOpenBordersWithTeam=1", "\tRevealMap=0"],
        ["\tTech=TECH_FISHING", "\tTech=TECH_MEDITATION", "\tContactWithTeam=0", "\tContactWithTeam=1",
         "\tContactWithTeam=2", "\tAtWar=2", "\tOpenBordersWithTeam=0", "\tProjectType=PROJECT_MANHATTAN_PROJECT",
         "\tRevealMap=0"],
        ["\tContactWithTeam=1", "\tContactWithTeam=2", "\tAtWar=1", "\tPermanentWarPeace=1", "\tRevealMap=1"],
    ]
    for team in teams:
        lines += ["BeginTeam"] + team + ["EndTeam"]
    players = [
        ["\tTeam=0", "\tLeaderType=LEADER_ASOKA", "\tLeaderName=Asoka", "\tCivDesc=Indian Empire",
         "\tCivShortDesc=India", "\tCivAdjective=Indian", "\tFlagDecal=", "\tWhiteFlag=0",
         "\tCivType=CIVILIZATION_INDIA", "\tColor=PLAYERCOLOR_PURPLE", "\tArtStyle=ARTSTYLE_SOUTH_ASIA",
         "\tPlayableCiv=1", "\tMinorNationStatus=0", "\tStartingGold=25", "\tStartingX=4, StartingY=5",
         "\tStateReligion=RELIGION_BUDDHISM", "\tStartingEra=ERA_ANCIENT",
         "\tCivicOption=CIVICOPTION_GOVERNMENT, Civic=CIVIC_HEREDITARY_RULE",
         "\tCivicOption=CIVICOPTION_LEGAL, Civic=CIVIC_BARBARISM",
         "\tCivicOption=CIVICOPTION_LABOR, Civic=CIVIC_TRIBALISM",
         "\tCivicOption=CIVICOPTION_ECONOMY, Civic=CIVIC_DECENTRALIZATION",
         "\tCivicOption=CIVICOPTION_RELIGION, Civic=CIVIC_ORGANIZED_RELIGION",
         "\tAttitudePlayer=1, AttitudeExtra=2", "\tCityList=Tessera", "\tCityList=Mosaica",
         "\tHandicap=HANDICAP_NOBLE"],
        ["\tTeam=1", "\tLeaderType=LEADER_GILGAMESH", "\tLeaderName=Gilgamesh", "\tCivDesc=Sumerian Empire",
         "\tCivShortDesc=Sumeria", "\tCivAdjective=Sumerian", "\tFlagDecal=", "\tWhiteFlag=0",
         "\tCivType=CIVILIZATION_SUMERIA", "\tColor=PLAYERCOLOR_DARK_GREEN", "\tArtStyle=ARTSTYLE_MIDDLE_EAST",
         "\tPlayableCiv=1", "\tMinorNationStatus=0", "\tStartingGold=0", "\tStartingX=13, StartingY=3",
         "\tStateReligion=", "\tStartingEra=ERA_ANCIENT",
         "\tCivicOption=CIVICOPTION_GOVERNMENT, Civic=CIVIC_DESPOTISM",
         "\tCivicOption=CIVICOPTION_LEGAL, Civic=CIVIC_BARBARISM",
         "\tCivicOption=CIVICOPTION_LABOR, Civic=CIVIC_SLAVERY",
         "\tCivicOption=CIVICOPTION_ECONOMY, Civic=CIVIC_DECENTRALIZATION",
         "\tCivicOption=CIVICOPTION_RELIGION, Civic=CIVIC_PAGANISM",
         "\tAttitudePlayer=0, AttitudeExtra=-1", "\tCityList=Coral Bay", "\tHandicap=HANDICAP_PRINCE"],
        ["\tTeam=2", "\tLeaderType=NONE", "\tCivType=NONE", "\tColor=NONE", "\tArtStyle=NONE",
         "\tHandicap=HANDICAP_NOBLE"],
    ]
    for player in players:
        lines += ["BeginPlayer"] + player + ["EndPlayer"]
    lines += [
        "BeginMap",
        f"\tgrid width={WIDTH}", f"\tgrid height={HEIGHT}", "\ttop latitude=60", "\tbottom latitude=-60",
        "\twrap X=1", "\twrap Y=0", "\tworld size=WORLDSIZE_DUEL", "\tclimate=CLIMATE_TEMPERATE",
        "\tsealevel=SEALEVEL_MEDIUM", f"\tnum plots written={WIDTH * HEIGHT}",
        "EndMap",
        "",
        "### Plot Info ###",
    ]
    for x in range(WIDTH):
        for y in range(HEIGHT):
            lines += plot_lines(x, y)
    path = os.path.join("samples", "maps", "Archipelago.Civ4WorldBuilderSave")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as out:
        out.write("".join(line + "\r\n" for line in lines).encode("cp1252"))


if __name__ == "__main__":
    main()
