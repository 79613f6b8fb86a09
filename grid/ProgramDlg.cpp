#include "grid/ProgramDlg.h"

#include <wx/button.h>

#include <tuple>

#include "controls/WndMessages.h"
#include "grid/ComboGridCtrl.h"
#include "grid/ProgramDlgIds.h"
#include "grid/SaveDlg.h"
#include "link/DisplayDlg.h"
#include "model/DataDefine.h"
#include "model/StdAfx.h"
#include "platform/MessageBox.h"
#include "platform/MessageIds.h"
#include "res/DeviceText.h"
#include "res/SharedGdi.h"
#include "res/UiText.h"

using namespace ProgramDlgIds;

namespace {
constexpr int kRows = 7;
constexpr int kNameColumnWidth = 262;
constexpr unsigned kCellFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
constexpr COLORREF kGridLines = ColorRef(51, 153, 255);

struct ModeTexts {
    const char* szCaptionCn;
    const char* szCaptionEn;
    const char* szActionCn;
    const char* szActionEn;
};
constexpr ModeTexts kModeTexts[] = {
    {"加载 机器预置场景", "Load Machine Preset", "加载", "Load"},
    {"另存为 机器预置场景", "Save As Machine Preset", "保存", "Save"},
    {"删除 机器预置场景", "Delete Machine Preset", "删除", "Delete"},
};
}  // namespace

CProgramDlg::CProgramDlg(IPresetManagerHost& view, PresetManagerMode mode)
    : CTemplateDialog(IDD_PROGRAM), m_nMode(mode), m_logic(view)
{
}

CProgramDlg::~CProgramDlg()
{
    if (g_pProgramDlg == this)
        g_pProgramDlg = nullptr;
}

void CProgramDlg::CreateControls()
{
    m_grid = CreateItem<CComboGridCtrl>(IDC_PRESET_GRID);
}

bool CProgramDlg::OnInitDialog()
{
    m_btnQuit = static_cast<wxButton*>(GetDlgItem(IDC_QUIT));
    m_btnAction = static_cast<wxButton*>(GetDlgItem(IDC_ACTION));
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnActionButton(); }, WxId(IDC_ACTION));
    // The grid's menu runs a loop of its own: its commands act once it has closed.
    for (auto [nCommand, nMsg, pCell] : {std::tuple{ID_MENU_LOAD, WM_PRESET_LOAD, &m_cellLoad},
                                         {ID_MENU_SAVE_AS, WM_PRESET_SAVE_AS, &m_cellSaveAs},
                                         {ID_MENU_DELETE, WM_PRESET_DELETE, &m_cellDelete}})
        Bind(wxEVT_MENU, [this, nMsg, pCell](wxCommandEvent&) {
            *pCell = m_grid->GetMenuCell();
            PostMessage(this, nMsg, 0, 0);
        }, WxId(nCommand));
    BindMessage(this, WM_NOTIFY, [this](WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (int(wParam) == IDC_PRESET_GRID && lParam != 0)
            OnGridNotify(*reinterpret_cast<const GridNotify*>(lParam));
        return 0;
    });
    BindMessage(this, WM_PRESET_SAVE_AS, [this](WPARAM, LPARAM) -> LRESULT {
        if (TakeRequest(m_cellSaveAs))
            SaveAsPreset();
        return 0;
    });
    BindMessage(this, WM_PRESET_LOAD, [this](WPARAM, LPARAM) -> LRESULT {
        if (TakeRequest(m_cellLoad))
            LoadPreset();
        return 0;
    });
    BindMessage(this, WM_PRESET_DELETE, [this](WPARAM, LPARAM) -> LRESULT {
        if (TakeRequest(m_cellDelete))
            DeletePreset(m_cellDelete.row);
        return 0;
    });
    SetupGrid();
    FillPresetNames();
    g_pProgramDlg = this;
    return true;
}

void CProgramDlg::SetupGrid()
{
    CGridCtrl& grid = *m_grid;
    grid.SetRowCount(kRows);
    grid.SetFixedRowCount(1);
    grid.SetColumnCount(2);
    grid.SetFixedColumnCount(1);
    grid.SetColumnWidth(1, kNameColumnWidth);
    grid.SetRowResize(false);
    // A press chooses the row every operation acts on: a drag neither moves it nor sizes columns.
    grid.SetMouseMoves(false);
    grid.SetSingleRowSelection(true);
    grid.SetEditable(false);
    for (int r = 0; r < grid.GetRowCount(); ++r) {
        for (int c = 0; c < grid.GetColumnCount(); ++c) {
            GridItem item;
            item.row = r;
            item.col = c;
            item.mask = ITEM_TEXT | ITEM_FORMAT;
            item.nFormat = kCellFormat;
            grid.SetItem(item);
        }
    }
    grid.SetItemText(0, 0, "No.");
    grid.SetItemText(0, 1, "Name");
    grid.SetSelectedRange(1, 0, 1, 1);
    grid.EnsureVisible(1, 0);
    grid.SetGridLineColour(kGridLines);
    grid.SetFont(g_fontGrid);
}

void CProgramDlg::FillPresetNames()
{
    for (int i = 0; i < STORED_PRESETS; ++i) {
        ShowStoredName(i + 1);
        m_grid->SetItemText(i + 1, 0, std::to_string(i + 1));
    }
    m_grid->SetFocusCell(1, 1);
    UpdateTexts();
    Refresh();
}

void CProgramDlg::UpdateTexts()
{
    const ModeTexts& texts = kModeTexts[static_cast<int>(m_nMode)];
    SetTitle(LangString(texts.szCaptionCn, texts.szCaptionEn));
    m_btnAction->SetLabel(LangString(texts.szActionCn, texts.szActionEn));
    m_btnQuit->SetLabel(LangString("退出", "Quit"));
    m_grid->SetItemText(0, 0, LangText("序号", "No."));
    m_grid->SetItemText(0, 1, LangText("场景名", "Preset"));
}

void CProgramDlg::ShowStoredName(int nRow)
{
    m_grid->SetItemText(nRow, 1, FromDeviceBytes(CProgramDlgLogic::StoredName(nRow)).utf8_string());
}

bool CProgramDlg::PreTranslateKey(wxKeyEvent& event)
{
    switch (event.GetKeyCode()) {
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
    case WXK_ESCAPE: return true;
    default: return false;
    }
}

bool CProgramDlg::TakeRequest(const CGridCellPos& cell)
{
    const int nPreset = CProgramDlgLogic::PresetOfRow(cell.row);
    if (nPreset == 0)
        return false;
    m_nPreset = nPreset;
    return true;
}

void CProgramDlg::LoadPreset()
{
    m_logic.Load(m_nPreset);
}

void CProgramDlg::SaveAsPreset()
{
    // With no link the name would be asked for in vain.
    if (!m_logic.CanSave())
        return;
    CSaveDlg dlg;
    dlg.m_nPreset = m_nPreset;
    if (dlg.DoModal(this) != IDOK)
        return;
    m_strName = dlg.m_strName;
    ValidatePresetName();
}

void CProgramDlg::ValidatePresetName()
{
    if (m_logic.SaveAs(m_nPreset, m_strName))
        m_grid->SetItemText(m_nPreset, 1, m_strName);
}

void CProgramDlg::DeletePreset(int nRow)
{
    m_strName.clear();
    if (m_logic.Delete(m_nPreset))
        m_grid->SetItemText(nRow, 1, m_strName);
    else
        ShowStoredName(nRow);
}

void CProgramDlg::OnActionButton()
{
    const CGridCellPos cell = m_grid->GetFocusCell();
    switch (m_nMode) {
    case PresetManagerMode::Load:
        m_cellLoad = cell;
        if (TakeRequest(cell))
            LoadPreset();
        break;
    case PresetManagerMode::SaveAs:
        m_cellSaveAs = cell;
        if (TakeRequest(cell))
            SaveAsPreset();
        break;
    case PresetManagerMode::Delete:
        m_cellDelete = cell;
        if (TakeRequest(cell))
            DeletePreset(cell.row);
        break;
    }
}

void CProgramDlg::OnGridNotify(const GridNotify& notify)
{
    const CGridCellPos cell(notify.iRow, notify.iColumn);
    switch (notify.hdr.code) {
    case NM_DBLCLK:
        switch (m_nMode) {
        case PresetManagerMode::Load:
            m_cellLoad = cell;
            PostMessage(this, WM_PRESET_LOAD, 0, 0);
            break;
        case PresetManagerMode::SaveAs:
            m_cellSaveAs = cell;
            PostMessage(this, WM_PRESET_SAVE_AS, 0, 0);
            break;
        case PresetManagerMode::Delete:
            m_cellDelete = cell;
            PostMessage(this, WM_PRESET_DELETE, 0, 0);
            break;
        }
        break;
    case GRIDN_CELL_CLEARED:
        m_cellDelete = cell;
        if (TakeRequest(cell))
            DeletePreset(cell.row);
        break;
    default: break;
    }
}

void RunPresetManager(IPresetManagerHost& host, PresetManagerMode mode)
{
    CProgramDlg dlg(host, mode);
    dlg.DoModal(nullptr);
}
