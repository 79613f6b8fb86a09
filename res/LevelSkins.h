#pragma once
// Faces of the level and delay page: its ground with the car plan, faders, buttons, role names
// and the PNG faces of the positions and link buttons. Faces the page shares are drawn once, by
// their first owner: the master fader and the switches by the output page, the outputs' fader and
// polarity by its strips, the delay fields' knob by its car plan.

#include "res/PngImages.h"
#include "res/Skins.h"

// The tables of the page's bitmap faces (res/SkinCatalog.cpp).
void LevelSkinTables(const SkinTableSink& take);
// The tables of the page's PNG faces.
void LevelPngTables(const PngTableSink& take);
