// Element trees built by hand for the PL/SQL printer tests: the tokens come
// from the Oracle scanner (so they format as the parser's tokens do), and
// expressions, names and types are stood in for by nodes of a fixed text,
// so that each test pins one printer's own layout.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "formatter/concretepp.h"
#include "formatter/concretepp_plsql.h"
#include "formatter/rkbasetype.h"
#include "frontend/marlsqlparser.h"
#include "nodes/u_nodes.h"
#include "nodes/u_nodes_generic.h"
#include "statementstructure/plsqlstatement.h"
#include "statementstructure/sqlstatement.h"

namespace plsqltest {

// Prints a fixed text, which may span lines.
class TTextNode : public TRk_Node {
public:
    std::string Text;
    const char* ClassName() const override { return "TTextNode"; }
    std::string GetPrettyText() override { return Text; }
    std::string AsText() override { return Text; }
};

// A statement object that prints a fixed text; it counts as parsed.
class TTextStatement : public TUnknownSqlStatement {
public:
    std::string Text;
    TTextStatement() : TUnknownSqlStatement(1) { Parsed = true; }
    std::string GetPrettyText() override { return Text; }
};

class PlsqlTreeTest : public ::testing::Test {
protected:
    TSourceTokenList Toks{true};
    std::vector<TSourceToken*> Solid;
    size_t Cursor = 0;
    std::vector<std::unique_ptr<TRk_Node>> Pool;
    std::vector<std::unique_ptr<TTextStatement>> Statements;

    void SetUp() override {
        FmtOpt = TRkFmtOpt();
        InstallPrinterHooks();
    }
    void TearDown() override { FmtOpt = TRkFmtOpt(); }

    // Scans Sql with the Oracle scanner; Tk then hands out its words.
    void Scan(const std::string& Sql) {
        TokenizeString(1, Sql, Toks);
        for (int32_t i = 0; i < Toks.Count(); ++i)
            if (TSourceToken* t = Toks.TokenAt(i); t && t->IsSignificant() && t->TokenCode != 0)
                Solid.push_back(t);
    }

    // The next significant token from the cursor whose text is Text.
    TSourceToken* Tk(const std::string& Text) {
        for (size_t i = Cursor; i < Solid.size(); ++i) {
            if (SameText(Solid[i]->Text, Text)) {
                Cursor = i + 1;
                return Solid[i];
            }
        }
        ADD_FAILURE() << "no token " << Text << " after position " << Cursor;
        return nullptr;
    }

    template <class N>
    N* New() {
        auto n = CreateNodeOfClass<N>();
        N* raw = n.get();
        if (!raw->PP) raw->PP = CreatePlsqlPP(raw);
        Pool.push_back(std::move(n));
        return raw;
    }

    TRk_Node* Text(const std::string& S) {
        auto* n = New<TTextNode>();
        n->Text = S;
        return n;
    }

    // A raw list; Seps[i] (may be nullptr) precedes item i + 1.
    TRk_List* List(std::initializer_list<TRkVisitedAbs*> Items,
                   std::initializer_list<TSourceToken*> Seps = {}) {
        auto* l = New<TRk_List>();
        std::vector<TSourceToken*> seps(Seps);
        size_t i = 0;
        for (TRkVisitedAbs* item : Items) {
            if (i > 0 && i - 1 < seps.size()) {
                if (TRk_Node* n = item->AsNode()) n->SeparatorToken = seps[i - 1];
                else if (TSourceToken* t = item->AsToken()) t->SeparatorToken = seps[i - 1];
            }
            l->Add(item);
            ++i;
        }
        return l;
    }

    TTextStatement* Query(const std::string& Text) {
        Statements.push_back(CreateNodeOfClass<TTextStatement>());
        Statements.back()->Text = Text;
        return Statements.back().get();
    }

    static void Own(TRk_Node* N, std::initializer_list<TSourceToken*> Tokens) {
        for (TSourceToken* t : Tokens) N->TokenList->Add(t);
    }

    TRk_DummyNode* Dummy() { return New<TRk_DummyNode>(); }

    // Pretty text of N.  (Sections and other children get their printers
    // from the parent printers when their class did not ask for one.)
    static std::string Print(TRk_Node* N) { return N->GetPrettyText(); }

    // A block with an empty declaration section, as the grammar makes it.
    TRk_Plsql* Block() {
        auto* b = New<TRk_Plsql>();
        b->DeclSection = New<TRkPlsql_Decl>();
        return b;
    }
};

}  // namespace plsqltest
