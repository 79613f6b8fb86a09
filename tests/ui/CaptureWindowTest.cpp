// The capture helper of the screenshot tests draws what a window shows, even while its layout
// is still changing when the picture is taken.
#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include "tests/ui/PictureChecks.h"
#include "tests/ui/UiTestUtil.h"

namespace {
const wxColour kGround{200, 40, 40};
}  // namespace

// A panel that takes another width at every idle pass keeps a layout pending after each pass, as
// a theme's transition does for a while after a window shows.
TEST(CaptureWindow, DrawsAWindowWhoseLayoutIsStillChanging)
{
    auto* pFrame = new wxFrame(nullptr, wxID_ANY, "capture", wxDefaultPosition, wxSize(200, 120));
    auto* pPanel = new wxPanel(pFrame, wxID_ANY, wxPoint(10, 10), wxSize(100, 60));
    pPanel->SetBackgroundColour(kGround);
    new wxPanel(pFrame, wxID_ANY, wxPoint(150, 10), wxSize(20, 20));  // a sole child would fill the frame
    int nPass = 0;
    pFrame->Bind(wxEVT_IDLE, [&](wxIdleEvent&) { pPanel->SetSize(100 + ++nPass % 2, 60); });
    pFrame->Show();
    ASSERT_TRUE(SettleShown(*pFrame));
    const wxImage shot = CaptureWindow(*pFrame);
    EXPECT_TRUE(ShowsColour(shot, wxRect(20, 20, 40, 30), kGround, 0));
    pFrame->Destroy();
    PumpPendingEvents();
}
