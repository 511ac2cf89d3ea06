#pragma once

#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

namespace platform::coding_detail {

// One value being encoded. Containers hold their node by shared pointer, so a
// nested container stays valid however its parent grows; the tree becomes JSON
// once the whole value is written.
class EncodingNode {
 public:
  enum class Kind { unset, scalar, object, array };

  Kind kind = Kind::unset;
  nlohmann::ordered_json scalar;  // null, bool, number or string
  std::vector<std::pair<std::string, std::shared_ptr<EncodingNode>>> members;
  std::vector<std::shared_ptr<EncodingNode>> elements;

  // An unset nested value (an encoder that wrote nothing) becomes an empty object.
  nlohmann::ordered_json toJSON() const;
};

}  // namespace platform::coding_detail
