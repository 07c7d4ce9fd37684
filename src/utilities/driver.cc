#include "utilities/driver.h"

#include <memory>
#include <new>
#include <ostream>

#include "common/run_settings.h"
#include "format/file_unit.h"
#include "format/io_error.h"
#include "utilities/calendar.h"
#include "utilities/chain_list.h"
#include "utilities/name_table.h"
#include "utilities/questionnaire.h"
#include "utilities/write_event.h"

namespace serigen {

namespace {

constexpr std::string_view kSeeInfo = "Please see file evt_info.txt for information re: this run";
// Banner lines are 56 characters: a row of asterisks, or text between two.
constexpr std::string_view kBannerEdge = "********************************************************";
constexpr std::string_view kBannerBlank = "*                                                      *";
constexpr std::string_view kBannerVersion = "*                Version 10_2_15                       *";

void start_banner(Console& con) {
  say(con, {kBannerEdge});
  say(con, {kBannerBlank});
  say(con, {"*                 VALDORAN (R)                         *"});
  say(con, {kBannerBlank});
  say(con, {"*                Program tollex                        *"});
  say(con, {kBannerVersion});
  say(con, {kBannerBlank});
  say(con, {kBannerBlank});
  say(con, {kBannerEdge});
  say(con, {});
  say(con, {kSeeInfo});
}

void closing(Console& con) {
  say(con, {"A file called events\\events_to_follow.txt"});
  say(con, {"has been written"});
  say(con, {"This list can be used in the first event file"});
  say(con, {"of a connected set of events"});
  say(con, {});
  say(con, {kBannerEdge});
  say(con, {kBannerBlank});
  say(con, {"*                  VALDORAN (R)                        *"});
  say(con, {kBannerBlank});
  say(con, {"*           Program tollex    Jan. 17 2020             *"});
  say(con, {kBannerBlank});
  say(con, {kBannerVersion});
  say(con, {kBannerBlank});
  say(con, {kBannerBlank});
  say(con, {kBannerEdge});
  say(con, {});
  say(con, {kSeeInfo});
}

std::unique_ptr<RunSettings> create_settings() {
  try {
    return std::make_unique<RunSettings>();
  } catch (const std::bad_alloc&) {
    stop_with_message("**Allocation failed for area12 in eventsa l86**");
  }
}

[[noreturn]] void run(Console& con) {
  std::unique_ptr<RunSettings> settings = create_settings();
  RunSettings& rs = *settings;
  start_banner(con);
  FileUnit run_info(kUnitRunInfo, "evt_info.txt");
  run_info.open();  // never written; kept open for the whole run

  bool FIRSTPASS = false;  // off until the first pass is done
  ask_series_questions(con, rs);
  split_start(rs);
  FileUnit chain(kUnitChainList, kChainListPath);
  open_chain_list(con, chain);

  bool warning_on = true;
  const std::int32_t trips = rs.NOEVENTS;
  // The counter is wider than the trip count, so it cannot overflow.
  for (std::int64_t EVTNO = 1; EVTNO <= trips; ++EVTNO) {
    if (EVTNO > 1) next_event_step(rs);
    event_length(con, rs);
    date_record(rs, EVTNO == 1);
    if (!FIRSTPASS) {
      ask_first_event_questions(con, rs);
      ask_basin_name(con, rs);
    }
    build_name_table(rs);
    overwrite_warning(con, warning_on);
    rs.FLN(99) = rs.FLN1.view();
    write_event(con, rs, rs.YY1, rs.MM1, rs.DD1, rs.HH1, rs.EVTNAME, rs.EVTLENGTH, rs.EVTTYPE);
    confirm_event(con, rs, chain);
    FIRSTPASS = true;
  }
  close_chain_list(chain);
  closing(con);
  stop_with_message("Normal ending", kExitNormal);
}

}  // namespace

int run_serigen(Console& con) {
  try {
    run(con);
  } catch (const ProgramStop& stop) {
    try {
      flush_console(con);  // what was said comes before the stop message
    } catch (const IoFailure& f) {
      con.err << io_failure_report(f) << '\n' << std::flush;
      return kExitIoError;
    }
    con.err << stop.message << '\n' << std::flush;
    return stop.status;
  } catch (const IoFailure& f) {
    con.out.flush();
    con.err << io_failure_report(f) << '\n' << std::flush;
    return kExitIoError;
  }
}

}  // namespace serigen
