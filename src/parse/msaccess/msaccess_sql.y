/* MS Access SQL grammar.  Read by yaccgen at build time (and by bison as a
 * cross-check of the conflict counts).  Every action builds its nodes in the
 * parser's node pool; the own tokens of each node are appended in source
 * order, since the plain text of a node is regenerated from them.
 *
 * Some words of this grammar are no keywords of the Access scanner (FOR,
 * FULL, CHECK, DEFAULT, CASE, ...): they arrive as identifiers, so their
 * productions are never reached, yet they shape the tables and are named in
 * expected-token texts. */
%{
#include "parse/msaccess/rkyaccmsaccesssql.h"
#include "statementstructure/sqlstatement_select.h"
#define YYPARSER_CLASS TRkParserMsaccessSql
%}

%define api.prefix {msaccess}
%define api.value.type {accessYYSType}
// %value-cells accessors: the record is one tagged pointer (parse/rkyaccvalue.h).
/* Token codes: the names and numbers of parse/msaccess/msaccesstokens.h. */
%token <token> IDENT 262 NUMBER_LIT 265 STRING_LIT 266 INTEGER_LIT 267
%token <token> OPERATOR 269 AT_NAME 274
%token <token> KW_ACTION 408 KW_ADD 275 KW_ALL 276 KW_ALPHANUMBERIC 277 KW_ALTER 278 KW_AND 279
%token <token> KW_ANY 280 KW_AS 281 KW_ASC 282 KW_AT 434 KW_BETWEEN 285 KW_BIT 286
%token <token> KW_BOOLEAN 287 KW_BOTH 422 KW_BULK 447 KW_BY 288 KW_CASCADE 407 KW_CASE 429
%token <token> KW_CHAR 289 KW_CHARACTER 290 KW_CHECK 411 KW_COLUMN 293 KW_CONSTRAINT 292
%token <token> KW_COUNT 291 KW_COUNTER 294 KW_CREATE 295 KW_CROSS 435 KW_CURRENCY 296
%token <token> KW_DATABASE 297 KW_DATE 298 KW_DAY 431 KW_DEFAULT 406 KW_DELETE 299 KW_DESC 300
%token <token> KW_DISALLOW 301 KW_DISTINCT 302 KW_DISTINCTROW 303 KW_DOUBLE 304 KW_DROP 305
%token <token> KW_ELSE 427 KW_END 428 KW_EQV 306 KW_ESCAPE 433 KW_EXCEPT 442 KW_EXISTS 307
%token <token> KW_EXTRACT 421 KW_FLOAT 308 KW_FLOAT4 309 KW_FLOAT8 310 KW_FOR 400
%token <token> KW_FOREIGN 311 KW_FORMAT 417 KW_FROM 312 KW_FULL 398 KW_GENERAL 313 KW_GROUP 314
%token <token> KW_GUID 315 KW_HAVING 316 KW_IEEEDOUBLE 317 KW_IEEESINGLE 318 KW_IGNORE 319
%token <token> KW_IMP 320 KW_IN 321 KW_INDEX 322 KW_INNER 323 KW_INSERT 324 KW_INT 325
%token <token> KW_INTEGER 326 KW_INTEGER1 327 KW_INTEGER2 328 KW_INTEGER4 329 KW_INTERSECT 396
%token <token> KW_INTERVAL 437 KW_INTO 330 KW_IS 331 KW_JOIN 332 KW_KEY 333 KW_LEADING 423
%token <token> KW_LEFT 334 KW_LEVEL 335 KW_LIKE 336 KW_LOCAL 419 KW_LOGICAL 337 KW_LOGICAL1 338
%token <token> KW_LONG 339 KW_LONGBINARY 340 KW_LONGTEXT 341 KW_MATCH 409 KW_MAX 342
%token <token> KW_MEMO 343 KW_MIN 344 KW_MINUS 397 KW_MOD 345 KW_MONEY 346 KW_NATURAL 436
%token <token> KW_NCHAR 415 KW_NOT 347 KW_NOWAIT 401 KW_NULL 348 KW_NUMBER 349 KW_NUMERIC 350
%token <token> KW_OF 405 KW_OLEOBJECT 351 KW_ON 352 KW_ONLY 404 KW_OPTION 353 KW_OR 354
%token <token> KW_ORDER 355 KW_OTHERS 438 KW_OUTER 356 KW_OWNERACCESS 357 KW_PARAMETERS 358
%token <token> KW_PARTIAL 410 KW_PERCENT 359 KW_PIVOT 360 KW_PRAGMA 439 KW_PRIMARY 361
%token <token> KW_PRIOR 432 KW_PROCEDURE 362 KW_READ 403 KW_REAL 363 KW_REFERENCES 364
%token <token> KW_RESTRICT 412 KW_RESTRICT_REFERENCES 443 KW_RIGHT 365 KW_SELECT 366
%token <token> KW_SERIALLY_REUSABLE 440 KW_SET 367 KW_SHORT 368 KW_SINGLE 369 KW_SMALLINT 370
%token <token> KW_SOME 371 KW_SQL 444 KW_SQLERRM 445 KW_START 441 KW_STDEV 372 KW_STDEVP 373
%token <token> KW_STRING 374 KW_SUM 375 KW_TABLE 376 KW_TABLED 377 KW_TEMP 414 KW_TEMPORARY 413
%token <token> KW_TEXT 378 KW_THEN 426 KW_TIME 379 KW_TIMESTAMP 380 KW_TOP 381 KW_TRAILING 424
%token <token> KW_TRANSFORM 382 KW_TRIM 420 KW_TYPECAST 446 KW_UNION 383 KW_UNIQUE 384
%token <token> KW_UPDATE 385 KW_USING 399 KW_VALUE 386 KW_VALUES 387 KW_VAR 388
%token <token> KW_VARBINARY 389 KW_VARCHAR 392 KW_VARCHAR2 416 KW_VARP 390 KW_WAIT 402
%token <token> KW_WHEN 425 KW_WHERE 393 KW_WITH 394 KW_XOR 391 KW_YEAR 430 KW_YESNO 395
%token <token> KW_ZONE 418
%token <token> KW_TYPE 462
/* Grammar words without a name of their own. */
%token <token> KW_X284 284 KW_X448 448 KW_X449 449 KW_X450 450
%token <token> '(' ')' ',' '.' ';' '*' '+' '-' '/' '%' '^' '<' '>' '=' '[' ']'
%token <token> DOUBLE_DOT 273

%type <node> statement_list statement select_stmt select_with_parens select_no_parens select_clause
%type <node> simple_select opt_for_update_clause for_update_clause sortby
%type <node> opt_distinct opt_top table_ref relation_ref joined_table relation_expr qualified_name
%type <node> dotted_name table_alias alias_clause join_qual
%type <node> insert_stmt update_stmt delete_stmt insert_rest set_clause
%type <node> create_table_stmt table_element column_def col_constraint col_constraint_elem
%type <node> table_constraint constraint_elem
%type <node> expr simple_expr target_expr primary_expr in_operand row_comparison target_el
%type <node> literal func_name func_expr special_func_expr extract_list trim_list
%type <node> case_expr case_arg when_clause
%type <node> index_stmt drop_table_stmt drop_index_stmt index_elem
%type <clause> sort_clause opt_nowait into_clause from_clause where_clause group_clause having_clause
%type <clause> join_type opt_outer opt_column_list opt_temp key_match key_actions key_delete key_update
%type <clause> key_action opt_float_precision opt_numeric_precision character_keyword quantifier
%type <clause> case_default
%type <list> sortby_list update_column_list from_list dotted_alias column_list set_clause_list
%type <list> table_element_list col_constraint_list opt_array_bounds expr_list in_expr_list
%type <list> multi_expr_list multi_expr_list_head target_list name_part_list name_list
%type <list> when_clause_list index_params index_elem_list
%type <type> typename simple_typename base_typename generic_type numeric_type character_type
%type <type> datetime_type long_type
%type <token> opt_all opt_asc_desc name_item index_column index_name col_id type_id index_func_name
%type <token> alias_id int_literal number_literal string_literal unreserved_keyword type_keyword
%type <token> func_keyword reserved_keyword subquery_op single_char_op extract_field opt_unique

/* Precedence, loosest first. */
%left KW_UNION KW_INTERSECT KW_MINUS
%left KW_AND KW_OR
%right KW_NOT
%right '='
%nonassoc '<' '>'
%nonassoc KW_LIKE
%nonassoc KW_BETWEEN KW_IN
%left OPERATOR
%left KW_IS
%left '+' '-'
%left '*' '/' '%'
%left '^'
%right P_UMINUS
/* A table name (or one with its column list) followed by VALUES ends the
 * table reference: VALUES would otherwise be read as its alias. */
%nonassoc KW_VALUES
%nonassoc P_RELATION

%start statement_list
// The conflicts that precedence leaves, all resolved by shifting; the
// generators say so only when their number changes.
%expect 83
// %expect-unused 32: token codes of the shared layout that no rule reads.

%%

/* ---- Statements ---------------------------------------------------- */

statement_list
    : statement_list ';' statement      { $$ = $1; }
    | statement                         { SetRootOnce($1); $$ = $1; }
    ;

statement
    : select_stmt                       { $$ = $1; }
    | insert_stmt                       { $$ = $1; }
    | update_stmt                       { $$ = $1; }
    | delete_stmt                       { $$ = $1; }
    | create_table_stmt                 { $$ = $1; }
    | index_stmt                        { $$ = $1; }
    | drop_table_stmt                   { $$ = $1; }
    | drop_index_stmt                   { $$ = $1; }
    | /* empty */                       { $$ = nullptr; }
    ;

/* ---- Queries ------------------------------------------------------- */

select_stmt
    : select_no_parens                  { $$ = $1; }
    | select_with_parens                { $$ = $1; }
    ;

select_with_parens
    : '(' select_no_parens ')'          { $$ = WrapParens($2, $1, $3); }
    | '(' select_with_parens ')'        { $$ = WrapParens($2, $1, $3); }
    ;

select_no_parens
    : simple_select                     { $$ = $1; }
    | select_clause sort_clause opt_for_update_clause
        { auto* q = Sel($1);
          InsertSelectOptions(q, $2->List1, NC($3), nullptr);
          q->InnerParenCount = q->ParenCount; q->ParenCount = 0;
          q->OrderByClause = NC($2); $$ = q; }
    | select_clause for_update_clause
        { auto* q = Sel($1);
          InsertSelectOptions(q, nullptr, NC($2), nullptr);
          q->InnerParenCount = q->ParenCount; q->ParenCount = 0; $$ = q; }
    ;

select_clause
    : simple_select                     { $$ = $1; }
    | select_with_parens                { $$ = $1; }
    ;

simple_select
    : KW_SELECT opt_distinct opt_top target_list into_clause from_clause where_clause
      group_clause having_clause
        { auto* q = New<TRk_SelectStmt>();
          q->SelectToken = NC($1); q->DistinctClause = NC($2); q->TopClause = NC($3); q->TargetList = NC($4);
          q->IntoList = NC($5->List1); q->IntoClause = NC($5);
          q->FromList = NC($6->List1); q->FromClause = NC($6);
          q->WhereCondition = NC($7->Sub1); q->WhereClause = NC($7);
          q->GroupByList = NC($8->List1); q->GroupByClause = NC($8);
          q->HavingCondition = NC($9->Sub1); q->HavingClause = NC($9);
          Tk(q, $1); $$ = q; }
    | select_clause KW_UNION opt_all select_clause
        { auto* q = MakeSelectNode($3 ? 2 : 1, $2, $1, $4); q->SetAllToken = NC($3); $$ = q; }
    | select_clause KW_INTERSECT opt_all select_clause
        { auto* q = MakeSelectNode(4, $2, $1, $4); q->SetAllToken = NC($3); $$ = q; }
    | select_clause KW_MINUS opt_all select_clause
        { auto* q = MakeSelectNode(3, $2, $1, $4); q->SetAllToken = NC($3); $$ = q; }
    ;

opt_all
    : KW_ALL
    | /* empty */                       { $$ = nullptr; }
    ;

sort_clause
    : KW_ORDER KW_BY sortby_list        { auto* h = Holder(); h->List1 = NC($3); Tk(h, $1, $2); $$ = h; }
    ;

sortby_list
    : sortby                            { $$ = L1($1); }
    | sortby_list ',' sortby            { $$ = Ap($1, $3); Sep($3, $2); }
    ;

sortby
    : expr opt_asc_desc
        { auto* s = New<TRk_SortGroupBy>(); s->SortExpr = NC($1); s->SortToken = NC($2); $$ = s; }
    ;

opt_asc_desc
    : KW_ASC                            { $$ = $1; }
    | KW_DESC                           { $$ = $1; }
    | /* empty */                       { $$ = nullptr; }
    ;

opt_for_update_clause
    : for_update_clause
    | /* empty */                       { $$ = nullptr; }
    ;

for_update_clause
    : KW_FOR KW_UPDATE KW_OF update_column_list opt_nowait
        { auto* f = New<TRk_for_update_clause>(); f->ColumnList = NC($4); f->WaitOption = NC($5);
          f->ForUpdateKind = 1; Tk(f, $1, $2, $3); $$ = f; }
    | KW_FOR KW_READ KW_ONLY
        { auto* f = New<TRk_for_update_clause>(); f->ForUpdateKind = 2; Tk(f, $1, $2, $3); $$ = f; }
    | KW_FOR KW_UPDATE opt_nowait
        { auto* f = New<TRk_for_update_clause>(); f->WaitOption = NC($3); f->ForUpdateKind = 3;
          Tk(f, $1, $2); $$ = f; }
    ;

opt_nowait
    : KW_NOWAIT                         { auto* h = Holder(); h->Str1Token = $1; Tk(h, $1); $$ = h; }
    | KW_WAIT int_literal               { auto* h = Holder(); h->Str1Token = $1; h->Int1 = IntOf($2); Tk(h, $1, $2); $$ = h; }
    | /* empty */                       { $$ = nullptr; }
    ;

update_column_list
    : qualified_name                    { $$ = L1($1); }
    | update_column_list ',' qualified_name { $$ = Ap($1, $3); Sep($3, $2); }
    ;

/* ---- SELECT clauses ------------------------------------------------ */

opt_distinct
    : KW_DISTINCT                       { $$ = Distinct(1, $1); }
    | KW_DISTINCT KW_ON '(' expr_list ')'
        { auto* d = Distinct(2, $1); d->OnList = NC($4); Tk(d, $2, $3, $5); $$ = d; }
    | KW_ALL                            { $$ = Distinct(3, $1); }
    | KW_UNIQUE                         { $$ = Distinct(4, $1); }
    | KW_DISTINCTROW                    { $$ = Distinct(5, $1); }
    | /* empty */                       { $$ = Distinct(0, nullptr); }
    ;

opt_top
    : KW_TOP int_literal
        { auto* t = New<TRkTopClause>(); t->NumberToken = NC($2); t->Setpercent(0); t->Setwithties(0);
          Tk(t, $1); $$ = t; }
    | KW_TOP int_literal KW_PERCENT
        { auto* t = New<TRkTopClause>(); t->NumberToken = NC($2); t->Setpercent(1); t->Setwithties(0);
          Tk(t, $1, $3); $$ = t; }
    | /* empty */                       { $$ = nullptr; }
    ;

into_clause
    : KW_INTO expr_list                 { auto* h = Holder(); h->List1 = NC($2); Tk(h, $1); $$ = h; }
    | /* empty */                       { $$ = Holder(); }
    ;

from_clause
    : KW_FROM from_list                 { auto* h = Holder(); h->List1 = NC($2); Tk(h, $1); $$ = h; }
    | /* empty */                       { $$ = Holder(); }
    ;

from_list
    : table_ref                         { $$ = L1($1); }
    | from_list ',' table_ref           { $$ = Ap($1, $3); Sep($3, $2); }
    ;

where_clause
    : KW_WHERE expr                     { auto* h = Holder(); h->Sub1 = NC($2); Tk(h, $1); $$ = h; }
    | /* empty */                       { $$ = Holder(); }
    ;

group_clause
    : KW_GROUP KW_BY expr_list          { auto* h = Holder(); h->List1 = NC($3); Tk(h, $1, $2); $$ = h; }
    | /* empty */                       { $$ = Holder(); }
    ;

having_clause
    : KW_HAVING expr                    { auto* h = Holder(); h->Sub1 = NC($2); Tk(h, $1); $$ = h; }
    | /* empty */                       { $$ = Holder(); }
    ;

/* ---- Table references, joins, names and aliases -------------------- */

relation_expr
    : qualified_name
    ;

relation_ref
    : relation_expr %prec P_RELATION    { $$ = TableRef($1, nullptr); }
    | relation_expr '(' expr_list ')' %prec P_RELATION
        { auto* r = TableRef($1, nullptr); r->ColumnList = NC($3); r->HasColumnList = 1; r->NoColumnList = 0;
          Tk(r, $2, $4); $$ = r; }
    | relation_expr '(' expr_list ')' table_alias
        { auto* r = TableRef($1, $5); r->ColumnList = NC($3); r->HasColumnList = 1; r->NoColumnList = 0;
          Tk(r, $2, $4); $$ = r; }
    | relation_expr KW_WITH '(' expr_list ')'
        { auto* r = TableRef($1, nullptr); r->HintList = NC($4); r->WithToken = NC($2); Tk(r, $3, $5, $2); $$ = r; }
    | relation_expr table_alias         { $$ = TableRef($1, $2); }
    | relation_expr table_alias '(' expr_list ')'
        { auto* r = TableRef($1, $2); r->HintList = NC($4); Tk(r, $3, $5); $$ = r; }
    ;

table_ref
    : relation_ref                      { $$ = $1; }
    | select_with_parens                { $$ = TableRef($1, nullptr); }
    | select_with_parens table_alias    { $$ = TableRef($1, $2); }
    | joined_table                      { $$ = $1; }
    | '(' joined_table ')' table_alias
        { auto* j = Join(11, $2, nullptr, nullptr, nullptr); j->Alias = NC($4); Tk(j, $1, $3); $$ = j; }
    ;

joined_table
    : '(' joined_table ')'
        { auto* j = Join(11, $2, nullptr, nullptr, nullptr); Tk(j, $1, $3); $$ = j; }
    | table_ref KW_JOIN table_ref join_qual
        { auto* j = Join(0, $1, $3, $4, nullptr); Tk(j, $2); $$ = j; }
    | table_ref join_type KW_JOIN table_ref join_qual
        { auto* j = Join(static_cast<uint8_t>($2->Int1), $1, $4, $5, $2); Tk(j, $3); $$ = j; }
    ;

join_type
    : KW_FULL opt_outer                 { auto* h = Holder(); h->Int1 = $2->Int1 + 4; h->Tok1 = NC($1); h->Tok2 = $2->Tok1; $$ = h; }
    | KW_LEFT opt_outer                 { auto* h = Holder(); h->Int1 = $2->Int1 + 5; h->Tok1 = NC($1); h->Tok2 = $2->Tok1; $$ = h; }
    | KW_RIGHT opt_outer                { auto* h = Holder(); h->Int1 = $2->Int1 + 6; h->Tok1 = NC($1); h->Tok2 = $2->Tok1; $$ = h; }
    | KW_INNER                          { auto* h = Holder(); h->Int1 = 10; h->Tok1 = NC($1); $$ = h; }
    ;

opt_outer
    : KW_OUTER                          { auto* h = Holder(); h->Int1 = 3; h->Tok1 = NC($1); $$ = h; }
    | /* empty */                       { auto* h = Holder(); h->Int1 = 0; $$ = h; }
    ;

join_qual
    : KW_USING '(' name_list ')'
        { auto* q = New<TRk_joinqual>(); q->UsingList = NC($3); q->QualKind = 1; Tk(q, $1, $2, $4); $$ = q; }
    | KW_ON expr
        { auto* q = New<TRk_joinqual>(); q->OnCondition = NC($2); q->QualKind = 2; Tk(q, $1); $$ = q; }
    ;

qualified_name
    : dotted_name
    | col_id                            { $$ = PlainName($1); }
    | KW_ORDER                          { $$ = PlainName($1); }
    ;

table_alias
    : KW_AS string_literal              { $$ = Alias($1, $2, nullptr, false); }
    | KW_AS dotted_alias                { $$ = Alias($1, nullptr, $2, false); }
    | col_id                            { $$ = Alias(nullptr, $1, nullptr, true); }
    | string_literal                    { $$ = Alias(nullptr, $1, nullptr, true); }
    ;

alias_clause
    : KW_AS string_literal              { $$ = Alias($1, $2, nullptr, true); }
    | string_literal                    { $$ = Alias(nullptr, $1, nullptr, true); }
    | KW_AS dotted_alias                { $$ = Alias($1, nullptr, $2, false); }
    | dotted_alias                      { $$ = Alias(nullptr, nullptr, $1, false); }
    ;

dotted_alias
    : alias_id                          { $$ = L1($1); }
    | dotted_alias '.' alias_id         { Sep($3, $2); $$ = Ap($1, $3); }
    ;

/* ---- INSERT, UPDATE, DELETE ---------------------------------------- */

insert_stmt
    : KW_INSERT KW_INTO relation_ref insert_rest        { $$ = MakeInsert($1, $2, $3, $4); }
    | KW_INSERT relation_ref insert_rest                { $$ = MakeInsert($1, nullptr, $2, $3); }
    | KW_INSERT KW_INTO select_with_parens insert_rest  { $$ = MakeInsert($1, $2, TableRef($3, nullptr), $4); }
    | KW_INSERT select_with_parens insert_rest          { $$ = MakeInsert($1, nullptr, TableRef($2, nullptr), $3); }
    ;

insert_rest
    : KW_VALUES '(' target_list ')'
        { auto* r = New<TRkinsert_rest>(); r->ValuesList = NC($3); Tk(r, $1, $2, $4); $$ = r; }
    | select_stmt
        { auto* r = New<TRkinsert_rest>(); r->SubSelect = NC($1); $$ = r; }
    ;

column_list
    : qualified_name                    { $$ = L1($1); }
    | column_list ',' qualified_name    { $$ = Ap($1, $3); Sep($3, $2); }
    ;

opt_column_list
    : '(' column_list ')'               { auto* h = Holder(); h->List1 = NC($2); Tk(h, $1, $3); $$ = h; }
    | /* empty */                       { $$ = Holder(); }
    ;

update_stmt
    : KW_UPDATE from_list KW_SET set_clause_list from_clause where_clause
        { auto* u = New<TRk_UpdateStmt>(); SetUpdateTargets(u, $2);
          u->SetList = NC($4); u->FromList = NC($5->List1); u->FromClause = NC($5);
          u->WhereCondition = NC($6->Sub1); u->WhereClause = NC($6);
          Tk(u, $1, $3); $$ = u; }
    ;

set_clause_list
    : set_clause                        { $$ = L1($1); }
    | set_clause_list ',' set_clause    { $$ = Ap($1, $3); Sep($3, $2); }
    ;

set_clause
    : qualified_name '=' expr
        { auto* e = Ex(Expr_Comparison, $2, $1, $3); Tk(e, $2); $$ = e; }
    | AT_NAME '=' expr
        { auto* i = New<TRk_Ident>(); i->IdentToken = NC($1); Tk(i, $1); $$ = Ex(Expr_Comparison, $2, i, $3); }
    | '(' expr ')' subquery_op select_with_parens
        { $$ = Ex(Expr_AllOp, $4, Paren($1, $2, $3), $5); }
    | '(' multi_expr_list ')' subquery_op select_with_parens
        { $$ = Ex(Expr_AllOp, $4, Paren($1, $2, $3), $5); }
    | '(' multi_expr_list ')' subquery_op '(' multi_expr_list ')'
        { $$ = Ex(Expr_AllOp, $4, Paren($1, $2, $3), Paren($5, $6, $7)); }
    ;

delete_stmt
    : KW_DELETE KW_FROM relation_ref from_clause where_clause   { $$ = MakeDelete($1, $2, $3, $4, $5); }
    | KW_DELETE relation_ref from_clause where_clause           { $$ = MakeDelete($1, nullptr, $2, $3, $4); }
    ;

/* ---- CREATE TABLE, constraints, statements without a tree ---------- */

create_table_stmt
    : KW_CREATE opt_temp KW_TABLE qualified_name '(' table_element_list ')'
        { auto* c = NewCreateTable($1, $2, $3, $4); c->ElementList = NC($6); Tk(c, $5, $7); $$ = c; }
    | KW_CREATE opt_temp KW_TABLE qualified_name KW_AS select_stmt
        { auto* c = NewCreateTable($1, $2, $3, $4); c->Query = NC($6); c->AsToken = NC($5); $$ = c; }
    | KW_CREATE opt_temp KW_TABLE qualified_name '(' name_list ')' KW_AS select_stmt
        { auto* c = NewCreateTable($1, $2, $3, $4); c->ColumnNameList = NC($6); c->Query = NC($9);
          c->AsToken = NC($8); Tk(c, $5, $7); $$ = c; }
    ;

opt_temp
    : KW_TEMPORARY                      { auto* h = Holder(); h->Int1 = 1; h->Tok1 = NC($1); $$ = h; }
    | KW_TEMP                           { auto* h = Holder(); h->Int1 = 2; h->Tok1 = NC($1); $$ = h; }
    | /* empty */                       { auto* h = Holder(); h->Int1 = 0; $$ = h; }
    ;

table_element_list
    : table_element                     { $$ = L1($1); }
    | table_element_list ',' table_element { $$ = Ap($1, $3); Sep($3, $2); }
    ;

table_element
    : column_def                        { $$ = $1; }
    | table_constraint                  { $$ = $1; }
    ;

column_def
    : col_id typename col_constraint_list
        { auto* d = New<TRkColumnDef>(); d->ColumnNameToken = NC($1); d->SetDataType($2); d->ConstraintNodes = NC($3);
          Tk(d, $1); $$ = d; }
    | col_id typename
        { auto* d = New<TRkColumnDef>(); d->ColumnNameToken = NC($1); d->SetDataType($2); Tk(d, $1); $$ = d; }
    ;

col_constraint_list
    : col_constraint                    { $$ = L1($1); }
    | col_constraint_list col_constraint { $$ = Ap($1, $2); }
    ;

col_constraint
    : KW_CONSTRAINT name_item col_constraint_elem   { $$ = Named($3, $1, $2); }
    | col_constraint_elem
    ;

col_constraint_elem
    : KW_NOT KW_NULL                    { auto* c = Constraint(0, 1); Tk(c, $1, $2); $$ = c; }
    | KW_NULL                           { auto* c = Constraint(0, 2); Tk(c, $1); $$ = c; }
    | KW_UNIQUE                         { auto* c = Constraint(0, 3); Tk(c, $1); $$ = c; }
    | KW_PRIMARY KW_KEY                 { auto* c = Constraint(0, 4); Tk(c, $1, $2); $$ = c; }
    | KW_CHECK '(' expr ')'
        { auto* c = Constraint(0, 6); c->Expression = NC($3); Tk(c, $1, $2, $4); $$ = c; }
    | KW_DEFAULT simple_expr
        { auto* c = Constraint(0, 7); c->Expression = NC($2); Tk(c, $1); $$ = c; }
    | KW_REFERENCES qualified_name opt_column_list key_match key_actions
        { auto* c = Constraint(0, 8); RefClause(c, $1, $2, $3, $4, $5); $$ = c; }
    ;

table_constraint
    : KW_CONSTRAINT name_item constraint_elem       { $$ = Named($3, $1, $2); }
    | constraint_elem                   { $$ = $1; }
    ;

constraint_elem
    : KW_CHECK '(' expr ')'
        { auto* c = Constraint(1, 6); c->Expression = NC($3); Tk(c, $1, $2, $4); $$ = c; }
    | KW_UNIQUE '(' column_list ')'
        { auto* c = Constraint(1, 3); c->ColumnList = NC($3); Tk(c, $1, $2, $4); $$ = c; }
    | KW_PRIMARY KW_KEY '(' column_list ')'
        { auto* c = Constraint(1, 4); c->ColumnList = NC($4); Tk(c, $1, $2, $3, $5); $$ = c; }
    | KW_FOREIGN KW_KEY '(' column_list ')'
        { auto* c = Constraint(1, 5); c->ColumnList = NC($4); c->SetRefClause(nullptr); Tk(c, $1, $2, $3, $5); $$ = c; }
    | KW_FOREIGN KW_KEY '(' column_list ')' KW_REFERENCES qualified_name opt_column_list key_match key_actions
        { auto* c = Constraint(1, 5); c->ColumnList = NC($4); Tk(c, $1, $2, $3, $5);
          RefClause(c, $6, $7, $8, $9, $10); $$ = c; }
    ;

key_match
    : KW_MATCH KW_FULL                  { auto* h = Holder(); h->Int1 = 1; h->Tok1 = NC($1); h->Tok2 = NC($2); $$ = h; }
    | KW_MATCH KW_PARTIAL               { auto* h = Holder(); h->Int1 = 2; h->Tok1 = NC($1); h->Tok2 = NC($2); $$ = h; }
    | /* empty */                       { auto* h = Holder(); h->Int1 = 0; $$ = h; }
    ;

key_actions
    : key_delete                        { auto* h = KeyActions(1, $1, nullptr); h->Int2 = $1->Int1; $$ = h; }
    | key_update                        { auto* h = KeyActions(2, $1, nullptr); h->Int3 = $1->Int1; $$ = h; }
    | key_delete key_update
        { auto* h = KeyActions(3, $1, $2); h->Int2 = $1->Int1; h->Int3 = $2->Int1; $$ = h; }
    | key_update key_delete
        { auto* h = KeyActions(3, $1, $2); h->Int2 = $2->Int1; h->Int3 = $1->Int1; $$ = h; }
    | /* empty */                       { auto* h = Holder(); h->Int1 = 0; $$ = h; }
    ;

key_delete
    : KW_ON KW_DELETE key_action        { $3->Tok3 = NC($1); $3->Tok4 = NC($2); $$ = $3; }
    ;

key_update
    : KW_ON KW_UPDATE key_action        { $3->Tok3 = NC($1); $3->Tok4 = NC($2); $$ = $3; }
    ;

key_action
    : KW_RESTRICT                       { $$ = KeyAction(1, $1, nullptr); }
    | KW_CASCADE                        { $$ = KeyAction(2, $1, nullptr); }
    | KW_SET KW_NULL                    { $$ = KeyAction(3, $1, $2); }
    | KW_SET KW_DEFAULT                 { $$ = KeyAction(4, $1, $2); }
    ;

/* CREATE INDEX, DROP TABLE and DROP INDEX build the nodes the other dialects
 * build, so their statements are analyzed and walked like theirs. */
index_stmt
    : KW_CREATE opt_unique KW_INDEX index_name KW_ON qualified_name '(' index_params ')'
        { auto* c = New<TRk_CreateIndexSqlStatement>(); c->IndexKind = $2 ? 1 : 0; c->IndexKindToken = $2;
          c->IndexName = PlainName($4); c->TableName = NC($6); c->ColumnList = NC($8); Tk(c, $1, $3, $5, $7, $9);
          $$ = $8 ? c : nullptr; }
    ;

opt_unique
    : KW_UNIQUE
    | /* empty */                       { $$ = nullptr; }
    ;

/* An index over a function builds no node (and so no statement tree). */
index_params
    : index_elem_list                   { $$ = $1; }
    | func_index                        { $$ = nullptr; }
    ;

index_elem_list
    : index_elem                        { $$ = L1($1); }
    | index_elem_list ',' index_elem    { Sep($3, $2); $$ = Ap($1, $3); }
    ;

func_index
    : index_func_name '(' name_list ')'
    ;

index_elem
    : index_column                      { $$ = IndexColumn($1, nullptr, 0); }
    | index_column KW_ASC               { $$ = IndexColumn($1, $2, 1); }
    | index_column KW_DESC              { $$ = IndexColumn($1, $2, 2); }
    ;

drop_table_stmt
    : KW_DROP KW_TABLE qualified_name
        { auto* d = New<TRk_DropTableStmt>(); d->TableName = NC($3); Tk(d, $1, $2); $$ = d; }
    ;

drop_index_stmt
    : KW_DROP KW_INDEX qualified_name
        { auto* d = New<TRk_DropIndexSqlStatement>(); d->IndexName = NC($3); Tk(d, $1, $2); $$ = d; }
    ;

/* ---- Data types ---------------------------------------------------- */

typename
    : simple_typename opt_array_bounds  { $1->ArrayBounds = NC($2); $$ = $1; }
    ;

opt_array_bounds
    : opt_array_bounds '[' ']'          { $$ = Ap($1, Adopt(MakeIntegerValue(0))); }
    | opt_array_bounds '[' int_literal ']' { $$ = Ap($1, Adopt(MakeIntegerValue(IntOf($3)))); }
    | /* empty */                       { $$ = nullptr; }
    ;

simple_typename
    : base_typename
    ;

base_typename
    : generic_type
    | numeric_type
    | character_type
    | datetime_type
    | long_type
    ;

generic_type
    : type_id                           { $$ = TypeName(2, $1); }
    ;

numeric_type
    : KW_IEEEDOUBLE                     { $$ = TypeName(6, $1); }
    | KW_INTEGER                        { $$ = TypeName(12, $1); }
    | KW_INT                            { $$ = TypeName(33, $1); }
    | KW_INTEGER1                       { $$ = TypeName(13, $1); }
    | KW_INTEGER2                       { $$ = TypeName(14, $1); }
    | KW_INTEGER4                       { $$ = TypeName(15, $1); }
    | KW_SMALLINT                       { $$ = TypeName(34, $1); }
    | KW_REAL                           { $$ = TypeName(35, $1); }
    | KW_BIT                            { $$ = TypeName(16, $1); }
    | KW_BOOLEAN                        { $$ = TypeName(17, $1); }
    | KW_LOGICAL                        { $$ = TypeName(18, $1); }
    | KW_LOGICAL1                       { $$ = TypeName(19, $1); }
    | KW_YESNO                          { $$ = TypeName(20, $1); }
    | KW_CURRENCY                       { $$ = TypeName(21, $1); }
    | KW_MONEY                          { $$ = TypeName(22, $1); }
    | KW_SINGLE                         { $$ = TypeName(23, $1); }
    | KW_IEEESINGLE                     { $$ = TypeName(24, $1); }
    | KW_SHORT                          { $$ = TypeName(25, $1); }
    | KW_FLOAT opt_float_precision      { $$ = TypeName(3, $1, $2); }
    | KW_FLOAT4 opt_float_precision     { $$ = TypeName(4, $1, $2); }
    | KW_FLOAT8 opt_float_precision     { $$ = TypeName(5, $1, $2); }
    | KW_NUMERIC opt_numeric_precision  { $$ = TypeName(10, $1, $2); }
    | KW_NUMBER opt_numeric_precision   { $$ = TypeName(11, $1, $2); }
    ;

opt_float_precision
    : '(' int_literal ')'               { $$ = Precision($1, $2, nullptr, nullptr, $3); }
    | /* empty */                       { $$ = nullptr; }
    ;

opt_numeric_precision
    : '(' int_literal ',' int_literal ')' { $$ = Precision($1, $2, $3, $4, $5); }
    | '(' int_literal ')'               { $$ = Precision($1, $2, nullptr, nullptr, $3); }
    | /* empty */                       { $$ = nullptr; }
    ;

character_type
    : character_keyword '(' int_literal ')' { $$ = CharType($1, $2, $3, $4); }
    | character_keyword                 { $$ = CharType($1, nullptr, nullptr, nullptr); }
    ;

character_keyword
    : KW_CHAR                           { auto* h = Holder(); h->Int1 = 40; Tk(h, $1); $$ = h; }
    | KW_NCHAR                          { auto* h = Holder(); h->Int1 = 48; Tk(h, $1); $$ = h; }
    | KW_VARCHAR                        { auto* h = Holder(); h->Int1 = 41; Tk(h, $1); $$ = h; }
    | KW_VARCHAR2                       { auto* h = Holder(); h->Int1 = 45; Tk(h, $1); $$ = h; }
    ;

datetime_type
    : KW_TIMESTAMP                      { $$ = TypeName(50, $1); }
    | KW_TIMESTAMP '(' int_literal ')'
        { auto* t = TypeName(50, $1); t->Param1 = IntOf($3); Tk(t, $2, $3, $4); $$ = t; }
    | KW_TIMESTAMP KW_WITH KW_TIME KW_ZONE
        { auto* t = TypeName(51, $1); Tk(t, $2, $3, $4); $$ = t; }
    | KW_TIMESTAMP KW_WITH KW_LOCAL KW_TIME KW_ZONE
        { auto* t = TypeName(52, $1); Tk(t, $2, $3, $4, $5); $$ = t; }
    | KW_TIMESTAMP '(' int_literal ')' KW_WITH KW_TIME KW_ZONE
        { auto* t = TypeName(51, $1); t->Param1 = IntOf($3); Tk(t, $2, $3, $4, $5, $6, $7); $$ = t; }
    | KW_TIMESTAMP '(' int_literal ')' KW_WITH KW_LOCAL KW_TIME KW_ZONE
        { auto* t = TypeName(52, $1); t->Param1 = IntOf($3); Tk(t, $2, $3, $4, $5, $6, $7, $8); $$ = t; }
    | KW_DATE
        { auto* t = TypeName(49, nullptr); Tk(t, $1); $$ = t; }
    | KW_DATE KW_FORMAT string_literal
        { auto* t = TypeName(53, $1); t->MidToken = NC($3); Tk(t, $2, $3); $$ = t; }
    | KW_TIME
        { auto* t = TypeName(54, nullptr); Tk(t, $1); $$ = t; }
    ;

long_type
    : KW_LONG                           { $$ = TypeName(58, $1); }
    | KW_LONGTEXT                       { $$ = TypeName(71, $1); }
    | KW_LONGBINARY                     { $$ = TypeName(28, $1); }
    | KW_MEMO                           { $$ = TypeName(29, $1); }
    | KW_GENERAL                        { $$ = TypeName(30, $1); }
    | KW_OLEOBJECT                      { $$ = TypeName(31, $1); }
    | KW_TEXT                           { $$ = TypeName(69, $1); }
    | KW_GUID                           { $$ = TypeName(32, $1); }
    ;

/* ---- Row-value predicates ------------------------------------------ */

row_comparison
    : '(' multi_expr_list ')' KW_IN select_with_parens
        { $$ = Ex(Expr_In, $4, Paren($1, $2, $3), $5); }
    | '(' multi_expr_list ')' KW_NOT KW_IN select_with_parens
        { auto* e = Ex(Expr_NotIn, $4, Paren($1, $2, $3), $6); Tk(e, $4, $5); $$ = e; }
    | '(' multi_expr_list ')' subquery_op quantifier select_with_parens
        { $$ = Quantified(Ex(Expr_AllOp, $4, Paren($1, $2, $3), $6), $5); }
    | '(' multi_expr_list ')' subquery_op select_with_parens
        { $$ = Ex(Expr_AllOp, $4, Paren($1, $2, $3), $5); }
    | '(' multi_expr_list ')' subquery_op '(' multi_expr_list ')'
        { $$ = Ex(Expr_AllOp, $4, Paren($1, $2, $3), Paren($5, $6, $7)); }
    | '(' multi_expr_list ')' subquery_op quantifier '(' multi_expr_list ')'
        { $$ = Quantified(Ex(Expr_AllOp, $4, Paren($1, $2, $3), Paren($6, $7, $8)), $5); }
    ;

/* ---- Names and literals -------------------------------------------- */

dotted_name
    : col_id '.' name_part_list         { auto* a = DottedName($1, $2, $3); Tk(a, $1, $2); $$ = a; }
    | col_id DOUBLE_DOT name_part_list  { $$ = DottedName($1, $2, $3); }
    | KW_FULL '.' name_part_list        { $$ = DottedName($1, $2, $3); }
    | KW_LEFT '.' name_part_list        { $$ = DottedName($1, $2, $3); }
    | KW_ORDER '.' name_part_list       { $$ = DottedName($1, $2, $3); }
    ;

name_part_list
    : col_id                            { $$ = L1($1); }
    | KW_FULL                           { $$ = L1($1); }
    | KW_LEFT                           { $$ = L1($1); }
    | KW_ORDER                          { $$ = L1($1); }
    | name_part_list '.' col_id         { Sep($3, $2); $$ = Ap($1, $3); }
    | name_part_list DOUBLE_DOT col_id  { Sep($3, $2); $$ = Ap($1, $3); }
    | name_part_list '.' '*'            { Sep($3, $2); $$ = Ap($1, $3); }
    ;

name_list
    : name_item                         { $$ = L1($1); }
    | name_list ',' name_item           { Sep($3, $2); $$ = Ap($1, $3); }
    ;

name_item       : col_id ;
index_column    : col_id ;
index_name      : col_id ;

col_id
    : IDENT
    | unreserved_keyword
    | type_keyword
    ;

type_id
    : IDENT
    | unreserved_keyword
    ;

index_func_name
    : IDENT
    | unreserved_keyword
    | func_keyword
    ;

alias_id
    : IDENT
    | unreserved_keyword
    | type_keyword
    | func_keyword
    | reserved_keyword
    ;

literal
    : int_literal                       { $$ = Const(55, $1); }
    | number_literal                    { $$ = Const(48, $1); }
    | string_literal                    { $$ = Const(172, $1); }
    | KW_NULL                           { $$ = Const(64, $1); }
    ;

int_literal     : INTEGER_LIT ;
number_literal  : NUMBER_LIT ;
string_literal  : STRING_LIT ;

unreserved_keyword
    : KW_BY | KW_COUNT | KW_DATABASE | KW_DOUBLE | KW_INSERT | KW_LEVEL | KW_MAX | KW_MIN | KW_MOD
    | KW_OPTION | KW_OUTER | KW_STDEV | KW_STDEVP | KW_SUM | KW_TABLED | KW_VALUE | KW_VALUES | KW_VAR
    | KW_VARP
    | KW_ACTION | KW_BOTH | KW_EXTRACT | KW_LEADING | KW_LOCAL | KW_MATCH | KW_NOWAIT | KW_OF
    | KW_PARTIAL | KW_READ | KW_RESTRICT | KW_TEMPORARY | KW_THEN | KW_TRAILING | KW_TRIM | KW_TYPE
    | KW_WAIT | KW_ZONE | KW_X284 | KW_X448 | KW_X449
    ;

type_keyword
    : KW_BOOLEAN | KW_CHAR | KW_CHARACTER | KW_DATE | KW_FLOAT | KW_GUID | KW_INT | KW_INTEGER
    | KW_NUMERIC | KW_OLEOBJECT | KW_REAL | KW_SMALLINT | KW_TIME | KW_TIMESTAMP | KW_VARCHAR
    | KW_NCHAR | KW_X450
    ;

func_keyword
    : KW_BETWEEN | KW_IS | KW_JOIN | KW_LEFT | KW_LIKE | KW_RIGHT | KW_FULL
    ;

reserved_keyword
    : KW_AS | KW_EXISTS | KW_INNER | KW_PERCENT | KW_PRIMARY | KW_SOME | KW_TOP
    | KW_CASCADE | KW_END | KW_ONLY | KW_PRIOR | KW_USING | KW_WHEN
    ;

/* ---- Expressions --------------------------------------------------- */

expr
    : primary_expr
    | '+' expr %prec P_UMINUS           { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '-' expr %prec P_UMINUS           { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '%' expr %prec P_UMINUS           { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '^' expr %prec P_UMINUS           { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | expr '%'                          { $$ = Ex(Expr_Arithmetic, $2, $1, nullptr); }
    | expr '^'                          { $$ = Ex(Expr_Arithmetic, $2, $1, nullptr); }
    | expr '+' expr                     { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | expr '-' expr                     { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | expr '*' expr                     { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | expr '/' expr                     { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | expr '%' expr                     { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | expr '^' expr                     { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | expr '<' expr                     { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | expr '>' expr                     { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | expr '=' expr                     { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | expr KW_LIKE expr                 { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | expr OPERATOR expr                { $$ = Ex(Expr_OP, $2, $1, $3); }
    | OPERATOR expr                     { $$ = Ex(Expr_OP, $1, nullptr, $2); }
    | expr OPERATOR %prec OPERATOR      { $$ = Ex(Expr_OP, $2, $1, nullptr); }
    | expr KW_AND expr                  { $$ = Ex(Expr_AND, $2, $1, $3); }
    | expr KW_OR expr                   { $$ = Ex(Expr_OR, $2, $1, $3); }
    | KW_NOT expr                       { $$ = Ex(Expr_NOT, $1, nullptr, $2); }
    | expr KW_NOT KW_LIKE expr %prec KW_LIKE
        { auto* e = Ex(Expr_NotLike, $2, $1, $4); Tk(e, $2, $3); $$ = e; }
    | expr KW_IS KW_NULL %prec KW_IS
        { auto* e = Ex(Expr_IsNull, nullptr, $1, nullptr); Tk(e, $2, $3); $$ = e; }
    | expr KW_IS KW_NOT KW_NULL %prec KW_IS
        { auto* e = Ex(Expr_IsNotNull, nullptr, $1, nullptr); Tk(e, $2, $3, $4); $$ = e; }
    | expr KW_BETWEEN simple_expr KW_AND simple_expr %prec KW_BETWEEN
        { $$ = Ex(Expr_Between, $2, $1, Ex(Expr_AND, $4, $3, $5)); }
    | expr KW_NOT KW_BETWEEN simple_expr KW_AND simple_expr %prec KW_BETWEEN
        { auto* e = Ex(Expr_NotBetween, $2, $1, Ex(Expr_AND, $5, $4, $6)); Tk(e, $2, $3); $$ = e; }
    | expr KW_IN in_operand             { $$ = Ex(Expr_In, $2, $1, $3); }
    | expr KW_NOT KW_IN in_operand %prec KW_IN
        { auto* e = Ex(Expr_NotIn, $2, $1, $4); Tk(e, $2, $3); $$ = e; }
    | expr subquery_op quantifier select_with_parens
        { $$ = Quantified(Ex(Expr_AllOp, $2, $1, $4), $3); }
    | expr subquery_op quantifier '(' multi_expr_list ')'
        { $$ = Quantified(Ex(Expr_AllOp, $2, $1, Paren($4, $5, $6)), $3); }
    | row_comparison
    ;

simple_expr
    : primary_expr
    | '+' simple_expr %prec P_UMINUS    { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '-' simple_expr %prec P_UMINUS    { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '%' simple_expr %prec P_UMINUS    { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '^' simple_expr %prec P_UMINUS    { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | simple_expr '%'                   { $$ = Ex(Expr_Arithmetic, $2, $1, nullptr); }
    | simple_expr '^'                   { $$ = Ex(Expr_Arithmetic, $2, $1, nullptr); }
    | simple_expr '+' simple_expr       { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | simple_expr '-' simple_expr       { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | simple_expr '*' simple_expr       { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | simple_expr '/' simple_expr       { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | simple_expr '%' simple_expr       { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | simple_expr '^' simple_expr       { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | simple_expr '<' simple_expr       { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | simple_expr '>' simple_expr       { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | simple_expr '=' simple_expr       { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | simple_expr OPERATOR simple_expr  { $$ = Ex(Expr_OP, $2, $1, $3); }
    | OPERATOR simple_expr              { $$ = Ex(Expr_OP, $1, nullptr, $2); }
    | simple_expr OPERATOR %prec OPERATOR { $$ = Ex(Expr_OP, $2, $1, nullptr); }
    ;

target_expr
    : primary_expr
    | '+' target_expr %prec P_UMINUS    { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '-' target_expr %prec P_UMINUS    { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | target_expr '+' target_expr       { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | target_expr '-' target_expr       { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | target_expr '*' target_expr       { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | target_expr '/' target_expr       { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | target_expr '<' target_expr       { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | target_expr '>' target_expr       { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | target_expr '=' target_expr       { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | target_expr OPERATOR target_expr  { $$ = Ex(Expr_OP, $2, $1, $3); }
    | OPERATOR target_expr              { $$ = Ex(Expr_OP, $1, nullptr, $2); }
    ;

primary_expr
    : func_name                         { $$ = Ex(Expr_Attr, nullptr, $1, nullptr); }
    | col_id '.' '*'
        { auto* a = New<TRk_Attr>(); a->NameToken = NC($1); a->DotToken = NC($2); a->NameParts = L1($3);
          $$ = Ex(Expr_Attr, nullptr, a, nullptr); }
    | literal                           { $$ = Ex(Expr_Const, nullptr, $1, nullptr); }
    | func_expr                         { $$ = Ex(Expr_FuncCall, nullptr, $1, nullptr); }
    | '(' expr ')'                      { $$ = Paren($1, $2, $3); }
    | case_expr
    | select_with_parens                { $$ = Ex(Expr_subquery, nullptr, $1, nullptr); }
    | KW_EXISTS select_with_parens      { auto* e = Ex(Expr_Exists, $1, nullptr, $2); Tk(e, $1); $$ = e; }
    ;

expr_list
    : expr                              { $$ = L1($1); }
    | expr_list ',' expr                { $$ = Ap($1, $3); Sep($3, $2); }
    ;

in_operand
    : target_expr
    | '(' in_expr_list ')'              { $$ = Paren($1, $2, $3); }
    ;

in_expr_list
    : expr                              { $$ = L1($1); }
    | in_expr_list ',' expr             { $$ = Ap($1, $3); Sep($3, $2); }
    ;

multi_expr_list
    : multi_expr_list_head ',' expr     { $$ = Ap($1, $3); Sep($3, $2); }
    ;

multi_expr_list_head
    : multi_expr_list_head ',' expr     { $$ = Ap($1, $3); Sep($3, $2); }
    | expr                              { $$ = L1($1); }
    ;

quantifier
    : KW_ANY                            { auto* h = Holder(); h->Int1 = 1; h->Tok1 = NC($1); $$ = h; }
    | KW_SOME                           { auto* h = Holder(); h->Int1 = 2; h->Tok1 = NC($1); $$ = h; }
    | KW_ALL                            { auto* h = Holder(); h->Int1 = 3; h->Tok1 = NC($1); $$ = h; }
    ;

subquery_op
    : OPERATOR
    | single_char_op
    ;

single_char_op
    : '+' | '-' | '*' | '/' | '%' | '^' | '<' | '>' | '='
    ;

target_list
    : target_el                         { $$ = L1($1); }
    | target_list ',' target_el         { Sep($3, $2); $$ = Ap($1, $3); }
    ;

target_el
    : target_expr alias_clause
        { auto* r = New<TRk_ResTarget>(); r->ValueExpr = NC($1); r->AliasClause = NC($2); r->HasAlias = 1; $$ = r; }
    | target_expr
        { auto* r = New<TRk_ResTarget>(); r->ValueExpr = NC($1); r->HasAlias = 0; $$ = r; }
    | '*'
        { auto* i = New<TRk_Ident>(); i->IdentToken = NC($1); Tk(i, $1);
          auto* r = New<TRk_ResTarget>(); r->ValueExpr = Ex(Expr_Ident, nullptr, i, nullptr); $$ = r; }
    ;

/* ---- Function calls and CASE --------------------------------------- */

func_name
    : func_keyword                      { $$ = PlainName($1); }
    | qualified_name
    | AT_NAME                           { $$ = PlainName($1); }
    ;

func_expr
    : special_func_expr
    | func_name '(' ')'                 { auto* f = Call($1, nullptr); Tk(f, $2, $3); $$ = f; }
    | func_name '(' expr_list ')'       { auto* f = Call($1, $3); Tk(f, $2, $4); $$ = f; }
    | func_name '(' KW_ALL expr_list ')'
        { auto* f = Call($1, $4); f->IsAll = 1; Tk(f, $2, $3, $5); $$ = f; }
    | func_name '(' KW_DISTINCT expr_list ')'
        { auto* f = Call($1, $4); f->IsDistinct = 1; Tk(f, $2, $3, $5); $$ = f; }
    | func_name '(' '*' ')'
        { auto* f = Call($1, nullptr); f->IsStar = 1; Tk(f, $2, $3, $4); $$ = f; }
    ;

special_func_expr
    : KW_EXTRACT '(' extract_list ')'
        { auto* f = Special($1, 4); f->ExtractArgs = NC($3); Tk(f, $1, $2, $4); $$ = f; }
    | KW_TRIM '(' KW_BOTH trim_list ')'
        { auto* f = Special($1, 1); f->TrimKind = 1; f->TrimArgs = NC($4); Tk(f, $1, $2, $3, $5); $$ = f; }
    | KW_TRIM '(' KW_LEADING trim_list ')'
        { auto* f = Special($1, 1); f->TrimKind = 2; f->TrimArgs = NC($4); Tk(f, $1, $2, $3, $5); $$ = f; }
    | KW_TRIM '(' KW_TRAILING trim_list ')'
        { auto* f = Special($1, 1); f->TrimKind = 3; f->TrimArgs = NC($4); Tk(f, $1, $2, $3, $5); $$ = f; }
    | KW_TRIM '(' trim_list ')'
        { auto* f = Special($1, 1); f->TrimKind = 0; f->TrimArgs = NC($3); Tk(f, $1, $2, $4); $$ = f; }
    ;

extract_list
    : extract_field KW_FROM expr
        { auto* x = New<TRk_ExtractList>(); x->FieldToken = NC($1); x->SourceExpr = NC($3); Tk(x, $2); $$ = x; }
    | /* empty */                       { $$ = nullptr; }
    ;

extract_field
    : IDENT | KW_YEAR | KW_DAY | string_literal
    ;

trim_list
    : expr KW_FROM expr_list
        { auto* t = New<TRk_TrimList>(); t->TrimChar = NC($1); t->HasFrom = 1; t->SourceList = NC($3); Tk(t, $2); $$ = t; }
    | expr_list
        { auto* t = New<TRk_TrimList>(); t->HasFrom = 0; t->SourceList = NC($1); $$ = t; }
    ;

case_expr
    : KW_CASE case_arg when_clause_list case_default KW_END
        { auto* c = New<TRkCaseExpression>(); if ($2) c->SetInputExpr($2); c->WhenList = NC($3);
          c->SetElseExpr($4->Sub1); c->ElseClause = NC($4); Tk(c, $1, $5); $$ = c; }
    ;

case_arg
    : expr
    | /* empty */                       { $$ = nullptr; }
    ;

when_clause_list
    : when_clause_list when_clause      { $$ = Ap($1, $2); }
    | when_clause                       { $$ = L1($1); }
    ;

when_clause
    : KW_WHEN expr KW_THEN expr
        { auto* w = New<TRkCaseWhen>(); w->SetWhenExpr($2); w->SetThenExpr($4); Tk(w, $1, $3); $$ = w; }
    ;

case_default
    : KW_ELSE expr                      { auto* h = Holder(); h->Sub1 = NC($2); Tk(h, $1); $$ = h; }
    | /* empty */                       { $$ = Holder(); }
    ;

%%
