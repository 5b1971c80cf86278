#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "child.hpp"

namespace {

const char *const fiveVerdicts = "(): true\n"
				 "()[]{}: true\n"
				 "(]: false\n"
				 "([)]: false\n"
				 "{[]}: true\n";

// Replaces the child with the program, standard input left as the caller set.
void
execBrackets(const std::vector<std::string> &args)
{
	std::vector<char *> argv{const_cast<char *>(BRACKETS_PATH)};
	for (const std::string &arg : args)
		argv.push_back(const_cast<char *>(arg.c_str()));
	argv.push_back(nullptr);
	execv(BRACKETS_PATH, argv.data());
	_exit(127);
}

// Standard input is a pipe holding bytes the program must leave unread.
TEST(Program, PrintsFiveVerdictsWhateverTheArgumentsAndReadsNoInput)
{
	for (const std::vector<std::string> &args :
	    std::vector<std::vector<std::string>>{{}, {"--help"},
		{"(", "-", ""}, {"--version", "/dev/null"}}) {
		int input[2];
		ASSERT_EQ(pipe(input), 0);
		ASSERT_EQ(write(input[1], "))\n", 3), 3);
		close(input[1]);

		Outcome outcome = runInChild([&] {
			dup2(input[0], STDIN_FILENO);
			close(input[0]);
			execBrackets(args);
		});
		std::string what = testing::PrintToString(args);
		EXPECT_EQ(outcome.out, fiveVerdicts) << what;
		EXPECT_EQ(outcome.err, "") << what;
		EXPECT_EQ(outcome.status, 0) << what;

		char left[4] = {};
		EXPECT_EQ(read(input[0], left, sizeof left), 3) << what;
		EXPECT_STREQ(left, "))\n") << what;
		close(input[0]);
	}
}

struct Sink {
	const char *name;
	void (*redirect)();
	const char *err;
};

// Each redirection runs in the child; one that cannot be made ends it with
// status 127 and a line on standard error, which the test reports.
void
fail(const char *what)
{
	std::perror(what);
	_exit(127);
}

void
toDevFull()
{
	int fd = open("/dev/full", O_WRONLY);
	if (fd == -1)
		fail("/dev/full");
	dup2(fd, STDOUT_FILENO);
	close(fd);
}

void
closeOutput()
{
	close(STDOUT_FILENO);
}

// A terminal makes standard output line-buffered, so each line's write fails
// at once (EIO, its other side is gone) and only the stream's error flag is
// left to tell at the end.
void
toHungUpTerminal()
{
	int master = posix_openpt(O_RDWR | O_NOCTTY);
	if (master == -1 || grantpt(master) == -1 || unlockpt(master) == -1)
		fail("posix_openpt");
	int fd = open(ptsname(master), O_WRONLY | O_NOCTTY);
	if (fd == -1)
		fail("ptsname");
	close(master);
	dup2(fd, STDOUT_FILENO);
	close(fd);
}

TEST(Program, ReportsAFailedWriteOnStandardErrorWithStatusOne)
{
	for (const Sink &sink : {
		 Sink{"/dev/full", toDevFull,
		     "brackets: write error: No space left on device\n"},
		 Sink{"closed", closeOutput,
		     "brackets: write error: Bad file descriptor\n"},
		 Sink{"hung-up terminal", toHungUpTerminal,
		     "brackets: write error: Input/output error\n"},
	     }) {
		Outcome outcome = runInChild([&] {
			sink.redirect();
			execBrackets({});
		});
		EXPECT_EQ(outcome.out, "") << sink.name;
		EXPECT_EQ(outcome.err, sink.err) << sink.name;
		EXPECT_EQ(outcome.status, 1) << sink.name;
	}
}

} // namespace
