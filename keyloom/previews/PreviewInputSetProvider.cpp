#include "keyloom/previews/PreviewInputSetProvider.h"

#include <utility>
#include <vector>

#include "keyloom/layout/EnglishInputSetProvider.h"
#include "keyloom/layout/StandardInputSetProvider.h"
#include "keyloom/state/KeyboardContext.h"

namespace keyloom {

PreviewInputSetProvider::PreviewInputSetProvider(std::shared_ptr<KeyboardContext> keyboardContext)
    : keyboardContext_(std::move(keyboardContext)),
      provider_(std::make_shared<StandardInputSetProvider>(
          keyboardContext_,
          std::vector<std::shared_ptr<LocalizedInputSetProvider>>{
              std::make_shared<EnglishInputSetProvider>(AlphabeticInputSet::english(), "$", "£")})) {}

std::shared_ptr<PreviewInputSetProvider> PreviewInputSetProvider::preview() {
  return std::make_shared<PreviewInputSetProvider>(KeyboardContext::preview());
}

AlphabeticInputSet PreviewInputSetProvider::alphabeticInputSet() const {
  return provider_->alphabeticInputSet();
}

NumericInputSet PreviewInputSetProvider::numericInputSet() const { return provider_->numericInputSet(); }

SymbolicInputSet PreviewInputSetProvider::symbolicInputSet() const { return provider_->symbolicInputSet(); }

}  // namespace keyloom
