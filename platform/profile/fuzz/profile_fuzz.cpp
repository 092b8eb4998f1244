// Arbitrary bytes as a profile file, through every operation: nothing may
// crash or hang, a write takes exactly the text it can store, what it stores
// reads back as written, and it changes nothing else.
//
// Input: one byte of choices, then a section, a key and a value (each ended
// by a backslash and one more byte), then the file.

#include "profile/profile.h"
#include "profile/profilesyntax.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

using namespace platform::profile;

namespace {

class MemoryFile final : public FileAccess {
public:
    FileContents read(const QString&) override {
        return {exists ? FileContents::Status::Read : FileContents::Status::Missing, bytes};
    }
    bool replace(const QString&, const QByteArray& contents) override {
        bytes = contents;
        exists = true;
        return true;
    }
    QByteArray bytes;
    bool exists = true;
};

void require(bool condition, int line) {
    if (!condition) {
        std::fprintf(stderr, "check failed at line %d\n", line);
        std::abort();
    }
}

QString text(FuzzedDataProvider& input, bool utf8) {
    const std::string raw = input.ConsumeRandomLengthString(80);
    return utf8 ? QString::fromStdString(raw) : QString::fromLatin1(raw.data(), raw.size());
}

bool sameName(const QString& a, const QString& b) {
    return trimBlanks(QStringView(a)).compare(trimBlanks(QStringView(b)), Qt::CaseInsensitive) == 0;
}

qsizetype sectionsNamed(const QByteArray& bytes, const QString& name) {
    const QStringList names = ProfileDocument(bytes).sectionNames();
    return std::count_if(names.begin(), names.end(),
                         [&](const QString& listed) { return sameName(listed, name); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t choices = data[0];
    FuzzedDataProvider input(data + 1, size - 1);
    QString section = text(input, choices & 1);
    const QString key = text(input, choices & 2);
    const QString value = text(input, choices & 4);
    const std::string fileBytes = input.ConsumeRemainingBytesAsString();

    MemoryFile file;
    file.bytes = QByteArray(fileBytes.data(), static_cast<qsizetype>(fileBytes.size()));
    file.exists = !(choices & 8);
    if (!file.exists)
        file.bytes.clear();
    const QString path = QStringLiteral("Draw.ini");

    const QStringList names = sectionNames(path, file);
    for (const QString& name : names.mid(0, 4))
        readString(path, name, key, QString(), file);
    if ((choices & 16) && !names.isEmpty())
        section = names[(choices >> 5) % names.size()];
    const QString other = names.isEmpty() ? QStringLiteral("other") : names.back();
    const QString otherBefore = readString(path, other, key, QStringLiteral("<none>"), file);

    const QByteArray before = file.bytes;
    const bool storable = isWritableSectionName(section) && isWritableKeyName(key) &&
                          isWritableValue(value) && ProfileDocument(before).canRewrite();
    require(writeString(path, section, key, value, file) == storable, __LINE__);
    if (!storable) {
        require(file.bytes == before, __LINE__);
    } else {
        require(readString(path, section, key, QStringLiteral("<none>"), file) == value, __LINE__);
        if (!sameName(other, section))
            require(readString(path, other, key, QStringLiteral("<none>"), file) == otherBefore,
                    __LINE__);
        const QByteArray once = file.bytes;
        require(writeKeys(path, section, {{key, value}}, file), __LINE__);
        require(file.bytes == once, __LINE__);
    }

    const qsizetype count = sectionsNamed(file.bytes, section);
    const QByteArray beforeDelete = file.bytes;
    const bool deleted = deleteSection(path, section, file);
    if (!ProfileDocument(beforeDelete).canRewrite()) {
        require(file.bytes == beforeDelete, __LINE__);
        return 0;
    }
    require(deleted, __LINE__);
    require(sectionsNamed(file.bytes, section) == std::max<qsizetype>(count - 1, 0), __LINE__);
    return 0;
}
