#include "components/Procedures.h"
#include "components/AppError.h"

namespace qx {

static QString normalName(const QString& n) {
    QString s = n.trimmed();
    if (s.startsWith(QLatin1Char('@')))
        s = s.mid(1);
    return s.toUpper();
}

QVariant ProcArgs::value(const QString& name) const { return values_.value(normalName(name)); }

void ProcArgs::set(const QString& name, const QVariant& v) { values_.insert(normalName(name), v); }

ProcedureRegistry& ProcedureRegistry::instance() {
    static ProcedureRegistry r;
    return r;
}

void ProcedureRegistry::add(ProcedureDecl decl) {
    decl.name = normalName(decl.name);
    for (auto& p : decl.params)
        p.name = normalName(p.name);
    // A second body under one name would leave which one runs to link order; registrations run
    // before main(), so stop the program there, naming the procedure.
    if (procs_.contains(decl.name))
        qFatal("Stored procedure %s is registered twice.", qPrintable(decl.name));
    procs_.insert(decl.name, std::move(decl));
}

const ProcedureDecl* ProcedureRegistry::find(const QString& name) const {
    auto it = procs_.constFind(normalName(name));
    return it == procs_.constEnd() ? nullptr : &it.value();
}

QStringList ProcedureRegistry::names() const {
    QStringList n = procs_.keys();
    n.sort();
    return n;
}

} // namespace qx
