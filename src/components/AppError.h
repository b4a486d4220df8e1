#pragma once
#include <QString>
#include <stdexcept>

namespace qx {

// The error every layer raises: a number, where it came from, and a description that
// grows as general procedures pass it up ("... in prjQuillax.x.y at line n").
class AppError : public std::runtime_error {
public:
    AppError(long number, QString source, QString description)
        : std::runtime_error(description.toStdString()),
          number_(number), source_(std::move(source)), description_(std::move(description)) {}

    long number() const { return number_; }
    const QString& source() const { return source_; }
    const QString& description() const { return description_; }

private:
    long number_;
    QString source_;
    QString description_;
};

// Errors of the database layer carry the number a data provider gave for a failed command.
constexpr long kDbErrorNumber = static_cast<long>(0x80004005);

} // namespace qx
