#include "window/tests/windowfixture.h"

#include "logic/stylerecord.h"
#include "module1/ombrelo.h"
#include "picturebox/picturebox.h"
#include "window/tests/privatefolders.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

namespace designer::test {

WindowFixture::WindowFixture(bool builtControls)
    : privateHome_(usePrivateUserFolders())
    , host_(std::make_unique<platform::ControlHost>(
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
    WindowServices services{boxes,         clock,           *clipboardInUse_,    *host_,
                            profilePath(), procedurePath(), [this] { ++exits; }, random};
    services.wallpaper = &wallpaper;
    services.fileDialogs = &fileDialogs;
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
    StyleRecord record;
    const std::pair<StyleKey, int> numbers[] = {
        {StyleKey::SliderValueR, r},         {StyleKey::SliderValueG, g},
        {StyleKey::SliderValueB, b},         {StyleKey::SliderValueN, n},
        {StyleKey::SliderValueStart, start}, {StyleKey::SliderValueStop, stop},
        {StyleKey::SliderValueBand, band},   {StyleKey::ModLine, modLine},
        {StyleKey::MoreXR, moreXR},          {StyleKey::MoreXG, moreXG},
        {StyleKey::MoreXB, moreXB}};
    for (const auto& [key, value] : numbers)
        record.setInteger(key, value);
    record.setYesNo(StyleKey::OptValue0, heightMethod);
    record.setYesNo(StyleKey::OptValue1, !heightMethod);
    record.setText(StyleKey::ObjName, objName);
    return record.sectionText(name);
}

QByteArray sunsetSection() {
    return styleSection(QStringLiteral("Sunset"), 255, 128, 0, 236, 0, 1500, 50, false,
                        QStringLiteral("Picture1"), 2, 1, 2, 3);
}

QByteArray marineSection() {
    return styleSection(QStringLiteral("Marine"), 0, 64, 300, 100, 150, 1200, 20, true,
                        QStringLiteral("Me.Picture1"), 1, 4, 4, 4);
}

} // namespace designer::test
