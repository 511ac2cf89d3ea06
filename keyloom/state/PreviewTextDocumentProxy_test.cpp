#include "keyloom/state/PreviewTextDocumentProxy.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

TEST(PreviewTextDocumentProxy, StartsEmptyWithDefaultTraits) {
  const PreviewTextDocumentProxy proxy;
  EXPECT_EQ(proxy.documentContextBeforeInput(), std::nullopt);
  EXPECT_EQ(proxy.documentContextAfterInput(), std::nullopt);
  EXPECT_EQ(proxy.selectedText(), std::nullopt);
  EXPECT_FALSE(proxy.hasText());
  EXPECT_EQ(proxy.documentInputMode(), std::nullopt);
  EXPECT_EQ(proxy.autocapitalizationType(), platform::AutocapitalizationType::none);
  EXPECT_EQ(proxy.returnKeyType(), platform::ReturnKeyType::default_);
  // The other traits are not answered.
  EXPECT_EQ(proxy.keyboardType(), std::nullopt);
  EXPECT_EQ(proxy.keyboardAppearance(), std::nullopt);
}

TEST(PreviewTextDocumentProxy, EditsChangeNothing) {
  PreviewTextDocumentProxy proxy;
  proxy.insertText("Hello");
  EXPECT_EQ(proxy.documentContextBeforeInput(), std::nullopt);
  EXPECT_FALSE(proxy.hasText());

  proxy.setDocumentContextBeforeInput("Hi  ");
  proxy.deleteBackward();
  proxy.adjustTextPosition(-1);
  proxy.setMarkedText("x", {0, 1});
  proxy.unmarkText();
  EXPECT_EQ(proxy.documentContextBeforeInput(), "Hi  ");
}

TEST(PreviewTextDocumentProxy, StagedValuesAreReturnedAsAssigned) {
  PreviewTextDocumentProxy proxy;
  proxy.setDocumentContextBeforeInput("before");
  proxy.setDocumentContextAfterInput("after");
  proxy.setSelectedText("sel");
  proxy.setHasText(true);
  proxy.setReturnKeyType(platform::ReturnKeyType::go);
  proxy.setAutocapitalizationType(platform::AutocapitalizationType::sentences);
  proxy.setDocumentInputMode(platform::TextInputMode{"de-DE", {}});
  EXPECT_EQ(proxy.documentContextBeforeInput(), "before");
  EXPECT_EQ(proxy.documentContextAfterInput(), "after");
  EXPECT_EQ(proxy.selectedText(), "sel");
  EXPECT_TRUE(proxy.hasText());
  EXPECT_EQ(proxy.returnKeyType(), platform::ReturnKeyType::go);
  EXPECT_EQ(proxy.autocapitalizationType(), platform::AutocapitalizationType::sentences);
  EXPECT_EQ(proxy.documentInputMode()->primaryLanguage, "de-DE");

  proxy.setDocumentContextBeforeInput(std::nullopt);
  proxy.setSelectedText(std::nullopt);
  EXPECT_EQ(proxy.documentContextBeforeInput(), std::nullopt);
  EXPECT_EQ(proxy.selectedText(), std::nullopt);
}

TEST(PreviewTextDocumentProxy, EveryPreviewIsANewDocument) {
  const auto first = PreviewTextDocumentProxy::preview();
  const auto second = PreviewTextDocumentProxy::preview();
  EXPECT_NE(first, second);
  EXPECT_NE(first->documentIdentifier(), second->documentIdentifier());
  EXPECT_EQ(first->documentIdentifier(), first->documentIdentifier());
}

}  // namespace
}  // namespace keyloom
