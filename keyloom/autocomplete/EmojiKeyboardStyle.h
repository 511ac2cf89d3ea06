#pragma once

#include <string>

#include "platform/foundation/Geometry.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"

namespace keyloom {

class KeyboardContext;

// Sizes, spacings, fonts and colours of the emoji keyboards: the grid, the
// category title and the bottom menu.
struct EmojiKeyboardStyle {
  std::string abcText;
  platform::ui::Image backspaceIcon;
  platform::ui::Font categoryTitleFont;
  platform::EdgeInsets categoryTitlePadding;
  platform::ui::Font categoryEmojiFont;
  double horizontalItemSpacing;
  platform::ui::Font itemFont;
  double itemSize;
  int rows;
  platform::ui::Color selectedCategoryColor;
  platform::ui::Font abcFont;
  platform::ui::Font backspaceFont;
  double verticalCategoryStackSpacing;
  double verticalItemSpacing;

  EmojiKeyboardStyle(int rows, double itemSize, platform::ui::Font itemFont, double horizontalItemSpacing,
                     double verticalItemSpacing, double verticalCategoryStackSpacing,
                     platform::ui::Font categoryTitleFont, platform::EdgeInsets categoryTitlePadding,
                     platform::ui::Font categoryEmojiFont, std::string abcText, platform::ui::Font abcFont,
                     platform::ui::Image backspaceIcon, platform::ui::Font backspaceFont,
                     platform::ui::Color selectedCategoryColor);

  double totalHeight() const { return itemSize * rows; }

  static EmojiKeyboardStyle& standardPhonePortrait();
  static EmojiKeyboardStyle& standardPhoneLandscape();
  static EmojiKeyboardStyle& standardPadPortrait();
  static EmojiKeyboardStyle& standardPadLandscape();
  static EmojiKeyboardStyle& standardLargePadPortrait();
  static EmojiKeyboardStyle& standardLargePadLandscape();

  static EmojiKeyboardStyle standardPad(int rows, double itemSize, double horizontalItemSpacing,
                                        double verticalCategoryStackSpacing, platform::ui::Font categoryTitleFont,
                                        platform::EdgeInsets categoryTitlePadding);

  // Copies of the preset that fits the context's device, orientation and
  // screen, as the presets are at the call.
  static EmojiKeyboardStyle standard(const KeyboardContext& context);
  static EmojiKeyboardStyle standardPhone(const KeyboardContext& context);
  static EmojiKeyboardStyle standardPad(const KeyboardContext& context);
};

}  // namespace keyloom
