#include "charging/frmChargeslip.h"

#include "platform/Twips.h"
#include "shell/Switches.h"

#include <QLabel>
#include <QPushButton>

namespace qx {

namespace {

constexpr int kClientWidth = 7050;
constexpr int kClientHeight = 2370;
// A tool window's outer width exceeds its client width by its two borders.
constexpr int kToolBorderTwips = 120;
constexpr int kLargeOuterWidth = 8430;

} // namespace

frmChargeslip::frmChargeslip(QWidget* parent) : PromptDialog(Placement::CentreOnOwner, parent) {
    setObjectName(QStringLiteral("frmChargeslip"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Chargeslip Number"));

    lblChargeslip = new QLabel(this);
    lblChargeslip->setAlignment(Qt::AlignCenter);
    QPalette pal = lblChargeslip->palette();
    pal.setColor(QPalette::WindowText, Qt::red);
    lblChargeslip->setPalette(pal);
    lblChargeslip->setTextInteractionFlags(Qt::TextSelectableByMouse);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmChargeslip::cmdOK_Click);
    setFirstFocus(cmdOK);
}

void frmChargeslip::Form_Load() {
    const bool large = GetPharmaSwitch(QStringLiteral("22"));
    QFont font(QStringLiteral("Segoe UI"));
    font.setPointSize(large ? 48 : 36);
    lblChargeslip->setFont(font);
    const int clientWidth = large ? kLargeOuterWidth - kToolBorderTwips : kClientWidth;
    setFixedSize(twipsToPixels(clientWidth), twipsToPixels(kClientHeight));
    lblChargeslip->setGeometry(twipsToPixels(60, 30, large ? 8220 : 6945, 1770));
    cmdOK->setGeometry(twipsToPixels(large ? 3255 : 2820, 1875, 1275, 405));
    lblChargeslip->setText(chargeslip_);
}

void frmChargeslip::cmdOK_Click() { unload(); }

} // namespace qx
