#pragma once

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kobaltino {

// Runs `azione` in a child process after `prima`; true when both returned true.
inline bool nelFiglio(const std::function<bool()>& prima, const std::function<bool()>& azione)
{
    const pid_t figlio = fork();
    if (figlio == 0)
        _exit(prima() && azione() ? 0 : 1);  // no exit handlers, no leak report of the parent's objects
    int stato = 0;
    return figlio > 0 && waitpid(figlio, &stato, 0) == figlio && WIFEXITED(stato) && WEXITSTATUS(stato) == 0;
}

// In a child process that may not make any file larger than `byte` bytes. With SIGXFSZ ignored,
// a write past the limit fails with EFBIG the way it fails on a full disk, and no privilege or
// mount is needed.
inline bool conLimiteFile(rlim_t byte, const std::function<bool()>& azione)
{
    return nelFiglio([byte] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{byte, byte};
        return setrlimit(RLIMIT_FSIZE, &limite) == 0;
    }, azione);
}

// In a child process as an ordinary user: nobody when the tests run as root, for whom no
// permission counts.
inline bool comeUtenteComune(const std::function<bool()>& azione)
{
    return nelFiglio([] { return geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0); }, azione);
}

}  // namespace kobaltino
