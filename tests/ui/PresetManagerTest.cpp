// The stored-preset manager and its name dialog against the emulated processor: commands 720-722
// open it in each mode and language; load, save as and delete send the processor's frames byte
// for byte; refused and failed operations change nothing.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/clipbrd.h>
#include <wx/menu.h>
#include <wx/settings.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/HalvekView.h"
#include "controls/BitButton.h"
#include "controls/ChEnEdit.h"
#include "controls/ControlIds.h"
#include "controls/WndMessages.h"
#include "grid/ComboGridCtrl.h"
#include "grid/ProgramDlg.h"
#include "grid/ProgramDlgIds.h"
#include "grid/SaveDlg.h"
#include "link/DisplayDlg.h"
#include "model/DataDefine.h"
#include "model/Effect_Data.h"
#include "model/KTV_Data.h"
#include "platform/MessageIds.h"
#include "tests/support/FrameBytes.h"
#include "tests/ui/PictureChecks.h"
#include "tests/ui/ViewOnLink.h"

using namespace ProgramDlgIds;

namespace {
void Click(wxWindow* pButton)
{
    wxCommandEvent click(wxEVT_BUTTON, pButton->GetId());
    click.SetEventObject(pButton);
    pButton->ProcessWindowEvent(click);
}

void CharHookKey(wxDialog& dlg, int nKey)
{
    wxKeyEvent key(wxEVT_CHAR_HOOK);
    key.m_keyCode = nKey;
    key.SetEventObject(&dlg);
    dlg.ProcessWindowEvent(key);
}

void KeyDown(wxWindow* pWnd, int nKey, bool bCtrl = false)
{
    wxKeyEvent key(wxEVT_KEY_DOWN);
    key.m_keyCode = nKey;
    key.SetControlDown(bCtrl);
    key.SetEventObject(pWnd);
    pWnd->GetEventHandler()->ProcessEvent(key);
}

void Mouse(wxWindow& wnd, wxEventType type, const wxPoint& pt, bool bLeftDown = false)
{
    wxMouseEvent event(type);
    event.SetPosition(pt);
    event.SetLeftDown(bLeftDown);
    event.SetEventObject(&wnd);
    wnd.GetEventHandler()->ProcessEvent(event);
}

wxPoint InCell(const CGridCtrl& grid, int nRow, int nCol)
{
    Rect rc;
    EXPECT_TRUE(grid.GetCellRect(nRow, nCol, rc));
    return {rc.left + 5, rc.top + 5};
}

std::string ClipboardText()
{
    wxClipboardLocker lock;
    wxTextDataObject data;
    return !!lock && wxTheClipboard->GetData(data) ? data.GetText().utf8_string() : std::string("<none>");
}

std::string Label(wxWindow* pWnd)
{
    return pWnd->GetLabel().utf8_string();
}

// Frames as the processor must receive them.
std::vector<BYTE> NameFrame(int nPreset, const std::string& strName)
{
    char szHeader[64];
    std::snprintf(szHeader, sizeof szHeader, "A1 01 %02X 09 00 00 00 00 1000", nPreset);
    std::vector<BYTE> body = HexBytes(szHeader);
    std::string strField = strName;
    strField.resize(16, '\0');
    body.insert(body.end(), strField.begin(), strField.end());
    return Framed(body);
}

std::vector<BYTE> CurrentPresetFrame(int nPreset)
{
    std::vector<BYTE> body = HexBytes("A1 01 00 09 34 00 00 00 0100");
    body.push_back(BYTE(nPreset));
    return Framed(body);
}

std::vector<BYTE> MasterFrame(std::array<std::uint8_t, 8> master, bool bOn)
{
    std::vector<BYTE> body = HexBytes("A1 01 00 09 05 00 00 00 0800");
    master[6] = bOn ? 1 : 0;
    body.insert(body.end(), master.begin(), master.end());
    return Framed(body);
}

// Block nChannel of music (3) or output (4) of the live image, written into stored preset nPreset.
std::vector<BYTE> BlockWriteFrame(int nPreset, int nBlock, int nChannel)
{
    const bool bMusic = nBlock == BLOCK_MUSIC;
    char szHeader[64];
    std::snprintf(szHeader, sizeof szHeader, "A1 01 %02X %02X %02X 00 00 00 %s", nPreset, nBlock, nChannel,
                  bMusic ? "2001" : "2801");
    std::vector<BYTE> body = HexBytes(szHeader);
    const BYTE* pBlock = bMusic ? g_liveImage.m_music[nChannel].m_group[0].m_by : g_liveImage.m_out[nChannel].m_group[0].m_by;
    body.insert(body.end(), pBlock, pBlock + (bMusic ? sizeof(MusicBlock) : sizeof(OutputBlock)));
    return Framed(body);
}

// The request of block nChannel of stored preset nPreset that recalls it into the current one.
std::vector<BYTE> RecallFrame(int nPreset, int nBlock, int nChannel)
{
    char szHeader[80];
    std::snprintf(szHeader, sizeof szHeader, "A2 01 %02X %02X %02X 00 00 00 0800 00 00 00 00 00 00 00 00", nPreset,
                  nBlock, nChannel);
    return Framed(HexBytes(szHeader));
}

std::vector<std::string> Hex(const std::vector<std::vector<BYTE>>& frames)
{
    std::vector<std::string> texts;
    for (const auto& f : frames)
        texts.push_back(HexText(f.data(), int(f.size())));
    return texts;
}

CSaveDlg* ShownNameDialog()
{
    for (wxWindow* pWnd : wxTopLevelWindows)
        if (auto* pDlg = dynamic_cast<CSaveDlg*>(pWnd); pDlg != nullptr && pDlg->IsShown())
            return pDlg;
    return nullptr;
}

class PresetManager : public ViewOnLink {
protected:
    void SetUp() override
    {
        Start(LinkWay::Usb);
        ASSERT_TRUE(WaitSynced());
        // After the read-back the view sends the live name once more; the tests start after it.
        ASSERT_TRUE(SettleUntil([this] {
            for (const EmuRequest& r : m_emulator.Log())
                if (IsWrite(r, emu::BLOCK_SYSTEM, emu::ITEM_NAME) && r.byPreset == 0)
                    return true;
            return false;
        }));
        Settle(50);  // writes still on their way reach the log first; it has no end to wait on
        m_emulator.ClearLog();
    }
    void TearDown() override
    {
        g_bChinese = 0;
        ViewOnLink::TearDown();
    }

    // Runs command 720, 721 or 722; fn acts in the open manager, then Quit closes it.
    void WithManager(int nCommand, const std::function<void(CProgramDlg&)>& fn)
    {
        bool bRan = false;
        wxTheApp->CallAfter([&] {
            auto* pDlg = dynamic_cast<CProgramDlg*>(g_pProgramDlg);
            if (pDlg == nullptr)
                return;
            EXPECT_TRUE(pDlg->IsModal());
            fn(*pDlg);
            bRan = true;
            Click(pDlg->FindWindow(WxId(IDC_QUIT)));
        });
        Command(m_pView, nCommand);
        EXPECT_TRUE(bRan);
        EXPECT_EQ(g_pProgramDlg, nullptr);
    }

    // Once the name dialog shows: check runs, strName replaces the field's text as typed and OK
    // (or Cancel) ends it. Call right before the action that opens it.
    void AnswerNameDialog(const std::string& strName, bool bOk = true, std::function<void(CSaveDlg&)> check = {})
    {
        m_bNameAsked = false;
        wxTheApp->CallAfter([this, strName, bOk, check] {
            CSaveDlg* pDlg = ShownNameDialog();
            if (pDlg == nullptr)
                return;
            m_bNameAsked = true;
            if (check)
                check(*pDlg);
            pDlg->NameEdit().ChangeValue("");
            Type(&pDlg->NameEdit(), wxString::FromUTF8(strName));
            Click(pDlg->FindWindow(bOk ? wxID_OK : wxID_CANCEL));
        });
    }

    // The frames the processor received since the log was cleared, meter polls left out.
    std::vector<std::vector<BYTE>> Received() const
    {
        std::vector<std::vector<BYTE>> frames;
        for (const EmuRequest& r : m_emulator.Log())
            if (!(r.byClass == emu::READ && r.byBlock == emu::BLOCK_SYSTEM && r.byIndex == emu::ITEM_STATUS))
                frames.push_back(r.bytes);
        return frames;
    }
    // Waits for nFrames frames and the end of the transfer, then a little more for strays: a
    // frame that must not come leaves nothing to wait for but time.
    std::vector<std::vector<BYTE>> WaitReceived(std::size_t nFrames)
    {
        EXPECT_TRUE(SettleUntil([&] { return Received().size() >= nFrames && TransferShownOver(); }));
        Settle(150);
        return Received();
    }

    std::string StoredName(int nPreset) const
    {
        const EmuImage image = m_emulator.State().images[std::size_t(nPreset)];
        return std::string(image.begin(), image.begin() + emu::NAME_SIZE);
    }
    static std::string Field(const std::string& strName)
    {
        std::string strField = strName;
        strField.resize(16, '\0');
        return strField;
    }
    static std::string Cell(CProgramDlg& dlg, int nRow, int nCol = 1) { return dlg.Grid().GetItemText(nRow, nCol); }

    bool m_bNameAsked = false;
};

struct ModeCase {
    int nCommand;
    PresetManagerMode mode;
    const char* szName;
    const char* szCaption[2];  // English, Chinese
    const char* szAction[2];
};
const ModeCase kModes[] = {
    {720, PresetManagerMode::Load, "load", {"Load Machine Preset", "加载 机器预置场景"}, {"Load", "加载"}},
    {721, PresetManagerMode::SaveAs, "save_as", {"Save As Machine Preset", "另存为 机器预置场景"}, {"Save", "保存"}},
    {722, PresetManagerMode::Delete, "delete", {"Delete Machine Preset", "删除 机器预置场景"}, {"Delete", "删除"}},
};
}  // namespace

// Each command opens the manager in its mode, in the language of the moment: the six stored names
// as the processor holds them, row 1 selected with its name the focus cell. Enter and Escape
// neither act nor close.
TEST_F(PresetManager, EachCommandOpensTheManagerInItsModeAndLanguage)
{
    m_emulator.Edit([](EmuState& state) { std::memcpy(state.images[4].data(), "  Spaced \0\0\0\0\0\0\0", 16); });
    m_emulator.Edit([](EmuState& state) { std::memset(state.images[6].data(), ' ', 15); });
    {
        std::lock_guard lock(g_csLink);
        std::memcpy(g_devImages[3].m_szName, "  Spaced \0\0\0\0\0\0\0", 16);
        std::memset(g_devImages[5].m_szName, ' ', 15);
    }
    // Each picture shows the selected row highlighted and a stored name inside its cell in the
    // grid's text colour; the name heading and the action button differ between the languages.
    const wxColour highlight = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT);
    for (const ModeCase& c : kModes) {
        wxImage shots[2];
        wxRect rcHeading;
        wxRect rcAction;
        for (const int nLang : {0, 1}) {
            SCOPED_TRACE(testing::Message() << c.szName << (nLang ? " in Chinese" : " in English"));
            g_bChinese = nLang;
            WithManager(c.nCommand, [&](CProgramDlg& dlg) {
                EXPECT_EQ(dlg.Mode(), c.mode);
                EXPECT_EQ(dlg.GetTitle().utf8_string(), c.szCaption[nLang]);
                EXPECT_EQ(Label(dlg.FindWindow(WxId(IDC_ACTION))), c.szAction[nLang]);
                EXPECT_EQ(Label(dlg.FindWindow(WxId(IDC_QUIT))), nLang ? "退出" : "Quit");
                EXPECT_EQ(Cell(dlg, 0, 0), nLang ? "序号" : "No.");
                EXPECT_EQ(Cell(dlg, 0, 1), nLang ? "场景名" : "Preset");
                const char* names[] = {"Preset 1", "Preset 2", "Preset 3", "Spaced", "Preset 5", ""};
                for (int r = 1; r <= 6; ++r) {
                    EXPECT_EQ(Cell(dlg, r, 0), std::to_string(r));
                    EXPECT_EQ(Cell(dlg, r, 1), names[r - 1]) << r;
                }
                EXPECT_EQ(dlg.Grid().GetRowCount(), 7);
                EXPECT_EQ(dlg.Grid().GetFocusCell(), CGridCellPos(1, 1));
                EXPECT_EQ(dlg.Grid().GetSelectedRange(), CGridCellRange(1, 0, 1, 1));
                EXPECT_EQ(dlg.Grid().GetColumnWidth(1), 262);
                CharHookKey(dlg, WXK_RETURN);
                CharHookKey(dlg, WXK_ESCAPE);
                PumpPendingEvents();
                EXPECT_TRUE(dlg.IsShown());
                const wxImage& shot = shots[nLang] = CaptureWindow(dlg);
                EXPECT_TRUE(SaveScreenshot(shot, std::string("preset_manager_") + c.szName + (nLang ? "_cn" : "_en")));
                const CComboGridCtrl& grid = dlg.Grid();
                const auto cell = [&](int nRow, int nCol) {
                    Rect rc;
                    EXPECT_TRUE(grid.GetCellRect(nRow, nCol, rc));
                    return RectInCapture(grid, dlg, wxRect(rc.left, rc.top, rc.Width() + 1, rc.Height() + 1));
                };
                const COLORREF crText = grid.GetTextColour();
                EXPECT_TRUE(ShowsColour(shot, cell(1, 1), highlight, 0));
                EXPECT_TRUE(ShowsTextIn(shot, cell(2, 1), wxColour(RedOf(crText), GreenOf(crText), BlueOf(crText)), 64, 1));
                rcHeading = cell(0, 1);
                rcAction = RectInCapture(*dlg.FindWindow(WxId(IDC_ACTION)), dlg);
            });
        }
        EXPECT_TRUE(DifferIn(shots[0], shots[1], rcHeading)) << c.szName;
        EXPECT_TRUE(DifferIn(shots[0], shots[1], rcAction)) << c.szName;
    }
    EXPECT_TRUE(Received().empty());
    EXPECT_TRUE(m_boxes.shown.empty());
}

// Right after opening, the grid has the keyboard and Ctrl+C copies the selected first row.
TEST_F(PresetManager, CtrlCRightAfterOpeningCopiesTheFirstRow)
{
    WithManager(720, [&](CProgramDlg& dlg) {
        ASSERT_TRUE(SettleUntil([&] { return wxWindow::FindFocus() == &dlg.Grid(); }, std::chrono::seconds(3)))
            << "the grid lacks the keyboard focus";
        KeyDown(wxWindow::FindFocus(), 'C', true);
        EXPECT_EQ(ClipboardText(), "1\tPreset 1");
    });
}

// Save As "Rock" into slot 3: the slot's name, the live name, item 52 = 3, the live preset's six
// music and eight output blocks into slot 3; then the live name marked for sending goes once more,
// behind the batch, and no slot is current any more. Saved into other slots too, the batch meets
// the link at other points of its passes, with the same frames in the same order.
TEST_F(PresetManager, SaveAsSendsTheNamesTheCurrentPresetAndTheBlocksThenTheMarkedName)
{
    WithManager(721, [&](CProgramDlg& dlg) {
        dlg.Grid().SetFocusCell(3, 1);
        AnswerNameDialog("Rock", true, [](CSaveDlg& name) {
            EXPECT_EQ(name.GetTitle(), "Please enter the preset name");
            EXPECT_EQ(Label(name.FindWindow(WxId(2725))), "No.3");
            EXPECT_EQ(name.NameEdit().GetValue(), "Preset 3");
        });
        for (const auto& [nSlot, szName] : {std::pair{3, "Rock"}, {4, "Jazz"}, {5, "Blues"}, {6, "Folk"}}) {
            SCOPED_TRACE(szName);
            m_emulator.ClearLog();
            if (nSlot != 3) {
                dlg.Grid().SetFocusCell(nSlot, 1);
                AnswerNameDialog(szName);
            }
            Click(dlg.FindWindow(WxId(IDC_ACTION)));
            EXPECT_TRUE(m_bNameAsked);
            EXPECT_EQ(Cell(dlg, nSlot), szName);
            std::vector<std::vector<BYTE>> expected{NameFrame(nSlot, szName), NameFrame(0, szName),
                                                    CurrentPresetFrame(nSlot)};
            for (int c = 0; c < 6; ++c)
                expected.push_back(BlockWriteFrame(nSlot, BLOCK_MUSIC, c));
            for (int c = 0; c < 8; ++c)
                expected.push_back(BlockWriteFrame(nSlot, BLOCK_OUTPUT, c));
            expected.push_back(NameFrame(0, szName));
            EXPECT_EQ(Hex(WaitReceived(expected.size())), Hex(expected));
            EXPECT_EQ(g_byCurPreset, 0);
            EXPECT_TRUE(dlg.IsEnabled());
        }
    });
    const EmuState state = m_emulator.State();
    EXPECT_EQ(StoredName(3), Field("Rock"));
    EXPECT_EQ(std::memcmp(state.images[3].data() + emu::MUSIC_OFFSET, g_liveImage.m_music, emu::MUSIC_SIZE * 6), 0);
    EXPECT_EQ(Label(m_pView->GetDlgItem(2770)), "Folk");
    EXPECT_TRUE(m_boxes.shown.empty());
}

// The mouse: a right click on row 3's number and the menu's "Save As Machine Preset" save into
// slot 3, whatever the mode; the right click left no focus cell, so the action button does
// nothing until a left click chooses a row; a double click acts as the mode says.
TEST_F(PresetManager, TheMouseChoosesTheRowEachOperationActsOn)
{
    WithManager(720, [&](CProgramDlg& dlg) {
        CGridCtrl& grid = dlg.Grid();
        std::vector<std::string> offered;
        grid.SetPopupHandler([&](wxMenu& menu, wxWindow& owner, const wxPoint&) {
            for (wxMenuItem* pItem : menu.GetMenuItems())
                offered.push_back(pItem->GetItemLabel().utf8_string());
            wxCommandEvent chosen(wxEVT_MENU, WxId(ID_MENU_SAVE_AS));
            owner.ProcessWindowEvent(chosen);
        });
        Mouse(grid, wxEVT_RIGHT_DOWN, InCell(grid, 3, 0));
        EXPECT_EQ(offered, (std::vector<std::string>{"Load Machine Preset(&E)", "Save As Machine Preset(&I)",
                                                     "Delete Machine Preset(&D)"}));
        AnswerNameDialog("Rock", true,
                         [](CSaveDlg& name) { EXPECT_EQ(Label(name.FindWindow(WxId(2725))), "No.3"); });
        EXPECT_TRUE(SettleUntil([&] { return m_bNameAsked; }));
        EXPECT_EQ(Cell(dlg, 3), "Rock");
        EXPECT_GE(WaitReceived(18).size(), 18u);
        EXPECT_EQ(StoredName(3), Field("Rock"));

        EXPECT_EQ(grid.GetFocusCell(), CGridCellPos());
        m_emulator.ClearLog();
        Click(dlg.FindWindow(WxId(IDC_ACTION)));
        Settle(150);  // a write that must not come leaves nothing to wait for: give it the time
        EXPECT_TRUE(Received().empty());

        Mouse(grid, wxEVT_LEFT_DOWN, InCell(grid, 4, 0));
        Mouse(grid, wxEVT_LEFT_UP, InCell(grid, 4, 0));
        EXPECT_EQ(grid.GetFocusCell(), CGridCellPos(4, 1));
        Click(dlg.FindWindow(WxId(IDC_ACTION)));
        const std::vector<std::vector<BYTE>> received = WaitReceived(17);
        ASSERT_GE(received.size(), 2u);
        EXPECT_EQ(received[1], RecallFrame(4, BLOCK_MUSIC, 0));
        EXPECT_EQ(g_byCurPreset, 4);
    });
    m_boxes.answer = IDNO;
    WithManager(722, [&](CProgramDlg& dlg) {
        CGridCtrl& grid = dlg.Grid();
        Mouse(grid, wxEVT_LEFT_DOWN, InCell(grid, 2, 1));
        Mouse(grid, wxEVT_LEFT_UP, InCell(grid, 2, 1));
        Mouse(grid, wxEVT_LEFT_DCLICK, InCell(grid, 2, 1));
        EXPECT_TRUE(SettleUntil([&] { return !m_boxes.shown.empty(); }));
        EXPECT_EQ(Cell(dlg, 2), "Preset 2");
    });
    ASSERT_EQ(m_boxes.shown.size(), 1u);
    EXPECT_EQ(m_boxes.shown[0].text, "Are you delete No.2 preset?");
}

// The row pressed is the row acted on: a drag from it to another row neither moves the focus nor
// selects more rows, and the headings' dividers size nothing.
TEST_F(PresetManager, APressAndDragKeepsThePressedRowAndSizesNothing)
{
    WithManager(720, [&](CProgramDlg& dlg) {
        CGridCtrl& grid = dlg.Grid();
        const int nWidth0 = grid.GetColumnWidth(0);
        const int nWidth1 = grid.GetColumnWidth(1);
        Mouse(grid, wxEVT_LEFT_DOWN, InCell(grid, 2, 1));
        for (const int nRow : {3, 4, 5})
            Mouse(grid, wxEVT_MOTION, InCell(grid, nRow, 1), true);
        Mouse(grid, wxEVT_LEFT_UP, InCell(grid, 5, 1));
        EXPECT_EQ(grid.GetFocusCell(), CGridCellPos(2, 1));
        EXPECT_EQ(grid.GetSelectedRange(), CGridCellRange(2, 1, 2, 1));

        Rect rc;
        ASSERT_TRUE(grid.GetCellRect(0, 1, rc));
        const wxPoint divider(rc.left + 1, rc.top + 5);
        Mouse(grid, wxEVT_MOTION, divider);
        Mouse(grid, wxEVT_LEFT_DOWN, divider);
        Mouse(grid, wxEVT_MOTION, divider + wxPoint(40, 0), true);
        Mouse(grid, wxEVT_LEFT_UP, divider + wxPoint(40, 0));
        EXPECT_EQ(grid.GetColumnWidth(0), nWidth0);
        EXPECT_EQ(grid.GetColumnWidth(1), nWidth1);

        m_emulator.ClearLog();
        Click(dlg.FindWindow(WxId(IDC_ACTION)));
        const std::vector<std::vector<BYTE>> received = WaitReceived(2);
        ASSERT_GE(received.size(), 2u);
        EXPECT_EQ(received[1], RecallFrame(2, BLOCK_MUSIC, 0));
        EXPECT_EQ(g_byCurPreset, 2);
    });
}

// Load: the master off, the fourteen blocks of slot 5 recalled, its name as the live name, the
// master back; the replies become the current preset. A double click loads without asking.
TEST_F(PresetManager, LoadRecallsTheStoredPreset)
{
    const std::array<std::uint8_t, 8> master = m_emulator.State().master;
    WithManager(720, [&](CProgramDlg& dlg) {
        dlg.Grid().SetFocusCell(5, 1);
        Click(dlg.FindWindow(WxId(IDC_ACTION)));
        std::vector<std::vector<BYTE>> expected{MasterFrame(master, false)};
        for (int c = 0; c < 6; ++c)
            expected.push_back(RecallFrame(5, BLOCK_MUSIC, c));
        for (int c = 0; c < 8; ++c)
            expected.push_back(RecallFrame(5, BLOCK_OUTPUT, c));
        expected.push_back(NameFrame(0, "Preset 5"));
        expected.push_back(MasterFrame(master, true));
        EXPECT_EQ(Hex(WaitReceived(expected.size())), Hex(expected));
        EXPECT_EQ(g_byCurPreset, 5);
        EXPECT_EQ(std::memcmp(g_liveImage.m_music, m_emulator.State().images[5].data() + emu::MUSIC_OFFSET,
                              emu::MUSIC_SIZE * 6),
                  0);
        EXPECT_EQ(Label(m_pView->GetDlgItem(2770)), "Preset 5");

        // The grid's report of a double click on row 2 loads slot 2 at once.
        m_emulator.ClearLog();
        GridNotify notify;
        notify.hdr = {GetWndHandle(&dlg.Grid()), IDC_PRESET_GRID, NM_DBLCLK};
        notify.iRow = 2;
        notify.iColumn = 0;
        SendMessage(&dlg, WM_NOTIFY, IDC_PRESET_GRID, reinterpret_cast<LPARAM>(&notify));
        expected = {MasterFrame(master, false)};
        for (int c = 0; c < 6; ++c)
            expected.push_back(RecallFrame(2, BLOCK_MUSIC, c));
        for (int c = 0; c < 8; ++c)
            expected.push_back(RecallFrame(2, BLOCK_OUTPUT, c));
        expected.push_back(NameFrame(0, "Preset 2"));
        expected.push_back(MasterFrame(master, true));
        EXPECT_EQ(Hex(WaitReceived(expected.size())), Hex(expected));
    });
    EXPECT_TRUE(m_boxes.shown.empty());
}

// Delete asks, then writes the slot's empty name; deleting the current slot also makes no slot
// current (item 52 = 0).
TEST_F(PresetManager, DeleteSendsTheEmptyNameAndClearsTheCurrentSlot)
{
    ASSERT_EQ(g_byCurPreset, 1);
    m_boxes.answer = IDYES;
    WithManager(722, [&](CProgramDlg& dlg) {
        dlg.Grid().SetFocusCell(4, 1);
        Click(dlg.FindWindow(WxId(IDC_ACTION)));
        EXPECT_EQ(Cell(dlg, 4), "");
        EXPECT_EQ(Hex(WaitReceived(1)), Hex({NameFrame(4, "")}));

        m_emulator.ClearLog();
        dlg.Grid().SetFocusCell(1, 1);
        Click(dlg.FindWindow(WxId(IDC_ACTION)));
        EXPECT_EQ(Cell(dlg, 1), "");
        EXPECT_EQ(Hex(WaitReceived(2)), Hex({NameFrame(1, ""), CurrentPresetFrame(0)}));
    });
    ASSERT_EQ(m_boxes.shown.size(), 2u);
    EXPECT_EQ(m_boxes.shown[0].text, "Are you delete No.4 preset?");
    EXPECT_EQ(m_boxes.shown[1].text, "Are you delete No.1 preset?");
    EXPECT_EQ(m_boxes.shown[0].type, MB_YESNO);
    EXPECT_EQ(StoredName(4), Field(""));
    EXPECT_EQ(StoredName(1), Field(""));
    EXPECT_EQ(m_emulator.State().byCurPreset, 0);
    EXPECT_EQ(g_byCurPreset, 0);
}

// Fault mended: the Delete key empties the name cell at once; a delete that then does not happen
// (answered No, or the PC not synchronised) showed an empty cell for a name still stored. The
// cell shows the stored name again and nothing is sent.
TEST_F(PresetManager, ADeleteThatDoesNotHappenShowsTheStoredNameAgain)
{
    WithManager(720, [&](CProgramDlg& dlg) {
        dlg.Grid().SetFocusCell(2, 1);
        m_boxes.answer = IDNO;
        KeyDown(&dlg.Grid(), WXK_DELETE);
        EXPECT_EQ(Cell(dlg, 2), "Preset 2");
        m_boxes.answer = IDYES;
        g_bSynced = 0;
        KeyDown(&dlg.Grid(), WXK_DELETE);
        EXPECT_EQ(Cell(dlg, 2), "Preset 2");
        g_bSynced = 1;
        Settle(150);  // a write that must not come leaves nothing to wait for: give it the time
    });
    ASSERT_EQ(m_boxes.shown.size(), 2u);
    EXPECT_EQ(m_boxes.shown[0].text, "Are you delete No.2 preset?");
    EXPECT_TRUE(Received().empty());
    EXPECT_EQ(StoredName(2), Field("Preset 2"));
    EXPECT_EQ(std::string(g_devImages[1].m_szName, 16), Field("Preset 2"));
}

// A name that fails a check is refused with its message; nothing is sent and the grid keeps the
// old name. Cancel changes nothing either.
TEST_F(PresetManager, ARefusedNameChangesNothing)
{
    struct Case {
        const char* szName;
        bool bChinese;
        const char* szText;
    };
    const Case cases[] = {
        {"", false, "The machine preset name can not be empty!"},
        {"   ", false, "The machine preset name can not be all spaces!"},
        {"Preset 5", false, "Have been the same machine preset name!"},
        {"Preset 5", true, "已有相同的机器预置场景名!"},
    };
    for (const Case& c : cases) {
        g_bChinese = c.bChinese;
        m_boxes.shown.clear();
        WithManager(721, [&](CProgramDlg& dlg) {
            dlg.Grid().SetFocusCell(3, 1);
            AnswerNameDialog(c.szName);
            Click(dlg.FindWindow(WxId(IDC_ACTION)));
            EXPECT_TRUE(m_bNameAsked);
            EXPECT_EQ(Cell(dlg, 3), "Preset 3");
        });
        ASSERT_EQ(m_boxes.shown.size(), 1u) << c.szName;
        EXPECT_EQ(m_boxes.shown[0].text, c.szText);
        EXPECT_EQ(m_boxes.shown[0].code, c.bChinese ? -2 : -3);
    }
    g_bChinese = 0;
    m_boxes.shown.clear();
    WithManager(721, [&](CProgramDlg& dlg) {
        dlg.Grid().SetFocusCell(3, 1);
        AnswerNameDialog("Rock", false);
        Click(dlg.FindWindow(WxId(IDC_ACTION)));
        EXPECT_TRUE(m_bNameAsked);
        EXPECT_EQ(Cell(dlg, 3), "Preset 3");
    });
    Settle(150);  // a report or a write that must not come leaves nothing to wait for but time
    EXPECT_TRUE(m_boxes.shown.empty());
    EXPECT_TRUE(Received().empty());
    EXPECT_EQ(std::string(g_devImages[2].m_szName, 16), Field("Preset 3"));
    EXPECT_EQ(StoredName(3), Field("Preset 3"));
}

// Fault mended: with the link lost while the manager is open, Save As changed the PC's names
// before the write found no link, and said nothing once the lost link had taken its type with
// it. It now tells the connection failure, asks for no name and changes nothing.
TEST_F(PresetManager, SaveAsWithTheLinkLostTellsTheFailureAndChangesNothing)
{
    const std::string strLive(g_liveImage.m_szName, 16);
    WithManager(721, [&](CProgramDlg& dlg) {
        m_emulator.InjectFault(EmuFault::Close);
        ASSERT_TRUE(WaitDisconnected());
        ASSERT_TRUE(SettleUntil([&] { return !m_boxes.shown.empty(); }));  // the loss is told
        m_boxes.shown.clear();
        dlg.Grid().SetFocusCell(3, 1);
        AnswerNameDialog("Rock");
        Click(dlg.FindWindow(WxId(IDC_ACTION)));
        EXPECT_TRUE(SettleUntil([&] { return !m_boxes.shown.empty(); }));  // the failure is told
        EXPECT_FALSE(m_bNameAsked);
        EXPECT_EQ(Cell(dlg, 3), "Preset 3");
    });
    ASSERT_EQ(m_boxes.shown.size(), 1u);
    EXPECT_EQ(m_boxes.shown[0].text, "Connection failure!");
    EXPECT_EQ(std::string(g_devImages[2].m_szName, 16), Field("Preset 3"));
    EXPECT_EQ(std::string(g_liveImage.m_szName, 16), strLive);
}

// The name dialog: the slot's number and stored name in either language; it takes printable
// ASCII only, at most 13 characters, typed or pasted; Enter presses OK, Escape cancels.
TEST_F(PresetManager, TheNameDialogTakesPrintableAsciiOfThirteenCharactersAtMost)
{
    wxImage shots[2];
    wxRect rcNumber;
    for (const bool bChinese : {false, true}) {
        SCOPED_TRACE(bChinese ? "Chinese" : "English");
        g_bChinese = bChinese;
        auto* pDlg = new CSaveDlg;
        pDlg->m_nPreset = 3;
        ASSERT_TRUE(pDlg->Create(m_pFrame));
        EXPECT_EQ(pDlg->GetTitle().utf8_string(), bChinese ? "请输入场景名" : "Please enter the preset name");
        EXPECT_EQ(Label(pDlg->FindWindow(WxId(2725))), bChinese ? "序号:3" : "No.3");
        EXPECT_EQ(Label(pDlg->FindWindow(wxID_OK)), bChinese ? "确定" : "OK");
        EXPECT_EQ(Label(pDlg->FindWindow(wxID_CANCEL)), bChinese ? "取消" : "Cancel");
        EXPECT_EQ(pDlg->NameEdit().GetValue(), "Preset 3");
        pDlg->Show();
        // The picture shows the slot's number inside its box, in each language, and the name
        // selected in its field.
        const wxImage& shot = shots[bChinese] = CaptureWindow(*pDlg);
        EXPECT_TRUE(SaveScreenshot(shot, bChinese ? "preset_name_cn" : "preset_name_en"));
        rcNumber = RectInCapture(*pDlg->FindWindow(WxId(2725)), *pDlg);
        EXPECT_TRUE(ShowsTextIn(shot, rcNumber, *wxBLACK, 64, 1));
        EXPECT_TRUE(ShowsColour(shot, RectInCapture(pDlg->NameEdit(), *pDlg),
                                wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT), 0));

        CChEnEdit& edit = pDlg->NameEdit();
        edit.ChangeValue("");
        Type(&edit, "ABCDEFGHIJKLMN");  // the fourteenth does not go in
        EXPECT_EQ(edit.GetValue(), "ABCDEFGHIJKLM");
        edit.ChangeValue("");
        Type(&edit, wxString::FromUTF8(" Rock\xE4\xB8\xAD\xC3\xA9\t! "));  // "中", "é" and the tab stay out
        EXPECT_EQ(edit.GetValue(), " Rock! ");
        edit.SetValue(wxString::FromUTF8("大厅Hall\xC3\xA9"));  // pasted
        EXPECT_EQ(edit.GetValue(), "Hall");
        edit.SetValue("0123456789ABCDEF");
        EXPECT_EQ(edit.GetValue(), "0123456789ABC");
        edit.ChangeValue(" Rock ");
        CharHookKey(*pDlg, WXK_RETURN);
        EXPECT_EQ(pDlg->GetReturnCode(), 1);
        EXPECT_EQ(pDlg->m_strName, " Rock ");
        pDlg->Show();
        CharHookKey(*pDlg, WXK_ESCAPE);
        EXPECT_EQ(pDlg->GetReturnCode(), 2);
        EXPECT_FALSE(pDlg->IsShown());
        pDlg->Destroy();
        PumpPendingEvents();
    }
    EXPECT_TRUE(DifferIn(shots[0], shots[1], rcNumber));
}

// 0x477 has the effect take the live image's effect block; 0x478 is handled and changes nothing.
TEST_F(PresetManager, TheViewTakesMessages477And478)
{
    CEffect_Data& effect = *m_pView->m_pData->GetEffectData();
    {
        std::lock_guard lock(g_csLink);
        for (std::size_t i = 0; i < sizeof(EffectBlock); ++i)
            reinterpret_cast<BYTE*>(&g_liveImage.m_effect)[i] = BYTE(i * 5 + 1);
    }
    CEffect_Data expected;
    expected.LoadFromDevice(g_liveImage.m_effect);
    ASSERT_NE(effect.GetEchoDelay(), expected.GetEchoDelay());
    PostMessage(m_pView, WM_NOTHING_478, 0, 0);
    PumpPendingEvents();
    EXPECT_NE(effect.GetEchoDelay(), expected.GetEchoDelay());
    PostMessage(m_pView, WM_EFFECT_REFRESH, 0, 0);
    PumpPendingEvents();
    EXPECT_EQ(effect.GetEchoDelay(), expected.GetEchoDelay());
    EXPECT_EQ(effect.GetReverbTime(), expected.GetReverbTime());
    EXPECT_EQ(effect.GetName(), expected.GetName());
    EXPECT_EQ(effect.GetEchoBalance(), expected.GetEchoBalance());
}
