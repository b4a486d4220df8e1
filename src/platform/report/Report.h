#pragma once
#include "platform/report/ReportDefinition.h"
#include "platform/report/ReportDocument.h"

#include <QDateTime>
#include <QVariant>
#include <memory>
#include <optional>

namespace qx {
class Connection;
}

namespace qx::report {

// A parameter field of an opened report. A field without a current value takes the value
// saved in the definition, else Null; the engine never prompts for one.
class ParameterField {
public:
    explicit ParameterField(const ParameterDef& def) : def_(&def) {}
    // The bare name as the report declares it (e.g. "@REFNUMBER"), blanks kept.
    QString name() const { return def_->name; }
    ParameterKind kind() const { return def_->kind; }
    int kindCode() const { return static_cast<int>(def_->kind == ParameterKind::Integer ? ParameterKind::Number : def_->kind); }
    bool isNumeric() const { return kindCode() == 7 || kindCode() == 8; }

    void clearCurrentValues() { value_.reset(); }
    // Gives the field its value, converted to the field's kind; a value that cannot be
    // converted raises an error naming the parameter.
    void addCurrentValue(const QVariant& value);
    // The form that names the value's kind; the engine converts to the field's kind alike.
    void addCurrentValue(const QVariant& value, int valueKind) {
        Q_UNUSED(valueKind);
        addCurrentValue(value);
    }
    bool hasCurrentValue() const { return value_.has_value(); }
    // The value used when rendering.
    QVariant effectiveValue() const;

private:
    QVariant convert(const QVariant& value) const;
    const ParameterDef* def_;
    std::optional<QVariant> value_;
};

// A table the report reads, with its location ("database.owner.table") and logon; on our
// shared connection the logon changes nothing, but the location rule still applies.
class DatabaseTable {
public:
    DatabaseTable(QString name, QString location) : name_(std::move(name)), location_(std::move(location)) {}
    QString name() const { return name_; }
    QString location() const { return location_; }
    void setLocation(const QString& location) { location_ = location; }
    void setLogOnInfo(const QString& server, const QString& database, const QString& user, const QString& password);
    QString logOnDatabase() const { return logOnDatabase_; }

private:
    QString name_;
    QString location_;
    QString logOnDatabase_;
};

// How a caller matches parameter names.
enum class NameMatch {
    TrimmedUpper,  // both sides trimmed and upper-cased (the default)
    Upper,         // upper-cased, blanks kept
    Exact,
};

enum class ExportFormat {
    Excel,  // .xlsx, numbers as numbers
    Rtf,
    Pdf,
    Text,   // the pages as text
    Csv,    // the detail rows
};

// An opened report: its definition, the values given to its parameters, its texts and
// tables, and what it prints. Rendering reads the data on the connection when first asked
// for pages (a query's rows as far as the pages asked for need them), and again after
// anything that changes them.
class Report {
public:
    // Opens a report file (found whatever the letter case); a missing or broken file raises
    // an AppError naming the file and the place.
    static std::shared_ptr<Report> open(const QString& path);
    explicit Report(ReportDefinition def);

    const ReportDefinition& definition() const { return *def_; }
    QString fileName() const { return def_->fileName; }

    // Report-level texts: the title and a second text (the hospital's address where used).
    QString title() const { return title_; }
    void setTitle(const QString& text) { title_ = text; }
    QString subtitle() const { return subtitle_; }
    void setSubtitle(const QString& text) { subtitle_ = text; }

    // Parameter fields in the report's own order.
    int parameterCount() const { return static_cast<int>(params_.size()); }
    ParameterField& parameter(int position) { return params_[position]; }
    QVector<ParameterField>& parameterFields() { return params_; }
    // The first field whose name matches; nullptr when none does.
    ParameterField* findParameter(const QString& name, NameMatch match = NameMatch::TrimmedUpper);
    // Value i goes to field i until values or fields run out; later fields keep their values.
    void setParameterValues(const QVariantList& values);

    QVector<DatabaseTable>& databaseTables() { return tables_; }
    // Points every table at `database` (the database followed by the old location from its
    // first ".") and logs it on; a location without "." raises an error.
    void relocateTables(const QString& database, const QString& server = QString(), const QString& user = QString(),
                        const QString& password = QString());

    // Whether the report may ask the user for values; ours never does, but the option is kept.
    bool enableParameterPrompting() const { return prompting_; }
    void setEnableParameterPrompting(bool on) { prompting_ = on; }

    // The connection the data is read on: this report's, else the shared one. Pages made on
    // another connection are made again.
    void setConnection(Connection* c) { connection_ = c; }
    static void setSharedConnection(Connection* c);
    // The time printed on the pages; the time of rendering when not set. Pages made with
    // another time are made again.
    void setPrintTime(const QDateTime& t) { printTime_ = t; }

    // The report laid out to pages (reads the data the first time).
    const ReportDocument& document() { return *sharedDocument(); }
    // The same, kept alive for a holder (the viewer) even when the report makes new pages.
    std::shared_ptr<const ReportDocument> sharedDocument();
    // Forgets the pages so that the next use reads the data again (new rows in the database);
    // a change made through this class needs no call.
    void discardPages();

    // Prints one copy on the default printer without a dialog (`prompt` false), or after the
    // printer dialog (`prompt` true; nothing prints when it is cancelled).
    void printOut(bool prompt = false);
    // Writes the report to a file.
    void exportTo(ExportFormat format, const QString& path);

private:
    Connection* dataConnection() const;
    std::shared_ptr<const ReportDocument> layOut(const QVariantList& values, const QDateTime& when);
    QVariantList effectiveValues() const;

    std::shared_ptr<const ReportDefinition> def_;
    QString title_;
    QString subtitle_;
    QVector<ParameterField> params_;
    QVector<DatabaseTable> tables_;
    bool prompting_ = true;
    Connection* connection_ = nullptr;
    QDateTime printTime_;
    std::shared_ptr<const ReportDocument> document_;
    // What the pages were made from; a change of any of it makes them again.
    QVariantList documentValues_;
    QString documentTitle_;
    QString documentSubtitle_;
    QDateTime documentPrintTime_;
    Connection* documentConnection_ = nullptr;
};

} // namespace qx::report
