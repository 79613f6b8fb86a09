#include "link/ConnectDlg.h"

#include <wx/choice.h>
#include <wx/radiobut.h>

#include <mutex>

#include "link/LinkState.h"
#include "link/ListItem.h"
#include "model/DataDefine.h"
#include "model/StdAfx.h"
#include "platform/LinkLock.h"
#include "platform/Trace.h"
#include "res/SharedGdi.h"

namespace {
// Template items made as radio buttons.
class CRadioItem : public wxRadioButton {
public:
    bool Create(wxWindow* pParent, int nId, const wxRect& rc, unsigned, const wxString& strText, unsigned)
    {
        return wxRadioButton::Create(pParent, WxId(nId), strText, rc.GetPosition(), rc.GetSize());
    }
};

const int kRadioIds[] = {CConnectDlg::IDC_USB, CConnectDlg::IDC_WIFI, CConnectDlg::IDC_COM};
}  // namespace

CConnectDlg::CConnectDlg() : CTemplateDialog(IDD) {}

void CConnectDlg::SetPortRoots(const std::string& strSysRoot, const std::string& strDevRoot)
{
    m_strSysRoot = strSysRoot;
    m_strDevRoot = strDevRoot;
}

void CConnectDlg::CreateControls()
{
    for (int i = 0; i < 3; ++i) {
        m_pRadios[i] = CreateItem<CRadioItem>(kRadioIds[i]);
        m_pRadios[i]->Bind(wxEVT_RADIOBUTTON, [this, i](wxCommandEvent&) { Choose(LINK_USB + i); });
    }
    m_pPorts = CreateItem<CListItem>(IDC_PORTS);
    m_pPorts->Bind(wxEVT_CHOICE, [this](wxCommandEvent& event) { PickPort(event.GetSelection()); });
}

bool CConnectDlg::OnInitDialog()
{
    const bool bChinese = g_bChinese != 0;
    SetTitle(wxString::FromUTF8(bChinese ? "联机" : "Link"));
    const char* captions[][2] = {{"使用USB连接到设备", "Use the USB connect to the device"},
                                 {"使用WIFI无线连接到设备", "Use the WIFI connect to the device"},
                                 {"使用COM连接到设备", "Use the COM connect to the device"}};
    for (int i = 0; i < 3; ++i)
        m_pRadios[i]->SetLabel(wxString::FromUTF8(captions[i][bChinese ? 0 : 1]));
    if (g_brushDlgBack.IsOk())
        SetBackgroundColour(g_brushDlgBack.GetColour());

    m_nChoice = g_nLinkType;
    for (int i = 0; i < 3; ++i)
        m_pRadios[i]->SetValue(m_nChoice == LINK_USB + i);
    EnablePortList();

    const std::string strError = ListComPorts(m_ports, false, m_strSysRoot, m_strDevRoot);
    if (!strError.empty())
        Trace("%s\n", strError.c_str());
    std::string strRemembered;
    {
        std::lock_guard lock(g_csLink);
        strRemembered = g_strComPort;
    }
    int nRemembered = -1, nUsb = -1;
    for (std::size_t i = 0; i < m_ports.size(); ++i) {
        m_pPorts->Append(wxString::FromUTF8(m_ports[i].strDisplayName));
        if (m_ports[i].strPortName == strRemembered)
            nRemembered = static_cast<int>(i);
        if (m_ports[i].bUsb && nUsb < 0)
            nUsb = static_cast<int>(i);
    }
    int nSelect = nRemembered >= 0 ? nRemembered : nUsb >= 0 ? nUsb : 0;
    if (m_ports.empty())
        m_pPorts->Append(wxS("NULL"));
    m_pPorts->SetSelection(nSelect);
    return true;
}

void CConnectDlg::EnablePortList()
{
    m_pPorts->Enable(m_nChoice == LINK_SERIAL);
}

void CConnectDlg::Choose(int nLinkType)
{
    m_nChoice = nLinkType;
    for (int i = 0; i < 3; ++i)
        m_pRadios[i]->SetValue(nLinkType == LINK_USB + i);
    EnablePortList();
}

void CConnectDlg::PickPort(int nIndex)
{
    if (nIndex < 0 || static_cast<std::size_t>(nIndex) >= m_ports.size())
        return;
    std::lock_guard lock(g_csLink);
    g_strComPort = m_ports[static_cast<std::size_t>(nIndex)].strPortName;
}

void CConnectDlg::OnOK()
{
    m_bSameLink = m_nChoice == g_nLinkType;
    g_nLinkType = m_nChoice;
    EndDialog(1);
}
