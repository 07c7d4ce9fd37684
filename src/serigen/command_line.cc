#include "serigen/command_line.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <filesystem>
#include <vector>

#include "format/file_unit.h"
#include "serigen/questionnaire.h"

#ifndef SERIGEN_VERSION
#define SERIGEN_VERSION "0.0.0"
#endif

namespace serigen {

namespace {

constexpr const char* kDescription =
    "serigen writes a series of event files for a distributed hydrological model:\n"
    "one 99-line event file per month or year under event\\, and the chain list\n"
    "event\\events_to_follow.txt. It asks for every answer not given as an option\n"
    "or in an answer file (--config), in the order of the options below.";

constexpr const char* kFooter =
    "Answers on standard input (serigen < answers.txt) are the lines typed at\n"
    "the questions, one per line, in the order above, each question asked only\n"
    "when no option answers it, then two empty lines for the two pauses.\n"
    "A y/n answer is y or n in its first column (yes, no) or an empty line for\n"
    "no. The start is yyyy mm dd hh, or 3 or 4 numbers (2010 6 15 0); it must\n"
    "be a real date from year 1000, and the last event must begin by 9999.\n"
    "Names may not hold \\ / : * ? \" < > | or control characters. From a file\n"
    "or a pipe the run stops at an answer it does not take; at a terminal it\n"
    "says why and asks again. serigen --save-config FILE writes the answers of\n"
    "a run as an answer file; serigen --config FILE --yes repeats the run.\n"
    "\n"
    "Exit status:\n"
    "  0  normal ending\n"
    "  1  a failure stop: a refused answer, months per event other than 1 or\n"
    "     12, a start month outside 1 to 12, no event directory, another run\n"
    "     in the directory, --no-clobber over existing event files, an event\n"
    "     file that cannot be opened\n"
    "  2  an input/output error (an answer that cannot be read, end of the\n"
    "     answers, a failed write) or a bad command line";

// One option per question: its name, which is also its key in an answer
// file, the preset it fills, and its help.
struct AnswerOption {
  const char* name;
  Preset Presets::*preset;
  const char* value;
  const char* help;
};
constexpr AnswerOption kAnswerOptions[] = {
    {"designation", &Presets::designation, "NAME", "special event class designation, e.g. CaPA; na for legacy names"},
    {"events", &Presets::events, "N", "number of events to create"},
    {"months", &Presets::months, "1|12", "months per event: 1 or 12"},
    {"start", &Presets::start, "\"YYYY MM DD HH\"", "start of the first event: yyyy mm dd hh"},
    {"report-step", &Presets::report_step, "HOURS", "reporting time step in hours"},
    {"snow", &Presets::snow, "y|n", "snow melt routines: y, n, or empty for no"},
    {"snow-factor", &Presets::snow_factor, "FACTOR", "snow conversion factor, with --snow y"},
    {"disaggregate", &Presets::disaggregation, "y|n", "precipitation disaggregation: y, n, or empty"},
    {"rate", &Presets::rate, "MM/HR", "disaggregation rate in mm/hr, with --disaggregate y"},
    {"evaporation", &Presets::evaporation, "y|n", "evaporation routines: y, n, or empty"},
    {"reservoir-inflow", &Presets::reservoir_inflow, "y|n", "reservoir/lake inflow files: y, n, or empty"},
    {"wetland", &Presets::wetland, "y|n", "wetland coupling: y, n, or empty"},
    {"diversions", &Presets::diversions, "y|n", "diversions: y, n, or empty"},
    {"lake-evaporation", &Presets::lake_evaporation, "y|n", "lake evaporation: y, n, or empty"},
    {"ice", &Presets::ice_factors, "y|n", "ice factors: y, n, or empty"},
    {"basin", &Presets::basin, "NAME", "name of the shd and par files, e.g. gr10k"},
};

bool on_command_line(int argc, const char* const* argv, const std::string& name) {
  const std::string option = "--" + name;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "--") break;
    if (arg == option || arg.starts_with(option + "=")) return true;
  }
  return false;
}

// -C DIR, -CDIR, --directory DIR, --directory=DIR: changes directory before
// anything else is read.
void change_directory_first(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    std::string dir;
    if (arg == "--") return;
    if ((arg == "-C" || arg == "--directory") && i + 1 < argc) {
      dir = argv[i + 1];
    } else if (arg.starts_with("--directory=")) {
      dir = arg.substr(12);
    } else if (arg.starts_with("-C") && arg.size() > 2) {
      dir = arg.substr(2);
    } else {
      continue;
    }
    std::error_code ec;
    std::filesystem::current_path(native_path(dir), ec);
    if (ec) throw UsageError{"serigen: -C: cannot work in " + dir + ": " + ec.message()};
    return;
  }
}

// One line, whatever CLI11 says.
std::string one_line(std::string text) {
  for (char& c : text) {
    if (c == '\n') c = ' ';
  }
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// A text value as the answer file keeps it, in double quotes. The reader
// takes off the double quotes and then one more pair of matching quotes
// around what is left; a value with a blank or a comma loses one more pair
// on the way, so a value that is itself quoted gets one more pair then.
std::string toml_quoted(std::string_view value) {
  const bool split = value.find_first_of(" ,") != std::string_view::npos;
  const bool wrapped = value.size() > 1 && (value.front() == '\'' || value.front() == '"') && value.front() == value.back();
  const std::string kept = split && wrapped ? "'" + std::string(value) + "'" : std::string(value);
  return "\"" + kept + "\"";
}

std::string number_text(float value) {
  char buf[32];
  auto r = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, r.ptr);
}

std::string yes_no_text(const Fixed<1>& answer) { return toml_quoted(answer[0] == ' ' ? "" : answer.view()); }

// The designation is read as a list-directed value: one with a blank, a
// comma, a slash or a quote at its start is written in apostrophes.
std::string designation_text(const Fixed<8>& designation) {
  std::string_view d = designation.trimmed();
  if (!d.empty() && d.find_first_of(" ,/") == std::string_view::npos && d[0] != '\'' && d[0] != '"') {
    return toml_quoted(d);
  }
  std::string listed = "'";
  for (char c : d) {
    listed += c;
    if (c == '\'') listed += c;
  }
  return toml_quoted(listed + "'");
}

}  // namespace

CommandLine parse_command_line(int argc, const char* const* argv) {
  change_directory_first(argc, argv);
  CommandLine result;
  RunOptions& options = result.options;
  CLI::App app{kDescription, "serigen"};
  app.footer(kFooter);
  app.set_help_flag("-h,--help", "show this help and end");
  app.set_version_flag("--version", "serigen " SERIGEN_VERSION, "show the version and end");
  std::string config_file;
  app.set_config("--config", "", "take answers from this answer file (TOML, keys as the options)")
      ->check(CLI::ExistingFile)
      ->type_name("FILE");
  app.allow_config_extras(false);
  std::string directory;
  app.add_option("-C,--directory", directory, "work in DIR, as if started there")
      ->type_name("DIR")
      ->configurable(false);
  app.add_option("--save-config", options.save_config, "write the answers of this run to FILE as an answer file")
      ->type_name("FILE")
      ->configurable(false);
  app.add_flag("--yes", options.yes, "show the overwrite warning without pausing")->configurable(false);
  app.add_flag("--no-clobber", options.no_clobber, "refuse to start when an event file of the series exists")
      ->configurable(false);
  app.add_flag("--plan", options.plan, "show the series and what is there now; write nothing")->configurable(false);
  std::vector<CLI::Option*> answer_options;
  for (const AnswerOption& a : kAnswerOptions) {
    answer_options.push_back(
        app.add_option("--" + std::string(a.name), (options.presets.*a.preset).value, a.help)->type_name(a.value));
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    result.print_only = true;
    result.text = app.help();
    return result;
  } catch (const CLI::CallForVersion& e) {
    result.print_only = true;
    result.text = std::string(e.what()) + "\n";
    return result;
  } catch (const CLI::ParseError& e) {
    throw UsageError{"serigen: " + one_line(e.what()) + "; see serigen --help"};
  }
  const std::string config_name = app.get_config_ptr()->as<std::string>();
  for (std::size_t i = 0; i < answer_options.size(); ++i) {
    Preset& preset = options.presets.*kAnswerOptions[i].preset;
    preset.given = answer_options[i]->count() > 0;
    const std::string name = kAnswerOptions[i].name;
    preset.source = on_command_line(argc, argv, name) ? "--" + name : name + " in " + config_name;
  }
  check_presets(options.presets);
  return result;
}

std::string answers_file_text(const Answers& answers) {
  const SeriesAnswers& s = answers.series;
  const ModelAnswers& m = answers.model;
  // The reader of answer files ends a value at a #.
  for (const auto& [what, name] : {std::pair{"designation", s.designation.view()}, {"basin name", m.basin.view()}}) {
    if (name.find('#') != std::string_view::npos) {
      throw UsageError{std::string("serigen: --save-config: an answer file cannot keep the # in the ") + what};
    }
  }
  std::string t = "# serigen answers: serigen --config FILE" + std::string(kFileRecordEnd);
  auto key = [&t](const char* name, const std::string& value) {
    t.append(name).append(" = ").append(value).append(kFileRecordEnd);
  };
  key("designation", designation_text(s.designation));
  key("events", std::to_string(s.event_count));
  key("months", std::to_string(s.months_per_event));
  // The start's fields, laid out: the columns between them are never read.
  const std::string_view start = s.start.view();
  key("start", toml_quoted(std::string(start.substr(0, 4)) + " " + std::string(start.substr(5, 2)) + " " +
                      std::string(start.substr(8, 2)) + " " + std::string(start.substr(11, 2))));
  key("report-step", std::to_string(m.report_step));
  key("snow", yes_no_text(m.snow));
  if (is_yes(m.snow)) key("snow-factor", number_text(m.snow_factor));
  key("disaggregate", yes_no_text(m.disaggregation));
  if (is_yes(m.disaggregation)) key("rate", number_text(m.rate));
  key("evaporation", yes_no_text(m.evaporation));
  key("reservoir-inflow", yes_no_text(m.reservoir_inflow));
  key("wetland", yes_no_text(m.wetland));
  key("diversions", yes_no_text(m.diversions));
  key("lake-evaporation", yes_no_text(m.lake_evaporation));
  key("ice", yes_no_text(m.ice_factors));
  key("basin", toml_quoted(m.basin.view().substr(0, len_trim(m.basin.view()))));
  return t;
}

}  // namespace serigen
