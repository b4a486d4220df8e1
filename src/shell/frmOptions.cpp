#include "shell/frmOptions.h"

#include "platform/ErrorHandling.h"
#include "platform/KeyCodes.h"
#include "platform/Values.h"
#include "shell/Session.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

namespace qx {

namespace {

QLineEdit* optionRow(QGroupBox* frame, const QString& caption, const QString& unit) {
    auto* row = new QGridLayout(frame);
    auto* box = new QLineEdit(frame);
    box->setMaximumWidth(80);
    row->addWidget(new QLabel(caption, frame), 0, 0);
    row->addWidget(box, 0, 1);
    row->addWidget(new QLabel(unit, frame), 0, 2);
    row->setColumnStretch(3, 1);
    return box;
}

} // namespace

frmOptions::frmOptions(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    auto* layout = new QVBoxLayout(this);
    auto* communication = new QGroupBox(QStringLiteral("Communication Files"), this);
    txtRefreshRate = optionRow(communication, QStringLiteral("Comm. File List Refresh Rate"), QStringLiteral("mins."));
    auto* senior = new QGroupBox(QStringLiteral("Senior Citizens"), this);
    txtSCDiscount = optionRow(senior, QStringLiteral("Senior Citizen Discount"), QStringLiteral("%"));
    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    layout->addWidget(communication);
    layout->addWidget(senior);
    layout->addWidget(cmdOK, 0, Qt::AlignRight);
    connect(cmdOK, &QPushButton::clicked, this, [this] { unhandledErrorGuard([this] { cmdOK_Click(); }); });
}

qint16 frmOptions::BoxValue(const QString& text) {
    // Rounded first, so that a value just inside the range is not pushed to its end.
    const double rounded = Round(Val(text));
    const double low = std::numeric_limits<qint16>::min();
    const double high = std::numeric_limits<qint16>::max();
    return CInt(std::clamp(rounded, low, high));
}

void frmOptions::Form_Load() {
    auto& options = gComponents.gOptions;
    options->GetOptions();
    txtSCDiscount->setText(Text(options->SeniorCitizenDiscount()));
    txtRefreshRate->setText(Text(options->CommunicationTimer()));
}

void frmOptions::cmdOK_Click() {
    gCommunicationTimer = BoxValue(txtRefreshRate->text());
    gSeniorCitizenDiscount = BoxValue(txtSCDiscount->text());
    gComponents.gOptions->UpdateOptions(gCommunicationTimer, gSeniorCitizenDiscount);
    done(QDialog::Accepted);
}

void frmOptions::keyPressEvent(QKeyEvent* event) {
    if (keyCode(*event) == keys::Escape) {
        done(QDialog::Rejected);
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmOptions::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        unhandledErrorGuard([this] { Form_Load(); });
    QDialog::showEvent(event);
}

} // namespace qx
