// The stack and the validator of brackets, declared for code of its own.
// Link with main.cpp compiled once with its main renamed, for example
// -Dmain=bracketsMain, or with the CMake target brackets::validator.
#pragma once

#define BRACKETS_DECLARATIONS_ONLY
#include "main.cpp"
#undef BRACKETS_DECLARATIONS_ONLY
