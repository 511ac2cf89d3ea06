#pragma once

namespace zandorelle {

// What the user chose for the product keyboard, one value each for the whole
// process (main thread only). The controller writes them; the appearance and
// the input-set provider read them at every use, so a change shows at the
// next rendering without replacing either service.
struct KeyboardSelection {
  // -1 when no theme is selected, else an index into themeTable().
  static constexpr int noTheme = -1;

  static int themeIndex();
  static void setThemeIndex(int index);

  // An index into MyInputSetProvider's font table; 0 is plain letters.
  static int fontIndex();
  static void setFontIndex(int index);
};

}  // namespace zandorelle
