// A Qt generic plugin that reports what a running designer shows, for the
// installation check (scripts/install-check.sh). Loaded into an installed
// designer through QT_PLUGIN_PATH and QT_QPA_GENERIC_PLUGINS, so that the
// program is tested exactly as installed, with nothing of its own changed.
// Nothing of the project is linked: it reads the window by its widgets'
// names and classes only.
//
// Once the main window is up, it prints one line per fact and ends the
// program:
//   control <name> <class>     a control created by ProgID
//   fallback <name>            a plain label standing in for a control
//   source-lines <n>           lines in the source view
//   styles <n>                 entries of the style list
//   profile <path>             the style library the window reads
//   link <url>                 the address the home-page link opens
//   platform <name>            the Qt platform it runs on
//   window <w>x<h> exposed     the main window, once the display shows it
// It ends with exit code 3 when no main window shows within 30 seconds.
// Under a Wayland compositor it shows that the designer runs there natively.

#include <QApplication>
#include <QGenericPlugin>
#include <QLineEdit>
#include <QListWidget>
#include <QTextEdit>
#include <QTextStream>
#include <QTimer>
#include <QWindow>

namespace {

QWidget* mainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QStringLiteral("FrmDegColor") && widget->isVisible())
            return widget;
    return nullptr;
}

void report(QWidget* window) {
    QTextStream out(stdout);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        const QString type = QString::fromLatin1(child->metaObject()->className());
        if (type == QStringLiteral("designer::CaptionLabel") && child->isVisible())
            out << "fallback " << child->objectName() << '\n';
        else if (type == QStringLiteral("Velmira") || type == QStringLiteral("linklabel::URLLink"))
            out << "control " << child->objectName() << ' ' << type << '\n';
        if (type == QStringLiteral("linklabel::URLLink"))
            out << "link " << child->property("URL").toString() << '\n';
    }
    if (auto* source = window->findChild<QTextEdit*>(QStringLiteral("Text2")))
        out << "source-lines " << source->document()->blockCount() - 1 << '\n';
    if (auto* styles = window->findChild<QWidget*>(QStringLiteral("lstStyle")))
        if (auto* list = styles->findChild<QListWidget*>())
            out << "styles " << list->count() << '\n';
    if (auto* file = window->findChild<QLineEdit*>(QStringLiteral("Filename")))
        out << "profile " << file->text() << '\n';
    out << "platform " << QGuiApplication::platformName() << '\n';
    out << "window " << window->width() << 'x' << window->height() << " exposed\n";
    out.flush();
}

class InstallProbe : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "installprobe.json")

public:
    QObject* create(const QString&, const QString&) override {
        auto* timer = new QTimer;
        timer->setInterval(200);
        QObject::connect(timer, &QTimer::timeout, timer, [timer, ticks = 0]() mutable {
            // A few ticks after the window shows: its start-up has finished.
            QWidget* window = mainWindow();
            const bool shown =
                window && window->windowHandle() && window->windowHandle()->isExposed();
            ticks = shown ? ticks + 1 : ticks;
            if (ticks >= 3) {
                timer->stop();
                report(window);
                QCoreApplication::exit(0);
            }
        });
        timer->start();
        QTimer::singleShot(30000, [] { QCoreApplication::exit(3); });
        return timer;
    }
};

} // namespace

#include "installprobe.moc"
