#pragma once

#include <string>
#include <string_view>

#include "keyloom/layout/InputSetProvider.h"

namespace keyloom {

// The English input sets, with configurable currencies. Registered under "en".
class EnglishInputSetProvider : public LocalizedInputSetProvider {
 public:
  // The numeric set gets `numericCurrency`; the symbolic set "€", the
  // characters of `symbolicCurrency` and "¥". The sets are built now, once.
  explicit EnglishInputSetProvider(AlphabeticInputSet alphabetic = AlphabeticInputSet::english(),
                                   std::string_view numericCurrency = "$", std::string_view symbolicCurrency = "£");

  std::string localeKey() const override { return localeKey_; }
  void setLocaleKey(std::string localeKey) { localeKey_ = std::move(localeKey); }

  AlphabeticInputSet alphabeticInputSet() const override { return alphabeticInputSet_; }
  void setAlphabeticInputSet(AlphabeticInputSet set) { alphabeticInputSet_ = std::move(set); }

  NumericInputSet numericInputSet() const override { return numericInputSet_; }
  void setNumericInputSet(NumericInputSet set) { numericInputSet_ = std::move(set); }

  SymbolicInputSet symbolicInputSet() const override { return symbolicInputSet_; }
  void setSymbolicInputSet(SymbolicInputSet set) { symbolicInputSet_ = std::move(set); }

 private:
  std::string localeKey_ = "en";
  AlphabeticInputSet alphabeticInputSet_;
  NumericInputSet numericInputSet_;
  SymbolicInputSet symbolicInputSet_;
};

}  // namespace keyloom
