// How every program of the suite ends: the exit status main returns, and the
// lines on standard error that explain a failure.
#pragma once

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
