// Printers of the SQL Server statements with declaration lists (CREATE
// PROCEDURE, CREATE FUNCTION, DECLARE) and of the declarations they list.
// A list printer finds the width of the names and hands it to each item's
// printer (PadWidth); the item pads its name to it.
#include "formatter/concretepp_mssql.h"

#include "formatter/rkbasetype.h"
#include "nodes/u_nodes_generic.h"
#include "parse/mssql/mssqlsqlstatement.h"
#include "statementstructure/sqlstatement.h"

using namespace pp;

namespace {

TSourceToken* DeclName(TRk_Node* Item) {
    if (auto* p = dynamic_cast<_TMssql_ParameterDecl*>(Item)) return p->NameToken;
    if (auto* v = dynamic_cast<_TMssql_declare_var*>(Item)) return v->NameToken;
    return nullptr;
}

int32_t NameLength(TRk_Node* Item) {
    TSourceToken* t = DeclName(Item);
    return t ? static_cast<int32_t>(t->GetText().size()) : 0;
}

// The items of a parameter or variable list, names padded to one width,
// joined by their separators per the declaration-list options.  Routines
// (IsDeclare false) end a line with Brk, DECLARE with a plain CR LF.
std::string DeclListText(TRk_List* Items, bool IsDeclare) {
    const int32_t n = Items ? Items->Count() : 0;
    if (n == 0) return {};
    const bool oneLine = FmtOpt.DeclListOneLine != 0;
    const uint8_t style = FmtOpt.DeclSeparatorStyle;
    int32_t W = 0;
    int32_t E = 0;
    if (!oneLine) {
        W = NameLength(Items->GetNode(0));
        E = style == 1 ? 1 : style == 2 ? 2 : 0;
        for (int32_t i = 1; i < n; ++i) {
            TRk_Node* item = Items->GetNode(i);
            if (!IsDeclare && (!item || item->NodeKind != mnkParameterDecl)) continue;
            W = std::max(W, NameLength(item) + E);
        }
    }
    std::string D;
    for (int32_t i = 0; i < n; ++i) {
        TRk_Node* item = Items->GetNode(i);
        if (!item) continue;
        // Items made before the printers were registered get theirs now.
        if (!item->PP() && RkStatementPPFactory) item->SetPP(RkStatementPPFactory(item));
        if (item->PP()) item->PP()->PadWidth = i == 0 ? W : W - E;
        D += At(D, Pretty(item));
        if (i + 1 == n) break;
        TRk_Node* next = Items->GetNode(i + 1);
        const std::string S = Fmt(next ? next->SeparatorToken : nullptr);
        if (oneLine || style > 2) {
            D += S;
        } else if (style == 0) {
            D += S;
            if (IsDeclare) D += "\r\n";
            else EnsureLineBreakInPlace(D);
        } else {
            if (IsDeclare) D += "\r\n";
            else EnsureLineBreakInPlace(D);
            D += S;
            if (style == 2) D += ' ';
        }
    }
    return D;
}

// Own tokens of an options node, joined by single blanks.
std::string OptionWords(TRk_Node* N) { return Toks(N, 0, TokCount(N), " "); }

}  // namespace

std::string TMssqlCreateProcedurePP::GetPrettyText() {
    std::string R;
    auto* s = mssqlpp::Framed<TMssqlCreateProcedure>(OwnerNode(), "TMssqlCreateProcedure", Owner, R);
    if (!s) return R;
    auto* root = dynamic_cast<_TMssqlCreateProcedure*>(s->GetRootNode());
    if (!root) return {};
    R = Fmt(s->CreateToken) + " " + Fmt(s->ProcToken);
    const int32_t H = LastLineLength(R);
    R += " " + Pretty(s->Name);
    // Own tokens: [";"] ["(" ")"] AS, in that order.
    int32_t idx = 0;
    if (s->ProcNumber) {
        R += Tok(root, 0) + Fmt(s->ProcNumber);
        idx = 1;
    }
    if (s->HasParens) R += Tok(root, idx);
    const std::string D = DeclListText(s->Params, false);
    if (!D.empty()) R += "\r\n" + IndentBlock(D, H);
    if (s->HasParens) R += (D.empty() ? " " : "") + Tok(root, idx + 1);
    if (s->OptionCode != 0 && root->OptionNode) R += "\r\n" + OptionWords(root->OptionNode);
    if (s->ForReplication != 0 && root->ReplicationNode) R += "\r\n" + OptionWords(root->ReplicationNode);
    R += "\r\n" + Tok(root, TokCount(root) - 1) + "\r\n";
    std::string B;
    for (TCustomSqlStatement* body : *s->BodyStatements) B += TrimChar(mssqlpp::Nested(body), ' ') + "\r\n";
    return R + IndentBlock(B, 2);
}

std::string TMssqlCreateFunctionPP::GetPrettyText() {
    std::string R;
    auto* s = mssqlpp::Framed<TMssqlCreateFunction>(OwnerNode(), "TMssqlCreateFunction", Owner, R);
    if (!s) return R;
    auto* root = dynamic_cast<_TMssqlCreateFunction*>(s->GetRootNode());
    if (!root) return {};
    // Own tokens: FUNCTION "(" ")" RETURNS [TABLE].
    R = Fmt(s->CreateToken) + " " + Tok(root, 0);
    const int32_t H = LastLineLength(R);
    R += " " + Pretty(s->Name);
    const std::string D = Tok(root, 1) + DeclListText(s->Params, false);
    R = EnsureLineBreak(R) + Blanks(H) + IndentText(D, H + 1) + Tok(root, 2);
    R = EnsureLineBreak(R) + Tok(root, 3);
    R += " " + (s->ReturnKind == 1 ? Pretty(s->ReturnType) : Tok(root, 4));
    if (s->OptionCode != 0 && root->OptionNode) R = EnsureLineBreak(R) + OptionWords(root->OptionNode);
    if (s->AsToken) R = EnsureLineBreak(R) + Fmt(s->AsToken);
    TCustomSqlStatement* body = s->BodyKind == 1   ? static_cast<TCustomSqlStatement*>(s->BlockBody.get())
                                : s->BodyKind == 2 ? s->ReturnBody.get()
                                                   : nullptr;
    if (body) R = EnsureLineBreak(R) + IndentBlock(mssqlpp::Nested(body), 2);
    return R;
}

std::string TMssqlDeclarePP::GetPrettyText() {
    std::string R;
    auto* s = mssqlpp::Framed<TMssqlDeclare>(OwnerNode(), "TMssqlDeclare", Owner, R);
    if (!s) return R;
    TRk_Node* root = s->GetRootNode();
    // Own tokens: DECLARE, and for a cursor CURSOR and FOR.
    R = Tok(root, 0);
    if (s->Kind == 2) {
        R += " " + Fmt(s->CursorName);
        if (s->CursorOption) R += " " + Fmt(s->CursorOption);
        R += " " + Tok(root, 1) + " ";
        // The cursor options carry no separators.
        for (int32_t i = 0; s->CursorOptions && i < s->CursorOptions->Count(); ++i)
            R += (i > 0 ? " " : "") + Fmt(s->CursorOptions->GetItem(i)->AsToken());
        return R + " " + Tok(root, 2) + "\r\n" + Pretty(s->CursorQuery.get());
    }
    if (s->Kind == 1 && s->Vars && s->Vars->Count() > 0)
        R = EnsureLineBreak(R) + "  " + IndentText(DeclListText(s->Vars, true), 2);   // DECLARE's line comment ends it
    return R;
}

std::string _TMssql_ParameterDeclPP::GetPrettyText() {
    auto* p = dynamic_cast<_TMssql_ParameterDecl*>(OwnerNode());
    if (!p) return WrongOwner("_TMssql_ParameterDecl", Owner);
    // The name keeps its case; the comments after it follow the padding.
    TSourceToken* name = p->NameToken;
    std::string R = PadKeyword(PadWidth, name ? name->GetText() : std::string(), FmtOpt.ParamDeclAlign == 0);
    if (name) R += TrailingPart(name->GetOwnerList(), name->PosInList);
    R += " ";
    if (p->AsToken) R += " " + Fmt(p->AsToken) + " ";
    R += Pretty(p->DataType);
    if (p->DefaultPart) {
        std::string def = Pretty(p->DefaultPart);
        // VARYING comes without a blank of its own: keep it off the type.
        if (!def.empty() && def[0] != ' ') def.insert(def.begin(), ' ');
        R += At(R, def);
    }
    return R;
}

std::string _TMssql_declare_varPP::GetPrettyText() {
    auto* v = dynamic_cast<_TMssql_declare_var*>(OwnerNode());
    if (!v) return WrongOwner("_TMssql_declare_var", Owner);
    std::string R = PadKeyword(PadWidth, Fmt(v->NameToken), FmtOpt.ParamDeclAlign == 0) + " ";
    if (v->AsToken) R += " " + Fmt(v->AsToken) + " ";
    if (v->Kind == 1)
        R += At(R, Pretty(v->DataType));
    else if (v->Kind == 2)
        R += " " + Tok(v, 0);  // CURSOR
    return R;
}

std::string _TMssql_opt_declaration_exprPP::GetPrettyText() {
    auto* d = dynamic_cast<_TMssql_opt_declaration_expr*>(OwnerNode());
    if (!d) return WrongOwner("_TMssql_opt_declaration_expr", Owner);
    // Own tokens: [VARYING] [OUTPUT or OUT].
    std::string R = d->IsVarying ? Tok(d, 0) : std::string();
    if (d->DefaultExpr) {
        const int32_t L = LastLineLength(R);
        R += " " + Fmt(d->EqualToken) + " " + IndentText(Pretty(d->DefaultExpr), L + 3);
    }
    if (d->IsOutput) R += " " + Tok(d, TokCount(d) - 1);
    return R;
}
