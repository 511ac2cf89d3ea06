#pragma once

#include "keyloom/layout/InputSet.h"
#include "keyloom/text/LocalizedService.h"

namespace keyloom {

// Which alphabetic, numeric and symbolic input sets to show. The layout
// providers read the set of the current keyboard type on every layout, so an
// answer may change from one read to the next.
class InputSetProvider {
 public:
  virtual ~InputSetProvider() = default;

  virtual AlphabeticInputSet alphabeticInputSet() const = 0;
  virtual NumericInputSet numericInputSet() const = 0;
  virtual SymbolicInputSet symbolicInputSet() const = 0;
};

// An input set provider for one locale, as the standard provider registers them.
class LocalizedInputSetProvider : public InputSetProvider, public LocalizedService {};

}  // namespace keyloom
