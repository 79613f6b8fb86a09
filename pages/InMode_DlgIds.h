#pragma once
// Ids of the input selector strip inside the music input page: its template, the connector
// buttons and their images (res/InputSkins.cpp draws them), shared by the template's rows
// (InMode_DlgTemplate.cpp) and the strip's code.
struct DlgTemplate;

namespace InMode_DlgIds {
enum : int {
    IDD_INMODE = 653,

    // Connector buttons.
    IDC_HILEVEL = 2704,
    IDC_SPDIF = 2705,
    IDC_AUX_PAIR = 2706,  // AUX1-AUX3 pairs: 2706-2708
    IDC_AUX_4CH = 2710,
    IDC_AUX_2CH = 2711,
    IDC_AUX_5ALT = 2712,
    IDC_AUX_6CH = 2713,
    IDC_AUX_4ALT = 2714,
    IDC_PHONE = 2715,

    // The panel picture, and each connector's images: normal, hover, pressed (also checked).
    IDP_PANEL = 654,
    IDP_AUX_PAIR = 655,   // + 3 x pair
    IDP_AUX_4CH = 667,
    IDP_AUX_6CH = 670,
    IDP_SPDIF = 673,
    IDP_HILEVEL = 676,
    IDP_PHONE = 688,
    IDP_AUX_2CH = 700,
    IDP_AUX_5ALT = 703,
    IDP_AUX_4ALT = 710,
    // Chinese sets.
    IDP_AUX_PAIR_CN = 4430,  // + 3 x pair
    IDP_AUX_4CH_CN = 4439,
    IDP_AUX_2CH_CN = 4442,
    IDP_AUX_6CH_CN = 4445,
    IDP_SPDIF_CN = 4448,
    IDP_HILEVEL_CN = 4451,
    IDP_PHONE_CN = 4454,
};
}  // namespace InMode_DlgIds

// The strip's plan in pixels: the panel picture, and each connector's place and width (all are
// kConnectorH high), in the order of InputConnector (pages/InputPageRules.h).
namespace InModeLayout {
constexpr int kPanelW = 751;
constexpr int kPanelH = 150;
constexpr int kConnectorY = 34;
constexpr int kConnectorH = 106;
struct Place {
    int x, cx;
};
constexpr Place kPlaces[] = {
    {14, 124},   // Hi.Level
    {148, 84},   // S/PDIF
    {242, 84},   // Phone
    {350, 120},  // AUX pairs 1-3
    {480, 120},
    {610, 120},
    {350, 250},  // four-jack group
    {610, 120},  // the pair of the four-jack mode
    {350, 380},  // six-jack group
    {480, 120},  // the spare pairs
    {610, 120},
};
}  // namespace InModeLayout

extern const DlgTemplate g_tplInMode_Dlg;
