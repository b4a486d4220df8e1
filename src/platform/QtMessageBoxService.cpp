#include "platform/QtMessageBoxService.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

namespace qx {

namespace {

struct ButtonDef {
    QMessageBox::StandardButton qt;
    MsgBoxResult result;
};

std::vector<ButtonDef> buttonsOf(int style) {
    switch (msgBoxButtons(style)) {
    case vbOKCancel: return {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}};
    case vbAbortRetryIgnore:
        return {{QMessageBox::Abort, vbAbort}, {QMessageBox::Retry, vbRetry}, {QMessageBox::Ignore, vbIgnore}};
    case vbYesNoCancel: return {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}, {QMessageBox::Cancel, vbCancel}};
    case vbYesNo: return {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}};
    case vbRetryCancel: return {{QMessageBox::Retry, vbRetry}, {QMessageBox::Cancel, vbCancel}};
    default: return {{QMessageBox::Ok, vbOK}};
    }
}

QMessageBox::Icon iconOf(int style) {
    switch (msgBoxIcon(style)) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

} // namespace

MsgBoxResult QtMessageBoxService::show(const QString& prompt, int style, const QString& title) {
    QMessageBox box(iconOf(style), title, prompt, QMessageBox::NoButton, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (style & vbSystemModal)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);

    const auto buttons = buttonsOf(style);
    const size_t defaultIndex = size_t(msgBoxDefaultButton(style) - 1);
    for (size_t i = 0; i < buttons.size(); ++i) {
        QPushButton* button = box.addButton(buttons[i].qt);
        if (buttons[i].result == vbCancel || buttons.size() == 1)
            box.setEscapeButton(button);
        if (i == (defaultIndex < buttons.size() ? defaultIndex : 0))
            box.setDefaultButton(button);
    }
    box.exec();

    for (const ButtonDef& b : buttons)
        if (box.clickedButton() == box.button(b.qt))
            return b.result;
    // Closed without a button (Esc where Qt allows it): the last button, Cancel or No.
    return buttons.back().result;
}

} // namespace qx
