// Any bytes as a grid's CSV file or as pasted text. Reading must not fail; what a file that is
// text reads as must come back the same when written out and read again, so a save after a load
// loses nothing.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "grid/GridClipText.h"
#include "grid/GridCsv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    GridClipText::Parse(bytes);
    const GridCsv::Table table = GridCsv::Parse(bytes);
    if (table.problem == GridCsv::Problem::NotText)
        return 0;
    std::string written;
    for (const std::vector<std::string>& line : table.lines)
        written += GridCsv::FormatLine(line);
    const GridCsv::Table again = GridCsv::Parse(written);
    if (again.problem != GridCsv::Problem::None || again.lines != table.lines)
        std::abort();
    return 0;
}
