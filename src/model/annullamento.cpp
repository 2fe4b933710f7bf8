// "Annulla" and "Ripeti": every command that changes the program runs inside one step.
#include "model/editor.h"

namespace kobaltino {

Editor::Passo::Passo(Editor& editor) : e_(editor), registra_(editor.passiAperti_ == 0 && !editor.s_.InserimentoAutomatico)
{
    ++e_.passiAperti_;
    if (registra_)
        e_.storia_.inizia(e_.s_);
}

Editor::Passo::~Passo()
{
    --e_.passiAperti_;
    if (registra_)
        e_.storia_.termina(e_.s_, pulito_);
}

int Editor::annulla()
{
    const int k = storia_.annulla(s_);
    if (k > 0)
        s_.GrigliaAttiva = k;
    return k;
}

int Editor::ripeti()
{
    const int k = storia_.ripeti(s_);
    if (k > 0)
        s_.GrigliaAttiva = k;
    return k;
}

}  // namespace kobaltino
