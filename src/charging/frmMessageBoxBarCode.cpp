#include "charging/frmMessageBoxBarCode.h"

#include "platform/Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace qx {

bool gBarcodeChoiceChange = false;
bool gBarcodeChoiceCancel = false;
bool gBarcodeChoiceRetry = false;

namespace {

QPushButton* placedButton(QWidget* parent, const QString& caption, int left, int width) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(twipsToPixels(left, 480, width, 375));
    return button;
}

} // namespace

frmMessageBoxBarCode::frmMessageBoxBarCode(QWidget* parent)
    : PromptDialog(Placement::CentreOnScreen, parent) {
    setObjectName(QStringLiteral("frmMessageBoxBarCode"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QString());
    setFixedSize(twipsToPixels(5610), twipsToPixels(915));

    Label1 = new QLabel(QStringLiteral("CODE NOT ACCEPTED"), this);
    Label1->setGeometry(twipsToPixels(1770, 90, 2115, 315));
    Label1->setAlignment(Qt::AlignCenter);
    QPalette pal = Label1->palette();
    pal.setColor(QPalette::WindowText, Qt::red);
    Label1->setPalette(pal);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);

    cmdChange = placedButton(this, QStringLiteral("Ch&ange Request"), 240, 1635);
    cmdCancel = placedButton(this, QStringLiteral("&Cancel Request"), 1890, 1725);
    cmdRetry = placedButton(this, QStringLiteral("&Retry Scan"), 3630, 1725);
    setTabOrder(cmdChange, cmdCancel);
    setTabOrder(cmdCancel, cmdRetry);
    connect(cmdChange, &QPushButton::clicked, this, &frmMessageBoxBarCode::cmdChange_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmMessageBoxBarCode::cmdCancel_Click);
    connect(cmdRetry, &QPushButton::clicked, this, &frmMessageBoxBarCode::cmdRetry_Click);
    setFirstFocus(cmdChange);
}

void frmMessageBoxBarCode::Form_Load() {
    gBarcodeChoiceChange = true;
    gBarcodeChoiceCancel = false;
    gBarcodeChoiceRetry = false;
}

void frmMessageBoxBarCode::cmdChange_Click() {
    gBarcodeChoiceChange = true;
    unload();
}

void frmMessageBoxBarCode::cmdCancel_Click() {
    gBarcodeChoiceCancel = true;
    unload();
}

void frmMessageBoxBarCode::cmdRetry_Click() {
    gBarcodeChoiceRetry = true;
    unload();
}

void frmMessageBoxBarCode::keyPressEvent(QKeyEvent* event) {
    // No cancel button: Esc leaves the prompt open.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    PromptDialog::keyPressEvent(event);
}

} // namespace qx
