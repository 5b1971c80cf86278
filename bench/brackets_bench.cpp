// Throughput of isValidParentheses on three shapes of well-formed input,
// beside two baselines on the same buffers: the same rule written on
// std::stack<char>, and std::strlen, one pass over the memory that no checker
// can beat.
//
// With --passes=N SHAPE/CHECKER it instead runs one checker N times over the
// 1 MiB input of one shape and exits, so that bench/report can count the
// instructions of a single pass under cachegrind.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <stack>
#include <string>
#include <utility>

#include <benchmark/benchmark.h>

#include "brackets.hpp"

namespace {

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
    {"strlen", [](const char *s) { return std::strlen(s); }},
};

// Whole units, then "()" pairs up to the exact (even) length.
std::string
repeatTo(const std::string &unit, std::size_t length)
{
	std::string text;
	text.reserve(length);
	while (text.size() + unit.size() <= length)
		text += unit;
	while (text.size() < length)
		text += "()";
	return text;
}

// A random walk that never holds more than the stack's capacity pending and
// closes everything by the end.
std::string
randomWalk(std::size_t length)
{
	std::mt19937 coin(20261207);
	std::string text;
	std::string pending;
	text.reserve(length);
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
	std::string (*make)(std::size_t);
};

const Shape shapes[] = {
    {"shallow", [](std::size_t n) { return repeatTo("{[()]}", n); }},
    {"depth100",
	[](std::size_t n) {
		return repeatTo(std::string(50, '(') + std::string(25, '[') +
			std::string(25, '{') + std::string(25, '}') +
			std::string(25, ']') + std::string(50, ')'),
		    n);
	}},
    {"walk", randomWalk},
};

// Each input is made and checked once, then shared by all three checkers;
// an empty string stands for one that came out wrong.
const std::string &
input(const Shape &shape, std::size_t length)
{
	static std::map<std::pair<const Shape *, std::size_t>, std::string>
	    made;
	auto key = std::make_pair(&shape, length);
	auto found = made.find(key);
	if (found == made.end()) {
		std::string text = shape.make(length);
		if (text.size() != length || onStdStack(text.c_str()) != 1)
			text.clear();
		found = made.emplace(key, std::move(text)).first;
	}
	return found->second;
}

void
measure(benchmark::State &state, const Shape &shape, const Checker &checker)
{
	const auto length = static_cast<std::size_t>(state.range(0));
	const std::string &text = input(shape, length);
	if (text.empty()) {
		state.SkipWithError("input is not well-formed");
		return;
	}
	for (auto _ : state)
		benchmark::DoNotOptimize(checker.check(text.c_str()));
	state.SetBytesProcessed(state.iterations() * state.range(0));
	state.SetComplexityN(state.range(0));
}

// "SHAPE/CHECKER", the benchmark's name and what --passes selects.
std::string
nameOf(const Shape &shape, const Checker &checker)
{
	return std::string(shape.name) + "/" + checker.name;
}

// Runs "SHAPE/CHECKER" passes times over its 1 MiB input.
int
runPasses(const char *passes, const std::string &which)
{
	for (const Shape &shape : shapes)
		for (const Checker &checker : checkers) {
			if (which != nameOf(shape, checker))
				continue;
			const std::string &text = input(shape, 1 << 20);
			if (text.empty())
				return 1;
			for (long n = std::strtol(passes, nullptr, 10); n > 0;
			     n--)
				benchmark::DoNotOptimize(
				    checker.check(text.c_str()));
			return 0;
		}
	return 2;
}

} // namespace

int
main(int argc, char **argv)
{
	if (argc == 3 && std::strncmp(argv[1], "--passes=", 9) == 0)
		return runPasses(argv[1] + 9, argv[2]);
	for (const Shape &shape : shapes)
		for (const Checker &checker : checkers)
			benchmark::RegisterBenchmark(
			    nameOf(shape, checker).c_str(),
			    [&shape, &checker](benchmark::State &state) {
				    measure(state, shape, checker);
			    })
			    ->RangeMultiplier(32)
			    ->Range(1 << 10, 64 << 20)
			    ->Complexity(benchmark::oN);
	benchmark::Initialize(&argc, argv);
	benchmark::RunSpecifiedBenchmarks();
	benchmark::Shutdown();
	return 0;
}
