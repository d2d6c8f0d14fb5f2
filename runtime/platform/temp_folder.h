// The runtime's private temporary folder.
#pragma once

#include <string>

// The folder for the error log and for files extracted from containers:
// $TMPDIR (else /tmp) followed by "/morvane-<uid>", created with mode 0700 on
// first use. It is used only when it is a real directory (not a link) owned by
// this user and closed to everyone else. Returns the path with a trailing "/",
// or an empty string when no such folder can be had.
std::string PrivateTempFolder();
