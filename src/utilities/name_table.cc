#include "utilities/name_table.h"

#include <array>
#include <vector>

#include "format/file_unit.h"
#include "format/io_error.h"
#include "utilities/scratch.h"

namespace serigen {

namespace {

constexpr std::string_view kBasinPrefix = "basin\\";
constexpr std::array<std::string_view, 7> kEndings = {"_shd.r2c", "_par.csv", "_ch_par.r2c", ".pdl",
                                                      ".sdc",     ".wqd",     "_diff.r2c"};

const Pattern kBasinLine{"(A6,A{n},A11)"};
// Lines 8 to 15 and 17 to 21: the names built from the event name.
const std::array<Pattern, 8> kDataLines1 = {Pattern{"('raing\\',A8,'.rag')"}, Pattern{"('strfw\\',A8,'.str')"},
                                            Pattern{"('resrl\\',A8,'.rel')"}, Pattern{"('snow1\\',A8,'_crs.pt2')"},
                                            Pattern{"('raduc\\',A8,'.rad')"}, Pattern{"('radcl\\',A8,'_met.r2c')"},
                                            Pattern{"('radar\\',A8,'.scn')"}, Pattern{"('raduc\\',A8,'.clt')"}};
const std::array<Pattern, 5> kDataLines2 = {Pattern{"('tempr\\',A8,'.tag')"}, Pattern{"('tempr\\',A8,'_tem.r2c')"},
                                            Pattern{"('strfw\\',A8,'.gwt')"}, Pattern{"('tempr\\',A8,'.tmx')"},
                                            Pattern{"('snowg\\',A8,'.dsn')"}};
const Pattern kBlankLine{"('                ')"};
const Pattern kDefaultEvent{"('event\\event.evt')"};
const Pattern kLegacyEvent{"('event\\',A8,'.evt')"};
const Pattern kDesignatedEvent{"('event\\',A8,'_',A{n},'.evt')"};
const Pattern kName{"(A30)"};

}  // namespace

int basin_name_length(const Fixed<8>& bsnme) {
  for (int i = 0; i < 8; ++i) {
    if (bsnme[static_cast<std::size_t>(i)] == ' ') return i;
  }
  return 8;
}

void build_name_table(RunSettings& rs) {
  for (int i = 1; i <= 7; ++i) rs.EXT(i) = kEndings[static_cast<std::size_t>(i - 1)];
  // A name that begins with a blank contributes that one blank.
  int length = basin_name_length(rs.BSNME);
  float basin_width = static_cast<float>(length == 0 ? 1 : length);

  FileUnit temp3(kUnitScratch, "temp3.fls");
  open_scratch(temp3);
  for (int i = 1; i <= 7; ++i) temp3.write(kBasinLine, {kBasinPrefix, rs.BSNME, rs.EXT(i)}, &basin_width);
  for (const Pattern& p : kDataLines1) temp3.write(p, {rs.EVTNAME});
  temp3.write(kBasinLine, {kBasinPrefix, rs.BSNME, rs.EXT(8)}, &basin_width);
  for (const Pattern& p : kDataLines2) temp3.write(p, {rs.EVTNAME});
  temp3.write(kBlankLine, {});
  temp3.write(kDefaultEvent, {});
  if (legacy_naming(rs.EVTTYPE)) {
    temp3.write(kLegacyEvent, {rs.EVTNAME});
  } else {
    float designation_width = static_cast<float>(len_trim(rs.EVTTYPE.view()));
    temp3.write(kDesignatedEvent, {rs.EVTNAME, rs.EVTTYPE}, &designation_width);
  }

  LineReader back = temp3.rewind();
  std::vector<InItem> names;
  for (int i = 1; i <= 23; ++i) names.emplace_back(rs.FLN(i));
  read_formatted(back, kName, names);
  read_formatted(back, kName, {rs.FLN1});
  temp3.close();
}

void overwrite_warning(Console& con, bool& warning_on) {
  if (!warning_on) return;
  say(con, {"                     if names correspond"});
  say(con, {"WARNING:"});
  say(con, {"Existing evt files may be overwritten"});
  say(con, {"                     if names correspond"});
  say(con, {"Hit Ctrl C to abort"});
  pause(con, "Hit enter to continue");
  say(con, {});
  say(con, {"recent change(s):"});
  say(con, {"8/12/2011 - `ensimflg` has been replaced by `kenueflg`"});
  say(con, {"in the new evt file"});
  say(con, {"Pre-existing programs will not accept `kenueflg` &"});
  say(con, {"will produce an error"});
  say(con, {"Please update all executables"});
  say(con, {"New exec`s will recognize ensimflg & kenueflg"});
  say(con, {"so there is no need to edit your data files"});
  say(con, {});
  pause(con, "Hit enter to continue");
  warning_on = false;
}

}  // namespace serigen
