#pragma once
// The firmware commands (system items of block 9) that mark the frames of an update.
constexpr int FW_HEX_APPLY = 0x36;
constexpr int FW_HEX_START = 0x37;
constexpr int FW_HEX_DATA = 0x38;
constexpr int FW_HEX_END = 0x39;
constexpr int FW_DSP_REQUEST_INFO = 0x3A;
constexpr int FW_DSP_DATA = 0x3B;
constexpr int FW_DSP_END_INF = 0x3C;
constexpr int FW_ENTER_UPDATE = 0xFF;
