#include "utilities/chain_list.h"

#include <cstring>
#include <ostream>

namespace serigen {

void open_chain_list(Console& con, FileUnit& chain) {
  if (int status = chain.open(); status != 0) {
    flush_console(con);
    con.err << "serigen: warning: cannot open the chain list " << chain.name() << " (" << std::strerror(status)
            << "); the event files are written without it\n";
    con.err.flush();
  }
}

void confirm_event(Console& con, RunSettings& rs, FileUnit& chain) {
  say(con, {rs.FLN(99).view().substr(0, 60), "... created"});
  chain.write_list({rs.FLN1.view().substr(0, 72)});
  chain.flush();  // the list holds every confirmed event, whatever comes next
}

void close_chain_list(FileUnit& chain) { chain.close(); }

}  // namespace serigen
