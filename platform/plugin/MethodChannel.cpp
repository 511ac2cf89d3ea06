#include "platform/plugin/MethodChannel.h"

#include <exception>

#include "platform/plugin/CodecError.h"
#include "platform/plugin/StandardMethodCodec.h"

namespace platform::plugin {

MethodChannel::MethodChannel(std::string name, std::shared_ptr<BinaryMessenger> messenger)
    : name_(std::move(name)), messenger_(std::move(messenger)) {}

void MethodChannel::setMethodCallHandler(MethodCallHandler handler) {
  if (!handler) {
    messenger_->setMessageHandler(name_, nullptr);
    return;
  }
  // Weak: the messenger holds this closure, and must not keep itself alive.
  std::weak_ptr<BinaryMessenger> weakMessenger = messenger_;
  std::string name = name_;
  messenger_->setMessageHandler(name_, [handler = std::move(handler), weakMessenger, name](
                                           const BinaryMessenger::Bytes& message,
                                           BinaryMessenger::Reply reply) {
    MethodCall call;
    try {
      call = StandardMethodCodec::decodeMethodCall(message);
    } catch (const CodecError& error) {
      if (reply) reply(StandardMethodCodec::encodeErrorEnvelope({invalidCallCode, error.what(), {}}));
      return;
    }
    MethodResult result(
        call.method,
        [reply = std::move(reply)](const MethodReply& answer) {
          if (reply) reply(StandardMethodCodec::encodeReply(answer));
        },
        [weakMessenger, name](const std::string& description) {
          if (auto messenger = weakMessenger.lock()) messenger->reportRefusedReply(name, description);
        });
    try {
      handler(call, result);
    } catch (const std::exception& error) {
      if (!result.hasReplied()) result.error(handlerFailedCode, error.what());
    }
  });
}

}  // namespace platform::plugin
