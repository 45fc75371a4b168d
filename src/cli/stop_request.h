// SIGINT and SIGTERM as a request to stop, checked by the job's loop between two ticks, so
// the port is closed by the program and never in the middle of an exchange. Process-wide;
// the handler only raises the flag.
#pragma once

namespace orvane::cli {

void InstallStopHandlers();
bool StopRequested();

}  // namespace orvane::cli
