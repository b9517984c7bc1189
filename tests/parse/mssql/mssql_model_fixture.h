// Hand-built SQL Server element trees for the batch-model tests: a token
// list that owns its tokens, a parser whose node pool owns the nodes, and a
// visitor that records what a walk visits.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "nodes/u_nodes.h"
#include "nodes/u_nodes_generic.h"
#include "parse/mssql/mssqlsqlstatement.h"
#include "parse/rkyacclib.h"

namespace mssqltest {

// A node walked as its own tokens: stands for expressions and names.
class TTokNode : public TRk_Node {
public:
    const char* ClassName() const override { return "TTokNode"; }
    void DoAccept(TRkVisitorAbs& V) override {
        V.PreVisit(this);
        for (TSourceToken* T : TokenList->Items()) T->Accept(&V);
        V.PostVisit(this);
    }
};

// Records visited tokens by text (blanks, line breaks and comments as "_"); PreVisit/PostVisit of the objects named
// in Marked as "<Class" and "Class>".
class TRecorder : public TRkVisitorAbs {
public:
    std::vector<std::string> Seen;
    std::vector<std::string> Marked;

    void Visit(TRkVisitedAbs* Obj) override {
        TRkVisitorAbs::Visit(Obj);
        if (TSourceToken* T = Obj->AsToken()) Seen.push_back(T->IsSignificant() ? std::string(T->GetText()) : "_");
    }
    void PreVisit(TRkVisitedAbs* Obj) override {
        if (IsMarked(Obj)) Seen.push_back(std::string("<") + Obj->ClassName());
    }
    void PostVisit(TRkVisitedAbs* Obj) override {
        if (IsMarked(Obj)) Seen.push_back(std::string(Obj->ClassName()) + ">");
    }
    std::string Joined() const {
        std::string S;
        for (const auto& X : Seen) S += (S.empty() ? "" : " ") + X;
        return S;
    }

private:
    bool IsMarked(TRkVisitedAbs* Obj) const {
        for (const auto& M : Marked)
            if (M == Obj->ClassName()) return true;
        return false;
    }
};

// The walk of Obj as one line of visited token texts.
inline std::string Walk(TRkVisitedAbs* Obj, std::vector<std::string> Marked = {}) {
    TRecorder R;
    R.Marked = std::move(Marked);
    Obj->Accept(&R);
    EXPECT_EQ(R.Depth, 0);
    return R.Joined();
}

class Tree {
public:
    TSourceTokenList Tokens{true};
    TRkCustomParser Pool;

    // A token of the script; blanks and line breaks by their text.
    TSourceToken* Tok(const std::string& Text, uint8_t Type = ttKeyword, int32_t Code = tcIdent) {
        auto T = MakeSourceToken(Text, Type, 0, 0, 1, 1);
        T->TokenCode = Code;
        T->SetOwnerList(&Tokens);
        T->PosInList = Tokens.Count();
        TSourceToken* Raw = T.get();
        Tokens.Add(std::move(T));
        return Raw;
    }
    TSourceToken* Blank() { return Tok(" ", ttBlanks, tcBlanks); }
    TSourceToken* Break() { return Tok("\r\n", ttLineBreak, tcLineBreak); }
    TSourceToken* Comment(const std::string& Text) {
        return Tok(Text, Text.rfind("--", 0) == 0 ? ttLineComment : ttBlockComment,
                   Text.rfind("--", 0) == 0 ? tcLineComment : tcBlockComment);
    }

    template <class T>
    T* New() {
        return Pool.NewNode<T>();
    }
    // A node walked as the given tokens.
    TTokNode* Words(std::initializer_list<const char*> Texts) {
        auto* N = New<TTokNode>();
        for (const char* X : Texts) N->TokenList->Add(Tok(X, ttIdentifier));
        return N;
    }
    template <class T>
    T* Own(T* N, std::initializer_list<TSourceToken*> Toks) {
        for (TSourceToken* X : Toks) N->TokenList->Add(X);
        return N;
    }
    _TMssqlStmt* Wrap(TRk_Node* Inner) {
        auto* W = New<_TMssqlStmt>();
        W->InnerNode = Inner;
        return W;
    }
    TRk_List* List(std::initializer_list<TRkVisitedAbs*> Items) {
        auto* L = New<TRk_List>();
        for (TRkVisitedAbs* X : Items) L->Add(X);
        return L;
    }
    // A recognised-only element of the given kind with its own tokens.
    _TMssqlDummyStmt* Dummy(uint8_t Kind, std::initializer_list<TSourceToken*> Toks = {}) {
        auto* D = Own(New<_TMssqlDummyStmt>(), Toks);
        D->NodeKind = Kind;
        return D;
    }
};

// Texts of the significant tokens a walk visits.
inline std::vector<std::string> Visited(TRkVisitedAbs* Obj) {
    TRecorder R;
    Obj->Accept(&R);
    std::vector<std::string> V;
    for (const auto& X : R.Seen)
        if (X != "_") V.push_back(X);
    return V;
}

// Texts of the significant tokens the front end gave a statement, without
// its terminator and the parse's end token.
inline std::vector<std::string> Given(TCustomSqlStatement* S) {
    std::vector<std::string> V;
    for (TSourceToken* T : S->SourceTokens->Items()) {
        if (T->TokenCode == 0) break;
        if (!T->IsSignificant() || T == S->TerminatorToken) continue;
        V.push_back(std::string(T->GetText()));
    }
    return V;
}

// The built statement of an analyzed wrapper, as class T.
template <class T>
T* Built(_TMssqlStmt* W) {
    W->Analyze();
    EXPECT_NE(W->SqlStatement, nullptr);
    auto* S = dynamic_cast<T*>(W->SqlStatement.get());
    EXPECT_NE(S, nullptr) << (W->SqlStatement ? W->SqlStatement->ClassName() : "no statement");
    return S;
}

}  // namespace mssqltest
