#include "window/tests/useractions.h"

#include "window/frmdegcolor.h"
#include "window/frmpreview.h"
#include "window/hostedcontrols.h"
#include "window/stylecombo.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

namespace designer::test {

namespace {

// The slider's style option as the slider paints itself with it.
QStyleOptionSlider sliderOption(const QSlider* slider) {
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.subControls = QStyle::SC_None;
    option.activeSubControls = QStyle::SC_None;
    option.orientation = slider->orientation();
    option.maximum = slider->maximum();
    option.minimum = slider->minimum();
    option.tickPosition = slider->tickPosition();
    option.tickInterval = slider->tickInterval();
    option.upsideDown = slider->orientation() == Qt::Horizontal
                            ? slider->invertedAppearance() != (option.direction == Qt::RightToLeft)
                            : !slider->invertedAppearance();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.singleStep = slider->singleStep();
    option.pageStep = slider->pageStep();
    if (slider->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    return option;
}

QRect subControl(const QSlider* slider, QStyle::SubControl part) {
    const QStyleOptionSlider option = sliderOption(slider);
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, part, slider);
}

// Where the handle's centre stands when the slider shows value.
QPoint handleCentreFor(const QSlider* slider, int value) {
    const QRect groove = subControl(slider, QStyle::SC_SliderGroove);
    const QRect handle = subControl(slider, QStyle::SC_SliderHandle);
    const QStyleOptionSlider option = sliderOption(slider);
    const bool horizontal = slider->orientation() == Qt::Horizontal;
    const int handleLength = horizontal ? handle.width() : handle.height();
    const int span = (horizontal ? groove.width() : groove.height()) - handleLength;
    const int position = QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(),
                                                         value, span, option.upsideDown);
    const int along = (horizontal ? groove.left() : groove.top()) + position + handleLength / 2;
    return horizontal ? QPoint(along, handle.center().y()) : QPoint(handle.center().x(), along);
}

} // namespace

void clickAt(QWidget* widget, QPoint where) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, where);
}

void clickCentre(QWidget* widget) {
    clickAt(widget, widget->rect().center());
}

void clickLeftEdge(QWidget* widget) {
    clickAt(widget, QPoint(1, widget->height() / 2));
}

void doubleClickCentre(QWidget* widget) {
    const QPoint centre = widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, {}, centre);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, centre);
}

void clickCaption(FrmDegColor& window, const QString& name) {
    QWidget* control = window.hosted().widget(name);
    if (!control)
        return;
    // A hosted control paints on a surface of its own inside it.
    QWidget* surface = control->childAt(control->rect().center());
    clickCentre(surface ? surface : control);
}

void dragSlider(QSlider* slider, int value) {
    const QPoint from = subControl(slider, QStyle::SC_SliderHandle).center();
    const QPoint to = handleCentreFor(slider, value);
    QTest::mousePress(slider, Qt::LeftButton, {}, from);
    QTest::mouseMove(slider, (from + to) / 2);
    QTest::mouseMove(slider, to);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, to);
}

void clickGroove(QSlider* slider, bool towardMaximum) {
    const QRect groove = subControl(slider, QStyle::SC_SliderGroove);
    const QRect handle = subControl(slider, QStyle::SC_SliderHandle);
    const QPoint atMaximum = handleCentreFor(slider, slider->maximum());
    const QPoint atMinimum = handleCentreFor(slider, slider->minimum());
    QPoint target = towardMaximum ? atMaximum : atMinimum;
    // Off the handle: a click on it would take it rather than page.
    if (handle.contains(target) || !groove.adjusted(-2, -2, 2, 2).contains(target))
        return clickHandle(slider);
    clickAt(slider, target);
}

void clickHandle(QSlider* slider) {
    clickAt(slider, subControl(slider, QStyle::SC_SliderHandle).center());
}

void typeCharacter(QWidget* widget, QChar c) {
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void typeInto(QLineEdit* field, const QString& text) {
    clickCentre(field);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    for (const QChar c : text)
        typeCharacter(field, c);
}

void chooseListRow(StyleCombo* list, int row) {
    QListWidget* items = list->list();
    QListWidgetItem* item = items->item(row);
    if (!item)
        return;
    items->scrollToItem(item);
    clickAt(items->viewport(), items->visualItemRect(item).center());
}

FrmPreview* openFullScreen() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* preview = qobject_cast<FrmPreview*>(widget); preview && preview->isVisible())
            return preview;
    return nullptr;
}

bool slidePanelAway(FrmPreview* preview) {
    clickCentre(preview->cmdHide[1]);
    return QTest::qWaitFor([preview] { return !preview->Timer1->isActive(); }, 5000);
}

} // namespace designer::test
