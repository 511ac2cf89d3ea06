// Arbitrary locale identifiers and keys looked up in the library bundle (host
// code may build locales from any string): a language folder is always one
// directly inside the bundle, and the lookups never crash.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "keyloom/resources/KeyloomBundle.h"
#include "keyloom/state/KLL10n.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\n');
  const std::string identifier = input.substr(0, split);
  const std::string key = split == std::string::npos ? "space" : input.substr(split + 1);

  const platform::Locale locale(identifier);
  const platform::Bundle& bundle = keyloom::keyloomBundle();
  if (const auto folder = keyloom::bundlePath(bundle, locale)) {
    if (folder->parent_path() != bundle.bundlePath() || folder->extension() != ".lproj") std::abort();
  }
  (void)keyloom::textForKey(key, locale);
  (void)keyloom::text(keyloom::KLL10n::space, locale);
  return 0;
}
