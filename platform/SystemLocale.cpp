#include "platform/SystemLocale.h"

#include <cstdlib>

int LocaleNameToLcid(std::string_view name)
{
    // The territory ends the name or is followed by the code set or the modifier.
    constexpr std::string_view CHINA = "zh_CN";
    if (name.substr(0, CHINA.size()) != CHINA)
        return LCID_ENGLISH_US;
    const std::string_view rest = name.substr(CHINA.size());
    return rest.empty() || rest.front() == '.' || rest.front() == '@' ? LCID_CHINESE_SIMPLIFIED : LCID_ENGLISH_US;
}

int SystemDefaultLcid()
{
    for (const char* szVariable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* szValue = std::getenv(szVariable); szValue != nullptr && *szValue != '\0')
            return LocaleNameToLcid(szValue);
    return LCID_ENGLISH_US;
}
