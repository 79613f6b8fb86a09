#pragma once
// Faces of the output page: the page (OutputSkins.cpp), its strips (OutputStripSkins.cpp) and the
// car plan (OutputPlanSkins.cpp, with the plan's images of the speaker positions and links).

#include "res/PngImages.h"
#include "res/Skins.h"

// The tables of the output page's faces (res/SkinCatalog.cpp).
void OutputSkinTables(const SkinTableSink& take);
void OutputStripSkinTables(const SkinTableSink& take);
void OutputPlanSkinTables(const SkinTableSink& take);
// The tables of the car plan's images (res/SkinCatalog.cpp).
void OutputPngTables(const PngTableSink& take);
