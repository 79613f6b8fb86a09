// Feeds arbitrary bytes to one of the document's file loaders, as a file the user picked. Built
// once per file kind (FUZZ_FILE_KIND: 0 all presets, 1 one preset, 2 output map). No input may
// crash, read out of bounds or leave the link lock held; a damaged file ends in the archive
// exception, which the loader's caller reports.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "model/HalvekDoc.h"
#include "tests/support/ThreadChecks.h"

namespace {

CHalvekDoc& Document()
{
    static CHalvekDoc* pDoc = [] {
        InitDeviceData();
        return new CHalvekDoc();
    }();
    return *pDoc;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    CHalvekDoc& doc = Document();
    std::istringstream in(std::string(reinterpret_cast<const char*>(pData), nSize));
    CArchive ar(in);
    try {
        if constexpr (FUZZ_FILE_KIND == 0)
            doc.SerializeAllPresets(ar);
        else if constexpr (FUZZ_FILE_KIND == 1)
            doc.SerializePreset(ar);
        else
            doc.SerializeOutputMap(ar);
    } catch (const CArchiveException&) {
    }
    if (!LinkLockIsFree())
        std::abort();
    return 0;
}
