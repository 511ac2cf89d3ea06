#include "platform/coding/Encoder.h"

#include <cmath>
#include <utility>

#include "platform/coding/EncodingNode.h"

namespace platform {

using coding_detail::EncodingNode;

namespace {

CodingPath appending(const CodingPath& path, std::string key) {
  CodingPath result = path;
  result.push_back(std::move(key));
  return result;
}

const char* kindName(EncodingNode::Kind kind) {
  switch (kind) {
    case EncodingNode::Kind::unset:
      return "nothing";
    case EncodingNode::Kind::scalar:
      return "a single value";
    case EncodingNode::Kind::object:
      return "a keyed container";
    case EncodingNode::Kind::array:
      return "an unkeyed container";
  }
  return "a value";
}

// A place holds one kind of value; asking it for another is a coding mistake
// that must not silently drop what was written.
void claim(EncodingNode& node, EncodingNode::Kind kind, const CodingPath& path) {
  if (node.kind == kind || node.kind == EncodingNode::Kind::unset) {
    node.kind = kind;
    return;
  }
  throw EncodingError::invalidValue(kindName(kind), path,
                                    std::string("Attempt to encode ") + kindName(kind) + " where " +
                                        kindName(node.kind) + " was already encoded.");
}

void setScalar(EncodingNode& node, nlohmann::ordered_json value, const CodingPath& path) {
  claim(node, EncodingNode::Kind::scalar, path);
  node.scalar = std::move(value);
}

bool isValidUTF8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    auto byte = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    char32_t scalar = 0;
    if (byte < 0x80) {
      ++i;
      continue;
    } else if ((byte & 0xE0) == 0xC0) {
      length = 2;
      scalar = byte & 0x1F;
    } else if ((byte & 0xF0) == 0xE0) {
      length = 3;
      scalar = byte & 0x0F;
    } else if ((byte & 0xF8) == 0xF0) {
      length = 4;
      scalar = byte & 0x07;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      scalar = (scalar << 6) | (next & 0x3F);
    }
    const char32_t minimum = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (scalar < minimum || scalar > 0x10FFFF || (scalar >= 0xD800 && scalar <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

}  // namespace

nlohmann::ordered_json EncodingNode::toJSON() const {
  switch (kind) {
    case Kind::unset:
      return nlohmann::ordered_json::object();
    case Kind::scalar:
      return scalar;
    case Kind::object: {
      nlohmann::ordered_json object = nlohmann::ordered_json::object();
      for (const auto& [key, child] : members) object[key] = child->toJSON();
      return object;
    }
    case Kind::array: {
      nlohmann::ordered_json array = nlohmann::ordered_json::array();
      for (const auto& child : elements) array.push_back(child->toJSON());
      return array;
    }
  }
  return nullptr;
}

// Encoder

Encoder::Encoder(std::shared_ptr<EncodingNode> node, CodingPath codingPath)
    : node_(std::move(node)), codingPath_(std::move(codingPath)) {}

KeyedEncodingContainer Encoder::container() {
  claim(*node_, EncodingNode::Kind::object, codingPath_);
  return KeyedEncodingContainer(node_, codingPath_);
}

UnkeyedEncodingContainer Encoder::unkeyedContainer() {
  claim(*node_, EncodingNode::Kind::array, codingPath_);
  return UnkeyedEncodingContainer(node_, codingPath_);
}

SingleValueEncodingContainer Encoder::singleValueContainer() {
  return SingleValueEncodingContainer(node_, codingPath_);
}

// KeyedEncodingContainer

KeyedEncodingContainer::KeyedEncodingContainer(std::shared_ptr<EncodingNode> node, CodingPath codingPath)
    : node_(std::move(node)), codingPath_(std::move(codingPath)) {}

void KeyedEncodingContainer::encodeNil(std::string_view key) {
  superEncoder(key).singleValueContainer().encodeNil();
}

KeyedEncodingContainer KeyedEncodingContainer::nestedContainer(std::string_view key) {
  return superEncoder(key).container();
}

UnkeyedEncodingContainer KeyedEncodingContainer::nestedUnkeyedContainer(std::string_view key) {
  return superEncoder(key).unkeyedContainer();
}

Encoder KeyedEncodingContainer::superEncoder() { return superEncoder("super"); }

Encoder KeyedEncodingContainer::superEncoder(std::string_view key) {
  auto child = std::make_shared<EncodingNode>();
  bool replaced = false;
  for (auto& member : node_->members) {
    if (member.first == key) {
      member.second = child;
      replaced = true;
      break;
    }
  }
  if (!replaced) node_->members.emplace_back(std::string(key), child);
  return Encoder(child, appending(codingPath_, std::string(key)));
}

// UnkeyedEncodingContainer

UnkeyedEncodingContainer::UnkeyedEncodingContainer(std::shared_ptr<EncodingNode> node, CodingPath codingPath)
    : node_(std::move(node)), codingPath_(std::move(codingPath)) {}

std::size_t UnkeyedEncodingContainer::count() const { return node_->elements.size(); }

void UnkeyedEncodingContainer::encodeNil() { superEncoder().singleValueContainer().encodeNil(); }

KeyedEncodingContainer UnkeyedEncodingContainer::nestedContainer() { return superEncoder().container(); }

UnkeyedEncodingContainer UnkeyedEncodingContainer::nestedUnkeyedContainer() {
  return superEncoder().unkeyedContainer();
}

Encoder UnkeyedEncodingContainer::superEncoder() {
  auto child = std::make_shared<EncodingNode>();
  CodingPath path = appending(codingPath_, indexKey(node_->elements.size()));
  node_->elements.push_back(child);
  return Encoder(child, std::move(path));
}

// SingleValueEncodingContainer

SingleValueEncodingContainer::SingleValueEncodingContainer(std::shared_ptr<EncodingNode> node,
                                                           CodingPath codingPath)
    : node_(std::move(node)), codingPath_(std::move(codingPath)) {}

void SingleValueEncodingContainer::encodeNil() { setScalar(*node_, nullptr, codingPath_); }

void SingleValueEncodingContainer::encodeBool(bool value) { setScalar(*node_, value, codingPath_); }

void SingleValueEncodingContainer::encodeInt64(std::int64_t value) { setScalar(*node_, value, codingPath_); }

void SingleValueEncodingContainer::encodeUInt64(std::uint64_t value) {
  setScalar(*node_, value, codingPath_);
}

void SingleValueEncodingContainer::encodeDouble(double value) {
  if (std::isnan(value)) {
    throw EncodingError::invalidValue("nan", codingPath_, "Unable to encode Double.nan directly in JSON.");
  }
  if (std::isinf(value)) {
    throw EncodingError::invalidValue(value > 0 ? "inf" : "-inf", codingPath_,
                                      value > 0 ? "Unable to encode Double.infinity directly in JSON."
                                                : "Unable to encode -Double.infinity directly in JSON.");
  }
  setScalar(*node_, value, codingPath_);
}

void SingleValueEncodingContainer::encodeString(std::string_view value) {
  if (!isValidUTF8(value)) {
    throw EncodingError::invalidValue("String", codingPath_,
                                      "Unable to encode a string that is not valid UTF-8.");
  }
  setScalar(*node_, std::string(value), codingPath_);
}

}  // namespace platform
