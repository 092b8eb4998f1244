#include "window/randomstyle.h"

#include "services/randomsource.h"
#include "services/screenpointer.h"
#include "window/hostedcontrols.h"
#include "window/sliderrow.h"
#include "window/stylecombo.h"

#include <QCheckBox>
#include <QScopeGuard>
#include <QSlider>

#include <algorithm>
#include <cmath>

namespace designer {

namespace {

int floorOf(double value) {
    return static_cast<int>(std::floor(value));
}

} // namespace

RandomStyleHandlers::RandomStyleHandlers(RandomStyleControls controls)
    : c_(controls) {}

void RandomStyleHandlers::Command3_Click() {
    {
        // The window's own pointer, not the whole program's: afterwards the
        // window has the pointer it had, and its controls keep theirs.
        const platform::ScopedFormPointer hourglass(c_.form, platform::pointer::Hourglass);
        setButtonsEnabled(false);
        // Also when a slider's handler fails, the buttons and the pointer
        // come back.
        const auto restore = qScopeGuard([this] { setButtonsEnabled(true); });
        drawColours();
        drawOptions();
    }
    // The new gradient has no name.
    c_.lstStyle->setText(QString());
}

void RandomStyleHandlers::RndStyle_Click() {
    const double u = draw();
    const int count = c_.lstStyle->count();
    const int index = floorOf(count * u);
    if (index < 0 || index >= count)
        return; // an empty list has nothing to choose
    // The list keeps its current item while the name field shows something
    // else (a random gradient empties it): the chosen style must load even
    // when it is that item.
    if (c_.lstStyle->currentIndex() == index)
        c_.lstStyle->setCurrentIndex(-1);
    c_.lstStyle->setCurrentIndex(index);
}

double RandomStyleHandlers::draw() {
    c_.random.reseed();
    return c_.random.next();
}

void RandomStyleHandlers::drawColours() {
    for (const StyleKey key : {StyleKey::SliderValueR, StyleKey::SliderValueG,
                               StyleKey::SliderValueB, StyleKey::SliderValueN}) {
        const SliderRow& colour = c_.rows[key];
        if (colour.include->checkState() != Qt::Checked) {
            colour.extended->setEnabled(false);
            continue;
        }
        switch (colour.extended->checkState()) {
        case Qt::Checked:
            colour.slider->setValue(floorOf(draw() * 512));
            break;
        case Qt::Unchecked:
            colour.slider->setValue(floorOf(draw() * 255));
            break;
        default: // greyed: the slider stays
            break;
        }
        colour.extended->setEnabled(true);
    }
}

void RandomStyleHandlers::drawOptions() {
    for (const StyleKey key : {StyleKey::MoreXR, StyleKey::MoreXG, StyleKey::MoreXB}) {
        const SliderRow& moreX = c_.rows[key];
        if (moreX.include->checkState() == Qt::Checked)
            moreX.slider->setValue(floorOf(draw() * 20 + 1));
    }
    const SliderRow& band = c_.rows[StyleKey::SliderValueBand];
    if (band.include->checkState() == Qt::Checked) {
        // The draw gives 6..260; the slider ends at 255.
        band.slider->setValue(std::min(floorOf(draw() * 255 + 6), band.slider->maximum()));
    }
    const SliderRow& modLine = c_.rows[StyleKey::ModLine];
    if (modLine.include->checkState() == Qt::Checked)
        modLine.slider->setValue(floorOf(draw() * 50 + 1));
}

void RandomStyleHandlers::setButtonsEnabled(bool enabled) {
    for (const Hosted button :
         {Hosted::Command3, Hosted::cmdCopy, Hosted::Command4, Hosted::Command2})
        c_.hosted.setEnabled(button, enabled);
}

} // namespace designer
