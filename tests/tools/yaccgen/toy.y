/* A small language for comparing yaccgen's tables with bison's parser:
   expressions with precedence, statement lists, blocks, a dangling else
   and error recovery.  bison compiles the same file (as C++) into the
   reference parser; yaccgen makes the tables and the action switch that
   the test driver runs. */
%{
#include "toy_support.h"
#ifndef YYBISON
#define YYPARSER_CLASS ToyParser
#endif
%}

%define api.prefix {toy}
%define api.value.type {ToyValue}
%define parse.trace
%define lr.default-reduction consistent
%expect 1

%token <v> NUM 300
%token <v> ID 301
%token PRINT 302 IF 303 THEN 304 ELSE 305
%type <v> expr stmts

%nonassoc '<'
%left '+' '-'
%left '*' '/'
%right '^'
%right UMINUS

%start program
%%
program: stmts                  { toy_emit(1000 + $1); }
       ;
stmts: %empty                   { $$ = 0; }
     | stmts stmt               { $$ = $1 + 1; }
     ;
stmt: expr ';'                  { toy_emit($1); }
    | PRINT expr ';'            { toy_emit(-$2); }
    | ID ':' expr ';'           { toy_emit($1 * 100000 + $3); }
    | IF expr THEN stmt
    | IF expr THEN stmt ELSE stmt
    | '{' stmts '}'             { toy_emit(2000 + $2); }
    | error ';'                 { toy_emit(-1); }
    | ';'
    ;
expr: expr '+' expr             { $$ = toy_wrap($1 + $3); }
    | expr '-' expr             { $$ = toy_wrap($1 - $3); }
    | expr '*' expr             { $$ = toy_wrap($1 * $3); }
    | expr '/' expr             { $$ = $3 ? $1 / $3 : 0; }
    | expr '^' expr             { $$ = toy_wrap($1 * 31 + $3); }
    | expr '<' expr             { $$ = $1 < $3; }
    | '-' expr %prec UMINUS     { $$ = -$2; }
    | '(' expr ')'              { $$ = $2; }
    | '(' error ')'             { $$ = 7; }
    | NUM
    | ID                        { $$ = 50 + $1; }
    ;
%%
