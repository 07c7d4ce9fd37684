#include "serigen/event_writer.h"

#include <array>

#include "format/file_unit.h"
#include "format/pattern.h"
#include "serigen/stop.h"

namespace serigen {

namespace {

// Keyword fields are 30 columns wide; keyword-only lines 36.
using Keyword = Fixed<30>;
using BareKeyword = Fixed<36>;

constexpr Pattern kMark{"('#')"};
constexpr Pattern kFixedValue{"(A30,A)"};
constexpr Pattern kYear{"(A30,A4)"};
constexpr Pattern kTwoChars{"(A30,A2)"};
constexpr Pattern kAnswer{"(A30,A1)"};
constexpr Pattern kRate{"(A30,F5.2)"};
constexpr Pattern kCount{"(A30,I5)"};
constexpr Pattern kReference{"(A30,A30)"};
constexpr Pattern kDataFile{"(A30,A6,A8,A8)"};
constexpr Pattern kLegacyFile{"(A30,A6,A8,A)"};
constexpr Pattern kDesignatedFile{"(A30,A6,A8,'_',A{n},A8)"};
constexpr Pattern kKeywordOnly{"(A36)"};
constexpr Pattern kEmpty{"()"};
constexpr Pattern kChainCount{"(':noeventstofollow',17X,'00')"};
constexpr Pattern kEnd{"('eof')"};

// Switch lines 9 to 38: an answer of the questionnaire, or always "n".
struct Switch {
  const char* keyword;
  Fixed<1> ModelAnswers::*answer;
};
constexpr std::array<Switch, 30> kSwitches = {{
    {":snwflg", &ModelAnswers::snow},
    {":sedflg", nullptr},
    {":vapflg", &ModelAnswers::evaporation},
    {":smrflg", &ModelAnswers::disaggregation},
    {":resinflg", &ModelAnswers::reservoir_inflow},
    {":tbcflg", nullptr},
    {":resumflg", nullptr},
    {":contflg", nullptr},
    {":routeflg", nullptr},
    {":crseflg", nullptr},
    {":kenueflg", nullptr},
    {":picflg", nullptr},
    {":wetflg", &ModelAnswers::wetland},
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
    {":divertflg", &ModelAnswers::diversions},
    {":pafflg", nullptr},
    {":fliflg", nullptr},
    {":lakeflg", &ModelAnswers::lake_evaporation},
    {":iceflg", &ModelAnswers::ice_factors},
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
  template <const Pattern& P, class... Items>
  void line(const Items&... items) {
    write_checked<P>(out, kFileRecordEnd, items...);
  }
  void mark() { line<kMark>(); }
};

void data_file_line(EventText& t, const DataFile& f, const Fixed<8>& event_name, const Fixed<8>& designation) {
  if (f.directory == nullptr) {
    t.line<kKeywordOnly>(BareKeyword(f.keyword));
  } else if (f.designated_ending == nullptr) {
    t.line<kDataFile>(Keyword(f.keyword), f.directory, event_name, f.ending);
  } else if (legacy_naming(designation)) {
    t.line<kLegacyFile>(Keyword(f.keyword), f.directory, event_name, f.ending);
  } else {
    // The designation field is as wide as the designation without its
    // trailing blanks.
    t.line<kDesignatedFile>(FieldWidth{static_cast<float>(len_trim(designation.view()))}, Keyword(f.keyword),
                            f.directory, event_name, designation, f.designated_ending);
  }
}

}  // namespace

void format_event(std::string& out, const Answers& answers, const Event& event, const EventFiles& files) {
  const ModelAnswers& model = answers.model;
  const Fixed<8>& designation = answers.series.designation;
  EventText t{out};
  // Header.
  t.mark();
  t.line<kFixedValue>(Keyword(":filetype"), ".evt ");
  t.line<kFixedValue>(Keyword(":fileversionno"), "9.9  ");
  t.line<kYear>(Keyword(":year"), event.year_text);
  t.line<kTwoChars>(Keyword(":month"), event.month_text);
  t.line<kTwoChars>(Keyword(":day"), event.day_text);
  t.line<kTwoChars>(Keyword(":hour"), event.hour_text);
  t.mark();
  // Switches.
  for (const Switch& s : kSwitches) {
    if (s.answer != nullptr) {
      t.line<kAnswer>(Keyword(s.keyword), model.*s.answer);
    } else {
      t.line<kFixedValue>(Keyword(s.keyword), "n    ");
    }
  }
  t.mark();
  // Initial state and factors.
  t.line<kFixedValue>(Keyword(":intsoilmoisture"), "0.25 0.25 0.25 0.25 0.25");
  for (const Factor& f : kFactors) t.line<kFixedValue>(Keyword(f.keyword), f.value);
  t.line<kRate>(Keyword(":disaggregate"), model.rate);
  t.mark();
  // Time settings.
  t.line<kCount>(Keyword(":hoursraindata"), event.hours);
  t.line<kCount>(Keyword(":hoursflowdata"), event.hours);
  t.line<kCount>(Keyword(":deltat_report"), model.report_step);
  t.mark();
  // Model files.
  t.line<kReference>(Keyword(":basinfilename"), files.basin);
  t.line<kReference>(Keyword(":parfilename"), files.parameters);
  t.line<kReference>(Keyword(":channelparfile"), files.channel_parameters);
  t.line<kReference>(Keyword(":pointdatalocations"), files.point_locations);
  t.mark();
  for (const DataFile& f : kStationFiles) data_file_line(t, f, event.name, designation);
  t.mark();
  for (const DataFile& f : kHydrometricFiles) data_file_line(t, f, event.name, designation);
  t.line<kEmpty>();
  t.mark();
  for (const DataFile& f : kGriddedFiles) data_file_line(t, f, event.name, designation);
  t.mark();
  // Chain section.
  t.line<kChainCount>();
  t.mark();
  t.line<kEnd>();
}

bool write_event(Console& con, const Answers& answers, const Event& event, const EventFiles& files) {
  FileUnit unit(kUnitScratch, files.event.trimmed());
  if (int status = unit.open(WhenMissing::CreateWithRecords); status != 0) {
    // The report shows the path in the 256 columns the file name table holds.
    say(con, {"problem opening", Fixed<256>(files.event.view()), "in write_event @ line 15"});
    say(con, {"ios=", static_cast<std::int32_t>(status), " possible problem: lile is locked"});
    stop_with_message("program aborted in write_event");
  }
  std::string text;
  format_event(text, answers, event, files);
  unit.put_records(text);
  unit.close();
  return unit.rewritten_in_place();
}

}  // namespace serigen
