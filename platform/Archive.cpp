#include "platform/Archive.h"

#include <bit>
#include <algorithm>
#include <istream>
#include <ostream>

static_assert(std::endian::native == std::endian::little, "archives hold little-endian numbers");

CArchive::CArchive(std::ostream& out) : m_pOut(&out) {}

CArchive::CArchive(std::istream& in) : m_pIn(&in) {}

void CArchive::Write(const void* pData, std::size_t nBytes)
{
    if (m_pOut == nullptr)
        throw CArchiveException("archive is not storing");
    m_pOut->write(static_cast<const char*>(pData), static_cast<std::streamsize>(nBytes));
    if (!*m_pOut)
        throw CArchiveException("write failed");
}

void CArchive::Read(void* pData, std::size_t nBytes)
{
    if (m_pIn == nullptr)
        throw CArchiveException("archive is not loading");
    m_pIn->read(static_cast<char*>(pData), static_cast<std::streamsize>(nBytes));
    if (static_cast<std::size_t>(m_pIn->gcount()) != nBytes)
        throw CArchiveException("unexpected end of file");
}

bool CArchive::AtEnd() const
{
    return m_pIn != nullptr && m_pIn->peek() == std::istream::traits_type::eof();
}

void CArchive::WriteString(const std::string& s)
{
    const std::size_t n = s.size();
    if (n < 0xFF) {
        const std::uint8_t len = static_cast<std::uint8_t>(n);
        Write(&len, 1);
    } else if (n < 0xFFFE) {
        const std::uint8_t mark = 0xFF;
        const std::uint16_t len = static_cast<std::uint16_t>(n);
        Write(&mark, 1);
        Write(&len, 2);
    } else {
        const std::uint8_t mark = 0xFF;
        const std::uint16_t mark16 = 0xFFFF;
        const std::uint32_t len = static_cast<std::uint32_t>(n);
        Write(&mark, 1);
        Write(&mark16, 2);
        Write(&len, 4);
    }
    Write(s.data(), n);
}

std::string CArchive::ReadString()
{
    std::uint8_t len8 = 0;
    Read(&len8, 1);
    std::uint32_t n = len8;
    if (len8 == 0xFF) {
        std::uint16_t len16 = 0;
        Read(&len16, 2);
        n = len16;
        if (len16 == 0xFFFE)  // the marker of a wide-character string, which this program never writes
            throw CArchiveException("wide-character string");
        if (len16 == 0xFFFF)
            Read(&n, 4);
    }
    std::string s;
    // Read in pieces, so a damaged length cannot make us allocate more than the file holds.
    char buf[4096];
    while (n > 0) {
        const std::uint32_t piece = std::min<std::uint32_t>(n, sizeof buf);
        Read(buf, piece);
        s.append(buf, piece);
        n -= piece;
    }
    return s;
}
