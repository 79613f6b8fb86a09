#pragma once
// The program's one document: it owns the preset data every page edits, and reads and writes the
// PC files: all presets, one preset and the output map. Each file is an archive: a signature
// string, then raw little-endian bytes of the packed images and device-state values.
//
// A load takes the whole file from the archive and checks its signature and its length (an
// output map its values too) before it changes anything; only then is it applied, under g_csLink.
// The values of a preset file are kept as they came, as the processor's are, and held within
// range where they are used: the processor itself holds values beyond the pages' ranges, so a
// value cannot tell a damaged file from a saved one. A foreign signature returns FALSE; a file
// too short or too long, or an output map holding a value no output can take, throws
// CArchiveException; either way nothing has changed and no lock is held. Save through an archive
// on a memory stream and WriteFileReplacing (platform/SafeFile.h) so that a failed save leaves
// the old file as it was.
#include <string>

#include "model/KTV_Data.h"
#include "platform/Archive.h"

// File signatures.
inline constexpr char g_strAllPresetSig[] = "Tarvi_ALLFile_1.0";
inline constexpr char g_strPresetSig[] = "Tarvi_File_1.0";
inline constexpr char g_strOutMapSig[] = "Tarvi_Map";
inline constexpr char g_strModeSig[] = "Tarvi_Mode_1.0";

// File sizes, signature included.
constexpr std::size_t ALL_PRESETS_FILE_SIZE = 30785;
constexpr std::size_t PRESET_FILE_SIZE = 4407;
constexpr std::size_t OUT_MAP_FILE_SIZE = 82;

class CHalvekDoc {
public:
    // The framework's new-document step: the title becomes "". Always TRUE.
    int OnNewDocument();

    // Store or load by the archive's direction. TRUE; FALSE when a loaded file has another
    // signature. A damaged file throws CArchiveException (see above).
    int SerializeAllPresets(CArchive& ar);
    int SerializePreset(CArchive& ar);
    int SerializeOutputMap(CArchive& ar);
    // The mode file, which nothing uses: the mode byte and that mode's parameter record.
    int SerializeMode(CArchive& ar);

    const std::string& GetTitle() const { return m_strTitle; }

    CKTV_Data m_data;

private:
    std::string m_strTitle;
};
