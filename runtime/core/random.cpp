#include "core/random.h"

#include <array>

RandContext __g_ctx;

namespace {

constexpr std::uint32_t kGoldenRatio = 0x9E3779B9u;
constexpr int kStateWords = 256;

using MixState = std::array<std::uint32_t, 8>;

// The mixing step over eight words. Step k xors word k with word k + 1 shifted
// (left on even steps, right on odd ones), then adds word k into word k + 3 and
// word k + 2 into word k + 1, all indices modulo 8.
void Mix(MixState& h) {
    constexpr int kShifts[8] = {11, 2, 8, 16, 10, 4, 8, 9};
    for (int k = 0; k < 8; ++k) {
        const std::uint32_t next = h[(k + 1) % 8];
        h[k] ^= k % 2 == 0 ? next << kShifts[k] : next >> kShifts[k];
        h[(k + 3) % 8] += h[k];
        h[(k + 1) % 8] += h[(k + 2) % 8];
    }
}

// One stirring pass over the memory: each group of eight words of `source` is
// added into the mixing state, mixed, and stored as the group of the memory.
void StirMemory(MixState& h, const std::uint32_t* source) {
    for (int i = 0; i < kStateWords; i += 8) {
        for (int j = 0; j < 8; ++j)
            h[j] += source[i + j];
        Mix(h);
        for (int j = 0; j < 8; ++j)
            __g_ctx.memory[i + j] = h[j];
    }
}

std::uint32_t ShiftedAccumulator(std::uint32_t a, int step) {
    switch (step % 4) {
        case 0:
            return a << 13;
        case 1:
            return a >> 6;
        case 2:
            return a << 2;
        default:
            return a >> 16;
    }
}

}  // namespace

void Ztsrand(std::uint32_t seed) {
    RandContext& ctx = __g_ctx;
    ctx.a = ctx.b = ctx.c = 0;
    MixState h;
    h.fill(kGoldenRatio);
    for (int i = 0; i < kStateWords; i += 8) {
        h[0] += seed;
        Mix(h);
        for (int j = 0; j < 8; ++j)
            ctx.memory[i + j] = h[j];
    }
    for (int i = 0; i < 4; ++i)
        Mix(h);
    StirMemory(h, ctx.results);
    StirMemory(h, ctx.memory);
    Ztrand();
    ctx.count = kStateWords;
}

std::uint32_t Ztrand() {
    RandContext& ctx = __g_ctx;
    std::uint32_t* m = ctx.memory;
    ctx.c += 1;
    ctx.b += ctx.c;
    for (int i = 0; i < kStateWords; ++i) {
        const std::uint32_t x = m[i];
        ctx.a = (ctx.a ^ ShiftedAccumulator(ctx.a, i)) + m[(i + 128) % kStateWords];
        const std::uint32_t y = m[(x >> 2) % kStateWords] + ctx.a + ctx.b;
        m[i] = y;
        ctx.b = m[(y >> 10) % kStateWords] + x;
        ctx.results[i] = ctx.b;
    }
    return ctx.results[0];
}
