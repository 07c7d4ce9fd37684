#include "serigen/chain_list.h"

#include <cstring>
#include <string>

#include "serigen/stop.h"

namespace serigen {

void open_chain_list(Console& con, FileUnit& chain) {
  if (int status = chain.open(); status != 0) {
    warn(con, "cannot open the chain list " + chain.name() + " (" + std::strerror(status) +
                  "); the event files are written without it");
  }
}

void confirm_event(Console& con, const FileName& event_file, FileUnit& chain) {
  // The console line gives the path in 60 columns, the chain line in 72.
  say(con, {Fixed<60>(event_file.view()), "... created"});
  chain.write_list({Fixed<72>(event_file.view())});
  chain.flush();  // the list holds every confirmed event, whatever comes next
}

}  // namespace serigen
