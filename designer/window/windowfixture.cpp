#include "window/windowfixture.h"

#include "module1/ombrelo.h"
#include "picturebox/picturebox.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

namespace designer::test {

WindowFixture::WindowFixture(bool builtControls)
    : host_(std::make_unique<platform::ControlHost>(
          platform::ControlRegistry(emptyRegistry_.path()),
          builtControls ? QStringList{platform::ControlHost::defaultControlsFolder()}
                        : QStringList{})) {}

void WindowFixture::writeProfile(const QByteArray& content) {
    QFile file(profilePath());
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

void WindowFixture::writeProcedureSource(const QByteArray& content) {
    QFile file(procedurePath());
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

FrmDegColor& WindowFixture::start() {
    WindowServices services{boxes,         clock,           clipboard,           *host_,
                            profilePath(), procedurePath(), [this] { ++exits; }, random};
    services.wallpaper = &wallpaper;
    window_ = std::make_unique<FrmDegColor>(services);
    window_->Form_Load();
    window_->show();
    (void)QTest::qWaitForWindowExposed(window_.get());
    return *window_;
}

QSlider* WindowFixture::slider(const char* name) const {
    return child<QSlider>(name);
}

QLineEdit* WindowFixture::edit(const char* name) const {
    return child<QLineEdit>(name);
}

QLabel* WindowFixture::label(const char* name) const {
    return child<QLabel>(name);
}

QCheckBox* WindowFixture::check(const char* name) const {
    return child<QCheckBox>(name);
}

// What the engine paints on a fresh box of the preview's size.
QImage engineRendering(platform::PictureBox& shown, module1::GradientStyle style) {
    platform::PictureBox box;
    box.setPixelRatioOverride(1);
    box.setBorderStyle(shown.borderStyle());
    box.resize(shown.size());
    module1::Ombrelo(box, style);
    return box.image();
}

QByteArray styleSection(const QString& name, int r, int g, int b, int n, int start, int stop,
                        int band, bool heightMethod, const QString& objName, int modLine,
                        int moreXR, int moreXG, int moreXB) {
    const QString yes = QStringLiteral("True"), no = QStringLiteral("False");
    return QStringLiteral("[%1]\r\nSliderValueR=%2\r\nSliderValueG=%3\r\nSliderValueB=%4\r\n"
                          "SliderValueN=%5\r\nSliderValueStart=%6\r\nSliderValueStop=%7\r\n"
                          "SliderValueBand=%8\r\nOptValue0=%9\r\nOptValue1=%10\r\nObjName=%11\r\n"
                          "ModLine=%12\r\nMoreXR=%13\r\nMoreXG=%14\r\nMoreXB=%15\r\n")
        .arg(name)
        .arg(r)
        .arg(g)
        .arg(b)
        .arg(n)
        .arg(start)
        .arg(stop)
        .arg(band)
        .arg(heightMethod ? yes : no, heightMethod ? no : yes, objName)
        .arg(modLine)
        .arg(moreXR)
        .arg(moreXG)
        .arg(moreXB)
        .toUtf8();
}

} // namespace designer::test
