#include "keyloom/autocomplete/EmojiKeyboardStyle.h"

#include "keyloom/appearance/Preset.h"
#include "keyloom/state/KeyboardContext.h"
#include "keyloom/state/ScreenSizes.h"

namespace keyloom {

namespace ui = platform::ui;

EmojiKeyboardStyle::EmojiKeyboardStyle(int rows, double itemSize, ui::Font itemFont, double horizontalItemSpacing,
                                       double verticalItemSpacing, double verticalCategoryStackSpacing,
                                       ui::Font categoryTitleFont, platform::EdgeInsets categoryTitlePadding,
                                       ui::Font categoryEmojiFont, std::string abcText, ui::Font abcFont,
                                       ui::Image backspaceIcon, ui::Font backspaceFont,
                                       ui::Color selectedCategoryColor)
    : abcText(std::move(abcText)),
      backspaceIcon(std::move(backspaceIcon)),
      categoryTitleFont(std::move(categoryTitleFont)),
      categoryTitlePadding(categoryTitlePadding),
      categoryEmojiFont(std::move(categoryEmojiFont)),
      horizontalItemSpacing(horizontalItemSpacing),
      itemFont(std::move(itemFont)),
      itemSize(itemSize),
      rows(rows),
      selectedCategoryColor(selectedCategoryColor),
      abcFont(std::move(abcFont)),
      backspaceFont(std::move(backspaceFont)),
      verticalCategoryStackSpacing(verticalCategoryStackSpacing),
      verticalItemSpacing(verticalItemSpacing) {}

namespace {

ui::Color selectedColor() { return ui::Color::primary().opacity(0.1); }

EmojiKeyboardStyle phone(int rows) {
  return EmojiKeyboardStyle(rows, 40, ui::Font::system(33), 10, 6, 0, ui::Font::system(12),
                            platform::EdgeInsets(2, 0, 5, 0), ui::Font::system(14), "ABC", ui::Font::system(14),
                            ui::Image::system("delete.left"), ui::Font::system(20), selectedColor());
}

bool isUpright(InterfaceOrientation orientation) {
  return orientation == InterfaceOrientation::portrait || orientation == InterfaceOrientation::portraitUpsideDown;
}

}  // namespace

EmojiKeyboardStyle EmojiKeyboardStyle::standardPad(int rows, double itemSize, double horizontalItemSpacing,
                                                   double verticalCategoryStackSpacing, ui::Font categoryTitleFont,
                                                   platform::EdgeInsets categoryTitlePadding) {
  return EmojiKeyboardStyle(rows, itemSize, ui::Font::system(48), horizontalItemSpacing, 6,
                            verticalCategoryStackSpacing, std::move(categoryTitleFont), categoryTitlePadding,
                            ui::Font::system(35).bold(), "ABC", ui::Font::system(18),
                            ui::Image::system("delete.left"), ui::Font::system(25), selectedColor());
}

EmojiKeyboardStyle& EmojiKeyboardStyle::standardPhonePortrait() {
  static Preset<EmojiKeyboardStyle> preset([] { return phone(5); });
  return preset.get();
}

EmojiKeyboardStyle& EmojiKeyboardStyle::standardPhoneLandscape() {
  static Preset<EmojiKeyboardStyle> preset([] { return phone(3); });
  return preset.get();
}

EmojiKeyboardStyle& EmojiKeyboardStyle::standardPadPortrait() {
  static Preset<EmojiKeyboardStyle> preset(
      [] { return standardPad(3, 67, 15, 5, ui::Font::system(18).bold(), platform::EdgeInsets(18, 0, 7, 0)); });
  return preset.get();
}

EmojiKeyboardStyle& EmojiKeyboardStyle::standardPadLandscape() {
  static Preset<EmojiKeyboardStyle> preset(
      [] { return standardPad(5, 58, 15, 7, ui::Font::system(18).bold(), platform::EdgeInsets(18, 0, 7, 0)); });
  return preset.get();
}

EmojiKeyboardStyle& EmojiKeyboardStyle::standardLargePadPortrait() {
  static Preset<EmojiKeyboardStyle> preset(
      [] { return standardPad(5, 55, 10, 7, ui::Font::system(16).bold(), platform::EdgeInsets(14, 0, 0, 0)); });
  return preset.get();
}

EmojiKeyboardStyle& EmojiKeyboardStyle::standardLargePadLandscape() {
  static Preset<EmojiKeyboardStyle> preset(
      [] { return standardPad(6, 60, 10, 10, ui::Font::system(18).bold(), platform::EdgeInsets(18, 0, 0, 0)); });
  return preset.get();
}

EmojiKeyboardStyle EmojiKeyboardStyle::standardPhone(const KeyboardContext& context) {
  return isUpright(context.interfaceOrientation.get()) ? standardPhonePortrait() : standardPhoneLandscape();
}

EmojiKeyboardStyle EmojiKeyboardStyle::standardPad(const KeyboardContext& context) {
  const platform::Size size = context.screenSize.get();
  const platform::Size large = iPadProLargeScreenPortrait;
  const bool isLarge = (size.width == large.width && size.height == large.height) ||
                       (size.width == large.height && size.height == large.width);
  const bool isLandscape = !isUpright(context.interfaceOrientation.get());
  if (isLarge) return isLandscape ? standardLargePadLandscape() : standardLargePadPortrait();
  return isLandscape ? standardPadLandscape() : standardPadPortrait();
}

EmojiKeyboardStyle EmojiKeyboardStyle::standard(const KeyboardContext& context) {
  switch (context.deviceType.get()) {
    case DeviceType::phone: return standardPhone(context);
    case DeviceType::pad: return standardPad(context);
    default: return standardPhonePortrait();
  }
}

}  // namespace keyloom
