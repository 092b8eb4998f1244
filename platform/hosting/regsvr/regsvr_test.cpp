// The registration command, run as a user runs it.

#include "hosting/controlregistry.h"
#include "hosting/regsvr/regsvr.h"
#include "hosting/tests/testsupport.h"

#include <QProcess>

#include <gtest/gtest.h>

using namespace hostingtest;

namespace {

struct Outcome {
    int exitCode;
    QString out;
    QString err;
};

class RegsvrCommand : public ::testing::Test {
protected:
    Outcome run(const QStringList& arguments) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("OMBRELO_CONTROL_REGISTRY"), reg.root());
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(OMBRELO_REGSVR), arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    PrivateRegistry reg;
};

} // namespace

TEST_F(RegsvrCommand, RegistersListsAndUnregisters) {
    Outcome r = run({gaugeLibrary()});
    EXPECT_EQ(r.exitCode, regsvr::Success) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QLatin1String("DllRegisterServer"))) << r.out.toStdString();
    EXPECT_EQ(reg.registry().find(QStringLiteral("OmbreloTest.Gauge"))->libraryPath,
              gaugeLibrary());

    r = run({QStringLiteral("-l")});
    EXPECT_EQ(r.exitCode, regsvr::Success);
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("OmbreloTest.Gauge\t") + gaugeLibrary() + '\n'))
        << r.out.toStdString();

    r = run({QStringLiteral("-u"), QStringLiteral("-s"), gaugeLibrary()});
    EXPECT_EQ(r.exitCode, regsvr::Success) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(reg.registry().entries().isEmpty());
    r = run({QStringLiteral("-l")});
    EXPECT_TRUE(r.out.startsWith(QLatin1String("No control libraries are registered")));
}

TEST_F(RegsvrCommand, FailuresHaveTheirOwnExitCodesAndMessages) {
    Outcome r = run({});
    EXPECT_EQ(r.exitCode, regsvr::BadArguments);
    EXPECT_TRUE(r.err.startsWith(QLatin1String("Usage:")));
    EXPECT_EQ(run({QStringLiteral("-l"), gaugeLibrary()}).exitCode, regsvr::BadArguments);
    EXPECT_EQ(run({QStringLiteral("-x"), gaugeLibrary()}).exitCode, regsvr::BadArguments);

    r = run({reg.scratch(QStringLiteral("missing.so"))});
    EXPECT_EQ(r.exitCode, regsvr::LoadFailed);
    EXPECT_TRUE(r.err.contains(QLatin1String("failed to load"))) << r.err.toStdString();

    r = run({testLibrary("ombrelo-testforeign")});
    EXPECT_EQ(r.exitCode, regsvr::EntryPointMissing);
    EXPECT_TRUE(r.err.contains(QLatin1String("DllRegisterServer was not found")));

    // A registry that cannot be written: the entry point reports failure.
    QFile blocker(reg.root());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    r = run({gaugeLibrary()});
    EXPECT_EQ(r.exitCode, regsvr::EntryPointFailed);
    EXPECT_TRUE(r.err.contains(QLatin1String("0x80040201"))) << r.err.toStdString();
}
