// Start-up of the program from exec to its first frame, and its resident
// memory then, measured on the start-up probe (the program plus a report of
// its first frame). Needs an X server.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>

extern char** environ;

namespace {

long long NowNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// Starts the probe, the program itself or (`bare`) an empty Qt window.
void StartUp(benchmark::State& state, const char* mode) {
  long resident_kib = 0;
  for (auto _ : state) {
    int out[2];
    if (pipe(out) != 0) {
      state.SkipWithError("pipe failed");
      return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char program[] = DD_STARTUP_PROBE;
    char bare[] = "bare";
    char* argv[] = {program, mode != nullptr ? bare : nullptr, nullptr};
    pid_t child = 0;
    const long long started = NowNanoseconds();
    const int spawned = posix_spawn(&child, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    long long first_frame = 0;
    FILE* report = fdopen(out[0], "r");
    const bool read =
        report != nullptr && std::fscanf(report, "%lld %ld", &first_frame, &resident_kib) == 2;
    if (report != nullptr) {
      std::fclose(report);
    }
    int status = 0;
    if (spawned == 0) {
      waitpid(child, &status, 0);
    }
    if (spawned != 0 || !read) {
      state.SkipWithError("the probe did not report a first frame");
      return;
    }
    state.SetIterationTime(static_cast<double>(first_frame - started) / 1e9);
  }
  state.counters["resident_MiB"] = static_cast<double>(resident_kib) / 1024.0;
}

BENCHMARK_CAPTURE(StartUp, Program, nullptr)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(3);
BENCHMARK_CAPTURE(StartUp, BareQtWindow, "bare")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(3);

}  // namespace

BENCHMARK_MAIN();
