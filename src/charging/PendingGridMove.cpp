#include "charging/PendingGridMove.h"

#include "charging/ChargeGridConfig.h"
#include "platform/KeyCodes.h"

namespace qx {

bool PendingGridMove::take(Mark mark) {
    const bool wasSet = isSet(mark);
    marks_ &= ~static_cast<unsigned>(mark);
    return wasSet;
}

bool PendingGridMove::setForEditorKey(int keyCode) {
    switch (keyCode) {
    case keys::Home: set(MoveLeft); return true;
    case keys::End: set(MoveRight); return true;
    case keys::Up: set(RowUp); set(UpReposition); return true;
    case keys::Down: set(RowDown); set(DownReposition); return true;
    case keys::PageUp: set(PageUp); return true;
    case keys::PageDown: set(PageDown); return true;
    default: return false;
    }
}

PendingGridMove::Cell PendingGridMove::rightOf(Cell from, int lastRow, const ChargeGridConfig& config) {
    if (from.col < config.rightWrapColumn) {
        for (int c = from.col + 1; c <= config.rightWrapColumn; ++c)
            if (!config.isExempt(c))
                return {from.row, c};
        return from;
    }
    const int row = from.row < lastRow ? from.row + 1 : from.row;
    return {row, config.firstEditableColumn};
}

PendingGridMove::Cell PendingGridMove::leftOf(Cell from, const ChargeGridConfig& config) {
    if (from.col <= config.leftMinColumn)
        return from;
    for (int c = from.col - 1; c >= config.firstEditableColumn; --c)
        if (!config.isExempt(c))
            return {from.row, c};
    return from;
}

} // namespace qx
