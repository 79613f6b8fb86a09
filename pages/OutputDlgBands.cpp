// The output page's band columns, crossover and EQ graph: showing the current output's values
// and the handlers of their controls. The rules of each edit are COutputEqEdit's.
#include <algorithm>

#include "controls/BitButton.h"
#include "controls/BitmapSlider.h"
#include "controls/ComBoxBtn.h"
#include "controls/EqCurveStatic.h"
#include "controls/FontStatic.h"
#include "controls/NumEdit.h"
#include "controls/NumSpin.h"
#include "controls/XPButton.h"
#include "model/DataDefine.h"
#include "model/Filter.h"
#include "model/KTV_Data.h"
#include "model/KTV_OutData.h"
#include "model/SpeakerRole.h"
#include "model/StdAfx.h"
#include "pages/OutputDlg.h"
#include "pages/OutputDlgIds.h"
#include "pages/OutputEqEdit.h"
#include "pages/OutputLayout.h"
#include "res/SkinPaint.h"
#include "res/WinStyles.h"

using namespace OutputDlgIds;

namespace {
constexpr int kHpfBand = 31;
constexpr int kLpfBand = 32;
constexpr int kAligns = 3;
constexpr int kSlopes = 2;

// The id's band column, or -1 when the id is not of the range starting at nBase.
int ColumnOf(int nCtrlId, int nBase)
{
    return nCtrlId >= nBase && nCtrlId < nBase + kBandColumns ? nCtrlId - nBase : -1;
}
}  // namespace

void COutputDlg::FillSlopeList(CComBoxBtn& list)
{
    const int nSel = list.GetCurSel();
    list.ResetContent();
    list.AddString(wxS("6dB/Oct"));
    list.AddString(wxS("12dB/Oct"));
    list.SetCurSel(nSel);
}

void COutputDlg::FillAlignList(CComBoxBtn& list)
{
    static const char* const kCn[kAligns] = {"宁克", "贝塞尔", "巴特沃斯"};
    static const char* const kEn[kAligns] = {"Link_Ril", "Bessel", "Butter_W"};
    const int nSel = list.GetCurSel();
    list.ResetContent();
    for (int i = 0; i < kAligns; ++i)
        list.AddString(wxString::FromUTF8(g_bChinese ? kCn[i] : kEn[i]));
    list.SetCurSel(nSel);
}

// The ten columns, the bypass-all and mode buttons, and the layout of the output's EQ mode.
void COutputDlg::ShowBands()
{
    CKTV_OutData& out = Out();
    UpdateAllBypassButton();
    const bool bGraphic = out.GetGraphicEQ() != 0;
    m_btnEqMode->SetCheck(bGraphic);
    SwitchEqLayout(bGraphic);
    for (int k = 0; k < kBandColumns; ++k) {
        m_binder.Load(m_nFreqBinding[k]);
        m_binder.Load(m_nWidthBinding[k]);
        m_binder.Load(m_nGainBinding[k]);
        if (k == 0 || k == 9)
            ShowBandType(k);
        out.GetBand(k)->SetSlider(m_sliderGain[k]);
        ShowBandBypass(out.GetBand(k)->IsBypassOrFlat() != 0, k);
    }
}

// Band 1 (a low shelf or parametric) and band 10 (a high shelf or parametric): the type
// buttons, and the shelf slope list in place of the bandwidth field of a shelf.
void COutputDlg::ShowBandType(int nBand)
{
    const CFilter& band = *Out().GetBand(nBand);
    const bool bLow = nBand == 0;
    const bool bShelf = band.GetType() == (bLow ? FILTER_LOW_SHELF : FILTER_HIGH_SHELF);
    (bLow ? m_btnLowShelf : m_btnHighShelf)->SetCheck(bShelf);
    (bLow ? m_btnBand1Peq : m_btnBand10Peq)->SetCheck(!bShelf);
    CComBoxBtn& slope = bLow ? *m_cbLowShelfSlope : *m_cbHighShelfSlope;
    slope.Show(bShelf && !m_bGraphicLayout);
    if (bShelf)
        slope.SetCurSel(std::clamp(band.GetSlope(), 0, kSlopes - 1));
    m_editWidth[nBand]->ShowWindow(bShelf || m_bGraphicLayout ? SW_HIDE : SW_SHOW);
    if (!bShelf)
        m_binder.Load(m_nWidthBinding[nBand]);
}

// Values beyond the lists (from the processor or a file) select nothing; the filter keeps them.
void COutputDlg::ShowCrossover()
{
    for (const bool bLpf : {false, true}) {
        const CFilter& filter = bLpf ? *Out().GetLPF() : *Out().GetHPF();
        CNumSpin& spin = bLpf ? *m_spinLpfFreq : *m_spinHpfFreq;
        const ParamRow& row = ParamRowOf(bLpf ? ParamId::OutLpfFreq : ParamId::OutHpfFreq);
        const int nShown = ShownParam(row, {m_pData, g_nCurOutput, 0});
        spin.SetPos(nShown);
        (bLpf ? m_nLpfFreq : m_nHpfFreq) = nShown;
        CComBoxBtn& align = bLpf ? *m_cbLpfAlign : *m_cbHpfAlign;
        CComBoxBtn& slope = bLpf ? *m_cbLpfSlope : *m_cbHpfSlope;
        if (!bLpf)
            FillSlopeList(slope);
        slope.SetCurSel(filter.GetSlope() >= 0 && filter.GetSlope() < kSlopes ? filter.GetSlope() : -1);
        align.EnableWindow(filter.GetSlope() != 0);
        align.SetCurSel(filter.GetAlign() >= 0 && filter.GetAlign() < kAligns ? filter.GetAlign() : -1);
    }
    UpdateFaderThumbs();
}

// Bypassed: the button on and the gain shown as 0.0 dB; playing: the button off, the gain
// controls as they are.
void COutputDlg::ShowBandBypass(bool bBypassed, int nBand)
{
    m_btnBypass[nBand]->SetCheck(bBypassed);
    if (bBypassed)
        m_binder.Load(m_nGainBinding[nBand]);
}

void COutputDlg::UpdateAllBypassButton()
{
    m_btnAllBypass->SetCheck(Out().UpdateEQBypass() != 0);
}

void COutputDlg::UpdateFaderThumbs()
{
    for (int k = 0; k < kBandColumns; ++k) {
        const bool bDim = COutputEqEdit::IsFaderDimmed(Out(), k);
        m_sliderGain[k]->SetBitmapThumb(bDim ? IDB_BAND_THUMB_DIM : IDB_BAND_THUMB,
                                        bDim ? IDB_BAND_THUMB_DIM : IDB_BAND_THUMB_ACTIVE, true);
    }
}

// The ten columns in the parametric layout (frequency, bandwidth, fader, gain) or the graphic
// one (gain, a taller fader; the plate over the captions): the gain field and the fader move, the
// frequency and bandwidth fields hide.
void COutputDlg::SwitchEqLayout(bool bGraphic)
{
    if (bGraphic == m_bGraphicLayout && m_btnGeqLabel->IsShown() == bGraphic)
        return;
    m_bGraphicLayout = bGraphic;
    for (int k = 0; k < kBandColumns; ++k) {
        m_editFreq[k]->ShowWindow(bGraphic ? SW_HIDE : SW_SHOW);
        m_editWidth[k]->ShowWindow(bGraphic ? SW_HIDE : SW_SHOW);
        const OutputLayout::PxRect gain = OutputLayout::GainField(k, bGraphic);
        const OutputLayout::PxRect fader = OutputLayout::GainFader(k, bGraphic);
        m_editGain[k]->Move(gain.x, gain.y);
        m_sliderGain[k]->Move(fader.x, fader.y);
        const int nChannel = bGraphic ? (k == 0 ? IDB_GEQ_CHANNEL_1 : IDB_GEQ_CHANNEL)
                                      : (k == 0 ? IDB_BAND_CHANNEL_1 : IDB_BAND_CHANNEL);
        m_sliderGain[k]->SetBitmapChannel(nChannel, 0);
    }
    m_cbLowShelfSlope->Hide();
    m_cbHighShelfSlope->Hide();
    m_btnGeqLabel->Show(bGraphic);
    Refresh();
}

void COutputDlg::HighlightBandLabel(int nBand, bool bOn)
{
    if (m_nHotLabel >= 0)
        m_stBandNo[m_nHotLabel]->SetFontStyle(wxString(), 18, skin::kLabel, 1);
    m_nHotLabel = -1;
    if (!bOn || nBand < 0 || nBand >= kBandColumns)
        return;
    m_stBandNo[nBand]->SetFontStyle(wxString(), 18, skin::kWarning, 1);
    m_nHotLabel = nBand;
}

void COutputDlg::HighlightEdit(int nBand, int nKind, bool bOn)
{
    if (m_pHotEdit != nullptr)
        m_pHotEdit->SetHighlight(false);
    m_pHotEdit = nullptr;
    if (!bOn || nBand < 0 || nBand >= kBandColumns)
        return;
    CNumEdit* pEdit = nKind == kFreq ? m_editFreq[nBand] : nKind == kWidth ? m_editWidth[nBand] : m_editGain[nBand];
    pEdit->SetHighlight(true);
    m_pHotEdit = pEdit;
}

void COutputDlg::HighlightXoverEdit(bool bLpf)
{
    if (m_pHotEdit != nullptr)
        m_pHotEdit->SetHighlight(false);
    m_pHotEdit = bLpf ? m_editLpfFreq : m_editHpfFreq;
    m_pHotEdit->SetHighlight(true);
}

// After a band field's commit, changed or not: the band is selected on the graph and its label
// and field are highlighted.
void COutputDlg::OnBandFieldCommitted(int nCtrlId)
{
    struct Range {
        int nEdit, nSpin, nKind;
    };
    for (const Range& r : {Range{IDC_FREQ_EDIT, IDC_FREQ_SPIN, kFreq}, Range{IDC_WIDTH_EDIT, IDC_WIDTH_SPIN, kWidth},
                           Range{IDC_GAIN_EDIT, IDC_GAIN_SPIN, kGain}}) {
        int k = ColumnOf(nCtrlId, r.nEdit);
        if (k < 0)
            k = ColumnOf(nCtrlId, r.nSpin);
        if (k < 0)
            continue;
        m_graph->Redraw(k);
        HighlightBandLabel(k, true);
        HighlightEdit(k, r.nKind, true);
        return;
    }
}

void COutputDlg::OnBandFader(int nBand, bool bDone)
{
    m_graph->Redraw(nBand);
    HighlightBandLabel(nBand, true);
    HighlightEdit(nBand, kGain, true);
    if (bDone && m_pHotEdit != nullptr)
        m_pHotEdit->SetFocus();
}

// The button never toggles itself: the band is switched the other way and shows how it ended.
void COutputDlg::OnBandBypass(int nBand)
{
    const bool bBypassed = COutputEqEdit(*m_pData, g_nCurOutput).ToggleBypass(nBand, m_btnBypass[nBand]->GetCheck());
    m_binder.Load(m_nGainBinding[nBand]);
    m_btnBypass[nBand]->SetCheck(bBypassed);
    UpdateAllBypassButton();
    m_graph->Redraw(nBand);
    HighlightBandLabel(nBand, true);
    HighlightEdit(nBand, kGain, true);
    m_pHotEdit->SetFocus();
}

void COutputDlg::SetShelfType(int nBand, int nType)
{
    if (!COutputEqEdit(*m_pData, g_nCurOutput).SetBandType(nBand, nType))
        return;
    ShowBandType(nBand);
    // A shelf keeps to its side of 2000 Hz.
    m_binder.Load(m_nFreqBinding[nBand]);
    if (nType == FILTER_LOW_SHELF)
        m_cbLowShelfSlope->SetFocus();
    m_graph->Redraw(nBand);
    HighlightBandLabel(nBand, true);
    HighlightEdit(nBand, kFreq, false);
}

void COutputDlg::OnShelfSlope(int nBand)
{
    const CComBoxBtn& list = nBand == 0 ? *m_cbLowShelfSlope : *m_cbHighShelfSlope;
    COutputEqEdit(*m_pData, g_nCurOutput).SetShelfSlope(nBand, list.GetCurSel());
    m_graph->Redraw(nBand);
    HighlightBandLabel(nBand, true);
    HighlightEdit(nBand, kFreq, false);
}

// A crossover frequency typed or stepped. A commit that leaves the value as shown (a bare click,
// a focus change) writes nothing.
void COutputDlg::OnXoverFreq(bool bLpf)
{
    CNumSpin& spin = bLpf ? *m_spinLpfFreq : *m_spinHpfFreq;
    int& nShown = bLpf ? m_nLpfFreq : m_nHpfFreq;
    const int v = spin.GetPos();
    if (v != nShown) {
        COutputEqEdit edit(*m_pData, g_nCurOutput);
        const COutputEqEdit::FreqResult result =
            bLpf ? edit.SetLpfFreq(v) : edit.SetHpfFreq(v, ValidRole(g_roleStates.m_byOutRole[g_nCurOutput]));
        nShown = result.nShown;
        spin.SetPos(nShown);
        if (result.bChanged)
            UpdateFaderThumbs();
    }
    m_graph->Redraw(bLpf ? kLpfBand : kHpfBand);
    HighlightBandLabel(-1, false);
}

void COutputDlg::OnXoverAlign(bool bLpf)
{
    const CComBoxBtn& list = bLpf ? *m_cbLpfAlign : *m_cbHpfAlign;
    COutputEqEdit(*m_pData, g_nCurOutput).SetXoverAlign(bLpf, list.GetCurSel());
    m_graph->Redraw(bLpf ? kLpfBand : kHpfBand);
}

// A 6 dB slope has no alignment (its list shows "NULL"), and turns Bessel into Butterworth.
void COutputDlg::OnXoverSlope(bool bLpf)
{
    CComBoxBtn& slope = bLpf ? *m_cbLpfSlope : *m_cbHpfSlope;
    CComBoxBtn& align = bLpf ? *m_cbLpfAlign : *m_cbHpfAlign;
    const int nSlope = slope.GetCurSel();
    if (COutputEqEdit(*m_pData, g_nCurOutput).SetXoverSlope(bLpf, nSlope)) {
        align.EnableWindow(nSlope != 0);
        const CFilter& filter = bLpf ? *Out().GetLPF() : *Out().GetHPF();
        align.SetCurSel(filter.GetAlign() >= 0 && filter.GetAlign() < kAligns ? filter.GetAlign() : -1);
    }
    m_graph->Redraw(bLpf ? kLpfBand : kHpfBand);
}

void COutputDlg::OnDropListSelect(int nListId)
{
    switch (nListId) {
    case IDL_HPF_ALIGN: OnXoverAlign(false); break;
    case IDL_HPF_SLOPE: OnXoverSlope(false); break;
    case IDL_LPF_ALIGN: OnXoverAlign(true); break;
    case IDL_LPF_SLOPE: OnXoverSlope(true); break;
    case IDL_LOW_SHELF_SLOPE: OnShelfSlope(0); return;
    case IDL_HIGH_SHELF_SLOPE: OnShelfSlope(9); return;
    default: return;
    }
    HighlightBandLabel(-1, false);
}

// A drag on the graph changed a band (it moved the band's fader itself): the page shows the
// band's values and the linked outputs take them. Only the bands the graph can drag count.
void COutputDlg::LoadBandFromCurve(int nBand)
{
    if (!COutputEqEdit::IsGraphBand(nBand))
        return;
    COutputEqEdit(*m_pData, g_nCurOutput).CopyDraggedBand(nBand);
    if (nBand == kHpfBand || nBand == kLpfBand) {
        const bool bLpf = nBand == kLpfBand;
        HighlightBandLabel(-1, false);
        const ParamRow& row = ParamRowOf(bLpf ? ParamId::OutLpfFreq : ParamId::OutHpfFreq);
        const int nShown = ShownParam(row, {m_pData, g_nCurOutput, 0});
        (bLpf ? m_spinLpfFreq : m_spinHpfFreq)->SetPos(nShown);
        (bLpf ? m_nLpfFreq : m_nHpfFreq) = nShown;
        UpdateFaderThumbs();
        m_graph->Redraw(nBand);
        HighlightXoverEdit(bLpf);
    } else {
        m_binder.Load(m_nFreqBinding[nBand]);
        m_binder.Load(m_nWidthBinding[nBand]);
        m_binder.Load(m_nGainBinding[nBand]);
        ShowBandBypass(Out().GetBand(nBand)->IsBypassOrFlat() != 0, nBand);
        m_graph->Redraw(-1);
        UpdateAllBypassButton();
        HighlightBandLabel(nBand, true);
        HighlightEdit(nBand, kGain, true);
    }
    if (m_graph->m_bButtonUp) {
        m_graph->m_bButtonUp = 0;
        if (m_pHotEdit != nullptr)
            m_pHotEdit->SetFocus();
    }
}

void COutputDlg::OnFocusBandEdit(int nBand)
{
    if (nBand >= 0 && nBand < kBandColumns) {
        HighlightBandLabel(nBand, true);
        HighlightEdit(nBand, kGain, true);
        m_pHotEdit->SetFocus();
    } else if (nBand == kHpfBand || nBand == kLpfBand) {
        HighlightBandLabel(-1, false);
        (nBand == kHpfBand ? m_editHpfFreq : m_editLpfFreq)->SetFocus();
    }
}
