/* Oracle SQL grammar.  Read by yaccgen at build time (and by bison as a
 * cross-check of the conflict counts).  Every action builds its nodes in the
 * parser's node pool; the own tokens of each node are appended in source
 * order, since the plain text of a node is regenerated from them. */
%{
#include "parse/oracle/rkyaccoraclesql.h"
#define YYPARSER_CLASS TRkParserOracleSql
%}

%define api.prefix {oracle}
%define api.value.type {oracleYYSType}
// %value-cells accessors: the record is one tagged pointer (parse/rkyaccvalue.h).
/* Token codes: the names and numbers of parse/oracle/oracletokens.h. */
%token <token> IDENT 262 NUMBER_LIT 265 STRING_LIT 266 INTEGER_LIT 267
%token <token> OPERATOR 269 BIND_NAME 271 FORCED_ERROR 924 OUTER_JOIN_MARK 925
%token <token> RW_ACCESS 381 RW_ACCOUNT 494 RW_ACTION 829 RW_ADD 382 RW_AFTER 497
%token <token> RW_ALL 383 RW_ALTER 384 RW_AND 385 RW_ANY 386 RW_ARRAY 276
%token <token> RW_AS 387 RW_ASC 388 RW_ASSOCIATE 277 RW_AT 280 RW_BEFORE 508
%token <token> RW_BEGIN 284 RW_BETWEEN 390 RW_BFILE 509 RW_BINARY_INTEGER 285 RW_BITMAP 510
%token <token> RW_BLOB 511 RW_BLOCK 512 RW_BODY 286 RW_BOOLEAN 287 RW_BOTH 847
%token <token> RW_BUFFER_POOL 882 RW_BULK 288 RW_BY 391 RW_BYTE 834 RW_CACHE 513
%token <token> RW_CALL 278 RW_CASCADE 516 RW_CASE 289 RW_CAST 517 RW_CHAINED 519
%token <token> RW_CHAR 392 RW_CHARACTER 521 RW_CHECK 393 RW_CHECKPOINT 523 RW_CLOB 527
%token <token> RW_CLOSE 291 RW_COLLECT 822 RW_COLUMN 279 RW_COLUMNS 281 RW_COMMENT 396
%token <token> RW_COMMIT 533 RW_COMMITTED 850 RW_CONNECT 398 RW_CONSTANT 294 RW_CONSTRAINT 541
%token <token> RW_CONSTRAINTS 542 RW_COST 547 RW_COUNT 548 RW_CREATE 399 RW_CROSS 820
%token <token> RW_CUBE 282 RW_CURRENT 400 RW_CURSOR 297 RW_CYCLE 553 RW_DATABASE 298
%token <token> RW_DATE 401 RW_DAY 840 RW_DDL 283 RW_DEC 560 RW_DECIMAL 402
%token <token> RW_DECLARE 303 RW_DECODE 855 RW_DEFAULT 403 RW_DEFERRABLE 561 RW_DEFERRED 562
%token <token> RW_DELETE 404 RW_DESC 405 RW_DETERMINISTIC 878 RW_DISABLE 290 RW_DISASSOCIATE 292
%token <token> RW_DISTINCT 406 RW_DOUBLE 571 RW_DROP 407 RW_DUMP 572 RW_EACH 573
%token <token> RW_ELSE 408 RW_ELSIF 309 RW_ENABLE 293 RW_END 310 RW_ESCAPE 576
%token <token> RW_EXCEPT 926 RW_EXCEPTION 312 RW_EXCEPTION_INIT 313 RW_EXCEPTIONS 295 RW_EXECUTE 583
%token <token> RW_EXISTS 410 RW_EXIT 314 RW_EXPLAIN 864 RW_EXTEND 865 RW_EXTERNALLY 588
%token <token> RW_EXTRACT 845 RW_FETCH 316 RW_FILE 411 RW_FIRST 856 RW_FLOAT 412
%token <token> RW_FOR 413 RW_FORALL 857 RW_FORCE 594 RW_FOREIGN 595 RW_FOUND 872
%token <token> RW_FREELIST 596 RW_FREELISTS 597 RW_FROM 414 RW_FULL 821 RW_FUNCTION 318
%token <token> RW_GLOBAL 598 RW_GLOBAL_NAME 600 RW_GLOBALLY 599 RW_GOTO 320 RW_GRANT 415
%token <token> RW_GROUP 416 RW_GROUPING 299 RW_GROUPS 300 RW_HAVING 417 RW_HOUR 839
%token <token> RW_IF 321 RW_IMMEDIATE 419 RW_IN 420 RW_INCREMENT 421 RW_INDEX 422
%token <token> RW_INDICATOR 323 RW_INITIAL 423 RW_INITRANS 612 RW_INNER 825 RW_INSERT 424
%token <token> RW_INSTEAD 614 RW_INT 615 RW_INTEGER 425 RW_INTERSECT 426 RW_INTERVAL 843
%token <token> RW_INTO 427 RW_INVALID 301 RW_INVALIDATE 302 RW_IS 428 RW_ISOLATION 617
%token <token> RW_ISOPEN 866 RW_JOIN 819 RW_KEEP 304 RW_KEY 620 RW_LAST 854
%token <token> RW_LEADING 848 RW_LEFT 823 RW_LEVEL 429 RW_LIKE 430 RW_LOB 628
%token <token> RW_LOCAL 629 RW_LOCATOR 867 RW_LOCK 431 RW_LOG 630 RW_LOGGING 632
%token <token> RW_LONG 432 RW_LOOP 326 RW_MAP 852 RW_MATCH 826 RW_MATCHED 858
%token <token> RW_MAX 327 RW_MAXEXTENTS 433 RW_MAXTRANS 644 RW_MAXVALUE 645 RW_MEMBER 646
%token <token> RW_MERGE 868 RW_MIN 328 RW_MINEXTENTS 647 RW_MINUS 434 RW_MINUTE 838
%token <token> RW_MINVALUE 649 RW_MODE 436 RW_MODIFY 437 RW_MONITORING 859 RW_MONTH 841
%token <token> RW_MOVE 651 RW_MOVEMENT 869 RW_NAME 875 RW_NATIONAL 654 RW_NATURAL 330
%token <token> RW_NATURALN 331 RW_NCHAR 655 RW_NCLOB 657 RW_NESTED 659 RW_NEXT 660
%token <token> RW_NO 828 RW_NOCACHE 670 RW_NOCYCLE 671 RW_NOFORCE 672 RW_NOLOGGING 673
%token <token> RW_NOMAXVALUE 674 RW_NOMINVALUE 851 RW_NOMONITORING 860 RW_NOORDER 676 RW_NOPARALLEL 305
%token <token> RW_NORELY 870 RW_NOT 441 RW_NOTFOUND 871 RW_NOTHING 683 RW_NOVALIDATE 306
%token <token> RW_NOWAIT 442 RW_NULL 443 RW_NULLS 881 RW_NUMBER 444 RW_NUMERIC 684
%token <token> RW_NVARCHAR2 685 RW_OBJECT 686 RW_OF 445 RW_ON 447 RW_ONLY 693
%token <token> RW_OPEN 335 RW_OPTIMAL 695 RW_OPTION 449 RW_OR 450 RW_ORDER 451
%token <token> RW_OTHERS 336 RW_OUT 337 RW_OUTER 873 RW_OVER 880 RW_OVERLAPS 831
%token <token> RW_PACKAGE 338 RW_PARALLEL 307 RW_PARALLEL_ENABLE 879 RW_PARTIAL 827 RW_PARTITION 339
%token <token> RW_PASSWORD 701 RW_PCTFREE 452 RW_PCTINCREASE 708 RW_PCTUSED 710 RW_PERCENT 712
%token <token> RW_PLS_INTEGER 340 RW_POSITIVE 341 RW_POSITIVEN 342 RW_PRAGMA 343 RW_PRECISION 717
%token <token> RW_PRIMARY 719 RW_PRIOR 453 RW_PRIVILEGES 454 RW_PROCEDURE 345 RW_PUBLIC 455
%token <token> RW_PURGE 874 RW_RAISE 861 RW_RAW 456 RW_READ 727 RW_REAL 347
%token <token> RW_RECORD 348 RW_RECYCLE 308 RW_REF 349 RW_REFERENCES 732 RW_RENAME 457
%token <token> RW_REPLACE 735 RW_RESET 736 RW_RESTRICT 830 RW_RESTRICT_REFERENCES 877 RW_RESTRICTED 739
%token <token> RW_RETURN 352 RW_RETURNING 740 RW_REVERSE 353 RW_REVOKE 459 RW_RIGHT 824
%token <token> RW_ROLE 742 RW_ROLES 743 RW_ROLLBACK 492 RW_ROLLUP 311 RW_ROW 460
%token <token> RW_ROWCOUNT 862 RW_ROWLABEL 462 RW_ROWNUM 463 RW_ROWTYPE 354 RW_RULE 745
%token <token> RW_SAVEPOINT 493 RW_SCHEMA 356 RW_SECOND 837 RW_SELECT 465 RW_SEQUENCE 756
%token <token> RW_SERIALIZABLE 757 RW_SERIALLY_REUSABLE 876 RW_SESSION 466 RW_SET 467 RW_SETS 317
%token <token> RW_SHARE 468 RW_SIZE 469 RW_SMALLINT 470 RW_SNAPSHOT 764 RW_SOME 765
%token <token> RW_SORT 766 RW_SQL 360 RW_SQLCODE 361 RW_SQLERRM 362 RW_SQLERROR 769
%token <token> RW_START 471 RW_STATISTICS 773 RW_STORAGE 775 RW_STORE 776 RW_SUBTYPE 365
%token <token> RW_SUCCESSFUL 472 RW_SUM 366 RW_SYNONYM 473 RW_SYSDATE 474 RW_TABLE 475
%token <token> RW_TABLESPACE 782 RW_TEMP 319 RW_TEMPORARY 785 RW_THEN 476 RW_TIES 863
%token <token> RW_TIME 788 RW_TIMESTAMP 789 RW_TO 477 RW_TOP 853 RW_TRAILING 849
%token <token> RW_TRANSACTION 793 RW_TRIGGER 478 RW_TRIGGERS 795 RW_TRIM 846 RW_TRUNCATE 796
%token <token> RW_TYPE 372 RW_TYPECAST 832 RW_UID 479 RW_UNION 480 RW_UNIQUE 481
%token <token> RW_UNTIL 805 RW_UNUSED 322 RW_UPDATE 482 RW_UROWID 844 RW_USAGE 809
%token <token> RW_USE 373 RW_USER 483 RW_USING 810 RW_VALID 324 RW_VALIDATE 484
%token <token> RW_VALUE 812 RW_VALUES 485 RW_VARCHAR 486 RW_VARCHAR2 487 RW_VARRAY 813
%token <token> RW_VARYING 814 RW_VIEW 488 RW_WAIT 818 RW_WHEN 376 RW_WHENEVER 489
%token <token> RW_WHERE 490 RW_WHILE 377 RW_WITH 491 RW_WITHOUT 815 RW_WORK 378
%token <token> RW_WRITE 379 RW_YEAR 842 RW_ZONE 836
%token <token> '(' ')' ',' '.' ';' '*' '+' '-' '/' '%' '^' '<' '>' '=' '@' '[' ']'

%type <name> dotted_name func_name qualified_name
%type <clause> add_columns_clause alter_column_clause alter_constraint_clause alter_property
%type <clause> char_type_word drop_column_clause else_clause enable_disable_clause
%type <clause> from_clause group_by_clause having_clause index_column
%type <clause> index_kind interval_precision interval_to_day_second interval_to_year_month
%type <clause> into_clause join_type logging_clause match_clause
%type <clause> merge_insert_clause merge_update_clause modify_columns_clause nulls_order
%type <clause> on_delete_clause on_update_clause opt_cascade_invalidate opt_charset
%type <clause> opt_checkpoint opt_column_list opt_decimal_params opt_exceptions_into
%type <clause> opt_float_precision opt_index_handling opt_length_semantics opt_number_params
%type <clause> opt_outer opt_using_index opt_validate opt_varying
%type <clause> order_by_clause physical_attr physical_props quantifier
%type <clause> referential_action referential_actions rename_column_clause second_precision
%type <clause> deferrable_option fk_state_clause
%type <clause> segment_attr storage_clause storage_option table_kind
%type <clause> view_force view_restriction wait_option where_clause
%type <node> alter_session_stmt alter_table_stmt arith_expr bare_select
%type <node> case_expr case_operand check_body column_alias
%type <node> column_constraint column_constraint_body column_def commit_stmt
%type <node> constraint_state create_index_stmt create_object_table_stmt create_sequence_stmt
%type <node> create_table_stmt create_view_stmt delete_stmt distinct_clause
%type <node> dml_table drop_index_stmt drop_sequence_stmt drop_table_stmt
%type <node> drop_type_stmt drop_view_stmt expr extract_args
%type <node> for_update_clause func_call group_by_item grouping_element
%type <node> grouping_sets hierarchical_clause in_target insert_source
%type <node> insert_stmt insert_target join_condition joined_table
%type <node> key_body literal lock_table_stmt merge_stmt
%type <node> opt_for_update order_by_item over_clause paren_select
%type <node> primary_expr returning_clause rollback_stmt rollup_cube
%type <node> row_compare savepoint_stmt select_item select_stmt
%type <node> select_term set_clause set_operand set_transaction_stmt
%type <node> special_func stmt table_alias table_check_constraint
%type <node> table_constraint table_element table_key_constraint table_ref
%type <node> target_expr trim_args type_item update_stmt
%type <node> update_target when_clause
%type <type> builtin_type character_type datetime_type interval_type
%type <type> lob_type long_raw_type numeric_type rowid_type
%type <type> type_body type_name user_type
%type <list> alias_name alter_column_clause_list alter_property_list array_bounds
%type <list> column_constraint_list enable_disable_list expr_list for_update_column_list
%type <list> from_list group_by_list grouping_element_list in_expr_list
%type <list> index_column_list index_columns name_list name_tail
%type <list> opt_enable_disable_list order_by_list physical_attr_list qualified_name_list
%type <list> row_expr_list segment_attr_list select_list set_clause_list
%type <list>  storage_option_list table_element_list type_list
%type <list> when_list
%type <token> alias_keyword alias_word any_operator char_operator
%type <token> column_name enable_or_disable extract_field
%type <token> func_keyword_name ident integer_literal
%type <token> interval_value keyword_name lock_mode name
%type <token> number_literal opt_all opt_transaction_name opt_work
%type <token> sequence_option sequence_option_list sort_direction string_literal
%type <token> type_ident type_word_name
%type <node> stmt_list

/* Precedence, loosest first.  PRIOR and the postfix OPERATOR only give
 * precedence to their rules (the PRIOR token itself has none, so that
 * «a || prior b» stays binary).  ESCAPE sits above LIKE: on LIKE's
 * non-associative level every LIKE ... ESCAPE would be an error. */
%left RW_UNION RW_INTERSECT RW_MINUS
%nonassoc P_PRIOR
%left RW_AND RW_OR
%nonassoc P_POSTFIX_OP
%right RW_NOT
%right '='
%nonassoc '<' '>'
%nonassoc RW_LIKE
%nonassoc RW_ESCAPE
%nonassoc RW_BETWEEN RW_IN
%left OPERATOR
%left RW_IS OUTER_JOIN_MARK
%left '+' '-'
%left '*' '/' '%'
%left '^'
%left RW_AT
%right P_UMINUS
%left RW_TYPECAST
%left '@'

%start stmt_list
// The conflicts that precedence leaves, all resolved by shifting; the
// generators say so only when their number changes.
%expect 130
// %expect-unused 18: token codes of the shared layout that no rule reads.
%%

/* ---- Statements ---------------------------------------------------- */

stmt_list
    : stmt_list ';' stmt                { $$ = $1; }
    | stmt                              { SetRootOnce($1); $$ = $1; }
    ;

stmt
    : select_stmt
    | insert_stmt
    | update_stmt
    | delete_stmt
    | create_table_stmt
    | create_index_stmt
    | create_view_stmt
    | drop_table_stmt
    | drop_index_stmt
    | drop_view_stmt
    | commit_stmt
    | rollback_stmt
    | savepoint_stmt
    | create_sequence_stmt
    | drop_sequence_stmt
    | drop_type_stmt
    | create_object_table_stmt
    | alter_table_stmt
    | alter_session_stmt
    | merge_stmt
    | set_transaction_stmt
    | lock_table_stmt
    | /* empty */                       { $$ = nullptr; }
    ;

/* ---- Queries ------------------------------------------------------- */

select_stmt
    : bare_select
    | paren_select
    ;

paren_select
    : '(' bare_select ')'               { $$ = WrapParens($2, $1, $3); }
    | '(' paren_select ')'              { $$ = WrapParens($2, $1, $3); }
    ;

bare_select
    : select_term
    | set_operand order_by_clause opt_for_update
        { auto* q = Sel($1);
          InsertSelectOptions(q, $2->List1, NC($3), nullptr, nullptr);
          q->InnerParenCount = q->ParenCount; q->ParenCount = 0;
          q->OrderByClause = NC($2); $$ = q; }
    | set_operand for_update_clause
        { auto* q = Sel($1);
          InsertSelectOptions(q, nullptr, NC($2), nullptr, nullptr);
          q->ParenCount = 0; $$ = q; }
    ;

set_operand
    : select_term
    | paren_select
    ;

select_term
    : RW_SELECT distinct_clause select_list into_clause from_clause where_clause
      hierarchical_clause group_by_clause having_clause
        { auto* q = New<TRk_SelectStmt>();
          q->SelectToken = NC($1); q->DistinctClause = NC($2); q->TargetList = NC($3);
          q->IntoList = NC($4->List1); q->IntoClause = NC($4); q->IsBulkCollect = ($4->Int1 == 2) ? 1 : 0;
          q->FromList = NC($5->List1); q->FromClause = NC($5);
          q->WhereCondition = NC($6->Sub1); q->WhereClause = NC($6);
          q->HierarchicalClause = NC($7);
          q->GroupByList = NC($8->List1); q->GroupByClause = NC($8);
          q->HavingCondition = NC($9->Sub1); q->HavingClause = NC($9);
          Tk(q, $1); $$ = q; }
    | set_operand RW_UNION opt_all set_operand
        { auto* q = MakeSelectNode($3 ? 2 : 1, $2, $1, $4); q->SetAllToken = NC($3); $$ = q; }
    | set_operand RW_INTERSECT opt_all set_operand
        { auto* q = MakeSelectNode(4, $2, $1, $4); q->SetAllToken = NC($3); $$ = q; }
    | set_operand RW_MINUS opt_all set_operand
        { auto* q = MakeSelectNode(3, $2, $1, $4); q->SetAllToken = NC($3); $$ = q; }
    ;

opt_all
    : RW_ALL
    | /* empty */                       { $$ = nullptr; }
    ;

distinct_clause
    : RW_DISTINCT
        { auto* d = New<TRk_SelectDistinct>(); d->KeywordToken = NC($1); d->DistinctKind = 1; Tk(d, $1); $$ = d; }
    | RW_DISTINCT RW_ON '(' expr_list ')'
        { auto* d = New<TRk_SelectDistinct>(); d->KeywordToken = NC($1); d->OnList = NC($4); d->DistinctKind = 2;
          Tk(d, $1, $2, $3, $5); $$ = d; }
    | RW_ALL
        { auto* d = New<TRk_SelectDistinct>(); d->KeywordToken = NC($1); d->DistinctKind = 3; Tk(d, $1); $$ = d; }
    | RW_UNIQUE
        { auto* d = New<TRk_SelectDistinct>(); d->KeywordToken = NC($1); d->DistinctKind = 4; Tk(d, $1); $$ = d; }
    | /* empty */
        { $$ = New<TRk_SelectDistinct>(); }
    ;

into_clause
    : RW_INTO expr_list                    { auto* h = Holder(); h->Int1 = 1; h->List1 = NC($2); Tk(h, $1); $$ = h; }
    | RW_BULK RW_COLLECT RW_INTO expr_list       { auto* h = Holder(); h->Int1 = 2; h->List1 = NC($4); Tk(h, $1, $2, $3); $$ = h; }
    | /* empty */                       { $$ = Holder(); }
    ;

from_clause
    : RW_FROM from_list                    { auto* h = Holder(); h->List1 = NC($2); Tk(h, $1); $$ = h; }
    ;

where_clause
    : RW_WHERE expr                        { auto* h = Holder(); h->Sub1 = NC($2); Tk(h, $1); $$ = h; }
    | RW_WHERE RW_CURRENT RW_OF expr             { auto* h = Holder(); h->Sub1 = NC($4); Tk(h, $1, $2, $3); $$ = h; }
    | /* empty */                       { $$ = Holder(); }
    ;

hierarchical_clause
    : RW_CONNECT RW_BY expr RW_START RW_WITH expr
        { auto* c = New<TRk_hierarchial_query_clause>(); c->ConnectByCondition = NC($3); c->StartWithCondition = NC($6);
          Tk(c, $1, $2, $4, $5); $$ = c; }
    | RW_START RW_WITH expr RW_CONNECT RW_BY expr
        { auto* c = New<TRk_hierarchial_query_clause>(); c->ConnectByCondition = NC($6); c->StartWithCondition = NC($3);
          c->StartWithFirst = 1; Tk(c, $1, $2, $4, $5); $$ = c; }
    | RW_CONNECT RW_BY expr
        { auto* c = New<TRk_hierarchial_query_clause>(); c->ConnectByCondition = NC($3); Tk(c, $1, $2); $$ = c; }
    | /* empty */                       { $$ = nullptr; }
    ;

group_by_clause
    : RW_GROUP RW_BY group_by_list            { auto* h = Holder(); h->List1 = NC($3); Tk(h, $1, $2); $$ = h; }
    | /* empty */                       { $$ = Holder(); }
    ;

having_clause
    : RW_HAVING expr                       { auto* h = Holder(); h->Sub1 = NC($2); Tk(h, $1); $$ = h; }
    | /* empty */                       { $$ = Holder(); }
    ;

group_by_list
    : group_by_item                     { $$ = L1($1); }
    | group_by_list ',' group_by_item   { $$ = Ap($1, $3); Sep($3, $2); }
    ;

group_by_item
    : expr
    | rollup_cube
    | grouping_sets
    ;

rollup_cube
    : RW_ROLLUP '(' grouping_element_list ')'
        { auto* e = Ex(Expr_Rollup, $1, $3, nullptr); Tk(e, $2, $4); $$ = e; }
    | RW_CUBE '(' grouping_element_list ')'
        { auto* e = Ex(Expr_Cube, $1, $3, nullptr); Tk(e, $2, $4); $$ = e; }
    ;

grouping_sets
    : RW_GROUPING RW_SETS '(' grouping_element_list ')'
        { auto* e = Ex(Expr_GroupingSets, $1, $4, nullptr); Tk(e, $2, $3, $5); $$ = e; }
    ;

grouping_element_list
    : grouping_element                  { $$ = L1($1); }
    | grouping_element_list ',' grouping_element { $$ = Ap($1, $3); Sep($3, $2); }
    ;

grouping_element
    : arith_expr
    | rollup_cube
    | '(' expr_list ')'                 { auto* e = Ex(Expr_Parenthesis, nullptr, $2, nullptr); Tk(e, $1, $3); $$ = e; }
    ;

order_by_clause
    : RW_ORDER RW_BY order_by_list            { auto* h = Holder(); h->List1 = NC($3); Tk(h, $1, $2); $$ = h; }
    ;

order_by_list
    : order_by_item                     { $$ = L1($1); }
    | order_by_list ',' order_by_item   { $$ = Ap($1, $3); Sep($3, $2); }
    ;

order_by_item
    : expr sort_direction nulls_order
        { auto* s = New<TRk_SortGroupBy>(); s->SortExpr = NC($1); s->SortToken = NC($2);
          s->NullsOrder = $3->Int1; s->NullsClause = NC($3); $$ = s; }
    | expr RW_USING any_operator nulls_order
        { auto* s = New<TRk_SortGroupBy>(); s->SortExpr = NC($1); s->SortToken = NC($2); s->UsingOperator = NC($3);
          s->NullsOrder = $4->Int1; s->NullsClause = NC($4); $$ = s; }
    ;

sort_direction
    : RW_ASC
    | RW_DESC
    | /* empty */                       { $$ = nullptr; }
    ;

nulls_order
    : RW_NULLS RW_FIRST                       { auto* h = Holder(); h->Int1 = 1; Tk(h, $1, $2); $$ = h; }
    | RW_NULLS RW_LAST                        { auto* h = Holder(); h->Int1 = 2; Tk(h, $1, $2); $$ = h; }
    | /* empty */                       { auto* h = Holder(); h->Int1 = 0; $$ = h; }
    ;

opt_for_update
    : for_update_clause
    | /* empty */                       { $$ = nullptr; }
    ;

for_update_clause
    : RW_FOR RW_UPDATE RW_OF for_update_column_list wait_option
        { auto* f = New<TRk_for_update_clause>(); f->ColumnList = NC($4); f->WaitOption = NC($5); f->ForUpdateKind = 1;
          Tk(f, $1, $2, $3); $$ = f; }
    | RW_FOR RW_READ RW_ONLY
        { auto* f = New<TRk_for_update_clause>(); f->ForUpdateKind = 2; Tk(f, $1, $2, $3); $$ = f; }
    | RW_FOR RW_UPDATE wait_option
        { auto* f = New<TRk_for_update_clause>(); f->WaitOption = NC($3); f->ForUpdateKind = 3; Tk(f, $1, $2); $$ = f; }
    ;

wait_option
    : RW_NOWAIT                            { auto* h = Holder(); h->Str1Token = $1; Tk(h, $1); $$ = h; }
    | RW_WAIT integer_literal              { auto* h = Holder(); h->Str1Token = $1; h->Int1 = IntOf($2); Tk(h, $1, $2); $$ = h; }
    | /* empty */                       { $$ = nullptr; }
    ;

for_update_column_list
    : qualified_name                    { $$ = L1($1); }
    | for_update_column_list ',' qualified_name { $$ = Ap($1, $3); Sep($3, $2); }
    ;

from_list
    : from_list ',' table_ref           { $$ = Ap($1, $3); Sep($3, $2); }
    | table_ref                         { $$ = L1($1); }
    ;

table_ref
    : qualified_name                    { auto* r = New<TRk_TableRef>(); r->Source = NC($1); $$ = r; }
    | qualified_name table_alias        { auto* r = New<TRk_TableRef>(); r->Source = NC($1); r->Alias = NC($2); $$ = r; }
    | paren_select                      { auto* r = New<TRk_TableRef>(); r->Source = NC($1); $$ = r; }
    | paren_select table_alias          { auto* r = New<TRk_TableRef>(); r->Source = NC($1); r->Alias = NC($2); $$ = r; }
    | joined_table
    | '(' joined_table ')' table_alias
        { auto* j = New<TRk_JoinExpr>(); j->JoinType = 11; j->LeftRef = NC($2); j->Alias = NC($4); Tk(j, $1, $3); $$ = j; }
    | RW_TABLE '(' bare_select ')'
        { auto* r = New<TRk_TableRef>(); r->Source = NC($3); r->IsTableCollection = 1; Tk(r, $1, $2, $4); $$ = r; }
    | RW_TABLE '(' expr ')'
        { auto* r = New<TRk_TableRef>(); r->Source = NC($3); r->IsTableCollection = 1; Tk(r, $1, $2, $4); $$ = r; }
    | RW_TABLE '(' bare_select ')' table_alias
        { auto* r = New<TRk_TableRef>(); r->Source = NC($3); r->IsTableCollection = 1; r->Alias = NC($5);
          Tk(r, $1, $2, $4); $$ = r; }
    | RW_TABLE '(' expr ')' table_alias
        { auto* r = New<TRk_TableRef>(); r->Source = NC($3); r->IsTableCollection = 1; r->Alias = NC($5);
          Tk(r, $1, $2, $4); $$ = r; }
    ;

joined_table
    : '(' joined_table ')'
        { auto* j = New<TRk_JoinExpr>(); j->JoinType = 11; j->LeftRef = NC($2); Tk(j, $1, $3); $$ = j; }
    | table_ref RW_CROSS RW_JOIN table_ref
        { auto* j = New<TRk_JoinExpr>(); j->JoinType = 1; j->LeftRef = NC($1); j->RightRef = NC($4); Tk(j, $2, $3); $$ = j; }
    | table_ref RW_NATURAL RW_JOIN table_ref
        { auto* j = New<TRk_JoinExpr>(); j->JoinType = 2; j->LeftRef = NC($1); j->RightRef = NC($4); Tk(j, $2, $3); $$ = j; }
    | table_ref RW_JOIN table_ref join_condition
        { auto* j = New<TRk_JoinExpr>(); j->JoinType = 0; j->LeftRef = NC($1); j->RightRef = NC($3); j->Qualification = NC($4);
          Tk(j, $2); $$ = j; }
    | table_ref join_type RW_JOIN table_ref join_condition
        { auto* j = New<TRk_JoinExpr>(); j->JoinType = static_cast<uint8_t>($2->Int1); j->JoinTypeClause = NC($2);
          j->LeftRef = NC($1); j->RightRef = NC($4); j->Qualification = NC($5); Tk(j, $3); $$ = j; }
    ;

join_type
    : RW_FULL opt_outer                    { auto* h = Holder(); h->Int1 = 4 + $2->Int1; h->Tok1 = NC($1); h->Tok2 = $2->Tok1; $$ = h; }
    | RW_LEFT opt_outer                    { auto* h = Holder(); h->Int1 = 5 + $2->Int1; h->Tok1 = NC($1); h->Tok2 = $2->Tok1; $$ = h; }
    | RW_RIGHT opt_outer                   { auto* h = Holder(); h->Int1 = 6 + $2->Int1; h->Tok1 = NC($1); h->Tok2 = $2->Tok1; $$ = h; }
    | RW_INNER                             { auto* h = Holder(); h->Int1 = 10; h->Tok1 = NC($1); $$ = h; }
    ;

opt_outer
    : RW_OUTER                             { auto* h = Holder(); h->Int1 = 3; h->Tok1 = NC($1); $$ = h; }
    | /* empty */                       { auto* h = Holder(); h->Int1 = 0; $$ = h; }
    ;

join_condition
    : RW_USING '(' name_list ')'
        { auto* q = New<TRk_joinqual>(); q->UsingList = NC($3); q->QualKind = 1; Tk(q, $1, $2, $4); $$ = q; }
    | RW_ON expr
        { auto* q = New<TRk_joinqual>(); q->OnCondition = NC($2); q->QualKind = 2; Tk(q, $1); $$ = q; }
    ;

name_list
    : name                              { $$ = L1($1); }
    | name_list ',' name                { $$ = Ap($1, $3); Sep($3, $2); }
    ;

qualified_name
    : dotted_name
    | ident                             { auto* a = New<TRk_Attr>(); a->NameToken = NC($1); $$ = a; }
    | qualified_name '@' qualified_name { $1->AtToken = NC($2); $1->LinkedName = NC($3); $$ = $1; }
    ;

dotted_name
    : ident '.' name_tail               { $$ = DottedName($1, $2, $3); }
    | RW_FULL '.' name_tail                { $$ = DottedName($1, $2, $3); }
    | RW_LEFT '.' name_tail                { $$ = DottedName($1, $2, $3); }
    | RW_TYPE '.' name_tail                { $$ = DottedName($1, $2, $3); }
    ;

name_tail
    : ident                             { $$ = L1($1); }
    | name_tail '.' ident               { Sep($3, $2); $$ = Ap($1, $3); }
    | name_tail '.' '*'                 { Sep($3, $2); $$ = Ap($1, $3); }
    | RW_TYPE                              { $$ = L1($1); }
    | RW_FULL                              { $$ = L1($1); }
    | RW_LEFT                              { $$ = L1($1); }
    ;

name
    : ident
    ;

table_alias
    : RW_AS string_literal
        { auto* a = New<TRk_AliasClause>(); a->AliasToken = NC($2); a->HasAs = 1; Tk(a, $1); $$ = a; }
    | RW_AS alias_name
        { auto* a = New<TRk_AliasClause>(); a->NameParts = NC($2); a->HasAs = 1; Tk(a, $1); $$ = a; }
    | ident
        { auto* a = New<TRk_AliasClause>(); a->AliasToken = NC($1); a->HasAs = 0; $$ = a; }
    | string_literal
        { auto* a = New<TRk_AliasClause>(); a->AliasToken = NC($1); a->HasAs = 0; $$ = a; }
    ;

alias_name
    : alias_word                        { $$ = L1($1); }
    | alias_name '.' alias_word         { $$ = Ap($1, $3); Sep($3, $2); }
    ;

/* ---- INSERT, UPDATE, DELETE ---------------------------------------- */

insert_stmt
    : RW_INSERT RW_INTO insert_target insert_source returning_clause
        { $$ = MakeInsert($1, $2, $3, $4, $5); }
    | RW_INSERT RW_INTO qualified_name insert_source returning_clause
        { auto* r = New<TRk_TableRef>(); r->Source = NC($3); $$ = MakeInsert($1, $2, r, $4, $5); }
    ;

insert_target
    : dml_table
    ;

insert_source
    : RW_VALUES '(' select_list ')'
        { auto* r = New<TRkinsert_rest>(); r->ValuesList = NC($3); Tk(r, $1, $2, $4); $$ = r; }
    | select_stmt
        { auto* r = New<TRkinsert_rest>(); r->SubSelect = NC($1); $$ = r; }
    ;

update_stmt
    : RW_UPDATE update_target RW_SET set_clause_list where_clause returning_clause
        { auto* u = New<TRk_UpdateStmt>(); u->TargetTable = static_cast<TRk_TableRef*>($2); u->SetList = NC($4);
          u->WhereCondition = NC($5->Sub1); u->WhereClause = NC($5); u->ReturningClause = static_cast<TRkReturningClause*>($6);
          Tk(u, $1, $3); $$ = u; }
    ;

update_target
    : dml_table
    ;

set_clause_list
    : set_clause_list ',' set_clause    { $$ = Ap($1, $3); Sep($3, $2); }
    | set_clause                        { $$ = L1($1); }
    ;

set_clause
    : qualified_name '=' expr
        { auto* e = Ex(Expr_Comparison, $2, $1, $3); Tk(e, $2); $$ = e; }
    | '(' expr ')' any_operator paren_select
        { auto* p = Ex(Expr_Parenthesis, nullptr, $2, nullptr); Tk(p, $1, $3); $$ = Ex(Expr_AllOp, $4, p, $5); }
    | '(' row_expr_list ')' any_operator paren_select
        { auto* p = Ex(Expr_Parenthesis, nullptr, $2, nullptr); Tk(p, $1, $3); $$ = Ex(Expr_AllOp, $4, p, $5); }
    ;

delete_stmt
    : RW_DELETE RW_FROM dml_table where_clause returning_clause
        { $$ = MakeDelete($3, $4, $5, 0); Tk($$, $1, $2); }
    | RW_DELETE dml_table where_clause returning_clause
        { $$ = MakeDelete($2, $3, $4, 1); Tk($$, $1); }
    ;

returning_clause
    : RW_RETURNING expr_list RW_INTO name_list
        { auto* r = New<TRkReturningClause>(); r->ReturnList = NC($2); r->IntoList = NC($4); r->ReturningKind = 1;
          Tk(r, $1, $3); $$ = r; }
    | RW_RETURNING expr_list RW_BULK RW_COLLECT RW_INTO name_list
        { auto* r = New<TRkReturningClause>(); r->ReturnList = NC($2); r->IntoList = NC($6); r->ReturningKind = 2;
          Tk(r, $1, $3, $4, $5); $$ = r; }
    | /* empty */                       { $$ = nullptr; }
    ;

dml_table
    : qualified_name
        { auto* r = New<TRk_TableRef>(); r->Source = NC($1); $$ = r; }
    | qualified_name '(' expr_list ')'
        { auto* r = New<TRk_TableRef>(); r->Source = NC($1); r->ColumnList = NC($3); r->HasColumnList = 1; Tk(r, $2, $4); $$ = r; }
    | paren_select
        { auto* r = New<TRk_TableRef>(); r->Source = NC($1); $$ = r; }
    | qualified_name table_alias
        { auto* r = New<TRk_TableRef>(); r->Source = NC($1); r->Alias = NC($2); $$ = r; }
    | paren_select table_alias
        { auto* r = New<TRk_TableRef>(); r->Source = NC($1); r->Alias = NC($2); $$ = r; }
    ;

qualified_name_list
    : qualified_name_list ',' qualified_name { $$ = Ap($1, $3); Sep($3, $2); }
    | qualified_name                    { $$ = L1($1); }
    ;

opt_column_list
    : '(' qualified_name_list ')'       { auto* h = Holder(); h->List1 = NC($2); Tk(h, $1, $3); $$ = h; }
    | /* empty */                       { $$ = Holder(); }
    ;

/* ---- Expressions and conditions ------------------------------------ */

expr
    : primary_expr
    | expr RW_TYPECAST type_name           { $$ = Ex(Expr_Other, $2, $1, $3); }
    | expr RW_AT RW_TIME RW_ZONE primary_expr    { auto* e = Ex(Expr_AtTimeZone, $2, $1, $5); Tk(e, $2, $3, $4); $$ = e; }
    | '+' expr %prec P_UMINUS           { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '-' expr %prec P_UMINUS           { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '%' expr                          { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '^' expr                          { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | RW_PRIOR expr %prec P_PRIOR          { $$ = Ex(Expr_Other, $1, nullptr, $2); }
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
    | expr OPERATOR expr                { $$ = Ex(Expr_OP, $2, $1, $3); }
    | OPERATOR expr                     { $$ = Ex(Expr_OP, $1, nullptr, $2); }
    | expr OPERATOR %prec P_POSTFIX_OP  { $$ = Ex(Expr_OP, $2, $1, nullptr); }
    | expr RW_AND expr                     { $$ = Ex(Expr_AND, $2, $1, $3); }
    | expr RW_OR expr                      { $$ = Ex(Expr_OR, $2, $1, $3); }
    | RW_NOT expr                          { $$ = Ex(Expr_NOT, $1, nullptr, $2); }
    | expr RW_LIKE expr                    { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | expr RW_LIKE expr RW_ESCAPE expr        { $$ = Ex(Expr_Comparison, $2, $1, Ex(Expr_Escape, $4, $3, $5)); }
    | expr RW_NOT RW_LIKE expr %prec RW_LIKE
        { auto* e = Ex(Expr_NotLike, $2, $1, $4); Tk(e, $2, $3); $$ = e; }
    | expr RW_NOT RW_LIKE expr RW_ESCAPE expr
        { auto* e = Ex(Expr_NotLike, $2, $1, Ex(Expr_Escape, $5, $4, $6)); Tk(e, $2, $3); $$ = e; }
    | expr RW_IS RW_NULL %prec RW_IS             { auto* e = Ex(Expr_IsNull, nullptr, $1, nullptr); Tk(e, $2, $3); $$ = e; }
    | expr RW_IS RW_NOT RW_NULL %prec RW_IS         { auto* e = Ex(Expr_IsNotNull, nullptr, $1, nullptr); Tk(e, $2, $3, $4); $$ = e; }
    | expr RW_BETWEEN arith_expr RW_AND arith_expr %prec RW_BETWEEN
        { $$ = Ex(Expr_Between, $2, $1, Ex(Expr_AND, $4, $3, $5)); }
    | expr RW_NOT RW_BETWEEN arith_expr RW_AND arith_expr %prec RW_BETWEEN
        { auto* e = Ex(Expr_NotBetween, $2, $1, Ex(Expr_AND, $5, $4, $6)); Tk(e, $2, $3); $$ = e; }
    | expr RW_IN in_target                 { $$ = Ex(Expr_In, $2, $1, $3); }
    | expr RW_NOT RW_IN in_target %prec RW_IN    { auto* e = Ex(Expr_NotIn, $2, $1, $4); Tk(e, $2, $3); $$ = e; }
    | expr any_operator quantifier paren_select
        { $$ = Quantified(Ex(Expr_AllOp, $2, $1, $4), $3); }
    | expr any_operator quantifier '(' row_expr_list ')'
        { auto* p = Ex(Expr_Parenthesis, nullptr, $5, nullptr); Tk(p, $4, $6);
          $$ = Quantified(Ex(Expr_AllOp, $2, $1, p), $3); }
    | row_compare
    | expr OUTER_JOIN_MARK              { $$ = Ex(Expr_OuterJoin, $2, $1, nullptr); }
    | expr RW_IS RW_OF '(' type_list ')'      { $$ = IsOfType($1, $2, $6); }
    | expr RW_IS RW_OF RW_TYPE '(' type_list ')' { $$ = IsOfType($1, $2, $7); }
    | expr RW_IS RW_NOT RW_OF '(' type_list ')'  { $$ = IsOfType($1, $2, $7); }
    | expr RW_IS RW_NOT RW_OF RW_TYPE '(' type_list ')' { $$ = IsOfType($1, $2, $8); }
    ;

type_list
    : type_item                         { $$ = nullptr; }
    | type_list ',' type_item           { $$ = nullptr; }
    ;

type_item
    : type_name                         { $$ = nullptr; }
    | RW_ONLY type_name                    { $$ = nullptr; }
    | RW_ONLY ident '.' type_name          { $$ = nullptr; }
    | ident '.' type_name               { $$ = nullptr; }
    ;

arith_expr
    : primary_expr
    | arith_expr RW_TYPECAST type_name     { $$ = Ex(Expr_Other, $2, $1, $3); }
    | '+' arith_expr %prec P_UMINUS     { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '-' arith_expr %prec P_UMINUS     { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '%' arith_expr                    { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '^' arith_expr                    { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | RW_PRIOR expr %prec P_PRIOR          { $$ = Ex(Expr_Other, $1, nullptr, $2); }
    | arith_expr '%'                    { $$ = Ex(Expr_Arithmetic, $2, $1, nullptr); }
    | arith_expr '^'                    { $$ = Ex(Expr_Arithmetic, $2, $1, nullptr); }
    | arith_expr '+' arith_expr         { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | arith_expr '-' arith_expr         { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | arith_expr '*' arith_expr         { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | arith_expr '/' arith_expr         { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | arith_expr '%' arith_expr         { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | arith_expr '^' arith_expr         { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | arith_expr '<' arith_expr         { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | arith_expr '>' arith_expr         { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | arith_expr '=' arith_expr         { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | arith_expr OPERATOR arith_expr    { $$ = Ex(Expr_OP, $2, $1, $3); }
    | OPERATOR arith_expr               { $$ = Ex(Expr_OP, $1, nullptr, $2); }
    | arith_expr OPERATOR %prec P_POSTFIX_OP { $$ = Ex(Expr_OP, $2, $1, nullptr); }
    ;

row_compare
    : '(' row_expr_list ')' RW_IN paren_select
        { $$ = Ex(Expr_In, $4, Paren($1, $2, $3), $5); }
    | '(' row_expr_list ')' RW_NOT RW_IN paren_select
        { auto* e = Ex(Expr_NotIn, $4, Paren($1, $2, $3), $6); Tk(e, $4, $5); $$ = e; }
    | '(' row_expr_list ')' any_operator quantifier paren_select
        { $$ = Quantified(Ex(Expr_AllOp, $4, Paren($1, $2, $3), $6), $5); }
    | '(' row_expr_list ')' any_operator paren_select
        { $$ = Ex(Expr_AllOp, $4, Paren($1, $2, $3), $5); }
    | '(' row_expr_list ')' any_operator '(' row_expr_list ')'
        { $$ = Ex(Expr_AllOp, $4, Paren($1, $2, $3), Paren($5, $6, $7)); }
    | '(' row_expr_list ')' any_operator quantifier '(' row_expr_list ')'
        { $$ = Quantified(Ex(Expr_AllOp, $4, Paren($1, $2, $3), Paren($6, $7, $8)), $5); }
    | '(' row_expr_list ')' RW_OVERLAPS '(' row_expr_list ')'
        { $$ = Ex(Expr_AllOp, $4, Paren($1, $2, $3), Paren($5, $6, $7)); }
    ;

row_expr_list
    : expr_list ',' expr                { $$ = Ap($1, $3); Sep($3, $2); }
    ;

quantifier
    : RW_ANY                               { auto* h = Holder(); h->Int1 = 1; h->Tok1 = NC($1); $$ = h; }
    | RW_SOME                              { auto* h = Holder(); h->Int1 = 2; h->Tok1 = NC($1); $$ = h; }
    | RW_ALL                               { auto* h = Holder(); h->Int1 = 3; h->Tok1 = NC($1); $$ = h; }
    ;

any_operator
    : OPERATOR
    | char_operator
    ;

char_operator
    : '+' | '-' | '*' | '/' | '%' | '^' | '<' | '>' | '='
    ;

primary_expr
    : qualified_name                    { $$ = Ex(Expr_Attr, nullptr, $1, nullptr); }
    | RW_TYPE                              { $$ = IdentExpr($1); }
    | RW_FULL                              { $$ = IdentExpr($1); }
    | RW_LEFT                              { $$ = IdentExpr($1); }
    | ident '.' '*'
        { auto* a = New<TRk_Attr>(); a->NameToken = NC($1); a->DotToken = NC($2); a->NameParts = L1($3);
          $$ = Ex(Expr_Attr, nullptr, a, nullptr); }
    | literal                           { $$ = Ex(Expr_Const, nullptr, $1, nullptr); }
    | func_call                         { $$ = Ex(Expr_FuncCall, nullptr, $1, nullptr); }
    | '(' expr ')'                      { $$ = Paren($1, $2, $3); }
    | RW_CURSOR paren_select               { $$ = Ex(Expr_Cursor, $1, nullptr, $2); }
    | case_expr
    | paren_select                      { $$ = Ex(Expr_subquery, nullptr, $1, nullptr); }
    | RW_EXISTS paren_select               { $$ = Ex(Expr_Exists, $1, nullptr, $2); }
    | func_call '.' ident               { Sep($3, $2); $$ = Ex(Expr_FuncCall, $3, $1, nullptr); }
    ;

expr_list
    : expr                              { $$ = L1($1); }
    | expr_list ',' expr                { $$ = Ap($1, $3); Sep($3, $2); }
    ;

in_target
    : target_expr %prec RW_IN
    | '(' in_expr_list ')'              { $$ = Paren($1, $2, $3); }
    ;

in_expr_list
    : expr                              { $$ = L1($1); }
    | in_expr_list ',' expr             { $$ = Ap($1, $3); Sep($3, $2); }
    ;

case_expr
    : RW_CASE case_operand when_list else_clause RW_END
        { auto* c = New<TRkCaseExpression>(); if ($2) c->SetInputExpr($2); c->WhenList = NC($3);
          c->SetElseExpr($4->Sub1); c->ElseClause = NC($4); Tk(c, $1, $5); $$ = c; }
    ;

case_operand
    : expr
    | /* empty */                       { $$ = nullptr; }
    ;

when_list
    : when_list when_clause             { $$ = Ap($1, $2); }
    | when_clause                       { $$ = L1($1); }
    ;

when_clause
    : RW_WHEN expr RW_THEN expr
        { auto* w = New<TRkCaseWhen>(); w->SetWhenExpr($2); w->SetThenExpr($4); Tk(w, $1, $3); $$ = w; }
    ;

else_clause
    : RW_ELSE expr                         { auto* h = Holder(); h->Sub1 = NC($2); Tk(h, $1); $$ = h; }
    | /* empty */                       { $$ = Holder(); }
    ;

extract_args
    : extract_field RW_FROM expr
        { auto* x = New<TRk_ExtractList>(); x->SourceExpr = NC($3); x->FieldToken = NC($1); Tk(x, $2); $$ = x; }
    | /* empty */                       { $$ = nullptr; }
    ;

extract_field
    : IDENT | RW_YEAR | RW_MONTH | RW_DAY | RW_HOUR | RW_MINUTE | RW_SECOND | string_literal | BIND_NAME
    ;

trim_args
    : expr RW_FROM expr_list
        { auto* t = New<TRk_TrimList>(); t->TrimChar = NC($1); t->SourceList = NC($3); t->HasFrom = 1; Tk(t, $2); $$ = t; }
    | expr_list
        { auto* t = New<TRk_TrimList>(); t->SourceList = NC($1); t->HasFrom = 0; $$ = t; }
    ;

/* ---- Function calls, select list, literals ------------------------- */

func_name
    : func_keyword_name                 { auto* a = New<TRk_Attr>(); a->NameToken = NC($1); Tk(a, $1); $$ = a; }
    | qualified_name
    ;

func_call
    : special_func
    | func_name '(' ')' over_clause
        { auto* f = New<TRk_FuncCall>(); f->NameAttr = NC($1); f->Analytic = Analytic($4); Tk(f, $2, $3); $$ = f; }
    | func_name '(' expr_list ')' over_clause
        { auto* f = New<TRk_FuncCall>(); f->NameAttr = NC($1); f->ArgList = NC($3); f->Analytic = Analytic($5);
          Tk(f, $2, $4); $$ = f; }
    | func_name '(' RW_ALL expr_list ')' over_clause
        { auto* f = New<TRk_FuncCall>(); f->NameAttr = NC($1); f->ArgList = NC($4); f->IsAll = 1; f->Analytic = Analytic($6);
          Tk(f, $2, $3, $5); $$ = f; }
    | func_name '(' RW_DISTINCT expr_list ')' over_clause
        { auto* f = New<TRk_FuncCall>(); f->NameAttr = NC($1); f->ArgList = NC($4); f->IsDistinct = 1; f->Analytic = Analytic($6);
          Tk(f, $2, $3, $5); $$ = f; }
    | func_name '(' '*' ')' over_clause
        { auto* f = New<TRk_FuncCall>(); f->NameAttr = NC($1); f->IsStar = 1; f->Analytic = Analytic($5);
          Tk(f, $2, $3, $4); $$ = f; }
    ;

over_clause
    : RW_OVER '(' ')'
        { auto* a = NewAnalytic(); Tk(a, $1, $2, $3); $$ = a; }
    | RW_OVER '(' RW_PARTITION RW_BY expr_list ')'
        { auto* a = NewAnalytic(); a->PartitionToken = NC($3); a->ByToken = NC($4); a->PartitionList = NC($5);
          Tk(a, $1, $2, $6); $$ = a; }
    | RW_OVER '(' RW_PARTITION RW_BY expr_list order_by_clause ')'
        { auto* a = NewAnalytic(); a->PartitionToken = NC($3); a->ByToken = NC($4); a->PartitionList = NC($5);
          a->OrderByClause = NC($6); Tk(a, $1, $2, $7); $$ = a; }
    | RW_OVER '(' order_by_clause ')'
        { auto* a = NewAnalytic(); a->OrderByClause = NC($3); Tk(a, $1, $2, $4); $$ = a; }
    | /* empty */                       { $$ = nullptr; }
    ;

special_func
    : RW_EXTRACT '(' extract_args ')'
        { auto* f = Special($1); f->CallForm = 4; f->ExtractArgs = static_cast<TRk_ExtractList*>($3); Tk(f, $1, $2, $4); $$ = f; }
    | RW_TRIM '(' RW_BOTH trim_args ')'
        { auto* f = Special($1); f->CallForm = 1; f->TrimKind = 1; f->TrimArgs = static_cast<TRk_TrimList*>($4);
          Tk(f, $1, $2, $3, $5); $$ = f; }
    | RW_TRIM '(' RW_LEADING trim_args ')'
        { auto* f = Special($1); f->CallForm = 1; f->TrimKind = 2; f->TrimArgs = static_cast<TRk_TrimList*>($4);
          Tk(f, $1, $2, $3, $5); $$ = f; }
    | RW_TRIM '(' RW_TRAILING trim_args ')'
        { auto* f = Special($1); f->CallForm = 1; f->TrimKind = 3; f->TrimArgs = static_cast<TRk_TrimList*>($4);
          Tk(f, $1, $2, $3, $5); $$ = f; }
    | RW_TRIM '(' trim_args ')'
        { auto* f = Special($1); f->CallForm = 1; f->TrimKind = 0; f->TrimArgs = static_cast<TRk_TrimList*>($3);
          Tk(f, $1, $2, $4); $$ = f; }
    | RW_CAST '(' expr RW_AS type_name ')'
        { auto* f = Special($1); f->CallForm = 2; f->CastExpr = NC($3); f->CastType = NC($5); Tk(f, $1, $2, $4, $6); $$ = f; }
    ;

select_list
    : select_list ',' select_item       { Sep($3, $2); $$ = Ap($1, $3); }
    | select_item                       { $$ = L1($1); }
    ;

select_item
    : target_expr column_alias
        { auto* r = New<TRk_ResTarget>(); r->ValueExpr = NC($1); r->AliasClause = static_cast<TRk_AliasClause*>($2); r->HasAlias = 1; $$ = r; }
    | target_expr
        { auto* r = New<TRk_ResTarget>(); r->ValueExpr = NC($1); r->HasAlias = 0; $$ = r; }
    | '*'
        { auto* i = New<TRk_Ident>(); i->IdentToken = NC($1); Tk(i, $1);
          auto* r = New<TRk_ResTarget>(); r->ValueExpr = Ex(Expr_Ident, nullptr, i, nullptr); $$ = r; }
    ;

column_alias
    : RW_AS string_literal
        { auto* a = New<TRk_AliasClause>(); a->AliasToken = NC($2); a->HasAs = 1; Tk(a, $1); $$ = a; }
    | RW_AS alias_name
        { auto* a = New<TRk_AliasClause>(); a->NameParts = NC($2); a->HasAs = 1; Tk(a, $1); $$ = a; }
    | alias_name
        { auto* a = New<TRk_AliasClause>(); a->NameParts = NC($1); a->HasAs = 0; $$ = a; }
    ;

target_expr
    : primary_expr
    | '+' target_expr %prec P_UMINUS    { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '-' target_expr %prec P_UMINUS    { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | RW_PRIOR target_expr %prec P_PRIOR   { $$ = Ex(Expr_Other, $1, nullptr, $2); }
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

literal
    : integer_literal                   { $$ = Const(55, $1); }
    | number_literal                    { $$ = Const(48, $1); }
    | string_literal                    { $$ = Const(172, $1); }
    | RW_NULL                             { $$ = Const(64, $1); }
    | RW_DATE string_literal               { auto* c = New<TRk_A_Const>(); c->ConstKind = 103; c->ValueToken = NC($2); Tk(c, $1, $2); $$ = c; }
    | RW_INTERVAL interval_value RW_YEAR interval_precision interval_to_year_month
        { $$ = IntervalConst(104, $1, $2, $3, $4, $5); }
    | RW_INTERVAL interval_value RW_MONTH interval_precision interval_to_year_month
        { $$ = IntervalConst(105, $1, $2, $3, $4, $5); }
    | RW_INTERVAL interval_value RW_DAY interval_precision interval_to_day_second
        { $$ = IntervalConst(106, $1, $2, $3, $4, $5); }
    | RW_INTERVAL interval_value RW_HOUR interval_precision interval_to_day_second
        { $$ = IntervalConst(107, $1, $2, $3, $4, $5); }
    | RW_INTERVAL interval_value RW_MINUTE interval_precision interval_to_day_second
        { $$ = IntervalConst(108, $1, $2, $3, $4, $5); }
    | RW_INTERVAL interval_value RW_SECOND second_precision interval_to_day_second
        { $$ = IntervalConst(109, $1, $2, $3, $4, $5); }
    | BIND_NAME RW_INDICATOR BIND_NAME
        { auto* c = New<TRk_A_Const>(); c->ConstKind = 12; Tk(c, $1, $2, $3); $$ = c; }
    ;

interval_value
    : string_literal
    | integer_literal
    ;

interval_precision
    : '(' integer_literal ')'           { auto* h = Holder(); h->Int1 = IntOf($2); Tk(h, $1, $2, $3); $$ = h; }
    | /* empty */                       { $$ = nullptr; }
    ;

second_precision
    : '(' integer_literal ')'
        { auto* h = Holder(); h->Int1 = IntOf($2); h->Int2 = -9999; Tk(h, $1, $2, $3); $$ = h; }
    | '(' integer_literal ',' integer_literal ')'
        { auto* h = Holder(); h->Int1 = IntOf($2); h->Int2 = IntOf($4); Tk(h, $1, $2, $3, $4, $5); $$ = h; }
    | /* empty */                       { $$ = nullptr; }
    ;

interval_to_year_month
    : RW_TO RW_YEAR                           { auto* h = Holder(); h->Int1 = 1; Tk(h, $1, $2); $$ = h; }
    | RW_TO RW_MONTH                          { auto* h = Holder(); h->Int1 = 2; Tk(h, $1, $2); $$ = h; }
    | /* empty */                       { $$ = nullptr; }
    ;

interval_to_day_second
    : RW_TO RW_DAY                            { auto* h = Holder(); h->Int1 = 3; h->Int2 = -9999; Tk(h, $1, $2); $$ = h; }
    | RW_TO RW_HOUR                           { auto* h = Holder(); h->Int1 = 4; h->Int2 = -9999; Tk(h, $1, $2); $$ = h; }
    | RW_TO RW_MINUTE                         { auto* h = Holder(); h->Int1 = 5; h->Int2 = -9999; Tk(h, $1, $2); $$ = h; }
    | RW_TO RW_SECOND                         { auto* h = Holder(); h->Int1 = 6; h->Int2 = -9999; Tk(h, $1, $2); $$ = h; }
    | RW_TO RW_SECOND '(' integer_literal ')'
        { auto* h = Holder(); h->Int1 = 6; h->Int2 = IntOf($4); Tk(h, $1, $2, $3, $4, $5); $$ = h; }
    | /* empty */                       { $$ = nullptr; }
    ;

/* ---- CREATE TABLE -------------------------------------------------- */

create_table_stmt
    : RW_CREATE table_kind RW_TABLE qualified_name '(' table_element_list ')' physical_props
        { auto* c = NewCreateTable($2, $4); c->ElementList = NC($6); c->PhysicalProperties = NC($8);
          Tk(c, $1, $3, $5, $7); $$ = c; }
    | RW_CREATE table_kind RW_TABLE qualified_name RW_AS select_stmt
        { auto* c = NewCreateTable($2, $4); c->Query = NC($6); c->AsToken = NC($5); Tk(c, $1, $3); $$ = c; }
    | RW_CREATE table_kind RW_TABLE qualified_name '(' name_list ')' RW_AS select_stmt
        { auto* c = NewCreateTable($2, $4); c->ColumnNameList = NC($6); c->Query = NC($9); c->AsToken = NC($8);
          Tk(c, $1, $3, $5, $7); $$ = c; }
    ;

create_object_table_stmt
    : RW_CREATE table_kind RW_TABLE qualified_name RW_OF qualified_name { $$ = nullptr; }
    ;

table_kind
    : RW_TEMPORARY                         { $$ = KindNode(1, $1, nullptr); }
    | RW_TEMP                              { $$ = KindNode(2, $1, nullptr); }
    | RW_LOCAL RW_TEMPORARY                   { $$ = KindNode(3, $1, $2); }
    | RW_LOCAL RW_TEMP                        { $$ = KindNode(4, $1, $2); }
    | RW_GLOBAL RW_TEMPORARY                  { $$ = KindNode(5, $1, $2); }
    | RW_GLOBAL RW_TEMP                       { $$ = KindNode(6, $1, $2); }
    | /* empty */                       { $$ = KindNode(0, nullptr, nullptr); }
    ;

physical_props
    : physical_attr_list                { auto* h = Holder(); h->Int1 = 0; h->List1 = NC($1); $$ = h; }
    | /* empty */                       { $$ = nullptr; }
    ;

physical_attr_list
    : physical_attr                     { $$ = L1($1); }
    | physical_attr_list physical_attr  { $$ = Ap($1, $2); }
    ;

physical_attr
    : segment_attr_list                 { auto* h = Holder(); h->Int1 = 0; h->List1 = NC($1); $$ = h; }
    | RW_TABLESPACE ident                  { $$ = Attr(782, $1, $2); }
    | logging_clause
    ;

logging_clause
    : RW_LOGGING                           { $$ = Attr(632, $1); }
    | RW_NOLOGGING                         { $$ = Attr(673, $1); }
    ;

segment_attr_list
    : segment_attr_list segment_attr    { $$ = Ap($1, $2); }
    | segment_attr                      { $$ = L1($1); }
    ;

segment_attr
    : RW_PCTFREE integer_literal           { $$ = Attr(452, $1, $2); }
    | RW_PCTUSED integer_literal           { $$ = Attr(710, $1, $2); }
    | RW_INITRANS integer_literal          { $$ = Attr(612, $1, $2); }
    | RW_MAXTRANS integer_literal          { $$ = Attr(644, $1, $2); }
    | storage_clause
    ;

storage_clause
    : RW_STORAGE '(' storage_option_list ')'
        { auto* h = Attr(775, $1, $2, $4); h->List1 = NC($3); $$ = h; }
    ;

storage_option_list
    : storage_option                    { $$ = L1($1); }
    | storage_option_list storage_option { $$ = Ap($1, $2); }
    ;

storage_option
    : RW_INITIAL integer_literal           { $$ = Attr(423, $1, $2); }
    | RW_INITIAL integer_literal IDENT     { $$ = Attr(423, $1, $2, $3); }
    | RW_NEXT integer_literal              { $$ = Attr(660, $1, $2); }
    | RW_NEXT integer_literal IDENT        { $$ = Attr(660, $1, $2, $3); }
    | RW_MINEXTENTS integer_literal        { $$ = Attr(647, $1, $2); }
    | RW_MAXEXTENTS integer_literal        { $$ = Attr(433, $1, $2); }
    | RW_MAXEXTENTS IDENT                  { $$ = Attr(433, $1, $2); }
    | RW_PCTINCREASE integer_literal       { $$ = Attr(708, $1, $2); }
    | RW_FREELISTS integer_literal         { $$ = Attr(597, $1, $2); }
    | RW_FREELIST RW_GROUPS integer_literal   { $$ = Attr(597, $1, $2, $3); }
    | RW_OPTIMAL                           { $$ = Attr(695, $1); }
    | RW_OPTIMAL RW_NULL                     { $$ = Attr(695, $1, $2); }
    | RW_OPTIMAL integer_literal           { $$ = Attr(695, $1, $2); }
    | RW_OPTIMAL integer_literal IDENT     { $$ = Attr(695, $1, $2, $3); }
    | RW_BUFFER_POOL RW_KEEP                  { $$ = Attr(882, $1, $2); }
    | RW_BUFFER_POOL RW_RECYCLE               { $$ = Attr(882, $1, $2); }
    | RW_BUFFER_POOL RW_DEFAULT               { $$ = Attr(882, $1, $2); }
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
    : column_name type_name column_constraint_list { $$ = ColumnDef($1, $2, $3); }
    | column_name column_constraint_list           { $$ = ColumnDef($1, nullptr, $2); }
    | column_name type_name                        { $$ = ColumnDef($1, $2, nullptr); }
    ;

column_name
    : ident
    | RW_TYPE
    ;

column_constraint_list
    : column_constraint_list column_constraint { $$ = Ap($1, $2); }
    | column_constraint                 { $$ = L1($1); }
    ;

/* ---- Constraints --------------------------------------------------- */

column_constraint
    : RW_CONSTRAINT name column_constraint_body { $$ = Named($3, $1, $2); }
    | column_constraint_body
    | constraint_state
    ;

column_constraint_body
    : RW_NOT RW_NULL                         { auto* c = Constraint(0, 1); Tk(c, $1, $2); $$ = c; }
    | RW_NULL                             { auto* c = Constraint(0, 2); Tk(c, $1); $$ = c; }
    | RW_UNIQUE                            { auto* c = Constraint(0, 3); Tk(c, $1); $$ = c; }
    | RW_PRIMARY RW_KEY                       { auto* c = Constraint(0, 4); Tk(c, $1, $2); $$ = c; }
    | RW_CHECK '(' expr ')'                { auto* c = Constraint(0, 6); c->Expression = NC($3); Tk(c, $1, $2, $4); $$ = c; }
    | RW_DEFAULT arith_expr                { auto* c = Constraint(0, 7); c->Expression = NC($2); Tk(c, $1); $$ = c; }
    | RW_REFERENCES qualified_name opt_column_list match_clause referential_actions
        { auto* c = Constraint(0, 8); c->SetRefClause(RefClause($1, $2, $3, $4, $5)); $$ = c; }
    ;

constraint_state
    : RW_DEFERRABLE                        { auto* h = Holder(); h->Tok1 = NC($1); $$ = h; }
    | RW_NOT RW_DEFERRABLE                    { auto* h = Holder(); h->Tok1 = NC($1); h->Tok2 = NC($2); $$ = h; }
    ;

table_constraint
    : table_check_constraint
    | table_key_constraint
    ;

table_check_constraint
    : RW_CONSTRAINT name check_body        { $$ = Named($3, $1, $2); }
    | check_body
    ;

table_key_constraint
    : RW_CONSTRAINT name key_body          { $$ = Named($3, $1, $2); }
    | key_body
    ;

check_body
    : RW_CHECK '(' expr ')'                { auto* c = Constraint(1, 6); c->Expression = NC($3); Tk(c, $1, $2, $4); $$ = c; }
    ;

key_body
    : RW_UNIQUE '(' qualified_name_list ')'
        { auto* c = Constraint(1, 3); c->ColumnList = NC($3); Tk(c, $1, $2, $4); $$ = c; }
    | RW_PRIMARY RW_KEY '(' qualified_name_list ')'
        { auto* c = Constraint(1, 4); c->ColumnList = NC($4); Tk(c, $1, $2, $3, $5); $$ = c; }
    | RW_FOREIGN RW_KEY '(' qualified_name_list ')'
        { auto* c = Constraint(1, 5); c->ColumnList = NC($4); c->SetRefClause(nullptr); Tk(c, $1, $2, $3, $5); $$ = c; }
    | RW_FOREIGN RW_KEY '(' qualified_name_list ')' RW_REFERENCES qualified_name opt_column_list match_clause
      referential_actions fk_state_clause
        { auto* c = Constraint(1, 5); c->ColumnList = NC($4); c->SetRefClause(RefClause($6, $7, $8, $9, $10));
          c->RefClause->StateClause = $11; Tk(c, $1, $2, $3, $5); $$ = c; }
    ;

match_clause
    : RW_MATCH RW_FULL                        { auto* h = Holder(); h->Int1 = 1; h->Tok1 = NC($1); h->Tok2 = NC($2); $$ = h; }
    | RW_MATCH RW_PARTIAL                     { auto* h = Holder(); h->Int1 = 2; h->Tok1 = NC($1); h->Tok2 = NC($2); $$ = h; }
    | /* empty */                       { auto* h = Holder(); h->Int1 = 0; $$ = h; }
    ;

referential_actions
    : on_delete_clause                  { $$ = RefActions(1, $1, nullptr); $$->Int2 = $1->Int1; }
    | on_update_clause                  { $$ = RefActions(2, $1, nullptr); $$->Int3 = $1->Int1; }
    | on_delete_clause on_update_clause { $$ = RefActions(3, $1, $2); $$->Int2 = $1->Int1; $$->Int3 = $2->Int1; }
    | on_update_clause on_delete_clause { $$ = RefActions(3, $1, $2); $$->Int2 = $2->Int1; $$->Int3 = $1->Int1; }
    | /* empty */                       { auto* h = Holder(); h->Int1 = 0; $$ = h; }
    ;

on_delete_clause
    : RW_ON RW_DELETE referential_action      { $3->Tok3 = NC($1); $3->Tok4 = NC($2); $$ = $3; }
    ;

on_update_clause
    : RW_ON RW_UPDATE referential_action      { $3->Tok3 = NC($1); $3->Tok4 = NC($2); $$ = $3; }
    ;

referential_action
    : RW_NO RW_ACTION                         { auto* h = Holder(); h->Int1 = 0; h->Tok1 = NC($1); h->Tok2 = NC($2); $$ = h; }
    | RW_RESTRICT                          { auto* h = Holder(); h->Int1 = 1; h->Tok1 = NC($1); $$ = h; }
    | RW_CASCADE                           { auto* h = Holder(); h->Int1 = 2; h->Tok1 = NC($1); $$ = h; }
    | RW_SET RW_NULL                         { auto* h = Holder(); h->Int1 = 3; h->Tok1 = NC($1); h->Tok2 = NC($2); $$ = h; }
    | RW_SET RW_DEFAULT                       { auto* h = Holder(); h->Int1 = 4; h->Tok1 = NC($1); h->Tok2 = NC($2); $$ = h; }
    ;

fk_state_clause
    : deferrable_option
    | /* empty */                       { $$ = nullptr; }
    ;

deferrable_option
    : RW_NOT RW_DEFERRABLE              { auto* h = Holder(); h->Tok1 = NC($1); h->Tok2 = NC($2); $$ = h; }
    | RW_DEFERRABLE                     { auto* h = Holder(); h->Tok1 = NC($1); $$ = h; }
    ;

/* ---- Data types ---------------------------------------------------- */

type_name
    : type_body array_bounds            { $1->ArrayBounds = NC($2); $$ = $1; }
    ;

array_bounds
    : array_bounds '[' ']'              { auto* v = IntValue(0); Tk(v, $2, $3); $$ = Ap($1, v); }
    | array_bounds '[' integer_literal ']' { auto* v = IntValue(IntOf($3)); Tk(v, $2, $3, $4); $$ = Ap($1, v); }
    | /* empty */                       { $$ = nullptr; }
    ;

type_body
    : builtin_type
    | interval_type
    ;

builtin_type
    : user_type
    | numeric_type
    | character_type
    | datetime_type
    | long_raw_type
    | lob_type
    | rowid_type
    ;

user_type
    : type_ident                        { $$ = TypeName(2, $1); }
    ;

numeric_type
    : RW_FLOAT opt_float_precision         { $$ = TypeName(3, $1, $2); }
    | RW_DOUBLE RW_PRECISION                  { auto* t = TypeName(7, $1); Tk(t, $2); $$ = t; }
    | RW_DECIMAL opt_decimal_params        { $$ = TypeName(8, $1, $2); }
    | RW_DEC opt_decimal_params            { $$ = TypeName(9, $1, $2); }
    | RW_NUMERIC opt_number_params         { $$ = TypeName(10, $1, $2); }
    | RW_NUMBER opt_number_params       { $$ = TypeName(11, $1, $2); }
    | RW_INTEGER                        { $$ = TypeName(12, $1); }
    | RW_INT                               { $$ = TypeName(33, $1); }
    | RW_SMALLINT                          { $$ = TypeName(34, $1); }
    | RW_REAL opt_number_params            { $$ = TypeName(35, $1, $2); }
    ;

opt_float_precision
    : '(' integer_literal ')'           { auto* h = Holder(); h->Int1 = IntOf($2); Tk(h, $1, $2, $3); $$ = h; }
    | /* empty */                       { $$ = nullptr; }
    ;

opt_number_params
    : '(' integer_literal ',' integer_literal ')'
        { auto* h = Holder(); h->Int1 = IntOf($2); h->Int2 = IntOf($4); Tk(h, $1, $2, $3, $4, $5); $$ = h; }
    | '(' integer_literal ')'           { auto* h = Holder(); h->Int1 = IntOf($2); Tk(h, $1, $2, $3); $$ = h; }
    | /* empty */                       { $$ = nullptr; }
    ;

opt_decimal_params
    : '(' integer_literal ',' integer_literal ')'
        { auto* h = Holder(); h->Int1 = IntOf($2); h->Int2 = IntOf($4); Tk(h, $1, $2, $3, $4, $5); $$ = h; }
    | '(' integer_literal ')'           { auto* h = Holder(); h->Int1 = IntOf($2); Tk(h, $1, $2, $3); $$ = h; }
    | /* empty */                       { $$ = nullptr; }
    ;

character_type
    : char_type_word '(' integer_literal opt_length_semantics ')' opt_charset
        { auto* t = CharType($1); t->Param1 = IntOf($3); Tk(t, $2, $3);
          if ($4->Int1 != -9999) { t->LengthSemantics = $4->Int1; Tk(t, $4->Tok1); }
          Tk(t, $5); Charset(t, $6); $$ = t; }
    | char_type_word opt_charset
        { auto* t = CharType($1); Charset(t, $2); $$ = t; }
    ;

char_type_word
    : RW_CHARACTER opt_varying             { $$ = CharWord(39, $1, nullptr, $2); }
    | RW_CHAR opt_varying                  { $$ = CharWord(40, $1, nullptr, $2); }
    | RW_VARCHAR                           { $$ = CharWord(41, $1, nullptr, nullptr); }
    | RW_VARCHAR2                          { $$ = CharWord(42, $1, nullptr, nullptr); }
    | RW_NVARCHAR2                         { $$ = CharWord(43, $1, nullptr, nullptr); }
    | RW_NATIONAL RW_CHARACTER opt_varying    { $$ = CharWord(44, $1, $2, $3); }
    | RW_NATIONAL RW_CHAR opt_varying         { $$ = CharWord(47, $1, $2, $3); }
    | RW_NCHAR opt_varying                 { $$ = CharWord(48, $1, nullptr, $2); }
    ;

opt_varying
    : RW_VARYING                           { auto* h = Holder(); h->Int1 = 1; h->Tok1 = NC($1); $$ = h; }
    | /* empty */                       { $$ = Holder(); }
    ;

opt_length_semantics
    : RW_BYTE                              { auto* h = Holder(); h->Int1 = 1; h->Tok1 = NC($1); $$ = h; }
    | RW_CHAR                              { auto* h = Holder(); h->Int1 = 2; h->Tok1 = NC($1); $$ = h; }
    | /* empty */                       { $$ = Holder(); }
    ;

opt_charset
    : RW_CHARACTER RW_SET ident
        { auto* h = Holder(); h->Int1 = 1; h->Tok1 = NC($1); h->Tok2 = NC($2); h->Tok3 = NC($3); $$ = h; }
    | /* empty */                       { $$ = Holder(); }
    ;

datetime_type
    : RW_DATE                              { $$ = TypeName(49, $1); }
    | RW_TIMESTAMP                         { $$ = TypeName(50, $1); }
    | RW_TIMESTAMP '(' integer_literal ')'
        { auto* t = TypeName(50, $1); t->Param1 = IntOf($3); Tk(t, $2, $3, $4); $$ = t; }
    | RW_TIMESTAMP RW_WITH RW_TIME RW_ZONE
        { auto* t = TypeName(51, $1); Tk(t, $2, $3, $4); $$ = t; }
    | RW_TIMESTAMP RW_WITH RW_LOCAL RW_TIME RW_ZONE
        { auto* t = TypeName(52, $1); Tk(t, $2, $3, $4, $5); $$ = t; }
    | RW_TIMESTAMP '(' integer_literal ')' RW_WITH RW_TIME RW_ZONE
        { auto* t = TypeName(51, $1); t->Param1 = IntOf($3); Tk(t, $2, $3, $4, $5, $6, $7); $$ = t; }
    | RW_TIMESTAMP '(' integer_literal ')' RW_WITH RW_LOCAL RW_TIME RW_ZONE
        { auto* t = TypeName(52, $1); t->Param1 = IntOf($3); Tk(t, $2, $3, $4, $5, $6, $7, $8); $$ = t; }
    ;

interval_type
    : RW_INTERVAL RW_YEAR RW_TO RW_MONTH
        { auto* t = TypeName(56, $1); Tk(t, $2, $3, $4); $$ = t; }
    | RW_INTERVAL RW_YEAR '(' integer_literal ')' RW_TO RW_MONTH
        { auto* t = TypeName(56, $1); t->Param1 = IntOf($4); Tk(t, $2, $3, $4, $5, $6, $7); $$ = t; }
    | RW_INTERVAL RW_DAY RW_TO RW_SECOND
        { auto* t = TypeName(57, $1); Tk(t, $2, $3, $4); $$ = t; }
    | RW_INTERVAL RW_DAY '(' integer_literal ')' RW_TO RW_SECOND
        { auto* t = TypeName(57, $1); t->Param1 = IntOf($4); Tk(t, $2, $3, $4, $5, $6, $7); $$ = t; }
    | RW_INTERVAL RW_DAY RW_TO RW_SECOND '(' integer_literal ')'
        { auto* t = TypeName(57, $1); t->Param2 = IntOf($6); Tk(t, $2, $3, $4, $5, $6, $7); $$ = t; }
    | RW_INTERVAL RW_DAY '(' integer_literal ')' RW_TO RW_SECOND '(' integer_literal ')'
        { auto* t = TypeName(57, $1); t->Param1 = IntOf($4); t->Param2 = IntOf($9);
          Tk(t, $2, $3, $4, $5, $6, $7, $8, $9, $10); $$ = t; }
    ;

long_raw_type
    : RW_LONG                              { $$ = TypeName(58, $1); }
    | RW_RAW                               { $$ = TypeName(59, $1); }
    | RW_LONG RW_RAW                          { auto* t = TypeName(60, $1); Tk(t, $2); $$ = t; }
    | RW_RAW '(' integer_literal ')'
        { auto* t = TypeName(59, $1); t->Param1 = IntOf($3); Tk(t, $2, $3, $4); $$ = t; }
    ;

lob_type
    : RW_BLOB                              { $$ = TypeName(61, $1); }
    | RW_CLOB                              { $$ = TypeName(62, $1); }
    | RW_NCLOB                             { $$ = TypeName(63, $1); }
    | RW_BFILE                             { $$ = TypeName(64, $1); }
    ;

rowid_type
    : RW_UROWID                            { $$ = TypeName(72, $1); }
    | RW_UROWID '(' integer_literal ')'
        { auto* t = TypeName(72, $1); t->Param1 = IntOf($3); Tk(t, $2, $3, $4); $$ = t; }
    ;

/* ---- Index, view, drop, transaction, lock, sequence, type ---------- */

create_index_stmt
    : RW_CREATE index_kind RW_INDEX qualified_name RW_ON qualified_name '(' index_columns ')'
        { auto* c = New<TRk_CreateIndexSqlStatement>(); c->IndexKind = $2->Int1; c->IndexKindToken = $2->Tok1;
          c->IndexName = NC($4); c->TableName = NC($6); c->ColumnList = NC($8); Tk(c, $1, $3, $5, $7, $9); $$ = c; }
    ;

index_kind
    : RW_UNIQUE                            { auto* h = Holder(); h->Int1 = 1; h->Tok1 = NC($1); $$ = h; }
    | RW_BITMAP                            { auto* h = Holder(); h->Int1 = 2; h->Tok1 = NC($1); $$ = h; }
    | /* empty */                       { auto* h = Holder(); h->Int1 = 0; $$ = h; }
    ;

index_columns
    : index_column_list
    ;

index_column_list
    : index_column_list ',' index_column { $$ = Ap($1, $3); Sep($3, $2); }
    | index_column                      { $$ = L1($1); }
    ;

index_column
    : target_expr                       { auto* h = Holder(); h->Int1 = 0; h->Sub1 = NC($1); $$ = h; }
    | target_expr RW_ASC                   { auto* h = Holder(); h->Int1 = 1; h->Sub1 = NC($1); h->Tok1 = NC($2); $$ = h; }
    | target_expr RW_DESC                  { auto* h = Holder(); h->Int1 = 2; h->Sub1 = NC($1); h->Tok1 = NC($2); $$ = h; }
    ;

create_view_stmt
    : RW_CREATE view_force RW_VIEW qualified_name opt_column_list RW_AS select_stmt view_restriction
        { auto* v = MakeView(0, $2, $4, $5, $7, $8); Tk(v, $1, $3, $6); $$ = v; }
    | RW_CREATE RW_OR RW_REPLACE view_force RW_VIEW qualified_name opt_column_list RW_AS select_stmt view_restriction
        { auto* v = MakeView(1, $4, $6, $7, $9, $10); Tk(v, $1, $5, $8, $2, $3); $$ = v; }
    ;

view_restriction
    : RW_WITH RW_READ RW_ONLY                    { auto* h = Holder(); h->Int1 = 1; Tk(h, $1, $2, $3); $$ = h; }
    | RW_WITH RW_READ RW_ONLY RW_CONSTRAINT name    { auto* h = Holder(); h->Int1 = 1; h->Str1Token = $5; Tk(h, $1, $2, $3, $4, $5); $$ = h; }
    | RW_WITH RW_CHECK RW_OPTION                 { auto* h = Holder(); h->Int1 = 2; Tk(h, $1, $2, $3); $$ = h; }
    | RW_WITH RW_CHECK RW_OPTION RW_CONSTRAINT name { auto* h = Holder(); h->Int1 = 2; h->Str1Token = $5; Tk(h, $1, $2, $3, $4, $5); $$ = h; }
    | /* empty */                       { auto* h = Holder(); h->Int1 = 0; $$ = h; }
    ;

view_force
    : RW_FORCE                             { auto* h = Holder(); h->Int1 = 1; h->Tok1 = NC($1); $$ = h; }
    | RW_NOFORCE                           { auto* h = Holder(); h->Int1 = 2; h->Tok1 = NC($1); $$ = h; }
    | /* empty */                       { auto* h = Holder(); h->Int1 = 0; $$ = h; }
    ;

drop_table_stmt
    : RW_DROP RW_TABLE qualified_name
        { auto* d = New<TRk_DropTableStmt>(); d->TableName = NC($3); Tk(d, $1, $2); $$ = d; }
    | RW_DROP RW_TABLE qualified_name RW_CASCADE RW_CONSTRAINTS
        { auto* d = New<TRk_DropTableStmt>(); d->TableName = NC($3); Tk(d, $1, $2, $4, $5); $$ = d; }
    ;

drop_index_stmt
    : RW_DROP RW_INDEX qualified_name
        { auto* d = New<TRk_DropIndexSqlStatement>(); d->IndexName = NC($3); Tk(d, $1, $2); $$ = d; }
    | RW_DROP RW_INDEX qualified_name RW_FORCE
        { auto* d = New<TRk_DropIndexSqlStatement>(); d->IndexName = NC($3); d->Force = 1; Tk(d, $1, $2, $4); $$ = d; }
    ;

drop_view_stmt
    : RW_DROP RW_VIEW qualified_name
        { auto* d = New<TRk_DropViewSqlStatement>(); d->ViewName = NC($3); Tk(d, $1, $2); $$ = d; }
    | RW_DROP RW_VIEW qualified_name RW_CASCADE RW_CONSTRAINTS
        { auto* d = New<TRk_DropViewSqlStatement>(); d->ViewName = NC($3); d->CascadeConstraints = 1; Tk(d, $1, $2, $4, $5); $$ = d; }
    ;

/* The statements below are recognised only; they build no node. */

commit_stmt
    : RW_COMMIT                            { $$ = nullptr; }
    | RW_COMMIT RW_WORK                       { $$ = nullptr; }
    ;

rollback_stmt
    : RW_ROLLBACK opt_work                 { $$ = nullptr; }
    | RW_ROLLBACK opt_work RW_TO name         { $$ = nullptr; }
    | RW_ROLLBACK opt_work RW_TO RW_SAVEPOINT name { $$ = nullptr; }
    | RW_ROLLBACK opt_work RW_FORCE string_literal { $$ = nullptr; }
    ;

opt_work
    : RW_WORK
    | /* empty */                       { $$ = nullptr; }
    ;

savepoint_stmt
    : RW_SAVEPOINT name                    { $$ = nullptr; }
    ;

set_transaction_stmt
    : RW_SET RW_TRANSACTION RW_READ RW_ONLY opt_transaction_name                  { $$ = nullptr; }
    | RW_SET RW_TRANSACTION RW_READ RW_WRITE opt_transaction_name                 { $$ = nullptr; }
    | RW_SET RW_TRANSACTION RW_ISOLATION RW_LEVEL RW_SERIALIZABLE opt_transaction_name { $$ = nullptr; }
    | RW_SET RW_TRANSACTION RW_ISOLATION RW_LEVEL RW_READ RW_COMMITTED opt_transaction_name { $$ = nullptr; }
    ;

opt_transaction_name
    : RW_NAME string_literal
    | /* empty */                       { $$ = nullptr; }
    ;

lock_table_stmt
    : RW_LOCK RW_TABLE qualified_name_list RW_IN lock_mode RW_MODE             { $$ = nullptr; }
    | RW_LOCK RW_TABLE qualified_name_list RW_IN lock_mode RW_MODE RW_NOWAIT      { $$ = nullptr; }
    ;

lock_mode
    : RW_ROW RW_SHARE
    | RW_SHARE RW_UPDATE
    | RW_SHARE
    ;

create_sequence_stmt
    : RW_CREATE RW_SEQUENCE name_tail sequence_option_list { $$ = nullptr; }
    ;

sequence_option_list
    : sequence_option
    | sequence_option_list sequence_option
    ;

sequence_option
    : RW_INCREMENT RW_BY integer_literal
    | RW_START RW_WITH integer_literal
    | RW_MAXVALUE integer_literal
    | RW_NOMAXVALUE
    | RW_MINVALUE integer_literal
    | RW_NOMINVALUE
    | RW_CYCLE
    | RW_NOCYCLE
    | RW_CACHE integer_literal
    | RW_NOCACHE
    | RW_ORDER
    | RW_NOORDER
    ;

drop_sequence_stmt
    : RW_DROP RW_SEQUENCE name_tail           { $$ = nullptr; }
    ;

drop_type_stmt
    : RW_DROP RW_TYPE name_tail               { $$ = nullptr; }
    | RW_DROP RW_TYPE name_tail RW_FORCE         { $$ = nullptr; }
    | RW_DROP RW_TYPE name_tail RW_VALIDATE      { $$ = nullptr; }
    ;

/* ---- ALTER TABLE, ALTER SESSION, MERGE ----------------------------- */

alter_table_stmt
    : RW_ALTER RW_TABLE qualified_name alter_property_list opt_enable_disable_list
        { auto* a = AlterTable($1, $2, $3, $5); a->PropertyList = NC($4); $$ = a; }
    | RW_ALTER RW_TABLE qualified_name alter_column_clause_list opt_enable_disable_list
        { auto* a = AlterTable($1, $2, $3, $5); a->ColumnClauseList = NC($4); $$ = a; }
    | RW_ALTER RW_TABLE qualified_name alter_constraint_clause opt_enable_disable_list
        { auto* a = AlterTable($1, $2, $3, $5); a->ConstraintClause = NC($4); $$ = a; }
    | RW_ALTER RW_TABLE qualified_name enable_disable_list
        { $$ = AlterTable($1, $2, $3, $4); }
    ;

alter_property_list
    : alter_property                    { $$ = L1($1); }
    | alter_property_list alter_property { $$ = Ap($1, $2); }
    ;

alter_property
    : segment_attr
    | logging_clause
    | RW_CACHE                             { auto* h = Holder(); h->Tok1 = NC($1); $$ = h; }
    | RW_NOCACHE                           { auto* h = Holder(); h->Tok1 = NC($1); $$ = h; }
    | RW_MONITORING                        { auto* h = Holder(); h->Tok1 = NC($1); $$ = h; }
    | RW_NOMONITORING                      { auto* h = Holder(); h->Tok1 = NC($1); $$ = h; }
    | RW_PARALLEL                          { auto* h = Holder(); h->Tok1 = NC($1); $$ = h; }
    | RW_NOPARALLEL                        { auto* h = Holder(); h->Tok1 = NC($1); $$ = h; }
    | RW_RENAME RW_TO ident                   { auto* h = Holder(); h->Tok1 = NC($1); h->Tok2 = NC($2); h->Tok3 = NC($3); $$ = h; }
    | RW_PARALLEL integer_literal          { auto* h = Holder(); h->Tok1 = NC($1); h->Tok2 = NC($2); $$ = h; }
    ;

alter_column_clause_list
    : alter_column_clause               { $$ = L1($1); }
    | alter_column_clause_list alter_column_clause { $$ = Ap($1, $2); }
    ;

alter_column_clause
    : add_columns_clause                { $1->Int1 = 1; $$ = $1; }
    | modify_columns_clause             { $1->Int1 = 2; $$ = $1; }
    | drop_column_clause                { $1->Int1 = 3; $$ = $1; }
    | rename_column_clause              { $1->Int1 = 4; $$ = $1; }
    ;

add_columns_clause
    : RW_ADD '(' table_element_list ')'
        { auto* h = Holder(); h->Tok1 = NC($1); h->Tok2 = NC($2); h->List1 = NC($3); h->Tok3 = NC($4); $$ = h; }
    ;

modify_columns_clause
    : RW_MODIFY '(' table_element_list ')'
        { auto* h = Holder(); h->Tok1 = NC($1); h->Tok2 = NC($2); h->List1 = NC($3); h->Tok3 = NC($4); $$ = h; }
    ;

drop_column_clause
    : RW_SET RW_UNUSED RW_COLUMN ident opt_cascade_invalidate
        { auto* h = Holder(); h->Int2 = 1; h->Tok1 = NC($1); h->Tok2 = NC($2); h->Tok3 = NC($3); h->Tok4 = NC($4); h->Sub1 = NC($5); $$ = h; }
    | RW_SET RW_UNUSED '(' name_list ')' opt_cascade_invalidate
        { auto* h = Holder(); h->Int2 = 2; h->Tok1 = NC($1); h->Tok2 = NC($2); h->Tok3 = NC($3); h->List1 = NC($4); h->Tok4 = NC($5);
          h->Sub1 = NC($6); $$ = h; }
    | RW_DROP RW_COLUMN ident opt_cascade_invalidate opt_checkpoint
        { auto* h = Holder(); h->Int2 = 3; h->Tok1 = NC($1); h->Tok2 = NC($2); h->Tok3 = NC($3); h->Sub1 = NC($4); h->Sub2 = NC($5); $$ = h; }
    | RW_DROP '(' name_list ')' opt_cascade_invalidate opt_checkpoint
        { auto* h = Holder(); h->Int2 = 4; h->Tok1 = NC($1); h->Tok2 = NC($2); h->List1 = NC($3); h->Tok3 = NC($4); h->Sub1 = NC($5);
          h->Sub2 = NC($6); $$ = h; }
    | RW_DROP RW_UNUSED RW_COLUMNS opt_checkpoint
        { auto* h = Holder(); h->Int2 = 5; h->Tok1 = NC($1); h->Tok2 = NC($2); h->Tok3 = NC($3); h->Sub1 = NC($4); $$ = h; }
    ;

rename_column_clause
    : RW_RENAME RW_COLUMN ident RW_TO ident
        { auto* h = Holder(); h->Tok1 = NC($1); h->Tok2 = NC($2); h->Tok3 = NC($3); h->Tok4 = NC($4); h->Tok5 = NC($5); $$ = h; }
    ;

opt_cascade_invalidate
    : RW_CASCADE RW_CONSTRAINTS               { auto* h = Holder(); Tk(h, $1, $2); $$ = h; }
    | RW_INVALIDATE                        { auto* h = Holder(); Tk(h, $1); $$ = h; }
    | RW_CASCADE RW_CONSTRAINTS RW_INVALIDATE    { auto* h = Holder(); Tk(h, $1, $2, $3); $$ = h; }
    | RW_INVALIDATE RW_CASCADE RW_CONSTRAINTS    { auto* h = Holder(); Tk(h, $1, $2, $3); $$ = h; }
    | /* empty */                       { $$ = nullptr; }
    ;

opt_checkpoint
    : RW_CHECKPOINT integer_literal        { auto* h = Holder(); Tk(h, $1, $2); $$ = h; }
    | /* empty */                       { $$ = nullptr; }
    ;

alter_constraint_clause
    : RW_ADD column_constraint_list
        { auto* h = Holder(); h->Int1 = 1; h->Tok1 = NC($1); h->List1 = NC($2); $$ = h; }
    | RW_ADD table_key_constraint
        { auto* h = Holder(); h->Int1 = 1; h->Tok1 = NC($1); h->Sub1 = NC($2); $$ = h; }
    | RW_MODIFY RW_CONSTRAINT ident constraint_state
        { auto* h = Holder(); h->Int1 = 2; h->Tok1 = NC($1); h->Tok2 = NC($2); h->Tok3 = NC($3); h->Sub1 = NC($4); $$ = h; }
    | RW_RENAME RW_CONSTRAINT ident RW_TO ident
        { auto* h = Holder(); h->Int1 = 3; h->Tok1 = NC($1); h->Tok2 = NC($2); h->Tok3 = NC($3); h->Tok4 = NC($4); h->Tok5 = NC($5); $$ = h; }
    | RW_DROP RW_PRIMARY RW_KEY opt_index_handling
        { auto* h = Holder(); h->Int1 = 4; h->Tok1 = NC($1); h->Tok2 = NC($2); h->Tok3 = NC($3); h->Sub1 = NC($4); $$ = h; }
    | RW_DROP RW_UNIQUE '(' name_list ')' opt_index_handling
        { auto* h = Holder(); h->Int1 = 5; h->Tok1 = NC($1); h->Tok2 = NC($2); h->Tok3 = NC($3); h->List1 = NC($4); h->Tok4 = NC($5);
          h->Sub1 = NC($6); $$ = h; }
    | RW_DROP RW_CONSTRAINT ident
        { auto* h = Holder(); h->Int1 = 6; h->Tok1 = NC($1); h->Tok2 = NC($2); h->Tok3 = NC($3); $$ = h; }
    | RW_DROP RW_CONSTRAINT ident RW_CASCADE
        { auto* h = Holder(); h->Int1 = 7; h->Tok1 = NC($1); h->Tok2 = NC($2); h->Tok3 = NC($3); h->Tok4 = NC($4); $$ = h; }
    ;

opt_index_handling
    : RW_CASCADE                           { auto* h = Holder(); h->Tok1 = NC($1); $$ = h; }
    | RW_CASCADE RW_KEEP RW_INDEX                { auto* h = Holder(); h->Tok1 = NC($1); h->Tok2 = NC($2); h->Tok3 = NC($3); $$ = h; }
    | RW_CASCADE RW_DROP RW_INDEX                { auto* h = Holder(); h->Tok1 = NC($1); h->Tok2 = NC($2); h->Tok3 = NC($3); $$ = h; }
    | RW_KEEP RW_INDEX                        { auto* h = Holder(); h->Tok1 = NC($1); h->Tok2 = NC($2); $$ = h; }
    | RW_DROP RW_INDEX                        { auto* h = Holder(); h->Tok1 = NC($1); h->Tok2 = NC($2); $$ = h; }
    | /* empty */                       { $$ = nullptr; }
    ;

opt_enable_disable_list
    : enable_disable_list
    | /* empty */                       { $$ = nullptr; }
    ;

enable_disable_list
    : enable_disable_clause             { $$ = L1($1); }
    | enable_disable_list enable_disable_clause { $$ = Ap($1, $2); }
    ;

enable_disable_clause
    : enable_or_disable RW_TABLE RW_LOCK
        { auto* h = Holder(); h->Int1 = 1; h->Tok1 = NC($1); h->Tok2 = NC($2); h->Tok3 = NC($3); $$ = h; }
    | enable_or_disable RW_ALL RW_TRIGGERS
        { auto* h = Holder(); h->Int1 = 2; h->Tok1 = NC($1); h->Tok2 = NC($2); h->Tok3 = NC($3); $$ = h; }
    | enable_or_disable opt_validate RW_UNIQUE '(' name_list ')' opt_using_index opt_exceptions_into opt_index_handling
        { auto* h = Holder(); h->Int1 = 5; h->Tok1 = NC($1); h->Sub1 = NC($2); h->Tok2 = NC($3); h->Tok3 = NC($4); h->List1 = NC($5);
          h->Tok4 = NC($6); h->Sub2 = NC($7); h->Sub3 = NC($8); h->Sub4 = NC($9); $$ = h; }
    | enable_or_disable opt_validate RW_PRIMARY RW_KEY opt_using_index opt_exceptions_into opt_index_handling
        { auto* h = Holder(); h->Int1 = 6; h->Tok1 = NC($1); h->Sub1 = NC($2); h->Tok2 = NC($3); h->Tok3 = NC($4); h->Sub2 = NC($5);
          h->Sub3 = NC($6); h->Sub4 = NC($7); $$ = h; }
    | enable_or_disable opt_validate RW_CONSTRAINT ident opt_using_index opt_exceptions_into opt_index_handling
        { auto* h = Holder(); h->Int1 = 7; h->Tok1 = NC($1); h->Sub1 = NC($2); h->Tok2 = NC($3); h->Tok3 = NC($4); h->Sub2 = NC($5);
          h->Sub3 = NC($6); h->Sub4 = NC($7); $$ = h; }
    ;

enable_or_disable
    : RW_ENABLE
    | RW_DISABLE
    ;

opt_validate
    : RW_VALIDATE                          { auto* h = Holder(); h->Tok1 = NC($1); $$ = h; }
    | RW_NOVALIDATE                        { auto* h = Holder(); h->Tok1 = NC($1); $$ = h; }
    | /* empty */                       { $$ = nullptr; }
    ;

opt_using_index
    : /* empty */                       { $$ = nullptr; }
    ;

opt_exceptions_into
    : RW_EXCEPTIONS RW_INTO qualified_name
        { auto* h = Holder(); h->Tok1 = NC($1); h->Tok2 = NC($2); h->Sub1 = NC($3); $$ = h; }
    | /* empty */                       { $$ = nullptr; }
    ;

alter_session_stmt
    : RW_ALTER RW_SESSION RW_SET ident '=' string_literal { $$ = nullptr; }
    ;

merge_stmt
    : RW_MERGE RW_INTO qualified_name table_alias RW_USING qualified_name table_alias RW_ON '(' expr ')'
      RW_WHEN RW_MATCHED RW_THEN merge_update_clause RW_WHEN RW_NOT RW_MATCHED RW_THEN merge_insert_clause
        { auto* m = MakeMerge($1, $2, $3, $4, $5, $7, $8, $9, $10, $11, $12, $13, $14, $15, $16, $17, $18, $19, $20);
          m->SourceTable = NC($6); $$ = m; }
    | RW_MERGE RW_INTO qualified_name table_alias RW_USING paren_select table_alias RW_ON '(' expr ')'
      RW_WHEN RW_MATCHED RW_THEN merge_update_clause RW_WHEN RW_NOT RW_MATCHED RW_THEN merge_insert_clause
        { auto* m = MakeMerge($1, $2, $3, $4, $5, $7, $8, $9, $10, $11, $12, $13, $14, $15, $16, $17, $18, $19, $20);
          m->SourceQuery = NC($6); $$ = m; }
    ;

merge_update_clause
    : RW_UPDATE RW_SET set_clause_list
        { auto* h = Holder(); h->Tok1 = NC($1); h->Tok2 = NC($2); h->List1 = NC($3); $$ = h; }
    ;

merge_insert_clause
    : RW_INSERT '(' select_list ')' RW_VALUES '(' select_list ')'
        { auto* h = Holder(); h->Tok1 = NC($1); h->Tok2 = NC($2); h->List1 = NC($3); h->Tok3 = NC($4); h->Tok4 = NC($5); h->Tok5 = NC($6);
          h->List2 = NC($7); h->Tok6 = NC($8); $$ = h; }
    ;

/* ---- Literals and keywords accepted as names ---------------------- */

integer_literal
    : INTEGER_LIT
    ;

string_literal
    : STRING_LIT
    ;

number_literal
    : NUMBER_LIT
    ;

ident
    : IDENT
    | keyword_name
    | type_word_name
    | RW_INT
    | RW_DATE
    | BIND_NAME
    ;

type_ident
    : IDENT
    | keyword_name
    | BIND_NAME
    ;

alias_word
    : IDENT
    | keyword_name
    | type_word_name
    | func_keyword_name
    | alias_keyword
    | BIND_NAME
    ;

keyword_name
    : RW_ACCESS
    | RW_ACCOUNT
    | RW_ACTION
    | RW_AFTER
    | RW_AT
    | RW_BEFORE
    | RW_BOTH
    | RW_BY
    | RW_BYTE
    | RW_CACHE
    | RW_CHAINED
    | RW_CHECKPOINT
    | RW_CLOSE
    | RW_COMMENT
    | RW_CONSTRAINTS
    | RW_COUNT
    | RW_COST
    | RW_CYCLE
    | RW_DATABASE
    | RW_DECODE
    | RW_DEFERRED
    | RW_DOUBLE
    | RW_DUMP
    | RW_EACH
    | RW_ESCAPE
    | RW_EXECUTE
    | RW_EXCEPT
    | RW_EXPLAIN
    | RW_EXTRACT
    | RW_EXTEND
    | RW_EXTERNALLY
    | RW_FORCE
    | RW_FETCH
    | RW_GLOBALLY
    | RW_GLOBAL_NAME
    | RW_HOUR
    | RW_IMMEDIATE
    | RW_INCREMENT
    | RW_INSERT
    | RW_INSTEAD
    | RW_ISOLATION
    | RW_KEY
    | RW_LEADING
    | RW_LOCATOR
    | RW_LOCK
    | RW_LOG
    | RW_MATCH
    | RW_MATCHED
    | RW_MAX
    | RW_MAXVALUE
    | RW_MIN
    | RW_MINUTE
    | RW_MINVALUE
    | RW_MODE
    | RW_MONITORING
    | RW_MONTH
    | RW_MOVE
    | RW_MOVEMENT
    | RW_NATIONAL
    | RW_NO
    | RW_NOMONITORING
    | RW_NORELY
    | RW_NOTHING
    | RW_OBJECT
    | RW_OF
    | RW_OPTION
    | RW_OTHERS
    | RW_OUT
    | RW_OUTER
    | RW_OVERLAPS
    | RW_PACKAGE
    | RW_PARTIAL
    | RW_PASSWORD
    | RW_PRECISION
    | RW_PRIVILEGES
    | RW_READ
    | RW_REF
    | RW_RENAME
    | RW_RECORD
    | RW_REPLACE
    | RW_RESET
    | RW_RESTRICT
    | RW_RESTRICTED
    | RW_RESTRICT_REFERENCES
    | RW_REVOKE
    | RW_ROLE
    | RW_ROLES
    | RW_RULE
    | RW_SCHEMA
    | RW_SECOND
    | RW_SERIALLY_REUSABLE
    | RW_SEQUENCE
    | RW_SERIALIZABLE
    | RW_SHARE
    | RW_STATISTICS
    | RW_STORE
    | RW_SUM
    | RW_SYSDATE
    | RW_TIES
    | RW_TRAILING
    | RW_TRIGGER
    | RW_TRIM
    | RW_TRANSACTION
    | RW_TRIGGERS
    | RW_TRUNCATE
    | RW_TYPECAST
    | RW_UID
    | RW_UNTIL
    | RW_USAGE
    | RW_USER
    | RW_VALUE
    | RW_VARYING
    | RW_VIEW
    | RW_WAIT
    | RW_WITHOUT
    | RW_WRITE
    | RW_WORK
    | RW_FILE
    | RW_FIRST
    | RW_ROWNUM
    | RW_LEVEL
    | RW_ZONE
    | RW_ROWTYPE
    | RW_ROWCOUNT
    | RW_ISOPEN
    | RW_NOTFOUND
    | RW_FOUND
    | RW_EXCEPTION_INIT
    | RW_PRAGMA
    | RW_SQL
    | RW_BINARY_INTEGER
    | RW_BOOLEAN
    | RW_SESSION
    | RW_MEMBER
    | RW_INTERVAL
    | RW_CURRENT
    | RW_CONSTANT
    | RW_EXIT
    | RW_ROLLBACK
    | RW_COMMIT
    | RW_MERGE
    | RW_COLLECT
    | RW_INDICATOR
    | RW_PARTITION
    | RW_PCTFREE
    | RW_BLOCK
    | RW_YEAR
    | RW_DAY
    | RW_SIZE
    | RW_THEN
    | RW_DEFAULT
    | RW_NAME
    | RW_FUNCTION
    | RW_SUBTYPE
    | RW_USE
    | RW_IF
    | RW_LAST
    | RW_MAP
    | RW_NESTED
    | RW_TEMPORARY
    | RW_BODY
    | RW_DETERMINISTIC
    | RW_PARALLEL_ENABLE
    | RW_NULLS
    | RW_TEMP
    | RW_INITIAL
    | RW_TABLESPACE
    | RW_PCTUSED
    | RW_MAXTRANS
    | RW_INITRANS
    | RW_ROLLUP
    | RW_CUBE
    | RW_SETS
    | RW_GROUPING
    | RW_INVALIDATE
    | RW_VALID
    | RW_INVALID
    | RW_ASSOCIATE
    | RW_DISASSOCIATE
    | RW_DDL
    | RW_NEXT
    | RW_FREELIST
    | RW_FREELISTS
    | RW_GROUPS
    | RW_LOGGING
    | RW_STORAGE
    | RW_BUFFER_POOL
    | RW_RECYCLE
    | RW_ENABLE
    | RW_NOVALIDATE
    | RW_VALIDATE
    | RW_DISABLE
    | RW_EXCEPTIONS
    | RW_PARALLEL
    | RW_NOPARALLEL
    ;

type_word_name
    : RW_CHAR
    | RW_CHARACTER
    | RW_DEC
    | RW_DECIMAL
    | RW_FLOAT
    | RW_INTEGER
    | RW_NCHAR
    | RW_NUMERIC
    | RW_REAL
    | RW_ROW
    | RW_SMALLINT
    | RW_TIME
    | RW_TIMESTAMP
    | RW_VARCHAR
    | RW_VARCHAR2
    | RW_EXCEPTION
    ;

func_keyword_name
    : RW_BETWEEN
    | RW_FULL
    | RW_IS
    | RW_LIKE
    | RW_JOIN
    | RW_LEFT
    | RW_RIGHT
    ;

alias_keyword
    : RW_AS
    | RW_CASCADE
    | RW_CURSOR
    | RW_GLOBAL
    | RW_INNER
    | RW_INT
    | RW_LOCAL
    | RW_ARRAY
    | RW_BEGIN
    | RW_BFILE
    | RW_BITMAP
    | RW_BLOB
    | RW_CAST
    | RW_CLOB
    | RW_COMMITTED
    | RW_CONSTRAINT
    | RW_DEFERRABLE
    | RW_END
    | RW_LOB
    | RW_NCLOB
    | RW_NOCACHE
    | RW_NOCYCLE
    | RW_NOFORCE
    | RW_NOMAXVALUE
    | RW_NOMINVALUE
    | RW_NOORDER
    | RW_NVARCHAR2
    | RW_ONLY
    | RW_OPEN
    | RW_PERCENT
    | RW_PLS_INTEGER
    | RW_POSITIVE
    | RW_POSITIVEN
    | RW_PRIMARY
    | RW_PURGE
    | RW_RETURN
    | RW_RETURNING
    | RW_REVERSE
    | RW_ROWLABEL
    | RW_SAVEPOINT
    | RW_SNAPSHOT
    | RW_SOME
    | RW_SORT
    | RW_UROWID
    | RW_USING
    | RW_VARRAY
    | RW_WHEN
    | RW_WHILE
    | RW_PRIOR
    | RW_EXISTS
    | RW_TYPE
    | RW_TOP
    | RW_VALUES
    ;
