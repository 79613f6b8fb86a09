#pragma once
// Faces of the advanced settings dialog (its grounds, buttons, EQ display toggle and source
// button) and the ground of the dynamics dialog.

#include "res/Skins.h"

// Their tables (res/SkinCatalog.cpp).
void AdvSkinTables(const SkinTableSink& take);
