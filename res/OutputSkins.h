#pragma once
// Faces of the output page: the master block so far.

// Adds the output page's faces to the catalog (res/SkinCatalog.cpp).
void RegisterOutputSkins();
