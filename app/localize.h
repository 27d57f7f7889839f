#pragma once

#include "framework/text.h"

// The captions of the menu bar and the windows. Every call asks the framework afresh for the text of the
// constant's key, handing it the Italian default; nothing is remembered between calls.
namespace Localize {

fw::Text Arch();
fw::Text Compos();
fw::Text About();
fw::Text Esci();
fw::Text Annulla();
fw::Text Taglia();
fw::Text Copia();
fw::Text Incolla();
fw::Text Cancella();
fw::Text nomefin();
fw::Text matrAzi();
fw::Text contrmatazi();
fw::Text calcCCodice();
fw::Text sediinpscorr();
fw::Text versione();
fw::Text PrFree();

} // namespace Localize
