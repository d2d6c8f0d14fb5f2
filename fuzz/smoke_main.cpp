// Runs a fuzz harness once over a fixed set of inputs and over every file of
// the seed corpus folders named on the command line, so every build checks that
// the harness works and that these inputs pass.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

using Input = std::vector<std::uint8_t>;

std::vector<Input> FixedInputs() {
    std::mt19937 random(2024);
    std::vector<Input> inputs = {{}, {0}, {0xFF, 0xFF, 0xFF, 0xFF}, {0x80, 0x00}};
    for (std::size_t size : {1u, 3u, 4u, 5u, 9u, 14u, 64u, 300u, 4096u}) {
        for (int k = 0; k < 8; ++k) {
            Input input(size);
            for (auto& byte : input)
                byte =
                    static_cast<std::uint8_t>(random() % (k < 4 ? 256 : 16));  // some with many small bytes
            inputs.push_back(input);
        }
    }
    return inputs;
}

// The files of the folder in name order; false when it cannot be read or holds
// none, since every harness keeps a seed corpus.
bool ReadCorpus(const std::filesystem::path& folder, std::vector<Input>& inputs) {
    std::error_code error;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.is_regular_file(error)) files.push_back(entry.path());
    }
    if (error || files.empty()) return false;
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        inputs.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (in.bad()) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Input> inputs = FixedInputs();
    for (int i = 1; i < argc; ++i) {
        if (!ReadCorpus(argv[i], inputs)) {
            std::fprintf(stderr, "no seed inputs could be read from %s\n", argv[i]);
            return 1;
        }
    }
    for (const auto& input : inputs)
        LLVMFuzzerTestOneInput(input.data(), input.size());
    std::printf("%zu inputs passed\n", inputs.size());
    return 0;
}
