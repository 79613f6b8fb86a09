#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>

#include <vector>

#include "controls/DropBtn.h"
#include "controls/WndMessages.h"
#include "platform/MessageIds.h"
#include "tests/ui/UiTestUtil.h"

namespace {
class DropList : public testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = new wxFrame(nullptr, wxID_ANY, "drop list", wxPoint(50, 50), wxSize(300, 300));
        m_pOwner = new wxWindow(m_pFrame, wxID_ANY, wxPoint(10, 10), wxSize(80, 22));
        m_pFrame->Show();
        BindMessage(m_pOwner, WM_DROPLIST_SELECT, [this](WPARAM wParam, LPARAM) {
            m_chosen.push_back(static_cast<int>(wParam));
            return LRESULT(1);
        });
        m_pPopup = new CDropListWnd(m_pOwner);
        m_pList = m_pPopup->GetListBox();
        m_pList->SetListFont(wxFont(wxFontInfo(wxSize(0, 14)).FaceName("Liberation Sans")));
        m_pList->AddString("LR");
        m_pList->AddGroupString(2, "Slopes", *wxWHITE, *wxWHITE);
        m_pList->AddGroupString(2, "12 dB", *wxWHITE, *wxWHITE);
        m_pPopup->SetSize(m_pOwner->ClientToScreen(wxPoint(0, 21)).x, m_pOwner->ClientToScreen(wxPoint(0, 21)).y,
                          80, 3 * m_pList->GetItemHeight());
        m_pPopup->Show();
    }
    void TearDown() override
    {
        m_pFrame->Destroy();
        PumpPendingEvents();
    }
    void Click(int nItem, wxPoint offset = {})
    {
        wxMouseEvent click(wxEVT_LEFT_DOWN);
        click.SetPosition(wxPoint(20, nItem * m_pList->GetItemHeight() + 3) + offset);
        m_pList->ProcessWindowEvent(click);
    }

    wxFrame* m_pFrame = nullptr;
    wxWindow* m_pOwner = nullptr;
    CDropListWnd* m_pPopup = nullptr;
    CDropListBox* m_pList = nullptr;
    std::vector<int> m_chosen;
};
}  // namespace

TEST_F(DropList, ClickOnAnItemClosesThePopupAndTellsTheOwner)
{
    ASSERT_TRUE(m_pPopup->IsDropped());
    Click(2);
    EXPECT_FALSE(m_pPopup->IsDropped());
    EXPECT_EQ(m_chosen, std::vector<int>{2});
}

TEST_F(DropList, ClickOnAHeaderLeavesThePopupOpenAndSendsNothing)
{
    Click(1);
    EXPECT_TRUE(m_pPopup->IsDropped());
    EXPECT_TRUE(m_chosen.empty());
}

TEST_F(DropList, ChangeAwayFromThePopupRestoresTheRememberedSelection)
{
    m_pList->SetPrevSel(0);
    m_pList->SetSelection(2);
    m_pPopup->OnSelChange(m_pPopup->GetScreenRect().GetBottomRight() + wxPoint(40, 40));
    EXPECT_FALSE(m_pPopup->IsDropped());
    EXPECT_TRUE(m_chosen.empty());
    EXPECT_EQ(m_pList->GetSelection(), 0);
}

TEST_F(DropList, ItemUnderTheMouseIsDrawnTealWithoutNotifying)
{
    wxMouseEvent move(wxEVT_MOTION);
    move.SetPosition(wxPoint(20, 2 * m_pList->GetItemHeight() + 3));
    m_pList->ProcessWindowEvent(move);
    EXPECT_EQ(m_pList->GetSelection(), 2);
    EXPECT_TRUE(m_chosen.empty());

    wxBitmap bitmap(m_pList->GetClientSize());
    wxMemoryDC dc(bitmap);
    m_pList->Draw(dc);
    const int h = m_pList->GetItemHeight();
    wxColour colour;
    dc.GetPixel(2, 2 * h + h / 2, &colour);
    EXPECT_EQ(colour, wxColour(13, 133, 138));
    dc.GetPixel(2, h / 2, &colour);
    EXPECT_EQ(colour, wxColour(27, 34, 50));
    // The header's rule: a line in its text colour right of its bold text.
    dc.GetPixel(m_pList->GetClientSize().GetWidth() - 4, h + h / 2, &colour);
    EXPECT_EQ(colour, *wxWHITE);
}
