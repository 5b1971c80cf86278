// brackets: checks five built-in strings for balanced, properly nested round,
// curly and square brackets and prints one verdict line for each.
//
// For other code, brackets.hpp takes the record and the declarations from
// this file with BRACKETS_DECLARATIONS_ONLY, and BRACKETS_NO_MAIN leaves the
// sample run out of the code they link.

#include <cstdint>

constexpr std::int32_t stackCapacity = 100;

struct Stack {
	char items[stackCapacity];
	std::int32_t top;
};

void initStack(Stack *s);
bool isEmpty(const Stack *s);
bool isFull(const Stack *s);
void push(Stack *s, char item);
char pop(Stack *s);
char peek(const Stack *s);
bool isValidParentheses(const char *s);

#if !defined(BRACKETS_DECLARATIONS_ONLY) && __cplusplus < 202002L
#error "brackets needs C++20: compile main.cpp with -std=c++20"
#elif !defined(BRACKETS_DECLARATIONS_ONLY)

#include <array>
#include <climits>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

void
initStack(Stack *s)
{
	s->top = -1;
}

bool
isEmpty(const Stack *s)
{
	return s->top == -1;
}

bool
isFull(const Stack *s)
{
	return s->top == stackCapacity - 1;
}

// Misuse of a stack ends the whole process: the message goes to standard
// output after everything written before it, and the status is 1.
[[noreturn]] static void
stop(const char *message)
{
	std::printf("%s", message);
	std::exit(1);
}

void
push(Stack *s, char item)
{
	if (isFull(s)) [[unlikely]]
		stop("Stack is full\n");
	// The new top is stored last: a char store may alias top, and reading
	// top back after it would cost a reload on every push.
	std::int32_t top = s->top + 1;
	s->items[top] = item;
	s->top = top;
}

char
pop(Stack *s)
{
	if (isEmpty(s)) [[unlikely]]
		stop("Stack is empty\n");
	char item = s->items[s->top];
	s->top--;
	return item;
}

char
peek(const Stack *s)
{
	if (isEmpty(s)) [[unlikely]]
		stop("Stack is empty\n");
	return s->items[s->top];
}

// What each character must find on top of the stack: its partner for a
// closer, anyOpener for every other character, and openerMark for an opener,
// which is pushed instead.  One lookup, rather than tests character by
// character, keeps the kind of bracket from steering extra branches.
constexpr char anyOpener = '\0';
constexpr char openerMark = '\1';
constexpr std::array<char, UCHAR_MAX + 1> expectedTop = [] {
	std::array<char, UCHAR_MAX + 1> table;
	table.fill(anyOpener);
	table['('] = openerMark;
	table['{'] = openerMark;
	table['['] = openerMark;
	table[')'] = '(';
	table['}'] = '{';
	table[']'] = '[';
	return table;
}();

// More than 100 pending openers end the process through push.
bool
isValidParentheses(const char *s)
{
	Stack stack;
	initStack(&stack);
	for (std::size_t i = 0; s[i] != '\0'; i++) {
		char currentChar = s[i];
		char expected =
		    expectedTop[static_cast<unsigned char>(currentChar)];
		if (expected == openerMark) {
			push(&stack, currentChar);
			continue;
		}
		if (isEmpty(&stack))
			return false;
		char topElement = pop(&stack);
		if (expected != anyOpener && topElement != expected)
			return false;
	}
	return isEmpty(&stack);
}

#ifndef BRACKETS_NO_MAIN

#include <cerrno>
#include <cstring>

static void
printVerdict(const char *sample)
{
	std::printf("%s: %s\n", sample,
	    isValidParentheses(sample) ? "true" : "false");
}

// A verdict that never reached its reader must not end in success.
static int
finishOutput()
{
	if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0)
		return 0;
	std::fprintf(stderr, "brackets: write error: %s\n",
	    std::strerror(errno));
	return 1;
}

int
main()
{
	char test1[] = "()";
	char test2[] = "()[]{}";
	char test3[] = "(]";
	char test4[] = "([)]";
	char test5[] = "{[]}";

	printVerdict(test1);
	printVerdict(test2);
	printVerdict(test3);
	printVerdict(test4);
	printVerdict(test5);
	return finishOutput();
}

#endif
#endif
