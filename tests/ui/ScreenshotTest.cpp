// Writes PNGs of every control of the foundation in its states and of the message and progress
// dialogs, in both languages, to the build folder's screenshots/ for a person to look at, and
// checks in each what it must show: faces where their controls are, texts inside their boxes.
#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/textctrl.h>

#include <cstring>
#include <vector>

#include "app/MessageBox.h"
#include "app/SaveDataDlg.h"
#include "app/VersionDlg.h"
#include "app/WarnDlg.h"
#include "controls/BitButton.h"
#include "controls/BitmapSlider.h"
#include "controls/ControlIds.h"
#include "controls/EnTabCtrl.h"
#include "controls/FontStatic.h"
#include "controls/GradientProgressCtrl.h"
#include "controls/NumEdit.h"
#include "controls/NumSpin.h"
#include "controls/ShowLink.h"
#include "controls/SkinBackground.h"
#include "controls/SLamp.h"
#include "controls/SxGroupBox.h"
#include "controls/XPButton.h"
#include "controls/xSkinButton.h"
#include "link/DisplayDlg.h"
#include "link/LinkState.h"
#include "link/LockDataDlg.h"
#include "link/ProgressTarget.h"
#include "link/UpgradeDlg.h"
#include "model/DataDefine.h"
#include "model/StdAfx.h"
#include "platform/MessageBox.h"
#include "res/SkinPaint.h"
#include "res/Skins.h"
#include "res/WinStyles.h"
#include "tests/ui/PictureChecks.h"
#include "tests/ui/TestSkins.h"
#include "tests/ui/UiTestUtil.h"

namespace {
// A page whose ground is a skin, as the program's pages are.
class CSkinnedPanel : public wxPanel, public ISkinBackground {
public:
    CSkinnedPanel(wxWindow* pParent, const wxSize& size) : wxPanel(pParent, wxID_ANY, {0, 0}, size)
    {
        m_bmp = wxBitmap(size.x, size.y, 24);
        wxMemoryDC dc(m_bmp);
        skin::PaintPageGround(dc, wxRect(size));
    }
    const wxBitmap& GetSkinBackground() const override { return m_bmp; }

private:
    wxBitmap m_bmp;
};

// Draws every shown drawn control among pWnd's children, and theirs (an overlay on a field), at
// their places.
void ComposeChildren(wxDC& dc, wxWindow* pWnd, const wxPoint& origin)
{
    for (wxWindow* pChild : pWnd->GetChildren()) {
        auto* pCtrl = dynamic_cast<CDrawnControl*>(pChild);
        if (pCtrl == nullptr || !pCtrl->IsShown())
            continue;
        const wxPoint at = origin + pCtrl->GetPosition();
        dc.DrawBitmap(wxBitmap(DrawToImage(*pCtrl)), at);
        ComposeChildren(dc, pCtrl, at);
    }
}

// The panel with every drawn control on it, composed from each control's own Draw.
wxImage ComposeSheet(CSkinnedPanel& panel)
{
    const wxSize size = panel.GetClientSize();
    wxBitmap sheet(size.x, size.y, 24);
    wxMemoryDC dc(sheet);
    dc.DrawBitmap(panel.GetSkinBackground(), 0, 0);
    ComposeChildren(dc, &panel, wxPoint(0, 0));
    dc.SelectObject(wxNullBitmap);
    return sheet.ConvertToImage();
}

template <class T>
T* Make(wxWindow* pParent, int nId, const wxRect& rc, const char* szText = "", unsigned nStyle = 0)
{
    auto* pCtrl = new T;
    pCtrl->Create(pParent, nId, rc, nStyle, wxString::FromUTF8(szText));
    return pCtrl;
}

void SendMouseTo(wxWindow& wnd, const wxPoint& pt)
{
    wxMouseEvent move(wxEVT_MOTION);
    move.SetPosition(pt);
    wnd.ProcessWindowEvent(move);
}

const char* Lang(bool bChinese)
{
    return bChinese ? "cn" : "en";
}

// Where the panel's control of that id lies on its sheet (nothing when there is none).
wxRect RectOf(const wxWindow& panel, int nId)
{
    const wxWindow* pCtrl = panel.FindWindow(WxId(nId));
    return pCtrl != nullptr ? pCtrl->GetRect() : wxRect();
}

// The control among the window's that shows a text holding szPart.
wxWindow* ShowingText(const wxWindow& wnd, const char* szPart)
{
    for (wxWindow* pChild : wnd.GetChildren()) {
        if (pChild->GetLabel().Contains(wxString::FromUTF8(szPart)))
            return pChild;
        if (wxWindow* pFound = ShowingText(*pChild, szPart))
            return pFound;
    }
    return nullptr;
}

// The dialog's picture shows the control's text in the ink colour inside the control.
void ExpectTextIn(const wxImage& shot, const wxTopLevelWindow& dlg, const wxWindow* pCtrl, const wxColour& ink)
{
    ASSERT_NE(pCtrl, nullptr);
    EXPECT_TRUE(ShowsTextIn(shot, RectInCapture(*pCtrl, dlg), ink, 64, 1));
}

class Screenshots : public testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        RegisterTestSkins();
        g_bChinese = GetParam() ? 1 : 0;
    }
    void TearDown() override { g_bChinese = 0; }
};
}  // namespace

TEST_P(Screenshots, ControlsInTheirStates)
{
    const bool bChinese = GetParam();
    auto* pFrame = new wxFrame(nullptr, wxID_ANY, "controls", wxPoint(0, 0), wxSize(820, 560));
    auto* pPanel = new CSkinnedPanel(pFrame, wxSize(820, 560));
    const char* szButton = bChinese ? "输出" : "Output";

    // Skinned buttons: normal, hover, pressed, checked, checked hover, disabled.
    const int faces[6] = {kFaceNormal, kFaceHover, kFacePressed, kFaceChecked, kFaceCheckedHover, kFaceDisabled};
    for (int i = 0; i < 6; ++i) {
        auto* pButton = Make<CBitButton>(pPanel, 3000 + i, wxRect(12 + i * 100, 12, 90, 28), szButton);
        pButton->SetBitmaps(kFaceNormal, kFaceHover, kFacePressed, kFaceChecked, kFaceCheckedHover, kFaceCheckedPressed);
        pButton->SetDisabledBitmaps(kFaceDisabled, kFaceDisabledChecked);
        pButton->SetTextColors(skin::kLabel, *wxWHITE, *wxWHITE, *wxWHITE, *wxWHITE, *wxWHITE);
        pButton->SetDisabledTextColor(wxColour(98, 106, 120));
        pButton->SetFonts(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
        switch (i) {
        case 1: pButton->SetHover(true); break;
        case 2: {
            pButton->SetHover(true);
            wxMouseEvent press(wxEVT_LEFT_DOWN);
            pButton->ProcessWindowEvent(press);
            break;
        }
        case 3: pButton->SetCheck(true); break;
        case 4: pButton->SetCheck(true); pButton->SetHover(true); break;
        case 5: pButton->Disable(); break;
        default: break;
        }
    }
    // Toggle buttons on and off, a skinned radio button, the link field.
    auto* pOn = Make<CXPButton>(pPanel, 3010, wxRect(12, 56, 60, 28));
    pOn->SetBitmaps(kToggleOn, kToggleOn, kToggleOn, kToggleOff, kToggleOff, kToggleOff);
    auto* pOff = Make<CXPButton>(pPanel, 3011, wxRect(82, 56, 60, 28));
    pOff->SetBitmaps(kToggleOn, kToggleOn, kToggleOn, kToggleOff, kToggleOff, kToggleOff);
    pOff->SetCheck(false);
    auto* pSkin = Make<CxSkinButton>(pPanel, 3012, wxRect(152, 56, 100, 28), bChinese ? "单选" : "Radio",
                                     BS_AUTORADIOBUTTON);
    pSkin->SetSkin(kFaceNormal, kFaceChecked, kFaceHover, kFaceDisabled, 0, 0);
    pSkin->SetTextColors(skin::kLabel, *wxWHITE);
    pSkin->SetCheck(true);
    auto* pLink = Make<CShow_Link>(pPanel, 3013, wxRect(262, 56, 200, 28),
                                   LangText(g_strConnectedCn, g_strConnectedEn));
    pLink->SetTextFont(nullptr);

    // Statics: label, transparent label, hyperlink, mute indicator on and off.
    auto* pLabel = Make<CFontStatic>(pPanel, 3020, wxRect(12, 100, 200, 24), bChinese ? "数据正在传输中" : "Data transmission");
    pLabel->SetFontStyle("", 18, wxColour(0, 0, 128), 0x21);
    pLabel->SetBkColor(wxColour(230, 230, 230));
    auto* pTransparent = Make<CTransparentStatic>(pPanel, 3021, wxRect(222, 100, 220, 40),
                                                  bChinese ? "透明背景上的标签文字会自动换行" : "A label on the page ground wraps its words",
                                                  SS_LEFT);
    pTransparent->SetTextColor(skin::kLabel);
    Make<CHyLink>(pPanel, 3022, wxRect(452, 100, 180, 20), "https://www.tarvi.example");
    Make<CMuteStatic>(pPanel, 3023, wxRect(642, 100, 60, 24));
    Make<CMuteStatic>(pPanel, 3024, wxRect(712, 100, 60, 24))->SetState(false);

    // Lamp strip at a level, a group box, progress bars at 0, 40 and 100 % (percent text).
    auto* pLamp = Make<CSLamp>(pPanel, 3030, wxRect(12, 150, 130, 14));
    pLamp->SetLevel(0x45);
    auto* pGroup = Make<CSxGroupBox>(pPanel, 3031, wxRect(12, 180, 300, 100), bChinese ? "升级" : "Update");
    pGroup->SetTextColor(skin::kLabel);
    for (int i = 0; i < 3; ++i) {
        auto* pBar = Make<CGradientProgressCtrl>(pPanel, 3040 + i, wxRect(330, 180 + i * 30, 300, 20));
        pBar->SetBkColor(wxColour(128, 128, 128));
        pBar->SetShowPercent(i == 2 || i == 1);
        pBar->SetPos(i == 0 ? 0 : i == 1 ? 40 : 100);
    }
    // The main view's tab control (no items) and one with items.
    CEnTabCtrl::EnableCustomLook(true, 0x1F);
    auto* pTabsEmpty = Make<CEnTabCtrl>(pPanel, 1368, wxRect(12, 300, 380, 120));
    pTabsEmpty->SetBkColor(wxColour(227, 228, 238));
    pTabsEmpty->SetDrawMode(CBaseTabCtrl::kFull);
    auto* pTabs = Make<CEnTabCtrl>(pPanel, 1369, wxRect(410, 300, 380, 120));
    pTabs->SetBkColor(wxColour(227, 228, 238));
    pTabs->SetDrawMode(CBaseTabCtrl::kFull);
    for (const char* szTab : {"Input", "Output", "Level", "Delay"})
        pTabs->InsertItem(pTabs->GetItemCount(), szTab);
    pTabs->SetCurSel(1);
    PumpPendingEvents();

    const wxImage sheet = ComposeSheet(*pPanel);
    EXPECT_TRUE(SaveScreenshot(sheet, std::string("controls_") + Lang(bChinese)));
    // Each button shows its state's face (by the face's marker) and the first its label; the
    // label on the page ground is drawn inside its box.
    for (int i = 0; i < 6; ++i) {
        const wxRect rcMarker(12 + i * 100 + kMarkerX - 1, 12 + kMarkerY - 1, 3, 3);
        EXPECT_TRUE(ShowsColour(sheet, rcMarker, FaceMarker(faces[i]))) << i;
    }
    EXPECT_TRUE(ShowsTextIn(sheet, RectOf(*pPanel, 3000), skin::kLabel, 24, 2));
    EXPECT_TRUE(ShowsTextIn(sheet, pTransparent->GetRect(), skin::kLabel, 24, 1));
    CEnTabCtrl::EnableCustomLook(false, 0);
    delete pFrame;
}

// Numeric fields (plain, focused, switched off, off text, a knob overlay in each zone), a spin,
// and faders (normal, highlighted, disabled).
TEST_P(Screenshots, NumericFieldsSpinsFadersAndKnobs)
{
    const bool bChinese = GetParam();
    auto* pFrame = new wxFrame(nullptr, wxID_ANY, "numeric", wxPoint(0, 0), wxSize(580, 190));
    auto* pPanel = new CSkinnedPanel(pFrame, wxSize(580, 190));
    pPanel->SetFont(wxFont(wxFontInfo(wxSize(0, 14)).FaceName("Liberation Sans")));
    struct Field {
        int nType, nMin, nMax;
        double dScale, dOffset;
        const char* szUnit;
        int nValue;
    };
    const Field fields[] = {{10, 80, 320, 0.1, 20, "", 234}, {23, 0, 600, 0.1, 60, "", 300},
                            {0, 0, 259, 0, 0, "ms", 48},      {25, 0, 66, 1, 60, "", 0},
                            {40, 1, 191, 0, 0, "", 16},       {11, 0, 295, 0, 0, "", 115}};
    for (int i = 0; i < 6; ++i) {
        auto* pEdit = Make<CNumEdit>(pPanel, 3100 + i, wxRect(12 + (i % 3) * 100, 12 + (i / 3) * 30, 90, 22), "", ES_CENTER);
        pEdit->SetRange(fields[i].nMin, fields[i].nMax);
        pEdit->SetScale(fields[i].dScale);
        pEdit->SetOffset(fields[i].dOffset);
        pEdit->SetType(fields[i].nType, fields[i].szUnit);
        pEdit->SetValue(fields[i].nValue);
        if (i == 1)
            pEdit->SetHighlight(true);
        if (i == 2)
            pEdit->EnableWindow(false);
    }
    for (int nZone = 0; nZone < 4; ++nZone) {
        auto* pKnob = Make<CNumEdit>(pPanel, 3110 + nZone, wxRect(12 + nZone * 98, 80, 88, 22));
        pKnob->CreateSpinOverlay(3120 + nZone);
        pKnob->GetSpinOverlay().SetBitmaps(kKnobIdle, kKnobLeft, kKnobActive, kKnobRight);
        pKnob->SetReadOnly(true);
        pKnob->SetRange(0, 259);
        pKnob->SetType(1, "cm");
        pKnob->SetValue(100);
        if (nZone > 0)
            pKnob->GetSpinOverlay().SetActive(true);
        if (nZone != 2)
            SendMouseTo(pKnob->GetSpinOverlay(), wxPoint(nZone == 1 ? 4 : 84, 10));
    }
    Make<CNumSpin>(pPanel, 3130, wxRect(420, 12, 16, 52));
    for (int i = 0; i < 3; ++i) {
        auto* pFader = Make<CBitmapSlider>(pPanel, 3140 + i, wxRect(460 + i * 40, 12, 24, 160));
        pFader->SetBitmapChannel(kFaderChannel, kFaderChannel);
        pFader->SetBitmapThumb(kFaderThumb, kFaderThumbActive, true, kClrFromPixel, 0, 0);
        pFader->SetBitmapThumbDisabled(kFaderThumbDisabled);
        pFader->SetRange(0, 66);
        pFader->SetMargin(0, 2, 0, 2);
        pFader->SetPos(20 + i * 20);
        if (i == 1)
            pFader->SetHighlight(true);
        if (i == 2)
            pFader->Enable(false);
    }
    PumpPendingEvents();
    const wxImage sheet = ComposeSheet(*pPanel);
    EXPECT_TRUE(SaveScreenshot(sheet, std::string("numeric_") + Lang(bChinese)));
    // The focused field's ground, the off text inside its field, the lit fader channel, and the
    // arrows of the active knob (the third) lit where the idle one's (the first) are not.
    EXPECT_TRUE(ShowsColour(sheet, RectOf(*pPanel, 3101), skin::kFocus, 0));
    EXPECT_TRUE(ShowsTextIn(sheet, RectOf(*pPanel, 3103), *wxWHITE, 40, 2));
    EXPECT_TRUE(ShowsColour(sheet, RectOf(*pPanel, 3140), skin::kTeal));
    EXPECT_TRUE(ShowsColour(sheet, RectOf(*pPanel, 3112), skin::kTeal));
    EXPECT_FALSE(ShowsColour(sheet, RectOf(*pPanel, 3110), skin::kTeal));
    delete pFrame;
}

TEST_P(Screenshots, MessageAndProgressDialogs)
{
    const bool bChinese = GetParam();
    struct Box {
        const char* szName;
        const char* szText;
        unsigned nType;
        int nCode;
    };
    const Box boxes[] = {
        {"message_ok", LangText(g_strUsbFailCn, g_strUsbFailEn), MB_OK, 2001},
        {"message_yesno", LangText(g_strRestoreEqCn, g_strRestoreEqEn), MB_YESNO, bChinese ? -2 : -3},
        {"message_quit", LangText("请更新固件!", "Please Update the Firmware!"), MB_CANCELONLY, 0},
    };
    for (const Box& box : boxes) {
        CMessageBox dlg(wxString::FromUTF8(box.szText), box.nType, "Tarvi", box.nCode);
        dlg.Create(nullptr);
        dlg.Show();
        const wxImage shot = CaptureWindow(dlg);
        EXPECT_TRUE(SaveScreenshot(shot, std::string(box.szName) + "_" + Lang(bChinese)));
        ExpectTextIn(shot, dlg, ShowingText(dlg, box.szText), *wxBLACK);
        dlg.Hide();
    }
    {
        CSaveData_Dlg dlg;
        dlg.Create(nullptr);
        dlg.Show();
        const wxImage shot = CaptureWindow(dlg);
        EXPECT_TRUE(SaveScreenshot(shot, std::string("exit_prompt_") + Lang(bChinese)));
        ExpectTextIn(shot, dlg, ShowingText(dlg, LangText("是否保存", "Whether to save")), *wxBLACK);
    }
    {
        std::memcpy(g_szDeviceVersion, "ZIRE-RI1.00", 11);
        CVersionDlg dlg;
        dlg.Create(nullptr);
        dlg.Show();
        const wxImage shot = CaptureWindow(dlg);
        EXPECT_TRUE(SaveScreenshot(shot, std::string("about_") + Lang(bChinese)));
        ExpectTextIn(shot, dlg, ShowingText(dlg, "ZIRE-RI1.00"), *wxBLACK);
        std::memset(g_szDeviceVersion, 0, sizeof g_szDeviceVersion);
    }
    {
        CWarnDlg dlg(wxString::FromUTF8(LangText("设备未连接", "The device is not connected")));
        dlg.Create(nullptr);
        dlg.Show();
        const wxImage shot = CaptureWindow(dlg);
        EXPECT_TRUE(SaveScreenshot(shot, std::string("warning_") + Lang(bChinese)));
        ExpectTextIn(shot, dlg, ShowingText(dlg, LangText("设备未连接", "The device is not connected")), *wxBLACK);
    }
    {
        auto* pDisplay = new CDisplayDlg(nullptr);
        pDisplay->Create(nullptr);
        g_bTransferring = 1;
        pDisplay->ShowTransfer(false);
        pDisplay->Bar()->SetPos(60);
        const wxImage shot = CaptureWindow(*pDisplay);
        EXPECT_TRUE(SaveScreenshot(shot, std::string("transfer_") + Lang(bChinese)));
        ExpectTextIn(shot, *pDisplay, pDisplay->Label(), pDisplay->Label()->GetTextColor());
        EXPECT_TRUE(IsDrawn(shot, RectInCapture(*pDisplay->Bar(), *pDisplay)));
        g_bTransferring = 0;
        pDisplay->HideTransfer();
        pDisplay->Destroy();
    }
    {
        // The firmware update dialog halfway through an update; its view is never asked.
        class CNoView : public IUpgradeView {
            int ChooseFirmwareFile() override { return 0; }
            int LoadFirmwareFile() override { return 0; }
            int DisconnectLink() override { return 0; }
            int FindHidDevices() override { return 0; }
            int IsNetworkReachable() override { return 0; }
            int ConnectUsbForUpdate(const std::string&) override { return 0; }
            int ConnectNetworkForUpdate() override { return 0; }
            int TryReconnectForUpdate(int) override { return 0; }
            void ReportReconnectFailure() override {}
            void AbortFirmwareUpdate(bool) override {}
        } view;
        auto* pUpgrade = new CUpgradeDlg(view);
        pUpgrade->Create(nullptr);
        pUpgrade->PathEdit()->ChangeValue(wxS("/home/user/firmware/ZIRE-RI1.00.bin"));
        pUpgrade->Bar()->SetRange(0, 200);
        pUpgrade->Bar()->SetPos(80);
        ShowUpdateTip("数据传输中 请勿中断", "Programming Do not interrupt");
        pUpgrade->Show();
        const wxImage shot = CaptureWindow(*pUpgrade);
        EXPECT_TRUE(SaveScreenshot(shot, std::string("firmware_update_") + Lang(bChinese)));
        ExpectTextIn(shot, *pUpgrade, pUpgrade->Tip(), *wxRED);
        EXPECT_TRUE(IsDrawn(shot, RectInCapture(*pUpgrade->Bar(), *pUpgrade)));
        delete pUpgrade;
    }
    {
        auto* pMonitor = new CLockDataDlg;
        pMonitor->Create(nullptr);
        pMonitor->AppendWriteLog("6B 6B 6B EE A1 01 00 09 40", false, true);
        pMonitor->AppendReadLog("6B 6B 6B EE 51 01 00 09 40", false, true);
        pMonitor->Show();
        const wxImage shot = CaptureWindow(*pMonitor);
        EXPECT_TRUE(SaveScreenshot(shot, std::string("monitor_") + Lang(bChinese)));
        ExpectTextIn(shot, *pMonitor, pMonitor->WriteLog(), *wxBLACK);
        pMonitor->Destroy();
    }
    wxTheApp->ProcessIdle();  // the monitor goes
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, Screenshots, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "Chinese" : "English"; });
