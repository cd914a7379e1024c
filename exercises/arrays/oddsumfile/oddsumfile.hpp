// Odd-sum file writer: adds up the non-negative odd elements of an array and
// writes the sum into a file.
#pragma once

#include <string>

// Writes the sum of the non-negative odd elements into the file named by
// name, replacing what it held: only the decimal digits, no newline. A
// missing file is made whole beside it and linked into place, so that it
// appears whole or not at all, with mode 0666 less the umask. An existing
// name is opened as the shell's > would open it (a link followed by the
// system), so that the system refuses here what it refuses there, such as a
// link or a file another user planted in a sticky folder. The file stays the
// same file: a link stays a link, and hard links, owner, group and
// permissions are kept. A regular file with one link, named or behind a
// link, is replaced through a synced temporary file renamed over it in its
// folder where that keeps them, and updated in place where it would not,
// which needs the old bytes that the sum covers to be readable, so that
// they can be put back when a later step fails. Content is synced before a
// name shows it, and the folder of every name made is synced before 1 is
// returned: a crash then leaves the old content or the new one, except
// during an update in place, which can leave a mix. Returns 1 when the sum
// reached the file; -1, with errno set by the call that failed, when the
// file could not be opened for writing, created, read for that, written or
// synced (a full disk is never reported as success). Then an earlier file
// keeps its old content, a missing one is not made (the missing target of a
// link may be left empty), and no temporary file is left behind.
int sumOfPositiveOdd(std::string name, int* values, int n);
