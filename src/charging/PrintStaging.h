#pragma once
#include <QString>

namespace qx {

class Connection;

// One staged charge-slip line. The last four amounts are optional and staged as 0 when left.
struct ChargePrintLine {
    QString key;  // employee code or workstation id
    QString refNum, description;
    QString quantity;  // as the screen shows it; text that is not numeric stages 0
    double amount = 0;
    QString idNum, itemId;
    double unitPrice = 0, discount = 0;
    QString discountType, dosage, nurse, scNumber;
    double discountPercentage = 0;
    bool vatExempt = false;
    qint16 mdrp = 0;  // 1 marks the line as an MDRP item; any other value does not
    QString scpwdId, s2Id;
    double taxableAmount = 0, vatAmount = 0, origUnitPrice = 0, netAmount = 0;
};

// Clears what the key staged for the patient and slip: the preview rows when `useDump`, else the
// charge-slip rows. An error shows the "Application Error" box and ends the program.
void ClearChargePrint(Connection& con, const QString& key, const QString& idNum, const QString& refNum, bool useDump);
// Stages one charge-slip line, then marks it (MDRP, senior/PWD id, S2 id) when it has any mark.
void AppendChargePrint(Connection& con, const ChargePrintLine& line);
// Stages one preview row.
void AppendChargePrintDump(Connection& con, const QString& key, const QString& refNum, const QString& description,
                           double quantity, double amount, const QString& idNum, const QString& itemId,
                           double unitPrice, double discount, double discountPercentage,
                           const QString& discountType, const QString& nurse, const QString& scNumber);
// Clears the key's staged credit-memo lines of the patient and memo.
void EraseCreditMemoPrint(Connection& con, const QString& key, const QString& idNum, const QString& refNum);
// Stages one credit-memo or adjustment-slip line.
void AppendCreditMemoPrint(Connection& con, const QString& key, const QString& refNum, const QString& description,
                           double quantity, double amount, const QString& chargeSlip, qint16 quantityIssued,
                           const QString& idNum);
// Clears the workstation's cash-sale receipt rows; errors come back under "mdlMain.DeleteCashPrint".
void DeleteCashPrint(Connection& con, const QString& key);

} // namespace qx
