#include "reports/ReportDialog.h"

#include "charging/frmView.h"
#include "components/AppError.h"
#include "components/PlatformServices.h"
#include "platform/DatePicker.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace qx {

ReportDialog::ReportDialog(QWidget* parent) : QDialog(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
}

DatePicker* ReportDialog::todayPicker(const QString& name) {
    auto* picker = new DatePicker(this);
    picker->setObjectName(name);
    picker->setMaxDate(QDate::currentDate());
    picker->setValue(QDateTime::currentDateTime());
    return picker;
}

QComboBox* ReportDialog::shiftList(const QString& name) {
    auto* list = new QComboBox(this);
    list->setObjectName(name);
    list->setEditable(true);
    list->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    list->setCurrentIndex(-1);
    list->setEditText(QString());
    return list;
}

QGroupBox* ReportDialog::shiftFrame(QLabel*& label, QComboBox*& shifts) {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setEnabled(false);
    auto* row = new QHBoxLayout(frame);
    label = new QLabel(QStringLiteral("&Shift"), frame);
    label->setObjectName(QStringLiteral("Label1"));
    shifts = shiftList(QStringLiteral("cboShift"));
    shifts->setParent(frame);
    label->setBuddy(shifts);
    row->addWidget(label);
    row->addWidget(shifts, 1);
    return frame;
}

QPushButton* ReportDialog::dialogButton(const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QHBoxLayout* ReportDialog::generateCloseRow(QPushButton*& generate, QPushButton*& close,
                                            const std::function<void()>& onGenerate, const std::function<void()>& onClose) {
    generate = dialogButton(QStringLiteral("cmdGenerate"), QStringLiteral("&Generate Report"));
    close = dialogButton(QStringLiteral("cmdClose"), QStringLiteral("&Close"));
    connect(generate, &QPushButton::clicked, this, onGenerate);
    connect(close, &QPushButton::clicked, this, onClose);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(generate);
    row->addWidget(close);
    return row;
}

void ReportDialog::showReport(qint16 code) {
    ReportWindow().setWhatReport(code);
    qx::showModal(ReportWindow());
}

bool ReportDialog::guarded(const std::function<void()>& step) { return RunTellingFailure(step); }

bool RunTellingFailure(const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const AppError& e) {
        ShowErrorMessage(e.description());
    } catch (const std::exception& e) {
        ShowErrorMessage(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

void ShowReportModeless(qint16 code) {
    frmView& window = ReportWindow();
    if (window.isVisible())
        window.hide();
    window.setWhatReport(code);
    window.show();
    window.raise();
    window.activateWindow();
}

QString ChosenId(const QComboBox& list) {
    return list.currentIndex() < 0 ? QString() : list.currentData().toString();
}

} // namespace qx
