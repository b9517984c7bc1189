// Parser runtime: the token feed over a long statement, lists grown item by
// item as the grammars do (AppendToList), a long left-deep expression chain,
// and walking the resulting tree for its text.  Each should grow linearly
// with its size.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "nodes/u_nodes.h"
#include "parse/rkyacclib.h"
#include "statementstructure/rkexpression.h"

namespace {

// n identifiers separated by ", " with a comment every 10 items.
std::unique_ptr<TSourceTokenList> Tokens(int n) {
    auto l = std::make_unique<TSourceTokenList>(true);
    auto add = [&](const std::string& text, uint8_t type, int32_t code) {
        auto t = MakeSourceToken(text, type, 0, 0, 1, 0);
        t->TokenCode = code;
        t->SetOwnerList(l.get());
        t->PosInList = l->Count();
        l->Add(std::move(t));
    };
    for (int i = 0; i < n; ++i) {
        add("c" + std::to_string(i), ttIdentifier, tcIdent);
        add(",", ttComma, ',');
        add(" ", ttBlanks, tcBlanks);
        if (i % 10 == 9) {
            add("-- note", ttLineComment, tcLineComment);
            add("\n", ttLineBreak, tcLineBreak);
        }
    }
    return l;
}

void BM_GetNextToken(benchmark::State& state) {
    auto list = Tokens(static_cast<int>(state.range(0)));
    TRkCustomParser p;
    p.TokenList = list.get();
    p.DbVendor = 1;
    for (auto _ : state) {
        p.TokenPos = 0;
        int n = 0;
        while (p.GetNextToken(true)) ++n;
        benchmark::DoNotOptimize(n);
    }
    state.SetItemsProcessed(state.iterations() * list->Count());
}
BENCHMARK(BM_GetNextToken)->Range(1 << 10, 1 << 18);

void BM_AppendToList(benchmark::State& state) {
    auto list = Tokens(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TRkCustomParser p;
        TRk_List* l = nullptr;
        for (TSourceToken* t : list->Items())
            if (t->TokenType == ttIdentifier) l = l ? p.AppendToList(l, t, true) : p.MakeList(t, true);
        benchmark::DoNotOptimize(l);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AppendToList)->Range(1 << 10, 1 << 18);

// a + a + ... built left-deep through MakeExpression, then its text.
void BM_ExpressionChainText(benchmark::State& state) {
    auto list = Tokens(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TRkCustomParser p;
        TRk_Node* e = nullptr;
        for (TSourceToken* t : list->Items()) {
            if (t->TokenType != ttIdentifier) continue;
            auto* a = p.NewNode<TRkValue>(true);
            e = e ? p.MakeExpression(Expr_Arithmetic, nullptr, e, a) : static_cast<TRk_Node*>(a);
        }
        benchmark::DoNotOptimize(e->AsText());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ExpressionChainText)->Range(1 << 6, 1 << 10);

}  // namespace
