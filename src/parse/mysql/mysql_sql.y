/* MySQL grammar.  Read by yaccgen at build time (and by bison as a
 * cross-check of the conflict counts).  Every action builds its nodes in the
 * parser's node pool; the own tokens of each node are appended in source
 * order, since the plain text of a node is regenerated from them. */
%{
#include "parse/mysql/rkyaccmysqlsql.h"
#define YYPARSER_CLASS TRkParserMySQLSql
%}

%define api.prefix {mysql}
%define api.value.type {mysqlYYSType}
// %value-cells accessors: the record is one tagged pointer (parse/rkyaccvalue.h).
/* Token codes: the names and numbers of parse/mysql/mysqltokens.h. */
%token <token> IDENT 262 NUMBER_LIT 265 STRING_LIT 266 INTEGER_LIT 267 OPERATOR 269 AT_NAME 274
%token <token> MY_ARRAY 277 MY_LIMIT 278 MY_AT 280 MY_BEGIN 284 MY_BINARY_INTEGER 285
%token <token> MY_BODY 286 MY_BOOLEAN 287 MY_BULK 288 MY_CASE 289 MY_CLOSE 291
%token <token> MY_CONSTANT 294 MY_CURSOR 297 MY_DATABASE 298 MY_DECLARE 303 MY_ELSIF 309
%token <token> MY_END 310 MY_EXCEPTION 312 MY_EXIT 314 MY_FETCH 316 MY_FUNCTION 318
%token <token> MY_TEMP 319 MY_GOTO 320 MY_IF 321 MY_LOOP 326 MY_MAX 327
%token <token> MY_MIN 328 MY_NATURAL 330 MY_NATURALN 331 MY_OPEN 335 MY_OTHERS 336
%token <token> MY_OUT 337 MY_PACKAGE 338 MY_PLS_INTEGER 340 MY_POSITIVE 341 MY_POSITIVEN 342
%token <token> MY_PRAGMA 343 MY_PROCEDURE 345 MY_REAL 347 MY_RECORD 348 MY_REF 349
%token <token> MY_RETURN 352 MY_REVERSE 353 MY_ROWTYPE 354 MY_SCHEMA 356 MY_SQL 360
%token <token> MY_SQLCODE 361 MY_SQLERRM 362 MY_SUBTYPE 365 MY_SUM 366 MY_TYPE 372
%token <token> MY_USE 373 MY_WHEN 376 MY_WHILE 377 MY_WORK 378 MY_WRITE 379
%token <token> MY_ACCESS 381 MY_ADD 382 MY_ALL 383 MY_ALTER 384 MY_AND 385
%token <token> MY_ANY 386 MY_AS 387 MY_ASC 388 MY_BETWEEN 390 MY_BY 391
%token <token> MY_CHAR 392 MY_CHECK 393 MY_COMMENT 396 MY_CONNECT 398 MY_CREATE 399
%token <token> MY_CURRENT 400 MY_DATE 401 MY_DECIMAL 402 MY_DEFAULT 403 MY_DELETE 404
%token <token> MY_DESC 405 MY_DISTINCT 406 MY_DROP 407 MY_ELSE 408 MY_EXISTS 410
%token <token> MY_FILE 411 MY_FLOAT 412 MY_FOR 413 MY_FROM 414 MY_GRANT 415
%token <token> MY_GROUP 416 MY_HAVING 417 MY_IMMEDIATE 419 MY_IN 420 MY_INCREMENT 421
%token <token> MY_INDEX 422 MY_INITIAL 423 MY_INSERT 424 MY_INTEGER 425 MY_INTERSECT 426
%token <token> MY_INTO 427 MY_IS 428 MY_LEVEL 429 MY_LIKE 430 MY_LOCK 431
%token <token> MY_LONG 432 MY_MINUS 434 MY_MODE 436 MY_MODIFY 437 MY_NOT 441
%token <token> MY_NOWAIT 442 MY_NULL 443 MY_NUMBER 444 MY_OF 445 MY_ON 447
%token <token> MY_OPTION 449 MY_OR 450 MY_ORDER 451 MY_PRIOR 453 MY_PRIVILEGES 454
%token <token> MY_PUBLIC 455 MY_RAW 456 MY_RENAME 457 MY_REVOKE 459 MY_ROW 460
%token <token> MY_ROWLABEL 462 MY_ROWNUM 463 MY_SELECT 465 MY_SESSION 466 MY_SET 467
%token <token> MY_SHARE 468 MY_SIZE 469 MY_SMALLINT 470 MY_START 471 MY_SUCCESSFUL 472
%token <token> MY_SYNONYM 473 MY_SYSDATE 474 MY_TABLE 475 MY_THEN 476 MY_TO 477
%token <token> MY_TRIGGER 478 MY_UID 479 MY_UNION 480 MY_UNIQUE 481 MY_UPDATE 482
%token <token> MY_USER 483 MY_VALIDATE 484 MY_VALUES 485 MY_VARCHAR 486 MY_VARCHAR2 487
%token <token> MY_VIEW 488 MY_WHENEVER 489 MY_WHERE 490 MY_WITH 491 MY_ROLLBACK 492
%token <token> MY_SAVEPOINT 493 MY_ACCOUNT 494 MY_AFTER 497 MY_BEFORE 508 MY_BFILE 509
%token <token> MY_BITMAP 510 MY_BLOB 511 MY_BLOCK 512 MY_CACHE 513 MY_CASCADE 516
%token <token> MY_CAST 517 MY_CHAINED 519 MY_CHARACTER 521 MY_CHECKPOINT 523 MY_CLOB 527
%token <token> MY_COMMIT 533 MY_CONSTRAINT 541 MY_CONSTRAINTS 542 MY_COST 547 MY_COUNT 548
%token <token> MY_CYCLE 553 MY_DEC 560 MY_DEFERRABLE 561 MY_DEFERRED 562 MY_DOUBLE 571
%token <token> MY_DUMP 572 MY_EACH 573 MY_ESCAPE 576 MY_EXECUTE 583 MY_EXTERNALLY 588
%token <token> MY_FORCE 594 MY_FOREIGN 595 MY_GLOBAL 598 MY_GLOBALLY 599 MY_GLOBAL_NAME 600
%token <token> MY_INSTEAD 614 MY_INT 615 MY_ISOLATION 617 MY_KEY 620 MY_LOB 628
%token <token> MY_LOCAL 629 MY_LOG 630 MY_MAXVALUE 645 MY_MEMBER 646 MY_MINVALUE 649
%token <token> MY_MOVE 651 MY_NATIONAL 654 MY_NCHAR 655 MY_NCLOB 657 MY_NESTED 659
%token <token> MY_NOCACHE 670 MY_NOCYCLE 671 MY_NOFORCE 672 MY_NOMAXVALUE 674 MY_NOORDER 676
%token <token> MY_NOTHING 683 MY_NUMERIC 684 MY_NVARCHAR2 685 MY_OBJECT 686 MY_ONLY 693
%token <token> MY_PASSWORD 701 MY_PERCENT 712 MY_PRECISION 717 MY_PRIMARY 719 MY_READ 727
%token <token> MY_REFERENCES 732 MY_REPLACE 735 MY_RESET 736 MY_RESTRICTED 739 MY_RETURNING 740
%token <token> MY_ROLE 742 MY_ROLES 743 MY_RULE 745 MY_SEQUENCE 756 MY_SERIALIZABLE 757
%token <token> MY_SNAPSHOT 764 MY_SOME 765 MY_SORT 766 MY_SQLERROR 769 MY_STATISTICS 773
%token <token> MY_STORE 776 MY_TEMPORARY 785 MY_TIME 788 MY_TIMESTAMP 789 MY_TRANSACTION 793
%token <token> MY_TRIGGERS 795 MY_TRUNCATE 796 MY_UNTIL 805 MY_USAGE 809 MY_USING 810
%token <token> MY_VALUE 812 MY_VARRAY 813 MY_VARYING 814 MY_WITHOUT 815 MY_WAIT 818
%token <token> MY_JOIN 819 MY_CROSS 820 MY_FULL 821 MY_COLLECT 822 MY_LEFT 823
%token <token> MY_RIGHT 824 MY_INNER 825 MY_MATCH 826 MY_PARTIAL 827 MY_NO 828
%token <token> MY_ACTION 829 MY_RESTRICT 830 MY_BYTE 834 MY_ZONE 836 MY_SECOND 837
%token <token> MY_MINUTE 838 MY_HOUR 839 MY_DAY 840 MY_MONTH 841 MY_YEAR 842
%token <token> MY_INTERVAL 843 MY_UROWID 844 MY_EXTRACT 845 MY_TRIM 846 MY_BOTH 847
%token <token> MY_LEADING 848 MY_TRAILING 849 MY_COMMITTED 850 MY_NOMINVALUE 851 MY_MAP 852
%token <token> MY_TOP 853 MY_LAST 854 MY_DECODE 855 MY_FIRST 856 MY_FORALL 857
%token <token> MY_MATCHED 858 MY_MONITORING 859 MY_NOMONITORING 860 MY_RAISE 861 MY_ROWCOUNT 862
%token <token> MY_TIES 863 MY_EXPLAIN 864 MY_EXTEND 865 MY_ISOPEN 866 MY_LOCATOR 867
%token <token> MY_MERGE 868 MY_MOVEMENT 869 MY_NORELY 870 MY_NOTFOUND 871 MY_FOUND 872
%token <token> MY_OUTER 873 MY_PURGE 874 MY_IGNORE 875 MY_ENGINE 876 MY_AUTO_INCREMENT 877
%token <token> MY_AVG_ROW_LENGTH 878 MY_CHECKSUM 879 MY_MAX_ROWS 880 MY_MIN_ROWS 881 MY_PACK_KEYS 882
%token <token> MY_DELAY_KEY_WRITE 883 MY_ROW_FORMAT 884 MY_RAID_TYPE 885 MY_RAID_CHUNKS 886 MY_RAID_CHUNKSIZE 887
%token <token> MY_CHARSET 888 MY_UNSIGNED 889 MY_ZEROFILL 890 MY_TINYINT 891 MY_MEDIUMINT 892
%token <token> MY_ASCII 893 MY_UNICODE 894 MY_TINYBLOB 895 MY_MEDIUMBLOB 896 MY_LONGBLOB 897
%token <token> MY_TINYTEXT 898 MY_TEXT 899 MY_MEDIUMTEXT 900 MY_LONGTEXT 901 MY_BIGINT 902
%token <token> MY_DATETIME 903 MY_DYNAMIC 904 MY_FIXED 905 MY_ENUM 906 MY_OFFSET 908
%token <token> MY_EXCEPT 939 MY_RESTRICT_REFERENCES 941 MY_SERIALLY_REUSABLE 942
%token <token> '(' ')' ',' '.' ';' '+' '-' '*' '/' '%' '^' '<' '>' '='

%type <token> alias_id alias_keyword charset_name col_id decimal_const extract_arg
%type <token> func_name_keyword integer_const name opt_all opt_asc_desc opt_charset_word
%type <token> opt_default opt_drop_behavior opt_equal opt_ignore opt_name
%type <token> opt_unsigned opt_work opt_zerofill plain_id raid_type_value row_format_value
%type <token> single_char_op string_const subquery_op type_keyword unreserved_keyword
%type <name> dotted_ref func_name qualified_name
%type <clause> case_default charset_option from_clause group_clause having_clause index_elem
%type <clause> into_clause join_type key_action key_actions key_delete key_match opt_deferrable
%type <clause> key_update opt_check_option opt_column_list opt_column_position opt_constraint_name opt_create_query
%type <clause> opt_float_precision opt_force opt_if_exists opt_if_not_exists opt_index_kind opt_int_width
%type <clause> opt_nowait opt_outer opt_temp quantifier sort_clause table_option
%type <clause> where_clause
%type <list> alter_table_cmds col_constraint_list column_list dotted_name expr_list from_list
%type <list> in_expr_list index_elem_list index_params multi_expr_list multi_expr_list_head name_list
%type <list> name_part_list opt_table_options select_list set_clause_list sortby_list table_element_list
%type <list> table_option_list update_column_list when_clause_list
%type <type> base_typename character_type datetime_type generic_type lob_type numeric_type
%type <type> simple_typename typename
%type <node> alias_clause alter_table_cmd alter_table_stmt case_arg case_expr col_constraint
%type <node> col_constraint_elem column_def commit_stmt constant constraint_attr constraint_elem
%type <node> create_table_stmt delete_stmt drop_index_stmt drop_table_stmt drop_view_stmt expr
%type <node> extract_list for_update_clause func_expr in_operand index_stmt insert_rest
%type <node> insert_stmt insert_target join_qual joined_table limit_clause opt_distinct
%type <node> opt_for_update_clause opt_limit_clause opt_top primary_expr relation_ref restricted_expr
%type <node> returning_clause rollback_stmt row_predicate select_clause select_item select_no_parens
%type <node> select_stmt select_with_parens set_clause simple_select sortby special_func_expr
%type <node> statement statement_list table_constraint table_element table_ref target_alias
%type <node> trim_list type_list type_ref update_stmt value_expr view_stmt
%type <node> when_clause

/* Precedence, loosest first.  PRIOR and the postfix OPERATOR only give
 * precedence to their rules.  ESCAPE sits above LIKE: on LIKE's
 * non-associative level every LIKE ... ESCAPE would be an error. */
%left MY_UNION MY_INTERSECT MY_MINUS
%nonassoc P_PRIOR
%left MY_AND MY_OR
%nonassoc P_POSTFIX_OP
%right MY_NOT
%right '='
%nonassoc '<' '>'
%nonassoc MY_LIKE
%nonassoc MY_ESCAPE
%nonassoc MY_BETWEEN MY_IN
%left OPERATOR
%left MY_IS
%left '+' '-'
%left '*' '/' '%'
%left '^'
%left MY_AT
%right P_UMINUS

%start statement_list
// The conflicts that precedence leaves, all resolved by shifting; the
// generators say so only when their number changes.
%expect 101
// %expect-unused 27: token codes of the shared layout that no rule reads.
%%

/* ---- Statements ---------------------------------------------------- */

statement_list
    : statement_list ';' statement      { $$ = $1; }
    | statement                         { SetRootOnce($1); $$ = $1; }
    ;

statement
    : select_stmt
    | insert_stmt
    | update_stmt
    | delete_stmt
    | create_table_stmt
    | index_stmt
    | view_stmt
    | drop_table_stmt
    | drop_index_stmt
    | drop_view_stmt
    | commit_stmt                       { $$ = nullptr; }
    | rollback_stmt                     { $$ = nullptr; }
    | alter_table_stmt
    | /* empty */                       { $$ = nullptr; }
    ;

/* ---- Queries ------------------------------------------------------- */

select_stmt
    : select_no_parens
    | select_with_parens
    ;

select_with_parens
    : '(' select_no_parens ')'          { $$ = WrapParens($2, $1, $3); }
    | '(' select_with_parens ')'        { $$ = WrapParens($2, $1, $3); }
    ;

select_no_parens
    : simple_select
    | select_clause sort_clause opt_limit_clause opt_for_update_clause
        { auto* q = Sel($1);
          InsertSelectOptions(q, $2->List1, NC($4), NC($3), nullptr);
          q->InnerParenCount = q->ParenCount; q->ParenCount = 0;
          q->OrderByClause = NC($2); $$ = q; }
    | select_clause opt_limit_clause for_update_clause
        { auto* q = Sel($1); InsertSelectOptions(q, nullptr, NC($3), NC($2), nullptr); q->ParenCount = 0; $$ = q; }
    | select_clause limit_clause
        { auto* q = Sel($1); InsertSelectOptions(q, nullptr, nullptr, NC($2), nullptr); q->ParenCount = 0; $$ = q; }
    ;

select_clause
    : simple_select
    | select_with_parens
    ;

simple_select
    : MY_SELECT opt_distinct opt_top select_list into_clause from_clause where_clause group_clause having_clause
        { auto* q = New<TRk_SelectStmt>();
          q->SelectToken = NC($1); q->DistinctClause = NC($2); q->TopClause = NC($3); q->TargetList = NC($4);
          q->IntoList = NC($5->List1); q->IntoClause = NC($5);
          q->FromList = NC($6->List1); q->FromClause = NC($6);
          q->WhereCondition = NC($7->Sub1); q->WhereClause = NC($7);
          q->GroupByList = NC($8->List1); q->GroupByClause = NC($8);
          q->HavingCondition = NC($9->Sub1); q->HavingClause = NC($9);
          Tk(q, $1); $$ = q; }
    | select_clause MY_UNION opt_all select_clause
        { auto* q = MakeSelectNode($3 ? 2 : 1, $2, $1, $4); q->SetAllToken = NC($3); $$ = q; }
    | select_clause MY_INTERSECT opt_all select_clause
        { auto* q = MakeSelectNode(4, $2, $1, $4); q->SetAllToken = NC($3); $$ = q; }
    | select_clause MY_MINUS opt_all select_clause
        { auto* q = MakeSelectNode(3, $2, $1, $4); q->SetAllToken = NC($3); $$ = q; }
    ;

into_clause
    : MY_INTO expr_list                 { auto* h = Holder(); h->List1 = NC($2); Tk(h, $1); $$ = h; }
    | /* empty */                       { $$ = Holder(); }
    ;

opt_all
    : MY_ALL
    | /* empty */                       { $$ = nullptr; }
    ;

opt_distinct
    : MY_DISTINCT
        { auto* d = New<TRk_SelectDistinct>(); d->KeywordToken = NC($1); d->DistinctKind = 1; Tk(d, $1); $$ = d; }
    | MY_DISTINCT MY_ON '(' expr_list ')'
        { auto* d = New<TRk_SelectDistinct>(); d->KeywordToken = NC($1); d->OnList = NC($4); d->DistinctKind = 2;
          Tk(d, $1, $2, $3, $5); $$ = d; }
    | MY_ALL
        { auto* d = New<TRk_SelectDistinct>(); d->KeywordToken = NC($1); d->DistinctKind = 3; Tk(d, $1); $$ = d; }
    | MY_UNIQUE
        { auto* d = New<TRk_SelectDistinct>(); d->KeywordToken = NC($1); d->DistinctKind = 4; Tk(d, $1); $$ = d; }
    | /* empty */                       { $$ = New<TRk_SelectDistinct>(); }
    ;

opt_top
    : MY_TOP integer_const              { $$ = Top($2, false, false); Tk($$, $1); }
    | MY_TOP integer_const MY_PERCENT   { $$ = Top($2, true, false); Tk($$, $1, $3); }
    | MY_TOP integer_const MY_WITH MY_TIES { $$ = Top($2, false, true); Tk($$, $1, $3, $4); }
    | MY_TOP integer_const MY_PERCENT MY_WITH MY_TIES { $$ = Top($2, true, true); Tk($$, $1, $3, $4, $5); }
    | /* empty */                       { $$ = nullptr; }
    ;

sort_clause
    : MY_ORDER MY_BY sortby_list        { auto* h = Holder(); h->List1 = NC($3); Tk(h, $1, $2); $$ = h; }
    ;

sortby_list
    : sortby                            { $$ = L1($1); }
    | sortby_list ',' sortby            { $$ = Ap($1, $3); Sep($3, $2); }
    ;

sortby
    : expr opt_asc_desc
        { auto* s = New<TRk_SortGroupBy>(); s->SortExpr = NC($1); s->SortToken = NC($2); $$ = s; }
    | expr MY_USING subquery_op
        { auto* s = New<TRk_SortGroupBy>(); s->SortExpr = NC($1); s->SortToken = NC($2); s->UsingOperator = NC($3); $$ = s; }
    ;

opt_asc_desc
    : MY_ASC
    | MY_DESC
    | /* empty */                       { $$ = nullptr; }
    ;

group_clause
    : MY_GROUP MY_BY expr_list          { auto* h = Holder(); h->List1 = NC($3); Tk(h, $1, $2); $$ = h; }
    | /* empty */                       { $$ = Holder(); }
    ;

having_clause
    : MY_HAVING expr                    { auto* h = Holder(); h->Sub1 = NC($2); Tk(h, $1); $$ = h; }
    | /* empty */                       { $$ = Holder(); }
    ;

opt_limit_clause
    : limit_clause
    | /* empty */                       { $$ = nullptr; }
    ;

limit_clause
    : MY_LIMIT integer_const
        { auto* l = Limit($1); l->RowCount = NC($2); $$ = l; }
    | MY_LIMIT integer_const ',' integer_const
        { auto* l = Limit($1); l->OffsetValue = NC($2); l->CommaToken = NC($3); l->RowCount = NC($4); $$ = l; }
    | MY_LIMIT integer_const MY_OFFSET integer_const
        { auto* l = Limit($1); l->RowCount = NC($2); l->OffsetKeyword = NC($3); l->OffsetValue = NC($4); $$ = l; }
    ;

opt_for_update_clause
    : for_update_clause
    | /* empty */                       { $$ = nullptr; }
    ;

for_update_clause
    : MY_FOR MY_UPDATE MY_OF update_column_list opt_nowait
        { auto* f = New<TRk_for_update_clause>(); f->ColumnList = NC($4); f->WaitOption = NC($5); f->ForUpdateKind = 1;
          Tk(f, $1, $2, $3); $$ = f; }
    | MY_FOR MY_READ MY_ONLY
        { auto* f = New<TRk_for_update_clause>(); f->ForUpdateKind = 2; Tk(f, $1, $2, $3); $$ = f; }
    | MY_FOR MY_UPDATE opt_nowait
        { auto* f = New<TRk_for_update_clause>(); f->WaitOption = NC($3); f->ForUpdateKind = 3; Tk(f, $1, $2); $$ = f; }
    ;

opt_nowait
    : MY_NOWAIT                         { auto* h = Holder(); h->Str1Token = $1; Tk(h, $1); $$ = h; }
    | MY_WAIT integer_const             { auto* h = Holder(); h->Str1Token = $1; h->Int1 = IntOf($2); Tk(h, $1, $2); $$ = h; }
    | /* empty */                       { $$ = nullptr; }
    ;

update_column_list
    : qualified_name                    { $$ = L1($1); }
    | update_column_list ',' qualified_name { $$ = Ap($1, $3); Sep($3, $2); }
    ;

/* ---- FROM, table references, joins --------------------------------- */

from_clause
    : MY_FROM from_list                 { auto* h = Holder(); h->List1 = NC($2); Tk(h, $1); $$ = h; }
    ;

from_list
    : from_list ',' table_ref           { $$ = Ap($1, $3); Sep($3, $2); }
    | table_ref                         { $$ = L1($1); }
    ;

table_ref
    : qualified_name                    { auto* r = New<TRk_TableRef>(); r->Source = NC($1); $$ = r; }
    | qualified_name alias_clause       { auto* r = New<TRk_TableRef>(); r->Source = NC($1); r->Alias = NC($2); $$ = r; }
    | select_with_parens                { auto* r = New<TRk_TableRef>(); r->Source = NC($1); $$ = r; }
    | select_with_parens alias_clause   { auto* r = New<TRk_TableRef>(); r->Source = NC($1); r->Alias = NC($2); $$ = r; }
    | joined_table
    | '(' joined_table ')' alias_clause
        { auto* j = New<TRk_JoinExpr>(); j->JoinType = 11; j->LeftRef = NC($2); j->Alias = NC($4); Tk(j, $1, $3); $$ = j; }
    ;

joined_table
    : '(' joined_table ')'
        { auto* j = New<TRk_JoinExpr>(); j->JoinType = 11; j->LeftRef = NC($2); Tk(j, $1, $3); $$ = j; }
    | table_ref MY_CROSS MY_JOIN table_ref
        { auto* j = New<TRk_JoinExpr>(); j->JoinType = 1; j->LeftRef = NC($1); j->RightRef = NC($4); Tk(j, $2, $3); $$ = j; }
    | table_ref MY_NATURAL MY_JOIN table_ref
        { auto* j = New<TRk_JoinExpr>(); j->JoinType = 2; j->LeftRef = NC($1); j->RightRef = NC($4); Tk(j, $2, $3); $$ = j; }
    | table_ref MY_JOIN table_ref join_qual
        { auto* j = New<TRk_JoinExpr>(); j->JoinType = 0; j->LeftRef = NC($1); j->RightRef = NC($3); j->Qualification = NC($4);
          Tk(j, $2); $$ = j; }
    | table_ref join_type MY_JOIN table_ref join_qual
        { auto* j = New<TRk_JoinExpr>(); j->JoinType = static_cast<uint8_t>($2->Int1 & 0xFF); j->JoinTypeClause = NC($2);
          j->LeftRef = NC($1); j->RightRef = NC($4); j->Qualification = NC($5); Tk(j, $3); $$ = j; }
    ;

join_type
    : MY_FULL opt_outer                 { auto* h = Holder(); h->Int1 = 4 + $2->Int1; h->Tok1 = NC($1); h->Tok2 = $2->Tok1; $$ = h; }
    | MY_LEFT opt_outer                 { auto* h = Holder(); h->Int1 = 5 + $2->Int1; h->Tok1 = NC($1); h->Tok2 = $2->Tok1; $$ = h; }
    | MY_RIGHT opt_outer                { auto* h = Holder(); h->Int1 = 6 + $2->Int1; h->Tok1 = NC($1); h->Tok2 = $2->Tok1; $$ = h; }
    | MY_INNER                          { auto* h = Holder(); h->Int1 = 10; h->Tok1 = NC($1); $$ = h; }
    ;

opt_outer
    : MY_OUTER                          { auto* h = Holder(); h->Int1 = 3; h->Tok1 = NC($1); $$ = h; }
    | /* empty */                       { auto* h = Holder(); h->Int1 = 0; $$ = h; }
    ;

join_qual
    : MY_USING '(' name_list ')'
        { auto* q = New<TRk_joinqual>(); q->UsingList = NC($3); q->QualKind = 1; Tk(q, $1, $2, $4); $$ = q; }
    | MY_ON expr
        { auto* q = New<TRk_joinqual>(); q->OnCondition = NC($2); q->QualKind = 2; Tk(q, $1); $$ = q; }
    ;

alias_clause
    : MY_AS string_const
        { auto* a = New<TRk_AliasClause>(); a->AliasToken = NC($2); a->HasAs = 1; Tk(a, $1); $$ = a; }
    | MY_AS dotted_name
        { auto* a = New<TRk_AliasClause>(); a->NameParts = NC($2); a->HasAs = 1; Tk(a, $1); $$ = a; }
    | col_id
        { auto* a = New<TRk_AliasClause>(); a->AliasToken = NC($1); a->HasAs = 0; $$ = a; }
    | string_const
        { auto* a = New<TRk_AliasClause>(); a->AliasToken = NC($1); a->HasAs = 0; $$ = a; }
    ;

qualified_name
    : dotted_ref
    | col_id                            { auto* a = New<TRk_Attr>(); a->NameToken = NC($1); $$ = a; }
    ;

where_clause
    : MY_WHERE expr                     { auto* h = Holder(); h->Sub1 = NC($2); Tk(h, $1); $$ = h; }
    | /* empty */                       { $$ = Holder(); }
    ;

/* ---- INSERT, UPDATE, DELETE ---------------------------------------- */

insert_stmt
    : MY_INSERT MY_INTO insert_target insert_rest returning_clause
        { $$ = MakeInsert($1, $2, $3, $4, $5); }
    ;

insert_target
    : relation_ref
    ;

insert_rest
    : MY_VALUES '(' select_list ')'
        { auto* r = New<TRkinsert_rest>(); r->ValuesList = NC($3); Tk(r, $1, $2, $4); $$ = r; }
    | select_stmt
        { auto* r = New<TRkinsert_rest>(); r->SubSelect = NC($1); $$ = r; }
    ;

column_list
    : column_list ',' qualified_name    { $$ = Ap($1, $3); Sep($3, $2); }
    | qualified_name                    { $$ = L1($1); }
    ;

opt_column_list
    : '(' column_list ')'               { auto* h = Holder(); h->List1 = NC($2); Tk(h, $1, $3); $$ = h; }
    | /* empty */                       { $$ = Holder(); }
    ;

update_stmt
    : MY_UPDATE from_list MY_SET set_clause_list where_clause returning_clause
        { auto* u = New<TRk_UpdateStmt>(); u->SetList = NC($4); SetUpdateTargets(u, $2);
          u->WhereCondition = NC($5->Sub1); u->WhereClause = NC($5); u->ReturningClause = static_cast<TRkReturningClause*>($6);
          Tk(u, $1, $3); $$ = u; }
    ;

set_clause_list
    : set_clause_list ',' set_clause    { $$ = Ap($1, $3); Sep($3, $2); }
    | set_clause                        { $$ = L1($1); }
    ;

set_clause
    : qualified_name '=' expr
        { auto* e = Ex(Expr_Comparison, $2, $1, $3); Tk(e, $2); $$ = e; }
    | '(' expr ')' subquery_op select_with_parens
        { $$ = Ex(Expr_AllOp, $4, Paren($1, $2, $3), $5); }
    | '(' multi_expr_list ')' subquery_op select_with_parens
        { $$ = Ex(Expr_AllOp, $4, Paren($1, $2, $3), $5); }
    ;

delete_stmt
    : MY_DELETE MY_FROM relation_ref where_clause returning_clause
        { $$ = MakeDelete($3, $4, $5, 0); Tk($$, $1, $2); }
    | MY_DELETE relation_ref where_clause returning_clause
        { $$ = MakeDelete($2, $3, $4, 1); Tk($$, $1); }
    ;

returning_clause
    : MY_RETURNING multi_expr_list_head MY_INTO name_list
        { auto* r = New<TRkReturningClause>(); r->ReturnList = NC($2); r->IntoList = NC($4); r->ReturningKind = 1;
          Tk(r, $1, $3); $$ = r; }
    | MY_RETURNING multi_expr_list_head MY_BULK MY_COLLECT MY_INTO name_list
        { auto* r = New<TRkReturningClause>(); r->ReturnList = NC($2); r->IntoList = NC($6); r->ReturningKind = 2;
          Tk(r, $1, $3, $4, $5); $$ = r; }
    | /* empty */                       { $$ = nullptr; }
    ;

relation_ref
    : qualified_name
        { auto* r = New<TRk_TableRef>(); r->Source = NC($1); $$ = r; }
    | qualified_name '(' expr_list ')'
        { auto* r = New<TRk_TableRef>(); r->Source = NC($1); r->ColumnList = NC($3); r->HasColumnList = 1; Tk(r, $2, $4); $$ = r; }
    | select_with_parens
        { auto* r = New<TRk_TableRef>(); r->Source = NC($1); $$ = r; }
    | qualified_name alias_clause
        { auto* r = New<TRk_TableRef>(); r->Source = NC($1); r->Alias = NC($2); $$ = r; }
    | select_with_parens alias_clause
        { auto* r = New<TRk_TableRef>(); r->Source = NC($1); r->Alias = NC($2); $$ = r; }
    ;

/* ---- CREATE TABLE -------------------------------------------------- */

create_table_stmt
    : MY_CREATE opt_temp MY_TABLE opt_if_not_exists qualified_name opt_create_query
        { auto* c = CreateTable($1, $2, $3, $4, $5); CreateQuery(c, $6); $$ = c; }
    | MY_CREATE opt_temp MY_TABLE opt_if_not_exists qualified_name table_option_list opt_create_query
        { auto* c = CreateTable($1, $2, $3, $4, $5); c->TableOptions = NC($6); CreateQuery(c, $7); $$ = c; }
    | MY_CREATE opt_temp MY_TABLE opt_if_not_exists qualified_name '(' table_element_list ')' opt_table_options
      opt_create_query
        { auto* c = CreateTable($1, $2, $3, $4, $5); c->ElementList = NC($7); c->TableOptions = NC($9);
          CreateQuery(c, $10); Tk(c, $6, $8); $$ = c; }
    | MY_CREATE opt_temp MY_TABLE opt_if_not_exists qualified_name MY_LIKE qualified_name
        { auto* c = CreateTable($1, $2, $3, $4, $5); c->LikeToken = NC($6); c->LikeSource = NC($7); $$ = c; }
    | MY_CREATE opt_temp MY_TABLE opt_if_not_exists qualified_name '(' MY_LIKE qualified_name ')'
        { auto* c = CreateTable($1, $2, $3, $4, $5); c->LikeOpenToken = NC($6); c->LikeToken = NC($7);
          c->LikeSource = NC($8); c->LikeCloseToken = NC($9); $$ = c; }
    ;

opt_if_not_exists
    : MY_IF MY_NOT MY_EXISTS
        { auto* h = Holder(); h->Tok1 = NC($1); h->Tok2 = NC($2); h->Tok3 = NC($3); $$ = h; }
    | /* empty */                       { $$ = nullptr; }
    ;

opt_create_query
    : select_stmt                       { $$ = QueryPart($1, -9999, -9999, nullptr, nullptr); }
    | MY_REPLACE select_stmt            { $$ = QueryPart($2, 2, -9999, $1, nullptr); }
    | MY_IGNORE select_stmt             { $$ = QueryPart($2, 1, -9999, $1, nullptr); }
    | MY_REPLACE MY_AS select_stmt      { $$ = QueryPart($3, 2, 1, $1, $2); }
    | MY_IGNORE MY_AS select_stmt       { $$ = QueryPart($3, 1, 1, $1, $2); }
    | MY_AS select_stmt                 { $$ = QueryPart($2, -9999, 1, $1, nullptr); }
    | /* empty */                       { $$ = nullptr; }
    ;

opt_table_options
    : table_option_list
    | /* empty */                       { $$ = nullptr; }
    ;

table_option_list
    : table_option                      { $$ = L1($1); }
    | table_option_list table_option    { $$ = Ap($1, $2); }
    | table_option_list ',' table_option { Sep($3, $2); $$ = Ap($1, $3); }
    ;

table_option
    : MY_ENGINE opt_equal col_id        { $$ = TableOption($1, $2, $3); }
    | MY_TYPE opt_equal col_id          { $$ = TableOption($1, $2, $3); }
    | MY_AUTO_INCREMENT opt_equal integer_const { $$ = TableOption($1, $2, $3); }
    | MY_AVG_ROW_LENGTH opt_equal integer_const { $$ = TableOption($1, $2, $3); }
    | MY_COMMENT opt_equal string_const { $$ = TableOption($1, $2, $3); }
    | MY_CHECKSUM opt_equal integer_const { $$ = TableOption($1, $2, $3); }
    | MY_MAX_ROWS opt_equal integer_const { $$ = TableOption($1, $2, $3); }
    | MY_MIN_ROWS opt_equal integer_const { $$ = TableOption($1, $2, $3); }
    | MY_PACK_KEYS opt_equal integer_const { $$ = TableOption($1, $2, $3); }
    | MY_PACK_KEYS opt_equal MY_DEFAULT { $$ = TableOption($1, $2, $3); }
    | MY_PASSWORD opt_equal string_const { $$ = TableOption($1, $2, $3); }
    | MY_DELAY_KEY_WRITE opt_equal integer_const { $$ = TableOption($1, $2, $3); }
    | MY_ROW_FORMAT opt_equal row_format_value { $$ = TableOption($1, $2, $3); }
    | MY_RAID_TYPE opt_equal raid_type_value { $$ = TableOption($1, $2, $3); }
    | MY_RAID_CHUNKS opt_equal integer_const { $$ = TableOption($1, $2, $3); }
    | MY_RAID_CHUNKSIZE opt_equal integer_const { $$ = TableOption($1, $2, $3); }
    | MY_UNION opt_equal '(' name_list ')'
        { auto* h = Holder(); h->List1 = NC($4); Tk(h, $1, $2, $3, $5); $$ = h; }
    | charset_option
    ;

charset_option
    : opt_default MY_CHARACTER MY_SET opt_equal charset_name
        { auto* h = Holder(); Tk(h, $1, $2, $3, $4, $5); $$ = h; }
    | opt_default MY_CHARSET opt_equal charset_name
        { auto* h = Holder(); Tk(h, $1, $2, $3, $4); $$ = h; }
    ;

opt_default
    : MY_DEFAULT
    | /* empty */                       { $$ = nullptr; }
    ;

charset_name
    : col_id
    | MY_DEFAULT
    ;

opt_equal
    : '='
    | /* empty */                       { $$ = nullptr; }
    ;

row_format_value
    : MY_DEFAULT
    | MY_FIXED
    | MY_DYNAMIC
    ;

raid_type_value
    : integer_const
    ;

opt_temp
    : MY_TEMPORARY                      { $$ = KindNode(1, $1, nullptr); }
    | MY_TEMP                           { $$ = KindNode(2, $1, nullptr); }
    | MY_LOCAL MY_TEMPORARY             { $$ = KindNode(3, $1, $2); }
    | MY_LOCAL MY_TEMP                  { $$ = KindNode(4, $1, $2); }
    | MY_GLOBAL MY_TEMPORARY            { $$ = KindNode(5, $1, $2); }
    | MY_GLOBAL MY_TEMP                 { $$ = KindNode(6, $1, $2); }
    | /* empty */                       { $$ = KindNode(0, nullptr, nullptr); }
    ;

table_element_list
    : table_element_list ',' table_element { $$ = Ap($1, $3); Sep($3, $2); }
    | table_element                     { $$ = L1($1); }
    ;

table_element
    : column_def
    | table_constraint
    ;

column_def
    : col_id typename col_constraint_list { $$ = ColumnDef($1, $2, $3); }
    | col_id typename                   { $$ = ColumnDef($1, $2, nullptr); }
    ;

col_constraint_list
    : col_constraint_list col_constraint { $$ = $2 ? Ap($1, $2) : $1; }
    | col_constraint                    { $$ = $1 ? L1($1) : nullptr; }
    ;

col_constraint
    : MY_CONSTRAINT name col_constraint_elem { $$ = Named($3, $1, $2); }
    | col_constraint_elem
    | constraint_attr
    ;

/* ---- Index, view, drop, transactions ------------------------------- */

index_stmt
    : MY_CREATE opt_index_kind MY_INDEX qualified_name MY_ON qualified_name '(' index_params ')'
        { auto* i = New<TRk_CreateIndexSqlStatement>(); i->IndexKind = static_cast<uint8_t>($2->Int1 & 0xFF);
          i->IndexKindToken = $2->Tok1; i->IndexName = NC($4); i->TableName = NC($6); i->ColumnList = NC($8);
          Tk(i, $1, $3, $5, $7, $9); $$ = i; }
    ;

opt_index_kind
    : MY_UNIQUE                         { $$ = KindNode(1, $1, nullptr); }
    | MY_BITMAP                         { $$ = KindNode(2, $1, nullptr); }
    | /* empty */                       { $$ = KindNode(0, nullptr, nullptr); }
    ;

index_params
    : index_elem_list
    ;

index_elem_list
    : index_elem_list ',' index_elem    { Sep($3, $2); $$ = Ap($1, $3); }
    | index_elem                        { $$ = L1($1); }
    ;

index_elem
    : value_expr                        { auto* h = Holder(); h->Int1 = 0; h->Sub1 = NC($1); $$ = h; }
    | value_expr MY_ASC                 { auto* h = Holder(); h->Int1 = 1; h->Sub1 = NC($1); h->Tok1 = NC($2); $$ = h; }
    | value_expr MY_DESC                { auto* h = Holder(); h->Int1 = 2; h->Sub1 = NC($1); h->Tok1 = NC($2); $$ = h; }
    ;

view_stmt
    : MY_CREATE opt_force MY_VIEW qualified_name opt_column_list MY_AS select_stmt opt_check_option
        { auto* v = MakeView(0, $2, $4, $5, $7, $8); Tk(v, $1, $3, $6); $$ = v; }
    | MY_CREATE MY_OR MY_REPLACE opt_force MY_VIEW qualified_name opt_column_list MY_AS select_stmt opt_check_option
        { auto* v = MakeView(1, $4, $6, $7, $9, $10); Tk(v, $1, $5, $8, $2, $3); $$ = v; }
    ;

opt_check_option
    : MY_WITH MY_READ MY_ONLY           { $$ = CheckOption(1, $1, $2, $3, nullptr, nullptr); }
    | MY_WITH MY_READ MY_ONLY MY_CONSTRAINT name { $$ = CheckOption(1, $1, $2, $3, $4, $5); }
    | MY_WITH MY_CHECK MY_OPTION        { $$ = CheckOption(2, $1, $2, $3, nullptr, nullptr); }
    | MY_WITH MY_CHECK MY_OPTION MY_CONSTRAINT name { $$ = CheckOption(2, $1, $2, $3, $4, $5); }
    | /* empty */                       { $$ = CheckOption(0, nullptr, nullptr, nullptr, nullptr, nullptr); }
    ;

opt_force
    : MY_FORCE                          { $$ = KindNode(1, $1, nullptr); }
    | MY_NOFORCE                        { $$ = KindNode(2, $1, nullptr); }
    | /* empty */                       { $$ = KindNode(0, nullptr, nullptr); }
    ;

drop_table_stmt
    : MY_DROP opt_temp MY_TABLE opt_if_exists name_list opt_drop_behavior
        { auto* d = New<TRk_DropTableStmt>(); d->DropFlag = static_cast<uint8_t>($2->Int1 & 0xFF);
          auto* x = Holder(); x->Sub1 = NC($2); x->Sub2 = NC($4); x->Tok1 = NC($6); Tk(x, $6);
          d->Extra = x; d->NameTokens = NC($5); Tk(d, $1, $3); $$ = d; }
    ;

opt_if_exists
    : MY_IF MY_EXISTS                   { auto* h = Holder(); Tk(h, $1, $2); $$ = h; }
    | /* empty */                       { $$ = nullptr; }
    ;

opt_drop_behavior
    : MY_RESTRICT
    | MY_CASCADE
    | /* empty */                       { $$ = nullptr; }
    ;

drop_index_stmt
    : MY_DROP MY_INDEX qualified_name
        { auto* d = New<TRk_DropIndexSqlStatement>(); d->IndexName = NC($3); Tk(d, $1, $2); $$ = d; }
    | MY_DROP MY_INDEX qualified_name MY_FORCE
        { auto* d = New<TRk_DropIndexSqlStatement>(); d->IndexName = NC($3); d->Force = 1; Tk(d, $1, $2, $4); $$ = d; }
    ;

drop_view_stmt
    : MY_DROP MY_VIEW qualified_name
        { auto* d = New<TRk_DropViewSqlStatement>(); d->ViewName = NC($3); Tk(d, $1, $2); $$ = d; }
    | MY_DROP MY_VIEW qualified_name MY_CASCADE MY_CONSTRAINTS
        { auto* d = New<TRk_DropViewSqlStatement>(); d->ViewName = NC($3); d->CascadeConstraints = 1;
          Tk(d, $1, $2, $4, $5); $$ = d; }
    ;

commit_stmt
    : MY_COMMIT
    | MY_COMMIT MY_WORK
    ;

rollback_stmt
    : MY_ROLLBACK opt_work
    | MY_ROLLBACK opt_work MY_TO name
    | MY_ROLLBACK opt_work MY_TO MY_SAVEPOINT name
    | MY_ROLLBACK opt_work MY_FORCE string_const
    ;

opt_work
    : MY_WORK
    | /* empty */                       { $$ = nullptr; }
    ;

/* ---- ALTER TABLE --------------------------------------------------- */

alter_table_stmt
    : MY_ALTER opt_ignore MY_TABLE qualified_name alter_table_cmds
        { auto* a = New<TRk_alterTableStmt>(); a->AlterToken = NC($1); a->IgnoreToken = NC($2); a->TableToken = NC($3);
          a->TableName = NC($4); a->AlterOptions = NC($5); $$ = a; }
    ;

opt_ignore
    : MY_IGNORE
    | /* empty */                       { $$ = nullptr; }
    ;

alter_table_cmds
    : alter_table_cmd                   { $$ = L1($1); }
    | alter_table_cmds ',' alter_table_cmd { Sep($3, $2); $$ = Ap($1, $3); }
    ;

alter_table_cmd
    : MY_ADD column_def opt_column_position
        { auto* o = AlterOption(0, $1); o->ColumnDef = static_cast<TRkColumnDef*>($2); o->Position = NC($3); $$ = o; }
    | MY_ADD '(' table_element_list ')'
        { auto* o = AlterOption(0, $1); o->ElementList = NC($3); Tk(o, $2, $4); $$ = o; }
    | MY_ADD MY_INDEX opt_name '(' column_list ')'
        { auto* o = AlterOption(1, $1); o->IndexNameToken = NC($3); o->ColumnList = NC($5); Tk(o, $2, $4, $6); $$ = o; }
    | MY_ADD opt_constraint_name MY_PRIMARY MY_KEY '(' column_list ')'
        { auto* o = AlterOption(2, $1); o->ConstraintName = NC($2); o->ColumnList = NC($6); Tk(o, $3, $4, $5, $7); $$ = o; }
    | MY_ADD opt_constraint_name MY_UNIQUE opt_name '(' column_list ')'
        { auto* o = AlterOption(3, $1); o->ConstraintName = NC($2); o->IndexNameToken = NC($4); o->ColumnList = NC($6);
          Tk(o, $3, $4, $5, $7); $$ = o; }
    | MY_ADD opt_constraint_name MY_FOREIGN MY_KEY '(' column_list ')'
        { auto* o = AlterOption(4, $1); o->ConstraintName = NC($2); o->ColumnList = NC($6); Tk(o, $3, $4, $5, $7); $$ = o; }
    | MY_ADD opt_constraint_name MY_FOREIGN MY_KEY '(' column_list ')' MY_REFERENCES qualified_name opt_column_list
      key_match key_actions
        { auto* o = AlterOption(4, $1); o->ConstraintName = NC($2); o->ColumnList = NC($6);
          o->RefClause = RefClause($8, $9, $10, $11, $12); Tk(o, $3, $4, $5, $7); $$ = o; }
    ;

opt_constraint_name
    : MY_CONSTRAINT opt_name            { auto* h = Holder(); Tk(h, $1, $2); $$ = h; }
    | /* empty */                       { $$ = nullptr; }
    ;

opt_column_position
    : MY_FIRST                          { auto* h = Holder(); Tk(h, $1); $$ = h; }
    | MY_AFTER col_id                   { auto* h = Holder(); Tk(h, $1, $2); $$ = h; }
    | /* empty */                       { $$ = nullptr; }
    ;

/* ---- Constraints --------------------------------------------------- */

col_constraint_elem
    : MY_NOT MY_NULL                    { auto* c = Constraint(0, 1); Tk(c, $1, $2); $$ = c; }
    | MY_NULL                           { auto* c = Constraint(0, 2); Tk(c, $1); $$ = c; }
    | MY_UNIQUE                         { auto* c = Constraint(0, 3); Tk(c, $1); $$ = c; }
    | MY_PRIMARY MY_KEY                 { auto* c = Constraint(0, 4); Tk(c, $1, $2); $$ = c; }
    | MY_CHECK '(' expr ')'             { auto* c = Constraint(0, 6); c->Expression = NC($3); Tk(c, $1, $2, $4); $$ = c; }
    | MY_DEFAULT restricted_expr        { auto* c = Constraint(0, 7); c->Expression = NC($2); Tk(c, $1); $$ = c; }
    | MY_REFERENCES qualified_name opt_column_list key_match key_actions
        { auto* c = Constraint(0, 8); c->SetRefClause(RefClause($1, $2, $3, $4, $5)); $$ = c; }
    | MY_AUTO_INCREMENT                 { auto* c = Constraint(0, 10); Tk(c, $1); $$ = c; }
    ;

constraint_attr
    : MY_DEFERRABLE                     { auto* h = Holder(); h->Tok1 = NC($1); $$ = h; }
    | MY_NOT MY_DEFERRABLE              { auto* h = Holder(); h->Tok1 = NC($1); h->Tok2 = NC($2); $$ = h; }
    ;

table_constraint
    : MY_CONSTRAINT name constraint_elem { $$ = Named($3, $1, $2); }
    | constraint_elem
    ;

constraint_elem
    : MY_CHECK '(' expr ')'
        { auto* c = Constraint(1, 6); c->Expression = NC($3); Tk(c, $1, $2, $4); $$ = c; }
    | MY_UNIQUE '(' column_list ')'
        { auto* c = Constraint(1, 3); c->ColumnList = NC($3); Tk(c, $1, $2, $4); $$ = c; }
    | MY_PRIMARY MY_KEY '(' column_list ')'
        { auto* c = Constraint(1, 4); c->ColumnList = NC($4); Tk(c, $1, $2, $3, $5); $$ = c; }
    | MY_FOREIGN MY_KEY opt_name '(' column_list ')'
        { auto* c = Constraint(1, 5); c->ForeignKeyName = $3; c->ColumnList = NC($5); c->SetRefClause(nullptr);
          Tk(c, $1, $2, $4, $6); $$ = c; }
    | MY_FOREIGN MY_KEY opt_name '(' column_list ')' MY_REFERENCES qualified_name opt_column_list key_match key_actions
      opt_deferrable
        { auto* c = Constraint(1, 5); c->ForeignKeyName = $3; c->ColumnList = NC($5);
          c->SetRefClause(RefClause($7, $8, $9, $10, $11)); c->RefClause->StateClause = $12;
          Tk(c, $1, $2, $4, $6); $$ = c; }
    | MY_KEY opt_name '(' column_list ')'
        { auto* c = Constraint(1, 9); c->IndexName = $2; c->ColumnList = NC($4); Tk(c, $1, $3, $5); $$ = c; }
    | MY_INDEX opt_name '(' column_list ')'
        { auto* c = Constraint(1, 11); c->OptionalName = $2; c->ColumnList = NC($4); Tk(c, $1, $3, $5); $$ = c; }
    ;

key_match
    : MY_MATCH MY_FULL                  { auto* h = Holder(); h->Int1 = 1; h->Tok1 = NC($1); h->Tok2 = NC($2); $$ = h; }
    | MY_MATCH MY_PARTIAL               { auto* h = Holder(); h->Int1 = 2; h->Tok1 = NC($1); h->Tok2 = NC($2); $$ = h; }
    | /* empty */                       { auto* h = Holder(); h->Int1 = 0; $$ = h; }
    ;

key_actions
    : key_delete                        { $$ = RefActions(1, $1, nullptr); $$->Int2 = $1->Int1; }
    | key_update                        { $$ = RefActions(2, $1, nullptr); $$->Int3 = $1->Int1; }
    | key_delete key_update             { $$ = RefActions(3, $1, $2); $$->Int2 = $1->Int1; $$->Int3 = $2->Int1; }
    | key_update key_delete             { $$ = RefActions(3, $1, $2); $$->Int2 = $2->Int1; $$->Int3 = $1->Int1; }
    | /* empty */                       { auto* h = Holder(); h->Int1 = 0; $$ = h; }
    ;

key_delete
    : MY_ON MY_DELETE key_action        { $3->Tok3 = NC($1); $3->Tok4 = NC($2); $$ = $3; }
    ;

key_update
    : MY_ON MY_UPDATE key_action        { $3->Tok3 = NC($1); $3->Tok4 = NC($2); $$ = $3; }
    ;

key_action
    : MY_NO MY_ACTION                   { auto* h = Holder(); h->Int1 = 0; h->Tok1 = NC($1); h->Tok2 = NC($2); $$ = h; }
    | MY_RESTRICT                       { auto* h = Holder(); h->Int1 = 1; h->Tok1 = NC($1); $$ = h; }
    | MY_CASCADE                        { auto* h = Holder(); h->Int1 = 2; h->Tok1 = NC($1); $$ = h; }
    | MY_SET MY_NULL                    { auto* h = Holder(); h->Int1 = 3; h->Tok1 = NC($1); h->Tok2 = NC($2); $$ = h; }
    | MY_SET MY_DEFAULT                 { auto* h = Holder(); h->Int1 = 4; h->Tok1 = NC($1); h->Tok2 = NC($2); $$ = h; }
    ;

opt_deferrable
    : MY_NOT MY_DEFERRABLE              { auto* h = Holder(); h->Tok1 = NC($1); h->Tok2 = NC($2); $$ = h; }
    | MY_DEFERRABLE                     { auto* h = Holder(); h->Tok1 = NC($1); $$ = h; }
    | /* empty */                       { $$ = nullptr; }
    ;

/* ---- Data types ---------------------------------------------------- */

typename
    : simple_typename
    ;

simple_typename
    : base_typename
    ;

base_typename
    : generic_type
    | numeric_type
    | character_type
    | datetime_type
    | lob_type
    | MY_ENUM '(' expr_list ')'
        { auto* t = New<TRk_TypeName>(); t->TypeForm = 73; t->TypeNameToken = NC($1); t->ValueList = NC($3);
          t->MidToken = NC($2); t->EndToken = NC($4); $$ = t; }
    ;

generic_type
    : plain_id                          { $$ = TypeName(2, $1); }
    ;

numeric_type
    : MY_FLOAT opt_float_precision opt_unsigned opt_zerofill     { $$ = TypeName(3, $1, $2, $3, $4); }
    | MY_DOUBLE opt_float_precision opt_unsigned opt_zerofill    { $$ = TypeName(46, $1, $2, $3, $4); }
    | MY_DECIMAL opt_float_precision opt_unsigned opt_zerofill   { $$ = TypeName(8, $1, $2, $3, $4); }
    | MY_NUMERIC opt_float_precision opt_unsigned opt_zerofill   { $$ = TypeName(10, $1, $2, $3, $4); }
    | MY_REAL opt_float_precision opt_unsigned opt_zerofill      { $$ = TypeName(35, $1, $2, $3, $4); }
    | MY_TINYINT opt_int_width opt_unsigned opt_zerofill         { $$ = TypeName(36, $1, $2, $3, $4); }
    | MY_SMALLINT opt_int_width opt_unsigned opt_zerofill        { $$ = TypeName(34, $1, $2, $3, $4); }
    | MY_MEDIUMINT opt_int_width opt_unsigned opt_zerofill       { $$ = TypeName(37, $1, $2, $3, $4); }
    | MY_INT opt_int_width opt_unsigned opt_zerofill             { $$ = TypeName(33, $1, $2, $3, $4); }
    | MY_INTEGER opt_int_width opt_unsigned opt_zerofill         { $$ = TypeName(12, $1, $2, $3, $4); }
    | MY_BIGINT opt_int_width opt_unsigned opt_zerofill          { $$ = TypeName(38, $1, $2, $3, $4); }
    ;

opt_float_precision
    : '(' integer_const ',' integer_const ')' { $$ = Precision($1, $2, $3, $4, $5); }
    | '(' integer_const ')'             { $$ = Precision($1, $2, nullptr, nullptr, $3); }
    | /* empty */                       { $$ = nullptr; }
    ;

opt_int_width
    : '(' integer_const ')'             { $$ = Precision($1, $2, nullptr, nullptr, $3); }
    | /* empty */                       { $$ = nullptr; }
    ;

opt_unsigned
    : MY_UNSIGNED
    | /* empty */                       { $$ = nullptr; }
    ;

opt_zerofill
    : MY_ZEROFILL
    | /* empty */                       { $$ = nullptr; }
    ;

character_type
    : MY_CHAR '(' integer_const ')' opt_charset_word
        { auto* t = TypeName(40, $1, Precision($2, $3, nullptr, nullptr, $4)); Tk(t, $5); $$ = t; }
    | MY_VARCHAR '(' integer_const ')'
        { $$ = TypeName(41, $1, Precision($2, $3, nullptr, nullptr, $4)); }
    ;

opt_charset_word
    : MY_ASCII
    | MY_UNICODE
    | /* empty */                       { $$ = nullptr; }
    ;

datetime_type
    : MY_TIMESTAMP                      { $$ = TypeName(50, $1); }
    | MY_DATE                           { $$ = TypeName(49, $1); }
    | MY_TIME                           { $$ = TypeName(54, $1); }
    | MY_DATETIME                       { $$ = TypeName(55, $1); }
    ;

lob_type
    : MY_BLOB                           { $$ = TypeName(61, $1); }
    | MY_TINYBLOB                       { $$ = TypeName(65, $1); }
    | MY_MEDIUMBLOB                     { $$ = TypeName(66, $1); }
    | MY_LONGBLOB                       { $$ = TypeName(67, $1); }
    | MY_TINYTEXT                       { $$ = TypeName(68, $1); }
    | MY_TEXT                           { $$ = TypeName(69, $1); }
    | MY_MEDIUMTEXT                     { $$ = TypeName(70, $1); }
    | MY_LONGTEXT                       { $$ = TypeName(71, $1); }
    ;

/* ---- Row-value predicates ------------------------------------------ */

row_predicate
    : '(' multi_expr_list ')' MY_IN select_with_parens
        { $$ = Ex(Expr_In, $4, Paren($1, $2, $3), $5); }
    | '(' multi_expr_list ')' MY_NOT MY_IN select_with_parens
        { auto* e = Ex(Expr_NotIn, $4, Paren($1, $2, $3), $6); Tk(e, $4, $5); $$ = e; }
    | '(' multi_expr_list ')' subquery_op quantifier select_with_parens
        { $$ = Quantified(Ex(Expr_AllOp, $4, Paren($1, $2, $3), $6), $5); }
    | '(' multi_expr_list ')' subquery_op select_with_parens
        { $$ = Ex(Expr_AllOp, $4, Paren($1, $2, $3), $5); }
    | '(' multi_expr_list ')' subquery_op '(' multi_expr_list ')'
        { auto* l = Paren($1, $2, $3); $$ = Ex(Expr_AllOp, $4, l, Paren($5, $6, $7)); }
    | '(' multi_expr_list ')' subquery_op quantifier '(' multi_expr_list ')'
        { auto* l = Paren($1, $2, $3); $$ = Quantified(Ex(Expr_AllOp, $4, l, Paren($6, $7, $8)), $5); }
    ;

/* ---- Expressions --------------------------------------------------- */

expr
    : primary_expr
    | row_predicate
    | '+' expr %prec P_UMINUS           { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '-' expr %prec P_UMINUS           { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '%' expr                          { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
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
    | expr MY_LIKE expr                 { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | expr MY_LIKE expr MY_ESCAPE expr  { auto* e = Ex(Expr_Escape, $4, $3, $5); $$ = Ex(Expr_Comparison, $2, $1, e); }
    | expr MY_NOT MY_LIKE expr %prec MY_LIKE
        { auto* e = Ex(Expr_NotLike, $2, $1, $4); Tk(e, $2, $3); $$ = e; }
    | expr MY_NOT MY_LIKE expr MY_ESCAPE expr
        { auto* x = Ex(Expr_Escape, $5, $4, $6); auto* e = Ex(Expr_NotLike, $2, $1, x); Tk(e, $2, $3); $$ = e; }
    | expr OPERATOR expr                { $$ = Ex(Expr_OP, $2, $1, $3); }
    | OPERATOR expr                     { $$ = Ex(Expr_OP, $1, nullptr, $2); }
    | expr OPERATOR %prec P_POSTFIX_OP  { $$ = Ex(Expr_OP, $2, $1, nullptr); }
    | MY_PRIOR expr %prec P_PRIOR       { $$ = Ex(Expr_Other, $1, nullptr, $2); }
    | expr MY_AT MY_TIME MY_ZONE primary_expr { auto* e = Ex(Expr_AtTimeZone, $2, $1, $5); Tk(e, $2, $3, $4); $$ = e; }
    | expr MY_AND expr                  { $$ = Ex(Expr_AND, $2, $1, $3); }
    | expr MY_OR expr                   { $$ = Ex(Expr_OR, $2, $1, $3); }
    | MY_NOT expr                       { $$ = Ex(Expr_NOT, $1, nullptr, $2); }
    | expr MY_IS MY_NULL %prec MY_IS    { auto* e = Ex(Expr_IsNull, nullptr, $1, nullptr); Tk(e, $2, $3); $$ = e; }
    | expr MY_IS MY_NOT MY_NULL %prec MY_IS { auto* e = Ex(Expr_IsNotNull, nullptr, $1, nullptr); Tk(e, $2, $3, $4); $$ = e; }
    | expr MY_BETWEEN restricted_expr MY_AND restricted_expr %prec MY_BETWEEN
        { auto* a = Ex(Expr_AND, $4, $3, $5); $$ = Ex(Expr_Between, $2, $1, a); }
    | expr MY_NOT MY_BETWEEN restricted_expr MY_AND restricted_expr %prec MY_BETWEEN
        { auto* a = Ex(Expr_AND, $5, $4, $6); auto* e = Ex(Expr_NotBetween, $2, $1, a); Tk(e, $2, $3); $$ = e; }
    | expr MY_IN in_operand             { $$ = Ex(Expr_In, $2, $1, $3); }
    | expr MY_NOT MY_IN in_operand %prec MY_IN { auto* e = Ex(Expr_NotIn, $2, $1, $4); Tk(e, $2, $3); $$ = e; }
    | expr subquery_op quantifier select_with_parens %prec MY_IN
        { $$ = Quantified(Ex(Expr_AllOp, $2, $1, $4), $3); }
    | expr subquery_op quantifier '(' multi_expr_list ')' %prec MY_IN
        { auto* p = Paren($4, $5, $6); $$ = Quantified(Ex(Expr_AllOp, $2, $1, p), $3); }
    | expr MY_IS MY_OF '(' type_list ')'              { $$ = IsOfType($1, $2, $6); }
    | expr MY_IS MY_OF MY_TYPE '(' type_list ')'      { $$ = IsOfType($1, $2, $7); }
    | expr MY_IS MY_NOT MY_OF '(' type_list ')'       { $$ = IsOfType($1, $2, $7); }
    | expr MY_IS MY_NOT MY_OF MY_TYPE '(' type_list ')' { $$ = IsOfType($1, $2, $8); }
    ;

restricted_expr
    : primary_expr
    | '+' restricted_expr %prec P_UMINUS { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '-' restricted_expr %prec P_UMINUS { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '%' restricted_expr               { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '^' restricted_expr %prec P_UMINUS { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | restricted_expr '%'               { $$ = Ex(Expr_Arithmetic, $2, $1, nullptr); }
    | restricted_expr '^'               { $$ = Ex(Expr_Arithmetic, $2, $1, nullptr); }
    | restricted_expr '+' restricted_expr { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | restricted_expr '-' restricted_expr { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | restricted_expr '*' restricted_expr { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | restricted_expr '/' restricted_expr { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | restricted_expr '%' restricted_expr { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | restricted_expr '^' restricted_expr { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | restricted_expr '<' restricted_expr { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | restricted_expr '>' restricted_expr { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | restricted_expr '=' restricted_expr { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | restricted_expr OPERATOR restricted_expr { $$ = Ex(Expr_OP, $2, $1, $3); }
    | OPERATOR restricted_expr          { $$ = Ex(Expr_OP, $1, nullptr, $2); }
    | restricted_expr OPERATOR %prec P_POSTFIX_OP { $$ = Ex(Expr_OP, $2, $1, nullptr); }
    | MY_PRIOR expr %prec P_PRIOR       { $$ = Ex(Expr_Other, $1, nullptr, $2); }
    ;

value_expr
    : primary_expr
    | '+' value_expr %prec P_UMINUS     { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '-' value_expr %prec P_UMINUS     { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | MY_PRIOR value_expr %prec P_PRIOR { $$ = Ex(Expr_Other, $1, nullptr, $2); }
    | value_expr '+' value_expr         { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | value_expr '-' value_expr         { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | value_expr '*' value_expr         { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | value_expr '/' value_expr         { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | value_expr '<' value_expr         { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | value_expr '>' value_expr         { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | value_expr '=' value_expr         { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | value_expr OPERATOR value_expr    { $$ = Ex(Expr_OP, $2, $1, $3); }
    | OPERATOR value_expr               { $$ = Ex(Expr_OP, $1, nullptr, $2); }
    ;

expr_list
    : expr                              { $$ = L1($1); }
    | expr_list ',' expr                { $$ = Ap($1, $3); Sep($3, $2); }
    ;

in_operand
    : value_expr %prec MY_IN
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
    : MY_ANY                            { auto* h = Holder(); h->Int1 = 1; h->Tok1 = NC($1); $$ = h; }
    | MY_SOME                           { auto* h = Holder(); h->Int1 = 2; h->Tok1 = NC($1); $$ = h; }
    | MY_ALL                            { auto* h = Holder(); h->Int1 = 3; h->Tok1 = NC($1); $$ = h; }
    ;

subquery_op
    : OPERATOR
    | single_char_op
    ;

single_char_op
    : '+' | '-' | '*' | '/' | '%' | '^' | '<' | '>' | '='
    ;

type_list
    : type_ref                          { $$ = nullptr; }
    | type_list ',' type_ref            { $$ = nullptr; }
    ;

type_ref
    : typename                          { $$ = nullptr; }
    | MY_ONLY typename                  { $$ = nullptr; }
    | MY_ONLY col_id '.' typename       { $$ = nullptr; }
    | col_id '.' typename               { $$ = nullptr; }
    ;

/* ---- Operands, constants, names, CASE ------------------------------ */

primary_expr
    : qualified_name                    { $$ = Ex(Expr_Attr, nullptr, $1, nullptr); }
    | AT_NAME                           { $$ = IdentExpr($1); }
    | MY_FULL                           { $$ = IdentExpr($1); }
    | MY_LEFT                           { $$ = IdentExpr($1); }
    | col_id '.' '*'
        { auto* a = New<TRk_Attr>(); a->NameToken = NC($1); a->DotToken = NC($2); a->NameParts = L1($3);
          $$ = Ex(Expr_Attr, nullptr, a, nullptr); }
    | constant                          { $$ = Ex(Expr_Const, nullptr, $1, nullptr); }
    | func_expr                         { $$ = Ex(Expr_FuncCall, nullptr, $1, nullptr); }
    | func_expr '.' col_id              { Sep($3, $2); $$ = Ex(Expr_FuncCall, $3, $1, nullptr); }
    | '(' expr ')'                      { $$ = Paren($1, $2, $3); }
    | case_expr
    | select_with_parens                { $$ = Ex(Expr_subquery, nullptr, $1, nullptr); }
    | MY_EXISTS select_with_parens      { $$ = Ex(Expr_Exists, $1, nullptr, $2); }
    | MY_CURSOR select_with_parens      { $$ = Ex(Expr_Cursor, $1, nullptr, $2); }
    ;

constant
    : integer_const                     { $$ = Const(55, $1); }
    | decimal_const                     { $$ = Const(48, $1); }
    | string_const                      { $$ = Const(172, $1); }
    | MY_NULL                           { $$ = Const(64, $1); }
    ;

integer_const
    : INTEGER_LIT
    ;

decimal_const
    : NUMBER_LIT
    ;

string_const
    : STRING_LIT
    ;

dotted_ref
    : col_id '.' name_part_list         { $$ = DottedName($1, $2, $3); }
    | MY_FULL '.' name_part_list        { $$ = DottedName($1, $2, $3); }
    | MY_LEFT '.' name_part_list        { $$ = DottedName($1, $2, $3); }
    ;

name_part_list
    : col_id                            { $$ = L1($1); }
    | MY_FULL                           { $$ = L1($1); }
    | MY_LEFT                           { $$ = L1($1); }
    | name_part_list '.' col_id         { Sep($3, $2); $$ = Ap($1, $3); }
    | name_part_list '.' '*'            { Sep($3, $2); $$ = Ap($1, $3); }
    ;

case_expr
    : MY_CASE case_arg when_clause_list case_default MY_END
        { auto* c = New<TRkCaseExpression>(); if ($2) c->SetInputExpr($2); c->WhenList = NC($3);
          c->SetElseExpr($4->Sub1); c->ElseClause = NC($4); Tk(c, $1, $5); $$ = c; }
    ;

case_arg
    : expr
    | /* empty */                       { $$ = nullptr; }
    ;

when_clause_list
    : when_clause                       { $$ = L1($1); }
    | when_clause_list when_clause      { $$ = Ap($1, $2); }
    ;

when_clause
    : MY_WHEN expr MY_THEN expr
        { auto* w = New<TRkCaseWhen>(); w->SetWhenExpr($2); w->SetThenExpr($4); Tk(w, $1, $3); $$ = w; }
    ;

case_default
    : MY_ELSE expr                      { auto* h = Holder(); h->Sub1 = NC($2); Tk(h, $1); $$ = h; }
    | /* empty */                       { $$ = Holder(); }
    ;

/* ---- Function calls ------------------------------------------------ */

func_name
    : qualified_name
    | func_name_keyword                 { auto* a = New<TRk_Attr>(); a->NameToken = NC($1); Tk(a, $1); $$ = a; }
    ;

func_expr
    : special_func_expr
    | func_name '(' ')'
        { auto* f = New<TRk_FuncCall>(); f->NameAttr = NC($1); Tk(f, $2, $3); $$ = f; }
    | func_name '(' expr_list ')'
        { auto* f = New<TRk_FuncCall>(); f->NameAttr = NC($1); f->ArgList = NC($3); Tk(f, $2, $4); $$ = f; }
    | func_name '(' MY_ALL expr_list ')'
        { auto* f = New<TRk_FuncCall>(); f->NameAttr = NC($1); f->ArgList = NC($4); f->IsAll = 1; Tk(f, $2, $3, $5); $$ = f; }
    | func_name '(' MY_DISTINCT expr_list ')'
        { auto* f = New<TRk_FuncCall>(); f->NameAttr = NC($1); f->ArgList = NC($4); f->IsDistinct = 1;
          Tk(f, $2, $3, $5); $$ = f; }
    | func_name '(' '*' ')'
        { auto* f = New<TRk_FuncCall>(); f->NameAttr = NC($1); f->IsStar = 1; Tk(f, $2, $3, $4); $$ = f; }
    ;

special_func_expr
    : MY_EXTRACT '(' extract_list ')'
        { auto* f = Special($1); f->CallForm = 4; f->ExtractArgs = static_cast<TRk_ExtractList*>($3); Tk(f, $1, $2, $4); $$ = f; }
    | MY_TRIM '(' MY_BOTH trim_list ')'
        { auto* f = Special($1); f->CallForm = 1; f->TrimKind = 1; f->TrimArgs = static_cast<TRk_TrimList*>($4);
          Tk(f, $1, $2, $3, $5); $$ = f; }
    | MY_TRIM '(' MY_LEADING trim_list ')'
        { auto* f = Special($1); f->CallForm = 1; f->TrimKind = 2; f->TrimArgs = static_cast<TRk_TrimList*>($4);
          Tk(f, $1, $2, $3, $5); $$ = f; }
    | MY_TRIM '(' MY_TRAILING trim_list ')'
        { auto* f = Special($1); f->CallForm = 1; f->TrimKind = 3; f->TrimArgs = static_cast<TRk_TrimList*>($4);
          Tk(f, $1, $2, $3, $5); $$ = f; }
    | MY_TRIM '(' trim_list ')'
        { auto* f = Special($1); f->CallForm = 1; f->TrimKind = 0; f->TrimArgs = static_cast<TRk_TrimList*>($3);
          Tk(f, $1, $2, $4); $$ = f; }
    | MY_CAST '(' expr MY_AS typename ')'
        { auto* f = Special($1); f->CallForm = 2; f->CastExpr = NC($3); f->CastType = NC($5); Tk(f, $1, $2, $4, $6); $$ = f; }
    ;

extract_list
    : extract_arg MY_FROM expr
        { auto* x = New<TRk_ExtractList>(); x->SourceExpr = NC($3); x->FieldToken = NC($1); Tk(x, $2); $$ = x; }
    | /* empty */                       { $$ = nullptr; }
    ;

extract_arg
    : IDENT | MY_YEAR | MY_MONTH | MY_DAY | MY_HOUR | MY_MINUTE | MY_SECOND | string_const
    ;

trim_list
    : expr MY_FROM expr_list
        { auto* t = New<TRk_TrimList>(); t->TrimChar = NC($1); t->SourceList = NC($3); t->HasFrom = 1; Tk(t, $2); $$ = t; }
    | expr_list
        { auto* t = New<TRk_TrimList>(); t->SourceList = NC($1); t->HasFrom = 0; $$ = t; }
    ;

/* ---- Select list, aliases, name lists ------------------------------ */

select_list
    : select_item                       { $$ = L1($1); }
    | select_list ',' select_item       { Sep($3, $2); $$ = Ap($1, $3); }
    ;

select_item
    : value_expr target_alias
        { auto* r = New<TRk_ResTarget>(); r->ValueExpr = NC($1); r->AliasClause = static_cast<TRk_AliasClause*>($2); r->HasAlias = 1; $$ = r; }
    | value_expr
        { auto* r = New<TRk_ResTarget>(); r->ValueExpr = NC($1); r->HasAlias = 0; $$ = r; }
    | '*'
        { auto* r = New<TRk_ResTarget>(); r->ValueExpr = IdentExpr($1, true); $$ = r; }
    ;

target_alias
    : MY_AS string_const
        { auto* a = New<TRk_AliasClause>(); a->AliasToken = NC($2); a->HasAs = 1; Tk(a, $1); $$ = a; }
    | MY_AS dotted_name
        { auto* a = New<TRk_AliasClause>(); a->NameParts = NC($2); a->HasAs = 1; Tk(a, $1); $$ = a; }
    | dotted_name
        { auto* a = New<TRk_AliasClause>(); a->NameParts = NC($1); a->HasAs = 0; $$ = a; }
    ;

dotted_name
    : alias_id                          { $$ = L1($1); }
    | dotted_name '.' alias_id          { Sep($3, $2); $$ = Ap($1, $3); }
    ;

opt_name
    : col_id
    | /* empty */                       { $$ = nullptr; }
    ;

name
    : col_id
    ;

name_list
    : name                              { $$ = L1($1); }
    | name_list ',' name                { Sep($3, $2); $$ = Ap($1, $3); }
    ;

/* ---- Names and keywords accepted as names -------------------------- */

col_id
    : IDENT
    | unreserved_keyword
    | type_keyword
    ;

plain_id
    : IDENT
    | unreserved_keyword
    ;

alias_id
    : IDENT
    | unreserved_keyword
    | type_keyword
    | func_name_keyword
    | alias_keyword
    ;

unreserved_keyword
    : MY_ACCESS
    | MY_ACCOUNT
    | MY_ACTION
    | MY_AFTER
    | MY_AT
    | MY_BEFORE
    | MY_BOTH
    | MY_BY
    | MY_BYTE
    | MY_CACHE
    | MY_CHAINED
    | MY_CHECKPOINT
    | MY_CLOSE
    | MY_COMMENT
    | MY_CONSTRAINTS
    | MY_COUNT
    | MY_COST
    | MY_CYCLE
    | MY_DATABASE
    | MY_DECODE  { $1->TokenType = ttDecodeName; $$ = $1; }
    | MY_DEFERRED
    | MY_DUMP
    | MY_EACH
    | MY_ESCAPE
    | MY_EXECUTE
    | MY_EXCEPT
    | MY_EXPLAIN
    | MY_EXTRACT
    | MY_EXTEND
    | MY_EXTERNALLY
    | MY_FORCE
    | MY_FETCH
    | MY_GLOBALLY
    | MY_GLOBAL_NAME
    | MY_HOUR
    | MY_IMMEDIATE
    | MY_INCREMENT
    | MY_INSERT
    | MY_INSTEAD
    | MY_ISOLATION
    | MY_LEADING
    | MY_LOCATOR
    | MY_LOCK
    | MY_LOG
    | MY_MATCH
    | MY_MATCHED
    | MY_MAX
    | MY_MAXVALUE
    | MY_MIN
    | MY_MINUTE
    | MY_MINVALUE
    | MY_MODE
    | MY_MONITORING
    | MY_MONTH
    | MY_MOVE
    | MY_MOVEMENT
    | MY_NATIONAL
    | MY_NO
    | MY_NOMONITORING
    | MY_NORELY
    | MY_NOTHING
    | MY_OBJECT
    | MY_OF
    | MY_OPTION
    | MY_OTHERS
    | MY_OUT
    | MY_OUTER
    | MY_PACKAGE
    | MY_PARTIAL
    | MY_PASSWORD
    | MY_PRECISION
    | MY_PRIVILEGES
    | MY_READ
    | MY_REF
    | MY_RENAME
    | MY_RECORD
    | MY_REPLACE
    | MY_RESET
    | MY_RESTRICT
    | MY_RESTRICTED
    | MY_RESTRICT_REFERENCES
    | MY_REVOKE
    | MY_ROLE
    | MY_ROLES
    | MY_RULE
    | MY_SCHEMA
    | MY_SECOND
    | MY_SERIALLY_REUSABLE
    | MY_SEQUENCE
    | MY_SERIALIZABLE
    | MY_SHARE
    | MY_STATISTICS
    | MY_STORE
    | MY_SUM
    | MY_SYSDATE
    | MY_TIES
    | MY_TRAILING
    | MY_TRIGGER
    | MY_TRIM
    | MY_TRANSACTION
    | MY_TRIGGERS
    | MY_TRUNCATE
    | MY_UID
    | MY_UNTIL
    | MY_USAGE
    | MY_USER
    | MY_VALUE
    | MY_VARYING
    | MY_VIEW
    | MY_WAIT
    | MY_WITHOUT
    | MY_WRITE
    | MY_WORK
    | MY_FILE
    | MY_FIRST
    | MY_ROWNUM
    | MY_LEVEL
    | MY_ZONE
    | MY_ROWTYPE
    | MY_ROWCOUNT
    | MY_ISOPEN
    | MY_NOTFOUND
    | MY_FOUND
    | MY_SQL
    | MY_BINARY_INTEGER
    | MY_BOOLEAN
    | MY_SESSION
    | MY_MEMBER
    | MY_INTERVAL
    | MY_CURRENT
    | MY_CONSTANT
    | MY_EXIT
    | MY_ROLLBACK
    | MY_COMMIT
    | MY_MERGE
    | MY_COLLECT
    | MY_BLOCK
    | MY_YEAR
    | MY_DAY
    | MY_SIZE
    | MY_THEN
    | MY_START
    | MY_PUBLIC
    | MY_TYPE
    | MY_LAST
    | MY_CAST
    | MY_RAW
    | MY_LOOP
    | MY_IGNORE
    | MY_ENGINE
    | MY_AVG_ROW_LENGTH
    | MY_CHECKSUM
    | MY_MAX_ROWS
    | MY_MIN_ROWS
    | MY_PACK_KEYS
    | MY_DELAY_KEY_WRITE
    | MY_ROW_FORMAT
    | MY_RAID_TYPE
    | MY_RAID_CHUNKS
    | MY_RAID_CHUNKSIZE
    | MY_CHARSET
    | MY_UNSIGNED
    | MY_ZEROFILL
    | MY_ASCII
    | MY_UNICODE
    | MY_DYNAMIC
    | MY_FIXED
    | MY_ENUM
    | MY_TEMP
    ;

type_keyword
    : MY_CHAR
    | MY_CHARACTER
    | MY_DEC
    | MY_DECIMAL
    | MY_FLOAT
    | MY_INTEGER
    | MY_NCHAR
    | MY_NUMERIC
    | MY_REAL
    | MY_ROW
    | MY_SMALLINT
    | MY_TIME
    | MY_TIMESTAMP
    | MY_VARCHAR
    | MY_VARCHAR2
    | MY_EXCEPTION
    | MY_DATE
    | MY_TINYINT
    | MY_BIGINT
    | MY_MEDIUMINT
    | MY_TINYBLOB
    | MY_MEDIUMBLOB
    | MY_LONGBLOB
    | MY_TINYTEXT
    | MY_TEXT
    | MY_MEDIUMTEXT
    | MY_LONGTEXT
    | MY_DATETIME
    | MY_INT
    | MY_DOUBLE
    ;

func_name_keyword
    : MY_BETWEEN
    | MY_FULL
    | MY_IS
    | MY_LIKE
    | MY_JOIN
    | MY_RIGHT
    | MY_LEFT
    ;

alias_keyword
    : MY_AS
    | MY_CASCADE
    | MY_CURSOR
    | MY_GLOBAL
    | MY_INNER
    | MY_LOCAL
    | MY_TEMPORARY
    | MY_ARRAY
    | MY_BEGIN
    | MY_BFILE
    | MY_BITMAP
    | MY_BLOB
    | MY_BODY
    | MY_CLOB
    | MY_COMMITTED
    | MY_CONSTRAINT
    | MY_END
    | MY_LOB
    | MY_NCLOB
    | MY_NESTED
    | MY_NOCACHE
    | MY_NOCYCLE
    | MY_NOFORCE
    | MY_NOMAXVALUE
    | MY_NOMINVALUE
    | MY_NOORDER
    | MY_NVARCHAR2
    | MY_ONLY
    | MY_OPEN
    | MY_FUNCTION
    | MY_PERCENT
    | MY_POSITIVE
    | MY_POSITIVEN
    | MY_PRIMARY
    | MY_PURGE
    | MY_RETURN
    | MY_REVERSE
    | MY_SOME
    | MY_SORT
    | MY_USING
    | MY_VARRAY
    | MY_WHEN
    | MY_WHILE
    | MY_MAP
    | MY_PRIOR
    | MY_EXISTS
    | MY_TOP
    | MY_VALUES
    ;

%%
