#pragma once
// Whole-file reads and writes for the program's own files. A load reads the file into memory
// first, so it can be checked before anything is applied; a save never destroys the old file.
#include <cstddef>
#include <string>
#include <string_view>

// Reads the whole file into `bytes`; false when it cannot be read or holds more than nMaxBytes.
bool ReadWholeFile(const std::string& strPath, std::string& bytes, std::size_t nMaxBytes);

// Writes the bytes to a temporary file beside the target, checking every write, the flush to the
// disk and the close, and then renames it over the target. False (the old file as it was, no
// temporary file left) when any step fails.
bool WriteFileReplacing(const std::string& strPath, std::string_view bytes);
