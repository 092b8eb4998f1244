#pragma once
// The dialog that asks where to save a picture and at which size. Code that
// saves pictures takes a FileDialogService so that tests can script the
// answers, as they script message boxes.

#include <QSize>
#include <QString>

#include <optional>

class QWidget;

namespace platform {

struct SavePictureQuestion {
    QString title;
    QString folder;        // where the file chooser opens
    QString suggestedName; // file name without folder
    QSize size;            // the size offered, in pixels
    int maximumSide = 1;   // each side 1..maximumSide
    QString sizeNote;      // shown beside the size fields
};

struct SavePictureAnswer {
    QString path; // as chosen; its extension names the format
    QSize size;   // within 1..maximumSide on each side
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // Asks modally; empty when the user cancels.
    virtual std::optional<SavePictureAnswer> savePicture(const SavePictureQuestion& question) = 0;
};

// The real thing: a modal dialog over the given parent with the file name
// (and a button that opens the file chooser), the width and the height.
class QtFileDialogService final : public FileDialogService {
public:
    explicit QtFileDialogService(QWidget* parent = nullptr)
        : parent_(parent) {}
    std::optional<SavePictureAnswer> savePicture(const SavePictureQuestion& question) override;

private:
    QWidget* parent_;
};

} // namespace platform
