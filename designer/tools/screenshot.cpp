// ombrelo-screenshot: starts a program on the current X display, waits, saves
// a picture of the screen cropped to what the program shows, and ends it.
// Used to take the designer's screenshot on machines without a display (under
// Xvfb, whose empty screen is black).

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTextStream>
#include <QThread>

namespace {

// The smallest rectangle holding every pixel that differs from the corner
// pixel (the bare screen).
QRect shownArea(const QImage& image) {
    const QRgb bare = image.pixel(0, 0);
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] == bare)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? image.rect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Screenshot of a program's windows."));
    parser.addHelpOption();
    parser.addOption(
        {QStringLiteral("o"), QStringLiteral("Output PNG file."), QStringLiteral("file")});
    parser.addOption({QStringLiteral("delay"), QStringLiteral("Milliseconds to wait."),
                      QStringLiteral("ms"), QStringLiteral("1500")});
    parser.addOption({QStringLiteral("whole-screen"),
                      QStringLiteral("Keep the whole screen (a program that covers it).")});
    parser.addPositionalArgument(QStringLiteral("program"),
                                 QStringLiteral("Program and arguments."));
    parser.process(app);

    QTextStream err(stderr);
    const QStringList command = parser.positionalArguments();
    if (command.isEmpty() || !parser.isSet(QStringLiteral("o"))) {
        err << "usage: ombrelo-screenshot [--delay MS] [--whole-screen] -o FILE -- PROGRAM "
               "[ARGS...]\n";
        return 2;
    }

    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(command.first(), command.mid(1));
    if (!program.waitForStarted()) {
        err << "ombrelo-screenshot: cannot start " << command.first() << "\n";
        return 1;
    }
    QThread::msleep(parser.value(QStringLiteral("delay")).toULong());

    const QImage screen = app.primaryScreen()->grabWindow(0).toImage();
    const QImage shot =
        parser.isSet(QStringLiteral("whole-screen")) ? screen : screen.copy(shownArea(screen));
    program.terminate();
    if (!program.waitForFinished(3000))
        program.kill();
    if (!shot.save(parser.value(QStringLiteral("o")), "PNG")) {
        err << "ombrelo-screenshot: cannot write " << parser.value(QStringLiteral("o")) << "\n";
        return 1;
    }
    return 0;
}
