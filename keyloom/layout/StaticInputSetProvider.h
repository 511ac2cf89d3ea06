#pragma once

#include <memory>

#include "keyloom/layout/InputSetProvider.h"

namespace keyloom {

// Three fixed input sets, whatever the keyboard state.
class StaticInputSetProvider : public InputSetProvider {
 public:
  StaticInputSetProvider(AlphabeticInputSet alphabeticInputSet, NumericInputSet numericInputSet,
                         SymbolicInputSet symbolicInputSet)
      : alphabeticInputSetValue_(std::move(alphabeticInputSet)),
        numericInputSetValue_(std::move(numericInputSet)),
        symbolicInputSetValue_(std::move(symbolicInputSet)) {}

  // A new provider on every call, whose three sets have no rows.
  static std::shared_ptr<StaticInputSetProvider> empty() {
    return std::make_shared<StaticInputSetProvider>(AlphabeticInputSet{}, NumericInputSet{}, SymbolicInputSet{});
  }

  AlphabeticInputSet alphabeticInputSet() const override { return alphabeticInputSetValue_; }
  NumericInputSet numericInputSet() const override { return numericInputSetValue_; }
  SymbolicInputSet symbolicInputSet() const override { return symbolicInputSetValue_; }

 private:
  AlphabeticInputSet alphabeticInputSetValue_;
  NumericInputSet numericInputSetValue_;
  SymbolicInputSet symbolicInputSetValue_;
};

}  // namespace keyloom
