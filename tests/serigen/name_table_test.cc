#include "serigen/name_table.h"

#include <gtest/gtest.h>

#include <sstream>

#include "test_support.h"

namespace serigen {
namespace {

using test::ScratchDir;
using test::slurp;

TEST(NameTable, Temp3HoldsTheTwentyFourNames) {
  ScratchDir dir;
  const EventFiles files = build_name_table(Fixed<8>("gr10k"), Fixed<8>("na"), Fixed<8>("20100615"));
  const std::string zeros(11, '\0');
  EXPECT_EQ(slurp("temp3.fls"),
            "basin\\gr10k_shd.r2c   \r\nbasin\\gr10k_par.csv   \r\nbasin\\gr10k_ch_par.r2c\r\n"
            "basin\\gr10k.pdl       \r\nbasin\\gr10k.sdc       \r\nbasin\\gr10k.wqd       \r\n"
            "basin\\gr10k_diff.r2c  \r\nraing\\20100615.rag\r\nstrfw\\20100615.str\r\nresrl\\20100615.rel\r\n"
            "snow1\\20100615_crs.pt2\r\nraduc\\20100615.rad\r\nradcl\\20100615_met.r2c\r\nradar\\20100615.scn\r\n"
            "raduc\\20100615.clt\r\nbasin\\gr10k" +
                zeros +
                "\r\ntempr\\20100615.tag\r\ntempr\\20100615_tem.r2c\r\nstrfw\\20100615.gwt\r\n"
                "tempr\\20100615.tmx\r\nsnowg\\20100615.dsn\r\n                \r\nevent\\event.evt\r\n"
                "event\\20100615.evt\r\n");
  EXPECT_EQ(files.basin.view(), "basin\\gr10k_shd.r2c           ");
  EXPECT_EQ(files.parameters.trimmed(), "basin\\gr10k_par.csv");
  EXPECT_EQ(files.channel_parameters.trimmed(), "basin\\gr10k_ch_par.r2c");
  EXPECT_EQ(files.point_locations.trimmed(), "basin\\gr10k.pdl");
  EXPECT_EQ(files.event.trimmed(), "event\\20100615.evt");
}

TEST(NameTable, BasinNameAndDesignationShapeTheNames) {
  struct Case {
    const char* basin;
    const char* designation;
    const char* basin_file;
    const char* event_file;
  };
  const Case cases[] = {
      {"gr10k", "CaPA", "basin\\gr10k_shd.r2c", "event\\20100615_CaPA.evt"},
      {"riverxyz", "na", "basin\\riverxyz_shd.r2c", "event\\20100615.evt"},
      {"ab cd", "nat", "basin\\ab_shd.r2c", "event\\20100615.evt"},
      {" gr", "na2", "basin\\ _shd.r2c", "event\\20100615.evt"},
      {"gr10k", "NA", "basin\\gr10k_shd.r2c", "event\\20100615_NA.evt"},
      {"gr10k", "Na", "basin\\gr10k_shd.r2c", "event\\20100615_Na.evt"},
      {"gr10k", "nb", "basin\\gr10k_shd.r2c", "event\\20100615_nb.evt"},
      {"gr10k", " x", "basin\\gr10k_shd.r2c", "event\\20100615_ x.evt"},
      {"gr10k", "RDRS2023", "basin\\gr10k_shd.r2c", "event\\20100615_RDRS2023.evt"},
      {"gr10k", "", "basin\\gr10k_shd.r2c", "event\\20100615_.evt"},
  };
  for (const Case& c : cases) {
    ScratchDir dir;
    const EventFiles files = build_name_table(Fixed<8>(c.basin), Fixed<8>(c.designation), Fixed<8>("20100615"));
    EXPECT_EQ(files.basin.trimmed(), c.basin_file) << c.basin;
    EXPECT_EQ(files.event.trimmed(), c.event_file) << c.designation;
  }
}

TEST(NameTable, WarningWithItsTwoPauses) {
  std::istringstream in("\n\n");
  std::ostringstream out, err;
  Console con(in, out, err);
  overwrite_warning(con);
  EXPECT_EQ(out.str(),
            "                      if names correspond\n WARNING:\n Existing evt files may be overwritten\n"
            "                      if names correspond\n Hit Ctrl C to abort\nHit enter to continue\n\n"
            " recent change(s):\n 8/12/2011 - `ensimflg` has been replaced by `kenueflg`\n in the new evt file\n"
            " Pre-existing programs will not accept `kenueflg` &\n will produce an error\n"
            " Please update all executables\n New exec`s will recognize ensimflg & kenueflg\n"
            " so there is no need to edit your data files\n\nHit enter to continue\n");
}

}  // namespace
}  // namespace serigen
