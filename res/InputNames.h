#pragma once
// The names of the music inputs and of the mixer sources in both languages, numbered as the
// processor numbers them: 0 S/PDIF, 1 Hi.Level, 2 Phone, 3 AUX1, 4 AUX2, 5 AUX3; source 6 is off.
#include <array>
#include <cstddef>

#include "model/DataDefine.h"
#include "model/InputSourceTable.h"

struct LangName {
    const char* szEnglish;
    const char* szChinese;
};

inline constexpr std::array<LangName, MUSIC_CHANNELS> kInputNames = {{
    {"S/PDIF", "数字"},
    {"Hi.Level", "高电平"},
    {"Phone", "蓝牙"},
    {"AUX1", "AUX1"},
    {"AUX2", "AUX2"},
    {"AUX3", "AUX3"},
}};

// The Phone input as the music input page's own buttons and connector and the main view's quick
// button call it in Chinese.
inline constexpr int kPhoneInput = 2;
inline constexpr LangName kPhoneHandset = {"Phone", "手机"};

// An input's name on those buttons.
constexpr const LangName& InputButtonName(int nInput)
{
    return nInput == kPhoneInput ? kPhoneHandset : kInputNames[static_cast<std::size_t>(nInput)];
}

// The mixer sources: the inputs, then off.
inline constexpr std::array<LangName, SOURCE_COUNT> kSourceNames = [] {
    std::array<LangName, SOURCE_COUNT> names{};
    for (std::size_t n = 0; n < kInputNames.size(); ++n)
        names[n] = kInputNames[n];
    names[SOURCE_OFF] = {"OFF", "关闭"};
    return names;
}();
