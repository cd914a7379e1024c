// How every program of the suite starts and ends, and the lines that explain a failure.
#pragma once

// Watches standard input and output for exitStatus, then returns when the command line is empty.
// Otherwise ends the program: --help or --version alone answered, anything else refused (status 2).
void startProgram(int argc, char* argv[], const char* program, const char* summary, int section,
                  const char* version);

// Flushes standard output and gives status, or 1 after "program: read error: REASON" and then
// "program: write error: REASON" on standard error when a read or a write failed.
int exitStatus(const char* program, int status = 0);

// Writes "program: file: REASON" on standard error and gives 1.
int fileError(const char* program, const char* file, int error);
