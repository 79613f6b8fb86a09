#include "pages/OutputDlg.h"

#include "app/HalvekView.h"
#include "model/DataDefine.h"
#include "model/SpeakerRole.h"

namespace {
constexpr int kTemplate = 136;
constexpr int kBackEnglish = 286;
constexpr int kBackChinese = 287;
}  // namespace

COutputDlg::COutputDlg() : CTemplateForm(kTemplate)
{
    SetBackgroundSkins(kBackEnglish, kBackChinese);
}

void COutputDlg::ShowWindow(int nCmdShow)
{
    Show(nCmdShow != 0);
}

void COutputDlg::RefreshPage()
{
    RefreshChannel();
    ShowMasterVolume();
}

void COutputDlg::RefreshChannel()
{
    Refresh();
}

void COutputDlg::ShowMasterVolume()
{
    Refresh();
}

void COutputDlg::SetLanguage()
{
    Refresh();
}

void COutputDlg::FocusFirstEdit()
{
    SetFocus();
}

void COutputDlg::RefreshBands()
{
    Refresh();
}

void COutputDlg::ShowInputChannel(int)
{
    Refresh();
}

void COutputDlg::ApplyOutputMapLock()
{
    if (!g_bOutMapLocked && m_pView)
        m_pView->UnlinkAllOutputs();
    Refresh();
}

void COutputDlg::CheckOutputMapLock()
{
    if (!g_bOutMapLocked)
        return;
    if (!IsAnyRoleAssigned()) {
        g_bOutMapLocked = 0;
        ApplyOutputMapLock();
        return;
    }
    auto hasRole = [](int nOutput) { return g_roleStates.m_byOutRole[nOutput] != ROLE_NONE; };
    if (hasRole(g_nCurOutput))
        return;
    for (int nOutput = 0; nOutput < OUTPUT_CHANNELS; ++nOutput) {
        if (hasRole(nOutput)) {
            ClearLinkedHighlights(g_nCurOutput);
            g_nCurOutput = nOutput;
            RefreshChannel();
            return;
        }
    }
}

void COutputDlg::ClearLinkedHighlights(int)
{
    Refresh();
}
