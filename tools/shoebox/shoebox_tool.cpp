#include "shoebox_tool.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>

#include "container_writer.h"
#include "files/ascii_case.h"
#include "files/byte_source.h"
#include "files/compression.h"
#include "files/file_system.h"
#include "files/little_endian.h"
#include "files/shoebox_directory.h"
#include "replacing_file.h"

namespace {

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

constexpr const char* kUsageText =
    "usage:\n"
    "  shoebox create OUT FILE...       pack the files into a new container file OUT\n"
    "  shoebox append PROGRAM FILE...   append a container of the files to PROGRAM, which then\n"
    "                                   finds them inside itself\n"
    "  shoebox list CONTAINER           show each entry's name, packed size and size\n"
    "  shoebox extract CONTAINER DIR [NAME...]\n"
    "                                   unpack every entry (or the named ones) into DIR\n"
    "  shoebox verify CONTAINER         check that every entry unpacks to its recorded size\n"
    "\n"
    "A FILE is stored under its base name; NAME=PATH stores PATH under NAME. An\n"
    "argument that names an existing file is always taken as a path. Names are 1 to\n"
    "255 bytes without \"/\" or \"\\\", and distinct without regard to case.\n";

struct Input {
    std::string name;
    std::filesystem::path path;
};

bool ReadWholeFile(const std::filesystem::path& path, std::vector<std::uint8_t>& data) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    data.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

bool IsPlainName(const std::string& name) {
    return !name.empty() && name.size() <= 255 && name != "." && name != ".." &&
           name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

std::string FoldedCase(const std::string& name) {
    std::string folded = name;
    for (char& c : folded)
        c = AsciiLowerCase(c);
    return folded;
}

// The entries named on the command line, each checked.
bool ParseInputs(const std::vector<std::string>& arguments, std::vector<Input>& inputs, std::ostream& err) {
    std::map<std::string, std::string> seen;  // folded name -> name
    for (const std::string& argument : arguments) {
        Input input{std::filesystem::path(argument).filename().string(), argument};
        const std::size_t equals = argument.find('=');
        std::error_code ignored;
        if (equals != std::string::npos && equals > 0 &&
            !std::filesystem::is_regular_file(argument, ignored)) {
            input = {argument.substr(0, equals), argument.substr(equals + 1)};
        }
        if (!IsPlainName(input.name)) {
            err << "shoebox: " << argument << ": \"" << input.name
                << "\" is not a usable entry name (1 to 255 bytes, no \"/\" or \"\\\")\n";
            return false;
        }
        const auto [at, added] = seen.emplace(FoldedCase(input.name), input.name);
        if (!added) {
            err << "shoebox: two entries named \"" << at->second << "\" and \"" << input.name << "\"\n";
            return false;
        }
        inputs.push_back(std::move(input));
    }
    return true;
}

bool WriteContainer(const std::vector<Input>& inputs, std::ostream& stream, std::ostream& err) {
    ContainerWriter writer(stream);
    std::string error;
    for (const Input& input : inputs) {
        std::vector<std::uint8_t> data;
        if (!ReadWholeFile(input.path, data)) {
            err << "shoebox: cannot read " << input.path.string() << "\n";
            return false;
        }
        if (!writer.Add(input.name, data, error)) {
            err << "shoebox: " << error << "\n";
            return false;
        }
    }
    if (!writer.Finish(error)) {
        err << "shoebox: " << error << "\n";
        return false;
    }
    return true;
}

// create and append: the container replaces OUT, or PROGRAM with it appended.
int Pack(const std::string& target, const std::vector<std::string>& arguments, bool append, std::ostream& out,
         std::ostream& err) {
    std::vector<Input> inputs;
    if (!ParseInputs(arguments, inputs, err)) return kFailed;
    std::error_code ignored;
    if (append && !std::filesystem::is_regular_file(target, ignored)) {
        err << "shoebox: " << target << " is not a file\n";
        return kFailed;
    }
    ReplacingFile file(target);
    std::string error;
    if (!file.Open(append, error) || !WriteContainer(inputs, file.Stream(), err) || !file.Commit(error)) {
        if (!error.empty()) err << "shoebox: " << error << "\n";
        return kFailed;
    }
    out << (append ? "appended " : "packed ") << inputs.size() << (inputs.size() == 1 ? " entry" : " entries")
        << " to " << target << "\n";
    return kOk;
}

// Opens a container and collects its entries; false (with a message) when it
// has no readable directory.
class OpenContainer {
public:
    bool Open(const std::string& path, std::ostream& err) {
        if (!file_.OpenRead(path.c_str())) {
            err << "shoebox: cannot read " << path << "\n";
            return false;
        }
        source_.emplace(file_);
        const bool readable = ForEachShoeBoxEntry(*source_, [&](const ShoeBoxEntry& entry) {
            entries_.push_back(entry);
            return true;
        });
        if (!readable || entries_.empty()) {
            err << "shoebox: " << path << " holds no container\n";
            return false;
        }
        return true;
    }
    ByteSource& Source() { return *source_; }
    const std::vector<ShoeBoxEntry>& Entries() const { return entries_; }

private:
    ZtFileSystem file_;
    std::optional<FileByteSource> source_;
    std::vector<ShoeBoxEntry> entries_;
};

// The size an entry's header announces, or -1 when it cannot be read.
std::int64_t AnnouncedSize(ByteSource& source, const ShoeBoxEntry& entry) {
    std::uint8_t header[4];
    if (!entry.data_in_file || entry.stored_size < 4 || !source.ReadAt(entry.data_offset, header, 4))
        return -1;
    return ReadLittleEndian32(header);
}

int List(const std::string& path, std::ostream& out, std::ostream& err) {
    OpenContainer container;
    if (!container.Open(path, err)) return kFailed;
    for (const ShoeBoxEntry& entry : container.Entries()) {
        const std::int64_t size = AnnouncedSize(container.Source(), entry);
        out << entry.name << "\t" << entry.stored_size << "\t";
        if (size >= 0) {
            out << size << "\n";
        } else {
            out << "?\n";
        }
    }
    return kOk;
}

int Verify(const std::string& path, std::ostream& out, std::ostream& err) {
    OpenContainer container;
    if (!container.Open(path, err)) return kFailed;
    int failures = 0;
    for (const ShoeBoxEntry& entry : container.Entries()) {
        ZtCompression unpacked;
        if (UnpackShoeBoxEntry(container.Source(), entry, unpacked)) {
            out << "ok\t" << entry.name << "\t" << unpacked.OutputLength() << "\n";
        } else {
            out << "FAILED\t" << entry.name << "\n";
            ++failures;
        }
    }
    if (failures > 0) err << "shoebox: " << failures << " entries of " << path << " are damaged\n";
    return failures == 0 ? kOk : kFailed;
}

bool WriteEntryFile(const std::filesystem::path& path, const ZtCompression& unpacked, std::ostream& err) {
    ReplacingFile file(path);
    std::string error;
    if (file.Open(false, error)) {
        file.Stream().write(reinterpret_cast<const char*>(unpacked.Output()),
                            static_cast<std::streamsize>(unpacked.OutputLength()));
        if (file.Commit(error)) return true;
    }
    err << "shoebox: " << error << "\n";
    return false;
}

int Extract(const std::string& path, const std::string& folder, const std::vector<std::string>& names,
            std::ostream& out, std::ostream& err) {
    OpenContainer container;
    if (!container.Open(path, err)) return kFailed;
    std::error_code ignored;
    if (!std::filesystem::is_directory(folder, ignored)) {
        err << "shoebox: " << folder << " is not a folder\n";
        return kFailed;
    }
    std::map<std::string, bool> wanted;  // folded name -> found
    for (const std::string& name : names)
        wanted[FoldedCase(name)] = false;
    int result = kOk;
    for (const ShoeBoxEntry& entry : container.Entries()) {
        const auto want = wanted.find(FoldedCase(entry.name));
        if (!wanted.empty() && want == wanted.end()) continue;
        if (want != wanted.end()) want->second = true;
        ZtCompression unpacked;
        if (!IsPlainName(entry.name)) {
            err << "shoebox: entry \"" << entry.name << "\" is not a plain file name; skipped\n";
            result = kFailed;
        } else if (!UnpackShoeBoxEntry(container.Source(), entry, unpacked)) {
            err << "shoebox: entry \"" << entry.name << "\" is damaged\n";
            result = kFailed;
        } else if (!WriteEntryFile(std::filesystem::path(folder) / entry.name, unpacked, err)) {
            result = kFailed;
        } else {
            out << entry.name << "\n";
        }
    }
    for (const auto& [name, found] : wanted) {
        if (!found) {
            err << "shoebox: no entry named " << name << "\n";
            result = kFailed;
        }
    }
    return result;
}

int Usage(std::ostream& err, const std::string& problem) {
    if (!problem.empty()) err << "shoebox: " << problem << "\n";
    err << kUsageText;
    return kUsage;
}

}  // namespace

int RunShoeboxTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.empty()) return Usage(err, "");
    const std::string& command = arguments[0];
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    if (command == "create" || command == "append") {
        if (rest.size() < 2) return Usage(err, command + " needs a target and at least one file");
        return Pack(rest[0], {rest.begin() + 1, rest.end()}, command == "append", out, err);
    }
    if (command == "list" || command == "verify") {
        if (rest.size() != 1) return Usage(err, command + " needs exactly one container");
        return command == "list" ? List(rest[0], out, err) : Verify(rest[0], out, err);
    }
    if (command == "extract") {
        if (rest.size() < 2) return Usage(err, "extract needs a container and a folder");
        return Extract(rest[0], rest[1], {rest.begin() + 2, rest.end()}, out, err);
    }
    if (command == "-h" || command == "--help" || command == "help") {
        out << kUsageText;
        return kOk;
    }
    return Usage(err, "unknown command \"" + command + "\"");
}
