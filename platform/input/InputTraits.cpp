#include "platform/input/InputTraits.h"

namespace platform {

namespace {

template <class E, std::size_t N>
std::string_view lookup(const std::array<EnumCase<E>, N>& cases, E value) {
  for (const auto& entry : cases) {
    if (entry.value == value) return entry.name;
  }
  return {};
}

template <class E>
std::string_view defaultNoYesName(E value) {
  const int raw = rawValue(value);
  if (raw < 0 || raw >= static_cast<int>(kDefaultNoYesNames.size())) return {};
  return kDefaultNoYesNames[static_cast<std::size_t>(raw)];
}

}  // namespace

std::string_view name(KeyboardType value) { return lookup(kKeyboardTypeCases, value); }
std::string_view name(ReturnKeyType value) { return lookup(kReturnKeyTypeCases, value); }
std::string_view name(AutocapitalizationType value) { return lookup(kAutocapitalizationTypeCases, value); }
std::string_view name(AutocorrectionType value) { return defaultNoYesName(value); }
std::string_view name(SpellCheckingType value) { return defaultNoYesName(value); }
std::string_view name(SmartQuotesType value) { return defaultNoYesName(value); }
std::string_view name(SmartDashesType value) { return defaultNoYesName(value); }
std::string_view name(SmartInsertDeleteType value) { return defaultNoYesName(value); }
std::string_view name(KeyboardAppearance value) { return lookup(kKeyboardAppearanceCases, value); }

TextInputTraits TextInputTraitsSource::answeredTraits() const {
  TextInputTraits traits;
  traits.autocapitalizationType = autocapitalizationType();
  traits.autocorrectionType = autocorrectionType();
  traits.spellCheckingType = spellCheckingType();
  traits.smartQuotesType = smartQuotesType();
  traits.smartDashesType = smartDashesType();
  traits.smartInsertDeleteType = smartInsertDeleteType();
  traits.keyboardType = keyboardType();
  traits.keyboardAppearance = keyboardAppearance();
  traits.returnKeyType = returnKeyType();
  traits.enablesReturnKeyAutomatically = enablesReturnKeyAutomatically();
  traits.isSecureTextEntry = isSecureTextEntry();
  traits.textContentType = textContentType();
  return traits;
}

}  // namespace platform
