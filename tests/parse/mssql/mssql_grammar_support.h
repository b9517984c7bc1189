// Shared by the SQL Server grammar tests: the token list of a script as the
// T-SQL scanner makes it, a fixture that parses one script with
// TRkParserMssqlSql (recording error reports and statement announcements),
// and compact pictures of expressions and names for the assertions.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "nodes/u_nodes.h"
#include "nodes/u_nodes_generic.h"
#include "nodes/u_parsenodes.h"
#include "mssql_parse.h"
#include "parse/mssql/mssqlsqlstatement.h"
#include "parse/mssql/rkyaccmssqlsql.h"
#include "parse/sqltest_fixture.h"
#include "statementstructure/rkexpression.h"
#include "statementstructure/sqlstatement_select.h"

namespace mssql_test {

struct TAnnounced {
    TSqlStatementType Type = sstUnknown;
    int Start = 0;
    int End = 0;
    TRk_Node* Sender = nullptr;
};

template <class T>
T* As(TRkVisitedAbs* N) {
    return dynamic_cast<T*>(N);
}

using sqltest::OwnTokens;
using sqltest::TokText;

// "a.b.c" of a name node (its first token and its further parts).
inline std::string NameText(const TRk_Node* N) {
    const auto* a = dynamic_cast<const TRk_Attr*>(N);
    if (a == nullptr) return N == nullptr ? "<nil>" : std::string("<") + N->ClassName() + ">";
    std::string s = TokText(a->NameToken);
    if (a->NameParts != nullptr)
        for (int i = 0; i < a->NameParts->Count(); ++i) {
            TRkVisitedAbs* it = a->NameParts->Items[static_cast<size_t>(i)];
            TSourceToken* t = it != nullptr ? it->AsToken() : nullptr;
            s += (i == 0 && a->DotToken != nullptr ? std::string(a->DotToken->GetText()) : ".") + TokText(t);
        }
    return s;
}

std::string Shape(TRkVisitedAbs* N);

// Items of a list, each drawn by Shape, joined by ",".
inline std::string ListShape(const TRk_List* L) {
    if (L == nullptr) return "<nil>";
    std::string s;
    for (int i = 0; i < L->Count(); ++i) {
        if (i > 0) s += ",";
        s += Shape(L->Items[static_cast<size_t>(i)]);
    }
    return s;
}

inline const char* KindName(TRkOpType K) {
    switch (K) {
        case Expr_OP: return "OP";                case Expr_AND: return "AND";
        case Expr_OR: return "OR";                case Expr_NOT: return "NOT";
        case Expr_Arithmetic: return "Arith";     case Expr_Comparison: return "Cmp";
        case Expr_Escape: return "Esc";           case Expr_IsNull: return "IsNull";
        case Expr_IsNotNull: return "IsNotNull";  case Expr_In: return "In";
        case Expr_NotIn: return "NotIn";          case Expr_Between: return "Between";
        case Expr_NotBetween: return "NotBetween"; case Expr_AllOp: return "AllOp";
        case Expr_NotLike: return "NotLike";      case Expr_AtTimeZone: return "AtTZ";
        case Expr_Other: return "Other";          case Expr_NotSupported: return "NotSupported";
        case Expr_Cursor: return "Cursor";        case Expr_Exists: return "Exists";
        case Expr_Ident: return "Ident";          case Expr_subquery: return "Subquery";
        default: return "?";
    }
}

// A compact picture of an expression tree: leaves are written as in the
// source (names, constants), a parenthesis as "(...)", a call as
// "f(args)", every other expression as Kind[op](left,right) with "_" for a
// missing operand.
inline std::string Shape(TRkVisitedAbs* N) {
    if (N == nullptr) return "_";
    if (TSourceToken* t = N->AsToken()) return std::string(t->GetText());
    if (auto* a = As<TRk_Attr>(N)) return NameText(a);
    if (auto* c = As<TRk_A_Const>(N)) {
        std::string s = TokText(c->ValueToken);
        if (c->TokenList->Count() > 1) s = OwnTokens(c);
        return s;
    }
    if (auto* l = As<TRk_List>(N)) return ListShape(l);
    if (As<TRk_SelectStmt>(N) != nullptr) return "SELECT";
    if (std::string(N->ClassName()) == "TSelectSqlStatement") return "SELECT";
    if (auto* f = As<TRk_FuncCall>(N)) {
        std::string name = f->NameAttr != nullptr ? NameText(f->NameAttr) : TokText(f->KeywordToken);
        if (f->IsStar) return name + "(*)";
        return name + "(" + (f->ArgList != nullptr ? ListShape(f->ArgList) : "") + ")";
    }
    if (auto* cs = As<TRkCaseExpression>(N)) {
        std::string s = "CASE(" + Shape(cs->InputExpr) + ";";
        for (int i = 0; cs->WhenList != nullptr && i < cs->WhenList->Count(); ++i) {
            auto* w = As<TRkCaseWhen>(cs->WhenList->Items[static_cast<size_t>(i)]);
            s += "W:" + Shape(w ? w->WhenExpr : nullptr) + "T:" + Shape(w ? w->ThenExpr : nullptr) + ";";
        }
        return s + "E:" + Shape(cs->ElseExpr) + ")";
    }
    if (auto* e = As<TRkCustomExpression>(N)) {
        switch (e->ExprType) {
            case Expr_Attr:
            case Expr_Const:
            case Expr_FuncCall:
                return Shape(e->LeftOperand);
            case Expr_Parenthesis:
                return "(" + Shape(e->LeftOperand) + ")";
            default:
                break;
        }
        return std::string(KindName(e->ExprType)) + "[" + TokText(e->OperatorToken) + "](" +
               Shape(e->LeftOperand) + "," + Shape(e->RightOperand) + ")";
    }
    if (auto* i = As<TRk_Ident>(N)) return TokText(i->IdentToken);
    return std::string("<") + N->ClassName() + ">";
}

// Parses one script.  The parser and the tokens live as long as the fixture.
class MssqlParseFixture : public ::testing::Test {
protected:
    std::unique_ptr<MsRun> Run;
    TSourceTokenList* Tokens = nullptr;
    TRkParserMssqlSql* Parser = nullptr;
    std::vector<MsError> Errors;
    std::vector<TAnnounced> Announced;
    int Result = -2;
    TRkCustomParser Spare;

    // A run over Text, not parsed yet; its announcements go to Announced
    // with their senders.
    void Prepare(const std::string& Text) {
        Run = std::make_unique<MsRun>(Text);
        Tokens = Run->tokens.get();
        Parser = Run->parser.get();
        Errors.clear();
        Announced.clear();
        Parser->OnGetRawSqlStatement = [this](void* Sender, TSqlStatementType T, int S, int E) {
            Announced.push_back({T, S, E, static_cast<TRk_Node*>(Sender)});
        };
    }
    int ParsePrepared() {
        Result = Run->Parse();
        Errors = Run->errors;
        return Result;
    }
    int Parse(const std::string& Text) {
        Prepare(Text);
        return ParsePrepared();
    }

    int Items() const { return static_cast<int>(Parser->ResultList.size()); }
    _TMssqlStmt* Item(int I) const {
        if (I < 0 || I >= Items()) return nullptr;
        return dynamic_cast<_TMssqlStmt*>(Parser->ResultList[static_cast<size_t>(I)]);
    }
    // The inner node of top-level item I, as T.
    template <class T>
    T* Inner(int I) const {
        _TMssqlStmt* w = Item(I);
        return w != nullptr ? dynamic_cast<T*>(w->InnerNode) : nullptr;
    }
    // Parses a script of one statement and gives its inner node as T; the
    // script must parse without any error report.
    template <class T>
    T* One(const std::string& Text) {
        Parse(Text);
        EXPECT_EQ(Result, 0) << Text;
        EXPECT_TRUE(Errors.empty()) << Text << "\n" << (Errors.empty() ? "" : Errors[0].message + " at " + Errors[0].token);
        EXPECT_EQ(Items(), 1) << Text;
        T* n = Inner<T>(0);
        EXPECT_NE(n, nullptr) << Text;
        // An empty node in place of a missing one: the checks fail, not crash.
        return n != nullptr ? n : Spare.NewNode<T>();
    }
    // The expression of "SELECT 1 WHERE <Expr>" drawn by Shape.
    std::string Where(const std::string& Expr) {
        auto* s = One<TRk_SelectStmt>("SELECT 1 WHERE " + Expr);
        return s != nullptr ? Shape(s->WhereCondition) : "<no select>";
    }
    // True when Text leaves at least one syntax error report.
    bool Rejects(const std::string& Text) {
        Parse(Text);
        return !Errors.empty();
    }
    std::string Kinds() const { return Run->Kinds(); }
};

}  // namespace mssql_test
