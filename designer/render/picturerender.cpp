#include "render/picturerender.h"

#include "logic/profilelocation.h"
#include "picture/picturefile.h"
#include "picture/statementpicture.h"

#include <QString>
#include <QtGlobal>

namespace render {

static_assert(kMaxPixels == designer::kMaxPictureSide);

void prepareGuiEnvironment() {
    const bool hasDisplay =
        qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !hasDisplay)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");
}

std::string libraryOf(const RenderRequest& request) {
    if (!request.libraryFile.empty())
        return request.libraryFile;
    return designer::defaultProfilePath().toStdString();
}

StatementOutcome statementOf(const RenderRequest& request) {
    StatementOutcome outcome;
    if (!request.styleName) {
        outcome.values.style = request.style;
        outcome.values.stopFromHeight = request.stopFromHeight;
        return outcome;
    }
    const designer::SavedStatement saved = designer::readSavedStatement(
        QString::fromStdString(libraryOf(request)), QString::fromStdString(*request.styleName));
    if (!saved.values)
        outcome.failure = {2, saved.problem.toStdString()};
    else
        outcome.values = *saved.values;
    return outcome;
}

PictureOutcome renderPicture(const RenderRequest& request) {
    const StatementOutcome statement = statementOf(request);
    if (statement.failure.exitCode != 0)
        return statement.failure;
    const QImage picture = designer::paintStatementPicture(
        statement.values, QSize(request.pixelWidth, request.pixelHeight));
    if (picture.isNull())
        return {1, "not enough memory for a picture of " + std::to_string(request.pixelWidth) +
                       "x" + std::to_string(request.pixelHeight) + " pixels"};
    const QString reason =
        designer::writePictureFile(picture, QString::fromStdString(request.outputFile));
    if (!reason.isEmpty())
        return {1, "cannot write " + request.outputFile + ": " + reason.toStdString()};
    return {};
}

} // namespace render
