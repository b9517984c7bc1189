// Builds small raw parse trees by hand for the statement-model tests: tokens
// in an owning list (each followed by one blank, so plain texts read as
// written) and nodes kept alive by the kit.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "nodes/u_nodes.h"
#include "nodes/u_nodes_generic.h"
#include "nodes/u_parsenodes.h"
#include "statementstructure/rkexpression.h"

// Token texts in the order a walk visits them.
class TokenRecorder : public TRkVisitorAbs {
public:
    std::vector<std::string> Texts;
    void Visit(TRkVisitedAbs* Obj) override {
        TRkVisitorAbs::Visit(Obj);
        if (TSourceToken* t = Obj->AsToken()) Texts.push_back(t->Text);
    }
    std::string Joined() const {
        std::string s;
        for (const auto& t : Texts) s += (s.empty() ? "" : " ") + t;
        return s;
    }
};

class TreeKit {
public:
    TSourceTokenList Tokens{true};
    std::vector<std::unique_ptr<TRk_Node>> Pool;

    TSourceToken* Tok(const std::string& text, std::uint8_t type = ttIdentifier) {
        TSourceToken* t = Raw(text, type);
        Raw(" ", ttBlanks);
        return t;
    }
    TSourceToken* Kw(const std::string& text) { return Tok(text, ttKeyword); }
    // A comment after the last token.
    void Comment(const std::string& text) { Raw(text, ttLineComment); }

    template <class T>
    T* New() {
        auto n = CreateNodeOfClass<T>();
        T* raw = n.get();
        Pool.push_back(std::move(n));
        return raw;
    }

    TRk_List* List(std::initializer_list<TRkVisitedAbs*> items) {
        auto* l = New<TRk_List>();
        for (TRkVisitedAbs* i : items) l->Add(i);
        return l;
    }

    // A dotted name: "s.t" gives NameToken s, DotToken '.', part t.
    TRk_Attr* Name(const std::string& dotted) {
        auto* a = New<TRk_Attr>();
        std::size_t start = 0;
        bool first = true;
        TSourceToken* sep = nullptr;
        while (true) {
            std::size_t dot = dotted.find('.', start);
            std::string part = dotted.substr(start, dot == std::string::npos ? dot : dot - start);
            TSourceToken* t = Raw(part, ttIdentifier);
            if (first) {
                a->NameToken = t;
                first = false;
            } else {
                if (!a->NameParts) {
                    a->NameParts = New<TRk_List>();
                    a->DotToken = sep;
                } else {
                    t->SeparatorToken = sep;
                }
                a->NameParts->Add(t);
            }
            if (dot == std::string::npos) break;
            sep = Raw(".", ttPeriod);
            start = dot + 1;
        }
        Raw(" ", ttBlanks);
        return a;
    }

    // An attribute expression over a name (a column reference).
    TRkCustomExpression* Col(const std::string& dotted) {
        auto* e = New<TRkCustomExpression>();
        e->ExprType = Expr_Attr;
        e->LeftOperand = Name(dotted);
        return e;
    }

    // A constraint with these own tokens ("(" and ")" as punctuation).
    TRkConstraint* Constraint(std::uint8_t type, std::initializer_list<std::string> words,
                              TRk_List* columns = nullptr, bool table = false) {
        auto* c = New<TRkConstraint>();
        c->ConstraintType = type;
        c->SeparatorFollows = table ? 1 : 0;
        for (const std::string& w : words)
            c->TokenList->Add(w == "(" ? Tok(w, ttLeftParen) : w == ")" ? Tok(w, ttRightParen) : Kw(w));
        c->ColumnList = columns;
        return c;
    }

    // A REFERENCES clause naming a table.
    TRkConstraintRefClause* References(const std::string& table) {
        auto* r = New<TRkConstraintRefClause>();
        r->TokenList->Add(Kw("references"));
        r->RefTable = Name(table);
        return r;
    }

    TRkColumnDef* Column(const std::string& name, const std::string& type,
                         std::initializer_list<TRkVisitedAbs*> constraints = {}) {
        auto* cd = New<TRkColumnDef>();
        cd->ColumnNameToken = Tok(name);
        cd->TokenList->Add(cd->ColumnNameToken);
        if (!type.empty()) {
            auto* t = New<TRk_TypeName>();
            t->TypeNameToken = Kw(type);
            t->TokenList->Add(t->TypeNameToken);
            cd->DataType = t;
        }
        if (constraints.size() > 0) cd->ConstraintNodes = List(constraints);
        return cd;
    }

private:
    TSourceToken* Raw(const std::string& text, std::uint8_t type) {
        auto t = MakeSourceToken(text, type, 0, 0, 1, 1);
        t->PosInList = Tokens.Count();
        t->OwnerList = &Tokens;
        TSourceToken* raw = t.get();
        Tokens.Add(std::move(t));
        return raw;
    }
};
