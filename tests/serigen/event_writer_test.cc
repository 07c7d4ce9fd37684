#include "serigen/event_writer.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "serigen/stop.h"
#include "test_support.h"
#include "serigen/worked_example.h"

namespace serigen {
namespace {

using test::ScratchDir;
using test::slurp;
using test::spit;
using test::worked_example;

const std::string kGolden = std::string(SERIGEN_TEST_DATA) + "/serigen/golden/20100601_all_y.evt";

std::string format(const test::WorkedExample& x) {
  std::string out;
  format_event(out, x.answers, x.event, x.files);
  return out;
}

// The golden file with some of its lines (numbered from 1) replaced.
std::string golden_with(const std::map<int, std::string>& changes) {
  std::string golden = slurp(kGolden);
  std::string result;
  std::size_t pos = 0;
  for (int line = 1; pos < golden.size(); ++line) {
    std::size_t end = golden.find("\r\n", pos);
    auto it = changes.find(line);
    result += it != changes.end() ? it->second : golden.substr(pos, end - pos);
    result += "\r\n";
    pos = end + 2;
  }
  return result;
}

std::string key(const std::string& keyword) { return keyword + std::string(30 - keyword.size(), ' '); }

TEST(EventFile, WorkedExampleMatchesTheGoldenFileByteForByte) {
  std::string text = format(worked_example());
  EXPECT_EQ(text, slurp(kGolden));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 99);
}

struct Variation {
  const char* what;
  void (*change)(test::WorkedExample&);
  std::map<int, std::string> lines;
};

TEST(EventFile, ValuesChangeOnlyTheirOwnLines) {
  const std::string n = "n";
  const std::vector<Variation> cases = {
      {"all n",
       [](test::WorkedExample& x) {
         ModelAnswers& m = x.answers.model;
         for (Fixed<1>* a : {&m.snow, &m.evaporation, &m.disaggregation, &m.reservoir_inflow, &m.wetland,
                             &m.diversions, &m.lake_evaporation, &m.ice_factors}) {
           *a = "n";
         }
         m.rate = 0.0f;
       },
       {{9, key(":snwflg") + n},
        {11, key(":vapflg") + n},
        {12, key(":smrflg") + n},
        {13, key(":resinflg") + n},
        {21, key(":wetflg") + n},
        {32, key(":divertflg") + n},
        {35, key(":lakeflg") + n},
        {36, key(":iceflg") + n},
        {48, key(":disaggregate") + " 0.00"}}},
      {"Y and blank answers",
       [](test::WorkedExample& x) { x.answers.model.snow = "Y", x.answers.model.ice_factors = " "; },
       {{9, key(":snwflg") + "Y"}, {36, key(":iceflg") + " "}}},
      {"CaPA",
       [](test::WorkedExample& x) { x.answers.series.designation = "CaPA"; },
       {{77, ":griddedmodelfile             model\\20100601_CaPA_pcp.r2c"},
        {81, ":griddedrainfile              radcl\\20100601_CaPA_pcp.r2c"},
        {85, ":griddedtemperaturefile       tempr\\20100601_CaPA_tmp.r2c"},
        {86, ":griddeddailydifference       tempr\\20100601_CaPA_dif.r2c"}}},
      {"eight characters",
       [](test::WorkedExample& x) { x.answers.series.designation = "RDRS2023"; },
       {{77, ":griddedmodelfile             model\\20100601_RDRS2023_pcp.r2c"},
        {81, ":griddedrainfile              radcl\\20100601_RDRS2023_pcp.r2c"},
        {85, ":griddedtemperaturefile       tempr\\20100601_RDRS2023_tmp.r2c"},
        {86, ":griddeddailydifference       tempr\\20100601_RDRS2023_dif.r2c"}}},
      {"inner blank",
       [](test::WorkedExample& x) { x.answers.series.designation = "Ca PA"; },
       {{77, ":griddedmodelfile             model\\20100601_Ca PA_pcp.r2c"},
        {81, ":griddedrainfile              radcl\\20100601_Ca PA_pcp.r2c"},
        {85, ":griddedtemperaturefile       tempr\\20100601_Ca PA_tmp.r2c"},
        {86, ":griddeddailydifference       tempr\\20100601_Ca PA_dif.r2c"}}},
      {"all blank",
       [](test::WorkedExample& x) { x.answers.series.designation = ""; },
       {{77, ":griddedmodelfile             model\\20100601__pcp.r2c"},
        {81, ":griddedrainfile              radcl\\20100601__pcp.r2c"},
        {85, ":griddedtemperaturefile       tempr\\20100601__tmp.r2c"},
        {86, ":griddeddailydifference       tempr\\20100601__dif.r2c"}}},
      {"nat is legacy", [](test::WorkedExample& x) { x.answers.series.designation = "nat"; }, {}},
      {"nb is not",
       [](test::WorkedExample& x) { x.answers.series.designation = "nb"; },
       {{77, ":griddedmodelfile             model\\20100601_nb_pcp.r2c"},
        {81, ":griddedrainfile              radcl\\20100601_nb_pcp.r2c"},
        {85, ":griddedtemperaturefile       tempr\\20100601_nb_tmp.r2c"},
        {86, ":griddeddailydifference       tempr\\20100601_nb_dif.r2c"}}},
      {"8784 hours",
       [](test::WorkedExample& x) { x.event.hours = 8784; },
       {{50, key(":hoursraindata") + " 8784"}, {51, key(":hoursflowdata") + " 8784"}}},
      {"696 hours",
       [](test::WorkedExample& x) { x.event.hours = 696; },
       {{50, key(":hoursraindata") + "  696"}, {51, key(":hoursflowdata") + "  696"}}},
      {"rate 0.5", [](test::WorkedExample& x) { x.answers.model.rate = 0.5f; }, {{48, key(":disaggregate") + " 0.50"}}},
      {"rate 99.999", [](test::WorkedExample& x) { x.answers.model.rate = 99.999f; }, {{48, key(":disaggregate") + "*****"}}},
      {"rate 100", [](test::WorkedExample& x) { x.answers.model.rate = 100.0f; }, {{48, key(":disaggregate") + "*****"}}},
      {"step 100000", [](test::WorkedExample& x) { x.answers.model.report_step = 100000; }, {{52, key(":deltat_report") + "*****"}}},
      {"basin of eight characters",
       [](test::WorkedExample& x) {
         x.files.basin = "basin\\riverxyz_shd.r2c   ";
         x.files.channel_parameters = "basin\\riverxyz_ch_par.r2c";
       },
       {{54, key(":basinfilename") + "basin\\riverxyz_shd.r2c        "},
        {56, key(":channelparfile") + "basin\\riverxyz_ch_par.r2c     "}}},
      {"long name cut at 30",
       [](test::WorkedExample& x) { x.files.parameters = "basin\\a_name_longer_than_thirty_characters"; },
       {{55, key(":parfilename") + "basin\\a_name_longer_than_thirt"}}},
      {"date texts",
       [](test::WorkedExample& x) { x.event.year_text = "2011", x.event.month_text = "12", x.event.day_text = "15", x.event.hour_text = "  "; },
       {{4, key(":year") + "2011"}, {5, key(":month") + "12"}, {6, key(":day") + "15"}, {7, key(":hour") + "  "}}},
  };
  for (const Variation& v : cases) {
    test::WorkedExample x = worked_example();
    v.change(x);
    EXPECT_EQ(format(x), golden_with(v.lines)) << v.what;
  }
}

TEST(EventWriter, WritesItsFileAndReplacesALongerOne) {
  ScratchDir dir;
  const test::WorkedExample x = worked_example();
  spit("event/20100601.evt", std::string(10000, 'x'));
  std::istringstream in;
  std::ostringstream out, err;
  Console con(in, out, err);
  write_event(con, x.answers, x.event, x.files);
  EXPECT_EQ(slurp("event/20100601.evt"), slurp(kGolden));
  write_event(con, x.answers, x.event, x.files);
  EXPECT_EQ(slurp("event/20100601.evt"), slurp(kGolden));  // a second call: the same bytes
  EXPECT_EQ(out.str(), "");
}

TEST(EventWriter, AFileThatCannotBeOpenedIsReportedAndStopsTheRun) {
  ScratchDir dir(false);  // no event directory
  const test::WorkedExample x = worked_example();
  std::istringstream in;
  std::ostringstream out, err;
  Console con(in, out, err);
  try {
    write_event(con, x.answers, x.event, x.files);
    ADD_FAILURE() << "the event file was opened";
  } catch (const ProgramStop& stop) {
    EXPECT_EQ(stop.message, "program aborted in write_event");
    EXPECT_EQ(stop.status, kExitFailureStop);
  }
  const std::string path = "event\\20100601.evt" + std::string(238, ' ');
  EXPECT_EQ(out.str(), " problem opening\n " + path.substr(0, 79) + "\n " + path.substr(79, 79) + "\n " +
                           path.substr(158, 79) + "\n " + path.substr(237) + "in write_event @ line 15\n" +
                           " ios=           2 possible problem: lile is locked\n");
  EXPECT_FALSE(std::filesystem::exists("event"));
}

}  // namespace
}  // namespace serigen
