// Printers of the PL/SQL program units: procedure and function bodies and
// their parameters, specs, packages and triggers.
#include "formatter/concretepp_plsql.h"

#include <algorithm>

#include "formatter/rkbasetype.h"
#include "nodes/u_nodes.h"
#include "nodes/u_nodes_generic.h"
#include "statementstructure/plsqlstatement.h"
#include "statementstructure/rkexpression.h"
#include "statementstructure/sqlstatement.h"

using namespace pp;
using namespace ppl;

namespace {

int32_t NameLength(TSourceToken* T) { return T ? static_cast<int32_t>(T->GetText().size()) : 0; }

TRkPlsql_ParameterDecl* Param(TRk_List* List, int32_t I) {
    return dynamic_cast<TRkPlsql_ParameterDecl*>(NodeAt(List, I));
}

// Parameters of a procedure body: on a line of their own, the bracket in
// column 5 and every parameter line from column 6, names aligned.
std::string ParameterBlock(TRk_List* Params, TRk_Node* Part) {
    const int32_t n = Count(Params);
    int32_t W = 0, E = 0;
    if (FmtOpt.DeclListOneLine == 0) {
        TRkPlsql_ParameterDecl* first = Param(Params, 0);
        W = first ? NameLength(first->NameToken) : 0;
        E = DeclSeparatorExtra();
        for (int32_t i = 1; i < n; ++i) {
            TRkPlsql_ParameterDecl* p = Param(Params, i);
            if (p && p->NodeKind == 148 && NameLength(p->NameToken) + E > W)
                W = NameLength(p->NameToken) + E;
        }
    }
    std::string D;
    for (int32_t i = 0; i < n; ++i) {
        TRk_Node* item = NodeAt(Params, i);
        if (PrinterOf(item)) item->PP()->PadWidth = i == 0 ? W : W - E;
        D += IndentAfter(D, P(item));
        if (i + 1 == n) break;
        const std::string S = SepOf(Params, i + 1);
        if (FmtOpt.DeclListOneLine == 1) {
            D += S;
            continue;
        }
        switch (FmtOpt.DeclSeparatorStyle) {
        case 0: D += S + CRLF; break;
        case 1: D += CRLF + S; break;
        case 2: D += CRLF + S + " "; break;
        default: D += S; break;
        }
    }
    return "     " + Tok(Part, 0) + Ind(D, 6) + Tok(Part, 1);
}

}  // namespace

std::string TRkPlsql_ProcedureDeclPP::GetPrettyText() {
    auto* p = dynamic_cast<TRkPlsql_ProcedureDecl*>(OwnerNode());
    if (!p) return WrongOwner("TRkPlsql_ProcedureDecl", Owner);
    std::string R = CreatePrefix(p->CreateKind, p->CreateNode) + Tok(p, 0) + " " + P(p->Name);
    if (Count(p->Params) > 0) R = Brk(R) + ParameterBlock(p->Params, p->ParamPart);
    if (p->IsFunction) {
        R = Brk(R) + Fmt(p->ReturnToken) + " " + P(p->ReturnType);
        for (int32_t i = 0; i < TokCount(p->FuncAttrs); ++i) R += " " + Tok(p->FuncAttrs, i);
    }
    R = Brk(R) + Fmt(p->IsAsToken);
    if (p->Declarations) {
        // Every declaration pads its name to the longest variable name.
        const int32_t n = Count(p->Declarations);
        int32_t W = 0;
        for (int32_t i = 0; i < n; ++i) {
            auto* v = dynamic_cast<TRkPlsql_VarDecl*>(NodeAt(p->Declarations, i));
            if (v && v->NodeKind == 117) W = std::max(W, static_cast<int32_t>(v->GetVarName().size()));
        }
        std::string D;
        for (int32_t i = 0; i < n; ++i) {
            TRk_Node* item = NodeAt(p->Declarations, i);
            if (PrinterOf(item)) item->PP()->PadWidth = W;
            D += P(item);
            if (i + 1 < n) BrkIn(D);
        }
        R = Brk(R) + IndentBlock(D, 2);
    }
    R += CRLF + Tok(p, 1);
    if (p->Statements) R += CRLF + IndentBlock(P(p->Section.get()), 2);
    if (p->Handlers)
        R += CRLF + Fmt(p->ExceptionToken) + CRLF + IndentBlock(HandlersText(p->Handlers), 2);
    R += CRLF + Tok(p, 2);
    if (p->EndLabel) R += " " + Fmt(p->EndLabel);
    return R + Term(p);
}

std::string TRkPlsql_ParameterDeclPP::GetPrettyText() {
    auto* p = dynamic_cast<TRkPlsql_ParameterDecl*>(OwnerNode());
    if (!p) return WrongOwner("TRkPlsql_ParameterDecl", Owner);
    // The empty place of "()" has a name of no text.
    if (!p->NameToken || p->NameToken->GetText().empty()) return " ";
    std::string R = PadKeyword(PadWidth, Fmt(p->NameToken), FmtOpt.ParamDeclAlign == 0) + " ";
    if (p->Mode == 2 || p->Mode == 3) R += " " + Tok(p, 0);
    else if (p->Mode == 4) R += " " + Tok(p, 0) + " " + Tok(p, 1);
    R += " " + P(p->DataType);
    if (p->Default) R += " " + Ind(P(p->Default), L(R) + 1);
    return R;
}

std::string TRkPlsql_ProcedureSpecPP::GetPrettyText() {
    auto* p = dynamic_cast<TRkPlsql_ProcedureSpec*>(OwnerNode());
    if (!p) return WrongOwner("TRkPlsql_ProcedureSpec", Owner);
    std::string R = Tok(p, 0) + " " + P(p->Name);
    if (p->Params) {
        R += Tok(p->ParamPart, 0);
        std::string D;
        for (int32_t i = 0; i < Count(p->Params); ++i) {
            if (i > 0) D += SepOf(p->Params, i);
            D += P(NodeAt(p->Params, i));
        }
        R += Ind(D, L(R) + 1) + Tok(p->ParamPart, 1);
    }
    if (p->IsFunction) R += " " + Fmt(p->ReturnToken) + " " + P(p->ReturnType);
    return R + Term(p);
}

std::string TRkPlsql_PackagePP::GetPrettyText() {
    auto* p = dynamic_cast<TRkPlsql_Package*>(OwnerNode());
    if (!p) return WrongOwner("TRkPlsql_Package", Owner);
    std::string R = CreatePrefix(p->CreateKind, p->CreateNode) + Tok(p, 0);
    if (p->IsBody) R += " " + Tok(p, 2);
    R += " " + P(p->Name);
    R = Brk(R) + Fmt(p->IsAsToken);
    // An empty line between items.
    std::string D;
    const int32_t n = Count(p->PackageItems);
    for (int32_t i = 0; i < n; ++i) {
        D += P(NodeAt(p->PackageItems, i));
        if (i + 1 == n) break;
        BrkIn(D);
        D += CRLF;
    }
    if (!D.empty()) R += CRLF + IndentBlock(D, 2);
    if (p->Statements) R += CRLF + Tok(p, 3) + CRLF + IndentBlock(P(p->Section.get()), 2);
    if (p->Handlers)
        R += CRLF + Fmt(p->ExceptionToken) + CRLF + IndentBlock(HandlersText(p->Handlers), 2);
    R = Brk(R) + Tok(p, 1);
    if (p->PackageEndLabel) R += " " + Fmt(p->PackageEndLabel);
    return R + Term(p);
}

namespace {

// Events joined by their OR separators; Second: the item's second token
// (UPDATE OF, ASSOCIATE STATISTICS) is printed.
std::string EventItems(TRk_List* Items, int32_t Kind) {
    std::string A;
    for (int32_t i = 0; i < Count(Items); ++i) {
        auto* ev = dynamic_cast<TRk_DummyNode*>(NodeAt(Items, i));
        if (!ev) continue;
        if (i > 0 && ItemSeparator(ev)) A += " " + Fmt(ItemSeparator(ev));
        A += " " + Fmt(ev->Tok1);
        if (Kind == 1) {
            if (ev->Tok2) A += " " + Fmt(ev->Tok2);
            if (ev->List1) A += " " + TokenListText(ev->List1);
        } else if (Kind == 2 && ev->Tok2) {
            A += " " + Fmt(ev->Tok2);
        }
    }
    return A;
}

std::string EventText(TRk_DummyNode* Ev) {
    if (!Ev) return {};
    std::string A = EventItems(Ev->List1, Ev->Int1);
    if (Ev->Int1 == 1) {
        A += " " + Fmt(Ev->Tok1);
        // ON NESTED TABLE column OF
        if (Ev->Tok2)
            A += " " + Fmt(Ev->Tok2) + " " + Fmt(Ev->Tok3) + " " + Fmt(Ev->Tok4) + " " + Fmt(Ev->Tok5);
        A += " " + P(Ev->Sub1);
        if (auto* row = dynamic_cast<TRk_DummyNode*>(Ev->Sub3))
            A += CRLF + IndentBlock(Fmt(row->Tok1) + " " + Fmt(row->Tok2) + " " + Fmt(row->Tok3), 4);
    } else if (Ev->Int1 == 2 || Ev->Int1 == 3) {
        A += " " + Fmt(Ev->Tok1) + " " + Fmt(Ev->Tok2);
        // ON schema "." SCHEMA
        if (Ev->Tok3) A += std::string(Ev->Tok3->GetText()) + (Ev->Tok4 ? std::string(Ev->Tok4->GetText()) : std::string());
    }
    return A;
}

// A without the blanks and line breaks at both ends.
std::string TrimBlanks(const std::string& A) {
    const auto keep = [](char c) { return c != ' ' && c != '\r' && c != '\n' && c != '\t'; };
    const auto b = std::find_if(A.begin(), A.end(), keep);
    const auto e = std::find_if(A.rbegin(), A.rend(), keep).base();
    return b < e ? std::string(b, e) : std::string();
}

}  // namespace

std::string TRkPlsql_TriggerPP::GetPrettyText() {
    auto* t = dynamic_cast<TRkPlsql_Trigger*>(OwnerNode());
    if (!t) return WrongOwner("TRkPlsql_trigger", Owner);
    std::string R = CreatePrefix(t->CreateKind, t->CreateNode) + Fmt(t->TriggerToken) + " " +
                    P(t->TriggerName);
    if (auto* timing = dynamic_cast<TRk_DummyNode*>(t->Timing)) {
        std::string X = Fmt(timing->Tok1);
        if (timing->Tok2) X += " " + std::string(timing->Tok2->GetText());
        R += CRLF + IndentBlock(X, 4);
    }
    R += " " + TrimBlanks(EventText(dynamic_cast<TRk_DummyNode*>(t->Event)));
    if (TRk_DummyNode* w = t->WhenClause) {
        std::string X = Fmt(w->Tok1) + " " + Fmt(w->Tok2);
        X += " " + Ind(P(w->Sub1), L(X) + 1) + " " + Fmt(w->Tok3);
        // The head lines stand four columns in: so do a long condition's
        // later lines, which are laid out from the start of X.
        R += CRLF + IndentBlock(X, 4);
    }
    if (t->Body) R += CRLF + IndentBlock(P(t->Body), 4);
    // The CALL statement is kept as written: without the line break that
    // ended it, which left a line of indent blanks before the terminator.
    if (t->CallStatement) R += CRLF + IndentBlock(TrimChar(P(t->CallStatement), ' '), 4);
    return R + Term(t);
}
