// The interface language chosen from the environment, and the filling of text patterns.
#include <gtest/gtest.h>

#include "Translate.h"

namespace {

using i18n::Language;

struct LanguageCase {
    i18n::Environment environment;
    Language expected;
};

class LanguageFromEnvironment : public testing::TestWithParam<LanguageCase> {};

TEST_P(LanguageFromEnvironment, FollowsGettextOrder)
{
    EXPECT_EQ(i18n::languageOf(GetParam().environment), GetParam().expected);
}

constexpr Language Ru = Language::Russian;
constexpr Language En = Language::English;

// {LANGUAGE, LC_ALL, LC_MESSAGES, LANG}
INSTANTIATE_TEST_SUITE_P(Table, LanguageFromEnvironment, testing::Values(
    LanguageCase{{"", "", "", ""}, Ru},
    LanguageCase{{"", "", "", "C"}, Ru},
    LanguageCase{{"", "", "", "C.UTF-8"}, Ru},
    LanguageCase{{"", "POSIX", "", "en_US.UTF-8"}, Ru},
    LanguageCase{{"", "", "", "ru_RU.UTF-8"}, Ru},
    LanguageCase{{"", "", "", "uk_UA.UTF-8"}, Ru},
    LanguageCase{{"", "", "", "be_BY.UTF-8"}, Ru},
    LanguageCase{{"", "", "", "kk_KZ.UTF-8"}, Ru},
    LanguageCase{{"", "", "", "ru"}, Ru},
    LanguageCase{{"", "", "", "en_US.UTF-8"}, En},
    LanguageCase{{"", "", "", "de_DE.UTF-8"}, En},
    LanguageCase{{"", "", "", "sr_RS@latin"}, En},
    LanguageCase{{"", "", "", "rus"}, En}, // a code that only begins like Russian's
    // LC_ALL over LC_MESSAGES over LANG
    LanguageCase{{"", "en_GB.UTF-8", "ru_RU.UTF-8", "ru_RU.UTF-8"}, En},
    LanguageCase{{"", "ru_RU.UTF-8", "", "en_US.UTF-8"}, Ru},
    LanguageCase{{"", "", "de_DE.UTF-8", "ru_RU.UTF-8"}, En},
    LanguageCase{{"", "", "ru_RU.UTF-8", "de_DE.UTF-8"}, Ru},
    // LANGUAGE's list first, unless the locale is C or unset
    LanguageCase{{"en", "", "", "ru_RU.UTF-8"}, En},
    LanguageCase{{"ru", "", "", "en_US.UTF-8"}, Ru},
    LanguageCase{{"en", "", "", "C.UTF-8"}, Ru},
    LanguageCase{{"en", "", "", ""}, Ru},
    LanguageCase{{"de:ru:en", "", "", "de_DE.UTF-8"}, Ru},
    LanguageCase{{"fr:en_GB:ru", "", "", "fr_FR.UTF-8"}, En},
    LanguageCase{{"fr:de", "", "", "ru_RU.UTF-8"}, En},
    LanguageCase{{":uk", "", "", "en_US.UTF-8"}, Ru},
    LanguageCase{{"be_BY", "", "", "en_US.UTF-8"}, Ru}));

TEST(Arg, FillsMarkersInTheirOrderWhereverTheyStand)
{
    EXPECT_EQ(i18n::arg("%2 over %1", {"a", "b"}), "b over a");
    EXPECT_EQ(i18n::arg("%1%%3", {"x"}), "x%%3");
    EXPECT_EQ(i18n::arg("100%", {"x"}), "100%");
}

std::string upper(const char*, const char* source) { return std::string(source) + "!"; }

TEST(Translate, SourceWithoutTranslatorAndTranslatedWithOne)
{
    EXPECT_EQ(i18n::translate("Ctx", "Допуск"), "Допуск");
    i18n::setTranslator(upper);
    EXPECT_EQ(i18n::translate("Ctx", "Допуск"), "Допуск!");
    i18n::setTranslator(nullptr);
    EXPECT_EQ(i18n::translate("Ctx", "Допуск"), "Допуск");
}

} // namespace
