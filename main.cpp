// brackets: checks five built-in strings for balanced, properly nested round,
// curly and square brackets and prints one verdict line for each.

#include <array>
#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

constexpr std::int32_t stackCapacity = 100;

struct Stack {
	char items[stackCapacity];
	std::int32_t top;
};

void initStack(Stack *s) { s->top = -1; }

bool isEmpty(const Stack *s) { return s->top == -1; }

bool isFull(const Stack *s) { return s->top == stackCapacity - 1; }

// Ends the process with status 1 instead of storing into a full stack.
void push(Stack *s, char item)
{
	if (isFull(s)) {
		std::printf("Stack is full\n");
		std::exit(1);
	}
	s->top++;
	s->items[s->top] = item;
}

// Ends the process with status 1 instead of reading an empty stack.
char pop(Stack *s)
{
	if (isEmpty(s)) {
		std::printf("Stack is empty\n");
		std::exit(1);
	}
	char item = s->items[s->top];
	s->top--;
	return item;
}

// Ends the process with status 1 instead of reading an empty stack.
char peek(Stack *s)
{
	if (isEmpty(s)) {
		std::printf("Stack is empty\n");
		std::exit(1);
	}
	return s->items[s->top];
}

// The opener each closer needs, indexed by the closer, and '\0' for every
// other character.  Looking it up, rather than testing closer by closer, keeps
// the kind of closer from steering a branch that mixed input mispredicts.
constexpr std::array<char, UCHAR_MAX + 1> partners = [] {
	std::array<char, UCHAR_MAX + 1> table{};
	table[')'] = '(';
	table['}'] = '{';
	table[']'] = '[';
	return table;
}();

// Every character that is not an opener is taken as a closer on purpose: it
// consumes the pending opener, which only a real closer must match.  More
// than 100 pending openers end the process through push.
bool isValidParentheses(const char *s)
{
	Stack stack;
	initStack(&stack);
	for (std::size_t i = 0; s[i] != '\0'; i++) {
		char currentChar = s[i];
		switch (currentChar) {
		case '(':
		case '{':
		case '[':
			push(&stack, currentChar);
			continue;
		}
		if (isEmpty(&stack))
			return false;
		char topElement = pop(&stack);
		char partner =
		    partners[static_cast<unsigned char>(currentChar)];
		if (partner != '\0' && topElement != partner)
			return false;
	}
	return isEmpty(&stack);
}

void printVerdict(const char *sample)
{
	std::printf("%s: %s\n", sample,
	    isValidParentheses(sample) ? "true" : "false");
}

// A verdict that never reached its reader must not end in success.
int finishOutput()
{
	if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0)
		return 0;
	std::fprintf(stderr, "brackets: write error: %s\n",
	    std::strerror(errno));
	return 1;
}

int main()
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
