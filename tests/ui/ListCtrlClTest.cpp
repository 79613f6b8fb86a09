#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/settings.h>

#include "controls/ColorListCtrl.h"
#include "grid/ListCtrlCl.h"
#include "model/StdAfx.h"
#include "res/SkinPaint.h"
#include "tests/ui/PictureChecks.h"
#include "tests/ui/UiTestUtil.h"

namespace {
const wxColour kRed{200, 0, 0}, kBlue{0, 0, 200}, kGreen{0, 160, 0};

wxImage DrawList(CReportList& list)
{
    wxBitmap bitmap(list.GetClientSize(), 24);
    {
        wxMemoryDC dc(bitmap);
        list.Draw(dc);
    }
    return bitmap.ConvertToImage();
}

class ListCtrlCl : public testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = new wxFrame(nullptr, wxID_ANY, "list", wxDefaultPosition, wxSize(420, 300));
        m_pList = new CListCtrlCl;
        ASSERT_TRUE(m_pList->Create(m_pFrame, 1600, wxRect(0, 0, 400, 260)));
        m_pList->InsertColumn(0, "Output", LVCFMT_LEFT, 120);
        m_pList->InsertColumn(1, "Limit", LVCFMT_RIGHT, 120);
        m_pList->InsertColumn(2, "Link", LVCFMT_CENTER, 120);
        for (int i = 0; i < 8; ++i)
            m_pList->InsertItem(i, wxString::Format("CH%d", i + 1));
    }
    void TearDown() override
    {
        m_pFrame->Destroy();
        PumpPendingEvents();
        g_bChinese = 0;
    }
    wxColour CellBack(int nItem, int nCol)
    {
        const wxRect rc = m_pList->GetCellRect(nItem, nCol);
        return PixelAt(DrawList(*m_pList), rc.GetRight() - 2, rc.y + 1);
    }

    wxFrame* m_pFrame = nullptr;
    CListCtrlCl* m_pList = nullptr;
};
}  // namespace

TEST_F(ListCtrlCl, CellRecordsKeepOnlyTheLatestAndColumnRecordsTheFirst)
{
    m_pList->SetColumnBkColor(1, kGreen);
    m_pList->SetColumnBkColor(1, kRed);  // the first record of a column is found first
    EXPECT_EQ(CellBack(0, 1), kGreen);
    m_pList->SetRowBkColor(3, kBlue);
    EXPECT_EQ(CellBack(3, 0), kBlue);
    m_pList->SetCellBkColor(1, 2, kRed);  // empties the cell list, the row's records with it
    EXPECT_EQ(CellBack(2, 1), kRed);       // a cell record over a column record
    EXPECT_EQ(CellBack(3, 0), m_pList->GetBkColor());
    m_pList->SetCellBkColor(2, 5, kBlue);
    EXPECT_EQ(CellBack(2, 1), kGreen);
    EXPECT_EQ(CellBack(5, 2), kBlue);

    wxColour found;
    EXPECT_TRUE(m_pList->FindCellBkColor(2, 5, found));
    EXPECT_FALSE(m_pList->FindCellTextColor(2, 5, found));
    m_pList->SetSelectionMark(5);
    EXPECT_EQ(CellBack(5, 2), wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT));
}

TEST_F(ListCtrlCl, RowColoursCoverOnlyTheColumnsThatExist)
{
    m_pList->SetRowTextColor(1, kRed);
    m_pList->InsertColumn(3, "Late", LVCFMT_LEFT, 30);
    wxColour found;
    EXPECT_TRUE(m_pList->FindCellTextColor(2, 1, found));
    EXPECT_FALSE(m_pList->FindCellTextColor(3, 1, found));
}

TEST_F(ListCtrlCl, HeaderGradientDarkensEveryColumnAlikeAndScalesItsHeight)
{
    m_pList->SetHeaderHeightScale(1.5f);
    const int nOwn = m_pList->GetRowHeight() + 2;  // the list's own header height (row height + 2)
    EXPECT_EQ(m_pList->GetHeaderHeight(), static_cast<int>(nOwn * 1.5f));
    const wxImage image = DrawList(*m_pList);
    for (const int x : {60, 200, 390}) {  // two columns and the space right of the last
        SCOPED_TRACE(x);
        EXPECT_EQ(PixelAt(image, x, 0), wxColour(180, 179, 179));
        EXPECT_EQ(PixelAt(image, x, 10), wxColour(150, 149, 149));
    }
    m_pList->SetHeaderHeightScale(4.0f);
    const wxImage tall = DrawList(*m_pList);
    EXPECT_EQ(PixelAt(tall, 60, 59), wxColour(3, 2, 2));
    EXPECT_EQ(PixelAt(tall, 60, 60), wxColour(0, 0, 0));  // black from the 61st line on
}

TEST_F(ListCtrlCl, RowHeightAndSwallowedKeys)
{
    const int nOwn = m_pList->GetRowHeight();
    m_pList->SetRowHeight(30);
    EXPECT_EQ(m_pList->GetCellRect(1, 0).height, 30);
    m_pList->SetRowHeight(0);
    EXPECT_EQ(m_pList->GetRowHeight(), nOwn);

    m_pList->SetSelectionMark(4);
    for (const int nKey : {WXK_DOWN, WXK_UP, WXK_HOME, WXK_END, WXK_PAGEDOWN, WXK_TAB}) {
        wxKeyEvent key(wxEVT_KEY_DOWN);
        key.m_keyCode = nKey;
        m_pList->ProcessWindowEvent(key);
    }
    EXPECT_EQ(m_pList->GetSelectionMark(), 4);
    wxKeyEvent pageUp(wxEVT_KEY_DOWN);
    pageUp.m_keyCode = WXK_PAGEUP;
    m_pList->ProcessWindowEvent(pageUp);
    EXPECT_EQ(m_pList->GetSelectionMark(), 0);
}

// Both lists in both languages, for a person to look at. Each shows its rows' and cells' own
// colours where they belong and the selected row highlighted; the headings are drawn in their
// colour in each language.
TEST_F(ListCtrlCl, Screenshots)
{
    auto* pColor = new CColorListCtrl;
    ASSERT_TRUE(pColor->Create(m_pFrame, 1601, wxRect(0, 0, 300, 140)));
    const wxColour highlight = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT);
    wxImage lists[2];
    wxRect rcHeading;
    for (const bool bChinese : {false, true}) {
        SCOPED_TRACE(bChinese ? "Chinese" : "English");
        g_bChinese = bChinese;
        const char* heads[] = {"通道", "限幅", "联动"};
        const char* headsEn[] = {"Output", "Limit", "Link"};
        CListCtrlCl* pList = new CListCtrlCl;
        pList->Create(m_pFrame, 1602, wxRect(0, 0, 360, 200));
        for (int i = 0; i < 3; ++i)
            pList->InsertColumn(i, wxString::FromUTF8(bChinese ? heads[i] : headsEn[i]), i == 0 ? LVCFMT_LEFT : LVCFMT_CENTER, 120);
        pList->SetHeaderHeightScale(1.5f);
        pList->SetHeaderTextColor(skin::kDialogText);
        for (int i = 0; i < 8; ++i) {
            pList->InsertItem(i, wxString::FromUTF8(bChinese ? "输出 " : "Output ") + wxString::Format("%d", i + 1));
            pList->SetItemText(i, 1, "-6.0 dB");
            pList->SetItemText(i, 2, i % 2 ? wxString::FromUTF8(bChinese ? "是" : "Yes") : wxString("-"));
        }
        pList->SetRowBkColor(2, skin::kFocus);
        pList->SetRowBkColor(3, skin::kFocus);
        pList->SetSelectionMark(5);
        const wxImage& list = lists[bChinese] = DrawList(*pList);
        EXPECT_TRUE(SaveScreenshot(list, bChinese ? "list_ctrl_cl_cn" : "list_ctrl_cl_en"));
        rcHeading = pList->GetHeaderItemRect(0);
        EXPECT_TRUE(ShowsTextIn(list, rcHeading, skin::kDialogText, 40, 1));
        EXPECT_TRUE(ShowsColour(list, pList->GetCellRect(3, 1), skin::kFocus, 0));
        EXPECT_TRUE(ShowsColour(list, pList->GetCellRect(5, 1), highlight, 0));
        EXPECT_FALSE(ShowsColour(list, pList->GetCellRect(4, 1), skin::kFocus, 0));
        pList->Destroy();

        pColor->DeleteAllItems();
        if (pColor->GetColumnCount() == 0) {
            pColor->InsertColumn(0, "Name", LVCFMT_LEFT, 140);
            pColor->InsertColumn(1, "Value", LVCFMT_LEFT, 140);
        }
        for (int i = 0; i < 5; ++i) {
            pColor->InsertItem(i, wxString::FromUTF8(bChinese ? "参数 " : "Item ") + wxString::Format("%d", i + 1));
            pColor->SetItemText(i, 1, wxString::Format("%d", i * 10));
        }
        pColor->SetCellColor(1, 1, *wxWHITE, skin::kWarning);
        pColor->SetRowColor(3, *wxWHITE, skin::kTeal);
        const wxImage colours = DrawList(*pColor);
        EXPECT_TRUE(SaveScreenshot(colours, bChinese ? "color_list_cn" : "color_list_en"));
        EXPECT_TRUE(ShowsColour(colours, pColor->GetCellRect(1, 1), skin::kWarning, 0));
        EXPECT_FALSE(ShowsColour(colours, pColor->GetCellRect(1, 0), skin::kWarning, 0));
        EXPECT_TRUE(ShowsColour(colours, pColor->GetCellRect(3, 0), skin::kTeal, 0));
        EXPECT_TRUE(ShowsTextIn(colours, pColor->GetCellRect(3, 0), *wxWHITE, 40, 1));
    }
    EXPECT_TRUE(DifferIn(lists[0], lists[1], rcHeading));
}
