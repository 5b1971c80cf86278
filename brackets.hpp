// The stack and the validator of brackets, for other code: the record and the
// declarations, taken from main.cpp itself.  Link with main.cpp compiled once
// with BRACKETS_NO_MAIN (-DBRACKETS_NO_MAIN), or with the CMake target
// brackets::validator.
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
#include "main.cpp"
#undef BRACKETS_DECLARATIONS_ONLY
