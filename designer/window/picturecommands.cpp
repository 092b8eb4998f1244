#include "window/picturecommands.h"

#include "picture/picturefile.h"
#include "picture/statementpicture.h"
#include "services/clipboard.h"
#include "services/filedialog.h"
#include "services/messagebox.h"
#include "window/previewmenu.h"

#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace designer {

namespace {

const QString kSuggestedName = QStringLiteral("Ombrelo.png");

QString sizeText(QSize size) {
    return QString::number(size.width()) + QStringLiteral(" x ") + QString::number(size.height());
}

} // namespace

PictureCommands::PictureCommands(PictureCommandParts parts)
    : p_(std::move(parts))
    , folder_(p_.firstFolder) {}

bool PictureCommands::canSave() const {
    return p_.fileDialogs && p_.statement().has_value();
}

bool PictureCommands::canCopy() const {
    return p_.statement().has_value();
}

// The screen's size, within what a picture may be.
QSize PictureCommands::offeredSize() const {
    const QSize screen = p_.screenPixels();
    return QSize(std::clamp(screen.width(), 1, kMaxPictureSide),
                 std::clamp(screen.height(), 1, kMaxPictureSide));
}

void PictureCommands::tell(const QString& prompt) const {
    p_.messageBoxes.show(prompt, platform::msgbox::OkOnly | platform::msgbox::Critical,
                         kSavePictureTitle);
}

void PictureCommands::SavePictureAs() {
    const std::optional<StatementValues> values = p_.statement();
    if (!values || !p_.fileDialogs)
        return;
    const platform::SavePictureQuestion question{kSavePictureTitle, folder_,
                                                 kSuggestedName,    offeredSize(),
                                                 kMaxPictureSide,   kPictureSizeNote};
    const std::optional<platform::SavePictureAnswer> answer = p_.fileDialogs->savePicture(question);
    if (!answer || answer->path.isEmpty())
        return;
    QString path = answer->path;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".png");
    folder_ = QFileInfo(path).absolutePath();

    if (!isPictureSize(answer->size))
        return tell(QStringLiteral("A picture is 1 to 16384 pixels on each side, not ") +
                    sizeText(answer->size) + QLatin1Char('.'));
    const QImage picture = paintStatementPicture(*values, answer->size);
    if (picture.isNull())
        return tell(QStringLiteral("There is not enough memory for a picture of ") +
                    sizeText(answer->size) + QStringLiteral(" pixels."));
    const QString reason = writePictureFile(picture, path);
    if (!reason.isEmpty())
        tell(QStringLiteral("The picture could not be written to ") + path + QStringLiteral(":\n") +
             reason);
}

void PictureCommands::CopyPicture() {
    const std::optional<StatementValues> values = p_.statement();
    if (!values)
        return;
    const QImage picture = paintStatementPicture(*values, offeredSize());
    if (!picture.isNull())
        p_.clipboard.setImage(picture);
}

void addPictureItems(PreviewMenu& menu, PictureCommands& pictures) {
    menu.addItem(
        QStringLiteral("Save Picture As…"), [&pictures] { pictures.SavePictureAs(); },
        [&pictures] { return pictures.canSave(); });
    menu.addItem(
        QStringLiteral("Copy Picture"), [&pictures] { pictures.CopyPicture(); },
        [&pictures] { return pictures.canCopy(); });
}

QString defaultPictureFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
}

} // namespace designer
