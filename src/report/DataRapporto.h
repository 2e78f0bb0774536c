// When a report is made: now, or for a repeatable report the moment
// SOURCE_DATE_EPOCH gives; and that moment as the title block prints it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace voro {

struct MomentoRapporto {
  std::int64_t secondi = 0;  // since 1970-01-01 00:00 UTC
  bool fisso = false;        // given by SOURCE_DATE_EPOCH: printed in UTC
};

// The moment from the value of SOURCE_DATE_EPOCH (null when unset): its
// seconds when it is a whole number of them, else now.
MomentoRapporto MomentoDa(const char* epoca);

// The date and time with its zone, "2026-12-08 00:49 +01:00" at the given
// offset from UTC in seconds, "2026-12-07 23:49 UTC" without one.
std::string DataOraZona(std::int64_t secondi, std::optional<int> scarto);

// The moment as the report prints it: a fixed one in UTC, now at the local offset.
std::string DataOra(const MomentoRapporto& m);

}  // namespace voro
