#pragma once
// "Save Picture As…" and "Copy Picture": the picture that the current call
// statement paints, at a size the user chooses (saved) or at the screen's
// size (copied). The same pixels as ombrelo-render gives for the statement's
// values.

#include "logic/savedstatement.h"

#include <QSize>
#include <QString>

#include <functional>
#include <optional>

namespace platform {
class Clipboard;
class FileDialogService;
class MessageBoxService;
} // namespace platform

namespace designer {

inline const QString kSavePictureTitle = QStringLiteral("Save Picture As");
inline const QString kPictureSizeNote = QStringLiteral("16384 x 16384 takes 1 GiB of memory");

struct PictureCommandParts {
    // The values of the current statement; none while it has no stop method.
    std::function<std::optional<StatementValues>()> statement;
    // The screen's size in device pixels.
    std::function<QSize()> screenPixels;
    platform::FileDialogService* fileDialogs; // none: nothing can be saved
    platform::MessageBoxService& messageBoxes;
    platform::Clipboard& clipboard;
    QString firstFolder; // where the first save offers to go
};

class PreviewMenu;

class PictureCommands {
public:
    explicit PictureCommands(PictureCommandParts parts);

    bool canSave() const;
    bool canCopy() const;
    void SavePictureAs();
    void CopyPicture();

    // The folder that the next save offers: the last one chosen.
    const QString& folder() const { return folder_; }

private:
    QSize offeredSize() const;
    void tell(const QString& prompt) const;

    PictureCommandParts p_;
    QString folder_;
};

// "Save Picture As…" and "Copy Picture" at the end of the preview's menu.
void addPictureItems(PreviewMenu& menu, PictureCommands& pictures);

// The user's pictures folder, where the first save of a session offers to go.
QString defaultPictureFolder();

} // namespace designer
