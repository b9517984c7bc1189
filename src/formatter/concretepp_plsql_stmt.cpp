// Printers of the PL/SQL statements: the one-line statements, and those that
// hold statement sections (IF, loops, FORALL, CASE).
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

// A nested statement section on the following lines, indented 2.
std::string Body(TRk_Node* Section) { return IndentBlock(P(Section), 2); }

// Keyword and an optional name token: GOTO, RAISE, CLOSE.
template <class E>
std::string KeywordAndName(TCustomPP* PP, const char* Class, TSourceToken* E::*Name) {
    auto* s = dynamic_cast<E*>(PP->Owner ? PP->Owner->AsNode() : nullptr);
    if (!s) return WrongOwner(Class, PP->Owner);
    std::string R = Label(s) + Tok(s, 0);
    if (s->*Name) R += " " + Fmt(s->*Name);
    return R + Term(s);
}

// The statement's own tokens as written (case options applied), with the
// comments after the last.
std::string SourceText(TCustomSqlStatement* S) {
    const auto& Items = S->SourceTokens->Items();
    if (Items.empty()) return {};
    const TSourceToken* First = Items.front();
    const TSourceToken* Last = Items.back();
    if (First->GetOwnerList() != Last->GetOwnerList()) return S->GetTextWithoutComments();
    return TokenRangeText(First->GetOwnerList(), First->PosInList, Last->PosInList, 0);
}

}  // namespace

// ---------------------------------------------------------------------------
// One-line statements.

std::string TRkPlsql_ProcBasicStmtPP::GetPrettyText() {
    auto* s = dynamic_cast<TRkPlsql_ProcBasicStmt*>(OwnerNode());
    if (!s) return WrongOwner("TRkPlsql_ProcBasicStmt", Owner);
    if (!s->CallExpr) return {};
    return P(s->CallExpr) + Term(s);
}

std::string TRkPlsql_ExprLeftSidePP::GetPrettyText() {
    auto* t = dynamic_cast<TRkPlsql_ExprLeftSide*>(OwnerNode());
    if (!t) return WrongOwner("TRkPlsql_ExprLeftSide", Owner);
    std::string D;
    for (int32_t i = 0; i < Count(t->Qualifiers); ++i) {
        if (i > 0) D += SepOf(t->Qualifiers, i);
        D += ItemPrettyText(t->Qualifiers->Items[static_cast<size_t>(i)]);
    }
    if (t->DotToken) D += Fmt(t->DotToken);
    if (t->Bracket) return D + Tok(t, 0) + Fmt(t->NameToken) + Tok(t, 1);
    if (t->Attr) return D + P(t->Attr);
    return D + Fmt(t->NameToken);
}

std::string TRkPlsql_AssignStmtPP::GetPrettyText() {
    auto* s = dynamic_cast<TRkPlsql_AssignStmt*>(OwnerNode());
    if (!s) return WrongOwner("TRkPlsql_AssignStmt", Owner);
    std::string R = Label(s) + P(s->Target) + " " + Tok(s, 0);
    R += " " + Ind(P(s->Value), L(R) + 1);
    return R + Term(s);
}

std::string TRkPlsql_SqlStmtPP::GetPrettyText() {
    auto* s = dynamic_cast<TRkPlsql_SqlStmt*>(OwnerNode());
    if (!s) return WrongOwner("TRkPlsql_SqlStmt", Owner);
    std::string R = Label(s);
    if (TCustomSqlStatement* q = s->SqlStatement) {
        // A statement that does not parse (COMMIT, LOCK TABLE ...) shows as
        // its source text, through its ";": each token once, with the
        // comments among them and after it.
        if (EnsureParsed(q)) R += P(q);
        else R += SourceText(q);
    }
    return R;
}

std::string TRkPlsql_ExitStmtPP::GetPrettyText() {
    auto* s = dynamic_cast<TRkPlsql_ExitStmt*>(OwnerNode());
    if (!s) return WrongOwner("TRkPlsql_ExitStmt", Owner);
    std::string R = Label(s) + Tok(s, 0);
    if (s->LabelName) R += " " + Fmt(s->LabelName);
    if (s->Condition) {
        const int32_t col = L(R) + 6;
        R += " " + Tok(s, 1) + " " + Ind(P(s->Condition), col);
    }
    return R + Term(s);
}

std::string TRkPlsql_GotoStmtPP::GetPrettyText() {
    return KeywordAndName(this, "TRkPlsql_GotoStmt", &TRkPlsql_GotoStmt::LabelName);
}

std::string TRkPlsql_RaiseStmtPP::GetPrettyText() {
    return KeywordAndName(this, "TRkPlsql_RaiseStmt", &TRkPlsql_RaiseStmt::ExceptionName);
}

std::string TRkPlsql_CloseStmtPP::GetPrettyText() {
    return KeywordAndName(this, "TRkPlsql_CloseStmt", &TRkPlsql_CloseStmt::CursorName);
}

std::string TRkPlsql_ReturnStmtPP::GetPrettyText() {
    auto* s = dynamic_cast<TRkPlsql_ReturnStmt*>(OwnerNode());
    if (!s) return WrongOwner("TRkPlsql_ReturnStmt", Owner);
    std::string R = Label(s) + Tok(s, 0);
    if (s->Expression) R += " " + Ind(P(s->Expression), L(R) + 1);
    return R + Term(s);
}

std::string TRkPlsql_OpenStmtPP::GetPrettyText() {
    auto* s = dynamic_cast<TRkPlsql_OpenStmt*>(OwnerNode());
    if (!s) return WrongOwner("TRkPlsql_OpenStmt", Owner);
    std::string R = Label(s) + Tok(s, 0);
    if (s->Cursor) R += " " + P(s->Cursor);
    if (s->Arguments) R += Tok(s, 1) + P(s->ArgumentExpr.get()) + Tok(s, 2);
    return R + Term(s);
}

std::string TRkPlsql_FetchStmtPP::GetPrettyText() {
    auto* s = dynamic_cast<TRkPlsql_FetchStmt*>(OwnerNode());
    if (!s) return WrongOwner("TRkPlsql_FetchStmt", Owner);
    std::string R = Label(s) + Tok(s, 0);
    if (s->Cursor) R += " " + P(s->Cursor);
    if (s->IntoList) R += " " + Tok(s, 1) + " " + P(s->IntoExpr.get());
    return R + Term(s);
}

std::string TRkPlsql_OpenforStmtPP::GetPrettyText() {
    auto* s = dynamic_cast<TRkPlsql_OpenforStmt*>(OwnerNode());
    if (!s) return WrongOwner("TRkPlsql_OpenforStmt", Owner);
    std::string R = Label(s) + Tok(s, 0);
    if (s->CursorVar) R += " " + Fmt(s->CursorVar);
    R += " " + Tok(s, 1);
    if (s->QueryExpr) R += " " + Ind(P(s->QueryExpr), L(R) + 1);
    // The bind list indent is fixed.
    if (s->Binds) R += " " + Tok(s, 2) + " " + Ind(P(s->BindExpr.get()), 7);
    if (s->Query) R = Brk(R) + IndentBlock(P(s->Query), 2);
    return R + Term(s);
}

std::string TRkPlsql_ExecImmeStmtPP::GetPrettyText() {
    auto* s = dynamic_cast<TRkPlsql_ExecImmeStmt*>(OwnerNode());
    if (!s) return WrongOwner("TRkPlsql_ExecImmeStmt", Owner);
    // 18: the two keywords with their blanks.
    std::string R = Tok(s, 0) + " " + Tok(s, 1) + " " + Ind(P(s->SqlExpr), 18);
    if (s->IntoList) {
        const int32_t col = L(R) + 5;
        R += " " + Fmt(s->IntoToken) + " " + Ind(P(s->IntoExpr.get()), col);
    }
    if (s->UsingList) {
        R += CRLF;
        R += " " + Fmt(s->UsingToken);
        std::string B;
        for (int32_t i = 0; i < Count(s->UsingList); ++i) {
            auto* bind = dynamic_cast<TRk_DummyNode*>(NodeAt(s->UsingList, i));
            if (!bind) continue;
            if (i > 0) B += SepOf(s->UsingList, i);
            switch (bind->Int1) {
            case 2:
            case 3: B += Fmt(bind->Tok2) + " "; break;
            case 4: B += Fmt(bind->Tok2) + " " + Fmt(bind->Tok3) + " "; break;
            default: break;
            }
            B += Fmt(bind->Tok1);
        }
        R += " " + B;
    }
    TRk_DummyNode* ret = s->Returning;
    if (ret && ret->List1)
        R = Brk(R) + Fmt(ret->Tok1) + " " + Fmt(ret->Tok2) + " " + P(s->ReturningExpr.get());
    return R + Term(s);
}

// ---------------------------------------------------------------------------
// Statements with sections.

std::string TRkPlsql_IfStmtPP::GetPrettyText() {
    auto* s = dynamic_cast<TRkPlsql_IfStmt*>(OwnerNode());
    if (!s) return WrongOwner("TRkPlsql_IfStmt", Owner);
    // 3: IF and its blank, so continuation lines stand under the condition.
    std::string R = Label(s) + Tok(s, 0) + " " + Ind(P(s->Condition), 3);
    R += " " + Tok(s, 1) + CRLF + Body(s->ThenSection.get());
    if (s->ElsifList) {
        std::string E;
        const int32_t n = Count(s->ElsifList);
        for (int32_t i = 0; i < n; ++i) {
            E += P(NodeAt(s->ElsifList, i));
            if (i + 1 < n) BrkIn(E);
        }
        R = Brk(R) + E;
    }
    // ELSE adds a fifth own token: IF THEN ELSE END IF.
    if (TokCount(s) >= 5) {
        R = Brk(R) + Tok(s, 2) + CRLF + Body(s->ElseSection.get());
        R = Brk(R) + Tok(s, 3) + " " + Tok(s, 4);
    } else {
        R = Brk(R) + Tok(s, 2) + " " + Tok(s, 3);
    }
    return R + Term(s);
}

std::string TRkPlsql_ElsifStmtPP::GetPrettyText() {
    auto* s = dynamic_cast<TRkPlsql_ElsifStmt*>(OwnerNode());
    if (!s) return WrongOwner("TRkPlsql_ElsifStmt", Owner);
    return Tok(s, 0) + " " + Ind(P(s->Condition), 6) + " " + Tok(s, 1) + CRLF +
           Body(s->Section.get());
}

std::string TRkPlsql_LoopStmtPP::GetPrettyText() {
    auto* s = dynamic_cast<TRkPlsql_LoopStmt*>(OwnerNode());
    if (!s) return WrongOwner("TRkPlsql_LoopStmt", Owner);
    auto t = [s](int32_t i) { return Tok(s, i); };
    const std::string idx = Fmt(s->IndexToken);
    // The header, then the body, then END LOOP from own token K.
    auto tail = [&](std::string R, int32_t K) {
        R = Brk(R) + Body(s->Section.get());
        return Brk(R) + t(K) + " " + t(K + 1);
    };
    std::string R = Label(s);
    switch (s->LoopKind) {
    case 1:
        R += Brk(t(0)) + Body(s->Section.get()) + CRLF + t(1) + " " + t(2);
        break;
    case 2:
        R += t(0) + " " + P(s->WhileCondition) + " " + t(1);
        R = Brk(R) + Body(s->Section.get()) + CRLF + t(2) + " " + t(3);
        break;
    case 3:  // the range token is followed by a blank
        R += t(0) + " " + idx + " " + t(1) + " " + P(s->LowerBound) + t(2) + " " + P(s->UpperBound) +
             " " + t(3);
        R = tail(R, 4);
        break;
    case 4:  // REVERSE: no blank after the range token
        R += t(0) + " " + idx + " " + t(1) + " " + t(2) + " " + P(s->LowerBound) + t(3) +
             P(s->UpperBound) + " " + t(4);
        R = tail(R, 5);
        break;
    case 5:
        R += t(0) + " " + idx + " " + t(1);
        R += " " + Ind(P(s->Query), L(R) + 1);
        R = Brk(R) + t(2);
        R = tail(R, 3);
        break;
    case 6:
    case 8:
        R += t(0) + " " + idx + " " + t(1) + " " + P(s->Cursor) + " " + t(2);
        R = tail(R, 3);
        break;
    case 7:
        R += t(0) + " " + idx + " " + t(1) + " " + P(s->Cursor) + t(2) +
             ListItemsPrettyText(s->CursorArgs) + t(3) + " " + t(4);
        R = tail(R, 5);
        break;
    default: break;
    }
    if (s->EndLabel) R += " " + Fmt(s->EndLabel);
    return R + Term(s);
}

std::string TRkPlsql_ForallStmtPP::GetPrettyText() {
    auto* s = dynamic_cast<TRkPlsql_ForallStmt*>(OwnerNode());
    if (!s) return WrongOwner("TRkPlsql_ForallStmt", Owner);
    std::string R = Tok(s, 0) + " " + Fmt(s->IndexToken) + " " + Tok(s, 1);
    if (s->LowerBound || s->UpperBound)
        R += " " + P(s->LowerBound) + Tok(s, 2) + P(s->UpperBound);
    return Brk(R) + IndentBlock(P(s->DmlStmt), 2);
}

std::string TRkPlsql_CaseStmtPP::GetPrettyText() {
    auto* s = dynamic_cast<TRkPlsql_CaseStmt*>(OwnerNode());
    if (!s) return WrongOwner("TRkPlsql_CaseStmt", Owner);
    std::string R = Label(s) + P(s->Body) + " " + Tok(s, 0);
    if (s->EndLabel) R += " " + Ind(Fmt(s->EndLabel), L(R) + 1);
    return R + Term(s);
}

std::string TRkPlsql_CaseExprPP::GetPrettyText() {
    auto* c = dynamic_cast<TRkPlsql_CaseExpr*>(OwnerNode());
    if (!c) return WrongOwner("TRkPlsql_CaseExpr", Owner);
    std::string R = Tok(c, 0);
    if (c->Selector) R += " " + Ind(P(c->Selector), L(R) + 1);
    std::string W;
    const int32_t n = Count(c->WhenClauses);
    for (int32_t i = 0; i < n; ++i) {
        W += P(NodeAt(c->WhenClauses, i));
        if (i + 1 < n) BrkIn(W);
    }
    R = Brk(R) + IndentBlock(W, 2);
    if (TRk_DummyNode* e = c->ElsePart) {
        R = Brk(R) + "  " + Fmt(e->Tok1);
        if (c->ElseStmts) R += " " + Ind(P(c->Section.get()), L(R) + 1);
        else if (c->ElseExpr) R += " " + Ind(P(c->ElseExpr), L(R) + 1);
    }
    return Brk(R) + Tok(c, 1);
}

std::string TRkPlsql_CaseExprWhenClausePP::GetPrettyText() {
    auto* w = dynamic_cast<TRkPlsql_CaseExprWhenClause*>(OwnerNode());
    if (!w) return WrongOwner("TRkPlsql_CaseExprWhenClause", Owner);
    // 5: WHEN and its blank.
    std::string R = Tok(w, 0) + " " + Ind(P(w->Condition), 5) + " " + Tok(w, 1);
    // The first statement or the result stays on the WHEN line.
    const int32_t col = L(R) + 2;
    if (w->Statements) R += "  " + Ind(P(w->Section.get()), col);
    else if (w->Result) R += "  " + Ind(P(w->Result), col);
    return R;
}
