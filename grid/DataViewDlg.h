#pragma once
// The report of one preset's parameters (template 102): a table with one row per parameter and
// one column per channel (ParameterReport.h), a Print button that prints it page by page and an
// Export button that writes it into a spreadsheet workbook. Opening fills the table. No command of
// the program opens the dialog; the main view's ShowReportDialog does.
#include <vector>

#include "controls/TemplateDialog.h"

class CKTV_Data;
class CReportList;
class IPageHost;
class wxButton;

class CDataViewDlg : public CTemplateDialog {
public:
    CDataViewDlg(IPageHost& view, CKTV_Data& data);

    // Builds the columns and rows and writes every value.
    void FillParameterList();
    CReportList& ParameterList() const { return *m_lstParams; }

protected:
    void CreateControls() override;
    bool OnInitDialog() override;

private:
    void OnBtnPrint();
    void OnBtnExport();

    IPageHost* m_pView;  // the opening view; not read
    CKTV_Data* m_pData;  // the preset reported; not owned
    wxButton* m_btnExport = nullptr;
    wxButton* m_btnPrint = nullptr;
    CReportList* m_lstParams = nullptr;
    std::vector<wxString> m_astrRowNames;
    std::vector<wxString> m_astrColTitles;
    wxString m_strPrintText;
    wxString m_strExportText;
};
