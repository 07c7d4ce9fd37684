// The one record of a run: every answer of the questionnaire, the current
// event's date, name and length, and the shared tables of file names,
// file-name endings and month lengths.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "format/fixed_text.h"

namespace serigen {

using FileName = Fixed<256>;

// FLN: file names of the current event, indexed 1 to 601. Entries 1 to 23 hold
// the data-file names, entry 99 the event file being written.
struct FileNameTable {
  static constexpr int kEntries = 601;
  std::vector<FileName> entries;

  FileNameTable() : entries(kEntries) {}  // may throw std::bad_alloc
  FileName& operator()(int i) { return entries.at(static_cast<std::size_t>(i - 1)); }
  const FileName& operator()(int i) const { return entries.at(static_cast<std::size_t>(i - 1)); }
};

// EXT: file-name endings, indexed 1 to 50. Every entry starts as 11 zero
// characters; only entries 1 to 7 are ever assigned.
struct EndingTable {
  std::array<Fixed<11>, 50> entries;

  EndingTable() {
    for (auto& e : entries) e.chars.fill('\0');
  }
  Fixed<11>& operator()(int i) { return entries.at(static_cast<std::size_t>(i - 1)); }
};

// MOHOURS: month lengths in hours of two consecutive non-leap years, so that
// twelve months from any start month stay inside the table.
inline constexpr std::array<std::int32_t, 24> MOHOURS = {744, 672, 744, 720, 744, 720, 744, 744, 720, 744, 720, 744,
                                                         744, 672, 744, 720, 744, 720, 744, 744, 720, 744, 720, 744};

struct RunSettings {
  // Series questions.
  Fixed<8> EVTTYPE;  // designation; "na" in its first two characters: legacy names
  std::int32_t NOEVENTS = 0;
  std::int32_t NO_MONTHS = 0;
  Fixed<13> START;  // yyyy mm dd hh

  // The current event (calendar).
  Fixed<4> YY1;
  Fixed<2> MM1;
  Fixed<2> DD1;
  Fixed<2> HH1;
  std::int32_t YEAR = 0;
  std::int32_t MONTH = 0;
  std::int32_t DAY = 0;
  std::int32_t HOUR = 0;
  Fixed<8> EVTNAME;
  std::int32_t EVTLENGTH = 0;

  // First-event questions: answers held exactly as typed.
  std::int32_t deltat_report = 0;
  Fixed<1> snwflg;
  float SNCONV = 1.0f;
  Fixed<1> smrflg;
  float disaggregate = 0.0f;
  Fixed<1> vapflg;
  Fixed<1> resinflg;
  Fixed<1> wetflg;
  Fixed<1> divertflg;
  Fixed<1> lakeflg;
  Fixed<1> iceflg;
  Fixed<8> BSNME;

  // Name table.
  FileName FLN1;  // path of the current event file
  FileNameTable FLN;
  EndingTable EXT;
};

// "na" in the first two characters of the designation selects legacy names.
inline bool legacy_naming(const Fixed<8>& evttype) { return evttype[0] == 'n' && evttype[1] == 'a'; }

}  // namespace serigen
