// Template of the advanced settings dialog, in dialog units of Arial 8 (6 x 13 pixels per 4 x 8
// units at 96 dpi): 660 x 481 pixels, the size of its ground. The mixer, input options, network
// and EQ display groups stand on the left, the output level limit on the right, Load Default
// below. The off-screen combo and the Quit button lie beyond the right edge, out of sight.
#include "pages/Adv_SetingIds.h"
#include "res/DialogTemplate.h"
#include "res/WinStyles.h"

namespace {
using namespace Adv_SetingIds;
using enum DlgClass;

constexpr int kFieldX = 112;
constexpr int kFieldW = 70;
constexpr int kSpinX = 184;

constexpr DlgItem kItems[] = {
    // Mixer.
    {IDC_SOURCE, Button, kFieldX, 18, kFieldW, 14},
    {IDC_MIX_THRESHOLD, Edit, kFieldX, 37, kFieldW, 12, "", ES_CENTER},
    {IDC_MIX_THRESHOLD_SPIN, Static, kSpinX, 37, 8, 12, "", UDS_ARROWKEYS},
    {IDC_MIX_ATTEN, Edit, kFieldX, 53, kFieldW, 12, "", ES_CENTER},
    {IDC_MIX_ATTEN_SPIN, Static, kSpinX, 53, 8, 12, "", UDS_ARROWKEYS},
    {IDC_MIX_RELEASE, Edit, kFieldX, 69, kFieldW, 12, "", ES_CENTER},
    {IDC_MIX_RELEASE_SPIN, Static, kSpinX, 69, 8, 12, "", UDS_ARROWKEYS},
    // Input options.
    {IDC_GROUP_DELAY, Edit, kFieldX, 109, kFieldW, 12, "", ES_CENTER},
    {IDC_GROUP_DELAY_SPIN, Static, kSpinX, 109, 8, 12, "", UDS_ARROWKEYS},
    {IDC_NOISE, Edit, kFieldX, 127, kFieldW, 12, "", ES_CENTER},
    {IDC_NOISE_SPIN, Static, kSpinX, 127, 8, 12, "", UDS_ARROWKEYS},
    // Network.
    {IDC_ADDRESS, Edit, kFieldX, 164, 90, 13},
    {IDC_PORT, Edit, kFieldX, 183, 50, 12, "", ES_CENTER},
    {IDC_APPLY, Button, kFieldX, 200, 56, 15},
    // EQ display.
    {IDC_LINE_SET, Button, kFieldX, 242, 56, 15},
    // Output level limit: the list, the four fields beside it, the graph below.
    {IDC_OUTPUT_LIST, Static, 228, 20, 132, 106},
    {IDC_LIM_DBU, Edit, 366, 30, 62, 12, "", ES_CENTER},
    {IDC_LIM_DBU_SPIN, Static, 428, 30, 6, 12, "", UDS_ARROWKEYS},
    {IDC_LIM_VOLT, Edit, 366, 46, 62, 12, "", ES_CENTER},
    {IDC_LIM_VOLT_SPIN, Static, 428, 46, 6, 12, "", UDS_ARROWKEYS},
    {IDC_LIM_ATTACK, Edit, 366, 74, 62, 12, "", ES_CENTER},
    {IDC_LIM_ATTACK_SPIN, Static, 428, 74, 6, 12, "", UDS_ARROWKEYS},
    {IDC_LIM_RELEASE, Edit, 366, 102, 62, 12, "", ES_CENTER},
    {IDC_LIM_RELEASE_SPIN, Static, 428, 102, 6, 12, "", UDS_ARROWKEYS},
    {IDC_LIM_GRAPH, Static, 228, 132, 200, 126},
    // Below the groups.
    {IDC_LOAD_DEFAULT, Button, 344, 272, 90, 18},
    {IDC_DESCRIPTION, Static, 6, 272, 200, 12},
    // Out of sight.
    {IDC_OFFSCREEN_COMBO, Static, 467, 20, 40, 60},
    {IDC_QUIT, Button, 530, 272, 50, 18},
};
}  // namespace

constexpr DlgTemplate g_tplAdv_Seting{IDD_ADV_SETING, 440, 296, "Advanced", "Arial", 8, kItems};
