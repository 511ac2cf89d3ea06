#include "platform/ui/Node.h"

#include <gtest/gtest.h>

#include "platform/ui/UI.h"

namespace platform::ui {
namespace {

View key(const std::string& label) {
  return Button([] {}, Text(label))
      .frame(std::nullopt, 42)
      .padding(EdgeInsets(6, 3, 6, 3))
      .background(RoundedRectangle(5).fill(Color::white()))
      .accessibilityIdentifier("key-" + label);
}

struct KeyboardLike {
  View body() const {
    return VStack(HorizontalAlignment::center, 0,
                  {HStack(VerticalAlignment::center, 0, {key("q"), key("w")}),
                   HStack(VerticalAlignment::center, 0, {key("a"), key("s")})})
        .padding(EdgeSet::horizontal(), 4)
        .background(Color::gray())
        .overlay(Text("callout").opacity(0), Alignment::top())
        .buttonStyle(ButtonStyle::plain())
        .font(Font::system(22, FontWeight::light));
  }
};

TEST(NodeDump, SmallKeyboardIsStableAndReadable) {
  ViewHost host(KeyboardLike{});
  std::string keyDump;
  for (const char* label : {"q", "w", "a", "s"}) {
    if (std::string(label) == "a") keyDump += "    HStack(spacing: 0)\n";
    keyDump += std::string("      Button(style: plain)\n") +
               "        Text(\"" + label + "\")\n" +
               "        .frame(height: 42)\n"
               "        .padding(top: 6, leading: 3, bottom: 6, trailing: 3)\n"
               "        .background\n"
               "          RoundedRectangle(cornerRadius: 5).fill(white)\n"
               "        .accessibilityIdentifier(\"key-" + label + "\")\n";
  }
  EXPECT_EQ(host.dump(),
            "KeyboardLike\n"
            "  VStack(spacing: 0)\n"
            "    HStack(spacing: 0)\n" +
                keyDump +
                "    .padding(leading: 4, trailing: 4)\n"
                "    .background\n"
                "      Color(gray)\n"
                "    .overlay(alignment: top)\n"
                "      Text(\"callout\")\n"
                "        .opacity(0)\n"
                "    .buttonStyle(plain)\n"
                "    .font(system(22, weight: light))\n");
  EXPECT_EQ(host.dump(), host.dump()) << "dumping changes nothing";
}

TEST(Node, EnvironmentModifiersDescribeTheirValues) {
  ViewHost host(Text("a")
                    .foregroundColor(std::nullopt)
                    .foregroundColor(Color::red())
                    .font(std::nullopt)
                    .minimumScaleFactor(0.5)
                    .lineLimit(2)
                    .buttonStyle(nullptr));
  EXPECT_EQ(host.dump(),
            "Text(\"a\")\n"
            "  .foregroundColor(nil)\n"
            "  .foregroundColor(red)\n"
            "  .font(nil)\n"
            "  .minimumScaleFactor(0.5)\n"
            "  .lineLimit(2)\n"
            "  .buttonStyle(automatic)\n");
}

struct Tagged {
  int code;
  bool operator==(const Tagged&) const = default;
};

class Drag : public Gesture {};

struct Bordered {
  View body(View content) const { return content.padding(2).overlay(Rectangle().stroke(Color::black())); }
};

TEST(NodeDump, PrimitivesDescribeThemselves) {
  ViewHost host(VStack(
      HorizontalAlignment::leading, std::nullopt,
      {ScrollView(Axis::horizontal, false,
                  LazyHGrid({GridItem::fixed(40, -2), GridItem::flexible()}, VerticalAlignment::top, 5,
                            {ForEachIndex(2, [](std::size_t i) { return Text(std::to_string(i)); })})),
       LinearGradient({Color::white(), Color::black().opacity(0.5)}, UnitPoint::top(), UnitPoint::bottom()),
       View(Image::system("delete.left")).resizable().aspectRatio(std::nullopt, ContentMode::fill),
       RoundedRectangle(4).strokeBorder(Color::clear(), StrokeStyle{.lineWidth = 2}),
       If(false, Text("yes"), Spacer(20)),
       Menu(Text("menu"), Button("Item", [] {})),
       Divider()
           .gesture(std::make_shared<Drag>(), GestureMask::subviews)
           .onTapGesture([] {}, 2)
           .attach(Tagged{7}, "key 7"),
       Text("boxed").modifier(Bordered{}).contextMenu(Button("Copy", [] {}))}));
  EXPECT_EQ(host.dump(),
            "VStack(alignment: leading)\n"
            "  ScrollView(horizontal, indicators: hidden)\n"
            "    LazyHGrid(rows: [fixed(40, spacing: -2), flexible(10, inf)], spacing: 5)\n"
            "      ForEach(2 items)\n"
            "        Text(\"0\")\n"
            "        Text(\"1\")\n"
            "  LinearGradient([white, black.opacity(0.5)], from: top, to: bottom)\n"
            "  Image(systemName: \"delete.left\")\n"
            "    .resizable\n"
            "    .aspectRatio(contentMode: fill)\n"
            "  RoundedRectangle(cornerRadius: 4).strokeBorder(clear, lineWidth: 2, cap: butt, "
            "join: miter, miterLimit: 10)\n"
            "  If(false)\n"
            "    Spacer(minLength: 20)\n"
            "  Menu\n"
            "    Text(\"menu\")\n"
            "    items:\n"
            "      Button\n"
            "        Text(\"Item\")\n"
            "          .foregroundColor(accentColor)\n"
            "          .opacity(1)\n"
            "  Divider\n"
            "    .gesture(Drag, including: subviews)\n"
            "    .onTapGesture(count: 2)\n"
            "    .attach(key 7)\n"
            "  Bordered\n"
            "    Text(\"boxed\")\n"
            "      .padding(2)\n"
            "      .overlay\n"
            "        Rectangle.stroke(black, lineWidth: 1, cap: butt, join: miter, miterLimit: 10)\n"
            "    .contextMenu\n"
            "      Button\n"
            "        Text(\"Copy\")\n"
            "          .foregroundColor(accentColor)\n"
            "          .opacity(1)\n");
}

TEST(NodeSearch, FindsByKindTextIdentifierAndAttachedValue) {
  ViewHost host(VStack({KeyboardLike{}, Text("x").attach(Tagged{3}), Text("y").attach(Tagged{4})}));
  EXPECT_EQ(host.findAll(NodeKind::button).size(), 4u);
  EXPECT_EQ(host.findAll(NodeKind::hstack).size(), 2u);
  EXPECT_EQ(host.findAllOfType<KeyboardLike>().size(), 1u);

  auto key = host.findByAccessibilityIdentifier("key-w");
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->kind(), NodeKind::button);
  EXPECT_EQ(key->children().at(0)->text(), "w");
  ASSERT_NE(key->modifier<Frame>(), nullptr);
  EXPECT_EQ(key->modifier<Frame>()->height, 42);
  EXPECT_EQ(key->modifier<Padding>()->insets, EdgeInsets(6, 3, 6, 3));
  EXPECT_EQ(key->resolvedFont(), Font::system(22, FontWeight::light));

  auto tagged = host.findAttached(Tagged{4});
  ASSERT_NE(tagged, nullptr);
  EXPECT_EQ(tagged->text(), "y");
  EXPECT_EQ(host.findAttached(Tagged{5}), nullptr);
  EXPECT_EQ(host.findText("nothing"), nullptr);
}

TEST(NodeTree, LayoutChildrenSpliceGroupsForEachAndConditionals) {
  ViewHost host(HStack({Text("a"), Group({Text("b"), If(true, Text("c"))}),
                        ForEach({{ViewId("d"), Text("d")}, {ViewId("e"), Text("e")}}),
                        If(false, Text("hidden"))}));
  std::vector<std::string> texts;
  for (const auto& child : host.root()->layoutChildren()) texts.push_back(child->text().value_or("?"));
  EXPECT_EQ(texts, (std::vector<std::string>{"a", "b", "c", "d", "e"}));
}

TEST(NodeTree, LayersAndMenuItemsHaveTheirRoles) {
  ViewHost host(Text("k").background(Color::white()).overlay(Text("o")).contextMenu(Text("menu")));
  auto root = host.root();
  EXPECT_EQ(root->layer(0)->role(), NodeRole::background);
  EXPECT_EQ(root->layer(1)->role(), NodeRole::overlay);
  EXPECT_EQ(root->layer(2)->role(), NodeRole::contextMenu);
  EXPECT_EQ(root->layer(2)->text(), "menu");
  EXPECT_TRUE(root->children(NodeRole::content).empty());
  EXPECT_TRUE(root->layoutChildren().empty());
}

TEST(NodeTree, TapRunsTapActionsAndAccessibilityIsReadable) {
  int taps = 0;
  ViewHost host(View(Color::clear())
                    .contentShape(Rectangle())
                    .onTapGesture([&] { ++taps; })
                    .accessibilityLabel("Space")
                    .accessibilityAddTraits(AccessibilityTrait::isButton));
  host.root()->tap();
  EXPECT_EQ(taps, 1);

  ViewHost menu(Menu(Text("space"), Button("English", [] {}), [&] { taps += 10; }));
  menu.root()->tap();
  EXPECT_EQ(taps, 11) << "a plain tap on a menu runs its primary action";
  EXPECT_EQ(host.root()->accessibilityLabel(), "Space");
  EXPECT_TRUE(host.root()->hasAccessibilityTrait(AccessibilityTrait::isButton));
  EXPECT_FALSE(host.root()->hasAccessibilityTrait(AccessibilityTrait::isHeader));
  EXPECT_EQ(host.root()->modifier<ContentShape>()->shape.description(), "Rectangle");
}

}  // namespace
}  // namespace platform::ui
