#pragma once
// A font as a control stores it: every attribute a stored font has, so that
// a font written into a property bag comes back exactly. QFont lacks the
// character set and keeps sizes in its own precision; the record keeps both.

#include <QFont>
#include <QMetaType>
#include <QString>

namespace platform {

struct FontRecord {
    QString name = QStringLiteral("MS Sans Serif");
    double size = 8.25; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    int weight = 400; // 100..900; 400 regular, 700 bold
    int charset = 0;  // 0 ANSI, 1 default, 2 symbol, ...

    bool operator==(const FontRecord&) const = default;

    // A regular font of the given name and size (weight 400, ANSI).
    static FontRecord named(const QString& name, double size);

    // Bold and weight agree in a QFont: bold means at least semi-bold.
    QFont toQFont() const;
    static FontRecord fromQFont(const QFont& font, int charset = 0);
};

} // namespace platform

Q_DECLARE_METATYPE(platform::FontRecord)
