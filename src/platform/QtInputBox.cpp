#include "platform/QtInputBox.h"

#include <QApplication>
#include <QInputDialog>

namespace qx {

std::optional<QString> QtInputBox::ask(const QString& prompt, const QString& title, const QString& defaultText) {
    bool accepted = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), title, prompt, QLineEdit::Normal,
                                               defaultText, &accepted);
    if (!accepted)
        return std::nullopt;
    return text;
}

} // namespace qx
