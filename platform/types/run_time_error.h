// Run-time errors: what stops an event handler, with its number and a message in Spanish.
#pragma once

#include <stdexcept>
#include <string>

namespace trelumo {

/// An error that stops the handler in which it arises. The window layer reports it and the
/// program keeps running.
class RunTimeError : public std::runtime_error {
public:
    RunTimeError(int number, const std::string& message)
        : std::runtime_error(message), number_(number) {}

    int number() const noexcept { return number_; }

    /// How the error is reported to the user: "Se ha producido el error '6' en tiempo de
    /// ejecución:", a blank line, then the message.
    std::string report() const {
        return "Se ha producido el error '" + std::to_string(number_) +
               "' en tiempo de ejecución:\n\n" + what();
    }

private:
    int number_;
};

/// Error 6: a result beyond the range of a double.
inline RunTimeError overflow_error() {
    return RunTimeError(6, "Desbordamiento");
}

/// Error 13: a value of the wrong type, such as a text that does not read as a number.
inline RunTimeError type_mismatch_error() {
    return RunTimeError(13, "No coinciden los tipos");
}

}  // namespace trelumo
