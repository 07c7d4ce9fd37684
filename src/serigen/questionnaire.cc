#include "serigen/questionnaire.h"

#include <array>
#include <span>
#include <string_view>

#include "format/pattern.h"

namespace serigen {

namespace {

constexpr Pattern kAnswer1{"(A1)"};
constexpr Pattern kAnswer8{"(A8)"};
constexpr Pattern kStartAnswer{"(A13)"};
constexpr Pattern kFactorAnswer{"(F5.0)"};
constexpr Pattern kFactorPrompt{"(' enter the snow conversion factor')"};
constexpr Pattern kFactorExample{"(' e.g.  1.0 is snow wat. eq. in mm, 25. if in inches'/)"};
constexpr Pattern kBasinPrompt{"(/' name of shd & par files: eg. gr10k, saug 8 char max'/)"};

constexpr std::array<std::string_view, 9> kDesignationPrompt = {
    "event selection program",
    "warning: no damage yet, but if you enter the name",
    "of an existing event, all old files by that name",
    "and the series of events following",
    "will be over written. enter ^c or ^break to stop",
    "NEW 2022 - optional",
    "enter special event class designation ",
    "e.g.   CaPA, RDRS etc.  8chr max",
    "for legacy files enter:   na",
};
constexpr std::array<std::string_view, 6> kMonthsPrompt = {
    "No. of months per event file (1 or 12)",
    "If you are going to run long sequences - e.g. 40 years",
    "use 12 months per event - i.e. yearly events",
    "If you do not, you will have many many files.",
    "Use 12 month events unless you actually",
    "need month-long events for some reason",
};
constexpr std::array<std::string_view, 2> kStartPrompt = {
    "type in start of event - eg. yyyy mm dd hh",
    "please stick with this convention so radar files work",
};
constexpr std::array<std::string_view, 2> kReportStepPrompt = {
    "What reporting time step would you like in files?",
    "This should not be shorted than the str file Dt",
};

constexpr std::string_view kTemperatureNote = " Note: temperature data needed for this option";
constexpr std::string_view kDiversionNote = " Note: diversion data needed for this option";

void say_lines(Console& con, std::span<const std::string_view> lines) {
  for (std::string_view line : lines) say(con, {line});
}

// A y/n question: its lines, then the first column of the answer.
Fixed<1> ask_yes_no(Console& con, std::initializer_list<std::string_view> lines) {
  for (std::string_view line : lines) say(con, {line});
  Fixed<1> answer;
  ask_formatted<kAnswer1>(con, answer);
  return answer;
}

}  // namespace

SeriesAnswers ask_series_questions(Console& con) {
  SeriesAnswers a;
  say_lines(con, kDesignationPrompt);
  ask_list(con, {a.designation});
  say(con, {});
  say(con, {"Enter the no of events to create:"});
  ask_list(con, {a.event_count});
  say(con, {});
  say_lines(con, kMonthsPrompt);
  ask_list(con, {a.months_per_event});
  say_lines(con, kStartPrompt);
  ask_formatted<kStartAnswer>(con, a.start);
  return a;
}

ModelAnswers ask_model_questions(Console& con) {
  ModelAnswers a;
  say(con, {});
  say_lines(con, kReportStepPrompt);
  ask_list(con, {a.report_step});
  say(con, {});
  say(con, {});
  a.snow = ask_yes_no(con, {" will you be running the snow melt  routines? y/n", kTemperatureNote});
  if (is_yes(a.snow)) {
    say_formatted<kFactorPrompt>(con);
    say_formatted<kFactorExample>(con);
    ask_formatted<kFactorAnswer>(con, a.snow_factor);
  }
  say(con, {});
  a.disaggregation = ask_yes_no(con, {" will you be disaggregating precipitation? y/n"});
  if (is_yes(a.disaggregation)) {
    say(con, {"what is your disaggregation rate mm/hr ?"});
    ask_list(con, {a.rate});
  }
  a.evaporation = ask_yes_no(con, {" will you be running the evaporation routines? y/n", kTemperatureNote});
  say(con, {});
  a.reservoir_inflow = ask_yes_no(con, {" will you be using reservoir/lake inflow files? y/n"});
  a.wetland = ask_yes_no(con, {" will you be using wetland coupling? y/n"});
  say(con, {});
  a.diversions = ask_yes_no(con, {" will you be using diversions? y/n", kDiversionNote});
  say(con, {});
  a.lake_evaporation = ask_yes_no(con, {" will you be running lake evaporation? y/n", kDiversionNote});
  say(con, {});
  a.ice_factors = ask_yes_no(con, {" will you be using ice factors? y/n", kDiversionNote});
  say(con, {});
  say_formatted<kBasinPrompt>(con);
  ask_formatted<kAnswer8>(con, a.basin);
  return a;
}

}  // namespace serigen
