#include "platform/SystemLocale.h"

#include <cstdlib>

int LocaleNameToLcid(std::string_view name)
{
    for (std::string_view prefix : {"zh_CN", "zh_SG", "zh_Hans"})
        if (name.substr(0, prefix.size()) == prefix)
            return LCID_CHINESE_SIMPLIFIED;
    return LCID_ENGLISH_US;
}

int SystemDefaultLcid()
{
    for (const char* szVariable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* szValue = std::getenv(szVariable); szValue != nullptr && *szValue != '\0')
            return LocaleNameToLcid(szValue);
    return LCID_ENGLISH_US;
}
