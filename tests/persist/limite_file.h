#pragma once

#include <QByteArray>

#include <csignal>
#include <functional>
#include <optional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kobaltino {

// Runs `azione` in a child process that may not make any file larger than `byte` bytes. With
// SIGXFSZ ignored, a write past the limit fails with EFBIG the way it fails on a full disk, and
// no privilege or mount is needed. Returns what `azione` returned, nullopt when the child died.
inline std::optional<QByteArray> conLimiteFile(rlim_t byte, const std::function<QByteArray()>& azione)
{
    int tubo[2];
    if (pipe(tubo) != 0)
        return std::nullopt;
    const pid_t figlio = fork();
    if (figlio == 0) {
        close(tubo[0]);
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{byte, byte};
        setrlimit(RLIMIT_FSIZE, &limite);
        const QByteArray risultato = azione();  // short: one write to a pipe takes it whole
        const bool scritto = write(tubo[1], risultato.constData(), static_cast<size_t>(risultato.size())) == risultato.size();
        _exit(scritto ? 0 : 1);  // no exit handlers, no leak report of the parent's objects
    }
    close(tubo[1]);
    QByteArray letto;
    char blocco[4096];
    for (ssize_t n; (n = read(tubo[0], blocco, sizeof blocco)) > 0;)
        letto.append(blocco, n);
    close(tubo[0]);
    int stato = 0;
    if (figlio < 0 || waitpid(figlio, &stato, 0) != figlio || !WIFEXITED(stato) || WEXITSTATUS(stato) != 0)
        return std::nullopt;
    return letto;
}

}  // namespace kobaltino
