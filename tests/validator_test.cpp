#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <sys/mman.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "child.hpp"

#include "brackets.hpp"

namespace {

std::string
repeat(const std::string &unit, std::size_t times)
{
	std::string text;
	for (std::size_t i = 0; i < times; i++)
		text += unit;
	return text;
}

// Depth 100 with all three kinds, closed in the reverse order.
const std::string openers100 = repeat("([{", 33) + "(";
const std::string closers100 = std::string(")") + repeat("}])", 33);

struct Case {
	std::string text;
	bool valid;
};

void
expectVerdicts(const std::vector<Case> &cases)
{
	for (const Case &c : cases)
		EXPECT_EQ(isValidParentheses(c.text.c_str()), c.valid)
		    << testing::PrintToString(c.text);
}

TEST(Validator, AcceptsBalancedNesting)
{
	expectVerdicts({{"", true}, {"()", true}, {"()[]{}", true},
	    {"{[]}", true}, {"([{}])[]", true}, {openers100 + closers100, true},
	    {repeat(openers100 + closers100, 3), true}});
}

TEST(Validator, RejectsUnbalancedOrCrossedBrackets)
{
	expectVerdicts({{")", false}, {"]", false}, {"}", false}, {"(", false},
	    {"[", false}, {"{", false}, {"(]", false}, {"([)]", false},
	    {"{)", false}, {"[}", false}, {"(()", false}, {"())", false},
	    {openers100 + closers100.substr(0, 99), false},
	    {std::string("()") + closers100, false}});
}

// Any character that is no opener takes the closer's path without a
// comparison: it consumes one pending opener, or fails on an empty stack.
TEST(Validator, TreatsOtherCharactersAsUncheckedClosers)
{
	expectVerdicts({{"(a", true}, {"[x", true}, {"{ ", true}, {"(\n", true},
	    {"(\xff", true}, {"a", false}, {" ", false}, {"((a", false},
	    {"(a)", false}, {"([a]", false}, {"(a[]", true}});
}

// What follows the first failing character, even more openers than the
// stack can hold, is never looked at.
TEST(Validator, StopsAtTheFirstFailure)
{
	expectVerdicts({{std::string(")") + openers100 + "(", false},
	    {std::string("x") + repeat("(", 200), false},
	    {std::string("(]") + repeat("[", 200), false}});
}

TEST(Validator, ReadsNoFurtherThanTheTerminator)
{
	const char text[] = "()\0)";
	EXPECT_TRUE(isValidParentheses(text));
}

TEST(Validator, MoreThanOneHundredPendingOpenersEndTheProcess)
{
	for (const std::string &text :
	    {openers100 + "[", openers100 + "(" + closers100 + ")"}) {
		Outcome outcome =
		    runInChild([&text] { isValidParentheses(text.c_str()); });
		EXPECT_EQ(outcome.out, "Stack is full\n") << text;
		EXPECT_EQ(outcome.err, "") << text;
		EXPECT_EQ(outcome.status, 1) << text;
	}
}

// A string longer than any 32-bit index can reach is scanned to its very
// end: 2^32 - 100 characters of "()" pairs, 100 openers, their 100 closers.
// An index that wraps at 2^32 reads the first "(" again onto a full stack and
// ends the child with "Stack is full"; an int32 index overflows at 2^31,
// which the sanitizer build reports (g++ may widen it and pass).  The pairs
// are one 2 MiB block mapped 2048 times, so the test takes 4 GiB of address
// space but only about 10 MiB of memory; it is skipped where the address
// space cannot be had, as under a ulimit -v, and where size_t has 32 bits,
// since no string there is longer than a 32-bit index reaches.
TEST(Validator, ScansPastEveryThirtyTwoBitIndex)
{
	const std::size_t block = std::size_t{1} << 21;
	const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
	// 2^32, or 0 where size_t has 32 bits.
	constexpr std::size_t wrap = std::size_t{UINT32_MAX} + 1;
	static_assert(wrap % block == 0);
	if (wrap == 0)
		GTEST_SKIP() << "32-bit size_t: no string outgrows its index";

	void *whole = mmap(nullptr, wrap + page, PROT_READ | PROT_WRITE,
	    MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
	if (whole == MAP_FAILED && errno == ENOMEM)
		GTEST_SKIP() << "no room for 4 GiB of address space";
	ASSERT_NE(whole, MAP_FAILED);
	char *text = static_cast<char *>(whole);

	int fd = memfd_create("pairs", 0);
	ASSERT_NE(fd, -1);
	ASSERT_EQ(ftruncate(fd, block), 0);
	void *pairs =
	    mmap(nullptr, block, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
	ASSERT_NE(pairs, MAP_FAILED);
	std::memset(pairs, '(', block);
	for (std::size_t i = 1; i < block; i += 2)
		static_cast<char *>(pairs)[i] = ')';
	munmap(pairs, block);
	for (std::size_t at = 0; at < wrap; at += block)
		ASSERT_NE(mmap(text + at, block, PROT_READ,
			      MAP_SHARED | MAP_FIXED, fd, 0),
		    MAP_FAILED);
	close(fd);

	// The last page before 2^32 and the one after it are private, written.
	char *ends = text + wrap - page;
	ASSERT_NE(mmap(ends, 2 * page, PROT_READ | PROT_WRITE,
		      MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0),
	    MAP_FAILED);
	std::string last = repeat("()", (page - 100) / 2) +
	    std::string(100, '[') + std::string(100, ']');
	std::memcpy(ends, last.c_str(), last.size() + 1);

	Outcome outcome = runInChild([text] {
		std::fputs(isValidParentheses(text) ? "true" : "false", stdout);
	});
	EXPECT_EQ(outcome.out, "true");
	EXPECT_EQ(outcome.err, "");
	EXPECT_EQ(outcome.status, bodyReturned);
	munmap(whole, wrap + page);
}

} // namespace
