#include "charging/LookupDialog.h"

#include "charging/modLookup.h"
#include "components/AppError.h"
#include "components/PlatformServices.h"
#include "platform/FlexGrid.h"
#include "platform/KeyCodes.h"
#include "platform/PictureButton.h"
#include "platform/Values.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace qx {

LookupDialog::LookupDialog(QWidget* parent) : QDialog(parent) {
    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->installEventFilter(this);
    connect(txtSearch, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString upper = text.toUpper();
        if (upper == text)
            return;
        const int caret = txtSearch->cursorPosition();
        txtSearch->setText(upper);
        txtSearch->setCursorPosition(caret);
    });

    cmdSearch = new PictureButton(this);
    cmdSearch->setObjectName(QStringLiteral("cmdSearch"));
    cmdSearch->setPicture(style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(16, 16));
    connect(cmdSearch, &QAbstractButton::clicked, this, &LookupDialog::cmdSearch_Click);

    grdLookup = new FlexGrid(this);
    grdLookup->setObjectName(QStringLiteral("grdLookup"));
    grdLookup->setFixedCols(0);
    grdLookup->setSelectionMode(FlexGrid::SelectionMode::ByRow);
    connect(grdLookup, &FlexGrid::keyDown, this, [this](int& keyCode, int) { grdLookup_KeyDown(keyCode); });
    connect(grdLookup, &FlexGrid::keyPress, this, [this](int& keyAscii) { grdLookup_KeyPress(keyAscii); });
    connect(grdLookup, &FlexGrid::dblClick, this, [this] {
        if (cmdOptions[1]->isEnabled() && grdLookup->mouseRow() >= grdLookup->fixedRows())
            cmdOptions_Click(1);
    });

    cmdOptions << new QPushButton(this) << new QPushButton(this);
    cmdOptions[0]->setObjectName(QStringLiteral("cmdOptions0"));
    cmdOptions[1]->setObjectName(QStringLiteral("cmdOptions1"));
    connect(cmdOptions[0], &QPushButton::clicked, this, [this] { cmdOptions_Click(0); });
    connect(cmdOptions[1], &QPushButton::clicked, this, [this] { cmdOptions_Click(1); });
}

void LookupDialog::Load() {
    if (loaded_)
        return;
    blnExactMatch = false;
    gLookupResult.clear();
    loadControls();
    txtSearch->setText(searchString_);
    runSearch(searchString_);
    loaded_ = true;
}

void LookupDialog::Unload() {
    if (isVisible())
        done(QDialog::Accepted);
    else
        release();
}

void LookupDialog::release() {
    loaded_ = false;
    rows_ = Recordset();
}

void LookupDialog::done(int result) {
    release();
    QDialog::done(result);
}

bool LookupDialog::runSearch(const QString& text) {
    Recordset rows;
    try {
        rows = searchRows(text);
    } catch (const AppError& e) {
        // A search the database refuses leaves the list as it was.
        MsgBox(e.description(), vbOKOnly);
        return false;
    }
    if (rows.isEmpty()) {
        rows_ = Recordset();
        clearList();
        grdLookup->setEnabled(false);
        cmdOptions[1]->setEnabled(false);
        return false;
    }
    if (rows.recordCount() == 1) {
        rows.moveFirst();
        blnExactMatch = true;
        searchString_ = rows.text(QStringLiteral("Code"));
        takeExactMatch(rows);
    }
    rows_ = rows;
    grdLookup->setEnabled(true);
    cmdOptions[1]->setEnabled(true);
    fillList(rows_);
    setColumnWidths();
    return true;
}

void LookupDialog::fillList(const Recordset& rows) {
    const QStringList titles = headers();
    grdLookup->setRedraw(false);
    grdLookup->setRows(rows.recordCount() + 1);
    grdLookup->setCols(titles.size());
    grdLookup->setFixedRows(1);
    for (int c = 0; c < titles.size(); ++c)
        grdLookup->setTextMatrix(0, c, titles[c]);
    for (int r = 0; r < rows.recordCount(); ++r)
        for (int c = 0; c < titles.size(); ++c)
            grdLookup->setTextMatrix(r + 1, c, Text(rows.valueAt(r, c)));
    grdLookup->setRow(1);
    grdLookup->setCol(0);
    grdLookup->setRedraw(true);
}

void LookupDialog::clearList() {
    grdLookup->setRows(1);
    grdLookup->setFixedRows(1);
    grdLookup->setCols(1);
    grdLookup->setTextMatrix(0, 0, QString());
}

void LookupDialog::cmdSearch_Click() {
    if (runSearch(txtSearch->text()))
        grdLookup->setFocus(Qt::OtherFocusReason);
    else
        txtSearch->setFocus(Qt::OtherFocusReason);
}

void LookupDialog::cmdOptions_Click(int index) {
    if (index == 1) {
        const int row = grdLookup->row();
        if (row < grdLookup->fixedRows() || row >= grdLookup->rows())
            return;
        takeSelection(row);
    }
    Unload();
}

void LookupDialog::grdLookup_KeyDown(int& keyCode) {
    if (keyCode == keys::Back) {
        const QString text = txtSearch->text();
        const int trimmedLength = Trim(text).size();
        if (trimmedLength > 0)
            txtSearch->setText(Left(text, trimmedLength - 1));
        keyCode = 0;
    } else if (keyCode >= 'A' && keyCode <= 'Z') {
        txtSearch->setFocus(Qt::OtherFocusReason);
        txtSearch->setText(QString(QChar(keyCode)));
        txtSearch->setCursorPosition(1);
        keyCode = 0;
    }
}

void LookupDialog::grdLookup_KeyPress(int& keyAscii) {
    if (keyAscii == keys::Return && cmdOptions[1]->isEnabled())
        cmdOptions_Click(1);
    else if (keyAscii == keys::Escape && escapeCloses())
        cmdOptions_Click(0);
}

bool LookupDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtSearch && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // While the box has the focus the search button is the default one.
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            cmdSearch_Click();
            return true;
        }
        if (key->key() == Qt::Key_Down && downArrowToList()) {
            grdLookup->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void LookupDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !escapeCloses()) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void LookupDialog::showEvent(QShowEvent* event) {
    Load();
    QDialog::showEvent(event);
    focusOnShow();
}


} // namespace qx
