// PL/SQL units built by hand over real Oracle tokens: a stand-in for the
// PL/SQL parser builds the element tree that a test describes, so the
// statement object's parse, analysis, walks and re-parse run as they do
// after the grammar.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "formatter/rkbasetype.h"
#include "frontend/marlsqlparser.h"
#include "nodes/u_nodes_generic.h"
#include "parse/parserfactory.h"
#include "parse/rkyacclib.h"
#include "process/gettextvisitor.h"
#include "statementstructure/plsqlstatement.h"
#include "statementstructure/rkexpression.h"

namespace plsqltest {

// The PL/SQL parser's stand-in: after the runtime's prologue, Build makes the
// tree from the parser's tokens.  Fails, with no report, when Build gives
// nothing.
class TFakePlsqlParser : public TRkCustomParser {
public:
    std::function<TRk_Node*(TFakePlsqlParser&)> Build;
    int Runs = 0;
    // A unit that parses without a tree (CREATE TYPE) is accepted.
    bool AcceptWithoutTree = false;

    int yyparse() override {
        ++Runs;
        if (Prologue() == -1) return 1;
        RootNode = Build ? Build(*this) : nullptr;
        return RootNode || AcceptWithoutTree ? 0 : 1;
    }

    // The N-th (1-based) significant token with this text in the parser's list.
    TSourceToken* W(const std::string& Text, int N = 1) const {
        for (TSourceToken* t : TokenList->Items())
            if (t->IsSignificant() && SameText(t->Text, Text) && --N == 0) return t;
        ADD_FAILURE() << "no token " << Text;
        return nullptr;
    }
    template <class T>
    T* New() {
        return NewNode<T>();
    }
    TRk_List* List(std::initializer_list<TRkVisitedAbs*> Items) {
        TRk_List* L = nullptr;
        for (TRkVisitedAbs* i : Items) L = AppendToList(L, i, false);
        return L;
    }
    // A list of nodes, each after the first with its separator token.
    TRk_List* ListSep(std::initializer_list<std::pair<TRkVisitedAbs*, TSourceToken*>> Items) {
        TRk_List* L = nullptr;
        for (auto [Item, Sep] : Items) {
            if (Sep) {
                if (TRk_Node* n = Item->AsNode()) n->SeparatorToken = Sep;
                else Item->AsToken()->SeparatorToken = Sep;
            }
            L = AppendToList(L, Item, false);
        }
        return L;
    }
    // A name as the grammar makes it.
    TRk_Attr* Name(TSourceToken* T) {
        auto* a = New<TRk_Attr>();
        a->NameToken = T;
        return a;
    }
    // A constant or name used as an expression (a node over one token).
    TRk_Node* Leaf(TSourceToken* T) {
        auto* a = Name(T);
        return MakeExpression(Expr_Attr, nullptr, a, nullptr);
    }
    // The CREATE [OR REPLACE] node of kind 1 or 2, from the unit's first words.
    TRk_DummyNode* Create(int Kind) {
        auto* c = New<TRk_DummyNode>();
        c->Int1 = Kind;
        c->Tok1 = W("create");
        if (Kind == 2) {
            c->Tok2 = W("or");
            c->Tok3 = W("replace");
        }
        return c;
    }
    // A slot node holding one keyword (timings, trigger events).
    TRk_DummyNode* Word(const std::string& Text) {
        auto* d = New<TRk_DummyNode>();
        d->Tok1 = W(Text);
        return d;
    }
    // CREATE [OR REPLACE] TRIGGER tr <timing>, without its event and body.
    TRkPlsql_Trigger* Trigger(int CreateKind, const std::string& Timing) {
        auto* t = New<TRkPlsql_Trigger>();
        t->CreateNode = Create(CreateKind);
        t->CreateKind = CreateKind;
        t->TriggerToken = W("trigger");
        t->TriggerName = Name(W("tr"));
        t->Timing = Word(Timing);
        return t;
    }
    TRk_TypeName* Type(TSourceToken* T) {
        auto* t = New<TRk_TypeName>();
        t->TypeNameToken = T;
        t->TokenList->Add(T);
        return t;
    }
    void Own(TRk_Node* N, std::initializer_list<TSourceToken*> Toks) {
        for (TSourceToken* t : Toks) N->TokenList->Add(t);
    }
    // An embedded statement object: the tokens from First through the next
    // ";" (which becomes its trailing token) join the statement being parsed.
    TCustomSqlStatement* Embedded(std::unique_ptr<TCustomSqlStatement> S, TSourceToken* First) {
        const auto& Items = TokenList->Items();
        size_t i = 0;
        while (i < Items.size() && Items[i] != First) ++i;
        for (; i < Items.size(); ++i) {
            S->SourceTokens->Add(Items[i]);
            if (Items[i]->TokenType == ttSemicolon) {
                S->TrailingToken = Items[i];
                break;
            }
        }
        TCustomSqlStatement* Raw = S.get();
        CurStatement->SubStatements.push_back(std::move(S));
        return Raw;
    }
    TRkPlsql_SqlStmt* Sql(std::unique_ptr<TCustomSqlStatement> S, TSourceToken* First) {
        auto* e = New<TRkPlsql_SqlStmt>();
        e->SqlStatement = Embedded(std::move(S), First);
        return e;
    }
    TRkPlsql_NullStmt* Null(TSourceToken* NullTok, TSourceToken* Semi) {
        auto* n = New<TRkPlsql_NullStmt>();
        Own(n, {NullTok});
        n->Terminator = Semi;
        return n;
    }
    // BEGIN statements END; with an empty declaration section.
    TRk_Plsql* Block(TSourceToken* Begin, TRk_List* Statements, TSourceToken* End, TSourceToken* Semi,
                     TRk_List* Handlers = nullptr, TSourceToken* ExceptionTok = nullptr) {
        auto* b = New<TRk_Plsql>();
        b->DeclSection = New<TRkPlsql_Decl>();
        b->Statements = Statements;
        b->Handlers = Handlers;
        b->ExceptionToken = ExceptionTok;
        Own(b, {Begin, End});
        b->Terminator = Semi;
        return b;
    }
};

// Texts of the significant tokens a walk meets, joined by one blank, and
// the number of nodes whose walk began and ended.
class TTokenRecorder : public TRkVisitorAbs {
public:
    std::string Text;
    int Pre = 0;
    int Post = 0;
    void Visit(TRkVisitedAbs* Obj) override {
        TRkVisitorAbs::Visit(Obj);
        if (TSourceToken* t = Obj->AsToken()) {
            // Tokens in no list (the empty parameter name) print nothing.
            if (!t->IsSignificant() || !t->OwnerList) return;
            if (!Text.empty()) Text += ' ';
            Text += t->Text;
        }
    }
    void PreVisit(TRkVisitedAbs* Obj) override {
        if (Obj->AsNode()) ++Pre;
    }
    void PostVisit(TRkVisitedAbs* Obj) override {
        if (Obj->AsNode()) ++Post;
    }
};

inline std::string Walk(TRkVisitedAbs* Root) {
    TTokenRecorder R;
    Root->Accept(&R);
    return R.Text;
}

// One PL/SQL unit of Oracle text, parsed through the stand-in parser.
struct Unit {
    std::unique_ptr<TSourceTokenList> Script = std::make_unique<TSourceTokenList>(true);
    std::unique_ptr<TPlsqlStatement> Stmt;
    TFakePlsqlParser* Fake = nullptr;

    explicit Unit(const std::string& Text, std::uint8_t Vendor = VendorOracle,
                  TSqlStatementType Type = sstplsql_block) {
        TokenizeString(VendorOracle, Text, *Script);
        Stmt = CreateNodeOfClass<TPlsqlStatement>(Vendor);
        Stmt->StatementType = Type;
        for (TSourceToken* t : Script->Items()) Stmt->SourceTokens->Add(t);
        if (Vendor == VendorOracle) {
            Stmt->Parser = TRkParserFactory(VendorOracle).CreateParser();
            auto P = std::make_unique<TFakePlsqlParser>();
            Fake = P.get();
            TPlsqlStatement* S = Stmt.get();
            P->SyntaxErrorCallback = [S](std::uint8_t T, const std::string& E, const std::string& Tok,
                                         std::int32_t L, std::int32_t C) { return S->ParserError(T, E, Tok, L, C); };
            Stmt->PlsqlParser = std::move(P);
        }
    }
    int Parse(std::function<TRk_Node*(TFakePlsqlParser&)> Build) {
        Fake->Build = std::move(Build);
        return Stmt->Parse(false);
    }
    TRk_Node* Root() const { return Stmt->GetRootNode(); }
    std::string Text() const { return Stmt->GetTextByVisitor(); }
    std::string Tokens() const { return Walk(Stmt.get()); }
    std::string Errors() const { return Stmt->ErrorMessages(); }
};

}  // namespace plsqltest
