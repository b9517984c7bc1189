// Shared test scaffolding for the generic, expression and raw parse node
// tests: a script token list, nodes built over its tokens, and a visitor
// that records the visited tokens.
#pragma once

#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "nodes/token_builder.h"
#include "nodes/u_nodes.h"
#include "nodes/u_nodes_generic.h"
#include "statementstructure/schemaobjects.h"
#include "statementstructure/sqlstatement.h"
#include "statementstructure/sqlstatement_select.h"

namespace gentest {

// Records the text of every token the walk visits, and the open/close
// events of objects with parts.
struct TTokenLog : TRkVisitorAbs {
    std::vector<std::string> Tokens;
    void Visit(TRkVisitedAbs* Obj) override {
        TRkVisitorAbs::Visit(Obj);
        if (TSourceToken* t = Obj->AsToken()) Tokens.push_back(std::string(t->GetText()));
    }
};

inline std::string Walk(TRkVisitedAbs* Root) {
    TTokenLog v;
    Root->Accept(&v);
    std::string s;
    for (const std::string& t : v.Tokens) s += (s.empty() ? "" : " ") + t;
    EXPECT_EQ(v.Depth, 0);
    return s;
}

class TScript {
public:
    std::unique_ptr<TSourceTokenList> L;
    std::vector<std::unique_ptr<TRk_Node>> Pool;

    // Words listed in Keywords become keyword tokens (upper case in
    // formatted text); other words stay identifiers (lower case).
    TScript(std::string_view Text, std::initializer_list<std::string_view> Keywords = {})
        : L(testtok::Script(Text)) {
        for (TSourceToken* t : L->Items())
            for (std::string_view k : Keywords)
                if (SameText(t->GetText(), k)) t->TokenType = ttKeyword;
    }

    // The n-th token with this text; fails the test when absent.
    TSourceToken* T(std::string_view Text, int N = 0) {
        TSourceToken* t = testtok::Tok(*L, Text, N);
        EXPECT_NE(t, nullptr) << "no token " << Text;
        return t;
    }

    // Adds the tokens named by their texts to the node's own tokens; a text
    // named again takes its next occurrence.
    template <class N>
    N* Own(N* Node, std::initializer_list<const char*> Texts) {
        std::map<std::string_view, int> seen;
        for (const char* t : Texts) Node->TokenList->Add(T(t, seen[t]++));
        return Node;
    }

    template <class N>
    N* Make(std::initializer_list<TSourceToken*> Own = {}) {
        auto p = CreateNodeOfClass<N>();
        for (TSourceToken* t : Own) p->TokenList->Add(t);
        N* r = p.get();
        Pool.push_back(std::move(p));
        return r;
    }

    // A list of items; each item after the first gets the separator given
    // in Seps (nullptr for none) at the same position.
    TRk_List* List(std::initializer_list<TRkVisitedAbs*> Items,
                   std::initializer_list<TSourceToken*> Seps = {}) {
        TRk_List* l = Make<TRk_List>();
        std::vector<TSourceToken*> seps(Seps);
        size_t i = 0;
        for (TRkVisitedAbs* it : Items) {
            if (i > 0 && i - 1 < seps.size()) {
                if (TSourceToken* t = it->AsToken()) t->SetSeparatorToken(seps[i - 1]);
                else if (TRk_Node* n = it->AsNode()) n->SeparatorToken = seps[i - 1];
            }
            l->Add(it);
            ++i;
        }
        return l;
    }
};

// A one-token name over T.
inline TRk_Attr* Name(TScript& S, TSourceToken* T) {
    auto* a = S.Make<TRk_Attr>();
    a->NameToken = T;
    return a;
}

// Statements whose walk is one body node, standing in for analyzed
// statements of a given type.
template <class Base>
class TBodyStatement : public Base {
public:
    TRk_Node* Body = nullptr;
    explicit TBodyStatement(TSqlStatementType Type) : Base(1) { this->StatementType = Type; }
    void BuildSqlText() override {}
    void DoAccept(TRkVisitorAbs& V) override {
        V.PreVisit(this);
        AcceptPart(Body, V);
        V.PostVisit(this);
    }
};
using TTestStatement = TBodyStatement<TCustomSqlStatement>;
using TTestSelect = TBodyStatement<TSelectSqlStatement>;

// A named table of Statement (owned by its table list), with an optional
// alias token.
inline TRkTable* AddTable(TScript& S, TCustomSqlStatement& Statement, TSourceToken* NameTok,
                          TSourceToken* AliasTok = nullptr) {
    auto t = CreateNodeOfClass<TRkTable>();
    t->TableKind = 1;
    t->NameNode = Name(S, NameTok);
    if (AliasTok) {
        t->AliasNode = S.Make<TRk_AliasClause>();
        t->AliasNode->AliasToken = AliasTok;
    }
    TRkTable* raw = t.get();
    Statement.Tables->Add(t.release());
    return raw;
}

}  // namespace gentest
