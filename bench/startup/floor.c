/* The floor of a fixed-output program's cost: a static C program that writes
   the same bytes with one write call. floor_bytes.h, made from the program's
   transcript, defines FLOOR_BYTES and, for a program whose output is a file,
   FLOOR_FILE, its name. */
#include "floor_bytes.h"

#include <fcntl.h>
#include <unistd.h>

int main(void) {
#ifdef FLOOR_FILE
  const int fd = open(FLOOR_FILE, O_WRONLY | O_CREAT | O_TRUNC, 0666);
#else
  const int fd = 1;
#endif
  return write(fd, FLOOR_BYTES, sizeof FLOOR_BYTES - 1) == (ssize_t)(sizeof FLOOR_BYTES - 1) ? 0
                                                                                             : 1;
}
