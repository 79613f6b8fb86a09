// Editing cells of an editable grid in place: typing or a double click opens an editor over the
// cell, Enter, Escape and the arrows end it, the owner hears the begin and the end, and a column
// with options edits in a list of them and takes no other text.
#include <gtest/gtest.h>
#include <wx/combobox.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include <vector>

#include "controls/ControlIds.h"
#include "controls/WndMessages.h"
#include "grid/ComboGridCtrl.h"
#include "grid/InPlaceEdit.h"
#include "platform/MessageIds.h"
#include "res/Fonts.h"
#include "tests/ui/UiTestUtil.h"

namespace {
struct Heard {
    int nRow;
    int nCol;
    int nCode;
    friend bool operator==(const Heard&, const Heard&) = default;
};

class GridEditTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = new wxFrame(nullptr, wxID_ANY, "grid", wxPoint(20, 20), wxSize(500, 300));
        m_pPanel = new wxPanel(m_pFrame, wxID_ANY, wxPoint(0, 0), wxSize(500, 300));
        BindMessage(m_pPanel, WM_NOTIFY, [this](WPARAM, LPARAM lParam) {
            const auto* pNotify = reinterpret_cast<const GridNotify*>(lParam);
            if (pNotify->hdr.code == GRIDN_BEGIN_EDIT || pNotify->hdr.code == GRIDN_END_EDIT)
                m_heard.push_back({pNotify->iRow, pNotify->iColumn, pNotify->hdr.code});
            return LRESULT(0);
        });
    }
    void TearDown() override
    {
        m_pFrame->Destroy();
        PumpPendingEvents();
    }

    template <typename Grid>
    Grid* Make(Grid* pGrid)
    {
        EXPECT_TRUE(pGrid->Create(wxRect(10, 10, 460, 200), m_pPanel, 2724));
        pGrid->SetFont(MakeFont("Arial", 16, 400));
        pGrid->SetRowCount(5);
        pGrid->SetColumnCount(4);
        pGrid->SetFixedRowCount(1);
        pGrid->SetFixedColumnCount(1);
        for (int c = 0; c < 4; ++c)
            pGrid->SetColumnWidth(c, 100);
        m_pFrame->Show();
        EXPECT_TRUE(SettleShown(*m_pFrame));
        return pGrid;
    }

    // The editor open over the grid's cell, if any (a closed one goes with the next events).
    template <typename Editor>
    Editor* Open(CGridCtrl* pGrid)
    {
        PumpPendingEvents();
        for (wxWindow* pChild : pGrid->GetChildren())
            if (auto* pEditor = dynamic_cast<Editor*>(pChild); pEditor != nullptr && !pChild->IsBeingDeleted())
                return pEditor;
        return nullptr;
    }

    static void Type(wxWindow* pWnd, int nChar)
    {
        wxKeyEvent event(wxEVT_CHAR);
        event.m_keyCode = nChar;
        event.m_uniChar = nChar;
        event.SetEventObject(pWnd);
        pWnd->GetEventHandler()->ProcessEvent(event);
    }
    static void Press(wxWindow* pWnd, int nKey, bool bCtrl = false)
    {
        wxKeyEvent event(wxEVT_CHAR_HOOK);
        event.m_keyCode = nKey;
        event.SetControlDown(bCtrl);
        event.SetEventObject(pWnd);
        pWnd->GetEventHandler()->ProcessEvent(event);
        PumpPendingEvents();
    }

    wxFrame* m_pFrame = nullptr;
    wxPanel* m_pPanel = nullptr;
    std::vector<Heard> m_heard;
};
}  // namespace

TEST_F(GridEditTest, TypingOpensAnEditorThatEnterAndEscapeEnd)
{
    CGridCtrl* pGrid = Make(new CGridCtrl);
    pGrid->SetItemText(2, 2, "Rock");
    pGrid->SetFocusCell(2, 2);
    Type(pGrid, 'J');
    auto* pEdit = Open<CInPlaceEdit>(pGrid);
    ASSERT_NE(pEdit, nullptr);
    EXPECT_EQ(pEdit->GetValue(), "J");  // the typed character replaces the old text
    Rect rc;
    ASSERT_TRUE(pGrid->GetCellRect(2, 2, rc));
    EXPECT_EQ(pEdit->GetPosition(), wxPoint(rc.left, rc.top));
    for (const char ch : std::string("azz club!"))  // typed one by one; a ninth does not go in
        pEdit->WriteText(wxString(ch));
    EXPECT_EQ(pEdit->GetValue(), "Jazz clu");
    Press(pEdit, WXK_RETURN);
    EXPECT_EQ(Open<CInPlaceEdit>(pGrid), nullptr);
    EXPECT_EQ(pGrid->GetItemText(2, 2), "Jazz clu");
    EXPECT_TRUE(pGrid->GetModified(2, 2));
    EXPECT_EQ(pGrid->GetFocusCell(), CGridCellPos(2, 2));  // Enter stays where it is
    EXPECT_EQ(m_heard, (std::vector<Heard>{{2, 2, GRIDN_BEGIN_EDIT}, {2, 2, GRIDN_END_EDIT}}));

    // Escape puts the old text back and still reports it.
    m_heard.clear();
    Type(pGrid, 'X');
    pEdit = Open<CInPlaceEdit>(pGrid);
    ASSERT_NE(pEdit, nullptr);
    Press(pEdit, WXK_ESCAPE);
    EXPECT_EQ(Open<CInPlaceEdit>(pGrid), nullptr);
    EXPECT_EQ(pGrid->GetItemText(2, 2), "Jazz clu");
    EXPECT_EQ(m_heard, (std::vector<Heard>{{2, 2, GRIDN_BEGIN_EDIT}, {2, 2, GRIDN_END_EDIT}}));

    // A text longer than the editor's limit stays whole (Enter opens it with the caret at its end).
    pGrid->SetItemText(3, 2, "Jazz club with a long name");
    pGrid->SetFocusCell(3, 2);
    Type(pGrid, WXK_RETURN);
    pEdit = Open<CInPlaceEdit>(pGrid);
    ASSERT_NE(pEdit, nullptr);
    EXPECT_EQ(pEdit->GetValue(), "Jazz club with a long name");
    EXPECT_EQ(pEdit->GetInsertionPoint(), pEdit->GetLastPosition());
    Press(pEdit, WXK_RETURN);
    EXPECT_EQ(pGrid->GetItemText(3, 2), "Jazz club with a long name");
    EXPECT_FALSE(pGrid->GetModified(3, 2));
    pGrid->SetFocusCell(2, 2);

    // A read-only cell opens nothing; a function key is no character to type.
    pGrid->SetItemState(2, 2, pGrid->GetItemState(2, 2) | CELL_READ_ONLY);
    Type(pGrid, 'Y');
    wxKeyEvent function(wxEVT_CHAR);
    function.m_keyCode = WXK_F2;
    function.m_uniChar = WXK_NONE;
    pGrid->SetItemState(2, 2, 0);
    pGrid->GetEventHandler()->ProcessEvent(function);
    EXPECT_EQ(Open<CInPlaceEdit>(pGrid), nullptr);
}

TEST_F(GridEditTest, ArrowsEndATypedEditAndMoveOnButMoveTheCaretInOneTheMouseOpened)
{
    CGridCtrl* pGrid = Make(new CGridCtrl);
    pGrid->SetItemText(1, 1, "Pop");
    pGrid->SetItemText(1, 2, "Live");
    pGrid->SetFocusCell(1, 1);
    Type(pGrid, 'R');
    auto* pEdit = Open<CInPlaceEdit>(pGrid);
    ASSERT_NE(pEdit, nullptr);
    Press(pEdit, WXK_RIGHT);
    EXPECT_EQ(pGrid->GetItemText(1, 1), "R");
    EXPECT_EQ(pGrid->GetFocusCell(), CGridCellPos(1, 2));
    pEdit = Open<CInPlaceEdit>(pGrid);  // the next cell's edit, its text selected
    ASSERT_NE(pEdit, nullptr);
    EXPECT_EQ(pEdit->GetValue(), "Live");
    EXPECT_EQ(pEdit->GetStringSelection(), "Live");
    Press(pEdit, WXK_ESCAPE);

    // A double click opens the editor with the caret after the old text; the arrows stay in it.
    Rect rc;
    ASSERT_TRUE(pGrid->GetCellRect(1, 2, rc));
    for (const wxEventType type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP, wxEVT_LEFT_DCLICK, wxEVT_LEFT_UP}) {
        wxMouseEvent event(type);
        event.SetPosition({rc.left + 5, rc.top + 5});
        pGrid->GetEventHandler()->ProcessEvent(event);
    }
    pEdit = Open<CInPlaceEdit>(pGrid);
    ASSERT_NE(pEdit, nullptr);
    EXPECT_EQ(pEdit->GetValue(), "Live");
    EXPECT_EQ(pEdit->GetInsertionPoint(), 4);
    Press(pEdit, WXK_LEFT);
    EXPECT_EQ(Open<CInPlaceEdit>(pGrid), pEdit);
    Press(pEdit, WXK_LEFT, true);  // with Ctrl it ends and moves on
    EXPECT_EQ(pGrid->GetFocusCell(), CGridCellPos(1, 1));
}

TEST_F(GridEditTest, AnOptionColumnOffersItsListAndTakesOnlyItsOptions)
{
    auto* pGrid = Make(new CComboGridCtrl);
    EXPECT_FALSE(pGrid->SetColumnOptions(0, {"x"}));
    ASSERT_TRUE(pGrid->SetColumnOptions(2, {"Low", "Mid", "High priority setting"}));
    EXPECT_TRUE(pGrid->SetItemOption(1, 2, 1));
    EXPECT_FALSE(pGrid->SetItemOption(1, 2, 3));
    EXPECT_FALSE(pGrid->SetItemOption(1, 1, 0));
    EXPECT_FALSE(pGrid->SetItemText(2, 2, "mid"));
    EXPECT_TRUE(pGrid->SetItemText(0, 2, "Level"));
    GridItem item;
    item.row = 2;
    item.col = 2;
    item.mask = ITEM_TEXT | ITEM_DATA;
    item.strText = "Loud";
    item.lParam = 7;
    EXPECT_FALSE(pGrid->SetItem(item));
    EXPECT_EQ(pGrid->GetItemData(2, 2), 0);

    // The editor of the option column: a list of the options, wide enough for the widest.
    pGrid->SetFocusCell(1, 2);
    Type(pGrid, 'H');
    auto* pList = Open<CInPlaceList>(pGrid);
    ASSERT_NE(pList, nullptr);
    EXPECT_EQ(pList->GetCount(), 3u);
    EXPECT_EQ(pList->GetString(2), "High priority setting");
    EXPECT_EQ(pList->GetValue(), "H");
    EXPECT_GT(pList->GetSize().x, pGrid->GetColumnWidth(2));
    Press(pList, WXK_RETURN);  // "H" is no option: refused, but the owner hears the end
    EXPECT_EQ(pGrid->GetItemText(1, 2), "Mid");
    EXPECT_FALSE(pGrid->GetModified(1, 2));
    EXPECT_EQ(m_heard.back(), (Heard{1, 2, GRIDN_END_EDIT}));

    Type(pGrid, WXK_RETURN);  // Enter opens it on the old text, which is chosen in the list
    pList = Open<CInPlaceList>(pGrid);
    ASSERT_NE(pList, nullptr);
    EXPECT_EQ(pList->GetSelection(), 1);
    pList->SetSelection(0);
    Press(pList, WXK_TAB);
    EXPECT_EQ(pGrid->GetItemText(1, 2), "Low");
    EXPECT_TRUE(pGrid->GetModified(1, 2));
    EXPECT_EQ(pGrid->GetFocusCell(), CGridCellPos(1, 3));  // Tab moves on, to a plain column
    auto* pEdit = Open<CInPlaceEdit>(pGrid);
    ASSERT_NE(pEdit, nullptr);
    Press(pEdit, WXK_ESCAPE);
    EXPECT_EQ(Open<CInPlaceList>(pGrid), nullptr);
}
