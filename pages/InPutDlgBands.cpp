// The music input page's band columns and whole-EQ commands: typed fields and their spins, the
// faders, the work lamps, the graph's reports, the selection highlight, and bypass-all, reset and
// the PEQ/GEQ switch. Values go through the parameter table's rows (the binder), which write only
// what the user changed.
#include "controls/BitButton.h"
#include "controls/BitmapSlider.h"
#include "controls/EqCurveStatic.h"
#include "controls/FontStatic.h"
#include "controls/NumEdit.h"
#include "controls/XPButton.h"
#include "model/Filter.h"
#include "model/Music_InData.h"
#include "pages/InPutDlg.h"
#include "pages/InPutDlgIds.h"
#include "pages/InputPageRules.h"
#include "res/SkinPaint.h"

using namespace InPutDlgIds;

namespace {
constexpr int kGainRow = 2;

// The band (0-14) and row of a field or spin id, -1 for other ids.
std::pair<int, int> BandAndRow(int nCtrlId)
{
    const int nEditId = nCtrlId >= IDC_FREQ_SPIN && nCtrlId < IDC_FADER ? nCtrlId - (IDC_FREQ_SPIN - IDC_FREQ_EDIT) : nCtrlId;
    return {BandOfEdit(nEditId), RowOfEdit(nEditId)};
}
}  // namespace

void CInPutDlg::OnBandCommand(int nCtrlId)
{
    const auto [k, nRow] = BandAndRow(nCtrlId);
    if (k < 0)
        return;
    m_binder.Commit(nCtrlId);
    SelectBand(k, nRow);
}

void CInPutDlg::OnFaderMoved(int nCtrlId, bool bDone)
{
    const int k = nCtrlId - IDC_FADER;
    if (k < 0 || k >= kBands)
        return;
    SelectBand(k, kGainRow);
    if (bDone && m_pHotEdit != nullptr)
        m_pHotEdit->SetFocus();
}

// The lamp asks for the opposite of what it shows; the band decides what it becomes (a band at
// 0 dB stays off).
void CInPutDlg::OnBandWork(int k)
{
    const bool bOff = !m_btnBandWork[k]->GetCheck();
    m_pMusic->GetBand(k)->SetFlat(bOff);
    ShowBandBypass(k);
    RefreshBypassAllButton();
    SelectBand(k, kGainRow);
    if (m_pHotEdit != nullptr)
        m_pHotEdit->SetFocus();
}

void CInPutDlg::OnEqCurveChanged(int nBand, int nChannel)
{
    if (nChannel == g_nCurInput)
        RefreshBand(nBand);
}

void CInPutDlg::OnFocusBandEdit(int nBand, int nChannel)
{
    if (nChannel != g_nCurInput || nBand < 0 || nBand >= kBands)
        return;
    HighlightBandLabel(nBand, true);
    HighlightEdit(nBand, kGainRow, true);
    m_editGain[nBand]->SetFocus();
}

// After the graph moved band k: the column shows the band again. The bands beyond the page's
// fifteen (and the filters) have no column.
void CInPutDlg::RefreshBand(int k)
{
    if (k < 0 || k >= kBands)
        return;
    m_binder.Load(m_nFreqBinding[k]);
    m_binder.Load(m_nQBinding[k]);
    ShowBandBypass(k);
    RefreshBypassAllButton();
    HighlightBandLabel(k, true);
    HighlightEdit(k, kGainRow, true);
    // A click on a band point leaves the keyboard on that band's gain.
    if (m_wndCurve->m_bButtonUp) {
        m_wndCurve->m_bButtonUp = 0;
        if (m_pHotEdit != nullptr)
            m_pHotEdit->SetFocus();
    }
}

void CInPutDlg::ShowBandBypass(int k)
{
    m_binder.Load(m_nGainBinding[k]);
    m_btnBandWork[k]->SetCheck(m_pMusic->GetBand(k)->IsBypassOrFlat() != 0);
}

void CInPutDlg::RefreshBypassAllButton()
{
    m_bBypassAll = m_pMusic->UpdateEQBypass();
    m_btnBypassAll->SetCheck(m_bBypassAll != 0);
}

void CInPutDlg::HighlightBandLabel(int k, bool bOn)
{
    if (m_pHotLabel != nullptr)
        m_pHotLabel->SetFontStyle(wxString(), 18, skin::kLabel, 1);
    m_pHotLabel = nullptr;
    if (!bOn || k < 0 || k >= kBands)
        return;
    m_pHotLabel = m_lblBand[k];
    m_pHotLabel->SetFontStyle(wxString(), 18, skin::kWarning, 1);
}

void CInPutDlg::HighlightEdit(int k, int nRow, bool bOn)
{
    if (m_pHotEdit != nullptr)
        m_pHotEdit->SetHighlight(false);
    m_pHotEdit = nullptr;
    if (!bOn || k < 0 || k >= kBands)
        return;
    const std::array<CNumEdit*, kBands>* rows[] = {&m_editFreq, &m_editQ, &m_editGain};
    m_pHotEdit = (*rows[std::clamp(nRow, 0, 2)])[k];
    m_pHotEdit->SetHighlight(true);
}

// The band's number turns red, the edit of the row is highlighted and the graph marks the band.
void CInPutDlg::SelectBand(int k, int nRow)
{
    m_wndCurve->Redraw(k);
    HighlightBandLabel(k, true);
    HighlightEdit(k, nRow, true);
}

void CInPutDlg::OnBypassAll()
{
    HighlightBandLabel(0, false);
    HighlightEdit(0, 0, false);
    m_wndCurve->m_pActive = nullptr;
    m_wndCurve->Redraw(-1);
    m_eqCommands.BypassAll(g_nCurInput, !m_btnBypassAll->GetCheck());
    ShowChannel();
    m_wndCurve->Redraw(-1);
}

// On Yes the view resets the bands and has the page show them.
void CInPutDlg::OnResetEq()
{
    m_eqCommands.ResetEq(g_nCurInput);
}

void CInPutDlg::OnEqMode()
{
    if (m_eqCommands.SetEqMode(g_nCurInput, !m_btnEqMode->GetCheck()))
        m_wndCurve->Redraw(-1);
}
