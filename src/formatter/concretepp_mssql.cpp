// Printers of the SQL Server statements: the statement wrapper, blocks,
// IF/WHILE, RETURN, PRINT, USE, GO, FETCH, WITH ... AS, SET, EXECUTE and the
// statements that are only recognised.  Keywords come from the element
// node (the statement's root) that the grammar built.
#include "formatter/concretepp_mssql.h"

#include "formatter/rkbasetype.h"
#include "nodes/u_nodes_generic.h"
#include "parse/mssql/mssqlsqlstatement.h"
#include "statementstructure/sqlstatement.h"

using namespace pp;

namespace {

const TRkPPChoice MssqlChoices[] = {
    PPChoice<_TMssqlStmt, _TMssqlStmtPP>(),
    PPChoice<_TMssql_ParameterDecl, _TMssql_ParameterDeclPP>(),
    PPChoice<_TMssql_declare_var, _TMssql_declare_varPP>(),
    PPChoice<_TMssql_opt_declaration_expr, _TMssql_opt_declaration_exprPP>(),
    PPChoice<TMssqlBlock, TMssqlBlockPP>(),
    PPChoice<TMssqlIfElse, TMssqlIfElsePP>(),
    PPChoice<TMssqlCreateProcedure, TMssqlCreateProcedurePP>(),
    PPChoice<TMssqlCreateFunction, TMssqlCreateFunctionPP>(),
    PPChoice<TMssqlReturn, TMssqlReturnPP>(),
    PPChoice<TMssqlUse, TMssqlUsePP>(),
    PPChoice<TMssqlGo, TMssqlGoPP>(),
    PPChoice<TMssqlPrint, TMssqlPrintPP>(),
    PPChoice<TMssqlDeclare, TMssqlDeclarePP>(),
    PPChoice<TMssqlFetch, TMssqlFetchPP>(),
    PPChoice<TMssqlWithas, TMssqlWithasPP>(),
    PPChoice<TMssqlSet, TMssqlSetPP>(),
    PPChoice<TMssqlExecute, TMssqlExecutePP>(),
    PPChoice<TMssqlDummyStmt, TMssqlDummyStmtPP>(),
};

// The words among Tokens (blanks, line breaks and the end of input left
// out), one blank between two of them.  A comment goes with the word before
// it, a line comment with its line break, so that no text of the statement
// is lost and nothing lands inside a comment.
template <class Range>
std::string Words(const Range& Tokens) {
    std::string R;
    for (TSourceToken* t : Tokens) {
        if (!t || !t->IsSignificant() || t->TokenCode == 0) continue;
        const std::string w = Fmt(t);
        if (w.empty()) continue;
        if (!R.empty() && R.back() != ' ' && R.back() != '\n') R += ' ';
        R += w;
    }
    return TrimTrailingBlanks(R);
}

// R + blank + T, T continuing at its column.
std::string AppendAt(std::string R, const std::string& T) {
    R += ' ';
    return R + At(R, T);
}

// Statements being laid out inside other statements.
thread_local int32_t NestingDepth = 0;
constexpr int32_t kMaxNestingDepth = 200;

// The last token of S, found down its last branch without recursion.
TSourceToken* LastToken(TCustomSqlStatement* S) {
    while (S) {
        TRk_Node* root = S->GetRootNode();
        if (auto* i = dynamic_cast<TMssqlIfElse*>(S)) {
            _TMssqlStmt* w = i->HasElse ? i->ElseStmt : i->ThenStmt;
            S = w ? w->SqlStatement.get() : nullptr;
        } else if (auto* p = dynamic_cast<TMssqlCreateProcedure*>(S)) {
            const int n = p->BodyStatements->Count();
            if (n == 0) return root && root->TokenList ? root->TokenList->TokenAt(TokCount(root) - 1) : nullptr;
            S = p->BodyStatements->GetStatement(n - 1);
        } else if (auto* f = dynamic_cast<TMssqlCreateFunction*>(S)) {
            S = f->BodyKind == 1 ? static_cast<TCustomSqlStatement*>(f->BlockBody.get()) : f->ReturnBody.get();
        } else if (dynamic_cast<TMssqlBlock*>(S)) {
            return root && root->TokenList ? root->TokenList->TokenAt(1) : nullptr;  // END
        } else {
            return S->GetEndToken();  // a statement without nested ones
        }
    }
    return nullptr;
}

// The first token of S; its own walk only where it holds no statements.
TSourceToken* FirstToken(TCustomSqlStatement* S) {
    if (auto* p = dynamic_cast<TMssqlCreateProcedure*>(S)) return p->CreateToken;
    if (auto* f = dynamic_cast<TMssqlCreateFunction*>(S)) return f->CreateToken;
    if (dynamic_cast<TMssqlBlock*>(S) || dynamic_cast<TMssqlIfElse*>(S)) {
        TRk_Node* root = S->GetRootNode();
        return root && root->TokenList ? root->TokenList->TokenAt(0) : nullptr;  // BEGIN, IF, WHILE
    }
    return S->GetStartToken();
}

std::string AsWritten(TCustomSqlStatement* S) { return WrittenText(FirstToken(S), LastToken(S)); }

}  // namespace

std::string mssqlpp::Nested(TCustomSqlStatement* S) {
    if (!S) return {};
    if (NestingDepth >= kMaxNestingDepth) return AsWritten(S);
    ++NestingDepth;
    struct TLeave {
        ~TLeave() { --NestingDepth; }
    } leave;
    return Pretty(S);
}

std::span<const TRkPPChoice> MssqlPPChoices() { return MssqlChoices; }

std::string _TMssqlStmtPP::GetPrettyText() {
    auto* w = dynamic_cast<_TMssqlStmt*>(OwnerNode());
    if (!w) return WrongOwner("_TMssqlStmt", Owner);
    return mssqlpp::Nested(w->SqlStatement.get());
}

std::string TMssqlBlockPP::GetPrettyText() {
    std::string R;
    auto* s = mssqlpp::Framed<TMssqlBlock>(OwnerNode(), "TMssqlBlock", Owner, R);
    if (!s) return R;
    TRk_Node* root = s->GetRootNode();
    R = Tok(root, 0);
    std::string B;
    for (TCustomSqlStatement* child : *s->Children) {
        std::string X = mssqlpp::Nested(child);
        // An error statement keeps the line break and blanks it ran over.
        if (child && child->StatementType == sstErrorStmt) X = TrimChar(X, ' ');
        B += X;
        EnsureLineBreakInPlace(B);
    }
    s->PrettyMode = 0;
    // B ends with a line break, so the line before END holds the indent.
    // A comment after BEGIN may end its line already.
    return EnsureLineBreak(R) + "  " + IndentText(B, 2) + "\r\n" + Tok(root, 1);
}

std::string TMssqlIfElsePP::GetPrettyText() {
    std::string R;
    auto* s = mssqlpp::Framed<TMssqlIfElse>(OwnerNode(), "TMssqlIfElse", Owner, R);
    if (!s) return R;
    TRk_Node* root = s->GetRootNode();
    R = AppendAt(Tok(root, 0), Pretty(s->Condition));  // IF or WHILE
    R = EnsureLineBreak(R) + IndentBlock(Pretty(s->ThenStmt), 2);
    if (s->HasElse) {
        // ELSE in column 1, its statement under the THEN statement.
        std::string X = EnsureLineBreak(R) + " " + Tok(root, 1);
        R = EnsureLineBreak(X) + IndentBlock(Pretty(s->ElseStmt), 2);
    }
    return R;
}

namespace {

// RETURN and PRINT: the keyword and the operand.
template <class Stmt>
std::string KeywordAndOperand(TRk_Node* Owner, const char* ClassName, const TRkVisitedAbs* Raw) {
    std::string R;
    auto* s = mssqlpp::Framed<Stmt>(Owner, ClassName, Raw, R);
    if (!s) return R;
    R = Tok(s->GetRootNode(), 0);
    if (s->Operand) R += " " + Pretty(s->Operand);
    return R;
}

}  // namespace

std::string TMssqlReturnPP::GetPrettyText() {
    return KeywordAndOperand<TMssqlReturn>(OwnerNode(), "TMssqlReturn", Owner);
}

std::string TMssqlPrintPP::GetPrettyText() {
    return KeywordAndOperand<TMssqlPrint>(OwnerNode(), "TMssqlPrint", Owner);
}

std::string TMssqlUsePP::GetPrettyText() {
    std::string R;
    auto* s = mssqlpp::Framed<TMssqlUse>(OwnerNode(), "TMssqlUse", Owner, R);
    if (!s) return R;
    R = Tok(s->GetRootNode(), 0);
    if (s->DatabaseName) R += " " + Fmt(s->DatabaseName);
    return R;
}

std::string TMssqlGoPP::GetPrettyText() {
    // Printed from its root without a parse.  The grammar keeps no count
    // token: GO stands alone unless a node was attached to it.
    auto* s = dynamic_cast<TMssqlGo*>(OwnerNode());
    if (!s) return WrongOwner("TMssqlGo", Owner);
    std::string R = Tok(s->GetRootNode(), 0);
    if (s->Node) R += " " + Pretty(s->Node);
    return R;
}

std::string TMssqlFetchPP::GetPrettyText() {
    std::string R;
    auto* s = mssqlpp::Framed<TMssqlFetch>(OwnerNode(), "TMssqlFetch", Owner, R);
    if (!s) return R;
    TRk_Node* root = s->GetRootNode();
    R = Tok(root, 0) + " ";
    if (s->Direction) R += Toks(s->Direction, 0, TokCount(s->Direction), " ");
    // Own token 1 is GLOBAL when the flag is set (a cursor variable takes
    // that place otherwise).
    if (s->IsGlobal) R += " " + Tok(root, 1);
    R += " " + Fmt(s->CursorName);
    if (auto* into = dynamic_cast<TRk_DummyNode*>(s->IntoNode)) {
        R += "\r\n" + Tok(into, 0);
        R = AppendAt(R, TokenListText(into->List1));
    }
    return R;
}

std::string TMssqlWithasPP::GetPrettyText() {
    std::string R;
    auto* s = mssqlpp::Framed<TMssqlWithas>(OwnerNode(), "TMssqlWithas", Owner, R);
    if (!s) return R;
    TRk_Node* root = s->GetRootNode();
    R = Tok(root, 0) + " " + IndentText(Pretty(s->CteList), 5) + " " + Tok(root, 1);
    if (s->Query) R = EnsureLineBreak(R) + "  " + IndentText(Pretty(s->Query.get()), 2);
    return R;
}

std::string TMssqlSetPP::GetPrettyText() {
    std::string R;
    auto* s = mssqlpp::Framed<TMssqlSet>(OwnerNode(), "TMssqlSet", Owner, R);
    if (!s) return R;
    auto* root = dynamic_cast<_TMssqlSet*>(s->GetRootNode());
    if (!root) return {};
    if (TokCount(root) > 0)
        // An option statement kept as its raw tokens: its words, one blank
        // between two of them (the blank tokens are not doubled).
        R = Words(root->TokenList->Items());
    else
        R = Fmt(root->SetToken) + " " + Fmt(root->VarToken) + " " + Fmt(root->EqualToken);
    if (root->Expr) R = AppendAt(R, Pretty(root->Expr));
    if (!root->CursorToken) return R;
    R += " " + Fmt(root->CursorToken);
    for (TSourceToken* t : {root->ScrollToken, root->CursorKindToken, root->ConcurrencyToken,
                            root->TypeWarningToken})
        if (t) R += " " + Fmt(t);
    R += " " + Fmt(root->ForToken);
    return AppendAt(R, Pretty(s->CursorQuery.get()));
}

std::string TMssqlExecutePP::GetPrettyText() {
    std::string R;
    auto* s = mssqlpp::Framed<TMssqlExecute>(OwnerNode(), "TMssqlExecute", Owner, R);
    if (!s) return R;
    auto* root = dynamic_cast<_TMssqlExecute*>(s->GetRootNode());
    if (!root) return {};
    TRk_List* items = root->Params;
    const int32_t n = items ? items->Count() : 0;
    R = Fmt(root->ExecToken);
    if (root->IsStringExec == 1) {
        // EXEC ( part + part ... ): each "+" is the separator of the part after it.
        R += Tok(root, 0);
        for (int32_t i = 0; i < n; ++i) {
            TSourceToken* part = items->GetItem(i)->AsToken();
            if (i > 0 && part) R += " " + Fmt(part->GetSeparatorToken());
            R += " " + Fmt(part);
        }
        return R + Tok(root, 1);
    }
    if (root->ReturnStatus) R += " " + Fmt(root->ReturnStatus) + " " + Fmt(root->EqualToken);
    if (auto* module = dynamic_cast<TRk_DummyNode*>(root->ModuleName)) {
        if (module->Sub1) R += " " + Pretty(module->Sub1);
        if (module->Tok1) R += " " + Fmt(module->Tok1);
    }
    if (n > 0) {
        // Each argument starts with a blank; every argument after the first
        // on a line of its own, under the first.
        std::string A;
        for (int32_t i = 0; i < n; ++i) {
            auto* arg = dynamic_cast<TRk_DummyNode*>(items->GetNode(i));
            if (!arg) continue;
            if (arg->Tok1) A += " " + Fmt(arg->Tok1);
            if (arg->Tok2) A += " " + Fmt(arg->Tok2);
            A += " " + Toks(arg->Sub1, 0, TokCount(arg->Sub1));
            if (arg->Tok3) A += " " + Fmt(arg->Tok3);
            if (i + 1 < n) {
                TRk_Node* next = items->GetNode(i + 1);
                A += " " + Fmt(next ? next->SeparatorToken : nullptr);
                EnsureLineBreakInPlace(A);
            }
        }
        R = AppendAt(R, A);
    }
    if (root->WithToken) R += " " + Fmt(root->WithToken) + " " + Fmt(root->RecompileToken);
    return R;
}

std::string TMssqlDummyStmtPP::GetPrettyText() {
    // Printed from its root without a parse.
    auto* s = dynamic_cast<TMssqlDummyStmt*>(OwnerNode());
    if (!s) return WrongOwner("TMssqlDummyStmt", Owner);
    TRk_Node* root = s->GetRootNode();
    switch (s->StatementType) {
    case sstMssqlDummyStmt:
    case sstDropStmt:
    case sstRaiserrorStmt:
    case sstErrorStmt: {
        auto* d = dynamic_cast<_TMssqlDummyStmt*>(root);
        return d ? Words(d->StmtTokens->Items()) : std::string();
    }
    case sstMssqlBreak:
    case sstMssqlContinue:
        return Tok(root, 0);
    case sstMssqlOpen:
    case sstMssqlClose:
    case sstMssqlDeallocate: {
        std::string R = Tok(root, 0);
        if (s->IsGlobal) R += " " + Tok(root, 1);
        return R + " " + Fmt(s->CursorName);
    }
    case sstBeginTranStmt:
    case sstMssqlLabel:
        return Toks(root, 0, TokCount(root), " ");
    case sstMssqlCommit:
    case sstMssqlRollback:
    case sstMssqlSaveTrans: {
        std::string R = Tok(root, 0);
        // WORK, TRAN or TRANSACTION after the keyword.
        if (s->FormCode >= 2 && s->FormCode <= 4) R += " " + Tok(root, 1);
        if (s->TranName) R += " " + Fmt(s->TranName);
        return R;
    }
    default:
        return {};
    }
}
