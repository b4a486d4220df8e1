#include "ScriptedMessageBoxService.h"

#include <stdexcept>

namespace qx {

MsgBoxResult ScriptedMessageBoxService::show(const QString& prompt, int style, const QString& title) {
    const size_t index = boxes_.size();
    boxes_.push_back(Box{prompt, style, title, msgBoxDefaultResult(style)});
    if (onShow_)
        onShow_(Box(boxes_[index])); // a copy: the action may show further boxes
    if (!answers_.empty()) {
        boxes_[index].answer = answers_.front();
        answers_.pop_front();
    }
    return boxes_[index].answer;
}

QStringList ScriptedMessageBoxService::texts() const {
    QStringList list;
    for (const Box& box : boxes_)
        list << box.text;
    return list;
}

const ScriptedMessageBoxService::Box& ScriptedMessageBoxService::last() const {
    if (boxes_.empty())
        throw std::logic_error("no message box was shown");
    return boxes_.back();
}

} // namespace qx
