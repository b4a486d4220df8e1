#include "charging/SearchListKeys.h"

#include "charging/PatientLookupBoxes.h"
#include "platform/ControlEvents.h"
#include "platform/FlexGrid.h"
#include "platform/KeyCodes.h"
#include "shell/GridHelpers.h"

#include <QChar>
#include <QLineEdit>

namespace qx {

SearchListKeys::SearchListKeys(QLineEdit& search, FlexGrid& list, std::function<void()> choose,
                               std::function<void()> searchEnter)
    : QObject(&list), search_(search), list_(list) {
    auto* searchEvents = new ControlEvents(&search);
    connect(searchEvents, &ControlEvents::keyPress, this, [searchEnter](int& keyAscii) {
        if (searchEnter)
            LookupBoxKeyPress(keyAscii, searchEnter);
        else if (keyAscii != keys::Return)
            keyAscii = QChar(keyAscii).toUpper().unicode();
    });
    connect(searchEvents, &ControlEvents::keyDown, this, [this](int& keyCode, int) {
        if (keyCode == keys::Down && list_.isEnabled()) {
            keyCode = 0;
            list_.setFocus(Qt::OtherFocusReason);
        }
    });
    connect(searchEvents, &ControlEvents::gotFocus, this, [this] { search_.selectAll(); });

    connect(&list, &FlexGrid::click, this, &SearchListKeys::listClick);
    connect(&list, &FlexGrid::gotFocus, this, [this] {
        if (list_.row() == 1)
            topRowUpCount_ = 1;
        SetGridHighlight(list_, true);
    });
    connect(&list, &FlexGrid::enterCell, this, [this] {
        SetGridHighlight(list_, true);
        if (list_.row() != 1)
            topRowUpCount_ = 0;
    });
    connect(&list, &FlexGrid::leaveCell, this, [this] { SetGridHighlight(list_, false); });
    connect(&list, &FlexGrid::keyDown, this, [this](int& keyCode, int) { listKeyDown(keyCode); });
    connect(&list, &FlexGrid::keyPress, this, [choose](int& keyAscii) {
        if (keyAscii == keys::Return) {
            keyAscii = 0;
            choose();
        }
    });
    connect(&list, &FlexGrid::dblClick, this, [choose] { choose(); });
}

void SearchListKeys::listClick() {
    if (list_.row() == 1)
        topRowUpCount_ = 1;
}

void SearchListKeys::listKeyDown(int& keyCode) {
    if ((keyCode != keys::Up && keyCode != keys::PageUp) || list_.row() != 1)
        return;
    if (topRowUpCount_ == 1) {
        topRowUpCount_ = 0;
        keyCode = 0;
        search_.setFocus(Qt::OtherFocusReason);
    } else {
        ++topRowUpCount_;
    }
}

} // namespace qx
