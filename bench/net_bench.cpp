// Sessions on loopback: eight programs in one session, each sending 1,000
// guaranteed messages a second to all the others for ten seconds. Measures
// how long a message takes from the sender's SendMsg to the receiver's
// ReceiveMsg (median and 99th percentile), how many are lost or out of their
// sender's order, and the processor time of each program.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "net/enet_endpoint.h"
#include "net/zt_network.h"
#include "support/percentile.h"

namespace {

constexpr int kPrograms = 8;
constexpr int kMessagesPerSecond = 1000;
constexpr int kSeconds = 10;
constexpr int kMessagesEach = kMessagesPerSecond * kSeconds;
constexpr int kExpectedEach = kMessagesEach * (kPrograms - 1);

using SteadyClock = std::chrono::steady_clock;

std::int64_t NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(SteadyClock::now().time_since_epoch())
        .count();
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// What one program saw, written to its file for the benchmark to gather.
struct ProgramReport {
    bool joined = false;
    long received = 0;
    long misordered = 0;
    double cpu_share = 0;  // processor time over wall time while sending
    std::vector<float> latencies_ms;
};

// A message's sender, index and sending time, as "sender index nanoseconds".
bool ReadFields(const char* text, int& sender, long& index, std::int64_t& sent_ns) {
    const char* end = text + std::strlen(text);
    auto field = std::from_chars(text, end, sender);
    if (field.ec != std::errc() || field.ptr == end) return false;
    field = std::from_chars(field.ptr + 1, end, index);
    if (field.ec != std::errc() || field.ptr == end) return false;
    return std::from_chars(field.ptr + 1, end, sent_ns).ec == std::errc();
}

class Receiver {
public:
    explicit Receiver(ProgramReport& report) : report_(report), next_of_sender_(kPrograms, 0) {}

    // Takes every message waiting for the player, timing each.
    void Drain(ZtNetwork& network, std::uint32_t player) {
        char text[64];
        while (network.ReceiveMsg(player, text, sizeof text)) {
            int sender = 0;
            long index = 0;
            std::int64_t sent_ns = 0;
            if (!ReadFields(text, sender, index, sent_ns) || sender < 0 || sender >= kPrograms) {
                ++report_.misordered;
                continue;
            }
            report_.latencies_ms.push_back(static_cast<float>((NowNs() - sent_ns) / 1e6));
            if (index != next_of_sender_[sender]) ++report_.misordered;
            next_of_sender_[sender] = index + 1;
            ++report_.received;
        }
    }

private:
    ProgramReport& report_;
    std::vector<long> next_of_sender_;
};

// One pass of the program's loop, as a program makes one a frame: serves the
// session and takes the messages that arrived.
void Pass(ZtNetwork& network, std::uint32_t player, Receiver& receiver) {
    network.Service();
    receiver.Drain(network, player);
}

// Passes a millisecond apart for the given time, the first a millisecond from
// now: a loop of short calls waits between its passes instead of spinning.
void PassFor(ZtNetwork& network, std::uint32_t player, Receiver& receiver, std::chrono::milliseconds time) {
    const auto start = SteadyClock::now();
    for (auto pass = start + std::chrono::milliseconds(1); pass <= start + time;
         pass += std::chrono::milliseconds(1)) {
        std::this_thread::sleep_until(pass);
        Pass(network, player, receiver);
    }
}

ProgramReport RunProgram(int index) {
    ProgramReport report;
    ZtNetwork network;
    ZtCONNECTION_INFO connection{.session_name = "Bench", .host = index == 0 ? 1 : 0, .address = ""};
    if (index != 0) connection.address = "127.0.0.1";
    std::uint32_t player = 0;
    if (network.Init(connection) != kNetOk ||
        network.CreatePlayer("p" + std::to_string(index), player) != kNetOk) {
        return report;
    }
    report.joined = true;
    Receiver receiver(report);
    const auto everyone_deadline = SteadyClock::now() + std::chrono::seconds(30);
    while (network.NumPlayers() < kPrograms && SteadyClock::now() < everyone_deadline)
        PassFor(network, player, receiver, std::chrono::milliseconds(1));

    const auto start = SteadyClock::now();
    const double cpu_start = CpuSeconds();
    for (int k = 0; k < kMessagesEach; ++k) {
        std::this_thread::sleep_until(start + std::chrono::milliseconds(k));
        const std::string text =
            std::to_string(index) + " " + std::to_string(k) + " " + std::to_string(NowNs());
        network.SendMsg(player, 0, text, true);
        Pass(network, player, receiver);
    }
    const double wall = std::chrono::duration<double>(SteadyClock::now() - start).count();
    report.cpu_share = (CpuSeconds() - cpu_start) / wall;
    // The last messages still travel; the session stays until the others have them too.
    const auto drain_deadline = SteadyClock::now() + std::chrono::seconds(5);
    while (report.received < kExpectedEach && SteadyClock::now() < drain_deadline)
        PassFor(network, player, receiver, std::chrono::milliseconds(10));
    PassFor(network, player, receiver, std::chrono::seconds(2));
    return report;
}

void WriteReport(const ProgramReport& report, const std::filesystem::path& file) {
    std::ofstream out(file);
    out << report.joined << ' ' << report.received << ' ' << report.misordered << ' ' << report.cpu_share
        << '\n';
    for (const float latency : report.latencies_ms)
        out << latency << '\n';
}

ProgramReport ReadReport(const std::filesystem::path& file) {
    ProgramReport report;
    std::ifstream in(file);
    in >> report.joined >> report.received >> report.misordered >> report.cpu_share;
    for (float latency; in >> latency;)
        report.latencies_ms.push_back(latency);
    return report;
}

// A port nothing was bound to a moment ago: the system's choice for a socket of our own.
std::string FreePort() {
    const std::unique_ptr<EnetEndpoint> probe = EnetEndpoint::Listen(0, 1);
    return std::to_string(probe ? probe->Port() : 0);
}

void BM_EightProgramSession(benchmark::State& state) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("morvane-net-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    setenv("MORVANE_NET_DISCOVERY", "127.0.0.1", 1);
    std::vector<ProgramReport> reports;
    for (auto _ : state) {
        setenv("MORVANE_NET_PORT", FreePort().c_str(), 1);
        std::vector<pid_t> programs;
        for (int index = 0; index < kPrograms; ++index) {
            const pid_t pid = fork();
            if (pid == 0) {
                WriteReport(RunProgram(index), folder / std::to_string(index));
                _exit(0);
            }
            programs.push_back(pid);
            if (index == 0) usleep(200 * 1000);  // the host first, so that the joiners find it
        }
        for (const pid_t pid : programs)
            waitpid(pid, nullptr, 0);
        reports.clear();
        for (int index = 0; index < kPrograms; ++index)
            reports.push_back(ReadReport(folder / std::to_string(index)));
    }
    std::filesystem::remove_all(folder);

    std::vector<double> latencies;
    long lost = 0, misordered = 0;
    double cpu_sum = 0;
    for (const ProgramReport& report : reports) {
        latencies.insert(latencies.end(), report.latencies_ms.begin(), report.latencies_ms.end());
        lost += kExpectedEach - report.received;
        misordered += report.misordered;
        cpu_sum += report.cpu_share;
        if (!report.joined) state.SkipWithError("a program could not take part in the session");
    }
    state.counters["median_ms"] = Percentile(latencies, 0.5);
    state.counters["p99_ms"] = Percentile(latencies, 0.99);
    state.counters["max_ms"] = Percentile(latencies, 1.0);
    state.counters["lost"] = static_cast<double>(lost);
    state.counters["misordered"] = static_cast<double>(misordered);
    state.counters["host_cpu_%"] = 100.0 * reports[0].cpu_share;
    state.counters["joiner_cpu_max_%"] =
        100.0 * std::max_element(reports.begin() + 1, reports.end(), [](const auto& a, const auto& b) {
                    return a.cpu_share < b.cpu_share;
                })->cpu_share;
    state.counters["cpu_mean_%"] = 100.0 * cpu_sum / kPrograms;
}

BENCHMARK(BM_EightProgramSession)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
