// Text forms of integers, doubles and booleans in the XML documents; they
// must not change with the process's locale.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "core/Konvertierung.h"

TEST(KonvertierungTest, Integers)
{
    EXPECT_EQ(IntToText(0), "0");
    EXPECT_EQ(IntToText(-42), "-42");
    EXPECT_EQ(TextToInt("123abc"), 123);
    EXPECT_EQ(TextToInt("-7"), -7);
    EXPECT_EQ(TextToInt("+7"), 7);
    EXPECT_EQ(TextToInt("abc"), 0);
    EXPECT_EQ(TextToInt(""), 0);
}

TEST(KonvertierungTest, DoublesTrimTrailingZerosAndSeparator)
{
    EXPECT_EQ(DoubleToText(1.5), "1.5");
    EXPECT_EQ(DoubleToText(2.0), "2");
    EXPECT_EQ(DoubleToText(100.0), "100");   // zeros before the point stay
    EXPECT_EQ(DoubleToText(0.0), "0");
    EXPECT_EQ(DoubleToText(16.0), "16");
    EXPECT_EQ(DoubleToText(7.25, ','), "7,25");
    EXPECT_EQ(DoubleToText(-0.5), "-0.5");
    EXPECT_EQ(DoubleToText(0.1234567), "0.123457"); // six decimals as "%lf"
    EXPECT_DOUBLE_EQ(TextToDouble("19.5"), 19.5);
    EXPECT_DOUBLE_EQ(TextToDouble(" -7.25x"), -7.25);
    EXPECT_DOUBLE_EQ(TextToDouble("abc"), 0.0);
}

TEST(KonvertierungTest, DoublesIgnoreAGermanLocale)
{
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE"))
        GTEST_SKIP() << "no German locale installed";
    const std::string text = DoubleToText(1.5);
    const double value = TextToDouble("2.75");
    std::setlocale(LC_NUMERIC, before.c_str());
    EXPECT_EQ(text, "1.5");
    EXPECT_DOUBLE_EQ(value, 2.75);
}

TEST(KonvertierungTest, BoolsLookOnlyAtALowerCaseT)
{
    EXPECT_EQ(BoolToText(true), "true");
    EXPECT_EQ(BoolToText(false), "false");
    EXPECT_TRUE(TextToBool("true"));
    EXPECT_TRUE(TextToBool("tx"));
    EXPECT_FALSE(TextToBool("True"));
    EXPECT_FALSE(TextToBool("false"));
    EXPECT_FALSE(TextToBool(""));
}
