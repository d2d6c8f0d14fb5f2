// Whether this test program runs under AddressSanitizer, whose allocator
// keeps freed blocks in quarantine and maps its own memory: the heap's and the
// process's memory figures then say nothing about the C library's heap.
#pragma once

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kUnderAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kUnderAddressSanitizer = true;
#else
inline constexpr bool kUnderAddressSanitizer = false;
#endif
#else
inline constexpr bool kUnderAddressSanitizer = false;
#endif
