#pragma once
#include "components/Recordset.h"

#include <QVariantMap>
#include <QVector>
#include <functional>
#include <optional>

namespace qx {

class Connection;

enum class ParamType { Text, Integer, Double, Money, DateTime, Flag };
enum class ParamDirection { In, Out, InOut };

// A declared parameter of a stored procedure; names are upper case without '@'.
struct ProcParam {
    QString name;
    ParamType type = ParamType::Text;
    int size = 0;  // texts are cut to this many characters; 0 means unlimited
    ParamDirection direction = ParamDirection::In;
};

// Short makers for procedure declarations: text("@CardNum", 30), typed("@Qty", ParamType::Double).
namespace procparams {
inline ProcParam text(const char* name, int size = 0) { return {QString::fromLatin1(name), ParamType::Text, size}; }
inline ProcParam typed(const char* name, ParamType type) { return {QString::fromLatin1(name), type, 0}; }
inline ProcParam integer(const char* name) { return typed(name, ParamType::Integer); }
inline ProcParam number(const char* name) { return typed(name, ParamType::Double); }
inline ProcParam flag(const char* name) { return typed(name, ParamType::Flag); }
} // namespace procparams

// The values a procedure body receives: only declared parameters, Null where not sent.
class ProcArgs {
public:
    explicit ProcArgs(const QVector<ProcParam>& params) : params_(params) {}
    QVariant value(const QString& name) const;
    bool isNull(const QString& name) const { return value(name).isNull(); }
    QString text(const QString& name) const { return value(name).toString(); }
    double number(const QString& name) const { return value(name).toDouble(); }
    qint64 integer(const QString& name) const { return value(name).toLongLong(); }
    bool flag(const QString& name) const { return value(name).toDouble() != 0.0; }
    void set(const QString& name, const QVariant& v);
    const QVariantMap& values() const { return values_; }

private:
    const QVector<ProcParam>& params_;
    QVariantMap values_;
};

using ProcedureBody = std::function<std::optional<Recordset>(Connection&, ProcArgs&)>;

struct ProcedureDecl {
    QString name;
    QVector<ProcParam> params;
    ProcedureBody body;
};

// Every stored procedure the hospital databases offer, by upper-cased name.
class ProcedureRegistry {
public:
    static ProcedureRegistry& instance();
    // Registers `decl`; a name already registered ends the program with a fatal message.
    void add(ProcedureDecl decl);
    const ProcedureDecl* find(const QString& name) const;
    QStringList names() const;

private:
    QHash<QString, ProcedureDecl> procs_;
};

// Registers a procedure from a static object: `static ProcedureRegistration r{{...}};`.
struct ProcedureRegistration {
    explicit ProcedureRegistration(ProcedureDecl decl) { ProcedureRegistry::instance().add(std::move(decl)); }
};

} // namespace qx
