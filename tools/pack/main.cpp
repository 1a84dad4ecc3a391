#include <iostream>

#include "PackCommand.h"

int main(int argc, char** argv) {
    return velmora::RunPackCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
