// One character key, pressed and released through the keyboard's action
// handler on a hosted controller, until the main queue is idle again (the
// autocomplete result and the text context sync included). The document has
// 1 KB or 1 MB of text before the cursor; autocomplete comes from the
// disabled provider or from the product's word-list provider with 10,000
// words. The typed character is taken out again outside the timing, so the
// same word is typed each time; the "Changing" case types "l" and "p" in
// turn, so the suggestions change on every key as they do in real typing.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "keyboard-extension/MyAutocompleteProvider.h"
#include "keyloom/controller/KeyboardInputViewController.h"
#include "keyloom/state/KeyboardAction.h"
#include "platform/input/SimulatedHost.h"

namespace {

using keyloom::KeyboardAction;
using keyloom::KeyboardGesture;

// Words made of syllables, the same on every run.
std::vector<std::string> makeWords(std::size_t count) {
  static const char* const syllables[] = {"ka", "lo", "mi", "ne", "ru", "sa", "ti", "vo", "he", "la", "po", "de"};
  std::vector<std::string> words;
  words.reserve(count);
  for (std::size_t i = 0; words.size() < count; ++i) {
    std::string word;
    for (std::size_t n = i + 1; n > 0; n /= 12) word += syllables[n % 12];
    words.push_back(word);
  }
  return words;
}

// Prose of about `bytes` bytes that ends inside the word "hel".
std::string makeText(std::size_t bytes) {
  const std::string sentence = "The quick brown fox jumps over the lazy dog, then rests. ";
  std::string text;
  while (text.size() + sentence.size() < bytes) text += sentence;
  text.resize(bytes - 4, ' ');
  return text + " hel";
}

void pressKey(benchmark::State& state, std::size_t bytes, bool wordList, bool changing = false) {
  platform::SimulatedHostConfiguration configuration;
  configuration.text = makeText(bytes);
  auto host = platform::SimulatedHost::make(configuration);
  auto controller = std::static_pointer_cast<keyloom::KeyboardInputViewController>(
      host->presentKeyboard([] { return std::make_shared<keyloom::KeyboardInputViewController>(); }));
  if (wordList) {
    zandorelle::autocompleteWordList() = makeWords(10000);
    zandorelle::autocompleteWordList().push_back("hello");
    controller->setAutocompleteProvider(std::make_shared<zandorelle::MyAutocompleteProvider>());
  }
  host->runMainQueue();
  auto handler = controller->keyboardActionHandler();
  const KeyboardAction keys[] = {KeyboardAction::character("l"), KeyboardAction::character("p")};
  std::size_t presses = 0;
  for (auto _ : state) {
    const KeyboardAction& key = keys[changing ? presses++ % 2 : 0];
    handler->handle(KeyboardGesture::press, key);
    handler->handle(KeyboardGesture::release, key);
    host->runMainQueue();
    state.PauseTiming();
    host->hostProxy()->deleteBackward();
    state.ResumeTiming();
  }
  state.counters["suggestions"] = static_cast<double>(controller->autocompleteContext()->suggestions.get().size());
  zandorelle::autocompleteWordList().clear();
}

void BM_KeyPress_1KB_Disabled(benchmark::State& state) { pressKey(state, 1024, false); }
void BM_KeyPress_1KB_WordList(benchmark::State& state) { pressKey(state, 1024, true); }
void BM_KeyPress_1MB_Disabled(benchmark::State& state) { pressKey(state, 1024 * 1024, false); }
void BM_KeyPress_1MB_WordList(benchmark::State& state) { pressKey(state, 1024 * 1024, true); }
void BM_KeyPress_1KB_WordListChanging(benchmark::State& state) { pressKey(state, 1024, true, true); }
BENCHMARK(BM_KeyPress_1KB_Disabled)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyPress_1KB_WordList)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyPress_1MB_Disabled)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyPress_1MB_WordList)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyPress_1KB_WordListChanging)->Unit(benchmark::kMicrosecond);

}  // namespace
