// The byte/Unicode helper: every byte survives the round trip, the
// Windows extras land on the right characters, and text without a
// Windows-1252 form is refused rather than mangled.
#include "platform/Cp1252.h"
#include "platform/Cp1252Validator.h"

#include <gtest/gtest.h>

#include <QLineEdit>

TEST(Cp1252, AllBytesRoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const QString text = Cp1252::ToQString(all);
    ASSERT_EQ(text.size(), 256);
    const auto back = Cp1252::FromQString(text);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);

    // No two bytes share a character, or the round trip would have merged them.
    QSet<QChar> distinct(text.begin(), text.end());
    EXPECT_EQ(distinct.size(), 256);
}

TEST(Cp1252, WindowsExtrasAndLatin1)
{
    EXPECT_EQ(Cp1252::ToQString("\x80"), QStringLiteral("€"));
    EXPECT_EQ(Cp1252::ToQString("\x8A\x84\x93\x94\x96\x9F"), QStringLiteral("Š„“”–Ÿ"));
    EXPECT_EQ(Cp1252::ToQString("Fehler beim L\xF6schen \xDC\xE4\xDF"),
              QStringLiteral("Fehler beim Löschen Üäß"));
    EXPECT_EQ(Cp1252::FromQString(QStringLiteral("€ 5,00")), std::optional<std::string>("\x80 5,00"));
    EXPECT_EQ(Cp1252::FromQString(QStringLiteral("Ö")), std::optional<std::string>("\xD6"));
    EXPECT_EQ(Cp1252::FromQString(QStringLiteral("™")), std::optional<std::string>("\x99"));
}

TEST(Cp1252, UndefinedBytesBecomeTheirControlCharacters)
{
    for (unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(Cp1252::ToQString(one), QString(QChar(b))) << int(b);
        EXPECT_EQ(Cp1252::FromQString(QString(QChar(b))), std::optional<std::string>(one)) << int(b);
    }
}

TEST(Cp1252, UnrepresentableTextIsRefused)
{
    EXPECT_FALSE(Cp1252::FromQString(QStringLiteral("中")).has_value());
    EXPECT_FALSE(Cp1252::FromQString(QStringLiteral("Kasse 中 Bar")).has_value());
    EXPECT_FALSE(Cp1252::CanEncode(QStringLiteral("中")));
    // U+0080 is a control character, but byte 0x80 is "€": no byte for it.
    EXPECT_FALSE(Cp1252::FromQString(QString(QChar(0x80))).has_value());
    // Characters outside the BMP (surrogate pairs) and look-alikes such as
    // the Polish "ł" have no byte either.
    EXPECT_FALSE(Cp1252::FromQString(QStringLiteral("😀")).has_value());
    EXPECT_FALSE(Cp1252::FromQString(QStringLiteral("ł")).has_value());
}

TEST(Cp1252, EmptyTextAndNulBytes)
{
    EXPECT_TRUE(Cp1252::ToQString("").isEmpty());
    EXPECT_EQ(Cp1252::FromQString(QString()), std::optional<std::string>(""));
    const std::string withNul("a\0b", 3);
    EXPECT_EQ(Cp1252::FromQString(Cp1252::ToQString(withNul)), std::optional<std::string>(withNul));
}

TEST(Cp1252, ValidatorRefusesTypedAndPastedCharacters)
{
    QLineEdit edit;
    edit.setValidator(new Cp1252Validator(&edit));
    edit.insert(QStringLiteral("Grüße €"));
    EXPECT_EQ(edit.text(), QStringLiteral("Grüße €"));
    edit.insert(QStringLiteral("中"));
    EXPECT_EQ(edit.text(), QStringLiteral("Grüße €"));
}
