#pragma once
// Ids of the advanced settings dialog: its template, its faces, its controls and its source
// menu, shared by the template's rows (Adv_SetingTemplate.cpp), the dialog, its rules
// (AdvSetingLogic.h) and its faces (res/AdvSkins.cpp).
struct DlgTemplate;

namespace Adv_SetingIds {
enum : int {
    IDD_ADV_SETING = 675,

    // Faces: the ground with every group's frame and labels, one per language.
    IDB_BACK_EN = 788,
    IDB_BACK_CN = 789,
    // Quit: normal, pressed, hover (790-792 English, 793-795 Chinese).
    IDB_QUIT_EN = 790,
    IDB_QUIT_CN = 793,
    // Apply: normal, hover, pressed, disabled (7200-7203 English, 7204-7207 Chinese).
    IDB_APPLY_EN = 7200,
    IDB_APPLY_CN = 7204,
    // Load Default: normal, hover, pressed, disabled (7210-7213 English, 7214-7217 Chinese).
    IDB_DEFAULT_EN = 7210,
    IDB_DEFAULT_CN = 7214,
    // The EQ display toggle: off and on (704, 705 English; 706, 707 Chinese).
    IDB_LINE_OFF_EN = 704,
    IDB_LINE_ON_EN = 705,
    IDB_LINE_OFF_CN = 706,
    IDB_LINE_ON_CN = 707,
    // Source button: base + source (0-6) normal, base + 10 + source hover and pressed.
    IDB_SOURCE_CN = 3200,
    IDB_SOURCE_EN = 3220,
    IDB_SOURCE_HOT = 10,

    // Mixer.
    IDC_SOURCE = 2729,
    IDC_MIX_THRESHOLD = 2731,
    IDC_MIX_THRESHOLD_SPIN = 2732,
    IDC_MIX_ATTEN = 2791,
    IDC_MIX_ATTEN_SPIN = 2793,
    IDC_MIX_RELEASE = 2792,
    IDC_MIX_RELEASE_SPIN = 2794,
    // Input options.
    IDC_GROUP_DELAY = 2734,
    IDC_GROUP_DELAY_SPIN = 2735,
    IDC_NOISE = 2765,
    IDC_NOISE_SPIN = 2060,
    // Output level limit.
    IDC_OUTPUT_LIST = 2757,
    IDC_LIM_DBU = 2758,
    IDC_LIM_DBU_SPIN = 2761,
    IDC_LIM_VOLT = 2778,
    IDC_LIM_VOLT_SPIN = 2780,
    IDC_LIM_ATTACK = 2759,
    IDC_LIM_ATTACK_SPIN = 2762,
    IDC_LIM_RELEASE = 2760,
    IDC_LIM_RELEASE_SPIN = 2763,
    IDC_LIM_GRAPH = 2764,
    // Network.
    IDC_ADDRESS = 2739,
    IDC_PORT = 2741,
    IDC_APPLY = 2743,
    // Buttons, the EQ display toggle, and what stays out of sight.
    IDC_LOAD_DEFAULT = 2790,
    IDC_LINE_SET = 2797,
    IDC_QUIT = 2,
    IDC_OFFSCREEN_COMBO = 2796,
    IDC_DESCRIPTION = 2805,

    // The source menu: sources 0-6 as commands 174-180.
    IDR_SOURCE_MENU = 173,
    ID_SOURCE_FIRST = 174,
    ID_SOURCE_OFF = 180,
};
}  // namespace Adv_SetingIds

extern const DlgTemplate g_tplAdv_Seting;
