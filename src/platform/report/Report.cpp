#include "platform/report/Report.h"
#include "components/Connection.h"
#include "platform/Values.h"
#include "platform/report/ReportError.h"
#include "platform/report/ReportExport.h"
#include "platform/report/ReportLoader.h"
#include "platform/report/ReportPrinter.h"

#include <QFileInfo>

namespace qx::report {

namespace {
Connection* sharedConnection = nullptr;

const char* kindName(ParameterKind k) {
    switch (k) {
    case ParameterKind::Number: return "number";
    case ParameterKind::Currency: return "currency";
    case ParameterKind::Boolean: return "boolean";
    case ParameterKind::Date: return "date";
    case ParameterKind::DateTime: return "date and time";
    case ParameterKind::Integer: return "integer";
    case ParameterKind::Text: break;
    }
    return "text";
}

// The definition as laid out with these values: the numbers and fonts its lines take from
// parameters filled in, and the omitblank lines whose texts print empty left out.
std::shared_ptr<const ReportDefinition> withParameterOptions(const ReportDefinition& def, const QVariantList& values) {
    auto filled = [&](const QVector<TemplatePart>& parts) {
        QString out;
        for (const TemplatePart& p : parts)
            out += p.kind == TemplatePart::Kind::Literal ? p.text : Text(values.value(p.index));
        return out;
    };
    auto number = [&](const ParameterOption& o) {
        const QVariant v = values.value(o.parameter);
        if (IsNull(v) || !IsNumeric(v))
            fail(QStringLiteral("%1: the report parameter %2 is \"%3\", not a number")
                     .arg(QFileInfo(def.fileName).fileName(), def.parameters[o.parameter].name, Text(v)));
        return CDbl(v) * o.scale;
    };
    auto resolve = [&](Band& band) {
        QVector<BandLine> kept;
        for (BandLine bl : band.lines) {
            for (const ParameterOption& o : bl.options) {
                TextItem& item = bl.items[o.item];
                switch (o.target) {
                case ParameterOption::Target::X: item.x = number(o); break;
                case ParameterOption::Target::Width: item.width = number(o); break;
                case ParameterOption::Target::Size: item.size = number(o); break;
                case ParameterOption::Target::Top: bl.top = number(o); break;
                case ParameterOption::Target::Space: bl.space = number(o); break;
                }
            }
            for (TextItem& item : bl.items)
                if (!item.familyParts.isEmpty())
                    item.family = filled(item.familyParts).trimmed();
            if (bl.omitBlank && std::all_of(bl.items.cbegin(), bl.items.cend(),
                                            [&](const TextItem& item) { return filled(item.parts).isEmpty(); }))
                continue;
            kept << bl;
        }
        band.lines = kept;
    };
    auto out = std::make_shared<ReportDefinition>(def);
    resolve(out->reportHeader);
    resolve(out->pageHeader);
    resolve(out->reportFooter);
    resolve(out->pageFooter);
    for (GroupDef& g : out->groups) {
        resolve(g.header);
        resolve(g.footer);
    }
    return out;
}
} // namespace

QVariant ParameterField::convert(const QVariant& value) const {
    if (IsNull(value))
        return def_->kind == ParameterKind::Text ? QVariant(QString()) : QVariant();
    try {
        switch (def_->kind) {
        case ParameterKind::Text: return Text(value);
        case ParameterKind::Number:
        case ParameterKind::Currency:
            if (!IsNumeric(value))
                break;
            return CDbl(value);
        case ParameterKind::Integer:
            if (!IsNumeric(value))
                break;
            return static_cast<qlonglong>(CLng(value));
        case ParameterKind::Boolean: return CBool(value);
        case ParameterKind::Date:
            if (!IsDate(value))
                break;
            return CDate(value).date();
        case ParameterKind::DateTime:
            if (!IsDate(value))
                break;
            return CDate(value);
        }
    } catch (const AppError&) {
    }
    fail(QStringLiteral("The value \"%1\" is not a %2 for the report parameter %3")
             .arg(Text(value), QLatin1String(kindName(def_->kind)), def_->name));
}

void ParameterField::addCurrentValue(const QVariant& value) { value_ = convert(value); }

QVariant ParameterField::effectiveValue() const {
    if (value_)
        return *value_;
    if (def_->hasDefault)
        return convert(def_->defaultText);
    return QVariant();
}

void DatabaseTable::setLogOnInfo(const QString& server, const QString& database, const QString& user,
                                 const QString& password) {
    // Every table reads on the program's one connection: only the database is remembered.
    Q_UNUSED(server);
    Q_UNUSED(user);
    Q_UNUSED(password);
    logOnDatabase_ = database;
}

std::shared_ptr<Report> Report::open(const QString& path) { return std::make_shared<Report>(loadReportDefinition(path)); }

Report::Report(ReportDefinition def)
    : def_(std::make_shared<const ReportDefinition>(std::move(def))), title_(def_->title), subtitle_(def_->subtitle) {
    for (const ParameterDef& p : def_->parameters)
        params_ << ParameterField(p);
    for (const TableDef& t : def_->tables)
        tables_ << DatabaseTable(t.name, t.location);
}

ParameterField* Report::findParameter(const QString& name, NameMatch match) {
    auto key = [match](const QString& s) {
        switch (match) {
        case NameMatch::TrimmedUpper: return s.trimmed().toUpper();
        case NameMatch::Upper: return s.toUpper();
        case NameMatch::Exact: break;
        }
        return s;
    };
    const QString wanted = key(name);
    for (ParameterField& f : params_)
        if (key(f.name()) == wanted)
            return &f;
    return nullptr;
}

void Report::setParameterValues(const QVariantList& values) {
    for (int i = 0; i < values.size() && i < params_.size(); ++i) {
        params_[i].clearCurrentValues();
        params_[i].addCurrentValue(values[i]);
    }
}

void Report::relocateTables(const QString& database, const QString& server, const QString& user,
                            const QString& password) {
    for (DatabaseTable& t : tables_) {
        const int dot = t.location().indexOf(QLatin1Char('.'));
        if (dot < 0)
            fail(QStringLiteral("The table %1 of %2 cannot be pointed at %3: its location \"%4\" has no \".\"")
                     .arg(t.name(), QFileInfo(def_->fileName).fileName(), database, t.location()));
        t.setLocation(database + t.location().mid(dot));
        t.setLogOnInfo(server, database, user, password);
    }
}

void Report::setSharedConnection(Connection* c) { sharedConnection = c; }

QVariantList Report::effectiveValues() const {
    QVariantList values;
    for (const ParameterField& f : params_)
        values << f.effectiveValue();
    return values;
}

Connection* Report::dataConnection() const { return connection_ ? connection_ : sharedConnection; }

std::shared_ptr<const ReportDocument> Report::layOut(const QVariantList& values, const QDateTime& when) {
    const std::shared_ptr<const ReportDefinition> laidOut =
        def_->hasParameterOptions ? withParameterOptions(*def_, values) : def_;
    auto document = [&](auto&& rows) {
        return std::make_shared<const ReportDocument>(laidOut, std::move(rows), values, title_, subtitle_, when);
    };
    const DataSource& d = def_->data;
    if (d.kind == DataSource::Kind::None)
        return document(Recordset());
    Connection* c = dataConnection();
    if (!c)
        fail(QStringLiteral("%1: no database connection to read the report's data")
                 .arg(QFileInfo(def_->fileName).fileName()));
    auto bound = [&](const BindDef& b) {
        if (b.parameter < 0)
            return QVariant(b.constant);
        QVariant v = values.value(b.parameter);
        // Dates reach the database as midnight of the day, moved by the bind's days.
        if (v.typeId() == QMetaType::QDate)
            v = QDateTime(v.toDate().addDays(b.dayOffset), QTime(0, 0));
        else if (v.typeId() == QMetaType::QDateTime && b.dayOffset)
            v = v.toDateTime().addDays(b.dayOffset);
        return v;
    };
    QVariantMap named;
    for (const BindDef& b : d.binds)
        named.insert(b.name, bound(b));
    // A query's rows are read as the pages need them.
    if (d.kind == DataSource::Kind::Query)
        return document(c->openCursor(d.sql, named));
    if (d.binds.isEmpty()) {
        for (int i = 0; i < def_->parameters.size(); ++i) {
            QString name = def_->parameters[i].name.trimmed();
            named.insert(name.startsWith(QLatin1Char('@')) ? name.mid(1) : name, bound(BindDef{name, i, 0, 0, QString()}));
        }
    }
    return document(c->callProcedure(d.procedure, named).value_or(Recordset()));
}

std::shared_ptr<const ReportDocument> Report::sharedDocument() {
    const QVariantList values = effectiveValues();
    Connection* connection = dataConnection();
    if (!document_ || values != documentValues_ || title_ != documentTitle_ || subtitle_ != documentSubtitle_ ||
        printTime_ != documentPrintTime_ || connection != documentConnection_) {
        document_.reset();
        document_ = layOut(values, printTime_.isValid() ? printTime_ : QDateTime::currentDateTime());
        documentValues_ = values;
        documentTitle_ = title_;
        documentSubtitle_ = subtitle_;
        documentPrintTime_ = printTime_;
        documentConnection_ = connection;
    }
    return document_;
}

void Report::discardPages() { document_.reset(); }

void Report::printOut(bool prompt) { printDocument(document(), QFileInfo(def_->fileName).completeBaseName(), prompt); }

void Report::exportTo(ExportFormat format, const QString& path) {
    const ReportDocument& doc = document();
    switch (format) {
    case ExportFormat::Excel: writeXlsx(doc, path); return;
    case ExportFormat::Rtf: writeRtf(doc, path); return;
    case ExportFormat::Pdf: writePdf(doc, path); return;
    case ExportFormat::Text: writeTextFile(path, doc.toText()); return;
    case ExportFormat::Csv: writeTextFile(path, doc.toCsv()); return;
    }
}

} // namespace qx::report
