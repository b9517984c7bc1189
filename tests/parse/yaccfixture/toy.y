%{
#include "toy_parser.h"
#include "nodes/u_nodes_generic.h"
#include "nodes/u_parsenodes.h"
#include "statementstructure/rkexpression.h"
#define YYPARSER_CLASS TToyParser
%}

%define api.prefix {toy}
%define api.value.type {toyYYSType}

%token <token> IDENT 262
%token <token> NUMBER 265
%token <token> KW_SELECT 301
%token <token> KW_FROM 302
%token <token> KW_WHERE 303
%token <token> KW_AND 304
%token <token> KW_OR 305
%token <token> KW_IN 306

%type <node> stmt select_stmt opt_where expr
%type <list> target_list expr_list

%left KW_OR
%left KW_AND
%left '+'
%nonassoc KW_IN

%start stmt

%%

stmt
    : select_stmt               { RootNode = $1; $$ = $1; }
    ;

select_stmt
    : KW_SELECT target_list KW_FROM IDENT opt_where
        {
            TRk_SelectStmt* s = NewNode<TRk_SelectStmt>(true);
            s->SelectToken = $1;
            s->TargetList = $2;
            s->FromList = MakeList($4, true);
            s->WhereCondition = $5;
            s->TokenList->Add($1);
            $$ = s;
        }
    ;

target_list
    : expr                      { $$ = MakeList($1, true); }
    | target_list ',' expr      { $3->SeparatorToken = $<token>2; $$ = AppendToList($1, $3, true); }
    ;

opt_where
    : /* empty */               { $$ = nullptr; }
    | KW_WHERE expr             { $$ = $2; }
    ;

expr
    : expr KW_OR expr           { $$ = MakeExpression(Expr_OR, $2, $1, $3); }
    | expr KW_AND expr          { $$ = MakeExpression(Expr_AND, $2, $1, $3); }
    | expr '+' expr             { $$ = MakeExpression(Expr_Arithmetic, $<token>2, $1, $3); }
    | '(' expr ')'
        {
            TRkCustomExpression* e = MakeExpression(Expr_Parenthesis, nullptr, $2, nullptr);
            e->TokenList->Add($<token>1);
            e->TokenList->Add($<token>3);
            $$ = e;
        }
    | '(' select_stmt ')'
        {
            TRkCustomExpression* e = MakeExpression(Expr_subquery, nullptr, $2, nullptr);
            $$ = e;
        }
    | expr KW_IN '(' expr_list ')'
        {
            TRkCustomExpression* list = MakeExpression(Expr_Parenthesis, nullptr, $4, nullptr);
            list->TokenList->Add($<token>3);
            list->TokenList->Add($<token>5);
            $$ = MakeExpression(Expr_In, $2, $1, list);
        }
    | IDENT
        {
            TRk_Attr* a = NewNode<TRk_Attr>(true);
            a->NameToken = $1;
            $$ = a;
        }
    | '?'
        {
            // An action that gives the parse up.
            yyflag = 2;
            $$ = nullptr;
        }
    | NUMBER
        {
            TRk_A_Const* c = NewNode<TRk_A_Const>(true);
            c->ConstKind = 55;
            c->ValueToken = $1;
            c->TokenList->Add($1);
            $$ = c;
        }
    ;

expr_list
    : expr                      { $$ = MakeList($1, true); }
    | expr_list ',' expr        { $3->SeparatorToken = $<token>2; $$ = AppendToList($1, $3, true); }
    ;

%%

TToyParser::TToyParser() : TRkLalrParser<toyYYSType>(toy::tables) {}

bool TToyParser::TokenName(int Code, std::string& Name) {
    switch (Code) {
        case toy::IDENT: Name = "Identifier"; return true;
        case toy::KW_SELECT: Name = "Select"; return true;
        case toy::KW_FROM: Name = "From"; return true;
        case toy::KW_WHERE: Name = "Where"; return true;
        case toy::KW_AND: Name = "And"; return true;
        case toy::KW_OR: Name = "Or"; return true;
        case toy::KW_IN: Name = "In"; return true;
        case '(': Name = "("; return true;
        case ')': Name = ")"; return true;
        case ',': Name = ","; return true;
        case '+': Name = "+"; return true;
        default: return false;
    }
}
