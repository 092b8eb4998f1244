#pragma once
// Modal message boxes as the programs use them: a prompt, a style number that
// combines buttons and icon, and a title; the answer is a button code. Code
// that shows message boxes takes a MessageBoxService so that tests can script
// the answers.

#include <QString>

class QWidget;

namespace platform {

namespace msgbox {
// Buttons.
inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
// Icons.
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
// Answers.
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
} // namespace msgbox

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Shows the box modally and returns the code of the button pressed.
    virtual int show(const QString& prompt, int style, const QString& title) = 0;
};

// The real thing: a modal QMessageBox over the given parent.
class QtMessageBoxService final : public MessageBoxService {
public:
    explicit QtMessageBoxService(QWidget* parent = nullptr)
        : parent_(parent) {}
    int show(const QString& prompt, int style, const QString& title) override;

private:
    QWidget* parent_;
};

} // namespace platform
