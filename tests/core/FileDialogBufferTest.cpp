#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/FileDialogBuffer.h"

TEST(FileDialogBuffer, PathSplitsIntoDirectoryNameAndExtension)
{
    const FileNameParts parts = SplitFileName("/home/me/presets/live.set.TarviC1");
    EXPECT_EQ(parts.strDrive, "");
    EXPECT_EQ(parts.strDir, "/home/me/presets/");
    EXPECT_EQ(parts.strName, "live.set");
    EXPECT_EQ(parts.strExt, ".TarviC1");
    const FileNameParts bare = SplitFileName("notes");
    EXPECT_EQ(bare.strDir, "");
    EXPECT_EQ(bare.strName, "notes");
    EXPECT_EQ(bare.strExt, "");
}

TEST(FileDialogBuffer, MultipleSelectionIteratesFolderAndNames)
{
    for (const bool bExplorer : {true, false}) {
        SCOPED_TRACE(bExplorer);
        const std::string strBuffer = MakeFileNameBuffer({"/data/a.bin", "/data/b.bin", "/data/c.bin"}, bExplorer);
        std::size_t nPos = 0;
        std::vector<std::string> paths;
        while (nPos != kNoPosition)
            paths.push_back(NextPathName(strBuffer, nPos, true, bExplorer));
        EXPECT_EQ(paths, (std::vector<std::string>{"/data/a.bin", "/data/b.bin", "/data/c.bin"}));
    }
    // A folder that ends with a slash takes no second one; one chosen file is the whole path.
    std::size_t nPos = 0;
    EXPECT_EQ(NextPathName(std::string("/\0a.bin", 7), nPos, true, true), "/a.bin");
    EXPECT_EQ(nPos, kNoPosition);
    nPos = 0;
    EXPECT_EQ(NextPathName("/data/a.bin", nPos, true, true), "/data/a.bin");
    EXPECT_EQ(nPos, kNoPosition);
    nPos = 0;
    EXPECT_EQ(NextPathName("/data/a b.bin", nPos, false, false), "/data/a b.bin");
    EXPECT_EQ(nPos, kNoPosition);
}

TEST(FileDialogBuffer, FilterPairsBecomeAWildcard)
{
    EXPECT_EQ(FilterToWildcard("Presets (*.TarviC1)\0*.TarviC1\0All files\0*.*\0\0"),
              "Presets (*.TarviC1)|*.TarviC1|All files|*.*");
    EXPECT_EQ(FilterToWildcard(nullptr), "");
    EXPECT_EQ(FilterToWildcard("\0"), "");
}
