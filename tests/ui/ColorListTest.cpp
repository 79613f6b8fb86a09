#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/listbase.h>
#include <wx/settings.h>

#include "controls/ColorListCtrl.h"
#include "tests/ui/UiTestUtil.h"

namespace {
class ColorList : public testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = new wxFrame(nullptr, wxID_ANY, "list", wxDefaultPosition, wxSize(400, 300));
        m_pList = new CColorListCtrl;
        ASSERT_TRUE(m_pList->Create(m_pFrame, 1500, wxRect(0, 0, 300, 200)));
        m_pList->InsertColumn(0, "Output", LVCFMT_LEFT, 100);
        m_pList->InsertColumn(1, "Link", LVCFMT_CENTER, 100);
        for (int i = 0; i < 6; ++i)
            m_pList->SetItemText(m_pList->InsertItem(i, wxString::Format("Out %d", i + 1)), 1, "-");
    }
    void TearDown() override
    {
        m_pFrame->Destroy();
        PumpPendingEvents();
    }

    // The colour drawn near the left edge of a cell (clear of its text).
    wxColour CellBack(int nItem, int nCol)
    {
        const wxSize size = m_pList->GetClientSize();
        wxBitmap bitmap(size);
        wxMemoryDC dc(bitmap);
        m_pList->Draw(dc);
        const wxRect rc = m_pList->GetCellRect(nItem, nCol);
        wxColour colour;
        dc.GetPixel(rc.x + 2, rc.y + rc.height / 2, &colour);
        return colour;
    }

    wxFrame* m_pFrame = nullptr;
    CColorListCtrl* m_pList = nullptr;
};
}  // namespace

TEST_F(ColorList, LaterColourOfACellWins)
{
    m_pList->SetCellColor(1, 1, *wxWHITE, wxColour(200, 0, 0));
    m_pList->SetCellColor(1, 1, *wxWHITE, wxColour(0, 0, 200));
    EXPECT_EQ(CellBack(1, 1), wxColour(0, 0, 200));
    EXPECT_EQ(CellBack(1, 0), wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    m_pList->SetRowColor(2, *wxBLACK, wxColour(0, 160, 0));
    EXPECT_EQ(CellBack(2, 0), wxColour(0, 160, 0));
    EXPECT_EQ(CellBack(2, 1), wxColour(0, 160, 0));
    m_pList->ClearColors();
    EXPECT_EQ(CellBack(1, 1), wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
}

// Entries are keyed by index: deleting item 2 drops its entries, and those of item 3 then colour
// the row that moved up to index 3 (formerly item 4).
TEST_F(ColorList, DeletingAnItemLeavesLaterEntriesOnTheirIndices)
{
    m_pList->SetRowColor(2, *wxBLACK, wxColour(200, 0, 0));
    m_pList->SetRowColor(3, *wxBLACK, wxColour(0, 0, 200));
    ASSERT_TRUE(m_pList->DeleteItem(2));
    EXPECT_EQ(m_pList->GetItemText(3, 0), "Out 5");
    EXPECT_EQ(CellBack(2, 0), wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    EXPECT_EQ(CellBack(3, 0), wxColour(0, 0, 200));
    EXPECT_FALSE(m_pList->DeleteItem(9));
    ASSERT_TRUE(m_pList->DeleteAllItems());
    EXPECT_EQ(m_pList->GetItemCount(), 0);
    m_pList->InsertItem(0, "again");
    EXPECT_EQ(CellBack(0, 0), wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
}

TEST_F(ColorList, ClickSelectsTheRowAndTellsTheParent)
{
    int nSelected = -1;
    m_pFrame->Bind(wxEVT_LIST_ITEM_SELECTED, [&](wxListEvent& event) { nSelected = static_cast<int>(event.GetIndex()); });
    m_pList->SetCellColor(4, 0, *wxBLACK, wxColour(0, 160, 0));
    const wxRect rc = m_pList->GetCellRect(4, 0);
    wxMouseEvent click(wxEVT_LEFT_DOWN);
    click.SetPosition(rc.GetPosition() + wxPoint(5, 5));
    m_pList->ProcessWindowEvent(click);
    EXPECT_EQ(nSelected, 4);
    EXPECT_EQ(m_pList->GetSelectionMark(), 4);
    EXPECT_EQ(CellBack(4, 0), wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT));
    wxKeyEvent down(wxEVT_KEY_DOWN);
    down.m_keyCode = WXK_DOWN;
    m_pList->ProcessWindowEvent(down);
    EXPECT_EQ(m_pList->GetSelectionMark(), 5);
}
