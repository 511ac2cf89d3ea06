#include "keyloom/autocomplete/DictationConfiguration.h"

#include <gtest/gtest.h>

#include "keyloom/autocomplete/DictationAuthorizationStatus.h"
#include "keyloom/autocomplete/DictationServiceError.h"
#include "keyloom/autocomplete/KeyboardDictationConfiguration.h"
#include "platform/coding/Codable.h"
#include "platform/foundation/Locale.h"

namespace keyloom {
namespace {

using Status = DictationAuthorizationStatus;
using Kind = platform::DecodingError::Kind;

TEST(DictationAuthorizationStatus, RawValues) {
  struct Row {
    std::int64_t raw;
    std::optional<Status> status;
  };
  for (const Row& row : {Row{-2, std::nullopt}, Row{-1, Status::disabledService}, Row{0, Status::notDetermined},
                         Row{1, Status::denied}, Row{2, Status::restricted}, Row{3, Status::authorized},
                         Row{4, std::nullopt}}) {
    EXPECT_EQ(dictationAuthorizationStatus(row.raw), row.status) << row.raw;
    if (row.status) {
      EXPECT_EQ(rawValue(*row.status), row.raw);
    }
  }
}

TEST(DictationAuthorizationStatus, PlatformStatusMapsUnknownValuesToNotDetermined) {
  EXPECT_EQ(keyboardDictationStatus(0), Status::notDetermined);
  EXPECT_EQ(keyboardDictationStatus(1), Status::denied);
  EXPECT_EQ(keyboardDictationStatus(2), Status::restricted);
  EXPECT_EQ(keyboardDictationStatus(3), Status::authorized);
  EXPECT_EQ(keyboardDictationStatus(7), Status::notDetermined);
  EXPECT_EQ(keyboardDictationStatus(-1), Status::notDetermined);  // not a platform status
}

TEST(DictationConfiguration, StandardFollowsTheCurrentLocale) {
  EXPECT_EQ(DictationConfiguration::standard().localeId, platform::Locale::current().identifier());
  platform::Locale::setCurrent(platform::Locale("sv_SE"));
  EXPECT_EQ(DictationConfiguration::standard(), DictationConfiguration("sv_SE"));
}

TEST(KeyboardDictationConfiguration, DeepLinkMatchesOnlyTheExactString) {
  const KeyboardDictationConfiguration config("group.keyloom", "keyloomapp://dictation");
  EXPECT_TRUE(config.matchesDeepLink(*platform::URL::fromString("keyloomapp://dictation")));
  EXPECT_FALSE(config.matchesDeepLink(*platform::URL::fromString("keyloomapp://dictation/")));
  EXPECT_FALSE(config.matchesDeepLink(*platform::URL::fromString("KeyloomApp://dictation")));
  EXPECT_FALSE(config.matchesDeepLink(*platform::URL::fromString("keyloomapp://dictation?x=1")));
}

TEST(DictationConfigurationCoding, RoundTripsWithFieldNames) {
  const KeyboardDictationConfiguration keyboard("group.a", "app://b");
  const std::string json = platform::JSONEncoder().encode(keyboard);
  EXPECT_EQ(json, R"({"appGroupId":"group.a","appDeepLink":"app://b"})");
  EXPECT_EQ(platform::JSONDecoder().decode<KeyboardDictationConfiguration>(json), keyboard);

  const DictationConfiguration dictation("de_CH");
  EXPECT_EQ(platform::JSONEncoder().encode(dictation), R"({"localeId":"de_CH"})");
  EXPECT_EQ(platform::JSONDecoder().decode<DictationConfiguration>(R"({"localeId":"de_CH","x":1})"), dictation);
}

TEST(DictationConfigurationCoding, MissingOrMalformedFieldsFail) {
  struct Case {
    std::string_view json;
    Kind kind;
  };
  for (const Case& c : {Case{R"({"appGroupId":"group.a"})", Kind::keyNotFound},
                        Case{R"({"appGroupId":"group.a","appDeepLink":null})", Kind::valueNotFound},
                        Case{R"({"appGroupId":1,"appDeepLink":"x"})", Kind::typeMismatch},
                        Case{R"("group.a")", Kind::typeMismatch}}) {
    try {
      platform::JSONDecoder().decode<KeyboardDictationConfiguration>(c.json);
      ADD_FAILURE() << "decoded " << c.json;
    } catch (const platform::DecodingError& error) {
      EXPECT_EQ(error.kind(), c.kind) << c.json << ": " << error.detailedDescription();
    }
  }
  EXPECT_THROW(platform::JSONDecoder().decode<DictationConfiguration>("{}"), platform::DecodingError);
}

TEST(DictationServiceError, CasesCompareAndDescribeThemselves) {
  EXPECT_EQ(DictationServiceError::disabledService(), DictationServiceError::disabledService());
  EXPECT_NE(DictationServiceError::invalidAppDeepLink("a"), DictationServiceError::invalidAppDeepLink("b"));
  EXPECT_NE(DictationServiceError::missingAppGroupId(), DictationServiceError::missingSpeechRecognizer());
  EXPECT_EQ(DictationServiceError::disabledService().description(), "DictationServiceError.disabledService");
  EXPECT_EQ(DictationServiceError::invalidDictationAuthorizationStatus(Status::denied).description(),
            "DictationServiceError.invalidDictationAuthorizationStatus(denied)");
  EXPECT_TRUE(DictationServiceError::missingSpeechRecognitionRequest()
                  .is<dictation_service_error::MissingSpeechRecognitionRequest>());
}

}  // namespace
}  // namespace keyloom
