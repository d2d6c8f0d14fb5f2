#include <gtest/gtest.h>

#include <cstring>

#include "morvane.h"

namespace {

TEST(Random, SeedingAZeroedContextMatchesTheReferenceValues) {
    std::memset(&__g_ctx, 0, sizeof __g_ctx);
    Ztsrand(12345);
    EXPECT_EQ(__g_ctx.a, 0xA32214B6u);
    EXPECT_EQ(__g_ctx.b, 0x469F0544u);
    EXPECT_EQ(__g_ctx.c, 1u);
    EXPECT_EQ(__g_ctx.results[0], 0x02BBC5C4u);
    EXPECT_EQ(__g_ctx.results[255], 0x469F0544u);
    EXPECT_EQ(__g_ctx.memory[0], 0x14E3AB91u);
    EXPECT_EQ(__g_ctx.memory[255], 0xB094A0B3u);
    EXPECT_EQ(__g_ctx.count, 256u);
    EXPECT_EQ(Ztrand(), 0xC79536EEu);
    EXPECT_EQ(__g_ctx.c, 2u);
}

TEST(Random, DifferentSeedsGiveDifferentSequencesAndTheSameSeedRepeats) {
    std::memset(&__g_ctx, 0, sizeof __g_ctx);
    Ztsrand(1);
    const std::uint32_t first = Ztrand();
    std::memset(&__g_ctx, 0, sizeof __g_ctx);
    Ztsrand(2);
    EXPECT_NE(Ztrand(), first);
    std::memset(&__g_ctx, 0, sizeof __g_ctx);
    Ztsrand(1);
    EXPECT_EQ(Ztrand(), first);
}

}  // namespace
