#include "platform/input/Responder.h"

namespace platform {

bool Responder::respondsToSelector(std::string_view) const { return false; }

void Responder::perform(std::string_view, const std::vector<std::any>&) {}

std::shared_ptr<Responder> firstResponderAnswering(const std::shared_ptr<Responder>& start, std::string_view selector) {
  // A chain is short, but a misconfigured one could loop; stop after a bound.
  constexpr int kMaximumChainLength = 1000;
  auto responder = start;
  for (int i = 0; responder && i < kMaximumChainLength; ++i) {
    if (responder->respondsToSelector(selector)) return responder;
    responder = responder->nextResponder();
  }
  return nullptr;
}

}  // namespace platform
