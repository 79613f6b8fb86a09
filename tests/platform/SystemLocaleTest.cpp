#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/SystemLocale.h"

TEST(SystemLocale, OnlyTheLocaleOfMainlandChinaChoosesChinese)
{
    struct Case {
        const char* szName;
        int nLcid;
    };
    const Case cases[] = {
        {"zh_CN.UTF-8", LCID_CHINESE_SIMPLIFIED}, {"zh_CN.GB2312", LCID_CHINESE_SIMPLIFIED},
        {"zh_CN", LCID_CHINESE_SIMPLIFIED},       {"zh_CN@pinyin", LCID_CHINESE_SIMPLIFIED},
        {"zh_SG.UTF-8", LCID_ENGLISH_US},         {"zh_Hans", LCID_ENGLISH_US},
        {"zh_Hans_CN.UTF-8", LCID_ENGLISH_US},    {"zh_CNX", LCID_ENGLISH_US},
        {"zh_TW.UTF-8", LCID_ENGLISH_US},         {"zh_HK", LCID_ENGLISH_US},
        {"en_US.UTF-8", LCID_ENGLISH_US},         {"C", LCID_ENGLISH_US},
        {"", LCID_ENGLISH_US},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LocaleNameToLcid(c.szName), c.nLcid) << c.szName;
}

TEST(SystemLocale, LcAllWinsOverLcMessagesWhichWinsOverLang)
{
    struct Case {
        const char* szLcAll;
        const char* szLcMessages;
        const char* szLang;
        int nLcid;
    };
    const Case cases[] = {
        {"", "", "zh_CN.UTF-8", LCID_CHINESE_SIMPLIFIED},
        {"", "en_GB.UTF-8", "zh_CN.UTF-8", LCID_ENGLISH_US},
        {"zh_CN.UTF-8", "en_GB.UTF-8", "en_US.UTF-8", LCID_CHINESE_SIMPLIFIED},
        {"", "", "", LCID_ENGLISH_US},
    };
    for (const Case& c : cases) {
        setenv("LC_ALL", c.szLcAll, 1);
        setenv("LC_MESSAGES", c.szLcMessages, 1);
        setenv("LANG", c.szLang, 1);
        EXPECT_EQ(SystemDefaultLcid(), c.nLcid) << c.szLcAll << "|" << c.szLcMessages << "|" << c.szLang;
    }
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    unsetenv("LANG");
}
