// One dialect's front end on arbitrary bytes: the script parses, and every
// statement reads back, without a crash, a hang or an escaped exception.
// FUZZ_VENDOR is the vendor code the target is built for.
#include <cstddef>
#include <cstdint>

#include "frontend/marlsqlparser.h"
#include "fuzz_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    int Result = 0;
    auto Parser = ParseScript(FUZZ_VENDOR, Data, Size, &Result);
    CheckParseOutcome(*Parser, Result);
    ReadStatements(*Parser);
    return 0;
}
