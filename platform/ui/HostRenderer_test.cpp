#include "platform/ui/HostRenderer.h"

#include <gtest/gtest.h>

#include <pango/pangocairo.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "platform/foundation/Text.h"
#include "platform/input/Screen.h"
#include "platform/ui/PangoTextMetrics.h"

namespace platform::ui {
namespace {

bool isCaretBlue(std::uint32_t pixel) { return (pixel & 0xFF) > 0xC0 && ((pixel >> 16) & 0xFF) < 0x60; }

// The screen drawn at one pixel a point.
struct Frame {
  explicit Frame(const SimulatedHost& host) {
    surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 390, 844);
    cairo_t* cr = cairo_create(surface);
    drawHost(host, {}, cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
  }
  ~Frame() { cairo_surface_destroy(surface); }
  std::uint32_t at(int x, int y) const {
    const unsigned char* data = cairo_image_surface_get_data(surface);
    return *reinterpret_cast<const std::uint32_t*>(data + y * cairo_image_surface_get_stride(surface) + x * 4);
  }
  // The leftmost column of the field's line that has the caret's blue.
  int caretX() const {
    for (int x = 16; x < 374; ++x) {
      const std::uint32_t p = at(x, 80);
      if (isCaretBlue(p)) return x;
    }
    return -1;
  }
  cairo_surface_t* surface;
};

std::shared_ptr<SimulatedHost> hostWithText(const std::string& text) {
  SimulatedHostConfiguration configuration;
  configuration.text = text;
  auto host = SimulatedHost::make(configuration);
  host->presentKeyboard(nullptr);
  return host;
}

TEST(HostRenderer, TheFieldShowsTheCaretsLineScrolledToTheCaret) {
  auto host = hostWithText("Short");
  const int shortCaret = Frame(*host).caretX();
  EXPECT_GT(shortCaret, 28);
  EXPECT_LT(shortCaret, 90);

  // A line longer than the field: its end and the caret stay in view.
  host->setText("first line\n" + std::string(200, 'w') + " end");
  const int longCaret = Frame(*host).caretX();
  EXPECT_GT(longCaret, 300);
  EXPECT_LT(longCaret, 374);

  // The caret at the start of the second line: drawn at the field's start.
  host->moveCursor(11);
  EXPECT_LT(Frame(*host).caretX(), 32);
}

// The field's line as drawn and as the same text laid out whole by Pango:
// the pixels of one must be those of the other, but for the caret's, and the
// caret must stand where the layout puts its position.
class FieldLine {
 public:
  // The field's line box and the strip it is cut to, in points.
  static constexpr double kTextLeft = 28;
  static constexpr double kTop = 70;
  static constexpr double kClipLeft = 26;

  FieldLine(const SimulatedHost& host, const std::string& line, std::size_t caretByte, int scale)
      : scale_(scale),
        screen_(Screen::main().bounds().size),
        drawn_(surface(screen_, scale)),
        whole_(surface(screen_, scale)) {
    cairo_t* cr = cairo_create(drawn_);
    cairo_scale(cr, scale, scale);
    drawHost(host, {}, cr);
    cairo_destroy(cr);
    cairo_surface_flush(drawn_);

    cr = cairo_create(whole_);
    cairo_scale(cr, scale, scale);
    layout_ = pango_cairo_create_layout(cr);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(pango_layout_get_context(layout_), options);
    cairo_font_options_destroy(options);
    pango_layout_context_changed(layout_);
    PangoFontDescription* description = makeFontDescription(Font::body());
    pango_layout_set_font_description(layout_, description);
    pango_font_description_free(description);
    pango_layout_set_text(layout_, line.data(), static_cast<int>(line.size()));
    PangoRectangle logical;
    pango_layout_get_extents(layout_, nullptr, &logical);
    height_ = static_cast<double>(logical.height) / PANGO_SCALE;
    PangoRectangle strong;
    pango_layout_get_cursor_pos(layout_, static_cast<int>(caretByte), &strong, nullptr);
    const double x = static_cast<double>(strong.x) / PANGO_SCALE;
    const bool rightToLeft = pango_layout_get_line_readonly(layout_, 0)->resolved_dir == PANGO_DIRECTION_RTL;
    // Two points wide on whole points, reaching the way the line runs.
    layoutCaret_ = rightToLeft ? std::floor(x) - 2 : std::ceil(x);
    cairo_destroy(cr);
  }
  ~FieldLine() {
    g_object_unref(layout_);
    cairo_surface_destroy(whole_);
    cairo_surface_destroy(drawn_);
  }
  FieldLine(const FieldLine&) = delete;
  FieldLine& operator=(const FieldLine&) = delete;

  // The caret's left edge on the screen, in points, from the caret's blue
  // on the line's middle row; nullopt when none is drawn.
  std::optional<double> drawnCaret() const {
    const int y = static_cast<int>((kTop + 11) * scale_);
    for (int x = 0; x < width(); ++x) {
      if (isCaretBlue(at(drawn_, x, y))) return static_cast<double>(x) / scale_;
    }
    return std::nullopt;
  }
  // Where the caret's left edge is in the layout, from the text's left edge.
  double layoutCaret() const { return layoutCaret_; }
  double clipRight() const { return screen_.width - kClipLeft; }

  // Pixels of the line's strip that differ from the text laid out whole,
  // drawn moved left by `scroll` points, leaving out the caret's columns.
  int textDifferences(double scroll) {
    cairo_t* cr = cairo_create(whole_);
    cairo_scale(cr, scale_, scale_);
    cairo_rectangle(cr, kClipLeft, kTop - 10, clipRight() - kClipLeft, 42);
    cairo_clip(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_move_to(cr, kTextLeft - scroll, kTop + (std::max(22.0, height_) - height_) / 2);
    pango_cairo_show_layout(cr, layout_);
    cairo_destroy(cr);
    cairo_surface_flush(whole_);
    const int caretLeft = static_cast<int>(std::lround((kTextLeft - scroll + layoutCaret_) * scale_));
    int count = 0;
    for (int y = static_cast<int>((kTop - 10) * scale_); y < static_cast<int>((kTop + 32) * scale_); ++y) {
      for (int x = static_cast<int>(kClipLeft * scale_); x < static_cast<int>(clipRight() * scale_); ++x) {
        if (x >= caretLeft && x < caretLeft + 2 * scale_) continue;
        count += at(drawn_, x, y) != at(whole_, x, y);
      }
    }
    return count;
  }

 private:
  static cairo_surface_t* surface(Size screen, int scale) {
    cairo_surface_t* surface = cairo_image_surface_create(
        CAIRO_FORMAT_ARGB32, static_cast<int>(screen.width) * scale, static_cast<int>(screen.height) * scale);
    cairo_t* cr = cairo_create(surface);
    // The field's white, where the line is.
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_destroy(cr);
    return surface;
  }
  static std::uint32_t at(cairo_surface_t* surface, int x, int y) {
    const unsigned char* data = cairo_image_surface_get_data(surface);
    return *reinterpret_cast<const std::uint32_t*>(data + y * cairo_image_surface_get_stride(surface) + x * 4);
  }
  int width() const { return cairo_image_surface_get_width(drawn_); }

  int scale_;
  Size screen_;
  cairo_surface_t* drawn_;
  cairo_surface_t* whole_;
  PangoLayout* layout_ = nullptr;
  double height_ = 0;
  double layoutCaret_ = 0;
};

TEST(HostRenderer, ARightToLeftOrMixedLineIsDrawnWholeWithTheCaretWhereItsLayoutPutsIt) {
  struct Case {
    const char* name;
    std::string text;  // the caret's line between the others, if any
    std::string line;
    std::vector<std::size_t> carets;  // start, inside a word, between words, end
  };
  const Case cases[] = {
      {"Arabic", "سلام عليكم", "سلام عليكم", {0, 2, 4, 5, 9, 10}},
      {"Hebrew", "שלום עולם", "שלום עולם", {0, 2, 4, 5, 6, 9}},
      {"mixed", "abc שלום עולם", "abc שלום עולם", {0, 2, 4, 6, 8, 9, 11, 13}},
      {"Hebrew then Latin", "שלום abc", "שלום abc", {0, 4, 5, 6, 8}},
      {"a line between others", "first\nسلام عليكم\nlast", "سلام عليكم", {0, 3, 10}},
  };
  for (const Case& c : cases) {
    auto host = hostWithText(c.text);
    const std::size_t lineStart = text::graphemeCount(c.text.substr(0, c.text.find(c.line)));
    for (const std::size_t caret : c.carets) {
      host->moveCursor(lineStart + caret);
      for (const int scale : {1, 2}) {
        FieldLine field(*host, c.line, text::byteOffsetOfGrapheme(c.line, caret), scale);
        const std::string where = std::string(c.name) + ", caret " + std::to_string(caret) + ", scale " +
                                  std::to_string(scale);
        ASSERT_TRUE(field.drawnCaret()) << where;
        EXPECT_EQ(*field.drawnCaret(), FieldLine::kTextLeft + field.layoutCaret()) << where;
        EXPECT_EQ(field.textDifferences(0), 0) << where;
      }
    }
  }
}

// A device's screen as the simulated host gives it.
struct Device {
  const char* name;
  UserInterfaceIdiom idiom;
  Size size;  // upright
  ScreenOrientation orientation;
};

const Device kDevices[] = {
    {"phone", UserInterfaceIdiom::phone, {390, 844}, ScreenOrientation::portrait},
    {"phone in landscape", UserInterfaceIdiom::phone, {390, 844}, ScreenOrientation::landscapeLeft},
    {"pad in landscape", UserInterfaceIdiom::pad, {820, 1180}, ScreenOrientation::landscapeLeft},
};

std::shared_ptr<SimulatedHost> hostOn(const Device& device, const std::string& text) {
  SimulatedHostConfiguration configuration;
  configuration.idiom = device.idiom;
  configuration.screenSize = device.size;
  configuration.orientation = device.orientation;
  configuration.text = text;
  auto host = SimulatedHost::make(configuration);
  host->presentKeyboard(nullptr);
  return host;
}

TEST(HostRenderer, ALongRightToLeftLineScrollsToKeepTheCaretInView) {
  std::string line;
  for (int i = 0; i < 12; ++i) line += "سلام عليكم ";
  line += "abc";
  const std::size_t count = text::graphemeCount(line);
  const Device devices[] = {
      {"phone", UserInterfaceIdiom::phone, {390, 844}, ScreenOrientation::portrait},
      {"phone in landscape", UserInterfaceIdiom::phone, {390, 844}, ScreenOrientation::landscapeLeft},
      {"pad", UserInterfaceIdiom::pad, {820, 1180}, ScreenOrientation::portrait},
  };
  for (const Device& device : devices) {
    auto host = hostOn(device, line);
    for (const std::size_t caret : {std::size_t{0}, count / 2, count - 4, count - 3, count}) {
      host->moveCursor(caret);
      FieldLine field(*host, line, text::byteOffsetOfGrapheme(line, caret), 1);
      const std::string where = std::string(device.name) + ", caret " + std::to_string(caret);
      ASSERT_TRUE(field.drawnCaret()) << where;
      const double drawn = *field.drawnCaret();
      EXPECT_GE(drawn, FieldLine::kClipLeft) << where;
      EXPECT_LE(drawn + 2, field.clipRight()) << where;
      // The line's start at its right end: scrolled there, the caret at the
      // field's edge; its end at the left, unscrolled.
      if (caret == 0) {
        EXPECT_EQ(drawn + 2, field.clipRight() - 2) << where;
      } else if (caret == count) {
        EXPECT_EQ(drawn, FieldLine::kClipLeft) << where;
      }
      // Moved as a whole: the text where the caret's move puts it.
      EXPECT_EQ(field.textDifferences(FieldLine::kTextLeft + field.layoutCaret() - drawn), 0) << where;
    }
  }
}

TEST(HostRenderer, ALongTextIsLaidOutOnlyAroundTheCaret) {
  auto host = hostWithText(std::string(200000, 'a'));
  const auto start = std::chrono::steady_clock::now();
  Frame frame(*host);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 0.5) << "only the caret's surroundings are laid out";
  EXPECT_GT(frame.caretX(), 300);
}

// The line the field lays out, as its text node holds it.
std::string laidOutLine(const SimulatedHost& host) {
  ViewHost application(hostApplicationView(host, Size{390, 844}, false));
  for (const auto& node : application.findAll(NodeKind::text)) {
    if (auto text = node->text()) return *text;
  }
  return {};
}

// Around a caret far inside a long line, the field lays out enough
// characters each side to fill its line, and no more than a few kilobytes:
// where the bytes run out inside a character of several bytes, or inside a
// sequence of characters that is one (a flag, a joined emoji, a letter with
// its marks), the cut is made at the character's edge, never inside.
TEST(HostRenderer, ALongLineIsCutAroundTheCaretAtCharacterBoundaries) {
  std::string narrowLetterWithMarks = "i";
  for (int mark = 0; mark < 12; ++mark) narrowLetterWithMarks += mark % 2 == 0 ? "\u0301" : "\u0323";
  const std::string characters[] = {
      "\U0001F600",                                                  // an emoji: four bytes
      "\U0001F1E9\U0001F1EA",                                        // a flag: two regional indicators
      "\U0001F468\u200D\U0001F469\u200D\U0001F467",                  // a family: joined emoji
      "\U0001F468\u200D\U0001F469\u200D\U0001F467\u200D\U0001F466",  // a larger one
      "\U0001F44B\U0001F3FD",                                        // a waving hand with a skin tone
      "e\u0301\u0323",                                               // a letter with two combining marks
      narrowLetterWithMarks,                                         // a narrow one with twelve
      "\u00E9",                                                      // two bytes
  };
  const double lineWidth = 390 - 2 * 16 - 2 * 12;
  for (const std::string& character : characters) {
    // As many of the character as the field's line shows.
    const auto shown = static_cast<std::size_t>(
        std::ceil(lineWidth / PangoTextMetrics::shared()->measure(character, Font::body()).width));
    // Every way the character can straddle the cuts, on both sides.
    for (std::size_t shift = 0; shift < character.size() + 2; ++shift) {
      SCOPED_TRACE(std::to_string(character.size()) + "-byte character, shifted " + std::to_string(shift));
      std::string side;
      while (side.size() < 8000) side += character;
      // The caret between two marks, which place the line in the text.
      const std::string before = side + side + std::string(shift, 'a') + "[";
      const std::string after = "]" + std::string(shift, 'a') + side + side;
      auto host = hostWithText(before + after);
      host->moveCursor(text::graphemeCount(before));
      const std::string line = laidOutLine(*host);
      ASSERT_TRUE(text::isValidUtf8(line));
      // Whole characters of the text, the caret's among them, enough to
      // fill the line on each side and a few kilobytes at most.
      const std::string text = host->textField().text();
      ASSERT_NE(line.find("[]"), std::string::npos);
      const std::size_t start = before.size() - 1 - line.find("[]");
      ASSERT_EQ(text.substr(start, line.size()), line);
      const auto boundaries = text::graphemeBoundaries(text);
      EXPECT_TRUE(std::binary_search(boundaries.begin(), boundaries.end(), start));
      EXPECT_TRUE(std::binary_search(boundaries.begin(), boundaries.end(), start + line.size()));
      const std::string_view shownBefore = std::string_view(text).substr(start, before.size() - start);
      const std::string_view shownAfter =
          std::string_view(text).substr(before.size(), start + line.size() - before.size());
      EXPECT_GT(text::graphemeCount(shownBefore), shown);
      EXPECT_GT(text::graphemeCount(shownAfter), shown);
      EXPECT_LE(shownBefore.size(), 4096u);
      EXPECT_LE(shownAfter.size(), 4096u);
    }
  }
}

// The strip of the screen that holds the field, drawn at `scale` pixels a
// point: which of its columns between the field's inner edges have ink
// (anything but the field's white), and where the caret's blue is.
class FieldStrip {
 public:
  static constexpr double kClipLeft = 26;  // the field's inner edge, widened by a caret
  static constexpr double kTop = 62;       // inside the field's rounded corners
  static constexpr double kBottom = 100;

  FieldStrip(const SimulatedHost& host, int scale)
      : scale_(scale), screenWidth_(Screen::main().bounds().width()) {
    cairo_surface_t* surface = cairo_image_surface_create(
        CAIRO_FORMAT_ARGB32, static_cast<int>(screenWidth_) * scale, static_cast<int>(kBottom) * scale);
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, scale, scale);
    drawHost(host, {}, cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const int left = static_cast<int>(kClipLeft) * scale;
    const int right = static_cast<int>(clipRight()) * scale;
    const int caretRow = static_cast<int>(70 + 11) * scale;
    for (int x = left; x < right; ++x) {
      bool ink = false;
      for (int y = static_cast<int>(kTop) * scale; y < static_cast<int>(kBottom) * scale && !ink; ++y) {
        ink = *reinterpret_cast<const std::uint32_t*>(data + y * stride + x * 4) != 0xFFFFFFFF;
      }
      inked_.push_back(ink);
      const std::uint32_t p = *reinterpret_cast<const std::uint32_t*>(data + caretRow * stride + x * 4);
      if (!caret_ && isCaretBlue(p)) caret_ = static_cast<double>(x) / scale;
    }
    cairo_surface_destroy(surface);
  }

  double clipRight() const { return screenWidth_ - kClipLeft; }
  // The caret's left edge, in points; nullopt when none is drawn.
  std::optional<double> caret() const { return caret_; }
  // The widest run of columns without ink between the field's inner edges,
  // in points.
  double widestEmptyRun() const {
    int widest = 0;
    int run = 0;
    for (const bool ink : inked_) {
      run = ink ? 0 : run + 1;
      widest = std::max(widest, run);
    }
    return static_cast<double>(widest) / scale_;
  }

 private:
  int scale_;
  double screenWidth_;
  std::vector<bool> inked_;
  std::optional<double> caret_;
};

// A line of characters of many bytes fills the field as a line of plain
// letters does, with the caret where the whole line puts it: at the field's
// right edge once the text before it is wider than the field (at its left,
// for a right-to-left line's end), at the text's start at the line's start.
TEST(HostRenderer, ALineOfCharactersOfManyBytesFillsTheFieldAsPlainLettersDo) {
  std::string letterWithMarks = "a";
  std::string hebrewWithMarks = "\u05E9";
  for (int mark = 0; mark < 12; ++mark) {
    letterWithMarks += mark % 2 == 0 ? "\u0301" : "\u0323";
    hebrewWithMarks += mark % 2 == 0 ? "\u05B8" : "\u05C1";
  }
  const std::string family = "\U0001F468\u200D\U0001F469\u200D\U0001F467\u200D\U0001F466";
  struct Line {
    const char* name;
    std::vector<std::string> characters;  // repeated in turn
    bool rightToLeft = false;
    std::string above;  // the lines before and after it in the text
    std::string below;
  };
  const Line lines[] = {
      {"plain letters", {"t", "h", "e", " ", "f", "o", "x", " "}, false, "", ""},
      {"families", {family}, false, "", ""},
      {"flags", {"\U0001F1E9\U0001F1EA", "\U0001F1EB\U0001F1F7", "\U0001F1EF\U0001F1F5"}, false, "", ""},
      {"letters with twelve marks", {letterWithMarks}, false, "", ""},
      {"Hebrew letters with twelve marks", {hebrewWithMarks}, true, "", ""},
      {"families between other lines", {family}, false, "above\n", "\r\nbelow"},
  };
  for (const Line& line : lines) {
    std::string text;
    constexpr std::size_t kCount = 400;  // several widths of the widest field
    for (std::size_t i = 0; i < kCount; ++i) text += line.characters[i % line.characters.size()];
    ASSERT_EQ(text::graphemeCount(text), kCount) << line.name;
    const std::size_t lineStart = text::graphemeCount(line.above);
    for (const Device& device : kDevices) {
      auto host = hostOn(device, line.above + text + line.below);
      for (const std::size_t caret : {std::size_t{0}, kCount / 2, kCount}) {
        host->moveCursor(lineStart + caret);
        for (const int scale : {1, 3}) {
          const std::string where = std::string(line.name) + " on the " + device.name + ", caret " +
                                    std::to_string(caret) + ", scale " + std::to_string(scale);
          const FieldStrip field(*host, scale);
          EXPECT_LT(field.widestEmptyRun(), 12) << where;
          ASSERT_TRUE(field.caret()) << where;
          double expected = field.clipRight() - 4;
          if (caret == 0 && !line.rightToLeft) expected = 28;
          if (caret == kCount && line.rightToLeft) expected = FieldStrip::kClipLeft;
          EXPECT_EQ(*field.caret(), expected) << where;
        }
      }
    }
  }
}

// An empty field shows its placeholder after the caret, or the caret alone.
TEST(HostRenderer, AnEmptyFieldShowsItsPlaceholderOrTheCaretAlone) {
  for (const Device& device : kDevices) {
    for (const std::optional<std::string>& placeholder : {std::optional<std::string>("Search"),
                                                          std::optional<std::string>()}) {
      const std::string where = std::string(device.name) + (placeholder ? ", a placeholder" : ", none");
      auto host = hostOn(device, "");
      host->textField().setPlaceholder(placeholder);
      EXPECT_EQ(laidOutLine(*host), placeholder.value_or("")) << where;
      const FieldStrip field(*host, 2);
      EXPECT_EQ(field.caret(), 28) << where;
      // The caret and the field's edge at its left: nothing else, or the
      // placeholder's few letters.
      const double empty = field.clipRight() - FieldStrip::kClipLeft - 4;
      if (placeholder) {
        EXPECT_LT(field.widestEmptyRun(), empty - 40) << where;
      } else {
        EXPECT_EQ(field.widestEmptyRun(), empty) << where;
      }
    }
  }
}

// Seconds to draw the host's screen a few times over.
// The fastest of a few runs of ten frames, so a busy machine's pauses do not
// count.
double secondsToDraw(const SimulatedHost& host) {
  double fastest = std::numeric_limits<double>::infinity();
  for (int run = 0; run < 3; ++run) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 10; ++i) Frame frame(host);
    fastest = std::min(fastest, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return fastest;
}

TEST(HostRenderer, AMegabyteLineIsDrawnAsFastAsAShortOne) {
  std::string words;
  while (words.size() < (1 << 20)) words += "\u0633\u0644\u0627\u0645 the quick brown fox ";
  auto longLine = hostWithText(words);
  auto shortLine = hostWithText(words.substr(0, 200));
  secondsToDraw(*shortLine);  // fonts loaded
  const double shortSeconds = secondsToDraw(*shortLine);
  EXPECT_LT(secondsToDraw(*longLine), 3 * shortSeconds + 0.02) << "at the end";
  longLine->moveCursor(text::graphemeCount(words) / 2);
  EXPECT_LT(secondsToDraw(*longLine), 3 * shortSeconds + 0.02) << "in the middle";
}

// However many bytes a line's characters hold (here letters with five
// hundred marks each, a kilobyte apiece), the field lays out a part of the
// line bounded in bytes, so its frame costs what a short line's does.
TEST(HostRenderer, AMegabyteLineOfLongCharactersIsDrawnAsFastAsAShortOne) {
  std::string letter = "a";
  for (int mark = 0; mark < 500; ++mark) letter += mark % 2 == 0 ? "\u0301" : "\u0323";
  std::string line;
  while (line.size() < (1 << 20)) line += letter;
  auto longLine = hostWithText(line);
  auto shortLine = hostWithText(line.substr(0, 8 * letter.size()));
  secondsToDraw(*shortLine);  // fonts loaded
  const double shortSeconds = secondsToDraw(*shortLine);
  EXPECT_LT(secondsToDraw(*longLine), 3 * shortSeconds + 0.02) << "at the end";
  longLine->moveCursor(text::graphemeCount(line) / 2);
  EXPECT_LT(secondsToDraw(*longLine), 3 * shortSeconds + 0.02) << "in the middle";
}

TEST(HostRenderer, AScreenshotDrawnInBandsCountsEachMissingGlyphOnce) {
  // Two characters no font has, on a line that crosses a band's edge at 3x.
  auto host = hostWithText("ab\uE000\uE001");
  const std::string path = ::testing::TempDir() + "host-renderer-missing-glyphs.png";
  const RenderReport report = renderHost(*host, {}, path, 3);
  EXPECT_EQ(report.pixelWidth, 1170);
  EXPECT_EQ(report.unknownGlyphs, 2);
}

}  // namespace
}  // namespace platform::ui
