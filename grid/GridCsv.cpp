#include "grid/GridCsv.h"

namespace GridCsv {
namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t nMore = 0;
        unsigned nMin = 0;
        unsigned nCode = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            nMore = 1;
            nMin = 0x80;
            nCode = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            nMore = 2;
            nMin = 0x800;
            nCode = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            nMore = 3;
            nMin = 0x10000;
            nCode = lead & 0x07;
        } else {
            return false;
        }
        if (i + nMore >= bytes.size())
            return false;
        for (std::size_t k = 1; k <= nMore; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            nCode = (nCode << 6) | (next & 0x3F);
        }
        if (nCode < nMin || nCode > 0x10FFFF || (nCode >= 0xD800 && nCode <= 0xDFFF))
            return false;
        i += nMore + 1;
    }
    return true;
}

// A text that starts with a byte order mark is quoted too: at the start of a file the mark
// would be taken for the file's own and dropped.
bool NeedsQuotes(std::string_view field)
{
    return field.find_first_of(",\"\r\n") != std::string_view::npos ||
           field.substr(0, kByteOrderMark.size()) == kByteOrderMark;
}

// Reads lines from the content, one field at a time.
class Reader {
public:
    explicit Reader(std::string_view bytes) : m_bytes(bytes) {}

    Table Read()
    {
        Table table;
        std::vector<std::string> line;
        while (m_pos < m_bytes.size()) {
            line.push_back(Field(table.problem));
            const bool bLineEnd = m_pos >= m_bytes.size() || m_bytes[m_pos] == '\n';
            ++m_pos;  // past the comma or the line feed
            if (!bLineEnd && m_pos >= m_bytes.size())
                line.emplace_back();  // a comma at the very end: an empty last field
            if (bLineEnd || m_pos >= m_bytes.size()) {
                table.lines.push_back(std::move(line));
                line.clear();
            }
        }
        return table;
    }

private:
    // The field at the read position; the position is left at the comma, the line feed or the end.
    std::string Field(Problem& problem)
    {
        const std::size_t nStart = m_pos;
        if (m_pos < m_bytes.size() && m_bytes[m_pos] == '"') {
            std::string field;
            ++m_pos;
            while (m_pos < m_bytes.size()) {
                const char ch = m_bytes[m_pos++];
                if (ch != '"') {
                    field += ch;
                } else if (m_pos < m_bytes.size() && m_bytes[m_pos] == '"') {
                    field += '"';
                    ++m_pos;
                } else if (AtFieldEnd()) {
                    SkipLineEnd();
                    return field;
                } else {
                    break;
                }
            }
            if (m_pos >= m_bytes.size()) {
                problem = Problem::OpenQuote;
                return std::string(m_bytes.substr(nStart));
            }
            m_pos = nStart;
        }
        const std::size_t nEnd = std::min(m_bytes.find_first_of(",\n", m_pos), m_bytes.size());
        std::string_view field = m_bytes.substr(m_pos, nEnd - m_pos);
        m_pos = nEnd;
        if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\n' && !field.empty() && field.back() == '\r')
            field.remove_suffix(1);
        return std::string(field);
    }

    // After a closing quote: the field ends there (a comma, a line end or the end of the file).
    bool AtFieldEnd() const
    {
        const std::string_view rest = m_bytes.substr(m_pos);
        return rest.empty() || rest[0] == ',' || rest[0] == '\n' || rest.substr(0, 2) == "\r\n";
    }
    void SkipLineEnd()
    {
        if (m_bytes.substr(m_pos, 2) == "\r\n")
            ++m_pos;
    }
    std::string_view m_bytes;
    std::size_t m_pos = 0;
};
}  // namespace

std::string FormatLine(const std::vector<std::string>& fields)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        if (!NeedsQuotes(fields[i])) {
            line += fields[i];
            continue;
        }
        line += '"';
        for (const char ch : fields[i]) {
            if (ch == '"')
                line += '"';
            line += ch;
        }
        line += '"';
    }
    return line + "\r\n";
}

Table Parse(std::string_view bytes)
{
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        bytes.remove_prefix(kByteOrderMark.size());
    if (bytes.find('\0') != std::string_view::npos || !IsUtf8(bytes))
        return {{}, Problem::NotText};
    return Reader(bytes).Read();
}

}  // namespace GridCsv
