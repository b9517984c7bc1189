// Printers of DELETE, INSERT, UPDATE and MERGE.
#include "formatter/concretepp.h"

#include "formatter/rkbasetype.h"
#include "nodes/u_parsenodes.h"
#include "statementstructure/schemaobjects.h"
#include "statementstructure/sqlstatement_dml.h"

using namespace pp;

namespace {

// Clause-line layout of one data-changing statement: keyword field W,
// justification from the statement's own option.
struct TClauses {
    int32_t W = 6;
    bool Left = true;
    std::string R;

    std::string Pad(const std::string& K) const { return PadKeyword(W, K, Left); }
    std::string Ind(const std::string& T) const { return IndentText(T, W + 1); }
    // A clause line; a body without its keyword stays on the line before
    // rather than on a line that would start with blanks and no keyword.
    void Line(const std::string& K, const std::string& Body) {
        if (K.empty()) R += " " + IndentText(Body, LastLineLength(R) + 1);
        else R = EnsureLineBreak(R) + Pad(K) + " " + Ind(Body);
    }
    // WHERE: the body's indent moves left by D when AND/OR align with WHERE.
    void Where(TRk_Node* Clause, TRk_Node* Condition, int32_t DLeft) {
        int32_t D = 0;
        if (FmtOpt.AlignAndOrWithWhere == 1) D = FmtOpt.KeywordAlign == 0 ? DLeft : 4;
        R = EnsureLineBreak(R) + Pad(Toks(Clause, 0, TokCount(Clause), " ")) + " " +
            IndentText(Pretty(Condition), W + 1 - D);
    }
    void Returning(const std::string& Text, TRk_Node* Node) {
        if (Present(Text)) R = EnsureLineBreak(R) + Pretty(Node);
    }
    void End(TCustomSqlStatement* S) {
        if (S->TrailingToken) R += Fmt(S->TrailingToken);
        S->PrettyMode = 0;
    }
};

// The separator before a field: the field's own, else the one its source
// node carries in the parsed list.
TSourceToken* FieldSeparator(TRkField* F) {
    if (!F) return nullptr;
    if (F->SeparatorToken) return F->SeparatorToken;
    return F->SourceNode ? F->SourceNode->SeparatorToken : nullptr;
}

}  // namespace

std::string TDeleteSqlStatementPP::GetPrettyText() {
    auto* s = dynamic_cast<TDeleteSqlStatement*>(OwnerNode());
    if (!s) return WrongOwner("TDeleteSqlStatement", Owner);
    if (!EnsureParsed(s)) return {};
    auto* root = dynamic_cast<TRk_DeleteStmt*>(s->GetRootNode());
    if (!root) return {};
    s->PrettyMode = 1;
    TClauses c;
    c.Left = FmtOpt.DeleteKeywordAlign == 0;
    std::string K = Tok(root, 0);
    if (s->HasFrom) {
        K += " " + Tok(root, 1);
        c.W = 11;
    }
    c.R = c.Pad(K) + " " + c.Ind(Pretty(s->DeleteTable));
    if (s->FromJoins && s->FromJoins->Count() > 0) c.Line(Tok(root->FromClause, 0), s->GetFromText());
    if (Present(s->GetWhereText())) c.Where(root->WhereClause, s->WhereNode, s->HasFrom ? 12 : 7);
    c.Returning(s->GetReturningText(), s->ReturningNode);
    c.End(s);
    return c.R;
}

std::string TUpdateSqlStatementPP::GetPrettyText() {
    auto* s = dynamic_cast<TUpdateSqlStatement*>(OwnerNode());
    if (!s) return WrongOwner("TUpdateSqlStatement", Owner);
    if (!EnsureParsed(s)) return {};
    auto* root = dynamic_cast<TRk_UpdateStmt*>(s->GetRootNode());
    if (!root) return {};
    s->PrettyMode = 1;
    TClauses c;
    c.Left = FmtOpt.UpdateKeywordAlign == 0;
    const bool joins = s->TargetJoins && s->TargetJoins->Count() > 0;
    c.R = c.Pad(Tok(root, 0)) + " " +
          c.Ind(joins ? s->GetTargetListPrettyText() : Pretty(s->TargetTable));
    c.Line(Tok(root, 1), s->GetSetListPrettyText());
    if (s->FromJoins && s->FromJoins->Count() > 0) c.Line(Tok(root->FromClause, 0), s->GetFromText());
    if (Present(s->GetWhereText())) c.Where(root->WhereClause, s->WhereNode, 7);
    c.Returning(s->GetReturningText(), s->ReturningNode);
    c.End(s);
    return c.R;
}

std::string TInsertSqlStatementPP::GetPrettyText() {
    auto* s = dynamic_cast<TInsertSqlStatement*>(OwnerNode());
    if (!s) return WrongOwner("TInsertSqlStatement", Owner);
    if (!EnsureParsed(s)) return {};
    auto* root = dynamic_cast<TRk_InsertStmt*>(s->GetRootNode());
    if (!root) return {};
    s->PrettyMode = 1;
    TClauses c;
    c.Left = FmtOpt.InsertKeywordAlign == 0;
    std::string K = Tok(root, 0);
    if (s->HasInto) {
        K += " " + Tok(root, 1);
        c.W = 11;
    }
    c.R = c.Pad(K) + " " + c.Ind(Pretty(s->TargetTable));
    const int32_t n = s->Fields ? s->Fields->Count() : 0;
    if (n > 0) {
        std::string L;
        for (int32_t i = 0; i < n; ++i) {
            L += At(L, Pretty(s->Fields->GetField(i)));
            if (i + 1 >= n) break;
            PlaceSeparatorInPlace(L, Fmt(FieldSeparator(s->Fields->GetField(i + 1))), FmtOpt.InsertColumnListOneLine,
                                  FmtOpt.SeparatorStyle);
        }
        const std::string X = Tok(s->TargetTable, 0) + IndentText(L, 1) + Tok(s->TargetTable, 1);
        c.R += At(c.R, X);
    }
    TRk_Node* rest = root->InsertRest;
    switch (s->ValuesKind) {
    case 1:
        c.R = EnsureLineBreak(c.R) + c.Pad(Tok(rest, 0)) + Tok(rest, 1) +
              c.Ind(s->GetValuesPrettyText()) + Tok(rest, 2);
        break;
    case 2: {
        // The values text of a query insert is the owned query's text.
        std::string v = s->GetValuesPrettyText();
        if (v.empty()) v = Pretty(s->SubSelect.get());
        c.R = EnsureLineBreak(c.R) + v;
        break;
    }
    case 3: c.R = EnsureLineBreak(c.R) + Tok(rest, 0) + " " + Tok(rest, 1); break;
    case 4: c.R = EnsureLineBreak(c.R) + Pretty(root->SubSelect ? root->SubSelect : s->SourceStatement()); break;
    default: break;
    }
    if (s->ReturningNode) c.R = EnsureLineBreak(c.R) + Pretty(s->ReturningNode);
    c.End(s);
    return c.R;
}

// ---------------------------------------------------------------------------
// MERGE

std::string TMergeSqlStatementPP::GetPrettyText() {
    auto* s = dynamic_cast<TMergeSqlStatement*>(OwnerNode());
    if (!s) return WrongOwner("TMergeSqlStatement", Owner);
    if (!EnsureParsed(s)) return {};
    auto* m = dynamic_cast<TRk_MergeStmt*>(s->GetRootNode());
    if (!m) return {};
    s->PrettyMode = 1;
    std::string R = Fmt(m->MergeToken) + " " + Fmt(m->IntoToken) + " " + Pretty(m->TargetTable);
    if (m->TargetAlias) R += " " + Pretty(m->TargetAlias);
    R = EnsureLineBreak(R) + Fmt(m->UsingToken);
    if (m->SourceTable) R += " " + Pretty(m->SourceTable);
    if (s->UsingSelect) R += " " + IndentText(Pretty(s->UsingSelect.get()), LastLineLength(R) + 1);
    if (m->SourceAlias) R += " " + Pretty(m->SourceAlias);
    if (TRk_DummyNode* on = m->OnPart.get(); on && on->Sub1)
        R = EnsureLineBreak(R) + Fmt(m->OnToken) + " " + Fmt(on->Tok1) + " " + Pretty(on->Sub1) + " " +
            Fmt(on->Tok2);
    // Either branch may be missing: a MERGE with one WHEN branch prints that
    // one only.
    if (TRk_DummyNode* w = m->MatchedPart.get(); w && w->Tok1) {
        auto* u = dynamic_cast<TRk_DummyNode*>(w->Sub1);
        R = EnsureLineBreak(R) + Fmt(w->Tok1) + " " + Fmt(w->Tok2) + " " + Fmt(w->Tok3) + " " +
            Fmt(u ? u->Tok1 : nullptr) + " " + Fmt(u ? u->Tok2 : nullptr);
        // The list's later lines start under its first item, one past the blank.
        R += " " + IndentText(Pretty(s->UpdateSetFields.get()), LastLineLength(R) + 1);
    }
    if (TRk_DummyNode* w = m->NotMatchedPart.get(); w && w->Tok1) {
        auto* ins = dynamic_cast<TRk_DummyNode*>(w->Sub1);
        R = EnsureLineBreak(R) + Fmt(w->Tok1) + " " + Fmt(w->Tok2) + " " + Fmt(w->Tok3) + " " + Fmt(w->Tok4);
        const int32_t C = LastLineLength(R);
        if (ins) {
            R += " " + Fmt(ins->Tok1) + " " + Fmt(ins->Tok2);
            R += At(R, Pretty(s->InsertColumnFields.get())) + Fmt(ins->Tok3);
            R = EnsureLineBreak(R) + Blanks(C + 1) + IndentText(Fmt(ins->Tok4), C + 1) + " " + Fmt(ins->Tok5);
            R += At(R, Pretty(s->InsertValueFields.get())) + Fmt(ins->Tok6);
        }
    }
    if (s->TrailingToken) R += Fmt(s->TrailingToken);
    s->PrettyMode = 0;
    return R;
}
