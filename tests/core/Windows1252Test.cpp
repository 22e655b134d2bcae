// The one converter between the cash book's Windows-1252 bytes and UTF-8:
// every byte has a UTF-8 form, broken or unrepresentable UTF-8 is refused
// by the strict direction and turned into "?" by the lossy one.
#include "core/Windows1252.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Windows1252, EveryByteRoundTripsThroughUtf8)
{
    std::string alle;
    for (int b = 0x00; b < 0x100; ++b)
        alle += static_cast<char>(b);
    const std::string utf8 = Windows1252::ToUtf8(alle);
    EXPECT_EQ(Windows1252::FromUtf8(utf8), alle);
    EXPECT_EQ(Windows1252::FromUtf8Lossy(utf8), alle);
}

TEST(Windows1252, BytesHaveTheirWindowsCharacters)
{
    const struct {
        const char* bytes;
        const char* utf8;
    } faelle[] = {
        {"Kasse", "Kasse"},
        {"\x80", "\xE2\x82\xAC"},             // euro sign, not the C1 control
        {"\x84x\x93", "\xE2\x80\x9Ex\xE2\x80\x9C"},
        {"\x9F", "\xC5\xB8"},                 // the last extra
        {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"}, // undefined: C1 controls
        {"\xA0\xD6\xFF", "\xC2\xA0\xC3\x96\xC3\xBF"},
        {"", ""},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(Windows1252::ToUtf8(f.bytes), f.utf8) << f.utf8;
        EXPECT_EQ(Windows1252::FromUtf8(f.utf8), std::string(f.bytes)) << f.utf8;
    }
}

TEST(Windows1252, BrokenOrUnrepresentableUtf8IsRefusedOrQuestionMarked)
{
    const struct {
        std::string utf8;
        std::string lossy;
    } faelle[] = {
        {"\xC5\x81\xC3\xB3" "d\xC5\xBA", "?\xF3" "d?"},   // "Łódź": Ł and ź have no byte
        {"\xE4\xB8\xAD", "?"},                          // a Chinese letter
        {"\xF0\x9F\x98\x80", "?"},                      // an emoji is one character
        {"\xC2\x80", "?"},                              // U+0080 is not the euro sign's byte
        {"kaputt \xC3", "kaputt ?"},                    // cut off at the end
        {"\xE2\x82" "A", "?A"},                         // cut off before a letter, which stays
        {"\x80\xBF", "??"},                             // continuation bytes without a lead
        {"\xC0\xAF", "?"},                              // an overlong "/"
        {"\xE0\x80\xAF", "?"},                          // the same in three bytes
        {"\xED\xA0\x80", "?"},                          // a UTF-16 surrogate half
        {"\xF8\x88\x80\x80\x80", "?????"},              // five-byte forms do not exist
        {"\xFF" "x", "?x"},
    };
    for (const auto& f : faelle) {
        EXPECT_FALSE(Windows1252::FromUtf8(f.utf8).has_value()) << f.lossy;
        EXPECT_EQ(Windows1252::FromUtf8Lossy(f.utf8), f.lossy) << f.lossy;
    }
}

} // namespace
