#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/NumEditModel.h"
#include "model/StdAfx.h"
#include "tests/support/ScopedFlag.h"

namespace {

// A field as a page sets it up: range, scale and offset, then the type.
struct Field {
    int nType;
    int nMin;
    int nMax;
    double dScale = 0.0;
    double dOffset = 0.0;
    const char* szUnit = "";
};

CNumEditModel Make(const Field& f, int nValue)
{
    CNumEditModel m;
    m.SetRange(f.nMin, f.nMax);
    m.SetScale(f.dScale);
    m.SetOffset(f.dOffset);
    m.SetType(f.nType, f.szUnit);
    m.SetValue(nValue);
    return m;
}

using LanguageGuard = ScopedFlag<std::atomic<int>>;

// The fields of the pages.
const Field kDelayMs{0, 0, 259};
const Field kDelayCm{1, 0, 259, 0, 0, "cm"};
const Field kDelayInch{2, 0, 259, 0, 0, "inch"};
const Field kFreq{8, 20, 20000};
const Field kAttack{5, 0, 206};
const Field kRelease{6, 50, 5000, 0, 0, "ms"};
const Field kGain{10, 80, 320, 0.1, 20};
const Field kQ{11, 0, 295};
const Field kSeconds{14, 0, 3000, 0, 0, "s"};
const Field kLevel{23, 0, 600, 0.1, 60};
const Field kLevelDbu{23, 0, 120, 1, 120, "dBu"};
const Field kMaster{25, 0, 66, 1, 60};
const Field kThreshold{26, 0, 120, 1, 120};
const Field kLimiter{30, 0, 420, 0.1, 30};
const Field kVoltage{32, 0, 420, 0.1, 30};
const Field kRatio{40, 1, 191};

struct TextCase {
    const char* szName;
    Field field;
    int nValue;
    const char* szText;
    bool bChinese = false;
};

TEST(NumEditTypes, ShowsEachTypeInItsFormat)
{
    const TextCase cases[] = {
        {"delay ms", kDelayMs, 48, "1.000"},
        {"delay ms maximum is the longest delay", kDelayMs, 259, "5.396"},
        {"delay ms below the maximum", kDelayMs, 258, "5.375"},
        {"delay ms with unit", {0, 0, 259, 0, 0, "ms"}, 48, "1.000MS"},
        {"delay ms with unit, Chinese", {0, 0, 259, 0, 0, "ms"}, 48, "1.000毫秒", true},
        {"delay cm maximum", kDelayCm, 259, "187CM"},
        {"delay cm one step", kDelayCm, 1, "1CM"},
        {"delay cm Chinese", kDelayCm, 259, "187厘米", true},
        {"delay cm without unit", {1, 0, 259}, 259, "187"},
        {"delay inch maximum at the faster speed", kDelayInch, 259, "74INCH"},
        {"delay inch below the maximum", kDelayInch, 258, "73INCH"},
        {"delay inch Chinese", kDelayInch, 259, "74英寸", true},
        {"centred", {3, 0, 100, 0.5}, 60, "5.0"},
        {"frequency", {4, 20, 20000}, 1000, "1000"},
        {"attack lowest", kAttack, 0, "0.3ms"},
        {"attack last tenth", kAttack, 6, "0.9ms"},
        {"attack whole ms", kAttack, 7, "1ms"},
        {"attack longest", kAttack, 206, "200ms"},
        {"release", kRelease, 50, "50ms"},
        {"bandwidth", {7, 0, 295, 0.01}, 10, "0.15"},
        {"frequency Hz", kFreq, 1000, "1000Hz"},
        {"frequency top shows 20 kHz", {9, 20, 19000}, 19000, "20000Hz"},
        {"frequency below top", {9, 20, 19000}, 18999, "18999Hz"},
        {"gain lowest", kGain, 80, "-12.0"},
        {"gain highest", kGain, 320, "12.0"},
        {"gain", kGain, 234, "3.4"},
        {"Q widest", kQ, 295, "0.404"},
        {"Q 1.2 octaves", kQ, 115, "1.168"},
        {"Q above 10 with two decimals", kQ, 0, "28.85"},
        {"temperature", {12, 0, 200}, 75, "25C(77F)"},
        {"percent", {13, 0, 100, 1, 0, "x"}, 50, "50%x"},
        {"hundredths", kSeconds, 29, "0.29s"},
        {"count", {15, 0, 10, 0, 0, "u"}, 5, "5u"},
        {"long time zero", {16, 0, 20000}, 0, "0.0000"},
        {"long time short steps", {16, 0, 20000}, 1, "0.0104"},
        {"long time 100 ms", {16, 0, 20000}, 9616, "100.000"},
        {"long time long steps", {16, 0, 20000}, 9617, "100.021"},
        {"distance cm", {17, 0, 1000}, 100, "72.744"},
        {"distance feet", {18, 0, 1000}, 100, "2.387"},
        {"delay ms, second kind", {19, 0, 259}, 259, "5.396"},
        {"integer", {20, 0, 100, 1, 0, "%"}, 42, "42%"},
        {"tenths", {21, 0, 100, 0, 0, "x"}, 15, "1.5x"},
        {"doubled", {22, 0, 10, 0, 0, "u"}, 4, "8u"},
        {"level off", kLevel, 0, "OFF"},
        {"level off Chinese", kLevel, 0, "关闭", true},
        {"level", kLevel, 3, "-59.7dB"},
        {"level top", kLevel, 600, "0.0dB"},
        {"level in dBu", kLevelDbu, 120, "0dBu"},
        {"dBu", {24, 0, 420, 0.1, 30}, 0, "-30.0dBu"},
        {"master off", kMaster, 0, "OFF"},
        {"master", kMaster, 1, "-59dB"},
        {"master top", kMaster, 66, "6dB"},
        {"threshold", kThreshold, 120, "0dBu"},
        {"threshold with unit", {26, 0, 120, 1, 120, "x"}, 120, "0dB"},
        {"integer dB", {27, 0, 100, 1, 0, "x"}, 5, "5dBx"},
        {"low frequency bottom", {28, 10, 900}, 10, "20Hz"},
        {"low frequency top", {28, 10, 900}, 900, "1000Hz"},
        {"low frequency", {28, 10, 900}, 500, "500Hz"},
        {"high frequency bottom", {29, 4000, 20000}, 4000, "5000Hz"},
        {"limiter lowest", kLimiter, 0, "-30.0dBu"},
        {"limiter off", kLimiter, 420, "OFF"},
        {"balance right", {31, 0, 200}, 0, "R_100%"},
        {"balance centre is OFF in both languages", {31, 0, 200}, 100, "OFF", true},
        {"balance left", {31, 0, 200}, 150, "L_50%"},
        {"voltage lowest", kVoltage, 0, "0.070Vpp"},
        {"voltage off", kVoltage, 420, "OFF"},
        {"ratio 1:1", kRatio, 1, "1:1"},
        {"ratio", kRatio, 2, "1.1:1"},
        {"ratio below 2", kRatio, 10, "1.9:1"},
        {"ratio 2", kRatio, 11, "2.0:1"},
        {"ratio 2.5", kRatio, 16, "2.5:1"},
        {"ratio top", kRatio, 191, "20.0:1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        LanguageGuard lang(g_bChinese, c.bChinese);
        EXPECT_EQ(Make(c.field, c.nValue).GetText(), c.szText);
    }
}

TEST(NumEditTypes, TypesWithoutTextKeepThePresentText)
{
    CNumEditModel m = Make(kGain, 200);
    m.SetType(33, "");
    m.SetValue(100);
    EXPECT_EQ(m.GetText(), "0.0");
    EXPECT_EQ(FormatNumEditValue({31, 0, 200, 0, 0, 75, ""}, 201).text, "");  // a balance above the range
}

TEST(NumEditTypes, LimitingTypesPullTheValueIntoTheRange)
{
    NumEditFormat fmt{26, 0, 120, 1, 120, 75, ""};
    EXPECT_EQ(FormatNumEditValue(fmt, 500).nValue, 120);
    fmt.nType = 32;
    fmt.nMax = 420;
    fmt.dScale = 0.1;
    fmt.dOffset = 30;
    EXPECT_EQ(FormatNumEditValue(fmt, -5).nValue, 0);
}

struct EntryCase {
    const char* szName;
    Field field;
    int nStart;
    const char* szEntry;
    int nExpected;
};

// Commit step: the value stored, the text rebuilt from it and the parent told.
void ExpectCommitGives(const EntryCase& c)
{
    SCOPED_TRACE(c.szName);
    CNumEditModel m = Make(c.field, c.nStart);
    m.SetTypedText(c.szEntry);
    EXPECT_TRUE(m.Commit());
    EXPECT_EQ(m.GetText(), Make(c.field, c.nExpected).GetText());
    m.SetEdited(false);  // the value as the commit stored it, not read again from the text
    EXPECT_EQ(m.GetValue(), c.nExpected);
}

// The entry gives the expected value by both rules.
void ExpectBothReadingsGive(const EntryCase& c)
{
    ExpectCommitGives(c);
    SCOPED_TRACE(c.szName);
    CNumEditModel s = Make(c.field, c.nStart);
    s.SetTypedText(c.szEntry);
    EXPECT_EQ(s.GetValue(), c.nExpected);
}

TEST(NumEditTypes, CommitReadsTheEntryByTheType)
{
    const EntryCase cases[] = {
        {"delay above the longest gives the maximum", kDelayMs, 0, "6", 259},
        {"delay of the longest gives the maximum", kDelayMs, 0, "5.396", 259},
        {"negative delay gives the minimum", kDelayMs, 100, "-1", 0},
        {"delay truncates", kDelayMs, 0, "1.02", 48},
        {"inches of the longest delay", kDelayInch, 0, "74", 259},
        {"centimetres beyond the longest delay", kDelayCm, 0, "200", 259},
        {"attack tenths", kAttack, 0, "0.5", 2},
        {"attack between 0.9 and 1 keeps the value", kAttack, 100, "0.95", 100},
        {"attack above the longest", kAttack, 0, "250", 206},
        {"attack below the shortest", kAttack, 100, "0.1", 0},
        {"attack whole ms truncates", kAttack, 0, "2.6", 8},
        {"release is limited", kRelease, 100, "20", 50},
        {"gain below the range", kGain, 200, "-20", 80},
        {"gain above the range", kGain, 200, "15", 320},
        {"gain truncates", kGain, 200, "3.46", 234},
        {"negative gain truncates", kGain, 200, "-3.45", 165},
        {"gain with an exponent", kGain, 200, "1e1", 300},
        {"level OFF", kLevelDbu, 60, "OFF", 0},
        {"level 关闭", kLevelDbu, 60, "关闭", 0},
        {"dBu OFF reads as 20", {24, 0, 420, 0.1, 30}, 0, "OFF", 420},
        {"master OFF", kMaster, 30, "OFF", 0},
        {"limiter OFF", kLimiter, 0, "OFF", 420},
        {"voltage OFF", kVoltage, 0, "OFF", 420},
        {"voltage of 2.2 V is 0 dBu", kVoltage, 0, "2.2", 300},
        {"voltage of 0 V is the lowest level", kVoltage, 200, "0", 0},
        {"negative voltage is the lowest level", kVoltage, 200, "-1", 0},
        {"frequency is limited", kFreq, 1000, "25000Hz", 20000},
        {"frequency reads the leading integer", kFreq, 1000, " 440.9Hz", 440},
        {"Q below the table", kQ, 100, "0.1", 295},
        {"Q above the table", kQ, 100, "40", 0},
        {"Q of an entry", kQ, 0, "1.168", 115},
        {"Q between entries", kQ, 0, "1.175", 115},
        {"hundredths are limited", kSeconds, 0, "99", 3000},
        {"bandwidth", {7, 0, 295, 0.01}, 0, "0.15", 10},
        {"centred", {3, 0, 100, 0.5}, 0, "5", 60},
        {"centred limited", {3, 0, 100, 0.5}, 0, "-99", 0},
        {"long time short steps", {16, 0, 20000}, 0, "0.0104", 1},
        {"long time long steps", {16, 0, 20000}, 0, "100.021", 9617},
        {"long time above 8400 ms", {16, 0, 500000}, 0, "9000", 500000},
        {"distance cm", {17, 0, 1000}, 0, "72.744", 100},
        {"distance feet", {18, 0, 1000}, 0, "2.387", 100},
        {"delay ms, second kind, above 60", {19, 0, 259}, 0, "70", 259},
        {"doubled", {22, 0, 10, 0, 0, "u"}, 0, "8u", 4},
        {"low frequency", {28, 10, 900}, 10, "500Hz", 500},
    };
    for (const auto& c : cases)
        ExpectCommitGives(c);
}

TEST(NumEditTypes, SilentReadingStoresOnlyTheValue)
{
    const EntryCase cases[] = {
        {"delay rounds", kDelayMs, 0, "1.02", 49},
        {"delay above 5 ms is ignored", kDelayMs, 7, "5.2", 7},
        {"negative delay is ignored", kDelayMs, 7, "-1", 7},
        {"centimetres beyond the longest delay are ignored", kDelayCm, 7, "200", 7},
        {"centimetres", kDelayCm, 0, "100", 139},
        {"inches", kDelayInch, 0, "73", 257},
        {"attack tenths", kAttack, 0, "0.5", 2},
        {"attack above the longest is ignored", kAttack, 7, "250", 7},
        {"release is limited", kRelease, 100, "20", 50},
        {"gain is limited", kGain, 200, "15", 320},
        {"level OFF", kLevelDbu, 60, "OFF", 0},
        {"frequency outside the range is ignored", kFreq, 1000, "25000", 1000},
        {"frequency", kFreq, 1000, "440", 440},
        {"Q outside the table is ignored", kQ, 100, "40", 100},
        {"Q", kQ, 0, "1.168", 115},
        {"hundredths outside the range are ignored", kSeconds, 7, "99", 7},
        {"bandwidth", {7, 0, 295, 0.01}, 0, "0.15", 10},
        {"long time above 8400 ms is ignored", {16, 0, 500000}, 7, "9000", 7},
        {"delay ms, second kind, longest", {19, 0, 259}, 0, "5.396", 259},
        {"delay ms, second kind, above 60 is ignored", {19, 0, 259}, 7, "70", 7},
        {"doubled", {22, 0, 10, 0, 0, "u"}, 0, "8u", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        CNumEditModel m = Make(c.field, c.nStart);
        const std::string typed = c.szEntry;
        m.SetTypedText(typed);
        EXPECT_EQ(m.GetValue(), c.nExpected);
        EXPECT_FALSE(m.IsEdited());
        EXPECT_EQ(m.GetText(), typed);
    }
}

// Typing exactly the text a field shows gives back what it shows, by either reading rule. Some
// types show neighbouring values alike (whole centimetres, three-decimal volts): there the text
// must come back.
TEST(NumEditTypes, EveryShownTextReadsBackToWhatItShows)
{
    const Field fields[] = {kDelayMs, {0, 0, 259, 0, 0, "ms"}, kDelayCm, kDelayInch, {4, 20, 20000},
                            kFreq, kAttack, kRelease, kGain, kQ, kSeconds, {20, 0, 100, 1, 0, "%"},
                            kLevel, kLevelDbu, {24, 0, 420, 0.1, 30}, kMaster, kThreshold,
                            kLimiter, kVoltage, {3, 0, 100, 0.5}, {7, 0, 295, 0.01}, {9, 20, 20000},
                            {13, 0, 100, 1}, {15, 0, 10}, {17, 0, 2000}, {18, 0, 2000},
                            {19, 0, 259}, {21, 0, 100}, {22, 0, 10}, {27, 0, 100, 1},
                            {28, 10, 900}, {29, 4000, 20000}};
    for (const bool bChinese : {false, true}) {
        LanguageGuard lang(g_bChinese, bChinese);
        for (const auto& f : fields) {
            for (int v = f.nMin; v <= f.nMax; ++v) {
                const std::string shown = Make(f, v).GetText();
                const int start = v == f.nMin ? f.nMax : f.nMin;
                CNumEditModel committed = Make(f, start);
                committed.SetTypedText(shown);
                committed.Commit();
                CNumEditModel silent = Make(f, start);
                silent.SetTypedText(shown);
                silent.GetValue();
                silent.UpdateText();
                if (committed.GetText() != shown)
                    ADD_FAILURE() << "type " << f.nType << " value " << v << " shows " << shown
                                  << ", commit reads " << committed.GetValue();
                const bool bSilentIgnores = silent.GetValue() == start && v != start;
                if (silent.GetText() != shown && !bSilentIgnores)
                    ADD_FAILURE() << "type " << f.nType << " value " << v << " shows " << shown
                                  << ", silent reading gives " << silent.GetValue();
            }
        }
    }
}

// The texts that fell to the step below before the reading had its tolerance.
TEST(NumEditTypes, ShownTextsThatOnceFellToTheStepBelow)
{
    const EntryCase cases[] = {
        {"level -59.7 dB", kLevel, 0, "-59.7dB", 3},
        {"time 0.29 s", kSeconds, 0, "0.29s", 29},
        {"attack 0.6 ms", kAttack, 0, "0.6ms", 3},
        {"delay 0.104 ms", kDelayMs, 0, "0.104", 5},
        {"Q 28.85, the narrowest band", kQ, 100, "28.85", 0},
        {"Q 14.42", kQ, 100, "14.42", 5},
    };
    for (const auto& c : cases)
        ExpectBothReadingsGive(c);
}

// An entry without a number used to read as 0: on a threshold field that is 0 dBu, the loudest.
TEST(NumEditTypes, AnEntryWithoutANumberKeepsTheValue)
{
    const EntryCase cases[] = {
        {"letters on a threshold", kThreshold, 30, "abc", 30},
        {"lower-case off on a level", kLevel, 300, "off", 300},
        {"OFF where it is no value", kGain, 150, "OFF", 150},
        {"empty frequency", kFreq, 1000, "", 1000},
        {"a sign alone", kGain, 150, "-", 150},
        {"a point alone", kDelayMs, 30, ".", 30},
        {"infinity is no number", kGain, 150, "inf", 150},
    };
    for (const auto& c : cases)
        ExpectBothReadingsGive(c);  // the field shows its value again and tells the parent
}

TEST(NumEditTypes, OffIsNoEntryForTheFrequencyTypes)
{
    for (const int nType : {4, 8, 9}) {
        SCOPED_TRACE(nType);
        CNumEditModel m = Make({nType, 20, 20000}, 1000);
        m.SetTypedText("OFF");
        EXPECT_FALSE(m.Commit());
        EXPECT_EQ(m.GetText(), "OFF");
        EXPECT_EQ(m.GetValue(), 1000);
    }
}

TEST(NumEditTypes, FrequencyTypesTakeTheTextAtEveryFocusLoss)
{
    CNumEditModel m = Make(kFreq, 1000);
    EXPECT_FALSE(m.Commit());  // not edited: the number of the shown text, nothing told
    EXPECT_EQ(m.GetValue(), 1000);
    m.SetTypedText("500");
    m.SetEdited(false);
    EXPECT_FALSE(m.Commit());
    EXPECT_EQ(m.GetValue(), 500);
    EXPECT_EQ(m.GetText(), "500");
}

TEST(NumEditTypes, TypesWithoutReadingKeepTheTypedText)
{
    for (const Field& f : {kRatio, Field{12, 0, 200}, Field{31, 0, 200}}) {
        SCOPED_TRACE(f.nType);
        CNumEditModel m = Make(f, 1);
        m.SetTypedText("7");
        EXPECT_FALSE(m.Commit());
        EXPECT_EQ(m.GetText(), "7");
        EXPECT_EQ(m.GetValue(), 1);
    }
}

TEST(NumEditTypes, EditedFlagSurvivesTheCommitUntilTheValueIsRead)
{
    CNumEditModel m = Make(kGain, 200);
    EXPECT_FALSE(m.Commit());
    m.SetTypedText("3");
    EXPECT_TRUE(m.Commit());
    EXPECT_TRUE(m.Commit()) << "a second focus loss tells the parent again";
    EXPECT_EQ(m.GetValue(), 230);
    EXPECT_FALSE(m.Commit());
}

TEST(NumEditTypes, GetValueWithoutEditingIgnoresTheText)
{
    CNumEditModel m = Make(kGain, 200);
    m.SetTypedText("5");
    m.SetEdited(false);
    EXPECT_EQ(m.GetValue(), 200);
}

TEST(NumEditTypes, ValueAndRangeRules)
{
    CNumEditModel m = Make(kGain, 200);
    EXPECT_FALSE(m.SetValue(321));
    EXPECT_FALSE(m.SetValue(79));
    EXPECT_EQ(m.GetValue(), 200);
    EXPECT_EQ(m.GetText(), "0.0");
    m.SetRange(100, 300);
    EXPECT_EQ(m.GetValue(), 100);
    EXPECT_EQ(m.GetText(), "0.0") << "the range does not rebuild the text";
    m.AddDelta(-5);
    EXPECT_EQ(m.GetValue(), 100);
    m.AddDelta(250);
    EXPECT_EQ(m.GetValue(), 300);
    EXPECT_EQ(m.GetText(), "10.0");
}

TEST(NumEditTypes, TemperatureChangesTheSpeedOfSound)
{
    CNumEditModel m = Make(kDelayCm, 259);
    m.SetTemperature(50);  // 0 degrees: 331 m/s
    EXPECT_EQ(m.GetText(), "179CM");
}

TEST(NumEditTypes, CommittedValueCommitsOnlyTheDelayTypes)
{
    CNumEditModel delay = Make(kDelayMs, 0);
    delay.SetTypedText("1");
    bool bNotify = false;
    EXPECT_EQ(delay.GetCommittedValue(bNotify), 48);
    EXPECT_TRUE(bNotify);
    CNumEditModel gain = Make(kGain, 200);
    gain.SetTypedText("1");
    EXPECT_EQ(gain.GetCommittedValue(bNotify), 200);
    EXPECT_FALSE(bNotify);
}

TEST(NumEditTypes, RefreshLanguageSwapsOnlyTheOffText)
{
    LanguageGuard lang(g_bChinese, 0);
    CNumEditModel balance = Make({31, 0, 200}, 100);
    CNumEditModel level = Make(kLevel, 0);
    CNumEditModel gain = Make(kGain, 200);
    CNumEditModel delay = Make({0, 0, 259, 0, 0, "ms"}, 48);
    g_bChinese = 1;
    EXPECT_EQ(balance.GetText(), "OFF");
    for (auto* m : {&balance, &level, &gain, &delay})
        m->RefreshLanguage();
    EXPECT_EQ(balance.GetText(), "关闭");
    EXPECT_EQ(level.GetText(), "关闭");
    EXPECT_EQ(gain.GetText(), "0.0");
    EXPECT_EQ(delay.GetText(), "1.000毫秒");
    g_bChinese = 0;
    level.RefreshLanguage();
    EXPECT_EQ(level.GetText(), "OFF");
}

}  // namespace
