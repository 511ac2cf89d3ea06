#include "platform/foundation/UserDefaultsValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace platform {
namespace {

using Value = UserDefaultsValue;
namespace convert = userDefaultsConversion;

TEST(UserDefaultsValue, KeepsItsKind) {
  EXPECT_EQ(Value().kind(), Value::Kind::null);
  EXPECT_EQ(Value(true).kind(), Value::Kind::boolean);
  EXPECT_EQ(Value(3).kind(), Value::Kind::integer);
  EXPECT_EQ(Value(std::int64_t{1} << 40).kind(), Value::Kind::integer);
  EXPECT_EQ(Value(3.0).kind(), Value::Kind::double_);
  EXPECT_EQ(Value("x").kind(), Value::Kind::string);
  EXPECT_EQ(Value(std::vector<std::string>{"a"}).kind(), Value::Kind::array);
  EXPECT_EQ(Value(Value::Dictionary{{"k", 1}}).kind(), Value::Kind::dictionary);
  EXPECT_EQ(Value(std::uint64_t{7}), Value(7));
  EXPECT_EQ(Value(UINT64_MAX).kind(), Value::Kind::double_);
  EXPECT_NE(Value(1), Value(1.0));
  EXPECT_NE(Value(1), Value(true));
}

TEST(UserDefaultsConversion, Integer) {
  struct Case {
    Value value;
    std::int64_t expected;
  };
  const Case cases[] = {
      {Value(), 0},
      {Value(true), 1},
      {Value(false), 0},
      {Value(42), 42},
      {Value(12.9), 12},
      {Value(-12.9), -12},
      {Value(std::nan("")), 0},
      {Value(1e300), std::numeric_limits<std::int64_t>::max()},
      {Value(-1e300), std::numeric_limits<std::int64_t>::min()},
      {Value("12"), 12},
      {Value("  -7 apples"), -7},
      {Value("+5"), 5},
      {Value("12.7"), 12},
      {Value("abc"), 0},
      {Value(""), 0},
      {Value("99999999999999999999"), std::numeric_limits<std::int64_t>::max()},
      {Value("-9223372036854775808"), std::numeric_limits<std::int64_t>::min()},
      {Value(std::vector<std::string>{"1"}), 0},
      {Value(Value::Dictionary{}), 0},
  };
  for (const auto& c : cases) EXPECT_EQ(convert::integer(c.value), c.expected) << convert::string(c.value).value_or("?");
}

TEST(UserDefaultsConversion, Boolean) {
  struct Case {
    Value value;
    bool expected;
  };
  const Case cases[] = {
      {Value(), false},         {Value(true), true},      {Value(0), false},      {Value(1), true},
      {Value(-3), true},        {Value(0.0), false},      {Value(0.5), true},     {Value(std::nan("")), false},
      {Value("YES"), true},     {Value("yes"), true},     {Value("true"), true},  {Value("TRUE"), true},
      {Value("1"), true},       {Value(" 2"), true},      {Value("0"), false},    {Value("NO"), false},
      {Value("false"), false},  {Value("maybe"), false},  {Value(""), false},     {Value("0.0"), false},
      {Value(std::vector<std::string>{"YES"}), false},
  };
  for (const auto& c : cases) EXPECT_EQ(convert::boolean(c.value), c.expected) << convert::string(c.value).value_or("?");
}

TEST(UserDefaultsConversion, DoubleValue) {
  EXPECT_EQ(convert::doubleValue(Value()), 0);
  EXPECT_EQ(convert::doubleValue(Value(true)), 1);
  EXPECT_EQ(convert::doubleValue(Value(7)), 7);
  EXPECT_EQ(convert::doubleValue(Value(12.5)), 12.5);
  EXPECT_EQ(convert::doubleValue(Value("12.5")), 12.5);
  EXPECT_EQ(convert::doubleValue(Value(" -1.5e2x")), -150);
  EXPECT_EQ(convert::doubleValue(Value("+.5")), 0.5);
  EXPECT_EQ(convert::doubleValue(Value("nan")), 0);
  EXPECT_EQ(convert::doubleValue(Value("inf")), 0);
  EXPECT_EQ(convert::doubleValue(Value("abc")), 0);
  EXPECT_EQ(convert::doubleValue(Value("1e400")), std::numeric_limits<double>::infinity());
  EXPECT_EQ(convert::doubleValue(Value("1e-400")), 0);
}

TEST(UserDefaultsConversion, StringAndStringArray) {
  EXPECT_EQ(convert::string(Value("hé")), "hé");
  EXPECT_EQ(convert::string(Value(12)), "12");
  EXPECT_EQ(convert::string(Value(1.5)), "1.5");
  EXPECT_EQ(convert::string(Value(30.0)), "30");
  EXPECT_EQ(convert::string(Value(true)), "1");
  EXPECT_EQ(convert::string(Value()), std::nullopt);
  EXPECT_EQ(convert::string(Value(std::vector<std::string>{"a"})), std::nullopt);

  EXPECT_EQ(convert::stringArray(Value(std::vector<std::string>{"a", "b"})), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(convert::stringArray(Value(Value::Array{})), std::vector<std::string>{});
  EXPECT_EQ(convert::stringArray(Value(Value::Array{Value("a"), Value(1)})), std::nullopt);
  EXPECT_EQ(convert::stringArray(Value("a")), std::nullopt);
  EXPECT_EQ(convert::stringArray(Value(Value::Dictionary{{"a", "b"}})), std::nullopt);
}

}  // namespace
}  // namespace platform
