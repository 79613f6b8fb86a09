// Template of the music input page, in dialog units of Arial 7 (5 x 11 pixels per 4 x 8 units
// at 96 dpi): the page area shows 998 x 474 units. The rows are written from the page's pixel
// plan (X, Y) so that they line up with the panels and labels of its background
// (res/InputSkins.cpp, InputPageLayout.h).
#include <array>

#include "pages/InPutDlgIds.h"
#include "pages/InputPageLayout.h"
#include "res/DialogTemplate.h"
#include "res/WinStyles.h"

namespace {
using namespace InPutDlgIds;
using namespace InputPageLayout;
using enum DlgClass;

// Pixels of the plan to dialog units, rounded.
constexpr int X(int px)
{
    return (px * 4 + 2) / 5;
}
constexpr int Y(int px)
{
    return (px * 8 + 5) / 11;
}

constexpr int kColumnItems = 9;
constexpr int kItemCount = 18 + kColumnItems * kBands;

constexpr std::array<DlgItem, kItemCount> MakeItems()
{
    std::array<DlgItem, kItemCount> items{};
    int n = 0;
    auto add = [&](int nId, DlgClass cls, int x, int y, int cx, int cy, unsigned nStyle = 0) {
        items[n++] = DlgItem{nId, cls, X(x), Y(y), X(cx), Y(cy), "", nStyle};
    };
    add(IDC_CURVE, Static, kGraph.x, kGraph.y, kGraph.cx, kGraph.cy);
    add(IDC_GAIN_ROW, Button, kGainRowLabel.x, kGainRowLabel.y, kGainRowLabel.cx, kGainRowLabel.cy, WS_DISABLED);
    for (int k = 0; k < kBands; ++k) {
        const int x = ColumnX(k);
        add(IDC_BAND_LABEL + k, Static, x + kEditDx, kLabelRowY, kEditW, kRowH, SS_CENTER);
        add(IDC_FREQ_EDIT + k, Edit, x + kEditDx, kFreqRowY, kEditW, kRowH, ES_CENTER);
        add(IDC_FREQ_SPIN + k, Static, x + kEditDx, kFreqRowY, 4, kRowH, UDS_ARROWKEYS);
        add(IDC_Q_EDIT + k, Edit, x + kEditDx, kQRowY, kEditW, kRowH, ES_CENTER);
        add(IDC_Q_SPIN + k, Static, x + kEditDx, kQRowY, 4, kRowH, UDS_ARROWKEYS);
        add(IDC_GAIN_EDIT + k, Edit, x + kEditDx, kGainRowY, kEditW, kRowH, ES_CENTER);
        add(IDC_GAIN_SPIN + k, Static, x + kEditDx, kGainRowY, 4, kRowH, UDS_ARROWKEYS);
        add(IDC_FADER + k, Static, x + FaderDx(k), kFaderY, FaderWidth(k), kFaderPeqH);
        add(IDC_BAND_WORK + k, Button, x + kLampDx, kLampRowY, SharedFaceIds::kLampW, SharedFaceIds::kLampH);
    }
    for (int i = 0; i < MUSIC_INPUTS; ++i)
        add(IDC_INPUT + i, Button, InputSlot(i).x, InputSlot(i).y, InputSlot(i).cx, InputSlot(i).cy);
    add(IDC_MIXER, Button, kMixer.x, kMixer.y, kMixer.cx, kMixer.cy);
    add(IDC_ONE_WAY, Button, kOneWay.x, kOneWay.y, kModeButtonW, kModeButtonH);
    add(IDC_TWO_WAY, Button, kOneWay.x + kModeButtonW + kModeButtonGap, kOneWay.y, kModeButtonW, kModeButtonH);
    for (int i = 0; i < 3; ++i)
        add(IDC_AUX_MODE + i, Button, kAuxMode.x + i * (kModeButtonW + kModeButtonGap), kAuxMode.y, kModeButtonW,
            kModeButtonH);
    add(IDC_SEL_INPUT, Button, kSelInput.x, kSelInput.y, kSelInput.cx, kSelInput.cy, WS_DISABLED);
    const int nEqIds[3] = {IDC_EQ_MODE, IDC_BYPASS_ALL, IDC_RESET_EQ};
    for (int i = 0; i < 3; ++i)
        add(nEqIds[i], Button, kEqCommands.x, kEqCommands.y + i * kEqCommandPitch, kEqCommands.cx, kEqCommands.cy);
    return items;
}

constexpr auto kItems = MakeItems();
}  // namespace

constexpr DlgTemplate g_tplInPutDlg{IDD_INPUT, 1024, 431, "", "Arial", 7, kItems};
