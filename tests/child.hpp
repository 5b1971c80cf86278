// Runs code in a forked child with its standard output and error captured, so
// that paths which end the process can be checked from outside: their exact
// bytes and their exit status.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

struct Outcome {
	std::string out;
	std::string err;
	int status; // exit status, or 128 + signal number
};

// Status a child ends with when its body returned instead of ending it.
inline constexpr int bodyReturned = 222;

inline std::string
readAll(std::FILE *file)
{
	if (std::fseek(file, 0, SEEK_SET) != 0)
		return "fseek failed";
	std::string text;
	for (int c; (c = std::fgetc(file)) != EOF;)
		text += static_cast<char>(c);
	return text;
}

inline Outcome
runInChild(const std::function<void()> &body)
{
	// Files in memory need no writable folder; fdopen refuses a failed -1.
	std::FILE *out = fdopen(memfd_create("out", 0), "w+");
	if (out == nullptr)
		return {"", "memfd_create failed", -1};
	std::FILE *err = fdopen(memfd_create("err", 0), "w+");
	if (err == nullptr) {
		std::fclose(out);
		return {"", "memfd_create failed", -1};
	}

	// Whatever the parent still buffers would otherwise be written twice.
	std::fflush(nullptr);
	pid_t pid = fork();
	if (pid == 0) {
		dup2(fileno(out), STDOUT_FILENO);
		dup2(fileno(err), STDERR_FILENO);
		body();
		std::fflush(nullptr);
		_exit(bodyReturned);
	}
	int wstatus = 0;
	Outcome outcome{"", "fork or wait failed", -1};
	if (pid > 0 && waitpid(pid, &wstatus, 0) == pid) {
		outcome = {readAll(out), readAll(err), -1};
		if (WIFEXITED(wstatus))
			outcome.status = WEXITSTATUS(wstatus);
		else if (WIFSIGNALED(wstatus))
			outcome.status = 128 + WTERMSIG(wstatus);
	}
	std::fclose(out);
	std::fclose(err);
	return outcome;
}
