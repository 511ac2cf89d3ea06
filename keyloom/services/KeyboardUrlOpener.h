#pragma once

#include <memory>
#include <optional>

#include "keyloom/state/KeyboardController.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/URL.h"

namespace keyloom {

// Opens URLs from anywhere in the keyboard through the registered keyboard
// controller, which walks the responder chain for a responder that can.
class KeyboardUrlOpener {
 public:
  class UrlError : public platform::Error {
   public:
    enum class Kind { nilUrl, noKeyboardController };

    explicit UrlError(Kind kind);
    Kind kind() const { return kind_; }
    bool operator==(const UrlError& other) const { return kind_ == other.kind_; }

   private:
    Kind kind_;
  };

  KeyboardUrlOpener() = default;
  virtual ~KeyboardUrlOpener() = default;

  // The process-wide opener, made on first use with no controller.
  static KeyboardUrlOpener& shared();

  // Never kept alive by the opener: absent once the controller is released.
  virtual std::shared_ptr<KeyboardController> controller() const { return controller_.lock(); }
  virtual void setController(std::weak_ptr<KeyboardController> controller) { controller_ = std::move(controller); }

  // Hands the URL, absent included, to the controller. Whether it opened is
  // not known. Throws UrlError noKeyboardController when there is no live
  // controller.
  virtual void open(const std::optional<platform::URL>& url);

 private:
  std::weak_ptr<KeyboardController> controller_;
};

}  // namespace keyloom
