#include "model/StdAfx.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <chrono>
#include <cstdint>

#include "platform/MessageBox.h"

std::atomic<int> g_bChinese{0};

int g_nViewMode = 1;
int g_nLineSet = 1;
std::mutex g_csEndpoint;
std::string g_strDeviceIP = g_szDefaultDeviceIP;
int g_nDevicePort = DEFAULT_DEVICE_PORT;
std::string g_strWifiLabel = "WIFI";
std::string g_strUsbDevicePath;
std::string g_strFirmwareFile;
std::string g_strAllPresetFile;
std::string g_strPresetFileName;
std::vector<std::string> g_usbDevicePaths;
std::vector<std::string> g_knownUsbPaths;

const char* LangText(const char* szChinese, const char* szEnglish)
{
    return g_bChinese.load() ? szChinese : szEnglish;
}

void ShowPrompt(const char* szChinese, const char* szEnglish)
{
    AfxMessageBox(LangText(szChinese, szEnglish), MB_OK, CAPTION_PROMPT_AUTOCLOSE);
}

std::string IntToHexStr(int nValue, int nRadix)
{
    if (nRadix < 2 || nRadix > 36)
        return {};
    char buf[40];
    const auto res = nRadix == 10
        ? std::to_chars(buf, buf + sizeof buf, nValue)
        : std::to_chars(buf, buf + sizeof buf, static_cast<std::uint32_t>(nValue), nRadix);
    std::string text(buf, res.ptr);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (nRadix == 16 && text.size() < 4)
        text.insert(0, 4 - text.size(), '0');
    return text;
}

long long PerfCounter()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::string FormatDelay(long long nTicks)
{
    char buffer[64];
    const double seconds = double(nTicks) / double(g_liPerfFreq);
    auto result = std::to_chars(buffer, buffer + sizeof buffer, seconds, std::chars_format::fixed, 6);
    return "延时(秒)=" + std::string(buffer, result.ptr) + " ";
}
