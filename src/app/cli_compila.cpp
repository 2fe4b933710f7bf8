#include "app/comandi_cli.h"

namespace kobaltino::cli {

int genera(const QStringList&, QTextStream&, QTextStream& err)
{
    err << "genera: non ancora disponibile\n";
    return 2;
}

int compila(const QStringList&, QTextStream&, QTextStream& err)
{
    err << "compila: non ancora disponibile\n";
    return 2;
}

}  // namespace kobaltino::cli
