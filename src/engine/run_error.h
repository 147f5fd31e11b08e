#pragma once

#include <stdexcept>
#include <string>

// A run-time failure of a command (overflow, division by zero, an index out
// of range). Numeric code throws it; the command handlers catch it and show
// the command's own French message.
enum class RunErrorKind { Overflow, DivisionByZero, BadIndex, InvalidArgument };

class RunError : public std::runtime_error {
 public:
  RunError(RunErrorKind kind, const std::string& what) : std::runtime_error(what), kind_(kind) {}
  RunErrorKind kind() const { return kind_; }

 private:
  RunErrorKind kind_;
};
