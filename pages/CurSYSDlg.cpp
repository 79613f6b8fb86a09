#include "pages/CurSYSDlg.h"

#include "controls/COM_EXT_LIMStatic.h"
#include "controls/FontStatic.h"
#include "controls/NumEdit.h"
#include "controls/NumSpin.h"
#include "controls/SxGroupBox.h"
#include "link/ListItem.h"
#include "model/StdAfx.h"
#include "pages/CurSYSDlgIds.h"
#include "res/UiText.h"

using namespace CurSYSDlgIds;

namespace {
constexpr int kLabelFontSize = 15;

struct FieldIds {
    ParamId id;
    int nEdit;
    int nSpin;
};
// By CCurSYSDlg::Field.
constexpr FieldIds kFieldIds[] = {
    {ParamId::DynLimLevel, IDC_LIM_LEVEL, IDC_LIM_LEVEL_SPIN},
    {ParamId::LimAttack, IDC_LIM_ATTACK, IDC_LIM_ATTACK_SPIN},
    {ParamId::DynLimRelease, IDC_LIM_RELEASE, IDC_LIM_RELEASE_SPIN},
    {ParamId::CompLevel, IDC_COMP_LEVEL, IDC_COMP_LEVEL_SPIN},
    {ParamId::CompAttack, IDC_COMP_ATTACK, IDC_COMP_ATTACK_SPIN},
    {ParamId::CompRelease, IDC_COMP_RELEASE, IDC_COMP_RELEASE_SPIN},
    {ParamId::CompRatio, IDC_COMP_RATIO, IDC_COMP_RATIO_SPIN},
};
}  // namespace

CCurSYSDlg::CCurSYSDlg(IPageHost& host, CKTV_Data& data)
    : CTemplateDialog(IDD_CURSYS), m_pData(&data), m_binder(*this, host)
{
    SetBackgroundSkins(IDB_BACK, IDB_BACK);
}

void CCurSYSDlg::CreateControls()
{
    // The boxes first, so that what stands in them lies above them.
    for (int i = 0; i < OUTPUT_CHANNELS; ++i)
        CreateItem<CSxGroupBox>(IDC_BOX + i);
    for (int i = 0; i < OUTPUT_CHANNELS; ++i) {
        m_graphs[std::size_t(i)] = CreateItem<CCOM_EXT_LIMStatic>(IDC_GRAPH + i);
        for (const FieldIds& field : kFieldIds) {
            CreateItem<CNumEdit>(field.nEdit + i);
            CreateItem<CNumSpin>(field.nSpin + i);
        }
    }
    for (int nId = IDC_ROW_LABEL; nId < IDC_ROW_LABEL + 6; ++nId)
        CreateItem<CFontStatic>(nId);
    for (const int nId : {IDC_RATIO_LABEL_UP, IDC_RATIO_LABEL_DOWN, IDC_SOURCE_LABEL, IDC_GATE_LABEL})
        CreateItem<CFontStatic>(nId);
    CreateItem<CListItem>(IDC_SOURCE_LIST);
    CreateItem<CNumEdit>(IDC_GATE);
    CreateItem<CNumSpin>(IDC_GATE_SPIN);
}

bool CCurSYSDlg::OnInitDialog()
{
    InitLabels();
    SetTitle(LangString("系统", "System"));
    m_binder.Bind(ParamId::MusicGate, static_cast<CNumEdit*>(GetDlgItem(IDC_GATE)),
                  static_cast<CNumSpin*>(GetDlgItem(IDC_GATE_SPIN)), nullptr,
                  [this] { return ParamTarget{m_pData, 0, 0}; });
    InitLimiterControls();
    m_binder.Load();
    for (int i = 0; i < OUTPUT_CHANNELS; ++i) {
        m_graphs[std::size_t(i)]->AttachData(m_pData);
        m_graphs[std::size_t(i)]->LoadChannel(i);
    }
    return true;
}

void CCurSYSDlg::InitLabels()
{
    for (int nId = IDC_ROW_LABEL; nId < IDC_ROW_LABEL + 6; ++nId) {
        auto* pLabel = static_cast<CFontStatic*>(GetDlgItem(nId));
        pLabel->SetFontSize(kLabelFontSize);
        pLabel->SetAlignLeft(true);
    }
    for (const int nId : {IDC_RATIO_LABEL_UP, IDC_RATIO_LABEL_DOWN}) {
        auto* pLabel = static_cast<CFontStatic*>(GetDlgItem(nId));
        pLabel->SetFontSize(kLabelFontSize);
        pLabel->SetAlignLeft(true);
    }
    for (const int nId : {IDC_SOURCE_LABEL, IDC_GATE_LABEL})
        static_cast<CFontStatic*>(GetDlgItem(nId))->SetFontSize(kLabelFontSize);
}

void CCurSYSDlg::InitLimiterControls()
{
    for (int i = 0; i < OUTPUT_CHANNELS; ++i) {
        for (int f = 0; f < kFields; ++f) {
            const FieldIds& ids = kFieldIds[f];
            const auto field = static_cast<Field>(f);
            m_nBindings[std::size_t(i)][std::size_t(f)] =
                m_binder.Bind(ids.id, static_cast<CNumEdit*>(GetDlgItem(ids.nEdit + i)),
                              static_cast<CNumSpin*>(GetDlgItem(ids.nSpin + i)), nullptr,
                              [this, i] { return ParamTarget{m_pData, i, 0}; },
                              [this, field, i](int) { ShowChanged(field, i); });
        }
        CCOM_EXT_LIMStatic& graph = *m_graphs[std::size_t(i)];
        graph.LayoutPlot();
        graph.SetGraphMode(LIM_GRAPH_MODE);
    }
}

// The setters copy the whole limiter or compressor group to the linked outputs, so each of those
// shows its whole group again, not only the field edited here.
void CCurSYSDlg::ShowChanged(Field field, int i)
{
    const bool bLimiter = field == LimLevel || field == LimAttack || field == LimRelease;
    const int nFirst = bLimiter ? LimLevel : CompLevel;
    const int nLast = bLimiter ? LimRelease : CompRatio;
    const bool bGraph = field == LimLevel || field == CompLevel || field == CompRatio;
    m_binder.Load(m_nBindings[std::size_t(i)][field]);
    if (bGraph)
        m_graphs[std::size_t(i)]->Redraw();
    for (const int k : LinkedOutputs(i)) {
        for (int f = nFirst; f <= nLast; ++f)
            m_binder.Load(m_nBindings[std::size_t(k)][std::size_t(f)]);
        if (bGraph)
            m_graphs[std::size_t(k)]->Redraw();
    }
}

// Enter and Escape take the focus to the dialog itself, which ends an edit in progress (the
// field reports its value); neither closes the dialog.
bool CCurSYSDlg::PreTranslateKey(wxKeyEvent& event)
{
    const int nKey = event.GetKeyCode();
    if (nKey != WXK_RETURN && nKey != WXK_NUMPAD_ENTER && nKey != WXK_ESCAPE)
        return false;
    SetFocusIgnoringChildren();
    return true;
}
