#include "hospitaldb/FoldedSearch.h"
#include "hospitaldb/Schema.h"
#include "hospitaldb/migrations/SchemaIndexes.h"

namespace qx::hospitaldb {
namespace {

struct FoldedColumn {
    const char* schema;        // "" for INVENTORY
    const char* table;
    const char* source;        // the column folded
    const char* folded;        // SQL of the folded value over the row, %1 naming the row ("NEW." or "")
    const char* column;
    const char* index;
    const char* replacedIndex; // the upper() index this column replaces
    bool prefixSearch;
};

const FoldedColumn kFoldedColumns[] = {
    {"", "tbInvMaster", "ItemName", "upper(%1ItemName)", "ItemNameFolded", "ix_tbInvMaster_ItemNameFolded",
     "ix_tbInvMaster_ItemName", true},
    {"", "tbPharmaCardMaster", "LastName", "upper(%1LastName)", "LastNameFolded", "ix_tbPharmaCardMaster_LastNameFolded",
     "ix_tbPharmaCardMaster_LastName", true},
    {"", "tbPharmaCardMaster", "CardNum", "upper(trim(%1CardNum))", "CardNumFolded", "ix_tbPharmaCardMaster_CardNumFolded",
     "ix_tbPharmaCardMaster_CardNum", false},
    {"patient_data", "tbMaster", "LastName", "upper(%1LastName)", "LastNameFolded", "ix_tbMaster_LastNameFolded",
     "ix_tbMaster_LastName", true},
};

QString qualified(const FoldedColumn& f, const char* name) {
    const QString n = QString::fromLatin1(name);
    return *f.schema ? QString::fromLatin1(f.schema) + QLatin1Char('.') + n : n;
}

QString foldedOf(const FoldedColumn& f, const QString& row) {
    return QString::fromLatin1(f.folded).arg(row);
}

// Under the program upper() folds by Unicode (it folds "ñ", code 241, to "Ñ", 209). Elsewhere only
// a text that is all ASCII (as many bytes as characters) is folded; any other is left NULL.
QString triggerFold(const FoldedColumn& f) {
    return QStringLiteral("CASE WHEN unicode(upper(char(241))) = 209 OR length(CAST(NEW.%1 AS BLOB)) = length(NEW.%1) "
                          "THEN %2 END")
        .arg(QString::fromLatin1(f.source), foldedOf(f, QStringLiteral("NEW.")));
}

void addSqliteTriggers(Connection& c, const FoldedColumn& f) {
    const QString table = QString::fromLatin1(f.table);
    const QString set = QStringLiteral("UPDATE %1 SET %2 = %3 WHERE rowid = NEW.rowid; END")
                            .arg(table, QString::fromLatin1(f.column), triggerFold(f));
    const QString name = QStringLiteral("tr_%1_%2").arg(table, QString::fromLatin1(f.column));
    c.executeScript(QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1_Insert AFTER INSERT ON %2 BEGIN %3")
                        .arg(qualified(f, name.toLatin1().constData()), table, set));
    c.executeScript(QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1_Update AFTER UPDATE OF %2 ON %3 BEGIN %4")
                        .arg(qualified(f, name.toLatin1().constData()), QString::fromLatin1(f.source), table, set));
}

} // namespace

void addFoldedSearchColumns(Connection& c) {
    for (const FoldedColumn& f : kFoldedColumns) {
        c.executeScript(QStringLiteral("DROP INDEX IF EXISTS ") + qualified(f, f.replacedIndex));
        const QString table = qualified(f, f.table);
        if (!c.columnExists(QString::fromLatin1(f.schema), QString::fromLatin1(f.table), QString::fromLatin1(f.column))) {
            if (c.isSQLite())
                c.executeScript(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 TEXT").arg(table, QString::fromLatin1(f.column)));
            else
                c.executeScript(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 TEXT GENERATED ALWAYS AS (%3) STORED")
                                    .arg(table, QString::fromLatin1(f.column), foldedOf(f, QString())));
        }
        if (c.isSQLite()) {
            addSqliteTriggers(c, f);
            c.execute(QStringLiteral("UPDATE %1 SET %2 = %3").arg(table, QString::fromLatin1(f.column), foldedOf(f, QString())));
        }
        createIndexes(c, QString::fromLatin1(f.schema), {{f.table, f.index, f.column, f.prefixSearch}});
    }
}

int refreshFoldedSearchColumns(Connection& c) {
    if (!c.isSQLite())
        return 0;
    int folded = 0;
    for (const FoldedColumn& f : kFoldedColumns)
        folded += c.execute(QStringLiteral("UPDATE %1 SET %2 = %3 WHERE %2 IS NULL AND %4 IS NOT NULL")
                                .arg(qualified(f, f.table), QString::fromLatin1(f.column), foldedOf(f, QString()),
                                     QString::fromLatin1(f.source)));
    return folded;
}

} // namespace qx::hospitaldb
