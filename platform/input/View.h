#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/foundation/Geometry.h"
#include "platform/input/Responder.h"

namespace platform {

class Screen;
class View;

// The top of a view tree, shown on one screen.
class Window {
 public:
  explicit Window(Screen& screen) : screen_(&screen) {}

  Screen& screen() const { return *screen_; }
  void setScreen(Screen& screen) { screen_ = &screen; }

  // Told when a view of the window's tree may ask for another size, so the
  // window's owner can lay the tree out again.
  void setContentSizeDidChange(std::function<void()> handler) { contentSizeDidChange_ = std::move(handler); }
  void contentSizeDidChange() const {
    if (contentSizeDidChange_) contentSizeDidChange_();
  }

 private:
  Screen* screen_;  // screens live for the whole process
  std::function<void()> contentSizeDidChange_;
};

enum class LayoutAttribute { leading, trailing, top, bottom, width, height };

// "first.attribute == second.attribute + constant". Views are held weakly:
// a constraint never keeps a view alive, and one whose view is gone does nothing.
struct LayoutConstraint {
  std::weak_ptr<View> first;
  LayoutAttribute firstAttribute;
  std::weak_ptr<View> second;
  LayoutAttribute secondAttribute;
  double constant = 0;
};

// A plain platform view: a frame in its superview's coordinates, an ordered
// list of subviews, and the window of its tree. Layout applies the
// constraints a view holds to its subviews (edges and sizes relative to the
// view itself or to a sibling's frame). Always owned by std::shared_ptr.
class View : public Responder, public std::enable_shared_from_this<View> {
 public:
  struct Color {
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 1;
    static Color clear() { return {0, 0, 0, 0}; }
    bool operator==(const Color&) const = default;
  };

  static std::shared_ptr<View> make(Rect frame = {});
  ~View() override;

  Rect frame() const { return frame_; }
  void setFrame(Rect frame);
  // The view's own coordinate space: its size at the origin.
  Rect bounds() const { return Rect(Point{}, frame_.size); }

  // Subviews, front-most last. A copy, so callers may change the tree while
  // walking it.
  std::vector<std::shared_ptr<View>> subviews() const { return subviews_; }
  // Moves `view` here from any previous superview, on top of the others.
  void addSubview(const std::shared_ptr<View>& view);
  // Also drops the superview's constraints that name this view.
  void removeFromSuperview();
  View* superview() const { return superview_; }
  bool isDescendant(const View& ancestor) const;

  // The window of the tree this view is in; none when the tree is not shown.
  std::shared_ptr<Window> window() const;
  // Puts this view at the top of a window's tree (or takes it out with null);
  // every view of the tree hears of it through didMoveToWindow.
  void setWindow(std::shared_ptr<Window> window);

  std::optional<Color> backgroundColor() const { return backgroundColor_; }
  void setBackgroundColor(std::optional<Color> color) { backgroundColor_ = color; }
  bool isHidden() const { return hidden_; }
  void setHidden(bool hidden) { hidden_ = hidden; }

  // Whether the frame is the view's own (true) or is decided by constraints.
  bool translatesAutoresizingMaskIntoConstraints() const { return translatesAutoresizingMask_; }
  void setTranslatesAutoresizingMaskIntoConstraints(bool value) { translatesAutoresizingMask_ = value; }

  // Constraints are kept in activation order.
  void addConstraint(LayoutConstraint constraint);
  const std::vector<LayoutConstraint>& constraints() const { return constraints_; }
  void removeAllConstraints() { constraints_.clear(); }

  // Lays out the subviews by this view's constraints, then each subview's own
  // subviews. Subclasses may add their own layout after calling this.
  virtual void layoutSubviews();
  // Called on the view and its subviews after the window of its tree changed
  // (window() tells which; none when the tree is no longer shown).
  virtual void didMoveToWindow() {}
  // Layout is needed after a frame or tree change; layoutIfNeeded runs it then.
  void setNeedsLayout() { needsLayout_ = true; }
  bool needsLayout() const { return needsLayout_; }
  void layoutIfNeeded();
  int layoutCount() const { return layoutCount_; }

  // The size the view asks for when offered `target`, width kept: as tall as
  // the tallest subview its constraints pin to both its top and its bottom
  // asks to be, else the height offered.
  virtual Size systemLayoutSizeFitting(Size target);
  // The size this view asks for may have changed: its window is told.
  void invalidateIntrinsicContentSize() const;

  // The superview, as the platform's responder chain continues there.
  std::shared_ptr<Responder> nextResponder() const override;

 protected:
  explicit View(Rect frame) : frame_(frame) {}

 private:
  Rect frame_;
  View* superview_ = nullptr;  // cleared by the superview when it lets go
  std::vector<std::shared_ptr<View>> subviews_;
  std::shared_ptr<Window> window_;
  std::optional<Color> backgroundColor_;
  bool hidden_ = false;
  bool translatesAutoresizingMask_ = true;
  std::vector<LayoutConstraint> constraints_;
  bool needsLayout_ = true;
  int layoutCount_ = 0;
};

}  // namespace platform
