#include "files/file_dialog.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include "files/dialog_window.h"
#include "platform/process.h"

namespace {

// The parts of a text between the separator.
std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    for (;;) {
        const std::size_t end = text.find(separator);
        parts.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos) return parts;
        text.remove_prefix(end + 1);
    }
}

std::string Join(const std::vector<std::string>& parts, const char* separator) {
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty()) text += separator;
        text += part;
    }
    return text;
}

bool IsKdialog(const std::string& program) {
    return std::filesystem::path(program).filename() == "kdialog";
}

std::vector<std::string> ZenityArguments(const std::string& program, bool open,
                                         const std::vector<FileFilter>& filters, const std::string& folder) {
    std::vector<std::string> arguments{program, "--file-selection"};
    if (!open) arguments.emplace_back("--save");
    arguments.push_back("--filename=" + folder);
    for (const FileFilter& filter : filters)
        arguments.push_back("--file-filter=" + filter.description + " | " + Join(filter.patterns, " "));
    return arguments;
}

std::vector<std::string> KdialogArguments(const std::string& program, bool open,
                                          const std::vector<FileFilter>& filters, const std::string& folder) {
    std::vector<std::string> arguments{program, open ? "--getopenfilename" : "--getsavefilename", folder};
    std::vector<std::string> lines;
    for (const FileFilter& filter : filters)
        lines.push_back(Join(filter.patterns, " ") + "|" + filter.description);
    if (!lines.empty()) arguments.push_back(Join(lines, "\n"));
    return arguments;
}

std::string DialogProgram() {
    std::string program = FindProgramOnPath("zenity");
    if (program.empty()) program = FindProgramOnPath("kdialog");
    return program;
}

std::string CurrentFolder() {
    std::error_code error;
    std::string folder = std::filesystem::current_path(error).string();
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

// The path the dialog printed, or empty when it was cancelled or failed.
std::string ShowDialog(const std::vector<std::string>& arguments) {
    std::string output;
    int exit_code = 0;
    if (!RunProgramForOutput(arguments, output, exit_code) || exit_code != 0) return {};
    while (!output.empty() && (output.back() == '\n' || output.back() == '\r'))
        output.pop_back();
    return output;
}

}  // namespace

std::vector<FileFilter> ParseFileFilter(const char* filter) {
    std::vector<FileFilter> filters;
    if (filter == nullptr || filter[0] == '\0') return filters;
    const std::vector<std::string> parts = Split(filter, '|');
    for (std::size_t k = 0; k + 1 < parts.size(); k += 2)
        filters.push_back({parts[k], Split(parts[k + 1], ';')});
    return filters;
}

std::vector<std::string> FileDialogArguments(const std::string& program, bool open,
                                             const std::vector<FileFilter>& filters,
                                             const std::string& folder) {
    return IsKdialog(program) ? KdialogArguments(program, open, filters, folder)
                              : ZenityArguments(program, open, filters, folder);
}

DynStr FILEREQUEST_Str(double open, DynStr filter) {
    const std::string program = DialogProgram();
    if (program.empty()) return DynStr("NO_FILE");
    const std::vector<std::string> arguments =
        FileDialogArguments(program, open != 0, ParseFileFilter(filter.c_str()), CurrentFolder());
    const std::string chosen = RunWithWindowHidden([&] { return ShowDialog(arguments); });
    if (chosen.empty()) return DynStr("NO_FILE");
    DynStr path(chosen.c_str());
    ReverseSlashes(path);
    return path;
}
