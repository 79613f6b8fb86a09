#pragma once
// The palette and shapes every face is drawn with, so that faces drawn by different hands look
// like one program: a navy page ground with light labels, rounded gradient buttons, teal for
// what is selected or checked, and the light dialog ground.
#include <wx/colour.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

class wxDC;

namespace skin {
inline const wxColour kPageTop{27, 34, 50};
inline const wxColour kPageBottom{36, 46, 66};
inline const wxColour kPanel{38, 48, 68};
inline const wxColour kPanelFrame{62, 78, 104};
inline const wxColour kLabel{224, 224, 224};
inline const wxColour kLabelDim{150, 160, 175};
inline const wxColour kTeal{13, 133, 138};
inline const wxColour kFocus{137, 172, 209};
inline const wxColour kWarning{237, 0, 0};
inline const wxColour kDialog{227, 228, 238};
inline const wxColour kDialogText{27, 34, 50};
inline const wxColour kTab{127, 168, 222};

enum class Face { Normal, Hover, Pressed, Checked, CheckedHover, CheckedPressed, Disabled, DisabledChecked };

// The page ground: a soft vertical gradient.
void PaintPageGround(wxDC& dc, const wxRect& rc);
// A panel inside a page: ground, 1 px frame, rounded corners.
void PaintPanel(wxDC& dc, const wxRect& rc);
// A button face in one state, with its label centred in the label font of the language
// (nothing when the label is empty).
void PaintButtonFace(wxDC& dc, const wxRect& rc, Face face, const wxString& strLabel, bool bChinese,
                     int nFontPixels = 13);
// A vertical fader's channel on the panel ground: a 4 px track with a 1 px inner shadow, teal
// when lit.
void PaintFaderChannel(wxDC& dc, const wxRect& rc, bool bLit);
// A fader's thumb: a button face in the given state with a centre line, on a see-through key
// colour (kSeeThrough) in its corners, which the fader takes from the top-left pixel.
inline const wxColour kSeeThrough{255, 0, 255};
void PaintFaderThumb(wxDC& dc, const wxRect& rc, Face face);
// The knob overlay's face: a field with an arrow at each end; nHotZone 1 lights the left arrow,
// 3 the right one, 2 both (the active look), 0 none.
void PaintKnobFace(wxDC& dc, const wxRect& rc, int nHotZone);
// The caption of a row of band fields, centred in rc.
void PaintRowCaption(wxDC& dc, const wxRect& rc, const wxString& strCaption, bool bChinese);
// The +12 / 0 / -12 dB scale of band faders: ticks ending at xRight, labels left of them, +12 dB
// at yTop and -12 dB at yBottom.
void PaintGainScale(wxDC& dc, int xRight, int yTop, int yBottom, bool bChinese);
// A label in the label font of the language, aligned by wxALIGN_* flags inside rc.
void PaintLabel(wxDC& dc, const wxRect& rc, const wxString& strLabel, const wxColour& colour, bool bChinese,
                int nFontPixels, bool bBold = false, int nAlign = wxALIGN_CENTER);
}  // namespace skin
