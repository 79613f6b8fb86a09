#pragma once
// UI texts from the program's UTF-8 literals. A narrow literal turned into a wxString directly
// would be decoded with the process locale (and lose every Chinese character under "C").
#include <wx/string.h>

#include "model/StdAfx.h"

inline wxString Utf8(const char* szText)
{
    return wxString::FromUTF8(szText);
}

// The Chinese text while the language flag is set, else the English one.
inline wxString LangString(const char* szChinese, const char* szEnglish)
{
    return wxString::FromUTF8(LangText(szChinese, szEnglish));
}
