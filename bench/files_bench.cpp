// Extracting a 16 MiB entry from a container (lookup, LZO decoding, the
// temporary file written) against the bare LZO decoder on the same block in
// memory. The extraction should reach at least 70% of the decoder's throughput.
#include <benchmark/benchmark.h>
#include <lzo/lzo1x.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "container_writer.h"
#include "morvane.h"
#include "platform/temp_folder.h"

namespace {

constexpr std::size_t kEntrySize = 16 << 20;

// Text like a program's data files: numbers, words and repeats, which LZO
// packs to about a third.
std::vector<std::uint8_t> EntryData() {
    std::mt19937 random(5);
    const char* words[] = {"vertex", "normal", "texture", "city", "truck", "row", "level", "x", "y", "z"};
    std::string text;
    while (text.size() < kEntrySize) {
        text += words[random() % 10];
        text += ' ';
        text += std::to_string(random() % 100000);
        text += random() % 4 == 0 ? "\r\n" : ", ";
    }
    text.resize(kEntrySize);
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

std::vector<std::uint8_t> PackedBlock(const std::vector<std::uint8_t>& data) {
    ZtCompression packer(ZtCompression::kModeLzo);
    packer.Pack(data.data(), data.size());
    return std::vector<std::uint8_t>(packer.Output(), packer.Output() + packer.OutputLength());
}

// A container file holding the data under "bench.dat".
std::string WriteContainer(const std::vector<std::uint8_t>& data) {
    const std::string path = PrivateTempFolder() + "bench.sbx";
    std::ofstream file(path, std::ios::binary);
    ContainerWriter writer(file);
    std::string error;
    if (!writer.Add("bench.dat", data, error) || !writer.Finish(error)) return {};
    return path;
}

void ExtractFromContainer(benchmark::State& state) {
    const std::vector<std::uint8_t> data = EntryData();
    const std::string container = WriteContainer(data);
    SETSHOEBOX(container.c_str(), "");
    for (auto _ : state) {
        const std::string path = ResolveFileName("data/bench.dat");
        if (path.empty()) state.SkipWithError("the entry was not found");
        benchmark::DoNotOptimize(path.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kEntrySize));
    state.counters["packed_bytes"] = static_cast<double>(PackedBlock(data).size());
    SETSHOEBOX("", "");
    std::remove(container.c_str());
}
BENCHMARK(ExtractFromContainer)->Unit(benchmark::kMillisecond)->UseRealTime();

void BareLzoDecoder(benchmark::State& state) {
    const std::vector<std::uint8_t> block = PackedBlock(EntryData());
    std::vector<std::uint8_t> output(kEntrySize);
    for (auto _ : state) {
        lzo_uint length = output.size();
        const int result =
            lzo1x_decompress_safe(block.data() + 4, block.size() - 4, output.data(), &length, nullptr);
        if (result != LZO_E_OK || length != kEntrySize) state.SkipWithError("the block did not unpack");
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kEntrySize));
}
BENCHMARK(BareLzoDecoder)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
