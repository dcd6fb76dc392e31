#include "dictionaries/DomainLexiconNames.h"

#include <array>
#include <span>

#include "common/Bilingual.h"
#include "common/Windows1252.h"

namespace vorla {

namespace {

// Looked up first: the domains of the service's own lexicons.
constexpr std::array<BilingualText, 14> kDomainNames = {{
    {"Economy & Trade", "Talous"},
    {"Information Technology", "Tietotekniikka"},
    {"Mathematics", "Matematiikka"},
    {"Electrical Engineering", "Sähkötekniikka"},
    {"Wood Processing", "Puunjalostus"},
    {"Education", "Koulutus"},
    {"Law", "Laki"},
    {"Health & Biology", "Terveys ja biologia"},
    {"Medicine", "Lääketiede"},
    {"Insurance", "Vakuutus"},
    {"Social Sciences", "Yhteiskuntatieteet"},
    {"Physics", "Fysiikka"},
    {"Chemistry", "Kemia"},
    {"Construction", "Rakentaminen"},
}};

// Then the further domain names the service may use.
constexpr std::array<BilingualText, 25> kFurtherDomainNames = {{
    {"Business", "Talous"},
    {"Information Tech", "Tietotekniikka"},
    {"Technology", "Teknologia"},
    {"Engineering", "Tekniikka"},
    {"Mechanical Engineering", "Konetekniikka"},
    {"Welding", "Hitsaus"},
    {"Science", "Tiede"},
    {"Natural Sciences", "Luonnontieteet"},
    {"Arts & Humanities", "Taide ja humanistiset tieteet"},
    {"Humanities", "Humanistiset tieteet"},
    {"Arts", "Taide"},
    {"Architecture", "Arkkitehtuuri"},
    {"Health", "Terveys"},
    {"Biology & Health", "Biologia ja terveys"},
    {"Biology", "Biologia"},
    {"Sports", "Urheilu"},
    {"Sports & Games", "Urheilu ja pelit"},
    {"Agriculture", "Maatalous"},
    {"Military", "Armeija"},
    {"Transport", "Kuljetus"},
    {"Travelling", "Matkailu"},
    {"Transport & Travelling", "Liikenne ja matkailu"},
    {"Law & Administration", "Laki ja hallinto"},
    {"Forestry", "Metsätalous"},
    {"Forest Industry", "Metsäteollisuus"},
}};

}  // namespace

std::optional<std::string> FinnishDomainName(std::string_view englishName) {
  for (const auto& table : {std::span<const BilingualText>(kDomainNames),
                            std::span<const BilingualText>(kFurtherDomainNames)}) {
    for (const BilingualText& names : table) {
      if (names.english == englishName) return Utf8ToCp1252(names.finnish);
    }
  }
  return std::nullopt;
}

}  // namespace vorla
