// velmora-cardset: looks into card-set files, runs the card-set check and makes sets from pictures
// from the command line.

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "CardSetCommands.h"
#ifdef VELMORA_CARDSET_CREATE
#include "CreateCommand.h"
#endif

namespace {

constexpr const char* Usage =
    "usage: velmora-cardset --help | --version\n"
    "       velmora-cardset info FILE\n"
    "       velmora-cardset extract FILE DIR\n"
    "       velmora-cardset check DIR\n"
#ifdef VELMORA_CARDSET_CREATE
    "       velmora-cardset create PICTURE-DIR FILE.cst [--format junior|standard|expert|fanatic]\n"
    "           [--list FILE] [--background FILE | --colour RRGGBB] [--author TEXT] [--email TEXT]\n"
    "           [--web TEXT] [--notes TEXT] [--language TEXT] [--fit crop|fit|exact] [--size WxH]\n"
#endif
    ;

int Run(const std::vector<std::string>& args) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << Usage << "See velmora-cardset(1).\n";
    } else if (args.size() == 1 && (args[0] == "--version" || args[0] == "-v")) {
        std::cout << "velmora-cardset " VELMORA_VERSION "\n";
    } else if (args.size() == 2 && args[0] == "info") {
        velmora::PrintCardSetInfo(args[1], std::cout);
    } else if (args.size() == 3 && args[0] == "extract") {
        velmora::ExtractCardSet(args[1], args[2], std::cout);
    } else if (args.size() == 2 && args[0] == "check") {
        velmora::RunCardSetCheck(args[1], std::cout);
#ifdef VELMORA_CARDSET_CREATE
    } else if (!args.empty() && args[0] == "create") {
        velmora::CreateOptions options;
        try {
            options = velmora::ParseCreateOptions({args.begin() + 1, args.end()});
        } catch (const std::invalid_argument& e) {
            std::cerr << "velmora-cardset: " << e.what() << '\n' << Usage;
            return 2;
        }
        const velmora::PictureReadersSession readers;
        velmora::CreateCardSet(options, std::cout);
#endif
    } else {
        std::cerr << Usage;
        return 2;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& e) {
        std::cerr << "velmora-cardset: " << e.what() << '\n';
        return 1;
    }
}
