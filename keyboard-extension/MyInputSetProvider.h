#pragma once

#include <array>
#include <string>
#include <vector>

#include "keyloom/layout/EnglishInputSetProvider.h"
#include "keyloom/layout/InputSetProvider.h"

namespace zandorelle {

// The letters of the selected font (KeyboardSelection::fontIndex), built anew
// at every read so the keys follow the last font chosen; the numeric and
// symbolic keyboards stay the English ones ("$" and "£").
class MyInputSetProvider : public keyloom::InputSetProvider {
 public:
  // The rows of one font: first row lower and upper case, second row lower
  // and upper case, third row on a phone lower and upper case, third row on a
  // pad lower and upper case (the pad rows end with a plain comma and full stop).
  using FontRows = std::array<std::string, 8>;
  using FontTable = std::vector<FontRows>;

  MyInputSetProvider();

  // Every letter of the QWERTY rows styled by each font of unicode_font.
  static const FontTable& standardFontTable();

  const keyloom::EnglishInputSetProvider& baseProvider() const { return baseProvider_; }

  const FontTable& f() const { return f_; }
  void setF(FontTable table) { f_ = std::move(table); }

  // A font index without an entry in the table gives the plain letters, so a
  // stray index never leaves the keyboard without keys.
  keyloom::AlphabeticInputSet alphabeticInputSet() const override;
  keyloom::NumericInputSet numericInputSet() const override { return baseProvider_.numericInputSet(); }
  keyloom::SymbolicInputSet symbolicInputSet() const override { return baseProvider_.symbolicInputSet(); }

 private:
  keyloom::EnglishInputSetProvider baseProvider_;
  FontTable f_;
};

}  // namespace zandorelle
