#include "charging/frmListDrugs.h"

#include "components/Locations.h"
#include "platform/KeyCodes.h"
#include "platform/Twips.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

namespace qx {

namespace {
const QString kSpecialPharmacy = QStringLiteral("109");
} // namespace

frmListDrugs::frmListDrugs(QWidget* parent) : PromptDialog(Placement::CentreOnOwner, parent) {
    setObjectName(QStringLiteral("frmListDrugs"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Drug Searcher"));
    setFixedSize(twipsToPixels(4050), twipsToPixels(1395));

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setGeometry(twipsToPixels(3000, 120, 975, 1215));
    connect(Command1, &QPushButton::clicked, this, &frmListDrugs::Command1_Click);

    Frame2 = new QGroupBox(QStringLiteral("Item List From"), this);
    Frame2->setGeometry(twipsToPixels(120, 0, 2775, 1335));
    const QString captions[] = {QStringLiteral("Regular Pharmacy"), QStringLiteral("Special Pharmacy")};
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(captions[i], Frame2);
        option->setGeometry(twipsToPixels(120, i == 0 ? 360 : 840, 2535, 300));
        QFont bold = option->font();
        bold.setBold(true);
        option->setFont(bold);
        option->installEventFilter(this);
        // Only the selected option is a tab stop, so that Tab reaches the group at its selection.
        connect(option, &QRadioButton::toggled, option,
                [option](bool on) { option->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus); });
        option->setFocusPolicy(Qt::ClickFocus);
        Option1 << option;
    }
    setTabOrder(Command1, Option1[0]);
    setTabOrder(Option1[0], Option1[1]);
    setFirstFocus(Command1);
}

void frmListDrugs::Form_Load() {
    Option1[0]->setChecked(true);
}

void frmListDrugs::Command1_Click() {
    locationId_ = Option1[0]->isChecked() ? kMainPharmacyLocation : kSpecialPharmacy;
    unload();
}

void frmListDrugs::Option1_KeyPress(int, int keyAscii) {
    if (keyAscii != 0)
        Command1_Click();
}

bool frmListDrugs::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int index = Option1.indexOf(static_cast<QRadioButton*>(watched));
        const auto* key = static_cast<QKeyEvent*>(event);
        const int ascii = keyAscii(*key);
        const bool arrow = key->key() == Qt::Key_Up || key->key() == Qt::Key_Down || key->key() == Qt::Key_Left ||
                           key->key() == Qt::Key_Right;
        if (index >= 0 && arrow) {
            // Two options: any arrow selects the other one without choosing.
            QRadioButton* other = Option1[1 - index];
            other->setChecked(true);
            other->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (index >= 0 && ascii != 0) {
            Option1_KeyPress(index, ascii);
            return true;
        }
    }
    return PromptDialog::eventFilter(watched, event);
}

void frmListDrugs::keyPressEvent(QKeyEvent* event) {
    // Esc is no way out of the chooser.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    PromptDialog::keyPressEvent(event);
}

} // namespace qx
