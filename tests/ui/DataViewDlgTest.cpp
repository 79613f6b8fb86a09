#include <gtest/gtest.h>
#include <unistd.h>
#include <gtk/gtk.h>
#include <wx/button.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/settings.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "controls/FileDialogST.h"
#include "controls/ReportList.h"
#include "grid/DataViewDlg.h"
#include "grid/DataViewDlgIds.h"
#include "grid/ParameterReport.h"
#include "grid/PrinterJob.h"
#include "model/DataDefine.h"
#include "model/KTV_Data.h"
#include "model/KTV_OutData.h"
#include "model/Music_InData.h"
#include "model/StdAfx.h"
#include "tests/support/FakePageHost.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/XlsxReader.h"
#include "tests/ui/PdfPrint.h"
#include "tests/ui/PictureChecks.h"
#include "tests/ui/UiTestUtil.h"

using namespace DataViewDlgIds;
namespace fs = std::filesystem;

namespace {
void Press(wxWindow& dlg, int nCtrlId)
{
    wxWindow* pButton = dlg.FindWindow(WxId(nCtrlId));
    ASSERT_NE(pButton, nullptr);
    wxCommandEvent click(wxEVT_BUTTON, pButton->GetId());
    click.SetEventObject(pButton);
    pButton->ProcessWindowEvent(click);
}

class DataViewDlg : public testing::Test {
protected:
    void SetUp() override
    {
        InitDeviceData();
        g_bSynced = 1;  // the setters store as the pages' edits do
        m_pData = std::make_unique<CKTV_Data>();
        m_pData->GetMusicData(0)->SetLevel(600);
        m_pData->GetOutData(0)->SetDelay(96);
        m_pData->GetOutData(7)->SetLevel(123);  // output 8: "-47.7dB", in the last column
        g_bSynced = 0;
        m_dir = fs::temp_directory_path() / ("tarvi-report-" + std::to_string(getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override
    {
        CPrinterJob::SetRunner({});
        CFileDialogST::SetTestAnswer({});
        g_bChinese = 0;
        g_nViewMode = 1;
        PumpPendingEvents();
        fs::remove_all(m_dir);
        InitDeviceData();
    }

    wxString Label(CDataViewDlg& dlg, int nId) { return dlg.GetDlgItem(nId)->GetLabel(); }

    CFakePageHost m_host;
    std::unique_ptr<CKTV_Data> m_pData;
    fs::path m_dir;
};
}  // namespace

TEST_F(DataViewDlg, OpensWithTheParametersInTheLanguageChosen)
{
    for (const int bChinese : {0, 1}) {
        SCOPED_TRACE(bChinese);
        g_bChinese = bChinese;
        CDataViewDlg dlg(m_host, *m_pData);
        ASSERT_TRUE(dlg.Create(nullptr));
        EXPECT_EQ(dlg.GetTitle(), wxString::FromUTF8(bChinese ? "参数值显示" : "Report"));
        EXPECT_EQ(Label(dlg, IDC_PRINT), wxString::FromUTF8(bChinese ? "打印" : "Print"));
        EXPECT_EQ(Label(dlg, IDC_EXPORT), wxString::FromUTF8(bChinese ? "导出Excel" : "Export Excel"));

        const CReportList& list = dlg.ParameterList();
        ASSERT_EQ(list.GetColumnCount(), 17);
        ASSERT_EQ(list.GetItemCount(), 174);
        EXPECT_EQ(list.GetColumnHeading(0), wxString::FromUTF8(bChinese ? "参数" : "Args"));
        EXPECT_EQ(list.GetColumnHeading(6), "CH6");
        EXPECT_EQ(list.GetColumnHeading(8), "Effect");
        EXPECT_EQ(list.GetColumnHeading(9), wxString::FromUTF8(bChinese ? "输出1" : "Output 1"));
        EXPECT_EQ(list.GetColumnHeading(16), wxString::FromUTF8(bChinese ? "输出8" : "Output 8"));
        EXPECT_EQ(list.GetItemText(0, 0), wxString::FromUTF8(bChinese ? "均衡1类型" : "EQ1 Type"));
        EXPECT_EQ(list.GetItemText(68, 0), wxString::FromUTF8(bChinese ? "增益" : "Gain"));
        EXPECT_EQ(list.GetItemText(68, 2), "0.0dB");         // music input 1
        // Output 1: 96 steps of 1/48 ms.
        EXPECT_EQ(list.GetItemText(67, 9), wxString::FromUTF8(bChinese ? "2.000毫秒" : "2.000MS"));
        EXPECT_EQ(list.GetItemText(0, 9), wxString::FromUTF8(m_pData->GetOutData(0)->GetBand(0)->GetTypeText()));
        EXPECT_EQ(list.GetItemText(68, 16), "-47.7dB");  // output 8
        EXPECT_EQ(list.GetItemText(0, 16), wxString::FromUTF8(m_pData->GetOutData(7)->GetBand(0)->GetTypeText()));
        EXPECT_TRUE(dlg.MissingItems().empty());
        dlg.Destroy();
    }
}

TEST_F(DataViewDlg, TheListIsRuledBetweenItsCells)
{
    CDataViewDlg dlg(m_host, *m_pData);
    ASSERT_TRUE(dlg.Create(nullptr));
    CReportList& list = dlg.ParameterList();
    auto draw = [&list] {
        wxBitmap bitmap(list.GetClientSize(), 24);
        {
            wxMemoryDC dc(bitmap);
            list.Draw(dc);
        }
        return bitmap.ConvertToImage();
    };
    const wxColour line = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);
    const int nColumnEdge = list.GetHeaderItemRect(0).GetRight();
    const int nRowEdge = list.GetHeaderHeight() + list.GetRowHeight() - 1;
    const int nInside = list.GetHeaderHeight() + 2;
    ASSERT_TRUE(list.GetGridLines());
    const wxImage ruled = draw();
    EXPECT_EQ(PixelAt(ruled, nColumnEdge, nInside), line);
    EXPECT_EQ(PixelAt(ruled, 2, nRowEdge), line);
    EXPECT_EQ(PixelAt(ruled, 2, nInside), wxColour(247, 247, 255));
    list.SetGridLines(false);
    const wxImage plain = draw();
    EXPECT_EQ(PixelAt(plain, nColumnEdge, nInside), wxColour(247, 247, 255));
    EXPECT_EQ(PixelAt(plain, 2, nRowEdge), wxColour(247, 247, 255));
    dlg.Destroy();
}

// The columns are wider than the list: its horizontal scroll bar brings the last column, output 8,
// into view, heading and cells together.
TEST_F(DataViewDlg, ScrollingRightShowsTheLastColumn)
{
    CDataViewDlg dlg(m_host, *m_pData);
    ASSERT_TRUE(dlg.Create(nullptr));
    CReportList& list = dlg.ParameterList();
    // Scroll bars beside the cells, not over them: the client area then changes as they show.
    auto* pScrolled = list.GetHandle();
    ASSERT_TRUE(GTK_IS_SCROLLED_WINDOW(pScrolled));
    gtk_scrolled_window_set_overlay_scrolling(GTK_SCROLLED_WINDOW(pScrolled), false);
    dlg.Show();
    ASSERT_TRUE(SettleShown(dlg));
    const int nLast = list.GetColumnCount() - 1;
    const int nWidth = list.GetClientSize().GetWidth();
    ASSERT_GT(list.GetHeaderItemRect(nLast).GetRight(), nWidth) << "the columns fit: nothing to scroll";
    EXPECT_EQ(list.GetScrollRange(wxHORIZONTAL), list.GetHeaderItemRect(nLast).GetRight() + 1);
    EXPECT_EQ(list.GetScrollThumb(wxHORIZONTAL), nWidth);

    auto scroll = [&list](wxEventType type, int nPos = 0) {
        wxScrollWinEvent event(type, nPos, wxHORIZONTAL);
        event.SetEventObject(&list);
        list.ProcessWindowEvent(event);
    };
    scroll(wxEVT_SCROLLWIN_LINEDOWN);
    EXPECT_EQ(list.GetScrollLeft(), 20);
    EXPECT_EQ(list.GetScrollPos(wxHORIZONTAL), 20);
    scroll(wxEVT_SCROLLWIN_THUMBTRACK, 100000);  // dragged past the end: stops at the last column
    EXPECT_TRUE(SettleUntil([&] { return list.GetHeaderItemRect(nLast).GetRight() == nWidth - 1; }))
        << list.GetHeaderItemRect(nLast).GetRight();
    const wxRect rcLast = list.GetHeaderItemRect(nLast);
    EXPECT_EQ(list.GetCellRect(0, nLast).x, rcLast.x) << "the cells scroll with the heading";
    EXPECT_EQ(list.GetTopIndex(), 0) << "scrolling sideways keeps the rows";

    wxBitmap bitmap(list.GetClientSize(), 24);
    {
        wxMemoryDC dc(bitmap);
        list.Draw(dc);
    }
    const wxImage image = bitmap.ConvertToImage();
    const wxColour line = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);
    const int nDivider = list.GetHeaderItemRect(nLast - 1).GetRight();
    EXPECT_EQ(PixelAt(image, nDivider, list.GetHeaderHeight() / 2), line) << "heading divider";
    EXPECT_EQ(PixelAt(image, nDivider, list.GetHeaderHeight() + 2), line) << "cell rule below it";
    // Output 8's type text is drawn in the list's blue in its cell.
    const wxRect rcCell = list.GetCellRect(0, nLast);
    int nInk = 0;
    for (int x = rcCell.x; x < rcCell.GetRight(); ++x)
        for (int y = rcCell.y; y < rcCell.GetBottom(); ++y)
            nInk += PixelAt(image, x, y).Red() < 150;
    EXPECT_GT(nInk, 5);

    scroll(wxEVT_SCROLLWIN_TOP);
    EXPECT_EQ(list.GetHeaderItemRect(0).x, 0);
    dlg.Hide();
    dlg.Destroy();
}

TEST_F(DataViewDlg, PrintsThePagesOfTheListWhileItsOwnerStaysDisabled)
{
    auto* pFrame = new wxFrame(nullptr, wxID_ANY, "main");  // the main window behind the dialog
    pFrame->Show();
    const std::string strPath = (m_dir / "report.pdf").string();
    bool bFrameEnabledWhilePrinting = true;
    bool bPrinted = false;
    CPrinterJob::SetRunner([&](wxWindow*, wxPrintout& printout) {
        bFrameEnabledWhilePrinting = pFrame->IsEnabled();
        bPrinted = PrintToPdf(printout, strPath);
        return bPrinted;
    });
    bool bFrameEnabledAfter = true;
    CDataViewDlg dlg(m_host, *m_pData);
    ASSERT_TRUE(dlg.Create(nullptr));
    // The owner of a modal dialog is disabled while it runs (GTK itself only grabs the input).
    wxWindowDisabler disabler(&dlg);
    wxTheApp->CallAfter([&] {
        Press(dlg, IDC_PRINT);
        PumpPendingEvents();
        bFrameEnabledAfter = pFrame->IsEnabled();
        dlg.EndDialog(2);
    });
    dlg.DoModal(nullptr);
    EXPECT_TRUE(bPrinted);
    EXPECT_FALSE(bFrameEnabledWhilePrinting);
    EXPECT_FALSE(bFrameEnabledAfter) << "printing enabled the owner of the modal dialog";

    const int nPages = PdfPageCount(strPath);
    EXPECT_GE(nPages, 2);
    for (int nPage = 1; nPage <= nPages; ++nPage) {
        const std::string strText = PdfPageText(strPath, nPage);
        EXPECT_NE(strText.find("This is the report of the file"), std::string::npos);
        EXPECT_NE(strText.find(wxString::Format("Page %d of %d", nPage, nPages).ToStdString()), std::string::npos);
        EXPECT_NE(strText.find("eventually multiline too .."), std::string::npos);
    }
    const std::string strFirst = PdfPageText(strPath, 1);
    EXPECT_NE(strFirst.find("EQ1 Type"), std::string::npos);
    EXPECT_NE(strFirst.find("0.0dB"), std::string::npos);
    // Output 8's level (row 68) prints once, under the last column's title, inside the margin.
    int nLevels = 0;
    for (int nPage = 1; nPage <= nPages; ++nPage) {
        const std::vector<PdfWord> words = PdfPageWords(strPath, nPage);
        const auto title = std::find_if(words.rbegin(), words.rend(), [](const PdfWord& w) { return w.text == "Output"; });
        ASSERT_NE(title, words.rend());
        for (const PdfWord& w : words) {
            if (w.text != "-47.7dB")
                continue;
            ++nLevels;
            EXPECT_GT(w.xMin, title->xMin - 10);
            EXPECT_LT(w.xMax, (210.0 - 10.0) * 72.0 / 25.4 + 1.0);
        }
    }
    EXPECT_EQ(nLevels, 1);
    pFrame->Destroy();
}

TEST_F(DataViewDlg, ExportsTheListInTheViewModesThatExport)
{
    CMessageBoxRecorder boxes;
    const std::string strPath = (m_dir / "report.xlsx").string();
    int nDialogs = 0;
    CFileDialogST::SetTestAnswer([&](const CFileDialogST&) -> std::optional<std::string> {
        ++nDialogs;
        return strPath;
    });
    CDataViewDlg dlg(m_host, *m_pData);
    ASSERT_TRUE(dlg.Create(nullptr));

    g_nViewMode = 0;
    Press(dlg, IDC_EXPORT);
    EXPECT_EQ(nDialogs, 0);
    EXPECT_FALSE(fs::exists(strPath));

    g_nViewMode = 2;
    Press(dlg, IDC_EXPORT);
    EXPECT_EQ(nDialogs, 1);
    EXPECT_TRUE(boxes.shown.empty());
    const XlsxSheet sheet = ReadFirstXlsxSheet(strPath);
    ASSERT_TRUE(sheet.ok);
    EXPECT_EQ(sheet.name, "Pelmo");
    EXPECT_EQ(sheet.cells.at("A1"), "Args");
    EXPECT_EQ(sheet.cells.at("G1"), "CH6");
    EXPECT_EQ(sheet.cells.at("I1"), "Effect");
    EXPECT_EQ(sheet.cells.at("Q1"), "Output 8");
    EXPECT_EQ(sheet.cells.count("R1"), 0u);
    EXPECT_EQ(sheet.cells.at("Q70"), "-47.7dB");  // row 68, output 8
    EXPECT_EQ(sheet.cells.at("A2"), "EQ1 Type");
    EXPECT_EQ(sheet.cells.at("C70"), "0.0dB");   // row 68 of the list, music input 1
    EXPECT_EQ(sheet.cells.at("J69"), "2.000MS");  // row 67, output 1
    EXPECT_EQ(sheet.cells.at("A70"), "Gain");
    dlg.Destroy();
}

// The list at its left end and scrolled to its right end, in both languages: the first row's name
// and the last output's first value drawn inside their cells in the list's text colour, the
// headings scrolled, and the row name in each language.
TEST_F(DataViewDlg, Screenshots)
{
    wxImage left[2];
    wxRect rcName;
    for (const int bChinese : {0, 1}) {
        SCOPED_TRACE(bChinese ? "Chinese" : "English");
        g_bChinese = bChinese;
        CDataViewDlg dlg(m_host, *m_pData);
        ASSERT_TRUE(dlg.Create(nullptr));
        dlg.Show();
        const CReportList& list = dlg.ParameterList();
        const auto place = [&](const wxRect& rc) { return RectInCapture(list, dlg, rc); };
        const wxRect rcHeader = place(wxRect(0, 0, list.GetClientSize().x, list.GetHeaderHeight()));
        rcName = place(list.GetCellRect(0, 0));
        EXPECT_TRUE(SaveScreenshot(CaptureWindow(dlg), std::string("report_") + (bChinese ? "cn" : "en")));
        left[bChinese] = CaptureWindow(dlg);
        EXPECT_TRUE(ShowsTextIn(left[bChinese], rcName, list.GetTextColor(), 40, 1));
        // Scrolled to the right end: the effect and the outputs.
        wxScrollWinEvent right(wxEVT_SCROLLWIN_BOTTOM, 0, wxHORIZONTAL);
        dlg.ParameterList().ProcessWindowEvent(right);
        EXPECT_TRUE(SaveScreenshot(CaptureWindow(dlg), std::string("report_right_") + (bChinese ? "cn" : "en")));
        const wxImage shot = CaptureWindow(dlg);
        EXPECT_TRUE(ShowsTextIn(shot, place(list.GetCellRect(1, ParameterReport::kColumns - 1)), list.GetTextColor(),
                                40, 1));
        EXPECT_TRUE(DifferIn(left[bChinese], shot, rcHeader));
        dlg.Hide();
        dlg.Destroy();
    }
    EXPECT_TRUE(DifferIn(left[0], left[1], rcName));
}
