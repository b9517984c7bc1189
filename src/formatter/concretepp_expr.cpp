// Printers of expressions, function calls, names and reference clauses.
#include "formatter/concretepp.h"

#include <vector>

#include "formatter/rkbasetype.h"
#include "nodes/u_nodes.h"
#include "nodes/u_nodes_generic.h"
#include "statementstructure/rkexpression.h"

using namespace pp;

namespace {

// Puts the global ExprListOneLine back however the list printing ends.
class TExprListOneLineScope {
public:
    TExprListOneLineScope() : FSaved(FmtOpt.ExprListOneLine) { FmtOpt.SetExprListOneLine(1); }
    ~TExprListOneLineScope() { FmtOpt.SetExprListOneLine(FSaved); }
    TExprListOneLineScope(const TExprListOneLineScope&) = delete;
    TExprListOneLineScope& operator=(const TExprListOneLineScope&) = delete;

private:
    uint8_t FSaved;
};

TSourceToken* ItemSep(TRkVisitedAbs* Item) {
    if (!Item) return nullptr;
    if (TRk_Node* n = Item->AsNode()) return n->SeparatorToken;
    if (TSourceToken* t = Item->AsToken()) return t->GetSeparatorToken();
    return nullptr;
}

std::string ItemText(TRkVisitedAbs* Item) {
    if (!Item) return {};
    if (TRk_Node* n = Item->AsNode()) return Pretty(n);
    if (TSourceToken* t = Item->AsToken()) return t->GetFormattedText();
    return {};
}

bool IsQuery(const TRk_Node* N) { return N && (N->NodeKind == 170 || N->NodeKind == 179); }

// Pretty text of an operand; a query is asked for in pretty mode.
std::string Operand(TRk_Node* N) {
    if (IsQuery(N)) N->PrettyMode = 1;
    return Pretty(N);
}

}  // namespace

// ---------------------------------------------------------------------------
// TRkCustomExpressionPP

std::string TRkCustomExpressionPP::JoinListItem(const std::string& Item, const std::string& Sep) {
    std::string Text = Item;
    AppendListSeparator(Text, Sep);
    return Text;
}

void TRkCustomExpressionPP::AppendListSeparator(std::string& Text, const std::string& Sep) {
    SeparatorStyle = FmtOpt.SeparatorStyle;
    AndOrPlacement = FmtOpt.AndOrPlacement;
    ExprListOneLine = FmtOpt.ExprListOneLine;
    PlaceSeparatorInPlace(Text, Sep, ExprListOneLine, SeparatorStyle);
}

std::string TRkCustomExpressionPP::GetPrettyText() {
    auto* e = dynamic_cast<TRkCustomExpression*>(OwnerNode());
    if (!e) return WrongOwner("TRkCustomExpression", Owner);
    if (TRkCustomExpression::IsTwoOperandKind(e->ExprType)) return ChainLayout(e);
    return SingleLayout(e);
}

std::string TRkCustomExpressionPP::SingleLayout(TRkCustomExpression* e) {
    std::string R;
    auto listJoin = [&](TRk_List* L) {
        std::string S;
        const int32_t n = L ? L->Count() : 0;
        for (int32_t i = 0; i < n; ++i) {
            S += At(S, ItemText(L->GetItem(i)));
            if (i + 1 < n) AppendListSeparator(S, Fmt(ItemSep(L->GetItem(i + 1))));
        }
        return S;
    };
    auto asList = [](TRk_Node* N) { return dynamic_cast<TRk_List*>(N); };

    switch (e->ExprType) {
    case Expr_subquery:
        return Operand(e->LeftOperand);
    case Expr_Attr:
    case Expr_Ident:
    case Expr_Const:
        return Pretty(e->LeftOperand);
    case Expr_FuncCall:
        R = Pretty(e->LeftOperand);
        if (e->OperatorToken) R += "." + std::string(e->OperatorToken->GetText());
        return R;
    case Expr_namelist:
    case Expr_QualifiedNamelist:
    case Expr_exprlist:
        return listJoin(asList(e->LeftOperand));
    case Expr_Parenthesis: {
        const std::string O = Tok(e, 0), C = Tok(e, 1);
        TRk_Node* inner = e->LeftOperand;
        const uint8_t k = inner ? inner->NodeKind : 0;
        if (k == 54 || k == 3 || k == 4 || k == 50) return O + Pretty(inner) + C;
        if (k == 63) return O + IndentText(listJoin(asList(inner)), LastLineLength(O)) + C;
        return O + IndentText(Operand(inner), LastLineLength(O)) + C;
    }
    case Expr_func_exprs: {
        TRk_List* L = asList(e->LeftOperand);
        for (int32_t i = 0; L && i < L->Count(); ++i) {
            TRk_Node* item = L->GetNode(i);
            if (i == 0) R = Pretty(item);
            else {
                R += '.';
                R += IndentAfter(R, Pretty(item));
            }
        }
        const std::string op = e->OperatorToken ? std::string(e->OperatorToken->GetText()) : std::string();
        if (op == ".") R += "." + Pretty(e->RightOperand);
        else if (op == "(") R += "(" + Pretty(e->RightOperand) + ")";
        return R;
    }
    case Expr_Plsql_sql_condition:
        return Toks(e, 0, TokCount(e));
    case Expr_Rollup:
    case Expr_Cube: {
        R = Fmt(e->OperatorToken) + Tok(e, 0);
        {
            TExprListOneLineScope oneLine;
            TRk_List* L = asList(e->LeftOperand);
            const int32_t n = L ? L->Count() : 0;
            for (int32_t i = 0; i < n; ++i) {
                R += At(R, ItemText(L->GetItem(i)));
                if (i + 1 < n) R += Fmt(ItemSep(L->GetItem(i + 1)));
            }
        }
        return R + Tok(e, 1);
    }
    case Expr_GroupingSets: {
        R = Fmt(e->OperatorToken) + " " + Tok(e, 0) + Tok(e, 1);
        std::string L;
        {
            TExprListOneLineScope oneLine;
            TRk_List* items = asList(e->LeftOperand);
            const int32_t n = items ? items->Count() : 0;
            for (int32_t i = 0; i < n; ++i) {
                L += At(L, ItemText(items->GetItem(i)));
                if (i + 1 < n) L += EnsureLineBreak(Fmt(ItemSep(items->GetItem(i + 1))));
            }
        }
        return R + At(R, L) + Tok(e, 2);
    }
    default:  // Expr_NotSupported
        // IS [NOT] OF [TYPE] (...) after its operand, as written.
        if (e->LeftOperand && TokCount(e) == 2) {
            R = Operand(e->LeftOperand) + " ";
            return R + At(R, WrittenText(e->OwnToken(0), e->OwnToken(1)));
        }
        return "Not supported function!";
    }
}


std::string TRkCustomExpressionPP::ChainLayout(TRkCustomExpression* e) {
    std::vector<TRkCustomExpression*> links{e};
    while (TRkCustomExpression* l = links.back()->ChainLeft()) {
        if (!dynamic_cast<TRkCustomExpressionPP*>(l->PP())) break;   // printed by its own printer
        links.push_back(l);
    }
    TLineText R;
    auto printer = [](TRkCustomExpression* x) { return static_cast<TRkCustomExpressionPP*>(x->PP()); };
    TRkCustomExpression* innermost = links.back();
    R.Append(links.size() > 1 ? printer(innermost)->LeftText(innermost) : LeftText(e));
    for (size_t i = links.size(); i-- > 1;) printer(links[i])->AppendOperatorAndRight(links[i], R);
    AppendOperatorAndRight(e, R);
    return R.Release();
}

// A function call is printed with this printer's settings; a query in
// pretty mode.
std::string TRkCustomExpressionPP::LeftText(TRkCustomExpression* e) {
    TRk_Node* left = e->LeftOperand;
    if (!left) return {};
    auto* child = left->NodeKind == 50 ? dynamic_cast<TFmtOptPP*>(left->PP()) : nullptr;
    if (!child) return Operand(left);
    child->SaveOptions();
    child->SeparatorStyle = SeparatorStyle;
    child->AndOrPlacement = AndOrPlacement;
    child->ExprListOneLine = ExprListOneLine;
    std::string R = Pretty(left);
    child->RestoreOptions();
    return R;
}

void TRkCustomExpressionPP::AppendOperatorAndRight(TRkCustomExpression* e, TLineText& R) {
    std::string Op;
    switch (e->ExprType) {
    case Expr_IsNull:
    case Expr_NotIn:
    case Expr_NotLike:
    case Expr_IsNotNull:
    case Expr_NotBetween:
        Op = Span(e->TokenList ? e->TokenList->TokenAt(0) : nullptr, TokCount(e));
        break;
    case Expr_AtTimeZone: Op = "at time zone"; break;
    case Expr_DayToSecond: Op = "day to second"; break;
    case Expr_YearToMonth: Op = "year to month"; break;
    case Expr_DoubleStar: Op = "**"; break;
    default: Op = Fmt(e->OperatorToken); break;
    }
    if (e->ExprType == Expr_AND || e->ExprType == Expr_OR) {
        const std::string K = PadKeyword(3, Op, false);
        switch (AndOrPlacement) {
        case 0:
            R.EnsureLineBreak();
            R.Append(K + " ");
            break;
        case 1:
            R.Append(" ");
            R.Append(EnsureLineBreak(K));
            break;
        default: R.Append(" " + K + " "); break;
        }
    } else if (Op == "%") {
        R.Append("%");
    } else if (Op == "||") {
        R.Append("\r\n||");
    } else if (!Op.empty()) {
        if (!R.Text().empty()) R.Append(" ");
        R.Append(Op);
        if (!(e->ExprType == Expr_Arithmetic && !e->LeftOperand)) R.Append(" ");
    }
    if (e->Modifier >= 1 && e->Modifier <= 3) R.Append(" " + Fmt(e->QuantifierToken) + " ");
    if (e->RightOperand) R.AppendAt(Operand(e->RightOperand));
}

// ---------------------------------------------------------------------------
// TRk_FuncCallPP

std::string TRk_FuncCallPP::GetPrettyText() {
    auto* f = dynamic_cast<TRk_FuncCall*>(OwnerNode());
    if (!f) return WrongOwner("TRk_FuncCall", Owner);
    auto tok = [&](int32_t i) { return f->TokenList ? f->TokenList->TokenAt(i) : nullptr; };
    auto F = [&](int32_t i) { return Fmt(tok(i)); };
    // Token i spanning n tokens, marked as a function name.
    auto nameSpan = [&](int32_t i, int32_t n) {
        TSourceToken* t = tok(i);
        if (!t) return std::string();
        t->DbObjKind = okFunction;
        return Span(t, n);
    };
    const int32_t own = TokCount(f);
    std::string R;
    switch (f->CallForm) {
    case 1:  // TRIM
        if (f->TrimKind == 0 && own >= 2) R = nameSpan(0, 2);
        else if (f->TrimKind >= 1 && f->TrimKind <= 3 && own >= 3) R = nameSpan(0, 3) + " ";
        if (f->TrimArgs) R += Plain(static_cast<TRk_Node*>(f->TrimArgs));
        return R + ")";
    case 4:  // EXTRACT
        R = nameSpan(0, 2);
        return R + IndentText(Plain(static_cast<TRk_Node*>(f->ExtractArgs)), LastLineLength(R)) +
               F(2);
    case 2:  // CAST
        R = nameSpan(0, 2);
        R += At(R, Pretty(f->CastExpr)) + " " + F(2) + " " +
             Plain(static_cast<TRk_Node*>(f->CastType)) + F(3);
        return R;
    case 3: {  // type first, then the expression and an optional style
        R = nameSpan(0, 2) + Plain(static_cast<TRk_Node*>(f->CastType)) + F(2);
        R += At(R, Pretty(f->CastExpr));
        if (f->StyleArg) {
            // As written, with the comments after it (no printer would carry them).
            std::string style;
            TSourceToken* last = nullptr;
            if (TRk_Node* n = f->StyleArg->AsNode()) {
                style = n->AsText();
                last = n->GetEndToken();
            } else if (TSourceToken* t = f->StyleArg->AsToken()) {
                style = t->GetText();
                last = t;
            }
            style = TrimTrailingBlanks(style);
            if (last && last->GetOwnerList()) style += TrailingPart(last->GetOwnerList(), last->PosInList);
            R += F(3) + style;
        }
        return R + F(own - 1);
    }
    default:
        break;
    }

    std::string name;
    if (f->NameAttr) {
        f->NameAttr->IsFunctionName = 1;
        name = Pretty(static_cast<TRk_Node*>(f->NameAttr));
    }
    R = name;
    const std::string link = f->GetFuncName();
    R += link.empty() ? F(0) : "@" + link + F(0);
    auto analytic = [&]() {
        if (f->Analytic) R += " " + Pretty(static_cast<TRk_Node*>(f->Analytic));
    };
    if (f->IsStar) {
        R += Span(tok(1), 2);
        analytic();  // an OVER part of a star call is kept, not dropped
        return R;
    }
    if (f->IsDistinct || f->IsAll) R += F(1) + " ";
    std::string A;
    if (f->ArgList) {
        const int32_t n = f->ArgList->Count();
        const bool decode = SameText(name, "decode");
        std::string pad;
        if (decode && n > 0) pad = Blanks(static_cast<int32_t>(Pretty(f->ArgList->GetNode(0)).size()));
        for (int32_t i = 0; i < n; ++i) {
            TRk_Node* arg = f->ArgList->GetNode(i);
            if (LastLineLength(A) > 40) A += "\r\n";
            A += At(A, Pretty(arg));
            if (i + 1 >= n) break;
            TRk_Node* next = f->ArgList->GetNode(i + 1);
            const std::string S = Fmt(next ? next->SeparatorToken : nullptr);
            if (!decode) {
                PlaceSeparatorInPlace(A, S, FmtOpt.FuncArgsOneLine, SeparatorStyle);
            } else if (i == 0 || i % 2 == 1) {
                A += S;
            } else {
                switch (SeparatorStyle) {
                case 0: A += EnsureLineBreak(S) + pad + " "; break;
                case 1: EnsureLineBreakInPlace(A); A += pad + " " + S; break;
                case 2: EnsureLineBreakInPlace(A); A += pad + S + " "; break;
                default: A += S; break;
                }
            }
        }
    }
    if (!A.empty()) R += At(R, A);
    R += F(own - 1);
    analytic();
    return R;
}

// ---------------------------------------------------------------------------
// TRk_AttrPP

std::string TRk_AttrPP::GetPrettyText() {
    auto* a = dynamic_cast<TRk_Attr*>(OwnerNode());
    if (!a) return WrongOwner("TRk_Attr", Owner);
    std::string R;
    const int32_t parts = a->PartCount();
    const int32_t own = TokCount(a);
    if (own > 0) {
        TSourceToken* first = a->TokenList->TokenAt(0);
        if (parts == 0 && a->IsFunctionName == 1) first->DbObjKind = okFunction;
        R = Span(first, own);
    }
    if (parts > 0) {
        if (a->IsFunctionName == 1 && a->Part(parts - 1)) a->Part(parts - 1)->DbObjKind = okFunction;
        for (int32_t i = 0; i < parts; ++i) {
            TSourceToken* t = a->Part(i);
            if (i > 0 && t) R += Fmt(t->GetSeparatorToken());
            R += Fmt(t);
        }
    }
    return R;
}

// ---------------------------------------------------------------------------
// TRkConstraintRefClausePP

std::string TRkConstraintRefClausePP::GetPrettyText() {
    auto* c = dynamic_cast<TRkConstraintRefClause*>(OwnerNode());
    if (!c) return WrongOwner("TRkConstraintRefClause", Owner);
    return c->AsText();
}
