// Template of the output page, in dialog units of Arial 7 (5 x 11 pixels per 4 x 8 units at
// 96 dpi): the page area shows 998 x 474 units. The places come from the page's pixel layout
// (OutputLayout.h), which the artwork draws its captions by.
#include <array>

#include "pages/OutputDlgIds.h"
#include "pages/OutputLayout.h"
#include "pages/TemplatePx.h"
#include "res/WinStyles.h"

namespace {
using namespace OutputDlgIds;
using namespace OutputLayout;
using OutputDlgIds::kBandColumns;
using OutputDlgIds::kDelayFields;
using enum DlgClass;

constexpr std::size_t kItemCount = 196;

constexpr std::array<DlgItem, kItemCount> MakeItems()
{
    std::array<DlgItem, kItemCount> items{};
    std::size_t n = 0;
    auto add = [&](const DlgItem& item) { items[n++] = item; };

    // The graph, the whole-EQ commands and, in the graphic layout, the plate over the captions.
    add(Px(IDC_GRAPH, Static, kGraph));
    add(Px(IDC_ALL_BYPASS, Button, kAllBypass));
    add(Px(IDC_EQ_MODE, Button, kEqMode));
    add(Px(IDC_RESET_EQ, Button, kResetEq));
    add(Px(IDC_GEQ_LABEL, Button, kGeqLabel, "", WS_DISABLED));
    add(Px(IDC_LINK_ICON, Static, kLinkPicture, "", SS_BITMAP, IDB_LINK));

    // Band columns in the parametric layout; each field's spin is hidden beside it.
    for (int k = 0; k < kBandColumns; ++k) {
        add(Px(IDC_BAND_NO + k, Static, BandNumber(k)));
        add(Px(IDC_FREQ_EDIT + k, Edit, FreqField(k)));
        add(Px(IDC_FREQ_SPIN + k, Static, SpinBeside(FreqField(k)), "", UDS_ARROWKEYS));
        add(Px(IDC_WIDTH_EDIT + k, Edit, WidthField(k)));
        add(Px(IDC_WIDTH_SPIN + k, Static, SpinBeside(WidthField(k)), "", UDS_ARROWKEYS));
        add(Px(IDC_GAIN_SLIDER + k, Static, GainFader(k, false)));
        add(Px(IDC_GAIN_EDIT + k, Edit, GainField(k, false)));
        add(Px(IDC_GAIN_SPIN + k, Static, SpinBeside(GainField(k, false)), "", UDS_ARROWKEYS));
        add(Px(IDC_BYPASS + k, Button, BypassButton(k)));
    }
    add(Px(IDC_BAND1_PEQ, Button, TypeButton(0, false)));
    add(Px(IDC_LOW_SHELF, Button, TypeButton(0, true)));
    add(Px(IDC_BAND10_PEQ, Button, TypeButton(9, false)));
    add(Px(IDC_HIGH_SHELF, Button, TypeButton(9, true)));
    add(Px(IDC_LOW_SHELF_SLOPE, Button, ShelfSlopeList(0)));
    add(Px(IDC_HIGH_SHELF_SLOPE, Button, ShelfSlopeList(9)));

    // Crossover.
    for (const bool bLpf : {false, true}) {
        add(Px(bLpf ? IDC_LPF_FREQ : IDC_HPF_FREQ, Edit, XoverFreqField(bLpf)));
        add(Px(bLpf ? IDC_LPF_SPIN : IDC_HPF_SPIN, Static, SpinBeside(XoverFreqField(bLpf)), "", UDS_ARROWKEYS));
        add(Px(bLpf ? IDC_LPF_ALIGN : IDC_HPF_ALIGN, Button, XoverAlignList(bLpf)));
        add(Px(bLpf ? IDC_LPF_SLOPE : IDC_HPF_SLOPE, Button, XoverSlopeList(bLpf)));
    }

    // Polarity of the shown output: the button and its two pictures in one place.
    add(Px(IDC_POLARITY, Button, kPolarity));
    add(Px(IDC_POLARITY_NORMAL, Static, kPolarityPicture, "", SS_BITMAP, IDB_POLARITY_NORMAL));
    add(Px(IDC_POLARITY_INVERTED, Static, kPolarityPicture, "", SS_BITMAP, IDB_POLARITY_INVERTED));

    // Master block, input indicator, level page and the output map commands.
    add(Px(IDC_MASTER_ON, Button, kMasterOn));
    add(Px(IDC_MASTER_SLIDER, Static, kMasterFader));
    add(Px(IDC_MASTER_EDIT, Edit, kMasterField));
    add(Px(IDC_MASTER_SPIN, Static, SpinBeside(kMasterField), "", UDS_ARROWKEYS));
    add(Px(IDC_INPUT_SHOW, Button, kInputShow, "", WS_DISABLED));
    add(Px(IDC_LEVEL_PAGE, Button, kLevelPage));
    add(Px(IDC_LOCK_MAP, Button, kMapLock));
    add(Px(IDC_LINK_LR, Button, kMapLinkLR));
    add(Px(IDC_LOAD_MAP, Button, kMapLoad));
    add(Px(IDC_SAVE_MAP, Button, kMapSave));
    add(Px(IDC_RESET_MAP, Button, kMapReset));

    // The car plan.
    for (int i = 0; i < kPositions; ++i)
        add(Px(IDC_POSITION + i, Button, kPositionRects[i]));
    for (int i = 0; i < kDelayFields; ++i) {
        add(Px(IDC_DELAY_EDIT + i, Edit, kDelayFieldRects[i]));
        add(Px(IDC_DELAY_SPIN + i, Static, SpinBeside(kDelayFieldRects[i]), "", UDS_ARROWKEYS));
    }
    for (int i = 0; i < kGroupLinks; ++i)
        add(Px(IDC_GROUP_LINK + i, Button, kToggleRects[i]));
    add(Px(IDC_UNIT_MS, Button, UnitButton(0), "ms"));
    add(Px(IDC_UNIT_CM, Button, UnitButton(1), "cm"));
    add(Px(IDC_UNIT_INCH, Button, UnitButton(2), "inch"));
    for (int i = 0; i < kLinkMarkers; ++i)
        add(Px(IDC_LINK_MARKER + i, Static, LinkMarker(i), "", SS_BITMAP, IDB_LINK));

    if (n != kItemCount)
        throw "the item count is wrong";
    return items;
}

constexpr auto kItems = MakeItems();
}  // namespace

constexpr DlgTemplate g_tplOutputDlg{IDD_OUTPUT, 1263, 641, "", "Arial", 7, kItems};
