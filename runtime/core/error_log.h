// The error log: "ErrorLog.txt" in the private temporary folder, one line per
// reported event. Each line is written with its own open and close, so the log
// is complete on disk even if the process dies right after.
#pragma once

#include <string>

// Appends the text and "\r\n"; a null text is written as "null". When the log
// cannot be opened the line is dropped.
void WriteErrorLog(const char* text);

// The log's full path, or an empty string when there is no temporary folder.
std::string ErrorLogPath();

// Removes the log, so that a run starts without one.
void DeleteErrorLog();
