// Converting one model into a .ddd object and its texture.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "conversion_options.h"

namespace dddconv {

struct ConversionReport {
    std::vector<std::string> written;  // what was made, one line each
    std::vector<std::string> dropped;  // what the model has that the object does not keep
};

// Reads the model and writes the object, and its texture beside it when the
// model has one that can be read. Nothing, with the reason in `error`, when
// the model cannot be read or the object cannot be written.
std::optional<ConversionReport> ConvertModel(const ConversionOptions& options, std::string& error);

}  // namespace dddconv
