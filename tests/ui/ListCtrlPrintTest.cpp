#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/utils.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "controls/ReportList.h"
#include "grid/ListCtrlPrint.h"
#include "tests/ui/PdfPrint.h"
#include "tests/ui/UiTestUtil.h"

namespace {
constexpr double kPointsPerMm = 72.0 / 25.4;

wxString Repeated(const wxString& str, int nTimes)
{
    wxString out;
    for (int i = 0; i < nTimes; ++i)
        out += str;
    return out;
}

class ListCtrlPrint : public testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = new wxFrame(nullptr, wxID_ANY, "list", wxDefaultPosition, wxSize(420, 300));
        m_pList = new CReportList;
        ASSERT_TRUE(m_pList->Create(m_pFrame, 1367, wxRect(0, 0, 400, 260)));
        m_pList->InsertColumn(0, "Args", LVCFMT_LEFT, 110);
        m_pList->InsertColumn(1, "CH1", LVCFMT_CENTER, 90);
        m_pList->InsertColumn(2, "CH2", LVCFMT_RIGHT, 80);
    }
    void TearDown() override
    {
        CPrinterJob::SetRunner({});
        for (const std::string& strPath : m_paths)
            std::filesystem::remove(strPath);
        m_pFrame->Destroy();
        PumpPendingEvents();
    }

    void FillRows(int nRows)
    {
        m_pList->DeleteAllItems();
        for (int i = 0; i < nRows; ++i) {
            const int nItem = m_pList->InsertItem(i, wxString::Format("Row %d", i));
            m_pList->SetItemText(nItem, 1, wxString::Format("%d.0dB", i));
            m_pList->SetItemText(nItem, 2, "On");
        }
    }
    void SetUpReport(CListCtrlPrint& print)
    {
        print.m_pList = m_pList;
        print.m_strHeader = "This is the report of the file\r\nMultiline!\r\n";
        print.m_strFooter = "Just a huar for the footers\r\neventually multiline too ..";
        print.m_strPageFormat = "Page %d of %d";
    }
    // Runs the job with its printer answered by a PDF file; the file's path.
    std::string PrintJob(CPrinterJob& job, const std::string& strName, const PdfPaper& paper = {})
    {
        const std::string strPath = TempPdfPath(strName);
        m_paths.push_back(strPath);
        bool bPrinted = false;
        CPrinterJob::SetRunner([&](wxWindow*, wxPrintout& printout) {
            bPrinted = PrintToPdf(printout, strPath, paper);
            return bPrinted;
        });
        job.DoPrint(m_pFrame);
        EXPECT_TRUE(bPrinted);
        return strPath;
    }
    // Prints the list as the report does.
    std::string Print(const std::string& strName, const PdfPaper& paper = {})
    {
        CListCtrlPrint print;
        SetUpReport(print);
        return PrintJob(print, strName, paper);
    }
    // The rows page 1 holds, from a list long enough for two pages.
    int RowsPerPage()
    {
        FillRows(200);
        const std::string strPath = Print("rows-per-page");
        return static_cast<int>(PdfRowsOn(strPath, 1).size());
    }

    wxFrame* m_pFrame = nullptr;
    CReportList* m_pList = nullptr;
    std::vector<std::string> m_paths;
};
}  // namespace

TEST_F(ListCtrlPrint, EveryRowPrintsOnceWithHeadHeadingsAndFootOnEachPage)
{
    FillRows(130);
    const std::string strPath = Print("pages");
    const int nPages = PdfPageCount(strPath);
    ASSERT_GE(nPages, 2);
    std::multiset<int> printed;
    for (int nPage = 1; nPage <= nPages; ++nPage) {
        SCOPED_TRACE(nPage);
        const std::string strText = PdfPageText(strPath, nPage);
        EXPECT_NE(strText.find("This is the report of the file"), std::string::npos);
        EXPECT_NE(strText.find("Multiline!"), std::string::npos);
        EXPECT_NE(strText.find(wxString::Format("Page %d of %d", nPage, nPages).ToStdString()), std::string::npos);
        EXPECT_NE(strText.find("Args"), std::string::npos);
        EXPECT_NE(strText.find("CH2"), std::string::npos);
        EXPECT_NE(strText.find("Just a huar for the footers"), std::string::npos);
        EXPECT_NE(strText.find("eventually multiline too .."), std::string::npos);
        const std::multiset<int> rows = PdfRowsOn(strPath, nPage);
        EXPECT_FALSE(rows.empty()) << "a page without a row";
        printed.insert(rows.begin(), rows.end());
    }
    EXPECT_EQ(printed.size(), 130u);
    for (int i = 0; i < 130; ++i)
        EXPECT_EQ(printed.count(i), 1u) << "row " << i;
    EXPECT_NE(PdfPageText(strPath, 1).find("7.0dB"), std::string::npos);
}

TEST_F(ListCtrlPrint, RowsThatExactlyFillAPagePrintOnePage)
{
    const int nPerPage = RowsPerPage();
    ASSERT_GT(nPerPage, 10);
    struct Case {
        int nRows;
        int nPages;
    };
    for (const Case c : {Case{1, 1}, Case{nPerPage, 1}, Case{nPerPage + 1, 2}, Case{2 * nPerPage, 2}}) {
        SCOPED_TRACE(c.nRows);
        FillRows(c.nRows);
        const std::string strPath = Print("fill");
        EXPECT_EQ(PdfPageCount(strPath), c.nPages);
        EXPECT_NE(PdfPageText(strPath, c.nPages).find(wxString::Format("Page %d of %d", c.nPages, c.nPages).ToStdString()),
                  std::string::npos);
    }
}

TEST_F(ListCtrlPrint, TheLastPageRulesEmptyCellsDownToThePagesRowCount)
{
    const int nPerPage = RowsPerPage();
    FillRows(nPerPage + 1);
    const std::string strPath = Print("ruled");
    ASSERT_EQ(PdfPageCount(strPath), 2);
    EXPECT_EQ(PdfRowsOn(strPath, 2), std::multiset<int>{nPerPage});
    // The one row of the last page stands over empty ruled cells, ruled as the full first page.
    const std::vector<double> first = PdfPageRules(strPath, 1);
    const std::vector<double> last = PdfPageRules(strPath, 2);
    EXPECT_GE(first.size(), std::size_t(nPerPage));
    ASSERT_EQ(last.size(), first.size());
    for (std::size_t i = 0; i < first.size(); ++i)
        EXPECT_NEAR(last[i], first[i], 1.0) << "rule " << i;
}

TEST_F(ListCtrlPrint, AColumnTitleIsCutAt127Characters)
{
    auto* pList = new CReportList;
    ASSERT_TRUE(pList->Create(m_pFrame, 1368, wxRect(0, 0, 400, 260)));
    pList->InsertColumn(0, wxString('l', 127) + "END", LVCFMT_LEFT, 400);
    pList->InsertItem(0, "Row 0");
    CListCtrlPrint print;
    print.m_pList = pList;
    const std::string strText = PdfPageText(PrintJob(print, "title"), 1);
    EXPECT_NE(strText.find(std::string(127, 'l')), std::string::npos);
    EXPECT_EQ(strText.find("END"), std::string::npos);
}

TEST_F(ListCtrlPrint, ThePageIsThePrintersPaperAtItsResolution)
{
    FillRows(200);
    const PdfPaper kLetter300{215.9, 279.4, 300};
    const PdfPaper kLetter600{215.9, 279.4, 600};
    const std::string str300 = Print("letter300", kLetter300);
    const std::string str600 = Print("letter600", kLetter600);
    // Margins, fonts and rows are the same size on paper whatever the printer's resolution.
    const std::vector<PdfWord> words300 = PdfPageWords(str300, 1);
    const std::vector<PdfWord> words600 = PdfPageWords(str600, 1);
    ASSERT_GT(words300.size(), 40u);
    ASSERT_GT(words600.size(), 40u);
    EXPECT_EQ(words300.front().text, "This");
    EXPECT_NEAR(words300.front().xMin, 10 * kPointsPerMm, 2.0);
    EXPECT_NEAR(words300.front().yMin, 10 * kPointsPerMm, 3.0);
    EXPECT_NEAR(words300.front().yMax - words300.front().yMin, 12.0, 3.0);  // the 12-point head font
    for (std::size_t i = 0; i < 40; ++i) {
        EXPECT_EQ(words300[i].text, words600[i].text);
        EXPECT_NEAR(words300[i].xMin, words600[i].xMin, 1.0) << words300[i].text;
        EXPECT_NEAR(words300[i].yMin, words600[i].yMin, 1.0) << words300[i].text;
    }
    EXPECT_NEAR(double(PdfRowsOn(str300, 1).size()), double(PdfRowsOn(str600, 1).size()), 1.0);
    // The last row ends above the foot, which sits within the bottom margin's line.
    const auto foot = std::find_if(words300.begin(), words300.end(), [](const PdfWord& w) { return w.text == "Just"; });
    ASSERT_NE(foot, words300.end());
    EXPECT_LT(foot->yMax, 279.4 * kPointsPerMm - 10 * kPointsPerMm + 1.0);
    const std::multiset<int> rows = PdfRowsOn(str300, 1);
    ASSERT_FALSE(rows.empty());
    for (const PdfWord& w : words300) {
        if (w.text == std::to_string(*rows.rbegin()) + ".0dB") {
            EXPECT_LT(w.yMax, foot->yMin);
        }
    }
    // A4 holds more rows than Letter.
    const std::string strA4 = Print("a4");
    EXPECT_GT(PdfRowsOn(strA4, 1).size(), rows.size());
}

TEST_F(ListCtrlPrint, TheHeaderEndsWhereThePageNumberBegins)
{
    FillRows(3);
    CListCtrlPrint print;
    SetUpReport(print);
    print.m_strHeader = "header words run on and on " + Repeated("and on ", 30);
    print.m_strPageFormat = "Page number %d of %d printed here";
    const std::string strPath = PrintJob(print, "header");
    const std::vector<PdfWord> words = PdfPageWords(strPath, 1);
    const auto page = std::find_if(words.begin(), words.end(), [](const PdfWord& w) { return w.text == "Page"; });
    ASSERT_NE(page, words.end());
    const auto printed = std::find_if(words.begin(), words.end(), [](const PdfWord& w) { return w.text == "here"; });
    ASSERT_NE(printed, words.end());
    int nHeaderWords = 0;
    for (const PdfWord& w : words) {
        if (w.text != "on" && w.text != "and")
            continue;
        ++nHeaderWords;
        EXPECT_LE(w.xMax, page->xMin + 0.5);
    }
    EXPECT_GT(nHeaderWords, 30);
    EXPECT_NEAR(printed->xMax, (210.0 - 10.0) * kPointsPerMm, 2.0);
}

TEST_F(ListCtrlPrint, WithoutAPageFormatTheHeaderTakesTheWholeWidth)
{
    FillRows(3);
    CListCtrlPrint print;
    SetUpReport(print);
    print.m_strPageFormat.clear();
    print.m_strHeader = Repeated("wide ", 60);
    const std::string strPath = PrintJob(print, "noformat");
    const std::string strText = PdfPageText(strPath, 1);
    EXPECT_EQ(strText.find("Page"), std::string::npos);
    double fRight = 0;
    for (const PdfWord& w : PdfPageWords(strPath, 1))
        if (w.text == "wide")
            fRight = std::max(fRight, w.xMax);
    EXPECT_GT(fRight, (210.0 - 10.0 - 15.0) * kPointsPerMm);
}

TEST_F(ListCtrlPrint, AListWithoutRowsOrColumnsPrintsNothingAndShowsNoDialog)
{
    int nRuns = 0;
    CPrinterJob::SetRunner([&](wxWindow*, wxPrintout&) {
        ++nRuns;
        return true;
    });
    CListCtrlPrint print;
    print.m_pList = m_pList;
    print.DoPrint(m_pFrame);
    CListCtrlPrint noList;
    noList.DoPrint(m_pFrame);
    EXPECT_EQ(nRuns, 0);

    auto* pNoColumns = new CReportList;
    ASSERT_TRUE(pNoColumns->Create(m_pFrame, 1368, wxRect(0, 0, 100, 100)));
    pNoColumns->InsertItem(0, "Row 0");
    CListCtrlPrint columnless;
    columnless.m_pList = pNoColumns;
    columnless.DoPrint(m_pFrame);
    EXPECT_EQ(nRuns, 0);
}

TEST_F(ListCtrlPrint, PrintingKeepsTheOwnerOfAModalDialogDisabled)
{
    FillRows(5);
    auto* pDialog = new wxDialog(m_pFrame, wxID_ANY, "report");
    m_pFrame->Show();
    pDialog->Show();
    const std::string strPath = TempPdfPath("modal");
    m_paths.push_back(strPath);
    bool bPrinted = false;
    CPrinterJob::SetRunner([&](wxWindow* pParent, wxPrintout& printout) {
        EXPECT_EQ(pParent, pDialog);
        bPrinted = PrintToPdf(printout, strPath);
        return bPrinted;
    });
    {
        // What a modal loop does to the other windows while the dialog is open.
        wxWindowDisabler disabler(pDialog);
        CListCtrlPrint print;
        SetUpReport(print);
        print.DoPrint(pDialog);
        EXPECT_FALSE(m_pFrame->IsEnabled());
        EXPECT_TRUE(pDialog->IsEnabled());
    }
    EXPECT_TRUE(bPrinted);
    EXPECT_EQ(PdfPageCount(strPath), 1);
    pDialog->Destroy();
}
