#include "apps/keyloom-previews/PreviewGallery.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "keyloom/appearance/AutocompleteToolbarStyle.h"
#include "keyloom/appearance/KeyboardColor.h"
#include "keyloom/autocomplete/AutocompleteContext.h"
#include "keyloom/previews/GestureButton_Previews.h"
#include "keyloom/previews/KeyboardPreviewModifier.h"
#include "keyloom/previews/PreviewAutocompleteProvider.h"
#include "keyloom/previews/PreviewKeyboardAppearance.h"
#include "keyloom/previews/PreviewKeyboardLayoutProvider.h"
#include "keyloom/previews/ScrollViewGestureButton_Previews.h"
#include "keyloom/services/KeyboardCalloutContext.h"
#include "keyloom/services/PreviewKeyboardActionHandler.h"
#include "keyloom/state/KeyboardContext.h"
#include "keyloom/views/AutocompleteToolbar.h"
#include "keyloom/views/KeyboardEnabledLabel.h"
#include "keyloom/views/SystemKeyboard.h"
#include "keyloom/views/ToggleToolbar.h"
#include "platform/foundation/MainQueue.h"
#include "platform/foundation/ProcessState.h"
#include "platform/input/Device.h"
#include "platform/input/Screen.h"
#include "platform/ui/Image.h"
#include "platform/ui/PangoTextMetrics.h"
#include "platform/ui/Primitives.h"
#include "platform/ui/TouchPipeline.h"

namespace keyloom_previews {

namespace ui = platform::ui;
using keyloom::ToggleToolbar;
using keyloom::ToggleToolbarAnimation;

namespace {

constexpr double kPhoneWidth = 390;

// "flipUp" as "flip-up".
std::string kebabCase(std::string_view camel) {
  std::string name;
  for (char c : camel) {
    if (std::isupper(static_cast<unsigned char>(c))) {
      name += '-';
      name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    } else {
      name += c;
    }
  }
  return name;
}

ui::Color keyboardBackground() { return keyloom::KeyboardColorReader::standardKeyboardBackground(); }

ui::View caption(std::string text) {
  return ui::Text(std::move(text)).font(ui::Font::caption()).foregroundColor(ui::Color::gray());
}

// Touches the middle of a node, as a finger would.
void tapNode(ui::ViewHost& host, const std::shared_ptr<ui::Node>& node) {
  host.touches().tap({node->frame.midX(), node->frame.midY()});
  platform::MainQueue::main().runUntilIdle();
}

// ---- Toggle toolbar: the row as it starts, halfway through a toggle, and
// toggled.

constexpr double kToolbarHeight = 44;

ui::View toolbarOf(std::vector<std::string> words, const ui::Color& color) {
  std::vector<ui::View> items;
  for (auto& word : words) {
    items.push_back(ui::Text(std::move(word)).frame(ui::FlexibleFrame{.maxWidth = ui::infinity}));
  }
  return ui::HStack(std::move(items))
      .frame(ui::FlexibleFrame{.maxWidth = ui::infinity, .maxHeight = ui::infinity})
      .background(color);
}

ui::View wordsToolbar() { return toolbarOf({"hello", "help", "hollow"}, ui::Color::white(1, 0.6)); }
ui::View emojiToolbar() {
  return toolbarOf({"\U0001F600", "\U0001F44D", "\u2764\uFE0F", "\U0001F389"},
                   ui::Color::rgba(0.85, 0.92, 1));
}
ui::View toggleLabel(bool isToggled) {
  return ui::Text(isToggled ? "ABC" : "\U0001F600").frame(44, 36).background(ui::Color::white());
}

ui::View toggleToolbar(ToggleToolbarAnimation animation) {
  return ui::View(ToggleToolbar(animation, wordsToolbar(), emojiToolbar(), toggleLabel))
      .frame(std::nullopt, kToolbarHeight);
}

// The row midway between its two states: each toolbar's placement is the
// mean of its placements before and after a toggle. The toolbar animates
// between them; a picture can only show one moment of it.
ui::View halfwayToolbar(ToggleToolbarAnimation animation) {
  auto halfway = [animation](const ui::View& toolbar, bool isToggledToolbar) {
    const auto from = ToggleToolbar::placement(animation, isToggledToolbar, false, kToolbarHeight);
    const auto to = ToggleToolbar::placement(animation, isToggledToolbar, true, kToolbarHeight);
    if (from.opacity) return toolbar.opacity((*from.opacity + to.opacity.value_or(1)) / 2);
    return toolbar.offset(0, (from.offset.value_or(0) + to.offset.value_or(0)) / 2);
  };
  return ui::HStack({toggleLabel(false),
                     ui::ZStack({halfway(wordsToolbar(), false), halfway(emojiToolbar(), true)}).clipped()})
      .frame(std::nullopt, kToolbarHeight);
}

GalleryPreview toggleToolbarPreview(ToggleToolbarAnimation animation) {
  return {.name = "toggle-toolbar-" + kebabCase(keyloom::rawValue(animation)),
          .size = {kPhoneWidth, 200},
          .background = keyboardBackground(),
          .view =
              [animation] {
                return ui::VStack(
                           ui::HorizontalAlignment::leading, 8,
                           {caption(std::string(keyloom::rawValue(animation)) +
                                    ": as it starts, halfway, toggled"),
                            toggleToolbar(animation), halfwayToolbar(animation), toggleToolbar(animation)})
                    .padding();
              },
          .prepare =
              [](ui::ViewHost& host) {
                auto last = host.findAllOfType<ToggleToolbar>().at(1);
                tapNode(host, last->findAll(ui::NodeKind::button).at(0));
              }};
}

// ---- Gesture buttons

GalleryPreview gestureButtonPreview() {
  return {.name = "gesture-button",
          .size = {kPhoneWidth, 560},
          .background = ui::Color::white(),
          .view = [] { return keyloom::GestureButton_Previews::previews().padding(ui::EdgeSet::vertical()); },
          .prepare = {}};
}

GalleryPreview scrollViewGestureButtonPreview() {
  return {.name = "scroll-view-gesture-button",
          .size = {kPhoneWidth, 560},
          .background = ui::Color::white(),
          .view =
              [] {
                return keyloom::ScrollViewGestureButton_Previews::previews().padding(ui::EdgeSet::vertical());
              },
          .prepare = {}};
}

// ---- The system keyboard on the preview doubles, and its callouts

using AppearanceMaker = std::function<std::shared_ptr<const keyloom::KeyboardAppearance>()>;

std::shared_ptr<const keyloom::KeyboardAppearance> previewAppearance() {
  return keyloom::PreviewKeyboardAppearance::preview();
}

std::shared_ptr<const keyloom::KeyboardAppearance> crazyAppearance() {
  return std::make_shared<keyloom::CrazyPreviewKeyboardAppearance>();
}

// An English system keyboard as wide as the screen, on a preview context for
// the device shown: the preview suggestions, the preview callouts and a
// handler that does nothing.
ui::View previewSystemKeyboard(std::shared_ptr<const keyloom::KeyboardAppearance> appearance) {
  auto context = keyloom::KeyboardContext::preview();
  context->screenSize = platform::Screen::main().bounds().size;
  auto autocomplete = std::make_shared<keyloom::AutocompleteContext>();
  autocomplete->suggestions = keyloom::PreviewAutocompleteProvider::previewSuggestions();
  keyloom::SystemKeyboard keyboard(
      keyloom::PreviewKeyboardLayoutProvider::preview()->keyboardLayout(*context), std::move(appearance),
      keyloom::PreviewKeyboardActionHandler::preview(), autocomplete,
      keyloom::SystemKeyboard::AutocompleteToolbarMode::automatic, {}, context,
      keyloom::KeyboardCalloutContext::preview(), context->screenSize->width, true);
  return keyloom::keyboardPreview(keyboard, context);
}

// Puts a finger on the key of `character` and keeps it there for `seconds`.
void holdKey(ui::ViewHost& host, const std::string& character, double seconds) {
  auto key = host.findAttached(keyloom::KeyboardAction::character(character));
  if (!key) throw std::runtime_error("the preview keyboard has no key " + character);
  host.touches().down({key->frame.midX(), key->frame.midY()});
  platform::MainQueue::main().advance(seconds);
  platform::MainQueue::main().runUntilIdle();
}

// The keyboard fills the preview less `roomAbove`, where a callout over the
// top row shows.
GalleryPreview systemKeyboardPreview(std::string name, bool onPad, double height, AppearanceMaker appearance,
                                     std::function<void(ui::ViewHost&)> prepare = {}, double roomAbove = 0) {
  return {.name = std::move(name),
          .size = {onPad ? 820 : kPhoneWidth, height},
          .onPad = onPad,
          .background = keyboardBackground(),
          .view =
              [appearance, roomAbove] {
                return previewSystemKeyboard(appearance()).padding(ui::EdgeSet::top(), roomAbove);
              },
          .prepare = std::move(prepare)};
}

// ---- Autocomplete toolbar and the keyboard-enabled label

GalleryPreview autocompleteToolbarPreview() {
  return {.name = "autocomplete-toolbar",
          .size = {kPhoneWidth, 50},
          .background = keyboardBackground(),
          .view =
              [] {
                return ui::View(keyloom::AutocompleteToolbar(
                    keyloom::PreviewAutocompleteProvider::previewSuggestions(), platform::Locale("en_US"),
                    keyloom::AutocompleteToolbarStyle::standard(),
                    [](const keyloom::AutocompleteSuggestion&) {}));
              },
          .prepare = {}};
}

GalleryPreview keyboardEnabledLabelPreview() {
  auto label = [](bool isEnabled) {
    return keyloom::KeyboardEnabledLabel(isEnabled, ui::View(ui::Image::system("checkmark")),
                                         "Keyboard is enabled", ui::View(ui::Image::system("xmark")),
                                         "Keyboard is not enabled");
  };
  return {.name = "keyboard-enabled-label",
          .size = {kPhoneWidth, 100},
          .background = ui::Color::white(),
          .view =
              [label] {
                return ui::VStack(ui::HorizontalAlignment::leading, 12, {label(true), label(false)})
                    .frame(ui::FlexibleFrame{.maxWidth = ui::infinity, .alignment = ui::Alignment::leading()})
                    .padding();
              },
          .prepare = {}};
}

std::vector<GalleryPreview> makePreviews() {
  std::vector<GalleryPreview> previews{gestureButtonPreview(), scrollViewGestureButtonPreview()};
  for (auto animation : keyloom::allCases<ToggleToolbarAnimation>())
    previews.push_back(toggleToolbarPreview(animation));
  previews.push_back(systemKeyboardPreview("system-keyboard-phone", false, 280, previewAppearance));
  previews.push_back(systemKeyboardPreview("system-keyboard-pad", true, 310, previewAppearance));
  previews.push_back(systemKeyboardPreview("system-keyboard-crazy", false, 280, crazyAppearance));
  previews.push_back(systemKeyboardPreview(
      "input-callout", false, 280, previewAppearance, [](ui::ViewHost& host) { holdKey(host, "g", 0.1); },
      16));
  previews.push_back(systemKeyboardPreview(
      "action-callout", false, 280, previewAppearance, [](ui::ViewHost& host) { holdKey(host, "e", 1); },
      16));
  previews.push_back(autocompleteToolbarPreview());
  previews.push_back(keyboardEnabledLabelPreview());
  return previews;
}

}  // namespace

const std::vector<GalleryPreview>& galleryPreviews() {
  static const std::vector<GalleryPreview> previews = makePreviews();
  return previews;
}

const GalleryPreview* findGalleryPreview(const std::string& name) {
  const auto& previews = galleryPreviews();
  auto found = std::find_if(previews.begin(), previews.end(), [&](const auto& p) { return p.name == name; });
  return found == previews.end() ? nullptr : &*found;
}

ui::RenderReport renderGalleryPreview(const GalleryPreview& preview, const std::filesystem::path& file,
                                      double scale) {
  ui::requireRenderFonts();
  platform::resetProcessState();
  if (preview.onPad) {
    platform::Device::current().setUserInterfaceIdiom(platform::UserInterfaceIdiom::pad);
    platform::Screen::main() = platform::Screen(platform::Size{820, 1180}, 2);
  }
  ui::ViewHost host(preview.view());
  host.setFontMetrics(ui::PangoTextMetrics::shared());
  host.layout(preview.size);
  platform::MainQueue::main().runUntilIdle();
  if (preview.prepare) {
    preview.prepare(host);
    platform::MainQueue::main().runUntilIdle();
  }
  return ui::renderPNG(host, file.string(), scale, preview.background);
}

}  // namespace keyloom_previews
