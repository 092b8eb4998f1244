// The fade on a canvas that records what it is asked to do.

#include "fadetext.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

using fadecaption::fadeText;
using fadecaption::TextCanvas;

namespace {

struct Printed {
    vb::OleColor colour;
    QString text;
};

// Records the print position and every character with the colour it was
// printed in.
class RecordingCanvas : public TextCanvas {
public:
    std::optional<float> x;
    std::optional<float> y;
    std::vector<Printed> printed;
    // Operations in call order: "X", "Y", "C", "P".
    QString calls;

    void setCurrentX(vb::Single value) override {
        x = value;
        calls += 'X';
    }
    void setCurrentY(vb::Single value) override {
        y = value;
        calls += 'Y';
    }
    void setForeColor(vb::OleColor colour) override {
        colour_ = colour;
        calls += 'C';
    }
    void print(const QString& text) override {
        if (failOnPrint && printed.size() == *failOnPrint)
            throw vb::RuntimeError(482, "Printer error");
        printed.push_back({colour_, text});
        calls += 'P';
    }

    std::vector<vb::OleColor> colours() const {
        std::vector<vb::OleColor> result;
        for (const Printed& p : printed)
            result.push_back(p.colour);
        return result;
    }
    std::optional<size_t> failOnPrint;

private:
    vb::OleColor colour_ = 0xDEADBEEF;
};

// A canvas that has the position but neither colour nor print.
class PositionOnlyCanvas : public TextCanvas {
public:
    int positions = 0;
    void setCurrentX(vb::Single) override { ++positions; }
    void setCurrentY(vb::Single) override { ++positions; }
};

class NoPrintCanvas : public RecordingCanvas {
public:
    void print(const QString& text) override { TextCanvas::print(text); }
};

std::vector<vb::OleColor> reds(std::initializer_list<vb::OleColor> levels) {
    return std::vector<vb::OleColor>(levels);
}

std::vector<vb::OleColor> fade(const QString& text, vb::OleColor first, vb::OleColor second) {
    RecordingCanvas canvas;
    fadeText(canvas, 20, 20, text, first, second);
    return canvas.colours();
}

int errorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const vb::RuntimeError& error) {
        return error.number();
    }
    return 0;
}

} // namespace

TEST(FadeText, DevFadeRedToBlackRoundsEachCharacterHalfToEven) {
    RecordingCanvas canvas;
    fadeText(canvas, 20, 20, QStringLiteral("Dev Fade"), 255, 0);
    EXPECT_EQ(canvas.x, 20.0f);
    EXPECT_EQ(canvas.y, 20.0f);
    // The seventh step leaves -0.000009, which is 0, not -1 borrowing green.
    EXPECT_EQ(canvas.colours(), reds({255, 219, 182, 146, 109, 73, 36, 0}));
    QString text;
    for (const Printed& p : canvas.printed)
        text += p.text;
    EXPECT_EQ(text, QStringLiteral("Dev Fade"));
    EXPECT_EQ(canvas.printed.size(), 8u);
    EXPECT_EQ(canvas.calls, QStringLiteral("XYCPCPCPCPCPCPCPCP"));
}

TEST(FadeText, TiesGoToTheEvenNeighbour) {
    EXPECT_EQ(fade(QStringLiteral("abc"), 0, 255), reds({0, 128, 255}));
    EXPECT_EQ(fade(QStringLiteral("abcde"), 0, 255), reds({0, 64, 128, 191, 255}));
    EXPECT_EQ(fade(QStringLiteral("abc"), 0, 1), reds({0, 0, 1}));
}

TEST(FadeText, EndsHaveTheTwoColoursAndEqualColoursStayPut) {
    EXPECT_EQ(fade(QStringLiteral("ab"), 0x00FF00, 0x0000FF), reds({0x00FF00, 0x0000FF}));
    EXPECT_EQ(fade(QStringLiteral("same"), 0x336699, 0x336699),
              reds({0x336699, 0x336699, 0x336699, 0x336699}));
    EXPECT_EQ(fade(QStringLiteral("abc"), 0x000000, 0xFFFFFF),
              reds({0x000000, 0x808080, 0xFFFFFF}));
}

TEST(FadeText, SixteenCharactersBlackToBlueStepBySeventeen) {
    const std::vector<vb::OleColor> colours = fade(QStringLiteral("ABCDEFGHIJKLMNOP"), 0, 0xFF0000);
    ASSERT_EQ(colours.size(), 16u);
    for (size_t i = 0; i < colours.size(); ++i)
        EXPECT_EQ(colours[i], static_cast<vb::OleColor>(17 * i) << 16) << i;
}

TEST(FadeText, ColoursAreSplitFromTheirLow24Bits) {
    const fadecaption::Levels levels = fadecaption::splitColour(0x00123456);
    EXPECT_EQ(levels.red, 0x56);
    EXPECT_EQ(levels.green, 0x34);
    EXPECT_EQ(levels.blue, 0x12);
    const fadecaption::Levels flagged = fadecaption::splitColour(0x02123456);
    EXPECT_EQ(flagged.blue, 0x12);
}

TEST(FadeText, OneCharacterIsADivisionByZeroBeforeAnythingIsTouched) {
    RecordingCanvas canvas;
    EXPECT_EQ(errorOf([&] { fadeText(canvas, 20, 20, QStringLiteral("A"), 255, 0); }),
              vb::err::DivisionByZero);
    EXPECT_EQ(errorOf([&] { fadeText(canvas, 20, 20, QStringLiteral("A"), 7, 7); }),
              vb::err::DivisionByZero);
    EXPECT_TRUE(canvas.calls.isEmpty());
}

TEST(FadeText, EmptyTextSetsThePositionAndPrintsNothing) {
    RecordingCanvas canvas;
    fadeText(canvas, 3.5f, 4.25f, QString(), 255, 0);
    EXPECT_EQ(canvas.calls, QStringLiteral("XY"));
    EXPECT_EQ(canvas.x, 3.5f);
    EXPECT_EQ(canvas.y, 4.25f);
}

TEST(FadeText, TextBeyondTheSixteenBitCountOverflowsBeforeAnythingIsTouched) {
    RecordingCanvas canvas;
    EXPECT_EQ(errorOf([&] { fadeText(canvas, 0, 0, QString(32768, QLatin1Char('x')), 255, 0); }),
              vb::err::Overflow);
    EXPECT_TRUE(canvas.calls.isEmpty());
}

// The longest text is drawn whole and the call succeeds; the long drift of
// the running values never leaves 0..255 or touches another component.
TEST(FadeText, LongestTextIsDrawnWholeWithoutError) {
    RecordingCanvas canvas;
    EXPECT_EQ(errorOf([&] { fadeText(canvas, 0, 0, QString(32767, QLatin1Char('x')), 255, 0); }),
              0);
    ASSERT_EQ(canvas.printed.size(), 32767u);
    EXPECT_EQ(canvas.printed.front().colour, 255u);
    EXPECT_LE(canvas.printed.back().colour, 1u);
    for (const Printed& p : canvas.printed)
        ASSERT_EQ(p.colour & 0xFFFF00u, 0u);
}

TEST(FadeText, SurrogatePairIsOneCharacter) {
    RecordingCanvas canvas;
    const QString text =
        QStringLiteral("a") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("b");
    fadeText(canvas, 0, 0, text, 0, 254);
    ASSERT_EQ(canvas.printed.size(), 3u);
    EXPECT_EQ(canvas.printed[1].text.size(), 2);
    EXPECT_EQ(canvas.colours(), reds({0, 127, 254}));
    // A lone surrogate is a character of its own.
    EXPECT_EQ(fadecaption::fadeCharacters(QString(QChar(0xD800)) + QStringLiteral("z")).size(), 2);
}

TEST(FadeText, CanvasWithoutAnOperationFailsWithItsOwnError) {
    PositionOnlyCanvas positionOnly;
    EXPECT_EQ(errorOf([&] { fadeText(positionOnly, 0, 0, QStringLiteral("ab"), 0, 0); }),
              vb::err::NotSupported);
    EXPECT_EQ(positionOnly.positions, 2);

    NoPrintCanvas noPrint;
    EXPECT_EQ(errorOf([&] { fadeText(noPrint, 0, 0, QStringLiteral("ab"), 0, 0); }),
              vb::err::NotSupported);
    EXPECT_EQ(noPrint.calls, QStringLiteral("XYC"));

    struct Nothing : TextCanvas {
    } nothing;
    EXPECT_EQ(errorOf([&] { fadeText(nothing, 0, 0, QStringLiteral("ab"), 0, 0); }),
              vb::err::NotSupported);
}

TEST(FadeText, CharactersPrintedBeforeAFailureStayPrinted) {
    RecordingCanvas canvas;
    canvas.failOnPrint = 2;
    EXPECT_EQ(errorOf([&] { fadeText(canvas, 0, 0, QStringLiteral("abcd"), 0, 0); }), 482);
    ASSERT_EQ(canvas.printed.size(), 2u);
    EXPECT_EQ(canvas.printed[1].text, QStringLiteral("b"));
}
