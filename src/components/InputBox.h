#pragma once
#include <QString>
#include <memory>
#include <optional>

namespace qx {

// The standard input box: a prompt, a title and a box prefilled with a text.
class InputBoxService {
public:
    virtual ~InputBoxService() = default;
    // The text the user accepted, or nothing when he cancelled.
    virtual std::optional<QString> ask(const QString& prompt, const QString& title, const QString& defaultText) = 0;
};

// Installs the service the program asks through and returns the one it replaces. main() installs
// the Qt one; tests install a scripted one.
std::shared_ptr<InputBoxService> installInputBoxService(std::shared_ptr<InputBoxService> service);

// Asks through the installed service; nothing installed raises an AppError.
std::optional<QString> InputBox(const QString& prompt, const QString& title = QString(),
                                const QString& defaultText = QString());

} // namespace qx
