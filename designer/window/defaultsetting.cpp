#include "window/defaultsetting.h"

#include "logic/stopheight.h"
#include "picturebox/picturebox.h"
#include "services/messagebox.h"
#include "window/sliderrow.h"

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
    c_.OptStop0_Click();
    const SliderRows& rows = c_.rows;
    rows.slider(StyleKey::SliderValueStart)->setValue(0);
    // A preview taller than an Integer holds leaves the slider where it is.
    if (const auto height = stopFromScaleHeight(c_.Picture2.scaleHeight()))
        rows.slider(StyleKey::SliderValueStop)->setValue(*height);
    rows.slider(StyleKey::SliderValueBand)->setValue(50);
    rows.slider(StyleKey::ModLine)->setValue(1);
    rows[StyleKey::SliderValueBand].include->setChecked(false);
    rows[StyleKey::SliderValueN].include->setChecked(true);
    rows[StyleKey::SliderValueN].extended->setChecked(false);
    rows[StyleKey::SliderValueR].extended->setChecked(false);
    rows[StyleKey::SliderValueG].extended->setChecked(false);
    rows[StyleKey::SliderValueB].extended->setChecked(false);
    c_.Check3->setChecked(true);
}

} // namespace designer
