// Runs one program in a working directory with a file on its standard input
// and its standard output to a file, and prints its wall time in seconds and
// its peak resident memory in KiB.
//   bench_time <workdir> <stdin-file> <stdout-file> <program> [args...]
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: bench_time <workdir> <stdin-file> <stdout-file> <program> [args...]\n");
    return 2;
  }
  auto start = std::chrono::steady_clock::now();
  pid_t pid = fork();
  if (pid == 0) {
    int in = open(argv[2], O_RDONLY);
    int out = open(argv[3], O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int null = open("/dev/null", O_WRONLY);
    if (in < 0 || out < 0 || null < 0 || chdir(argv[1]) != 0) _exit(127);
    dup2(in, 0);
    dup2(out, 1);
    dup2(null, 2);
    execv(argv[4], argv + 4);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%.6f %ld\n", seconds, usage.ru_maxrss);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
