#pragma once
// Faces of the level and delay page: its ground with the car plan, faders, buttons, role names
// and the PNG faces of the positions and link buttons. The delay fields' knob (800-803) is the
// output page's (res/OutputPlanSkins.cpp).

// Adds the page's bitmap faces to the catalog (res/SkinCatalog.cpp).
void RegisterLevelSkins();
// Adds the page's PNG faces to their catalog.
void RegisterLevelPngImages();
