#include "suite/PickListDialog.h"
#include "components/PlatformServices.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qx::suite {

PickListDialog::PickListDialog(PickListSpec spec, QWidget* parent) : QDialog(parent), spec_(std::move(spec)) {
    setWindowTitle(spec_.title);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    lblCaption = new QLabel(spec_.caption, this);
    lblCaption->setVisible(!spec_.caption.isEmpty());
    layout->addWidget(lblCaption);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(tr("Search:"), this));
    txtSearch = new QLineEdit(this);
    searchRow->addWidget(txtSearch, 1);
    layout->addLayout(searchRow);
    grdList = new QTableWidget(this);
    grdList->setColumnCount(static_cast<int>(spec_.headers.size()));
    grdList->setHorizontalHeaderLabels(spec_.headers);
    grdList->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdList->setSelectionMode(QAbstractItemView::SingleSelection);
    grdList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdList->verticalHeader()->setVisible(false);
    grdList->horizontalHeader()->setStretchLastSection(true);
    for (int c = 0; c < spec_.widths.size() && c < grdList->columnCount(); ++c)
        grdList->setColumnWidth(c, spec_.widths[c]);
    layout->addWidget(grdList, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdOK = new QPushButton(tr("&OK"), this);
    cmdCancel = new QPushButton(tr("&Cancel"), this);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);
    resize(640, 420);

    connect(txtSearch, &QLineEdit::textChanged, this, [this] { reload(); });
    connect(grdList, &QTableWidget::cellDoubleClicked, this, [this] { takeCurrent(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { takeCurrent(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    txtSearch->installEventFilter(this);
    grdList->installEventFilter(this);
}

std::optional<QVariantList> PickListDialog::pick(PickListSpec spec, const QString& search) {
    PickListDialog dialog(std::move(spec), QApplication::activeWindow());
    dialog.setSearchText(search.trimmed());
    showModal(dialog);
    return dialog.result() == QDialog::Accepted ? dialog.chosen() : std::nullopt;
}

QString PickListDialog::pickKey(PickListSpec spec, const QString& search) {
    const auto row = pick(std::move(spec), search);
    return row ? row->value(0).toString().trimmed() : QString();
}

void PickListDialog::setSearchText(const QString& text) {
    if (txtSearch->text() == text)
        reload();
    else
        txtSearch->setText(text);  // reloads through textChanged
    txtSearch->selectAll();
}

int PickListDialog::rowCount() const {
    return grdList->rowCount();
}

void PickListDialog::selectRow(int row) {
    if (row >= 0 && row < grdList->rowCount())
        grdList->setCurrentCell(row, 0);
}

void PickListDialog::reload() {
    rows_ = spec_.rows ? spec_.rows(txtSearch->text().trimmed()) : Recordset();
    grdList->setRowCount(rows_.recordCount());
    const int shown = grdList->columnCount();
    for (int r = 0; r < rows_.recordCount(); ++r)
        for (int c = 0; c < shown; ++c) {
            const QVariant v = c < rows_.fieldCount() ? rows_.valueAt(r, c) : QVariant();
            grdList->setItem(r, c, new QTableWidgetItem(v.isNull() ? QString() : v.toString()));
        }
    if (spec_.widths.isEmpty())
        grdList->resizeColumnsToContents();
    selectRow(0);
}

void PickListDialog::takeCurrent() {
    const int row = grdList->currentRow();
    if (row < 0 || row >= rows_.recordCount())
        return;  // nothing to take: the list stays open
    chosen_ = rows_.row(row);
    accept();
}

bool PickListDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            takeCurrent();
            return true;
        case Qt::Key_Down:
        case Qt::Key_Up:
        case Qt::Key_PageDown:
        case Qt::Key_PageUp:
            if (watched == txtSearch) {
                QApplication::sendEvent(grdList, event);
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace qx::suite
