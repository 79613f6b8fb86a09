#include "grid/DataViewDlg.h"

#include <wx/button.h>

#include "controls/ReportList.h"
#include "grid/DataViewDlgIds.h"
#include "grid/GridServices.h"
#include "grid/ListCtrlPrint.h"
#include "grid/ParameterReport.h"
#include "grid/ReportExport.h"
#include "model/StdAfx.h"
#include "res/UiText.h"

using namespace DataViewDlgIds;

namespace {
const wxColour kListBack(247, 247, 255);
const wxColour kListText(0, 0, 255);
constexpr char kExportTable[] = "Pelmo";
}  // namespace

CDataViewDlg::CDataViewDlg(IPageHost& view, CKTV_Data& data)
    : CTemplateDialog(IDD_DATA_VIEW), m_pView(&view), m_pData(&data)
{
}

void CDataViewDlg::CreateControls()
{
    m_lstParams = CreateItem<CReportList>(IDC_PARAM_LIST);
}

bool CDataViewDlg::OnInitDialog()
{
    const bool bChinese = g_bChinese != 0;
    m_strPrintText = LangString("打印", "Print");
    m_strExportText = LangString("导出Excel", "Export Excel");
    m_astrRowNames.clear();
    for (const std::string& strName : ParameterReport::RowNames(bChinese))
        m_astrRowNames.push_back(wxString::FromUTF8(strName));
    m_astrColTitles.clear();
    for (const std::string& strTitle : ParameterReport::ColumnTitles(bChinese))
        m_astrColTitles.push_back(wxString::FromUTF8(strTitle));
    SetTitle(LangString("参数值显示", "Report"));

    m_btnPrint = static_cast<wxButton*>(GetDlgItem(IDC_PRINT));
    m_btnExport = static_cast<wxButton*>(GetDlgItem(IDC_EXPORT));
    m_btnPrint->SetLabel(m_strPrintText);
    m_btnExport->SetLabel(m_strExportText);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnBtnPrint(); }, WxId(IDC_PRINT));
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnBtnExport(); }, WxId(IDC_EXPORT));

    m_lstParams->SetGridLines(true);
    m_lstParams->SetBkColor(kListBack);
    m_lstParams->SetTextColor(kListText);
    m_lstParams->SetTextBkColor(kListBack);
    FillParameterList();
    return true;
}

void CDataViewDlg::FillParameterList()
{
    for (int j = 0; j < ParameterReport::kColumns; ++j)
        m_lstParams->InsertColumn(j, m_astrColTitles[std::size_t(j)], LVCFMT_CENTER, ParameterReport::ColumnWidth(j));
    for (int i = 0; i < ParameterReport::kRows; ++i)
        m_lstParams->InsertItem(i, m_astrRowNames[std::size_t(i)]);
    for (const ParameterReport::Cell& cell : ParameterReport::ChannelTexts(*m_pData))
        m_lstParams->SetItemText(cell.nRow, cell.nChannel + 1, wxString::FromUTF8(cell.text));
}

void CDataViewDlg::OnBtnPrint()
{
    CListCtrlPrint print;
    print.m_strHeader = wxS("This is the report of the file\r\nMultiline!\r\n");
    print.m_strFooter = wxS("Just a huar for the footers\r\neventually multiline too ..");
    print.m_strPageFormat = wxS("Page %d of %d");
    print.m_pList = m_lstParams;
    print.DoPrint(this);
}

void CDataViewDlg::OnBtnExport()
{
    if (g_nViewMode == 1 || g_nViewMode == 2)
        ExportToSpreadsheet(*m_lstParams, kExportTable, this);
}

void RunParameterReport(IPageHost& view, CKTV_Data& data)
{
    CDataViewDlg dlg(view, data);
    dlg.DoModal(nullptr);
}
