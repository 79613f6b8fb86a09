#pragma once
// The main view's faces and its geometry at 96 dpi: a top bar of skinned controls above the page
// area, which holds one whole page (the page backgrounds are kPageWidth x kPageHeight).
#include <wx/gdicmn.h>

#include "res/Skins.h"

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

// The view's faces.
enum : int {
    IDB_APP_ICON = 273,
    IDB_VIEW_BACK = 285,
    IDB_LOGO_EN = 756,
    IDB_LOGO_CN = 757,
    // Page selectors: normal, hover, checked.
    IDB_PAGE_OUTPUT_EN = 4300,
    IDB_PAGE_INPUT_EN = 4303,
    IDB_PAGE_LEVEL_EN = 4306,
    IDB_PAGE_OUTPUT_CN = 4310,
    IDB_PAGE_INPUT_CN = 4313,
    IDB_PAGE_LEVEL_CN = 4316,
    // Pop-up buttons: normal, and every other state.
    IDB_PRESET_MENU_CN = 8701,
    IDB_PRESET_MENU_HOVER_CN = 8710,
    IDB_TOOLS_MENU_CN = 8702,
    IDB_TOOLS_MENU_HOVER_CN = 8711,
    IDB_PRESET_MENU_EN = 8720,
    IDB_PRESET_MENU_HOVER_EN = 8730,
    IDB_TOOLS_MENU_EN = 8721,
    IDB_TOOLS_MENU_HOVER_EN = 8731,
    // Connect button: "Connect" while not connected, "Disconnect" while connected.
    IDB_CONNECT_CN = 8751,
    IDB_CONNECT_HOVER_CN = 8740,
    IDB_CONNECTED_CN = 8741,
    IDB_CONNECTED_HOVER_CN = 8750,
    IDB_CONNECT_EN = 8753,
    IDB_CONNECT_HOVER_EN = 8742,
    IDB_CONNECTED_EN = 8743,
    IDB_CONNECTED_HOVER_EN = 8752,
    // Preset name: disabled faces, unchecked and checked.
    IDB_PRESET_NAME = 718,
    IDB_PRESET_NAME_CHECKED = 716,
    // Minimise and close: normal, hover.
    IDB_MINIMIZE = 4946,
    IDB_CLOSE = 4948,
};

// Faces the program draws for the top bar's controls that have none of their own ids: the mode
// buttons "1" to "4" (a set of six per mode: normal, hover and pressed, then the current mode's
// face in the same three states) and the "System" button (normal, hover, pressed).
constexpr int kModeFaceBase = 8760;
constexpr int kModeFacesPerMode = 6;
constexpr int kSystemFaceBase = 8790;

// The tables of the main view's faces (res/SkinCatalog.cpp).
void ViewSkinTables(const SkinTableSink& take);
