#include <wx/notebook.h>

#include "controls/EnTabCtrl.h"
#include "tests/ui/ControlTestFixture.h"

namespace {
class TabCtrl : public ControlTest {
protected:
    void TearDown() override
    {
        CEnTabCtrl::EnableCustomLook(false, 0);
        ControlTest::TearDown();
    }
    // The main view's tab control: dialog background, full owner draw, every look flag.
    CEnTabCtrl* MakeMainViewTabs()
    {
        auto* pTabs = Make<CEnTabCtrl>(1368, wxRect(0, 0, 300, 150));
        pTabs->SetBkColor(wxColour(227, 228, 238));
        EXPECT_TRUE(pTabs->SetDrawMode(CBaseTabCtrl::kFull));
        CEnTabCtrl::EnableCustomLook(true, 0x1F);
        return pTabs;
    }
};
}  // namespace

TEST_F(TabCtrl, RejectsAnUnknownDrawMode)
{
    CEnTabCtrl* pTabs = MakeMainViewTabs();
    EXPECT_FALSE(pTabs->SetDrawMode(3));
    EXPECT_EQ(pTabs->GetDrawMode(), CBaseTabCtrl::kFull);
}

TEST_F(TabCtrl, WithoutItemsShowsTheBackgroundAndTheMainBorderOnly)
{
    CEnTabCtrl* pTabs = MakeMainViewTabs();
    const wxImage image = DrawToImage(*pTabs);
    const wxRect rcBorder = pTabs->GetDisplayRect().Inflate(0, 0);
    const int top = rcBorder.y - 2, bottom = 149, right = 299;
    EXPECT_EQ(PixelAt(image, 0, top + 20), *wxWHITE);         // left edge
    EXPECT_EQ(PixelAt(image, 150, top), *wxWHITE);            // top edge
    EXPECT_EQ(PixelAt(image, right, top + 20), wxColour(170, 171, 178));   // right edge
    EXPECT_EQ(PixelAt(image, 150, bottom), wxColour(170, 171, 178));       // bottom edge
    EXPECT_EQ(PixelAt(image, 150, top + 20), m_pPanel->GetBackgroundColour());  // the erased inside
}

TEST_F(TabCtrl, ColoursFollowTheLookFlags)
{
    CEnTabCtrl* pTabs = MakeMainViewTabs();
    for (const char* szTab : {"One", "Two", "Three"})
        pTabs->InsertItem(pTabs->GetItemCount(), szTab);
    pTabs->SetCurSel(0);
    const wxRect rcSecond = pTabs->GetItemRect(1);
    const wxImage image = DrawToImage(*pTabs);
    // Unselected with flags 2 and 0x10: light blue darkened to 0.9 at the top of its gradient, a
    // lighter top edge and a darker right edge.
    const wxColour blue = CEnTabCtrl::Darker(wxColour(127, 168, 222), 0.9);
    EXPECT_EQ(PixelAt(image, rcSecond.x + 6, rcSecond.y + 1), blue);
    EXPECT_EQ(PixelAt(image, rcSecond.x + 6, rcSecond.y), CEnTabCtrl::Lighter(blue, 1.5));
    EXPECT_EQ(PixelAt(image, rcSecond.GetRight() - 1, rcSecond.y + 4), CEnTabCtrl::Darker(blue, 0.75));
    // Selected with flags 2 and 4: black, raised 2 pixels above the row.
    const wxRect rcFirst = pTabs->GetItemRect(0);
    EXPECT_EQ(PixelAt(image, rcFirst.x + rcFirst.width / 2, rcFirst.y - 2), *wxBLACK);
    EXPECT_EQ(PixelAt(image, rcFirst.x + rcFirst.width / 2, rcFirst.y - 1), *wxBLACK);

    CEnTabCtrl::EnableCustomLook(false, 0x1F);
    EXPECT_EQ(CEnTabCtrl::GetLookFlags(), 0u);
}

TEST_F(TabCtrl, ColourArithmeticTruncatesAndClamps)
{
    EXPECT_EQ(CEnTabCtrl::Darker(*wxRED, 0.9), wxColour(229, 0, 0));
    EXPECT_EQ(CEnTabCtrl::Darker(wxColour(227, 228, 238), 0.75), wxColour(170, 171, 178));
    EXPECT_EQ(CEnTabCtrl::Lighter(wxColour(227, 228, 238), 1.5), *wxWHITE);
    EXPECT_EQ(CEnTabCtrl::Lighter(wxColour(100, 100, 100), 0.5), wxColour(100, 100, 100));
    EXPECT_EQ(CEnTabCtrl::Darker(wxColour(100, 100, 100), 2.0), wxColour(100, 100, 100));
}

TEST_F(TabCtrl, HandOverSelectableTabsArrowOverItemThreeAndTheSelectedOne)
{
    CEnTabCtrl* pTabs = MakeMainViewTabs();
    for (const char* szTab : {"A", "B", "C", "D", "E"})
        pTabs->InsertItem(pTabs->GetItemCount(), szTab);
    pTabs->SetCurSel(1);
    auto cursorOver = [&](int nItem) {
        Mouse(pTabs, wxEVT_MOTION, pTabs->GetItemRect(nItem).GetPosition() + wxPoint(3, 3));
        return pTabs->GetCursor().IsSameAs(HandCursor());
    };
    EXPECT_TRUE(cursorOver(0));
    EXPECT_FALSE(cursorOver(1));
    EXPECT_FALSE(cursorOver(3));
    EXPECT_TRUE(cursorOver(4));

    int nChanged = -1;
    m_pPanel->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, [&](wxBookCtrlEvent& event) { nChanged = event.GetSelection(); });
    Mouse(pTabs, wxEVT_LEFT_DOWN, pTabs->GetItemRect(4).GetPosition() + wxPoint(3, 3), true);
    EXPECT_EQ(pTabs->GetCurSel(), 4);
    EXPECT_EQ(nChanged, 4);
}
