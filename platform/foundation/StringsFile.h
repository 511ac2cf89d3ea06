#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Reader of string tables in the platform's ".strings" format:
//
//   /* comment */  // comment
//   "key" = "value";
//   "key";                       (the value is the key)
//
// Quoted strings know the escapes \" \\ \n \t \r \0 and \uXXXX (\UXXXX), with
// surrogate pairs joined. Unquoted words are allowed too. An entry that does not
// parse is skipped up to the next line; the rest of the file still loads.
// Files are UTF-8 (a byte-order mark is skipped) or UTF-16 with a byte-order mark.
class StringsFile {
 public:
  using Table = std::map<std::string, std::string, std::less<>>;

  static Table parse(std::string_view text);
  // Absent when the file cannot be read.
  static std::optional<Table> load(const std::filesystem::path& path);
};

}  // namespace platform
