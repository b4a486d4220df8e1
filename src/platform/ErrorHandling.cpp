#include "platform/ErrorHandling.h"
#include "components/PlatformServices.h"

#include <cstdio>
#include <exception>

namespace qx {

namespace {

QString atLine(const QString& module, const QString& procedure, int line) {
    return QStringLiteral("in %1 at line %2").arg(fullProcedureName(module, procedure)).arg(line);
}

// Shows a box, ending the program even when the box itself cannot be shown.
void showThenEnd(const QString& text, int style, const QString& title) {
    try {
        MsgBox(text, style, title);
    } catch (...) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    EndProgram(1);
}

} // namespace

QString fullProcedureName(const QString& module, const QString& procedure) {
    return QStringLiteral("prjQuillax.") + module + u'.' + procedure;
}

AppError currentError() {
    try {
        throw;
    } catch (const AppError& e) {
        return e;
    } catch (const std::exception& e) {
        return AppError(kRaisedAgainNumber, QStringLiteral("prjQuillax"), QString::fromLocal8Bit(e.what()));
    } catch (...) {
        return AppError(kRaisedAgainNumber, QStringLiteral("prjQuillax"), QStringLiteral("Unknown error"));
    }
}

void raiseAgain(const QString& module, const QString& procedure, std::source_location where) {
    raiseAgain(module, procedure, int(where.line()));
}

void raiseAgain(const QString& module, const QString& procedure, int line) {
    const AppError inner = currentError();
    throw AppError(kRaisedAgainNumber, fullProcedureName(module, procedure),
                   inner.description() + u'\n' + atLine(module, procedure, line));
}

QString applicationErrorText(const QString& description, const QString& module, const QString& procedure,
                             int line) {
    return description + u'\n' + atLine(module, procedure, line);
}

void reportApplicationError(const QString& module, const QString& procedure, int line) {
    const AppError error = currentError();
    showThenEnd(applicationErrorText(error.description(), module, procedure, line), vbExclamation,
                QStringLiteral("Application Error"));
}

void reportUnhandledError() {
    const AppError error = currentError();
    // Numbers outside 16 bits are shown with their hexadecimal form too.
    const qint32 number = static_cast<qint32>(error.number());
    const QString shown = (number >= 0 && number <= 0xFFFF)
                              ? QString::number(number)
                              : QStringLiteral("%1 (%2)").arg(number).arg(
                                    QString::number(quint32(number), 16).toUpper().rightJustified(8, u'0'));
    showThenEnd(QStringLiteral("Run-time error '%1':\n\n%2").arg(shown, error.description()), vbCritical,
                kProductTitle);
}

void tellCurrentError() { ShowErrorMessage(currentError().description()); }

} // namespace qx
