#pragma once
// The version rule: which processors this program works with. The processor's version string is
// compared with the program's tag: characters 0-5 name the product line, 6 and 7 the
// generation; the rest is not compared.
#include <string>

inline constexpr char g_szVersionTag[] = "ZIRE-RI1.00";

enum class VersionVerdict {
    Accepted,         // characters 0-7 equal the tag's
    OtherGeneration,  // the product line matches, character 6 or 7 does not: the range is shown
    OtherProduct,     // another product line: refused without a message
};

// szVersion holds at least 8 characters (the 12-character g_szDeviceVersion).
VersionVerdict CheckVersion(const char* szVersion);

// The text that tells which versions work together, from the device's character 7 (a digit, or
// taken as 0); empty when only character 6 differs.
std::string VersionRangeText(const char* szVersion, bool bChinese);
