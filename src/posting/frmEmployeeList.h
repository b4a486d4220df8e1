#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

class FlexGrid;
class SearchListKeys;

// "Employee List": the employees of company accounts whose name starts with the search text,
// searched at every keystroke. Register makes the chosen employee a new out-patient visit on the
// employee's account (read back from gEmployeeReg().OPD_ID()); OK keeps the chosen account in
// CompanyID. One instance per showing; CompanyID and Search are the caller's.
class frmEmployeeList : public QDialog {
    Q_OBJECT
public:
    explicit frmEmployeeList(QWidget* parent = nullptr);

    QString CompanyID() const { return companyId_; }
    void setCompanyID(const QString& value) { companyId_ = value; }
    QString Search() const { return search_; }
    void setSearch(const QString& value) { search_ = value; }
    QString CompanyClass() const { return companyClass_; }
    void setCompanyClass(const QString& value) { companyClass_ = value; }

    // Lists the employees for the search text; a search that finds nobody keeps the list shown.
    void LoadEmployee(const QString& search);

    void Form_Load();
    void cmdRegister_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void flexMSHList_Click();
    void flexMSHList_KeyDown(int& keyCode);
    int topRowUpCount() const;

    QLabel* Label1 = nullptr;
    QLineEdit* txtSearch = nullptr;
    FlexGrid* flexMSHList = nullptr;
    QPushButton* cmdRegister = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

protected:
    void reject() override;

private:
    QString currentCell(int col) const;

    QString companyId_;
    QString search_;
    QString companyClass_;
    SearchListKeys* listKeys_ = nullptr;
};

} // namespace qx
