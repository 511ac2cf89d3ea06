#include "keyloom/layout/InputSet.h"

#include <memory>
#include <mutex>
#include <optional>

#include "platform/foundation/ProcessState.h"
#include "platform/foundation/Text.h"

namespace keyloom {

namespace {

// A set made once, on first use, even when first read from several threads.
// The process reset re-arms it, so tests can pick the device first.
struct LazyAlphabeticSet {
  std::unique_ptr<std::once_flag> once = std::make_unique<std::once_flag>();
  std::optional<AlphabeticInputSet> value;
};

LazyAlphabeticSet* makeLazySet() {
  auto* made = new LazyAlphabeticSet;
  platform::registerProcessReset([made] {
    made->once = std::make_unique<std::once_flag>();
    made->value.reset();
  });
  return made;
}

template <class Make>
const AlphabeticInputSet& lazily(LazyAlphabeticSet& set, Make make) {
  std::call_once(*set.once, [&set, &make] { set.value = make(); });
  return *set.value;
}

std::string joined(const std::vector<std::string>& parts) {
  std::string result;
  for (const std::string& part : parts) result += part;
  return result;
}

}  // namespace

const AlphabeticInputSet& AlphabeticInputSet::qwerty() {
  static LazyAlphabeticSet* set = makeLazySet();
  return lazily(*set, [] {
    const DeviceType device = currentDeviceType();
    return AlphabeticInputSet{{
        inputSetRow("qwertyuiop"),
        inputSetRow("asdfghjkl"),
        inputSetRow("zxcvbnm", "zxcvbnm,.", device),
    }};
  });
}

const AlphabeticInputSet& AlphabeticInputSet::english() {
  static LazyAlphabeticSet* set = makeLazySet();
  return lazily(*set, [] { return qwerty(); });
}

NumericInputSet NumericInputSet::standard(std::string_view currency) {
  const DeviceType device = currentDeviceType();
  const std::string cur(currency);
  return NumericInputSet{{
      inputSetRow("1234567890"),
      inputSetRow("-/:;()" + cur + "&@\u201D", "@#" + cur + "&*()\u2019\u201D", device),
      inputSetRow(".,?!\u2019", "%-+=/;:!?", device),
  }};
}

NumericInputSet NumericInputSet::english(std::string_view currency) { return standard(currency); }

SymbolicInputSet SymbolicInputSet::standard(const std::vector<std::string>& currencies) {
  const DeviceType device = currentDeviceType();
  const std::string curs = joined(currencies);
  return SymbolicInputSet{{
      inputSetRow("[]{}#%^*+=", "1234567890", device),
      inputSetRow("_\\|~<>" + curs + "\u2022", curs + "_^[]{}", device),
      inputSetRow(".,?!\u2019", "\u00A7|~\u2026\\<>!?", device),
  }};
}

SymbolicInputSet SymbolicInputSet::english(std::string_view currency) {
  std::vector<std::string> currencies = platform::text::graphemes("\u20AC" + std::string(currency) + "\u00A5");
  return standard(currencies);
}

}  // namespace keyloom
