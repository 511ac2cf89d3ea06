#include "keyloom/layout/EnglishInputSetProvider.h"

namespace keyloom {

EnglishInputSetProvider::EnglishInputSetProvider(AlphabeticInputSet alphabetic, std::string_view numericCurrency,
                                                 std::string_view symbolicCurrency)
    : alphabeticInputSet_(std::move(alphabetic)),
      numericInputSet_(NumericInputSet::standard(numericCurrency)),
      symbolicInputSet_(SymbolicInputSet::english(symbolicCurrency)) {}

}  // namespace keyloom
