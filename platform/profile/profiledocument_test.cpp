// The rules of the file format, on documents in memory.

#include "profile/profiledocument.h"
#include "profile/textencoding.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

using namespace platform::profile;

namespace {

QByteArray afterWrite(QByteArray bytes, const QString& section, const KeyValueList& entries) {
    ProfileDocument document(std::move(bytes));
    document.setValues(section, entries);
    return document.bytes();
}

QByteArray afterRemove(QByteArray bytes, const QString& section) {
    ProfileDocument document(std::move(bytes));
    document.removeSection(section);
    return document.bytes();
}

} // namespace

TEST(ProfileDocument, ReadsHandEditedLines) {
    const ProfileDocument document("junk=1\n[S]\n  Key = \"quoted\"  \n;Key=comment\n"
                                   "no equals\n[S]\nKey=second\n[T]\nA=='b'\nB=\"x'\n");
    EXPECT_EQ(document.value(u"s", u"KEY"), "quoted");
    EXPECT_EQ(document.value(u"T", u"a"), "='b'");
    EXPECT_EQ(document.value(u"T", u"B"), "\"x'");
    EXPECT_EQ(document.value(u"S", u"no equals"), std::nullopt);
    EXPECT_EQ(document.value(u"S", u"junk"), std::nullopt);
    EXPECT_EQ(document.value(u"S", u";Key"), std::nullopt);
    EXPECT_EQ(document.sectionNames(), QStringList({"S", "S", "T"}));
}

TEST(ProfileDocument, SectionNameRunsToLastBracketOfItsLine) {
    const ProfileDocument document("[a]b] x\r\n\t[ [c] ]\r\n[no end\r\nk=v\r\n[]\r\n");
    EXPECT_EQ(document.sectionNames(), QStringList({"a]b", "[c]", ""}));
    // A "[" line without "]" opens nothing: what follows it stays in the
    // section above, and so it does when that section is rewritten.
    EXPECT_EQ(document.value(u"[C]", u"k"), "v");
    EXPECT_EQ(document.value(u"no end", u"k"), std::nullopt);
    EXPECT_EQ(afterWrite("[A]\n[B\nk=1\n[C]\n", "A", {{"k", "2"}}), "[A]\n[B\nk=2\n[C]\n");
    EXPECT_EQ(afterRemove("[A]\n[B\nk=1\n[C]\n", "a"), "[C]\n");
}

TEST(ProfileDocument, CtrlZIsNeitherNameNorValue) {
    const ProfileDocument document("[A]\r\nk=\x1A 1 \x1A\r\nq=\"\x1A\"\r\n\x1A[B\x1A]\r\nx=2\x1A");
    EXPECT_EQ(document.sectionNames(), QStringList({"A", "B"}));
    EXPECT_EQ(document.value(u"A", u"k"), "1");
    EXPECT_EQ(document.value(u"A", u"q"), "\x1A");
    EXPECT_EQ(document.value(u"b", u"x"), "2");
    // A value with the mark at its ends is written so that it reads back.
    EXPECT_EQ(ProfileDocument(afterWrite("", "S", {{"k", "\x1A"}})).value(u"S", u"k"), "\x1A");
    // A new section goes in front of the marks that end the file.
    EXPECT_EQ(afterWrite("[A]\r\nk=1\r\n\x1A", "B", {{"x", "2"}}),
              "[A]\r\nk=1\r\n[B]\r\nx=2\r\n\x1A");
    EXPECT_EQ(afterWrite("[A]\r\nk=1\x1A\x1A", "B", {{"x", "2"}}),
              "[A]\r\nk=1\r\n[B]\r\nx=2\r\n\x1A\x1A");
    EXPECT_EQ(afterWrite("\x1A", "B", {{"x", "2"}}), "[B]\r\nx=2\r\n\x1A");
    EXPECT_EQ(afterWrite("[A]\r\nk=1\x1A", "A", {{"k", "5"}}), "[A]\r\nk=5");
}

namespace {

QByteArray wide(QStringConverter::Encoding encoding, const QString& text) {
    QStringEncoder encoder(encoding);
    const QByteArray mark = encoding == QStringConverter::Utf16LE ? "\xFF\xFE" : "\xFE\xFF";
    return mark + QByteArray(encoder.encode(text));
}

} // namespace

TEST(ProfileDocument, Utf16FilesReadAndStayUtf16) {
    const QString text = "; Unicode\r\n[Caf\u00e9]\r\nObjName=\u65e5\u672c\U0001F600\r\n"
                         "SliderValueR = 12 \r\n[Plain]\r\nk=v\r\n";
    for (const auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
        const QByteArray file = wide(encoding, text);
        const ProfileDocument document(file);
        EXPECT_TRUE(document.canRewrite());
        EXPECT_EQ(document.bytes(), file);
        EXPECT_EQ(document.sectionNames(), QStringList({"Caf\u00e9", "Plain"}));
        EXPECT_EQ(document.value(u"CAF\u00c9", u"objname"), "\u65e5\u672c\U0001F600");
        EXPECT_EQ(document.value(u"caf\u00e9", u"SliderValueR"), "12");

        QString expected = text;
        expected.replace("= 12 ", "= 7").append("[\u0100]\r\nk=\u00e9\r\n");
        EXPECT_EQ(afterWrite(afterWrite(file, "Caf\u00c9", {{"SliderValueR", "7"}}), "\u0100",
                             {{"k", "\u00e9"}}),
                  wide(encoding, expected));
        EXPECT_EQ(afterRemove(file, "Plain"), wide(encoding, text.left(text.indexOf("[Plain]"))));
    }
}

TEST(ProfileDocument, MalformedUtf16ReadsButIsNotRewritten) {
    const QByteArray odd = wide(QStringConverter::Utf16LE, "[A]\r\nk=1\r\n") + 'x';
    const QByteArray halfPair =
        wide(QStringConverter::Utf16LE, "[A]\r\nk=1\r\n") + QByteArray("\x00\xD8", 2);
    for (const QByteArray& file : {odd, halfPair}) {
        const ProfileDocument document(file);
        EXPECT_FALSE(document.canRewrite());
        EXPECT_EQ(document.value(u"A", u"k"), "1");
    }
}

TEST(ProfileDocument, AllLineEndingsRead) {
    for (const char* lineBreak : {"\n", "\r\n", "\r"}) {
        const QByteArray bytes =
            QByteArray("[A]") + lineBreak + "k=1" + lineBreak + "[B]" + lineBreak + "k=2";
        const ProfileDocument document(bytes);
        EXPECT_EQ(document.value(u"A", u"k"), "1") << lineBreak;
        EXPECT_EQ(document.value(u"B", u"k"), "2") << lineBreak;
    }
}

TEST(ProfileDocument, RewritesInPlaceAndKeepsEveryOtherLine) {
    const QByteArray before = ";c\n[S]\nA = old  \n\n; note\nz\n[S]\nA=dup\n";
    EXPECT_EQ(afterWrite(before, "s", {{"a", "new"}}),
              ";c\n[S]\nA = new\n\n; note\nz\n[S]\nA=dup\n");
    // A new key goes at the end of the section: after its last line that is
    // not blank, whatever that line is.
    EXPECT_EQ(afterWrite(before, "S", {{"B", "2"}}),
              ";c\n[S]\nA = old  \n\n; note\nz\nB=2\n[S]\nA=dup\n");
    EXPECT_EQ(afterWrite("[S]\r\n\r\n[T]\r\n", "S", {{"B", "2"}}), "[S]\r\nB=2\r\n\r\n[T]\r\n");
}

TEST(ProfileDocument, NewKeyGoesAfterTheCommentsThatEndItsSection) {
    // Comment lines of either kind at the end of a section stay in front of
    // a new key; blank lines behind them stay in front of the next section.
    EXPECT_EQ(afterWrite("[S]\r\nA=1\r\n; about A\r\n# and more\r\n\r\n[T]\r\nA=2\r\n", "S",
                         {{"B", "2"}, {"a", "3"}}),
              "[S]\r\nA=3\r\n; about A\r\n# and more\r\nB=2\r\n\r\n[T]\r\nA=2\r\n");
    // A section of comments only, and one whose comment ends the file
    // without a line break.
    EXPECT_EQ(afterWrite("[S]\n;only a note\n  \n", "S", {{"k", "v"}}),
              "[S]\n;only a note\nk=v\n  \n");
    EXPECT_EQ(afterWrite("[S]\nA=1\n#last", "S", {{"k", "v"}}), "[S]\nA=1\n#last\nk=v\n");
    // What is written reads back, and the comment stays a comment.
    const ProfileDocument document(afterWrite("[S]\nA=1\n;B=9\n\n", "S", {{"B", "2"}}));
    EXPECT_EQ(document.value(u"S", u"B"), "2");
    EXPECT_EQ(document.bytes(), "[S]\nA=1\n;B=9\nB=2\n\n");
}

TEST(ProfileDocument, NewLinesFollowTheFile) {
    EXPECT_EQ(afterWrite("", "S", {{"k", "v"}}), "[S]\r\nk=v\r\n");
    EXPECT_EQ(afterWrite("[A]\rx=1", "S", {{"k", "v"}}), "[A]\rx=1\r[S]\rk=v\r");
    EXPECT_EQ(afterWrite("[A]\nx=1", "a", {{"k", "v"}}), "[A]\nx=1\nk=v\n");
    EXPECT_EQ(afterWrite("[A]", "a", {{"k", "v"}}), "[A]\r\nk=v\r\n");
    EXPECT_EQ(afterWrite("\xEF\xBB\xBF", "S", {{"k", "v"}}), "\xEF\xBB\xBF[S]\r\nk=v\r\n");
}

TEST(ProfileDocument, BatchEqualsSingleWritesInSequence) {
    const QByteArray before = "[S]\nA=1\nB=2\n\n[T]\nA=3\n";
    const KeyValueList entries = {{"b", "x"}, {"C", "new"}, {"A", ""}, {"c", "again"}, {"B", "y"}};
    QByteArray sequential = before;
    for (const KeyValue& entry : entries)
        sequential = afterWrite(sequential, "S", {entry});
    EXPECT_EQ(afterWrite(before, "S", entries), sequential);
    EXPECT_EQ(sequential, "[S]\nA=\nB=y\nC=again\n\n[T]\nA=3\n");
}

TEST(ProfileDocument, RemovesFirstSectionWithAllItsLines) {
    const QByteArray before = "k=0\n[A]\na=1\n; c\n\n[a]\na=2\n[B]\nb=1";
    EXPECT_EQ(afterRemove(before, " A "), "k=0\n[a]\na=2\n[B]\nb=1");
    EXPECT_EQ(afterRemove(before, "b"), "k=0\n[A]\na=1\n; c\n\n[a]\na=2\n");
    ProfileDocument document(before);
    EXPECT_FALSE(document.removeSection(u"missing"));
    EXPECT_EQ(document.bytes(), before);
}

TEST(ProfileDocument, ValuesRoundTripExactly) {
    for (const QStringView value :
         {u"", u" a", u"a ", u"\"q\"", u"'", u"\"", u"''", u"\"a", u"a'", u"\t", u"=x=", u"[x]",
          u";x", u"\x01", u"\u00e9\u20ac", u"\u65e5", u"\U0001F600", u"\u0081", u"\uFEFFx"}) {
        const ProfileDocument document(
            afterWrite("[S]\r\nk=old\r\n", "S", {{"k", value.toString()}}));
        EXPECT_EQ(document.value(u"S", u"k"), value.toString()) << value.toString().toStdString();
    }
}

TEST(ProfileDocument, NamesCompareWithoutCaseAcrossEncodings) {
    const ProfileDocument codePage("[Caf\xE9 \xC0]\r\nK=1\r\n");
    EXPECT_EQ(codePage.value(u"CAF\u00c9 \u00e0", u"k"), "1");
    const ProfileDocument utf8("[Stra\xC3\x9F"
                               "e]\nK=1\n");
    EXPECT_EQ(utf8.value(u"STRA\u00dfE", u"K"), "1");
    EXPECT_EQ(utf8.sectionNames(), QStringList({"Stra\u00dfe"}));
}

TEST(ProfileDocument, KeepsTheCodePageWhileItCanHoldTheText) {
    EXPECT_EQ(afterWrite("", "Caf\u00e9", {{"k", "\u20ac"}}), "[Caf\xE9]\r\nk=\x80\r\n");
    EXPECT_EQ(afterWrite("[A]\r\nk=\xE9\r\n", "A", {{"j", "\u0160"}}),
              "[A]\r\nk=\xE9\r\nj=\x8A\r\n");
    // Text beyond the code page turns the whole file into UTF-8.
    EXPECT_EQ(afterWrite("[A]\r\nk=\xE9\r\n", "A", {{"j", "\u65e5"}}),
              "[A]\r\nk=\xC3\xA9\r\nj=\xE6\x97\xA5\r\n");
}

TEST(ProfileDocument, CodePageTextThatWouldReadAsUtf8IsStoredAsUtf8) {
    // "Ã©" in the code page is the UTF-8 form of "é".
    const ProfileDocument written(afterWrite("[A]\r\n", "A", {{"k", "\u00c3\u00a9"}}));
    EXPECT_EQ(written.value(u"A", u"k"), "\u00c3\u00a9");
    // Deleting the only byte that was not UTF-8 must not change the rest.
    const ProfileDocument removed(afterRemove("[A]\r\nk=\xE9\r\n[B]\r\nk=\xC3\xA9\r\n", "A"));
    EXPECT_EQ(removed.value(u"B", u"k"), "\u00c3\u00a9");
}

TEST(TextEncoding, CodePageTableRoundTrips) {
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(static_cast<char>(byte));
    const QString text = decodeWindows1252(all);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    EXPECT_EQ(text[0x8D], QChar(0x008D));
    EXPECT_EQ(encodeWindows1252(text), all);
    EXPECT_EQ(encodeWindows1252(u"\u0100"), std::nullopt);
}

TEST(TextEncoding, DetectsOnlyWellFormedUtf8) {
    EXPECT_EQ(detectEncoding("plain", false), TextEncoding::Ascii);
    EXPECT_EQ(detectEncoding("plain", true), TextEncoding::Utf8);
    EXPECT_EQ(detectEncoding("\xC3\xA9\xF0\x9F\x98\x80", false), TextEncoding::Utf8);
    for (const char* bad : {"\xE9", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE6\x97",
                            "\xC3\xA9\xBF", "0123456789\xFF"})
        EXPECT_EQ(detectEncoding(bad, false), TextEncoding::Windows1252) << bad;
    EXPECT_EQ(detectEncoding("Dawn \xC7", true), TextEncoding::Windows1252);
}

TEST(ProfileDocument, ListedNamesOfAMarkedFileThatIsNotUtf8AreFoundAgain) {
    const QByteArray file = "\xEF\xBB\xBF[Dawn \xC7]\r\nk=1\r\n[Dawn]\r\nk=2\r\n";
    const QStringList names = ProfileDocument(file).sectionNames();
    ASSERT_EQ(names, QStringList({"Dawn \u00c7", "Dawn"}));
    EXPECT_EQ(ProfileDocument(file).value(names[0], u"k"), "1");
    // What is left is UTF-8 now: it is stored as such, behind the same mark.
    EXPECT_EQ(afterRemove(file, names[0]), "\xEF\xBB\xBF[Dawn]\r\nk=2\r\n");
    const QByteArray kept = "\xEF\xBB\xBF[\xC7]\r\n[Dawn]\r\nk=2\r\n";
    EXPECT_EQ(afterRemove(kept, "Dawn"), "\xEF\xBB\xBF[\xC7]\r\n");
    // Text the code page cannot hold converts the file behind its one mark.
    EXPECT_EQ(afterWrite(kept, "Dawn", {{"k", "\u0100"}}),
              "\xEF\xBB\xBF[\xC3\x87]\r\n[Dawn]\r\nk=\xC4\x80\r\n");
}

// Large files are sifted in blocks of bytes: section lines at every offset
// within a block, "[" that opens no section, and long names that differ in
// one letter or only in case.
TEST(ProfileDocument, FindsEverySectionOfALargeFileWhereverItsLineFalls) {
    QByteArray file = "\xEF\xBB\xBF[First Section Name]\n";
    QStringList expected = {"First Section Name"};
    for (int i = 0; i < 150; ++i) {
        const QByteArray name = "Library Style " + QByteArray::number(i) + "x";
        file += QByteArray(i % 67, 'p') + "=[not a section]\r\n";
        file += "\x01[not one either]\n";
        file += QByteArray(i % 3, ' ') + (i % 2 ? "\t[" : "[") + name + "]\r";
        file += "Key=" + QByteArray::number(i) + "\n";
        expected.append(QString::fromLatin1(name));
    }
    file += "[Stra\xC3\x9F"
            "e Long Name]\nKey=s\n[LIBRARY STYLE 7X]\nKey=again\n[Tail]";
    expected.append({"Stra\u00dfe Long Name", "LIBRARY STYLE 7X", "Tail"});

    const ProfileDocument document(file);
    EXPECT_EQ(document.sectionNames(), expected);
    for (int i = 0; i < 150; ++i) {
        const QString name = "LIBRARY style " + QString::number(i) + "X";
        EXPECT_EQ(document.value(name, u"key"), QString::number(i)) << i;
    }
    EXPECT_EQ(document.value(u"Library Style 1y", u"Key"), std::nullopt);
    EXPECT_EQ(document.value(u"Library Style 1", u"Key"), std::nullopt);
    EXPECT_EQ(document.value(u"first section name", u"Key"), std::nullopt);
    EXPECT_EQ(document.value(u"STRASSE long name", u"key"), std::nullopt);
    EXPECT_EQ(document.value(u"stra\u00dfe LONG name", u"key"), "s");
}
