#include "utilities/write_event.h"

#include <array>

#include "format/file_unit.h"
#include "format/io_error.h"

namespace serigen {

namespace {

constexpr std::string_view kRecordEnd = "\r\n";

// Keyword fields are 30 columns wide; keyword-only lines 36.
using Keyword = Fixed<30>;
using BareKeyword = Fixed<36>;

const Pattern kMark{"('#')"};
const Pattern kFixedValue{"(A30,A)"};
const Pattern kYear{"(A30,A4)"};
const Pattern kTwoChars{"(A30,A2)"};
const Pattern kAnswer{"(A30,A1)"};
const Pattern kRate{"(A30,F5.2)"};
const Pattern kCount{"(A30,I5)"};
const Pattern kReference{"(A30,A30)"};
const Pattern kDataFile{"(A30,A6,A8,A8)"};
const Pattern kLegacyFile{"(A30,A6,A8,A)"};
const Pattern kDesignatedFile{"(A30,A6,A8,'_',A{n},A8)"};
const Pattern kKeywordOnly{"(A36)"};
const Pattern kEmpty{"()"};
const Pattern kChainCount{"(':noeventstofollow',17X,'00')"};
const Pattern kEnd{"('eof')"};

// Switch lines 9 to 38: an answer of the questionnaire, or always "n".
struct Switch {
  const char* keyword;
  Fixed<1> RunSettings::*answer;
};
constexpr std::array<Switch, 30> kSwitches = {{
    {":snwflg", &RunSettings::snwflg},
    {":sedflg", nullptr},
    {":vapflg", &RunSettings::vapflg},
    {":smrflg", &RunSettings::smrflg},
    {":resinflg", &RunSettings::resinflg},
    {":tbcflg", nullptr},
    {":resumflg", nullptr},
    {":contflg", nullptr},
    {":routeflg", nullptr},
    {":crseflg", nullptr},
    {":kenueflg", nullptr},
    {":picflg", nullptr},
    {":wetflg", &RunSettings::wetflg},
    {":modelflg", nullptr},
    {":shdflg", nullptr},
    {":trcflg", nullptr},
    {":frcflg", nullptr},
    {":initflg", nullptr},
    {":hdrflg", nullptr},
    {":grdflg", nullptr},
    {":ntrlflg", nullptr},
    {":nudgeflg", nullptr},
    {":resetflg", nullptr},
    {":divertflg", &RunSettings::divertflg},
    {":pafflg", nullptr},
    {":fliflg", nullptr},
    {":lakeflg", &RunSettings::lakeflg},
    {":iceflg", &RunSettings::iceflg},
    {":FEWSflg", nullptr},
    {":netCDFoutflg", nullptr},
}};

// Lines 41 to 47: fixed factors.
struct Factor {
  const char* keyword;
  const char* value;
};
constexpr std::array<Factor, 7> kFactors = {{
    {":rainconvfactor", " 1.00"},
    {":eventprecipscalefactor", " 1.00"},
    {":precipscalefactor", " 0.00"},
    {":eventsnowscalefactor", " 0.00"},
    {":snowscalefactor", " 0.00"},
    {":eventtempscalefactor", " 0.00"},
    {":tempscalefactor", " 0.00"},
}};

// Data-file lines: keyword, directory, ending after the event name. A line
// with a designated ending is one of the four gridded lines whose name
// follows the designation; the ending given first is then the legacy one.
struct DataFile {
  const char* keyword;
  const char* directory;
  const char* ending;
  const char* designated_ending = nullptr;
};
constexpr std::array<DataFile, 8> kStationFiles = {{
    {":pointsoilmoisture", "moist\\", "_psm.pt2"},
    {":pointprecip", "raing\\", "_rag.tb0"},
    {":pointHourlyPrecip", "hrlpp\\", "_rag.tb0"},
    {":pointDailyPrecip", "dlypp\\", "_rag.tb0"},
    {":pointtemps", "tempg\\", "_tag.tb0"},
    {":pointsnow", "snowg\\", "_snw.tb0"},
    {":pointdrain", "drain\\", "_drn.tb0"},
    {":pointdsnow", "dsnow\\", "_dsn.tb0"},
}};
constexpr std::array<DataFile, 7> kHydrometricFiles = {{
    {":streamflowdatafile", "strfw\\", "_str.tb0"},
    {":reservoirreleasefile", "resrl\\", "_rel.tb0"},
    {":reservoirinflowfile", "resrl\\", "_rin.tb0"},
    {":diversionflowfile", "diver\\", "_div.tb0"},
    {":snowcoursefile", "snow1\\", "_crs.pt2"},
    {":initlakelevel", "level\\", "_ill.pt2"},
    {":observedlakelevel", "level\\", "_lvl.tb0"},
}};
// A null directory marks a keyword-only line.
constexpr std::array<DataFile, 19> kGriddedFiles = {{
    {":griddedmodelfile", "model\\", "_capa.r2c", "_pcp.r2c"},
    {":griddedinitsnowweq", "snow1\\", "_swe.r2c"},
    {":griddedinitsoilmoisture", "moist\\", "_gsm.r2c"},
    {":griddedinitlzs", nullptr, nullptr},
    {":griddedrainfile", "radcl\\", "_met.r2c", "_pcp.r2c"},
    {":griddedHourlyPrecip", "hrlgp\\", "_met.r2c"},
    {":griddedDailyPrecip", "dlygp\\", "_met.r2c"},
    {":griddedsnowfile", nullptr, nullptr},
    {":griddedtemperaturefile", "tempr\\", "_tem.r2c", "_tmp.r2c"},
    {":griddeddailydifference", "tempr\\", "_dif.r2c", "_dif.r2c"},
    {":griddedhumidity", "humid\\", "_hum.r2c"},
    {":griddedwindspd", "winds\\", "_spd.r2c"},
    {":griddedwinddir", "winds\\", "_dir.r2c"},
    {":griddedsnow", "snowg\\", "_snw.r2c"},
    {":griddeddrain", "drain\\", "_drn.r2c"},
    {":griddeddsnow", "dsnow\\", "_dsn.r2c"},
    {":griddedrunoff", "runof\\", "_rff.r2c"},
    {":griddedrecharge", "rchrg\\", "_rch.r2c"},
    {":griddedleakage", "lkage\\", "_lkg.r2c"},
}};

struct EventText {
  std::string& out;
  void line(const Pattern& p, std::initializer_list<OutItem> items, const float* cell = nullptr) {
    write_formatted(out, kRecordEnd, p, items, cell);
  }
  void mark() { line(kMark, {}); }
};

void data_file_line(EventText& t, const DataFile& f, const Fixed<8>& EVTNAME, const Fixed<8>& EVTTYPE) {
  if (f.directory == nullptr) {
    t.line(kKeywordOnly, {BareKeyword(f.keyword)});
  } else if (f.designated_ending == nullptr) {
    t.line(kDataFile, {Keyword(f.keyword), f.directory, EVTNAME, f.ending});
  } else if (legacy_naming(EVTTYPE)) {
    t.line(kLegacyFile, {Keyword(f.keyword), f.directory, EVTNAME, f.ending});
  } else {
    // The designation field is as wide as the designation without its
    // trailing blanks, taken anew for each line.
    float designation_width = static_cast<float>(len_trim(EVTTYPE.view()));
    t.line(kDesignatedFile, {Keyword(f.keyword), f.directory, EVTNAME, EVTTYPE, f.designated_ending},
           &designation_width);
  }
}

}  // namespace

void format_event(std::string& out, const RunSettings& rs, const Fixed<4>& YY1, const Fixed<2>& MM1,
                  const Fixed<2>& DD1, const Fixed<2>& HH1, const Fixed<8>& EVTNAME, std::int32_t EVTLENGTH,
                  const Fixed<8>& EVTTYPE) {
  EventText t{out};
  // Header.
  t.mark();
  t.line(kFixedValue, {Keyword(":filetype"), ".evt "});
  t.line(kFixedValue, {Keyword(":fileversionno"), "9.9  "});
  t.line(kYear, {Keyword(":year"), YY1});
  t.line(kTwoChars, {Keyword(":month"), MM1});
  t.line(kTwoChars, {Keyword(":day"), DD1});
  t.line(kTwoChars, {Keyword(":hour"), HH1});
  t.mark();
  // Switches.
  for (const Switch& s : kSwitches) {
    if (s.answer != nullptr) {
      t.line(kAnswer, {Keyword(s.keyword), rs.*s.answer});
    } else {
      t.line(kFixedValue, {Keyword(s.keyword), "n    "});
    }
  }
  t.mark();
  // Initial state and factors.
  t.line(kFixedValue, {Keyword(":intsoilmoisture"), "0.25 0.25 0.25 0.25 0.25"});
  for (const Factor& f : kFactors) t.line(kFixedValue, {Keyword(f.keyword), f.value});
  t.line(kRate, {Keyword(":disaggregate"), rs.disaggregate});
  t.mark();
  // Time settings.
  t.line(kCount, {Keyword(":hoursraindata"), EVTLENGTH});
  t.line(kCount, {Keyword(":hoursflowdata"), EVTLENGTH});
  t.line(kCount, {Keyword(":deltat_report"), rs.deltat_report});
  t.mark();
  // Model files.
  t.line(kReference, {Keyword(":basinfilename"), rs.FLN(1)});
  t.line(kReference, {Keyword(":parfilename"), rs.FLN(2)});
  t.line(kReference, {Keyword(":channelparfile"), rs.FLN(3)});
  t.line(kReference, {Keyword(":pointdatalocations"), rs.FLN(4)});
  t.mark();
  for (const DataFile& f : kStationFiles) data_file_line(t, f, EVTNAME, EVTTYPE);
  t.mark();
  for (const DataFile& f : kHydrometricFiles) data_file_line(t, f, EVTNAME, EVTTYPE);
  t.line(kEmpty, {});
  t.mark();
  for (const DataFile& f : kGriddedFiles) data_file_line(t, f, EVTNAME, EVTTYPE);
  t.mark();
  // Chain section.
  t.line(kChainCount, {});
  t.mark();
  t.line(kEnd, {});
}

void write_event(Console& con, RunSettings& rs, const Fixed<4>& YY1, const Fixed<2>& MM1, const Fixed<2>& DD1,
                 const Fixed<2>& HH1, const Fixed<8>& EVTNAME, std::int32_t EVTLENGTH, const Fixed<8>& EVTTYPE) {
  FileUnit event(kUnitScratch, rs.FLN(99).trimmed());
  if (int status = event.open(); status != 0) {
    say(con, {"problem opening", rs.FLN(99), "in write_event @ line 15"});
    say(con, {"ios=", static_cast<std::int32_t>(status), " possible problem: lile is locked"});
    stop_with_message("program aborted in write_event");
  }
  std::string text;
  format_event(text, rs, YY1, MM1, DD1, HH1, EVTNAME, EVTLENGTH, EVTTYPE);
  event.put_records(text);
  event.close();
}

}  // namespace serigen
