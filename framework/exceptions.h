#pragma once

#include <stdexcept>
#include <string>

namespace fw {

// Base of every exception the layer raises; Kind() names the exception's class for reports.
class RuntimeException : public std::runtime_error {
public:
    explicit RuntimeException(const std::string& message) : std::runtime_error(message) {}
    virtual const char* Kind() const noexcept { return "RuntimeException"; }
};

// A nil object was used, or a name was looked up that nothing carries.
class NilObjectException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* Kind() const noexcept override { return "NilObjectException"; }
};

// A call's arguments do not fit: an unknown event or menu name, a signature that does not match, a duplicate
// name.
class InvalidArgumentException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* Kind() const noexcept override { return "InvalidArgumentException"; }
};

// Bytes that do not have the expected form, such as a malformed property string.
class UnsupportedFormatException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* Kind() const noexcept override { return "UnsupportedFormatException"; }
};

// An index or a value outside the range that an operation takes (a row, a column, a count).
class OutOfBoundsException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* Kind() const noexcept override { return "OutOfBoundsException"; }
};

} // namespace fw
