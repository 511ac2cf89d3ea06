#pragma once

// The declarative view toolkit.
//
// Design
// ------
// View values. A `View` is an immutable, cheap-to-copy value: a shared pointer
// to a `ViewDefinition` (ViewDefinition.h) holding what the view is (its content: a text,
// a stack, a composite view's body function, ...), its static children and its
// ordered modifiers. Builder functions make primitives (`Text("a")`,
// `VStack(alignment, spacing, {...})`, Primitives.h); modifier methods return a
// new view with one more modifier (`Text("a").padding().background(...)`).
// On a temporary whose definition nothing else shares, a modifier adds to
// that definition instead of copying it; a view it was copied from never
// changes.
// Any type with `View body() const` or `View body(BodyContext&) const`
// converts to a View: that is a composite view, evaluated by calling its body.
// Its body can hand out `ctx.shared(*this)`, the value itself shared with the
// node, to closures that must keep it. Definitions, modifiers, nodes and
// their short lists come from per-thread block caches (BlockPool.h): a tree
// is built and torn down hundreds of objects at a time.
//
// Nodes. A `ViewHost` (ViewHost.h) owns one tree of `Node`s (Node.h), the
// evaluated form of the views. Each node stands for one view value that is
// not a modifier: a primitive or a composite. Its modifiers stay attached to
// it, innermost first, in `Node::modifiers()`. The views a modifier holds
// (background, overlay, mask, context menu) are child nodes with their own
// role, next to the content children. Composite nodes have one content
// child, their body. Groups, ForEach and conditional content are nodes too;
// `Node::layoutChildren()` splices them away for containers.
//
// Identity. A child is the same child across evaluations when its key is the
// same: role, position among its siblings (or ForEach id, or branch of a
// conditional), type (the kind of a primitive or the C++ type of a composite),
// and its explicit `.id(...)`. A node keeps its state, subscriptions and
// platform views while its key stays; otherwise the old node is dropped
// (disappear) and a new one made (appear).
//
// State. Inside a body, `ctx.state<T>(initial)` returns a `State<T>` handle
// to the node's slot for that call position; the slot lives as long as the
// node. Handles are shared pointers to the slot, so closures that captured a
// handle (or a copy of the view that holds it) share the one value, and a
// handle outliving its node still reads and writes, but updates nothing.
// Writing marks the node dirty.
//
// Environment. `EnvironmentValues` flow from the host down; an environment
// modifier changes them for the content and for the layers of modifiers
// applied before it. `ctx.environmentObject<T>()` reads a shared object by type
// (throwing `MissingEnvironmentObjectError`, naming the type, when absent) and
// observes it, as does `ctx.observe(object)`.
//
// Updates. A state write or an observed object's `objectWillChange()` marks
// the node dirty and schedules one update on the main queue, however many
// changes come before it runs. The update re-evaluates each dirty node with
// the view value it last had (and everything below it, once), reconciles
// children by key, then runs disappear and appear hooks, then the change
// hooks of values that differ from the last evaluation; hooks that dirty
// nodes start another round, up to `ViewTree::maxUpdateRounds`.
//
// Kept subtrees. A composite view whose type has `operator==` declares that
// what it shows follows from its value, its environment, its state and the
// objects it observes. When its parent is evaluated again and hands it an
// equal value (View::operator==) in an equal environment, and it is not
// marked itself, its node is kept as it is with everything below it: not
// evaluated, nothing below it marked for layout. So such a view, and every
// view inside it, must observe whatever changing object it reads; a type
// without `operator==` is evaluated with its parent as before.
//
// For layout, hit testing and rendering (built on top of this): every node
// has a `frame` (in the host's coordinates) and a `contentFrame` (its content
// before modifiers) to fill in; modifiers are plain data read in order, the
// innermost wrapping the content first; gestures (`Gesture` subclasses), tap
// actions and button actions are data on the nodes, and `Node::setPressed`
// and `Node::tap` are what a touch pipeline calls. Text is verbatim; `Image`,
// `Font`, `Color` are values resolved against the node's environment. Stacks
// without spacing use `defaultSpacing`, padding without a length
// `defaultPadding`. A GeometryReader is evaluated with the size of its node's
// current frame (zero before any layout); mark the node with
// `setNeedsEvaluation()` after layout changes that size.
// `ViewHost::setDidUpdate` is the place to lay out and redraw after updates.
//
// Colours, shapes and images are values that convert to views
// (`View(Color::red()).padding()`, `.background(Color::white())`);
// `RoundedRectangle(5).fill(color)` gives a filled shape view.

#include <any>
#include <concepts>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <typeinfo>

#include "platform/foundation/Geometry.h"
#include "platform/ui/Alignment.h"
#include "platform/ui/BlockPool.h"
#include "platform/ui/ChangeHook.h"
#include "platform/ui/Color.h"
#include "platform/ui/Environment.h"
#include "platform/ui/Font.h"
#include "platform/ui/Gesture.h"
#include "platform/ui/Image.h"
#include "platform/ui/Path.h"
#include "platform/ui/Shape.h"
#include "platform/ui/Transaction.h"
#include "platform/ui/TypeName.h"
#include "platform/ui/ViewId.h"

namespace platform::ui {

class View;
class BodyContext;
class ButtonStyle;
struct ViewDefinition;
struct Modifier;

// Spacing between stack children when none is given, and padding when no
// length is given.
inline constexpr double defaultSpacing = 8;
inline constexpr double defaultPadding = 16;
inline constexpr double infinity = std::numeric_limits<double>::infinity();

// A view written as a type: a body without state, or one that uses the
// evaluation context (state, observation, environment objects).
template <class T>
concept PlainViewBody = requires(const T& view) {
  { view.body() } -> std::convertible_to<View>;
};
template <class T>
concept ContextViewBody = requires(const T& view, BodyContext& context) {
  { view.body(context) } -> std::convertible_to<View>;
};
template <class T>
concept CompositeView = PlainViewBody<T> || ContextViewBody<T>;

// A custom modifier: a type whose body wraps the content view.
template <class M>
concept PlainViewModifier = requires(const M& modifier, View content) {
  { modifier.body(content) } -> std::convertible_to<View>;
};
template <class M>
concept ContextViewModifier = requires(const M& modifier, BodyContext& context, View content) {
  { modifier.body(context, content) } -> std::convertible_to<View>;
};

// A frame whose sizes may be bounded instead of fixed; absent values take the
// proposal or the content's size. Use designated initialisers:
//   .frame(FlexibleFrame{.maxWidth = infinity})
struct FlexibleFrame {
  std::optional<double> minWidth = std::nullopt;
  std::optional<double> idealWidth = std::nullopt;
  std::optional<double> maxWidth = std::nullopt;
  std::optional<double> minHeight = std::nullopt;
  std::optional<double> idealHeight = std::nullopt;
  std::optional<double> maxHeight = std::nullopt;
  Alignment alignment = Alignment::center();

  bool operator==(const FlexibleFrame&) const = default;
};

enum class ResizingMode { stretch, tile };

enum class AccessibilityTrait { isButton, isHeader, isImage, isSelected, isStaticText };

// What a composite view evaluates: its body, with the view's value.
class CompositeBody {
 public:
  virtual ~CompositeBody() = default;
  virtual View evaluate(BodyContext& context) const = 0;
  // Whether the view's type has operator==: its body then depends on its
  // value, environment, state and observed objects only (see Updates).
  virtual bool isComparable() const { return false; }
  // Whether `other` holds an equal value of the same comparable type.
  virtual bool sameValue(const CompositeBody& other) const {
    (void)other;
    return false;
  }
};

template <class T>
class CompositeBodyOf;

class View {
 public:
  // The empty view: it draws nothing and takes no space.
  View();
  // A colour as a view fills the space it is given.
  View(const Color& color);  // NOLINT: colours are views
  // A shape as a view is filled with the foreground colour.
  View(const AnyShape& shape);  // NOLINT: shapes are views
  View(const Image& image);     // NOLINT: images are views

  // A composite view: its body is evaluated when the tree is built, with the
  // value copied into the view.
  template <class T>
    requires CompositeView<T>
  View(T view)  // NOLINT: any view type is a View
      : View(composite(typeid(T), typeName<T>(), makeShared<const CompositeBodyOf<T>>(std::move(view)))) {}

  // --- Layout -------------------------------------------------------------
  View padding(double length = defaultPadding) const&;
  View padding(double length = defaultPadding) &&;
  View padding(EdgeSet edges, std::optional<double> length = std::nullopt) const&;
  View padding(EdgeSet edges, std::optional<double> length = std::nullopt) &&;
  View padding(EdgeInsets insets) const&;
  View padding(EdgeInsets insets) &&;
  // Fixed sizes; an absent value passes the proposal through.
  View frame(std::optional<double> width, std::optional<double> height,
             Alignment alignment = Alignment::center()) const&;
  View frame(std::optional<double> width, std::optional<double> height,
             Alignment alignment = Alignment::center()) &&;
  View frame(const FlexibleFrame& frame) const&;
  View frame(const FlexibleFrame& frame) &&;
  View offset(double x, double y) const&;
  View offset(double x, double y) &&;
  View position(double x, double y) const&;
  View position(double x, double y) &&;
  View scaleEffect(double scale, UnitPoint anchor = UnitPoint::center()) const&;
  View scaleEffect(double scale, UnitPoint anchor = UnitPoint::center()) &&;
  View scaleEffect(Size scale, UnitPoint anchor = UnitPoint::center()) const&;
  View scaleEffect(Size scale, UnitPoint anchor = UnitPoint::center()) &&;
  // Records a rotation about (axisX, axisY, axisZ); drawn as a projection by
  // the renderer.
  View rotation3DEffect(Angle angle, double axisX, double axisY, double axisZ,
                        UnitPoint anchor = UnitPoint::center(), double anchorZ = 0,
                        double perspective = 1) const&;
  View rotation3DEffect(Angle angle, double axisX, double axisY, double axisZ,
                        UnitPoint anchor = UnitPoint::center(), double anchorZ = 0,
                        double perspective = 1) &&;
  View resizable(EdgeInsets capInsets = {}, ResizingMode mode = ResizingMode::stretch) const&;
  View resizable(EdgeInsets capInsets = {}, ResizingMode mode = ResizingMode::stretch) &&;
  View aspectRatio(std::optional<double> ratio, ContentMode mode) const&;
  View aspectRatio(std::optional<double> ratio, ContentMode mode) &&;

  // --- Layers --------------------------------------------------------------
  // Drawn under / over the view, at the view's size.
  View background(View content, Alignment alignment = Alignment::center()) const&;
  View background(View content, Alignment alignment = Alignment::center()) &&;
  View overlay(View content, Alignment alignment = Alignment::center()) const&;
  View overlay(View content, Alignment alignment = Alignment::center()) &&;
  // Only the parts of the view under the mask's opaque parts show.
  View mask(View content, Alignment alignment = Alignment::center()) const&;
  View mask(View content, Alignment alignment = Alignment::center()) &&;

  // --- Drawing -------------------------------------------------------------
  View opacity(double opacity) const&;
  View opacity(double opacity) &&;
  View shadow(Color color, double radius, double x = 0, double y = 0) const&;
  View shadow(Color color, double radius, double x = 0, double y = 0) &&;
  View cornerRadius(double radius, bool antialiased = true) const&;
  View cornerRadius(double radius, bool antialiased = true) &&;
  View clipShape(AnyShape shape, FillStyle style = {}) const&;
  View clipShape(AnyShape shape, FillStyle style = {}) &&;
  View clipped(bool antialiased = false) const&;
  View clipped(bool antialiased = false) &&;
  View compositingGroup() const&;
  View compositingGroup() &&;
  View hidden() const&;
  View hidden() &&;

  // --- Environment ---------------------------------------------------------
  View foregroundColor(std::optional<Color> color) const&;
  View foregroundColor(std::optional<Color> color) &&;
  View font(std::optional<Font> font) const&;
  View font(std::optional<Font> font) &&;
  View bold(bool isActive = true) const&;
  View bold(bool isActive = true) &&;
  View lineLimit(std::optional<int> lines) const&;
  View lineLimit(std::optional<int> lines) &&;
  View textCase(std::optional<TextCase> textCase) const&;
  View textCase(std::optional<TextCase> textCase) &&;
  View minimumScaleFactor(double factor) const&;
  View minimumScaleFactor(double factor) &&;
  View colorScheme(ColorScheme scheme) const&;
  View colorScheme(ColorScheme scheme) &&;
  View buttonStyle(std::shared_ptr<const ButtonStyle> style) const&;
  View buttonStyle(std::shared_ptr<const ButtonStyle> style) &&;
  template <class T>
  View environment(const EnvironmentKey<T>& key, std::type_identity_t<T> value) const& {
    return View(*this).environment(key, std::move(value));
  }
  template <class T>
  View environment(const EnvironmentKey<T>& key, std::type_identity_t<T> value) && {
    return std::move(*this).withEnvironment(
        "environment", key.name(), [&key, value](EnvironmentValues& values) { values.set(key, value); });
  }
  // Supplies `object` to the views below as their environment object of type T.
  template <class T>
  View environmentObject(std::shared_ptr<T> object) const& {
    return View(*this).environmentObject(std::move(object));
  }
  template <class T>
  View environmentObject(std::shared_ptr<T> object) && {
    return std::move(*this).withEnvironment(
        "environmentObject", readableTypeName(typeid(T)),
        [object](EnvironmentValues& values) { values.setObject<T>(object); });
  }

  // --- Hit testing and gestures -------------------------------------------
  View contentShape(AnyShape shape) const&;
  View contentShape(AnyShape shape) &&;
  View allowsHitTesting(bool enabled) const&;
  View allowsHitTesting(bool enabled) &&;
  View gesture(std::shared_ptr<const Gesture> gesture, GestureMask mask = GestureMask::all,
               GesturePriority priority = GesturePriority::normal) const&;
  View gesture(std::shared_ptr<const Gesture> gesture, GestureMask mask = GestureMask::all,
               GesturePriority priority = GesturePriority::normal) &&;
  View simultaneousGesture(std::shared_ptr<const Gesture> gesture,
                           GestureMask mask = GestureMask::all) const&;
  View simultaneousGesture(std::shared_ptr<const Gesture> gesture, GestureMask mask = GestureMask::all) &&;
  // Gesture values (DragGesture, TapGesture, LongPressGesture) attach as they are.
  template <class G>
    requires std::derived_from<G, Gesture>
  View gesture(G g, GestureMask mask = GestureMask::all,
               GesturePriority priority = GesturePriority::normal) const& {
    return View(*this).gesture(std::move(g), mask, priority);
  }
  template <class G>
    requires std::derived_from<G, Gesture>
  View gesture(G g, GestureMask mask = GestureMask::all,
               GesturePriority priority = GesturePriority::normal) && {
    return std::move(*this).gesture(std::shared_ptr<const Gesture>(makeShared<const G>(std::move(g))),
                                    mask, priority);
  }
  template <class G>
    requires std::derived_from<G, Gesture>
  View simultaneousGesture(G g, GestureMask mask = GestureMask::all) const& {
    return View(*this).simultaneousGesture(std::move(g), mask);
  }
  template <class G>
    requires std::derived_from<G, Gesture>
  View simultaneousGesture(G g, GestureMask mask = GestureMask::all) && {
    return std::move(*this).gesture(std::move(g), mask, GesturePriority::simultaneous);
  }
  // Wins over the same kind of gesture of the views inside it.
  template <class G>
    requires std::derived_from<G, Gesture>
  View highPriorityGesture(G g, GestureMask mask = GestureMask::all) const& {
    return View(*this).highPriorityGesture(std::move(g), mask);
  }
  template <class G>
    requires std::derived_from<G, Gesture>
  View highPriorityGesture(G g, GestureMask mask = GestureMask::all) && {
    return std::move(*this).gesture(std::move(g), mask, GesturePriority::high);
  }
  View onTapGesture(std::function<void()> action, int count = 1) const&;
  View onTapGesture(std::function<void()> action, int count = 1) &&;
  // Items (usually buttons) offered when the view is long-pressed.
  View contextMenu(View items) const&;
  View contextMenu(View items) &&;
  View coordinateSpace(std::string name) const&;
  View coordinateSpace(std::string name) &&;

  // --- Identity and hooks --------------------------------------------------
  // An explicit identity: a new id gives a new view with fresh state.
  View id(ViewId id) const&;
  View id(ViewId id) &&;
  View onAppear(std::function<void()> action) const&;
  View onAppear(std::function<void()> action) &&;
  View onDisappear(std::function<void()> action) const&;
  View onDisappear(std::function<void()> action) &&;
  // Runs `action` with the new value after an update in which `value`
  // differs from the one of the previous evaluation (not on the first one).
  template <class T>
  View onChange(T value, std::function<void(const T&)> action) const& {
    return View(*this).onChange(std::move(value), std::move(action));
  }
  template <class T>
  View onChange(T value, std::function<void(const T&)> action) && {
    return std::move(*this).withChangeHook(ChangeHook::make(std::move(value), std::move(action)));
  }
  // Records that changes of `value` animate with `animation`.
  template <class T>
  View animation(std::optional<Animation> animation, T value) const& {
    return View(*this).animation(animation, std::move(value));
  }
  template <class T>
  View animation(std::optional<Animation> animation, T value) && {
    return std::move(*this).withAnimationRecord(animation, WatchedValue::make(std::move(value)));
  }
  View transition(Transition transition) const&;
  View transition(Transition transition) &&;

  // --- Accessibility -------------------------------------------------------
  View accessibilityLabel(std::string label) const&;
  View accessibilityLabel(std::string label) &&;
  View accessibilityIdentifier(std::string identifier) const&;
  View accessibilityIdentifier(std::string identifier) &&;
  View accessibilityAddTraits(AccessibilityTrait trait) const&;
  View accessibilityAddTraits(AccessibilityTrait trait) &&;

  // --- Custom modifiers and attached data -----------------------------------
  // Applies a custom modifier: a composite view whose body wraps this view.
  template <class M>
    requires PlainViewModifier<M> || ContextViewModifier<M>
  View modifier(M modifier) const& {
    return View(*this).modifier(std::move(modifier));
  }
  template <class M>
    requires PlainViewModifier<M> || ContextViewModifier<M>
  View modifier(M modifier) && {
    View content = std::move(*this);
    return composite(typeid(M), [modifier = std::move(modifier), content](BodyContext& context) -> View {
      if constexpr (ContextViewModifier<M>) {
        return modifier.body(context, content);
      } else {
        (void)context;
        return modifier.body(content);
      }
    });
  }
  // Attaches a value for tests and tools to find the view by (a key's
  // action, for instance). Found with Node::attached<T>().
  template <class T>
  View attach(T value, std::string description = "") const& {
    return View(*this).attach(std::move(value), std::move(description));
  }
  template <class T>
  View attach(T value, std::string description = "") && {
    return std::move(*this).withAttachment(std::any(std::move(value)), std::move(description));
  }

  const ViewDefinition& definition() const { return *definition_; }
  bool isEmpty() const;
  // Whether the two views are the same value: one definition, or the same
  // content (composites of a comparable type with equal values, texts,
  // colours, stacks, ...) with equal children and plain-data modifiers.
  // Views holding closures, gestures or attachments, and composites of a
  // type without operator==, equal only themselves.
  bool operator==(const View& other) const;

  // Makes a composite view from a body function; `type` gives its identity
  // and its name. The View(T) constructor uses this.
  static View composite(const std::type_info& type, std::function<View(BodyContext&)> body);
  static View composite(const std::type_info& type, std::shared_ptr<const CompositeBody> body);
  // The same with the type's interned name (internedTypeName) at hand.
  static View composite(const std::type_info& type, std::string_view typeName,
                        std::shared_ptr<const CompositeBody> body);

  explicit View(std::shared_ptr<const ViewDefinition> definition);

 private:
  // Looked up once per type: views are made far more often than types.
  template <class T>
  static std::string_view typeName() {
    static const std::string_view name = internedTypeName(typeid(T));
    return name;
  }

  View withModifier(Modifier modifier) &&;
  View withEnvironment(std::string name, std::string value, std::function<void(EnvironmentValues&)> apply) &&;
  // The same, describing the value only when a description is asked for.
  View withDescribedEnvironment(std::string name, std::string (*describeValue)(const EnvironmentValues&),
                                std::function<void(EnvironmentValues&)> apply) &&;
  View withChangeHook(ChangeHook hook) &&;
  View withAnimationRecord(std::optional<Animation> animation, WatchedValue value) &&;
  View withAttachment(std::any value, std::string description) &&;

  std::shared_ptr<const ViewDefinition> definition_;
};

template <class T>
class CompositeBodyOf final : public CompositeBody {
 public:
  explicit CompositeBodyOf(T view) : view_(std::move(view)) {}
  View evaluate(BodyContext& context) const override {
    if constexpr (ContextViewBody<T>) {
      return view_.body(context);
    } else {
      (void)context;
      return view_.body();
    }
  }
  const T& value() const { return view_; }
  bool isComparable() const override { return std::equality_comparable<T>; }
  bool sameValue(const CompositeBody& other) const override {
    if constexpr (std::equality_comparable<T>) {
      if (typeid(other) != typeid(*this)) return false;
      return static_cast<const CompositeBodyOf<T>&>(other).view_ == view_;
    } else {
      (void)other;
      return false;
    }
  }

 private:
  T view_;
};

}  // namespace platform::ui
