#include <cstdio>
#include <vector>

#include <gtest/gtest.h>

#include "child.hpp"

#include "brackets.hpp"

namespace {

// Fills the stack to capacity with distinct characters, non-printing and
// negative ones among them, then checks every level on the way back down.
TEST(Stack, HoldsOneHundredAndGivesThemBackLastInFirstOut)
{
	std::vector<char> pushed;
	for (int i = 0; i < 100; i++)
		pushed.push_back(static_cast<char>((i * 5) - 128));

	Stack s;
	initStack(&s);
	EXPECT_TRUE(isEmpty(&s));
	for (char c : pushed) {
		EXPECT_FALSE(isFull(&s));
		push(&s, c);
		EXPECT_FALSE(isEmpty(&s));
	}
	EXPECT_TRUE(isFull(&s));

	for (auto it = pushed.rbegin(); it != pushed.rend(); ++it) {
		EXPECT_EQ(peek(&s), *it);
		EXPECT_EQ(peek(&s), *it);
		EXPECT_EQ(pop(&s), *it);
		EXPECT_FALSE(isFull(&s));
	}
	EXPECT_TRUE(isEmpty(&s));
}

struct Stop {
	const char *name;
	void (*misuse)();
	const char *out;
};

TEST(Stack, MisuseWritesItsLineToStandardOutputAndExitsOne)
{
	for (const Stop &stop : {
		 Stop{"push onto full",
		     [] {
			     Stack s;
			     initStack(&s);
			     for (int i = 0; i < 101; i++)
				     push(&s, '(');
		     },
		     "Stack is full\n"},
		 Stop{"pop on empty",
		     [] {
			     Stack s;
			     initStack(&s);
			     pop(&s);
		     },
		     "Stack is empty\n"},
		 Stop{"peek on empty",
		     [] {
			     Stack s;
			     initStack(&s);
			     peek(&s);
		     },
		     "Stack is empty\n"},
		 // The message follows earlier output, never loses it.
		 Stop{"after pending output",
		     [] {
			     Stack s;
			     initStack(&s);
			     std::printf("pending ");
			     pop(&s);
		     },
		     "pending Stack is empty\n"},
	     }) {
		Outcome outcome = runInChild(stop.misuse);
		EXPECT_EQ(outcome.out, stop.out) << stop.name;
		EXPECT_EQ(outcome.err, "") << stop.name;
		EXPECT_EQ(outcome.status, 1) << stop.name;
	}
}

} // namespace
