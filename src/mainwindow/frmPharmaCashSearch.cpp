// The search pane of the cash lists: a text that narrows the selected cash list to one patient.
#include "mainwindow/frmPharma.h"

#include "platform/ErrorHandling.h"
#include "platform/Twips.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

namespace qx {

namespace {

const QString kCashSearchModule = QStringLiteral("frmPharma");

// How each cash list reloads with a search text: the loader's two values, and whether the list
// leaves the processing commands off afterwards.
struct CashSearchRow {
    const char* key;
    int what;
    int type;
    bool processingOff;
};

const CashSearchRow kCashSearchRows[] = {
    {"_4.1.1", 1, 1, false}, {"_4.1.2", 1, 2, false}, {"_4.2.1", 2, 1, true},
    {"_4.2.2", 2, 2, true},  {"_4.3.1", 2, 3, false}, {"_4.3.2", 2, 4, false},
};

} // namespace

void frmPharma::createCashSearch() {
    pictSearch = new QFrame(centralWidget());
    pictSearch->setObjectName(QStringLiteral("pictSearch"));
    pictSearch->setFrameShape(QFrame::Box);
    pictSearch->setAutoFillBackground(true);
    pictSearch->setGeometry(twipsToPixels(300, 300, 2580, 510));
    Label1 = new QLabel(QStringLiteral("Patient / #:"), pictSearch);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsToPixels(60, 120, 1050, 285));
    txtSearch = new QLineEdit(pictSearch);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setGeometry(twipsToPixels(1110, 90, 1410, 330));
    connect(txtSearch, &QLineEdit::returnPressed, this, [this] { txtSearch_KeyPress(13); });
    pictSearch->hide();
}

bool frmPharma::cashSearchEvent(QObject* watched, QEvent* e) {
    if (watched != txtSearch)
        return false;
    if (e->type() == QEvent::FocusIn)
        txtSearch_GotFocus();
    else if (e->type() == QEvent::FocusOut)
        txtSearch_LostFocus();
    return false;
}

void frmPharma::mnuHelpSearch_Click() {
    eventHandler(kCashSearchModule, QStringLiteral("mnuHelpSearch_Click"), [this] {
        pictSearch->show();
        pictSearch->raise();
        txtSearch->setFocus();
    });
}

void frmPharma::txtSearch_GotFocus() {
    eventHandler(kCashSearchModule, QStringLiteral("txtSearch_GotFocus"), [this] { txtSearch->selectAll(); });
}

void frmPharma::txtSearch_KeyPress(int keyAscii) {
    eventHandler(kCashSearchModule, QStringLiteral("txtSearch_KeyPress"), [&] {
        if (keyAscii == 13)
            LoadPatientSearch(txtSearch->text());
    });
}

void frmPharma::txtSearch_LostFocus() {
    eventHandler(kCashSearchModule, QStringLiteral("txtSearch_LostFocus"), [this] { pictSearch->hide(); });
}

void frmPharma::LoadPatientSearch(const QString& search) {
    generalProcedure(kCashSearchModule, QStringLiteral("LoadPatientSearch"), [&] {
        const QTreeWidgetItem* node = treCategory->currentItem();
        if (!node)
            return;
        const QString key = NodeKey(node);
        for (const CashSearchRow& row : kCashSearchRows) {
            if (key != QLatin1String(row.key))
                continue;
            if (!LoadListAssessment(row.what, row.type, search))
                ClearGrid();
            if (row.processingOff) {
                command(QStringLiteral("mnuProcessAssessment"))->setEnabled(false);
                tbrPharmaButton(14)->setEnabled(false);
            }
            return;
        }
    });
}

} // namespace qx
