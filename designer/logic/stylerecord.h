#pragma once
// One style as the style library stores it: fourteen keys of one section,
// each with its place in a save and in a load, its text form and what a load
// does with a value that is missing or unusable. Saving and loading both go
// through the one table below, so each key's name is written down only there.

#include "core/vb.h"
#include "profile/profiledocument.h"

#include <QString>

#include <array>
#include <optional>

namespace designer {

// In the order of a save.
enum class StyleKey {
    SliderValueR,
    SliderValueG,
    SliderValueB,
    SliderValueN,
    SliderValueStart,
    SliderValueStop,
    SliderValueBand,
    OptValue0,
    OptValue1,
    ObjName,
    ModLine,
    MoreXR,
    MoreXG,
    MoreXB,
};
inline constexpr int styleKeyCount = 14;

enum class TextForm {
    Integer, // plain decimal digits: "138"
    YesNo,   // "True" or "False"
    Text,    // as typed, possibly empty
};

enum class Fallback {
    KeepControl, // missing or unusable: the control keeps its value
    ObjectName,  // empty or missing: "[OBJECT]", once the load is done
    ModLineOne,  // missing, not a number or below 1: 1, once the load is done
    DivisorOne,  // missing, not a number or not above 0: taken as 1
};

struct StyleKeyInfo {
    StyleKey key;
    const char* name;
    int loadPosition; // 0 for the first key a load reads
    TextForm form;
    Fallback fallback;
};

inline constexpr std::array<StyleKeyInfo, styleKeyCount> styleKeys = {{
    {StyleKey::SliderValueR, "SliderValueR", 0, TextForm::Integer, Fallback::KeepControl},
    {StyleKey::SliderValueG, "SliderValueG", 1, TextForm::Integer, Fallback::KeepControl},
    {StyleKey::SliderValueB, "SliderValueB", 2, TextForm::Integer, Fallback::KeepControl},
    {StyleKey::SliderValueN, "SliderValueN", 3, TextForm::Integer, Fallback::KeepControl},
    {StyleKey::SliderValueStart, "SliderValueStart", 5, TextForm::Integer, Fallback::KeepControl},
    {StyleKey::SliderValueStop, "SliderValueStop", 6, TextForm::Integer, Fallback::KeepControl},
    {StyleKey::SliderValueBand, "SliderValueBand", 4, TextForm::Integer, Fallback::KeepControl},
    {StyleKey::OptValue0, "OptValue0", 7, TextForm::YesNo, Fallback::KeepControl},
    {StyleKey::OptValue1, "OptValue1", 8, TextForm::YesNo, Fallback::KeepControl},
    {StyleKey::ObjName, "ObjName", 9, TextForm::Text, Fallback::ObjectName},
    {StyleKey::ModLine, "ModLine", 10, TextForm::Integer, Fallback::ModLineOne},
    {StyleKey::MoreXR, "MoreXR", 11, TextForm::Integer, Fallback::DivisorOne},
    {StyleKey::MoreXG, "MoreXG", 12, TextForm::Integer, Fallback::DivisorOne},
    {StyleKey::MoreXB, "MoreXB", 13, TextForm::Integer, Fallback::DivisorOne},
}};

constexpr const StyleKeyInfo& styleKeyInfo(StyleKey key) {
    return styleKeys[static_cast<std::size_t>(key)];
}

inline QString styleKeyName(StyleKey key) {
    return QString::fromLatin1(styleKeyInfo(key).name);
}

// The keys in the order a load reads them.
constexpr std::array<StyleKey, styleKeyCount> styleKeysInLoadOrder() {
    std::array<StyleKey, styleKeyCount> order{};
    for (const StyleKeyInfo& info : styleKeys)
        order[static_cast<std::size_t>(info.loadPosition)] = info.key;
    return order;
}

// The values of one style in their text forms, as the file holds them.
class StyleRecord {
public:
    // What a save stores, in the key's text form.
    void setInteger(StyleKey key, long long value);
    void setYesNo(StyleKey key, bool value);
    void setText(StyleKey key, const QString& text);

    // The text as stored or read; empty when missing.
    const QString& text(StyleKey key) const { return texts_[index(key)]; }

    // The value a load applies, its fallback taken where it has one that
    // applies at once (the MoreX divisors); empty where the control keeps
    // its value.
    std::optional<vb::Long> integer(StyleKey key) const;
    std::optional<bool> yesNo(StyleKey key) const;
    // Whether the key's fallback is to be applied once the load is done.
    bool fallsBack(StyleKey key) const;

    // The keys and texts in the order of a save.
    platform::profile::KeyValueList entries() const;
    // The section as a save writes it into a file of its own: the name
    // line, then the keys in the order of a save, each line ended by CR LF.
    QByteArray sectionText(const QString& name) const;

private:
    static std::size_t index(StyleKey key) { return static_cast<std::size_t>(key); }
    std::array<QString, styleKeyCount> texts_;
};

} // namespace designer
