#include "grid/GridClipText.h"

namespace GridClipText {
namespace {
constexpr std::string_view kFieldSeparators = "\t,\n";

// ASCII white space only: bytes of a multi-byte character are never taken for it.
bool IsSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f';
}

std::string Trimmed(std::string_view field)
{
    while (!field.empty() && IsSpace(field.front()))
        field.remove_prefix(1);
    while (!field.empty() && IsSpace(field.back()))
        field.remove_suffix(1);
    return std::string(field);
}

std::vector<std::string> Fields(std::string_view line)
{
    std::vector<std::string> fields;
    while (!line.empty()) {
        const std::size_t nStart = line.find_first_not_of(kFieldSeparators);
        if (nStart == std::string_view::npos)
            break;
        line.remove_prefix(nStart);
        const std::size_t nEnd = line.find_first_of(kFieldSeparators);
        fields.push_back(Trimmed(line.substr(0, nEnd)));
        line.remove_prefix(nEnd == std::string_view::npos ? line.size() : nEnd);
    }
    return fields;
}
}  // namespace

std::string Build(const CGridCellRange& range, const CellText& cellText)
{
    std::string text;
    for (int nRow = range.GetMinRow(); nRow <= range.GetMaxRow(); ++nRow) {
        for (int nCol = range.GetMinCol(); nCol <= range.GetMaxCol(); ++nCol) {
            if (nCol > range.GetMinCol())
                text += '\t';
            if (const std::optional<std::string> cell = cellText(nRow, nCol))
                text += cell->empty() ? std::string(" ") : *cell;
        }
        if (nRow < range.GetMaxRow())
            text += '\n';
    }
    return text;
}

std::vector<std::vector<std::string>> Parse(std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    std::vector<std::vector<std::string>> lines;
    for (;;) {
        const std::size_t nFeed = text.find('\n');
        std::string_view line = text.substr(0, nFeed);
        // A carriage return before the line feed belongs to the line end, not to a field.
        if (nFeed != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (nFeed == std::string_view::npos) {
            if (!line.empty())
                lines.push_back(Fields(line));
            break;
        }
        lines.push_back(line.empty() ? std::vector<std::string>{std::string()} : Fields(line));
        text.remove_prefix(nFeed + 1);
    }
    return lines;
}

}  // namespace GridClipText
