// Printers of the PL/SQL declarations: variables and their kin, default
// values, cursors, pragmas and the collection and record types.
#include "formatter/concretepp_plsql.h"

#include "formatter/rkbasetype.h"
#include "nodes/u_nodes.h"
#include "nodes/u_nodes_generic.h"
#include "statementstructure/plsqlstatement.h"
#include "statementstructure/rkexpression.h"
#include "statementstructure/sqlstatement.h"

using namespace pp;
using namespace ppl;

namespace {

// " NOT NULL" from the two-token node, when the flag is set.
std::string NotNull(bool Flag, TRk_Node* Node) {
    return Flag ? " " + Tok(Node, 0) + " " + Tok(Node, 1) : std::string();
}

// R + " " + the default clause at the current column.
std::string WithDefault(const std::string& R, TRk_Node* Default) {
    return Default ? R + " " + Ind(P(Default), L(R) + 1) : R;
}

}  // namespace

std::string TRkPlsql_VarDeclPP::GetPrettyText() {
    auto* v = dynamic_cast<TRkPlsql_VarDecl*>(OwnerNode());
    if (!v) return WrongOwner("TRkPlsql_VarDecl", Owner);
    const std::string name = v->GetVarName();
    std::string R;
    if (v->DeclKind == 6) {
        // PRAGMA EXCEPTION_INIT(name, number)
        R = Tok(v, 0) + " " + Tok(v, 1) + Tok(v, 2) + name + Tok(v, 3) + P(v->Value) + Tok(v, 4);
        return R + Term(v);
    }
    if (v->DeclKind == 3) R = Tok(v, 0) + " " + name + " " + Tok(v, 1);
    else R = PadKeyword(PadWidth, name, FmtOpt.VarDeclAlign == 0) + " ";
    if (v->DeclKind == 5 || v->DeclKind == 2) R += " " + Tok(v, 0);
    if (TRk_Node* dt = v->GetDataTypeNode()) R += " " + P(dt);
    R += NotNull(v->GetConstraintFlag() != 0, v->NotNullNode);
    R = WithDefault(R, v->Value);
    return R + Term(v);
}

std::string TRkPlsql_opt_declaration_exprPP::GetPrettyText() {
    auto* d = dynamic_cast<TRkPlsql_opt_declaration_expr*>(OwnerNode());
    if (!d) return WrongOwner("TRkPlsql_opt_declaration_expr", Owner);
    return WithDefault(Tok(d, 0), d->Expression);
}

std::string TRkPlsql_CursorParamDeclPP::GetPrettyText() {
    auto* p = dynamic_cast<TRkPlsql_CursorParamDecl*>(OwnerNode());
    if (!p) return WrongOwner("TRkPlsql_CursorParamDecl", Owner);
    std::string R = Fmt(p->NameToken);
    if (p->InToken) R += " " + Fmt(p->InToken);
    R += " " + P(p->DataType);
    return WithDefault(R, p->Default);
}

std::string TRkPlsql_CursorDeclPP::GetPrettyText() {
    auto* c = dynamic_cast<TRkPlsql_CursorDecl*>(OwnerNode());
    if (!c) return WrongOwner("TRkPlsql_CursorDecl", Owner);
    std::string R = Tok(c, 0);
    if (c->RefCursor) {
        R += " " + P(c->TypeName) + " " + Fmt(c->IsToken) + " " + Fmt(c->RefToken) + " " +
             Fmt(c->CursorToken);
        if (c->ReturnType) R += " " + Fmt(c->ReturnToken) + " " + P(c->ReturnType);
        return R + Term(c);
    }
    R += " " + Fmt(c->CursorName);
    TRk_DummyNode* part = c->ParamPart;
    if (part && part->List1) {
        R += Tok(part, 0);
        std::string D;
        const int32_t n = Count(part->List1);
        for (int32_t i = 0; i < n; ++i) {
            D += IndentAfter(D, P(NodeAt(part->List1, i)));
            if (i + 1 < n) JoinDeclItem(D, SepOf(part->List1, i + 1));
        }
        R += Ind(D, L(R) + 1) + Tok(part, 1);
    }
    if (c->ReturnType) R += " " + Fmt(c->ReturnToken) + " " + P(c->ReturnType);
    // The blank before the line break is part of the layout.
    if (c->Query) R += " " + Fmt(c->IsToken) + " " + CRLF + IndentBlock(P(c->Query), 2);
    return R + Term(c);
}

std::string TRkPlsql_PragmaDeclPP::GetPrettyText() {
    auto* p = dynamic_cast<TRkPlsql_PragmaDecl*>(OwnerNode());
    if (!p) return WrongOwner("TRkPlsql_PragmaDecl", Owner);
    std::string R = Tok(p, 0) + " " + Tok(p, 1);
    const std::string A = TokenListText(p->Arguments);
    switch (TokCount(p)) {
    case 4:
        R += Tok(p, 2);
        R += Ind(A, L(R)) + Tok(p, 3);
        break;
    case 6:
        R += Tok(p, 2) + Tok(p, 3) + Tok(p, 4);
        R += Ind(A, L(R)) + Tok(p, 5);
        break;
    default: break;
    }
    return R + Term(p);
}

std::string TRkPlsql_TableTypeDefPP::GetPrettyText() {
    auto* t = dynamic_cast<TRkPlsql_TableTypeDef*>(OwnerNode());
    if (!t) return WrongOwner("TRkPlsql_TableTypeDef", Owner);
    std::string R = Tok(t, 0) + " " + P(t->TypeName) + " " + Fmt(t->IsToken) + " " + Tok(t, 1) +
                    " " + Tok(t, 2) + " " + P(t->ElementType);
    R += NotNull(t->NotNull != 0, t->NotNullNode);
    TRk_DummyNode* ix = t->IndexBy;
    if (ix && ix->Int1 == 1)
        R += " " + Fmt(ix->Tok1) + " " + Fmt(ix->Tok2) + " " + Fmt(ix->Tok3) + " ";
    return R + Term(t);
}

std::string TRkPlsql_VarrayTypeDefPP::GetPrettyText() {
    auto* t = dynamic_cast<TRkPlsql_VarrayTypeDef*>(OwnerNode());
    if (!t) return WrongOwner("TRkPlsql_VarrayTypeDef", Owner);
    std::string R = Tok(t, 0) + " " + P(t->TypeName) + " " + Fmt(t->IsToken);
    if (t->ArrayForm == 1)
        R += " " + Tok(t, 1) + Tok(t, 2) + Fmt(t->LimitToken) + Tok(t, 3) + " " + Tok(t, 4);
    else if (t->ArrayForm == 2)
        R += " " + Tok(t, 1) + " " + Tok(t, 2) + Tok(t, 3) + Fmt(t->LimitToken) + Tok(t, 4) + " " +
             Tok(t, 5);
    R += " " + P(t->ElementType);
    R += NotNull(t->NotNull != 0, t->NotNullNode);
    return R + Term(t);
}

std::string TRkPlsql_RecordTypeDefPP::GetPrettyText() {
    auto* t = dynamic_cast<TRkPlsql_RecordTypeDef*>(OwnerNode());
    if (!t) return WrongOwner("TRkPlsql_RecordTypeDef", Owner);
    std::string R = Tok(t, 0) + " " + P(t->TypeName) + " " + Tok(t, 1) + " " + Tok(t, 2) + Tok(t, 3);
    std::string D;
    const int32_t n = Count(t->FieldList);
    for (int32_t i = 0; i < n; ++i) {
        D += P(NodeAt(t->FieldList, i));
        if (i + 1 == n) break;
        D += SepOf(t->FieldList, i + 1);
        BrkIn(D);
    }
    R += Ind(D, L(R) + 1) + Tok(t, 4);
    return R + Term(t);
}

std::string TRkPlsql_FieldDeclPP::GetPrettyText() {
    auto* f = dynamic_cast<TRkPlsql_FieldDecl*>(OwnerNode());
    if (!f) return WrongOwner("TRkPlsql_FieldDecl", Owner);
    std::string R = Fmt(f->NameToken) + " " + P(f->DataType);
    R += NotNull(f->NotNull != 0, f->NotNullNode);
    return WithDefault(R, f->Default);
}
