#pragma once
// libgsf is set up once for the whole process, whichever reader opens a
// compound document first and on whichever thread: two set-ups racing each
// other would each install GLib's log handlers and initialise libgsf.

namespace tarnby::xls {

void initialiseGsf();

} // namespace tarnby::xls
