#include "app/VersionDlg.h"

#include <mutex>
#include <string>

#include "controls/FontStatic.h"
#include "link/LinkState.h"
#include "model/DataDefine.h"
#include "model/StdAfx.h"
#include "model/TextFields.h"
#include "platform/LinkLock.h"
#include "res/DeviceText.h"
#include "res/SharedGdi.h"
#include "res/UiText.h"

namespace {
constexpr int kTemplate = 269;
constexpr int kLink = 1895;
constexpr int kFixedLine = 1894;
constexpr int kSoftware = 1875;
constexpr int kDevice = 1877;
constexpr int kEmpty = 1876;
constexpr int kHelp = 8802;
constexpr int kQuit = 1874;
}  // namespace

CVersionDlg::CVersionDlg(wxWindow* pParent) : CTemplateDialog(kTemplate), m_pParent(pParent)
{
    Bind(wxEVT_BUTTON, [](wxCommandEvent&) {}, WxId(kHelp));
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndDialog(kQuit); }, WxId(kQuit));
}

int CVersionDlg::DoModal()
{
    return CTemplateDialog::DoModal(m_pParent);
}

void CVersionDlg::CreateControls()
{
    m_pLink = CreateItem<CHyLink>(kLink);
    CreateItem<CTransparentStatic>(kFixedLine);
    m_pSoftware = CreateItem<CTransparentStatic>(kSoftware);
    m_pDevice = CreateItem<CTransparentStatic>(kDevice);
    CreateItem<CTransparentStatic>(kEmpty);
}

bool CVersionDlg::OnInitDialog()
{
    g_bUpdating = 0;
    if (g_brushDlgBack.IsOk())
        SetBackgroundColour(g_brushDlgBack.GetColour());
    SetTitle(LangString("关于", "About"));
    GetDlgItem(kHelp)->SetLabel(LangString("帮助", "Help"));
    GetDlgItem(kQuit)->SetLabel(LangString("退出", "Quit"));
    std::string strDevice;
    {
        // The link worker stores the version from its replies under the link lock.
        std::lock_guard lock(g_csLink);
        strDevice = BytesToString(reinterpret_cast<const BYTE*>(g_szDeviceVersion), sizeof g_szDeviceVersion);
    }
    m_pDevice->SetText(LangString("设备版本 ", "Device version ") + FromDeviceBytes(strDevice));
    m_pSoftware->SetText(LangString("软件版本 VOVA-CV1.01", "Software version VOVA-CV1.01(F)"));
    return true;
}
