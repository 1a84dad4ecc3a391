// velmora-cardset: looks into card-set files and runs the card-set check from the command line.

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "CardSetCommands.h"

namespace {

constexpr const char* Usage =
    "usage: velmora-cardset info FILE\n"
    "       velmora-cardset extract FILE DIR\n"
    "       velmora-cardset check DIR\n";

int Run(const std::vector<std::string>& args) {
    if (args.size() == 2 && args[0] == "info") {
        velmora::PrintCardSetInfo(args[1], std::cout);
    } else if (args.size() == 3 && args[0] == "extract") {
        velmora::ExtractCardSet(args[1], args[2], std::cout);
    } else if (args.size() == 2 && args[0] == "check") {
        velmora::RunCardSetCheck(args[1], std::cout);
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
