#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/Archive.h"

TEST(Archive, StringsCarryTheirLengthPrefix)
{
    struct Case {
        std::size_t length;
        std::string prefix;
    };
    const Case cases[] = {
        {0, std::string("\x00", 1)},
        {17, "\x11"},
        {254, "\xFE"},
        {255, std::string("\xFF\xFF\x00", 3)},
        {0xFFFD, "\xFF\xFD\xFF"},
        {0x10000, std::string("\xFF\xFF\xFF\x00\x00\x01\x00", 7)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        const std::string text(c.length, 'a');
        std::stringstream stream;
        CArchive out(static_cast<std::ostream&>(stream));
        out.WriteString(text);
        EXPECT_EQ(stream.str(), c.prefix + text);
        CArchive in(static_cast<std::istream&>(stream));
        EXPECT_EQ(in.ReadString(), text);
    }
}

TEST(Archive, ShortOrDamagedInputThrows)
{
    std::istringstream shortNumber(std::string("\x01\x02", 2));
    CArchive a(shortNumber);
    std::int32_t n = 0;
    EXPECT_THROW(a >> n, CArchiveException);

    std::istringstream hugeLength(std::string("\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 7) + "abc");
    CArchive b(hugeLength);
    EXPECT_THROW(b.ReadString(), CArchiveException);

    std::istringstream wide(std::string("\xFF\xFE\xFF", 3));
    CArchive c(wide);
    EXPECT_THROW(c.ReadString(), CArchiveException);
}
