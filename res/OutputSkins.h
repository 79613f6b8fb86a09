#pragma once
// Faces of the output page: the page (OutputSkins.cpp), its strips (OutputStripSkins.cpp) and the
// car plan (OutputPlanSkins.cpp, with the plan's images of the speaker positions and links).

// Adds the output page's faces to the catalog (res/SkinCatalog.cpp).
void RegisterOutputSkins();
void RegisterOutputStripSkins();
void RegisterOutputPlanSkins();
// Adds the car plan's images to the PNG catalog (res/SkinCatalog.cpp).
void RegisterOutputPngImages();
