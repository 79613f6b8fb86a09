// The grid window with the world outside: the clipboard it copies to and pastes from, and the
// drop target that hands a drag to the grid's rules.
#include <gtest/gtest.h>
#include <wx/clipbrd.h>
#include <wx/frame.h>

#include <memory>

#include "controls/ControlIds.h"
#include "grid/GridCtrl.h"
#include "grid/GridDropTarget.h"
#include "tests/ui/UiTestUtil.h"

namespace {
// A drop target whose drag carries the text given.
class CTextDropTarget : public CGridDropTarget {
public:
    explicit CTextDropTarget(std::string strText) : m_strText(std::move(strText)) {}

protected:
    bool OffersText() override { return true; }
    std::optional<std::string> DroppedText() override { return m_strText; }

private:
    std::string m_strText;
};

std::string ClipboardText()
{
    wxClipboardLocker lock;
    wxTextDataObject data;
    return !!lock && wxTheClipboard->GetData(data) ? data.GetText().utf8_string() : std::string("<none>");
}

void SetClipboardText(const std::string& strText)
{
    wxClipboardLocker lock;
    ASSERT_TRUE(!!lock);
    wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8(strText)));
}

class GridTransferTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = new wxFrame(nullptr, wxID_ANY, "grid", wxPoint(20, 20), wxSize(400, 300));
        m_pGrid = new CGridCtrl(4, 3, 1, 1);
        ASSERT_TRUE(m_pGrid->Create(wxRect(0, 0, 380, 260), m_pFrame, 2724));
        for (int r = 0; r < 4; ++r) {
            m_pGrid->SetRowHeight(r, 20);
            for (int c = 0; c < 3; ++c)
                m_pGrid->SetItemText(r, c, std::to_string(r) + std::to_string(c));
        }
        for (int c = 0; c < 3; ++c)
            m_pGrid->SetColumnWidth(c, 80);
        m_pFrame->Show();
        PumpPendingEvents();
    }
    void TearDown() override
    {
        m_pFrame->Destroy();
        PumpPendingEvents();
    }

    void Key(int nKey)
    {
        wxKeyEvent event(wxEVT_KEY_DOWN);
        event.m_keyCode = nKey;
        event.SetControlDown(true);
        event.SetEventObject(m_pGrid);
        m_pGrid->GetEventHandler()->ProcessEvent(event);
    }

    wxFrame* m_pFrame = nullptr;
    CGridCtrl* m_pGrid = nullptr;
};
}  // namespace

TEST_F(GridTransferTest, CtrlCAndCtrlVCarryChineseTextsThroughTheClipboard)
{
    m_pGrid->SetItemText(1, 1, "前左高音");
    m_pGrid->SetItemText(2, 2, "");
    m_pGrid->SetSelectedRange(1, 1, 2, 2);
    m_pGrid->SetFocusCell(1, 1);
    Key('C');
    EXPECT_EQ(ClipboardText(), "前左高音\t12\n21\t ");

    SetClipboardText("低音\t中音\n右");
    m_pGrid->SetFocusCell(2, 1);
    Key('V');
    EXPECT_EQ(m_pGrid->GetItemText(2, 1), "低音");
    EXPECT_EQ(m_pGrid->GetItemText(2, 2), "中音");
    EXPECT_EQ(m_pGrid->GetItemText(3, 1), "右");
    EXPECT_TRUE(m_pGrid->OnUpdateEditPaste());

    m_pGrid->SetSelectedRange(3, 1, 3, 2);
    Key('X');
    EXPECT_EQ(ClipboardText(), "右\t32");
    EXPECT_EQ(m_pGrid->GetItemText(3, 1), "");
}

TEST_F(GridTransferTest, TheEditCommandsReachTheGrid)
{
    m_pGrid->SetSelectedRange(1, 2, 1, 2);
    wxCommandEvent copy(wxEVT_MENU, WxId(ID_EDIT_COPY));
    m_pGrid->GetEventHandler()->ProcessEvent(copy);
    EXPECT_EQ(ClipboardText(), "12");

    wxUpdateUIEvent state(WxId(ID_EDIT_CUT));
    m_pGrid->GetEventHandler()->ProcessEvent(state);
    EXPECT_TRUE(state.GetEnabled());
    m_pGrid->SetEditable(false);
    wxUpdateUIEvent stateLocked(WxId(ID_EDIT_CUT));
    m_pGrid->GetEventHandler()->ProcessEvent(stateLocked);
    EXPECT_FALSE(stateLocked.GetEnabled());
}

TEST_F(GridTransferTest, TheDropTargetHandsTheDragToTheGrid)
{
    // Rows are 20 and columns 80 pixels: (2, 1) lies at x 80..159, y 40..59.
    auto* pTarget = new CTextDropTarget("甲\t乙");
    ASSERT_TRUE(pTarget->Register(m_pGrid));
    EXPECT_FALSE(pTarget->Register(m_pGrid)) << "registered once";
    EXPECT_EQ(m_pGrid->GetDropTarget(), pTarget);

    EXPECT_EQ(pTarget->OnEnter(100, 50, wxDragMove), wxDragNone) << "drag and drop is off";
    m_pGrid->EnableDragAndDrop(true);
    EXPECT_EQ(pTarget->OnEnter(100, 50, wxDragCopy), wxDragMove) << "no Ctrl held: a move";
    EXPECT_TRUE(m_pGrid->GetItemState(2, 1) & CELL_DROP_TARGET);
    EXPECT_EQ(pTarget->OnDragOver(100, 10, wxDragMove), wxDragNone) << "over the headings";
    EXPECT_EQ(pTarget->OnDragOver(100, 70, wxDragMove), wxDragMove);
    EXPECT_TRUE(pTarget->OnDrop(100, 70));
    EXPECT_EQ(pTarget->OnData(100, 70, wxDragMove), wxDragMove);
    EXPECT_EQ(m_pGrid->GetItemText(3, 1), "甲");
    EXPECT_EQ(m_pGrid->GetItemText(3, 2), "乙");
    EXPECT_FALSE(m_pGrid->GetItemState(3, 1) & CELL_DROP_TARGET);
}

TEST_F(GridTransferTest, ARevokedTargetLeavesTheGridWithoutOne)
{
    auto pLoose = std::make_unique<CGridDropTarget>();
    pLoose->Revoke();  // never registered: nothing to take off
    EXPECT_NE(m_pGrid->GetDropTarget(), nullptr) << "the grid's own target stays";

    auto* pTarget = new CGridDropTarget;
    ASSERT_TRUE(pTarget->Register(m_pGrid));
    pTarget->Revoke();
    EXPECT_EQ(m_pGrid->GetDropTarget(), nullptr);
    ASSERT_TRUE(pLoose->Register(m_pGrid)) << "a new target takes its place";
    EXPECT_EQ(m_pGrid->GetDropTarget(), pLoose.release());
}
