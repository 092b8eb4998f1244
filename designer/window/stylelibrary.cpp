#include "window/stylelibrary.h"

#include "logic/editorstate.h"
#include "logic/storedstyle.h"
#include "services/messagebox.h"
#include "window/stylecombo.h"

#include <QLineEdit>

namespace designer {

namespace {

// One character, also when it takes two UTF-16 units.
bool isOneCharacter(const QString& text) {
    return text.size() == 1 || (text.size() == 2 && text[0].isHighSurrogate());
}

} // namespace

StyleLibraryHandlers::StyleLibraryHandlers(const StyleLibraryControls& controls)
    : c_(controls) {}

void StyleLibraryHandlers::cmdPlus_Click() {
    QLineEdit* field = c_.lstStyle->editField();
    if (field->text().isEmpty())
        return;
    if (isOneCharacter(field->selectedText())) {
        // Setting the text clears the selection: the second run saves.
        field->setText(field->text() + QLatin1Char('-'));
        cmdPlus_Click();
        return;
    }
    const QString name = field->text();
    saveStoredStyle(c_.Filename->text(), name, saveRecord(c_.state));
    c_.refillList();
    c_.lstStyle->setText(name);
}

void StyleLibraryHandlers::cmdmoins_Click() {
    const QString name = c_.lstStyle->text();
    const int answer = c_.messageBoxes.show(
        QStringLiteral("Do you like really delete this Style:  '") + name + QLatin1Char('\''),
        platform::msgbox::YesNo | platform::msgbox::Question,
        QStringLiteral("Info : Delete a Style"));
    if (answer != platform::msgbox::Yes)
        return;
    deleteStoredStyle(c_.Filename->text(), name);
    c_.refillList();
    // With no style left, nothing becomes current and the editor stays.
    c_.lstStyle->setCurrentIndex(0);
}

} // namespace designer
