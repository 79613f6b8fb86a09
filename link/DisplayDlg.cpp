#include "link/DisplayDlg.h"

#include "controls/FontStatic.h"
#include "controls/GradientProgressCtrl.h"
#include "link/LinkState.h"
#include "link/AdvSettings.h"
#include "link/ProgressTarget.h"
#include "model/StdAfx.h"
#include "res/UiText.h"

CDisplayDlg* g_pDisplayDlg = nullptr;
wxWindow* g_pProgramDlg = nullptr;

namespace {
constexpr int kTemplate = 104;
constexpr int kLabelId = 1433;
constexpr int kBarId = 2777;
constexpr int kTickMs = 200;
const wxColour kLabelBlue{0, 0, 128};
const wxColour kLabelRed{255, 0, 0};
}  // namespace

CDisplayDlg::CDisplayDlg(wxWindow* pOwner) : CTemplateDialog(kTemplate), m_pOwner(pOwner), m_timer([this] { OnTimer(); }) {}

CDisplayDlg::~CDisplayDlg()
{
    IProgressBar* pMine = m_pBar;
    g_pDisplayProgress.compare_exchange_strong(pMine, nullptr);
}

void CDisplayDlg::CreateControls()
{
    m_pLabel = CreateItem<CFontStatic>(kLabelId);
    m_pBar = CreateItem<CGradientProgressCtrl>(kBarId);
    g_pDisplayProgress = m_pBar;
}

bool CDisplayDlg::OnInitDialog()
{
    SetBackgroundColour(wxColour(229, 229, 229));
    m_pLabel->SetFontStyle(wxS(""), 18, kLabelBlue, 0x1 | 0x20);
    m_pLabel->SetBkColor(wxColour(230, 230, 230));
    m_strLabelCn = Utf8("数据正在传输中");
    m_strLabelEn = wxS("Data transmission");
    m_bModalLike = false;
    m_bFactoryReset = false;
    return true;
}

void CDisplayDlg::SetFactoryResetMode(int)
{
    m_bFactoryReset = true;
    m_pBar->SetRange(0, 110);
    m_pBar->SetPos(0);
}

wxWindow* CDisplayDlg::Starter() const
{
    wxWindow* pNamed = nullptr;
    if (m_bModalLike)
        pNamed = m_bFactoryReset ? dynamic_cast<wxWindow*>(g_pAdvDlg) : g_pProgramDlg;
    return pNamed ? pNamed : m_pOwner;
}

void CDisplayDlg::ShowTransfer(bool bModalLike)
{
    m_bModalLike = bModalLike;
    Move(500, 400);
    if (m_bFactoryReset) {
        m_pLabel->SetText(LangString("正在恢复出厂设置", "Load factory defaults"));
        SetTitle(LangString("高级", "Advanced"));
    } else {
        m_pLabel->SetText(g_bChinese ? m_strLabelCn : m_strLabelEn);
        SetTitle(LangString("数据传输", "Data transmission"));
    }
    wxWindow* pStarter = Starter();
    if (m_pDisabled && m_pDisabled.get() != pStarter)
        m_pDisabled->Enable();
    m_pDisabled = pStarter;
    if (pStarter)
        pStarter->Disable();
    SetWindowStyleFlag(GetWindowStyleFlag() | wxSTAY_ON_TOP);
    Show();
    m_timer.Start(kTickMs);
}

void CDisplayDlg::HideTransfer()
{
    m_timer.Stop();
    if (m_pDisabled)
        m_pDisabled->Enable();
    m_pDisabled = nullptr;
    m_bModalLike = false;
    m_bFactoryReset = false;
    Hide();
}

void CDisplayDlg::OnTimer()
{
    if (g_bTransferring) {
        m_nPhase ^= 1;
        m_pLabel->SetTextColor(m_nPhase ? kLabelRed : kLabelBlue);
        if (m_bFactoryReset) {
            m_nPosition = m_pBar->GetPos();
            if (m_nPosition < m_pBar->GetRangeUpper() - 2)
                ++m_nPosition;
            m_pBar->SetPos(m_nPosition);
        }
        return;
    }
    if (!m_bFactoryReset) {
        m_pLabel->SetText(LangString("数据传输结束", "End of data transmission"));
        HideTransfer();
        return;
    }
    const int nUpper = m_pBar->GetRangeUpper();
    if (m_nPosition > nUpper + 10) {
        m_pLabel->SetText(LangString("恢复出厂设置成功", "Load factory default success"));
        HideTransfer();
    } else if (m_nPosition >= nUpper) {
        ++m_nPosition;
    } else {
        m_nPosition = nUpper;
        m_pBar->SetPos(nUpper);
    }
}
