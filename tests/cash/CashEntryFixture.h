#pragma once
#include "ScriptedPlatform.h"
#include "TestDatabase.h"
#include "cash/frmCashEntry.h"
#include "charging/ChargeGrid.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "platform/WidgetInput.h"
#include "shell/HospitalSettings.h"
#include "shell/LoggedInFixture.h"
#include "shell/Session.h"
#include "shell/Switches.h"

#include <QApplication>
#include <memory>

namespace qx::test {

// One line as item entry leaves it: code, description, quantity, amount, discount and MDRP flag.
inline void fillCashLine(FlexGrid* grid, int row, const QString& code, const QString& quantity, const QString& amount,
                         const QString& discount = QString(), bool mdrp = false) {
    grid->setTextMatrix(row, frmCashEntry::colCode, code);
    grid->setTextMatrix(row, frmCashEntry::colDescription, QStringLiteral("ITEM ") + code);
    grid->setTextMatrix(row, frmCashEntry::colQuantity, quantity);
    grid->setTextMatrix(row, frmCashEntry::colAmount, amount);
    grid->setTextMatrix(row, frmCashEntry::colDiscount, discount);
    grid->setTextMatrix(row, frmCashEntry::colMDRP, mdrp ? QStringLiteral("1") : QStringLiteral("0"));
}

// A fresh database with an employee logged in and the settings of a new program; the test sets
// the site and settings, then opens the assessment window.
template <typename Base>
class CashEntryTestOn : public LoggedInTestOn<Base> {
protected:
    using Base::db;
    using LoggedInTestOn<Base>::login;

    void TearDown() override {
        form.reset();
        LoggedInTestOn<Base>::TearDown();
    }

    void setPharmaSwitch(const QString& key, bool on) {
        db().execute(QStringLiteral("DELETE FROM tbPharmaSwitch WHERE IDKey = ?"), {key});
        db().execute(QStringLiteral("INSERT INTO tbPharmaSwitch (IDKey, KeyValue) VALUES (?, ?)"), {key, on ? 1 : 0});
        gPharmaSwitches.Load(db(), QString());
    }

    frmCashEntry& open() {
        form = std::make_unique<frmCashEntry>();
        return *form;
    }
    // Opened and shown, with the editor laid over the first code cell.
    frmCashEntry& openShown() {
        open();
        showActive(form.get());
        return *form;
    }

    FlexGrid* grid() const { return form->grdItemList; }

    void fillLine(int row, const QString& code, const QString& quantity, const QString& amount,
                  const QString& discount = QString(), bool mdrp = false) {
        fillCashLine(grid(), row, code, quantity, amount, discount, mdrp);
    }

    ScriptedPlatform platform;
    std::unique_ptr<frmCashEntry> form;
};

using CashEntryTest = CashEntryTestOn<SqliteTest>;
using CashEntryBothEnginesTest = CashEntryTestOn<DbTest>;

} // namespace qx::test
