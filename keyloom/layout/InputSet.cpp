#include "keyloom/layout/InputSet.h"

#include <memory>
#include <mutex>
#include <optional>

#include "platform/foundation/ProcessState.h"
#include "platform/foundation/Text.h"

namespace keyloom {

namespace {

// A set made once per device, on its first use there, even when first read
// from several threads: the device may change while the process runs (a
// simulator turning a phone into a pad), and each device has rows of its own.
// The process reset re-arms them, so tests can pick the device first.
struct LazyAlphabeticSet {
  std::unique_ptr<std::once_flag> once = std::make_unique<std::once_flag>();
  std::optional<AlphabeticInputSet> value;
};

// One set per device currentDeviceType() tells apart.
struct LazyAlphabeticSets {
  LazyAlphabeticSet phone;
  LazyAlphabeticSet pad;

  LazyAlphabeticSet& forDevice(DeviceType device) { return device == DeviceType::pad ? pad : phone; }
};

LazyAlphabeticSets* makeLazySets() {
  auto* made = new LazyAlphabeticSets;
  platform::registerProcessReset([made] { *made = LazyAlphabeticSets(); });
  return made;
}

template <class Make>
const AlphabeticInputSet& lazily(LazyAlphabeticSets& sets, Make make) {
  const DeviceType device = currentDeviceType();
  LazyAlphabeticSet& set = sets.forDevice(device);
  std::call_once(*set.once, [&set, &make, device] { set.value = make(device); });
  return *set.value;
}

std::string joined(const std::vector<std::string>& parts) {
  std::string result;
  for (const std::string& part : parts) result += part;
  return result;
}

}  // namespace

const AlphabeticInputSet& AlphabeticInputSet::qwerty() {
  static LazyAlphabeticSets* sets = makeLazySets();
  return lazily(*sets, [](DeviceType device) {
    return AlphabeticInputSet{{
        inputSetRow("qwertyuiop"),
        inputSetRow("asdfghjkl"),
        inputSetRow("zxcvbnm", "zxcvbnm,.", device),
    }};
  });
}

const AlphabeticInputSet& AlphabeticInputSet::english() {
  static LazyAlphabeticSets* sets = makeLazySets();
  return lazily(*sets, [](DeviceType) { return qwerty(); });
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
