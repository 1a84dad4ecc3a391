#include "CreateCommand.h"

#include <QGuiApplication>

#include <algorithm>
#include <memory>
#include <fstream>
#include <map>
#include <stdexcept>

#include "cardsets/CardSetDraft.h"
#include "cardsets/CardSetWriter.h"
#include "cardsets/FileNames.h"
#include "cardsets/SystemColours.h"
#include "cardsets/pictures/CardPictureFile.h"
#include "cardsets/pictures/PictureFile.h"
#include "text/Windows1252.h"

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

FitMode FitNamed(const std::string& name) {
    const std::optional<FitMode> mode = FitModeNamed(name);
    if (!mode) throw std::invalid_argument("unknown fit " + name + " (crop, fit, exact)");
    return *mode;
}

PictureSize SizeNamed(const std::string& text) {
    const std::size_t x = text.find_first_of("xX");
    const auto number = [&](const std::string& part) {
        std::size_t used = 0;
        int value = 0;
        try {
            value = std::stoi(part, &used);
        } catch (const std::exception&) {
            used = 0;
        }
        if (part.empty() || used != part.size() || value < 1) throw std::invalid_argument("a size is WIDTHxHEIGHT: " + text);
        return value;
    };
    if (x == std::string::npos) throw std::invalid_argument("a size is WIDTHxHEIGHT: " + text);
    return {number(text.substr(0, x)), number(text.substr(x + 1))};
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
        if (IsReadablePictureName(name) && !isBackground) pictures.push_back(path);
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

std::string TooLarge(const std::string& what, PictureSize size, const CardSetFormat& format) {
    return what + " is " + std::to_string(size.Width) + " x " + std::to_string(size.Height) + " pixels; " +
           format.Name + " takes cards of at most " + std::to_string(format.MaxCardWidth) + " x " +
           std::to_string(format.MaxCardHeight);
}

// The card size: --size, else the card back's own size when the format holds it (as every set made
// of pictures of one size always was), else the largest card with the card back's aspect ratio.
void SizeCards(CardSetDraft& draft, const Picture& back, const std::filesystem::path& path, const CreateOptions& options) {
    const CardSetFormat& format = draft.FormatInfo();
    PictureSize size{back.Width, back.Height};
    if (options.Size) {
        size = *options.Size;
        if (size.Width > format.MaxCardWidth || size.Height > format.MaxCardHeight)
            throw std::runtime_error(TooLarge("The card size " , size, format));
    } else if (size.Width > format.MaxCardWidth || size.Height > format.MaxCardHeight) {
        if (options.Fit == FitMode::Exact) throw std::runtime_error(TooLarge("The card back " + path.string(), size, format));
        size = LargestCardFor(format, size);
    }
    draft.SetCardSize(size.Width, size.Height);
}

std::uint32_t MarginColour(const CreateOptions& options) {
    return ResolveColour(options.Colour.value_or(ButtonFaceColour));
}

void AddPictures(CardSetDraft& draft, const std::vector<std::filesystem::path>& pictures, const CreateOptions& options) {
    for (const std::filesystem::path& path : pictures) {
        const bool first = draft.Cards().empty();
        Picture picture = first ? ReadPictureFile(path)
                                : ReadCardPictureFile(path, {{draft.CardWidth(), draft.CardHeight()}, options.Fit, MarginColour(options)});
        if (first) {
            SizeCards(draft, picture, path, options);
            picture = FitPicture(picture, {draft.CardWidth(), draft.CardHeight()}, options.Fit, MarginColour(options));
        }
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
    Picture picture = options.Fit == FitMode::Exact
                          ? ReadPictureFile(*options.Background)
                          : ReadCardPictureFile(*options.Background,
                                                {{BackgroundPictureWidth, BackgroundPictureHeight}, FitMode::Crop, 0});
    if (!draft.SetBackgroundPicture(std::move(picture)))
        throw std::runtime_error("The background image " + options.Background->string() +
                                 " does not have the correct size: it must be 540 x 374 pixels");
}

std::unique_ptr<QGuiApplication> application;
int applicationArgc = 1;
char applicationName[] = "velmora-cardset";
char* applicationArgv[] = {applicationName, nullptr};

}  // namespace

PictureReadersSession::PictureReadersSession() {
    if (QCoreApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    application = std::make_unique<QGuiApplication>(applicationArgc, applicationArgv);
}

PictureReadersSession::~PictureReadersSession() { application.reset(); }

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
        else if (option == "--fit") options.Fit = FitNamed(value);
        else if (option == "--size") options.Size = SizeNamed(value);
        else throw std::invalid_argument("unknown option " + option);
    }
    return options;
}

void CreateCardSet(const CreateOptions& options, std::ostream& out) {
    const std::vector<std::filesystem::path> pictures = ListedPictures(options);
    CardSetDraft draft;
    draft.SetFormat(FormatFor(pictures.size(), options.Format));
    AddPictures(draft, pictures, options);
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
