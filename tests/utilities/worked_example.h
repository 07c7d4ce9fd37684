// The worked example of an event file: 2010 06 01 00, 720 hours, "y" to
// every question, rate 2.5, step 1, basin gr10k, legacy names.
#pragma once

#include "common/run_settings.h"

namespace serigen::test {

inline RunSettings worked_example() {
  RunSettings rs;
  for (Fixed<1>* a :
       {&rs.snwflg, &rs.vapflg, &rs.smrflg, &rs.resinflg, &rs.wetflg, &rs.divertflg, &rs.lakeflg, &rs.iceflg}) {
    *a = "y";
  }
  rs.disaggregate = 2.5f;
  rs.deltat_report = 1;
  rs.YY1 = "2010";
  rs.MM1 = "06";
  rs.DD1 = "01";
  rs.HH1 = "00";
  rs.EVTNAME = "20100601";
  rs.EVTLENGTH = 720;
  rs.EVTTYPE = "na";
  rs.FLN(1) = "basin\\gr10k_shd.r2c   ";
  rs.FLN(2) = "basin\\gr10k_par.csv   ";
  rs.FLN(3) = "basin\\gr10k_ch_par.r2c";
  rs.FLN(4) = "basin\\gr10k.pdl       ";
  return rs;
}

}  // namespace serigen::test
