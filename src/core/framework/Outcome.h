// The result of a computation that can fail: its value, or the message that
// says why there is none (Windows-1252, ready to be shown).  The core returns
// it and shows nothing; the window or the command line decides how and when
// the message reaches the user.
#pragma once

#include <optional>
#include <string>
#include <utility>

template <typename T>
class Outcome {
public:
    Outcome(T value) : m_value(std::move(value)) {}
    static Outcome Failure(std::string message) {
        Outcome failed;
        failed.m_message = std::move(message);
        return failed;
    }

    bool Ok() const { return m_value.has_value(); }
    explicit operator bool() const { return Ok(); }
    // The value; only when Ok().
    const T& operator*() const { return *m_value; }
    // The value, or `fallback` when the computation failed.
    T ValueOr(T fallback) const { return m_value.value_or(std::move(fallback)); }
    // Why there is no value; empty when there is one.
    const std::string& Message() const { return m_message; }

private:
    Outcome() = default;
    std::optional<T> m_value;
    std::string m_message;
};
