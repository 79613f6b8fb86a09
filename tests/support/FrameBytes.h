#pragma once
// Helpers for tests that compare frames with byte tables written as hex text.
#include <string>
#include <vector>

#include "model/DataDefine.h"

// "6B 6B 6B EE A1 ..." to bytes; spaces are ignored.
std::vector<BYTE> HexBytes(const std::string& strHex);
// The frame bytes as hex text with spaces, for readable failure output.
std::string HexText(const BYTE* pBytes, int nLength);
// A frame around `body` (class byte to the last payload byte): sync bytes, body, XOR check, 0xAA.
std::vector<BYTE> Framed(const std::vector<BYTE>& body);
// A reply frame as the processor sends it: header, payload, XOR check byte and end byte.
std::vector<BYTE> ReplyFrame(BYTE byKind, int nPreset, int nBlock, int nIndex, int nSub,
                             const std::vector<BYTE>& payload);
