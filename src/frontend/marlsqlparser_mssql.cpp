// The SQL Server path of the parser component: one parse of the whole
// script, then one statement object per top-level statement element, each
// given the script tokens from where the previous one stopped.
#include <algorithm>

#include "frontend/marlsqlparser.h"
#include "nodes/rkexceptions.h"
#include "parse/mssql/mssqlsqlstatement.h"
#include "parse/parserfactory.h"
#include "parse/rkyacclib.h"

namespace {

// Line breaks, blanks and comments.
bool IsLayout(const TSourceToken* T) { return T->TokenType >= ttLineBreak && T->TokenType <= ttLineComment; }

}  // namespace

// Appends T to S; a bind or SQL variable is first offered to the host,
// recorded with the statement and given the host's replacement text.
static void TakeToken(TCustomMarlSqlParser* Sender, TCustomSqlStatement* S, TSourceToken* T) {
    const bool Bind = T->TokenType == ttBindVar;
    if ((Bind || T->TokenType == ttAtVar) && T->TokenStatus != 1) {
        const std::string Name = T->GetText().size() > 1 ? std::string(T->GetText().substr(1)) : std::string();
        std::string Replacement;
        if (Bind && S->GetOnBindVar()) S->GetOnBindVar()(Sender, Name, Replacement);
        if (!Bind && S->GetOnSqlVar()) S->GetOnSqlVar()(Sender, Name, Replacement);
        std::unique_ptr<TRkValue> V = CreateNodeOfClass<TRkValue>();
        V->Str1 = Name;
        V->Str2 = Replacement;
        V->PayloadObject = T;
        (Bind ? S->BindVars : S->SqlVars)->Add(std::move(V));
        if (!Replacement.empty()) T->SetText(Replacement);
    }
    S->SourceTokens->Add(T);
}

int TCustomMarlSqlParser::ParseMssqlScript() {
    int Result = -1;
    FStatements->Clear();
    TakeStatementEvents();
    if (!FTokens) return Result;
    if (!Parser())
        throw ERkError(FFactoryError.empty() ? std::string("The MSSQL dialect is not available") : FFactoryError);

    TRkCustomParser& P = *Parser();
    P.TokenList = FTokens.get();
    P.SetAuxTokenList(FPendingTokens.get());
    P.TokenPos = 0;
    P.DbVendor = FVendor;
    P.SetOnParserToken(OnParserToken);
    P.SetOnBindVar(OnBindVar);
    P.SetOnSqlVar(OnSqlVar);
    P.SetOnParserTokenError(OnParserTokenError);
    P.SetOnGetRawSqlStatement(OnGetRawSqlStatement);
    Result = P.yyparse();
    if (FErrors.Count() > 0) Result = FErrors.Count();

    // The top-level statement elements, up to the first missing item.
    std::vector<_TMssqlStmt*> Elements;
    for (TRk_Node* Item : P.ResultList) {
        if (!Item) break;
        if (Item->NodeKind == mnkStmt) Elements.push_back(static_cast<_TMssqlStmt*>(Item));
    }

    // Read in place: a copy of the script's token pointers was 8 bytes a
    // token when the heap is fullest.
    const TSourceTokenList& Items = *FTokens;   // the parse appended its end token
    const int N = Items.Count();
    int Pos = 0;
    TCustomSqlStatement* Prev = nullptr;
    for (std::size_t k = 0; k < Elements.size(); ++k) {
        _TMssqlStmt* W = Elements[k];
        const bool First = k == 0, Last = k + 1 == Elements.size();
        W->SetOnFieldEvent(OnStatementField);
        W->SetOnTableEvent(OnStatementTable);
        W->SetOnTableTokenEvent(OnTableTokenEvent);
        W->SetOnFieldTokenEvent(OnFieldTokenEvent);
        W->Analyze();
        const int End = Last ? N - 1 : std::min(W->EndPos(), N - 1);
        TCustomSqlStatement* S = W->SqlStatement.get();
        if (!S) {
            // No statement to hold them: the element's tokens belong to none.
            Pos = std::max(Pos, End + 1);
            while (Pos < N && IsLayout(Items.TokenAt(Pos))) ++Pos;
            continue;
        }
        S->TerminatorToken = W->TerminatorToken;
        S->SetOwnerObject(this);
        S->ShareEvents(&FStatementEvents);
        S->SourceTokens->Clear();

        for (; Pos <= End; ++Pos) {
            TSourceToken* T = Items.TokenAt(Pos);
            if (S->SourceTokens->Count() == 0) {
                if (IsLayout(T)) {
                    // Layout after a ";" stays with the statement the ";" ended.
                    if (!First && Prev && Prev->EndsWithSemicolon) Prev->SourceTokens->Add(T);
                    continue;
                }
                if (T->TokenType == ttSemicolon) {
                    if (Prev) {
                        Prev->SourceTokens->Add(T);
                        Prev->EndsWithSemicolon = true;
                    }
                    continue;
                }
            }
            TakeToken(this, S, T);
        }
        while (Pos < N && IsLayout(Items.TokenAt(Pos)))
            S->SourceTokens->Add(Items.TokenAt(Pos++));

        FStatements->Add(S);
        Prev = S;
    }
    return Result;
}
