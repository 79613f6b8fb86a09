#pragma once
// Text from the processor's fixed fields (bytes in the Chinese code page, GBK) for the UI.
#include <wx/string.h>

#include <string>

// Bytes that are not valid GBK are shown one character per byte.
wxString FromDeviceBytes(const std::string& bytes);
