#pragma once
#include "components/Recordset.h"

#include <QDialog>
#include <functional>
#include <optional>

class QLineEdit;
class QTableWidget;
class QPushButton;
class QLabel;

namespace qx::suite {

// What one picker shows: its caption, the columns, and the rows for a search text. The rows'
// first `headers.size()` fields are shown in that order; further fields travel hidden with the row.
struct PickListSpec {
    QString title;
    QStringList headers;
    QVector<int> widths;  // pixels per column; empty = fit to contents
    std::function<Recordset(const QString& search)> rows;
    QString caption;      // a line above the list (the patient's name), empty = none
};

// The one search-list dialog every picker configures: a search box that narrows the list as
// the user types, the list, OK and Cancel. Enter or a double click takes the current row; Esc,
// the close box and Cancel take nothing.
class PickListDialog : public QDialog {
    Q_OBJECT
public:
    explicit PickListDialog(PickListSpec spec, QWidget* parent = nullptr);

    // Shows the list for `search` modally (through the platform's modal service) and returns
    // every field of the chosen row, or nothing when the user cancelled.
    static std::optional<QVariantList> pick(PickListSpec spec, const QString& search);
    // The same, answering the chosen row's first field trimmed, or "" when cancelled.
    static QString pickKey(PickListSpec spec, const QString& search);

    void setSearchText(const QString& text);
    int rowCount() const;
    // Makes `row` the current one (0-based).
    void selectRow(int row);
    // The fields of the current row after OK, else nothing.
    const std::optional<QVariantList>& chosen() const { return chosen_; }

    QLineEdit* txtSearch = nullptr;
    QTableWidget* grdList = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QLabel* lblCaption = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reload();
    void takeCurrent();

    PickListSpec spec_;
    Recordset rows_;
    std::optional<QVariantList> chosen_;
};

} // namespace qx::suite
