#include "serigen/questionnaire.h"

#include <array>
#include <span>
#include <string_view>

#include "format/io_error.h"
#include "format/pattern.h"
#include "serigen/answer_rules.h"
#include "serigen/stop.h"

namespace serigen {

namespace {

constexpr Pattern kAnswer8{"(A8)"};
constexpr Pattern kFactorAnswer{"(F5.0)"};
constexpr Pattern kFactorPrompt{"(' enter the snow conversion factor')"};
constexpr Pattern kFactorExample{"(' e.g.  1.0 is snow wat. eq. in mm, 25. if in inches'/)"};
constexpr Pattern kBasinPrompt{"(/' name of shd & par files: eg. gr10k, saug 8 char max'/)"};

constexpr std::array<std::string_view, 6> kWarning = {
    "event selection program",
    "warning: no damage yet, but if you enter the name",
    "of an existing event, all old files by that name",
    "and the series of events following",
    "will be over written. enter ^c or ^break to stop",
    "NEW 2022 - optional",
};
constexpr std::array<std::string_view, 3> kDesignationPrompt = {
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

// The question's main prompt line, as reports name it: its text without the
// blanks around it.
std::string main_line(std::string_view line) {
  std::size_t from = line.find_first_not_of(' ');
  return std::string(line.substr(from, len_trim(line) - from));
}

// Asks until an answer is taken. `read` shows the question's lines and reads
// its answer. From a file or a pipe, an answer that is refused or cannot be
// read ends the run there; at a terminal a one-line hint is shown and the
// question asked again. The end of the answers always ends the run.
template <class Read>
auto ask(Console& con, std::string_view question, Read read) {
  for (;;) {
    std::string hint;
    try {
      return read();
    } catch (const Refusal& r) {
      if (!con.interactive) throw RefusedAnswer{main_line(question), con.lines_read, r.accepted, r.answer};
      hint = "expected " + r.accepted;
    } catch (const IoFailure& f) {
      if (f.unit != kUnitConsoleIn) throw;
      const std::size_t line = f.kind == kEndOfFile ? con.lines_read + 1 : con.lines_read;
      if (f.kind != kConversionError || !con.interactive) throw AnswerFailure{f.kind, main_line(question), line, f.detail};
      hint = f.detail;
    }
    say(con, {"Not taken: ", hint, "; please answer again"});
  }
}

// A y/n question: its lines, then the first column of the answer.
Fixed<1> ask_yes_no(Console& con, std::initializer_list<std::string_view> lines) {
  return ask(con, *lines.begin(), [&] {
    for (std::string_view line : lines) say(con, {line});
    return take_yes_no(ask_line(con));
  });
}

}  // namespace

SeriesAnswers ask_series_questions(Console& con) {
  SeriesAnswers a;
  say_lines(con, kWarning);
  a.designation = ask(con, kDesignationPrompt[0], [&] {
    say_lines(con, kDesignationPrompt);
    Fixed<8> designation;
    ask_list(con, {designation});
    check_designation(designation);
    return designation;
  });
  say(con, {});
  a.event_count = ask(con, "Enter the no of events to create:", [&] {
    say(con, {"Enter the no of events to create:"});
    std::int32_t count = 0;
    ask_list(con, {count});
    return count;
  });
  say(con, {});
  a.months_per_event = ask(con, kMonthsPrompt[0], [&] {
    say_lines(con, kMonthsPrompt);
    std::int32_t months = 0;
    ask_list(con, {months});
    // From a file, other months stop the run at the first event, as always.
    if (con.interactive) check_months_per_event(months);
    return months;
  });
  a.start = ask(con, kStartPrompt[0], [&] {
    say_lines(con, kStartPrompt);
    Fixed<13> start = take_start(ask_line(con), con.interactive);
    check_series_length(start, a.event_count, a.months_per_event);
    return start;
  });
  return a;
}

ModelAnswers ask_model_questions(Console& con) {
  ModelAnswers a;
  say(con, {});
  a.report_step = ask(con, kReportStepPrompt[0], [&] {
    say_lines(con, kReportStepPrompt);
    std::int32_t step = 0;
    ask_list(con, {step});
    check_report_step(step);
    return step;
  });
  say(con, {});
  say(con, {});
  a.snow = ask_yes_no(con, {" will you be running the snow melt  routines? y/n", kTemperatureNote});
  if (is_yes(a.snow)) {
    a.snow_factor = ask(con, "enter the snow conversion factor", [&] {
      say_formatted<kFactorPrompt>(con);
      say_formatted<kFactorExample>(con);
      float factor = 1.0f;
      ask_formatted<kFactorAnswer>(con, factor);
      return factor;
    });
  }
  say(con, {});
  a.disaggregation = ask_yes_no(con, {" will you be disaggregating precipitation? y/n"});
  if (is_yes(a.disaggregation)) {
    a.rate = ask(con, "what is your disaggregation rate mm/hr ?", [&] {
      say(con, {"what is your disaggregation rate mm/hr ?"});
      float rate = 0.0f;
      ask_list(con, {rate});
      check_rate(rate);
      return rate;
    });
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
  a.basin = ask(con, "name of shd & par files: eg. gr10k, saug 8 char max", [&] {
    say_formatted<kBasinPrompt>(con);
    Fixed<8> basin;
    ask_formatted<kAnswer8>(con, basin);
    check_basin(basin);
    return basin;
  });
  return a;
}

void wait_for_enter(Console& con, std::string_view message) {
  ask(con, message, [&] {
    pause(con, message);
    return 0;
  });
}

}  // namespace serigen
