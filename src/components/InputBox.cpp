#include "components/InputBox.h"
#include "components/AppError.h"
#include "components/PlatformServices.h"

namespace qx {

namespace {

std::shared_ptr<InputBoxService>& installedInputBox() {
    static std::shared_ptr<InputBoxService> service;
    return service;
}

} // namespace

std::shared_ptr<InputBoxService> installInputBoxService(std::shared_ptr<InputBoxService> service) {
    std::swap(installedInputBox(), service);
    return service;
}

std::optional<QString> InputBox(const QString& prompt, const QString& title, const QString& defaultText) {
    if (!installedInputBox())
        throw AppError(91, QStringLiteral("prjQuillax.PlatformServices"),
                       QStringLiteral("No input box service is installed."));
    return installedInputBox()->ask(prompt, title.isEmpty() ? kProductTitle : title, defaultText);
}

} // namespace qx
