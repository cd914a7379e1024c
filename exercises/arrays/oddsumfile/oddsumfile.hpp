// Odd-sum file writer: adds up the non-negative odd elements of an array and
// writes the sum into a file.
#pragma once

#include <string>

// Writes the sum of the non-negative odd elements into the file named by
// name, replacing what it held: only the decimal digits, no newline. The
// file is opened as the shell's > would open it (created when missing, a
// link followed by the system), so that the system refuses here what it
// refuses there, such as a link or a file another user planted in a sticky
// folder. The file stays the same file: a link stays a link, and hard
// links, owner, group and permissions are kept. It is replaced through a
// synced temporary file renamed over it where that keeps them, and updated
// in place where it would not, which needs the old bytes that the sum
// covers to be readable, so that they can be put back when a later step
// fails. Returns 1 when the sum reached the file; -1, with errno set by the
// call that failed, when the file could not be opened for writing, created,
// read for that, written or synced (a full disk is never reported as
// success). Then an earlier file keeps its old content and no temporary
// file is left behind.
int sumOfPositiveOdd(std::string name, int* values, int n);
