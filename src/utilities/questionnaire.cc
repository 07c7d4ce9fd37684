#include "utilities/questionnaire.h"

namespace serigen {

namespace {

const Pattern kAnswer1{"(A1)"};
const Pattern kAnswer8{"(A8)"};
const Pattern kStartAnswer{"(A13)"};
const Pattern kConversionAnswer{"(F5.0)"};
const Pattern kConversionPrompt{"(' enter the snow conversion factor')"};
const Pattern kConversionExample{"(' e.g.  1.0 is snow wat. eq. in mm, 25. if in inches'/)"};
const Pattern kBasinPrompt{"(/' name of shd & par files: eg. gr10k, saug 8 char max'/)"};

// Only the lower-case "y" counts as yes; the answer is kept as typed.
bool is_yes(const Fixed<1>& answer) { return answer[0] == 'y'; }

}  // namespace

void ask_series_questions(Console& con, RunSettings& rs) {
  say(con, {"event selection program"});
  say(con, {"warning: no damage yet, but if you enter the name"});
  say(con, {"of an existing event, all old files by that name"});
  say(con, {"and the series of events following"});
  say(con, {"will be over written. enter ^c or ^break to stop"});
  say(con, {"NEW 2022 - optional"});
  say(con, {"enter special event class designation "});
  say(con, {"e.g.   CaPA, RDRS etc.  8chr max"});
  say(con, {"for legacy files enter:   na"});
  ask_list(con, {rs.EVTTYPE});
  say(con, {});
  say(con, {"Enter the no of events to create:"});
  ask_list(con, {rs.NOEVENTS});
  say(con, {});
  say(con, {"No. of months per event file (1 or 12)"});
  say(con, {"If you are going to run long sequences - e.g. 40 years"});
  say(con, {"use 12 months per event - i.e. yearly events"});
  say(con, {"If you do not, you will have many many files."});
  say(con, {"Use 12 month events unless you actually"});
  say(con, {"need month-long events for some reason"});
  ask_list(con, {rs.NO_MONTHS});
  say(con, {"type in start of event - eg. yyyy mm dd hh"});
  say(con, {"please stick with this convention so radar files work"});
  ask_formatted(con, kStartAnswer, {rs.START});
}

void ask_first_event_questions(Console& con, RunSettings& rs) {
  say(con, {});
  say(con, {"What reporting time step would you like in files?"});
  say(con, {"This should not be shorted than the str file Dt"});
  ask_list(con, {rs.deltat_report});
  say(con, {});
  say(con, {});
  say(con, {" will you be running the snow melt  routines? y/n"});
  say(con, {" Note: temperature data needed for this option"});
  ask_formatted(con, kAnswer1, {rs.snwflg});
  if (is_yes(rs.snwflg)) {
    say_formatted(con, kConversionPrompt);
    say_formatted(con, kConversionExample);
    ask_formatted(con, kConversionAnswer, {rs.SNCONV});
  } else {
    rs.SNCONV = 1.0f;
  }
  say(con, {});
  say(con, {" will you be disaggregating precipitation? y/n"});
  ask_formatted(con, kAnswer1, {rs.smrflg});
  if (is_yes(rs.smrflg)) {
    say(con, {"what is your disaggregation rate mm/hr ?"});
    ask_list(con, {rs.disaggregate});
  } else {
    rs.disaggregate = 0.0f;
  }
  say(con, {" will you be running the evaporation routines? y/n"});
  say(con, {" Note: temperature data needed for this option"});
  ask_formatted(con, kAnswer1, {rs.vapflg});
  say(con, {});
  say(con, {" will you be using reservoir/lake inflow files? y/n"});
  ask_formatted(con, kAnswer1, {rs.resinflg});
  say(con, {" will you be using wetland coupling? y/n"});
  ask_formatted(con, kAnswer1, {rs.wetflg});
  say(con, {});
  say(con, {" will you be using diversions? y/n"});
  say(con, {" Note: diversion data needed for this option"});
  ask_formatted(con, kAnswer1, {rs.divertflg});
  say(con, {});
  say(con, {" will you be running lake evaporation? y/n"});
  say(con, {" Note: diversion data needed for this option"});
  ask_formatted(con, kAnswer1, {rs.lakeflg});
  say(con, {});
  say(con, {" will you be using ice factors? y/n"});
  say(con, {" Note: diversion data needed for this option"});
  ask_formatted(con, kAnswer1, {rs.iceflg});
  say(con, {});
}

void ask_basin_name(Console& con, RunSettings& rs) {
  say_formatted(con, kBasinPrompt);
  ask_formatted(con, kAnswer8, {rs.BSNME});
}

}  // namespace serigen
