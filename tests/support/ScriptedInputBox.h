#pragma once
#include "components/InputBox.h"

#include <QStringList>
#include <deque>

namespace qx::test {

// Input boxes for tests: each answer in turn (nothing: Cancel), every question recorded.
class ScriptedInputBox : public InputBoxService {
public:
    std::optional<QString> ask(const QString& prompt, const QString& title, const QString& defaultText) override {
        asked << prompt + QLatin1Char('|') + title + QLatin1Char('|') + defaultText;
        if (answers.empty())
            return std::nullopt;
        std::optional<QString> answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<std::optional<QString>> answers;
    QStringList asked;
};

} // namespace qx::test
