#include "window/defaultsetting.h"

#include "logic/stopheight.h"
#include "services/messagebox.h"
#include "window/editor.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QSlider>

namespace designer {

DefaultSettingHandlers::DefaultSettingHandlers(const DefaultSettingControls& controls)
    : c_(controls) {}

void DefaultSettingHandlers::Command2_Click() {
    const QString prompt = QStringLiteral("Do you really apply th Default Configuration ?") +
                           QStringLiteral("\r\n") + QStringLiteral("\r\n") +
                           QStringLiteral("NOTE: Default config may be change the apparence") +
                           QStringLiteral(" of your current Gradient.");
    if (c_.messageBoxes.show(prompt, platform::msgbox::YesNo | platform::msgbox::Question,
                             QStringLiteral("Info : Default Cfg")) != platform::msgbox::Yes)
        return;
    // Selecting the option runs its click when it was not selected; the
    // click runs once more in any case.
    c_.OptStop0->setChecked(true);
    c_.editor.OptStop_Click(0);
    c_.SliderStart->setValue(0);
    // A preview taller than an Integer holds leaves the slider where it is.
    if (const auto height = stopFromScaleHeight(c_.editor.previewScaleHeight()))
        c_.SliderStop->setValue(*height);
    c_.SliderBand->setValue(50);
    c_.SliderModLine->setValue(1);
    c_.Check1->setChecked(false);
    c_.CheckN->setChecked(true);
    c_.CheckWXT->setChecked(false);
    c_.CheckRXT->setChecked(false);
    c_.CheckGXT->setChecked(false);
    c_.CheckBXT->setChecked(false);
    c_.Check3->setChecked(true);
}

} // namespace designer
