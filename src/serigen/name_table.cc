#include "serigen/name_table.h"

#include <array>
#include <string>
#include <string_view>

#include "format/file_unit.h"
#include "format/pattern.h"
#include "serigen/answers.h"
#include "serigen/questionnaire.h"
#include "serigen/scratch.h"

namespace serigen {

namespace {

constexpr std::string_view kBasinDirectory = "basin\\";
// Endings of the basin's files, each left-justified in 11 columns; the last,
// eleven NUL characters, goes as it stands into the unused line 16.
constexpr std::array<std::string_view, 8> kBasinEndings = {
    "_shd.r2c", "_par.csv", "_ch_par.r2c", ".pdl", ".sdc", ".wqd", "_diff.r2c", {"\0\0\0\0\0\0\0\0\0\0\0", 11}};

constexpr Pattern kBasinLine{"(A6,A{n},A11)"};
constexpr Pattern kRagLine{"('raing\\',A8,'.rag')"};
constexpr Pattern kStrLine{"('strfw\\',A8,'.str')"};
constexpr Pattern kRelLine{"('resrl\\',A8,'.rel')"};
constexpr Pattern kCrsLine{"('snow1\\',A8,'_crs.pt2')"};
constexpr Pattern kRadLine{"('raduc\\',A8,'.rad')"};
constexpr Pattern kMetLine{"('radcl\\',A8,'_met.r2c')"};
constexpr Pattern kScnLine{"('radar\\',A8,'.scn')"};
constexpr Pattern kCltLine{"('raduc\\',A8,'.clt')"};
constexpr Pattern kTagLine{"('tempr\\',A8,'.tag')"};
constexpr Pattern kTemLine{"('tempr\\',A8,'_tem.r2c')"};
constexpr Pattern kGwtLine{"('strfw\\',A8,'.gwt')"};
constexpr Pattern kTmxLine{"('tempr\\',A8,'.tmx')"};
constexpr Pattern kDsnLine{"('snowg\\',A8,'.dsn')"};
constexpr Pattern kBlankLine{"('                ')"};
constexpr Pattern kDefaultEvent{"('event\\event.evt')"};
constexpr Pattern kLegacyEvent{"('event\\',A8,'.evt')"};
constexpr Pattern kDesignatedEvent{"('event\\',A8,'_',A{n},'.evt')"};

// The characters of the basin name before its first blank; a name that
// begins with a blank contributes that one blank.
float basin_width(const Fixed<8>& basin) {
  std::size_t n = basin.view().find(' ');
  if (n == std::string_view::npos) n = 8;
  return static_cast<float>(n == 0 ? 1 : n);
}

constexpr std::array<std::string_view, 5> kWarning = {
    "                     if names correspond",
    "WARNING:",
    "Existing evt files may be overwritten",
    "                     if names correspond",
    "Hit Ctrl C to abort",
};
constexpr std::array<std::string_view, 8> kRecentChanges = {
    "recent change(s):",
    "8/12/2011 - `ensimflg` has been replaced by `kenueflg`",
    "in the new evt file",
    "Pre-existing programs will not accept `kenueflg` &",
    "will produce an error",
    "Please update all executables",
    "New exec`s will recognize ensimflg & kenueflg",
    "so there is no need to edit your data files",
};

void append_event_path(std::string& t, const Fixed<8>& designation, const Fixed<8>& event_name) {
  if (legacy_naming(designation)) {
    write_checked<kLegacyEvent>(t, kFileRecordEnd, event_name);
  } else {
    // The designation field is as wide as the designation without its
    // trailing blanks.
    const FieldWidth designation_part{static_cast<float>(len_trim(designation.view()))};
    write_checked<kDesignatedEvent>(t, kFileRecordEnd, designation_part, event_name, designation);
  }
}

}  // namespace

FileName event_file_name(const Fixed<8>& designation, const Fixed<8>& event_name) {
  std::string line;
  append_event_path(line, designation, event_name);
  return FileName(std::string_view(line).substr(0, line.size() - kFileRecordEnd.size()));
}

EventFiles build_name_table(const Fixed<8>& basin, const Fixed<8>& designation, const Fixed<8>& event_name) {
  std::string t;
  const FieldWidth basin_part{basin_width(basin)};
  std::array<std::size_t, 5> starts{};  // where the lines of the used names begin
  for (std::size_t i = 0; i < 7; ++i) {
    if (i < 4) starts[i] = t.size();
    write_checked<kBasinLine>(t, kFileRecordEnd, basin_part, kBasinDirectory, basin, Fixed<11>(kBasinEndings[i]));
  }
  write_checked<kRagLine>(t, kFileRecordEnd, event_name);
  write_checked<kStrLine>(t, kFileRecordEnd, event_name);
  write_checked<kRelLine>(t, kFileRecordEnd, event_name);
  write_checked<kCrsLine>(t, kFileRecordEnd, event_name);
  write_checked<kRadLine>(t, kFileRecordEnd, event_name);
  write_checked<kMetLine>(t, kFileRecordEnd, event_name);
  write_checked<kScnLine>(t, kFileRecordEnd, event_name);
  write_checked<kCltLine>(t, kFileRecordEnd, event_name);
  write_checked<kBasinLine>(t, kFileRecordEnd, basin_part, kBasinDirectory, basin, Fixed<11>(kBasinEndings[7]));
  write_checked<kTagLine>(t, kFileRecordEnd, event_name);
  write_checked<kTemLine>(t, kFileRecordEnd, event_name);
  write_checked<kGwtLine>(t, kFileRecordEnd, event_name);
  write_checked<kTmxLine>(t, kFileRecordEnd, event_name);
  write_checked<kDsnLine>(t, kFileRecordEnd, event_name);
  write_checked<kBlankLine>(t, kFileRecordEnd);
  write_checked<kDefaultEvent>(t, kFileRecordEnd);
  starts[4] = t.size();
  append_event_path(t, designation, event_name);
  write_scratch("temp3.fls", t);

  // The names are taken from the lines as written. Read back through the
  // 30-column field of the event file they would be the same: no line is
  // longer than 27 characters, and none holds a line end.
  auto name_at = [&t](std::size_t start) {
    return FileName(std::string_view(t).substr(start, t.find(kFileRecordEnd, start) - start));
  };
  return {name_at(starts[0]), name_at(starts[1]), name_at(starts[2]), name_at(starts[3]), name_at(starts[4])};
}

void overwrite_warning(Console& con, bool pauses) {
  for (std::string_view line : kWarning) say(con, {line});
  if (pauses) wait_for_enter(con, "Hit enter to continue");
  say(con, {});
  for (std::string_view line : kRecentChanges) say(con, {line});
  say(con, {});
  if (pauses) wait_for_enter(con, "Hit enter to continue");
}

}  // namespace serigen
