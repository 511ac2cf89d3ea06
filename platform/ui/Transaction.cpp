#include "platform/ui/Transaction.h"

#include "platform/foundation/ProcessState.h"
#include "platform/ui/Color.h"

namespace platform::ui {

namespace {
Transaction& currentTransaction() {
  static Transaction transaction;
  static const bool registered = [] {
    registerProcessReset([] { transaction = Transaction(); });
    return true;
  }();
  (void)registered;
  return transaction;
}
}  // namespace

std::string Animation::description() const {
  static constexpr const char* names[] = {"default", "linear", "easeIn", "easeOut", "easeInOut",
                                          "spring"};
  std::string text = names[static_cast<int>(curve)];
  if (duration) text += "(" + formatNumber(*duration) + ")";
  return text;
}

Transaction Transaction::current() { return currentTransaction(); }

void withTransaction(const Transaction& transaction, const std::function<void()>& body) {
  Transaction saved = currentTransaction();
  currentTransaction() = transaction;
  struct Restore {
    Transaction saved;
    ~Restore() { currentTransaction() = saved; }
  } restore{saved};
  body();
}

void withAnimation(const std::function<void()>& body, std::optional<Animation> animation) {
  Transaction transaction;
  transaction.animation = animation;
  withTransaction(transaction, body);
}

}  // namespace platform::ui
