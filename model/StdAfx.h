#pragma once
// Application-wide values shared by many windows and by the link code: the language flag, the
// bilingual message texts, file extensions and file-dialog filters, the curve colours and the
// working strings. The fonts, the dialog brush and the speaker-role menu are UI objects and live
// with the UI.
#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "model/GdiTypes.h"

// Language flag: nonzero for Chinese. Every formatter, control, message and background picture
// reads it when it builds its text. Set on the UI thread, read by the link worker too.
extern std::atomic<int> g_bChinese;

// The Chinese text while the language flag is set, else the English one.
const char* LangText(const char* szChinese, const char* szEnglish);

// A prompt in the current language on a box that closes by itself.
void ShowPrompt(const char* szChinese, const char* szEnglish);

// Bilingual message texts (UTF-8).
inline constexpr char g_strUsbFailCn[] = "连接失败  请检查USB线缆是否插好或\n该设备已经连接上了另一软件!";
inline constexpr char g_strUsbFailEn[] = "Connection failure!";
// The processor is there but this user may not open it: the udev rule is not installed.
inline constexpr char g_strUsbAccessCn[] =
    "已找到设备, 但当前用户无权打开它。\n请安装 udev 规则 70-tarvi.rules (见 README), 然后重新插入设备。";
inline constexpr char g_strUsbAccessEn[] =
    "The processor is connected, but this user may not open it.\nInstall the udev rule 70-tarvi.rules (see README) and plug the processor in again.";
inline constexpr char g_strWifiFailCn[] = "连接失败  请检查WIFI是否已连接到设备或\n该设备已经连接上了另一软件!";
inline constexpr char g_strWifiFailEn[] = "Connection failure!";
inline constexpr char g_strRestoreEqCn[] = "是否恢复所有均衡?";
inline constexpr char g_strRestoreEqEn[] = "Whether Restore All EQ?";
inline constexpr char g_strBypassEqCn[] = "是否直通所有均衡?";
inline constexpr char g_strBypassEqEn[] = "Whether ByPass All EQ?";
inline constexpr char g_strResetEqCn[] = "是否重置所有均衡?";
inline constexpr char g_strResetEqEn[] = "Whether the reset All EQ?";
inline constexpr char g_strPeqToGeqCn[] = "是否把参量均衡模式转换为图示均衡模式?";
inline constexpr char g_strPeqToGeqEn[] = "Whether the PEQ Mode convert to GEQ Mode?";
inline constexpr char g_strGeqToPeqCn[] = "是否把图示均衡模式转换为参量均衡模式?";
inline constexpr char g_strGeqToPeqEn[] = "Whether the GEQ Mode convert to PEQ Mode?";
inline constexpr char g_strNotConnectedCn[] = "未连接设备";
inline constexpr char g_strNotConnectedEn[] = "Not connected devices";
inline constexpr char g_strConnectedCn[] = "已连接设备";
inline constexpr char g_strConnectedEn[] = "Connected device";
inline constexpr char g_strTipTitleCn[] = "提示";
inline constexpr char g_strTipTitleEn[] = "Prompting";
inline constexpr char g_strWarnTitleCn[] = "警告";
inline constexpr char g_strWarnTitleEn[] = "Warning";
inline constexpr char g_strWifiResetOkCn[] = "恢复WIFI出厂设置成功";
inline constexpr char g_strWifiResetOkEn[] = "Load WIFI factory default success";
inline constexpr char g_strWifiResetFailCn[] = "恢复WIFI出厂设置失败";
inline constexpr char g_strWifiResetFailEn[] = "Load WIFI factory default failure";

// File extensions and file-dialog filters ("description|pattern||").
inline constexpr char g_strPresetExt[] = "TarviC1";
inline constexpr char g_strPresetFilter[] = ".TarviC1|*.TarviC1||";
inline constexpr char g_strAllPresetExt[] = "TarviAC1";
inline constexpr char g_strAllPresetFilter[] = ".TarviAC1|*.TarviAC1||";
inline constexpr char g_strOutMapExt[] = "TarviMAP1";
inline constexpr char g_strOutMapFilter[] = ".TarviMAP1|*.TarviMAP1||";
inline constexpr char g_strFirmwareExt[] = "bin";
inline constexpr char g_strFirmwareFilter[] = ".bin|*.bin||";

// Background of every dialog and control (the UI makes its brush from it).
inline constexpr Color g_clrDlgBack{255, 227, 228, 238};

// Curve colours of the channels and graphs.
inline constexpr Color g_clrEffectCurve{220, 255, 0, 0};
inline constexpr Color g_clrMicRoute{255, 255, 128, 51};
inline constexpr Color g_clrMicRoute2{255, 204, 153, 51};  // a second microphone channel
inline constexpr Color g_clrMusicRoutes[7] = {
    {255, 0, 255, 255}, {255, 223, 18, 123}, {255, 2, 123, 192}, {255, 255, 255, 0},
    {255, 255, 102, 102}, {255, 153, 0, 153}, {255, 153, 255, 0}};
inline constexpr Color g_clrMusicRoute = g_clrMusicRoutes[0];
inline constexpr Color g_clrSpare{255, 255, 153, 204};
inline constexpr Color g_clrOutRoutes[8] = {
    {255, 255, 0, 0}, {255, 0, 192, 0}, {255, 128, 128, 192}, {255, 255, 64, 255},
    {255, 0, 192, 192}, {255, 192, 168, 0}, {255, 125, 128, 0}, {255, 0, 0, 255}};
inline constexpr Color g_clrOutRoute = g_clrOutRoutes[0];
inline constexpr Color g_clrCurveLine{255, 0, 192, 0};
inline constexpr Color g_clrCurveGrid{255, 100, 100, 100};

// View mode of the main view (1 or 2; 2 shows all music-input bands on the EQ graph) and the
// line setting (nonzero: the output EQ graph also draws the curves of the outputs that share a
// speaker position with the shown one). Both belong to the main view; UI thread only.
extern int g_nViewMode;
extern int g_nLineSet;

// Factory address and port of the processor's WiFi module: the start values of the endpoint.
inline constexpr char g_szDefaultDeviceIP[] = "10.10.100.254";
constexpr int DEFAULT_DEVICE_PORT = 8899;

// The processor's network endpoint, in memory for the run. The UI changes it while the link check
// and the worker read it, so all of them hold g_csEndpoint; it is not g_csLink, which the worker
// holds for whole transactions and the link check must never wait for.
extern std::mutex g_csEndpoint;
extern std::string g_strDeviceIP;
extern int g_nDevicePort;

// Working strings and lists. The UI thread and the link threads share them: read and write them
// under g_csLink.
extern std::string g_strWifiLabel;
extern std::string g_strUsbDevicePath;
extern std::string g_strFirmwareFile;
extern std::string g_strAllPresetFile;
extern std::string g_strPresetFileName;
extern std::vector<std::string> g_usbDevicePaths;  // matching devices of the last enumeration
extern std::vector<std::string> g_knownUsbPaths;   // the ones offered for choosing

// The value in the radix (2-36), upper case; radix 16 is padded to four digits. Radix 10 is
// signed, the others show the value's 32 bits unsigned. Another radix gives "".
std::string IntToHexStr(int nValue, int nRadix);

// The high-resolution counter (a steady clock) and its ticks per second.
inline constexpr long long g_liPerfFreq = 1'000'000'000;
long long PerfCounter();
// "延时(秒)=%f " of the ticks in seconds, with a decimal point whatever the locale.
std::string FormatDelay(long long nTicks);
