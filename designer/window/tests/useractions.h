#pragma once
// What a user does to the main window, for the tests that drive it whole:
// mouse clicks on buttons, captions, options and list items, slider handles
// dragged, keys pressed, text typed. Nothing here calls a handler or sets a
// control's value directly.

#include <QPoint>
#include <QString>

class QLineEdit;
class QSlider;
class QWidget;

namespace designer {
class FrmDegColor;
class FrmPreview;
class StyleCombo;
} // namespace designer

namespace designer::test {

void clickAt(QWidget* widget, QPoint where);
void clickCentre(QWidget* widget);
// Options and frames are clicked near their left edge (the option's circle,
// the frame's border beside the caption it holds).
void clickLeftEdge(QWidget* widget);
void doubleClickCentre(QWidget* widget);

// A click on the caption control of that name (the hosted control's own
// surface, or the plain label standing in for it).
void clickCaption(FrmDegColor& window, const QString& name);

// The handle of the slider taken with the mouse and let go where value
// lies; the slider ends at the value its own geometry gives that spot.
void dragSlider(QSlider* slider, int value);
// A click on the groove beside the handle (one page toward the click).
void clickGroove(QSlider* slider, bool towardMaximum);
// The slider's handle under the mouse and released there: a click that
// moves nothing.
void clickHandle(QSlider* slider);

// Clicks into the field, selects all it holds and types text in its place,
// one key per character (also characters that no Latin-1 key has); an
// empty text clears the field.
void typeInto(QLineEdit* field, const QString& text);
// Sends one character as a key press and release.
void typeCharacter(QWidget* widget, QChar c);

// A click on the style list's item of that row, scrolled into view first.
void chooseListRow(StyleCombo* list, int row);

// The full-screen preview that is open, or null.
FrmPreview* openFullScreen();
// "<---" clicked, then the slide waited for; false when it did not end.
bool slidePanelAway(FrmPreview* preview);

} // namespace designer::test
