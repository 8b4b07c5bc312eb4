#pragma once

#include <QCoreApplication>
#include <QString>
#include <stdexcept>

namespace core {

// A calculation that cannot go on. The handler that catches it shows the
// Russian message and leaves whatever was already drawn or set in place.
class RuntimeError : public std::runtime_error {
public:
    enum class Kind { Overflow, TypeMismatch };

    explicit RuntimeError(Kind kind)
        : std::runtime_error(kind == Kind::Overflow ? "overflow" : "type mismatch"), kind_(kind) {}

    Kind kind() const { return kind_; }

    QString russianMessage() const {
        return kind_ == Kind::Overflow
                   ? QCoreApplication::translate("Errors", "Переполнение")
                   : QCoreApplication::translate("Errors", "Несоответствие типа");
    }

    // What the user is told: "Расчёт остановлен: Переполнение."
    QString stoppedMessage() const {
        return QCoreApplication::translate("Errors", "Расчёт остановлен: %1.")
            .arg(russianMessage());
    }

private:
    Kind kind_;
};

// The calculation refused its input and has already told the user why; whoever
// catches it only stops what depended on the calculation.
class InputRefused : public std::runtime_error {
public:
    InputRefused() : std::runtime_error("input refused") {}
};

}  // namespace core
