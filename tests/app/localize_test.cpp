#include "app/localize.h"
#include "framework/system.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Caption {
    fw::Text (*read)();
    const char* key;
    const char* italian;
};

const Caption kCaptions[] = {
    {Localize::Arch, "Localize.Arch", "Archivio"},
    {Localize::Compos, "Localize.Compos", "Composizione"},
    {Localize::About, "Localize.About", "Info su Morvalit"},
    {Localize::Esci, "Localize.Esci", "Esci"},
    {Localize::Annulla, "Localize.Annulla", "Annulla"},
    {Localize::Taglia, "Localize.Taglia", "Taglia"},
    {Localize::Copia, "Localize.Copia", "Copia"},
    {Localize::Incolla, "Localize.Incolla", "Incolla"},
    {Localize::Cancella, "Localize.Cancella", "Cancella"},
    {Localize::nomefin, "Localize.nomefin", "Morvalit DL"},
    {Localize::matrAzi, "Localize.matrAzi", "Matricola Azienda"},
    {Localize::contrmatazi, "Localize.contrmatazi", "Controllo Matricola Azienda"},
    {Localize::calcCCodice, "Localize.calcCCodice", "Calcola Contro Codice"},
    {Localize::sediinpscorr, "Localize.sediinpscorr", "Sedi INPS corrispondenti"},
    {Localize::versione, "Localize.versione", "Versione"},
    {Localize::PrFree, "Localize.PrFree", "Prodotto Freeware"},
};

class CaptionTest : public ::testing::TestWithParam<Caption> {
protected:
    void TearDown() override { fw::ClearTranslations(); }
};

std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

TEST_P(CaptionTest, ItalianDefaultWithoutTranslation) {
    EXPECT_EQ(GetParam().read(), GetParam().italian);
}

TEST_P(CaptionTest, AsksForItsExactKeyOnEveryRead) {
    const Caption& c = GetParam();
    fw::SetTranslation(c.key, "first");
    EXPECT_EQ(c.read(), "first");
    fw::SetTranslation(c.key, "second");
    EXPECT_EQ(c.read(), "second") << "a caption must not be cached";
    fw::RemoveTranslation(c.key);
    EXPECT_EQ(c.read(), c.italian);
}

TEST_P(CaptionTest, KeyOfOtherLetterCaseIsNotItsKey) {
    const Caption& c = GetParam();
    const std::string lower = Lower(c.key);
    if (lower == c.key)
        GTEST_SKIP() << c.key << " is all lower case";
    fw::SetTranslation(lower, "wrong key");
    EXPECT_EQ(c.read(), c.italian);
}

INSTANTIATE_TEST_SUITE_P(AllSixteen, CaptionTest, ::testing::ValuesIn(kCaptions),
                         [](const ::testing::TestParamInfo<Caption>& info) {
                             return std::string(info.param.key).substr(sizeof("Localize.") - 1);
                         });

} // namespace
