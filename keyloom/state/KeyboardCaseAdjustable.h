#pragma once

#include <string>
#include <string_view>

namespace keyloom {

// Gives `text` the casing of `reference`: the first of these that holds
// decides. The reference equals its capitalized form: the text capitalized;
// its upper-cased form: the text upper-cased; its lower-cased form: the text
// lower-cased; otherwise the text unchanged. Capitalized is tested first, so a
// single capital ("A"), a reference without letters and "" all capitalize.
std::string caseAdjusted(std::string_view text, std::string_view reference);

}  // namespace keyloom
