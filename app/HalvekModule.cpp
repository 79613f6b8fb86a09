#include "app/HalvekModule.h"

#include <strings.h>

#include <cstring>

const char* CHalvekModule::FindOneOf(const char* szText, const char* szChars)
{
    for (const char* p = szText; *p != '\0'; ++p)
        if (std::strchr(szChars, *p) != nullptr)
            return p + 1;
    return nullptr;
}

CHalvekModule::Switch CHalvekModule::ScanCommandLine(const std::string& strCmdLine)
{
    for (const char* p = FindOneOf(strCmdLine.c_str(), "-/"); p != nullptr; p = FindOneOf(p, "-/")) {
        if (strcasecmp(p, "UnregServer") == 0)
            return Switch::UnregServer;
        if (strcasecmp(p, "RegServer") == 0)
            return Switch::RegServer;
    }
    return Switch::None;
}
