#pragma once
#include "components/PlatformServices.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

namespace qx {

// Message boxes for tests: records every box and answers from a script. With no scripted answer
// left, a box answers with its default button, as Enter would.
class ScriptedMessageBoxService : public MessageBoxService {
public:
    struct Box {
        QString text;
        int style = 0;
        QString title;
        MsgBoxResult answer = vbOK;
        int icon() const { return msgBoxIcon(style); }
        int buttons() const { return msgBoxButtons(style); }
        int defaultButton() const { return msgBoxDefaultButton(style); }
    };

    // Queues answers for the next boxes, in order.
    void answer(MsgBoxResult result) { answers_.push_back(result); }
    void answer(std::initializer_list<MsgBoxResult> results) { answers_.insert(answers_.end(), results); }
    // Runs before each box is answered (after it is recorded): a test can act while it is "shown".
    void onShow(std::function<void(const Box&)> action) { onShow_ = std::move(action); }

    MsgBoxResult show(const QString& prompt, int style, const QString& title) override;

    const std::vector<Box>& boxes() const { return boxes_; }
    QStringList texts() const;
    const Box& last() const;
    void clear() { boxes_.clear(); answers_.clear(); }

private:
    std::vector<Box> boxes_;
    std::deque<MsgBoxResult> answers_;
    std::function<void(const Box&)> onShow_;
};

} // namespace qx
