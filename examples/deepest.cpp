#include <algorithm>

#include "brackets.hpp"

// The most openers pending at once in a string the validator accepted, so
// that no pop finds the stack empty and no push finds it full.
int
deepest(const char *text)
{
	Stack stack;
	initStack(&stack);
	int most = 0;
	for (const char *at = text; *at != '\0'; at++) {
		if (*at == '(' || *at == '{' || *at == '[') {
			push(&stack, *at);
			most = std::max(most, stack.top + 1);
		} else {
			pop(&stack);
		}
	}
	return most;
}
