// How the C library's heap gives memory back to the system.
#pragma once

#include <cstddef>

// Keeps freed heap memory with the process instead of handing it back after
// each frame. Drawing allocates and frees the same large blocks frame after
// frame (the OpenGL driver's vertex and command buffers); handed back and
// taken again, every page of them costs a fault and a clearing each time.
// Blocks up to 32 MiB come from the heap, the heap is never trimmed, and it
// grows in steps of 256 MiB of address space, which take memory only when
// touched. Called once at start-up; a C library without these settings
// keeps its own behaviour.
void KeepHeapBetweenFrames();

// The memory the process holds in physical pages now, in bytes; 0 where the
// system does not say.
std::size_t ResidentMemoryBytes();
