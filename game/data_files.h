// The database files the game reads: where each came from, and what is said when one is refused.
#pragma once

#include <string>

#include "database/load_report.h"

// The host path of a data name, with a log line naming it, so the log tells whether the user's
// folder or the data set supplied the file.
std::string dataFilePath(const char* name);

// The refusal's message; a file of the user's own is named in it, since the installed one of
// that name is not read in its place.
void warnRefused(const LoadReport& report, const std::string& path);
