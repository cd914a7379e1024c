// How every program of the suite ends: the exit status main returns, and the
// one line on standard error that explains a failure.
#pragma once

// Flushes standard output and gives main its exit status: status when every
// write to standard output succeeded; otherwise 1, after the line
// "program: write error: REASON" on standard error, REASON being the
// system's text for the error of the write that failed.
int exitStatus(const char* program, int status = 0);

// Writes the line "program: file: REASON" on standard error, REASON being
// the system's text for error, and gives 1.
int fileError(const char* program, const char* file, int error);
