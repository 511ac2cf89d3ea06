#pragma once

#include <string>
#include <vector>

#include "keyloom/services/CalloutActionProvider.h"

namespace keyloom {

// Turns a string of alternative characters per key into callout actions.
// Subclasses give the strings by overriding calloutActionString().
class BaseCalloutActionProvider : public virtual CalloutActionProvider {
 public:
  // The alternatives of a character key; nothing for every other action.
  std::vector<KeyboardAction> calloutActions(const KeyboardAction& action) override;
  // One character action per character of the key's alternatives. The table
  // is asked with the lowercased character; an uppercase letter gets the
  // alternatives uppercased (fully: "ß" becomes "SS").
  virtual std::vector<KeyboardAction> calloutActions(const std::string& character);
  // The alternatives of a lowercased character, as a rule starting with the
  // character itself; none here.
  virtual std::string calloutActionString(const std::string& character);
};

}  // namespace keyloom
