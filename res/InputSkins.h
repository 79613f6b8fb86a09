#pragma once
// Faces of the music input page and its connector strip: the page's ground with its panels and
// labels, the band faders, the mode and mixer buttons, the selected-input picture, and the strip's
// panel and connector images.

#include "res/PngImages.h"
#include "res/Skins.h"

// The tables of the music input page's faces (res/SkinCatalog.cpp).
void InputSkinTables(const SkinTableSink& take);
// The tables of the strip's images with transparency (res/PngImages.h).
void InputPngTables(const PngTableSink& take);
