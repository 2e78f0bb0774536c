// The report's date and time with its zone.
#include "report/DataRapporto.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace voro {

MomentoRapporto MomentoDa(const char* epoca) {
  if (epoca && *epoca) {
    std::int64_t s = 0;
    const char* fine = epoca + std::strlen(epoca);
    const auto [p, e] = std::from_chars(epoca, fine, s);
    if (e == std::errc() && p == fine && s >= 0) return {s, true};
  }
  return {static_cast<std::int64_t>(std::time(nullptr)), false};
}

std::string DataOraZona(std::int64_t secondi, std::optional<int> scarto) {
  const std::time_t t = static_cast<std::time_t>(secondi + scarto.value_or(0));
  std::tm tm{};
  gmtime_r(&t, &tm);
  char data[32];
  std::strftime(data, sizeof data, "%Y-%m-%d %H:%M", &tm);
  if (!scarto) return std::string(data) + " UTC";
  const int minuti = std::abs(*scarto) / 60;
  char zona[16];
  std::snprintf(zona, sizeof zona, " %c%02d:%02d", *scarto < 0 ? '-' : '+', minuti / 60, minuti % 60);
  return data + std::string(zona);
}

std::string DataOra(const MomentoRapporto& m) {
  if (m.fisso) return DataOraZona(m.secondi, std::nullopt);
  const std::time_t t = static_cast<std::time_t>(m.secondi);
  std::tm tm{};
  localtime_r(&t, &tm);
  return DataOraZona(m.secondi, static_cast<int>(tm.tm_gmtoff));
}

}  // namespace voro
