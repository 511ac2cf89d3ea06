#pragma once

#include <any>
#include <memory>
#include <string_view>
#include <vector>

namespace platform {

// An object in the chain that platform messages travel along. A message is a
// selector name ("openURL:") with its object arguments; a responder that does
// not answer a selector leaves it to the next one.
class Responder {
 public:
  virtual ~Responder() = default;

  // The next responder in the chain; none ends the chain.
  virtual std::shared_ptr<Responder> nextResponder() const { return nullptr; }

  // Whether perform() understands `selector`.
  virtual bool respondsToSelector(std::string_view selector) const;

  // Runs `selector` with its arguments in order; an argument that is "no
  // object" is an empty std::any. Selectors the responder does not answer are
  // ignored.
  virtual void perform(std::string_view selector, const std::vector<std::any>& arguments);
};

// The first responder from `start` along the chain (start included) that
// answers `selector`; none when the chain ends without one.
std::shared_ptr<Responder> firstResponderAnswering(const std::shared_ptr<Responder>& start, std::string_view selector);

// The selector of the platform's URL opening, answered by the host application.
// Its one argument is a platform::URL, or no object (an empty std::any).
inline constexpr std::string_view kOpenURLSelector = "openURL:";

}  // namespace platform
