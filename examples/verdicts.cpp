// Prints the verdict on each argument and, for a balanced one, how deeply its
// brackets nest: a caller of the validator and the stack in two files.

#include <cstdio>

#include "brackets.hpp"

int deepest(const char *text);

int
main(int argc, char **argv)
{
	for (int i = 1; i < argc; i++) {
		if (isValidParentheses(argv[i]))
			std::printf("%s: true, depth %d\n", argv[i],
			    deepest(argv[i]));
		else
			std::printf("%s: false\n", argv[i]);
	}
	return 0;
}
