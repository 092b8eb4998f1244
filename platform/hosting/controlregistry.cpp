#include "hosting/controlregistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace platform {

namespace {

QString& overriddenRoot() {
    static QString root;
    return root;
}

const QString kSuffix = QStringLiteral(".control");

// Values are single lines: backslash, line feed and carriage return are
// escaped so that a path with odd characters survives.
QString escapeValue(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (QChar c : value) {
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else
            out += c;
    }
    return out;
}

QString unescapeValue(QStringView value) {
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar next = value[++i];
        out += next == QLatin1Char('n')   ? QChar(u'\n')
               : next == QLatin1Char('r') ? QChar(u'\r')
                                          : next;
    }
    return out;
}

std::optional<RegistryEntry> readEntryFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    RegistryEntry entry;
    // Small by design; a huge file is no entry of ours.
    const QByteArray content = file.read(64 * 1024);
    for (const QString& line : QString::fromUtf8(content).split(QLatin1Char('\n'))) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed();
        const QString value = unescapeValue(QStringView(line).mid(eq + 1));
        if (key == QLatin1String("ProgID"))
            entry.progId = value;
        else if (key == QLatin1String("Library"))
            entry.libraryPath = value;
        else if (key == QLatin1String("ClassName"))
            entry.className = value;
        else if (key == QLatin1String("TypeLibrary"))
            entry.typeLibrary = value;
        else if (key == QLatin1String("HelpString"))
            entry.helpString = value;
        else if (key == QLatin1String("Version"))
            entry.version = value;
    }
    if (!isValidProgId(entry.progId) || entry.libraryPath.isEmpty())
        return std::nullopt;
    return entry;
}

void setProblem(QString* problem, const QString& text) {
    if (problem)
        *problem = text;
}

} // namespace

ControlRegistry::ControlRegistry()
    : root_(defaultRoot()) {}

ControlRegistry::ControlRegistry(QString root)
    : root_(std::move(root)) {}

QString ControlRegistry::defaultRoot() {
    if (!overriddenRoot().isEmpty())
        return overriddenRoot();
    const QString fromEnvironment = qEnvironmentVariable("OMBRELO_CONTROL_REGISTRY");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/ombrelo/controls");
}

void ControlRegistry::setDefaultRoot(const QString& root) {
    overriddenRoot() = root;
}

QString ControlRegistry::fileOf(const QString& progId) const {
    // ProgIDs compare without regard to case, so their files are named in
    // lower case.
    return QDir(root_).filePath(progId.toLower() + kSuffix);
}

std::optional<RegistryEntry> ControlRegistry::find(const QString& progId) const {
    if (!isValidProgId(progId))
        return std::nullopt;
    auto entry = readEntryFile(fileOf(progId));
    if (entry && entry->progId.compare(progId, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    return entry;
}

QList<RegistryEntry> ControlRegistry::entries() const {
    QList<RegistryEntry> result;
    const QDir dir(root_);
    const QStringList files =
        dir.entryList({QLatin1Char('*') + kSuffix}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString& name : files) {
        if (auto entry = readEntryFile(dir.filePath(name)))
            result.append(*entry);
    }
    std::sort(result.begin(), result.end(), [](const RegistryEntry& a, const RegistryEntry& b) {
        return a.progId.compare(b.progId, Qt::CaseInsensitive) < 0;
    });
    return result;
}

bool ControlRegistry::add(const RegistryEntry& entry, QString* problem) {
    if (!isValidProgId(entry.progId)) {
        setProblem(problem, QStringLiteral("invalid ProgID \"%1\"").arg(entry.progId));
        return false;
    }
    if (!QDir().mkpath(root_)) {
        setProblem(problem, QStringLiteral("cannot create the folder %1").arg(root_));
        return false;
    }
    QSaveFile file(fileOf(entry.progId));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        setProblem(problem, QStringLiteral("cannot write %1").arg(file.fileName()));
        return false;
    }
    const auto line = [&](const char* key, const QString& value) {
        file.write(key);
        file.write("=");
        file.write(escapeValue(value).toUtf8());
        file.write("\n");
    };
    line("ProgID", entry.progId);
    line("Library", entry.libraryPath);
    line("ClassName", entry.className);
    line("TypeLibrary", entry.typeLibrary);
    line("HelpString", entry.helpString);
    line("Version", entry.version);
    if (!file.commit()) {
        setProblem(problem, QStringLiteral("cannot write %1").arg(file.fileName()));
        return false;
    }
    return true;
}

bool ControlRegistry::add(const ControlLibraryInfo& library, QString* problem) {
    for (const ControlClassInfo& cls : library.classes) {
        const RegistryEntry entry{cls.progId,          library.libraryPath, cls.className,
                                  library.typeLibrary, library.helpString,  library.version};
        if (!add(entry, problem))
            return false;
    }
    return true;
}

bool ControlRegistry::removeLibrary(const ControlLibraryInfo& library, QString* problem) {
    const QString ours = QFileInfo(library.libraryPath).absoluteFilePath();
    bool ok = true;
    for (const ControlClassInfo& cls : library.classes) {
        const auto entry = find(cls.progId);
        if (!entry || QFileInfo(entry->libraryPath).absoluteFilePath() != ours)
            continue;
        if (!QFile::remove(fileOf(cls.progId))) {
            setProblem(problem, QStringLiteral("cannot remove %1").arg(fileOf(cls.progId)));
            ok = false;
        }
    }
    return ok;
}

} // namespace platform
