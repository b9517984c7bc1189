// Statements parsed end to end: scripts through a front end, PL/SQL units
// also as a lone statement object given its text; and the tokens a walk
// meets, to compare with the tokens the splitter gave a statement.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "frontend/marlsqlparser.h"
#include "parse/parserfactory.h"
#include "statementstructure/plsqlstatement.h"
#include "statementstructure/plsqlstatement_elements.h"
#include "statementstructure/rkexpression.h"

namespace sstest {

// Texts of the tokens a walk meets, joined by one blank (only the
// significant ones unless All), and the number of nodes whose walk began
// and ended.
class TTokenRecorder : public TRkVisitorAbs {
public:
    std::string Text;
    int Pre = 0;
    int Post = 0;
    bool All = false;
    void Visit(TRkVisitedAbs* Obj) override {
        TRkVisitorAbs::Visit(Obj);
        if (TSourceToken* t = Obj->AsToken()) {
            // Tokens in no list (the empty parameter name) print nothing.
            if ((!All && !t->IsSignificant()) || !t->GetOwnerList()) return;
            if (!Text.empty()) Text += ' ';
            Text += t->GetText();
        }
    }
    void PreVisit(TRkVisitedAbs* Obj) override { Pre += Obj->AsNode() != nullptr; }
    void PostVisit(TRkVisitedAbs* Obj) override { Post += Obj->AsNode() != nullptr; }
};

inline std::string Walk(TRkVisitedAbs* Root, bool All = false) {
    TTokenRecorder R;
    R.All = All;
    Root->Accept(&R);
    return R.Text;
}

// A statement's significant tokens as the splitter gave them (a PL/SQL unit
// walks its ";", any other statement does not).
inline std::string SourceTokens(TCustomSqlStatement* S, bool Semicolons = true) {
    std::string R;
    for (TSourceToken* t : S->SourceTokens->Items()) {
        if (!t->IsSignificant() || t->TokenCode == 0 || (!Semicolons && t->TokenType == ttSemicolon)) continue;
        if (!R.empty()) R += ' ';
        R += t->GetText();
    }
    return R;
}

struct Script {
    explicit Script(const std::string& Sql, std::uint8_t Vendor = VendorOracle) : P(Vendor) {
        P.SetSqlTextString(Sql);
        Result = P.Parse();
    }
    int Count() { return P.Statements().Count(); }
    // The I-th statement as a T (nullptr when it is not one).
    template <class T = TCustomSqlStatement>
    T* At(int I) {
        return I < Count() ? dynamic_cast<T*>(P.Statements().GetStatement(I)) : nullptr;
    }
    // The I-th PL/SQL unit of the script.
    TPlsqlStatement* Unit(int I = 0) {
        for (int i = 0; i < P.Statements().Count(); ++i)
            if (auto* S = dynamic_cast<TPlsqlStatement*>(P.Statements().GetStatement(i)))
                if (I-- == 0) return S;
        ADD_FAILURE() << "no PL/SQL unit";
        return nullptr;
    }
    TMarlSqlParser P;
    int Result = -1;
};

// A unit of this type given as text, not parsed yet.
inline std::unique_ptr<TPlsqlStatement> UnitOfText(const std::string& Text, TSqlStatementType Type = sstplsql_block,
                                                   std::uint8_t Vendor = VendorOracle) {
    auto S = CreateNodeOfClass<TPlsqlStatement>(Vendor);
    S->StatementType = Type;
    S->SetSqlText(Text);
    return S;
}

// Parsed without a record, the root of the kind, every embedded statement
// parsed, and the walk meets the unit's tokens.
inline void ExpectWhole(TPlsqlStatement* S, std::uint8_t RootKind) {
    ASSERT_NE(S, nullptr);
    EXPECT_TRUE(S->Parsed) << S->ErrorMessages();
    EXPECT_EQ(S->GetErrorCount(), 0) << S->ErrorMessages();
    ASSERT_NE(S->GetRootNode(), nullptr);
    EXPECT_EQ(S->GetRootNode()->NodeKind, RootKind);
    for (auto& Sub : S->SubStatements) {
        EXPECT_EQ(Sub->GetErrorCount(), 0) << Sub->ClassName() << ": " << Sub->ErrorMessages();
        // The grammar builds trees for queries and data changes only
        // (COMMIT and the like parse without one; a CALL body is not parsed).
        const std::string Class = Sub->ClassName();
        if (Class == "TSelectSqlStatement" || Class == "TInsertSqlStatement" || Class == "TUpdateSqlStatement" ||
            Class == "TDeleteSqlStatement") {
            EXPECT_TRUE(Sub->Parsed) << Class;
        }
        // A statement's ";" is its trailing token; a bracketed query ends at
        // its ")" and a CALL body at the end of the unit, without one.
        const bool Bracketed = Sub->SourceTokens->Count() > 0 && Sub->SourceTokens->GetToken(0)->GetText() == "(";
        const bool Call = Sub->StatementType == sstOracleCall;
        EXPECT_EQ(Sub->TrailingToken != nullptr, !Bracketed && !Call) << Class;
        EXPECT_EQ(Sub->TerminatorToken, nullptr);
    }
    EXPECT_EQ(Walk(S), SourceTokens(S));
}

// The dummy statements a walk meets, as their significant words.
struct DummyCollector : TRkVisitorAbs {
    std::vector<std::string> Found;
    void PreVisit(TRkVisitedAbs* Obj) override {
        auto* D = dynamic_cast<TRkPlsql_DummyStmt*>(Obj);
        if (!D) return;
        std::string W;
        for (TSourceToken* t : D->SkippedTokens->Items())
            if (t->IsSignificant()) W += (W.empty() ? "" : " ") + std::string(t->GetText());
        Found.push_back(W);
    }
};

// The I-th item of a list as a T (nullptr when it is not one).
template <class T>
T* ItemOf(TRk_List* L, int I) {
    return L && I < L->Count() ? dynamic_cast<T*>(L->GetNode(I)) : nullptr;
}

}  // namespace sstest
