#include "keyloom/layout/KeyboardLayout.h"

#include <cmath>

namespace keyloom {

namespace {

const KeyboardLayoutItem* firstItem(const KeyboardLayoutItemRows& rows) {
  for (const auto& row : rows) {
    if (!row.empty()) return &row.front();
  }
  return nullptr;
}

}  // namespace

KeyboardLayout::KeyboardLayout(KeyboardLayoutItemRows itemRows, std::optional<double> idealItemHeight,
                               std::optional<platform::EdgeInsets> idealItemInsets)
    : itemRows_(std::move(itemRows)) {
  const KeyboardLayoutItem* first = firstItem(itemRows_);
  idealItemHeight_ = idealItemHeight.value_or(first ? first->size.height : 0);
  idealItemInsets_ = idealItemInsets.value_or(first ? first->insets : platform::EdgeInsets());
}

void KeyboardLayout::setItemRows(KeyboardLayoutItemRows itemRows) {
  itemRows_ = std::move(itemRows);
  widthCache_.clear();
}

void KeyboardLayout::editItemRows(const std::function<void(KeyboardLayoutItemRows&)>& edit) {
  widthCache_.clear();
  edit(itemRows_);
}

int KeyboardLayout::bottomRowIndex() const { return static_cast<int>(itemRows_.size()) - 1; }

std::vector<KeyboardLayoutItem> KeyboardLayout::bottomRowSystemItems() const {
  std::vector<KeyboardLayoutItem> items;
  if (itemRows_.empty()) return items;
  for (const auto& item : itemRows_.back()) {
    if (item.action.isSystemAction()) items.push_back(item);
  }
  return items;
}

bool KeyboardLayout::hasKeyboardSwitcher(const KeyboardType& /*type*/) const {
  if (itemRows_.empty()) return false;
  const auto emojis = KeyboardAction::keyboardType(KeyboardType::emojis());
  for (const auto& item : itemRows_.back()) {
    if (item.action == emojis) return true;
  }
  return false;
}

std::optional<KeyboardLayoutItem> KeyboardLayout::tryCreateBottomRowItem(const KeyboardAction& action) const {
  if (itemRows_.empty()) return std::nullopt;
  for (const auto& item : itemRows_.back()) {
    if (item.action.isSystemAction()) return KeyboardLayoutItem{action, item.size, item.insets};
  }
  return std::nullopt;
}

double KeyboardLayout::inputWidth(double totalWidth) const {
  // NaN has no place in an ordered map; it is computed every time.
  const bool cacheable = !std::isnan(totalWidth);
  if (cacheable) {
    if (auto it = widthCache_.find(totalWidth); it != widthCache_.end()) return it->second;
  }
  namespace width = keyboard_layout_item_width;
  std::optional<double> smallest;
  for (const auto& row : itemRows_) {
    bool hasInput = false;
    double fixed = 0;
    double units = 0;
    for (const auto& item : row) {
      const auto& w = item.size.width;
      if (auto p = w.get<width::Percentage>()) fixed += p->fraction * totalWidth;
      if (auto p = w.get<width::Points>()) fixed += p->width;
      if (auto p = w.get<width::InputPercentage>()) units += p->fraction;
      if (w.is<width::Input>()) {
        units += 1;
        hasInput = true;
      }
    }
    if (!hasInput) continue;
    const double candidate = (totalWidth - fixed) / units;
    if (!smallest || candidate < *smallest) smallest = candidate;
  }
  const double result = smallest.value_or(0);
  if (cacheable) widthCache_[totalWidth] = result;
  return result;
}

}  // namespace keyloom
