// Makes seed inputs from scripts: each statement of each script, as the
// vendor's front end splits it, written to a file of its own after a
// header of bytes given in hex (the formatter and diagram targets read
// their options from the first bytes); with --whole, each script whole.
//   split_seeds VENDOR HEADERHEX OUTDIR [--whole] SCRIPT...
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "frontend/marlsqlparser.h"

namespace {

std::string FromHex(const std::string& Hex) {
    std::string Bytes;
    for (std::size_t i = 0; i + 1 < Hex.size(); i += 2)
        Bytes += static_cast<char>(std::stoi(Hex.substr(i, 2), nullptr, 16));
    return Bytes;
}

void Write(const std::filesystem::path& Path, const std::string& Bytes) {
    std::ofstream(Path, std::ios::binary) << Bytes;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: split_seeds VENDOR HEADERHEX OUTDIR [--whole] SCRIPT...\n");
        return 2;
    }
    const auto Vendor = static_cast<std::uint8_t>(std::atoi(argv[1]));
    const std::string Header = FromHex(argv[2]);
    const std::filesystem::path Out = argv[3];
    std::filesystem::create_directories(Out);
    bool Whole = false;
    for (int a = 4; a < argc; ++a) {
        if (std::string(argv[a]) == "--whole") {
            Whole = true;
            continue;
        }
        const std::filesystem::path Script = argv[a];
        const std::string Stem = Script.stem().string();
        if (Whole) {
            std::ifstream In(Script, std::ios::binary);
            Write(Out / (Stem + ".sql"), Header + std::string(std::istreambuf_iterator<char>(In), {}));
            continue;
        }
        TMarlSqlParser Parser(Vendor);
        Parser.Sqlfilename = Script.string();
        Parser.Parse();
        int n = 0;
        for (TCustomSqlStatement* S : Parser.Statements())
            Write(Out / (Stem + "-" + std::to_string(++n) + ".sql"), Header + S->GetRawSqlText());
    }
    return 0;
}
