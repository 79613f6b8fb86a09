#pragma once
// The stored-preset manager (template 170): the six presets stored in the processor, by number
// and name, in a grid, with one action button for the mode it was opened in (load, save as or
// delete) and Quit. The action button (on the focus cell's row) and a double click on a row act
// as the mode says; the grid's right-button menu (commands 714 load, 713 save as, 715 delete, on
// the row clicked) and its Delete key offer every operation whatever the mode. Save as asks for the name in the preset name dialog
// (grid/SaveDlg.h). The operations and their checks are CProgramDlgLogic's; the main view does
// the sending. The dialog stays open after each operation, its texts in the language of the
// moment it opened. While it is open g_pProgramDlg points to it, so the progress dialog of a
// transfer disables it.
#include <string>

#include "controls/TemplateDialog.h"
#include "grid/GridDefs.h"
#include "grid/GridServices.h"
#include "grid/ProgramDlgLogic.h"

class CComboGridCtrl;
class wxButton;

class CProgramDlg : public CTemplateDialog {
public:
    CProgramDlg(IPresetManagerHost& view, PresetManagerMode mode);
    // g_pProgramDlg never outlives the dialog it points to.
    ~CProgramDlg() override;

    CComboGridCtrl& Grid() const { return *m_grid; }
    PresetManagerMode Mode() const { return m_nMode; }

protected:
    void CreateControls() override;
    bool OnInitDialog() override;
    // Enter and Escape do nothing here: neither acts nor closes. Other keys go on to the focused
    // window (the grid's arrows, Delete and copy keys).
    bool PreTranslateKey(wxKeyEvent& event) override;

private:
    void SetupGrid();
    void FillPresetNames();
    void UpdateTexts();

    // The row rule: a request from a cell of rows 1-6 sets m_nPreset to that preset (true);
    // any other cell does nothing (false).
    bool TakeRequest(const CGridCellPos& cell);
    void LoadPreset();
    // Asks for the name, then ValidatePresetName.
    void SaveAsPreset();
    // Checks m_strName and saves the current preset under it; the cell shows a saved name.
    void ValidatePresetName();
    // The cell shows the result: empty once deleted, the stored name otherwise.
    void DeletePreset(int nRow);

    void OnActionButton();
    void OnGridNotify(const GridNotify& notify);
    // The grid's cell of the stored preset's name shows the name stored for it.
    void ShowStoredName(int nRow);

    PresetManagerMode m_nMode;
    CProgramDlgLogic m_logic;
    CComboGridCtrl* m_grid = nullptr;  // editing off, no option columns
    wxButton* m_btnAction = nullptr;
    wxButton* m_btnQuit = nullptr;
    int m_nPreset = 1;
    std::string m_strName;  // UTF-8: the name being saved
    CGridCellPos m_cellSaveAs;
    CGridCellPos m_cellLoad;
    CGridCellPos m_cellDelete;
};
