// vrk: packs, lists, extracts and verifies asset archives (".vrk").
#include <iostream>
#include <string>
#include <vector>

#include "vrk_commands.h"


int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    return RunVrk(args, std::cout, std::cerr);
}
