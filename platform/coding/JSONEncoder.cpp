#include "platform/coding/JSONEncoder.h"

#include "platform/coding/EncodingNode.h"

namespace platform {

std::shared_ptr<coding_detail::EncodingNode> JSONEncoder::makeRoot() {
  return std::make_shared<coding_detail::EncodingNode>();
}

nlohmann::ordered_json JSONEncoder::finish(const coding_detail::EncodingNode& root,
                                           const std::string& typeName) {
  if (root.kind == coding_detail::EncodingNode::Kind::unset) {
    throw EncodingError::invalidValue(typeName, {}, "Top-level " + typeName + " did not encode any values.");
  }
  return root.toJSON();
}

std::string JSONEncoder::dump(const nlohmann::ordered_json& json) const {
  const int indent = outputFormatting == OutputFormatting::prettyPrinted ? 2 : -1;
  try {
    return json.dump(indent, ' ', false, nlohmann::ordered_json::error_handler_t::strict);
  } catch (const nlohmann::ordered_json::exception& error) {
    // Strings are checked as they are encoded; this only guards JSON built elsewhere.
    throw EncodingError::invalidValue("JSON", {}, std::string("Unable to write JSON: ") + error.what());
  }
}

}  // namespace platform
