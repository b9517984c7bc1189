// A small SQL-like grammar driven by the shared LALR driver loop: a query
// with a target list, FROM and WHERE; OR, AND and "+" operators;
// parenthesised expressions, sub-queries and IN lists.
#pragma once

#include "nodes/u_nodes.h"
#include "parse/rkyacclib.h"

struct toyYYSType {
    TSourceToken* token = nullptr;
    TRk_Node* node = nullptr;
    TRk_List* list = nullptr;
};

// Token codes of the toy grammar's keywords.
enum : int { ToySelect = 301, ToyFrom = 302, ToyWhere = 303, ToyAnd = 304, ToyOr = 305, ToyIn = 306 };

class TToyParser : public TRkLalrParser<toyYYSType> {
public:
    TToyParser();
    const char* ClassName() const override { return "TToyParser"; }

protected:
    void yyaction(int yyruleno) override;
    void SetTokenCell(toyYYSType& V, TSourceToken* T) override { V.token = T; }
    bool TokenName(int Code, std::string& Name) override;
};
