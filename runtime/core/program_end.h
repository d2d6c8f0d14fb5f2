// The record of the current source line and of the last error, and the single
// way out of the process.
#pragma once

// The error codes of the runtime.
enum ErrorCode : int {
    kErrorNone = 0,            // normal end
    kErrorFile = 3,            // a file cannot be found or read
    kErrorOutOfMemory = 7,     // out of memory, or a line number out of range
    kErrorNotDimensioned = 8,  // an array used before DIM
    kErrorIndex = 9,           // an array index out of range
};

extern double __g_debugline;  // current source line of the program, set by dLn
extern double __g_debugfile;  // current source file number, set by dLn
extern double __g_error;      // code of the last fatal or recorded error
extern double __g_errorline;  // the source line at which that error was raised

// Records the current source file and line.
void dLn(double file, double line);

// Records an error without ending the program: stores the code and the current
// line, and returns the code.
double Error(double code);

// Records the error and ends the program.
[[noreturn]] void FatalError(ErrorCode code);

// Ends the program normally (error code 0).
[[noreturn]] double END();

// How the program ends. Start-up installs the runtime's orderly end
// (EndProgram); FatalError, END and every other end below start-up run it, so
// that this layer needs to know nothing of the runtime's objects. Until one is
// installed, the end is EndProcess with nothing to release. It must not return.
using ProgramEnd = void (*)();
void SetProgramEnd(ProgramEnd end);
// Ends the program through the installed end, keeping the recorded error.
[[noreturn]] void RunProgramEnd();

// The last steps of every end: writes the end record to the error log when
// __QV_DEBUG is set, runs `release` (the runtime's objects; may be null) and
// exits with code 0, so that static clean-up runs. An end begun again while
// releasing or from a static destructor never enters exit twice.
[[noreturn]] void EndProcess(void (*release)());
