#include "app/comandi_cli.h"

namespace kobaltino::cli {

int converti(const QStringList&, QTextStream&, QTextStream& err)
{
    err << "converti: non ancora disponibile\n";
    return 2;
}

}  // namespace kobaltino::cli
