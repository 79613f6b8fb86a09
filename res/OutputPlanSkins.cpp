// Faces of the output page's car plan: the speaker-position buttons and the group link toggles
// (images with transparency, composed over the plan), the delay fields' knob and the delay unit
// buttons.
#include <wx/dc.h>
#include <wx/graphics.h>

#include <array>

#include "pages/OutputDlgIds.h"
#include "pages/OutputLayout.h"
#include "res/OutputSkins.h"
#include "res/PngImages.h"
#include "res/SkinPaint.h"
#include "res/Skins.h"

namespace {
using namespace OutputLayout;
using namespace OutputDlgIds;
using skin::Face;

enum State { kNormal, kHover, kPressed };

// A loudspeaker seen from the front: the cone in rings, lit teal while its output is the
// current one (the pressed and checked image).
enum Speaker { kTweeter, kMidrange, kWoofer };

template <Speaker kind, State state>
void PaintSpeaker(wxGraphicsContext& gc, const wxSize& size)
{
    const double r = size.x / 2.0 - 1;
    const double c = size.x / 2.0;
    const wxColour fill = state == kPressed ? skin::kTeal : state == kHover ? wxColour(70, 86, 114) : wxColour(52, 64, 88);
    const wxColour line = state == kNormal ? skin::kLabelDim : *wxWHITE;
    gc.SetPen(wxPen(line, 1.5));
    gc.SetBrush(wxBrush(fill));
    gc.DrawEllipse(c - r, c - r, 2 * r, 2 * r);
    gc.SetBrush(*wxTRANSPARENT_BRUSH);
    const int nRings = kind == kTweeter ? 1 : kind == kMidrange ? 2 : 3;
    for (int i = 1; i <= nRings; ++i) {
        const double ri = r * (nRings + 1 - i) / (nRings + 1.5);
        gc.DrawEllipse(c - ri, c - ri, 2 * ri, 2 * ri);
    }
    gc.SetPen(*wxTRANSPARENT_PEN);
    gc.SetBrush(wxBrush(line));
    const double rDome = r / 5;
    gc.DrawEllipse(c - rDome, c - rDome, 2 * rDome, 2 * rDome);
}

// A subwoofer: a box with its cone and a letter for its side ("L", "R", none for the mono one).
template <char side, State state>
void PaintSubwoofer(wxGraphicsContext& gc, const wxSize& size)
{
    const wxColour fill = state == kPressed ? skin::kTeal : state == kHover ? wxColour(70, 86, 114) : wxColour(52, 64, 88);
    const wxColour line = state == kNormal ? skin::kLabelDim : *wxWHITE;
    gc.SetPen(wxPen(line, 1.5));
    gc.SetBrush(wxBrush(fill));
    gc.DrawRoundedRectangle(1, 1, size.x - 2, size.y - 2, 5);
    const double r = size.x / 2.0 - 6;
    const double c = size.x / 2.0;
    gc.SetBrush(*wxTRANSPARENT_BRUSH);
    gc.DrawEllipse(c - r, c - r, 2 * r, 2 * r);
    if (side != ' ') {
        gc.SetFont(gc.CreateFont(wxFontInfo(8).Bold().FaceName(wxS("Liberation Sans")), line));
        double w = 0, h = 0;
        const wxString strSide(side);
        gc.GetTextExtent(strSide, &w, &h);
        gc.DrawText(strSide, c - w / 2, c - h / 2);
    }
}

// A group link toggle: a bracket joining the delay fields of the group's members (ticks toward
// the fields) with a chain link in its middle; teal while the group is linked.
struct Bracket {
    bool bVertical;
    int nTickDir;  // +1 right or down, -1 left or up
    std::array<int, 3> ticks;  // along the bracket, in the toggle's pixels
    int nTicks;
};

// Front toggles by order code: the tweeter and midrange (1), tweeter and woofer (2), midrange
// and woofer (3), all three (4 = the first image set); the rows' centres of the members.
constexpr int kTweeterY = 11, kMidY = 56, kWooferY = 103;
constexpr int kRearTweeterY = 11, kRearWooferY = 51;

template <int nShape>
Bracket BracketOf()
{
    switch (nShape) {
    case 0: return {true, 1, {kTweeterY, kMidY, kWooferY}, 3};
    case 1: return {true, 1, {kTweeterY, kMidY}, 2};
    case 2: return {true, 1, {kTweeterY, kWooferY}, 2};
    case 3: return {true, 1, {kMidY, kWooferY}, 2};
    case 4: return {true, -1, {kTweeterY, kMidY, kWooferY}, 3};
    case 5: return {true, -1, {kTweeterY, kMidY}, 2};
    case 6: return {true, -1, {kTweeterY, kWooferY}, 2};
    case 7: return {true, -1, {kMidY, kWooferY}, 2};
    case 8: return {true, 1, {kRearTweeterY, kRearWooferY}, 2};
    case 9: return {true, -1, {kRearTweeterY, kRearWooferY}, 2};
    case 10: return {false, -1, {2, 56}, 2};
    default: return {false, -1, {6, 80}, 2};
    }
}

template <int nShape, bool bChecked, State state>
void PaintToggle(wxGraphicsContext& gc, const wxSize& size)
{
    const Bracket b = BracketOf<nShape>();
    const wxColour colour = bChecked ? (state == kNormal ? skin::kTeal.ChangeLightness(130) : skin::kTeal.ChangeLightness(160))
                                     : (state == kNormal ? skin::kLabelDim : *wxWHITE);
    gc.SetPen(wxPen(colour, bChecked ? 2 : 1.5));
    const int nAcross = b.bVertical ? size.x : size.y;
    // The spine on the far side from the fields, the ticks reaching toward them.
    const double spine = b.nTickDir > 0 ? 4 : nAcross - 4;
    const double tickEnd = b.nTickDir > 0 ? nAcross - 1 : 1;
    const int nFirst = b.ticks[0];
    const int nLast = b.ticks[static_cast<size_t>(b.nTicks - 1)];
    auto line = [&](double a1, double c1, double a2, double c2) {
        if (b.bVertical)
            gc.StrokeLine(c1, a1, c2, a2);
        else
            gc.StrokeLine(a1, c1, a2, c2);
    };
    line(nFirst, spine, nLast, spine);
    for (int i = 0; i < b.nTicks; ++i)
        line(b.ticks[static_cast<size_t>(i)], spine, b.ticks[static_cast<size_t>(i)], tickEnd);
    // The chain: two links across the spine, apart while unlinked.
    const double mid = (nFirst + nLast) / 2.0;
    const double gap = bChecked ? 0 : 2;
    gc.SetBrush(wxBrush(skin::kPanel));
    for (const int k : {-1, 1}) {
        const double a = mid + k * (3 + gap) - 4;
        const double c = spine - 3;
        if (b.bVertical)
            gc.DrawRoundedRectangle(c, a, 6, 8, 3);
        else
            gc.DrawRoundedRectangle(a, c, 8, 6, 3);
    }
}

template <int nShape>
constexpr std::array<PngArt, 6> ToggleImages(int nFirst, const PxRect& rc)
{
    return {{
        {nFirst, rc.w, rc.h, PaintToggle<nShape, false, kNormal>},
        {nFirst + 1, rc.w, rc.h, PaintToggle<nShape, false, kHover>},
        {nFirst + 2, rc.w, rc.h, PaintToggle<nShape, false, kPressed>},
        {nFirst + 3, rc.w, rc.h, PaintToggle<nShape, true, kNormal>},
        {nFirst + 4, rc.w, rc.h, PaintToggle<nShape, true, kHover>},
        {nFirst + 5, rc.w, rc.h, PaintToggle<nShape, true, kPressed>},
    }};
}

// The toggles 6800-6811, from their first images.
constexpr std::array<std::array<PngArt, 6>, 12> kToggleImages = {
    ToggleImages<0>(kGroupLinkImages[0], kToggleRects[0]),   ToggleImages<1>(kGroupLinkImages[1], kToggleRects[1]),
    ToggleImages<2>(kGroupLinkImages[2], kToggleRects[2]),   ToggleImages<3>(kGroupLinkImages[3], kToggleRects[3]),
    ToggleImages<4>(kGroupLinkImages[4], kToggleRects[4]),   ToggleImages<5>(kGroupLinkImages[5], kToggleRects[5]),
    ToggleImages<6>(kGroupLinkImages[6], kToggleRects[6]),   ToggleImages<7>(kGroupLinkImages[7], kToggleRects[7]),
    ToggleImages<8>(kGroupLinkImages[8], kToggleRects[8]),   ToggleImages<9>(kGroupLinkImages[9], kToggleRects[9]),
    ToggleImages<10>(kGroupLinkImages[10], kToggleRects[10]), ToggleImages<11>(kGroupLinkImages[11], kToggleRects[11]),
};

template <Speaker kind>
constexpr std::array<PngArt, 3> SpeakerImages(int nFirst, int nSize)
{
    return {{
        {nFirst, nSize, nSize, PaintSpeaker<kind, kNormal>},
        {nFirst + 1, nSize, nSize, PaintSpeaker<kind, kHover>},
        {nFirst + 2, nSize, nSize, PaintSpeaker<kind, kPressed>},
    }};
}

template <char side>
constexpr std::array<PngArt, 3> SubwooferImages(int nFirst, int nSize)
{
    return {{
        {nFirst, nSize, nSize, PaintSubwoofer<side, kNormal>},
        {nFirst + 1, nSize, nSize, PaintSubwoofer<side, kHover>},
        {nFirst + 2, nSize, nSize, PaintSubwoofer<side, kPressed>},
    }};
}

// Left and right speakers share their looks; so do the centre's.
constexpr std::array<std::array<PngArt, 3>, 11> kSpeakerImages = {
    SpeakerImages<kTweeter>(IDP_LEFT_TWEETER, 22),   SpeakerImages<kMidrange>(IDP_LEFT_MIDRANGE, 28),
    SpeakerImages<kWoofer>(IDP_LEFT_WOOFER, 34),     SpeakerImages<kTweeter>(IDP_RIGHT_TWEETER, 22),
    SpeakerImages<kMidrange>(IDP_RIGHT_MIDRANGE, 28), SpeakerImages<kWoofer>(IDP_RIGHT_WOOFER, 34),
    SpeakerImages<kTweeter>(IDP_CENTRE_TWEETER, 22), SpeakerImages<kWoofer>(IDP_CENTRE_WOOFER, 30),
    SubwooferImages<'L'>(IDP_SUB_LEFT, 36),          SubwooferImages<'R'>(IDP_SUB_RIGHT, 36),
    SubwooferImages<' '>(IDP_SUB, 36),
};

// The delay fields' knob: idle, left arrow lit, active, right arrow lit.
template <int nHotZone>
void PaintKnob(wxDC& dc, const wxSize& size, bool)
{
    dc.SetBackground(wxBrush(skin::kPanel));
    dc.Clear();
    skin::PaintKnobFace(dc, wxRect(size), nHotZone);
}

// The delay unit buttons (the button draws its unit word).
template <Face face>
void PaintUnit(wxDC& dc, const wxSize& size, bool bChinese)
{
    dc.SetBackground(wxBrush(skin::kPanel));
    dc.Clear();
    skin::PaintButtonFace(dc, wxRect(size), face, wxString(), bChinese);
}

constexpr PxRect kUnit = UnitButton(0);

constexpr SkinArt kPlanSkins[] = {
    {IDB_KNOB, kPlanFieldW, kPlanFieldH, PaintKnob<0>},
    {IDB_KNOB + 1, kPlanFieldW, kPlanFieldH, PaintKnob<1>},
    {IDB_KNOB + 2, kPlanFieldW, kPlanFieldH, PaintKnob<2>},
    {IDB_KNOB + 3, kPlanFieldW, kPlanFieldH, PaintKnob<3>},
    {IDB_UNIT, kUnit.w, kUnit.h, PaintUnit<Face::Hover>},
    {IDB_UNIT + 1, kUnit.w, kUnit.h, PaintUnit<Face::Normal>},
    {IDB_UNIT + 2, kUnit.w, kUnit.h, PaintUnit<Face::Checked>},
};
}  // namespace

void OutputPlanSkinTables(const SkinTableSink& take)
{
    take(kPlanSkins);
}

void OutputPngTables(const PngTableSink& take)
{
    for (const auto& images : kSpeakerImages)
        take(images);
    for (const auto& images : kToggleImages)
        take(images);
}
