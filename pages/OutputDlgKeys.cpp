// The output page's keyboard moves: Left and Right in a field, Tab (as Right) and Enter move the
// focus along the order of OutputFieldOrder, selecting the band of the field on the graph; Tab or
// Enter with no field focused starts at the first field.
#include "controls/EqCurveStatic.h"
#include "controls/NumEdit.h"
#include "controls/VirtualKeys.h"
#include "pages/OutRoute_Dlg.h"
#include "pages/OutRoute_DlgIds.h"
#include "pages/OutputDlg.h"
#include "pages/OutputDlgIds.h"

using namespace OutputDlgIds;
namespace Order = OutputFieldOrder;

namespace {
constexpr int kHpfBand = 31;
constexpr int kLpfBand = 32;
}  // namespace

// A strip's level field has the same id in every strip: the strip is the one whose field has the
// focus (the strips post the key while it is there).
int COutputDlg::FieldOfControl(int nCtrlId) const
{
    if (nCtrlId != OutRoute_DlgIds::IDC_LEVEL_EDIT)
        return nCtrlId;
    const wxWindow* pFocus = FindFocus();
    for (int n = 0; n < Order::kShownStrips; ++n)
        if (pFocus != nullptr && pFocus == m_strip[n]->GetDlgItem(OutRoute_DlgIds::IDC_LEVEL_EDIT))
            return Order::kStripField + n;
    return 0;
}

bool COutputDlg::CanFocusField(int nField) const
{
    if (nField >= Order::kStripField) {
        const int n = nField - Order::kStripField;
        return n < Order::kShownStrips && m_strip[n]->IsEnabled() &&
               m_strip[n]->GetDlgItem(OutRoute_DlgIds::IDC_LEVEL_EDIT)->IsEnabled();
    }
    const wxWindow* pField = GetDlgItem(nField);
    return pField != nullptr && pField->IsShown() && pField->IsEnabled();
}

void COutputDlg::ApplyFieldMove(const Order::Move& move)
{
    if (move.bClearFirst || move.select == Order::Selection::Clear)
        ClearBandSelection();
    if (move.nField == 0)
        return;
    if (move.nField >= Order::kStripField)
        m_strip[move.nField - Order::kStripField]->GetDlgItem(OutRoute_DlgIds::IDC_LEVEL_EDIT)->SetFocus();
    else
        GetDlgItem(move.nField)->SetFocus();
    switch (move.select) {
    case Order::Selection::Band:
        HighlightBandLabel(move.nBand, true);
        m_graph->Redraw(move.nBand);
        break;
    case Order::Selection::Hpf:
    case Order::Selection::Lpf:
        HighlightBandLabel(-1, false);
        m_graph->Redraw(move.select == Order::Selection::Hpf ? kHpfBand : kLpfBand);
        break;
    case Order::Selection::Keep:
    case Order::Selection::Clear: break;
    }
}

void COutputDlg::OnNumEditKey(int nCtrlId, int nKey)
{
    if (nKey != VK_LEFT && nKey != VK_RIGHT)
        return;
    const int nField = FieldOfControl(nCtrlId);
    const auto canFocus = [this](int n) { return CanFocusField(n); };
    ApplyFieldMove(Order::Next(nField, nKey == VK_LEFT ? Order::Key::Left : Order::Key::Right, canFocus));
    m_graph->ParkPointerBelow();
}

void COutputDlg::OnEditNextRow(int nCtrlId)
{
    const int nField = FieldOfControl(nCtrlId);
    ApplyFieldMove(Order::Next(nField, Order::Key::Enter, [this](int n) { return CanFocusField(n); }));
}

void COutputDlg::FocusFirstEdit()
{
    if (dynamic_cast<CNumEdit*>(FindFocus()) != nullptr)
        return;
    ApplyFieldMove(Order::First([this](int n) { return CanFocusField(n); }));
}
