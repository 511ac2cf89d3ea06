#include "keyloom/layout/InputSetItem.h"

#include "platform/foundation/Text.h"

namespace keyloom {

InputSetItem::InputSetItem(std::string_view character)
    : neutral(character), uppercased(platform::text::uppercased(character)),
      lowercased(platform::text::lowercased(character)) {}

const std::string& InputSetItem::character(KeyboardCase casing) const {
  switch (casing) {
    case KeyboardCase::capsLocked:
    case KeyboardCase::uppercased:
      return uppercased;
    case KeyboardCase::auto_:
    case KeyboardCase::lowercased:
      break;
  }
  return lowercased;
}

InputSetChars::InputSetChars(std::string_view text) : keys_(platform::text::graphemes(text)) {}

InputSetRow inputSetRow(const InputSetChars& chars) {
  InputSetRow row;
  row.reserve(chars.keys().size());
  for (const std::string& key : chars.keys()) row.emplace_back(key);
  return row;
}

InputSetRow inputSetRow(const InputSetChars& lowercased, const InputSetChars& uppercased) {
  const std::vector<std::string>& lower = lowercased.keys();
  const std::vector<std::string>& upper = uppercased.keys();
  InputSetRow row;
  row.reserve(lower.size());
  for (std::size_t i = 0; i < lower.size(); ++i) {
    row.emplace_back(lower[i], i < upper.size() ? upper[i] : lower[i], lower[i]);
  }
  return row;
}

InputSetRow inputSetRow(const InputSetChars& phone, const InputSetChars& pad, DeviceType deviceType) {
  return inputSetRow(deviceType == DeviceType::pad ? pad : phone);
}

InputSetRow inputSetRow(const InputSetChars& phoneLowercased, const InputSetChars& phoneUppercased,
                        const InputSetChars& padLowercased, const InputSetChars& padUppercased,
                        DeviceType deviceType) {
  if (deviceType == DeviceType::pad) return inputSetRow(padLowercased, padUppercased);
  return inputSetRow(phoneLowercased, phoneUppercased);
}

std::vector<std::string> characters(const InputSetRow& row, KeyboardCase casing) {
  std::vector<std::string> result;
  result.reserve(row.size());
  for (const InputSetItem& item : row) result.push_back(item.character(casing));
  return result;
}

std::vector<std::vector<std::string>> characters(const InputSetRows& rows, KeyboardCase casing) {
  std::vector<std::vector<std::string>> result;
  result.reserve(rows.size());
  for (const InputSetRow& row : rows) result.push_back(characters(row, casing));
  return result;
}

}  // namespace keyloom
