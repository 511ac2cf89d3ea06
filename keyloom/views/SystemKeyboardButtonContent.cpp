#include "keyloom/views/SystemKeyboardButtonContent.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <vector>

#include "keyloom/resources/KeyloomBundle.h"
#include "keyloom/views/SystemKeyboardButtonText.h"
#include "keyloom/views/SystemKeyboardSpaceContent.h"
#include "platform/ui/Primitives.h"

namespace keyloom {

namespace ui = platform::ui;

namespace {

// The library's picture assets are PNG files at three pixels per point,
// read once each.
std::optional<ui::Image> libraryPicture(const std::string& name) {
  static std::map<std::string, std::optional<ui::Image>> pictures;
  auto found = pictures.find(name);
  if (found != pictures.end()) return found->second;
  std::optional<ui::Image> picture;
  std::ifstream file(keyloomBundle().resourcePath() / (name + ".png"), std::ios::binary);
  if (file) {
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ui::Image image = ui::Image::fromData(std::move(bytes));
    if (!image.isEmpty()) picture = image;
  }
  pictures.emplace(name, picture);
  return picture;
}

}  // namespace

ui::Image platformImage(const KeyboardImage& image) {
  switch (image.source()) {
    case KeyboardImage::Source::systemSymbol:
      return ui::Image::system(image.name());
    case KeyboardImage::Source::mainBundle:
      return ui::Image::asset(image.name());
    case KeyboardImage::Source::libraryBundle:
      if (auto picture = libraryPicture(image.name())) return *picture;
      return ui::Image::asset(image.name(), std::string(keyloomBundleName));
  }
  return ui::Image::system(image.name());
}

ui::View keyboardImageView(const KeyboardImage& image) {
  const ui::Image picture = platformImage(image);
  if (picture.source() != ui::Image::Source::data) return ui::View(picture);
  // The picture is a template: its shape is drawn in the key's text colour.
  return ui::Rectangle()
      .fill()
      .mask(ui::View(picture).resizable())
      .frame(picture.pixelSize().width / 3, picture.pixelSize().height / 3);
}

std::string SystemKeyboardButtonContent::spaceLocaleText() const {
  const std::string spaceText = appearance->buttonText(action).value_or("");
  if (keyboardContext->locales.get().size() < 2) return spaceText;
  const platform::Locale& locale = keyboardContext->locale.get();
  return locale.localizedStringForLanguageCode(locale.languageCode().value_or("")).value_or("");
}

ui::View SystemKeyboardButtonContent::body(ui::BodyContext& context) const {
  context.observe(keyboardContext);
  ui::View content;
  if (action == KeyboardAction::space()) {
    const std::string spaceText = appearance->buttonText(action).value_or("");
    const std::string localeText = spaceLocaleText();
    ui::View spaceView = ui::View(SystemKeyboardButtonText(spaceText, action));
    // With one text there is nothing to switch from, and no reason to wake
    // the keyboard a second later to redraw the same label.
    content =
        localeText == spaceText ? spaceView : ui::View(SystemKeyboardSpaceContent(localeText, spaceView));
  } else if (auto image = appearance->buttonImage(action)) {
    content = keyboardImageView(*image).scaleEffect(appearance->buttonImageScaleFactor(action));
  } else if (auto text = appearance->buttonText(action)) {
    content = ui::View(SystemKeyboardButtonText(*text, action)).minimumScaleFactor(0.5);
  } else {
    content = ui::Text("");
  }
  return std::move(content).padding(3);
}

}  // namespace keyloom
