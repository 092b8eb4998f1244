// The whole main window under a user who clicks anything in any order:
// thousands of random actions (sliders dragged, boxes and options clicked,
// names typed, styles saved, deleted and chosen, the default setting,
// random gradients and styles, both copies, the wallpaper, "Preview"),
// with message boxes, clipboard, clock and random source scripted. After
// every action the window, its preview and Draw.ini must agree.
//
// OMBRELO_SOAK_ACTIONS sets the number of actions (10000 by default),
// OMBRELO_SOAK_SEED the seed (a fixed one by default; a failure prints the
// seed and the actions that led to it), OMBRELO_SOAK_TRACE=1 writes every
// action to stderr as it starts (to follow a crash).

#include "window/tests/soakrun.h"

#include <QTest>

#include <cstdio>

namespace {

constexpr quint32 kDefaultSeed = 20261208;
constexpr int kDefaultActions = 10000;

quint32 environmentNumber(const char* name, quint32 fallback) {
    bool ok = false;
    const quint32 value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void randomUserActionsKeepTheWindowWhole();
};

void SoakTest::randomUserActionsKeepTheWindowWhole() {
    const quint32 seed = environmentNumber("OMBRELO_SOAK_SEED", kDefaultSeed);
    const int actions =
        static_cast<int>(environmentNumber("OMBRELO_SOAK_ACTIONS", kDefaultActions));
    const bool trace = qEnvironmentVariableIntValue("OMBRELO_SOAK_TRACE") != 0;
    std::fprintf(stderr, "soak: seed %u, %d actions\n", seed, actions);

    designer::test::SoakRun run(seed, trace);
    QVERIFY(run.start());
    for (int i = 0; i < actions; ++i) {
        const QString failure = run.step(i);
        if (failure.isEmpty())
            continue;
        const QString replay = QStringLiteral("seed %1; replay with OMBRELO_SOAK_SEED=%1 "
                                              "OMBRELO_SOAK_ACTIONS=%2\n")
                                   .arg(seed)
                                   .arg(i + 1);
        QFAIL(qPrintable(replay + failure + QStringLiteral("\nlast actions:\n") +
                         run.recentActions().join(QLatin1Char('\n'))));
    }
    std::fprintf(stderr, "soak: %s\n", qPrintable(run.summary()));
}

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
