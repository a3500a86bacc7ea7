#pragma once

// The game rules catalogue: the XML information file scanner, the value catalogue with its key
// table, and the search for the game's folder.

#include "CodePage.h"
#include "GameFolder.h"
#include "GamePath.h"
#include "MapDataReader.h"
#include "MapXMLReader.h"
