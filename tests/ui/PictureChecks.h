#pragma once
// What a screenshot test checks in its picture, so that it fails when the drawing breaks: that an
// area is drawn at all, that a control's face sits where the control is, that a text is drawn
// inside its box, and that two pictures differ where they must. Each reads the pixels of the one
// rectangle where that must show.
#include <gtest/gtest.h>
#include <wx/colour.h>
#include <wx/gdicmn.h>
#include <wx/image.h>
#include <wx/toplevel.h>

#include <cstdlib>
#include <set>
#include <string>

#include "tests/ui/UiTestUtil.h"

// Where a child window lies in CaptureWindow's picture of its top-level window.
inline wxRect RectInCapture(const wxWindow& wnd, const wxTopLevelWindow& top)
{
    return {top.ScreenToClient(wnd.GetScreenPosition()), wnd.GetSize()};
}

// Where a rectangle of a child window's client area (a graph's plot, a list's cell) lies in
// CaptureWindow's picture of its top-level window.
inline wxRect RectInCapture(const wxWindow& wnd, const wxTopLevelWindow& top, const wxRect& rc)
{
    return {top.ScreenToClient(wnd.ClientToScreen(rc.GetPosition())), rc.GetSize()};
}

namespace picture {

inline std::string Text(const wxRect& rc)
{
    return "(" + std::to_string(rc.x) + ", " + std::to_string(rc.y) + ", " + std::to_string(rc.width) + " x " +
           std::to_string(rc.height) + ")";
}

inline bool Near(const wxImage& image, int x, int y, const wxColour& colour, int nTolerance)
{
    return std::abs(image.GetRed(x, y) - colour.Red()) <= nTolerance &&
           std::abs(image.GetGreen(x, y) - colour.Green()) <= nTolerance &&
           std::abs(image.GetBlue(x, y) - colour.Blue()) <= nTolerance;
}

// Whether the rectangle lies inside the picture, with the failure saying where it lies if not.
inline testing::AssertionResult Inside(const wxImage& image, const wxRect& rc)
{
    if (rc.IsEmpty() || !wxRect(image.GetSize()).Contains(rc))
        return testing::AssertionFailure() << picture::Text(rc) << " is not inside the " << image.GetWidth() << " x "
                                           << image.GetHeight() << " picture";
    return testing::AssertionSuccess();
}

}  // namespace picture

// The area shows a drawing: at least nColours distinct colours among pixels sampled every nStep
// pixels (a blank or flat area has one).
inline testing::AssertionResult IsDrawn(const wxImage& image, const wxRect& rc, int nColours = 4, int nStep = 5)
{
    if (auto inside = picture::Inside(image, rc); !inside)
        return inside;
    std::set<unsigned long> colours;
    for (int y = rc.GetTop(); y <= rc.GetBottom(); y += nStep)
        for (int x = rc.GetLeft(); x <= rc.GetRight(); x += nStep)
            colours.insert((static_cast<unsigned long>(image.GetRed(x, y)) << 16) |
                           (static_cast<unsigned long>(image.GetGreen(x, y)) << 8) | image.GetBlue(x, y));
    if (static_cast<int>(colours.size()) < nColours)
        return testing::AssertionFailure() << "only " << colours.size() << " colour(s) in " << picture::Text(rc);
    return testing::AssertionSuccess();
}

// Some pixel of the area is the colour, within nTolerance in each channel: a face or a mark of
// that colour is drawn there.
inline testing::AssertionResult ShowsColour(const wxImage& image, const wxRect& rc, const wxColour& colour,
                                            int nTolerance = 6)
{
    if (auto inside = picture::Inside(image, rc); !inside)
        return inside;
    for (int y = rc.GetTop(); y <= rc.GetBottom(); ++y)
        for (int x = rc.GetLeft(); x <= rc.GetRight(); ++x)
            if (picture::Near(image, x, y, colour, nTolerance))
                return testing::AssertionSuccess();
    return testing::AssertionFailure() << "no pixel of RGB(" << int(colour.Red()) << ", " << int(colour.Green()) << ", "
                                       << int(colour.Blue()) << ") in " << picture::Text(rc);
}

// A text in the ink colour (within nTolerance) is drawn inside the box: its ink covers at least
// 4 x 4 pixels there and keeps nClear pixels clear of the box's edges (a text cut off by its box
// runs into an edge).
inline testing::AssertionResult ShowsTextIn(const wxImage& image, const wxRect& rcBox, const wxColour& ink,
                                            int nTolerance, int nClear = 0)
{
    if (auto inside = picture::Inside(image, rcBox); !inside)
        return inside;
    wxRect rcInk;
    for (int y = rcBox.GetTop(); y <= rcBox.GetBottom(); ++y)
        for (int x = rcBox.GetLeft(); x <= rcBox.GetRight(); ++x)
            if (picture::Near(image, x, y, ink, nTolerance))
                rcInk = rcInk.IsEmpty() ? wxRect(x, y, 1, 1) : rcInk.Union(wxRect(x, y, 1, 1));
    if (rcInk.width < 4 || rcInk.height < 4)
        return testing::AssertionFailure() << "no text in " << picture::Text(rcBox) << " (ink " << picture::Text(rcInk)
                                           << ")";
    if (!wxRect(rcBox).Deflate(nClear).Contains(rcInk))
        return testing::AssertionFailure() << "the text's ink " << picture::Text(rcInk) << " comes within " << nClear
                                           << " px of the edge of " << picture::Text(rcBox);
    return testing::AssertionSuccess();
}

// The two pictures differ inside the area (the same area of both).
inline testing::AssertionResult DifferIn(const wxImage& first, const wxImage& second, const wxRect& rc)
{
    if (auto inside = picture::Inside(first, rc); !inside)
        return inside;
    if (auto inside = picture::Inside(second, rc); !inside)
        return inside;
    for (int y = rc.GetTop(); y <= rc.GetBottom(); ++y)
        for (int x = rc.GetLeft(); x <= rc.GetRight(); ++x)
            if (!picture::Near(first, x, y, PixelAt(second, x, y), 0))
                return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the pictures are the same in " << picture::Text(rc);
}
