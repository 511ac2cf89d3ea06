#include "apps/keyboard-simulator/Simulator.h"

#include <algorithm>
#include <cstdint>
#include <iomanip>
#include <sstream>
#include <variant>

#include "apps/keyboard-simulator/KeyFinder.h"
#include "apps/keyboard-simulator/SimulatorScriptFile.h"
#include "keyboard-extension/FontBar.h"
#include "keyboard-extension/KeyboardExtension.h"
#include "keyboard-extension/KeyboardSelection.h"
#include "keyboard-extension/MyAutocompleteProvider.h"
#include "keyboard-extension/ProductConfiguration.h"
#include "keyboard-extension/ThemePalette.h"
#include "keyboard-extension/UnicodeFont.h"
#include "keyloom/gestures/GestureButtonDefaults.h"
#include "keyloom/state/Emoji.h"
#include "keyloom/state/StandardKeyboardBehavior.h"
#include "keyloom/views/AutocompleteToolbar.h"
#include "keyloom/views/EmojiKeyboard.h"
#include "platform/foundation/Clock.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/MainQueue.h"
#include "platform/foundation/Text.h"
#include "platform/input/Screen.h"
#include "platform/ui/HostRenderer.h"
#include "platform/ui/MenuPresentation.h"
#include "platform/ui/PangoTextMetrics.h"
#include "platform/ui/ViewHost.h"

namespace keyboard_simulator {

using keyloom::KeyboardAction;
using keyloom::KeyboardContext;
using keyloom::KeyboardType;

namespace {

// Attempts at one character: a switch of keyboard, a shift and the key
// itself are the most a layout ever needs; the rest is headroom.
constexpr int kMaximumKeysPerCharacter = 8;

std::shared_ptr<platform::SimulatedHost> makeHost(const SimulatorOptions& options) {
  if (!platform::currentManualClock()) platform::Clock::setCurrent(std::make_shared<platform::ManualClock>());
  platform::SimulatedHostConfiguration configuration;
  const bool pad = options.device == keyloom::DeviceType::pad;
  configuration.idiom = pad ? platform::UserInterfaceIdiom::pad : platform::UserInterfaceIdiom::phone;
  configuration.hasHomeButton = options.homeButton;
  configuration.screenSize = pad ? platform::Size{820, 1180} : platform::Size{390, 844};
  configuration.screenScale = pad ? 2 : 3;
  configuration.orientation = keyloom::isLandscape(options.orientation) ? platform::ScreenOrientation::landscapeRight
                                                                        : platform::ScreenOrientation::portrait;
  configuration.localeIdentifier = options.locale;
  configuration.text = options.text;
  configuration.fieldTraits = fieldTraits(options);
  // The screen is drawn with the renderer's fonts: every tree the keyboard
  // shows is measured with them from the start, as it is drawn.
  platform::ui::ViewHost::setDefaultFontMetrics(platform::ui::PangoTextMetrics::shared());
  return platform::SimulatedHost::make(std::move(configuration));
}

std::shared_ptr<keyloom::KeyboardInputViewController> presentKeyboard(platform::SimulatedHost& host,
                                                                      SimulatorKeyboard keyboard) {
  if (keyboard == SimulatorKeyboard::standard) {
    auto controller = std::make_shared<keyloom::KeyboardInputViewController>();
    host.presentKeyboard([controller] { return controller; });
    return controller;
  }
  zandorelle::installKeyboardExtension();
  auto controller = std::dynamic_pointer_cast<keyloom::KeyboardInputViewController>(
      host.startExtension(std::string(zandorelle::keyboardExtensionIdentifier)));
  if (!controller) throw platform::Error("the keyboard extension made no keyboard controller");
  return controller;
}

// "'" (U+0027), so invisible and look-alike characters can be told apart.
std::string describeCharacter(const std::string& character) {
  std::ostringstream out;
  out << jsonString(character) << " (";
  const char* separator = "";
  for (char32_t scalar : platform::text::toScalars(character)) {
    out << separator << "U+" << std::uppercase << std::hex << std::setw(4) << std::setfill('0')
        << static_cast<std::uint32_t>(scalar);
    separator = " ";
  }
  out << ")";
  return out.str();
}

// Where the character at `index` is in a long text, and what was typed
// before it (its last stretch): "; at character 12 of the text (its line 2),
// after "...".
std::string whereInText(const std::vector<std::string>& characters, std::size_t index) {
  constexpr std::size_t shownBefore = 40;
  std::size_t line = 1;
  for (std::size_t at = 0; at < index; ++at) {
    if (characters[at] == "\n" || characters[at] == "\r" || characters[at] == "\r\n") ++line;
  }
  std::string before;
  for (std::size_t at = index > shownBefore ? index - shownBefore : 0; at < index; ++at) before += characters[at];
  std::string where = "; at character " + std::to_string(index + 1) + " of the text (its line " +
                      std::to_string(line) + "), ";
  if (index == 0) return where + "with nothing of it typed yet";
  return where + "after " + (index > shownBefore ? "..." : "") + jsonString(before);
}

// The emoji keyboard's emoji that this character is, with or without its
// selector for emoji presentation, and the category that lists it; absent
// for anything that is not one of its emojis.
std::optional<ListedEmoji> listedEmoji(const std::string& character) {
  for (const auto category : keyloom::allCases<keyloom::EmojiCategory>()) {
    if (category == keyloom::EmojiCategory::frequent) continue;
    if (auto emoji = findEmoji(keyloom::emojis(category), character)) return ListedEmoji{category, *emoji};
  }
  return std::nullopt;
}

// "smileys, animals, ...": what a script calls the category keys.
std::string emojiCategoryNames() {
  std::string names;
  for (const auto name : keyloom::RawValueTable<keyloom::EmojiCategory>::names) {
    names += (names.empty() ? "" : ", ") + std::string(name);
  }
  return names;
}

std::string describeKeyboard(const KeyboardType& type) {
  std::ostringstream out;
  out << type;
  return out.str();
}

// "<script>: line <n>: " for the step at `index`; "" when its line is not known.
std::string whereInScript(const SimulatorScript& script, std::size_t index) {
  const std::size_t line = index < script.lineNumbers.size() ? script.lineNumbers[index] : 0;
  if (line == 0) return "";
  return (script.name.empty() ? std::string() : script.name + ": ") + "line " + std::to_string(line) + ": ";
}

}  // namespace

Simulator::Simulator(const SimulatorOptions& options)
    : host_(makeHost(options)),
      controller_(presentKeyboard(*host_, options.keyboard)),
      keyboard_(options.keyboard),
      typist_([this](const KeyboardType& type) { return layout(type); },
              [this](const KeyboardAction& key) { return controller_->calloutActionProvider()->calloutActions(key); }),
      scale_(options.scale),
      finger_(host_, controller_) {
  if (options.wordList) {
    zandorelle::autocompleteWordList() = readWordList(*options.wordList);
    controller_->setAutocompleteProvider(
        std::make_shared<zandorelle::MyAutocompleteProvider>(platform::Locale(options.locale)));
  }
  auto context = controller_->keyboardContext();
  context->setLocale(platform::Locale(options.locale));
  if (!options.locales.empty()) {
    std::vector<platform::Locale> locales;
    for (const auto& identifier : options.locales) locales.emplace_back(identifier);
    context->setLocales(locales);
  }
  context->spaceLongPressBehavior.set(options.spaceLongPress);
  host_->runMainQueue();
  // The keyboard appeared on the host's field, which holds the text and
  // traits from the start; it hears of the text as of an edit and shows the
  // keyboard type the text at the cursor prefers (capitals at the start of
  // a sentence).
  host_->setText(options.text);
  host_->runMainQueue();
}

Simulator::~Simulator() {
  host_->releaseKeyboard();
  platform::MainQueue::main().clear();
}

void Simulator::run(const SimulatorStep& step) {
  namespace steps = simulator_step;
  std::visit(
      [this](const auto& kase) {
        using Step = std::decay_t<decltype(kase)>;
        if constexpr (std::is_same_v<Step, steps::Tap>) {
          tap(kase.key);
        } else if constexpr (std::is_same_v<Step, steps::DoubleTap>) {
          doubleTap(kase.key);
        } else if constexpr (std::is_same_v<Step, steps::Hold>) {
          hold(kase.key, kase.seconds);
        } else if constexpr (std::is_same_v<Step, steps::Wait>) {
          wait(kase.seconds);
        } else if constexpr (std::is_same_v<Step, steps::Type>) {
          type(kase.text);
        } else if constexpr (std::is_same_v<Step, steps::LongPress>) {
          longPress(kase.key, kase.seconds);
        } else if constexpr (std::is_same_v<Step, steps::Slide>) {
          slide(kase.dx, kase.dy);
        } else if constexpr (std::is_same_v<Step, steps::Lift>) {
          lift();
        } else if constexpr (std::is_same_v<Step, steps::DragSpace>) {
          dragSpace(kase.points);
        } else if constexpr (std::is_same_v<Step, steps::TapSuggestion>) {
          tapSuggestion(kase.index);
        } else if constexpr (std::is_same_v<Step, steps::TapFont>) {
          tapFont(kase.index);
        } else if constexpr (std::is_same_v<Step, steps::TapMenu>) {
          tapMenu(kase.entry);
        } else if constexpr (std::is_same_v<Step, steps::SetTheme>) {
          setTheme(kase.index);
        } else if constexpr (std::is_same_v<Step, steps::Hide>) {
          hide();
        } else if constexpr (std::is_same_v<Step, steps::Show>) {
          show();
        } else if constexpr (std::is_same_v<Step, steps::Rotate>) {
          rotate();
        } else if constexpr (std::is_same_v<Step, steps::Appearance>) {
          setDark(kase.dark);
        } else if constexpr (std::is_same_v<Step, steps::FullAccess>) {
          setFullAccess(kase.granted);
        } else {
          static_assert(std::is_same_v<Step, steps::Screenshot>);
          screenshot(kase.path);
        }
      },
      step);
}

void Simulator::run(const SimulatorScript& script) {
  for (std::size_t index = 0; index < script.steps.size(); ++index) {
    try {
      run(script.steps[index]);
    } catch (const SimulatorKeyError& error) {
      throw SimulatorKeyError(whereInScript(script, index) + error.what());
    } catch (const SimulatorOutputError& error) {
      throw SimulatorOutputError(whereInScript(script, index) + error.what());
    }
  }
}

void Simulator::requireVisibleKeyboard(std::string_view step) const {
  if (!host_->isKeyboardVisible()) throw SimulatorKeyError(std::string(step) + ": the keyboard is hidden");
}

void Simulator::requireFingerUp(std::string_view step) const {
  if (finger_.isDown()) throw SimulatorKeyError(std::string(step) + ": a finger is still down (lift it first)");
}

void Simulator::requireFingerDown(std::string_view step) const {
  if (!finger_.isDown()) throw SimulatorKeyError(std::string(step) + ": no finger is down (long-press a key first)");
}

platform::Point Simulator::keyPoint(const SimulatorKey& key) {
  if (controller_->keyboardContext()->keyboardType.get() == KeyboardType::emojis()) return emojiKeyPoint(key);
  return keyCenter(keyOnLayout(key));
}

platform::Point Simulator::emojiKeyPoint(const SimulatorKey& key) {
  using Kind = SimulatorKey::Kind;
  auto* view = finger_.view();
  std::shared_ptr<platform::ui::Node> node;
  if (view && key.kind == Kind::alphabetic) node = view->findByAccessibilityIdentifier("emoji.abc");
  if (view && key.kind == Kind::backspace) node = view->findByAccessibilityIdentifier("emoji.backspace");
  if (key.kind == Kind::emojiCategory) {
    node = view ? view->findAttached(key.category) : nullptr;
    // Frequently used shows only once an emoji was typed.
    if (!node) throw SimulatorKeyError("the emoji keyboard shows no " + nameOf(key) + " category");
  }
  if (key.kind == Kind::character) {
    const auto category = shownEmojiCategory();
    if (!category) throw SimulatorKeyError("the emoji keyboard shows no emojis");
    if (auto emoji = findEmoji(keyloom::emojis(*category), key.character)) {
      return emojiCellPoint(*emoji, *category, "cannot reach " + describeCharacter(key.character) + ": ");
    }
    std::string hint;
    if (auto listed = listedEmoji(key.character)) {
      const std::string other(keyloom::rawValue(listed->category));
      hint = " (it is in " + other + ": tap " + other + " first)";
    }
    throw SimulatorKeyError("the emoji keyboard's " + std::string(keyloom::rawValue(*category)) +
                            " category has no " + jsonString(key.character) + hint);
  }
  if (!node) {
    throw SimulatorKeyError("the emojis keyboard has no key " + jsonString(nameOf(key)) +
                            " (it has ABC, backspace, a key for each category: " + emojiCategoryNames() +
                            ", and the emojis of the category shown)");
  }
  return finger_.center(*node);
}

std::optional<keyloom::EmojiCategory> Simulator::shownEmojiCategory() const {
  auto* view = finger_.view();
  if (!view) return std::nullopt;
  // The grid's scroll view is identified by the raw value of its category.
  for (const auto& scroll : view->findAll(platform::ui::NodeKind::scrollView)) {
    if (scroll->findAllOfType<keyloom::EmojiKeyboard>().empty()) continue;
    if (const auto id = scroll->explicitId()) {
      return keyloom::fromRawValue<keyloom::EmojiCategory>(id->description());
    }
  }
  return std::nullopt;
}

KeyboardAction Simulator::keyOnLayout(const SimulatorKey& key) {
  if (auto action = findKey(*currentLayout(), key)) return *action;
  throw SimulatorKeyError("the " + describeKeyboard(controller_->keyboardContext()->keyboardType.get()) +
                          " keyboard has no key " + jsonString(nameOf(key)));
}

void Simulator::afterKey(platform::TimeInterval pause) {
  host_->runMainQueue();
  platform::MainQueue::main().advance(pause);
}

void Simulator::wait(platform::TimeInterval seconds) {
  host_->runMainQueue();
  platform::MainQueue::main().advance(seconds);
}

// ---- The finger

std::optional<platform::Point> Simulator::keyOnScreen(const SimulatorKey& key) {
  auto action = findKey(*currentLayout(), key);
  return action ? finger_.keyCenter(*action) : std::nullopt;
}

platform::Point Simulator::keyCenter(const KeyboardAction& action) const {
  auto center = finger_.keyCenter(action);
  if (!center) throw SimulatorKeyError("the keyboard's view shows no key " + describe(action));
  return *center;
}

void Simulator::pressAction(const KeyboardAction& action) { finger_.down(keyCenter(action)); }

void Simulator::tapAction(const KeyboardAction& action, platform::TimeInterval pause) {
  tapAt(keyCenter(action), pause);
}

void Simulator::pickFromCallout(const KeyboardAction& key, const KeyboardAction& entry,
                                const std::string& character) {
  pressAction(key);
  wait(keyloom::GestureButtonDefaults::longPressDelay() + SimulatorFinger::frameInterval);
  const auto callout = controller_->calloutContext()->action();
  if (!callout->isActive()) {
    finger_.up();
    throw SimulatorKeyError("cannot type " + describeCharacter(character) + ": the callout of " + describe(key) +
                            " did not open");
  }
  // Slide along the callout, the way it opened, until the entry is chosen.
  const double direction = callout->isTrailing() ? -1 : 1;
  for (double travelled = 0; callout->selectedAction() != entry && travelled < kMaximumCalloutSlide;
       travelled += SimulatorFinger::slideStep) {
    finger_.slide(direction * SimulatorFinger::slideStep, 0);
  }
  const bool chosen = callout->selectedAction() == entry;
  finger_.up();
  afterKey(keyInterval);
  if (!chosen) {
    throw SimulatorKeyError("cannot type " + describeCharacter(character) + ": sliding along the callout of " +
                            describe(key) + " never reached it");
  }
}

// ---- Steps

void Simulator::tap(const SimulatorKey& key) {
  requireVisibleKeyboard("tap");
  requireFingerUp("tap");
  tapAt(keyPoint(key), keyInterval);
}

void Simulator::doubleTap(const SimulatorKey& key) {
  requireVisibleKeyboard("double-tap");
  requireFingerUp("double-tap");
  tapAt(keyPoint(key), doubleTapInterval);
  // The same key again: the first tap may have changed the layout under it.
  tapAt(keyPoint(key), keyInterval);
}

void Simulator::hold(const SimulatorKey& key, platform::TimeInterval seconds) {
  requireVisibleKeyboard("hold");
  requireFingerUp("hold");
  finger_.down(keyPoint(key));
  wait(seconds);
  finger_.up();
  afterKey(keyInterval);
}

void Simulator::longPress(const SimulatorKey& key, platform::TimeInterval seconds) {
  requireVisibleKeyboard("long-press");
  requireFingerUp("long-press");
  finger_.down(keyPoint(key));
  wait(seconds);
}

void Simulator::slide(double dx, double dy) {
  requireFingerDown("slide");
  finger_.slide(dx, dy);
}

void Simulator::lift() {
  requireFingerDown("lift");
  finger_.up();
  afterKey(keyInterval);
}

void Simulator::dragSpace(double points) {
  requireVisibleKeyboard("drag-space");
  requireFingerUp("drag-space");
  const KeyboardAction space = keyOnLayout(SimulatorKey::named(SimulatorKey::Kind::space));
  if (!finger_.keyCenter(space)) throw SimulatorKeyError("drag-space: the keyboard's view shows no space bar");
  // A long press turns the space bar into a cursor control; then the drag.
  pressAction(space);
  wait(keyloom::GestureButtonDefaults::longPressDelay() + SimulatorFinger::frameInterval);
  finger_.slide(points, 0);
  finger_.up();
  afterKey(keyInterval);
}

void Simulator::tapSuggestion(int index) {
  requireVisibleKeyboard("tap-suggestion");
  requireFingerUp("tap-suggestion");
  const auto suggestions = controller_->autocompleteContext()->suggestions.get();
  if (index >= static_cast<int>(suggestions.size())) {
    throw SimulatorKeyError("tap-suggestion: the keyboard shows no suggestion " + std::to_string(index) + " (" +
                            std::to_string(suggestions.size()) + " shown)");
  }
  // The suggestion's title in the toolbar, where the keys cannot be mistaken for it.
  std::shared_ptr<platform::ui::Node> node;
  if (auto* view = finger_.view()) {
    for (const auto& toolbar : view->findAllOfType<keyloom::AutocompleteToolbar>()) {
      if ((node = toolbar->findText(suggestions[static_cast<std::size_t>(index)].title))) break;
    }
  }
  if (!node) throw SimulatorKeyError("tap-suggestion: suggestion " + std::to_string(index) + " is not on screen");
  tapAtViewNode(*node);
}

void Simulator::tapFont(int index) {
  requireVisibleKeyboard("tap-font");
  requireFingerUp("tap-font");
  auto* view = finger_.view();
  if (!view || view->findAllOfType<zandorelle::FontBar>().empty()) {
    throw SimulatorKeyError("tap-font: the keyboard has no font bar");
  }
  // The bar scrolls: a finger drags the name into view first, as a person would.
  for (int drag = 0; drag <= kMaximumFontBarDrags; ++drag) {
    const auto bar = view->findAllOfType<zandorelle::FontBar>().front();
    const auto names = bar->findAll(platform::ui::NodeKind::text);
    if (index >= static_cast<int>(names.size())) {
      throw SimulatorKeyError("tap-font: the font bar has no font " + std::to_string(index) + " (" +
                              std::to_string(names.size()) + " fonts)");
    }
    const auto scrollViews = bar->findAll(platform::ui::NodeKind::scrollView);
    const platform::Rect visible = scrollViews.empty() ? bar->frame : scrollViews.front()->frame;
    const platform::Rect name = names[static_cast<std::size_t>(index)]->frame;
    if (name.minX() >= visible.minX() && name.maxX() <= visible.maxX()) {
      tapAtViewNode(*names[static_cast<std::size_t>(index)]);
      return;
    }
    const double reach = visible.width() / 2 - 20;
    const double distance = std::clamp(visible.midX() - name.midX(), -reach, reach);
    finger_.down(finger_.center(*scrollViews.front()));
    finger_.slide(distance, 0);
    finger_.up();
    afterKey(keyInterval);
  }
  throw SimulatorKeyError("tap-font: font " + std::to_string(index) + " never scrolled into view");
}

void Simulator::tapMenu(const std::string& entry) {
  requireVisibleKeyboard("tap-menu");
  // The finger that held the key down for the menu lets go first.
  if (finger_.isDown()) lift();
  auto* view = finger_.view();
  if (!view || view->findAllOfType<platform::ui::MenuPresentation>().empty()) throw SimulatorKeyError("tap-menu: no menu is open (long-press a key with a menu first)");
  // The panel scrolls when its entries are taller than the keyboard: a
  // finger drags the entry into view first, as a person would.
  for (int drag = 0; drag <= kMaximumMenuDrags; ++drag) {
    const auto panel = view->findAllOfType<platform::ui::MenuPresentation>().front()->findAll(
        platform::ui::NodeKind::scrollView).front();
    std::shared_ptr<platform::ui::Node> found;
    std::string entries;
    for (const auto& text : panel->findAll(platform::ui::NodeKind::text)) {
      const std::string name = text->text().value_or("");
      if (name == entry) found = text;
      entries += (entries.empty() ? "" : ", ") + name;
    }
    if (!found) throw SimulatorKeyError("tap-menu: the menu has no entry " + jsonString(entry) + " (" + entries + ")");
    const platform::Rect visible = panel->frame;
    if (found->frame.minY() >= visible.minY() && found->frame.maxY() <= visible.maxY()) {
      tapAtViewNode(*found);
      return;
    }
    const double reach = visible.height() / 2 - 10;
    const double distance = std::clamp(visible.midY() - found->frame.midY(), -reach, reach);
    finger_.down(finger_.center(*panel));
    finger_.slide(0, distance);
    finger_.up();
    afterKey(keyInterval);
  }
  throw SimulatorKeyError("tap-menu: the entry " + jsonString(entry) + " never scrolled into view");
}

void Simulator::tapAtViewNode(const platform::ui::Node& node) { tapAt(finger_.center(node), keyInterval); }

void Simulator::tapAt(platform::Point point, platform::TimeInterval pause) {
  finger_.down(point);
  wait(kPressDuration);
  finger_.up();
  afterKey(pause - kPressDuration);
}

void Simulator::setTheme(int index) {
  if (keyboard_ != SimulatorKeyboard::zandorelle) throw SimulatorKeyError("set-theme: the standard keyboard has no themes");
  if (auto problem = themeProblem(index)) throw SimulatorKeyError(*problem);
  auto store = host_->appGroupStore();
  if (!store) throw SimulatorKeyError("set-theme: the host app cannot open the app-group store");
  // The host app writes it; the keyboard reads it when it next appears.
  zandorelle::storeThemeIndex(*store, index);
  host_->runMainQueue();
}

int Simulator::themeCount() const {
  return keyboard_ == SimulatorKeyboard::zandorelle ? static_cast<int>(zandorelle::themeTable().size()) : 0;
}

void Simulator::hide() {
  requireFingerUp("hide");
  if (!host_->isKeyboardVisible()) throw SimulatorKeyError("hide: the keyboard is already hidden");
  host_->hideKeyboard();
  host_->runMainQueue();
}

void Simulator::show() {
  if (host_->isKeyboardVisible()) throw SimulatorKeyError("show: the keyboard is already shown");
  host_->showKeyboard();
  host_->runMainQueue();
}

void Simulator::rotate() {
  requireFingerUp("rotate");
  const bool landscape = platform::Screen::main().bounds().width() > platform::Screen::main().bounds().height();
  host_->rotate(landscape ? platform::ScreenOrientation::portrait : platform::ScreenOrientation::landscapeRight);
  host_->runMainQueue();
}

void Simulator::setDark(bool dark) {
  host_->setUserInterfaceStyle(dark ? platform::UserInterfaceStyle::dark : platform::UserInterfaceStyle::light);
  host_->runMainQueue();
}

void Simulator::setFullAccess(bool granted) {
  host_->setHasFullAccess(granted);
  host_->runMainQueue();
}

void Simulator::setLocale(const std::string& identifier) {
  controller_->keyboardContext()->setLocale(platform::Locale(identifier));
  host_->runMainQueue();
}

// ---- Computer keys and the mouse

void Simulator::press(const SimulatorKey& key) {
  requireVisibleKeyboard("press");
  requireFingerUp("press");
  finger_.down(keyPoint(key));
}

void Simulator::pressCharacter(const std::string& character) {
  requireVisibleKeyboard("press");
  requireFingerUp("press");
  // The emoji keyboard's keys are its own: an emoji of the category shown.
  if (controller_->keyboardContext()->keyboardType.get() == KeyboardType::emojis()) {
    finger_.down(emojiKeyPoint(SimulatorKey::characterKey(character)));
    return;
  }
  // A small letter is the letter's key, whatever casing the keyboard shows:
  // at the start of a sentence it types a capital, as a finger would.
  const bool small = platform::text::lowercased(character) == character &&
                     platform::text::uppercased(character) != character;
  if (small) {
    if (auto key = findKey(*currentLayout(), SimulatorKey::characterKey(character))) {
      pressAction(*key);
      return;
    }
  }
  for (int attempt = 0; attempt < kMaximumKeysPerCharacter; ++attempt) {
    auto step = typist_.nextStep(character, controller_->keyboardContext()->keyboardType.get());
    if (!step) throw SimulatorKeyError("cannot type " + describeCharacter(character) + ": no key or callout has it");
    if (step->calloutEntry) {
      pickFromCallout(step->key, *step->calloutEntry, character);
      return;
    }
    if (step->types) {
      pressAction(step->key);
      return;
    }
    tapAction(step->key, keyInterval);
  }
  throw SimulatorKeyError("cannot type " + describeCharacter(character) + ": its key was never reached");
}

void Simulator::touchDown(platform::Point point) {
  finger_.up();
  if (!host_->isKeyboardVisible() || !host_->keyboardFrame().contains(point)) return;
  finger_.down(point);
}

void Simulator::touchMove(platform::Point point) { finger_.moveTo(point); }

void Simulator::touchUp(platform::Point point) {
  if (!finger_.isDown()) return;
  finger_.moveTo(point);
  finger_.up();
}

std::vector<platform::ui::ShownViewHost> Simulator::shownViews() const {
  auto* view = finger_.view();
  if (!view || !host_->isKeyboardVisible()) return {};
  return {{view, host_->keyboardFrame()}};
}

void Simulator::screenshot(const std::string& path) {
  host_->runMainQueue();
  try {
    platform::ui::renderHost(*host_, shownViews(), path, scale_);
  } catch (const platform::ui::MissingFontError&) {
    throw;
  } catch (const platform::Error& error) {
    throw SimulatorOutputError(std::string("screenshot: ") + error.what());
  }
}

void Simulator::type(std::string_view text) {
  requireVisibleKeyboard("type");
  requireFingerUp("type");
  typingLayouts_.emplace();
  const std::vector<std::string> characters = platform::text::graphemes(text);
  std::size_t index = 0;
  try {
    for (; index < characters.size(); ++index) typeCharacter(characters[index]);
  } catch (const SimulatorKeyError& error) {
    typingLayouts_.reset();
    throw SimulatorKeyError(error.what() + whereInText(characters, index) + fontHint(text));
  } catch (...) {
    typingLayouts_.reset();
    throw;
  }
  typingLayouts_.reset();
}

std::string Simulator::fontHint(std::string_view text) const {
  if (keyboard_ != SimulatorKeyboard::zandorelle) return {};
  const int font = zandorelle::KeyboardSelection::fontIndex();
  if (font <= 0 || font >= zandorelle::unicode_font::count) return {};
  const std::string styled = zandorelle::unicode_font::styledText(font, text);
  if (styled == text) return {};
  return "; the keyboard shows the " + std::string(zandorelle::unicode_font::fontName(font)) +
         " font, whose keys type its own letters: type " + jsonString(styled) + ", or tap-font 0 first";
}

void Simulator::typeCharacter(const std::string& character) {
  if (character == " ") waitForLiteralSpace();
  for (int attempt = 0; attempt < kMaximumKeysPerCharacter; ++attempt) {
    const KeyboardType current = controller_->keyboardContext()->keyboardType.get();
    if (current == KeyboardType::emojis()) {
      if (auto listed = listedEmoji(character)) {
        typeEmoji(character, *listed);
        return;
      }
      // The emoji keyboard has no layout of keys; its ABC key leads back to them.
      auto* view = finger_.view();
      auto abc = view ? view->findByAccessibilityIdentifier("emoji.abc") : nullptr;
      if (!abc) {
        throw SimulatorKeyError("cannot type " + describeCharacter(character) +
                                ": the emoji keyboard shows no ABC key");
      }
      tapAtViewNode(*abc);
      continue;
    }
    auto step = typist_.nextStep(character, current);
    if (!step) {
      if (listedEmoji(character)) {
        auto key = typist_.nextKeyToward(KeyboardType::emojis(), current);
        if (!key) {
          throw SimulatorKeyError(
              "cannot type " + describeCharacter(character) +
              ": the keyboard shows no emoji key (a pad, or a device with a home button, shows the globe)");
        }
        tapAction(*key, keyInterval);
        continue;
      }
      throw SimulatorKeyError("cannot type " + describeCharacter(character) + ": no key or callout has it");
    }
    if (step->calloutEntry) {
      pickFromCallout(step->key, *step->calloutEntry, character);
      return;
    }
    tapAction(step->key, keyInterval);
    if (step->types) return;
  }
  throw SimulatorKeyError("cannot type " + describeCharacter(character) + ": its key was never reached");
}

void Simulator::typeEmoji(const std::string& character, const ListedEmoji& listed) {
  auto* view = finger_.view();
  auto categoryButton = view ? view->findAttached(listed.category) : nullptr;
  if (!categoryButton) {
    throw SimulatorKeyError("cannot type " + describeCharacter(character) + ": the emoji keyboard shows no " +
                            std::string(keyloom::title(listed.category)) + " category");
  }
  tapAtViewNode(*categoryButton);
  tapAt(emojiCellPoint(listed.emoji, listed.category, "cannot type " + describeCharacter(character) + ": "),
        keyInterval);
}

platform::Point Simulator::emojiCellPoint(const keyloom::Emoji& emoji, keyloom::EmojiCategory category,
                                          const std::string& failure) {
  auto* view = finger_.view();
  // The grid scrolls sideways: a finger drags it until the emoji is in view.
  for (int drag = 0; view && drag <= kMaximumEmojiDrags; ++drag) {
    std::shared_ptr<platform::ui::Node> grid;
    for (const auto& scroll : view->findAll(platform::ui::NodeKind::scrollView)) {
      if (!scroll->findAllOfType<keyloom::EmojiKeyboard>().empty()) grid = scroll;
    }
    if (!grid) throw SimulatorKeyError(failure + "the emoji keyboard shows no emojis");
    const platform::Rect visible = grid->frame;
    const auto cell = grid->findAttached(emoji.id());
    const auto point = cell ? finger_.touchPoint(*cell, visible) : std::nullopt;
    if (point && cell->frame.minX() >= visible.minX() && cell->frame.maxX() <= visible.maxX()) return *point;
    // Toward the cell when it is built, else on toward the end of the category.
    const double reach = visible.width() / 2 - 20;
    const double distance = cell ? std::clamp(visible.midX() - cell->frame.midX(), -reach, reach) : -reach;
    const platform::Point offset = grid->scrollOffset;
    // Where the grid takes the touch: on a cell, not in a gap between cells.
    const auto start = finger_.touchPoint(*grid, visible);
    if (!start) break;
    finger_.down(*start);
    finger_.slide(distance, 0);
    finger_.up();
    afterKey(keyInterval);
    if (!cell && grid->scrollOffset == offset) break;
  }
  throw SimulatorKeyError(failure + "it never scrolled into view in the " +
                          std::string(keyloom::title(category)) + " category");
}

void Simulator::waitForLiteralSpace() {
  const auto proxy = controller_->keyboardContext()->textDocumentProxy.get();
  const std::string before = proxy ? proxy->documentContextBeforeInput().value_or("") : "";
  if (before.empty() || before.back() != ' ') return;
  const auto behavior =
      std::dynamic_pointer_cast<keyloom::StandardKeyboardBehavior>(controller_->keyboardBehavior());
  if (!behavior) return;
  const double since = platform::Date::now().timeIntervalSince(behavior->lastSpaceTap());
  if (since < behavior->endSentenceThreshold()) wait(behavior->endSentenceThreshold() - since);
}

std::shared_ptr<keyloom::KeyboardLayout> Simulator::currentLayout() {
  return controller_->keyboardLayoutProvider()->keyboardLayout(*controller_->keyboardContext());
}

std::shared_ptr<keyloom::KeyboardLayout> Simulator::layout(const KeyboardType& type) {
  if (!typingLayouts_) return probeLayout(type);
  const KeyboardContext* context = controller_->keyboardContext().get();
  if (typingLayouts_->context != context) {
    typingLayouts_->layouts.clear();
    typingLayouts_->context = context;
    typingLayouts_->subscription = context->objectWillChange().sink([this] { typingLayouts_->layouts.clear(); });
  }
  for (const auto& [known, layout] : typingLayouts_->layouts) {
    if (known == type) return layout;
  }
  auto layout = probeLayout(type);
  typingLayouts_->layouts.emplace_back(type, layout);
  return layout;
}

std::shared_ptr<keyloom::KeyboardLayout> Simulator::probeLayout(const KeyboardType& type) {
  // A copy of the keyboard's state in another keyboard type, so looking
  // ahead publishes nothing on the keyboard's own context.
  const auto& context = *controller_->keyboardContext();
  auto probeContext = std::make_shared<KeyboardContext>();
  KeyboardContext& probe = *probeContext;
  probe.deviceType = context.deviceType.get();
  probe.interfaceOrientation = context.interfaceOrientation.get();
  probe.screenSize = context.screenSize.get();
  probe.locale = context.locale.get();
  probe.locales = context.locales.get();
  probe.needsInputModeSwitchKey = context.needsInputModeSwitchKey.get();
  probe.keyboardDictationReplacement = context.keyboardDictationReplacement.get();
  probe.mainTextDocumentProxy = context.mainTextDocumentProxy.get();
  probe.textDocumentProxy = context.textDocumentProxy.get();
  probe.keyboardType = type;
  return controller_->keyboardLayoutProvider()->keyboardLayout(probe);
}

SimulatorReport Simulator::report(bool withLayout) {
  host_->runMainQueue();
  const auto& context = *controller_->keyboardContext();
  SimulatorReport report;
  report.text = host_->textField().text();
  report.cursor = host_->textField().cursorOffset();
  report.keyboard = describeKeyboard(context.keyboardType.get());
  report.locale = context.locale->identifier();
  if (withLayout) report.layout = reportRows(*currentLayout());
  // The suggestions as shown: none without a suggestion toolbar on screen.
  auto* view = finger_.view();
  if (view && host_->isKeyboardVisible() && !view->findAllOfType<keyloom::AutocompleteToolbar>().empty()) {
    for (const auto& suggestion : controller_->autocompleteContext()->suggestions.get()) {
      report.suggestions.push_back(suggestion.title);
    }
  }
  for (const auto& action : controller_->calloutContext()->action()->actions.get()) {
    report.callout.push_back(describe(action));
  }
  const auto& records = host_->records();
  report.inputModeSwitches = records.inputModeAdvances + static_cast<int>(records.inputModeListCalls.size());
  if (keyboard_ == SimulatorKeyboard::zandorelle) {
    report.theme = zandorelle::KeyboardSelection::themeIndex();
    report.font = zandorelle::KeyboardSelection::fontIndex();
  }
  return report;
}

}  // namespace keyboard_simulator
