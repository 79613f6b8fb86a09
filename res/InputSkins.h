#pragma once
// Faces of the music input page and its connector strip: the page's ground with its panels and
// labels, the band faders, lamps and buttons, the selected-input picture, and the strip's panel
// and connector images.

// Adds the music input page's faces to the catalog (res/SkinCatalog.cpp).
void RegisterInputSkins();
// Adds the strip's images with transparency (res/PngImages.h).
void RegisterInputPngImages();
