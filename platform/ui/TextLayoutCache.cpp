#include "platform/ui/TextLayoutCache.h"

namespace platform::ui {

TextLayoutCache::~TextLayoutCache() { clear(); }

PangoLayout* TextLayoutCache::find(const std::string& key) const {
  auto found = layouts_.find(key);
  return found == layouts_.end() ? nullptr : found->second;
}

void TextLayoutCache::store(std::string key, PangoLayout* layout) {
  if (layouts_.size() >= maximumLayouts) clear();
  auto [place, added] = layouts_.try_emplace(std::move(key), layout);
  if (!added) return;
  g_object_ref(layout);
}

void TextLayoutCache::clear() {
  for (auto& [key, layout] : layouts_) g_object_unref(layout);
  layouts_.clear();
}

}  // namespace platform::ui
