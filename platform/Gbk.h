#pragma once
// Text between the UI (UTF-8) and the processor's fixed text fields (GBK, the Chinese code page
// the processor was made for); glibc's iconv does the work. A text that does not convert fails
// whole, so no field ever receives half a character.
#include <string>
#include <string_view>

bool Utf8ToGbk(std::string_view utf8, std::string& gbk);
bool GbkToUtf8(std::string_view gbk, std::string& utf8);
