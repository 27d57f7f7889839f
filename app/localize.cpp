#include "app/localize.h"

#include "framework/object.h"
#include "framework/system.h"

#include <array>
#include <string>
#include <string_view>

namespace Localize {

namespace {

enum Id {
    Arch_,
    Compos_,
    About_,
    Esci_,
    Annulla_,
    Taglia_,
    Copia_,
    Incolla_,
    Cancella_,
    nomefin_,
    matrAzi_,
    contrmatazi_,
    calcCCodice_,
    sediinpscorr_,
    versione_,
    PrFree_,
    Count_
};

struct Constant {
    Id id;
    std::string_view key;
    std::string_view defaultText;
};

// Keys are written out whole, letter case as the translations carry them; defaults are the Italian captions.
constexpr std::array<Constant, Count_> kConstants{{
    {Arch_, "Localize.Arch", "Archivio"},
    {Compos_, "Localize.Compos", "Composizione"},
    {About_, "Localize.About", "Info su Morvalit"},
    {Esci_, "Localize.Esci", "Esci"},
    {Annulla_, "Localize.Annulla", "Annulla"},
    {Taglia_, "Localize.Taglia", "Taglia"},
    {Copia_, "Localize.Copia", "Copia"},
    {Incolla_, "Localize.Incolla", "Incolla"},
    {Cancella_, "Localize.Cancella", "Cancella"},
    {nomefin_, "Localize.nomefin", "Morvalit DL"},
    {matrAzi_, "Localize.matrAzi", "Matricola Azienda"},
    {contrmatazi_, "Localize.contrmatazi", "Controllo Matricola Azienda"},
    {calcCCodice_, "Localize.calcCCodice", "Calcola Contro Codice"},
    {sediinpscorr_, "Localize.sediinpscorr", "Sedi INPS corrispondenti"},
    {versione_, "Localize.versione", "Versione"},
    {PrFree_, "Localize.PrFree", "Prodotto Freeware"},
}};

constexpr bool InIdOrder() {
    for (std::size_t i = 0; i < kConstants.size(); ++i)
        if (kConstants[i].id != static_cast<Id>(i))
            return false;
    return true;
}
static_assert(InIdOrder(), "the table is indexed by Id");

// No cache: a translation that changes shows on the next read.
fw::Text Read(Id id) {
    const Constant& c = kConstants[id];
    fw::Ref<fw::SystemClass> system = fw::System();
    return fw::Require(system, "system object, reading the caption " + std::string(c.key))
        .GetLocalizedString(c.key, c.defaultText);
}

} // namespace

fw::Text Arch() {
    return Read(Arch_);
}
fw::Text Compos() {
    return Read(Compos_);
}
fw::Text About() {
    return Read(About_);
}
fw::Text Esci() {
    return Read(Esci_);
}
fw::Text Annulla() {
    return Read(Annulla_);
}
fw::Text Taglia() {
    return Read(Taglia_);
}
fw::Text Copia() {
    return Read(Copia_);
}
fw::Text Incolla() {
    return Read(Incolla_);
}
fw::Text Cancella() {
    return Read(Cancella_);
}
fw::Text nomefin() {
    return Read(nomefin_);
}
fw::Text matrAzi() {
    return Read(matrAzi_);
}
fw::Text contrmatazi() {
    return Read(contrmatazi_);
}
fw::Text calcCCodice() {
    return Read(calcCCodice_);
}
fw::Text sediinpscorr() {
    return Read(sediinpscorr_);
}
fw::Text versione() {
    return Read(versione_);
}
fw::Text PrFree() {
    return Read(PrFree_);
}

} // namespace Localize
