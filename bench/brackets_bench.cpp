// Throughput of isValidParentheses on three shapes of well-formed 1 MiB input,
// beside the same rule written on std::stack<char>, on the same buffers.
//
// With --passes=N SHAPE/CHECKER it instead runs one checker N times over one
// shape's input and exits, so that bench/report can count the instructions
// of a single pass under cachegrind.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <stack>
#include <string>

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

struct Checker {
	const char *name;
	std::size_t (*check)(const char *);
};

const Checker checkers[] = {
    {"isValidParentheses",
	[](const char *s) -> std::size_t {
		return isValidParentheses(s) ? 1 : 0;
	}},
    {"std::stack", onStdStack},
};

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
// closes everything by the end.
std::string
randomWalk()
{
	std::mt19937 coin(20261207);
	std::string text;
	std::string pending;
	while (text.size() < length) {
		std::size_t left = length - text.size();
		bool canOpen = pending.size() < stackCapacity &&
		    pending.size() + 2 <= left;
		if (canOpen && (pending.empty() || coin() % 2 == 0)) {
			char opener = "({["[coin() % 3];
			pending += opener;
			text += opener;
		} else {
			char opener = pending.back();
			pending.pop_back();
			text += opener == '(' ? ')' : opener == '{' ? '}' : ']';
		}
	}
	return text;
}

struct Shape {
	const char *name;
	std::string text;
};

const Shape shapes[] = {
    {"shallow", repeatTo("{[()]}")},
    {"depth100",
	repeatTo(std::string(50, '(') + std::string(25, '[') +
	    std::string(25, '{') + std::string(25, '}') + std::string(25, ']') +
	    std::string(50, ')'))},
    {"walk", randomWalk()},
};

void
measure(benchmark::State &state, const Shape &shape, const Checker &checker)
{
	for (auto _ : state)
		benchmark::DoNotOptimize(checker.check(shape.text.c_str()));
	state.SetBytesProcessed(
	    state.iterations() * static_cast<std::int64_t>(length));
}

// "SHAPE/CHECKER", the benchmark's name and what --passes selects.
std::string
nameOf(const Shape &shape, const Checker &checker)
{
	return std::string(shape.name) + "/" + checker.name;
}

int
runPasses(long passes, const std::string &which)
{
	for (const Shape &shape : shapes)
		for (const Checker &checker : checkers)
			if (nameOf(shape, checker) == which) {
				for (; passes > 0; passes--)
					benchmark::DoNotOptimize(
					    checker.check(shape.text.c_str()));
				return 0;
			}
	return 2;
}

} // namespace

int
main(int argc, char **argv)
{
	for (const Shape &shape : shapes)
		if (shape.text.size() != length ||
		    onStdStack(shape.text.c_str()) != 1)
			return 1;
	if (argc == 3 && std::strncmp(argv[1], "--passes=", 9) == 0)
		return runPasses(std::strtol(argv[1] + 9, nullptr, 10),
		    argv[2]);
	for (const Shape &shape : shapes)
		for (const Checker &checker : checkers)
			benchmark::RegisterBenchmark(
			    nameOf(shape, checker).c_str(),
			    [&shape, &checker](benchmark::State &state) {
				    measure(state, shape, checker);
			    })
			    ->MinTime(0.2);
	benchmark::Initialize(&argc, argv);
	benchmark::RunSpecifiedBenchmarks();
	benchmark::Shutdown();
	return 0;
}
