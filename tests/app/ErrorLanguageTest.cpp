// The messages of the core's errors, shown through the command guard in the interface language
// while their English stays byte for byte what the core says.

#include <gtest/gtest.h>

#include <QAction>
#include <fstream>

#include "cardsets/CardSetReader.h"
#include "cardsets/CardSetWriter.h"
#include "cardsets/pictures/PictureFile.h"
#include "compression/CompressionErrors.h"
#include "compression/Lzrw1kh.h"
#include "players/GameStart.h"
#include "players/InOutError.h"
#include "tests/app/AppFixture.h"
#include "tests/support/ScriptedMessages.h"
#include "widgets/CommandGuard.h"

using namespace velmora;
using velmora::testing::AppTest;

namespace {

class ErrorLanguageTest : public AppTest {
protected:
    // The message box text and the English of what command raised, in language.
    std::pair<QString, std::string> Shown(const char* language, const std::function<void()>& command) {
        window->findChild<QAction*>(language)->trigger();
        fakes::ScriptedMessages messages;
        std::string english;
        EXPECT_FALSE(RunGuarded(window.get(), [&] {
            try {
                command();
            } catch (const std::exception& e) {
                english = e.what();
                throw;
            }
        }));
        EXPECT_EQ(messages.shown.size(), 1u);
        return {messages.shown.empty() ? QString() : messages.shown.back().text, english};
    }

    static std::string Int32s(std::initializer_list<std::int32_t> values) {
        std::string bytes;
        for (const std::int32_t value : values)
            for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>(value >> shift & 0xFF);
        return bytes;
    }

    std::filesystem::path Write(const char* name, const std::string& bytes) {
        const std::filesystem::path path = folder.Path() / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
};

TEST_F(ErrorLanguageTest, ACardSetErrorIsFramedInTheLanguageAndNamesItsFile) {
    Open();
    const std::filesystem::path cut = Write("cut.cst", std::string("\x05\x00", 2));
    const auto read = [&] { ReadCardSetFile(cut, "cut.cst", CardSetParts::Details); };
    const auto [german, english] = Shown("Language_de", read);
    // The reader's diagnosis and the part it names are in the language too.
    EXPECT_EQ(german, "Das Kartenset cut.cst ist beschädigt: der Dateikopf ist abgeschnitten");
    EXPECT_EQ(english, "Damaged card set cut.cst: the prefix is cut short");
    EXPECT_EQ(Shown("Language_en", read).first, QString::fromStdString(english));

    // A part's name inside a diagnosis that has a number of its own.
    const std::filesystem::path longAuthor = Write("long.cst", Int32s({11, 100, 90, 501}));
    const auto readLong = [&] { ReadCardSetFile(longAuthor, "long.cst", CardSetParts::Details); };
    const auto [french, englishLong] = Shown("Language_fr", readLong);
    EXPECT_EQ(french, "Le jeu de cartes long.cst est endommagé : le nom de l'auteur dépasse 500 octets");
    EXPECT_EQ(englishLong, "Damaged card set long.cst: the author is longer than 500 bytes");

    // A whole prefix with nothing after it: the container's diagnosis.
    const std::filesystem::path bare = Write("bare.cst", Int32s({11, 100, 90, 0, 0, 0, 0, 0}));
    const auto readBare = [&] { ReadCardSetFile(bare, "bare.cst", CardSetParts::Pictures); };
    const auto [spanish, englishBare] = Shown("Language_es", readBare);
    EXPECT_EQ(spanish, "La baraja bare.cst está dañada: faltan las imágenes comprimidas");
    EXPECT_EQ(englishBare, "Damaged card set bare.cst: the compressed pictures are missing");

    const auto missing = [&] { ReadCardSetFile(folder.Path() / "none.cst", "none.cst", CardSetParts::Details); };
    EXPECT_EQ(Shown("Language_fr", missing).first, "Impossible d'ouvrir le fichier none.cst");
    EXPECT_EQ(Shown("Language_en", missing).second, "Cannot open file none.cst");
}

// A set of eleven pictures: too few for any board but Junior.
class SmallSets : public GameSetSource {
public:
    GameSetPictures ReadWhole(const std::string&) override { return {11, {54, 37}}; }
    void UseForGame(const std::string&, int) override {}
};

TEST_F(ErrorLanguageTest, ASetTooSmallForTheBoardNamesTheBoardAsTheWindowsDo) {
    Open();
    const TPlayerRecord players[] = {MakePlayerRecord("Ann", "", false, true, 5),
                                     MakePlayerRecord("Bob", "", false, true, 5)};
    SmallSets sets;
    const auto start = [&] {
        GameStartOutcome outcome = StartChosenGame(window->CurrentGame(), players, 3, "Small", sets);
        if (outcome.Error) throw *outcome.Error;
    };
    const auto [german, english] = Shown("Language_de", start);
    EXPECT_EQ(german, "Das Kartenset Small hat zu wenige Karten für das Spielfeld Profi (10x10).");
    EXPECT_EQ(english, "The card set Small holds too few cards for the Fanatic (10x10) board.");
    EXPECT_EQ(Shown("Language_en", start).first, QString::fromStdString(english));
}

TEST_F(ErrorLanguageTest, APictureErrorInsideAnotherIsTranslatedWholeAndKeepsItsEnglish) {
    Open();
    const std::filesystem::path text = Write("notes.txt", "no picture");
    const auto [spanish, english] = Shown("Language_es", [&] { ReadPictureFile(text); });
    EXPECT_EQ(spanish, "Extensión de archivo de imagen desconocida (.txt)");
    EXPECT_EQ(english, "Unknown picture file extension (.txt)");

    // A bitmap that is no bitmap, named as a JPEG: the JPEG reader's own error inside the frame.
    const std::filesystem::path fake = Write("fake.jpg", "BM not really a picture at all, just some bytes");
    const auto [german, englishJpeg] = Shown("Language_de", [&] { ReadPictureFile(fake); });
    EXPECT_EQ(englishJpeg.rfind("JPEG error #", 0), 0u) << englishJpeg;
    EXPECT_EQ(german, "JPEG-Fehler Nr. " + QString::fromStdString(englishJpeg.substr(12)));

    const auto wrapped = [] {
        try {
            RaiseInOutError(ENOSPC);
        } catch (const EInOutError& e) {
            throw EInOutError(MakePhrase(ErrorContext, "%2 (%1)", {"velmora.dat"}), e);
        }
    };
    const auto [french, englishDisk] = Shown("Language_fr", wrapped);
    EXPECT_EQ(french, "Le disque est plein (velmora.dat)");
    EXPECT_EQ(englishDisk, "Disk full (velmora.dat)");
}

TEST_F(ErrorLanguageTest, AComponentsFixedTextIsLookedUpAndAnUnknownTextShownAsItIs) {
    Open();
    const auto damaged = [] { throw ELzrw1Exception(TLZR::DamagedBlockText); };
    EXPECT_EQ(Shown("Language_de", damaged).first,
              "Lzrw1 (Dekompression LZRW1/KH) : Ein komprimierter Block ist beschädigt!");
    EXPECT_EQ(Shown("Language_en", damaged).first, TLZR::DamagedBlockText);
    const auto unknown = [] { throw std::runtime_error("Caf\xE9 100%1 closed"); };
    EXPECT_EQ(Shown("Language_es", unknown).first, QString::fromUtf8("Café 100%1 closed"));
}

}  // namespace
