// The stack and the validator of brackets, for other code: the record and the
// declarations, taken from main.cpp itself; any C++ standard from C++11 on
// can include them.
//
// To link them, compile main.cpp once, as C++20, with -DBRACKETS_NO_MAIN,
// which leaves the sample run out.  In CMake, take this repository in with
// add_subdirectory or FetchContent and link brackets::validator, which brings
// nothing else into the build.
//
// Two contracts to know before calling:
// - Every character that is not an opener takes one pending opener off the
//   stack, unchecked; only a closer must find its own partner.  So "(a" is
//   true, and "f(x)" is false, since "f" finds nothing pending.
// - The stack holds 100 characters.  Pushing onto a full one, as a string
//   with more than 100 openers pending at once does, ends the caller's whole
//   process: "Stack is full" on standard output, exit status 1.  Popping or
//   peeking an empty stack does the same with "Stack is empty".
#pragma once

#define BRACKETS_DECLARATIONS_ONLY
// main.cpp is the one source of the declarations, not a file to compile here.
#include "main.cpp" // NOLINT(bugprone-suspicious-include)
#undef BRACKETS_DECLARATIONS_ONLY
