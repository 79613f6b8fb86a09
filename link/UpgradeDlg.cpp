#include "link/UpgradeDlg.h"

#include <wx/choice.h>
#include <wx/menu.h>
#include <wx/textctrl.h>

#include <mutex>
#include <utility>

#include "controls/ButtonRadio.h"
#include "controls/FontStatic.h"
#include "controls/GradientProgressCtrl.h"
#include "controls/SxGroupBox.h"
#include "controls/WndMessages.h"
#include "link/LinkState.h"
#include "link/ListItem.h"
#include "link/ProgressTarget.h"
#include "link/UpData_Thread.h"
#include "model/StdAfx.h"
#include "platform/ComPorts.h"
#include "platform/LinkLock.h"
#include "platform/MessageBox.h"
#include "platform/MessageIds.h"
#include "platform/Trace.h"
#include "res/Menus.h"
#include "res/SharedGdi.h"
#include "res/UiText.h"

namespace {
constexpr int IDC_RADIOS[] = {CUpgradeDlg::IDC_USB, CUpgradeDlg::IDC_WIFI, CUpgradeDlg::IDC_COM};
constexpr int WINDOW_WIDTH = 397;
constexpr int WINDOW_HEIGHT = 160;
constexpr int IDR_CONNECT_MENU = 114;

class CEditItem : public wxTextCtrl {
public:
    bool Create(wxWindow* pParent, int nId, const wxRect& rc, unsigned, const wxString& strText, unsigned)
    {
        return wxTextCtrl::Create(pParent, WxId(nId), strText, rc.GetPosition(), rc.GetSize());
    }
};
}  // namespace

// The status line as the link sees it: any thread sets the text, which is stored and posted to
// the static; the UI thread shows it when the message comes. One message at a time is on its
// way: texts set meanwhile replace the stored one, and the UI shows the latest.
class CUpgradeDlg::CTipPoster : public IStatusLine {
public:
    explicit CTipPoster(CTransparentStatic* pTip) : m_pTip(pTip), m_hTip(GetWndHandle(pTip))
    {
        BindMessage(pTip, WM_SETTEXT, [this](WPARAM, LPARAM) {
            std::string strText;
            {
                std::lock_guard lock(m_mutex);
                strText = m_strText;
                m_bPosted = false;
            }
            m_pTip->SetText(wxString::FromUTF8(strText));
            return 0;
        });
    }
    void SetText(const std::string& strUtf8) override
    {
        {
            std::lock_guard lock(m_mutex);
            m_strText = strUtf8;
            if (std::exchange(m_bPosted, true))
                return;
        }
        PostMessage(m_hTip, WM_SETTEXT, 0, 0);
    }

private:
    CTransparentStatic* m_pTip;
    WndHandle m_hTip;
    std::mutex m_mutex;
    std::string m_strText;
    bool m_bPosted = false;  // a WM_SETTEXT is on its way
};

CUpgradeDlg::CUpgradeDlg(IUpgradeView& view) : CTemplateDialog(IDD_UPGRADE), m_view(view) {}

CUpgradeDlg::~CUpgradeDlg()
{
    // The poll ends before the windows it reports to.
    m_pThread.reset();
    IStatusLine* pTip = m_pTipPoster.get();
    g_pCurHexUpTip.compare_exchange_strong(pTip, nullptr);
    IProgressBar* pBar = m_pBar;
    g_pUpdateProgress.compare_exchange_strong(pBar, nullptr);
}

void CUpgradeDlg::CreateControls()
{
    // The group boxes first, so that the items inside them lie above them.
    CreateItem<CSxGroupBox>(IDC_FILE_GROUP);
    CreateItem<CSxGroupBox>(IDC_COM_GROUP);
    m_pPath = CreateItem<CEditItem>(IDC_PATH);
    m_pTip = CreateItem<CTransparentStatic>(IDC_TIP);
    m_pBar = CreateItem<CGradientProgressCtrl>(IDC_PROGRESS);
    for (int nId : IDC_RADIOS)
        CreateItem<CButtonRadio>(nId);
    m_pPorts = CreateItem<CListItem>(IDC_PORTS);

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnBrowse(); }, WxId(IDC_BROWSE));
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnUpdate(); }, WxId(IDC_UPDATE));
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnQuit(); }, WxId(IDC_QUIT));
    Bind(wxEVT_MENU, [this](wxCommandEvent& event) { OnMenu(CtrlId(event.GetId())); });
}

bool CUpgradeDlg::OnInitDialog()
{
    FillComPortList();

    const bool bChinese = g_bChinese != 0;
    SetTitle(LangString("设备固件更新", "Device Firmware Update"));
    static_cast<CSxGroupBox*>(GetDlgItem(IDC_FILE_GROUP))->SetText(LangString("Hex文件", "Update File"));
    static_cast<CSxGroupBox*>(GetDlgItem(IDC_COM_GROUP))->SetText(LangString("通信接口", "Communication interface"));
    static_cast<CTransparentStatic*>(GetDlgItem(IDC_COM_LABEL))->SetText(LangString("通信接口", "Communication interface"));
    static_cast<CTransparentStatic*>(GetDlgItem(IDC_HEX_LABEL))->SetText(LangString("Hex文件", "Hex File"));
    GetDlgItem(IDC_QUIT)->SetLabel(LangString("退出", "Quit"));
    if (bChinese) {
        GetDlgItem(IDC_BROWSE)->SetLabel(Utf8("浏览文件"));
        GetDlgItem(IDC_UPDATE)->SetLabel(Utf8("更新"));
    }
    // The serial-port choice is filled but not offered: no update path uses it.
    for (int nId : {IDC_COM_GROUP, IDC_COM_LABEL, IDC_HEX_LABEL, IDC_USB, IDC_WIFI, IDC_COM, IDC_PORTS})
        GetDlgItem(nId)->Hide();
    if (g_brushDlgBack.IsOk())
        SetBackgroundColour(g_brushDlgBack.GetColour());

    m_pThread = std::make_unique<CUpData_Thread>(
        GetWndHandle(this), [this](int bRetry) { return m_view.TryReconnectForUpdate(bRetry); });
    BindMessage(this, WM_UPDATE_RECONNECT, [this](WPARAM, LPARAM lParam) {
        OnReconnectResult(lParam);
        return 0;
    });
    g_bUpdateWaiting = 0;
    {
        std::lock_guard lock(g_csLink);
        m_pPath->ChangeValue(wxString::FromUTF8(g_strFirmwareFile));
    }

    m_pBar->SetShowPercent(true);
    g_pUpdateProgress = m_pBar;
    m_pTipPoster = std::make_unique<CTipPoster>(m_pTip);
    g_pCurHexUpTip = m_pTipPoster.get();
    m_pTip->SetTextColor(wxColour(255, 0, 0));
    m_pTip->SetText(wxString());

    SetSize(WINDOW_WIDTH, WINDOW_HEIGHT);
    return true;
}

void CUpgradeDlg::FillComPortList()
{
    std::vector<ComPortInfo> ports;
    const std::string strError = ListComPorts(ports, false);
    if (!strError.empty())
        Trace("%s\n", strError.c_str());
    m_pPorts->Clear();
    if (ports.empty()) {
        m_pPorts->Append(wxS("NULL"));
        m_strComPort = "NULL";
        m_pPorts->SetSelection(0);
        return;
    }
    int nSelect = -1;
    for (const ComPortInfo& port : ports) {
        m_pPorts->Append(wxString::FromUTF8(port.strPortName));
        if (port.strPortName == m_strComPort)
            nSelect = static_cast<int>(m_pPorts->GetCount()) - 1;
    }
    for (std::size_t i = 0; nSelect < 0 && i < ports.size(); ++i) {
        if (ports[i].bUsb) {
            nSelect = static_cast<int>(i);
            m_strComPort = ports[i].strPortName;
        }
    }
    if (nSelect < 0) {
        nSelect = 0;
        m_strComPort = ports[0].strPortName;
    }
    m_pPorts->SetSelection(nSelect);
}

void CUpgradeDlg::OnBrowse()
{
    m_view.ChooseFirmwareFile();
    std::lock_guard lock(g_csLink);
    m_pPath->ChangeValue(wxString::FromUTF8(g_strFirmwareFile));
}

void CUpgradeDlg::OnUpdate()
{
    g_bAwaitHello = 0;
    if (g_bUpdating || g_bUpdateWaiting)
        return;
    const wxRect rcButton = GetDlgItem(IDC_UPDATE)->GetRect();
    m_view.DisconnectLink();
    m_view.FindHidDevices();
    {
        std::lock_guard lock(g_csLink);
        g_knownUsbPaths = g_usbDevicePaths;
        m_usbPaths = g_knownUsbPaths;
    }
    const bool bNetwork = m_view.IsNetworkReachable() != 0;
    if (m_usbPaths.empty() && !bNetwork) {
        ShowPrompt("没有连接可以打开", "No connection can be opened");
        return;
    }
    if (m_usbPaths.empty()) {
        StartNetUpdate();
        return;
    }
    if (m_usbPaths.size() == 1 && !bNetwork) {
        StartUsbUpdate(m_usbPaths[0]);
        return;
    }
    wxString strAddress;
    {
        std::lock_guard lock(g_csEndpoint);
        strAddress = wxString::FromUTF8(g_strDeviceIP);
    }
    // One device and the network: the connect menu, its network item titled with the address;
    // else a menu of numbered devices, and the address when the network is there.
    std::unique_ptr<wxMenu> pMenu;
    if (m_usbPaths.size() == 1) {
        pMenu.reset(LoadMenu(IDR_CONNECT_MENU));
        pMenu->SetLabel(WxId(ID_PICK_NETWORK), strAddress);
    } else {
        pMenu = MakeUsbChoiceMenu(m_usbPaths.size(), bNetwork ? strAddress : wxString());
    }
    ShowPopup(*pMenu, wxPoint(rcButton.GetLeft(), rcButton.GetBottom() + 2));
}

void CUpgradeDlg::ShowPopup(wxMenu& menu, const wxPoint& pt)
{
    PopupMenu(&menu, pt);
}

void CUpgradeDlg::OnMenu(int nId)
{
    if (nId == ID_PICK_USB && !m_usbPaths.empty())
        StartUsbUpdate(m_usbPaths[0]);
    else if (nId == ID_PICK_NETWORK)
        StartNetUpdate();
    else if (nId >= ID_USB_FIRST && nId <= ID_USB_LAST && static_cast<std::size_t>(nId - ID_USB_FIRST) < m_usbPaths.size())
        StartUsbUpdate(m_usbPaths[static_cast<std::size_t>(nId - ID_USB_FIRST)]);
}

int CUpgradeDlg::StartUsbUpdate(const std::string& strPath)
{
    StartUpdate(LINK_USB, [&] { return m_view.ConnectUsbForUpdate(strPath); });
    return 1;
}

int CUpgradeDlg::StartNetUpdate()
{
    StartUpdate(LINK_NET, [&] { return m_view.ConnectNetworkForUpdate(); });
    return 1;
}

void CUpgradeDlg::StartUpdate(int nLinkType, const std::function<int()>& fnConnect)
{
    g_bUpdateAbort = 0;
    g_bUpdateWaiting = 0;
    {
        std::lock_guard lock(g_csLink);
        g_strFirmwareFile = m_pPath->GetValue().utf8_string();
    }
    if (!m_view.LoadFirmwareFile())
        return;
    m_view.DisconnectLink();
    g_nLinkType = nLinkType;
    m_nResult = fnConnect();
    if (m_nResult) {
        m_pBar->SetRange(0, g_nUpdateProgressRange);
        m_pBar->SetPos(0);
    } else {
        m_pThread->StartTimer(m_pollPeriod);
        g_bUpdateWaiting = 1;
    }
}

void CUpgradeDlg::OnReconnectResult(LPARAM lParam)
{
    if (lParam != 0) {
        m_pBar->SetRange(0, g_nUpdateProgressRange);
        m_pBar->SetPos(0);
        m_pThread->StopTimer();
    } else {
        m_view.ReportReconnectFailure();
        m_pTipPoster->SetText("固件更新失败");  // after whatever the report put on the line
    }
    g_bUpdateWaiting = 0;
}

void CUpgradeDlg::EndWaiting()
{
    // A try may be opening the link right now: once the poll has stopped, a link it opened is
    // closed again, so no update starts after the dialog.
    m_pThread->StopTimer();
    g_bUpdateWaiting = 0;
    if (g_bUpdating)
        m_view.AbortFirmwareUpdate(false);
}

void CUpgradeDlg::OnQuit()
{
    if (g_bUpdating && !g_bUpdateWaiting && !g_bUpdateFinished) {
        const int nAnswer = AfxMessageBox(LangText("更新未完成，强行退出会损坏设备，是否退出?",
                                                   "Update is not completed, will be forced to exit the damaged "
                                                   "equipment, whether to exit?"),
                                          MB_YESNO, CAPTION_WARNING_CN);
        if (nAnswer != IDYES)
            return;
        g_bUpdateAbort = 1;
        m_view.AbortFirmwareUpdate(true);
        g_bUpdateAbort = 0;
        EndDialog(2);
        return;
    }
    if (g_bUpdateWaiting)
        EndWaiting();
    EndDialog(2);
}

void CUpgradeDlg::OnClose()
{
    CallAfter([this] { OnQuit(); });
}

void RunFirmwareUpdateDialog(wxWindow* pParent, IUpgradeView& view)
{
    {
        CUpgradeDlg dlg(view);
        dlg.DoModal(pParent);
    }
    g_bUpdateWaiting = 0;
    g_pUpdateProgress = nullptr;
    g_pCurHexUpTip = nullptr;
    g_bUpdating = 0;
}
