#include "app/XdgLauncher.h"

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace tessivo::app {

void XdgLauncher::open(const std::string& target) {
    // A shell in the background starts the opener and exits at once, so the opener is
    // re-parented and never left as a zombie; the target travels as an argument, unquoted
    // text never reaches a command line.
    const char* argv[] = {"/bin/sh", "-c",           "xdg-open \"$1\" >/dev/null 2>&1 &",
                          "sh",      target.c_str(), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, "/bin/sh", nullptr, nullptr, const_cast<char* const*>(argv), environ) ==
        0) {
        int status = 0;
        waitpid(child, &status, 0);  // the shell itself returns immediately
    }
}

}  // namespace tessivo::app
