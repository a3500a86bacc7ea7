#pragma once

// The game rules catalogue: the XML information file scanner, the value catalogue with its key
// table, the check of a map against the game's rules, and the search for the game's folder.

#include "catalogue/CodePage.h"
#include "catalogue/GameFolder.h"
#include "catalogue/GamePath.h"
#include "catalogue/MapValidator.h"
#include "catalogue/MapXMLReader.h"
#include "catalogue/ValueCatalogue.h"
