#include "conversion_options.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace dddconv {
namespace {

bool EndsWithDdd(const std::string& name) {
    if (name.size() < 4) return false;
    std::string extension = name.substr(name.size() - 4);
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".ddd";
}

// The argument after position `i` as a number, moving past it; NaN when it
// is missing or not wholly a finite number.
double NumberAfter(const std::vector<std::string>& arguments, std::size_t& i) {
    constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();
    if (i + 1 >= arguments.size()) return kNotANumber;
    const std::string& text = arguments[++i];
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size() || !std::isfinite(value)) return kNotANumber;
    return value;
}

}  // namespace

std::optional<ConversionOptions> ParseOptions(const std::vector<std::string>& arguments, std::string& error) {
    ConversionOptions options;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument != "--scale" && argument != "--frames") {
            files.push_back(argument);
            continue;
        }
        const double value = NumberAfter(arguments, i);
        if (argument == "--scale") {
            if (!(value > 0)) {
                error = "--scale needs a number above 0";
                return std::nullopt;
            }
            options.scale = value;
        } else {
            if (!(value >= 1 && value <= kMostFrames && value == std::floor(value))) {
                error = "--frames needs a whole number from 1 to " + std::to_string(kMostFrames);
                return std::nullopt;
            }
            options.frames = static_cast<int>(value);
        }
    }
    if (files.size() != 2) {
        error = "a model file and an output file are needed";
        return std::nullopt;
    }
    if (!EndsWithDdd(files[1])) {
        error = "the output file's name must end in .ddd";
        return std::nullopt;
    }
    options.model = files[0];
    options.output = files[1];
    return options;
}

}  // namespace dddconv
