#include "platform/plugin/MethodReply.h"

namespace platform::plugin {

const ChannelValue* MethodReply::value() const {
  const auto* success = std::get_if<Success>(&storage_);
  return success ? &success->value : nullptr;
}

const MethodError* MethodReply::error() const {
  const auto* failure = std::get_if<Failure>(&storage_);
  return failure ? &failure->error : nullptr;
}

std::string MethodReply::description() const {
  if (const auto* success = value()) return "success " + success->description();
  if (const auto* failure = error()) {
    std::string text = "error " + failure->code;
    text += failure->message ? " \"" + *failure->message + "\"" : std::string(" (no message)");
    if (!failure->details.isNull()) text += " details " + failure->details.description();
    return text;
  }
  return "not implemented";
}

std::ostream& operator<<(std::ostream& out, const MethodReply& reply) { return out << reply.description(); }

}  // namespace platform::plugin
