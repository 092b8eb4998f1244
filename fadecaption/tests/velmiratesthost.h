#pragma once
// What the fade-text control tests share: a host that places the control by
// ProgID from the built library (found in the controls folder, nothing of it
// linked in), a scripted site, and ways to look at the pixels it shows.

#include "core/vb.h"
#include "hosting/controlhost.h"
#include "hosting/controlregistry.h"
#include "hosting/controlsite.h"
#include "hosting/latebinding.h"
#include "hosting/propertybag.h"
#include "services/tests/scripted.h"

#include <QDir>
#include <QFont>
#include <QImage>
#include <QList>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <functional>

namespace velmiratest {

inline const QString progId = QStringLiteral("Quintaro.Velmira");

inline QString controlsDir() {
    return QStringLiteral(OMBRELO_CONTROLS_DIR);
}
inline QString libraryPath() {
    return QDir(controlsDir()).filePath(QStringLiteral("libquintaro.so"));
}

// A window hosting controls: an empty private registry, then the controls
// folder of the build, as a program in bin/ sees it.
class TestHost {
public:
    TestHost()
        : host_(platform::ControlRegistry(registryDir_.filePath(QStringLiteral("registry"))),
                {controlsDir()}) {
        window.resize(400, 120);
    }

    // A new control (no bag), or a stored one.
    QWidget* place(platform::PropertyBag* stored = nullptr) {
        return host_.place(progId, &window, &site, stored);
    }
    // Placed, sized to `size` pixels and shown, as a host window loads it.
    QWidget* placeShown(platform::PropertyBag* stored = nullptr, QSize size = QSize(240, 24)) {
        QWidget* control = place(stored);
        control->setGeometry(QRect(QPoint(0, 0), size));
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("host window not exposed");
        return control;
    }

    platform::ScriptedMessageBoxes boxes;
    platform::StandardControlSite site{boxes};
    QWidget window;

private:
    QTemporaryDir registryDir_;
    platform::ControlHost host_;
};

// Late-bound property access, short (inside a QObject, setProperty would
// name QObject's own).
inline QVariant get(QObject* control, const QString& name) {
    return platform::getProperty(control, name);
}
inline void set(QObject* control, const QString& name, const QVariant& value) {
    platform::setProperty(control, name, value);
}

// The run-time error number a call raises, 0 when it raises none.
inline int errorOf(const std::function<void()>& call) {
    return vb::errorRaisedBy(call);
}

inline QImage shown(QWidget* control) {
    return control->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The opaque pixel of a plain colour 0x00BBGGRR.
constexpr QRgb pixelOf(vb::OleColor colour) {
    return qRgb(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

// Every colour other than `background`, in the order of its first column
// from the left (within a column, from the top): for one line of text in
// solid colours, the colours of its visible characters in order.
inline QList<QRgb> coloursLeftToRight(const QImage& image, QRgb background) {
    QList<QRgb> colours;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            const QRgb pixel = image.pixel(x, y) | 0xFF000000u;
            if (pixel != background && !colours.contains(pixel))
                colours.append(pixel);
        }
    }
    return colours;
}

inline QList<QRgb> pixelsOf(std::initializer_list<vb::OleColor> colours) {
    QList<QRgb> pixels;
    for (vb::OleColor colour : colours)
        pixels.append(pixelOf(colour));
    return pixels;
}

inline bool isBlank(const QImage& image, QRgb background) {
    return coloursLeftToRight(image, background).isEmpty();
}

// Makes the control's text render without smoothing, so that every pixel of
// a character has exactly its colour. Setting the font repaints.
inline void useCrispFont(QWidget* control) {
    QFont font = get(control, QStringLiteral("Font")).value<QFont>();
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    set(control, QStringLiteral("Font"), font);
}

} // namespace velmiratest
