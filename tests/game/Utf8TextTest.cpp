#include "Utf8Text.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <string>

namespace {
// The C library's own Windows-1252 converter, as an independent reference;
// empty for a byte it leaves undefined.
std::string ReferenceUtf8(unsigned char byte)
{
    iconv_t cd = iconv_open("UTF-8", "CP1252");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return "(no CP1252 converter)";
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char* from = in;
    char* to = out;
    size_t inLeft = 1, outLeft = sizeof out;
    const size_t done = iconv(cd, &from, &inLeft, &to, &outLeft);
    iconv_close(cd);
    return done == static_cast<size_t>(-1) ? std::string() : std::string(out, to);
}
}  // namespace

// Every byte of the code page reads as the C library reads it; the five it leaves undefined become the control
// characters of the same number.
TEST(Utf8Text, Windows1252MatchesTheCLibrary)
{
    for (int byte = 1; byte < 256; ++byte) {
        const std::string ours = Windows1252ToUtf8(std::string(1, static_cast<char>(byte)));
        std::string wanted = ReferenceUtf8(static_cast<unsigned char>(byte));
        if (wanted.empty())
            wanted = {static_cast<char>(0xC2), static_cast<char>(byte)};
        EXPECT_EQ(ours, wanted) << "byte 0x" << std::hex << byte;
    }
}

// The edges of each sequence form: the smallest and largest of each length, overlong forms, surrogates and what lies
// past U+10FFFF.
TEST(Utf8Text, SequenceEdges)
{
    const std::pair<const char*, size_t> cases[] = {
        {"\xC2\x80", 2},         {"\xC1\xBF", 0},         {"\xDF\xBF", 2},         {"\xE0\xA0\x80", 3},
        {"\xE0\x9F\xBF", 0},     {"\xED\x9F\xBF", 3},     {"\xED\xA0\x80", 0},     {"\xEF\xBF\xBF", 3},
        {"\xF0\x90\x80\x80", 4}, {"\xF0\x8F\xBF\xBF", 0}, {"\xF4\x8F\xBF\xBF", 4}, {"\xF4\x90\x80\x80", 0},
        {"\xF5\x80\x80\x80", 0}, {"\xE1\x80", 0},         {"\xE1\x80\x7F", 0},     {"\x80", 0},
    };
    for (const auto& [text, length] : cases)
        EXPECT_EQ(Utf8SequenceLength(text, 0), length) << testing::PrintToString(std::string(text));
}
