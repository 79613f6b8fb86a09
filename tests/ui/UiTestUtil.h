#pragma once
// Helpers of the GUI tests: wx runs without a main loop, so tests deliver pending events here;
// controls are drawn into memory bitmaps whose pixels the tests read.
#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/colour.h>
#include <wx/dcmemory.h>
#include <wx/dcclient.h>
#include <wx/event.h>
#include <wx/image.h>
#include <wx/imagpng.h>
#include <wx/toplevel.h>

#include <chrono>
#include <filesystem>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "controls/DrawnControl.h"

inline void PumpPendingEvents()
{
    for (int i = 0; i < 1000 && wxTheApp->HasPendingEvents(); ++i)
        wxTheApp->ProcessPendingEvents();
}

// Lets the display catch up: pending events and GTK's own work, for about nMs.
inline void Settle(int nMs = 100)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(nMs);
    while (std::chrono::steady_clock::now() < end) {
        wxTheApp->Yield(true);
        PumpPendingEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// Settles until done() holds; false when it still does not after the timeout.
template <typename Done>
bool SettleUntil(Done done, std::chrono::milliseconds timeout = std::chrono::seconds(10))
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        Settle(10);
    }
    return true;
}

// Each character of the text typed into the window, as the keyboard's character events.
inline void Type(wxWindow* pWnd, const wxString& text)
{
    for (const wxUniChar c : text) {
        wxKeyEvent event(wxEVT_CHAR);
        event.m_uniChar = static_cast<wxChar>(c.GetValue());
        event.m_keyCode = c.GetValue() < 128 ? static_cast<int>(c.GetValue()) : WXK_NONE;
        event.SetEventObject(pWnd);
        pWnd->ProcessWindowEvent(event);
    }
}

// The control drawn through its Draw into a bitmap of its client size.
inline wxImage DrawToImage(CDrawnControl& ctrl)
{
    const wxSize size = ctrl.GetClientSize();
    wxBitmap bmp(size.x > 0 ? size.x : 1, size.y > 0 ? size.y : 1, 24);
    {
        wxMemoryDC dc(bmp);
        ctrl.Draw(dc);
    }
    return bmp.ConvertToImage();
}

// Colours print as RGB(r, g, b) in test failures.
inline void PrintTo(const wxColour& c, std::ostream* os)
{
    *os << "RGB(" << int(c.Red()) << ", " << int(c.Green()) << ", " << int(c.Blue()) << ")";
}

inline wxColour PixelAt(const wxImage& image, int x, int y)
{
    return {image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)};
}

// What a shown top-level window draws, frame decorations left out. The window is rendered into
// an image of its own rather than read back from the screen, so windows of tests running at the
// same time on the same display never show in it.
wxImage CaptureWindow(wxTopLevelWindow& wnd);
// What the X server shows of a window now, its client area, read back from the screen (a test has
// its X server to itself).
wxImage ScreenPixels(wxWindow& wnd);
// Settles until the X server shows the window (its map has come back), as a person first sees it;
// false when it does not within the timeout.
bool SettleShown(wxTopLevelWindow& wnd);
// The rectangles of the window's shape on the X server (the bounding shape, in the window's own
// coordinates); the whole window when it has no shape of its own.
std::vector<wxRect> WindowShape(wxTopLevelWindow& wnd);

inline bool SaveScreenshot(const wxImage& image, const std::string& strName)
{
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr)
        wxImage::AddHandler(new wxPNGHandler);
    std::filesystem::create_directories(TARVI_SCREENSHOT_DIR);
    return image.SaveFile(wxString::FromUTF8(std::string(TARVI_SCREENSHOT_DIR) + "/" + strName + ".png"), wxBITMAP_TYPE_PNG);
}
