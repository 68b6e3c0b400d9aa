// Start-to-ready time of the studio in console mode as a whole process: from spawning
// "kwstudio --console" until it has answered its first command line (KWGetVersion), beside spawning
// and waiting for /bin/true, in the same run. The studio then closes as at the end of its input
// (not timed). Figures are medians of repeated runs.
#include "support/BenchMain.h"

#include "core/KWModuleFolder.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

extern char** environ;

namespace {

// The studio runs with a home folder of its own, away from the user's settings.
void UseScratchHome() {
    static const std::string home = [] {
        char pattern[] = "/tmp/kwbench-home-XXXXXX";
        const std::string folder = mkdtemp(pattern);
        for (const char* sub : {"/config", "/data", "/runtime"})
            std::filesystem::create_directories(folder + sub);
        std::filesystem::permissions(folder + "/runtime", std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::replace);
        setenv("HOME", folder.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (folder + "/config").c_str(), 1);
        setenv("XDG_DATA_HOME", (folder + "/data").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (folder + "/runtime").c_str(), 1);
        return folder;
    }();
    (void)home;
}

pid_t Spawn(const std::string& program, const char* argument, int* input, int* output) {
    int in[2], out[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(argument), nullptr};
    if (argument == nullptr)
        argv[1] = nullptr;
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    *input = in[1];
    *output = out[0];
    return pid;
}

void StudioReady(benchmark::State& state) {
    UseScratchHome();
    const std::string program = ProgramFolder() + "/kwstudio";
    for (auto _ : state) {
        int input = -1, output = -1;
        const pid_t pid = Spawn(program, "--console", &input, &output);
        if (pid < 0) {
            state.SkipWithError("kwstudio could not be started");
            break;
        }
        const char line[] = "KWGetVersion\n";
        [[maybe_unused]] const ssize_t written = write(input, line, sizeof line - 1);
        char c = 0;
        while (read(output, &c, 1) == 1 && c != '\n') {
        }
        state.PauseTiming();
        close(input); // the end of input closes the studio
        while (read(output, &c, 1) == 1) {
        }
        close(output);
        int status = 0;
        waitpid(pid, &status, 0);
        state.ResumeTiming();
    }
}

void BinTrue(benchmark::State& state) {
    for (auto _ : state) {
        int input = -1, output = -1;
        const pid_t pid = Spawn("/bin/true", nullptr, &input, &output);
        close(input);
        int status = 0;
        waitpid(pid, &status, 0);
        close(output);
    }
}

BENCHMARK(StudioReady)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BinTrue)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(9)->ReportAggregatesOnly(true);

const kwbench::Compare compareStart("StudioReady/iterations:1/repeats:9_median", "BinTrue/iterations:1/repeats:9_median");

} // namespace
