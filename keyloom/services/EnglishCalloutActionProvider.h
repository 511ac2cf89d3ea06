#pragma once

#include <string>

#include "keyloom/services/BaseCalloutActionProvider.h"

namespace keyloom {

// The English alternatives: accented letters, currency signs, dashes and
// quotation marks.
class EnglishCalloutActionProvider : public BaseCalloutActionProvider, public LocalizedCalloutActionProvider {
 public:
  using BaseCalloutActionProvider::calloutActions;
  std::vector<KeyboardAction> calloutActions(const KeyboardAction& action) override {
    return BaseCalloutActionProvider::calloutActions(action);
  }

  std::string localeKey() const override { return localeKey_; }
  void setLocaleKey(std::string key) { localeKey_ = std::move(key); }

  std::string calloutActionString(const std::string& character) override;

 private:
  std::string localeKey_ = "en";
};

}  // namespace keyloom
