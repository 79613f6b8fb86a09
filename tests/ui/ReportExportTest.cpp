#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/frame.h>

#include <filesystem>
#include <optional>
#include <regex>

#include "app/HalvekView.h"
#include "controls/FileDialogST.h"
#include "controls/ReportList.h"
#include "grid/ReportExport.h"
#include "model/StdAfx.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/XlsxReader.h"
#include "tests/ui/UiTestUtil.h"

namespace fs = std::filesystem;

namespace {
class ReportExport : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("tarvi-export-" + std::to_string(getpid()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        m_pFrame = new wxFrame(nullptr, wxID_ANY, "report");
        m_pList = new CReportList;
        ASSERT_TRUE(m_pList->Create(m_pFrame, 1367, wxRect(0, 0, 400, 260)));
        m_pList->InsertColumn(0, "Args", LVCFMT_CENTER, 110);
        m_pList->InsertColumn(1, "CH1", LVCFMT_CENTER, 90);
        m_pList->InsertColumn(2, "", LVCFMT_CENTER, 80);
        const char* kRows[][3] = {{"EQ1 Type", "PEQ", ""}, {"均衡1增益", "0.0dB", "it's"}, {"", "", ""}, {"Delay", "1.000ms", "x"}};
        for (const auto& row : kRows) {
            const int nItem = m_pList->InsertItem(m_pList->GetItemCount(), wxString::FromUTF8(row[0]));
            m_pList->SetItemText(nItem, 1, wxString::FromUTF8(row[1]));
            m_pList->SetItemText(nItem, 2, wxString::FromUTF8(row[2]));
        }
        g_szStartDir = m_dir.string();
    }
    void TearDown() override
    {
        CFileDialogST::SetTestAnswer({});
        g_bChinese = 0;
        g_szStartDir.clear();
        m_pFrame->Destroy();
        PumpPendingEvents();
        fs::remove_all(m_dir);
    }

    // Answers the Save As dialog with strPath (nothing: Cancel) and records what it offered.
    void Answer(std::optional<std::string> path)
    {
        CFileDialogST::SetTestAnswer([this, path](const CFileDialogST& dlg) {
            ++m_nDialogs;
            m_strProposed = dlg.GetPathName();
            m_strTitle = dlg.GetTitle();
            return path;
        });
    }

    fs::path m_dir;
    wxFrame* m_pFrame = nullptr;
    CReportList* m_pList = nullptr;
    int m_nDialogs = 0;
    std::string m_strProposed;
    std::string m_strTitle;
};
}  // namespace

TEST_F(ReportExport, WritesTheListToTheFullPathChosen)
{
    CMessageBoxRecorder boxes;
    fs::create_directories(m_dir / "elsewhere");
    const std::string strPath = (m_dir / "elsewhere" / "report.xlsx").string();
    Answer(strPath);
    ExportToSpreadsheet(*m_pList, "Pelmo", m_pFrame);

    EXPECT_EQ(m_nDialogs, 1);
    EXPECT_TRUE(boxes.shown.empty());
    const XlsxSheet sheet = ReadFirstXlsxSheet(strPath);
    ASSERT_TRUE(sheet.ok);
    EXPECT_EQ(sheet.name, "Pelmo");
    const std::map<std::string, std::string> expected = {
        {"A1", "Args"},     {"B1", "CH1"},                       // an empty title stays empty
        {"A2", "EQ1 Type"}, {"B2", "PEQ"},
        {"A3", "均衡1增益"}, {"B3", "0.0dB"}, {"C3", "it's"},
        {"A5", "Delay"},    {"B5", "1.000ms"}, {"C5", "x"},     // an empty row keeps its place
    };
    EXPECT_EQ(sheet.cells, expected);
}

TEST_F(ReportExport, ProposesATimeNamedWorkbookInTheExportFolder)
{
    for (const int bChinese : {0, 1}) {
        SCOPED_TRACE(bChinese);
        g_bChinese = bChinese;
        Answer(std::nullopt);
        std::string strPath;
        EXPECT_FALSE(AskExportFileName(strPath, m_pFrame));
        const fs::path proposed(m_strProposed);
        EXPECT_EQ(proposed.parent_path(), m_dir / "MusicFile");
        EXPECT_TRUE(std::regex_match(proposed.filename().string(), std::regex("20[0-9]{12}\\.xlsx"))) << m_strProposed;
        EXPECT_EQ(m_strTitle, bChinese ? "导出" : "Load");
    }
}

TEST_F(ReportExport, NoRowsOrACancelExportNothing)
{
    CMessageBoxRecorder boxes;
    Answer(std::nullopt);
    ExportToSpreadsheet(*m_pList, "Pelmo", m_pFrame);
    EXPECT_EQ(m_nDialogs, 1);

    m_pList->DeleteAllItems();
    m_nDialogs = 0;
    Answer((m_dir / "empty.xlsx").string());
    ExportToSpreadsheet(*m_pList, "Pelmo", m_pFrame);
    EXPECT_EQ(m_nDialogs, 0) << "a list without rows shows no dialog";
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 0);
}

TEST_F(ReportExport, AWorkbookThatCannotBeWrittenIsReportedInTheProgramsMessageDialog)
{
    for (const int bChinese : {0, 1}) {
        SCOPED_TRACE(bChinese);
        g_bChinese = bChinese;
        CMessageBoxRecorder boxes;
        const std::string strPath = (m_dir / "no-such-folder" / "report.xlsx").string();
        Answer(strPath);
        ExportToSpreadsheet(*m_pList, "Pelmo", m_pFrame);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].text,
                  std::string(bChinese ? "导出Excel文件错误!\n" : "Export Excel file error!\n") + strPath);
        EXPECT_EQ(boxes.shown[0].code, bChinese ? CAPTION_WARNING_CN : CAPTION_WARNING_EN);
        EXPECT_FALSE(fs::exists(strPath));
    }
}
