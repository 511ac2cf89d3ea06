// What the keyboard's text operations cost on one key press (and one step of
// a space drag), with 1 KB and 1 MB of text before the cursor. The operations read the text from the
// cursor backwards, so the cost must not grow with the text before the
// current sentence; BM_SegmentWholeText shows what reading all of it costs.
// The host field's own edits are measured too: they keep the field's
// character boundaries edit by edit, so a key costs the same in a long field.
#include <benchmark/benchmark.h>

#include <string>

#include "keyloom/gestures/SpaceCursorDragGestureHandler.h"
#include "keyloom/text/DeleteBackwardRange.h"
#include "keyloom/text/TextDocumentProxyOperations.h"
#include "platform/foundation/Text.h"
#include "platform/input/HostTextField.h"
#include "platform/input/InMemoryTextDocumentProxy.h"
#include "platform/input/TextDocumentProxy.h"

namespace {

// A host document that hands out copies of its text and edits at the cursor
// without segmenting the rest, so the figures are the operations' own.
class BenchProxy : public platform::TextDocumentProxy {
 public:
  BenchProxy(std::string before, std::string after) : before_(std::move(before)), after_(std::move(after)) {}

  std::optional<std::string> documentContextBeforeInput() const override { return before_; }
  std::optional<std::string> documentContextAfterInput() const override { return after_; }
  std::optional<std::string> selectedText() const override { return std::nullopt; }
  bool hasText() const override { return !before_.empty() || !after_.empty(); }
  std::optional<platform::TextInputMode> documentInputMode() const override { return std::nullopt; }
  platform::UUID documentIdentifier() const override { return identifier_; }

  void insertText(const std::string& text) override { before_ += text; }
  void deleteBackward() override {
    if (const auto last = platform::text::lastGrapheme(before_))
      before_.resize(before_.size() - last->size());
  }
  void adjustTextPosition(int) override {}
  void setMarkedText(const std::string&, platform::CharacterRange) override {}
  void unmarkText() override {}

 private:
  std::string before_;
  std::string after_;
  platform::UUID identifier_;
};

// Prose of about `bytes` bytes that ends inside a word of an unfinished sentence.
std::string textBeforeCursor(std::size_t bytes) {
  const std::string sentence = "The quick brown fox jumps over the lazy dog, again and again. ";
  std::string text;
  while (text.size() + sentence.size() < bytes) text += sentence;
  text += "Then she typed";
  return text;
}

void BM_CurrentWord(benchmark::State& state) {
  const BenchProxy proxy(textBeforeCursor(static_cast<std::size_t>(state.range(0))), " on and on.");
  for (auto _ : state) benchmark::DoNotOptimize(keyloom::currentWord(proxy));
}

// One step of a space drag each way, with the cursor in the middle of the
// host field's text: the drag segments only the character beside the cursor,
// and the host's proxy reveals a bounded stretch around it, as the platform's
// do, so a step costs the same at any length of text.
std::shared_ptr<platform::InMemoryTextDocumentProxy> hostProxyWithCursorInTheMiddle(std::size_t bytes) {
  const std::string text = textBeforeCursor(bytes);
  return platform::InMemoryTextDocumentProxy::make(text.substr(0, text.size() / 2), text.substr(text.size() / 2));
}

void BM_SpaceDragStep(benchmark::State& state) {
  const auto proxy = hostProxyWithCursorInTheMiddle(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(keyloom::spaceDragCharacterOffset(*proxy, -1));
    benchmark::DoNotOptimize(keyloom::spaceDragCharacterOffset(*proxy, 1));
  }
}

void BM_ReadBothSides(benchmark::State& state) {
  const auto proxy = hostProxyWithCursorInTheMiddle(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(proxy->documentContextBeforeInput());
    benchmark::DoNotOptimize(proxy->documentContextAfterInput());
  }
}

void BM_DeleteWord(benchmark::State& state) {
  BenchProxy proxy(textBeforeCursor(static_cast<std::size_t>(state.range(0))), "");
  for (auto _ : state) {
    keyloom::deleteBackward(proxy, keyloom::DeleteBackwardRange::word);
    proxy.insertText("typed");  // puts the deleted word back for the next round
  }
}

void BM_IsCursorAtNewSentence(benchmark::State& state) {
  const BenchProxy proxy(textBeforeCursor(static_cast<std::size_t>(state.range(0))), "");
  for (auto _ : state) benchmark::DoNotOptimize(keyloom::isCursorAtNewSentence(proxy));
}

void BM_IsCursorAtNewSentenceAfterPeriod(benchmark::State& state) {
  const BenchProxy proxy(textBeforeCursor(static_cast<std::size_t>(state.range(0))) + ".  ", "");
  for (auto _ : state) benchmark::DoNotOptimize(keyloom::isCursorAtNewSentence(proxy));
}

// A key and a backspace in the host's field, with the caret at the end of the
// text (typing on) or in its middle (correcting). The field is queried the way
// the keyboard does after each key: the caret and the character count.
void hostFieldKeys(benchmark::State& state, bool inTheMiddle) {
  const std::string text = textBeforeCursor(static_cast<std::size_t>(state.range(0)));
  platform::HostTextField field(text);
  if (inTheMiddle) field.select(field.characterCount() / 2);
  // The first edit builds the field's index of the text; untimed.
  field.insertText("e");
  field.deleteBackward();
  for (auto _ : state) {
    field.insertText("e");
    benchmark::DoNotOptimize(field.cursorOffset());
    field.deleteBackward();
    benchmark::DoNotOptimize(field.characterCount());
  }
  state.SetItemsProcessed(state.iterations() * 2);  // key presses
}

void BM_HostFieldKeysAtTheEnd(benchmark::State& state) { hostFieldKeys(state, false); }
void BM_HostFieldKeysInTheMiddle(benchmark::State& state) { hostFieldKeys(state, true); }

// The reference: segmenting the whole text once.
void BM_SegmentWholeText(benchmark::State& state) {
  const std::string text = textBeforeCursor(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(platform::text::graphemeCount(text));
}

constexpr int64_t kKilobyte = 1 << 10;
constexpr int64_t kMegabyte = 1 << 20;

BENCHMARK(BM_CurrentWord)->Arg(kKilobyte)->Arg(kMegabyte)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpaceDragStep)->Arg(kKilobyte)->Arg(kMegabyte)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadBothSides)->Arg(kKilobyte)->Arg(kMegabyte)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DeleteWord)->Arg(kKilobyte)->Arg(kMegabyte)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IsCursorAtNewSentence)->Arg(kKilobyte)->Arg(kMegabyte)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IsCursorAtNewSentenceAfterPeriod)->Arg(kKilobyte)->Arg(kMegabyte)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HostFieldKeysAtTheEnd)->Arg(kKilobyte)->Arg(kMegabyte)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HostFieldKeysInTheMiddle)->Arg(kKilobyte)->Arg(kMegabyte)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SegmentWholeText)->Arg(kKilobyte)->Arg(kMegabyte)->Unit(benchmark::kMicrosecond);

}  // namespace
