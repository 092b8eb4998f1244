#include "logic/storedstyle.h"

#include "logic/textforms.h"
#include "module1/profilevalue.h"
#include "profile/profile.h"

namespace designer {

QStringList listStyleNames(const QString& file) {
    QStringList names = platform::profile::sectionNames(file);
    const qsizetype firstEmpty = names.indexOf(QString());
    if (firstEmpty >= 0)
        names.resize(firstEmpty);
    return names;
}

namespace {

vb::Long divisorOrOne(const QString& text) {
    const std::optional<vb::Long> value = parseInteger(text);
    return value && *value > 0 ? *value : 1;
}

} // namespace

StoredStyle readStoredStyle(const QString& file, const QString& section) {
    const auto read = [&](const char* key) {
        return module1::ReadProfileValue(section, QString::fromLatin1(key), file);
    };
    StoredStyle s;
    // The keys are read in the order the loading names them.
    s.r = parseInteger(read("SliderValueR"));
    s.g = parseInteger(read("SliderValueG"));
    s.b = parseInteger(read("SliderValueB"));
    s.n = parseInteger(read("SliderValueN"));
    s.band = parseInteger(read("SliderValueBand"));
    s.start = parseInteger(read("SliderValueStart"));
    s.stop = parseInteger(read("SliderValueStop"));
    s.optStop0 = parseYesNo(read("OptValue0"));
    s.optStop1 = parseYesNo(read("OptValue1"));
    s.objName = read("ObjName");
    s.modLine = parseInteger(read("ModLine"));
    s.moreXR = divisorOrOne(read("MoreXR"));
    s.moreXG = divisorOrOne(read("MoreXG"));
    s.moreXB = divisorOrOne(read("MoreXB"));
    return s;
}

} // namespace designer
