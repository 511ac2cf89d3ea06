#include "keyboard-extension/MyInputSetProvider.h"

#include "keyboard-extension/KeyboardSelection.h"
#include "keyboard-extension/UnicodeFont.h"
#include "keyloom/state/DeviceType.h"

namespace zandorelle {
namespace {

const MyInputSetProvider::FontRows plainRows{"qwertyuiop", "QWERTYUIOP", "asdfghjkl", "ASDFGHJKL",
                                             "zxcvbnm",    "ZXCVBNM",    "zxcvbnm,.", "ZXCVBNM,."};

}  // namespace

MyInputSetProvider::MyInputSetProvider()
    : baseProvider_(keyloom::AlphabeticInputSet::english(), "$", "£"), f_(standardFontTable()) {}

const MyInputSetProvider::FontTable& MyInputSetProvider::standardFontTable() {
  static const FontTable table = [] {
    FontTable built;
    for (int font = 0; font < unicode_font::count; ++font) {
      FontRows rows;
      for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = unicode_font::styledText(font, plainRows[i]);
      built.push_back(std::move(rows));
    }
    return built;
  }();
  return table;
}

keyloom::AlphabeticInputSet MyInputSetProvider::alphabeticInputSet() const {
  const int font = KeyboardSelection::fontIndex();
  const bool known = font >= 0 && static_cast<std::size_t>(font) < f_.size();
  const FontRows& s = known ? f_[static_cast<std::size_t>(font)] : plainRows;
  return keyloom::AlphabeticInputSet{{
      keyloom::inputSetRow(s[0], s[1]),
      keyloom::inputSetRow(s[2], s[3]),
      keyloom::inputSetRow(s[4], s[5], s[6], s[7], keyloom::currentDeviceType()),
  }};
}

}  // namespace zandorelle
