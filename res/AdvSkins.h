#pragma once
// Faces of the advanced settings dialog (its grounds, buttons, EQ display toggle and source
// button) and the ground of the dynamics dialog.

// Adds them to the catalog (res/SkinCatalog.cpp).
void RegisterAdvSkins();
