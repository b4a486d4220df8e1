#pragma once
#include "components/Recordset.h"

#include <QDialog>
#include <QVector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

class FlexGrid;
class PictureButton;

// What the two look-up dialogs share: a search box typed in upper case, a search button, the
// list of what the search found, and Select / Cancel. Enter in the box searches; Enter in the
// list selects; Backspace in the list shortens the search text; a letter typed in the list starts
// a new search text. A search that finds one row sets blnExactMatch and puts its code into
// SearchString.
class LookupDialog : public QDialog {
    Q_OBJECT
public:
    explicit LookupDialog(QWidget* parent = nullptr);

    bool blnExactMatch = false;

    QString SearchString() const { return searchString_; }
    void setSearchString(const QString& value) { searchString_ = value; }
    void setLookupType(qint32 value) { lookupType_ = static_cast<qint16>(value); }
    qint16 lookupType() const { return lookupType_; }

    // Loads the dialog without showing it (empties gLookupResult and runs the first search);
    // showing an unloaded dialog loads it first.
    void Load();
    bool isLoaded() const { return loaded_; }
    // Closes the dialog and releases the list's rows.
    void Unload();

    QLineEdit* txtSearch = nullptr;
    PictureButton* cmdSearch = nullptr;
    FlexGrid* grdLookup = nullptr;
    QVector<QPushButton*> cmdOptions;  // 1 Select, 0 Cancel / Close

    void cmdSearch_Click();
    void cmdOptions_Click(int index);
    void grdLookup_KeyDown(int& keyCode);
    void grdLookup_KeyPress(int& keyAscii);

protected:
    // The search of one dialog: true when it found rows.
    bool runSearch(const QString& text);
    // The rows for a search text and the headers the list shows for them.
    virtual Recordset searchRows(const QString& text) = 0;
    virtual QStringList headers() const = 0;
    virtual void setColumnWidths() = 0;
    // One row found: the dialog's own extra fields of it.
    virtual void takeExactMatch(const Recordset&) {}
    // Select: reads the current row into the results.
    virtual void takeSelection(int row) = 0;
    virtual void loadControls() = 0;
    virtual void focusOnShow() = 0;
    // Whether Esc in the list closes the dialog.
    virtual bool escapeCloses() const { return false; }
    // Whether the Down arrow in the search box moves to the list.
    virtual bool downArrowToList() const { return false; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

    QString searchString_;
    qint16 lookupType_ = 0;

private:
    void fillList(const Recordset& rows);
    void clearList();
    void release();

    Recordset rows_;
    bool loaded_ = false;
};

} // namespace qx
