#pragma once

#include <stdexcept>
#include <string>

namespace trelumo {

/// An error that stops the handler in which it arises, carrying its number and a message in
/// Spanish. The window layer reports it and the program keeps running.
class RunTimeError : public std::runtime_error {
public:
    RunTimeError(int number, const std::string& message)
        : std::runtime_error(message), number_(number) {}

    int number() const noexcept { return number_; }

private:
    int number_;
};

/// Error 6: a result beyond the range of a double.
inline RunTimeError overflow_error() { return RunTimeError(6, "Desbordamiento"); }

/// Error 5: a call with an argument it cannot take.
inline RunTimeError invalid_argument_error() {
    return RunTimeError(5, "Llamada a procedimiento o argumento no válidos");
}

/// Error 11: a division by zero.
inline RunTimeError division_by_zero_error() { return RunTimeError(11, "División por cero"); }

/// Error 13: a value of the wrong type, such as a text that does not read as a number.
inline RunTimeError type_mismatch_error() {
    return RunTimeError(13, "No coinciden los tipos");
}

}  // namespace trelumo
