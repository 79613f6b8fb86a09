#pragma once
// Ids of the output page (page 1 of the main view): its template, its faces and its controls,
// shared by the template's rows (OutputDlgTemplate.cpp), the artwork (res/OutputSkins.cpp) and
// the page's code. Band column k (0-9) of a quantity has the id base + k. The whole-EQ commands,
// the band work lamps and the gain row plate have the faces the page shares with the music input
// page (SharedFaceIds.h).
struct DlgTemplate;

namespace OutputDlgIds {
enum : int {
    IDD_OUTPUT = 136,
    IDB_BACK_EN = 286,
    IDB_BACK_CN = 287,

    // Master block: volume fader, field and spin, and the master-on switch.
    IDC_MASTER_SLIDER = 2571,
    IDC_MASTER_EDIT = 2572,
    IDC_MASTER_SPIN = 2573,
    IDC_MASTER_ON = 2574,
    IDB_MASTER_CHANNEL = 357,
    IDB_MASTER_THUMB = 358,
    IDB_THUMB_ACTIVE = 282,
    IDB_MASTER_OFF = 529,  // switched off: normal, hover, pressed (529-531); the strips' on/off too
    IDB_MASTER_ON = 526,   // switched on, the button checked (526-528)

    // Band columns.
    IDC_WIDTH_EDIT = 4500,
    IDC_WIDTH_SPIN = 4540,
    IDC_GAIN_EDIT = 5000,
    IDC_GAIN_SPIN = 5040,
    IDC_GAIN_SLIDER = 5100,
    IDC_FREQ_EDIT = 5200,
    IDC_FREQ_SPIN = 5240,
    IDC_BAND_NO = 5280,
    IDC_BYPASS = 5320,
    IDB_BAND_CHANNEL = 610,      // fader channel, parametric layout (615 in column 1)
    IDB_BAND_CHANNEL_1 = 615,
    IDB_GEQ_CHANNEL = 614,       // fader channel, graphic layout (616 in column 1)
    IDB_GEQ_CHANNEL_1 = 616,
    IDB_BAND_THUMB = 611,
    IDB_BAND_THUMB_DIM = 612,    // a band outside the crossover's pass band (graphic layout)
    IDB_BAND_THUMB_ACTIVE = 613,

    // Band 1 and band 10: type buttons and shelf slope lists.
    IDC_LOW_SHELF = 2818,
    IDC_BAND1_PEQ = 2820,
    IDC_BAND10_PEQ = 2821,
    IDC_HIGH_SHELF = 2822,
    IDC_LOW_SHELF_SLOPE = 2823,
    IDC_HIGH_SHELF_SLOPE = 2824,
    IDL_LOW_SHELF_SLOPE = 2825,
    IDL_HIGH_SHELF_SLOPE = 2826,
    IDB_SHELF_SLOPE = 2827,  // normal, hover (2827, 2828)
    IDB_PEQ_TYPE = 2830,     // normal, hover, pressed (2830-2832)
    IDB_LOW_SHELF = 2833,    // (2833-2835)
    IDB_HIGH_SHELF = 2836,   // (2836-2838)

    // Crossover.
    IDC_HPF_FREQ = 1004,
    IDC_LPF_FREQ = 1005,
    IDC_HPF_ALIGN = 1010,
    IDC_LPF_ALIGN = 1011,
    IDC_HPF_SLOPE = 1012,
    IDC_LPF_SLOPE = 1013,
    IDL_HPF_ALIGN = 1014,
    IDL_HPF_SLOPE = 1015,
    IDL_LPF_ALIGN = 1016,
    IDL_LPF_SLOPE = 1017,
    IDC_HPF_SPIN = 1351,
    IDC_LPF_SPIN = 1352,
    IDB_XOVER_LIST = 697,  // normal, hover (697, 698), disabled 699
    IDB_XOVER_LIST_DISABLED = 699,

    // The graph and the whole-EQ commands.
    IDC_GRAPH = 4000,
    IDC_ALL_BYPASS = 1976,
    IDC_EQ_MODE = 5686,
    IDC_RESET_EQ = 5687,
    IDC_GEQ_LABEL = 5311,
    IDB_LINK = 709,

    // Polarity of the shown output, with its picture.
    IDC_POLARITY = 4001,
    IDC_POLARITY_NORMAL = 5084,
    IDC_POLARITY_INVERTED = 5085,
    IDB_POLARITY_EN = 4350,  // normal, hover, pressed, then inverted (4350-4355)
    IDB_POLARITY_CN = 4360,  // (4360-4365)
    IDB_POLARITY_NORMAL = 712,
    IDB_POLARITY_INVERTED = 713,

    // Input indicator and the level page button.
    IDC_INPUT_SHOW = 5688,
    IDC_LEVEL_PAGE = 5689,
    IDB_INPUT_EN = 452,  // music input n: 452 + n
    IDB_INPUT_CN = 459,  // 459 + n
    IDB_LEVEL_PAGE_EN = 691,  // normal, hover, pressed (691-693)
    IDB_LEVEL_PAGE_CN = 694,  // (694-696)

    // Output map commands.
    IDC_LOCK_MAP = 4700,
    IDC_LINK_LR = 4701,
    IDC_RESET_MAP = 4702,
    IDC_LOAD_MAP = 4703,
    IDC_SAVE_MAP = 4704,
    // Lock and L/R link: normal, hover, pressed, then checked normal and hover.
    IDB_LOCK_EN = 600,
    IDB_LOCK_HOVER_EN = 599,
    IDB_LOCK_PRESSED_EN = 597,
    IDB_LOCKED_EN = 4412,
    IDB_LOCKED_HOVER_EN = 607,
    IDB_LOCK_CN = 4394,
    IDB_LOCK_HOVER_CN = 4392,
    IDB_LOCK_PRESSED_CN = 4390,
    IDB_LOCKED_CN = 4411,
    IDB_LOCKED_HOVER_CN = 4393,
    IDB_LINK_LR_EN = 604,
    IDB_LINK_LR_HOVER_EN = 603,
    IDB_LINK_LR_PRESSED_EN = 601,
    IDB_LINKED_LR_EN = 4414,
    IDB_LINKED_LR_HOVER_EN = 608,
    IDB_LINK_LR_CN = 4399,
    IDB_LINK_LR_HOVER_CN = 4397,
    IDB_LINK_LR_PRESSED_CN = 4395,
    IDB_LINKED_LR_CN = 4413,
    IDB_LINKED_LR_HOVER_CN = 4398,
    IDB_RESET_MAP_EN = 4407,
    IDB_RESET_MAP_HOVER_EN = 4406,
    IDB_RESET_MAP_CN = 4403,
    IDB_RESET_MAP_HOVER_CN = 4402,
    IDB_LOAD_MAP_EN = 4940,  // normal, hover, pressed (4940-4942)
    IDB_LOAD_MAP_CN = 4930,  // (4930-4932)
    IDB_SAVE_MAP_EN = 4943,  // (4943-4945)
    IDB_SAVE_MAP_CN = 4933,  // (4933-4935)

    // The car plan: position buttons, delay fields with their spins, group link toggles, delay
    // unit buttons and link markers.
    IDC_POSITION = 4600,  // 24 buttons
    IDC_DELAY_EDIT = 6000,  // 15 fields
    IDC_DELAY_SPIN = 6020,
    IDC_DELAY_OVERLAY = 5980,
    IDC_GROUP_LINK = 6800,  // 12 toggles
    IDC_UNIT_MS = 2683,
    IDC_UNIT_CM = 2684,
    IDC_UNIT_INCH = 2685,
    IDC_LINK_MARKER = 5080,  // 3 pictures
    IDC_LINK_ICON = 5083,
    IDB_KNOB = 800,  // delay field overlay: idle, left hot, active, right hot (800-803)
    IDB_UNIT = 4340,  // hover 4340, normal 4341, pressed and checked 4342

    // Images of the position buttons by speaker: normal, hover, pressed (n..n+2).
    IDP_LEFT_TWEETER = 7100,
    IDP_LEFT_MIDRANGE = 7103,
    IDP_LEFT_WOOFER = 7106,
    IDP_RIGHT_TWEETER = 7110,
    IDP_RIGHT_MIDRANGE = 7113,
    IDP_RIGHT_WOOFER = 7116,
    IDP_CENTRE_TWEETER = 7120,
    IDP_CENTRE_WOOFER = 7123,
    IDP_SUB = 582,
    IDP_SUB_LEFT = 585,
    IDP_SUB_RIGHT = 588,
};

inline constexpr int kBandColumns = 10;
inline constexpr int kPositions = 24;
inline constexpr int kDelayFields = 15;
inline constexpr int kGroupLinks = 12;
inline constexpr int kLinkMarkers = 3;

// First image of each group link toggle (unchecked n..n+2, checked n+3..n+5).
inline constexpr int kGroupLinkImages[kGroupLinks] = {7340, 7400, 7390, 7410, 7350, 7430,
                                                      7420, 7440, 7360, 7370, 7330, 7380};
}  // namespace OutputDlgIds

extern const DlgTemplate g_tplOutputDlg;
