#pragma once

#include <functional>
#include <optional>
#include <string>

namespace platform::ui {

// An animation as data. Nothing is interpolated: changes are applied at once
// and the animation is only recorded, so tests can see that a change was
// meant to animate.
struct Animation {
  enum class Curve { default_, linear, easeIn, easeOut, easeInOut, spring };

  Curve curve = Curve::default_;
  std::optional<double> duration;

  static Animation default_() { return {}; }
  static Animation linear(std::optional<double> duration = std::nullopt) {
    return {Curve::linear, duration};
  }
  static Animation easeInOut(std::optional<double> duration = std::nullopt) {
    return {Curve::easeInOut, duration};
  }
  static Animation spring() { return {Curve::spring, std::nullopt}; }

  std::string description() const;

  bool operator==(const Animation&) const = default;
};

// How a view enters and leaves; recorded only.
struct Transition {
  std::string name = "identity";

  static Transition identity() { return {"identity"}; }
  static Transition opacity() { return {"opacity"}; }
  static Transition scale() { return {"scale"}; }
  static Transition slide() { return {"slide"}; }

  bool operator==(const Transition&) const = default;
};

// The context of a state change: whether it was made inside withAnimation.
struct Transaction {
  std::optional<Animation> animation;
  bool disablesAnimations = false;

  bool isAnimated() const { return animation.has_value() && !disablesAnimations; }

  // The transaction of the code running now: the innermost withAnimation or
  // withTransaction, or an empty one.
  static Transaction current();

  bool operator==(const Transaction&) const = default;
};

// Runs `body` with `transaction` as the current transaction; every state or
// published change made inside records it. Nests; restores on exit.
void withTransaction(const Transaction& transaction, const std::function<void()>& body);
void withAnimation(const std::function<void()>& body,
                   std::optional<Animation> animation = Animation::default_());

}  // namespace platform::ui
