#include "child_process.h"

#include "framework/runtime.h"
#include "framework/system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

fw::Text Read(std::string_view key, std::string_view fallback) {
    return fw::Require(fw::System(), "system object").GetLocalizedString(key, fallback);
}

TEST(LocalizedText, WithoutTranslationTheDefaultComesBack) {
    EXPECT_EQ(Read("Localize.Esci", "Esci"), "Esci");
    EXPECT_EQ(Read("Localize.Empty", ""), "");
}

TEST(LocalizedText, SuppliedTranslationIsAnsweredAndAChangeShowsOnTheNextRead) {
    fw::SetTranslation("Localize.About", "About Morvalit");
    EXPECT_EQ(Read("Localize.About", "Info su Morvalit"), "About Morvalit");
    fw::SetTranslation("Localize.About", "\xc3\x80 propos de Morvalit"); // UTF-8 kept as is
    EXPECT_EQ(Read("Localize.About", "Info su Morvalit"), "\xc3\x80 propos de Morvalit");
    fw::SetTranslation("Localize.About", "");
    EXPECT_EQ(Read("Localize.About", "Info su Morvalit"), "") << "an empty translation is still the answer";
    fw::RemoveTranslation("Localize.About");
    EXPECT_EQ(Read("Localize.About", "Info su Morvalit"), "Info su Morvalit");
    fw::RemoveTranslation("Localize.About"); // removing what is not there is harmless
}

TEST(LocalizedText, KeysKeepTheirLetterCase) {
    fw::SetTranslation("Localize.matrAzi", "Company number");
    EXPECT_EQ(Read("Localize.matrAzi", "Matricola Azienda"), "Company number");
    EXPECT_EQ(Read("Localize.matrazi", "Matricola Azienda"), "Matricola Azienda");
    EXPECT_EQ(Read("localize.matrAzi", "Matricola Azienda"), "Matricola Azienda");
}

TEST(LocalizedText, ClearTranslationsBringsEveryDefaultBack) {
    fw::SetTranslation("Localize.Arch", "File");
    fw::SetTranslation("Localize.Compos", "Edit");
    fw::ClearTranslations();
    EXPECT_EQ(Read("Localize.Arch", "Archivio"), "Archivio");
    EXPECT_EQ(Read("Localize.Compos", "Composizione"), "Composizione");
}

TEST(SystemObject, IsOneSharedObjectUntilTheRuntimeEnds) {
    ASSERT_TRUE(fw::System());
    EXPECT_EQ(fw::System(), fw::System());
    fw::RuntimeExit();
    EXPECT_FALSE(fw::System());
    fw::RuntimeInit();
    EXPECT_TRUE(fw::System());
}

// Translations in the bundle's Resources folder, read once at start for the user's language.
class BundleTranslations : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/runtime_bundle_XXXXXX";
        ASSERT_TRUE(mkdtemp(tmpl));
        bundle = tmpl;
        std::filesystem::create_directories(bundle / "MacOS");
        std::filesystem::create_directories(bundle / "Resources");
        std::ofstream(bundle / "Resources" / "Localizable_de.txt") << "# German\n"
                                                                      "Localize.Esci=Beenden\r\n"
                                                                      "no equals sign here\n"
                                                                      "\n";
    }
    void TearDown() override { std::filesystem::remove_all(bundle); }
    ChildRun Run(const std::string& language) {
        return RunChild("translations", {"--executable=" + (bundle / "MacOS" / "MorvalitDL").string()},
                        {"LANGUAGE=" + language, "LC_ALL=" + language, "LANG=" + language});
    }
    std::filesystem::path bundle;
};

TEST_F(BundleTranslations, FileForTheUsersLanguageSuppliesTextsAndMissingKeysKeepTheirDefault) {
    const ChildRun run = Run("de_DE");
    ASSERT_TRUE(run.exited) << run.stderrText;
    EXPECT_EQ(run.stdoutText, "[Beenden]\n[Archivio]\n");
    EXPECT_NE(run.stderrText.find("Localizable_de.txt:3: translation line without"), std::string::npos)
        << run.stderrText;
}

TEST_F(BundleTranslations, OtherLanguageGetsTheDefaults) {
    const ChildRun run = Run("fr_FR");
    ASSERT_TRUE(run.exited) << run.stderrText;
    EXPECT_EQ(run.stdoutText, "[Esci]\n[Archivio]\n");
}

} // namespace
