#pragma once
// The style list: a one-line edit field for the style name with the list of
// all names always shown below it. Making an item current (by the user or by
// code) puts its name into the edit field and raises clicked(), once per
// real change of the current item. Typing, or setting the text, changes only
// the text; a text other than the current item's name leaves no item current.

#include <QWidget>

class QLineEdit;
class QListWidget;

namespace designer {

class StyleCombo : public QWidget {
    Q_OBJECT
public:
    explicit StyleCombo(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);

    int count() const;
    QString item(int index) const;
    void addItem(const QString& name);
    // Removes all items and the edit text; raises nothing.
    void clear();

    // -1 when no item is current.
    int currentIndex() const;
    void setCurrentIndex(int index);

    QLineEdit* editField() const { return edit_; }
    QListWidget* list() const { return list_; }

signals:
    void clicked();

private:
    void currentRowChanged(int row);
    void textChanged(const QString& text);

    QLineEdit* edit_;
    QListWidget* list_;
    bool clearing_ = false;
};

} // namespace designer
