// The stream's primitives: little-endian bytes, bounds-checked reads with
// the program's texts, and the failed state.
#include <gtest/gtest.h>

#include <string>

#include "core/CBinStream.h"
#include "core/CFehler.h"

#include "ErrorOf.h"

namespace {

const std::string kEnde = "Streamende erreicht";

} // namespace

TEST(BinStreamTest, WritesLittleEndianBytes)
{
    CBinStream s;
    s.WriteU16(0x1234);
    s.WriteU32(0x4642424B);
    s.WriteI64(-2);
    s.WriteBool(true);
    s.WriteBool(false);
    s.WriteString("ab");
    s.WriteString("");
    const std::string expected("\x34\x12" "KBBF" "\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF" "\x01\x00"
                               "\x02\x00" "ab" "\x00\x00",
                               2 + 4 + 8 + 2 + 4 + 2);
    EXPECT_EQ(s.Bytes(), expected);
}

TEST(BinStreamTest, ReadsBackWhatWasWritten)
{
    CBinStream w;
    w.WriteU16(0xFFFF);
    w.WriteU16(32767);
    w.WriteU32(0xFFFFFFFFu);
    w.WriteI64(INT64_MIN);
    w.WriteI64(1099173600);
    w.WriteBool(true);
    w.WriteString("Gr\xFC\xDF" "e");
    w.WriteString("");
    CBinStream r(w.TakeBytes());
    EXPECT_EQ(r.ReadI16(), -1);     // u16 written, i16 read
    EXPECT_EQ(r.ReadI16(), 32767);
    EXPECT_EQ(r.ReadU32(), 0xFFFFFFFFu);
    EXPECT_EQ(r.ReadI64(), INT64_MIN);
    EXPECT_EQ(r.ReadI64(), 1099173600);
    EXPECT_TRUE(r.ReadBool());
    EXPECT_EQ(r.ReadString(), "Gr\xFC\xDF" "e");
    EXPECT_EQ(r.ReadString(), "");
    EXPECT_TRUE(r.AtEnd());
    EXPECT_FALSE(r.IsFailed());
}

TEST(BinStreamTest, EmptyStringIsTwoZeroBytesEvenAtTheEnd)
{
    CBinStream r(std::string("\0\0", 2));
    EXPECT_EQ(r.ReadString(), "");
    EXPECT_TRUE(r.AtEnd());
    EXPECT_FALSE(r.IsFailed());
}

TEST(BinStreamTest, ShortReadsRaiseEndOfStreamAndFailTheStream)
{
    EXPECT_EQ(ErrorOf([] { CBinStream s; s.ReadU32(); }), kEnde);
    EXPECT_EQ(ErrorOf([] { CBinStream s(std::string(7, '\0')); s.ReadI64(); }), kEnde);
    EXPECT_EQ(ErrorOf([] { CBinStream s(std::string(1, '\0')); s.ReadI16(); }), kEnde);
    EXPECT_EQ(ErrorOf([] { CBinStream s; s.ReadBool(); }), kEnde);
    // A length that promises more bytes than are left.
    EXPECT_EQ(ErrorOf([] { CBinStream s(std::string("\x05\x00" "abcd", 6)); s.ReadString(); }), kEnde);

    CBinStream s(std::string("\x01\x00\x00", 3));
    EXPECT_EQ(ErrorOf([&] { s.ReadU32(); }), kEnde);
    EXPECT_TRUE(s.IsFailed());
    // Once failed, even a read that would fit is refused.
    EXPECT_EQ(ErrorOf([&] { s.ReadBool(); }), kEnde);
}

TEST(BinStreamTest, BadBoolAndNegativeLength)
{
    CBinStream b(std::string("\x02", 1));
    EXPECT_EQ(ErrorOf([&] { b.ReadBool(); }), "Ung\xFCltiger Boolean-Wert");
    CBinStream s(std::string("\x00\x80", 2)); // 32768 reads as -32768
    EXPECT_EQ(ErrorOf([&] { s.ReadString(); }), "Ein String hat eine negative L\xE4nge");
}
