// The grid's comma-separated files: the line format, reading files written here and elsewhere,
// and the grid saved and rebuilt through real files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "grid/GridCsv.h"
#include "model/StdAfx.h"
#include "tests/core/RecordingGridHost.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/ScopedFlag.h"

namespace fs = std::filesystem;

namespace {
using Lines = std::vector<std::vector<std::string>>;

class GridCsvFiles : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("tarvi-csv-" + std::to_string(getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string PathOf(const std::string& strName) const { return (m_dir / strName).string(); }
    std::string Write(const std::string& strName, const std::string& bytes) const
    {
        std::ofstream(PathOf(strName), std::ios::binary) << bytes;
        return PathOf(strName);
    }
    std::string Read(const std::string& strName) const
    {
        std::ostringstream bytes;
        bytes << std::ifstream(PathOf(strName), std::ios::binary).rdbuf();
        return bytes.str();
    }
    static Lines TextsOf(const CGridCore& grid)
    {
        Lines texts(std::size_t(grid.GetRowCount()));
        for (int r = 0; r < grid.GetRowCount(); ++r)
            for (int c = 0; c < grid.GetColumnCount(); ++c)
                texts[std::size_t(r)].push_back(grid.GetItemText(r, c));
        return texts;
    }
    static void Fill(CGridCore& grid, const Lines& texts)
    {
        grid.SetRowCount(int(texts.size()));
        grid.SetColumnCount(int(texts.front().size()));
        for (int r = 0; r < int(texts.size()); ++r)
            for (int c = 0; c < int(texts.front().size()); ++c)
                grid.SetItemText(r, c, texts[std::size_t(r)][std::size_t(c)]);
    }

    fs::path m_dir;
    CMessageBoxRecorder m_boxes;
    ScopedFlag<std::atomic<int>> m_english{g_bChinese, 0};
};
}  // namespace

TEST(GridCsv, FieldsAreQuotedOnlyWhenTheyHoldACommaAQuoteOrALineBreak)
{
    struct Case {
        const char* szName;
        std::vector<std::string> fields;
        std::string expected;
    };
    const Case cases[] = {
        {"plain texts", {"No.", "Name", "前左高音"}, "No.,Name,前左高音\r\n"},
        {"empty texts", {"", "a", ""}, ",a,\r\n"},
        {"a comma", {"1,5 dB", "x"}, "\"1,5 dB\",x\r\n"},
        {"quotes are doubled", {"say \"hi\""}, "\"say \"\"hi\"\"\"\r\n"},
        {"line breaks", {"a\nb", "c\r\nd", "e\rf"}, "\"a\nb\",\"c\r\nd\",\"e\rf\"\r\n"},
        {"spaces alone need no quotes", {" padded "}, " padded \r\n"},
        {"a leading byte order mark", {"\xEF\xBB\xBFx", "y\xEF\xBB\xBF"}, "\"\xEF\xBB\xBFx\",y\xEF\xBB\xBF\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(GridCsv::FormatLine(c.fields), c.expected);
    }
}

TEST(GridCsv, ReadsLinesWrittenHereAndElsewhere)
{
    const std::string strLong(1500, 'x');
    struct Case {
        const char* szName;
        std::string bytes;
        Lines expected;
        GridCsv::Problem problem;
    };
    const Case cases[] = {
        {"lines ended by CR LF", "a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}, GridCsv::Problem::None},
        {"lines ended by LF", "a,b\nc,d\n", {{"a", "b"}, {"c", "d"}}, GridCsv::Problem::None},
        {"a last line without its line end", "a,b\r\nc,d", {{"a", "b"}, {"c", "d"}}, GridCsv::Problem::None},
        {"a comma at the end gives an empty field", "a,\r\nb,", {{"a", ""}, {"b", ""}}, GridCsv::Problem::None},
        {"an empty line is one empty field", "a\r\n\r\nb\r\n", {{"a"}, {""}, {"b"}}, GridCsv::Problem::None},
        {"a line far over 1024 characters stays whole", strLong + ",y\r\nz\r\n", {{strLong, "y"}, {"z"}},
         GridCsv::Problem::None},
        {"quoted commas, quotes and line breaks", "\"1,5\",\"say \"\"hi\"\"\",\"a\r\nb\"\r\nc\r\n",
         {{"1,5", "say \"hi\"", "a\r\nb"}, {"c"}}, GridCsv::Problem::None},
        {"a quoted empty field", "\"\",a", {{"", "a"}}, GridCsv::Problem::None},
        {"a quote inside a text is a character", "ab\"c,d", {{"ab\"c", "d"}}, GridCsv::Problem::None},
        {"a quote closed before more text was no quoting", "\"a\" b,c", {{"\"a\" b", "c"}}, GridCsv::Problem::None},
        {"a byte order mark is not text", "\xEF\xBB\xBFNo.,Name\r\n", {{"No.", "Name"}}, GridCsv::Problem::None},
        {"no bytes", "", {}, GridCsv::Problem::None},
        {"cut inside a quoted text", "a,b\r\nc,\"d\r\ne", {{"a", "b"}, {"c", "\"d\r\ne"}},
         GridCsv::Problem::OpenQuote},
        {"a zero byte", std::string("a,b\0c", 5), {}, GridCsv::Problem::NotText},
        {"bytes that are not UTF-8", "\xC7\xB0\xD7\xF3,b", {}, GridCsv::Problem::NotText},
        {"a character cut at the end", "a,\xE5\x89", {}, GridCsv::Problem::NotText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        const GridCsv::Table table = GridCsv::Parse(c.bytes);
        EXPECT_EQ(table.lines, c.expected);
        EXPECT_EQ(table.problem, c.problem);
    }
}

TEST_F(GridCsvFiles, AGridSavesAsPlainLinesAndLoadsBackWithoutFixedCells)
{
    GridFixture saved(3, 3, 1, 1);
    Fill(saved.grid, {{"No.", "Name", "Level"}, {"1", "Rock", "0.0dB"}, {"2", "流行音乐", ""}});
    ASSERT_TRUE(saved.grid.SaveCsvFile(PathOf("grid.csv")));
    EXPECT_EQ(Read("grid.csv"), "No.,Name,Level\r\n1,Rock,0.0dB\r\n2,流行音乐,\r\n");

    GridFixture loaded(1, 1, 0, 0);
    ASSERT_TRUE(loaded.grid.LoadCsvFile(PathOf("grid.csv")));
    EXPECT_EQ(TextsOf(loaded.grid), TextsOf(saved.grid));
    EXPECT_EQ(loaded.grid.GetFixedRowCount(), 0);
    EXPECT_EQ(loaded.grid.GetFixedColumnCount(), 0);
    EXPECT_EQ(loaded.grid.GetItemFormat(2, 1), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EXPECT_EQ(loaded.grid.GetColumnWidth(1), loaded.grid.GetCellTextExtent(2, 1).cx) << "sized to its widest text";
    EXPECT_TRUE(m_boxes.shown.empty());
}

TEST_F(GridCsvFiles, EveryTextSurvivesASaveAndALoad)
{
    GridFixture saved(3, 3, 1, 0);
    const Lines texts{{"\xEF\xBB\xBF" "a,b", "\"quoted\"", "two\r\nlines"},
                      {"前左高音, 低音", std::string(1500, 'w') + ",end", "line\nfeed"},
                      {"", "trailing,", "\""}};
    Fill(saved.grid, texts);
    ASSERT_TRUE(saved.grid.SaveCsvFile(PathOf("texts.csv")));
    GridFixture loaded(0, 0, 0, 0);
    ASSERT_TRUE(loaded.grid.LoadCsvFile(PathOf("texts.csv")));
    EXPECT_EQ(TextsOf(loaded.grid), texts);
    EXPECT_TRUE(m_boxes.shown.empty());
}

TEST_F(GridCsvFiles, AFileThatCannotBeTakenLeavesTheGridAsItWas)
{
    GridFixture f(2, 2, 1, 1);
    Fill(f.grid, {{"h1", "h2"}, {"a", "b"}});
    const Lines before = TextsOf(f.grid);
    struct Case {
        const char* szName;
        std::string strPath;
        const char* szMessage;
    };
    const Case cases[] = {
        {"missing", PathOf("missing.csv"), "The file could not be read:"},
        {"a folder", m_dir.string(), "The file could not be read:"},
        {"GBK bytes", Write("gbk.csv", "No.,\xC3\xFB\xB3\xC6\r\n1,a\r\n"), "The file is not UTF-8 text"},
        {"binary", Write("binary.csv", std::string("PK\x03\x04\0\0", 6)), "The file is not UTF-8 text"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        m_boxes.shown.clear();
        EXPECT_FALSE(f.grid.LoadCsvFile(c.strPath));
        EXPECT_EQ(TextsOf(f.grid), before);
        ASSERT_EQ(m_boxes.shown.size(), 1u);
        EXPECT_EQ(m_boxes.shown[0].text.rfind(c.szMessage, 0), 0u) << m_boxes.shown[0].text;
        EXPECT_NE(m_boxes.shown[0].text.find(c.strPath), std::string::npos);
        EXPECT_EQ(m_boxes.shown[0].code, CAPTION_WARNING_EN);
    }
}

TEST_F(GridCsvFiles, ACutShortOrForeignFileLosesNothingAndSaysSo)
{
    GridFixture f(0, 0, 0, 0);
    {
        ScopedFlag chinese(g_bChinese, 1);
        ASSERT_TRUE(f.grid.LoadCsvFile(Write("cut.csv", "No.,Name\r\n1,\"Rock\r\nand")));
    }
    EXPECT_EQ(TextsOf(f.grid), (Lines{{"No.", "Name"}, {"1", "\"Rock\r\nand"}}));
    ASSERT_EQ(m_boxes.shown.size(), 1u);
    EXPECT_EQ(m_boxes.shown[0].text.rfind("文件在引号中的文字里结束", 0), 0u);
    EXPECT_EQ(m_boxes.shown[0].code, CAPTION_WARNING_CN);

    m_boxes.shown.clear();
    ASSERT_TRUE(f.grid.LoadCsvFile(Write("ragged.csv", "a,b\nc\nd,e,f,g\n")));
    EXPECT_EQ(TextsOf(f.grid), (Lines{{"a", "b", "", ""}, {"c", "", "", ""}, {"d", "e", "f", "g"}}));
    ASSERT_EQ(m_boxes.shown.size(), 1u);
    EXPECT_EQ(m_boxes.shown[0].text.rfind("Some lines of the file hold more fields than its first line", 0), 0u);
}

TEST_F(GridCsvFiles, AFailedSaveSaysSoAndLeavesNoFile)
{
    GridFixture f(2, 2, 1, 1);
    const std::string strPath = PathOf("no-such-folder/grid.csv");
    EXPECT_FALSE(f.grid.SaveCsvFile(strPath));
    EXPECT_FALSE(fs::exists(strPath));
    ASSERT_EQ(m_boxes.shown.size(), 1u);
    EXPECT_EQ(m_boxes.shown[0].text.rfind("The file could not be saved:\n" + strPath + "\n", 0), 0u);
}
