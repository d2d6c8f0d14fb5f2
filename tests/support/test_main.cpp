// The test programs' main: runs every test headless and with a temporary
// folder of its own, so tests never touch a display, a sound card or another
// run's error log.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

constexpr const char* kOwnTempVariable = "MORVANE_TEST_TMPDIR";
std::string created_temp_folder;
pid_t creator_pid = 0;
pid_t main_pid = 0;

void RemoveOwnTempFolder() {
    // Only the process that made the folder removes it: children of death
    // tests share it and must leave it for the parent to read.
    if (getpid() == creator_pid) {
        std::error_code ignored;
        std::filesystem::remove_all(created_temp_folder, ignored);
    }
}

// Gives this test process (and the children it starts) a temporary folder of its own.
void UseOwnTempFolder() {
    if (std::getenv(kOwnTempVariable) != nullptr) return;  // a child: keep the parent's
    const char* base = std::getenv("TMPDIR");
    std::string pattern =
        std::string(base != nullptr && base[0] != '\0' ? base : "/tmp") + "/morvane-test-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) return;
    created_temp_folder = pattern;
    creator_pid = getpid();
    setenv("TMPDIR", pattern.c_str(), 1);
    setenv(kOwnTempVariable, pattern.c_str(), 1);
    std::atexit(RemoveOwnTempFolder);
}

bool is_death_test_child = false;

// The runtime ends every program with exit code 0, even on a fatal error. A
// test that ends the program outside a death test must not pass for that.
void FailWhenEndedInsideATest() {
    if (is_death_test_child || getpid() != main_pid) return;
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    if (test == nullptr) return;
    std::fprintf(stderr, "\nThe program ended inside %s.%s\n", test->test_suite_name(), test->name());
    std::_Exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    main_pid = getpid();
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--gtest_internal_run_death_test", 31) == 0) is_death_test_child = true;
    }
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 0);  // "disk" may be chosen by a test that captures the sound
    setenv("MORVANE_NO_NOTICE", "1", 1);
    // Sessions are looked for on this machine alone, never on the local network.
    setenv("MORVANE_NET_DISCOVERY", "127.0.0.1", 1);
    // The offscreen window never has the focus; joysticks must still be read.
    setenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", 1);
    // The test registry is made before the guard is registered, so that it is
    // destroyed only after the guard has looked at it.
    testing::UnitTest::GetInstance();
    std::atexit(FailWhenEndedInsideATest);
    UseOwnTempFolder();
    // Children of death tests start afresh instead of forking a process that
    // may hold device threads.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
