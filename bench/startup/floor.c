/* The floor of a fixed-output program's cost: a static C program that writes
   the same bytes with one write call. floor FILE [BYTES] writes BYTES (none
   when absent, as CMake drops an empty argument) to FILE, or to standard
   output when FILE is -. The bytes cost only their strlen: the system lays
   out argv before the program's first instruction. */
#include <fcntl.h>
#include <string.h>
#include <unistd.h>

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3)
    return 2;
  const char* bytes = argc == 3 ? argv[2] : "";
  const size_t size = strlen(bytes);
  const int fd = strcmp(argv[1], "-") == 0 ? 1 : open(argv[1], O_WRONLY | O_CREAT | O_TRUNC, 0666);
  return write(fd, bytes, size) == (ssize_t)size ? 0 : 1;
}
