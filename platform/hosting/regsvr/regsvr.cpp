#include "hosting/regsvr/regsvr.h"

#include "hosting/controllibrary.h"
#include "hosting/controlregistry.h"
#include "hosting/libraryinfo.h"

#include <QFileInfo>
#include <QLibrary>

namespace regsvr {

namespace {

struct Options {
    bool unregister = false;
    bool list = false;
    bool silent = false;
    bool help = false;
    QStringList libraries;
};

bool parse(const QStringList& arguments, Options& options) {
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("-u") || argument == QLatin1String("--unregister"))
            options.unregister = true;
        else if (argument == QLatin1String("-l") || argument == QLatin1String("--list"))
            options.list = true;
        else if (argument == QLatin1String("-s") || argument == QLatin1String("--silent"))
            options.silent = true;
        else if (argument == QLatin1String("-h") || argument == QLatin1String("--help"))
            options.help = true;
        else if (argument.startsWith(QLatin1Char('-')))
            return false;
        else
            options.libraries.append(argument);
    }
    if (options.help)
        return true;
    if (options.list)
        return !options.unregister && options.libraries.isEmpty();
    return !options.libraries.isEmpty();
}

QString hex(int code) {
    return QStringLiteral("0x%1").arg(static_cast<quint32>(code), 8, 16, QLatin1Char('0'));
}

int list(QTextStream& out) {
    const platform::ControlRegistry registry;
    const QList<platform::RegistryEntry> entries = registry.entries();
    if (entries.isEmpty()) {
        out << "No control libraries are registered in " << registry.root() << ".\n";
        return Success;
    }
    for (const platform::RegistryEntry& entry : entries) {
        out << entry.progId << "\t" << entry.libraryPath;
        if (!QFileInfo::exists(entry.libraryPath))
            out << "\t(library missing)";
        out << "\n";
    }
    return Success;
}

// After an unregistration: ProgIDs of the library still registered, to
// another copy of it.
void noteRemaining(const QString& path, QTextStream& out) {
    const platform::LibraryInfoResult info = platform::readLibraryInfo(path);
    if (info.status != platform::LibraryInfoStatus::Ok)
        return;
    const platform::ControlRegistry registry;
    for (const platform::ControlClassInfo& cls : info.info.classes) {
        if (const auto entry = registry.find(cls.progId))
            out << cls.progId << " stays registered to " << entry->libraryPath << ".\n";
    }
}

int callEntryPoint(const QString& file, bool unregister, bool silent, QTextStream& out,
                   QTextStream& err) {
    const QString path = QFileInfo(file).absoluteFilePath();
    const char* name = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    QLibrary library(path);
    if (!library.load()) {
        err << "The library \"" << file << "\" failed to load: " << library.errorString() << "\n";
        return LoadFailed;
    }
    auto entry = reinterpret_cast<platform::DllRegisterServerFn>(library.resolve(name));
    if (!entry) {
        err << "The library \"" << file << "\" was loaded, but the entry point " << name
            << " was not found.\n";
        return EntryPointMissing;
    }
    const int rc = entry();
    if (rc < 0) {
        err << "The library \"" << file << "\" was loaded, but the call to " << name
            << " failed with error code " << hex(rc) << ".\n";
        return EntryPointFailed;
    }
    if (!silent) {
        out << name << " in \"" << file << "\" succeeded.\n";
        if (unregister)
            noteRemaining(path, out);
    }
    return Success;
}

} // namespace

QString usage() {
    return QStringLiteral("Usage: ombrelo-regsvr [-s] LIBRARY...     register control libraries\n"
                          "       ombrelo-regsvr [-s] -u LIBRARY...  unregister them\n"
                          "       ombrelo-regsvr -l                  list registered controls\n"
                          "Registrations are kept in %1.\n")
        .arg(platform::ControlRegistry::defaultRoot());
}

int run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    Options options;
    if (!parse(arguments, options)) {
        err << usage();
        return BadArguments;
    }
    if (options.help) {
        out << usage();
        return Success;
    }
    if (options.list)
        return list(out);
    for (const QString& library : options.libraries) {
        const int rc = callEntryPoint(library, options.unregister, options.silent, out, err);
        if (rc != Success)
            return rc;
    }
    return Success;
}

} // namespace regsvr
