/* SQL Server (T-SQL) grammar.  Read by yaccgen at build time (and by bison
 * as a cross-check of the conflict counts).  A whole script is parsed in one
 * run: every statement is wrapped in a _TMssqlStmt, announced through
 * OnGetRawSqlStatement and, at the top level, collected in the result list.
 *
 * The order of the rules is significant: a reduce/reduce conflict goes to
 * the earlier rule, so rules keep the order of the original rule table (the
 * numbers in the comments), also where one nonterminal's rules are split.
 * Every action builds its nodes in the parser's node pool; the own tokens of
 * each node are appended in source order, since the plain text of a node is
 * regenerated from them.  A few terminals are never produced by the scanner
 * (TOKEN_nnn, OVERLAPS, TYPECAST, INDICATOR, PARTITION): their rules shape
 * the tables but never match scanned text. */
%{
#include "parse/mssql/rkyaccmssqlsql.h"
#include "parse/mssql/mssqlsqlstatement.h"
#include "statementstructure/sqlstatement_select.h"
#define YYPARSER_CLASS TRkParserMssqlSql
%}

%define api.prefix {mssql}
%define api.value.type {mssqlYYSType}
// %value-cells accessors: the record is one tagged pointer (parse/rkyaccvalue.h).
/* Token codes: the names and numbers of parse/mssql/mssqltokens.h. */
%token <token> IDENT 262 SHL 263 SHR 264 OTHER_CHAR 265 NUMBER_LIT 266
%token <token> STRING_LIT 267 INTEGER_LIT 268 OPERATOR 269 ASSIGN 272 DOTDOT 273
%token <token> VARIABLE 274 LABEL 275
%token <token> RW_ABSOLUTE 904 RW_ACCOUNT 496 RW_ACTION 831 RW_ADD 383 RW_AFTER 499 RW_ALL 384
%token <token> RW_ALTER 385 RW_AND 386 RW_ANY 387 RW_ARRAY 278 RW_AS 388 RW_ASC 389 RW_AT 282
%token <token> RW_AVG 284 RW_BACKUP 508 RW_BEFORE 510 RW_BEGIN 286 RW_BETWEEN 391 RW_BFILE 511
%token <token> RW_BIT 891 RW_BITMAP 512 RW_BLOB 513 RW_BLOCK 514 RW_BOOLEAN 289 RW_BOTH 849
%token <token> RW_BREAK 886 RW_BULK 290 RW_BY 392 RW_BYTE 836 RW_CASCADE 518 RW_CASE 291 RW_CAST 519
%token <token> RW_CHAR 393 RW_CHARACTER 523 RW_CHECK 394 RW_CHECKPOINT 525 RW_CLOB 529 RW_CLOSE 293
%token <token> RW_CLUSTERED 917 RW_COLLATE 837 RW_COLLECT 824 RW_COLUMN 396 RW_COMMENT 397
%token <token> RW_COMMIT 535 RW_COMMITTED 852 RW_COMPUTE 541 RW_CONCAT 895 RW_CONNECT 399
%token <token> RW_CONSTANT 296 RW_CONSTRAINT 543 RW_CONSTRAINTS 544 RW_CONTINUE 546 RW_CONVERT 548
%token <token> RW_COST 549 RW_COUNT 550 RW_CREATE 400 RW_CROSS 822 RW_CURRENT 401 RW_CURSOR 299
%token <token> RW_CYCLE 555 RW_DATABASE 300 RW_DATE 402 RW_DAY 842 RW_DBCC 919 RW_DEALLOCATE 560
%token <token> RW_DEC 562 RW_DECIMAL 403 RW_DECLARE 305 RW_DECODE 857 RW_DEFAULT 404
%token <token> RW_DEFERRABLE 563 RW_DEFERRED 564 RW_DELETE 405 RW_DESC 406 RW_DISABLE 568
%token <token> RW_DISTINCT 407 RW_DOUBLE 573 RW_DROP 408 RW_DUMP 574 RW_DYNAMIC 909 RW_EACH 575
%token <token> RW_ELSE 409 RW_ENABLE 576 RW_ENCRYPTION 880 RW_END 312 RW_ESCAPE 578 RW_EXCEPT 951
%token <token> RW_EXCEPTION 314 RW_EXEC 887 RW_EXECUTE 585 RW_EXISTS 411 RW_EXIT 315 RW_EXPLAIN 866
%token <token> RW_EXTRACT 847 RW_FAST_FORWARD 910 RW_FETCH 317 RW_FILE 412 RW_FIRST 858 RW_FLOAT 413
%token <token> RW_FOR 414 RW_FORALL 859 RW_FOREIGN 597 RW_FORMAT 892 RW_FORWARD_ONLY 906
%token <token> RW_FOUND 874 RW_FROM 415 RW_FULL 823 RW_FUNCTION 319 RW_GLOBAL 600 RW_GO 885
%token <token> RW_GOTO 321 RW_GRANT 416 RW_GROUP 417 RW_HAVING 418 RW_HOUR 841 RW_IDENTITY 893
%token <token> RW_IF 322 RW_IMMEDIATE 420 RW_IN 421 RW_INDEX 423 RW_INNER 827 RW_INSENSITIVE 901
%token <token> RW_INSERT 425 RW_INT 617 RW_INTEGER 426 RW_INTERSECT 427 RW_INTERVAL 845 RW_INTO 428
%token <token> RW_IS 429 RW_ISOLATION 619 RW_JOIN 821 RW_KEY 622 RW_KEYSET 908 RW_LAST 856
%token <token> RW_LEADING 850 RW_LEFT 825 RW_LEVEL 430 RW_LIKE 431 RW_LOB 630 RW_LOCAL 631
%token <token> RW_LOCATOR 869 RW_LOCK 432 RW_LOG 632 RW_LONG 433 RW_MARK 905 RW_MATCH 828 RW_MAX 328
%token <token> RW_MIN 329 RW_MINUS 435 RW_MINUTE 840 RW_MONTH 843 RW_NATIONAL 656 RW_NATURAL 331
%token <token> RW_NCHAR 657 RW_NCLOB 659 RW_NEXT 662 RW_NO 830 RW_NOCHECK 916 RW_NONCLUSTERED 918
%token <token> RW_NOT 442 RW_NOWAIT 443 RW_NULL 444 RW_NULLS 445 RW_NUMBER 446 RW_NUMERIC 686
%token <token> RW_NVARCHAR 888 RW_NVARCHAR2 687 RW_OBJECT 688 RW_OF 447 RW_ON 449 RW_ONLY 695
%token <token> RW_OPEN 336 RW_OPTIMISTIC 913 RW_OPTION 451 RW_OR 452 RW_ORDER 453 RW_OUT 338
%token <token> RW_OUTER 875 RW_OUTPUT 879 RW_PARTIAL 829 RW_PERCENT 714 RW_PRECISION 719
%token <token> RW_PRIMARY 721 RW_PRINT 884 RW_PRIOR 455 RW_PROC 894 RW_PROCEDURE 346 RW_PUBLIC 457
%token <token> RW_RAISE 863 RW_RAISERROR 877 RW_RAW 458 RW_READ 729 RW_READ_ONLY 911 RW_REAL 348
%token <token> RW_RECOMPILE 881 RW_REF 350 RW_REFERENCES 734 RW_RELATIVE 903 RW_REPLACE 737
%token <token> RW_REPLICATION 882 RW_RESTORE 920 RW_RESTRICT 832 RW_RETURN 353 RW_RETURNING 742
%token <token> RW_RETURNS 883 RW_REVOKE 461 RW_RIGHT 826 RW_ROLE 744 RW_ROLLBACK 494
%token <token> RW_ROWGUIDCOL 915 RW_RULE 747 RW_SAVE 890 RW_SCHEMA 357 RW_SCROLL 902
%token <token> RW_SCROLL_LOCKS 912 RW_SECOND 839 RW_SELECT 467 RW_SEQUENCE 758 RW_SET 469
%token <token> RW_SMALLINT 472 RW_SOME 767 RW_SQL 361 RW_STATIC 907 RW_STATISTICS 775 RW_STDEV 896
%token <token> RW_STDEVP 897 RW_STORE 778 RW_SUBTYPE 366 RW_SUM 367 RW_TABLE 477 RW_TEMP 819
%token <token> RW_TEMPORARY 787 RW_TEXTIMAGE_ON 900 RW_THEN 478 RW_TIES 865 RW_TIME 790
%token <token> RW_TIMESTAMP 791 RW_TO 479 RW_TOP 855 RW_TRAILING 851 RW_TRAN 889 RW_TRANSACTION 795
%token <token> RW_TRIGGER 480 RW_TRIM 848 RW_TRUNCATE 798 RW_TYPE 373 RW_TYPE_WARNING 914
%token <token> RW_UNION 482 RW_UNIQUE 483 RW_UPDATE 484 RW_USAGE 811 RW_USE 374 RW_USER 485
%token <token> RW_USING 812 RW_VALUE 814 RW_VALUES 487 RW_VAR 898 RW_VARCHAR 488 RW_VARCHAR2 489
%token <token> RW_VARP 899 RW_VARYING 816 RW_VIEW 490 RW_WAIT 820 RW_WAITFOR 878 RW_WHEN 377
%token <token> RW_WHERE 492 RW_WHILE 378 RW_WITH 493 RW_WITHOUT 817 RW_WORK 379 RW_WRITE 380
%token <token> RW_YEAR 844 RW_ZONE 838 RW_INDICATOR 324 RW_PARTITION 340 RW_OVERLAPS 833
%token <token> RW_TYPECAST 834 TOKEN_298 298 TOKEN_334 334 TOKEN_345 345 TOKEN_372 372 TOKEN_454 454
%token <token> TOKEN_608 608 TOKEN_613 613 TOKEN_699 699 TOKEN_835 835
%token <token> SV_CONNECTIONS 961 SV_CPU_BUSY 962 SV_CURSOR_ROWS 963 SV_DATEFIRST 964 SV_DBTS 965
%token <token> SV_ERROR 966 SV_FETCH_STATUS 967 SV_IDENTITY 993 SV_IDLE 968 SV_IO_BUSY 969
%token <token> SV_LANGID 970 SV_LANGUAGE 971 SV_LOCK_TIMEOUT 972 SV_MAX_CONNECTIONS 973
%token <token> SV_MAX_PRECISION 974 SV_NESTLEVEL 975 SV_OPTIONS 976 SV_PACK_RECEIVED 977
%token <token> SV_PACK_SENT 978 SV_PACKET_ERRORS 979 SV_PROCID 980 SV_REMSERVER 981 SV_ROWCOUNT 982
%token <token> SV_SERVERNAME 983 SV_SERVICENAME 984 SV_SPID 985 SV_TEXTSIZE 986 SV_TIMETICKS 987
%token <token> SV_TOTAL_ERRORS 988 SV_TOTAL_READ 989 SV_TOTAL_WRITE 990 SV_TRANCOUNT 991
%token <token> SV_VERSION 992
%token <token> '(' ')' ',' '.' ';' '*' '+' '-' '/' '%' '^' '<' '>' '=' '[' ']'

/* A table reference ends before VALUES: "INSERT INTO t VALUES (...)" and
 * "INSERT INTO t (a, b) VALUES (...)" read VALUES as the start of the
 * inserted rows, not as an alias of t (VALUES is also a keyword usable as a
 * name).  P_TABLE_REF gives rules 283 and 284 the upper hand over VALUES. */
%nonassoc RW_VALUES
%nonassoc P_TABLE_REF

/* Operator binding, loosest first.  AND and OR share one level (so
 * "a OR b AND c" groups to the left); NOT binds below every comparison; "="
 * groups to the right; "<", ">" and LIKE do not chain.  P_POSTFIX_OP,
 * P_UMINUS only give precedence to their rules. */
%left RW_AND RW_OR
%right RW_NOT
%right '='
%nonassoc '<' '>'
%nonassoc RW_LIKE
%nonassoc RW_ESCAPE RW_CONCAT RW_COLLATE
%nonassoc RW_BETWEEN RW_IN
%left P_POSTFIX_OP
%left OPERATOR
%nonassoc RW_IS
%left '+' '-'
%left '*' '/' '%'
%left '^'
%left RW_AT
%right P_UMINUS
%left RW_TYPECAST

%type <node> script script_item_list script_item stmt block_stmt return_stmt continue_stmt
%type <node> break_stmt fetch_stmt fetch_direction opt_fetch_into open_stmt close_stmt execute_stmt
%type <node> exec_module_name exec_param exec_param_value drop_stmt set_stmt begin_tran_stmt
%type <node> opt_tran_name unparsed_stmt label_stmt deallocate_stmt declare_stmt declare_var go_stmt
%type <node> use_stmt print_stmt if_stmt while_stmt create_procedure_stmt create_function_stmt
%type <node> parameter_decl opt_declaration_expr opt_routine_options opt_for_replication select_stmt
%type <node> paren_select select_body select_operand simple_select opt_select_into opt_distinct
%type <node> opt_top_clause order_by_clause compute_clause compute_func sort_item opt_nulls_order
%type <node> opt_group_by_clause opt_having_clause opt_for_update_clause for_update_clause
%type <node> opt_nowait opt_from_clause table_ref from_item table_name joined_table join_type
%type <node> opt_outer join_qual alias_clause column_alias opt_where_clause insert_stmt insert_rest
%type <node> paren_column_list opt_paren_column_list update_stmt set_clause delete_stmt
%type <node> opt_returning_clause alter_table_stmt alter_column_action opt_collate opt_null_spec
%type <node> add_column_action add_constraint_action drop_items_action drop_item
%type <node> constraint_check_action trigger_action create_table_stmt opt_on_filegroup
%type <node> opt_textimage_on create_table_of_stmt opt_temp table_element column_def
%type <node> create_index_stmt opt_with_options opt_index_kind index_column create_view_stmt
%type <node> commit_stmt rollback_stmt save_tran_stmt column_constraint column_constraint_elem
%type <node> constraint_deferrability table_constraint table_constraint_elem key_match key_actions
%type <node> key_delete_action key_update_action key_action type_name simple_type_name type_body
%type <node> generic_type numeric_type character_type character_keyword datetime_type long_type
%type <node> lob_type row_expr quantifier expr type_list type_list_item simple_expr primary_expr
%type <node> extract_list trim_list in_operand case_expr when_clause opt_case_else opt_case_arg
%type <node> qualified_name multi_part_name func_expr special_func res_target value_expr constant
%type <node> func_name
%type <list> stmt_list opt_exec_param_list exec_param_list exec_string_expr declare_var_list
%type <list> parameter_decl_list compute_func_list sort_list name_list cursor_option_list
%type <list> qualified_name_list from_list dotted_name column_list set_clause_list column_def_list
%type <list> table_constraint_list drop_item_list table_element_list column_constraint_list
%type <list> index_column_list index_column_items opt_array_bounds row_expr_list expr_seq expr_list
%type <list> in_expr_list when_clause_list name_parts target_list
%type <token> string_or_variable opt_exec_param_mode opt_cursor_scroll opt_cursor_kind
%type <token> opt_cursor_concurrency opt_type_warning create_or_alter procedure_keyword opt_as
%type <token> output_keyword opt_all opt_sort_order opt_tran_ref opt_clustered any_operator math_op
%type <token> extract_field name integer_const string_const number_const cursor_name ident attr_name
%type <token> type_ident name_keyword unreserved_keyword type_name_keyword func_name_keyword
%type <token> label_keyword system_variable

%start script
// The conflicts that precedence leaves, all resolved by shifting; the
// generators say so only when their number changes.
%expect 411
// %expect-unused 9: token codes of the shared layout that no rule reads.
%%

/* ---- Script, items and statement dispatch (1-42) --------------------- */

script
    : script_item_list                                  /* 1 */
    | script_item_list ';'                              /* 2 */
        { SetLastTerminator($2); }
    ;

script_item_list
    : script_item_list script_item                      /* 3 */
        { AddScriptItem($2, nullptr); }
    | script_item_list ';' script_item                  /* 4 */
        { AddScriptItem($3, $2); }
    | script_item                                       /* 5 */
        { AddScriptItem($1, nullptr); }
    ;

script_item
    : stmt                                              /* 6 */
    | create_procedure_stmt                             /* 7 */
        { $$ = WrapStmt($1, sstMssqlCreateProcedure); }
    | create_function_stmt                              /* 8 */
        { $$ = WrapStmt($1, sstMssqlCreateFunction); }
    | go_stmt                                           /* 9 */
        { $$ = WrapStmt($1, sstMssqlGo); }
    ;

stmt
    : select_stmt           /* 10 */ { $$ = WrapStmt($1, sstSelect); }
    | insert_stmt           /* 11 */ { $$ = WrapStmt($1, sstInsert); }
    | update_stmt           /* 12 */ { $$ = WrapStmt($1, sstUpdate); }
    | delete_stmt           /* 13 */ { $$ = WrapStmt($1, sstDelete); }
    | create_table_stmt     /* 14 */ { $$ = WrapStmt($1, sstCreateTable); }
    | create_index_stmt     /* 15 */ { $$ = WrapStmt($1, sstCreateIndex); }
    | create_view_stmt      /* 16 */ { $$ = WrapStmt($1, sstCreateView); }
    | create_table_of_stmt  /* 17 */ { $$ = WrapStmt($1, sstCreateTable); }
    | alter_table_stmt      /* 18 */ { $$ = WrapStmt($1, sstAlterTable); }
    | commit_stmt           /* 19 */ { $$ = WrapStmt($1, sstCommit); }
    | rollback_stmt         /* 20 */ { $$ = WrapStmt($1, sstRollback); }
    | save_tran_stmt        /* 21 */ { $$ = WrapStmt($1, sstMssqlSaveTrans); }
    | block_stmt            /* 22 */ { $$ = WrapStmt($1, sstMssqlBlock); }
    | if_stmt               /* 23 */ { $$ = WrapStmt($1, sstMssqlIf); }
    | return_stmt           /* 24 */ { $$ = WrapStmt($1, sstMssqlReturn); }
    | print_stmt            /* 25 */ { $$ = WrapStmt($1, sstMssqlPrint); }
    | use_stmt              /* 26 */ { $$ = WrapStmt($1, sstMssqlUse); }
    | declare_stmt          /* 27 */ { $$ = WrapStmt($1, sstMssqlDeclare); }
    /* 28, the WITH ... AS statement, has no reachable first symbol. */
    | break_stmt            /* 29 */ { $$ = WrapStmt($1, sstMssqlBreak); }
    | continue_stmt         /* 30 */ { $$ = WrapStmt($1, sstMssqlContinue); }
    | while_stmt            /* 31 */ { $$ = WrapStmt($1, sstMssqlIf); }
    | open_stmt             /* 32 */ { $$ = WrapStmt($1, sstMssqlOpen); }
    | close_stmt            /* 33 */ { $$ = WrapStmt($1, sstMssqlClose); }
    | deallocate_stmt       /* 34 */ { $$ = WrapStmt($1, sstMssqlDeallocate); }
    | execute_stmt          /* 35 */ { $$ = WrapStmt($1, sstMssqlExec); }
    | set_stmt              /* 36 */ { $$ = WrapStmt($1, sstMssqlSet); }
    | drop_stmt             /* 37 */ { $$ = WrapStmt($1, sstDropStmt); }
    | begin_tran_stmt       /* 38 */ { $$ = WrapStmt($1, sstBeginTranStmt); }
    | unparsed_stmt         /* 39 */ { $$ = WrapStmt($1, sstUnknown); }
    | label_stmt            /* 40 */ { $$ = WrapStmt($1, sstMssqlLabel); }
    | fetch_stmt            /* 41 */ { $$ = WrapStmt($1, sstMssqlFetch); }
    | error                 /* 42 */ { $$ = ErrorStmt(); }
    ;

/* ---- Control of flow, cursors, EXECUTE, SET, DECLARE (43-164) ------ */

block_stmt
    : RW_BEGIN stmt_list RW_END                         /* 43 */
        { auto* b = New<_TMssqlBlock>(); b->StmtList = $2; Tk(b, $1, $3); $$ = b; }
    ;

stmt_list
    : stmt_list stmt                                    /* 44 */
        { $$ = AppendToList($1, $2, false); }
    | stmt                                              /* 45 */
        { $$ = MakeList($1, false); }
    ;

return_stmt
    : RW_RETURN                                         /* 46 */
        { auto* r = New<_TMssqlReturn>(); Tk(r, $1); $$ = r; }
    | RW_RETURN expr                                    /* 47 */
        { auto* r = New<_TMssqlReturn>(); r->Operand = $2; Tk(r, $1); $$ = r; }
    ;

continue_stmt
    : RW_CONTINUE                                       /* 48 */
        { auto* d = DummyStmt(mnkContinue); Tk(d, $1); $$ = d; }
    ;

break_stmt
    : RW_BREAK                                          /* 49 */
        { auto* d = DummyStmt(mnkBreak); Tk(d, $1); $$ = d; }
    ;

fetch_stmt
    : RW_FETCH fetch_direction cursor_name opt_fetch_into              /* 50 */
        { $$ = Fetch($1, $2, nullptr, $3, false, $4); }
    | RW_FETCH fetch_direction VARIABLE opt_fetch_into                 /* 51 */
        { $$ = Fetch($1, $2, nullptr, $3, true, $4); }
    | RW_FETCH fetch_direction RW_GLOBAL cursor_name opt_fetch_into    /* 52 */
        { $$ = Fetch($1, $2, $3, $4, false, $5); }
    | RW_FETCH cursor_name opt_fetch_into                              /* 53 */
        { $$ = Fetch($1, nullptr, nullptr, $2, false, $3); }
    | RW_FETCH VARIABLE opt_fetch_into                                 /* 54 */
        { $$ = Fetch($1, nullptr, nullptr, $2, true, $3); }
    | RW_FETCH RW_GLOBAL cursor_name opt_fetch_into                    /* 55 */
        { $$ = Fetch($1, nullptr, $2, $3, false, $4); }
    ;

fetch_direction
    : RW_NEXT RW_FROM                       /* 56 */ { $$ = Slot(1, $1, $2); }
    | RW_PRIOR RW_FROM                      /* 57 */ { $$ = Slot(2, $1, $2); }
    | RW_FIRST RW_FROM                      /* 58 */ { $$ = Slot(3, $1, $2); }
    | RW_LAST RW_FROM                       /* 59 */ { $$ = Slot(4, $1, $2); }
    | RW_FROM                               /* 60 */ { $$ = Slot(5, $1); }
    | RW_ABSOLUTE integer_const RW_FROM     /* 61 */ { auto* d = Slot(6, $1, $2, $3); d->Tok1 = $2; $$ = d; }
    | RW_ABSOLUTE VARIABLE RW_FROM          /* 62 */ { auto* d = Slot(6, $1, $2, $3); d->Tok1 = $2; $$ = d; }
    | RW_RELATIVE integer_const RW_FROM     /* 63 */ { auto* d = Slot(7, $1, $2, $3); d->Tok1 = $2; $$ = d; }
    | RW_RELATIVE VARIABLE RW_FROM          /* 64 */ { auto* d = Slot(7, $1, $2, $3); d->Tok1 = $2; $$ = d; }
    ;

opt_fetch_into
    : RW_INTO name_list                     /* 65 */ { auto* d = Slot(-9999, $1); d->List1 = $2; $$ = d; }
    | %empty                                /* 66 */ { $$ = nullptr; }
    ;

open_stmt
    : RW_OPEN cursor_name                   /* 67 */ { $$ = CursorStmt(mnkOpen, $1, nullptr, $2, false); }
    | RW_OPEN VARIABLE                      /* 68 */ { $$ = CursorStmt(mnkOpen, $1, nullptr, $2, false); }
    | RW_OPEN RW_GLOBAL cursor_name         /* 69 */ { $$ = CursorStmt(mnkOpen, $1, $2, $3, false); }
    ;

close_stmt
    : RW_CLOSE cursor_name                  /* 70 */ { $$ = CursorStmt(mnkClose, $1, nullptr, $2, false); }
    | RW_CLOSE VARIABLE                     /* 71 */ { $$ = CursorStmt(mnkClose, $1, nullptr, $2, false); }
    | RW_CLOSE RW_GLOBAL cursor_name        /* 72 */ { $$ = CursorStmt(mnkClose, $1, $2, $3, false); }
    ;

execute_stmt
    : RW_EXEC exec_module_name opt_exec_param_list                                     /* 73 */
        { $$ = Execute($1, nullptr, nullptr, $2, $3, nullptr, nullptr); }
    | RW_EXECUTE exec_module_name opt_exec_param_list                                  /* 74 */
        { $$ = Execute($1, nullptr, nullptr, $2, $3, nullptr, nullptr); }
    | RW_EXEC VARIABLE '=' exec_module_name opt_exec_param_list                        /* 75 */
        { $$ = Execute($1, $2, $3, $4, $5, nullptr, nullptr); }
    | RW_EXECUTE VARIABLE '=' exec_module_name opt_exec_param_list                     /* 76 */
        { $$ = Execute($1, $2, $3, $4, $5, nullptr, nullptr); }
    | RW_EXEC exec_module_name opt_exec_param_list RW_WITH RW_RECOMPILE                /* 77 */
        { $$ = Execute($1, nullptr, nullptr, $2, $3, $4, $5); }
    | RW_EXECUTE exec_module_name opt_exec_param_list RW_WITH RW_RECOMPILE             /* 78 */
        { $$ = Execute($1, nullptr, nullptr, $2, $3, $4, $5); }
    | RW_EXEC VARIABLE '=' exec_module_name opt_exec_param_list RW_WITH RW_RECOMPILE   /* 79 */
        { $$ = Execute($1, $2, $3, $4, $5, $6, $7); }
    | RW_EXECUTE VARIABLE '=' exec_module_name opt_exec_param_list RW_WITH RW_RECOMPILE /* 80 */
        { $$ = Execute($1, $2, $3, $4, $5, $6, $7); }
    | RW_EXEC '(' exec_string_expr ')'                                                 /* 81 */
        { $$ = ExecuteString($1, $2, $3, $4); }
    | RW_EXECUTE '(' exec_string_expr ')'                                              /* 82 */
        { $$ = ExecuteString($1, $2, $3, $4); }
    ;

exec_module_name
    : qualified_name                        /* 83 */ { auto* d = Holder(); d->Sub1 = $1; $$ = d; }
    | VARIABLE                              /* 84 */ { auto* d = Holder(); d->Tok1 = $1; $$ = d; }
    ;

opt_exec_param_list
    : exec_param_list                       /* 85 */
    | %empty                                /* 86 */ { $$ = nullptr; }
    ;

exec_param_list
    : exec_param                            /* 87 */ { $$ = L1($1); }
    | exec_param_list ',' exec_param        /* 88 */ { Sep($3, $2); $$ = Ap($1, $3); }
    ;

exec_param
    : VARIABLE '=' exec_param_value opt_exec_param_mode                 /* 89 */
        { auto* d = Holder(); d->Tok1 = $1; d->Tok2 = $2; d->Sub1 = $3; if ($4) d->Tok3 = $4; $$ = d; }
    | exec_param_value opt_exec_param_mode                              /* 90 */
        { auto* d = Holder(); d->Sub1 = $1; if ($2) d->Tok3 = $2; $$ = d; }
    ;

exec_param_value
    : ident                                 /* 91 */ { $$ = Slot(-9999, $1); }
    | RW_NULL                               /* 92 */ { $$ = Slot(-9999, $1); }
    | integer_const                         /* 93 */ { $$ = Slot(-9999, $1); }
    | '-' integer_const                     /* 94 */ { $$ = Slot(-9999, $1, $2); }
    | string_or_variable                    /* 95 */ { $$ = Slot(-9999, $1); }
    | system_variable                       /* 96 */ { $$ = Slot(-9999, $1); }
    ;

string_or_variable
    : VARIABLE                              /* 97 */
    | string_const                          /* 98 */
    ;

exec_string_expr
    : string_or_variable                            /* 99 */ { $$ = L1($1); }
    | exec_string_expr '+' string_or_variable       /* 100 */ { Sep($3, $2); $$ = Ap($1, $3); }
    ;

opt_exec_param_mode
    : RW_OUTPUT                             /* 101 */
    | RW_OUT                                /* 102 */
    | RW_DEFAULT                            /* 103 */
    | %empty                                /* 104 */ { $$ = nullptr; }
    ;

drop_stmt
    : RW_DROP                               /* 105 */ { auto* d = DummyStmt(mnkDrop); SkipUnparsedStatement(d, $1); Tk(d, $1); $$ = d; }
    | RW_TRUNCATE                           /* 106 */ { auto* d = DummyStmt(mnkDrop); SkipUnparsedStatement(d, $1); Tk(d, $1); $$ = d; }
    ;

set_stmt
    : RW_SET VARIABLE '=' expr                                          /* 107 */
        { auto* s = New<_TMssqlSet>(); s->SetToken = $1; s->VarToken = $2; s->EqualToken = $3; s->Expr = $4;
          $$ = s; }
    | RW_SET VARIABLE '=' RW_CURSOR opt_cursor_scroll opt_cursor_kind opt_cursor_concurrency
      opt_type_warning RW_FOR select_stmt                               /* 108 */
        { auto* s = New<_TMssqlSet>(); s->SetToken = $1; s->VarToken = $2; s->EqualToken = $3;
          s->CursorToken = $4; s->ScrollToken = $5; s->CursorKindToken = $6; s->ConcurrencyToken = $7;
          s->TypeWarningToken = $8; s->ForToken = $9; s->Query = $10; $$ = s; }
    | RW_SET ident                                                      /* 109 */
        { auto* s = New<_TMssqlSet>(); SkipUnparsedStatement(s, $2); s->TokenList->Insert(0, $1); $$ = s; }
    ;

opt_cursor_scroll
    : RW_FORWARD_ONLY                       /* 110 */
    | RW_SCROLL                             /* 111 */
    | %empty                                /* 112 */ { $$ = nullptr; }
    ;

opt_cursor_kind
    : RW_STATIC                             /* 113 */
    | RW_KEYSET                             /* 114 */
    | RW_DYNAMIC                            /* 115 */
    | RW_FAST_FORWARD                       /* 116 */
    | %empty                                /* 117 */ { $$ = nullptr; }
    ;

opt_cursor_concurrency
    : RW_READ_ONLY                          /* 118 */
    | RW_SCROLL_LOCKS                       /* 119 */
    | RW_OPTIMISTIC                         /* 120 */
    | %empty                                /* 121 */ { $$ = nullptr; }
    ;

opt_type_warning
    : RW_TYPE_WARNING                       /* 122 */
    | %empty                                /* 123 */ { $$ = nullptr; }
    ;

begin_tran_stmt
    : RW_BEGIN RW_TRANSACTION opt_tran_name /* 124 */ { $$ = BeginTran($1, $2, $3); }
    | RW_BEGIN RW_TRAN opt_tran_name        /* 125 */ { $$ = BeginTran($1, $2, $3); }
    ;

opt_tran_name
    : ident                                         /* 126 */ { $$ = Slot(-9999, $1); }
    | ident RW_WITH RW_MARK                         /* 127 */ { $$ = Slot(-9999, $1, $2, $3); }
    | ident RW_WITH RW_MARK string_const            /* 128 */ { $$ = Slot(-9999, $1, $2, $3, $4); }
    | VARIABLE                                      /* 129 */ { $$ = Slot(-9999, $1); }
    | VARIABLE RW_WITH RW_MARK                      /* 130 */ { $$ = Slot(-9999, $1, $2, $3); }
    | VARIABLE RW_WITH RW_MARK string_const         /* 131 */ { $$ = Slot(-9999, $1, $2, $3, $4); }
    | %empty                                        /* 132 */ { $$ = nullptr; }
    ;

unparsed_stmt
    : RW_RAISERROR                          /* 133 */ { auto* d = DummyStmt(mnkFirstWordStmt); SkipUnparsedStatement(d, $1); Tk(d, $1); $$ = d; }
    | RW_DBCC                               /* 134 */ { auto* d = DummyStmt(mnkFirstWordStmt); SkipUnparsedStatement(d, $1); Tk(d, $1); $$ = d; }
    | RW_RESTORE                            /* 135 */ { auto* d = DummyStmt(mnkFirstWordStmt); SkipUnparsedStatement(d, $1); Tk(d, $1); $$ = d; }
    | RW_WAITFOR                            /* 136 */ { auto* d = DummyStmt(mnkFirstWordStmt); SkipUnparsedStatement(d, $1); Tk(d, $1); $$ = d; }
    | RW_BACKUP                             /* 137 */ { auto* d = DummyStmt(mnkFirstWordStmt); SkipUnparsedStatement(d, $1); Tk(d, $1); $$ = d; }
    | RW_REVOKE                             /* 138 */ { auto* d = DummyStmt(mnkFirstWordStmt); SkipUnparsedStatement(d, $1); Tk(d, $1); $$ = d; }
    | RW_GOTO                               /* 139 */ { auto* d = DummyStmt(mnkFirstWordStmt); SkipUnparsedStatement(d, $1); Tk(d, $1); $$ = d; }
    ;

label_stmt
    : LABEL                                 /* 140 */ { auto* d = DummyStmt(mnkLabel); Tk(d, $1); $$ = d; }
    ;

deallocate_stmt
    : RW_DEALLOCATE cursor_name             /* 141 */ { $$ = CursorStmt(mnkDeallocate, $1, nullptr, $2, false); }
    | RW_DEALLOCATE RW_GLOBAL cursor_name   /* 142 */ { $$ = CursorStmt(mnkDeallocate, $1, $2, $3, false); }
    | RW_DEALLOCATE VARIABLE                /* 143 */ { $$ = CursorStmt(mnkDeallocate, $1, nullptr, $2, true); }
    | RW_DEALLOCATE RW_GLOBAL VARIABLE      /* 144 */ { $$ = CursorStmt(mnkDeallocate, $1, $2, $3, true); }
    ;

/* 145, the WITH ... AS statement, is left out: its first symbol has no rule. */

declare_stmt
    : RW_DECLARE declare_var_list                                       /* 146 */
        { auto* d = New<_TMssqlDeclare>(); d->Vars = $2; d->Kind = 1; Tk(d, $1); $$ = d; }
    | RW_DECLARE cursor_name RW_CURSOR RW_FOR select_stmt               /* 147 */
        { $$ = DeclareCursor($1, $2, nullptr, $3, nullptr, $4, $5); }
    | RW_DECLARE cursor_name RW_INSENSITIVE RW_CURSOR RW_FOR select_stmt /* 148 */
        { $$ = DeclareCursor($1, $2, $3, $4, nullptr, $5, $6); }
    | RW_DECLARE cursor_name RW_SCROLL RW_CURSOR RW_FOR select_stmt     /* 149 */
        { $$ = DeclareCursor($1, $2, $3, $4, nullptr, $5, $6); }
    | RW_DECLARE cursor_name RW_CURSOR cursor_option_list RW_FOR select_stmt /* 150 */
        { $$ = DeclareCursor($1, $2, nullptr, $3, $4, $5, $6); }
    ;

declare_var_list
    : declare_var                           /* 151 */ { $$ = L1($1); }
    | declare_var_list ',' declare_var      /* 152 */ { Sep($3, $2); $$ = Ap($1, $3); }
    ;

declare_var
    : VARIABLE opt_as type_name             /* 153 */
        { auto* v = New<_TMssql_declare_var>(); v->NameToken = $1; v->AsToken = $2; v->DataType = $3;
          v->Kind = 1; Tk(v, $1); $$ = v; }
    | cursor_name opt_as type_name          /* 154 */
        { auto* v = New<_TMssql_declare_var>(); v->NameToken = $1; v->AsToken = $2; v->DataType = $3;
          v->Kind = 1; $$ = v; }
    | VARIABLE opt_as RW_CURSOR             /* 155 */
        { auto* v = New<_TMssql_declare_var>(); v->NameToken = $1; v->AsToken = $2; v->Kind = 2; Tk(v, $3);
          $$ = v; }
    ;

go_stmt
    : RW_GO                                 /* 156 */
        { auto* g = New<_TMssqlGo>(); g->Count = 1; Tk(g, $1); $$ = g; }
    ;

use_stmt
    : RW_USE                                /* 157 */ { auto* u = New<_TMssqlUse>(); Tk(u, $1); $$ = u; }
    | RW_USE ident                          /* 158 */
        { auto* u = New<_TMssqlUse>(); u->DatabaseName = $2; Tk(u, $1); $$ = u; }
    ;

print_stmt
    : RW_PRINT expr                         /* 159 */
        { auto* p = New<_TMssqlPrint>(); p->Operand = $2; Tk(p, $1); $$ = p; }
    ;

if_stmt
    : RW_IF expr stmt                       /* 160 */ { $$ = IfElse($1, $2, $3, nullptr, nullptr, 0); }
    | RW_IF expr stmt RW_ELSE stmt          /* 161 */ { $$ = IfElse($1, $2, $3, $4, $5, 0); }
    ;

while_stmt
    : RW_WHILE expr stmt                    /* 162 */ { $$ = IfElse($1, $2, $3, nullptr, nullptr, 1); }
    ;

create_or_alter
    : RW_CREATE                             /* 163 */
    | RW_ALTER                              /* 164 */
    ;

/* ---- Procedures and functions (165-202) ------------------------------ */

create_procedure_stmt
    : create_or_alter procedure_keyword qualified_name opt_routine_options opt_for_replication
      RW_AS stmt_list                                                   /* 165 */
        { auto* p = Procedure($1, $2, $3, $4, $5, $7, 0, nullptr, nullptr); Tk(p, $6); $$ = p; }
    | create_or_alter procedure_keyword qualified_name parameter_decl_list opt_routine_options
      opt_for_replication RW_AS stmt_list                               /* 166 */
        { auto* p = Procedure($1, $2, $3, $5, $6, $8, 0, nullptr, $4); Tk(p, $7); $$ = p; }
    | create_or_alter procedure_keyword qualified_name '(' parameter_decl_list ')' opt_routine_options
      opt_for_replication RW_AS stmt_list                               /* 167 */
        { auto* p = Procedure($1, $2, $3, $7, $8, $10, 1, nullptr, $5); Tk(p, $4, $6, $9); $$ = p; }
    | create_or_alter procedure_keyword qualified_name ';' integer_const opt_routine_options
      opt_for_replication RW_AS stmt_list                               /* 168 */
        { auto* p = Procedure($1, $2, $3, $6, $7, $9, 0, $5, nullptr); Tk(p, $4, $8); $$ = p; }
    | create_or_alter procedure_keyword qualified_name ';' integer_const parameter_decl_list
      opt_routine_options opt_for_replication RW_AS stmt_list           /* 169 */
        { auto* p = Procedure($1, $2, $3, $7, $8, $10, 0, $5, $6); Tk(p, $4, $9); $$ = p; }
    | create_or_alter procedure_keyword qualified_name ';' integer_const '(' parameter_decl_list ')'
      opt_routine_options opt_for_replication RW_AS stmt_list           /* 170 */
        { auto* p = Procedure($1, $2, $3, $9, $10, $12, 1, $5, $7); Tk(p, $4, $6, $8, $11); $$ = p; }
    | create_or_alter procedure_keyword qualified_name '(' ')' opt_routine_options
      opt_for_replication RW_AS stmt_list                               /* 171 */
        { auto* p = Procedure($1, $2, $3, $6, $7, $9, 1, nullptr, nullptr); Tk(p, $4, $5, $8); $$ = p; }
    ;

procedure_keyword
    : RW_PROCEDURE                          /* 172 */
    | RW_PROC                               /* 173 */
    ;

create_function_stmt
    : create_or_alter RW_FUNCTION qualified_name '(' ')' RW_RETURNS type_name
      opt_routine_options opt_as block_stmt                             /* 174 */
        { auto* f = Function($1, $3, nullptr, $7, 1, $8, $9, $10, 1); Tk(f, $2, $4, $5, $6); $$ = f; }
    | create_or_alter RW_FUNCTION qualified_name '(' parameter_decl_list ')' RW_RETURNS type_name
      opt_routine_options opt_as block_stmt                             /* 175 */
        { auto* f = Function($1, $3, $5, $8, 1, $9, $10, $11, 1); Tk(f, $2, $4, $6, $7); $$ = f; }
    | create_or_alter RW_FUNCTION qualified_name '(' ')' RW_RETURNS RW_TABLE
      opt_routine_options opt_as block_stmt                             /* 176 */
        { auto* f = Function($1, $3, nullptr, nullptr, 2, $8, $9, $10, 1); Tk(f, $2, $4, $5, $6, $7); $$ = f; }
    | create_or_alter RW_FUNCTION qualified_name '(' parameter_decl_list ')' RW_RETURNS RW_TABLE
      opt_routine_options opt_as block_stmt                             /* 177 */
        { auto* f = Function($1, $3, $5, nullptr, 2, $9, $10, $11, 1); Tk(f, $2, $4, $6, $7, $8); $$ = f; }
    | create_or_alter RW_FUNCTION qualified_name '(' ')' RW_RETURNS type_name
      opt_routine_options opt_as return_stmt                            /* 178 */
        { auto* f = Function($1, $3, nullptr, $7, 1, $8, $9, $10, 2); Tk(f, $2, $4, $5, $6); $$ = f; }
    | create_or_alter RW_FUNCTION qualified_name '(' parameter_decl_list ')' RW_RETURNS type_name
      opt_routine_options opt_as return_stmt                            /* 179 */
        { auto* f = Function($1, $3, $5, $8, 1, $9, $10, $11, 2); Tk(f, $2, $4, $6, $7); $$ = f; }
    | create_or_alter RW_FUNCTION qualified_name '(' ')' RW_RETURNS RW_TABLE
      opt_routine_options opt_as return_stmt                            /* 180 */
        { auto* f = Function($1, $3, nullptr, nullptr, 2, $8, $9, $10, 2); Tk(f, $2, $4, $5, $6, $7); $$ = f; }
    | create_or_alter RW_FUNCTION qualified_name '(' parameter_decl_list ')' RW_RETURNS RW_TABLE
      opt_routine_options opt_as return_stmt                            /* 181 */
        { auto* f = Function($1, $3, $5, nullptr, 2, $9, $10, $11, 2); Tk(f, $2, $4, $6, $7, $8); $$ = f; }
    ;

opt_as
    : RW_AS                                 /* 182 */
    | %empty                                /* 183 */ { $$ = nullptr; }
    ;

parameter_decl_list
    : parameter_decl                                /* 184 */ { $$ = L1($1); }
    | parameter_decl_list ',' parameter_decl        /* 185 */ { Sep($3, $2); $$ = Ap($1, $3); }
    ;

parameter_decl
    : VARIABLE opt_as type_name opt_declaration_expr                    /* 186 */
        { auto* p = New<_TMssql_ParameterDecl>(); p->NameToken = $1; p->AsToken = $2; p->DataType = $3;
          p->DefaultPart = NC($4); Tk(p, $1); $$ = p; }
    ;

opt_declaration_expr
    : RW_VARYING                                    /* 187 */ { $$ = DeclExpr($1, nullptr, nullptr, nullptr); }
    | RW_VARYING '=' expr                           /* 188 */ { $$ = DeclExpr($1, $2, $3, nullptr); }
    | RW_VARYING output_keyword                     /* 189 */ { $$ = DeclExpr($1, nullptr, nullptr, $2); }
    | RW_VARYING '=' expr output_keyword            /* 190 */ { $$ = DeclExpr($1, $2, $3, $4); }
    | '=' expr                                      /* 191 */ { $$ = DeclExpr(nullptr, $1, $2, nullptr); }
    | '=' expr output_keyword                       /* 192 */ { $$ = DeclExpr(nullptr, $1, $2, $3); }
    | output_keyword                                /* 193 */ { $$ = DeclExpr(nullptr, nullptr, nullptr, $1); }
    | %empty                                        /* 194 */ { $$ = nullptr; }
    ;

output_keyword
    : RW_OUTPUT                             /* 195 */
    | RW_OUT                                /* 196 */
    ;

opt_routine_options
    : RW_WITH RW_RECOMPILE                          /* 197 */ { $$ = Slot(1, $1, $2); }
    | RW_WITH RW_ENCRYPTION                         /* 198 */ { $$ = Slot(2, $1, $2); }
    | RW_WITH RW_RECOMPILE ',' RW_ENCRYPTION        /* 199 */ { $$ = Slot(3, $1, $2, $3, $4); }
    | %empty                                        /* 200 */ { $$ = Slot(0); }
    ;

opt_for_replication
    : RW_FOR RW_REPLICATION                         /* 201 */ { $$ = Slot(1, $1, $2); }
    | %empty                                        /* 202 */ { $$ = Slot(0); }
    ;

/* ---- SELECT (203-301) -------------------------------------------------- */

select_stmt
    : select_body                           /* 203 */
    | paren_select                          /* 204 */
    ;

paren_select
    : '(' select_body ')'                   /* 205 */ { $$ = WrapParens($2, $1, $3); }
    | '(' paren_select ')'                  /* 206 */ { $$ = WrapParens($2, $1, $3); }
    ;

select_body
    : simple_select                                                     /* 207 */
    | select_operand order_by_clause opt_for_update_clause              /* 208 */
        { $$ = SelectOptions($1, $2, nullptr, $3); }
    | select_operand order_by_clause compute_clause opt_for_update_clause /* 209 */
        { $$ = SelectOptions($1, $2, $3, $4); }
    | select_operand for_update_clause                                  /* 210 */
        { $$ = SelectOptions($1, nullptr, nullptr, $2); }
    ;

select_operand
    : simple_select                         /* 211 */
    | paren_select                          /* 212 */
    ;

simple_select
    : RW_SELECT opt_distinct opt_top_clause target_list opt_select_into opt_from_clause
      opt_where_clause opt_group_by_clause opt_having_clause            /* 213 */
        { auto* s = New<TRk_SelectStmt>(); s->SelectToken = $1; s->DistinctClause = $2; s->TopClause = $3;
          s->TargetList = $4; s->IntoList = D($5)->List1; s->IntoClause = $5;
          s->FromList = D($6)->List1; s->FromClause = $6; s->WhereCondition = D($7)->Sub1; s->WhereClause = $7;
          s->GroupByList = D($8)->List1; s->GroupByClause = $8; s->HavingCondition = D($9)->Sub1;
          s->HavingClause = $9; Tk(s, $1); $$ = s; }
    | select_operand RW_UNION opt_all select_operand                    /* 214 */
        { $$ = SetOperation($3 ? 2 : 1, $2, $1, $4, $3); }
    | select_operand RW_INTERSECT opt_all select_operand                /* 215 */
        { $$ = SetOperation(4, $2, $1, $4, $3); }
    | select_operand RW_MINUS opt_all select_operand                    /* 216 */
        { $$ = SetOperation(3, $2, $1, $4, $3); }
    ;

opt_select_into
    : RW_INTO expr_list                     /* 217 */ { auto* d = Slot(-9999, $1); d->List1 = $2; $$ = d; }
    | %empty                                /* 218 */ { $$ = Holder(); }
    ;

opt_all
    : RW_ALL                                /* 219 */
    | %empty                                /* 220 */ { $$ = nullptr; }
    ;

opt_distinct
    : RW_DISTINCT                           /* 221 */ { $$ = Distinct(1, $1, nullptr, nullptr, nullptr); }
    | RW_DISTINCT RW_ON '(' expr_list ')'   /* 222 */
        { auto* d = static_cast<TRk_SelectDistinct*>(Distinct(2, $1, $2, $3, $5)); d->OnList = $4; $$ = d; }
    | RW_ALL                                /* 223 */ { $$ = Distinct(3, $1, nullptr, nullptr, nullptr); }
    | %empty                                /* 224 */ { $$ = Distinct(0, nullptr, nullptr, nullptr, nullptr); }
    ;

opt_top_clause
    : RW_TOP integer_const                                  /* 225 */ { $$ = Top($1, $2, nullptr, nullptr, nullptr); }
    | RW_TOP integer_const RW_PERCENT                       /* 226 */ { $$ = Top($1, $2, $3, nullptr, nullptr); }
    | RW_TOP integer_const RW_WITH RW_TIES                  /* 227 */ { $$ = Top($1, $2, nullptr, $3, $4); }
    | RW_TOP integer_const RW_PERCENT RW_WITH RW_TIES       /* 228 */ { $$ = Top($1, $2, $3, $4, $5); }
    | %empty                                                /* 229 */ { $$ = nullptr; }
    ;

order_by_clause
    : RW_ORDER RW_BY sort_list              /* 230 */ { auto* d = Slot(-9999, $1, $2); d->List1 = $3; $$ = d; }
    ;

compute_clause
    : RW_COMPUTE compute_func_list                          /* 231 */ { $$ = Compute($1, nullptr, $2, nullptr); }
    | RW_COMPUTE RW_BY expr_list                            /* 232 */ { $$ = Compute($1, $2, nullptr, $3); }
    | RW_COMPUTE compute_func_list RW_BY expr_list          /* 233 */ { $$ = Compute($1, $3, $2, $4); }
    ;

compute_func_list
    : compute_func                                  /* 234 */ { $$ = L1($1); }
    | compute_func_list ',' compute_func            /* 235 */ { Sep($3, $2); $$ = Ap($1, $3); }
    ;

compute_func
    : '(' expr ')'                          /* 236 */ { $$ = ComputeFunc(nullptr, $1, $2, $3); }
    | RW_COUNT '(' expr ')'                 /* 237 */ { $$ = ComputeFunc($1, $2, $3, $4); }
    | RW_MAX '(' expr ')'                   /* 238 */ { $$ = ComputeFunc($1, $2, $3, $4); }
    | RW_MIN '(' expr ')'                   /* 239 */ { $$ = ComputeFunc($1, $2, $3, $4); }
    | RW_SUM '(' expr ')'                   /* 240 */ { $$ = ComputeFunc($1, $2, $3, $4); }
    | RW_AVG '(' expr ')'                   /* 241 */ { $$ = ComputeFunc($1, $2, $3, $4); }
    | RW_STDEV '(' expr ')'                 /* 242 */ { $$ = ComputeFunc($1, $2, $3, $4); }
    | RW_STDEVP '(' expr ')'                /* 243 */ { $$ = ComputeFunc($1, $2, $3, $4); }
    | RW_VAR '(' expr ')'                   /* 244 */ { $$ = ComputeFunc($1, $2, $3, $4); }
    | RW_VARP '(' expr ')'                  /* 245 */ { $$ = ComputeFunc($1, $2, $3, $4); }
    ;

sort_list
    : sort_item                             /* 246 */ { $$ = L1($1); }
    | sort_list ',' sort_item               /* 247 */ { Sep($3, $2); $$ = Ap($1, $3); }
    ;

sort_item
    : expr opt_sort_order opt_nulls_order   /* 248 */
        { auto* s = New<TRk_SortGroupBy>(); s->SortExpr = $1; s->SortToken = $2; s->NullsOrder = D($3)->Int1;
          s->NullsClause = D($3); $$ = s; }
    | expr RW_USING any_operator opt_nulls_order /* 249 */
        { auto* s = New<TRk_SortGroupBy>(); s->SortExpr = $1; s->SortToken = $2; s->UsingOperator = $3;
          s->NullsOrder = D($4)->Int1; s->NullsClause = D($4); $$ = s; }
    ;

opt_sort_order
    : RW_ASC                                /* 250 */
    | RW_DESC                               /* 251 */
    | %empty                                /* 252 */ { $$ = nullptr; }
    ;

opt_nulls_order
    : RW_NULLS RW_FIRST                     /* 253 */ { $$ = Slot(1, $1, $2); }
    | RW_NULLS RW_LAST                      /* 254 */ { $$ = Slot(2, $1, $2); }
    | %empty                                /* 255 */ { $$ = Slot(0); }
    ;

name_list
    : name                                  /* 257 */ { $$ = L1($1); }
    | name_list ',' name                    /* 258 */ { Sep($3, $2); $$ = Ap($1, $3); }
    | VARIABLE                              /* 259 */ { $$ = L1($1); }
    | name_list ',' VARIABLE                /* 260 */ { Sep($3, $2); $$ = Ap($1, $3); }
    ;

cursor_option_list
    : name                                  /* 261 */ { $$ = L1($1); }
    | cursor_option_list name               /* 262 */ { $$ = Ap($1, $2); }
    | VARIABLE                              /* 263 */ { $$ = L1($1); }
    | cursor_option_list VARIABLE           /* 264 */ { $$ = Ap($1, $2); }
    ;

opt_group_by_clause
    : RW_GROUP RW_BY expr_list              /* 265 */ { auto* d = Slot(-9999, $1, $2); d->List1 = $3; $$ = d; }
    | %empty                                /* 266 */ { $$ = Holder(); }
    ;

opt_having_clause
    : RW_HAVING expr                        /* 267 */ { auto* d = Slot(-9999, $1); d->Sub1 = $2; $$ = d; }
    | %empty                                /* 268 */ { $$ = Holder(); }
    ;

opt_for_update_clause
    : for_update_clause                     /* 269 */
    | %empty                                /* 270 */ { $$ = nullptr; }
    ;

for_update_clause
    : RW_FOR RW_UPDATE RW_OF qualified_name_list opt_nowait             /* 271 */
        { $$ = ForUpdate(1, $4, $5, $1, $2, $3); }
    | RW_FOR RW_READ RW_ONLY                                            /* 272 */
        { $$ = ForUpdate(2, nullptr, nullptr, $1, $2, $3); }
    | RW_FOR RW_UPDATE opt_nowait                                       /* 273 */
        { $$ = ForUpdate(3, nullptr, $3, $1, $2, nullptr); }
    ;

opt_nowait
    : RW_NOWAIT                             /* 274 */ { auto* d = Slot(-9999, $1); d->Str1Token = $1; $$ = d; }
    | RW_WAIT integer_const                 /* 275 */
        { auto* d = Slot(IntOf($2), $1, $2); d->Str1Token = $1; $$ = d; }
    | %empty                                /* 276 */ { $$ = nullptr; }
    ;

qualified_name_list
    : qualified_name                                /* 277 */ { $$ = L1($1); }
    | qualified_name_list ',' qualified_name        /* 278 */ { Sep($3, $2); $$ = Ap($1, $3); }
    ;

opt_from_clause
    : RW_FROM from_list                     /* 279 */ { auto* d = Slot(-9999, $1); d->List1 = $2; $$ = d; }
    | %empty                                /* 280 */ { $$ = Holder(); }
    ;

from_list
    : from_list ',' from_item               /* 281 */ { Sep($3, $2); $$ = Ap($1, $3); }
    | from_item                             /* 282 */ { $$ = L1($1); }
    ;

table_ref
    : table_name %prec P_TABLE_REF                          /* 283 */ { $$ = TableRef($1, nullptr); }
    | table_name '(' expr_list ')' %prec P_TABLE_REF        /* 284 */ { $$ = TableArgs($1, $2, $3, $4, nullptr); }
    | table_name '(' expr_list ')' alias_clause             /* 285 */ { $$ = TableArgs($1, $2, $3, $4, $5); }
    /* 286, a WITH table hint, is never reduced. */
    | table_name alias_clause                               /* 287 */ { $$ = TableRef($1, $2); }
    | table_name alias_clause '(' expr_list ')'             /* 288 */
        { auto* t = TableRef($1, $2); t->HintList = $4; Tk(t, $3, $5); $$ = t; }
    /* 289, an aliased WITH table hint, is never reduced. */
    ;

from_item
    : table_ref                                     /* 290 */
    | paren_select                                  /* 291 */ { $$ = TableRef($1, nullptr); }
    | paren_select alias_clause                     /* 292 */ { $$ = TableRef($1, $2); }
    | joined_table                                  /* 293 */
    | '(' joined_table ')' alias_clause             /* 294 */
        { auto* j = Join(11, $2, nullptr, nullptr, nullptr); j->Alias = NC($4); Tk(j, $1, $3); $$ = j; }
    ;

table_name
    : qualified_name                        /* 295 */
    | VARIABLE                              /* 296 */ { $$ = Attr($1); }
    ;

joined_table
    : '(' joined_table ')'                                  /* 297 */
        { auto* j = Join(11, $2, nullptr, nullptr, nullptr); Tk(j, $1, $3); $$ = j; }
    | from_item RW_CROSS RW_JOIN from_item                  /* 298 */
        { auto* j = Join(1, $1, $4, nullptr, nullptr); Tk(j, $2, $3); $$ = j; }
    | from_item RW_NATURAL RW_JOIN from_item                /* 299 */
        { auto* j = Join(2, $1, $4, nullptr, nullptr); Tk(j, $2, $3); $$ = j; }
    | from_item RW_JOIN from_item join_qual                 /* 300 */
        { auto* j = Join(0, $1, $3, $4, nullptr); Tk(j, $2); $$ = j; }
    | from_item join_type RW_JOIN from_item join_qual       /* 301 */
        { auto* j = Join(static_cast<uint8_t>(D($2)->Int1), $1, $4, $5, D($2)); Tk(j, $3); $$ = j; }
    ;

/* ---- Joins, aliases, INSERT, UPDATE, DELETE (302-352) ---------------- */

join_type
    : RW_FULL opt_outer                     /* 302 */ { $$ = JoinType(4, $1, $2); }
    | RW_LEFT opt_outer                     /* 303 */ { $$ = JoinType(5, $1, $2); }
    | RW_RIGHT opt_outer                    /* 304 */ { $$ = JoinType(6, $1, $2); }
    | RW_INNER                              /* 305 */ { auto* d = Slot(10); d->Tok1 = $1; $$ = d; }
    ;

opt_outer
    : RW_OUTER                              /* 306 */ { auto* d = Slot(3); d->Tok1 = $1; $$ = d; }
    | %empty                                /* 307 */ { $$ = Slot(0); }
    ;

join_qual
    : RW_USING '(' name_list ')'            /* 308 */
        { auto* q = New<TRk_joinqual>(); q->QualKind = 1; q->UsingList = $3; Tk(q, $1, $2, $4); $$ = q; }
    | RW_ON expr                            /* 309 */
        { auto* q = New<TRk_joinqual>(); q->QualKind = 2; q->OnCondition = $2; Tk(q, $1); $$ = q; }
    ;

alias_clause
    : RW_AS string_const                    /* 310 */ { $$ = Alias($1, $2, nullptr); }
    | RW_AS dotted_name                     /* 311 */ { $$ = Alias($1, nullptr, $2); }
    | ident                                 /* 312 */ { $$ = Alias(nullptr, $1, nullptr); }
    | string_const                          /* 313 */ { $$ = Alias(nullptr, $1, nullptr); }
    | integer_const                         /* 314 */ { $$ = Alias(nullptr, $1, nullptr); }
    | RW_AS integer_const                   /* 315 */ { $$ = Alias($1, $2, nullptr); }
    ;

column_alias
    : RW_AS string_const                    /* 316 */ { $$ = Alias($1, $2, nullptr); }
    | string_const                          /* 317 */ { $$ = Alias(nullptr, $1, nullptr); }
    | RW_AS dotted_name                     /* 318 */ { $$ = Alias($1, nullptr, $2); }
    | dotted_name                           /* 319 */ { $$ = Alias(nullptr, nullptr, $1); }
    | RW_AS integer_const                   /* 320 */ { $$ = Alias($1, $2, nullptr); }
    | integer_const                         /* 321 */ { $$ = Alias(nullptr, $1, nullptr); }
    ;

dotted_name
    : attr_name                             /* 322 */ { $$ = L1($1); }
    | dotted_name '.' attr_name             /* 323 */ { Sep($3, $2); $$ = Ap($1, $3); }
    ;

opt_where_clause
    : RW_WHERE expr                         /* 324 */ { auto* d = Slot(-9999, $1); d->Sub1 = $2; $$ = d; }
    | RW_WHERE RW_CURRENT RW_OF expr        /* 325 */ { auto* d = Slot(-9999, $1, $2, $3); d->Sub1 = $4; $$ = d; }
    | %empty                                /* 326 */ { $$ = Holder(); }
    ;

insert_stmt
    : RW_INSERT RW_INTO table_ref insert_rest opt_returning_clause      /* 327 */
        { $$ = Insert($1, $2, $3, $4, $5); }
    | RW_INSERT table_ref insert_rest opt_returning_clause              /* 328 */
        { $$ = Insert($1, nullptr, $2, $3, $4); }
    | RW_INSERT RW_INTO paren_select insert_rest opt_returning_clause   /* 329 */
        { $$ = Insert($1, $2, TableRef($3, nullptr), $4, $5); }
    | RW_INSERT paren_select insert_rest opt_returning_clause           /* 330 */
        { $$ = Insert($1, nullptr, TableRef($2, nullptr), $3, $4); }
    ;

insert_rest
    : RW_VALUES '(' target_list ')'         /* 331 */
        { auto* r = New<TRkinsert_rest>(); r->ValuesList = $3; Tk(r, $1, $2, $4); $$ = r; }
    | select_stmt                           /* 332 */
        { auto* r = New<TRkinsert_rest>(); r->SubSelect = $1; $$ = r; }
    | RW_DEFAULT RW_VALUES                  /* 333 */
        { auto* r = New<TRkinsert_rest>(); Tk(r, $1, $2); $$ = r; }
    | execute_stmt                          /* 334 */
        { auto* w = New<_TMssqlStmt>(); w->InnerNode = $1; auto* r = New<TRkinsert_rest>(); r->ExecuteClause = w;
          $$ = r; }
    ;

column_list
    : column_list ',' qualified_name        /* 335 */ { Sep($3, $2); $$ = Ap($1, $3); }
    | qualified_name                        /* 336 */ { $$ = L1($1); }
    ;

paren_column_list
    : '(' column_list ')'                   /* 337 */ { auto* d = Slot(-9999, $1, $3); d->List1 = $2; $$ = d; }
    ;

opt_paren_column_list
    : '(' column_list ')'                   /* 338 */ { auto* d = Slot(-9999, $1, $3); d->List1 = $2; $$ = d; }
    | %empty                                /* 339 */ { $$ = Holder(); }
    ;

update_stmt
    : RW_UPDATE from_list RW_SET set_clause_list opt_from_clause opt_where_clause opt_returning_clause /* 340 */
        { $$ = Update($1, $2, $3, $4, $5, $6, $7); }
    ;

set_clause_list
    : set_clause_list ',' set_clause        /* 341 */ { Sep($3, $2); $$ = Ap($1, $3); }
    | set_clause                            /* 342 */ { $$ = L1($1); }
    ;

set_clause
    : qualified_name '=' expr                                       /* 343 */
        { auto* e = Ex(Expr_Comparison, $2, $1, $3); Tk(e, $2); $$ = e; }
    | VARIABLE '=' expr                                             /* 344 */
        { auto* i = New<TRk_Ident>(); i->IdentToken = $1; Tk(i, $1); $$ = Ex(Expr_Comparison, $2, i, $3); }
    | '(' expr ')' any_operator paren_select                        /* 345 */
        { $$ = Ex(Expr_AllOp, $4, Paren($1, $2, $3), $5); }
    | '(' row_expr_list ')' any_operator paren_select               /* 346 */
        { $$ = Ex(Expr_AllOp, $4, Paren($1, $2, $3), $5); }
    | '(' row_expr_list ')' any_operator '(' row_expr_list ')'      /* 347 */
        { $$ = Ex(Expr_AllOp, $4, Paren($1, $2, $3), Paren($5, $6, $7)); }
    ;

delete_stmt
    : RW_DELETE RW_FROM table_ref opt_from_clause opt_where_clause opt_returning_clause /* 348 */
        { $$ = Delete($1, $2, $3, $4, $5, $6); }
    | RW_DELETE table_ref opt_from_clause opt_where_clause opt_returning_clause          /* 349 */
        { $$ = Delete($1, nullptr, $2, $3, $4, $5); }
    ;

opt_returning_clause
    : RW_RETURNING expr_seq RW_INTO name_list                           /* 350 */
        { auto* r = New<TRkReturningClause>(); r->ReturnList = $2; r->IntoList = $4; r->ReturningKind = 1;
          Tk(r, $1, $3); $$ = r; }
    | RW_RETURNING expr_seq RW_BULK RW_COLLECT RW_INTO name_list        /* 351 */
        { auto* r = New<TRkReturningClause>(); r->ReturnList = $2; r->IntoList = $6; r->ReturningKind = 2;
          Tk(r, $1, $3, $4, $5); $$ = r; }
    | %empty                                                            /* 352 */ { $$ = nullptr; }
    ;

/* ---- ALTER TABLE (353-392) ------------------------------------------- */

alter_table_stmt
    : RW_ALTER RW_TABLE qualified_name alter_column_action      /* 353 */
        { auto* a = AlterTable($1, $2, $3); a->AlterColumnClause = $4; $$ = a; }
    | RW_ALTER RW_TABLE qualified_name add_column_action        /* 354 */
        { auto* a = AlterTable($1, $2, $3); a->AddColumnsClause = $4; $$ = a; }
    | RW_ALTER RW_TABLE qualified_name add_constraint_action    /* 355 */
        { auto* a = AlterTable($1, $2, $3); a->AddConstraintsClause = $4; $$ = a; }
    | RW_ALTER RW_TABLE qualified_name drop_items_action        /* 356 */
        { auto* a = AlterTable($1, $2, $3); a->DropClause = $4; $$ = a; }
    | RW_ALTER RW_TABLE qualified_name constraint_check_action  /* 357 */
        { auto* a = AlterTable($1, $2, $3); a->ExtraClause1 = $4; $$ = a; }
    | RW_ALTER RW_TABLE qualified_name trigger_action           /* 358 */
        { auto* a = AlterTable($1, $2, $3); a->ExtraClause2 = $4; $$ = a; }
    ;

alter_column_action
    : RW_ALTER RW_COLUMN ident type_name opt_collate opt_null_spec      /* 359 */
        { auto* d = Slot(-9999, $1, $2, $3); d->Sub1 = $4; d->Sub2 = $5; d->Sub3 = $6; $$ = d; }
    | RW_ALTER RW_COLUMN ident RW_ADD RW_ROWGUIDCOL                     /* 360 */
        { $$ = Slot(-9999, $1, $2, $3, $4, $5); }
    | RW_ALTER RW_COLUMN ident RW_DROP RW_ROWGUIDCOL                    /* 361 */
        { $$ = Slot(-9999, $1, $2, $3, $4, $5); }
    ;

opt_collate
    : RW_COLLATE ident                      /* 362 */ { $$ = Slot(-9999, $1, $2); }
    | %empty                                /* 363 */ { $$ = nullptr; }
    ;

opt_null_spec
    : RW_NULL                               /* 364 */ { $$ = Slot(-9999, $1); }
    | RW_NOT RW_NULL                        /* 365 */ { $$ = Slot(-9999, $1, $2); }
    | %empty                                /* 366 */ { $$ = nullptr; }
    ;

add_column_action
    : RW_ADD column_def_list                /* 367 */ { auto* d = Slot(-9999, $1); d->List1 = $2; $$ = d; }
    ;

column_def_list
    : column_def                            /* 368 */ { $$ = L1($1); }
    | column_def_list ',' column_def        /* 369 */ { Sep($3, $2); $$ = Ap($1, $3); }
    ;

add_constraint_action
    : RW_ADD table_constraint_list                      /* 370 */ { auto* d = Slot(-9999, $1); d->List1 = $2; $$ = d; }
    | RW_WITH RW_CHECK RW_ADD table_constraint_list     /* 371 */
        { auto* d = Slot(-9999, $1, $2, $3); d->List1 = $4; $$ = d; }
    | RW_WITH RW_NOCHECK RW_ADD table_constraint_list   /* 372 */
        { auto* d = Slot(-9999, $1, $2, $3); d->List1 = $4; $$ = d; }
    ;

table_constraint_list
    : table_constraint                              /* 373 */ { $$ = L1($1); }
    | table_constraint_list ',' table_constraint    /* 374 */ { Sep($3, $2); $$ = Ap($1, $3); }
    ;

drop_items_action
    : RW_DROP drop_item_list                /* 375 */ { auto* d = Slot(-9999, $1); d->List1 = $2; $$ = d; }
    ;

drop_item_list
    : drop_item                             /* 376 */ { $$ = L1($1); }
    | drop_item_list ',' drop_item          /* 377 */ { Sep($3, $2); $$ = Ap($1, $3); }
    ;

drop_item
    : RW_CONSTRAINT ident                   /* 378 */ { $$ = Slot(-9999, $1, $2); }
    | ident                                 /* 379 */ { $$ = Slot(-9999, $1); }
    | RW_COLUMN ident                       /* 380 */ { $$ = Slot(1, $1, $2); }
    ;

constraint_check_action
    : RW_CONSTRAINT RW_ALL                  /* 381 */ { $$ = Slot(-9999, $1, $2); }
    | RW_CONSTRAINT name_list               /* 382 */ { auto* d = Slot(-9999, $1); d->List1 = $2; $$ = d; }
    | RW_CHECK RW_CONSTRAINT RW_ALL         /* 383 */ { $$ = Slot(-9999, $1, $2, $3); }
    | RW_CHECK RW_CONSTRAINT name_list      /* 384 */ { auto* d = Slot(-9999, $1, $2); d->List1 = $3; $$ = d; }
    | RW_NOCHECK RW_CONSTRAINT RW_ALL       /* 385 */ { $$ = Slot(-9999, $1, $2, $3); }
    | RW_NOCHECK RW_CONSTRAINT name_list    /* 386 */ { auto* d = Slot(-9999, $1, $2); d->List1 = $3; $$ = d; }
    ;

trigger_action
    : RW_TRIGGER RW_ALL                     /* 387 */ { $$ = Slot(-9999, $1, $2); }
    | RW_TRIGGER name_list                  /* 388 */ { auto* d = Slot(-9999, $1); d->List1 = $2; $$ = d; }
    | RW_ENABLE RW_TRIGGER RW_ALL           /* 389 */ { $$ = Slot(-9999, $1, $2, $3); }
    | RW_ENABLE RW_TRIGGER name_list        /* 390 */ { auto* d = Slot(-9999, $1, $2); d->List1 = $3; $$ = d; }
    | RW_DISABLE RW_TRIGGER RW_ALL          /* 391 */ { $$ = Slot(-9999, $1, $2, $3); }
    | RW_DISABLE RW_TRIGGER name_list       /* 392 */ { auto* d = Slot(-9999, $1, $2); d->List1 = $3; $$ = d; }
    ;

/* ---- CREATE TABLE (393-418) ------------------------------------------- */

create_table_stmt
    : RW_CREATE opt_temp RW_TABLE qualified_name '(' table_element_list ')' opt_on_filegroup
      opt_textimage_on                                                  /* 393 */
        { auto* c = CreateTable($2, $4); c->ElementList = $6;
          if ($8) { c->OnFilegroupToken = D($8)->Tok2; c->OnClause = D($8); }
          if ($9) { c->TextImageOnToken = D($9)->Tok2; c->TextImageOnClause = D($9); }
          Tk(c, $1, $3, $5, $7); $$ = c; }
    | RW_CREATE opt_temp RW_TABLE qualified_name RW_AS select_stmt      /* 394 */
        { auto* c = CreateTable($2, $4); c->Query = $6; c->AsToken = $5; Tk(c, $1, $3); $$ = c; }
    | RW_CREATE opt_temp RW_TABLE qualified_name '(' name_list ')' RW_AS select_stmt /* 395 */
        { auto* c = CreateTable($2, $4); c->ColumnNameList = $6; c->Query = $9; c->AsToken = $8;
          Tk(c, $1, $3, $5, $7); $$ = c; }
    | RW_DECLARE qualified_name RW_TABLE '(' table_element_list ')'    /* 396 */
        { auto* c = CreateTable(nullptr, $2); c->DeclareFlag = 1; c->ElementList = $5; Tk(c, $1, $3, $4, $6);
          $$ = c; }
    | RW_DECLARE VARIABLE RW_TABLE '(' table_element_list ')'          /* 397 */
        { auto* n = Attr($2); Tk(n, $2); auto* c = CreateTable(nullptr, n); c->DeclareFlag = 1;
          c->ElementList = $5; Tk(c, $1, $3, $4, $6); $$ = c; }
    ;

opt_on_filegroup
    : RW_ON ident                           /* 398 */ { auto* d = Holder(); d->Tok1 = $1; d->Tok2 = $2; $$ = d; }
    | RW_ON RW_DEFAULT                      /* 399 */ { auto* d = Holder(); d->Tok1 = $1; d->Tok2 = $2; $$ = d; }
    | %empty                                /* 400 */ { $$ = nullptr; }
    ;

opt_textimage_on
    : RW_TEXTIMAGE_ON ident                 /* 401 */ { auto* d = Holder(); d->Tok1 = $1; d->Tok2 = $2; $$ = d; }
    | %empty                                /* 402 */ { $$ = nullptr; }
    ;

create_table_of_stmt
    : RW_CREATE opt_temp RW_TABLE qualified_name RW_OF qualified_name  /* 403 */
        { $$ = WrittenStmt($1, $6->GetEndToken()); }
    ;

opt_temp
    : RW_TEMPORARY                          /* 404 */ { auto* d = Slot(1); d->Tok1 = $1; $$ = d; }
    | RW_TEMP                               /* 405 */ { auto* d = Slot(2); d->Tok1 = $1; $$ = d; }
    | RW_LOCAL RW_TEMPORARY                 /* 406 */ { auto* d = Slot(3); d->Tok1 = $1; d->Tok2 = $2; $$ = d; }
    | RW_LOCAL RW_TEMP                      /* 407 */ { auto* d = Slot(4); d->Tok1 = $1; d->Tok2 = $2; $$ = d; }
    | RW_GLOBAL RW_TEMPORARY                /* 408 */ { auto* d = Slot(5); d->Tok1 = $1; d->Tok2 = $2; $$ = d; }
    | RW_GLOBAL RW_TEMP                     /* 409 */ { auto* d = Slot(6); d->Tok1 = $1; d->Tok2 = $2; $$ = d; }
    | %empty                                /* 410 */ { $$ = Slot(0); }
    ;

table_element_list
    : table_element_list ',' table_element  /* 411 */ { Sep($3, $2); $$ = Ap($1, $3); }
    | table_element                         /* 412 */ { $$ = L1($1); }
    ;

table_element
    : column_def                            /* 413 */
    | table_constraint                      /* 414 */
    ;

column_def
    : ident type_name column_constraint_list                /* 415 */ { $$ = ColumnDef($1, $2, $3); }
    | ident type_name                                       /* 416 */ { $$ = ColumnDef($1, $2, nullptr); }
    ;

column_constraint_list
    : column_constraint_list column_constraint              /* 417 */ { $$ = $2 ? Ap($1, $2) : $1; }
    | column_constraint                                     /* 418 */ { $$ = $1 ? L1($1) : nullptr; }
    ;

/* ---- CREATE INDEX, CREATE VIEW, transactions (419-447) --------------- */

create_index_stmt
    : RW_CREATE opt_index_kind RW_INDEX qualified_name RW_ON qualified_name '(' index_column_list ')'
      opt_with_options opt_on_filegroup                                 /* 419 */
        { auto* i = New<TRk_CreateIndexSqlStatement>(); i->IndexKind = D($2)->Int1; i->IndexKindToken = D($2)->Tok1;
          i->IndexName = $4; i->TableName = $6; i->ColumnList = $8; i->OptionsClause = $10;
          i->FilegroupClause = $11; Tk(i, $1, $3, $5, $7, $9); $$ = i; }
    ;

opt_with_options
    : RW_WITH expr_list                     /* 420 */ { auto* d = Holder(); d->Tok1 = $1; d->List1 = $2; $$ = d; }
    | %empty                                /* 421 */ { $$ = nullptr; }
    ;

opt_index_kind
    : RW_UNIQUE                             /* 422 */ { auto* d = Slot(1); d->Tok1 = $1; $$ = d; }
    | RW_BITMAP                             /* 423 */ { auto* d = Slot(2); d->Tok1 = $1; $$ = d; }
    | RW_CLUSTERED                          /* 424 */ { auto* d = Slot(3); d->Tok1 = $1; $$ = d; }
    | RW_NONCLUSTERED                       /* 425 */ { auto* d = Slot(4); d->Tok1 = $1; $$ = d; }
    | %empty                                /* 426 */ { $$ = Slot(0); }
    ;

index_column_list
    : index_column_items                    /* 427 */
    ;

index_column_items
    : index_column_items ',' index_column   /* 428 */ { Sep($3, $2); $$ = Ap($1, $3); }
    | index_column                          /* 429 */ { $$ = L1($1); }
    ;

index_column
    : value_expr                            /* 430 */ { auto* d = Slot(0); d->Sub1 = $1; $$ = d; }
    | value_expr RW_ASC                     /* 431 */ { auto* d = Slot(1); d->Sub1 = $1; d->Tok1 = $2; $$ = d; }
    | value_expr RW_DESC                    /* 432 */ { auto* d = Slot(2); d->Sub1 = $1; d->Tok1 = $2; $$ = d; }
    ;

create_view_stmt
    : create_or_alter RW_VIEW qualified_name opt_paren_column_list RW_AS select_stmt        /* 433 */
        { $$ = View($1, $2, $3, $4, $5, $6); }
    | create_or_alter RW_VIEW qualified_name opt_paren_column_list RW_AS select_stmt
      RW_WITH RW_CHECK RW_OPTION                                                            /* 434 */
        { auto* v = View($1, $2, $3, $4, $5, $6); v->Restriction = 2; v->RestrictionNode = Slot(-9999, $7, $8, $9);
          $$ = v; }
    ;

commit_stmt
    : RW_COMMIT                             /* 435 */ { $$ = TranStmt(mnkCommit, 1, $1, nullptr, nullptr); }
    | RW_COMMIT RW_WORK                     /* 436 */ { $$ = TranStmt(mnkCommit, 2, $1, $2, nullptr); }
    | RW_COMMIT RW_TRAN opt_tran_ref        /* 437 */ { $$ = TranStmt(mnkCommit, 3, $1, $2, $3); }
    | RW_COMMIT RW_TRANSACTION opt_tran_ref /* 438 */ { $$ = TranStmt(mnkCommit, 4, $1, $2, $3); }
    ;

rollback_stmt
    : RW_ROLLBACK                           /* 439 */ { $$ = TranStmt(mnkRollback, 1, $1, nullptr, nullptr); }
    | RW_ROLLBACK RW_WORK                   /* 440 */ { $$ = TranStmt(mnkRollback, 2, $1, $2, nullptr); }
    | RW_ROLLBACK RW_TRAN opt_tran_ref      /* 441 */ { $$ = TranStmt(mnkRollback, 3, $1, $2, $3); }
    | RW_ROLLBACK RW_TRANSACTION opt_tran_ref /* 442 */ { $$ = TranStmt(mnkRollback, 4, $1, $2, $3); }
    ;

save_tran_stmt
    : RW_SAVE RW_TRAN opt_tran_ref          /* 443 */ { $$ = TranStmt(mnkSaveTran, 3, $1, $2, $3); }
    | RW_SAVE RW_TRANSACTION opt_tran_ref   /* 444 */ { $$ = TranStmt(mnkSaveTran, 4, $1, $2, $3); }
    ;

opt_tran_ref
    : ident                                 /* 445 */
    | VARIABLE                              /* 446 */
    | %empty                                /* 447 */ { $$ = nullptr; }
    ;

/* ---- Column and table constraints (448-502) -------------------------- */

column_constraint
    : RW_CONSTRAINT name column_constraint_elem             /* 448 */ { $$ = Named($3, $1, $2); }
    | column_constraint_elem                                /* 449 */
    | constraint_deferrability                              /* 450 */
    ;

column_constraint_elem
    : RW_NOT RW_NULL                        /* 451 */ { auto* c = Constraint(0, 1); Tk(c, $1, $2); $$ = c; }
    | RW_NULL                               /* 452 */ { auto* c = Constraint(0, 2); Tk(c, $1); $$ = c; }
    | RW_UNIQUE opt_clustered opt_on_filegroup                          /* 453 */
        { auto* c = Constraint(0, 3); Tk(c, $1, $2); FilegroupTokens(c, $3); $$ = c; }
    | RW_PRIMARY RW_KEY opt_clustered opt_on_filegroup                  /* 454 */
        { auto* c = Constraint(0, 4); Tk(c, $1, $2, $3); FilegroupTokens(c, $4); $$ = c; }
    | RW_COLLATE ident                      /* 455 */ { auto* c = Constraint(0, 13); c->Extra = $2; Tk(c, $1); $$ = c; }
    | RW_IDENTITY                           /* 456 */ { auto* c = Constraint(0, 12); Tk(c, $1); $$ = c; }
    | RW_IDENTITY '(' expr_list ')'         /* 457 */
        { auto* c = Constraint(0, 12); c->ColumnList = $3; Tk(c, $1, $2, $4); $$ = c; }
    | RW_CHECK '(' expr ')'                 /* 458 */
        { auto* c = Constraint(0, 6); c->Expression = $3; Tk(c, $1, $2, $4); $$ = c; }
    | RW_DEFAULT simple_expr                /* 459 */
        { auto* c = Constraint(0, 7); c->Expression = $2; Tk(c, $1); $$ = c; }
    | RW_DEFAULT simple_expr RW_WITH RW_VALUES                          /* 460 */
        { auto* c = Constraint(0, 7); c->Expression = $2; Tk(c, $1, $3, $4); $$ = c; }
    | RW_REFERENCES qualified_name                                      /* 461 */
        { $$ = ColumnReference($1, $2, nullptr, nullptr, nullptr); }
    | RW_REFERENCES qualified_name paren_column_list                    /* 462 */
        { $$ = ColumnReference($1, $2, $3, nullptr, nullptr); }
    | RW_REFERENCES qualified_name paren_column_list key_match          /* 463 */
        { $$ = ColumnReference($1, $2, $3, $4, nullptr); }
    | RW_REFERENCES qualified_name key_match                            /* 464 */
        { $$ = ColumnReference($1, $2, nullptr, $3, nullptr); }
    | RW_REFERENCES qualified_name key_match key_actions                /* 465 */
        { $$ = ColumnReference($1, $2, nullptr, $3, $4); }
    | RW_REFERENCES qualified_name key_actions                          /* 466 */
        { $$ = ColumnReference($1, $2, nullptr, nullptr, $3); }
    | RW_REFERENCES qualified_name paren_column_list key_actions        /* 467 */
        { $$ = ColumnReference($1, $2, $3, nullptr, $4); }
    | RW_REFERENCES qualified_name paren_column_list key_match key_actions /* 468 */
        { $$ = ColumnReference($1, $2, $3, $4, $5); }
    ;

opt_clustered
    : RW_CLUSTERED                          /* 469 */
    | RW_NONCLUSTERED                       /* 470 */
    | %empty                                /* 471 */ { $$ = nullptr; }
    ;

/* The deferrability words are a state item of the column's constraint
 * list, which the model skips and the printers print. */
constraint_deferrability
    : RW_DEFERRABLE                         /* 472 */ { auto* h = Holder(); h->Tok1 = $1; $$ = h; }
    | RW_NOT RW_DEFERRABLE                  /* 473 */ { auto* h = Holder(); h->Tok1 = $1; h->Tok2 = $2; $$ = h; }
    | TOKEN_613 RW_DEFERRED                 /* 474 */ { auto* h = Holder(); h->Tok1 = $1; h->Tok2 = $2; $$ = h; }
    | TOKEN_613 RW_IMMEDIATE                /* 475 */ { auto* h = Holder(); h->Tok1 = $1; h->Tok2 = $2; $$ = h; }
    ;

table_constraint
    : RW_CONSTRAINT name table_constraint_elem              /* 476 */ { $$ = Named($3, $1, $2); }
    | table_constraint_elem                                 /* 477 */
    ;

table_constraint_elem
    : RW_CHECK '(' expr ')'                                             /* 478 */
        { auto* c = Constraint(1, 6); c->Expression = $3; Tk(c, $1, $2, $4); $$ = c; }
    | RW_UNIQUE opt_clustered '(' column_list ')' opt_on_filegroup      /* 479 */
        { auto* c = Constraint(1, 3); c->ColumnList = $4; Tk(c, $1, $2, $3, $5); FilegroupTokens(c, $6); $$ = c; }
    | RW_PRIMARY RW_KEY opt_clustered '(' column_list ')' opt_on_filegroup /* 480 */
        { auto* c = Constraint(1, 4); c->ColumnList = $5; Tk(c, $1, $2, $3, $4, $6); FilegroupTokens(c, $7);
          $$ = c; }
    | RW_FOREIGN RW_KEY '(' column_list ')'                             /* 481 */
        { $$ = ForeignKey($1, $2, $3, $4, $5, nullptr, nullptr, nullptr, nullptr, nullptr); }
    | RW_FOREIGN RW_KEY '(' column_list ')' RW_REFERENCES qualified_name /* 482 */
        { $$ = ForeignKey($1, $2, $3, $4, $5, $6, $7, nullptr, nullptr, nullptr); }
    | RW_FOREIGN RW_KEY '(' column_list ')' RW_REFERENCES qualified_name paren_column_list /* 483 */
        { $$ = ForeignKey($1, $2, $3, $4, $5, $6, $7, $8, nullptr, nullptr); }
    | RW_FOREIGN RW_KEY '(' column_list ')' RW_REFERENCES qualified_name paren_column_list key_match /* 484 */
        { $$ = ForeignKey($1, $2, $3, $4, $5, $6, $7, $8, $9, nullptr); }
    | RW_FOREIGN RW_KEY '(' column_list ')' RW_REFERENCES qualified_name paren_column_list key_match
      key_actions                                                       /* 485 */
        { $$ = ForeignKey($1, $2, $3, $4, $5, $6, $7, $8, $9, $10); }
    | RW_FOREIGN RW_KEY '(' column_list ')' RW_REFERENCES qualified_name paren_column_list key_actions /* 486 */
        { $$ = ForeignKey($1, $2, $3, $4, $5, $6, $7, $8, nullptr, $9); }
    | RW_FOREIGN RW_KEY '(' column_list ')' RW_REFERENCES qualified_name key_match /* 487 */
        { $$ = ForeignKey($1, $2, $3, $4, $5, $6, $7, nullptr, $8, nullptr); }
    | RW_FOREIGN RW_KEY '(' column_list ')' RW_REFERENCES qualified_name key_match key_actions /* 488 */
        { $$ = ForeignKey($1, $2, $3, $4, $5, $6, $7, nullptr, $8, $9); }
    | RW_FOREIGN RW_KEY '(' column_list ')' RW_REFERENCES qualified_name key_actions /* 489 */
        { $$ = ForeignKey($1, $2, $3, $4, $5, $6, $7, nullptr, nullptr, $8); }
    ;

key_match
    : RW_MATCH RW_FULL                      /* 490 */ { auto* d = Slot(1); d->Tok1 = $1; d->Tok2 = $2; $$ = d; }
    | RW_MATCH RW_PARTIAL                   /* 491 */ { auto* d = Slot(2); d->Tok1 = $1; d->Tok2 = $2; $$ = d; }
    ;

key_actions
    : key_delete_action                     /* 492 */ { $$ = KeyActions(1, $1, nullptr, false); }
    | key_update_action                     /* 493 */ { $$ = KeyActions(2, $1, nullptr, true); }
    | key_delete_action key_update_action   /* 494 */ { $$ = KeyActions(3, $1, $2, false); }
    | key_update_action key_delete_action   /* 495 */ { $$ = KeyActions(3, $1, $2, true); }
    ;

key_delete_action
    : RW_ON RW_DELETE key_action            /* 496 */ { D($3)->Tok3 = $1; D($3)->Tok4 = $2; $$ = $3; }
    ;

key_update_action
    : RW_ON RW_UPDATE key_action            /* 497 */ { D($3)->Tok3 = $1; D($3)->Tok4 = $2; $$ = $3; }
    ;

key_action
    : RW_NO RW_ACTION                       /* 498 */ { auto* d = Slot(0); d->Tok1 = $1; d->Tok2 = $2; $$ = d; }
    | RW_RESTRICT                           /* 499 */ { auto* d = Slot(1); d->Tok1 = $1; $$ = d; }
    | RW_CASCADE                            /* 500 */ { auto* d = Slot(2); d->Tok1 = $1; $$ = d; }
    | RW_SET RW_NULL                        /* 501 */ { auto* d = Slot(3); d->Tok1 = $1; d->Tok2 = $2; $$ = d; }
    | RW_SET RW_DEFAULT                     /* 502 */ { auto* d = Slot(4); d->Tok1 = $1; d->Tok2 = $2; $$ = d; }
    ;

/* 503-510 belong to nonterminals no state reaches. */

/* ---- Data types (511-563) --------------------------------------------- */

type_name
    : simple_type_name opt_array_bounds     /* 511 */ { static_cast<TRk_TypeName*>($1)->ArrayBounds = $2; $$ = $1; }
    | TOKEN_835 simple_type_name            /* 512 */ { $$ = $2; }
    ;

opt_array_bounds
    : opt_array_bounds '[' ']'              /* 513 */ { $$ = Ap($1, Adopt(MakeIntegerValue(0))); }
    | opt_array_bounds '[' integer_const ']' /* 514 */ { $$ = Ap($1, BoundValue($3)); }
    | %empty                                /* 515 */ { $$ = nullptr; }
    ;

simple_type_name
    : type_body                             /* 516 */
    ;

type_body
    : generic_type                          /* 517 */
    | numeric_type                          /* 518 */
    | character_type                        /* 519 */
    | datetime_type                         /* 520 */
    | long_type                             /* 521 */
    | lob_type                              /* 522 */
    ;

generic_type
    : type_ident                                            /* 523 */ { $$ = TypeName(2, $1); }
    | type_ident '(' integer_const ')'                      /* 524 */ { $$ = TypeName(2, $1, $2, $3, nullptr, nullptr, $4); }
    | type_ident '(' integer_const ',' integer_const ')'    /* 525 */ { $$ = TypeName(2, $1, $2, $3, $4, $5, $6); }
    ;

numeric_type
    : RW_FLOAT                                              /* 526 */ { $$ = TypeName(3, $1); }
    | RW_FLOAT '(' integer_const ')'                        /* 527 */ { $$ = TypeName(3, $1, $2, $3, nullptr, nullptr, $4); }
    | RW_DOUBLE RW_PRECISION                                /* 528 */ { auto* t = TypeName(7, $1); Tk(t, $2); $$ = t; }
    | RW_DECIMAL                                            /* 529 */ { $$ = TypeName(8, $1); }
    | RW_DECIMAL '(' integer_const ')'                      /* 530 */ { $$ = TypeName(8, $1, $2, $3, nullptr, nullptr, $4); }
    | RW_DECIMAL '(' integer_const ',' integer_const ')'    /* 531 */ { $$ = TypeName(8, $1, $2, $3, $4, $5, $6); }
    | RW_DEC                                                /* 532 */ { $$ = TypeName(9, $1); }
    | RW_DEC '(' integer_const ')'                          /* 533 */ { $$ = TypeName(9, $1, $2, $3, nullptr, nullptr, $4); }
    | RW_DEC '(' integer_const ',' integer_const ')'        /* 534 */ { $$ = TypeName(9, $1, $2, $3, $4, $5, $6); }
    | RW_BIT                                                /* 535 */ { $$ = TypeName(16, $1); }
    | RW_NUMERIC                                            /* 536 */ { $$ = TypeName(10, $1); }
    | RW_NUMERIC '(' integer_const ')'                      /* 537 */ { $$ = TypeName(10, $1, $2, $3, nullptr, nullptr, $4); }
    | RW_NUMERIC '(' integer_const ',' integer_const ')'    /* 538 */ { $$ = TypeName(10, $1, $2, $3, $4, $5, $6); }
    | RW_NUMBER                                             /* 539 */ { $$ = TypeName(11, $1); }
    | RW_NUMBER '(' integer_const ')'                       /* 540 */ { $$ = TypeName(11, $1, $2, $3, nullptr, nullptr, $4); }
    | RW_NUMBER '(' integer_const ',' integer_const ')'     /* 541 */ { $$ = TypeName(11, $1, $2, $3, $4, $5, $6); }
    | RW_INTEGER                                            /* 542 */ { $$ = TypeName(12, $1); }
    | RW_SMALLINT                                           /* 543 */ { $$ = TypeName(34, $1); }
    | RW_REAL                                               /* 544 */ { $$ = TypeName(35, $1); }
    ;

character_type
    : character_keyword '(' integer_const ')'   /* 545 */ { $$ = CharType($1, $2, $3, $4); }
    | character_keyword                         /* 546 */ { $$ = CharType($1, nullptr, nullptr, nullptr); }
    ;

character_keyword
    : RW_CHAR                               /* 547 */ { $$ = Slot(40, $1); }
    | RW_NCHAR                              /* 548 */ { $$ = Slot(48, $1); }
    | RW_VARCHAR                            /* 549 */ { $$ = Slot(41, $1); }
    | RW_NVARCHAR                           /* 550 */ { $$ = Slot(45, $1); }
    ;

datetime_type
    : RW_TIMESTAMP                                      /* 551 */ { $$ = TypeName(50, $1); }
    | RW_TIMESTAMP '(' integer_const ')'                /* 552 */ { $$ = TypeName(50, $1, $2, $3, nullptr, nullptr, $4); }
    | RW_TIMESTAMP RW_WITH RW_TIME RW_ZONE              /* 553 */ { auto* t = TypeName(51, $1); Tk(t, $2, $3, $4); $$ = t; }
    | RW_TIMESTAMP RW_WITH RW_LOCAL RW_TIME RW_ZONE     /* 554 */
        { auto* t = TypeName(52, $1); Tk(t, $2, $3, $4, $5); $$ = t; }
    /* 555 and 556 are never reduced. */
    | RW_DATE RW_FORMAT string_const                    /* 557 */
        { auto* t = TypeName(53, $1); t->MidToken = $3; Tk(t, $2, $3); $$ = t; }
    ;

long_type
    : RW_LONG                               /* 558 */ { $$ = TypeName(58, $1); }
    | RW_LONG RW_RAW                        /* 559 */ { auto* t = TypeName(60, $1); Tk(t, $2); $$ = t; }
    ;

lob_type
    : RW_BLOB                               /* 560 */ { $$ = TypeName(61, $1); }
    | RW_CLOB                               /* 561 */ { $$ = TypeName(62, $1); }
    | RW_NCLOB                              /* 562 */ { $$ = TypeName(63, $1); }
    | RW_BFILE                              /* 563 */ { $$ = TypeName(64, $1); }
    ;

/* ---- Expressions (564-691) -------------------------------------------- */

row_expr
    : '(' row_expr_list ')' RW_IN paren_select                          /* 564 */
        { $$ = Ex(Expr_In, $4, Paren($1, $2, $3), $5); }
    | '(' row_expr_list ')' RW_NOT RW_IN paren_select                   /* 565 */
        { auto* e = Ex(Expr_NotIn, $4, Paren($1, $2, $3), $6); Tk(e, $4, $5); $$ = e; }
    | '(' row_expr_list ')' any_operator quantifier paren_select        /* 566 */
        { $$ = Quantified(Ex(Expr_AllOp, $4, Paren($1, $2, $3), $6), $5); }
    | '(' row_expr_list ')' any_operator paren_select                   /* 567 */
        { $$ = Ex(Expr_AllOp, $4, Paren($1, $2, $3), $5); }
    | '(' row_expr_list ')' any_operator '(' row_expr_list ')'          /* 568 */
        { $$ = Ex(Expr_AllOp, $4, Paren($1, $2, $3), Paren($5, $6, $7)); }
    | '(' row_expr_list ')' any_operator quantifier '(' row_expr_list ')' /* 569 */
        { $$ = Quantified(Ex(Expr_AllOp, $4, Paren($1, $2, $3), Paren($6, $7, $8)), $5); }
    | '(' row_expr_list ')' RW_OVERLAPS '(' row_expr_list ')'           /* 570 */
        { $$ = Ex(Expr_AllOp, $4, Paren($1, $2, $3), Paren($5, $6, $7)); }
    ;

row_expr_list
    : expr_seq ',' expr                     /* 571 */ { Sep($3, $2); $$ = Ap($1, $3); }
    ;

expr_seq
    : expr_seq ',' expr                     /* 572 */ { Sep($3, $2); $$ = Ap($1, $3); }
    | expr                                  /* 573 */ { $$ = L1($1); }
    ;

quantifier
    : RW_ANY                                /* 574 */ { auto* d = Slot(1); d->Tok1 = $1; $$ = d; }
    | RW_SOME                               /* 575 */ { auto* d = Slot(2); d->Tok1 = $1; $$ = d; }
    | RW_ALL                                /* 576 */ { auto* d = Slot(3); d->Tok1 = $1; $$ = d; }
    ;

any_operator
    : OPERATOR                              /* 577 */
    | math_op                               /* 578 */
    ;

math_op
    : '+'                                   /* 579 */
    | '-'                                   /* 580 */
    | '*'                                   /* 581 */
    | '/'                                   /* 582 */
    | '%'                                   /* 583 */
    | '^'                                   /* 584 */
    | '<'                                   /* 585 */
    | '>'                                   /* 586 */
    | '='                                   /* 587 */
    ;

expr
    : primary_expr                          /* 588 */
    | expr RW_TYPECAST type_name            /* 589 */ { $$ = Ex(Expr_Other, $2, $1, $3); }
    | expr RW_AT RW_TIME RW_ZONE primary_expr /* 590 */
        { auto* e = Ex(Expr_AtTimeZone, $2, $1, $5); Tk(e, $2, $3, $4); $$ = e; }
    | '+' expr %prec P_UMINUS               /* 591 */ { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '-' expr %prec P_UMINUS               /* 592 */ { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '%' expr                              /* 593 */ { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '^' expr                              /* 594 */ { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | expr '%'                              /* 595 */ { $$ = Ex(Expr_Arithmetic, $2, $1, nullptr); }
    | expr '^'                              /* 596 */ { $$ = Ex(Expr_Arithmetic, $2, $1, nullptr); }
    | expr '+' expr                         /* 597 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | expr '-' expr                         /* 598 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | expr '*' expr                         /* 599 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | expr '/' expr                         /* 600 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | expr '%' expr                         /* 601 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | expr '^' expr                         /* 602 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | expr '<' expr                         /* 603 */ { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | expr '>' expr                         /* 604 */ { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | expr '=' expr                         /* 605 */ { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | expr OPERATOR expr                    /* 606 */ { $$ = Ex(Expr_OP, $2, $1, $3); }
    | OPERATOR expr                         /* 607 */ { $$ = Ex(Expr_OP, $1, nullptr, $2); }
    | expr OPERATOR %prec P_POSTFIX_OP      /* 608 */ { $$ = Ex(Expr_OP, $2, $1, nullptr); }
    | expr RW_AND expr                      /* 609 */ { $$ = Ex(Expr_AND, $2, $1, $3); }
    | expr RW_OR expr                       /* 610 */ { $$ = Ex(Expr_OR, $2, $1, $3); }
    | RW_NOT expr                           /* 611 */ { $$ = Ex(Expr_NOT, $1, nullptr, $2); }
    | expr RW_LIKE expr                     /* 612 */ { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | expr RW_LIKE expr RW_ESCAPE expr      /* 613 */
        { $$ = Ex(Expr_Comparison, $2, $1, Ex(Expr_Escape, $4, $3, $5)); }
    | expr RW_NOT RW_LIKE expr              /* 614 */
        { auto* e = Ex(Expr_NotLike, $2, $1, $4); Tk(e, $2, $3); $$ = e; }
    | expr RW_NOT RW_LIKE expr RW_ESCAPE expr /* 615 */
        { auto* e = Ex(Expr_NotLike, $2, $1, Ex(Expr_Escape, $5, $4, $6)); Tk(e, $2, $3); $$ = e; }
    | expr RW_IS RW_NULL                    /* 616 */
        { auto* e = Ex(Expr_IsNull, nullptr, $1, nullptr); Tk(e, $2, $3); $$ = e; }
    | expr RW_IS RW_NOT RW_NULL             /* 617 */
        { auto* e = Ex(Expr_IsNotNull, nullptr, $1, nullptr); Tk(e, $2, $3, $4); $$ = e; }
    | expr RW_BETWEEN simple_expr RW_AND simple_expr %prec RW_BETWEEN   /* 618 */
        { $$ = Ex(Expr_Between, $2, $1, Ex(Expr_AND, $4, $3, $5)); }
    | expr RW_NOT RW_BETWEEN simple_expr RW_AND simple_expr %prec RW_BETWEEN /* 619 */
        { auto* e = Ex(Expr_NotBetween, $2, $1, Ex(Expr_AND, $5, $4, $6)); Tk(e, $2, $3); $$ = e; }
    | expr RW_IN in_operand                 /* 620 */ { $$ = Ex(Expr_In, $2, $1, $3); }
    | expr RW_NOT RW_IN in_operand          /* 621 */
        { auto* e = Ex(Expr_NotIn, $2, $1, $4); Tk(e, $2, $3); $$ = e; }
    | expr any_operator quantifier paren_select                         /* 622 */
        { $$ = Quantified(Ex(Expr_AllOp, $2, $1, $4), $3); }
    | expr any_operator quantifier '(' row_expr_list ')'                /* 623 */
        { $$ = Quantified(Ex(Expr_AllOp, $2, $1, Paren($4, $5, $6)), $3); }
    | row_expr                              /* 624 */
    | expr RW_IS RW_OF '(' type_list ')'                    /* 625 */ { $$ = IsOfType($1, $2, $6); }
    | expr RW_IS RW_OF RW_TYPE '(' type_list ')'            /* 626 */ { $$ = IsOfType($1, $2, $7); }
    | expr RW_IS RW_NOT RW_OF '(' type_list ')'             /* 627 */ { $$ = IsOfType($1, $2, $7); }
    | expr RW_IS RW_NOT RW_OF RW_TYPE '(' type_list ')'     /* 628 */ { $$ = IsOfType($1, $2, $8); }
    | expr RW_COLLATE ident                 /* 629 */ { $$ = Ex(Expr_OP, $2, $1, Const(172, $3)); }
    | expr RW_CONCAT expr                   /* 630 */ { $$ = Ex(Expr_OP, $2, $1, $3); }
    ;

type_list
    : type_list_item                        /* 631 */ { $$ = nullptr; }
    | type_list ',' type_list_item          /* 632 */ { $$ = nullptr; }
    ;

type_list_item
    : type_name                             /* 633 */ { $$ = nullptr; }
    | RW_ONLY type_name                     /* 634 */ { $$ = nullptr; }
    | RW_ONLY ident '.' type_name           /* 635 */ { $$ = nullptr; }
    | ident '.' type_name                   /* 636 */ { $$ = nullptr; }
    ;

simple_expr
    : primary_expr                          /* 637 */
    | simple_expr RW_TYPECAST type_name     /* 638 */ { $$ = Ex(Expr_Other, $2, $1, $3); }
    | '+' simple_expr %prec P_UMINUS        /* 639 */ { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '-' simple_expr %prec P_UMINUS        /* 640 */ { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '%' simple_expr                       /* 641 */ { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '^' simple_expr                       /* 642 */ { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | simple_expr '%'                       /* 643 */ { $$ = Ex(Expr_Arithmetic, $2, $1, nullptr); }
    | simple_expr '^'                       /* 644 */ { $$ = Ex(Expr_Arithmetic, $2, $1, nullptr); }
    | simple_expr '+' simple_expr           /* 645 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | simple_expr '-' simple_expr           /* 646 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | simple_expr '*' simple_expr           /* 647 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | simple_expr '/' simple_expr           /* 648 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | simple_expr '%' simple_expr           /* 649 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | simple_expr '^' simple_expr           /* 650 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | simple_expr '<' simple_expr           /* 651 */ { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | simple_expr '>' simple_expr           /* 652 */ { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | simple_expr '=' simple_expr           /* 653 */ { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | simple_expr OPERATOR simple_expr      /* 654 */ { $$ = Ex(Expr_OP, $2, $1, $3); }
    | OPERATOR simple_expr                  /* 655 */ { $$ = Ex(Expr_OP, $1, nullptr, $2); }
    | simple_expr OPERATOR %prec P_POSTFIX_OP /* 656 */ { $$ = Ex(Expr_OP, $2, $1, nullptr); }
    ;

primary_expr
    : func_name                             /* 657 */ { $$ = Ex(Expr_Attr, nullptr, $1, nullptr); }
    | ident '.' '*'                         /* 658 */
        { $$ = Ex(Expr_Attr, nullptr, Attr($1, $2, MakeList($3, true)), nullptr); }
    | constant                              /* 659 */ { $$ = Ex(Expr_Const, nullptr, $1, nullptr); }
    | func_expr                             /* 660 */ { $$ = Ex(Expr_FuncCall, nullptr, $1, nullptr); }
    | '(' expr ')'                          /* 661 */ { $$ = Paren($1, $2, $3); }
    | RW_CURSOR paren_select                /* 662 */ { auto* e = Ex(Expr_Cursor, $1, nullptr, $2); Tk(e, $1); $$ = e; }
    | case_expr                             /* 663 */
    | paren_select                          /* 664 */ { $$ = Ex(Expr_subquery, nullptr, $1, nullptr); }
    | RW_EXISTS paren_select                /* 665 */ { auto* e = Ex(Expr_Exists, $1, nullptr, $2); Tk(e, $1); $$ = e; }
    ;

expr_list
    : expr                                  /* 666 */ { $$ = L1($1); }
    | expr_list ',' expr                    /* 667 */ { Sep($3, $2); $$ = Ap($1, $3); }
    ;

/* ---- Calls (668-679) ---------------------------------------------------- */

extract_list
    : extract_field RW_FROM expr            /* 668 */
        { auto* x = New<TRk_ExtractList>(); x->SourceExpr = $3; x->FieldToken = $1; Tk(x, $2); $$ = x; }
    | %empty                                /* 669 */ { $$ = nullptr; }
    ;

extract_field
    : IDENT                                 /* 670 */
    | RW_YEAR                               /* 671 */
    | RW_MONTH                              /* 672 */
    | RW_DAY                                /* 673 */
    | RW_HOUR                               /* 674 */
    | RW_MINUTE                             /* 675 */
    | RW_SECOND                             /* 676 */
    | string_const                          /* 677 */
    ;

trim_list
    : expr RW_FROM expr_list                /* 678 */
        { auto* t = New<TRk_TrimList>(); t->TrimChar = $1; t->HasFrom = 1; t->SourceList = $3; Tk(t, $2); $$ = t; }
    | expr_list                             /* 679 */
        { auto* t = New<TRk_TrimList>(); t->HasFrom = 0; t->SourceList = $1; $$ = t; }
    ;

in_operand
    : value_expr                            /* 680 */
    | '(' in_expr_list ')'                  /* 681 */ { $$ = Paren($1, $2, $3); }
    ;

in_expr_list
    : expr                                  /* 682 */ { $$ = L1($1); }
    | in_expr_list ',' expr                 /* 683 */ { Sep($3, $2); $$ = Ap($1, $3); }
    ;

case_expr
    : RW_CASE opt_case_arg when_clause_list opt_case_else RW_END        /* 684 */
        { auto* c = New<TRkCaseExpression>(); if ($2) c->SetInputExpr($2); c->WhenList = $3;
          c->SetElseExpr(D($4)->Sub1); c->ElseClause = $4; Tk(c, $1, $5); $$ = c; }
    ;

when_clause_list
    : when_clause_list when_clause          /* 685 */ { $$ = Ap($1, $2); }
    | when_clause                           /* 686 */ { $$ = L1($1); }
    ;

when_clause
    : RW_WHEN expr RW_THEN expr             /* 687 */
        { auto* w = New<TRkCaseWhen>(); w->SetWhenExpr($2); w->SetThenExpr($4); Tk(w, $1, $3); $$ = w; }
    ;

opt_case_else
    : RW_ELSE expr                          /* 688 */ { auto* d = Slot(-9999, $1); d->Sub1 = $2; $$ = d; }
    | %empty                                /* 689 */ { $$ = Holder(); }
    ;

opt_case_arg
    : expr                                  /* 690 */
    | %empty                                /* 691 */ { $$ = nullptr; }
    ;

/* ---- Names (692-703) ---------------------------------------------------- */

qualified_name
    : multi_part_name                       /* 692 */
    | ident                                 /* 693 */ { $$ = Attr($1); }
    ;

multi_part_name
    : ident '.' name_parts                  /* 694 */ { auto* a = Attr($1, $2, $3); Tk(a, $1, $2); $$ = a; }
    | ident DOTDOT name_parts           /* 695 */ { $$ = Attr($1, $2, $3); }
    | RW_FULL '.' name_parts                /* 696 */ { $$ = Attr($1, $2, $3); }
    | RW_LEFT '.' name_parts                /* 697 */ { $$ = Attr($1, $2, $3); }
    ;

name_parts
    : ident                                 /* 698 */ { $$ = L1($1); }
    | name_parts '.' ident                  /* 699 */ { Sep($3, $2); $$ = Ap($1, $3); }
    | name_parts DOTDOT ident           /* 700 */ { Sep($3, $2); $$ = Ap($1, $3); }
    | name_parts '.' '*'                    /* 701 */ { Sep($3, $2); $$ = Ap($1, $3); }
    | RW_FULL                               /* 702 */ { $$ = L1($1); }
    | RW_LEFT                               /* 703 */ { $$ = L1($1); }
    ;

/* ---- Calls and select-list targets (704-723) -------------------------- */

func_expr
    : special_func                          /* 704 */
    | func_name '(' ')'                     /* 705 */ { auto* f = Call($1, nullptr); Tk(f, $2, $3); $$ = f; }
    | func_name '(' expr_list ')'           /* 706 */ { auto* f = Call($1, $3); Tk(f, $2, $4); $$ = f; }
    | func_name '(' RW_ALL expr_list ')'    /* 707 */ { auto* f = Call($1, $4); f->IsAll = 1; Tk(f, $2, $3, $5); $$ = f; }
    | func_name '(' RW_DISTINCT expr_list ')' /* 708 */
        { auto* f = Call($1, $4); f->IsDistinct = 1; Tk(f, $2, $3, $5); $$ = f; }
    | func_name '(' '*' ')'                 /* 709 */ { auto* f = Call($1, nullptr); f->IsStar = 1; Tk(f, $2, $3, $4); $$ = f; }
    ;

special_func
    : RW_EXTRACT '(' extract_list ')'                       /* 710 */
        { auto* f = Special($1, 4); f->ExtractArgs = NC($3); Tk(f, $1, $2, $4); $$ = f; }
    | RW_TRIM '(' RW_BOTH trim_list ')'                     /* 711 */
        { auto* f = Special($1, 1); f->TrimKind = 1; f->TrimArgs = NC($4); Tk(f, $1, $2, $3, $5); $$ = f; }
    | RW_TRIM '(' RW_LEADING trim_list ')'                  /* 712 */
        { auto* f = Special($1, 1); f->TrimKind = 2; f->TrimArgs = NC($4); Tk(f, $1, $2, $3, $5); $$ = f; }
    | RW_TRIM '(' RW_TRAILING trim_list ')'                 /* 713 */
        { auto* f = Special($1, 1); f->TrimKind = 3; f->TrimArgs = NC($4); Tk(f, $1, $2, $3, $5); $$ = f; }
    | RW_TRIM '(' trim_list ')'                             /* 714 */
        { auto* f = Special($1, 1); f->TrimKind = 0; f->TrimArgs = NC($3); Tk(f, $1, $2, $4); $$ = f; }
    | RW_CAST '(' expr RW_AS type_name ')'                  /* 715 */
        { auto* f = Special($1, 2); f->CastExpr = $3; f->CastType = NC($5); Tk(f, $1, $2, $4, $6); $$ = f; }
    | RW_CONVERT '(' type_name ',' expr ')'                 /* 716 */
        { auto* f = Special($1, 3); f->CastExpr = $5; f->CastType = NC($3); Tk(f, $1, $2, $4, $6); $$ = f; }
    | RW_CONVERT '(' type_name ',' expr ',' integer_const ')' /* 717 */
        { auto* f = Special($1, 3); f->CastExpr = $5; f->CastType = NC($3); f->StyleArg = $7;
          Tk(f, $1, $2, $4, $6, $7, $8); $$ = f; }
    | RW_CONVERT '(' type_name ',' expr ',' VARIABLE ')'    /* 718 */
        { auto* f = Special($1, 3); f->CastExpr = $5; f->CastType = NC($3); f->StyleArg = $7;
          Tk(f, $1, $2, $4, $6, $7, $8); $$ = f; }
    ;

target_list
    : target_list ',' res_target            /* 719 */ { Sep($3, $2); $$ = Ap($1, $3); }
    | res_target                            /* 720 */ { $$ = L1($1); }
    ;

res_target
    : value_expr column_alias               /* 721 */ { $$ = ResTarget($1, $2); }
    | value_expr                            /* 722 */ { $$ = ResTarget($1, nullptr); }
    | '*'                                   /* 723 */
        { auto* i = New<TRk_Ident>(); i->IdentToken = $1; Tk(i, $1);
          $$ = ResTarget(Ex(Expr_Ident, nullptr, i, nullptr), nullptr); }
    ;

value_expr
    : primary_expr                          /* 724 */
    | '+' value_expr %prec P_UMINUS         /* 725 */ { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '-' value_expr %prec P_UMINUS         /* 726 */ { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | value_expr '+' value_expr             /* 727 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | value_expr '-' value_expr             /* 728 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | value_expr '*' value_expr             /* 729 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | value_expr '/' value_expr             /* 730 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | value_expr '%' value_expr             /* 731 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | value_expr '^' value_expr             /* 732 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | value_expr '<' value_expr             /* 733 */ { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | value_expr '>' value_expr             /* 734 */ { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | value_expr '=' value_expr             /* 735 */ { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | value_expr OPERATOR value_expr        /* 736 */ { $$ = Ex(Expr_OP, $2, $1, $3); }
    | OPERATOR value_expr                   /* 737 */ { $$ = Ex(Expr_OP, $1, nullptr, $2); }
    ;

constant
    : integer_const                         /* 738 */ { $$ = Const(55, $1); }
    | number_const                          /* 739 */ { $$ = Const(48, $1); }
    | string_const                          /* 740 */ { $$ = Const(172, $1); }
    | RW_NULL                               /* 741 */ { $$ = Const(64, $1); }
    | system_variable                       /* 742 */ { $$ = Const(67, $1); }
    | RW_CURRENT RW_DATE                    /* 743 */ { auto* c = Const(68, $1); Tk(c, $2); $$ = c; }
    | RW_CURRENT RW_TIMESTAMP               /* 744 */ { auto* c = Const(69, $1); Tk(c, $2); $$ = c; }
    ;

/* 745 is never reduced. */

name
    : ident                                 /* 746 */
    ;

/* 747-758 are never reduced. */

integer_const
    : INTEGER_LIT                           /* 759 */
    ;

string_const
    : STRING_LIT                            /* 760 */
    ;

number_const
    : NUMBER_LIT                            /* 761 */
    ;

/* 762 is never reduced. */

cursor_name
    : IDENT                                 /* 763 */
    | unreserved_keyword                    /* 764 */
    | type_name_keyword                     /* 765 */
    ;

ident
    : IDENT                                 /* 766 */
    | name_keyword                          /* 767 */
    | type_name_keyword                     /* 768 */
    ;

attr_name
    : IDENT                                 /* 769 */
    | name_keyword                          /* 770 */
    | type_name_keyword                     /* 771 */
    | func_name_keyword                     /* 772 */
    | label_keyword                         /* 773 */
    ;

type_ident
    : IDENT                                 /* 774 */
    | unreserved_keyword                    /* 775 */
    ;

func_name
    : func_name_keyword                     /* 776 */ { $$ = Attr($1); }
    | qualified_name                        /* 777 */
    | VARIABLE                              /* 778 */ { $$ = Attr($1); }
    ;

/* 779-781 are never reduced. */

name_keyword
    : unreserved_keyword                    /* 782 */
    | RW_FIRST                              /* 783 */
    | RW_LAST                               /* 784 */
    | RW_SCROLL                             /* 785 */
    | RW_INSENSITIVE                        /* 786 */
    ;

unreserved_keyword
    : RW_ACCOUNT           /* 787 */
    | RW_ACTION            /* 788 */
    | RW_AFTER             /* 789 */
    | RW_AT                /* 790 */
    | RW_BEFORE            /* 791 */
    | RW_BOTH              /* 792 */
    | RW_BY                /* 793 */
    | RW_BYTE              /* 794 */
    | RW_CONCAT            /* 795 */
    | RW_CHECKPOINT        /* 796 */
    | RW_CONSTRAINTS       /* 797 */
    | RW_COUNT             /* 798 */
    | RW_COST              /* 799 */
    | RW_CYCLE             /* 800 */
    | RW_DATABASE          /* 801 */
    | RW_DECODE            /* 802 */
    | RW_DEFERRED          /* 803 */
    | RW_DOUBLE            /* 804 */
    | RW_DUMP              /* 805 */
    | RW_EACH              /* 806 */
    | RW_ESCAPE            /* 807 */
    | RW_EXCEPT            /* 808 */
    | RW_EXTRACT           /* 809 */
    | RW_HOUR              /* 810 */
    | RW_IMMEDIATE         /* 811 */
    | RW_ISOLATION         /* 812 */
    | RW_KEY               /* 813 */
    | RW_LEADING           /* 814 */
    | RW_LOCATOR           /* 815 */
    | RW_LOCK              /* 816 */
    | RW_LOG               /* 817 */
    | RW_MATCH             /* 818 */
    | RW_MAX               /* 819 */
    | RW_MIN               /* 820 */
    | RW_MINUTE            /* 821 */
    | RW_NATIONAL          /* 822 */
    | RW_NO                /* 823 */
    | RW_OBJECT            /* 824 */
    | RW_OF                /* 825 */
    | RW_OPTION            /* 826 */
    | RW_OUT               /* 827 */
    | RW_OUTER             /* 828 */
    | RW_OVERLAPS          /* 829 */
    | RW_PARTIAL           /* 830 */
    | RW_PRECISION         /* 831 */
    | RW_READ              /* 832 */
    | RW_REF               /* 833 */
    | RW_RESTRICT          /* 834 */
    | RW_ROLE              /* 835 */
    | RW_RULE              /* 836 */
    | RW_SCHEMA            /* 837 */
    | RW_SECOND            /* 838 */
    | RW_SEQUENCE          /* 839 */
    | RW_STATISTICS        /* 840 */
    | RW_SUM               /* 841 */
    | RW_TRAILING          /* 842 */
    | RW_TRIGGER           /* 843 */
    | RW_TRIM              /* 844 */
    | RW_TRAN              /* 845 */
    | RW_TRANSACTION       /* 846 */
    | RW_TYPECAST          /* 847 */
    | RW_USAGE             /* 848 */
    | RW_USER              /* 849 */
    | RW_VALUE             /* 850 */
    | RW_VALUES            /* 851 */
    | RW_VARYING           /* 852 */
    | RW_VIEW              /* 853 */
    | RW_WITHOUT           /* 854 */
    | RW_WRITE             /* 855 */
    | RW_WORK              /* 856 */
    | RW_FILE              /* 857 */
    | RW_LEVEL             /* 858 */
    | TOKEN_298            /* 859 */
    | TOKEN_334            /* 860 */
    | RW_ZONE              /* 861 */
    | RW_FOUND             /* 862 */
    | RW_SQL               /* 863 */
    | RW_BOOLEAN           /* 864 */
    | RW_INTERVAL          /* 865 */
    | RW_CONSTANT          /* 866 */
    | RW_EXIT              /* 867 */
    | TOKEN_608            /* 868 */
    | RW_INDICATOR         /* 869 */
    | TOKEN_699            /* 870 */
    | RW_PARTITION         /* 871 */
    | TOKEN_454            /* 872 */
    | TOKEN_345            /* 873 */
    | TOKEN_372            /* 874 */
    | RW_BLOCK             /* 875 */
    | RW_THEN              /* 876 */
    | RW_DATE              /* 877 */
    | RW_PUBLIC            /* 878 */
    | RW_TYPE              /* 879 */
    | RW_CAST              /* 880 */
    | RW_CONVERT           /* 881 */
    | RW_RAW               /* 882 */
    | RW_OUTPUT            /* 883 */
    | RW_ENCRYPTION        /* 884 */
    | RW_RECOMPILE         /* 885 */
    | RW_REPLICATION       /* 886 */
    | RW_RETURNS           /* 887 */
    | RW_REPLACE           /* 888 */
    | RW_SUBTYPE           /* 889 */
    | RW_STORE             /* 890 */
    | RW_FORMAT            /* 891 */
    | RW_COMMENT           /* 892 */
    | RW_PROC              /* 893 */
    | RW_CONNECT           /* 894 */
    | RW_FORALL            /* 895 */
    | RW_GLOBAL            /* 896 */
    | RW_LOCAL             /* 897 */
    | RW_ARRAY             /* 898 */
    | RW_COMMITTED         /* 899 */
    | RW_TEMPORARY         /* 900 */
    | RW_IDENTITY          /* 901 */
    | RW_INDEX             /* 902 */
    | RW_INT               /* 903 */
    | RW_AVG               /* 904 */
    | RW_STDEV             /* 905 */
    | RW_STDEVP            /* 906 */
    | RW_VAR               /* 907 */
    | RW_VARP              /* 908 */
    | RW_TEXTIMAGE_ON      /* 909 */
    | RW_RELATIVE          /* 910 */
    | RW_ABSOLUTE          /* 911 */
    | RW_TEMP              /* 912 */
    | RW_MARK              /* 913 */
    | RW_FORWARD_ONLY      /* 914 */
    | RW_STATIC            /* 915 */
    | RW_KEYSET            /* 916 */
    | RW_DYNAMIC           /* 917 */
    | RW_FAST_FORWARD      /* 918 */
    | RW_READ_ONLY         /* 919 */
    | RW_SCROLL_LOCKS      /* 920 */
    | RW_OPTIMISTIC        /* 921 */
    | RW_TYPE_WARNING      /* 922 */
    | RW_ROWGUIDCOL        /* 923 */
    | RW_NOCHECK           /* 924 */
    | RW_COLUMN            /* 925 */
    | RW_DISABLE           /* 926 */
    | RW_ENABLE            /* 927 */
    | RW_CLUSTERED         /* 928 */
    | RW_NONCLUSTERED      /* 929 */
    ;

type_name_keyword
    : RW_CHARACTER         /* 930 */
    | RW_DEC               /* 931 */
    | RW_INTEGER           /* 932 */
    | RW_NCHAR             /* 933 */
    | RW_REAL              /* 934 */
    | RW_FLOAT             /* 935 */
    | RW_NUMERIC           /* 936 */
    | RW_NUMBER            /* 937 */
    | RW_DECIMAL           /* 938 */
    | RW_BIT               /* 939 */
    | RW_SMALLINT          /* 940 */
    | RW_TIME              /* 941 */
    | RW_TIMESTAMP         /* 942 */
    | RW_VARCHAR2          /* 943 */
    | RW_EXCEPTION         /* 944 */
    ;

func_name_keyword
    : RW_BETWEEN           /* 945 */
    | RW_FULL              /* 946 */
    | RW_IS                /* 947 */
    | RW_LIKE              /* 948 */
    | RW_JOIN              /* 949 */
    | RW_LEFT              /* 950 */
    | RW_CHAR              /* 951 */
    | RW_UNIQUE            /* 952 */
    | RW_RIGHT             /* 953 */
    | RW_MONTH             /* 954 */
    | RW_YEAR              /* 955 */
    | RW_DAY               /* 956 */
    ;

label_keyword
    : RW_CASCADE           /* 957 */
    | RW_CURSOR            /* 958 */
    | RW_INNER             /* 959 */
    | RW_BLOB              /* 960 */
    | RW_CLOB              /* 961 */
    | RW_CONSTRAINT        /* 962 */
    | RW_DEFERRABLE        /* 963 */
    | RW_LOB               /* 964 */
    | RW_NCLOB             /* 965 */
    | RW_ONLY              /* 966 */
    | RW_FUNCTION          /* 967 */
    | RW_PERCENT           /* 968 */
    | RW_PRIMARY           /* 969 */
    | RW_SOME              /* 970 */
    | RW_USING             /* 971 */
    | RW_WHEN              /* 972 */
    | RW_PRIOR             /* 973 */
    | RW_EXISTS            /* 974 */
    | RW_TOP               /* 975 */
    | RW_AS                /* 976 */
    ;

system_variable
    : SV_CONNECTIONS       /* 1050 */
    | SV_CPU_BUSY          /* 1051 */
    | SV_CURSOR_ROWS       /* 1052 */
    | SV_DATEFIRST         /* 1053 */
    | SV_DBTS              /* 1054 */
    | SV_ERROR             /* 1055 */
    | SV_FETCH_STATUS      /* 1056 */
    | SV_IDLE              /* 1057 */
    | SV_IO_BUSY           /* 1058 */
    | SV_LANGID            /* 1059 */
    | SV_LANGUAGE          /* 1060 */
    | SV_LOCK_TIMEOUT      /* 1061 */
    | SV_MAX_CONNECTIONS   /* 1062 */
    | SV_MAX_PRECISION     /* 1063 */
    | SV_NESTLEVEL         /* 1064 */
    | SV_OPTIONS           /* 1065 */
    | SV_PACK_RECEIVED     /* 1066 */
    | SV_PACK_SENT         /* 1067 */
    | SV_PACKET_ERRORS     /* 1068 */
    | SV_PROCID            /* 1069 */
    | SV_REMSERVER         /* 1070 */
    | SV_ROWCOUNT          /* 1071 */
    | SV_SERVERNAME        /* 1072 */
    | SV_SERVICENAME       /* 1073 */
    | SV_SPID              /* 1074 */
    | SV_TEXTSIZE          /* 1075 */
    | SV_TIMETICKS         /* 1076 */
    | SV_TOTAL_ERRORS      /* 1077 */
    | SV_TOTAL_READ        /* 1078 */
    | SV_TOTAL_WRITE       /* 1079 */
    | SV_TRANCOUNT         /* 1080 */
    | SV_VERSION           /* 1081 */
    | SV_IDENTITY          /* 1082 */
    ;
