#pragma once
#include "Builders.h"
#include "MainWindowFixture.h"
#include "charging/ReportOpeners.h"
#include "platform/FlexGrid.h"

namespace qx::test {

// The work-queue windows over a fresh database on both engines: PARACETAMOL (PARA500) and
// AMOXICILLIN (AMOX500) in stock, DELA CRUZ admitted as 1001, and no report installed, so that a
// requested report is seen by its request alone.
class WorkQueueTest : public MainWindowTestOn<DbTest> {
protected:
    void SetUp() override {
        MainWindowTestOn<DbTest>::SetUp();
        if (IsSkipped())
            return;
        ClearReportOpeners();
        addItem(db());
        addItem(db(), {.itemId = QStringLiteral("AMOX500"), .name = QStringLiteral("AMOXICILLIN"),
                       .description = QStringLiteral("500 MG CAPSULE")});
        addAdmittedPatient(db());
    }
    void TearDown() override {
        ClearReportOpeners();
        MainWindowTestOn<DbTest>::TearDown();
    }
    // A grid column's texts below the header row.
    static QStringList column(const FlexGrid& grid, int col) {
        QStringList values;
        for (int row = 1; row < grid.rows(); ++row)
            values << grid.textMatrix(row, col);
        return values;
    }
};

} // namespace qx::test
