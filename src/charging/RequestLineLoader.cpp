#include "charging/RequestLineLoader.h"

#include "charging/PriceLookups.h"
#include "charging/RequestLineEntry.h"
#include "components/DrugCatalog.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"

#include <QPainter>

namespace qx {

namespace {

// A 13-pixel box drawn on a 48 by 13 picture, as the grid's image list holds them.
QPixmap checkBoxPicture(bool ticked, bool greyed) {
    QPixmap picture(48, 13);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setPen(greyed ? Qt::gray : Qt::black);
    p.setBrush(greyed ? QColor(0xD4, 0xD0, 0xC8) : QColor(Qt::white));
    p.drawRect(0, 0, 12, 12);
    if (ticked) {
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(3, 6, 5, 9);
        p.drawLine(5, 9, 10, 3);
    }
    return picture;
}

QPixmap statePicture(const QColor& color, bool tick, bool cross) {
    QPixmap picture(13, 13);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(0, 0, 12, 12);
    p.setPen(QPen(color, 2));
    if (tick) {
        p.drawLine(3, 6, 5, 9);
        p.drawLine(5, 9, 10, 3);
    }
    if (cross) {
        p.drawLine(3, 3, 9, 9);
        p.drawLine(9, 3, 3, 9);
    }
    return picture;
}

// A field the list does not carry reads as empty.
QString fieldText(const Recordset& rs, int index, const QString& field) {
    const int col = rs.fieldIndex(field);
    return col < 0 ? QString() : Text(rs.valueAt(index, col));
}
QString fieldText(const Recordset& rs, int index, const char* field) {
    return fieldText(rs, index, QString::fromLatin1(field));
}

} // namespace

RequestGridPictures RequestGridPictures::standard() {
    return {.emptyBox = checkBoxPicture(false, false),
            .tickedBox = checkBoxPicture(true, false),
            .greyedBox = checkBoxPicture(false, true),
            .uncheck = statePicture(Qt::black, false, false),
            .check = statePicture(QColor(0, 0x80, 0), true, false),
            .wrong = statePicture(Qt::red, false, true)};
}

void RequestLineLoader::writeShared(Connection& con, FlexGrid& grid, int row, const Recordset& rs, int index,
                                    const QString& code) {
    const RequestGridColumns& c = columns_;
    const QString requestCode = fieldText(rs, index, "Drug Code");
    WriteRequestItemNames(con, grid, row, requestCode, c);
    grid.setTextMatrix(row, c.dosage, fieldText(rs, index, "Dosage"));
    grid.setTextMatrix(row, c.requested, fieldText(rs, index, "Quantity"));
    grid.setTextMatrix(row, c.issued, fieldText(rs, index, "Quantity"));
    grid.setTextMatrix(row, c.remarks, fieldText(rs, index, "Remarks"));
    grid.setTextMatrix(row, c.requestNumber, fieldText(rs, index, "RequestNumber"));
    grid.setTextMatrix(row, c.nurse, fieldText(rs, index, settings_.nurseField));
    grid.setTextMatrix(row, c.requestDate, fieldText(rs, index, "Request Date"));
    grid.setTextMatrix(row, c.requestedCode, code);
    if (settings_.checkBarcode) {
        grid.setTextMatrix(row, c.barcode, fieldText(rs, index, "Barcode"));
        grid.setTextMatrix(row, c.scanFlag, QStringLiteral("0"));
    }
}

RequestLineLoader::Result RequestLineLoader::load(Connection& con, DrugCatalog::Drug& drug, FlexGrid& grid,
                                                  const Recordset& rs) {
    Result result;
    if (rs.recordCount() == 0)
        return result;
    const RequestGridColumns& c = columns_;
    result.anyRequest = true;
    result.doctorId = fieldText(rs, 0, "DoctorID");
    result.doctor = fieldText(rs, 0, "Doctor");
    result.targetLocation = fieldText(rs, 0, "TargetLocationID");
    const int genericField = rs.fieldIndex(QStringLiteral("IsGeneric"));

    const int keptRow = grid.row();
    const int keptCol = grid.col();
    bool lastWasGeneric = false;
    int n = 1;
    for (int i = 0; i < rs.recordCount(); ++i) {
        if (!result.doctorId.isEmpty() && fieldText(rs, i, "DoctorID") != result.doctorId)
            continue;
        const QString requestCode = fieldText(rs, i, "Drug Code");
        const bool generic = genericField >= 0 && CBool(rs.valueAt(i, genericField));
        if (generic) {
            DrugCatalog::GenericLookup& genericLookup = drug.Generic();
            if (!genericLookup.Search(Val(requestCode)))
                continue;
            grid.setRows(n + 1);
            if (settings_.numberGenericLines)
                grid.setTextMatrix(n, 0, QString::number(n) + QStringLiteral("+"));
            grid.setTextMatrix(n, c.code, requestCode);
            grid.setTextMatrix(n, c.description, QStringLiteral("G: ") + genericLookup.GenericName());
            writeShared(con, grid, n, rs, i, requestCode);
            grid.setTextMatrix(n, c.stock, QStringLiteral("n/a"));
            grid.setTextMatrix(n, c.unitPrice, QStringLiteral("n/a"));
            for (int mark : c.genericMarks)
                grid.setTextMatrix(n, mark, QStringLiteral("*"));
            grid.setTextMatrix(n, c.fixedCharge,
                               Text(GetFixedCharge(con, Text(Val(requestCode)), settings_.location)));
            grid.setCellPicture(n, c.seniorCheck, pictures_.emptyBox);
        } else {
            const bool found = settings_.searchWithPatient
                                   ? drug.SearchDrug(requestCode, settings_.location, Trim(settings_.patientKey))
                                   : drug.SearchDrug(requestCode, settings_.location);
            if (!found)
                continue;
            grid.setRows(n + 1);
            grid.setTextMatrix(n, 0, QString::number(n));
            grid.setTextMatrix(n, c.code, drug.DrugCode());
            grid.setTextMatrix(n, c.description, drug.DrugName() + QStringLiteral(" ") + drug.Description());
            writeShared(con, grid, n, rs, i, drug.DrugCode());
            grid.setTextMatrix(n, c.stock, Text(drug.Invent().StockOnHand));
            grid.setTextMatrix(n, c.oldAmount, fieldText(rs, i, "Amount"));
            grid.setTextMatrix(n, c.fixedCharge, Text(GetFixedCharge(con, requestCode, settings_.location)));
            if (priceItemLine)
                priceItemLine(n, rs, i);
        }
        if (lineWritten)
            lineWritten(n);
        lastWasGeneric = generic;
        ++n;
    }
    result.lines = n - 1;
    if (settings_.checkBarcode && result.lines > 0) {
        const QPixmap& state = lastWasGeneric ? pictures_.tickedBox : pictures_.uncheck;
        for (int row = 1; row < grid.rows(); ++row)
            grid.setCellPicture(row, 0, state);
        grid.setRow(grid.rows() - 1);
        grid.setCol(0);
    } else {
        grid.setRow(keptRow);
        grid.setCol(keptCol);
    }
    return result;
}

} // namespace qx
