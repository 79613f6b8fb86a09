#pragma once
// The system's default language, which chooses the program's language at start-up.
#include <string_view>

constexpr int LCID_CHINESE_SIMPLIFIED = 0x0804;
constexpr int LCID_ENGLISH_US = 0x0409;

// The language id of a POSIX locale name ("zh_CN.UTF-8", "en_US", "C" ...): simplified Chinese
// for the locale of mainland China (zh_CN with any code set or modifier), else English, as for
// every other Chinese locale (zh_SG, zh_TW, zh_HK).
int LocaleNameToLcid(std::string_view name);

// The language id of the process's environment: the first set of LC_ALL, LC_MESSAGES and LANG.
int SystemDefaultLcid();
