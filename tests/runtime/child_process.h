#pragma once

#include <string>
#include <vector>

// Runs this test binary again as a child process in one of its scenarios (see main.cpp), so that a test can
// look at a whole run: exit status, standard error, and that it ended at all.
struct ChildRun {
    bool exited = false;   // ended by returning from main or exit()
    int status = -1;       // exit status when exited
    int signal = 0;        // the signal that ended it otherwise
    bool timedOut = false; // killed after the time limit
    std::string stderrText;
    std::string stdoutText;
};

ChildRun RunChild(const std::string& scenario, const std::vector<std::string>& extraArgs = {},
                  const std::vector<std::string>& env = {}, int timeoutMs = 20000);
