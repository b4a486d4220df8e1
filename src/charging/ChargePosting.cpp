#include "charging/ChargePosting.h"

#include "charging/ItemEntry.h"
#include "charging/Numbering.h"
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "components/RowBatches.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/ItemLookups.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/UserLog.h"
#include "shell/frmDeletePassword.h"
#include "shell/frmShift.h"

#include <QLineEdit>
#include <QWidget>

namespace qx {

bool RunSaveChecks(const std::vector<SaveCheck>& checks) {
    for (const SaveCheck& check : checks) {
        const std::optional<SaveRefusal> refusal = check();
        if (!refusal)
            continue;
        if (!refusal->text.isEmpty())
            MsgBox(refusal->text, refusal->style, refusal->title);
        if (refusal->focus && refusal->focus->isEnabled())
            refusal->focus->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

ChargeSlipPosted PostChargeSlip(Connection& con, const ChargeSlipSave& save) {
    ChargeSlipPosted posted;
    posted.slipNumber = save.shownNumber;
    Transaction tx(con);
    if (save.beforePosting)
        save.beforePosting(con);
    if (!save.lines.empty()) {
        posted.slipNumber = ClaimNumber(con, *save.series, save.idNum, save.claimedBy);
        if (!save.stagingKey.isEmpty())
            con.callProcedure(QStringLiteral("Pharma_EraseCharge"), {{QStringLiteral("@strUserID"), save.stagingKey},
                                                                     {QStringLiteral("@strIdNum"), save.idNum},
                                                                     {QStringLiteral("@strRefNum"), posted.slipNumber}});
        for (const PostingLine& line : save.lines)
            posted.rows.push_back(line.row);
        if (save.postLines) {
            save.postLines(con, posted.slipNumber, save.lines);
        } else {
            QVector<DrugCatalog::StockCardArgs> lines;
            lines.reserve(int(save.lines.size()));
            for (const PostingLine& line : save.lines) {
                DrugCatalog::StockCardArgs args = line.args;
                args[save.slipPosition] = QVariant(posted.slipNumber);
                lines.push_back(args);
            }
            save.drug->AppendStockCards(lines);
        }
        if (save.afterPosting)
            save.afterPosting(con, posted.slipNumber, save.lines);
    }
    if (save.userLog) {
        const QString activity = save.userLog(posted.slipNumber);
        if (!activity.isEmpty())
            SaveUserLog(con, activity);
    }
    tx.commit();
    return posted;
}

std::vector<ChargeSlipPosted> PostChargeSlips(
    Connection& con, const std::vector<ChargeSlipSave>& passes,
    const std::function<void(Connection&, const std::vector<ChargeSlipPosted>&)>& atEnd) {
    std::vector<ChargeSlipPosted> posted;
    Transaction tx(con);
    for (const ChargeSlipSave& pass : passes)
        posted.push_back(PostChargeSlip(con, pass));
    if (atEnd)
        atEnd(con, posted);
    tx.commit();
    return posted;
}

bool RunSaveOrTell(const std::function<void()>& save) {
    try {
        save();
        return true;
    } catch (const SaveRefused& refused) {
        RunSaveChecks({[refusal = refused.refusal]() -> std::optional<SaveRefusal> { return refusal; }});
        return false;
    } catch (...) {
        const AppError error = currentError();
        MsgBox(QStringLiteral("The entries were not posted; nothing was saved.") + QStringLiteral("\n\n") +
                   error.description(),
               vbCritical);
        return false;
    }
}

namespace {
template <typename Post>
auto postingOrTell(Post&& post) -> std::optional<decltype(post())> {
    std::optional<decltype(post())> posted;
    RunSaveOrTell([&] { posted = post(); });
    return posted;
}
} // namespace

std::optional<ChargeSlipPosted> PostChargeSlipOrTell(Connection& con, const ChargeSlipSave& save) {
    return postingOrTell([&] { return PostChargeSlip(con, save); });
}

std::optional<std::vector<ChargeSlipPosted>> PostChargeSlipsOrTell(
    Connection& con, const std::vector<ChargeSlipSave>& passes,
    const std::function<void(Connection&, const std::vector<ChargeSlipPosted>&)>& atEnd) {
    return postingOrTell([&] { return PostChargeSlips(con, passes, atEnd); });
}

void PrintPostedSlipOrTell(const QString& slipNumber, const std::function<void()>& print) {
    try {
        print();
    } catch (...) {
        const AppError error = currentError();
        MsgBox(QStringLiteral("Charge slip ") + slipNumber +
                   QStringLiteral(" was posted but could not be printed; reprint it from the posted medicines.") +
                   QStringLiteral("\n\n") + error.description(),
               vbExclamation);
    }
}

namespace {
QString postingLineName(const ManualPostingGrid& screen, int row) {
    return QStringLiteral("Line ") + QString::number(row) + QStringLiteral(" (") +
           Trim(screen.grid->textMatrix(row, screen.codeCol)) + QStringLiteral(")");
}

bool isUnpostedLine(const ManualPostingGrid& screen, int row) {
    return !Trim(screen.grid->textMatrix(row, screen.codeCol)).isEmpty() &&
           (screen.postedCol < 0 || Trim(screen.grid->textMatrix(row, screen.postedCol)).isEmpty());
}
} // namespace

SaveCheck SupervisorCheck(QString& verifyId, const QString& title) {
    return [&verifyId, title]() -> std::optional<SaveRefusal> {
        if (!gHasValidation)
            return std::nullopt;
        frmDeletePassword& supervisor = frmDeletePassword::Default();
        supervisor.setFixedHeight(twipsToPixels(2400));
        showModal(supervisor);
        if (supervisor.OKCharge()) {
            verifyId = supervisor.VerifyID();
            return std::nullopt;
        }
        return SaveRefusal{QStringLiteral("Invalid Password."), vbInformation, title, nullptr};
    };
}

SaveCheck ZeroEntriesCheck(const ManualPostingGrid& screen, const QString& skippedAmountMark) {
    const auto cell = [screen](int row, int col) { return screen.grid->textMatrix(row, col); };
    const int lastRow = screen.grid->rows() - 1;
    return [=]() -> std::optional<SaveRefusal> {
        for (int row = 1; row <= lastRow; ++row) {
            if (Trim(cell(row, screen.codeCol)).isEmpty())
                continue;
            if (!skippedAmountMark.isEmpty() && Trim(cell(row, screen.amountCol)) == skippedAmountMark)
                continue;
            if (Val(cell(row, screen.quantityCol)) == 0 || Trim(cell(row, screen.amountCol)).isEmpty() ||
                Val(cell(row, screen.amountCol)) == 0)
                return SaveRefusal{QStringLiteral("Please check the quantity or amount of the entered items. Some "
                                                  "entries have zero value!"),
                                   vbCritical, QStringLiteral("WARNING"), nullptr};
        }
        return std::nullopt;
    };
}

std::vector<SaveCheck> ManualPostingChecks(Connection& con, DrugCatalog::Drug& drug, const ManualPostingGrid& screen,
                                           QString& verifyId, const ManualPostingCheckOptions& options) {
    const auto cell = [screen](int row, int col) { return screen.grid->textMatrix(row, col); };
    const int lastRow = screen.grid->rows() - 1;
    std::vector<SaveCheck> checks;
    checks.push_back(ZeroEntriesCheck(screen));
    if (options.supervisorValidation)
        checks.push_back(SupervisorCheck(verifyId));
    checks.push_back([&con, screen, options]() -> std::optional<SaveRefusal> {
        if (!options.dangerousDrugLicence || !screen.doctorBox || !GetPharmaSwitch(con, QStringLiteral("93")) ||
            CheckDangerousDrugLicense(con, Trim(screen.doctorBox->text()), *screen.grid, screen.codeCol))
            return std::nullopt;
        return SaveRefusal{QStringLiteral("Please check S2Number and S2 Expiry of doctor: ") + screen.doctorName +
                               QStringLiteral(" on build file module. "),
                           vbInformation, QString(), screen.doctorBox};
    });
    checks.push_back([=]() -> std::optional<SaveRefusal> {
        for (int row = 1; row <= lastRow; ++row)
            if (screen.canSaveRow(row))
                return std::nullopt;
        return SaveRefusal{QStringLiteral("Entries has incomplete information.  Please check."), vbExclamation,
                           QString(), nullptr};
    });
    // Every line with a code is posted or named: none is dropped without a word.
    checks.push_back([=]() -> std::optional<SaveRefusal> {
        for (int row = 1; row <= lastRow; ++row)
            if (isUnpostedLine(screen, row) && !screen.canSaveRow(row))
                return SaveRefusal{postingLineName(screen, row) +
                                       QStringLiteral(" has incomplete information.  Please check."),
                                   vbExclamation, QString(), const_cast<FlexGrid*>(screen.grid)};
        return std::nullopt;
    });
    checks.push_back(LinesStillFoundCheck(
        screen, [screen](int row) { return isUnpostedLine(screen, row); },
        [=, &con, &drug](int row) {
            return SearchItemAt(con, drug, Trim(cell(row, screen.codeCol)), gLocationID, screen.patientKey);
        }));
    return checks;
}

SaveCheck LinesStillFoundCheck(const ManualPostingGrid& screen, const std::function<bool(int row)>& posts,
                               const std::function<bool(int row)>& found) {
    return [=]() -> std::optional<SaveRefusal> {
        for (int row = 1; row < screen.grid->rows(); ++row)
            if (posts(row) && !found(row))
                return SaveRefusal{postingLineName(screen, row) +
                                       QStringLiteral(" is no longer found at this location.  Please check."),
                                   vbExclamation, QString(), const_cast<FlexGrid*>(screen.grid)};
        return std::nullopt;
    };
}

std::vector<int> UnpostedCompleteRows(const ManualPostingGrid& screen) {
    std::vector<int> rows;
    for (int row = 1; row < screen.grid->rows(); ++row)
        if (screen.canSaveRow(row) && isUnpostedLine(screen, row))
            rows.push_back(row);
    return rows;
}

PostingLine ManualPostingLine(const ManualPostingGrid& screen, int row, const QString& transDate, int valueCount) {
    const auto cell = [&](int col) { return screen.grid->textMatrix(row, col); };
    PostingLine line;
    line.row = row;
    line.itemCode = cell(screen.codeCol);
    line.quantity = cell(screen.quantityCol);
    line.stockOnHand = cell(screen.stockCol);
    line.overStockChoice = cell(screen.overStockChoiceCol);
    DrugCatalog::StockCardArgs& a = line.args;
    a.count = valueCount;
    a[3] = cell(screen.codeCol);
    a[4] = transDate;
    a[6] = Val(cell(screen.quantityCol));
    a[7] = 0;
    a[8] = Val(cell(screen.amountCol));
    a[9] = gEmployeeCode;
    a[10] = cell(screen.dosageCol);
    a[12] = gLocationID;
    a[13] = QString();
    a[15] = int(frmShift::Default().Shift());
    a[26] = 0;
    a[28] = gHostID;
    return line;
}

std::function<void(Connection&, const QString&, const std::vector<PostingLine>&)>
ManualPostingFollowUp(const QString& verifyId, bool verifierAlways, bool direct) {
    return [verifyId, verifierAlways, direct](Connection& c, const QString& slip, const std::vector<PostingLine>& lines) {
        QStringList codes;
        for (const PostingLine& line : lines)
            codes << Trim(line.itemCode);
        if (verifierAlways || !verifyId.isEmpty())
            SetStockCardVerifier(c, slip, codes, verifyId);
        if (gSiteCode == QLatin1String("JAWKC"))
            SetStockCardDirectTransaction(c, slip, codes, direct);
        LogOverStockChoices(c, lines, gEmployeeCode);
    };
}

namespace {
void updateSlipLines(Connection& con, const QString& assignment, const QVariant& value, const QString& slipNumber,
                     const QStringList& itemCodes) {
    if (itemCodes.isEmpty())
        return;
    QVariantList binds{value, slipNumber.trimmed()};
    for (const QString& code : itemCodes)
        binds << code.trimmed();
    con.execute(QStringLiteral("UPDATE tbInvStockCard SET %1 WHERE RefNum = ? AND ItemID IN (%2)")
                    .arg(assignment, placeholderList(int(itemCodes.size()))),
                binds);
}
} // namespace

void SetStockCardVerifier(Connection& con, const QString& slipNumber, const QStringList& itemCodes,
                          const QString& verifyId) {
    // No supervisor is written as an empty id, not as Null.
    updateSlipLines(con, QStringLiteral("VerifyID = ?"), verifyId.isNull() ? QStringLiteral("") : verifyId, slipNumber,
                    itemCodes);
}

void SetStockCardDirectTransaction(Connection& con, const QString& slipNumber, const QStringList& itemCodes,
                                   bool direct) {
    updateSlipLines(con, QStringLiteral("isDirectTransaction = ?"), direct ? 1 : 0, slipNumber, itemCodes);
}

void LogOverStockChoices(Connection& con, const std::vector<PostingLine>& lines, const QString& employeeCode) {
    for (const PostingLine& line : lines) {
        if (line.overStockChoice.isEmpty())
            continue;
        con.callProcedure(QStringLiteral("sp_Pharma_LogChoice"), {{QStringLiteral("@Choice"), line.overStockChoice},
                                                                  {QStringLiteral("@ItemID"), line.itemCode},
                                                                  {QStringLiteral("@Quantity"), line.quantity},
                                                                  {QStringLiteral("@OnHand"), line.stockOnHand},
                                                                  {QStringLiteral("@UserID"), employeeCode}});
    }
}

} // namespace qx
