// Under AddressSanitizer the heap's and the process's memory figures say nothing
// about the C library's heap: its allocator quarantines freed blocks and maps its own memory.
#pragma once

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kUnderAddressSanitizer = true;
#else
inline constexpr bool kUnderAddressSanitizer = false;
#endif
