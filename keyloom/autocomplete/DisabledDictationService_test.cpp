#include "keyloom/autocomplete/DisabledDictationService.h"

#include <gtest/gtest.h>

#include "keyloom/autocomplete/DictationServiceError.h"
#include "keyloom/autocomplete/DisabledKeyboardDictationService.h"
#include "platform/ui/Transaction.h"

namespace keyloom {
namespace {

using Status = DictationAuthorizationStatus;

// The outcome of one completion-based call: whether it completed, and the error.
struct Outcome {
  bool completed = false;
  DictationError error;
  DictationCompletion completion() {
    return [this](DictationError e) {
      completed = true;
      error = std::move(e);
    };
  }
};

std::optional<Status> requestedStatus(auto& service) {
  std::optional<Status> status;
  service.requestDictationAuthorization([&](DictationAuthorizationResult result) {
    if (auto* s = std::get_if<Status>(&result)) status = *s;
  });
  return status;
}

TEST(DisabledDictationService, StartAndStopFailResetSucceeds) {
  DisabledDictationService service;
  EXPECT_EQ(service.authorizationStatus(), Status::disabledService);
  EXPECT_EQ(requestedStatus(service), Status::disabledService);

  Outcome start, stop, reset;
  service.startDictation(DictationConfiguration::standard(), start.completion());
  service.stopDictation(stop.completion());
  service.resetDictationResult(reset.completion());
  for (const Outcome* failed : {&start, &stop}) {
    ASSERT_TRUE(failed->completed);
    auto error = std::dynamic_pointer_cast<const DictationServiceError>(failed->error);
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, DictationServiceError::disabledService());
  }
  EXPECT_TRUE(reset.completed);
  EXPECT_EQ(reset.error, nullptr);
  service.startDictation(DictationConfiguration::standard(), nullptr);  // no completion is fine
}

using Operation = std::function<void(DisabledKeyboardDictationService&, DictationCompletion)>;

class DisabledKeyboardDictationOperations : public ::testing::TestWithParam<Operation> {};

TEST_P(DisabledKeyboardDictationOperations, ResetTheContextInAnAnimationAndSucceed) {
  auto context = std::make_shared<DictationContext>(KeyboardDictationConfiguration("group.k", "app://d"));
  auto earlierError = std::make_shared<const platform::Error>("earlier");
  context->lastError = earlierError;
  context->setIsDictating(true);
  context->isDictationStartedByKeyboard = true;
  context->dictatedText = "spoken";
  context->silenceLimit = 5.0;
  bool animated = false;
  auto token = context->dictatedText.didSet().sink(
      [&](const std::string&) { animated = platform::ui::Transaction::current().isAnimated(); });

  DisabledKeyboardDictationService service(context);
  Outcome outcome;
  GetParam()(service, outcome.completion());

  EXPECT_TRUE(outcome.completed);
  EXPECT_EQ(outcome.error, nullptr);
  EXPECT_TRUE(animated);
  EXPECT_FALSE(context->isDictating.get());
  EXPECT_FALSE(context->isDictationStartedByKeyboard.get());
  EXPECT_EQ(context->dictatedText.get(), "");
  EXPECT_EQ(context->silenceLimit.get(), 5.0);
  EXPECT_EQ(context->lastError.get(), earlierError);
  auto store = platform::UserDefaults::suite("group.k");
  EXPECT_EQ(store->string(DictationContext::key(DictationContext::PersistedKey::text)), "");
}

const KeyboardDictationConfiguration anyConfig("ignored", "ignored://");

INSTANTIATE_TEST_SUITE_P(
    EveryAsyncOperation, DisabledKeyboardDictationOperations,
    ::testing::Values(
        Operation([](auto& s, auto c) { s.startDictationFromKeyboard(anyConfig, c); }),
        Operation([](auto& s, auto c) { s.performDictationInApp(anyConfig, c); }),
        Operation([](auto& s, auto c) { s.abortDictationInApp(c); }),
        Operation([](auto& s, auto c) { s.finishDictationInApp(c); }),
        Operation([](auto& s, auto c) { s.handleDictationResultInKeyboard(c); })));

TEST(DisabledKeyboardDictationService, StatusAndUndo) {
  auto context = std::make_shared<DictationContext>();
  context->dictatedText = "kept";
  DisabledKeyboardDictationService service(context);
  EXPECT_EQ(service.authorizationStatus(), Status::disabledService);
  EXPECT_EQ(requestedStatus(service), Status::disabledService);
  service.undoLastDictation();
  EXPECT_EQ(context->dictatedText.get(), "kept");
  EXPECT_EQ(service.context(), context);
}

}  // namespace
}  // namespace keyloom
