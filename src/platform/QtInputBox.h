#pragma once
#include "components/InputBox.h"

namespace qx {

// The input box as Qt shows it, over the active window: OK accepts the text, Cancel and Esc give nothing.
class QtInputBox : public InputBoxService {
public:
    std::optional<QString> ask(const QString& prompt, const QString& title, const QString& defaultText) override;
};

} // namespace qx
