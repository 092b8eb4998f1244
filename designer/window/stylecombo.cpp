#include "window/stylecombo.h"

#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace designer {

StyleCombo::StyleCombo(QWidget* parent)
    : QWidget(parent)
    , edit_(new QLineEdit(this))
    , list_(new QListWidget(this)) {
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

void StyleCombo::currentRowChanged(int row) {
    if (clearing_ || row < 0)
        return;
    edit_->setText(list_->item(row)->text());
    emit clicked();
}

} // namespace designer
