// Makes a test fail when the program ends in the middle of it. The runtime
// ends every program with exit code 0, a fatal array fault included, so
// without this a test that ran into one would count as passed.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

void FailIfEndedDuringATest() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    if (test == nullptr || !GTEST_FLAG_GET(internal_run_death_test).empty()) return;
    std::fprintf(stderr, "The program ended during %s.%s\n", test->test_suite_name(), test->name());
    std::_Exit(1);
}

[[maybe_unused]] const int registered = std::atexit(FailIfEndedDuringATest);

}  // namespace
