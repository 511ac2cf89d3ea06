#include "platform/ui/DrawingKey.h"

#include <gtest/gtest.h>

#include "platform/ui/UI.h"

namespace platform::ui {
namespace {

View callout(const std::string& text, Color fill, double width, ColorScheme scheme = ColorScheme::light,
             AnyShape shape = RoundedRectangle(6)) {
  return Text(text)
      .frame(width, 40)
      .background(shape.fill(fill))
      .shadow(Color::black().opacity(0.3), 2)
      .colorScheme(scheme);
}

std::optional<std::string> keyOf(const View& view) {
  ViewHost host(view);
  host.layout(Size{100, 60});
  return drawingKey(*host.root(), host.root()->modifiers().size());
}

TEST(DrawingKey, IsTheSameForTheSameDrawingAndDiffersWithWhatIsDrawn) {
  const auto key = keyOf(callout("e", Color::white(), 40));
  ASSERT_TRUE(key);
  EXPECT_EQ(keyOf(callout("e", Color::white(), 40)), key) << "built again";
  EXPECT_NE(keyOf(callout("é", Color::white(), 40)), key) << "text";
  EXPECT_NE(keyOf(callout("e", Color::gray(), 40)), key) << "a layer's fill";
  EXPECT_NE(keyOf(callout("e", Color::white(), 44)), key) << "frames";
  EXPECT_NE(keyOf(callout("e", Color::primary(), 40, ColorScheme::dark)),
            keyOf(callout("e", Color::primary(), 40, ColorScheme::light)))
      << "an adaptive colour in another scheme";
  EXPECT_NE(keyOf(callout("e", Color::white(), 40, ColorScheme::light, RoundedRectangle(8))), key) << "corners";
  EXPECT_NE(keyOf(callout("e", Color::white(), 40, ColorScheme::light, Capsule())), key) << "shape";
}

TEST(DrawingKey, APictureFromDataHasNone) {
  const std::vector<std::uint8_t> notAPicture = {1, 2, 3};
  EXPECT_FALSE(keyOf(View(Image::fromData(notAPicture)).frame(10, 10).shadow(Color::black(), 2)));
}

}  // namespace
}  // namespace platform::ui
