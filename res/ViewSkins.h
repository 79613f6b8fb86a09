#pragma once
// The main view's faces and its geometry at 96 dpi: a top bar of skinned controls above the page
// area, which holds one whole page (the page backgrounds are kPageWidth x kPageHeight).
#include <wx/gdicmn.h>

constexpr int kPageWidth = 1248;
constexpr int kPageHeight = 652;
constexpr int kTopBarHeight = 80;
constexpr int kViewWidth = kPageWidth;
constexpr int kViewHeight = kTopBarHeight + kPageHeight;

// The page area of the view, in its client coordinates.
inline wxRect PageArea()
{
    return {0, kTopBarHeight, kPageWidth, kPageHeight};
}

// Faces the program draws for the top bar's controls that have none of their own ids: the mode
// buttons "1" to "4" (a set of six per mode: normal, hover and pressed, then the current mode's
// face in the same three states) and the "System" button (normal, hover, pressed).
constexpr int kModeFaceBase = 8760;
constexpr int kModeFacesPerMode = 6;
constexpr int kSystemFaceBase = 8790;

// Adds the faces of the main view and the page grounds to the catalog (res/SkinCatalog.cpp).
void RegisterViewSkins();
