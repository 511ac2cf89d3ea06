#pragma once

#include <cstdint>
#include <string_view>
#include <type_traits>
#include <variant>

#include "keyloom/core/CaseValue.h"
#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"

namespace keyloom {

// The cases of SpaceDragSensitivity, in declaration order.
namespace space_drag_sensitivity {
struct Low {
  static constexpr std::string_view name = "low";
  bool operator==(const Low&) const = default;
};
struct Medium {
  static constexpr std::string_view name = "medium";
  bool operator==(const Medium&) const = default;
};
struct High {
  static constexpr std::string_view name = "high";
  bool operator==(const High&) const = default;
};
struct Custom {
  static constexpr std::string_view name = "custom";
  std::int64_t points = 0;
  bool operator==(const Custom&) const = default;
};
}  // namespace space_drag_sensitivity

// How many points of horizontal travel on the space bar move the text cursor
// one step: a higher sensitivity takes fewer points.
class SpaceDragSensitivity
    : public CaseValue<std::variant<space_drag_sensitivity::Low, space_drag_sensitivity::Medium,
                                    space_drag_sensitivity::High, space_drag_sensitivity::Custom>> {
 public:
  static SpaceDragSensitivity low() { return SpaceDragSensitivity(space_drag_sensitivity::Low{}); }
  static SpaceDragSensitivity medium() { return SpaceDragSensitivity(space_drag_sensitivity::Medium{}); }
  static SpaceDragSensitivity high() { return SpaceDragSensitivity(space_drag_sensitivity::High{}); }
  // Meant for a positive number of points; the drag handler ignores zero.
  static SpaceDragSensitivity custom(std::int64_t points) {
    return SpaceDragSensitivity(space_drag_sensitivity::Custom{points});
  }

  // Points per cursor step: low 10, medium 5, high 2, custom its payload.
  std::int64_t points() const;
  // The same number as points, so medium and custom(5) share an id.
  std::int64_t id() const { return points(); }

 private:
  explicit SpaceDragSensitivity(Value value) : CaseValue(std::move(value)) {}
};

// The one-key form: {"medium": {}}, {"custom": {"points": 12}}.
void encodeValue(platform::Encoder& encoder, const SpaceDragSensitivity& sensitivity);
SpaceDragSensitivity decodeValue(platform::Decoder& decoder, std::type_identity<SpaceDragSensitivity>);

}  // namespace keyloom
