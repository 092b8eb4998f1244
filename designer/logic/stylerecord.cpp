#include "logic/stylerecord.h"

#include "logic/textforms.h"

namespace designer {

namespace {

constexpr bool keysInSaveOrder() {
    for (std::size_t i = 0; i < styleKeys.size(); ++i) {
        if (static_cast<std::size_t>(styleKeys[i].key) != i)
            return false;
    }
    return true;
}

constexpr bool eachKeyLoadedOnce() {
    std::array<bool, styleKeyCount> seen{};
    for (const StyleKeyInfo& info : styleKeys) {
        if (info.loadPosition < 0 || info.loadPosition >= styleKeyCount ||
            seen[static_cast<std::size_t>(info.loadPosition)])
            return false;
        seen[static_cast<std::size_t>(info.loadPosition)] = true;
    }
    return true;
}

static_assert(keysInSaveOrder(), "the table lists the keys in the order of StyleKey");
static_assert(eachKeyLoadedOnce(), "every key has its own place in a load");

} // namespace

void StyleRecord::setInteger(StyleKey key, long long value) {
    texts_[index(key)] = formatInteger(value);
}

void StyleRecord::setYesNo(StyleKey key, bool value) {
    texts_[index(key)] = formatYesNo(value);
}

void StyleRecord::setText(StyleKey key, const QString& text) {
    texts_[index(key)] = text;
}

std::optional<vb::Long> StyleRecord::integer(StyleKey key) const {
    const std::optional<vb::Long> value = parseInteger(text(key));
    if (styleKeyInfo(key).fallback == Fallback::DivisorOne && (!value || *value <= 0))
        return 1;
    return value;
}

std::optional<bool> StyleRecord::yesNo(StyleKey key) const {
    return parseYesNo(text(key));
}

bool StyleRecord::fallsBack(StyleKey key) const {
    const StyleKeyInfo& info = styleKeyInfo(key);
    if (info.form == TextForm::Text)
        return text(key).isEmpty();
    if (info.form == TextForm::YesNo)
        return !yesNo(key);
    const std::optional<vb::Long> value = parseInteger(text(key));
    switch (info.fallback) {
    case Fallback::ModLineOne:
        return !value || *value < 1;
    case Fallback::DivisorOne:
        return !value || *value <= 0;
    case Fallback::KeepControl:
    case Fallback::ObjectName:
        break;
    }
    return !value;
}

platform::profile::KeyValueList StyleRecord::entries() const {
    platform::profile::KeyValueList list;
    list.reserve(styleKeyCount);
    for (const StyleKeyInfo& info : styleKeys)
        list.append({QString::fromLatin1(info.name), text(info.key)});
    return list;
}

QByteArray StyleRecord::sectionText(const QString& name) const {
    platform::profile::ProfileDocument file;
    file.setValues(name, entries());
    return file.bytes();
}

} // namespace designer
