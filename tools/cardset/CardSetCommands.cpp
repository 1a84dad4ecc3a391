#include "CardSetCommands.h"

#include <cstdio>
#include <fstream>
#include <string>

#include "cardsets/BmpWriter.h"
#include "cardsets/CardSetFolder.h"
#include "cardsets/CardSetFormats.h"
#include "cardsets/CardSetReader.h"
#include "cardsets/SystemColours.h"
#include "text/Windows1252.h"

namespace velmora {

namespace {

CardSetContents ReadWhole(const std::filesystem::path& file) {
    return ReadCardSetFile(file, file.filename().string(), CardSetParts::PicturesAndBackground);
}

std::string Hex(std::uint32_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

std::string BackgroundText(const CardSetPayload& payload) {
    switch (payload.Background) {
        case BackgroundKind::Picture:
            return "picture " + std::to_string(payload.BackgroundTile.Width) + " x " +
                   std::to_string(payload.BackgroundTile.Height);
        case BackgroundKind::Colour:
            return "colour 0x" + Hex(payload.BackgroundColour, 8) + " (RGB " +
                   Hex(ResolveColour(payload.BackgroundColour), 6) + ")";
        case BackgroundKind::Unknown:
            return "unknown marker (button face stands in)";
        case BackgroundKind::NotRead:
            break;
    }
    return "not read";
}

void PrintDetails(const CardSetDetails& d, std::ostream& out) {
    out << "Author: " << Windows1252ToUtf8(d.Author) << '\n'
        << "Language: " << Windows1252ToUtf8(d.Language) << '\n'
        << "Email: " << Windows1252ToUtf8(d.Email) << '\n'
        << "Web: " << Windows1252ToUtf8(d.Web) << '\n'
        << "Notes: " << Windows1252ToUtf8(d.Notes) << '\n';
}

// Card names may hold anything; a file name must not leave the folder or hide.
std::string SafeFileName(const std::string& name) {
    std::string safe;
    for (const char c : Windows1252ToUtf8(name)) {
        const bool bad = c == '/' || c == '\\' || (static_cast<unsigned char>(c) < 0x20);
        safe += bad ? '_' : c;
    }
    if (!safe.empty() && safe.front() == '.') safe.front() = '_';
    return safe;
}

std::string CardFileName(std::size_t index, const std::string& name) {
    std::string number = std::to_string(index);
    if (number.size() < 2) number.insert(0, "0");
    const std::string safe = SafeFileName(name);
    return (safe.empty() ? number : number + " " + safe) + ".bmp";
}

void WriteDetails(const std::filesystem::path& path, const CardSetPrefix& prefix) {
    std::ofstream details(path, std::ios::trunc);
    PrintDetails(prefix.Details, details);
    details << "Cards: " << prefix.CardCount << '\n'
            << "Card size: " << prefix.CardWidth << " x " << prefix.CardHeight << '\n';
    details.close();
    if (!details) throw std::runtime_error("Cannot create file " + path.string());
}

}  // namespace

void PrintCardSetInfo(const std::filesystem::path& file, std::ostream& out) {
    const CardSetContents contents = ReadWhole(file);
    const CardSetPrefix& prefix = contents.Prefix;
    out << "File: " << file.filename().string() << '\n';
    PrintDetails(prefix.Details, out);
    out << "Cards: " << prefix.CardCount << '\n'
        << "Card size: " << prefix.CardWidth << " x " << prefix.CardHeight << '\n'
        << "Largest format: " << LargestFormatName(prefix.CardCount) << '\n'
        << "Background: " << BackgroundText(*contents.Payload) << '\n'
        << "Payload: " << contents.Payload->PayloadSize << " bytes\n";
}

void ExtractCardSet(const std::filesystem::path& file, const std::filesystem::path& folder, std::ostream& out) {
    const CardSetContents contents = ReadWhole(file);
    const CardSetPayload& payload = *contents.Payload;
    std::filesystem::create_directories(folder);
    for (std::size_t card = 0; card < payload.CardPictures.size(); ++card) {
        const std::string name = CardFileName(card, payload.CardNames[card]);
        WriteBmp24(folder / name, payload.CardPictures[card]);
        out << name << '\n';
    }
    WriteBmp24(folder / "background.bmp", payload.BackgroundTile);
    out << "background.bmp\n";
    WriteDetails(folder / "details.txt", contents.Prefix);
    out << "details.txt\n";
}

void RunCardSetCheck(const std::filesystem::path& folder, std::ostream& out) {
    for (const CardSetRename& rename : CheckCardSets(folder)) {
        out << "Renamed " << rename.From << " to " << rename.To << '\n';
    }
    out << "Card set check completed!\n";
}

}  // namespace velmora
