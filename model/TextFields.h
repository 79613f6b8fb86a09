#pragma once
// The fixed-width character fields of the packed images (preset names, channel names). A field
// of n bytes holds at most n - 1 characters; reading stops at the first zero byte. The bytes are
// the processor's (Chinese code page): the UI converts them, here they are only copied.
#include <string>

#include "model/DataDefine.h"

// The text of the first n - 1 bytes, trimmed of white space at both ends.
std::string BytesToString(const BYTE* pField, int n);
// The same over all n bytes.
std::string BytesToStringN(const BYTE* pField, int n);

// Writes s and fills the rest of the field with zero bytes when s is shorter than n; otherwise
// shows "Char len error!" and leaves the field as it was. True when written.
bool StringToBytes(BYTE* pField, int n, const std::string& s);
bool StringToBytesN(BYTE* pField, const std::string& s, int n);
// Writes s (at most n characters) and pads it to n bytes with spaces or zero bytes; a longer s
// shows the message and writes nothing.
bool StringToBytesPadded(BYTE* pField, int n, const std::string& s, bool bSpaces);

// True when s holds nothing but white space.
bool IsBlank(const std::string& s);

// 1 when the first nLen bytes of pName equal those of another preset's name: with
// bDevicePresets one of the six stored presets (index nOwn skipped), else one of the effect
// library records (record nOwn skipped).
int IsPresetNameUsed(int nOwn, const BYTE* pName, bool bDevicePresets, int nLen);
