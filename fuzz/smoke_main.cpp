// Runs a fuzz harness once over a fixed set of inputs (no corpus needed), so
// every build checks that the harness works and that these inputs pass.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main() {
    std::mt19937 random(2024);
    std::vector<std::vector<std::uint8_t>> inputs = {{}, {0}, {0xFF, 0xFF, 0xFF, 0xFF}, {0x80, 0x00}};
    for (std::size_t size : {1u, 3u, 4u, 5u, 9u, 14u, 64u, 300u, 4096u}) {
        for (int k = 0; k < 8; ++k) {
            std::vector<std::uint8_t> input(size);
            for (auto& byte : input)
                byte =
                    static_cast<std::uint8_t>(random() % (k < 4 ? 256 : 16));  // some with many small bytes
            inputs.push_back(input);
        }
    }
    for (const auto& input : inputs)
        LLVMFuzzerTestOneInput(input.data(), input.size());
    std::printf("%zu inputs passed\n", inputs.size());
    return 0;
}
