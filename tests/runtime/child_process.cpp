#include "child_process.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

ChildRun RunChild(const std::string& scenario, const std::vector<std::string>& extraArgs,
                  const std::vector<std::string>& env, int timeoutMs) {
    char outTemplate[] = "/tmp/runtime_child_out_XXXXXX";
    char errTemplate[] = "/tmp/runtime_child_err_XXXXXX";
    const int outFd = mkstemp(outTemplate);
    const int errFd = mkstemp(errTemplate);
    if (outFd < 0 || errFd < 0)
        throw std::runtime_error("no temporary files for the child's output");

    std::vector<std::string> args = {"/proc/self/exe", "--child=" + scenario};
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());

    // Everything the child needs is made before fork: only async-signal-safe calls may follow it.
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> environment(env);
    for (char** e = environ; *e; ++e)
        environment.emplace_back(*e); // a name given in env comes first and so wins
    std::vector<char*> envp;
    for (std::string& e : environment)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        dup2(outFd, STDOUT_FILENO);
        dup2(errFd, STDERR_FILENO);
        execve("/proc/self/exe", argv.data(), envp.data());
        _exit(127);
    }
    close(outFd);
    close(errFd);

    ChildRun run;
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid)
            break;
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            run.timedOut = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    run.exited = WIFEXITED(status);
    run.status = run.exited ? WEXITSTATUS(status) : -1;
    run.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    run.stdoutText = ReadAll(outTemplate);
    run.stderrText = ReadAll(errTemplate);
    unlink(outTemplate);
    unlink(errTemplate);
    return run;
}
