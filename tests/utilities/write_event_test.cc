#include "utilities/write_event.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "format/io_error.h"
#include "test_support.h"
#include "utilities/worked_example.h"

namespace serigen {
namespace {

using test::ScratchDir;
using test::slurp;
using test::spit;
using test::worked_example;

const std::string kGolden = std::string(SERIGEN_TEST_DATA) + "/utilities/golden/20100601_all_y.evt";

std::string format(const RunSettings& rs) {
  std::string out;
  format_event(out, rs, rs.YY1, rs.MM1, rs.DD1, rs.HH1, rs.EVTNAME, rs.EVTLENGTH, rs.EVTTYPE);
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
  void (*change)(RunSettings&);
  std::map<int, std::string> lines;
};

TEST(EventFile, ValuesChangeOnlyTheirOwnLines) {
  const std::string n = "n";
  const std::vector<Variation> cases = {
      {"all n",
       [](RunSettings& rs) {
         for (Fixed<1>* a :
              {&rs.snwflg, &rs.vapflg, &rs.smrflg, &rs.resinflg, &rs.wetflg, &rs.divertflg, &rs.lakeflg, &rs.iceflg}) {
           *a = "n";
         }
         rs.disaggregate = 0.0f;
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
       [](RunSettings& rs) { rs.snwflg = "Y", rs.iceflg = " "; },
       {{9, key(":snwflg") + "Y"}, {36, key(":iceflg") + " "}}},
      {"CaPA",
       [](RunSettings& rs) { rs.EVTTYPE = "CaPA"; },
       {{77, ":griddedmodelfile             model\\20100601_CaPA_pcp.r2c"},
        {81, ":griddedrainfile              radcl\\20100601_CaPA_pcp.r2c"},
        {85, ":griddedtemperaturefile       tempr\\20100601_CaPA_tmp.r2c"},
        {86, ":griddeddailydifference       tempr\\20100601_CaPA_dif.r2c"}}},
      {"eight characters",
       [](RunSettings& rs) { rs.EVTTYPE = "RDRS2023"; },
       {{77, ":griddedmodelfile             model\\20100601_RDRS2023_pcp.r2c"},
        {81, ":griddedrainfile              radcl\\20100601_RDRS2023_pcp.r2c"},
        {85, ":griddedtemperaturefile       tempr\\20100601_RDRS2023_tmp.r2c"},
        {86, ":griddeddailydifference       tempr\\20100601_RDRS2023_dif.r2c"}}},
      {"inner blank",
       [](RunSettings& rs) { rs.EVTTYPE = "Ca PA"; },
       {{77, ":griddedmodelfile             model\\20100601_Ca PA_pcp.r2c"},
        {81, ":griddedrainfile              radcl\\20100601_Ca PA_pcp.r2c"},
        {85, ":griddedtemperaturefile       tempr\\20100601_Ca PA_tmp.r2c"},
        {86, ":griddeddailydifference       tempr\\20100601_Ca PA_dif.r2c"}}},
      {"all blank",
       [](RunSettings& rs) { rs.EVTTYPE = ""; },
       {{77, ":griddedmodelfile             model\\20100601__pcp.r2c"},
        {81, ":griddedrainfile              radcl\\20100601__pcp.r2c"},
        {85, ":griddedtemperaturefile       tempr\\20100601__tmp.r2c"},
        {86, ":griddeddailydifference       tempr\\20100601__dif.r2c"}}},
      {"nat is legacy", [](RunSettings& rs) { rs.EVTTYPE = "nat"; }, {}},
      {"8784 hours",
       [](RunSettings& rs) { rs.EVTLENGTH = 8784; },
       {{50, key(":hoursraindata") + " 8784"}, {51, key(":hoursflowdata") + " 8784"}}},
      {"696 hours",
       [](RunSettings& rs) { rs.EVTLENGTH = 696; },
       {{50, key(":hoursraindata") + "  696"}, {51, key(":hoursflowdata") + "  696"}}},
      {"rate 0.5", [](RunSettings& rs) { rs.disaggregate = 0.5f; }, {{48, key(":disaggregate") + " 0.50"}}},
      {"rate 99.999", [](RunSettings& rs) { rs.disaggregate = 99.999f; }, {{48, key(":disaggregate") + "*****"}}},
      {"rate 100", [](RunSettings& rs) { rs.disaggregate = 100.0f; }, {{48, key(":disaggregate") + "*****"}}},
      {"step 100000", [](RunSettings& rs) { rs.deltat_report = 100000; }, {{52, key(":deltat_report") + "*****"}}},
      {"basin of eight characters",
       [](RunSettings& rs) {
         rs.FLN(1) = "basin\\riverxyz_shd.r2c   ";
         rs.FLN(3) = "basin\\riverxyz_ch_par.r2c";
       },
       {{54, key(":basinfilename") + "basin\\riverxyz_shd.r2c        "},
        {56, key(":channelparfile") + "basin\\riverxyz_ch_par.r2c     "}}},
      {"long name cut at 30",
       [](RunSettings& rs) { rs.FLN(2) = "basin\\a_name_longer_than_thirty_characters"; },
       {{55, key(":parfilename") + "basin\\a_name_longer_than_thirt"}}},
      {"date texts",
       [](RunSettings& rs) { rs.YY1 = "2011", rs.MM1 = "12", rs.DD1 = "15", rs.HH1 = "  "; },
       {{4, key(":year") + "2011"}, {5, key(":month") + "12"}, {6, key(":day") + "15"}, {7, key(":hour") + "  "}}},
  };
  for (const Variation& v : cases) {
    RunSettings rs = worked_example();
    v.change(rs);
    EXPECT_EQ(format(rs), golden_with(v.lines)) << v.what;
  }
}

TEST(EventWriter, WritesTheFileNamedInEntry99AndReplacesALongerOne) {
  ScratchDir dir;
  RunSettings rs = worked_example();
  rs.FLN(99) = "event\\20100601.evt";
  spit("event/20100601.evt", std::string(10000, 'x'));
  std::istringstream in;
  std::ostringstream out, err;
  Console con(in, out, err);
  write_event(con, rs, rs.YY1, rs.MM1, rs.DD1, rs.HH1, rs.EVTNAME, rs.EVTLENGTH, rs.EVTTYPE);
  EXPECT_EQ(slurp("event/20100601.evt"), slurp(kGolden));
  write_event(con, rs, rs.YY1, rs.MM1, rs.DD1, rs.HH1, rs.EVTNAME, rs.EVTLENGTH, rs.EVTTYPE);
  EXPECT_EQ(slurp("event/20100601.evt"), slurp(kGolden));  // a second call: the same bytes
  EXPECT_EQ(out.str(), "");
}

TEST(EventWriter, AFileThatCannotBeOpenedIsReportedAndStopsTheRun) {
  ScratchDir dir(false);  // no event directory
  RunSettings rs = worked_example();
  rs.FLN(99) = "event\\20100601.evt";
  std::istringstream in;
  std::ostringstream out, err;
  Console con(in, out, err);
  try {
    write_event(con, rs, rs.YY1, rs.MM1, rs.DD1, rs.HH1, rs.EVTNAME, rs.EVTLENGTH, rs.EVTTYPE);
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
