#include "hosting/fontrecord.h"

#include <QFont>
#include <QStringList>

#include <cmath>
#include <mutex>

namespace platform {

namespace {

// Stored property sets name the fonts of the system they were made on. The
// metric-compatible stand-ins keep captions and labels the size their layout
// expects; fontconfig knows Arial and Courier New already, but not the
// dialog font, which would otherwise become a much wider sans serif.
void registerStandIns() {
    static std::once_flag once;
    std::call_once(once, [] {
        const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")};
        for (const char* dialogFont : {"MS Sans Serif", "Microsoft Sans Serif"})
            QFont::insertSubstitutions(QString::fromLatin1(dialogFont), sans);
    });
}

} // namespace

FontRecord FontRecord::named(const QString& name, double size) {
    FontRecord record;
    record.name = name;
    record.size = size;
    return record;
}

QFont FontRecord::toQFont() const {
    registerStandIns();
    QFont font(name);
    if (size > 0 && std::isfinite(size))
        font.setPointSizeF(size);
    int w = weight;
    if (bold && w < 600)
        w = 700;
    else if (!bold && w >= 600)
        w = 400;
    font.setWeight(static_cast<QFont::Weight>(qBound(1, w, 1000)));
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikethrough);
    return font;
}

FontRecord FontRecord::fromQFont(const QFont& font, int charset) {
    FontRecord record;
    record.name = font.family();
    record.size = font.pointSizeF() > 0 ? font.pointSizeF() : record.size;
    record.weight = font.weight();
    record.bold = record.weight >= 600;
    record.italic = font.italic();
    record.underline = font.underline();
    record.strikethrough = font.strikeOut();
    record.charset = charset;
    return record;
}

} // namespace platform
