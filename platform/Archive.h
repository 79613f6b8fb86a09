#pragma once
// The archive of the program's files: a byte stream in one direction, storing or loading, that
// writes exactly what the Windows build's framework archive writes (little-endian numbers, a
// string as its length prefix and its bytes), so files are exchanged between the two builds.
// A load that runs out of bytes, and a write that fails, throw CArchiveException.
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <stdexcept>
#include <string>

class CArchiveException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CArchive {
public:
    // The stream must outlive the archive.
    CArchive(std::ostream& out);
    CArchive(std::istream& in);

    bool IsStoring() const { return m_pOut != nullptr; }
    bool IsLoading() const { return m_pIn != nullptr; }

    void Write(const void* pData, std::size_t nBytes);
    void Read(void* pData, std::size_t nBytes);
    // Loading: true when every byte has been read.
    bool AtEnd() const;

    CArchive& operator<<(std::uint8_t n) { return WriteValue(n); }
    CArchive& operator<<(std::int16_t n) { return WriteValue(n); }
    CArchive& operator<<(std::int32_t n) { return WriteValue(n); }
    CArchive& operator<<(double d) { return WriteValue(d); }
    CArchive& operator>>(std::uint8_t& n) { return ReadValue(n); }
    CArchive& operator>>(std::int16_t& n) { return ReadValue(n); }
    CArchive& operator>>(std::int32_t& n) { return ReadValue(n); }
    CArchive& operator>>(double& d) { return ReadValue(d); }

    // A string: its length as one byte below 255, else 0xFF and 16 bits below 0xFFFE, else
    // 0xFF, 0xFFFF and 32 bits; then its bytes without a terminator.
    void WriteString(const std::string& s);
    std::string ReadString();

private:
    template <typename T>
    CArchive& WriteValue(T value)
    {
        Write(&value, sizeof value);
        return *this;
    }
    template <typename T>
    CArchive& ReadValue(T& value)
    {
        Read(&value, sizeof value);
        return *this;
    }

    std::ostream* m_pOut = nullptr;
    std::istream* m_pIn = nullptr;
};
