#pragma once
// Faces that more than one page shows under one id (pages/SharedFaceIds.h): the whole-EQ
// commands, the band work lamps, the gain row plate and the input select buttons.

#include "res/Skins.h"

// The table of the shared faces (res/SkinCatalog.cpp).
void SharedSkinTables(const SkinTableSink& take);
