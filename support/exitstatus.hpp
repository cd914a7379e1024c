// How every program of the suite starts and ends: the arguments it answers,
// the exit status main returns, and the lines on standard error that explain
// a failure.
#pragma once

// Returns when the command line holds no argument, and the program runs.
// Otherwise ends the program: the one argument --help prints a usage with
// the summary and the manual page's section, --version the suite's version,
// with exit status 0 (or 1 as from exitStatus, when the output cannot be
// written); any other argument gets a usage line on standard error and
// exit status 2.
void answerArguments(int argc, char* argv[], const char* program, const char* summary, int section,
                     const char* version);

// Flushes standard output and gives main its exit status: status when
// every read of standard input and every write to standard output
// succeeded; otherwise 1. A read that failed (rather than met the end of
// the input) is told first, as "program: read error: REASON" on standard
// error, then a write that failed, as "program: write error: REASON";
// REASON is the system's text for the error of the call that failed.
int exitStatus(const char* program, int status = 0);

// Writes the line "program: file: REASON" on standard error, REASON being
// the system's text for error, and gives 1.
int fileError(const char* program, const char* file, int error);
