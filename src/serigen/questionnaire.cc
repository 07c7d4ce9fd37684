#include "serigen/questionnaire.h"

#include <array>
#include <span>
#include <string_view>

#include "format/io_error.h"
#include "format/pattern.h"
#include "format/list_directed.h"
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

// A console answer that could not be read, or answers that end before it,
// named by its question. At the end of the answers, the line missing is the
// one after the last read.
AnswerFailure answer_failure(const Console& con, const IoFailure& f, std::string_view question) {
  const std::size_t line = f.kind == kEndOfFile ? con.lines_read + 1 : con.lines_read;
  return AnswerFailure{f.kind, main_line(question), line, f.detail};
}

std::string next_line(LineReader& source) {
  std::string line;
  source.require_line(line);
  return line;
}

// Readers: how each answer is taken from its source, and the rules it must
// pass. `strict`: refuse what a run from a file would only stop on later.
Fixed<8> take_designation(LineReader& source) {
  Fixed<8> designation;
  read_list(source, {designation});
  check_designation(designation);
  return designation;
}
std::int32_t take_number(LineReader& source) {
  std::int32_t n = 0;
  read_list(source, {n});
  return n;
}
std::int32_t take_months(LineReader& source, bool strict) {
  std::int32_t months = take_number(source);
  if (strict) check_months_per_event(months);
  return months;
}
std::int32_t take_report_step(LineReader& source) {
  std::int32_t step = take_number(source);
  check_report_step(step);
  return step;
}
Fixed<1> take_answer_yes_no(LineReader& source) { return take_yes_no(next_line(source)); }
float take_factor(LineReader& source) {
  float factor = 1.0f;
  read_checked<kFactorAnswer>(source, factor);
  return factor;
}
float take_rate(LineReader& source) {
  float rate = 0.0f;
  read_list(source, {rate});
  check_rate(rate);
  return rate;
}
Fixed<8> take_basin(LineReader& source) {
  Fixed<8> basin;
  read_checked<kAnswer8>(source, basin);
  check_basin(basin);
  return basin;
}

// A preset taken by its reader; what a typed answer would not pass is a
// usage error naming the preset.
template <class Take>
auto take_preset(const Preset& preset, Take take) {
  LineReader source = LineReader::of_text(preset.value, kUnitInternal, preset.source);
  try {
    return take(source);
  } catch (const Refusal& r) {
    throw UsageError{"serigen: bad value for " + preset.source + ": expected " + r.accepted + ", not \"" +
                     excerpt(r.answer) + "\""};
  } catch (const IoFailure& f) {
    throw UsageError{"serigen: bad value for " + preset.source + ": " +
                     (f.kind == kEndOfFile ? std::string("no value") : f.detail)};
  }
}

[[noreturn]] void not_asked(const Preset& preset, std::string_view why) {
  throw UsageError{"serigen: " + preset.source + " is given, but " + std::string(why)};
}

// Takes the preset when there is one, without showing the question.
// Otherwise asks until an answer is taken: `show` shows the question's
// lines and `take` reads its answer. From a file or a pipe, an answer that
// is refused or cannot be read ends the run there; at a terminal a one-line
// hint is shown and the question asked again. The end of the answers always
// ends the run.
template <class Show, class Take>
auto ask(Console& con, std::string_view question, const Preset& preset, Show show, Take take) {
  if (preset.given) return take_preset(preset, take);
  for (;;) {
    std::string hint;
    try {
      show();
      LineReader source = answer_source(con);
      return take(source);
    } catch (const Refusal& r) {
      if (!con.interactive) throw RefusedAnswer{main_line(question), con.lines_read, r.accepted, r.answer};
      hint = "expected " + r.accepted;
    } catch (const IoFailure& f) {
      if (f.unit != kUnitConsoleIn) throw;
      if (f.kind != kConversionError || !con.interactive) throw answer_failure(con, f, question);
      hint = f.detail;
    }
    say(con, {"Not taken: ", hint, "; please answer again"});
  }
}

// A y/n question: its lines, then the first column of the answer.
Fixed<1> ask_yes_no(Console& con, const Preset& preset, std::initializer_list<std::string_view> lines) {
  return ask(
      con, *lines.begin(), preset, [&] { for (std::string_view line : lines) say(con, {line}); },
      take_answer_yes_no);
}

constexpr std::string_view kSnowQuestion = " will you be running the snow melt  routines? y/n";
constexpr std::string_view kDisaggregationQuestion = " will you be disaggregating precipitation? y/n";

}  // namespace

SeriesAnswers ask_series_questions(Console& con, const Presets& p) {
  SeriesAnswers a;
  say_lines(con, kWarning);
  a.designation = ask(
      con, kDesignationPrompt[0], p.designation,
      [&] {
        say_lines(con, kDesignationPrompt);
      },
      take_designation);
  if (!p.designation.given) say(con, {});
  a.event_count = ask(
      con, "Enter the no of events to create:", p.events, [&] { say(con, {"Enter the no of events to create:"}); },
      take_number);
  if (!p.events.given) say(con, {});
  // From a file, months other than 1 or 12 stop the run at the first event,
  // as they always have; at a terminal they are asked again.
  a.months_per_event = ask(
      con, kMonthsPrompt[0], p.months, [&] { say_lines(con, kMonthsPrompt); },
      [&](LineReader& source) { return take_months(source, con.interactive || p.months.given); });
  a.start = ask(
      con, kStartPrompt[0], p.start, [&] { say_lines(con, kStartPrompt); },
      [&](LineReader& source) {
        Fixed<13> start = take_start(next_line(source), con.interactive || p.start.given);
        check_series_length(start, a.event_count, a.months_per_event);
        return start;
      });
  return a;
}

ModelAnswers ask_model_questions(Console& con, const Presets& p) {
  ModelAnswers a;
  a.report_step = ask(
      con, kReportStepPrompt[0], p.report_step,
      [&] {
        say(con, {});
        say_lines(con, kReportStepPrompt);
      },
      take_report_step);
  if (!p.report_step.given) {
    say(con, {});
    say(con, {});
  }
  a.snow = ask_yes_no(con, p.snow, {kSnowQuestion, kTemperatureNote});
  if (is_yes(a.snow)) {
    a.snow_factor = ask(
        con, "enter the snow conversion factor", p.snow_factor,
        [&] {
          say_formatted<kFactorPrompt>(con);
          say_formatted<kFactorExample>(con);
        },
        take_factor);
  } else if (p.snow_factor.given) {
    not_asked(p.snow_factor, "the answer to snow melt is not y");
  }
  if (!p.snow.given) say(con, {});
  a.disaggregation = ask_yes_no(con, p.disaggregation, {kDisaggregationQuestion});
  if (is_yes(a.disaggregation)) {
    a.rate = ask(
        con, "what is your disaggregation rate mm/hr ?", p.rate,
        [&] { say(con, {"what is your disaggregation rate mm/hr ?"}); }, take_rate);
  } else if (p.rate.given) {
    not_asked(p.rate, "the answer to disaggregation is not y");
  }
  a.evaporation = ask_yes_no(con, p.evaporation, {" will you be running the evaporation routines? y/n", kTemperatureNote});
  if (!p.evaporation.given) say(con, {});
  a.reservoir_inflow = ask_yes_no(con, p.reservoir_inflow, {" will you be using reservoir/lake inflow files? y/n"});
  a.wetland = ask_yes_no(con, p.wetland, {" will you be using wetland coupling? y/n"});
  if (!p.wetland.given) say(con, {});
  a.diversions = ask_yes_no(con, p.diversions, {" will you be using diversions? y/n", kDiversionNote});
  if (!p.diversions.given) say(con, {});
  a.lake_evaporation = ask_yes_no(con, p.lake_evaporation, {" will you be running lake evaporation? y/n", kDiversionNote});
  if (!p.lake_evaporation.given) say(con, {});
  a.ice_factors = ask_yes_no(con, p.ice_factors, {" will you be using ice factors? y/n", kDiversionNote});
  if (!p.ice_factors.given) say(con, {});
  a.basin = ask(
      con, "name of shd & par files: eg. gr10k, saug 8 char max", p.basin, [&] { say_formatted<kBasinPrompt>(con); },
      take_basin);
  return a;
}

void check_presets(const Presets& p) {
  auto check = [](const Preset& preset, auto take) {
    if (preset.given) take_preset(preset, take);
  };
  check(p.designation, take_designation);
  check(p.events, take_number);
  check(p.months, [](LineReader& s) { return take_months(s, true); });
  check(p.start, [&](LineReader& s) {
    Fixed<13> start = take_start(next_line(s), true);
    if (p.events.given && p.months.given) {
      check_series_length(start, take_preset(p.events, take_number),
                          take_preset(p.months, [](LineReader& m) { return take_months(m, true); }));
    }
    return start;
  });
  check(p.report_step, take_report_step);
  for (const Preset* yes_no : {&p.snow, &p.disaggregation, &p.evaporation, &p.reservoir_inflow, &p.wetland,
                               &p.diversions, &p.lake_evaporation, &p.ice_factors}) {
    check(*yes_no, take_answer_yes_no);
  }
  check(p.snow_factor, take_factor);
  check(p.rate, take_rate);
  check(p.basin, take_basin);
  if (p.snow_factor.given && p.snow.given && !is_yes(take_preset(p.snow, take_answer_yes_no))) {
    not_asked(p.snow_factor, "the answer to snow melt is not y");
  }
  if (p.rate.given && p.disaggregation.given && !is_yes(take_preset(p.disaggregation, take_answer_yes_no))) {
    not_asked(p.rate, "the answer to disaggregation is not y");
  }
}

void wait_for_enter(Console& con, std::string_view message) {
  try {
    pause(con, message);
  } catch (const IoFailure& f) {
    if (f.unit != kUnitConsoleIn) throw;
    throw answer_failure(con, f, message);
  }
}

}  // namespace serigen
