// Throughput of isValidParentheses on three shapes of well-formed 1 MiB input,
// beside the same rule written on std::stack<char>, on the same buffers.

#include <cstddef>
#include <cstdio>
#include <random>
#include <stack>
#include <string>
#include <utility>

#include <benchmark/benchmark.h>

#include "brackets.hpp"

namespace {

constexpr std::size_t length = std::size_t{1} << 20;

// Returns 1 or 0 rather than a bool: with a bool, g++ spills the verdict on
// every character and the baseline runs slower than the rule needs.
std::size_t
onStdStack(const char *s)
{
	std::stack<char> pending;
	for (std::size_t i = 0; s[i] != '\0'; i++) {
		char c = s[i];
		if (c == '(' || c == '{' || c == '[') {
			pending.push(c);
			continue;
		}
		if (pending.empty())
			return 0;
		char opener = pending.top();
		pending.pop();
		if ((c == ')' && opener != '(') ||
		    (c == '}' && opener != '{') || (c == ']' && opener != '['))
			return 0;
	}
	return pending.empty() ? 1 : 0;
}

// Whole units, then "()" pairs up to the exact (even) length.
std::string
repeatTo(const std::string &unit)
{
	std::string text;
	while (text.size() + unit.size() <= length)
		text += unit;
	while (text.size() < length)
		text += "()";
	return text;
}

// A random walk that never holds more than the stack's capacity pending and
// closes everything by the end; pending holds the closers still owed.
std::string
randomWalk()
{
	std::mt19937 coin(20261207);
	std::string text;
	std::string pending;
	while (text.size() < length) {
		if (pending.size() < stackCapacity &&
		    text.size() + pending.size() + 2 <= length &&
		    (pending.empty() || coin() % 2 == 0)) {
			std::size_t kind = coin() % 3;
			text += "({["[kind];
			pending += ")}]"[kind];
		} else {
			text += pending.back();
			pending.pop_back();
		}
	}
	return text;
}

const std::pair<const char *, std::size_t (*)(const char *)> checkers[] = {
    {"isValidParentheses",
	[](const char *s) {
		return static_cast<std::size_t>(isValidParentheses(s));
	}},
    {"onStdStack", onStdStack},
};
const std::pair<const char *, std::string> shapes[] = {
    {"shallow", repeatTo("{[()]}")},
    {"depth100",
	repeatTo(std::string(50, '(') + std::string(25, '[') +
	    std::string(25, '{') + std::string(25, '}') + std::string(25, ']') +
	    std::string(50, ')'))},
    {"walk", randomWalk()},
};

// Why a checker must not be timed, or "": a shape it does not take as length
// well-formed chars, or the first string of one to six brackets (m in
// bijective base 6) on which it disagrees with ours, checkers[0].
std::string
whyNot(const char *checker, std::size_t (*check)(const char *))
{
	for (const auto &[shape, text] : shapes)
		if (text.size() != length || check(text.c_str()) != 1)
			return std::string(checker) + " errs on " + shape;
	for (std::size_t m = 1; m <= 6 + 36 + 216 + 1296 + 7776 + 46656; m++) {
		std::string text;
		for (std::size_t rest = m; rest > 0; rest = (rest - 1) / 6)
			text += "(){}[]"[(rest - 1) % 6];
		if (check(text.c_str()) != checkers[0].second(text.c_str()))
			return std::string(checkers[0].first) + " and " +
			    checker + " disagree on " + text;
	}
	return "";
}

void
measure(benchmark::State &state, std::size_t (*check)(const char *),
    const char *s)
{
	for ([[maybe_unused]] auto _ : state)
		benchmark::DoNotOptimize(check(s));
	state.SetBytesProcessed(
	    state.iterations() * benchmark::IterationCount{length});
}

} // namespace

int
main(int argc, char **argv)
{
	for (const auto &[checker, check] : checkers)
		if (std::string why = whyNot(checker, check); !why.empty()) {
			std::fprintf(stderr, "brackets_bench: %s\n",
			    why.c_str());
			return 1;
		}
	for (const auto &[shape, text] : shapes)
		for (const auto &[checker, check] : checkers)
			benchmark::RegisterBenchmark(checker, measure, check,
			    text.c_str())
			    ->Name(std::string(shape) + "/" + checker);
	benchmark::AddCustomContext("length", std::to_string(length));
	benchmark::Initialize(&argc, argv);
	benchmark::RunSpecifiedBenchmarks();
	benchmark::Shutdown();
	return 0;
}
