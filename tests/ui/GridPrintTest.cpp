// The grid's printout rendered into PDF files on the printer's paper and read back: its pages,
// the rows on each, the header and the footer.
#include <gtest/gtest.h>
#include <wx/frame.h>

#include <filesystem>
#include <set>

#include "grid/GridCtrl.h"
#include "res/Fonts.h"
#include "tests/ui/PdfPrint.h"
#include "tests/ui/UiTestUtil.h"

namespace {
class GridPrintTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = new wxFrame(nullptr, wxID_ANY, "Machine presets", wxPoint(20, 20), wxSize(420, 300));
        m_pGrid = new CGridCtrl(1, 3, 1, 1);
        ASSERT_TRUE(m_pGrid->Create(wxRect(0, 0, 400, 260), m_pFrame, 2724));
        m_pGrid->SetFont(MakeFont("Arial", 16, 400));
        m_pGrid->SetItemText(0, 0, "No.");
        m_pGrid->SetItemText(0, 1, "Name");
        m_pGrid->SetItemText(0, 2, "Level");
        m_pGrid->SetColumnWidth(0, 80);
        m_pGrid->SetColumnWidth(1, 262);
        m_pGrid->SetColumnWidth(2, 100);
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
        m_pGrid->SetRowCount(nRows + 1);
        for (int r = 1; r <= nRows; ++r) {
            m_pGrid->SetRowHeight(r, 20);
            m_pGrid->SetItemText(r, 0, "Row " + std::to_string(r));
            m_pGrid->SetItemText(r, 1, r % 2 ? "Rock" : "流行音乐");
            m_pGrid->SetItemText(r, 2, std::to_string(r) + ".0dB");
        }
    }
    // Prints the grid through its Print with the printer answered by a PDF file; the file's
    // path, or "" when no job ran.
    std::string Print(const std::string& strName, const PdfPaper& paper = {})
    {
        const std::string strPath = TempPdfPath(strName);
        m_paths.push_back(strPath);
        bool bRan = false;
        CPrinterJob::SetRunner([&](wxWindow*, wxPrintout& printout) {
            bRan = true;
            return PrintToPdf(printout, strPath, paper);
        });
        m_pGrid->Print();
        return bRan ? strPath : std::string();
    }

    wxFrame* m_pFrame = nullptr;
    CGridCtrl* m_pGrid = nullptr;
    std::vector<std::string> m_paths;
};
}  // namespace

TEST_F(GridPrintTest, EveryRowPrintsOnceBelowTheHeaderAndHeadingsOfEachPage)
{
    FillRows(90);
    m_pGrid->SetSelectedRange(1, 1, 3, 2);
    m_pGrid->SetFocusCell(2, 1);
    const std::string strPath = Print("grid-pages");
    ASSERT_FALSE(strPath.empty());
    const int nPages = PdfPageCount(strPath);
    ASSERT_GE(nPages, 2);
    std::multiset<int> printed;
    for (int nPage = 1; nPage <= nPages; ++nPage) {
        SCOPED_TRACE(nPage);
        const std::string strText = PdfPageText(strPath, nPage);
        EXPECT_NE(strText.find("Machine presets"), std::string::npos) << "the owner's title";
        EXPECT_NE(strText.find("Tarvi"), std::string::npos) << "the program's title";
        EXPECT_NE(strText.find("No."), std::string::npos);
        EXPECT_NE(strText.find("Level"), std::string::npos);
        EXPECT_NE(strText.find("Page " + std::to_string(nPage) + " of " + std::to_string(nPages)), std::string::npos);
        const std::multiset<int> rows = PdfRowsOn(strPath, nPage);
        EXPECT_FALSE(rows.empty()) << "a page without a row";
        printed.insert(rows.begin(), rows.end());
    }
    EXPECT_EQ(printed.size(), 90u);
    for (int r = 1; r <= 90; ++r)
        EXPECT_EQ(printed.count(r), 1u) << "row " << r;
    EXPECT_NE(PdfPageText(strPath, 1).find("流行音乐"), std::string::npos);
}

TEST_F(GridPrintTest, RowsThatExactlyFillAPagePrintOnePage)
{
    FillRows(200);
    const int nPerPage = int(PdfRowsOn(Print("grid-full"), 1).size());
    ASSERT_GT(nPerPage, 10);
    struct Case {
        int nRows;
        int nPages;
    };
    for (const Case& c : {Case{1, 1}, Case{nPerPage, 1}, Case{nPerPage + 1, 2}, Case{2 * nPerPage, 2},
                          Case{2 * nPerPage + 1, 3}}) {
        SCOPED_TRACE(c.nRows);
        FillRows(c.nRows);
        const std::string strPath = Print("grid-rows-" + std::to_string(c.nRows));
        ASSERT_EQ(PdfPageCount(strPath), c.nPages);
        EXPECT_EQ(PdfRowsOn(strPath, c.nPages).size(), std::size_t(c.nRows - (c.nPages - 1) * nPerPage));
        EXPECT_NE(PdfPageText(strPath, c.nPages).find("Page " + std::to_string(c.nPages) + " of " +
                                                       std::to_string(c.nPages)),
                  std::string::npos);
    }
}

TEST_F(GridPrintTest, ARowTallerThanThePageHasAPageOfItsOwn)
{
    FillRows(3);
    m_pGrid->SetRowHeight(2, 5000);
    const std::string strPath = Print("grid-tall-row");
    ASSERT_EQ(PdfPageCount(strPath), 3);
    EXPECT_EQ(PdfRowsOn(strPath, 1), std::multiset<int>{1});
    EXPECT_EQ(PdfRowsOn(strPath, 2), std::multiset<int>{2});
    EXPECT_EQ(PdfRowsOn(strPath, 3), std::multiset<int>{3});
}

TEST_F(GridPrintTest, AGridOfHeadingsAlonePrintsNothing)
{
    EXPECT_TRUE(Print("grid-headings").empty());
}

TEST_F(GridPrintTest, TheOwnersTitleEndsBeforeTheProgramsTitle)
{
    FillRows(2);
    // Centred, it would run on over the program's title at the right end; it is even too long
    // for the room left of it.
    m_pFrame->SetLabel("Stored presets of the processor in the car, with a title that is far too long to fit "
                       "the header of the page that prints the grid of the stored presets");
    const std::string strPath = Print("grid-header");
    double fTitleLeft = 0, fHeadingLeft = 0, fOwnerLeft = 1e9, fOwnerRight = 0, fOwnerBottom = 0;
    for (const PdfWord& word : PdfPageWords(strPath, 1)) {
        if (word.text == "Tarvi")
            fTitleLeft = word.xMin;
        if (word.text == "No.")
            fHeadingLeft = word.xMin;
        if (word.text == "Stored")
            fOwnerBottom = word.yMax;
    }
    for (const PdfWord& word : PdfPageWords(strPath, 1))
        if (word.text != "Tarvi" && std::abs(word.yMax - fOwnerBottom) < 1) {
            fOwnerLeft = std::min(fOwnerLeft, word.xMin);
            fOwnerRight = std::max(fOwnerRight, word.xMax);
        }
    ASSERT_GT(fTitleLeft, 0);
    ASSERT_GT(fOwnerBottom, 0);
    EXPECT_LT(fOwnerRight, fTitleLeft);
    EXPECT_LT(fOwnerLeft, fHeadingLeft) << "moved to the left edge";
}

TEST_F(GridPrintTest, ThePageFollowsThePrintersPaper)
{
    FillRows(60);
    const PdfPaper portrait{210, 297, 300}, landscape{297, 210, 600};
    const std::string strPortrait = Print("grid-portrait", portrait);
    const std::string strLandscape = Print("grid-landscape", landscape);
    EXPECT_GT(PdfPageCount(strLandscape), PdfPageCount(strPortrait)) << "a wide page holds fewer rows";
    // The page is the grid scaled to the paper's width: the title ends at the same share of it.
    auto titleShare = [](const std::string& strPath, double fWidthMm) {
        for (const PdfWord& word : PdfPageWords(strPath, 1))
            if (word.text == "Tarvi")
                return word.xMax / (fWidthMm * 72.0 / 25.4);
        return 0.0;
    };
    const double fPortrait = titleShare(strPortrait, portrait.fWidthMm);
    EXPECT_GT(fPortrait, 0.8);
    EXPECT_NEAR(titleShare(strLandscape, landscape.fWidthMm), fPortrait, 0.01);
}
