// tumbaro-replay: plays Tumbaro without a window, for checks and benchmarks.

#include "tools/replay/proof_check.h"
#include "tools/replay/replay.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    std::string error;
    const auto args = tumbaro::ParseReplayArgs(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!args) {
        std::cerr << "tumbaro-replay: " << error << '\n';
        return 2;
    }
    if (args->Check)
        return tumbaro::CheckProofLine(*args->Check, std::cout, std::cerr);
    tumbaro::RunReplay(*args, std::cout);
    std::cout.flush();
    return std::cout ? 0 : 1;
}
