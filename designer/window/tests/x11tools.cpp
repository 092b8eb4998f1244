#include "window/tests/x11tools.h"

#include <QProcess>
#include <QStringList>
#include <QTest>

namespace designer::test {

bool clickThroughServer(QPoint at, int button) {
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"),
                  {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                   QStringLiteral("click"), QString::number(button)});
    if (!xdotool.waitForStarted(5000))
        return false;
    const bool done =
        QTest::qWaitFor([&] { return xdotool.state() == QProcess::NotRunning; }, 10000);
    // Let the click arrive and its handler run.
    QTest::qWait(100);
    return done && xdotool.exitCode() == 0;
}

QByteArray pastedElsewhere(const QString& type, int waitMs) {
    QStringList arguments{QStringLiteral("-o"), QStringLiteral("-selection"),
                          QStringLiteral("clipboard")};
    if (!type.isEmpty())
        arguments << QStringLiteral("-t") << type;
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), arguments);
    if (!xclip.waitForStarted(5000))
        return "<xclip did not start>";
    (void)QTest::qWaitFor([&] { return xclip.state() == QProcess::NotRunning; }, waitMs);
    if (xclip.state() != QProcess::NotRunning) {
        xclip.kill();
        xclip.waitForFinished(1000);
        return "<xclip did not finish>";
    }
    return xclip.readAllStandardOutput();
}

} // namespace designer::test
