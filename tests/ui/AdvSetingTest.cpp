// The advanced settings dialog on the main view, against the emulated processor: the mixer
// source at once, the mixer and input-option fields through items 2 and 5, the limiter of the
// output chosen in the list with its draggable curve, the network endpoint, the EQ display
// option and Load Default.
#include <gtest/gtest.h>
#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/textctrl.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "controls/BitButton.h"
#include "controls/COM_EXT_LIMStatic.h"
#include "controls/GdiConvert.h"
#include "controls/NumEdit.h"
#include "controls/NumSpin.h"
#include "grid/ListCtrlCl.h"
#include "model/InputSourceTable.h"
#include "model/KTV_Data.h"
#include "model/KTV_OutData.h"
#include "pages/Adv_Seting.h"
#include "pages/Adv_SetingIds.h"
#include "res/Skins.h"
#include "tests/support/DialogItem.h"
#include "tests/support/TestEnvironment.h"
#include "tests/ui/ControlHost.h"
#include "tests/ui/PictureChecks.h"
#include "tests/ui/ViewOnLink.h"

using namespace Adv_SetingIds;

namespace {

void Click(wxWindow* pCtrl)
{
    wxCommandEvent click(wxEVT_BUTTON, pCtrl->GetId());
    click.SetEventObject(pCtrl);
    pCtrl->GetParent()->ProcessWindowEvent(click);
}

// The face a skinned button shows now is the face of that id.
bool ShowsFace(CDrawnControl& ctrl, int nSkin)
{
    const wxImage shown = DrawToImage(ctrl);
    const wxImage face = LoadSkin(nSkin).ConvertToImage();
    return shown.GetSize() == face.GetSize() &&
        std::memcmp(shown.GetData(), face.GetData(), std::size_t(face.GetWidth()) * face.GetHeight() * 3) == 0;
}

// Typing a text into a field and leaving it, as a user does.
void Type(CNumEdit* pEdit, const char* szText)
{
    SendFocus(pEdit, true);
    TypeText(pEdit, wxString::FromUTF8(szText));
    SendFocus(pEdit, false);
    PumpPendingEvents();
}

std::vector<std::string> PingArguments()
{
    std::vector<std::string> lines;
    std::ifstream file(ConfigFolder() + "/answers.args");
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

class AdvSeting : public ViewOnLink {
protected:
    void TearDown() override
    {
        if (m_pDlg != nullptr)
            m_pDlg->Destroy();
        PumpPendingEvents();
        g_bLinkLR = 0;
        g_nLineSet = 1;
        ViewOnLink::TearDown();
    }

    CAdv_Seting& Open()
    {
        m_pDlg = new CAdv_Seting(*m_pView, *m_pView->m_pData);
        m_pDlg->Create(m_pFrame);
        m_pDlg->Show();
        PumpPendingEvents();
        return *m_pDlg;
    }
    CNumEdit* Edit(int nId) { return Item<CNumEdit>(*m_pDlg, nId); }
    wxString Text(int nId) { return Edit(nId)->GetText(); }
    CListCtrlCl& List() { return *Item<CListCtrlCl>(*m_pDlg, IDC_OUTPUT_LIST); }
    wxTextCtrl& Address() { return *Item<wxTextCtrl>(*m_pDlg, IDC_ADDRESS); }
    CKTV_OutData& Out(int k) { return *m_pView->m_pData->GetOutData(k); }
    // A click on row k of the output list.
    void ClickRow(int nRow)
    {
        const wxRect rc = List().GetCellRect(nRow, 0);
        wxMouseEvent down(wxEVT_LEFT_DOWN);
        down.SetPosition(rc.GetPosition() + wxPoint(2, 2));
        down.SetEventObject(&List());
        List().ProcessWindowEvent(down);
        PumpPendingEvents();
    }
    void Connect()
    {
        m_hid.Plug(kUsbPath, m_emulator);
        ASSERT_EQ(m_pView->ConnectUsbPath(kUsbPath), 1);
        ASSERT_TRUE(WaitSynced());
    }

    CAdv_Seting* m_pDlg = nullptr;
};

class AdvSetingOnUsb : public AdvSeting {
protected:
    void SetUp() override { Start(LinkWay::Usb, false); }
};

class AdvSetingOnNet : public AdvSeting {
protected:
    void SetUp() override { Start(LinkWay::Net); }
};

}  // namespace

// Tools command 728 runs the dialog with the model and the view; while it is open the view
// reaches it through g_pAdvDlg, afterwards no more.
TEST_F(AdvSetingOnUsb, ToolsCommandOpensItWithTheFirstOutputSelected)
{
    Out(0).SetLimLevel(300);
    Out(0).SetLimAttack(0);
    Out(0).SetLimRelease(100);
    bool bChecked = false;
    wxTheApp->CallAfter([&] {
        auto* pDlg = dynamic_cast<CAdv_Seting*>(g_pAdvDlg);
        ASSERT_NE(pDlg, nullptr);
        EXPECT_TRUE(pDlg->IsModal());
        EXPECT_EQ(pDlg->GetTitle(), "Advanced Setting");
        EXPECT_EQ(pDlg->GetSelectedRow(), 0);
        EXPECT_EQ(Item<CNumEdit>(*pDlg, IDC_LIM_DBU)->GetText(), "0.0dBu");
        EXPECT_EQ(Item<CNumEdit>(*pDlg, IDC_LIM_VOLT)->GetText(), "2.200Vpp");
        EXPECT_EQ(Item<CNumEdit>(*pDlg, IDC_LIM_ATTACK)->GetText(), "0.3ms");
        EXPECT_EQ(Item<CNumEdit>(*pDlg, IDC_LIM_RELEASE)->GetText(), "100ms");
        EXPECT_FALSE(Item<CBitButton>(*pDlg, IDC_LOAD_DEFAULT)->IsEnabled());  // no processor
        EXPECT_FALSE(Item<CBitButton>(*pDlg, IDC_APPLY)->IsEnabled());
        bChecked = true;
        Click(pDlg->FindWindow(wxID_CANCEL));  // the Quit button, out of sight
    });
    Command(m_pView, 728);
    EXPECT_TRUE(bChecked);
    EXPECT_EQ(g_pAdvDlg, nullptr);
}

// The mixer source goes to the processor at once as system item 2; a source already chosen, and
// one the active input does not offer, send nothing.
TEST_F(AdvSetingOnUsb, TheMixerSourceIsSentAtOnce)
{
    Connect();
    CAdv_Seting& dlg = Open();
    std::vector<bool> offered;
    dlg.SetPopupHandler([&](wxMenu& menu, const wxPoint&) {
        offered.clear();
        for (int k = 0; k < SOURCE_COUNT; ++k)
            offered.push_back(menu.IsEnabled(WxId(ID_SOURCE_FIRST + k)));
    });
    Click(dlg.FindWindow(WxId(IDC_SOURCE)));
    ASSERT_EQ(offered.size(), std::size_t(SOURCE_COUNT));
    int nChosen = -1;
    for (int k = 0; k < SOURCE_COUNT; ++k) {
        EXPECT_EQ(offered[std::size_t(k)], g_inputSourceTable.m_bAvail[k] != 0) << k;
        if (offered[std::size_t(k)] && k != g_inputSourceTable.m_nSource && nChosen < 0)
            nChosen = k;
    }
    ASSERT_GE(nChosen, 0);

    m_emulator.ClearLog();
    Command(&dlg, ID_SOURCE_FIRST + nChosen);
    EXPECT_EQ(g_inputSourceTable.m_nSource, nChosen);
    EXPECT_TRUE(ShowsFace(*Item<CBitButton>(dlg, IDC_SOURCE), IDB_SOURCE_EN + nChosen));
    const int nByte = nChosen == SOURCE_OFF ? 255 : nChosen;
    EXPECT_TRUE(SettleUntil([&] { return m_emulator.State().input[4] == nByte; }));
    const auto writesOfItem2 = [&] {
        int n = 0;
        for (const EmuRequest& r : m_emulator.Log())
            n += IsWrite(r, emu::BLOCK_SYSTEM, emu::ITEM_INPUT);
        return n;
    };
    EXPECT_EQ(writesOfItem2(), 1);
    Command(&dlg, ID_SOURCE_FIRST + nChosen);  // the source already
    Settle(100);  // a write that must not come leaves nothing to wait for: give it the time
    EXPECT_EQ(writesOfItem2(), 1);
}

// Threshold, attenuation and release leave item 2 pending, group delay and noise threshold item
// 5; the worker sends each with the typed values. A text typed as shown stores what it shows.
TEST_F(AdvSetingOnUsb, MixerAndInputOptionFieldsReachTheProcessorThroughItems2And5)
{
    Connect();
    Open();
    Type(Edit(IDC_MIX_THRESHOLD), "-80");
    Type(Edit(IDC_MIX_ATTEN), "-37");
    Type(Edit(IDC_MIX_RELEASE), "12");
    EXPECT_EQ(Text(IDC_MIX_THRESHOLD), "-80dBu");
    EXPECT_EQ(Text(IDC_MIX_ATTEN), "-37dB");
    EXPECT_EQ(Text(IDC_MIX_RELEASE), "12s");
    EXPECT_TRUE(SettleUntil([&] {
        const auto input = m_emulator.State().input;
        return input[5] == 40 && input[6] == 83 && input[7] == 12;
    }));
    Type(Edit(IDC_GROUP_DELAY), "0.29");
    Type(Edit(IDC_NOISE), "-100");
    EXPECT_EQ(Text(IDC_GROUP_DELAY), "0.29s");
    EXPECT_EQ(Text(IDC_NOISE), "-100dBu");
    EXPECT_EQ(g_masterSettings.Get().m_byGroupDelay, 29);
    EXPECT_EQ(g_masterSettings.Get().m_byNoiseEcho, 20);
    EXPECT_TRUE(SettleUntil([&] {
        const auto master = m_emulator.State().master;
        return master[2] == 29 && master[3] == 20 && master[7] == 20;
    }));
    // The noise threshold it already has marks nothing.
    g_bSendMaster = 0;
    Type(Edit(IDC_NOISE), "-100");
    EXPECT_EQ(g_bSendMaster, 0);
}

// Fault mended: after a read from the processor the threshold field showed another byte than the
// one its edits write and could be left disabled. It shows the mixer threshold and stays enabled.
TEST_F(AdvSetingOnUsb, TheThresholdReloadsFromTheByteItsEditsWrite)
{
    CAdv_Seting& dlg = Open();
    g_inputSettings.SetField(&InputSettings::m_byMixThreshold, 40);
    g_masterSettings.SetField(&MasterSettings::m_byReserved, 99);
    g_masterSettings.SetField(&MasterSettings::m_byNoInput, 0);
    dlg.ReloadFromDevice();
    EXPECT_EQ(Text(IDC_MIX_THRESHOLD), "-80dBu");
    EXPECT_TRUE(Edit(IDC_MIX_THRESHOLD)->IsEnabledFlag());
    EXPECT_TRUE(Edit(IDC_MIX_THRESHOLD)->IsEnabled());
}

// Fault mended: values beyond a field's range, as a processor or a file may hold them, opened a
// "Set Pos Error!" box (with the link lock held on a reload). They are shown at the field's
// bound and kept until the user changes the field.
TEST_F(AdvSetingOnUsb, ValuesBeyondTheFieldsShowAtTheirBoundWithoutABox)
{
    g_inputSettings.SetField(&InputSettings::m_byMixRelease, 200);
    g_inputSettings.SetField(&InputSettings::m_byMixThreshold, 250);
    g_masterSettings.SetField(&MasterSettings::m_byGroupDelay, 180);
    g_masterSettings.SetField(&MasterSettings::m_byNoiseThreshold, 150);
    Out(0).SetLimLevel(-40);
    Out(0).SetLimRelease(9000);
    Out(0).SetLimAttack(300);
    {
        std::lock_guard lock(g_csEndpoint);
        g_nDevicePort = 70000;
    }
    CAdv_Seting& dlg = Open();
    dlg.ReloadFromDevice();
    EXPECT_TRUE(m_boxes.shown.empty());
    EXPECT_EQ(Text(IDC_MIX_RELEASE), "30s");
    EXPECT_EQ(Text(IDC_MIX_THRESHOLD), "0dBu");
    EXPECT_EQ(Text(IDC_GROUP_DELAY), "1.00s");
    EXPECT_EQ(Text(IDC_NOISE), "-20dBu");
    EXPECT_EQ(Text(IDC_LIM_DBU), "-30.0dBu");
    EXPECT_EQ(Text(IDC_LIM_RELEASE), "5000ms");
    EXPECT_EQ(Text(IDC_LIM_ATTACK), "200ms");
    EXPECT_EQ(Text(IDC_PORT), "65535");
    EXPECT_EQ(Out(0).GetLimRelease(), 9000);
    EXPECT_EQ(g_inputSettings.Get().m_byMixRelease, 200);
}

// The list names each output's role (no role for a code the table does not know); while left and
// right are linked, the rows linked to the selected one carry "Edit" and "Link" on red.
TEST_F(AdvSetingOnUsb, TheOutputListShowsRolesAndTheLinkMarksOfTheSelectedRow)
{
    g_roleStates.m_byOutRole[0] = 6;
    g_roleStates.m_byOutRole[3] = 31;
    g_outLinks.m_nGroup[1] = 0;
    g_bLinkLR = 1;
    CAdv_Seting& dlg = Open();
    EXPECT_EQ(List().GetItemText(0, 0), "CH1");
    EXPECT_EQ(List().GetItemText(7, 0), "CH8");
    EXPECT_EQ(List().GetItemText(0, 1), "FL-Full");
    EXPECT_EQ(List().GetItemText(3, 1), "NULL");
    EXPECT_EQ(List().GetItemText(0, 2), "Edit");
    EXPECT_EQ(List().GetItemText(1, 2), "Edit");
    EXPECT_EQ(List().GetItemText(1, 3), "Link");

    Out(1).SetLimLevel(360);
    Edit(IDC_LIM_DBU)->SetHighlight(true);
    ClickRow(1);
    EXPECT_EQ(dlg.GetSelectedRow(), 1);
    EXPECT_EQ(Text(IDC_LIM_DBU), "6.0dBu");
    EXPECT_FALSE(Edit(IDC_LIM_DBU)->GetHighlight());
    EXPECT_EQ(List().GetItemText(0, 2), "Edit");
    EXPECT_EQ(List().GetItemText(0, 3), "Link");
    wxColour colour;
    ASSERT_TRUE(List().FindCellBkColor(3, 0, colour));
    EXPECT_EQ(colour, wxColour(255, 0, 0));

    ClickRow(3);
    for (const int nRow : {0, 1}) {
        EXPECT_EQ(List().GetItemText(nRow, 2), "");
        EXPECT_EQ(List().GetItemText(nRow, 3), "");
    }
    EXPECT_EQ(List().GetItemText(3, 2), "Edit");
    EXPECT_FALSE(List().FindCellBkColor(3, 0, colour));

    // The Chinese dialog names an unknown role as no role too.
    m_pDlg->Destroy();
    g_bChinese = 1;
    Open();
    EXPECT_EQ(List().GetItemText(3, 1), wxString::FromUTF8("空"));
    EXPECT_EQ(List().GetColumnHeading(1), wxString::FromUTF8("通道设置"));
    g_bChinese = 0;
}

// Every row linked to the selected one is marked red, however many the link group holds.
TEST_F(AdvSetingOnUsb, EveryRowLinkedToTheSelectedOneIsMarkedRed)
{
    g_outLinks.m_nGroup[2] = g_outLinks.m_nGroup[0];
    g_outLinks.m_nGroup[3] = g_outLinks.m_nGroup[0];
    g_outLinks.m_nGroup[5] = g_outLinks.m_nGroup[0];
    g_bLinkLR = 1;
    Open();
    ClickRow(2);
    for (int nRow = 0; nRow < OUTPUT_CHANNELS; ++nRow) {
        SCOPED_TRACE(nRow);
        const bool bLinked = nRow == 0 || nRow == 3 || nRow == 5;
        wxColour colour;
        EXPECT_EQ(List().FindCellBkColor(3, nRow, colour), bLinked);
        if (bLinked) {
            EXPECT_EQ(colour, wxColour(255, 0, 0));
        }
        EXPECT_EQ(List().GetItemText(nRow, 3), bLinked ? "Link" : "");
    }
}

// The limiter fields act on the selected output: the dBu and the voltage field show one level,
// attack and release are stored as they are, and the processor receives the limiter group.
TEST_F(AdvSetingOnUsb, LimiterFieldsEditTheSelectedOutput)
{
    Connect();
    Open();
    ClickRow(2);
    m_emulator.ClearLog();
    Type(Edit(IDC_LIM_DBU), "-29.8dBu");
    EXPECT_EQ(Out(2).GetLimLevel(), 2);
    EXPECT_EQ(Text(IDC_LIM_VOLT), "0.071Vpp");
    Type(Edit(IDC_LIM_VOLT), "OFF");
    EXPECT_EQ(Out(2).GetLimLevel(), 420);
    EXPECT_EQ(Text(IDC_LIM_DBU), "OFF");
    Type(Edit(IDC_LIM_ATTACK), "0.6ms");
    EXPECT_EQ(Out(2).GetLimAttack(), 3);
    Type(Edit(IDC_LIM_RELEASE), "750");
    EXPECT_EQ(Out(2).GetLimRelease(), 750);
    // Group 35 of output 3: level 420, attack 3, release 750, then the two bytes as received.
    EXPECT_TRUE(SettleUntil([&] {
        const EmuImage image = m_emulator.State().images[0];
        const std::size_t nAt = emu::OUTPUT_OFFSET + 2 * emu::OUTPUT_SIZE + 35 * emu::GROUP_SIZE;
        return Int16At(image, nAt) == 420 && Int16At(image, nAt + 2) == 3 && Int16At(image, nAt + 4) == 750;
    }));
}

// A drag of the curve's knee sets the level of the selected output and shows it in both level
// fields, highlighted; typing the old level afterwards stores it again.
TEST_F(AdvSetingOnUsb, DraggingTheKneeChangesTheLevelFields)
{
    Out(0).SetLimLevel(300);
    Open();
    auto* pGraph = Item<CCOM_EXT_LIMStatic>(*m_pDlg, IDC_LIM_GRAPH);
    const Point knee = pGraph->GetHandleRect().CenterPoint();
    const wxPoint ptKnee(knee.x, knee.y);
    auto mouse = [&](wxEventType type, wxPoint pt) {
        wxMouseEvent event(type);
        event.SetPosition(pt);
        event.SetLeftDown(type != wxEVT_LEFT_UP);
        event.SetEventObject(pGraph);
        pGraph->ProcessWindowEvent(event);
    };
    mouse(wxEVT_MOTION, ptKnee);
    mouse(wxEVT_LEFT_DOWN, ptKnee);
    mouse(wxEVT_MOTION, ptKnee - wxPoint(0, 30));
    mouse(wxEVT_LEFT_UP, ptKnee - wxPoint(0, 30));
    PumpPendingEvents();
    const int nLevel = Out(0).GetLimLevel();
    EXPECT_GT(nLevel, 300);
    EXPECT_EQ(Edit(IDC_LIM_DBU)->GetValue(), nLevel);
    EXPECT_EQ(Edit(IDC_LIM_VOLT)->GetValue(), nLevel);
    EXPECT_TRUE(Edit(IDC_LIM_DBU)->GetHighlight());
    EXPECT_TRUE(Edit(IDC_LIM_VOLT)->GetHighlight());
    Type(Edit(IDC_LIM_DBU), "0.0dBu");
    EXPECT_EQ(Out(0).GetLimLevel(), 300);
    EXPECT_EQ(Edit(IDC_LIM_VOLT)->GetText(), "2.200Vpp");
}

// The EQ display option flips on every click and is stored as "Line_Set".
TEST_F(AdvSetingOnUsb, TheEqDisplayToggleFlipsTheOptionAndStoresIt)
{
    g_nLineSet = 1;
    CAdv_Seting& dlg = Open();
    auto* pToggle = Item<CBitButton>(dlg, IDC_LINE_SET);
    EXPECT_TRUE(pToggle->GetCheck());
    for (const int nExpected : {0, 1, 0}) {
        Click(pToggle);
        EXPECT_EQ(g_nLineSet, nExpected);
        EXPECT_EQ(pToggle->GetCheck(), nExpected != 0);
        Settings().Reload();
        EXPECT_EQ(Settings().ReadString("Software/Tarvi_1.exe/Line_Set", "Line_Set"), std::to_string(nExpected));
    }
}

// Enter and Tab walk the fields round the ring (the noise threshold on to the address, the
// address on to the port); Escape takes the focus and closes nothing.
TEST_F(AdvSetingOnUsb, EnterAndTabWalkTheFieldsAndEscapeClosesNothing)
{
    CAdv_Seting& dlg = Open();
    auto press = [&](int nKey) {
        wxKeyEvent key(wxEVT_CHAR_HOOK);
        key.m_keyCode = nKey;
        key.SetEventObject(&dlg);
        dlg.ProcessWindowEvent(key);
    };
    auto focused = [] {
        wxWindow* pFocus = wxWindow::FindFocus();
        return pFocus != nullptr ? CtrlId(pFocus->GetId()) : -2;
    };
    auto focusOn = [&](int nId) { return SettleUntil([&] { return focused() == nId; }); };
    Edit(IDC_LIM_VOLT)->SetFocus();
    if (!SettleUntil([&] { return focused() == IDC_LIM_VOLT; }, std::chrono::seconds(2)))
        GTEST_SKIP() << "the display gives no keyboard focus";
    press(WXK_TAB);
    EXPECT_TRUE(focusOn(IDC_MIX_THRESHOLD)) << focused();
    Edit(IDC_NOISE)->SetFocus();
    ASSERT_TRUE(focusOn(IDC_NOISE)) << focused();
    press(WXK_RETURN);
    EXPECT_TRUE(focusOn(IDC_ADDRESS)) << focused();
    press(WXK_RETURN);
    EXPECT_TRUE(focusOn(IDC_PORT)) << focused();
    press(WXK_ESCAPE);
    EXPECT_TRUE(SettleUntil([&] { return focused() != IDC_PORT; }));
    EXPECT_TRUE(dlg.IsShown());
}

// A port typed beyond the last one shows as the last one at once, and makes Apply available.
TEST_F(AdvSetingOnUsb, APortTypedBeyondTheLastShowsTheLastAtOnce)
{
    CAdv_Seting& dlg = Open();
    CNumEdit* pPort = Edit(IDC_PORT);
    SendFocus(pPort, true);
    for (const char c : std::string("70000")) {
        SendKey(pPort, c, false, false, c);
        PumpPendingEvents();
    }
    EXPECT_EQ(pPort->GetText(), "65535");
    EXPECT_TRUE(Item<CBitButton>(dlg, IDC_APPLY)->IsEnabled());
    SendFocus(pPort, false);
    EXPECT_EQ(pPort->GetText(), "65535");
}

// Fault mended: Apply took any address text and reported a bad port only after taking it. Now an
// address that is not four numbers 0-255 or a port outside 1-65535 is told and changes nothing;
// a good endpoint is used by the link check from then on: it pings the new address and the view
// connects to it.
TEST_F(AdvSetingOnNet, ApplyTakesOnlyAGoodEndpointWhichTheLinkCheckThenUses)
{
    ASSERT_TRUE(WaitSynced());
    const DeviceEndpoint live = CurrentEndpoint();
    Open();
    EXPECT_EQ(Address().GetValue(), wxString::FromUTF8(live.strAddress));
    auto apply = [&](const char* szAddress, const char* szPort) {
        Address().SetValue(wxString::FromUTF8(szAddress));  // as typed: the change event comes
        SendFocus(Edit(IDC_PORT), true);
        TypeText(Edit(IDC_PORT), wxString::FromUTF8(szPort));
        Click(m_pDlg->FindWindow(WxId(IDC_APPLY)));
        PumpPendingEvents();
    };
    struct Case {
        const char* szAddress;
        const char* szPort;
    };
    const Case bad[] = {{"256.1.1.1", "8899"}, {"1.2.3", "8899"}, {"a.b.c.d", "8899"},
                        {"10.10.100.254; rm", "8899"}, {"10.10.100.254", "0"}};
    for (const Case& c : bad) {
        SCOPED_TRACE(std::string(c.szAddress) + ":" + c.szPort);
        m_boxes.shown.clear();
        apply(c.szAddress, c.szPort);
        ASSERT_EQ(m_boxes.shown.size(), 1u);
        EXPECT_EQ(m_boxes.shown[0].text,
                  "Enter an IP address of four numbers from 0 to 255 and a port between 1 and 65535.");
        EXPECT_EQ(m_boxes.shown[0].code, CAPTION_WARNING_EN);
        EXPECT_EQ(CurrentEndpoint(), live);
        EXPECT_EQ(Address().GetValue(), wxString::FromUTF8(c.szAddress));  // nothing typed is lost
    }

    // The open link keeps its connection; the endpoint changes for the next one.
    m_boxes.shown.clear();
    apply("192.168.77.5", "1234");
    EXPECT_TRUE(m_boxes.shown.empty());
    EXPECT_EQ(CurrentEndpoint(), (DeviceEndpoint{"192.168.77.5", 1234}));
    EXPECT_EQ(m_pDlg->GetPort(), 1234);
    EXPECT_TRUE(m_pView->IsOnline());
    EXPECT_TRUE(Item<CBitButton>(*m_pDlg, IDC_APPLY)->IsEnabled());

    // Closed and opened again, the dialog shows the endpoint applied.
    m_pDlg->Destroy();
    Open();
    EXPECT_EQ(Address().GetValue(), "192.168.77.5");
    EXPECT_EQ(Text(IDC_PORT), "1234");

    // Once the link is gone, the check pings the address applied and the view connects to it.
    m_pView->OnConnectButton();  // the user disconnects
    ASSERT_TRUE(WaitDisconnected());
    std::remove((ConfigFolder() + "/answers.args").c_str());
    apply("127.000.0.1", std::to_string(live.nPort).c_str());
    EXPECT_EQ(CurrentEndpoint(), live);
    EXPECT_TRUE(WaitSynced());
    const std::vector<std::string> pings = PingArguments();
    ASSERT_FALSE(pings.empty());
    EXPECT_EQ(pings.back(), "-c 1 -W 1 127.0.0.1");
}

// Load Default sends the factory-settings command at once, without a question. On the network
// the WiFi module restarts: the link ends, the dialog shows the factory endpoint, and the
// processor is found again once its address is applied.
TEST_F(AdvSetingOnNet, LoadDefaultResetsTheProcessorAndTheLinkComesBackOnTheAppliedEndpoint)
{
    ASSERT_TRUE(WaitSynced());
    const DeviceEndpoint live = CurrentEndpoint();
    CAdv_Seting& dlg = Open();
    auto* pDefault = Item<CBitButton>(dlg, IDC_LOAD_DEFAULT);
    ASSERT_TRUE(pDefault->IsEnabled());
    m_emulator.ClearLog();
    Click(pDefault);
    EXPECT_TRUE(m_boxes.shown.empty());  // no question
    ASSERT_TRUE(SettleUntil([&] { return m_emulator.State().nWifiResets == 1; }));
    const std::vector<EmuRequest> log = m_emulator.Log();
    ASSERT_FALSE(log.empty());
    // Write of system item 65 with eight zero bytes.
    const std::vector<std::uint8_t> reset = {0x6B, 0x6B, 0x6B, 0xEE, 0xA1, 0x01, 0x00, 0x09, 0x41, 0x00, 0x00, 0x00,
                                             0x08, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0xE0, 0xAA};
    EXPECT_EQ(log.back().bytes, reset);

    ASSERT_TRUE(WaitDisconnected());
    EXPECT_TRUE(SettleUntil([&] { return Address().GetValue() == "10.10.100.254"; }));
    EXPECT_TRUE(SettleUntil([&] { return dlg.IsEnabled(); }));  // the progress window let it go
    EXPECT_EQ(Text(IDC_PORT), "8899");
    EXPECT_FALSE(Item<CBitButton>(dlg, IDC_APPLY)->IsEnabled());
    EXPECT_FALSE(pDefault->IsEnabled());

    Address().SetValue("127.0.0.1");
    SendFocus(Edit(IDC_PORT), true);
    TypeText(Edit(IDC_PORT), wxString::Format("%d", live.nPort));
    SendFocus(Edit(IDC_PORT), false);
    Click(dlg.FindWindow(WxId(IDC_APPLY)));
    EXPECT_TRUE(WaitSynced());
    EXPECT_TRUE(SettleUntil([&] { return pDefault->IsEnabled(); }));
}

// Both languages: the ground with its groups and labels, the buttons and the list. The first
// output's limiter curve is drawn in its colour inside the plot, the list shows the first row
// selected and the linked output's cell in the link colour, the level field its text, and the
// source button differs between the languages.
TEST_F(AdvSetingOnUsb, Screenshots)
{
    g_roleStates.m_byOutRole[0] = 6;
    g_roleStates.m_byOutRole[1] = 12;
    g_outLinks.m_nGroup[1] = 0;
    g_bLinkLR = 1;
    Color curve;
    Out(0).GetCurveColor(curve);
    wxImage shots[2];
    wxRect rcSource;
    for (const bool bChinese : {false, true}) {
        SCOPED_TRACE(bChinese ? "Chinese" : "English");
        g_bChinese = bChinese ? 1 : 0;
        CAdv_Seting& dlg = Open();
        EXPECT_EQ(dlg.GetClientSize(), LoadSkin(bChinese ? IDB_BACK_CN : IDB_BACK_EN).GetSize());
        EXPECT_EQ(dlg.GetTitle(), wxString::FromUTF8(bChinese ? "高级" : "Advanced Setting"));
        EXPECT_TRUE(SaveScreenshot(CaptureWindow(dlg), bChinese ? "advanced_cn" : "advanced_en"));
        const wxImage& shot = shots[bChinese] = CaptureWindow(dlg);
        const auto* pGraph = Item<CCOM_EXT_LIMStatic>(dlg, IDC_LIM_GRAPH);
        EXPECT_TRUE(ShowsColour(shot, RectInCapture(*pGraph, dlg, ToWx(pGraph->GetPlotRect())), ToWx(curve), 0));
        wxColour link;
        ASSERT_TRUE(List().FindCellBkColor(3, 1, link));
        EXPECT_TRUE(ShowsColour(shot, RectInCapture(List(), dlg, List().GetCellRect(1, 3)), link, 0));
        EXPECT_TRUE(ShowsColour(shot, RectInCapture(List(), dlg, List().GetCellRect(0, 0)),
                                wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT), 0));
        EXPECT_TRUE(ShowsTextIn(shot, RectInCapture(*Edit(IDC_LIM_DBU), dlg), *wxWHITE, 40, 1));
        rcSource = RectInCapture(*Item<wxWindow>(dlg, IDC_SOURCE), dlg);
        m_pDlg->Destroy();
        m_pDlg = nullptr;
        PumpPendingEvents();
    }
    EXPECT_TRUE(DifferIn(shots[0], shots[1], rcSource));
    g_bChinese = 0;
}
