// Amount arithmetic and its text forms: cut digits, separators, grouping,
// and round trips through ParseBetrag.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "core/CBetrag.h"

namespace {

std::string F(std::int64_t raw, int decimals, int flags)
{
    return FormatBetrag(CBetrag(raw), decimals, flags);
}

std::int64_t P(const std::string& text) { return ParseBetrag(text).Raw(); }

} // namespace

TEST(BetragTest, ScreenFormGroupsAndCutsToTwoDecimals)
{
    EXPECT_EQ(F(0, 2, 1), "0,00");
    EXPECT_EQ(F(-5000, 2, 1), "-0,50");
    EXPECT_EQ(F(12345678900, 2, 1), "1.234.567,89");
    EXPECT_EQ(F(12345, 2, 1), "1,23");   // cut, not rounded
    EXPECT_EQ(F(19999, 2, 1), "1,99");
    EXPECT_EQ(F(-19999, 2, 1), "-1,99");
    EXPECT_EQ(F(9990000, 2, 1), "999,00"); // three digits: no separator
    EXPECT_EQ(F(10000000, 2, 1), "1.000,00");
    EXPECT_EQ(F(-1, 2, 1), "-0,00");      // sign kept even when the digits cut to zero
    EXPECT_EQ(F(INT64_MIN, 2, 1), "-922.337.203.685.477,58");
    EXPECT_EQ(F(INT64_MAX, 0, 0), "922337203685477");
}

TEST(BetragTest, XmlAndExportForms)
{
    EXPECT_EQ(F(190000, 4, 0), "19,0000");
    EXPECT_EQ(F(12345000, -1, 2), "1234.5");
    EXPECT_EQ(F(190000, -1, 2), "19");
    EXPECT_EQ(F(1, -1, 2), "0.0001");
    EXPECT_EQ(F(-12340, -1, 2), "-1.234");
    EXPECT_EQ(F(12345678900, 2, 3), "1,234,567.89");
    EXPECT_EQ(F(12345678900, 0, 1), "1.234.567");
    EXPECT_EQ(F(12345, 6, 0), "1,234500"); // digits past the fourth are 0
}

TEST(BetragTest, ScreenAndExportFormsByName)
{
    const struct {
        std::int64_t raw;
        const char* anzeige;
        const char* export_;
    } faelle[] = {
        {0, "0,00", "0"},
        {12345600, "1.234,56", "1234.56"},
        {12345000, "1.234,50", "1234.5"},
        {-98765432100, "-9.876.543,21", "-9876543.21"},
        {-1, "-0,00", "-0.0001"},          // cut to nothing on screen, exact in the file
        {19999, "1,99", "1.9999"},
        {10000000000, "1.000.000,00", "1000000"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(FormatBetragAnzeige(CBetrag(f.raw)), f.anzeige) << f.raw;
        EXPECT_EQ(FormatBetragExport(CBetrag(f.raw)), f.export_) << f.raw;
    }
}

TEST(BetragTest, ParseWalksDigitsSignAndComma)
{
    EXPECT_EQ(P("19,0000"), 190000);
    EXPECT_EQ(P("1.234,5"), 12345000);
    EXPECT_EQ(P("-12"), -120000);
    EXPECT_EQ(P("12-"), -120000);
    EXPECT_EQ(P("0,12345"), 1234);
    EXPECT_EQ(P("abc"), 0);
    EXPECT_EQ(P(""), 0);
    EXPECT_EQ(P("1,2,3"), 12300);   // a second comma changes nothing
    EXPECT_EQ(P(" 1 000 , 5 "), 10005000);
    EXPECT_EQ(P("1,2345-"), -12345); // the walk goes on until a fifth fraction digit
    EXPECT_EQ(P("1,23456-"), 12345); // ... which ends it before the sign
    EXPECT_EQ(P("12.5"), 1250000);   // "." is not a decimal point here
}

TEST(BetragTest, ParseComputesIn64Bits)
{
    EXPECT_EQ(P("300.000,00"), 3000000000LL);
    EXPECT_EQ(P("-214.748,37"), -2147483700LL);
    EXPECT_EQ(P("900.000.000.000,9999"), 9000000000009999LL);
}

TEST(BetragTest, FormatThenParseGivesTheValueBack)
{
    std::mt19937_64 rng(20040328);
    std::vector<std::int64_t> values = {0, 1, -1, 9999, -9999, 10000, -10000, 999999999,
                                        INT64_MAX / 10, -(INT64_MAX / 10), 3000000000LL};
    for (int k = 0; k < 2000; ++k) {
        const int digits = static_cast<int>(rng() % 17) + 1;
        std::int64_t v = static_cast<std::int64_t>(rng() % 100000000000000000ULL);
        for (int d = digits; d < 17; ++d)
            v /= 10;
        values.push_back(rng() & 1 ? -v : v);
    }
    for (std::int64_t v : values) {
        for (int flags : {0, 1}) {
            SCOPED_TRACE(::testing::Message() << v << " flags " << flags);
            EXPECT_EQ(P(F(v, 4, flags)), v);
            EXPECT_EQ(P(F(v, -1, flags)), v);
            EXPECT_EQ(P(F(v, 6, flags)), v);
            // Two decimals: the last two digits are cut toward zero.
            EXPECT_EQ(P(F(v, 2, flags)), v / 100 * 100);
            EXPECT_EQ(P(F(v, 0, flags)), v / 10000 * 10000);
        }
    }
}

TEST(BetragTest, ArithmeticTruncatesTowardZero)
{
    EXPECT_EQ((CBetrag(15000) * CBetrag(-10000)).Raw(), -15000);
    EXPECT_EQ((CBetrag(15000) * CBetrag(3333)).Raw(), 4999);   // 0,49995 cut
    EXPECT_EQ((CBetrag(-15000) * CBetrag(3333)).Raw(), -4999);
    EXPECT_EQ((CBetrag(10000) / CBetrag(30000)).Raw(), 3333);
    EXPECT_EQ((CBetrag(5) - CBetrag(7)).Raw(), -2);
    EXPECT_LT(CBetrag(-1).AsDouble(), 0.0);
}
