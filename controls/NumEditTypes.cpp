#include "controls/NumEditTypes.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>

#include "model/Conversions.h"
#include "model/NumberText.h"
#include "model/ParamTable.h"
#include "model/StdAfx.h"

namespace {

constexpr double kMaxDelayMs = 5.396;      // the longest delay, 259 steps, as the fields show it
constexpr double kFeetPerMetre = 3.2808;
constexpr double kInchesPerMetre = 39.3696;  // 3.2808 x 12
constexpr double kLongStepMs = 0.021;      // the step of the long time types 16 to 18
constexpr double kShortStepMs = 0.0104;    // type 16 below 100 ms
constexpr int kShortSteps = 9616;          // type 16: the step that shows 100 ms
constexpr double kLongestTimeMs = 8400.0;  // entry limit of the long time types

// Entries are truncated to device steps after this tolerance (in steps), so that a shown text,
// rounded to its last decimal, reads back to the step it shows: the delay in milliseconds is
// shown to 0.0005 ms, which is 0.024 of a step. It stays far below one step, so an entry
// between two steps still falls to the lower one.
constexpr double kStepTolerance = 0.03;

const char* const kOffEnglish = "OFF";
const char* const kOffChinese = "关闭";

// Speeds of sound in m/s at the field's temperature; the types say which one they use.
double SpeedA(const NumEditFormat& f) { return 331.0 + 0.6 * (f.nTemp - 50); }
double SpeedB(const NumEditFormat& f) { return 331.4 + 0.6 * (f.nTemp - 50); }

int SaturatingInt(double t)
{
    if (std::isnan(t))
        return 0;
    if (t >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (t <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(t);
}

std::optional<int> TruncSteps(double q)
{
    if (!std::isfinite(q))
        return std::nullopt;
    return SaturatingInt(q >= 0 ? std::floor(q + kStepTolerance) : std::ceil(q - kStepTolerance));
}

std::optional<int> RoundSteps(double q)
{
    if (!std::isfinite(q))
        return std::nullopt;
    return SaturatingInt(std::trunc(q + 0.5));
}

// Replaces an entry below a by a and above b by b (in this order, as the field always did).
double Limit(double x, double a, double b) { return x < a ? a : (x > b ? b : x); }
bool Within(double x, double a, double b) { return x >= a && x <= b; }

std::string Int(long long n) { return std::to_string(n); }

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Skips the leading blanks and the sign of a number; returns where its digits start.
std::size_t SkipBlanksAndSign(std::string_view s, bool& bNegative)
{
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    bNegative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        bNegative = s[i++] == '-';
    return i;
}

// The number at the start of the text, read as the C library's atof reads a decimal number
// (blanks, sign, digits, point, exponent); none when the text starts with no number.
std::optional<double> LeadingNumber(std::string_view s)
{
    bool bNegative = false;
    std::size_t i = SkipBlanksAndSign(s, bNegative);
    const std::size_t start = i;
    std::size_t nDigits = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i)
        ++nDigits;
    if (i < s.size() && s[i] == '.')
        for (++i; i < s.size() && IsDigit(s[i]); ++i)
            ++nDigits;
    if (nDigits == 0)
        return std::nullopt;
    bool bNegativeExponent = false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        const bool bSign = j < s.size() && (s[j] == '+' || s[j] == '-');
        if (bSign)
            ++j;
        if (j < s.size() && IsDigit(s[j])) {
            bNegativeExponent = bSign && s[i + 1] == '-';
            for (i = j; i < s.size() && IsDigit(s[i]);)
                ++i;
        }
    }
    double d = 0.0;
    const auto r = std::from_chars(s.data() + start, s.data() + i, d, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range)
        d = bNegativeExponent ? 0.0 : HUGE_VAL;
    return bNegative ? -d : d;
}

// The integer at the start of the text, read as atoi reads it, saturated to the int range.
std::optional<int> LeadingInteger(std::string_view s)
{
    bool bNegative = false;
    std::size_t i = SkipBlanksAndSign(s, bNegative);
    if (i >= s.size() || !IsDigit(s[i]))
        return std::nullopt;
    long long n = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i)
        n = std::min(n * 10 + (s[i] - '0'), static_cast<long long>(INT_MAX) + 1);
    n = bNegative ? -n : n;
    return static_cast<int>(std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, n)));
}

// Delay of value v in milliseconds: the maximum stands for the longest delay.
double DelayMs(const NumEditFormat& f, int v) { return v == f.nMax ? kMaxDelayMs : v * g_dDelayStepMs; }

// The silent reading of a delay in milliseconds: the longest delay is the maximum.
std::optional<int> SilentDelaySteps(const NumEditFormat& f, double ms)
{
    return ms >= kMaxDelayMs ? f.nMax : RoundSteps(ms / g_dDelayStepMs);
}

std::string QText(double q) { return q > 10 ? FormatFixed(q, 2) : FormatFixed(q, 3); }

// The Q table as the fields show it (two decimals above Q 10), so that a shown Q reads back to
// the band it shows.
const std::array<double, Q_TABLE_SIZE>& ShownQTable()
{
    static const std::array<double, Q_TABLE_SIZE> shown = [] {
        std::array<double, Q_TABLE_SIZE> t{};
        for (std::size_t i = 0; i < t.size(); ++i)
            t[i] = LeadingNumber(QText(g_dQTable[i])).value_or(g_dQTable[i]);
        return t;
    }();
    return shown;
}

int ShownQToIndex(double q)
{
    const auto& shown = ShownQTable();
    for (int i = 0; i < Q_TABLE_SIZE - 1; ++i)
        if (q >= shown[i])
            return i;
    return Q_TABLE_SIZE - 1;
}

// Type 16 counts 0.0104 ms per step up to 100 ms and 0.021 ms per step above; its entries are
// read by the same two scales, so the text and the reading agree.
double LongTimeSteps(double ms)
{
    return ms < 100.0 ? ms / kShortStepMs : kShortSteps + (ms - 100.0) / kLongStepMs;
}

// The number x of the entry and the value it gives, by the commit (bCommit) or the silent rule.
std::optional<int> ReadEntry(const NumEditFormat& f, std::string_view text, bool bCommit)
{
    const int t = f.nType;
    const double s = f.dScale;
    const double o = f.dOffset;

    if (t == 4 || t == 8 || t == 9 || t == 28 || t == 29 || t == 6) {
        const auto n = LeadingInteger(text);
        if (!n)
            return std::nullopt;
        if (bCommit || t == 6)
            return static_cast<int>(Limit(*n, f.nMin, f.nMax));
        return Within(*n, f.nMin, f.nMax) ? n : std::nullopt;
    }

    std::optional<double> entry;
    if (t == 10 || t == 23 || t == 24 || t == 25 || t == 26 || t == 30 || t == 32) {
        // Only the types with an off value read "OFF"; for the others it holds no number.
        constexpr struct { int nType; double dOffEntry; } kOffEntries[] = {
            {23, -120.0}, {24, 20.0}, {25, -60.0}, {30, 12.0}, {32, 12.0}};
        for (const auto& e : kOffEntries)
            if (e.nType == t && IsOffText(text))
                entry = e.dOffEntry;
        if (!entry) {
            entry = LeadingNumber(text);
            if (entry && t == 32)  // a voltage: no positive voltage reads as the lowest level
                entry = *entry > 0 ? 20.0 * std::log10(*entry / 2.2) : -HUGE_VAL;
        }
        if (!entry)
            return std::nullopt;
        const double x = Limit(*entry, f.nMin * s - o, f.nMax * s - o);
        // Three decimals of a volt are coarser than a step at low levels (0.070 V is
        // -29.95 dBu): a voltage goes to the nearest step, so that it reads back to its text.
        if (t == 32)
            return RoundSteps((x + o) * 10 / (s * 10));
        return TruncSteps((x + o) * 10 / (s * 10));
    }

    entry = LeadingNumber(text);
    if (!entry)
        return std::nullopt;
    const double x = *entry;
    const double a = SpeedA(f);
    const double b = SpeedB(f);

    switch (t) {
    case 0:
    case 19:
        if (bCommit)
            return x < 0 ? f.nMin : (x >= kMaxDelayMs ? f.nMax : TruncSteps(x / g_dDelayStepMs));
        if (t == 0)
            return Within(x, 0, 5.0) ? RoundSteps(x / g_dDelayStepMs) : std::nullopt;
        // Type 19 is shown as type 0, so the longest delay is the maximum; entries up to 60 ms
        // are taken.
        return Within(x, 0, 60.0) ? SilentDelaySteps(f, x) : std::nullopt;
    case 1: {
        const double m = x / 100;
        const double mMax = a / 1000 * kMaxDelayMs;
        if (bCommit)
            return RoundSteps((1000 * Limit(m, 0, mMax) / a) / g_dDelayStepMs);
        return Within(m, 0, mMax) ? SilentDelaySteps(f, 1000 * m / a) : std::nullopt;
    }
    case 2: {
        const double xMax = b / 1000 * kMaxDelayMs * kInchesPerMetre;
        if (bCommit)
            return RoundSteps((1000 * (Limit(x, 0, xMax) / kInchesPerMetre) / b) / g_dDelayStepMs);
        return Within(x, 0, xMax) ? SilentDelaySteps(f, 1000 * (x / kInchesPerMetre) / b) : std::nullopt;
    }
    case 16:
        if (bCommit)
            return x < 0 ? f.nMin : (x > kLongestTimeMs ? f.nMax : RoundSteps(LongTimeSteps(x)));
        return Within(x, 0, kLongestTimeMs) ? RoundSteps(LongTimeSteps(x)) : std::nullopt;
    case 17: {
        const double m = x / 100;
        const double mMax = b / 1000 * kLongestTimeMs;
        if (!bCommit && !Within(m, 0, mMax))
            return std::nullopt;
        return RoundSteps((1000 * Limit(m, 0, mMax) / b) / kLongStepMs);
    }
    case 18: {
        const double xMax = b / 1000 * kLongestTimeMs * kFeetPerMetre;
        if (!bCommit && !Within(x, 0, xMax))
            return std::nullopt;
        return RoundSteps((1000 * (Limit(x, 0, xMax) / kFeetPerMetre) / b) / kLongStepMs);
    }
    case 3: {
        const double lo = (f.nMin - f.nMax / 2) * s;
        const double hi = (f.nMax / 2) * s;
        if (!bCommit && !Within(x, lo, hi))
            return std::nullopt;
        return TruncSteps(f.nMax / 2 + Limit(x, lo, hi) / s);
    }
    case 5: {
        double e = x;
        if (bCommit) {
            e = e < 0.3 ? 0.3 : e;
            e = f.nMax < e + 6 ? f.nMax - 6 : e;
        }
        if (Within(e, 0.3, 0.9))
            return TruncSteps((e - 0.3) / 0.1);
        if (e >= 1 && e <= (bCommit ? f.nMax : f.nMax - 6)) {
            const auto n = TruncSteps(e);
            return n ? std::optional<int>(*n + 6) : std::nullopt;
        }
        return std::nullopt;  // between 0.9 and 1 ms: no step
    }
    case 7:
        if (bCommit)
            return TruncSteps((Limit(x, 0.05, 3.0) - 0.05 + 0.0000011) * (10 / s) / 10);
        return Within(x, 0.05, 3.0) ? TruncSteps((x - 0.05) * (10 / s) / 10) : std::nullopt;
    case 11: {
        const double qMin = g_dQTable[Q_TABLE_SIZE - 1];
        const double qMax = g_dQTable[0];
        if (!bCommit && !Within(x, qMin, qMax))
            return std::nullopt;
        return ShownQToIndex(Limit(x, qMin, qMax));
    }
    case 13:
    case 20:
    case 27: {
        if (!bCommit && !Within(x, f.nMin * s, f.nMax * s))
            return std::nullopt;
        return TruncSteps(Limit(x, f.nMin * s, f.nMax * s) / s);
    }
    case 14:
    case 21: {
        const double per = t == 14 ? 100.0 : 10.0;  // steps per shown unit
        if (!bCommit && !Within(x, f.nMin / per, f.nMax / per))
            return std::nullopt;
        return TruncSteps(Limit(x, f.nMin / per, f.nMax / per) * per);
    }
    case 15:
    case 22: {
        const double e = t == 22 ? x / 2 : x;
        if (!bCommit && !Within(e, f.nMin, f.nMax))
            return std::nullopt;
        return TruncSteps(Limit(e, f.nMin, f.nMax));
    }
    default:
        return std::nullopt;
    }
}

std::optional<int> LimitedToRange(const NumEditFormat& f, std::optional<int> v)
{
    if (v)
        v = static_cast<int>(Limit(*v, f.nMin, f.nMax));
    return v;
}

}  // namespace

const char* OffText() { return g_bChinese ? kOffChinese : kOffEnglish; }

bool IsOffText(std::string_view text) { return text == kOffEnglish || text == kOffChinese; }

NumEditText FormatNumEditValue(const NumEditFormat& f, int v)
{
    const bool bUnit = !f.strUnit.empty();
    const bool bCn = g_bChinese != 0;
    if (f.nType == 26 || f.nType == 32)
        v = static_cast<int>(Limit(v, f.nMin, f.nMax));
    const double d = v * f.dScale - f.dOffset;
    std::string s;
    switch (f.nType) {
    case 0:
    case 19:
        s = FormatFixed(DelayMs(f, v), 3) + (bUnit ? (bCn ? "毫秒" : "MS") : "");
        break;
    case 1:
        s = FormatFixed(SpeedA(f) / 1000 * DelayMs(f, v) * 100, 0) + (bUnit ? (bCn ? "厘米" : "CM") : "");
        break;
    case 2: {
        const double speed = v == f.nMax ? SpeedB(f) : SpeedA(f);
        s = FormatFixed(speed / 1000 * DelayMs(f, v) * kInchesPerMetre, 0) + (bUnit ? (bCn ? "英寸" : "INCH") : "");
        break;
    }
    case 3:
        s = FormatFixed((v - f.nMax / 2) * f.dScale, 1);
        break;
    case 4:
        s = Int(v);
        break;
    case 5:
        s = v <= 6 ? FormatFixed((v + 3) * 0.1, 1) + "ms" : Int(static_cast<long long>(v) - 6) + "ms";
        break;
    case 6:
        s = Int(v) + f.strUnit;
        break;
    case 7:
        s = FormatFixed(v * f.dScale + 0.05, 2);
        break;
    case 8:
        s = Int(v) + "Hz";
        break;
    case 9:
        s = v == f.nMax ? "20000Hz" : Int(v) + "Hz";
        break;
    case 10:
        s = FormatFixed(d, 1);
        break;
    case 11:  // the value indexes the Q table; an index from elsewhere is kept inside it
        s = QText(g_dQTable[std::clamp(v, 0, Q_TABLE_SIZE - 1)]);
        break;
    case 12: {
        const int c = v - 50;
        s = Int(c) + "C(" + Int(SaturatingInt(c * 1.8 + 32 + 0.5)) + "F)";
        break;
    }
    case 13:
        s = Int(SaturatingInt(v * f.dScale)) + "%" + f.strUnit;
        break;
    case 14:
        s = FormatFixed(v * 0.01, 2) + f.strUnit;
        break;
    case 15:
        s = Int(std::min(v, f.nMax)) + f.strUnit;
        break;
    case 16:
        if (v == 0)
            s = FormatFixed(0, 4);
        else if (v < kShortSteps)
            s = FormatFixed(v * kShortStepMs, 4);
        else
            s = FormatFixed(100 + (v - kShortSteps) * kLongStepMs, 3);
        break;
    case 17:
        s = FormatFixed(v * kLongStepMs * SpeedB(f) / 1000 * 100, 3);
        break;
    case 18:
        s = FormatFixed(v * kLongStepMs * SpeedB(f) / 1000 * kFeetPerMetre, 3);
        break;
    case 20:
        s = Int(SaturatingInt(v * f.dScale)) + f.strUnit;
        break;
    case 21:
        s = FormatFixed(v * 0.1, 1) + f.strUnit;
        break;
    case 22:
        s = Int(2LL * std::min(v, f.nMax)) + f.strUnit;
        break;
    case 23:
        s = v == 0 ? OffText() : (f.strUnit == "dBu" ? FormatFixed(d, 0) + "dBu" : FormatFixed(d, 1) + "dB");
        break;
    case 24:
        s = FormatFixed(d, 1) + "dBu";
        break;
    case 25:
        s = v == f.nMin ? OffText() : FormatFixed(d, 0) + "dB";
        break;
    case 26:
        s = FormatFixed(d, 0) + (bUnit ? "dB" : "dBu");
        break;
    case 27:
        s = Int(SaturatingInt(v * f.dScale)) + "dB" + f.strUnit;
        break;
    case 28:
        s = v == f.nMin ? "20Hz" : (v == f.nMax ? "1000Hz" : Int(v) + "Hz");
        break;
    case 29:
        s = v == f.nMin ? "5000Hz" : (v == f.nMax ? "20000Hz" : Int(v) + "Hz");
        break;
    case 30:
        s = v == f.nMax ? OffText() : FormatFixed(d, 1) + "dBu";
        break;
    case 31:  // a balance: right below 100, off at 100 (in both languages), left above
        if (v <= 99)
            s = "R_" + Int(100LL - v) + "%";
        else if (v == 100)
            s = kOffEnglish;
        else if (v <= f.nMax)
            s = "L_" + Int(v - 100LL) + "%";
        break;
    case 32:
        s = v == f.nMax ? OffText() : FormatFixed(2.2 * std::pow(10.0, d / 20), 3) + "Vpp";
        break;
    case 40:
        s = v == 1 ? "1:1" : Int((v + 9LL) / 10) + "." + Int((v + 9LL) % 10) + ":1";
        break;
    default:
        return {std::nullopt, v};
    }
    return {std::move(s), v};
}

NumEditCommit CommitKindOf(int nType)
{
    switch (nType) {
    case 4:
    case 8:
    case 9:
    case 28:
    case 29:
        return NumEditCommit::Always;
    case 12:
    case 31:
    case 40:
        return NumEditCommit::None;
    default:
        return nType >= 0 && nType <= 32 ? NumEditCommit::WhenEdited : NumEditCommit::None;
    }
}

bool CommitIgnores(const NumEditFormat& f, std::string_view text)
{
    return (f.nType == 4 || f.nType == 8 || f.nType == 9) && text == kOffEnglish;
}

std::optional<int> CommitNumEditEntry(const NumEditFormat& f, std::string_view text)
{
    return LimitedToRange(f, ReadEntry(f, text, true));
}

std::optional<int> ReadNumEditEntry(const NumEditFormat& f, std::string_view text)
{
    return LimitedToRange(f, ReadEntry(f, text, false));
}

NumEditFormat ParamFormat(const ParamRow& row)
{
    NumEditFormat fmt;
    fmt.nType = row.nType;
    fmt.nMin = row.nMin;
    fmt.nMax = row.nMax;
    fmt.dScale = row.dScale;
    fmt.dOffset = row.dOffset;
    fmt.strUnit = row.szUnit;
    return fmt;
}
