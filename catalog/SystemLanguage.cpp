// The system language from the POSIX locale, as the Windows language
// identifier the catalog files are keyed by.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>
#include <string_view>

#include "catalog/Catalog.h"

namespace {

struct LocaleLanguage {
  std::string_view language;
  std::string_view territory;  // empty: any territory
  std::uint16_t id;
};

// Territory-specific rows come before the row for the language as a whole.
constexpr LocaleLanguage kLanguages[] = {
    {"zh", "TW", 1028}, {"zh", "HK", 3076}, {"zh", "MO", 5124}, {"zh", "", kLangChinesePRC},
    {"en", "", kLangEnglishUS}, {"pt", "BR", 1046}, {"pt", "", 2070},
    {"de", "", 1031},   {"fr", "", 1036},   {"ja", "", 1041},   {"ko", "", 1042},
    {"es", "", 3082},   {"it", "", 1040},   {"ru", "", 1049},   {"nl", "", 1043},
    {"pl", "", 1045},   {"sv", "", 1053},   {"da", "", 1030},   {"fi", "", 1035},
    {"nb", "", 1044},   {"no", "", 1044},   {"cs", "", 1029},   {"hu", "", 1038},
    {"tr", "", 1055},   {"el", "", 1032},   {"ar", "", 1025},   {"he", "", 1037},
    {"th", "", 1054},   {"uk", "", 1058},   {"vi", "", 1066},   {"id", "", 1057},
};

// "zh_CN.UTF-8@pinyin" -> language "zh", territory "CN".
std::uint16_t LanguageIdOfLocale(std::string_view locale) {
  locale = locale.substr(0, locale.find_first_of(".@"));
  const std::size_t separator = locale.find_first_of("_-");
  std::string language(locale.substr(0, separator));
  std::string territory(separator == std::string_view::npos ? std::string_view() : locale.substr(separator + 1));
  std::transform(language.begin(), language.end(), language.begin(), [](unsigned char c) { return std::tolower(c); });
  std::transform(territory.begin(), territory.end(), territory.begin(), [](unsigned char c) { return std::toupper(c); });
  for (const LocaleLanguage& row : kLanguages) {
    if (row.language == language && (row.territory.empty() || row.territory == territory)) return row.id;
  }
  return kLangEnglishUS;  // "C", "POSIX" and languages we do not know
}

}  // namespace

std::uint16_t GetSystemDefaultLangID() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return LanguageIdOfLocale(value);
  }
  return kLangEnglishUS;
}
