#include "keyloom/views/SystemKeyboardButtonContent.h"

#include "keyloom/resources/KeyloomBundle.h"
#include "keyloom/views/SystemKeyboardButtonText.h"
#include "keyloom/views/SystemKeyboardSpaceContent.h"
#include "platform/ui/Primitives.h"

namespace keyloom {

namespace ui = platform::ui;

ui::Image platformImage(const KeyboardImage& image) {
  switch (image.source()) {
    case KeyboardImage::Source::systemSymbol:
      return ui::Image::system(image.name());
    case KeyboardImage::Source::mainBundle:
      return ui::Image::asset(image.name());
    case KeyboardImage::Source::libraryBundle:
      return ui::Image::asset(image.name(), std::string(keyloomBundleName));
  }
  return ui::Image::system(image.name());
}

std::string SystemKeyboardButtonContent::spaceLocaleText() const {
  const std::string spaceText = appearance->buttonText(action).value_or("");
  if (keyboardContext->locales.get().size() < 2) return spaceText;
  const platform::Locale& locale = keyboardContext->locale.get();
  return locale.localizedStringForLanguageCode(locale.languageCode().value_or("")).value_or("");
}

ui::View SystemKeyboardButtonContent::body() const {
  ui::View content;
  if (action == KeyboardAction::space()) {
    const std::string spaceText = appearance->buttonText(action).value_or("");
    content = ui::View(SystemKeyboardSpaceContent(spaceLocaleText(),
                                                  ui::View(SystemKeyboardButtonText(spaceText, action))));
  } else if (auto image = appearance->buttonImage(action)) {
    content = ui::View(platformImage(*image)).scaleEffect(appearance->buttonImageScaleFactor(action));
  } else if (auto text = appearance->buttonText(action)) {
    content = ui::View(SystemKeyboardButtonText(*text, action)).minimumScaleFactor(0.5);
  } else {
    content = ui::Text("");
  }
  return content.padding(3);
}

}  // namespace keyloom
