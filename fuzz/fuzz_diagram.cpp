// The wizard's drawing step without its window: the tables of a parsed
// script are collected and marked, and the DOT text written from them must
// be accepted by Graphviz's own reader whenever the script gave a table.
// The first byte chooses the dialect as the wizard's combo box does (low
// three bits) and the page-3 options (the others; zero is "Full" with every
// mark); the rest is the script.
#include <graphviz/cgraph.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "app/main_dot.h"
#include "app/main_schema.h"
#include "frontend/marlsqlparser.h"
#include "fuzz_script.h"
#include "statementstructure/schemaobjects.h"

namespace {

TDotOptions OptionsFromByte(std::uint8_t B) {
    const int Level = std::min(2, ((B >> 3) & 3) ^ 2);
    TDotOptions o;
    o.ShowKeyRows = Level >= 1;
    o.ShowOtherColumns = o.ShowTypes = Level == 2;
    o.MarkForeignKeys = (B & 0x20) == 0;
    o.MarkNotNull = (B & 0x40) == 0;
    o.ShowIndexes = (B & 0x80) == 0;
    o.FontSize = 8;
    o.FontName = "Tahoma";
    o.HeaderFontName = "MS Sans Serif";
    return o;
}

std::string Document(TRkTableList& Tables, const TDotOptions& Options) {
    MarkTableKeys(Tables);
    return DotDocument(DiagramTables(Tables), Options, "Fuzz \"diagram\"", TDotDate{2026, 12, 7});
}

int QuietErrors(char* Message) {
    std::fputs(Message, stderr);  // shown only with the finding
    return 0;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    agseterrf(QuietErrors);
    agseterr(AGMAX);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    if (Size < 1) return -1;
    const unsigned Index = Data[0] & 7u;
    auto Parser = ParseScript(Index <= 3 ? Index : 4, Data + 1, Size - 1);
    TRkTableList Tables(false);
    CollectTables(Parser->Statements(), Tables);
    const TDotOptions Options = OptionsFromByte(Data[0]);
    const std::string Dot = Document(Tables, Options);
    // Drawing again after going back from the result page draws the same.
    Require(Document(Tables, Options) == Dot, "marking the keys twice changed the diagram");
    if (Tables.Count() > 0) {
        agseterr(AGERR);
        Agraph_t* Graph = agmemread(Dot.c_str());
        agseterr(AGMAX);
        if (Graph == nullptr) std::fprintf(stderr, "%s\n", Dot.c_str());
        Require(Graph != nullptr, "Graphviz rejected the DOT text");
        agclose(Graph);
    }
    Tables.Clear();  // the statements own the tables
    return 0;
}
