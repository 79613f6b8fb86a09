#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "grid/SpreadsheetExport.h"
#include "tests/support/XlsxReader.h"

namespace fs = std::filesystem;

namespace {
class SpreadsheetExport : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("tarvi-xlsx-" + std::to_string(getpid()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string PathOf(const std::string& strName) const { return (m_dir / strName).string(); }

    fs::path m_dir;
};

std::string ReadText(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
}  // namespace

TEST_F(SpreadsheetExport, TitlesThenOneTextRowPerListRow)
{
    const SpreadsheetTable table{
        {"Args", "CH1", "CH2", ""},
        {{"EQ1 Type", "PEQ", "It's 1, \"two\"", ""},
         {"均衡1增益", "0.0dB", "<&>", "  padded  "},
         {"Delay", "", "1.000ms", "12"}}};
    const std::string strPath = PathOf("report.xlsx");
    ASSERT_TRUE(WriteSpreadsheet(strPath, "Pelmo", table));

    const XlsxSheet sheet = ReadFirstXlsxSheet(strPath);
    ASSERT_TRUE(sheet.ok);
    EXPECT_EQ(sheet.name, "Pelmo");
    const std::map<std::string, std::string> expected = {
        {"A1", "Args"},     {"B1", "CH1"},   {"C1", "CH2"},
        {"A2", "EQ1 Type"}, {"B2", "PEQ"},   {"C2", "It's 1, \"two\""},
        {"A3", "均衡1增益"}, {"B3", "0.0dB"}, {"C3", "<&>"},   {"D3", "  padded  "},
        {"A4", "Delay"},    {"C4", "1.000ms"}, {"D4", "12"},  // a number-like text stays a text
    };
    EXPECT_EQ(sheet.cells, expected);

    // A title may repeat: the titles are only the first row's texts.
    ASSERT_TRUE(WriteSpreadsheet(strPath, "Pelmo", {{"CH1", "", "CH1"}, {{"a", "b", "c"}}}));
    const std::map<std::string, std::string> repeated = {
        {"A1", "CH1"}, {"C1", "CH1"}, {"A2", "a"}, {"B2", "b"}, {"C2", "c"}};
    EXPECT_EQ(ReadFirstXlsxSheet(strPath).cells, repeated);
}

TEST_F(SpreadsheetExport, ReplacesAnOldFileAndLeavesItWhenTheWorkbookCannotBeWritten)
{
    const std::string strPath = PathOf("old.xlsx");
    std::ofstream(strPath) << "old contents";
    ASSERT_TRUE(WriteSpreadsheet(strPath, "Pelmo", {{"Args"}, {{"new"}}}));
    EXPECT_EQ(ReadFirstXlsxSheet(strPath).cells.at("A2"), "new");

    std::ofstream(strPath, std::ios::trunc) << "old contents";
    EXPECT_FALSE(WriteSpreadsheet(strPath, "A table name longer than a sheet may have", {{"Args"}, {{"x"}}}));
    EXPECT_FALSE(WriteSpreadsheet(strPath, "Pelmo", {{"Args"}, {{"one", "too many"}}}));
    EXPECT_EQ(ReadText(strPath), "old contents");
    EXPECT_FALSE(WriteSpreadsheet(PathOf("missing-folder/new.xlsx"), "Pelmo", {{"Args"}, {}}));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1) << "a temporary file was left";
}

TEST(SpreadsheetExportName, IsTheLocalTimeWithTheWorkbookExtension)
{
    std::tm time{};
    time.tm_year = 2024 - 1900;
    time.tm_mon = 0;
    time.tm_mday = 2;
    time.tm_hour = 3;
    time.tm_min = 4;
    time.tm_sec = 5;
    EXPECT_EQ(ExportFileName(time), "20240102030405.xlsx");
    time.tm_mon = 11;
    time.tm_mday = 31;
    time.tm_hour = 23;
    time.tm_min = 59;
    time.tm_sec = 59;
    EXPECT_EQ(ExportFileName(time), "20241231235959.xlsx");
}
