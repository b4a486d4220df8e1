#pragma once
#include "components/AppError.h"

#include <QString>
#include <source_location>
#include <utility>

// The program's error convention. A general procedure passes an error up with its own name and
// line appended (innermost first); an event handler ends in one guard that shows the
// "Application Error" box and ends the program (through EndProgram, which tests replace); a timer
// handler ignores its errors.
namespace qx {

constexpr long vbObjectError = static_cast<long>(0x80040000);
// The number a general procedure raises again with.
constexpr long kRaisedAgainNumber = vbObjectError + 100;
// A report file that cannot be found.
constexpr long kMissingReportNumber = vbObjectError + 1;

// "prjQuillax.<module>.<procedure>"
QString fullProcedureName(const QString& module, const QString& procedure);

// The error being handled (call inside a catch block) as an AppError; other exceptions keep their
// text as the description.
AppError currentError();

// Raises the error being handled again with number 0x80040064, the procedure's full name as the
// source and "\nin <full name> at line <n>" appended to the description. Call inside a catch block.
[[noreturn]] void raiseAgain(const QString& module, const QString& procedure,
                             std::source_location where = std::source_location::current());
[[noreturn]] void raiseAgain(const QString& module, const QString& procedure, int line);

// The text of the "Application Error" box: "<description>\nin <full name> at line <n>".
QString applicationErrorText(const QString& description, const QString& module, const QString& procedure,
                             int line);
// Shows the "Application Error" warning box for the error being handled, then ends the program.
void reportApplicationError(const QString& module, const QString& procedure, int line);
// Shows the platform's report of an error no handler took ("Run-time error '13':" and the
// description, titled "Quillax"), then ends the program.
void reportUnhandledError();

// A general procedure's body: any error is raised again under the procedure's name.
template <typename F>
auto generalProcedure(const QString& module, const QString& procedure, F&& body,
                      std::source_location where = std::source_location::current()) -> decltype(body()) {
    try {
        return std::forward<F>(body)();
    } catch (...) {
        raiseAgain(module, procedure, where);
    }
}

// An event handler's body: any error shows the "Application Error" box and ends the program.
template <typename F>
void eventHandler(const QString& module, const QString& procedure, F&& body,
                  std::source_location where = std::source_location::current()) {
    try {
        std::forward<F>(body)();
    } catch (...) {
        reportApplicationError(module, procedure, int(where.line()));
    }
}

// A handler that has no error handler of its own: an error ends the program with the platform's
// report instead of escaping into the event loop.
template <typename F>
void unhandledErrorGuard(F&& body) {
    try {
        std::forward<F>(body)();
    } catch (...) {
        reportUnhandledError();
    }
}

// Shows the description of the error being handled in the error message box; call inside a catch block.
void tellCurrentError();

// A look-up whose failure is told to the user and leaves the window open: false after the message.
template <typename F>
bool tellingErrors(F&& body) {
    try {
        std::forward<F>(body)();
        return true;
    } catch (...) {
        tellCurrentError();
        return false;
    }
}

// A timer handler's body: errors are ignored.
template <typename F>
void ignoringErrors(F&& body) noexcept {
    try {
        std::forward<F>(body)();
    } catch (...) {
    }
}

} // namespace qx
