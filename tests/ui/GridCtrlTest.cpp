// The grid's window: what it draws, how its scroll bars follow the grid, and how keys, scroll
// requests and the wheel reach the rules; with screenshots of a 7 x 2 grid and of a large grid
// scrolled to its middle in the build folder's screenshots/.
#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/settings.h>

#include <string>
#include <vector>

#include "controls/WndMessages.h"
#include "controls/ControlIds.h"
#include "grid/GridCtrl.h"
#include "model/StdAfx.h"
#include "platform/MessageIds.h"
#include "platform/SettingsStore.h"
#include "res/Fonts.h"
#include "tests/ui/PictureChecks.h"
#include "tests/ui/UiTestUtil.h"

namespace {
wxColour System(wxSystemColour index)
{
    const wxColour c = wxSystemSettings::GetColour(index);
    return {c.Red(), c.Green(), c.Blue()};
}

wxColour Colour(COLORREF cr)
{
    return {static_cast<unsigned char>(RedOf(cr)), static_cast<unsigned char>(GreenOf(cr)),
            static_cast<unsigned char>(BlueOf(cr))};
}

// Where a cell of the grid lies in a picture of its top-level window.
wxRect CellInCapture(const CGridCtrl& grid, const wxTopLevelWindow& top, int nRow, int nCol)
{
    Rect rc;
    EXPECT_TRUE(grid.GetCellRect(nRow, nCol, rc));
    return RectInCapture(grid, top, wxRect(rc.left, rc.top, rc.Width() + 1, rc.Height() + 1));
}

// The grid drawn through its OnDraw into a bitmap of its client size.
wxImage DrawGrid(CGridCtrl& grid)
{
    const wxSize size = grid.GetClientSize();
    wxBitmap bmp(size.x, size.y, 24);
    {
        wxMemoryDC dc(bmp);
        grid.OnDraw(dc);
    }
    return bmp.ConvertToImage();
}

struct Notified {
    int nCtrlId;
    int nRow;
    int nCol;
    int nCode;
    friend bool operator==(const Notified&, const Notified&) = default;
};

class GridCtrlTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = new wxFrame(nullptr, wxID_ANY, "grid", wxPoint(20, 20), wxSize(560, 420));
        m_pPanel = new wxPanel(m_pFrame, wxID_ANY, wxPoint(0, 0), wxSize(560, 420));
        m_pPanel->SetBackgroundColour(wxColour(227, 228, 238));
        BindMessage(m_pPanel, WM_NOTIFY, [this](WPARAM wParam, LPARAM lParam) {
            const auto* pNotify = reinterpret_cast<const GridNotify*>(lParam);
            m_notes.push_back({int(wParam), pNotify->iRow, pNotify->iColumn, pNotify->hdr.code});
            return LRESULT(0);
        });
    }
    void TearDown() override
    {
        m_pFrame->Destroy();
        PumpPendingEvents();
    }

    CGridCtrl* MakeGrid(int nRows, int nCols, int nFixedRows, int nFixedCols, const wxRect& rc)
    {
        auto* pGrid = new CGridCtrl(nRows, nCols, nFixedRows, nFixedCols);
        EXPECT_TRUE(pGrid->Create(rc, m_pPanel, 2724));
        return pGrid;
    }

    static void Key(CGridCtrl* pGrid, int nKey, bool bCtrl = false)
    {
        wxKeyEvent event(wxEVT_KEY_DOWN);
        event.m_keyCode = nKey;
        event.SetControlDown(bCtrl);
        event.SetEventObject(pGrid);
        pGrid->GetEventHandler()->ProcessEvent(event);
    }
    static void Scroll(CGridCtrl* pGrid, wxEventType type, int nOrient, int nPos = 0)
    {
        wxScrollWinEvent event(type, nPos, nOrient);
        event.SetEventObject(pGrid);
        pGrid->GetEventHandler()->ProcessEvent(event);
    }

    wxFrame* m_pFrame = nullptr;
    wxPanel* m_pPanel = nullptr;
    std::vector<Notified> m_notes;
};

// The stored-preset manager's layout: numbers and names of six presets.
CGridCtrl* LayOutPresets(CGridCtrl* pGrid)
{
    pGrid->SetFont(MakeFont("Arial", 16, 400));
    pGrid->SetColumnWidth(1, 262);
    pGrid->SetRowResize(false);
    pGrid->SetSingleRowSelection(true);
    pGrid->SetEditable(false);
    const char* names[] = {"Rock", "流行音乐", "", "Jazz club with a very long name", "Live", "Talk"};
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 2; ++c) {
            GridItem item;
            item.row = r;
            item.col = c;
            item.mask = ITEM_TEXT | ITEM_FORMAT;
            item.nFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
            item.strText = r == 0 ? (c == 0 ? "No." : "Name") : c == 0 ? std::to_string(r) : names[r - 1];
            pGrid->SetItem(item);
        }
    pGrid->SetSelectedRange(1, 0, 1, 1);
    pGrid->SetGridLineColour(ColorRef(51, 153, 255));
    pGrid->SetFocusCell(1, 1);
    return pGrid;
}
}  // namespace

TEST_F(GridCtrlTest, SevenByTwoPresetGridDrawsHeadingsLinesAndTheSelectedRow)
{
    CGridCtrl* pGrid = MakeGrid(7, 2, 1, 1, wxRect(10, 10, 300, 200));
    LayOutPresets(pGrid);
    const int nRowHeight = pGrid->GetRowHeight(1);
    const int w = pGrid->GetFixedColumnWidth();
    pGrid->SetSize(wxSize(w + 262 + 2, 7 * nRowHeight + 2));
    m_pFrame->Show();
    // The picture shows the grid's lines in their colour, the selected row highlighted and a
    // name inside its cell in the grid's text colour.
    const wxImage shot = CaptureWindow(*m_pFrame);
    EXPECT_TRUE(SaveScreenshot(shot, "grid_7x2"));
    EXPECT_TRUE(ShowsColour(shot, RectInCapture(*pGrid, *m_pFrame), Colour(pGrid->GetGridLineColour()), 0));
    EXPECT_TRUE(ShowsColour(shot, CellInCapture(*pGrid, *m_pFrame, 1, 1), System(wxSYS_COLOUR_HIGHLIGHT), 0));
    EXPECT_FALSE(ShowsColour(shot, CellInCapture(*pGrid, *m_pFrame, 2, 1), System(wxSYS_COLOUR_HIGHLIGHT), 0));
    EXPECT_TRUE(ShowsTextIn(shot, CellInCapture(*pGrid, *m_pFrame, 2, 1), Colour(pGrid->GetTextColour()), 64, 1));

    const wxImage image = DrawGrid(*pGrid);
    const int h = pGrid->GetFixedRowHeight();
    EXPECT_EQ(PixelAt(image, w + 20, h + nRowHeight - 1), wxColour(51, 153, 255));  // horizontal line
    EXPECT_EQ(PixelAt(image, w + 261, h + 5), wxColour(51, 153, 255));               // vertical line
    EXPECT_EQ(PixelAt(image, w + 3, h + 3), System(wxSYS_COLOUR_HIGHLIGHT));        // the focus row, selected
    EXPECT_EQ(PixelAt(image, w + 3, h + nRowHeight + 3), System(wxSYS_COLOUR_WINDOW));
    EXPECT_EQ(PixelAt(image, w + 10, 5), System(wxSYS_COLOUR_3DFACE));              // a heading
    // The heading of the focus column is sunken: its top edge is dark, the other heading's light.
    EXPECT_EQ(PixelAt(image, w + 10, 0), System(wxSYS_COLOUR_3DDKSHADOW));
    EXPECT_EQ(PixelAt(image, 10, 0), System(wxSYS_COLOUR_3DHIGHLIGHT));
}

TEST_F(GridCtrlTest, LargeGridScrolledToItsMiddle)
{
    auto* pGrid = new CGridCtrl(10000, 20, 1, 1);
    for (int r = 0; r < 10000; ++r)
        for (int c = 0; c < 20; ++c)
            pGrid->SetItemText(r, c, r == 0 ? "C" + std::to_string(c) : c == 0 ? std::to_string(r) : "R" + std::to_string(r) + "C" + std::to_string(c));
    ASSERT_TRUE(pGrid->Create(wxRect(0, 0, 540, 400), m_pPanel, 2724));
    m_pFrame->Show();
    ASSERT_TRUE(SettleShown(*m_pFrame));
    const CGridScrollBar& bar = pGrid->GetScrollBar(SB_VERT);
    Scroll(pGrid, wxEVT_SCROLLWIN_THUMBTRACK, wxVERTICAL, bar.GetMax() / 2);
    Scroll(pGrid, wxEVT_SCROLLWIN_THUMBRELEASE, wxVERTICAL, bar.GetMax() / 2);
    const int nTop = pGrid->GetTopLeftScrollCell().row;
    EXPECT_NEAR(nTop, 5000, 10);
    EXPECT_EQ(pGrid->GetScrollPos(wxVERTICAL), bar.GetPos());
    EXPECT_EQ(pGrid->GetScrollRange(wxVERTICAL), bar.GetMax() + 1);
    EXPECT_EQ(pGrid->GetScrollThumb(wxVERTICAL), bar.GetPage());
    // The picture shows the grid drawn and the text of the top row in view inside its first cell,
    // in the grid's text colour.
    const wxImage shot = CaptureWindow(*m_pFrame);
    EXPECT_TRUE(SaveScreenshot(shot, "grid_large_middle"));
    EXPECT_TRUE(IsDrawn(shot, RectInCapture(*pGrid, *m_pFrame)));
    EXPECT_TRUE(ShowsTextIn(shot, CellInCapture(*pGrid, *m_pFrame, nTop, 1), Colour(pGrid->GetTextColour()), 64, 1));
}

TEST_F(GridCtrlTest, ScrollBarsFollowTheGridAndGoWhenAllFits)
{
    CGridCtrl* pGrid = MakeGrid(40, 8, 1, 1, wxRect(0, 0, 300, 200));
    m_pFrame->Show();
    ASSERT_TRUE(SettleShown(*m_pFrame));
    Scroll(pGrid, wxEVT_SCROLLWIN_LINEDOWN, wxVERTICAL);
    Scroll(pGrid, wxEVT_SCROLLWIN_LINEDOWN, wxHORIZONTAL);
    EXPECT_EQ(pGrid->GetScrollPosition(SB_VERT), pGrid->GetRowHeight(1));
    EXPECT_EQ(pGrid->GetScrollPosition(SB_HORZ), pGrid->GetColumnWidth(1));
    EXPECT_EQ(pGrid->GetScrollPos(wxVERTICAL), pGrid->GetScrollPosition(SB_VERT));
    EXPECT_EQ(pGrid->GetScrollPos(wxHORIZONTAL), pGrid->GetScrollPosition(SB_HORZ));
    Scroll(pGrid, wxEVT_SCROLLWIN_BOTTOM, wxVERTICAL);
    EXPECT_EQ(pGrid->GetScrollPos(wxVERTICAL), pGrid->GetScrollBar(SB_VERT).GetLimit());
    EXPECT_EQ(pGrid->GetFullyVisibleCellRange().GetMaxRow(), 39);
    pGrid->SetRowCount(3);
    pGrid->SetColumnCount(2);
    EXPECT_EQ(pGrid->GetScrollBar(SB_VERT).GetMax(), 0);
    EXPECT_GE(pGrid->GetScrollThumb(wxVERTICAL), pGrid->GetScrollRange(wxVERTICAL));  // nothing to scroll
}

TEST_F(GridCtrlTest, KeysMoveTheFocusAndTheOwnerHearsOfIt)
{
    CGridCtrl* pGrid = MakeGrid(5, 4, 1, 1, wxRect(0, 0, 400, 200));
    pGrid->SetItemText(2, 1, "Rock");
    pGrid->SetFocusCell(1, 1);
    Key(pGrid, WXK_DOWN);
    EXPECT_EQ(pGrid->GetFocusCell(), CGridCellPos(2, 1));
    Key(pGrid, WXK_DELETE);
    EXPECT_EQ(pGrid->GetItemText(2, 1), "");
    Key(pGrid, WXK_TAB);
    EXPECT_EQ(pGrid->GetFocusCell(), CGridCellPos(2, 2));
    EXPECT_EQ(m_notes, (std::vector<Notified>{{2724, 1, 1, GRIDN_FOCUS_CHANGED},
                                              {2724, 1, 1, GRIDN_FOCUS_CHANGING},
                                              {2724, 2, 1, GRIDN_CELL_CLEARED},
                                              {2724, 2, 1, GRIDN_FOCUS_CHANGING}}));
    Key(pGrid, 'A', true);
    EXPECT_EQ(pGrid->GetSelectedRange(), CGridCellRange(1, 1, 4, 3));
    Key(pGrid, WXK_END);
    EXPECT_EQ(pGrid->GetFocusCell(), CGridCellPos(4, 2));
}

TEST_F(GridCtrlTest, TheWheelScrollsTheLinesTheSettingsGive)
{
    Settings().WriteString("Control Panel/Desktop", "WheelScrollLines", "2");
    CGridCtrl* pGrid = MakeGrid(40, 3, 1, 1, wxRect(0, 0, 300, 200));
    Settings().DeleteValue("Control Panel/Desktop", "WheelScrollLines");
    EXPECT_EQ(pGrid->GetWheelLines(), 2);
    m_pFrame->Show();
    ASSERT_TRUE(SettleShown(*m_pFrame));
    wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
    wheel.m_wheelRotation = -120;
    wheel.m_wheelDelta = 120;
    wheel.m_wheelAxis = wxMOUSE_WHEEL_VERTICAL;
    pGrid->GetEventHandler()->ProcessEvent(wheel);
    EXPECT_EQ(pGrid->GetScrollPosition(SB_VERT), 2 * pGrid->GetRowHeight(1));
    EXPECT_EQ(pGrid->GetScrollPos(wxVERTICAL), 2 * pGrid->GetRowHeight(1));
}

TEST_F(GridCtrlTest, AFontSetsTheDefaultSizesAndEveryCellsFont)
{
    CGridCtrl* pGrid = MakeGrid(3, 2, 1, 1, wxRect(0, 0, 300, 200));
    const int nOldHeight = pGrid->GetRowHeight(1);
    pGrid->SetFont(MakeFont("Arial", 24, 700));
    const GridFont& font = pGrid->GetFontDescription();
    EXPECT_EQ(*pGrid->GetItemFont(2, 1), font);
    EXPECT_GT(pGrid->GetMargin(), 0);
    EXPECT_GE(pGrid->GetDefaultRowHeight(), 24 + 2 * pGrid->GetMargin());
    EXPECT_EQ(pGrid->GetRowHeight(1), nOldHeight);
    pGrid->SetRowCount(4);
    EXPECT_EQ(pGrid->GetRowHeight(3), pGrid->GetDefaultRowHeight());
}

TEST_F(GridCtrlTest, FocusLooksAndTheSamePictureWithoutDoubleBuffering)
{
    CGridCtrl* pGrid = MakeGrid(4, 3, 1, 1, wxRect(0, 0, 300, 150));
    pGrid->SetFocusCell(2, 2);
    Rect rc;
    ASSERT_TRUE(pGrid->GetCellRect(2, 2, rc));
    wxImage image = DrawGrid(*pGrid);
    EXPECT_EQ(PixelAt(image, rc.left, rc.top + 5), *wxBLACK);  // the focus frame of an editable grid
    EXPECT_EQ(PixelAt(image, rc.left + 3, rc.top + 3), System(wxSYS_COLOUR_WINDOW));
    pGrid->SetItemBackColour(1, 1, ColorRef(200, 10, 10));
    ASSERT_TRUE(pGrid->GetCellRect(1, 1, rc));
    image = DrawGrid(*pGrid);
    EXPECT_EQ(PixelAt(image, rc.left + 3, rc.top + 3), wxColour(200, 10, 10));

    m_pFrame->Show();
    const wxImage buffered = CaptureWindow(*m_pFrame);
    EXPECT_TRUE(ShowsColour(buffered, CellInCapture(*pGrid, *m_pFrame, 1, 1), wxColour(200, 10, 10), 0));
    pGrid->SetDoubleBuffering(false);
    pGrid->Refresh();
    const wxImage direct = CaptureWindow(*m_pFrame);
    ASSERT_EQ(buffered.GetSize(), direct.GetSize());
    EXPECT_EQ(0, memcmp(buffered.GetData(), direct.GetData(), size_t(buffered.GetWidth()) * buffered.GetHeight() * 3));
}

TEST_F(GridCtrlTest, DragImageIsTheFocusCell)
{
    CGridCtrl* pGrid = MakeGrid(4, 3, 1, 1, wxRect(0, 0, 300, 150));
    wxPoint hot;
    EXPECT_FALSE(pGrid->CreateDragImage(&hot).IsOk());
    pGrid->SetFocusCell(1, 1);
    const wxBitmap bmp = pGrid->CreateDragImage(&hot);
    ASSERT_TRUE(bmp.IsOk());
    EXPECT_EQ(bmp.GetWidth(), pGrid->GetColumnWidth(1));
    EXPECT_EQ(hot, wxPoint(pGrid->GetColumnWidth(1) - 1, pGrid->GetRowHeight(1) - 1));
}

TEST_F(GridCtrlTest, PresetMenuIsInTheLanguageOfTheGridsMaking)
{
    const char* const expected[2][3] = {
        {"Load Machine Preset(&E)", "Save As Machine Preset(&I)", "Delete Machine Preset(&D)"},
        {"加载 机器预置场景(&E)", "另存为 机器预置场景(&I)", "删除 机器预置场景(&D)"}};
    for (const int nChinese : {0, 1}) {
        g_bChinese = nChinese;
        CGridCtrl* pGrid = MakeGrid(7, 2, 1, 1, wxRect(0, 0, 300, 200));
        g_bChinese = 0;
        wxMenu& menu = pGrid->GetPresetMenu();
        ASSERT_EQ(menu.GetMenuItemCount(), 3u);
        const int ids[] = {714, 713, 715};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(menu.FindItemByPosition(i)->GetId(), WxId(ids[i]));
            EXPECT_EQ(menu.FindItemByPosition(i)->GetItemLabel(), wxString::FromUTF8(expected[nChinese][i]));
        }
    }
}

namespace {
void Mouse(wxWindow* pWnd, wxEventType type, const wxPoint& pt, bool bLeftDown = false)
{
    wxMouseEvent event(type);
    event.SetPosition(pt);
    event.SetLeftDown(bLeftDown);
    event.SetEventObject(pWnd);
    pWnd->GetEventHandler()->ProcessEvent(event);
}

wxPoint InCell(const CGridCtrl& grid, int nRow, int nCol)
{
    Rect rc;
    EXPECT_TRUE(grid.GetCellRect(nRow, nCol, rc));
    return {rc.left + 5, rc.top + 5};
}
}  // namespace

TEST_F(GridCtrlTest, ARightClickSelectsTheRowAndTheChosenCommandReachesTheOwner)
{
    CGridCtrl* pGrid = LayOutPresets(MakeGrid(7, 2, 1, 1, wxRect(10, 10, 300, 200)));
    m_pFrame->Show();
    ASSERT_TRUE(SettleShown(*m_pFrame));
    struct Heard {
        CGridCellPos menuCell;
        CGridCellRange selected;
    };
    std::vector<Heard> heard;
    m_pPanel->Bind(
        wxEVT_MENU, [&](wxCommandEvent&) { heard.push_back({pGrid->GetMenuCell(), pGrid->GetSelectedRange()}); },
        WxId(713));
    wxWindow* pOwner = nullptr;
    wxString strDelete;
    pGrid->SetPopupHandler([&](wxMenu& menu, wxWindow& owner, const wxPoint&) {
        pOwner = &owner;
        strDelete = menu.GetLabel(WxId(715));
        // The user picks "Save As Machine Preset".
        wxCommandEvent chosen(wxEVT_MENU, WxId(713));
        owner.ProcessWindowEvent(chosen);
    });

    Mouse(pGrid, wxEVT_RIGHT_DOWN, InCell(*pGrid, 3, 0));
    EXPECT_EQ(pOwner, m_pPanel);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].menuCell, CGridCellPos(3, 0));
    EXPECT_EQ(heard[0].selected, CGridCellRange(3, 1, 3, 1));
    EXPECT_EQ(pGrid->GetFocusCell(), CGridCellPos());
    EXPECT_EQ(strDelete, "Delete Machine Preset(&D)");
    EXPECT_EQ(pGrid->GetMouseMode(), MOUSE_NONE);

    // The delete command reads in the language of the moment the menu opens.
    g_bChinese = 1;
    Mouse(pGrid, wxEVT_RIGHT_DOWN, InCell(*pGrid, 5, 1));
    g_bChinese = 0;
    EXPECT_EQ(strDelete, wxString::FromUTF8("删除 机器预置场景(&D)"));
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[1].menuCell, CGridCellPos(5, 1));

    // The heading row opens no menu.
    Mouse(pGrid, wxEVT_RIGHT_DOWN, InCell(*pGrid, 0, 1));
    EXPECT_EQ(heard.size(), 2u);
}

TEST_F(GridCtrlTest, ClicksAndDoubleClicksReachTheGridAndItsOwner)
{
    CGridCtrl* pGrid = LayOutPresets(MakeGrid(7, 2, 1, 1, wxRect(10, 10, 300, 200)));
    m_pFrame->Show();
    ASSERT_TRUE(SettleShown(*m_pFrame));
    int nClicks = 0;
    m_pPanel->Bind(wxEVT_BUTTON, [&](wxCommandEvent& event) { nClicks += event.GetId() == WxId(2724); });
    m_notes.clear();
    const wxPoint pt = InCell(*pGrid, 4, 0);
    Mouse(pGrid, wxEVT_LEFT_DOWN, pt, true);
    EXPECT_EQ(pGrid->GetFocusCell(), CGridCellPos(4, 1));
    Mouse(pGrid, wxEVT_LEFT_UP, pt);
    Mouse(pGrid, wxEVT_LEFT_DCLICK, pt, true);
    Mouse(pGrid, wxEVT_LEFT_UP, pt);
    PumpPendingEvents();
    EXPECT_EQ(nClicks, 2);
    EXPECT_EQ(m_notes.back(), (Notified{2724, 4, 0, NM_DBLCLK}));
    EXPECT_FALSE(pGrid->HasCapture());
}

TEST_F(GridCtrlTest, TheTitleTipShowsACutOffTextOverItsCell)
{
    CGridCtrl* pGrid = LayOutPresets(MakeGrid(7, 2, 1, 1, wxRect(10, 10, 300, 200)));
    pGrid->SetColumnWidth(1, 120);
    m_pFrame->Show();
    ASSERT_TRUE(SettleShown(*m_pFrame));
    CTitleTip* pTip = pGrid->GetTitleTip();
    ASSERT_NE(pTip, nullptr);
    EXPECT_FALSE(pTip->IsShown());

    Mouse(pGrid, wxEVT_MOTION, InCell(*pGrid, 1, 1));  // "Rock" fits
    EXPECT_FALSE(pTip->IsShown());
    Mouse(pGrid, wxEVT_MOTION, InCell(*pGrid, 4, 1));
    ASSERT_TRUE(pTip->IsShown());
    EXPECT_EQ(pTip->GetText(), "Jazz club with a very long name");
    Rect rc;
    ASSERT_TRUE(pGrid->GetCellRect(4, 1, rc));
    const wxRect rcTip = pTip->GetScreenRect();
    const wxPoint cellOnScreen = pGrid->ClientToScreen(wxPoint(rc.left, rc.top));
    EXPECT_EQ(rcTip.GetTop(), cellOnScreen.y);
    EXPECT_EQ(rcTip.GetLeft(), cellOnScreen.x + pGrid->GetMargin());
    EXPECT_GT(rcTip.GetWidth(), rc.right - rc.left + 1);

    // The pointer leaving the tip hides it; so does a press on it, which reaches the grid.
    Mouse(pTip, wxEVT_LEAVE_WINDOW, wxPoint(-5, -5));
    EXPECT_FALSE(pTip->IsShown());
    Mouse(pGrid, wxEVT_MOTION, InCell(*pGrid, 4, 1));
    ASSERT_TRUE(pTip->IsShown());
    Mouse(pTip, wxEVT_LEFT_DOWN, wxPoint(5, 5), true);
    EXPECT_FALSE(pTip->IsShown());
    EXPECT_EQ(pGrid->GetFocusCell(), CGridCellPos(4, 1));
    Mouse(pGrid, wxEVT_LEFT_UP, InCell(*pGrid, 4, 1));

    // Off for a grid made without title tips.
    auto* pPlain = new CGridCtrl(3, 2, 1, 1);
    pPlain->EnableTitleTips(false);
    ASSERT_TRUE(pPlain->Create(wxRect(10, 220, 200, 80), m_pPanel, 2725));
    EXPECT_EQ(pPlain->GetTitleTip(), nullptr);
}
