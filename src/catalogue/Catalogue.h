#pragma once

// The game rules catalogue: the XML information file scanner, the value catalogue with its key
// table, the check of a map against the game's rules, and the search for the game's folder.

#include "CodePage.h"
#include "GameFolder.h"
#include "GamePath.h"
#include "MapValidator.h"
#include "MapXMLReader.h"
#include "ValueCatalogue.h"
