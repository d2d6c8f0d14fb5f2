// The random generator: 32-bit ISAAC with a 256-word state, seeded once at
// start-up. Every random number costs one full generation pass.
#pragma once

#include <cstdint>

struct RandContext {
    std::uint32_t count;         // 256 once seeded
    std::uint32_t results[256];  // output of the last generation pass
    std::uint32_t memory[256];   // internal state
    std::uint32_t a, b, c;       // accumulator, previous result, pass counter
};

// The process-wide generator; all zero until seeded.
extern RandContext __g_ctx;

// Seeds the generator. The seed is added into the mixing state before each of
// the 32 mixes that fill the state, then the state is stirred twice more.
void Ztsrand(std::uint32_t seed);

// Runs one generation pass and returns its first word.
std::uint32_t Ztrand();
