#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

struct Outcome {
    std::string error_output;
    int status = -1;  // the exit status, or -1 when a signal ended it
};

// Runs the program with DISPLAY and WAYLAND_DISPLAY as given (nullopt: unset) and no platform
// chosen for Qt; a program that opens a window after all is ended by the alarm.
Outcome run_program(const char* program, const std::optional<std::string>& display,
                    const std::optional<std::string>& wayland) {
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0) return {};
    const pid_t child = fork();
    if (child == 0) {
        unsetenv("QT_QPA_PLATFORM");
        display ? setenv("DISPLAY", display->c_str(), 1) : unsetenv("DISPLAY");
        wayland ? setenv("WAYLAND_DISPLAY", wayland->c_str(), 1) : unsetenv("WAYLAND_DISPLAY");
        dup2(pipe_ends[1], STDERR_FILENO);
        close(pipe_ends[0]);
        close(pipe_ends[1]);
        alarm(30);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipe_ends[1]);
    Outcome outcome;
    char buffer[512];
    for (ssize_t got; (got = read(pipe_ends[0], buffer, sizeof buffer)) > 0;)
        outcome.error_output.append(buffer, static_cast<std::size_t>(got));
    close(pipe_ends[0]);
    int wait_status = 0;
    waitpid(child, &wait_status, 0);
    if (WIFEXITED(wait_status)) outcome.status = WEXITSTATUS(wait_status);
    return outcome;
}

TEST(Start_Without_Display, OneLineSaysWhatTheProgramNeedsAndItExitsWithStatusOne) {
    const struct {
        const char* name;
        std::optional<std::string> display;
        std::optional<std::string> wayland;
    } cases[] = {
        {"neither set", std::nullopt, std::nullopt},
        {"both empty", "", ""},
        {"a display without a server", ":4711", std::nullopt},
    };
    const struct {
        const char* path;
        std::string name;
    } programs[] = {{HYGRODEX_PROGRAM, "Hygrodex"}, {MOISTREL_PROGRAM, "Moistrel"}};
    for (const auto& program : programs) {
        for (const auto& c : cases) {
            const Outcome outcome = run_program(program.path, c.display, c.wayland);
            EXPECT_EQ(outcome.error_output,
                      program.name +
                          " needs a display to show its window: set DISPLAY or WAYLAND_DISPLAY, or start it under "
                          "xvfb-run.\n")
                << program.name << ", " << c.name;
            EXPECT_EQ(outcome.status, 1) << program.name << ", " << c.name;
        }
    }
}

}  // namespace
