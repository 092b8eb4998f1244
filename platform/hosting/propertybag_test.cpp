#include "hosting/propertybag.h"

#include <QColor>

#include <QFontInfo>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace platform;

namespace {

int errorOf(const std::function<void()>& call) {
    return vb::errorRaisedBy(call);
}

PropertyBag roundTrip(const PropertyBag& bag) {
    QStringList problems;
    PropertyBag back = PropertyBag::fromText(bag.toText(), &problems);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
    return back;
}

const FontRecord kArial = FontRecord::named(QStringLiteral("Arial"), 9.75);

} // namespace

TEST(PropertyBag, DefaultsAreNotStoredAndAbsentKeysYieldThem) {
    PropertyBag bag;
    bag.writeString(QStringLiteral("Caption"), QStringLiteral("Dev Fade"),
                    QStringLiteral("Dev Fade"));
    bag.writeColor(QStringLiteral("Color1"), 0, 255);
    bag.writeBoolean(QStringLiteral("Enabled"), true, true);
    bag.writeFont(QStringLiteral("Font"), kArial, kArial);
    EXPECT_EQ(bag.keys(), QStringList{QStringLiteral("Color1")});
    EXPECT_EQ(bag.readString(QStringLiteral("Caption"), QStringLiteral("Dev Fade")),
              QStringLiteral("Dev Fade"));
    EXPECT_EQ(bag.readColor(QStringLiteral("Color1"), 255), 0u);
    EXPECT_EQ(bag.readFont(QStringLiteral("Font"), kArial), kArial);
    EXPECT_EQ(bag.readInteger(QStringLiteral("Align"), 0), 0);
    // Text compares exactly: another case is another value.
    bag.writeString(QStringLiteral("Caption"), QStringLiteral("dev fade"),
                    QStringLiteral("Dev Fade"));
    EXPECT_TRUE(bag.contains(QStringLiteral("Caption")));
}

TEST(PropertyBag, WritingTheDefaultRemovesAnOlderValue) {
    PropertyBag bag;
    bag.writeLong(QStringLiteral("Size"), 3, 0);
    bag.writeLong(QStringLiteral("Other"), 1, 0);
    bag.writeLong(QStringLiteral("Size"), 4, 0);
    EXPECT_EQ(bag.keys(), (QStringList{QStringLiteral("Size"), QStringLiteral("Other")}));
    EXPECT_EQ(bag.readLong(QStringLiteral("Size"), 0), 4);
    bag.writeLong(QStringLiteral("Size"), 0, 0);
    EXPECT_FALSE(bag.contains(QStringLiteral("Size")));
    EXPECT_EQ(bag.readLong(QStringLiteral("Size"), 9), 9);
}

TEST(PropertyBag, ReadsAndWritesAreLoggedInCallOrder) {
    PropertyBag bag;
    bag.writeBoolean(QStringLiteral("Enabled"), true, true);
    bag.writeColor(QStringLiteral("Color1"), 1, 255);
    bag.readColor(QStringLiteral("Color2"), 0);
    bag.readBoolean(QStringLiteral("Enabled"), true);
    EXPECT_EQ(bag.writtenKeys(),
              (QStringList{QStringLiteral("Enabled"), QStringLiteral("Color1")}));
    EXPECT_EQ(bag.readKeys(), (QStringList{QStringLiteral("Color2"), QStringLiteral("Enabled")}));
    EXPECT_EQ(bag.log().size(), 4);
    EXPECT_EQ(bag.log()[2],
              (PropertyBag::Access{PropertyBag::Access::Read, QStringLiteral("Color2")}));
    bag.clearLog();
    EXPECT_TRUE(bag.log().isEmpty());
}

TEST(PropertyBag, StoredValuesConvertToTheDefaultsTypeOrRaise) {
    PropertyBag bag;
    bag.set(QStringLiteral("Number"), QStringLiteral("12"));
    bag.set(QStringLiteral("Word"), QStringLiteral("twelve"));
    bag.set(QStringLiteral("Big"), 70000);
    bag.set(QStringLiteral("Half"), 2.5);
    bag.set(QStringLiteral("Yes"), QStringLiteral("true"));
    bag.set(QStringLiteral("Font"), QVariant::fromValue(kArial));
    bag.set(QStringLiteral("FontName"), QStringLiteral("Courier New"));
    EXPECT_EQ(bag.readInteger(QStringLiteral("Number"), 0), 12);
    EXPECT_EQ(bag.readInteger(QStringLiteral("Half"), 0), 2);
    EXPECT_TRUE(bag.readBoolean(QStringLiteral("Yes"), false));
    EXPECT_EQ(bag.readInteger(QStringLiteral("Yes"), 0), -1);
    EXPECT_EQ(bag.readString(QStringLiteral("Font"), {}), QStringLiteral("Arial"));
    const FontRecord fallback = FontRecord::named(QStringLiteral("Arial"), 14);
    const FontRecord named = bag.readFont(QStringLiteral("FontName"), fallback);
    EXPECT_EQ(named.name, QStringLiteral("Courier New"));
    EXPECT_EQ(named.size, 14);

    EXPECT_EQ(errorOf([&] { bag.readInteger(QStringLiteral("Word"), 0); }), vb::err::TypeMismatch);
    EXPECT_EQ(errorOf([&] { bag.readBoolean(QStringLiteral("Word"), false); }),
              vb::err::TypeMismatch);
    EXPECT_EQ(errorOf([&] { bag.readInteger(QStringLiteral("Big"), 0); }), vb::err::Overflow);
    EXPECT_EQ(errorOf([&] { bag.readFont(QStringLiteral("Big"), kArial); }), vb::err::TypeMismatch);
    EXPECT_EQ(errorOf([&] { bag.readColor(QStringLiteral("Font"), 0); }), vb::err::TypeMismatch);
    // A failed read changes nothing.
    EXPECT_EQ(bag.readLong(QStringLiteral("Big"), 0), 70000);
}

TEST(PropertyBag, OnlyStorableTypesAreAccepted) {
    PropertyBag bag;
    EXPECT_EQ(errorOf([&] { bag.write(QStringLiteral("C"), QColor(Qt::red), QVariant()); }),
              vb::err::TypeMismatch);
    EXPECT_EQ(errorOf([&] { bag.set(QStringLiteral("C"), QVariant()); }), vb::err::TypeMismatch);
    EXPECT_TRUE(bag.isEmpty());
}

TEST(PropertyBagText, FontsColoursAndNumbersComeBackExactly) {
    PropertyBag bag;
    FontRecord odd;
    odd.name = QStringLiteral("Times New Roman; \"Bold\" {x}");
    odd.size = 10.123456789012345;
    odd.bold = true;
    odd.italic = true;
    odd.underline = true;
    odd.strikethrough = true;
    odd.weight = 650;
    odd.charset = 2;
    bag.set(QStringLiteral("Font"), QVariant::fromValue(odd));
    bag.set(QStringLiteral("Plain"), QVariant::fromValue(kArial));
    bag.set(QStringLiteral("BackColor"), QVariant::fromValue(vb::OleColor{0x8000000F}));
    bag.set(QStringLiteral("White"), QVariant::fromValue(vb::OleColor{0xFFFFFFFF}));
    bag.set(QStringLiteral("Black"), QVariant::fromValue(vb::OleColor{0}));
    bag.set(QStringLiteral("Align"), QVariant::fromValue(vb::Integer{-32768}));
    bag.set(QStringLiteral("Count"), QVariant::fromValue(vb::Long{-2147483647 - 1}));
    bag.set(QStringLiteral("Huge"), QVariant::fromValue(qlonglong{1} << 40));
    bag.set(QStringLiteral("Tenth"), 0.1);
    bag.set(QStringLiteral("Tiny"), 5e-324);
    bag.set(QStringLiteral("Single"), QVariant::fromValue(1.1f));
    bag.set(QStringLiteral("Infinite"), -std::numeric_limits<double>::infinity());
    bag.set(QStringLiteral("On"), true);

    const PropertyBag back = roundTrip(bag);
    EXPECT_EQ(back.keys(), bag.keys());
    for (const QString& key : bag.keys()) {
        SCOPED_TRACE(key.toStdString());
        EXPECT_EQ(back.stored(key).metaType(), bag.stored(key).metaType());
        if (key.contains(QLatin1String("Font")) || key == QLatin1String("Plain"))
            EXPECT_EQ(back.stored(key).value<FontRecord>(), bag.stored(key).value<FontRecord>());
        else
            EXPECT_EQ(back.stored(key), bag.stored(key));
    }
    EXPECT_TRUE(bag.toText().contains(QLatin1String("BackColor = &H8000000F&\n")));
    EXPECT_EQ(back.toText(), bag.toText());
}

TEST(PropertyBagText, AwkwardStringsAndKeysSurvive) {
    const QString texts[] = {
        QString(),
        QStringLiteral("  spaced  "),
        QStringLiteral("say \"hi\" \\ back\\slash"),
        QStringLiteral("line\nbreak\r\nand\ttab"),
        QStringLiteral("= &H1& True 12 Font{Name=\"x\"}"),
        QString::fromUtf8("Grüße, Ελληνικά, 日本語, 😀"),
        QString(QChar(0)) + QChar(0x1b) + QChar(0x7f) + QChar(0x85) + QChar(0x2028),
        QString(QChar(0xD800)) + QStringLiteral("lone") + QChar(0xDC00), // unpaired surrogates
    };
    PropertyBag bag;
    int n = 0;
    for (const QString& text : texts)
        bag.set(QStringLiteral("Text%1").arg(n++), text);
    bag.set(QStringLiteral("with space"), 1);
    bag.set(QStringLiteral("a=b"), 2);
    bag.set(QString(), 3);
    bag.set(QStringLiteral("\"quoted\""), 4);

    const QString text = bag.toText();
    EXPECT_EQ(text.count(QLatin1Char('\n')), bag.size());  // one entry per line
    EXPECT_TRUE(QString::fromUtf8(text.toUtf8()) == text); // survives a UTF-8 file
    const PropertyBag back = roundTrip(bag);
    EXPECT_EQ(back.keys(), bag.keys());
    for (const QString& key : bag.keys())
        EXPECT_EQ(back.stored(key), bag.stored(key)) << key.toStdString();
}

TEST(PropertyBagText, DamageIsKeptReportedAndRaisedOnRead) {
    const QString text = QStringLiteral("Caption = \"Hello\"\r\n"
                                        "garbage without an equals sign\n"
                                        "\n"
                                        "Color1 = &H1234567890&\n"
                                        "Font = Font{Name=\"Arial\"; Colour=Red}\n"
                                        "Open = \"unterminated\n"
                                        "Escape = \"bad \\q escape\"\n"
                                        "Align = 40000%\n"
                                        "bad key = 1\n"
                                        "Caption = \"Again\"\n"
                                        "Enabled = False\n");
    QStringList problems;
    PropertyBag bag = PropertyBag::fromText(text, &problems);
    EXPECT_EQ(bag.keys(),
              (QStringList{"Caption", "Color1", "Font", "Open", "Escape", "Align", "Enabled"}));
    EXPECT_EQ(problems.size(), 8) << problems.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(problems.first().startsWith(QLatin1String("line 2:")));
    EXPECT_EQ(bag.readString(QStringLiteral("Caption"), {}), QStringLiteral("Again"));
    EXPECT_FALSE(bag.readBoolean(QStringLiteral("Enabled"), true));
    for (const char* key : {"Color1", "Font", "Open", "Escape", "Align"}) {
        EXPECT_EQ(errorOf([&] { bag.read(QString::fromLatin1(key), 0); }), vb::err::TypeMismatch)
            << key;
        EXPECT_FALSE(bag.stored(QString::fromLatin1(key)).isValid());
    }
    // Written back, a damaged value keeps its text for a later repair.
    const QString again = bag.toText();
    EXPECT_TRUE(again.contains(QLatin1String("Color1 = &H1234567890&\n")));
    EXPECT_TRUE(again.contains(QLatin1String("Open = \"unterminated\n")));
    // A write repairs it.
    bag.writeColor(QStringLiteral("Color1"), 5, 0);
    EXPECT_EQ(bag.readColor(QStringLiteral("Color1"), 0), 5u);
}

TEST(PropertyBagText, HandWrittenNumbersAreLenient) {
    PropertyBag bag = PropertyBag::fromText(
        QStringLiteral("A = 7\nB = -3.5\nC = 1e3\nD = &hff\nE = true\nF = 2.5!\nG = 12%\n"));
    EXPECT_EQ(bag.stored(QStringLiteral("A")).metaType().id(), QMetaType::Int);
    EXPECT_EQ(bag.stored(QStringLiteral("B")).toDouble(), -3.5);
    EXPECT_EQ(bag.stored(QStringLiteral("C")).toDouble(), 1000.0);
    EXPECT_EQ(bag.readColor(QStringLiteral("D"), 0), 255u);
    EXPECT_TRUE(bag.readBoolean(QStringLiteral("E"), false));
    EXPECT_EQ(bag.stored(QStringLiteral("F")).metaType().id(), QMetaType::Float);
    EXPECT_EQ(bag.stored(QStringLiteral("G")).metaType().id(), QMetaType::Short);
}

TEST(FontRecord, TheDialogFontResolvesToItsMetricCompatibleStandIn) {
    const QFont font = platform::FontRecord::named(QStringLiteral("MS Sans Serif"), 8.25).toQFont();
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
}

TEST(FontRecord, QFontKeepsBoldAndWeightInAgreement) {
    FontRecord record = FontRecord::named(QStringLiteral("Arial"), 9.75);
    record.bold = true;
    EXPECT_TRUE(record.toQFont().bold());
    EXPECT_DOUBLE_EQ(record.toQFont().pointSizeF(), 9.75);
    record.bold = false;
    record.weight = 700;
    EXPECT_FALSE(record.toQFont().bold());
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(12);
    font.setBold(true);
    font.setUnderline(true);
    const FontRecord back = FontRecord::fromQFont(font);
    EXPECT_EQ(back.name, QStringLiteral("Courier New"));
    EXPECT_TRUE(back.bold);
    EXPECT_EQ(back.weight, 700);
    EXPECT_TRUE(back.underline);
    EXPECT_FALSE(back.italic);
}
