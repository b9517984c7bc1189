// The formatter under every combination of its options: the input's first
// bytes choose the vendor and set each option, the rest is the script, and
// every statement is formatted and read back.
#include <cstddef>
#include <cstdint>

#include "formatter/rkbasetype.h"
#include "frontend/marlsqlparser.h"
#include "fuzz_script.h"

namespace {

// The byte options, two bits each, in the order they are taken.  The bits
// are XORed onto the defaults, so an all-zero header formats as the program
// does; values past an option's documented codes are reachable on purpose.
std::uint8_t TRkFmtOpt::* const kByteOptions[] = {
    &TRkFmtOpt::KeywordCase,         &TRkFmtOpt::UpdateKeywordAlign,   &TRkFmtOpt::KeywordAlign,
    &TRkFmtOpt::InsertKeywordAlign,  &TRkFmtOpt::DeleteKeywordAlign,   &TRkFmtOpt::ListOneLine,
    &TRkFmtOpt::OrderByListOneLine,  &TRkFmtOpt::DeclListOneLine,      &TRkFmtOpt::InsertColumnListOneLine,
    &TRkFmtOpt::UpdateSetListOneLine, &TRkFmtOpt::AndOrPlacement,      &TRkFmtOpt::SeparatorStyle,
    &TRkFmtOpt::TableListOneLine,    &TRkFmtOpt::ExprListOneLine,      &TRkFmtOpt::VarDeclAlign,
    &TRkFmtOpt::ParamDeclAlign,      &TRkFmtOpt::DeclSeparatorStyle,   &TRkFmtOpt::ColumnDefListOneLine,
    &TRkFmtOpt::ColumnDefAlign,      &TRkFmtOpt::ColumnDefSeparatorStyle, &TRkFmtOpt::IdentifierCase,
    &TRkFmtOpt::FunctionNameCase,    &TRkFmtOpt::AlignAndOrWithWhere,  &TRkFmtOpt::FuncArgsOneLine,
    &TRkFmtOpt::CommentStyle,        &TRkFmtOpt::JoinInputLines,       &TRkFmtOpt::TrimInputLines,
    &TRkFmtOpt::UseTab,
};
constexpr std::size_t kOptionCount = sizeof kByteOptions / sizeof kByteOptions[0];
// Vendor byte, the two-bit fields, TrimInputChar, TabSize.
constexpr std::size_t kHeaderSize = 1 + (kOptionCount * 2 + 7) / 8 + 2;

// The options that the header gives, over the defaults.
TRkFmtOpt OptionsFromHeader(const std::uint8_t* Header) {
    TRkFmtOpt Options;
    const std::uint8_t* Bits = Header + 1;
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        const unsigned Field = (Bits[i / 4] >> (2 * (i % 4))) & 3u;
        Options.*kByteOptions[i] = static_cast<std::uint8_t>(Options.*kByteOptions[i] ^ Field);
    }
    const std::uint8_t* Rest = Bits + (kOptionCount * 2 + 7) / 8;
    Options.SetTrimInputChar(static_cast<char>(Options.TrimInputChar ^ Rest[0]));
    Options.SetTabSize(Options.TabSize ^ static_cast<std::int8_t>(Rest[1]));
    return Options;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    if (Size < kHeaderSize) return -1;  // not worth keeping in the corpus
    FmtOpt = OptionsFromHeader(Data);
    auto Parser = ParseScript(Data[0] % 5, Data + kHeaderSize, Size - kHeaderSize);
    ReadStatements(*Parser);
    FmtOpt = TRkFmtOpt();
    return 0;
}
