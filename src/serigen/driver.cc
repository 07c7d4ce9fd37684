#include "serigen/driver.h"

#include <array>
#include <exception>
#include <filesystem>
#include <new>
#include <ostream>
#include <stdexcept>
#include <string_view>

#include "format/file_unit.h"
#include "format/os.h"
#include "serigen/answers.h"
#include "serigen/calendar.h"
#include "serigen/chain_list.h"
#include "serigen/command_line.h"
#include "serigen/event_writer.h"
#include "serigen/name_table.h"
#include "serigen/questionnaire.h"
#include "serigen/series_plan.h"
#include "serigen/stop.h"

namespace serigen {

namespace {

constexpr std::string_view kSeeInfo = "Please see file evt_info.txt for information re: this run";
// Banner lines are 56 characters: a row of asterisks, or text between two.
constexpr std::string_view kEdge = "********************************************************";
constexpr std::string_view kBlank = "*                                                      *";
constexpr std::string_view kVersion = "*                Version 10_2_15                       *";

constexpr std::array<std::string_view, 9> kStartBanner = {
    kEdge,   kBlank, "*                 VALDORAN (R)                         *",
    kBlank,  "*                Program tollex                        *",
    kVersion, kBlank, kBlank,
    kEdge,
};
constexpr std::array<std::string_view, 4> kClosingLines = {
    "A file called events\\events_to_follow.txt",
    "has been written",
    "This list can be used in the first event file",
    "of a connected set of events",
};
constexpr std::array<std::string_view, 10> kClosingBanner = {
    kEdge,  kBlank, "*                  VALDORAN (R)                        *",
    kBlank, "*           Program tollex    Jan. 17 2020             *",
    kBlank, kVersion, kBlank, kBlank, kEdge,
};

// The event directory must be there, and writable, before anything is asked.
void check_event_directory() {
  std::error_code ec;
  const auto status = std::filesystem::status(native_path("event"), ec);
  const char* what = nullptr;
  if (!std::filesystem::exists(status)) {
    what = "there is no event directory here";
  } else if (!std::filesystem::is_directory(status)) {
    what = "event here is not a directory";
  } else if (!os::is_writable_directory(native_path("event"))) {
    what = "the event directory here is not writable";
  }
  if (what != nullptr) {
    stop_with_message(std::string("serigen: ") + what +
                      "; run serigen in the model's working directory, which holds a writable event directory "
                      "(create it with: mkdir event)");
  }
}

// Temporary files that an interrupted or killed run left beside event files.
void remove_unfinished_files() {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(native_path("event"), ec)) {
    const std::string name = entry.path().filename().string();
    if (name.size() > kTemporaryEnding.size() && name.ends_with(kTemporaryEnding)) {
      std::filesystem::remove(entry.path(), ec);
    }
  }
}

template <std::size_t N>
void say_lines(Console& con, const std::array<std::string_view, N>& lines) {
  for (std::string_view line : lines) say(con, {line});
}

void warn_no_events(Console& con, std::int32_t count) {
  if (count < 1) warn(con, "the number of events is " + std::to_string(count) + ", so no event file is written");
}

// --save-config: the answers as an answer file, replaced whole.
void save_answers(const std::string& path, const Answers& answers) {
  FileUnit file(kUnitSavedAnswers, path);
  if (int code = file.open(WhenMissing::CreateWithRecords); code != 0) {
    fail_io("open error", kUnitSavedAnswers, path, os::error_text(code));
  }
  file.put_records(answers_file_text(answers));
  file.close();
}

// --no-clobber: the run does not start over event files that exist.
void refuse_to_clobber(Console& con, const SeriesAnswers& series) {
  const std::int32_t months = series.months_per_event;
  const std::int32_t month = split_start(series.start).first.month;
  if ((months != 1 && months != 12) || month < 1 || month > 12) return;  // the run stops on them first
  std::vector<std::string> existing;
  for (const PlannedEvent& p : plan_series(con, series)) {
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(native_path(p.file.trimmed()), ec))) {
      existing.emplace_back(p.file.trimmed());
    }
  }
  if (existing.empty()) return;
  std::string list;
  for (std::size_t k = 0; k < existing.size() && k < 3; ++k) list += (k > 0 ? ", " : "") + existing[k];
  if (existing.size() > 3) list += " and " + std::to_string(existing.size() - 3) + " more";
  stop_with_message("serigen: --no-clobber: event files of this series exist already: " + list +
                    "; nothing was written");
}

// --plan: the answers, then the series as a table; nothing is written but
// the answer file of --save-config.
void plan(Console& con, const RunOptions& options) {
  Answers answers;
  answers.series = ask_series_questions(con, options.presets);
  std::vector<PlannedEvent> events = plan_series(con, answers.series);
  if (!events.empty()) answers.model = ask_model_questions(con, options.presets);
  if (!options.save_config.empty() && !events.empty()) save_answers(options.save_config, answers);
  show_plan(con, events);
  warn_no_events(con, answers.series.event_count);
}

void run(Console& con, const RunOptions& options) {
  say_lines(con, kStartBanner);
  say(con, {});
  say(con, {kSeeInfo});
  check_event_directory();
  if (options.plan) return plan(con, options);
  Answers answers;
  // With --no-clobber nothing at all is made before the series is known to
  // be new, so the series questions come first.
  if (options.no_clobber) {
    answers.series = ask_series_questions(con, options.presets);
    refuse_to_clobber(con, answers.series);
  }
  // Never written; kept open and locked for the whole run, so that a second
  // run in the same directory cannot mix its files with this one's.
  FileUnit run_info(kUnitRunInfo, "evt_info.txt");
  if (run_info.open() == 0 && !run_info.try_lock()) {
    stop_with_message(
        "serigen: another serigen run is working in this directory (evt_info.txt is locked); "
        "wait for it to end, or run in another directory");
  }
  remove_unfinished_files();
  if (!options.no_clobber) answers.series = ask_series_questions(con, options.presets);
  const SeriesStart start = split_start(answers.series.start);
  FileUnit chain(kUnitChainList, kChainListPath);
  open_chain_list(con, chain);

  const std::int32_t months = answers.series.months_per_event;
  Event event = start.first;
  bool warned_in_place = false;
  // The counter is wider than the event count, so it cannot overflow.
  for (std::int64_t number = 1; number <= answers.series.event_count; ++number) {
    const bool first = number == 1;
    if (!first) event = next_event(event, months, start);
    event.hours = event_length(con, months, event);
    date_record(event, first);
    if (first) {
      answers.model = ask_model_questions(con, options.presets);
      if (!options.save_config.empty()) save_answers(options.save_config, answers);
    }
    const EventFiles files = build_name_table(answers.model.basin, answers.series.designation, event.name);
    if (first) overwrite_warning(con, !options.yes);
    if (write_event(con, answers, event, files) && !warned_in_place) {
      warned_in_place = true;
      warn(con, "the directory of " + std::string(files.event.trimmed()) +
                    " cannot take a temporary file; event files are rewritten in place");
    }
    confirm_event(con, files.event, chain);
  }
  chain.close();

  warn_no_events(con, answers.series.event_count);
  say_lines(con, kClosingLines);
  say(con, {});
  say_lines(con, kClosingBanner);
  say(con, {});
  say(con, {kSeeInfo});
}

// What was said on the console comes before the message on the error
// stream, also when both go to one place.
int end_with(Console& con, std::string_view message, int status) {
  try {
    flush_console(con);
  } catch (const IoFailure& f) {
    con.err << io_failure_report(f) << '\n' << std::flush;
    return kExitIoError;
  }
  con.err << message << '\n' << std::flush;
  return status;
}

}  // namespace

int run_serigen(Console& con, const RunOptions& options) {
  try {
    run(con, options);
    return end_with(con, "Normal ending", kExitNormal);
  } catch (const ProgramStop& stop) {
    return end_with(con, stop.message, stop.status);
  } catch (const UsageError& e) {
    return end_with(con, e.message, kExitIoError);
  } catch (const AnswerFailure& f) {
    return end_with(con, answer_failure_report(f), kExitIoError);
  } catch (const RefusedAnswer& r) {
    return end_with(con, refused_answer_report(r), kExitFailureStop);
  } catch (const IoFailure& f) {
    con.out.flush();
    con.err << io_failure_report(f) << '\n' << std::flush;
    return kExitIoError;
  } catch (const std::bad_alloc&) {
    return end_with(con, "**Allocation failed for area12 in eventsa l86**", kExitFailureStop);
  } catch (const std::exception& e) {
    // A fault of the program itself; every known failure is reported above.
    return end_with(con, std::string("serigen: internal error: ") + e.what(), kExitFailureStop);
  }
}

}  // namespace serigen
