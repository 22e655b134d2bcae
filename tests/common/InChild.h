#pragma once
// Runs a step in a child process as a user that is not root, since root
// may write any file and folder, optionally under a file-size limit, and
// answers what the step answered. Limits and the user stay in the child.
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

inline bool InChild(const std::function<bool()>& step, rlim_t sizeLimit = RLIM_INFINITY)
{
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(2);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{sizeLimit, sizeLimit};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(step() ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 2) << "could not give up root";
    return WIFEXITED(status) && WEXITSTATUS(status) == 1;
}
