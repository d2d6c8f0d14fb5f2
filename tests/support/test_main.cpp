// The test programs' main: every test runs headless, with a temporary folder of
// its own, so tests never touch a display, a sound card or another run's error log.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

std::string created_temp_folder;
pid_t creator_pid = 0, main_pid = 0;
bool is_death_test_child = false;

void UseOwnTempFolder() {
    if (std::getenv("MORVANE_TEST_TMPDIR") != nullptr) return;  // a child keeps its parent's
    const char* base = std::getenv("TMPDIR");
    std::string pattern =
        std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/morvane-test-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) return;
    created_temp_folder = pattern;
    creator_pid = getpid();
    setenv("TMPDIR", pattern.c_str(), 1);
    setenv("MORVANE_TEST_TMPDIR", pattern.c_str(), 1);
    std::atexit([] {  // only by the process that made it: death tests' children share it
        std::error_code ignored;
        if (getpid() == creator_pid) std::filesystem::remove_all(created_temp_folder, ignored);
    });
}

// The runtime exits with code 0 even on a fatal error: a test that ends the program must not pass.
void FailWhenEndedInsideATest() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    if (is_death_test_child || getpid() != main_pid || test == nullptr) return;
    std::fprintf(stderr, "\nThe program ended inside %s.%s\n", test->test_suite_name(), test->name());
    std::_Exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    main_pid = getpid();
    for (int i = 1; i < argc; ++i)
        is_death_test_child |= std::strncmp(argv[i], "--gtest_internal_run_death_test", 31) == 0;
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 0);  // a test that captures the sound may choose "disk"
    setenv("MORVANE_NO_NOTICE", "1", 1);
    setenv("MORVANE_NET_DISCOVERY", "127.0.0.1", 1);         // never the local network
    setenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", 1);  // the offscreen window has no focus
    testing::UnitTest::GetInstance();  // made before the guard is registered, so it outlives it
    std::atexit(FailWhenEndedInsideATest);
    UseOwnTempFolder();
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // children start afresh, holding no device threads
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
