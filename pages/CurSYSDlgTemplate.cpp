// Template of the dynamics dialog, in dialog units of Arial 8 (6 x 13 pixels per 4 x 8 units at
// 96 dpi). The source list and the noise gate stand above two rows of four boxes, outputs 1-4
// above and 5-8 below, the row labels at the left edge. In each box the limiter column (level,
// attack, release), the graph, then the compressor column (level, attack, release, ratio).
#include <array>

#include "pages/CurSYSDlgIds.h"
#include "res/DialogTemplate.h"
#include "res/WinStyles.h"

namespace {
using namespace CurSYSDlgIds;
using enum DlgClass;

constexpr int kBoxX = 40, kBoxY = 20, kBoxStepX = 172, kBoxStepY = 125, kBoxW = 169, kBoxH = 122;
constexpr int kRowY[4] = {16, 40, 64, 88};  // field rows inside a box
constexpr int kEditW = 34, kSpinW = 6, kFieldH = 12;
constexpr int kLimX = 3, kGraphX = 46, kGraphW = 77, kCompX = 126;

constexpr int kOutputs = 8;
constexpr int kPerOutput = 16;  // box, graph, seven fields with their spins
constexpr int kShared = 13;     // row labels, ratio labels, source and gate

constexpr DlgItem Field(int nId, int x, int y)
{
    return {nId, Edit, x, y, kEditW, kFieldH, "", ES_CENTER};
}

constexpr DlgItem Spin(int nId, int x, int y)
{
    return {nId, Static, x + kEditW, y, kSpinW, kFieldH, "", UDS_ARROWKEYS};
}

constexpr const char* kBoxTitles[kOutputs] = {
    "CH1  Limiter &&Compression",  "CH2  Limiter && Compression", "CH3  Limiter && Compression",
    "CH4  Limiter && Compression", "CH5  Limiter && Compression", "CH6  Limiter && Compression",
    "CH7  Limiter && Compression", "CH8  Limiter && Compression",
};

constexpr std::array<DlgItem, kOutputs * kPerOutput + kShared> MakeItems()
{
    std::array<DlgItem, kOutputs * kPerOutput + kShared> items{};
    std::size_t n = 0;
    // The boxes first, so that what stands in them lies above them.
    for (int i = 0; i < kOutputs; ++i) {
        const int x = kBoxX + (i % 4) * kBoxStepX, y = kBoxY + (i / 4) * kBoxStepY;
        items[n++] = {IDC_BOX + i, Static, x, y, kBoxW, kBoxH, kBoxTitles[i], BS_GROUPBOX};
    }
    for (int i = 0; i < kOutputs; ++i) {
        const int x = kBoxX + (i % 4) * kBoxStepX, y = kBoxY + (i / 4) * kBoxStepY;
        items[n++] = {IDC_GRAPH + i, Static, x + kGraphX, y + 14, kGraphW, 102};
        const int nLim[3][2] = {{IDC_LIM_LEVEL, IDC_LIM_LEVEL_SPIN},
                                {IDC_LIM_ATTACK, IDC_LIM_ATTACK_SPIN},
                                {IDC_LIM_RELEASE, IDC_LIM_RELEASE_SPIN}};
        for (int r = 0; r < 3; ++r) {
            items[n++] = Field(nLim[r][0] + i, x + kLimX, y + kRowY[r]);
            items[n++] = Spin(nLim[r][1] + i, x + kLimX, y + kRowY[r]);
        }
        const int nComp[4][2] = {{IDC_COMP_LEVEL, IDC_COMP_LEVEL_SPIN},
                                 {IDC_COMP_ATTACK, IDC_COMP_ATTACK_SPIN},
                                 {IDC_COMP_RELEASE, IDC_COMP_RELEASE_SPIN},
                                 {IDC_COMP_RATIO, IDC_COMP_RATIO_SPIN}};
        for (int r = 0; r < 4; ++r) {
            items[n++] = Field(nComp[r][0] + i, x + kCompX, y + kRowY[r]);
            items[n++] = Spin(nComp[r][1] + i, x + kCompX, y + kRowY[r]);
        }
    }
    const char* kRowTexts[3] = {"Level", "At.Time", "Re.Time"};
    for (int row = 0; row < 2; ++row) {
        const int y = kBoxY + row * kBoxStepY;
        for (int r = 0; r < 3; ++r)
            items[n++] = {IDC_ROW_LABEL + row * 3 + r, Static, 2, y + kRowY[r], 37, kFieldH, kRowTexts[r]};
        items[n++] = {row == 0 ? IDC_RATIO_LABEL_UP : IDC_RATIO_LABEL_DOWN, Static, 2, y + kRowY[3], 37, kFieldH,
                      "Ratio"};
    }
    items[n++] = {IDC_SOURCE_LABEL, Static, 40, 4, 40, 10, "Source"};
    items[n++] = {IDC_SOURCE_LIST, Static, 82, 2, 60, 12};
    items[n++] = {IDC_GATE_LABEL, Static, 156, 4, 54, 10, "NoiseGate"};
    items[n++] = Field(IDC_GATE, 212, 3);
    items[n++] = Spin(IDC_GATE_SPIN, 212, 3);
    return items;
}

constexpr auto kItems = MakeItems();
}  // namespace

constexpr DlgTemplate g_tplCurSYSDlg{IDD_CURSYS, 730, 271, "System", "Arial", 8, kItems};
