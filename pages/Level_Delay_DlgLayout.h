#pragma once
// Where the level and delay page's controls sit, in pixels of its 1248 x 652 area: the template
// (Level_Delay_DlgTemplate.cpp) turns them into dialog units, the page's ground
// (res/LevelSkins.cpp) draws its panels, titles and the car around them.
namespace Level_Delay_DlgLayout {

struct Box {
    int x, y, cx, cy;
};

// Panels: the car plan on the left, the input levels top right, the outputs below them.
constexpr Box kPlanPanel{8, 8, 520, 636};
constexpr Box kInputPanel{536, 8, 704, 368};
constexpr Box kOutputPanel{536, 384, 704, 260};
constexpr int kTitleY = 13;  // panel titles, 18 high

// Master column and the six input columns of the input panel.
constexpr int kMasterColX = 544, kMasterColW = 88;
constexpr int kInputColX = 644, kInputColW = 98;
constexpr int kInputButtonY = 38, kInputButtonW = 84, kInputButtonH = 24;
constexpr int kMasterOnW = 76;
constexpr int kInputSliderY = 68;
// The master fader is the output page's (52 x 150), its field right under it.
constexpr int kMasterSliderW = 52, kMasterSliderH = 150, kMasterThumbX = 25;
constexpr int kMasterEditY = kInputSliderY + kMasterSliderH + 4;
constexpr int kInputSliderW = 66, kInputSliderH = 278, kInputThumbX = 38;
constexpr int kInputEditY = 350, kInputEditW = 72, kEditH = 20;
constexpr Box kLinkLr{1140, 11, 92, 20};

// The eight output columns.
constexpr int kOutColX = 544, kOutColW = 86;
constexpr int kOutLabelY = 389;
constexpr int kRoleFaceY = 410, kRoleFaceW = 80, kRoleFaceH = 22;
constexpr int kMeterY = 438, kMeterW = 84, kMeterH = 12;
constexpr int kNoRoleY = 433;
// The level fader: a scale kOutThumbX wide left of the thumb, whose travel stops kOutThumbEnds
// short of either end. The switch and polarity faces are the output strips' (68 x 22).
constexpr int kOutSliderY = 456, kOutSliderW = 62, kOutSliderH = 104, kOutThumbX = 35, kOutThumbEnds = 4;
constexpr int kOutEditY = 562, kOutEditW = 64;
constexpr int kOutOnY = 588, kOutPolarityY = 614, kOutButtonW = 68, kOutButtonH = 22;

// The car plan: the body, the delay fields (0-14), the position icons by role (1-24), the link
// buttons (0-11) and the unit buttons.
constexpr Box kCarBody{100, 44, 336, 552};
constexpr int kFieldW = 60, kFieldH = 18;  // the size of the knob face over a field
constexpr int kIconSize = 28, kLinkSize = 24;
struct Point {
    int x, y;
};
constexpr Point kFields[15] = {
    {24, 96},   {24, 152},  {24, 208},   // front left: tweeter, midrange, woofer
    {452, 96},  {452, 152}, {452, 208},  // front right
    {186, 68},  {186, 118},              // centre: tweeter, woofer
    {24, 404},  {24, 460},               // rear left
    {452, 404}, {452, 460},              // rear right
    {174, 558}, {302, 558}, {238, 558},  // subwoofers: left, right, mono
};
// Roles that exclude one another share a place.
constexpr Point kIcons[24] = {
    {106, 92},  {106, 148}, {106, 204}, {106, 148}, {106, 148}, {106, 148},  // roles 1-6
    {402, 92},  {402, 148}, {402, 204}, {402, 148}, {402, 148}, {402, 148},  // roles 7-12
    {106, 400}, {106, 456}, {106, 456},                                      // roles 13-15
    {402, 400}, {402, 456}, {402, 456},                                      // roles 16-18
    {254, 64},  {254, 114}, {254, 114},                                      // roles 19-21
    {190, 524}, {318, 524}, {254, 524},                                      // roles 22-24
};
// A group shows one of its buttons at a time, so a front group's four share a place.
constexpr Point kLinks[12] = {
    {140, 150}, {140, 150}, {140, 150}, {140, 150},  // front left
    {372, 150}, {372, 150}, {372, 150}, {372, 150},  // front right
    {140, 430}, {372, 430},                          // rear left, rear right
    {288, 90},  {256, 492},                          // centre, subwoofers
};
constexpr int kUnitY = 610, kUnitW = 64, kUnitH = 24;
constexpr int kUnitX[3] = {176, 250, 324};
constexpr Box kUnitLabel{24, 610, 144, 24};

}  // namespace Level_Delay_DlgLayout
