#include "CreateCommand.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <stdexcept>

#include "Windows1252.h"
#include "cardsets/CardSetDraft.h"
#include "cardsets/CardSetWriter.h"
#include "cardsets/FileNames.h"
#include "cardsets/pictures/PictureFile.h"

namespace velmora {

namespace {

std::size_t FormatNamed(const std::string& name) {
    const std::map<std::string, std::size_t> names{{"junior", 0}, {"standard", 1}, {"expert", 2}, {"fanatic", 3}};
    const auto found = names.find(name);
    if (found == names.end()) throw std::invalid_argument("unknown format " + name + " (junior, standard, expert, fanatic)");
    return found->second;
}

std::uint32_t ColourNamed(const std::string& text) {
    std::size_t used = 0;
    unsigned long rgb = 0;
    try {
        rgb = std::stoul(text, &used, 16);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || text.size() != 6) throw std::invalid_argument("a colour is six hex digits RRGGBB: " + text);
    const auto value = static_cast<std::uint32_t>(rgb);
    return (value & 0xFF) << 16 | (value & 0xFF00) | (value >> 16 & 0xFF);
}

bool IsPictureName(const std::string& name) {
    for (const char* extension : {".bmp", ".jpg", ".jpeg"})
        if (EndsWithNoCase(name, extension)) return true;
    return false;
}

std::vector<std::filesystem::path> ListedPictures(const CreateOptions& options) {
    std::vector<std::filesystem::path> pictures;
    if (options.List) {
        std::ifstream list(*options.List);
        if (!list) throw std::runtime_error("Cannot open file " + options.List->string());
        for (std::string line; std::getline(list, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!line.empty()) pictures.push_back(options.Folder / line);
        }
        return pictures;
    }
    for (const std::string& name : FileNamesIn(options.Folder)) {
        const std::filesystem::path path = options.Folder / name;
        std::error_code error;
        const bool isBackground = options.Background && std::filesystem::equivalent(path, *options.Background, error);
        if (IsPictureName(name) && !isBackground) pictures.push_back(path);
    }
    return pictures;
}

std::size_t FormatFor(std::size_t pictures, const std::optional<std::size_t>& format) {
    if (format) {
        const auto required = static_cast<std::size_t>(CardSetFormats[*format].CardCount);
        if (pictures != required)
            throw std::runtime_error(std::string(CardSetFormats[*format].Name) + " takes " + std::to_string(required) +
                                     " pictures, the card back first; there are " + std::to_string(pictures));
        return *format;
    }
    for (std::size_t i = 0; i < CardSetFormats.size(); ++i)
        if (static_cast<std::size_t>(CardSetFormats[i].CardCount) == pictures) return i;
    throw std::runtime_error(std::to_string(pictures) + " pictures make no set: a set takes 11, 22, 33 or 51, "
                             "the card back first");
}

std::string Ansi(const std::string& text, const std::string& what) {
    const std::optional<std::string> ansi = Utf8ToWindows1252(text);
    if (!ansi) throw std::runtime_error(what + " holds characters that a Velmora set cannot store: " + text);
    return *ansi;
}

void SizeCards(CardSetDraft& draft, const Picture& back, const std::filesystem::path& path) {
    const CardSetFormat& format = draft.FormatInfo();
    if (back.Width > format.MaxCardWidth || back.Height > format.MaxCardHeight)
        throw std::runtime_error("The card back " + path.string() + " is " + std::to_string(back.Width) + " x " +
                                 std::to_string(back.Height) + " pixels; " + format.Name +
                                 " takes cards of at most " + std::to_string(format.MaxCardWidth) + " x " +
                                 std::to_string(format.MaxCardHeight));
    draft.SetCardSize(back.Width, back.Height);
}

void AddPictures(CardSetDraft& draft, const std::vector<std::filesystem::path>& pictures) {
    for (const std::filesystem::path& path : pictures) {
        Picture picture = ReadPictureFile(path);
        if (draft.Cards().empty()) SizeCards(draft, picture, path);
        if (!draft.Fits(picture))
            throw std::runtime_error("The image " + path.string() + " does not have correct size: it is " +
                                     std::to_string(picture.Width) + " x " + std::to_string(picture.Height) +
                                     ", the card back " + std::to_string(draft.CardWidth()) + " x " +
                                     std::to_string(draft.CardHeight()));
        draft.AddCard(CardNameFromFile(Ansi(path.filename().string(), "The file name")), std::move(picture));
    }
}

void SetBackground(CardSetDraft& draft, const CreateOptions& options) {
    if (options.Colour) draft.SetBackgroundColour(*options.Colour);
    if (!options.Background) return;
    if (!draft.SetBackgroundPicture(ReadPictureFile(*options.Background)))
        throw std::runtime_error("The background image " + options.Background->string() +
                                 " does not have the correct size: it must be 540 x 374 pixels");
}

}  // namespace

CreateOptions ParseCreateOptions(const std::vector<std::string>& args) {
    if (args.size() < 2) throw std::invalid_argument("create needs a picture folder and a set file");
    CreateOptions options;
    options.Folder = args[0];
    options.Output = args[1];
    const std::map<std::string, std::string*> texts{{"--author", &options.Author},   {"--email", &options.Email},
                                                     {"--web", &options.Web},         {"--notes", &options.Notes},
                                                     {"--language", &options.Language}};
    for (std::size_t i = 2; i < args.size(); i += 2) {
        const std::string& option = args[i];
        if (i + 1 >= args.size()) throw std::invalid_argument(option + " needs a value");
        const std::string& value = args[i + 1];
        if (const auto text = texts.find(option); text != texts.end()) *text->second = value;
        else if (option == "--format") options.Format = FormatNamed(value);
        else if (option == "--list") options.List = value;
        else if (option == "--background") options.Background = value;
        else if (option == "--colour") options.Colour = ColourNamed(value);
        else throw std::invalid_argument("unknown option " + option);
    }
    return options;
}

void CreateCardSet(const CreateOptions& options, std::ostream& out) {
    const std::vector<std::filesystem::path> pictures = ListedPictures(options);
    CardSetDraft draft;
    draft.SetFormat(FormatFor(pictures.size(), options.Format));
    AddPictures(draft, pictures);
    SetBackground(draft, options);
    draft.Details = {Ansi(options.Author, "The author"), Ansi(options.Email, "The e-mail address"),
                     Ansi(options.Web, "The web address"), Ansi(options.Notes, "The notes"),
                     Ansi(options.Language, "The language")};
    WriteCardSet(options.Output, draft.Describe());
    out << "Wrote " << options.Output.string() << ": " << draft.CardCount() << " cards of " << draft.CardWidth()
        << " x " << draft.CardHeight() << ", " << draft.FormatInfo().Name << ", "
        << (draft.BackgroundPicture() ? "picture" : "colour") << " background\n";
}

}  // namespace velmora
