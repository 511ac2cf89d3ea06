#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <variant>

#include "platform/plugin/ChannelValue.h"

namespace platform::plugin {

// The error a method replies with: a code, an optional message and optional details.
struct MethodError {
  std::string code;
  std::optional<std::string> message;
  ChannelValue details;

  bool operator==(const MethodError&) const = default;
};

// The one answer to a method call: a value, an error, or "not implemented"
// (the method is unknown to the receiver).
class MethodReply {
 public:
  struct Success {
    ChannelValue value;
    bool operator==(const Success&) const = default;
  };
  struct Failure {
    MethodError error;
    bool operator==(const Failure&) const = default;
  };
  struct NotImplemented {
    bool operator==(const NotImplemented&) const = default;
  };

  static MethodReply success(ChannelValue value = {}) { return MethodReply(Success{std::move(value)}); }
  static MethodReply failure(MethodError error) { return MethodReply(Failure{std::move(error)}); }
  static MethodReply failure(std::string code, std::optional<std::string> message = std::nullopt,
                             ChannelValue details = {}) {
    return failure(MethodError{std::move(code), std::move(message), std::move(details)});
  }
  static MethodReply notImplemented() { return MethodReply(NotImplemented{}); }

  bool isSuccess() const { return std::holds_alternative<Success>(storage_); }
  bool isFailure() const { return std::holds_alternative<Failure>(storage_); }
  bool isNotImplemented() const { return std::holds_alternative<NotImplemented>(storage_); }

  // The payload of a success or a failure, null otherwise.
  const ChannelValue* value() const;
  const MethodError* error() const;

  std::string description() const;

  bool operator==(const MethodReply&) const = default;

 private:
  using Storage = std::variant<Success, Failure, NotImplemented>;
  explicit MethodReply(Storage storage) : storage_(std::move(storage)) {}

  Storage storage_;
};

std::ostream& operator<<(std::ostream& out, const MethodReply& reply);

}  // namespace platform::plugin
