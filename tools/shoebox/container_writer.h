// Writes a shoebox container: the packed entries, then the directory, an end
// mark and the directory's position. Every position is counted back from the
// end of the file (negative), so the container works the same on its own and
// appended to any other file.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

class ContainerWriter {
public:
    explicit ContainerWriter(std::ostream& out) : out_(out) {}

    // Packs the data and writes it. False, with the reason in `error`, when it
    // is too large for the runtime or cannot be packed or written.
    bool Add(const std::string& name, const std::vector<std::uint8_t>& data, std::string& error);

    // Writes the directory and its position.
    bool Finish(std::string& error);

private:
    struct Written {
        std::string name;
        std::int64_t offset;  // from the container's start
        std::int64_t size;
    };

    std::ostream& out_;
    std::vector<Written> entries_;
    std::int64_t written_ = 0;
};
