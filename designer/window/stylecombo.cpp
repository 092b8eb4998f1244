#include "window/stylecombo.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace designer {

namespace {

// Qt's item views make the first item current when they gain the focus
// with none current (by Tab, or by the window coming back to the front).
// Here that would load a style the user never chose: the list gains the
// focus with what was current before, and nothing is raised.
class NameList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent* event) override {
        const int before = currentRow();
        {
            const QSignalBlocker quiet(this);
            QListWidget::focusInEvent(event);
            if (currentRow() != before)
                setCurrentRow(before);
        }
    }
};

// A line edit drops its selection when the focus leaves it. The name field
// keeps it: "+" reached with Tab must see the one selected character that
// a click on "+" (which takes no focus) sees.
class NameField : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusOutEvent(QFocusEvent* event) override {
        const int start = selectionStart();
        const int length = selectionLength();
        const bool cursorAtStart = length > 0 && cursorPosition() == start;
        QLineEdit::focusOutEvent(event);
        if (length == 0 || hasSelectedText())
            return;
        if (cursorAtStart)
            setSelection(start + length, -length);
        else
            setSelection(start, length);
    }
};

} // namespace

StyleCombo::StyleCombo(QWidget* parent)
    : QWidget(parent)
    , edit_(new NameField(this))
    , list_(new NameList(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(edit_);
    layout->addWidget(list_, 1);
    edit_->setObjectName(QStringLiteral("lstStyleEdit"));
    list_->setObjectName(QStringLiteral("lstStyleList"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every name takes one line of the same font: the list need not lay out
    // each of a large library's names to know their heights.
    list_->setUniformItemSizes(true);
    connect(list_, &QListWidget::currentRowChanged, this, &StyleCombo::currentRowChanged);
    connect(edit_, &QLineEdit::textChanged, this, &StyleCombo::textChanged);
}

QString StyleCombo::text() const {
    return edit_->text();
}

void StyleCombo::setText(const QString& text) {
    edit_->setText(text);
}

int StyleCombo::count() const {
    return list_->count();
}

QString StyleCombo::item(int index) const {
    const QListWidgetItem* it = list_->item(index);
    return it ? it->text() : QString();
}

void StyleCombo::addItem(const QString& name) {
    list_->addItem(name);
}

void StyleCombo::clear() {
    clearing_ = true;
    list_->clear();
    edit_->clear();
    clearing_ = false;
}

int StyleCombo::currentIndex() const {
    return list_->currentRow();
}

void StyleCombo::setCurrentIndex(int index) {
    if (index < -1 || index >= list_->count())
        return;
    list_->setCurrentRow(index);
}

void StyleCombo::textChanged(const QString& text) {
    const QListWidgetItem* current = list_->currentItem();
    if (!current || current->text() == text)
        return;
    // The name no longer names the current item: no item is current, so
    // that choosing that item again loads it.
    list_->setCurrentRow(-1);
    list_->clearSelection();
}

void StyleCombo::currentRowChanged(int row) {
    if (clearing_ || row < 0)
        return;
    edit_->setText(list_->item(row)->text());
    emit clicked();
}

} // namespace designer
