// Stand-ins for the statement model in parser runtime tests: a select
// statement object (node kind 179) made and analyzed through the runtime's
// hooks, which the fixture installs and restores.
#pragma once

#include <memory>

#include "parse/rkyacclib.h"

namespace yacctest {

struct FakeSelectStatement : TRk_Node {
    TRk_Node* Root = nullptr;
    bool Analyzed = false;
    int ParseResult = 0;
    int Parses = 0;
    FakeSelectStatement() { NodeKind = 179; }
};

struct SelectHooks {
    TRkParserHooks saved = RkParserHooks;
    SelectHooks() {
        RkParserHooks.CreateSelectStatement = [](uint8_t) -> std::unique_ptr<TRk_Node> {
            return CreateNodeOfClass<FakeSelectStatement>();
        };
        RkParserHooks.AnalyzeSelect = [](TRk_Node* st, TRk_Node* root) {
            auto* f = static_cast<FakeSelectStatement*>(st);
            f->Root = root;
            f->Analyzed = true;
        };
        RkParserHooks.IsSelectAnalyzed = [](TRk_Node* st) {
            return static_cast<FakeSelectStatement*>(st)->Analyzed;
        };
        RkParserHooks.ParseSelect = [](TRk_Node* st) {
            auto* f = static_cast<FakeSelectStatement*>(st);
            ++f->Parses;
            return f->ParseResult;
        };
    }
    ~SelectHooks() { RkParserHooks = saved; }
};

// How often the pool holds N: each object belongs to it once.
inline size_t PoolCount(const TRkCustomParser& P, const TRk_Node* N) {
    size_t k = 0;
    for (const auto& e : P.NodePool) k += e.get() == N;
    return k;
}

}  // namespace yacctest
