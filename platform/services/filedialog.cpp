#include "services/filedialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace platform {

namespace {

const QString kPictureFilters =
    QStringLiteral("PNG picture (*.png);;BMP picture (*.bmp);;JPEG picture (*.jpg *.jpeg)");

QSpinBox* sideField(int value, int maximum, QWidget* parent) {
    auto* field = new QSpinBox(parent);
    field->setRange(1, maximum);
    field->setValue(value);
    field->setSuffix(QStringLiteral(" px"));
    return field;
}

} // namespace

std::optional<SavePictureAnswer>
QtFileDialogService::savePicture(const SavePictureQuestion& question) {
    QDialog dialog(parent_);
    dialog.setWindowTitle(question.title);
    auto* name = new QLineEdit(QDir(question.folder).filePath(question.suggestedName), &dialog);
    name->setMinimumWidth(360);
    auto* browse = new QPushButton(QStringLiteral("Browse…"), &dialog);
    QObject::connect(browse, &QPushButton::clicked, &dialog, [&dialog, name] {
        const QString chosen = QFileDialog::getSaveFileName(&dialog, dialog.windowTitle(),
                                                            name->text(), kPictureFilters);
        if (!chosen.isEmpty())
            name->setText(chosen);
    });
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(name, 1);
    fileRow->addWidget(browse);

    auto* width = sideField(question.size.width(), question.maximumSide, &dialog);
    auto* height = sideField(question.size.height(), question.maximumSide, &dialog);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(width);
    sizeRow->addWidget(new QLabel(QStringLiteral("x"), &dialog));
    sizeRow->addWidget(height);
    sizeRow->addWidget(new QLabel(question.sizeNote, &dialog), 1);

    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(QStringLiteral("File (.png, .bmp, .jpg):"), fileRow);
    form->addRow(QStringLiteral("Size:"), sizeRow);
    form->addRow(buttons);

    if (dialog.exec() != QDialog::Accepted || name->text().trimmed().isEmpty())
        return std::nullopt;
    return SavePictureAnswer{name->text().trimmed(), QSize(width->value(), height->value())};
}

} // namespace platform
