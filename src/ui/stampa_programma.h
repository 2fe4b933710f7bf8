#pragma once

#include "model/stato.h"

#include <QDateTime>
#include <QString>

class QPagedPaintDevice;

namespace kobaltino {

// What the top of every printed page says.
struct IntestazioneStampa {
    QString programma;   // the program's name
    QString processore;  // "16F84", "16F84A", "16F628"
    QDateTime data;
    // The student's name and class; an empty one leaves a line to fill in by hand.
    QString nome;
    QString classe;
};

// The header of the program in `stato`: its file name without the folder and extension
// ("Senza nome" before the first save), its processor and the moment given.
IntestazioneStampa intestazioneDi(const Stato& stato, const QDateTime& data);

// Draws the program's non-empty grids as tables (row, icon, instruction, parameter, label)
// on `dispositivo`, a printer or a PDF writer, page after page, each with the header and
// "Pagina N di M" at the foot. Returns the number of pages.
int disegnaProgramma(const Stato& stato, QPagedPaintDevice& dispositivo, const IntestazioneStampa& intestazione);

// Writes the printout as a PDF file (A4). Returns false when the file cannot be written.
bool esportaPdf(const Stato& stato, const IntestazioneStampa& intestazione, const QString& percorso);

}  // namespace kobaltino
