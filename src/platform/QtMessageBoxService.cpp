#include "platform/QtMessageBoxService.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace qx {

namespace {

QMessageBox::StandardButton qtButton(MsgBoxResult result) {
    switch (result) {
    case vbOK: return QMessageBox::Ok;
    case vbCancel: return QMessageBox::Cancel;
    case vbAbort: return QMessageBox::Abort;
    case vbRetry: return QMessageBox::Retry;
    case vbIgnore: return QMessageBox::Ignore;
    case vbYes: return QMessageBox::Yes;
    case vbNo: return QMessageBox::No;
    }
    return QMessageBox::Ok;
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

    const auto answers = msgBoxButtonResults(style);
    const MsgBoxResult defaultAnswer = msgBoxDefaultResult(style);
    for (MsgBoxResult answer : answers) {
        QPushButton* button = box.addButton(qtButton(answer));
        if (answer == vbCancel || answers.size() == 1)
            box.setEscapeButton(button);
        if (answer == defaultAnswer)
            box.setDefaultButton(button);
    }
    box.exec();

    for (MsgBoxResult answer : answers)
        if (box.clickedButton() == box.button(qtButton(answer)))
            return answer;
    // Closed without a button (Esc where Qt allows it): the last button, Cancel or No.
    return answers.back();
}

} // namespace qx
