#pragma once
// Button faces for the GUI tests, drawn with the program's shapes under ids the program leaves
// free. Each face carries a marker of a known colour at kMarker, so tests can tell which one a
// button shows.
#include <wx/brush.h>
#include <wx/colour.h>
#include <wx/dc.h>

enum TestFace {
    kFaceNormal = 65001,
    kFaceHover,
    kFacePressed,
    kFaceChecked,
    kFaceCheckedHover,
    kFaceCheckedPressed,
    kFaceDisabled,
    kFaceDisabledChecked,
    kToggleOn,
    kToggleOff,
    kFaceSmall,
    kMaskRound,
    kFaderChannel,
    kFaderThumb,
    kFaderThumbActive,
    kFaderThumbDisabled,
    kKnobIdle,
    kKnobLeft,
    kKnobActive,
    kKnobRight,
};

inline constexpr int kFaceWidth = 90;
inline constexpr int kFaceHeight = 28;
inline constexpr int kMarkerX = 6;
inline constexpr int kMarkerY = kFaceHeight / 2;

void RegisterTestSkins();
// The marker colour of a face.
wxColour FaceMarker(int nFace);

// A face of one colour, for tests that read which face a control shows.
template <const wxColour& kColour>
void PaintSolidFace(wxDC& dc, const wxSize&, bool)
{
    dc.SetBackground(wxBrush(kColour));
    dc.Clear();
}
