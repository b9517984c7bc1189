/* Oracle PL/SQL grammar.  Read by yaccgen at build time (and by bison as a
 * cross-check of the conflict counts).  The rules keep their historical
 * order: between two reductions the earlier rule wins, so the order is part
 * of the language.  Actions build the PL/SQL elements and the expression,
 * name and type nodes in the parser's node pool; the SQL statements inside
 * the code become statement objects that take their own tokens
 * (CollectStatementTokens) and are parsed later by the Oracle SQL grammar. */
%{
#include "parse/oracle/rkyaccoracleplsql.h"
#include "statementstructure/rkexpression.h"
#include "statementstructure/sqlstatement.h"
#include "statementstructure/sqlstatement_dml.h"
#include "statementstructure/sqlstatement_select.h"
#define YYPARSER_CLASS TRkParserOraclePlsql

// The embedded statement object takes the vendor of the PL/SQL statement
// being parsed.
template <class T>
TRk_Node* TRkParserOraclePlsql::Embedded(TSourceToken* Keyword) {
    return EmbeddedStatement(CreateNodeOfClass<T>(CurStatement ? CurStatement->DbVendor : DbVendor), Keyword);
}
%}

%define api.prefix {oracleplsql}
%define api.value.type {oracleplsqlYYSType}
// %value-cells accessors: the record is one tagged pointer (parse/rkyaccvalue.h).
/* Token codes: those of parse/oracle/oracletokens.h. */
%token <token> IDENT 262 DOUBLE_LT 263 DOUBLE_GT 264 NUMBER_LIT 265 STRING_LIT 266 INTEGER_LIT 267
%token <token> OPERATOR 269 BIND_NAME 271 ASSIGN_OP 272 DOUBLE_DOT 273
%token <token> OUTER_JOIN_MARK 925
%token <token> TOK358 358 TOK389 389 TOK439 439 TOK500 500 TOK833 833
/* The member prefix of object types has no rule: a terminal no scanner
 * produces keeps its alternatives in the grammar without matching. */
%token <token> UNDEFINED_MEMBER_PREFIX 927
%token <token> UMINUS 928
%token <token> RW_ACCESS 381 RW_AFTER 497 RW_ALL 383 RW_ALTER 384 RW_AND 385 RW_ANY 386
%token <token> RW_ARRAY 276 RW_AS 387 RW_ASSOCIATE 277 RW_AT 280 RW_BEFORE 508 RW_BEGIN 284
%token <token> RW_BETWEEN 390 RW_BFILE 509 RW_BINARY_INTEGER 285 RW_BLOB 511 RW_BODY 286
%token <token> RW_BOOLEAN 287 RW_BOTH 847 RW_BY 391 RW_BYTE 834 RW_CALL 278 RW_CASE 289
%token <token> RW_CAST 517 RW_CHAR 392 RW_CHARACTER 521 RW_CLOB 527 RW_CLOSE 291 RW_COMMENT 396
%token <token> RW_COMMIT 533 RW_CONSTANT 294 RW_CREATE 399 RW_CURSOR 297 RW_DATABASE 298
%token <token> RW_DATE 401 RW_DAY 840 RW_DDL 283 RW_DEC 560 RW_DECIMAL 402 RW_DECLARE 303
%token <token> RW_DEFAULT 403 RW_DELETE 404 RW_DETERMINISTIC 878 RW_DISASSOCIATE 292
%token <token> RW_DISTINCT 406 RW_DOUBLE 571 RW_DROP 407 RW_EACH 573 RW_ELSE 408 RW_ELSIF 309
%token <token> RW_END 310 RW_ESCAPE 576 RW_EXCEPT 926 RW_EXCEPTION 312 RW_EXCEPTION_INIT 313
%token <token> RW_EXECUTE 583 RW_EXISTS 410 RW_EXIT 314 RW_EXTRACT 845 RW_FETCH 316
%token <token> RW_FLOAT 412 RW_FOR 413 RW_FORALL 857 RW_FOUND 872 RW_FROM 414 RW_FULL 821
%token <token> RW_FUNCTION 318 RW_GOTO 320 RW_GRANT 415 RW_HOUR 839 RW_IF 321 RW_IMMEDIATE 419
%token <token> RW_IN 420 RW_INDEX 422 RW_INDICATOR 323 RW_INSERT 424 RW_INSTEAD 614 RW_INT 615
%token <token> RW_INTEGER 425 RW_INTERVAL 843 RW_INTO 427 RW_INVALIDATE 302 RW_IS 428
%token <token> RW_ISOPEN 866 RW_LAST 854 RW_LEADING 848 RW_LIKE 430 RW_LOCAL 629 RW_LOCK 431
%token <token> RW_LONG 432 RW_LOOP 326 RW_MAP 852 RW_MEMBER 646 RW_MINUTE 838 RW_MONTH 841
%token <token> RW_NATIONAL 654 RW_NATURAL 330 RW_NATURALN 331 RW_NCHAR 655 RW_NCLOB 657
%token <token> RW_NESTED 659 RW_NOT 441 RW_NOTFOUND 871 RW_NULL 443 RW_NUMBER 444
%token <token> RW_NUMERIC 684 RW_NVARCHAR2 685 RW_OBJECT 686 RW_OF 445 RW_ON 447 RW_ONLY 693
%token <token> RW_OPEN 335 RW_OR 450 RW_ORDER 451 RW_OTHERS 336 RW_OUT 337 RW_OVER 880
%token <token> RW_OVERLAPS 831 RW_PACKAGE 338 RW_PARALLEL_ENABLE 879 RW_PLS_INTEGER 340
%token <token> RW_POSITIVE 341 RW_POSITIVEN 342 RW_PRAGMA 343 RW_PRECISION 717 RW_PRIOR 453
%token <token> RW_PROCEDURE 345 RW_RAISE 861 RW_RAW 456 RW_REAL 347 RW_RECORD 348 RW_REF 349
%token <token> RW_RENAME 457 RW_REPLACE 735 RW_RESTRICT_REFERENCES 877 RW_RETURN 352
%token <token> RW_RETURNING 740 RW_REVERSE 353 RW_REVOKE 459 RW_ROLLBACK 492 RW_ROW 460
%token <token> RW_ROWCOUNT 862 RW_ROWTYPE 354 RW_SAVEPOINT 493 RW_SCHEMA 356 RW_SECOND 837
%token <token> RW_SELECT 465 RW_SERIALLY_REUSABLE 876 RW_SET 467 RW_SMALLINT 470 RW_SOME 765
%token <token> RW_SQL 360 RW_SQLCODE 361 RW_SQLERRM 362 RW_STATISTICS 773 RW_STORE 776
%token <token> RW_SUBTYPE 365 RW_TABLE 475 RW_THEN 476 RW_TIME 788 RW_TIMESTAMP 789 RW_TO 477
%token <token> RW_TRAILING 849 RW_TRIGGER 478 RW_TRIM 846 RW_TRUNCATE 796 RW_TYPE 372
%token <token> RW_TYPECAST 832 RW_UPDATE 482 RW_UROWID 844 RW_USE 373 RW_USING 810
%token <token> RW_VARCHAR 486 RW_VARCHAR2 487 RW_VARRAY 813 RW_VARYING 814 RW_WHEN 376
%token <token> RW_WHILE 377 RW_WITH 491 RW_WITHOUT 815 RW_YEAR 842 RW_ZONE 836 RW_FALSE 315
%token <token> RW_TRUE 371
%token <token> '(' ')' ',' '.' ';' '*' '+' '-' '/' '%' '^' '<' '>' '=' '@' '[' ']'

/* Binding, loosest first.  AND and OR share one level.  ESCAPE binds
 * tighter than LIKE, so that the pattern of LIKE can take its escape. */
%left RW_AND RW_OR
%right RW_NOT
%right '='
%nonassoc '<' '>'
%nonassoc RW_LIKE
%nonassoc RW_ESCAPE
%left RW_BETWEEN RW_IN
%left OPERATOR
%left RW_IS
%left '+' '-'
%left '*' '/' '%'
%left '^'
%left RW_AT RW_ZONE
%right UMINUS
%left RW_TYPECAST

%type <attr> attr object_name func_name subprogram_name
%type <option> character_kind sub_type opt_block_label opt_case_else opt_charset opt_create_or_replace
%type <option> opt_cursor_params opt_decimal_precision opt_exception_section opt_float_precision
%type <option> opt_function_options opt_index_by opt_into_list opt_length_semantics opt_not_null
%type <option> opt_numeric_precision opt_param_decls opt_returning_into opt_using_list opt_varying
%type <option> opt_trigger_when trigger_timing trigger_event dml_trigger_event dml_event opt_referencing
%type <option> opt_for_each_row ddl_trigger_event ddl_event database_trigger_event database_event
%type <type> type_name plsql_datatype cursor_return_type simple_type_name const_type_name generic_type
%type <type> numeric_type character_type datetime_type interval_type long_raw_type lob_type rowid_type
%type <type> constant_datatype element_datatype
%type <list> opt_array_bounds func_call_chain row_elements row_elements_head
%type <list> stmt_list declaration_list exception_handler_list expr_list in_expr_list name_list
%type <list> attr_list case_when_list elsif_list param_decl_list package_spec_item_list
%type <list> package_body_item_list field_decl_list cursor_param_list exception_name_list
%type <list> dml_event_list ddl_event_list database_event_list using_arg_list
%type <token> is_or_as opt_in opt_end_label ident type_ident label_name subtype_name name_item
%type <token> field_name cursor_name param_name iconst sconst fconst extract_arg all_op math_op
%type <token> declare_keyword unreserved_keyword col_name_keyword func_name_keyword
%type <node> extract_list create_package create_procedure create_function create_trigger plsql_block
%type <node> declare_section declaration variable_decl constant_decl subtype_decl cursor_decl
%type <node> exception_decl exception_init_pragma type_decl procedure_body function_body
%type <node> procedure_spec function_spec stmt assign_stmt exit_stmt goto_stmt if_stmt loop_stmt
%type <node> raise_stmt return_stmt close_stmt open_stmt open_for_select_stmt open_for_expr_stmt
%type <node> execute_immediate_stmt fetch_stmt sql_stmt forall_stmt case_stmt proc_call null_stmt
%type <node> select_with_parens select_sql insert_sql delete_sql update_sql commit_sql rollback_sql
%type <node> savepoint_sql set_transaction_sql lock_table_sql call_sql opt_declaration_expr
%type <node> a_expr b_expr row_expr primary_expr in_expr case_expr case_when_clause opt_case_selector
%type <node> func_call plsql_expr const_value exit_condition condition lower_bound upper_bound
%type <node> assign_target elsif_clause param_decl package_spec package_body package_spec_item
%type <node> package_body_item package_item_decl package_pragma type_def table_type_def
%type <node> varray_type_def record_type_def field_decl cursor_spec cursor_body cursor_param_decl
%type <node> exception_handler trim_list create_type create_table_type create_varray_type special_func_call

%start plsql_program
// The conflicts that precedence leaves, all resolved by shifting; the
// generators say so only when their number changes.
%expect 206

%%

/* ---- Units ---------------------------------------------------------- */
plsql_program
    : create_package                  /* 1 */ { RootNode = $1; }
    | create_type                     /* 2 */
    | create_procedure                /* 3 */ { RootNode = $1; }
    | create_function                 /* 4 */ { RootNode = $1; }
    | create_trigger                  /* 5 */ { RootNode = $1; }
    | create_varray_type              /* 6 */
    | create_table_type               /* 7 */
    | create_package ';'              /* 9 */ { SetTerminator($1, $2); RootNode = $1; }
    | create_type ';'                 /* 10 */
    | create_procedure ';'            /* 11 */ { SetTerminator($1, $2); RootNode = $1; }
    | create_function ';'             /* 12 */ { SetTerminator($1, $2); RootNode = $1; }
    | create_trigger ';'              /* 13 */ { SetTerminator($1, $2); RootNode = $1; }
    | create_varray_type ';'          /* 14 */
    | create_table_type ';'           /* 15 */
    | plsql_block ';'                 /* 17 */ { SetTerminator($1, $2); RootNode = $1; }
    | %empty                          /* 18 */
    ;

/* ---- SQL data types --------------------------------------------------- */
type_name
    : simple_type_name opt_array_bounds   /* 19 */ { $$ = $1; if ($$) $$->ArrayBounds = $2; }
    | TOK833 simple_type_name             /* 20 */ { $$ = $2; }
    ;
opt_array_bounds
    : opt_array_bounds '[' ']'            /* 21 */ { $$ = Ap($1, IntValue(nullptr)); }
    | opt_array_bounds '[' iconst ']'     /* 22 */ { $$ = Ap($1, IntValue($3)); }
    | %empty                              /* 23 */ { $$ = nullptr; }
    ;
simple_type_name
    : generic_type                        /* 24 */
    | const_type_name                     /* 25 */
    ;
const_type_name
    : numeric_type                        /* 26 */
    | character_type                      /* 27 */
    | datetime_type                       /* 28 */
    | long_raw_type                       /* 29 */
    | lob_type                            /* 30 */
    | rowid_type                          /* 31 */
    | interval_type                       /* 32 */
    ;
generic_type
    : type_ident                          /* 33 */ { $$ = TypeName(2, $1); }
    ;
numeric_type
    : RW_FLOAT opt_float_precision        /* 34 */ { $$ = PrecisionType(3, $1, $2, false); }
    | RW_DOUBLE RW_PRECISION              /* 35 */ { $$ = TypeName(7, $1); Tk($$, $2); }
    | RW_DECIMAL opt_decimal_precision    /* 36 */ { $$ = PrecisionType(8, $1, $2, true); }
    | RW_DEC opt_decimal_precision        /* 37 */ { $$ = PrecisionType(9, $1, $2, true); }
    | RW_NUMERIC opt_numeric_precision    /* 38 */ { $$ = PrecisionType(10, $1, $2, true); }
    | RW_NUMBER opt_numeric_precision     /* 39 */ { $$ = PrecisionType(11, $1, $2, true); }
    | RW_INTEGER                          /* 40 */ { $$ = TypeName(12, $1); }
    | RW_INT                              /* 41 */ { $$ = TypeName(33, $1); }
    | RW_SMALLINT                         /* 42 */ { $$ = TypeName(34, $1); }
    | RW_REAL opt_numeric_precision       /* 43 */ { $$ = PrecisionType(35, $1, $2, true); }
    ;
opt_float_precision
    : '(' iconst ')'                      /* 44 */ { $$ = Precision($1, $2, nullptr, nullptr, $3); }
    | %empty                              /* 45 */ { $$ = nullptr; }
    ;
opt_numeric_precision
    : '(' iconst ',' iconst ')'           /* 46 */ { $$ = Precision($1, $2, $3, $4, $5); }
    | '(' iconst ')'                      /* 47 */ { $$ = Precision($1, $2, nullptr, nullptr, $3); }
    | %empty                              /* 48 */ { $$ = nullptr; }
    ;
opt_decimal_precision
    : '(' iconst ',' iconst ')'           /* 49 */ { $$ = Precision($1, $2, $3, $4, $5); }
    | '(' iconst ')'                      /* 50 */ { $$ = Precision($1, $2, nullptr, nullptr, $3); }
    | %empty                              /* 51 */ { $$ = nullptr; }
    ;
character_type
    : character_kind '(' iconst opt_length_semantics ')' opt_charset
                                          /* 52 */ { $$ = CharacterType($1, $2, $3, $4, $5, $6); }
    | character_kind opt_charset          /* 53 */ { $$ = CharacterType($1, nullptr, nullptr, nullptr, nullptr, $2); }
    ;
opt_length_semantics
    : RW_BYTE                             /* 54 */ { $$ = Holder(1, $1); }
    | RW_CHAR                             /* 55 */ { $$ = Holder(2, $1); }
    | %empty                              /* 56 */ { $$ = Holder(-9999); }
    ;
character_kind
    : RW_CHARACTER opt_varying            /* 57 */ { $$ = CharKind(39, $1, nullptr, $2); }
    | RW_CHAR opt_varying                 /* 58 */ { $$ = CharKind(40, $1, nullptr, $2); }
    | RW_VARCHAR                          /* 59 */ { $$ = CharKind(41, $1, nullptr, nullptr); }
    | RW_VARCHAR2                         /* 60 */ { $$ = CharKind(42, $1, nullptr, nullptr); }
    | RW_NVARCHAR2                        /* 61 */ { $$ = CharKind(43, $1, nullptr, nullptr); }
    | RW_NATIONAL RW_CHARACTER opt_varying /* 62 */ { $$ = CharKind(44, $1, $2, $3); }
    | RW_NATIONAL RW_CHAR opt_varying     /* 63 */ { $$ = CharKind(47, $1, $2, $3); }
    | RW_NCHAR opt_varying                /* 64 */ { $$ = CharKind(48, $1, nullptr, $2); }
    ;
opt_varying
    : RW_VARYING                          /* 65 */ { $$ = Holder(1, $1); }
    | %empty                              /* 66 */ { $$ = Holder(-9999); }
    ;
opt_charset
    : RW_CHARACTER RW_SET ident           /* 67 */ { $$ = Holder(1, $1, $2, $3); }
    | %empty                              /* 68 */ { $$ = Holder(-9999); }
    ;
datetime_type
    : RW_DATE                             /* 69 */ { $$ = TypeName(49, $1); }
    | RW_TIMESTAMP                        /* 70 */ { $$ = TypeName(50, $1); }
    | RW_TIMESTAMP '(' iconst ')'         /* 71 */ { $$ = TypeName(50, $1); Tk($$, $2, $3, $4); $$->Param1 = IntOf($3); }
    | RW_TIMESTAMP RW_WITH RW_TIME RW_ZONE /* 72 */ { $$ = TypeName(51, $1); Tk($$, $2, $3, $4); }
    | RW_TIMESTAMP RW_WITH RW_LOCAL RW_TIME RW_ZONE
                                          /* 73 */ { $$ = TypeName(52, $1); Tk($$, $2, $3, $4, $5); }
    | RW_TIMESTAMP '(' iconst ')' RW_WITH RW_TIME RW_ZONE
                                          /* 74 */ { $$ = TypeName(51, $1); Tk($$, $2, $3, $4, $5, $6, $7); $$->Param1 = IntOf($3); }
    | RW_TIMESTAMP '(' iconst ')' RW_WITH RW_LOCAL RW_TIME RW_ZONE
                                          /* 75 */ { $$ = TypeName(52, $1); Tk($$, $2, $3, $4, $5, $6, $7, $8); $$->Param1 = IntOf($3); }
    ;
interval_type
    : RW_INTERVAL RW_YEAR RW_TO RW_MONTH  /* 76 */ { $$ = TypeName(56, $1); Tk($$, $2, $3, $4); }
    | RW_INTERVAL RW_YEAR '(' iconst ')' RW_TO RW_MONTH
                                          /* 77 */ { $$ = TypeName(56, $1); Tk($$, $2, $3, $4, $5, $6, $7); $$->Param1 = IntOf($4); }
    | RW_INTERVAL RW_DAY RW_TO RW_SECOND  /* 78 */ { $$ = TypeName(57, $1); Tk($$, $2, $3, $4); }
    | RW_INTERVAL RW_DAY '(' iconst ')' RW_TO RW_SECOND
                                          /* 79 */ { $$ = TypeName(57, $1); Tk($$, $2, $3, $4, $5, $6, $7); $$->Param1 = IntOf($4); }
    | RW_INTERVAL RW_DAY RW_TO RW_SECOND '(' iconst ')'
                                          /* 80 */ { $$ = TypeName(57, $1); Tk($$, $2, $3, $4, $5, $6, $7); $$->Param2 = IntOf($6); }
    | RW_INTERVAL RW_DAY '(' iconst ')' RW_TO RW_SECOND '(' iconst ')'
                                          /* 81 */ { $$ = TypeName(57, $1); Tk($$, $2, $3, $4, $5, $6, $7, $8, $9, $10);
                                                     $$->Param1 = IntOf($4); $$->Param2 = IntOf($9); }
    ;
long_raw_type
    : RW_LONG                             /* 82 */ { $$ = TypeName(58, $1); }
    | RW_RAW                              /* 83 */ { $$ = TypeName(59, $1); }
    | RW_LONG RW_RAW                      /* 84 */ { $$ = TypeName(60, $1); Tk($$, $2); }
    | RW_RAW '(' iconst ')'               /* 85 */ { $$ = TypeName(59, $1); Tk($$, $2, $3, $4); $$->Param1 = IntOf($3); }
    ;
lob_type
    : RW_BLOB                             /* 86 */ { $$ = TypeName(61, $1); }
    | RW_CLOB                             /* 87 */ { $$ = TypeName(62, $1); }
    | RW_NCLOB                            /* 88 */ { $$ = TypeName(63, $1); }
    | RW_BFILE                            /* 89 */ { $$ = TypeName(64, $1); }
    ;
rowid_type
    : RW_UROWID                           /* 90 */ { $$ = TypeName(72, $1); }
    | RW_UROWID '(' iconst ')'            /* 91 */ { $$ = TypeName(72, $1); Tk($$, $2, $3, $4); $$->Param1 = IntOf($3); }
    ;

/* ---- Row comparisons ---------------------------------------------------- */
row_expr
    : '(' row_elements ')' RW_IN select_with_parens
                                          /* 92 */ { $$ = Ex(Expr_In, $4, Paren($1, $2, $3), $5); }
    | '(' row_elements ')' RW_NOT RW_IN select_with_parens
                                          /* 93 */ { $$ = Ex(Expr_NotIn, $4, Paren($1, $2, $3), $6); Tk($$, $4, $5); }
    | '(' row_elements ')' all_op sub_type select_with_parens
                                          /* 94 */ { $$ = Quantified($4, Paren($1, $2, $3), $5, $6); }
    | '(' row_elements ')' all_op select_with_parens
                                          /* 95 */ { $$ = Ex(Expr_AllOp, $4, Paren($1, $2, $3), $5); }
    | '(' row_elements ')' all_op '(' row_elements ')'
                                          /* 96 */ { $$ = Ex(Expr_AllOp, $4, Paren($1, $2, $3), Paren($5, $6, $7)); }
    | '(' row_elements ')' all_op sub_type '(' row_elements ')'
                                          /* 97 */ { $$ = Quantified($4, Paren($1, $2, $3), $5, Paren($6, $7, $8)); }
    | '(' row_elements ')' RW_OVERLAPS '(' row_elements ')'
                                          /* 98 */ { $$ = Ex(Expr_AllOp, $4, Paren($1, $2, $3), Paren($5, $6, $7)); }
    ;
row_elements
    : row_elements_head ',' a_expr        /* 99 */ { $$ = Ap($1, $3); Sep($3, $2); }
    ;
row_elements_head
    : row_elements_head ',' a_expr        /* 100 */ { $$ = Ap($1, $3); Sep($3, $2); }
    | a_expr                              /* 101 */ { $$ = L1($1); }
    ;
sub_type
    : RW_ANY                              /* 102 */ { $$ = Holder(1, $1); }
    | RW_SOME                             /* 103 */ { $$ = Holder(2, $1); }
    | RW_ALL                              /* 104 */ { $$ = Holder(3, $1); }
    ;
all_op
    : OPERATOR                            /* 105 */
    | math_op                             /* 106 */
    ;
math_op
    : '+'                                 /* 107 */
    | '-'                                 /* 108 */
    | '*'                                 /* 109 */
    | '/'                                 /* 110 */
    | '%'                                 /* 111 */
    | '^'                                 /* 112 */
    | '<'                                 /* 113 */
    | '>'                                 /* 114 */
    | '='                                 /* 115 */
    ;

/* ---- General expressions ------------------------------------------------ */
a_expr
    : primary_expr                        /* 116 */
    | a_expr RW_TYPECAST type_name        /* 117 */ { $$ = Ex(Expr_Other, $2, $1, $3); }
    | a_expr RW_AT RW_TIME RW_ZONE primary_expr
                                          /* 118 */ { $$ = Ex(Expr_AtTimeZone, $2, $1, $5); Tk($$, $2, $3, $4); }
    | '+' a_expr %prec UMINUS             /* 119 */ { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '-' a_expr %prec UMINUS             /* 120 */ { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '%' a_expr %prec UMINUS             /* 121 */ { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '^' a_expr %prec UMINUS             /* 122 */ { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | a_expr '%'                          /* 123 */ { $$ = Ex(Expr_Arithmetic, $2, $1, nullptr); }
    | a_expr '^'                          /* 124 */ { $$ = Ex(Expr_Arithmetic, $2, $1, nullptr); }
    | a_expr '+' a_expr                   /* 125 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | a_expr '-' a_expr                   /* 126 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | a_expr '*' a_expr                   /* 127 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | a_expr '/' a_expr                   /* 128 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | a_expr '%' a_expr                   /* 129 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | a_expr '^' a_expr                   /* 130 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | a_expr '<' a_expr                   /* 131 */ { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | a_expr '>' a_expr                   /* 132 */ { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | a_expr '=' a_expr                   /* 133 */ { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | a_expr OPERATOR a_expr              /* 134 */ { $$ = Ex(Expr_OP, $2, $1, $3); }
    | OPERATOR a_expr                     /* 135 */ { $$ = Ex(Expr_OP, $1, nullptr, $2); }
    | a_expr OPERATOR                     /* 136 */ { $$ = Ex(Expr_OP, $2, $1, nullptr); }
    | a_expr RW_AND a_expr                /* 137 */ { $$ = Ex(Expr_AND, $2, $1, $3); }
    | a_expr RW_OR a_expr                 /* 138 */ { $$ = Ex(Expr_OR, $2, $1, $3); }
    | RW_NOT a_expr                       /* 139 */ { $$ = Ex(Expr_NOT, $1, nullptr, $2); }
    | a_expr RW_LIKE a_expr               /* 140 */ { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | a_expr RW_LIKE a_expr RW_ESCAPE a_expr
                                          /* 141 */ { $$ = Ex(Expr_Comparison, $2, $1, Ex(Expr_Escape, $4, $3, $5)); }
    | a_expr RW_NOT RW_LIKE a_expr        /* 142 */ { $$ = Ex(Expr_NotLike, $2, $1, $4); Tk($$, $2, $3); }
    | a_expr RW_NOT RW_LIKE a_expr RW_ESCAPE a_expr
                                          /* 143 */ { $$ = Ex(Expr_NotLike, $2, $1, Ex(Expr_Escape, $5, $4, $6)); Tk($$, $2, $3); }
    | a_expr RW_IS RW_NULL                /* 144 */ { $$ = Ex(Expr_IsNull, nullptr, $1, nullptr); Tk($$, $2, $3); }
    | a_expr RW_IS RW_NOT RW_NULL         /* 145 */ { $$ = Ex(Expr_IsNotNull, nullptr, $1, nullptr); Tk($$, $2, $3, $4); }
    | a_expr RW_BETWEEN b_expr RW_AND b_expr
                                          /* 146 */ { $$ = Ex(Expr_Between, $2, $1, Ex(Expr_AND, $4, $3, $5)); }
    | a_expr RW_NOT RW_BETWEEN b_expr RW_AND b_expr
                                          /* 147 */ { $$ = Ex(Expr_NotBetween, $2, $1, Ex(Expr_AND, $5, $4, $6)); Tk($$, $2, $3); }
    | a_expr RW_IN in_expr                /* 148 */ { $$ = Ex(Expr_In, $2, $1, $3); }
    | a_expr RW_NOT RW_IN in_expr         /* 149 */ { $$ = Ex(Expr_NotIn, $2, $1, $4); Tk($$, $2, $3); }
    | a_expr all_op sub_type select_with_parens
                                          /* 150 */ { $$ = Quantified($2, $1, $3, $4); }
    | a_expr all_op sub_type '(' row_elements ')'
                                          /* 151 */ { $$ = Quantified($2, $1, $3, Paren($4, $5, $6)); }
    | row_expr                            /* 152 */
    | a_expr RW_DAY RW_TO RW_SECOND       /* 153 */ { $$ = Ex(Expr_DayToSecond, $2, $1, nullptr); Tk($$, $2, $3, $4); }
    | a_expr RW_YEAR RW_TO RW_MONTH       /* 154 */ { $$ = Ex(Expr_YearToMonth, $2, $1, nullptr); Tk($$, $2, $3, $4); }
    | a_expr RW_IS RW_OF '(' of_type_list ')'
                                          /* 155 */ { $$ = IsOfType($1, $2, $6); }
    | a_expr RW_IS RW_OF RW_TYPE '(' of_type_list ')'
                                          /* 156 */ { $$ = IsOfType($1, $2, $7); }
    | a_expr RW_IS RW_NOT RW_OF '(' of_type_list ')'
                                          /* 157 */ { $$ = IsOfType($1, $2, $7); }
    | a_expr RW_IS RW_NOT RW_OF RW_TYPE '(' of_type_list ')'
                                          /* 158 */ { $$ = IsOfType($1, $2, $8); }
    ;
of_type_list
    : of_type_item                        /* 159 */
    | of_type_list ',' of_type_item       /* 160 */
    ;
of_type_item
    : type_name                           /* 161 */
    | RW_ONLY type_name                   /* 162 */
    | RW_ONLY ident '.' type_name         /* 163 */
    | ident '.' type_name                 /* 164 */
    ;
b_expr
    : primary_expr                        /* 165 */
    | b_expr RW_TYPECAST type_name        /* 166 */ { $$ = Ex(Expr_Other, $2, $1, $3); }
    | '+' b_expr %prec UMINUS             /* 167 */ { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '-' b_expr %prec UMINUS             /* 168 */ { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '%' b_expr %prec UMINUS             /* 169 */ { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '^' b_expr %prec UMINUS             /* 170 */ { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | b_expr '%'                          /* 171 */ { $$ = Ex(Expr_Arithmetic, $2, $1, nullptr); }
    | b_expr '^'                          /* 172 */ { $$ = Ex(Expr_Arithmetic, $2, $1, nullptr); }
    | b_expr '+' b_expr                   /* 173 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | b_expr '-' b_expr                   /* 174 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | b_expr '*' b_expr                   /* 175 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | b_expr '/' b_expr                   /* 176 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | b_expr '%' b_expr                   /* 177 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | b_expr '^' b_expr                   /* 178 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | b_expr '<' b_expr                   /* 179 */ { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | b_expr '>' b_expr                   /* 180 */ { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | b_expr '=' b_expr                   /* 181 */ { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | b_expr OPERATOR b_expr              /* 182 */ { $$ = Ex(Expr_OP, $2, $1, $3); }
    | OPERATOR b_expr                     /* 183 */ { $$ = Ex(Expr_OP, $1, nullptr, $2); }
    | b_expr OPERATOR                     /* 184 */ { $$ = Ex(Expr_OP, $2, $1, nullptr); }
    ;

/* ---- Primary expressions, names and calls ------------------------------- */
primary_expr
    : attr                                /* 185 */ { $$ = Ex(Expr_Attr, nullptr, $1, nullptr); }
    | ident                               /* 186 */ { $$ = Ex(Expr_Ident, nullptr, IdentNode($1), nullptr); }
    | ident '@' ident                     /* 187 */ { $$ = Ex(Expr_Attr, nullptr, AttrOf($1, L1($3), $2), nullptr); }
    | ident '.' '*'                       /* 188 */ { $$ = Ex(Expr_Attr, nullptr, AttrOf($1, L1($3), $2), nullptr); }
    | ident '.' RW_DELETE                 /* 189 */ { $$ = Ex(Expr_Attr, nullptr, AttrOf($1, L1($3), $2), nullptr); }
    | ident '.' RW_DELETE '(' expr_list ')'
                                          /* 190 */ { $$ = Call(AttrOf($1, L1($3), $2), $4, $5, $6); }
    | attr '.' RW_DELETE                  /* 191 */ { $$ = Ex(Expr_Attr, nullptr, AddPart($1, $2, $3), nullptr); }
    | attr '.' RW_DELETE '(' expr_list ')'
                                          /* 192 */ { $$ = Call(AddPart($1, $2, $3), $4, $5, $6); }
    | const_value                         /* 193 */ { $$ = Ex(Expr_Const, nullptr, $1, nullptr); }
    | func_call_chain                     /* 194 */ { $$ = Ex(Expr_func_exprs, nullptr, $1, nullptr); }
    | func_call_chain '.' ident           /* 195 */ { $$ = Ex(Expr_func_exprs, $2, $1, IdentNode($3)); }
    | func_call_chain '.' attr            /* 196 */ { $$ = Ex(Expr_func_exprs, $2, $1, $3); }
    | func_call_chain '(' ident ')'       /* 197 */ { $$ = Ex(Expr_func_exprs, $2, $1, IdentNode($3)); Tk($$, $2, $4); }
    | '(' a_expr ')'                      /* 198 */ { $$ = Paren($1, $2, $3); }
    | RW_CURSOR select_with_parens        /* 199 */ { $$ = Ex(Expr_Cursor, $1, nullptr, $2); }
    | case_expr                           /* 200 */
    | select_with_parens                  /* 201 */ { $$ = Ex(Expr_subquery, nullptr, $1, nullptr); }
    | RW_EXISTS select_with_parens        /* 202 */ { $$ = Ex(Expr_Exists, $1, nullptr, $2); }
    ;
expr_list
    : a_expr                              /* 203 */ { $$ = L1($1); }
    | expr_list ',' a_expr                /* 204 */ { Sep($3, $2); $$ = Ap($1, $3); }
    ;
extract_list
    : extract_arg RW_FROM a_expr          /* 205 */ { $$ = ExtractArgs($1, $2, $3); }
    | %empty                              /* 206 */ { $$ = nullptr; }
    ;
extract_arg
    : IDENT                               /* 207 */
    | RW_YEAR                             /* 208 */
    | RW_MONTH                            /* 209 */
    | RW_DAY                              /* 210 */
    | RW_HOUR                             /* 211 */
    | RW_MINUTE                           /* 212 */
    | RW_SECOND                           /* 213 */
    | sconst                              /* 214 */
    | BIND_NAME                           /* 215 */
    ;
trim_list
    : a_expr RW_FROM expr_list            /* 216 */ { $$ = TrimArgs($1, $2, $3); }
    | expr_list                           /* 217 */ { $$ = TrimArgs(nullptr, nullptr, $1); }
    ;
object_name
    : attr                                /* 218 */
    | ident                               /* 219 */ { $$ = AttrOf($1, nullptr, nullptr); Tk($$, $1); }
    | ident '@' ident                     /* 220 */ { $$ = AttrOf($1, L1($3), $2); }
    ;
name_list
    : name_item                           /* 221 */ { $$ = L1($1); }
    | name_list ',' name_item             /* 222 */ { Sep($3, $2); $$ = Ap($1, $3); }
    ;
in_expr
    : select_with_parens                  /* 223 */ { $$ = Ex(Expr_subquery, nullptr, $1, nullptr); }
    | '(' in_expr_list ')'                /* 224 */ { $$ = Paren($1, $2, $3); }
    ;
in_expr_list
    : a_expr                              /* 225 */ { $$ = L1($1); }
    | in_expr_list ',' a_expr             /* 226 */ { Sep($3, $2); $$ = Ap($1, $3); }
    ;
case_expr
    : RW_CASE opt_case_selector case_when_list opt_case_else RW_END
                                          /* 227 */ { $$ = PlsqlCaseExpr($1, $2, $3, $4, $5); }
    ;
case_when_list
    : case_when_list case_when_clause     /* 228 */ { $$ = Ap($1, $2); }
    | case_when_clause                    /* 229 */ { $$ = L1($1); }
    ;
case_when_clause
    : RW_WHEN a_expr RW_THEN stmt_list    /* 230 */ { $$ = PlsqlCaseWhen($1, $2, $3, $4, nullptr); }
    | RW_WHEN a_expr RW_THEN a_expr       /* 231 */ { $$ = PlsqlCaseWhen($1, $2, $3, nullptr, $4); }
    ;
opt_case_else
    : RW_ELSE stmt_list                   /* 232 */ { $$ = Holder(1, $1); $$->List1 = $2; }
    | RW_ELSE a_expr                      /* 233 */ { $$ = Holder(2, $1); $$->Sub1 = $2; }
    | %empty                              /* 234 */ { $$ = nullptr; }
    ;
opt_case_selector
    : a_expr                              /* 235 */
    | %empty                              /* 236 */ { $$ = nullptr; }
    ;
attr
    : ident '.' attr_list                 /* 237 */ { $$ = AttrOf($1, $3, $2); }
    ;
attr_list
    : ident                               /* 238 */ { $$ = L1($1); }
    | RW_FUNCTION                         /* 239 */ { $$ = L1($1); }
    | RW_TYPE                             /* 240 */ { $$ = L1($1); }
    | attr_list '.' ident                 /* 241 */ { Sep($3, $2); $$ = Ap($1, $3); }
    | attr_list '@' ident                 /* 242 */ { Sep($3, $2); $$ = Ap($1, $3); }
    | attr_list '.' '*'                   /* 243 */ { Sep($3, $2); $$ = Ap($1, $3); }
    ;
func_call_chain
    : func_call_chain '.' func_call       /* 244 */ { Sep($3, $2); $$ = Ap($1, $3); }
    | func_call                           /* 245 */ { $$ = L1($1); }
    ;
func_name
    : func_name_keyword                   /* 246 */ { $$ = AttrOf($1, nullptr, nullptr); }
    | object_name                         /* 247 */
    ;
func_call
    : special_func_call                   /* 248 */
    | func_name '(' ')'                   /* 249 */ { $$ = Call($1, $2, nullptr, $3); }
    | func_name '(' expr_list ')'         /* 250 */ { $$ = Call($1, $2, $3, $4); }
    | func_name '(' RW_ALL expr_list ')'  /* 251 */ { $$ = CallFlag($1, $2, $3, $4, $5, 3); }
    | func_name '(' RW_DISTINCT expr_list ')'
                                          /* 252 */ { $$ = CallFlag($1, $2, $3, $4, $5, 2); }
    | func_name '(' '*' ')'               /* 253 */ { $$ = CallFlag($1, $2, $3, nullptr, $4, 1); }
    | func_name '@' ident '(' ')'         /* 254 */ { $$ = Call(Linked($1, $2, $3), $4, nullptr, $5); }
    | func_name '@' ident '(' expr_list ')'
                                          /* 255 */ { $$ = Call(Linked($1, $2, $3), $4, $5, $6); }
    | func_name '@' ident '(' RW_ALL expr_list ')'
                                          /* 256 */ { $$ = CallFlag(Linked($1, $2, $3), $4, $5, $6, $7, 3); }
    | func_name '@' ident '(' RW_DISTINCT expr_list ')'
                                          /* 257 */ { $$ = CallFlag(Linked($1, $2, $3), $4, $5, $6, $7, 2); }
    | func_name '@' ident '(' '*' ')'     /* 258 */ { $$ = CallFlag(Linked($1, $2, $3), $4, $5, nullptr, $6, 1); }
    ;
special_func_call
    : RW_EXTRACT '(' extract_list ')'     /* 259 */ { $$ = ExtractCall($1, $2, $3, $4); }
    | RW_TRIM '(' RW_BOTH trim_list ')'   /* 260 */ { $$ = TrimCall(1, $1, $2, $3, $4, $5); }
    | RW_TRIM '(' RW_LEADING trim_list ')' /* 261 */ { $$ = TrimCall(2, $1, $2, $3, $4, $5); }
    | RW_TRIM '(' RW_TRAILING trim_list ')' /* 262 */ { $$ = TrimCall(3, $1, $2, $3, $4, $5); }
    | RW_TRIM '(' trim_list ')'           /* 263 */ { $$ = TrimCall(0, $1, $2, nullptr, $3, $4); }
    | RW_CAST '(' a_expr RW_AS type_name ')'
                                          /* 264 */ { $$ = CastCall($1, $2, $3, $4, $5, $6); }
    ;

/* ---- Blocks and declarations ------------------------------------------- */
plsql_block
    : declare_section RW_BEGIN stmt_list opt_exception_section RW_END opt_end_label
                                          /* 267 */ { $$ = PlsqlBlock($1, $2, $3, $4, $5, $6); }
    ;
declare_section
    : opt_block_label                     /* 268 */ { $$ = PlsqlDeclSection($1, nullptr, nullptr); }
    | opt_block_label declare_keyword     /* 269 */ { $$ = PlsqlDeclSection($1, $2, nullptr); }
    | opt_block_label declare_keyword declaration_list
                                          /* 270 */ { $$ = PlsqlDeclSection($1, $2, $3); }
    ;
opt_end_label
    : label_name                          /* 271 */
    | %empty                              /* 272 */ { $$ = nullptr; }
    ;
opt_block_label
    : DOUBLE_LT label_name DOUBLE_GT      /* 273 */ { $$ = Holder(-9999, $2); Tk($$, $1, $3); }
    | %empty                              /* 274 */ { $$ = nullptr; }
    ;
declare_keyword
    : RW_DECLARE                          /* 275 */
    ;
declaration_list
    : declaration_list declaration        /* 276 */ { $$ = Ap($1, $2); }
    | declaration_list RW_DECLARE declaration
                                          /* 277 */ { Sep($3, $2); $$ = Ap($1, $3); }
    | declaration                         /* 278 */ { $$ = L1($1); }
    ;
declaration
    : variable_decl ';'                   /* 279 */ { $$ = $1; SetTerminator($$, $2); EndConstruct(); }
    | constant_decl ';'                   /* 280 */ { $$ = $1; SetTerminator($$, $2); EndConstruct(); }
    | subtype_decl ';'                    /* 281 */ { $$ = $1; SetTerminator($$, $2); EndConstruct(); }
    | cursor_decl                         /* 282 */ { $$ = $1; EndConstruct(); }
    | exception_decl ';'                  /* 283 */ { $$ = $1; SetTerminator($$, $2); EndConstruct(); }
    | exception_init_pragma ';'           /* 284 */ { $$ = $1; SetTerminator($$, $2); EndConstruct(); }
    | type_decl ';'                       /* 285 */ { $$ = $1; SetTerminator($$, $2); EndConstruct(); }
    | procedure_body ';'                  /* 286 */ { $$ = $1; SetTerminator($$, $2); EndConstruct(); }
    | function_body ';'                   /* 287 */ { $$ = $1; SetTerminator($$, $2); EndConstruct(); }
    | procedure_spec ';'                  /* 288 */ { $$ = $1; SetTerminator($$, $2); EndConstruct(); }
    | function_spec ';'                   /* 289 */ { $$ = $1; SetTerminator($$, $2); EndConstruct(); }
    | error                               /* 290 */ { $$ = SkipBrokenConstruct(); }
    ;

/* ---- Statements ----------------------------------------------------------- */
stmt_list
    : stmt_list stmt                      /* 291 */ { $$ = Ap($1, $2); }
    | stmt                                /* 292 */ { $$ = L1($1); }
    ;
stmt
    : assign_stmt ';'                     /* 293 */ { $$ = $1; SetTerminator($$, $2); EndConstruct(); }
    | exit_stmt ';'                       /* 294 */ { $$ = $1; SetTerminator($$, $2); EndConstruct(); }
    | goto_stmt ';'                       /* 295 */ { $$ = $1; SetTerminator($$, $2); EndConstruct(); }
    | if_stmt ';'                         /* 296 */ { $$ = $1; SetTerminator($$, $2); EndConstruct(); }
    | loop_stmt opt_end_label ';'         /* 297 */ { $$ = $1; SetLoopEndLabel($$, $2); SetTerminator($$, $3); EndConstruct(); }
    | raise_stmt ';'                      /* 298 */ { $$ = $1; SetTerminator($$, $2); EndConstruct(); }
    | return_stmt ';'                     /* 299 */ { $$ = $1; SetTerminator($$, $2); EndConstruct(); }
    | close_stmt ';'                      /* 300 */ { $$ = $1; SetTerminator($$, $2); EndConstruct(); }
    | open_stmt ';'                       /* 301 */ { $$ = $1; SetTerminator($$, $2); EndConstruct(); }
    | open_for_select_stmt                /* 302 */ { $$ = $1; EndConstruct(); }
    | open_for_expr_stmt ';'              /* 303 */ { $$ = $1; SetTerminator($$, $2); EndConstruct(); }
    | execute_immediate_stmt ';'          /* 304 */ { $$ = $1; SetTerminator($$, $2); EndConstruct(); }
    | fetch_stmt ';'                      /* 305 */ { $$ = $1; SetTerminator($$, $2); EndConstruct(); }
    | sql_stmt                            /* 306 */ { $$ = $1; EndConstruct(); }
    | forall_stmt                         /* 307 */ { $$ = $1; EndConstruct(); }
    | case_stmt ';'                       /* 308 */ { $$ = $1; SetTerminator($$, $2); EndConstruct(); }
    | proc_call ';'                       /* 309 */ { $$ = PlsqlProcBasic($1); SetTerminator($$, $2); EndConstruct(); }
    | plsql_block ';'                     /* 310 */ { $$ = $1; SetTerminator($$, $2); EndConstruct(); }
    | DOUBLE_LT label_name DOUBLE_GT assign_stmt ';'
                                          /* 311 */ { $$ = Labelled($4, $1, $2, $3, $5); EndConstruct(); }
    | DOUBLE_LT label_name DOUBLE_GT exit_stmt ';'
                                          /* 312 */ { $$ = Labelled($4, $1, $2, $3, $5); EndConstruct(); }
    | DOUBLE_LT label_name DOUBLE_GT goto_stmt ';'
                                          /* 313 */ { $$ = Labelled($4, $1, $2, $3, $5); EndConstruct(); }
    | DOUBLE_LT label_name DOUBLE_GT if_stmt ';'
                                          /* 314 */ { $$ = Labelled($4, $1, $2, $3, $5); EndConstruct(); }
    | DOUBLE_LT label_name DOUBLE_GT loop_stmt opt_end_label ';'
                                          /* 315 */ { $$ = Labelled($4, $1, $2, $3, $6); SetLoopEndLabel($$, $5); EndConstruct(); }
    | DOUBLE_LT label_name DOUBLE_GT null_stmt ';'
                                          /* 316 */ { $$ = Labelled($4, $1, $2, $3, $5); EndConstruct(); }
    | DOUBLE_LT label_name DOUBLE_GT raise_stmt ';'
                                          /* 317 */ { $$ = Labelled($4, $1, $2, $3, $5); EndConstruct(); }
    | DOUBLE_LT label_name DOUBLE_GT return_stmt ';'
                                          /* 318 */ { $$ = Labelled($4, $1, $2, $3, $5); EndConstruct(); }
    | DOUBLE_LT label_name DOUBLE_GT sql_stmt
                                          /* 319 */ { $$ = Labelled($4, $1, $2, $3, nullptr); EndConstruct(); }
    | DOUBLE_LT label_name DOUBLE_GT close_stmt ';'
                                          /* 320 */ { $$ = Labelled($4, $1, $2, $3, $5); EndConstruct(); }
    | DOUBLE_LT label_name DOUBLE_GT open_stmt ';'
                                          /* 321 */ { $$ = Labelled($4, $1, $2, $3, $5); EndConstruct(); }
    | DOUBLE_LT label_name DOUBLE_GT open_for_select_stmt
                                          /* 322 */ { $$ = Labelled($4, $1, $2, $3, nullptr); EndConstruct(); }
    | DOUBLE_LT label_name DOUBLE_GT fetch_stmt ';'
                                          /* 323 */ { $$ = Labelled($4, $1, $2, $3, $5); EndConstruct(); }
    | DOUBLE_LT label_name DOUBLE_GT case_stmt ';'
                                          /* 324 */ { $$ = Labelled($4, $1, $2, $3, $5); EndConstruct(); }
    | error                               /* 325 */ { $$ = SkipBrokenConstruct(); }
    ;
proc_call
    : attr                                /* 326 */ { $$ = Ex(Expr_Attr, nullptr, $1, nullptr); }
    | ident                               /* 327 */ { $$ = Ex(Expr_Ident, nullptr, IdentNode($1), nullptr); }
    | ident '.' RW_DELETE                 /* 328 */ { $$ = Ex(Expr_Attr, nullptr, AttrOf($1, L1($3), $2), nullptr); }
    | ident '.' RW_DELETE '(' expr_list ')'
                                          /* 329 */ { $$ = Call(AttrOf($1, L1($3), $2), $4, $5, $6); }
    | attr '.' RW_DELETE                  /* 330 */ { $$ = Ex(Expr_Attr, nullptr, AddPart($1, $2, $3), nullptr); }
    | attr '.' RW_DELETE '(' expr_list ')'
                                          /* 331 */ { $$ = Call(AddPart($1, $2, $3), $4, $5, $6); }
    | const_value                         /* 332 */ { $$ = Ex(Expr_Const, nullptr, $1, nullptr); }
    | func_call_chain                     /* 333 */ { $$ = Ex(Expr_func_exprs, nullptr, $1, nullptr); }
    | func_call_chain '.' ident           /* 334 */ { $$ = Ex(Expr_func_exprs, $2, $1, IdentNode($3)); }
    | func_call_chain '.' attr            /* 335 */ { $$ = Ex(Expr_func_exprs, $2, $1, $3); }
    | func_call_chain '(' ident ')'       /* 336 */ { $$ = Ex(Expr_func_exprs, $2, $1, IdentNode($3)); Tk($$, $2, $4); }
    ;
select_with_parens
    : '(' select_sql ')'                  /* 337 */ { $$ = ParenQuery($1, $2, $3); }
    | '(' select_with_parens ')'          /* 338 */ { $$ = ParenQuery($1, $2, $3); }
    ;
close_stmt
    : RW_CLOSE cursor_name                /* 339 */ { $$ = PlsqlClose($1, $2); }
    ;
open_stmt
    : RW_OPEN cursor_name                 /* 340 */ { $$ = PlsqlOpen($1, IdentNode($2), nullptr, nullptr, nullptr); }
    | RW_OPEN object_name '(' expr_list ')'
                                          /* 341 */ { $$ = PlsqlOpen($1, $2, $3, $4, $5); }
    ;
open_for_select_stmt
    : RW_OPEN cursor_name RW_FOR select_sql
                                          /* 342 */ { $$ = PlsqlOpenFor($1, $2, $3, $4, nullptr, nullptr, nullptr); }
    ;
open_for_expr_stmt
    : RW_OPEN cursor_name RW_FOR plsql_expr
                                          /* 343 */ { $$ = PlsqlOpenFor($1, $2, $3, nullptr, $4, nullptr, nullptr); }
    | RW_OPEN cursor_name RW_FOR plsql_expr RW_USING expr_list
                                          /* 344 */ { $$ = PlsqlOpenFor($1, $2, $3, nullptr, $4, $5, $6); }
    ;
execute_immediate_stmt
    : RW_EXECUTE RW_IMMEDIATE plsql_expr opt_into_list opt_using_list opt_returning_into
                                          /* 345 */ { $$ = PlsqlExecImme($1, $2, $3, $4, $5, $6); }
    ;
opt_into_list
    : RW_INTO expr_list                   /* 346 */ { $$ = ListHolder($2, $1); }
    | %empty                              /* 347 */ { $$ = ListHolder(nullptr, nullptr); }
    ;
opt_using_list
    : RW_USING using_arg_list             /* 348 */ { $$ = ListHolder($2, $1); }
    | %empty                              /* 349 */ { $$ = ListHolder(nullptr, nullptr); }
    ;
using_arg_list
    : name_item                           /* 350 */ { $$ = L1(BindArg(1, $1, nullptr, nullptr)); }
    | RW_IN name_item                     /* 351 */ { $$ = L1(BindArg(2, $2, $1, nullptr)); }
    | RW_OUT name_item                    /* 352 */ { $$ = L1(BindArg(3, $2, $1, nullptr)); }
    | RW_IN RW_OUT name_item              /* 353 */ { $$ = L1(BindArg(4, $3, $1, $2)); }
    | using_arg_list ',' name_item        /* 354 */ { TRk_DummyNode* a = BindArg(1, $3, nullptr, nullptr); Sep(a, $2); $$ = Ap($1, a); }
    | using_arg_list ',' RW_IN name_item  /* 355 */ { TRk_DummyNode* a = BindArg(2, $4, $3, nullptr); Sep(a, $2); $$ = Ap($1, a); }
    | using_arg_list ',' RW_OUT name_item /* 356 */ { TRk_DummyNode* a = BindArg(3, $4, $3, nullptr); Sep(a, $2); $$ = Ap($1, a); }
    | using_arg_list ',' RW_IN RW_OUT name_item
                                          /* 357 */ { TRk_DummyNode* a = BindArg(4, $5, $3, $4); Sep(a, $2); $$ = Ap($1, a); }
    ;
opt_returning_into
    : RW_RETURN RW_INTO name_list         /* 358 */ { $$ = Holder(1, $1, $2); $$->List1 = $3; }
    | RW_RETURNING RW_INTO name_list      /* 359 */ { $$ = Holder(2, $1, $2); $$->List1 = $3; }
    | %empty                              /* 360 */ { $$ = Holder(-9999); }
    ;
fetch_stmt
    : RW_FETCH object_name RW_INTO expr_list
                                          /* 361 */ { $$ = PlsqlFetch($1, $2, $3, $4); }
    ;
opt_exception_section
    : RW_EXCEPTION exception_handler_list /* 362 */ { $$ = ListHolder($2, $1); }
    | %empty                              /* 363 */ { $$ = ListHolder(nullptr, nullptr); }
    ;
exception_handler_list
    : exception_handler                   /* 364 */ { $$ = L1($1); }
    | exception_handler_list exception_handler
                                          /* 365 */ { $$ = Ap($1, $2); }
    ;
subtype_decl
    : RW_SUBTYPE subtype_name RW_IS plsql_datatype opt_not_null
                                          /* 366 */ { $$ = PlsqlVarDecl(3, $2, $4, $5, nullptr); Tk($$, $1, $3); }
    ;
variable_decl
    : ident plsql_datatype opt_not_null opt_declaration_expr
                                          /* 367 */ { $$ = PlsqlVarDecl(1, $1, $2, $3, $4); }
    ;
constant_decl
    : ident RW_CONSTANT constant_datatype opt_not_null opt_declaration_expr
                                          /* 368 */ { $$ = PlsqlVarDecl(2, $1, $3, $4, $5); Tk($$, $2); }
    ;
plsql_datatype
    : type_name                           /* 369 */
    | object_name '%' RW_TYPE             /* 370 */ { $$ = AnchoredType(74, $1, $2, $3); }
    | object_name '%' RW_ROWTYPE          /* 371 */ { $$ = AnchoredType(75, $1, $2, $3); }
    | RW_REF subtype_name                 /* 372 */ { $$ = TypeName(76, nullptr); $$->TypeNameToken = $2; Tk($$, $1, $2); }
    | RW_NATURAL                          /* 373 */ { $$ = TypeName(77, $1); }
    | RW_NATURALN                         /* 374 */ { $$ = TypeName(78, $1); }
    | RW_POSITIVE                         /* 375 */ { $$ = TypeName(79, $1); }
    | RW_POSITIVEN                        /* 376 */ { $$ = TypeName(80, $1); }
    | TOK358                              /* 377 */ { $$ = TypeName(81, $1); }
    | RW_PLS_INTEGER                      /* 378 */ { $$ = TypeName(82, $1); }
    | attr                                /* 379 */ { $$ = AnchoredType(83, $1, nullptr, nullptr); }
    ;
constant_datatype
    : plsql_datatype                      /* 380 */
    ;
opt_not_null
    : RW_NOT RW_NULL                      /* 381 */ { $$ = Holder(1); Tk($$, $1, $2); }
    | %empty                              /* 382 */ { $$ = Holder(0); }
    ;
opt_declaration_expr
    : ASSIGN_OP a_expr                    /* 383 */ { $$ = PlsqlDefault(1, $1, $2); }
    | RW_DEFAULT a_expr                   /* 384 */ { $$ = PlsqlDefault(2, $1, $2); }
    | %empty                              /* 385 */ { $$ = nullptr; }
    ;
null_stmt
    : RW_NULL                             /* 386 */ { $$ = PlsqlNull($1); }
    ;
sql_stmt
    : select_sql                          /* 387 */ { $$ = PlsqlSql($1); }
    | insert_sql                          /* 388 */ { $$ = PlsqlSql($1); }
    | delete_sql                          /* 389 */ { $$ = PlsqlSql($1); }
    | update_sql                          /* 390 */ { $$ = PlsqlSql($1); }
    | commit_sql                          /* 391 */ { $$ = PlsqlSql($1); }
    | rollback_sql                        /* 392 */ { $$ = PlsqlSql($1); }
    | savepoint_sql                       /* 393 */ { $$ = PlsqlSql($1); }
    | set_transaction_sql                 /* 394 */ { $$ = PlsqlSql($1); }
    | lock_table_sql                      /* 395 */ { $$ = PlsqlSql($1); }
    ;

/* ---- Embedded SQL: each takes its own tokens through its ";" ------------- */
select_sql      : RW_SELECT               /* 396 */ { $$ = Embedded<TSelectSqlStatement>($1); } ;
insert_sql      : RW_INSERT               /* 397 */ { $$ = Embedded<TInsertSqlStatement>($1); } ;
delete_sql      : RW_DELETE               /* 398 */ { $$ = Embedded<TDeleteSqlStatement>($1); } ;
update_sql      : RW_UPDATE               /* 399 */ { $$ = Embedded<TUpdateSqlStatement>($1); } ;
commit_sql      : RW_COMMIT               /* 400 */ { $$ = Embedded<TCommitSqlStatement>($1); } ;
rollback_sql    : RW_ROLLBACK             /* 401 */ { $$ = Embedded<TRollbackSqlStatement>($1); } ;
savepoint_sql   : RW_SAVEPOINT            /* 402 */ { $$ = Embedded<TSavepointSqlStatement>($1); } ;
set_transaction_sql : RW_SET              /* 403 */ { $$ = Embedded<TSetTranscationSqlStatement>($1); } ;
lock_table_sql  : RW_LOCK                 /* 404 */ { $$ = Embedded<TLockTableSqlStatement>($1); } ;
call_sql        : RW_CALL                 /* 405 */ { $$ = Embedded<TOracleCallSqlStatement>($1); } ;

/* ---- Type, cursor and exception declarations ----------------------------- */
type_decl
    : type_def                            /* 406 */
    ;
type_def
    : table_type_def                      /* 407 */
    | varray_type_def                     /* 408 */
    | record_type_def                     /* 409 */
    ;
table_type_def
    : RW_TYPE object_name is_or_as RW_TABLE RW_OF element_datatype opt_not_null opt_index_by
                                          /* 410 */ { $$ = PlsqlTableType($1, $2, $3, $4, $5, $6, $7, $8); }
    ;
create_table_type
    : opt_create_or_replace table_type_def /* 411 */ { $$ = $2; }
    ;
opt_index_by
    : RW_INDEX RW_BY RW_BINARY_INTEGER    /* 412 */ { $$ = Holder(1, $1, $2, $3); }
    | %empty                              /* 413 */ { $$ = Holder(0); }
    ;
element_datatype
    : plsql_datatype                      /* 414 */
    ;
varray_type_def
    : RW_TYPE object_name is_or_as RW_VARRAY '(' iconst ')' RW_OF element_datatype opt_not_null
                                          /* 415 */ { $$ = PlsqlVarrayType(1, $1, $2, $3, $4, nullptr, $5, $6, $7, $8, $9, $10); }
    | RW_TYPE object_name is_or_as RW_VARYING RW_ARRAY '(' iconst ')' RW_OF element_datatype opt_not_null
                                          /* 416 */ { $$ = PlsqlVarrayType(2, $1, $2, $3, $4, $5, $6, $7, $8, $9, $10, $11); }
    ;
create_varray_type
    : opt_create_or_replace varray_type_def /* 417 */ { $$ = $2; }
    ;
record_type_def
    : RW_TYPE object_name RW_IS RW_RECORD '(' field_decl_list ')'
                                          /* 418 */ { $$ = PlsqlRecordType($1, $2, $3, $4, $5, $6, $7); }
    ;
field_decl_list
    : field_decl                          /* 419 */ { $$ = L1($1); }
    | field_decl_list ',' field_decl      /* 420 */ { Sep($3, $2); $$ = Ap($1, $3); }
    ;
field_decl
    : field_name plsql_datatype opt_not_null opt_declaration_expr
                                          /* 421 */ { $$ = PlsqlField($1, $2, $3, $4); }
    ;
cursor_decl
    : RW_CURSOR cursor_name opt_cursor_params RW_IS select_sql
                                          /* 422 */ { $$ = PlsqlCursor($1, $2, $3, nullptr, nullptr, $4, $5); }
    | RW_CURSOR cursor_name opt_cursor_params RW_RETURN cursor_return_type RW_IS select_sql
                                          /* 423 */ { $$ = PlsqlCursor($1, $2, $3, $4, $5, $6, $7); }
    | RW_TYPE object_name RW_IS RW_REF RW_CURSOR ';'
                                          /* 424 */ { $$ = PlsqlRefCursor($1, $2, $3, $4, $5, nullptr, nullptr, $6); }
    | RW_TYPE object_name RW_IS RW_REF RW_CURSOR RW_RETURN cursor_return_type ';'
                                          /* 425 */ { $$ = PlsqlRefCursor($1, $2, $3, $4, $5, $6, $7, $8); }
    ;
cursor_spec
    : RW_CURSOR cursor_name opt_cursor_params RW_RETURN cursor_return_type
                                          /* 426 */ { $$ = PlsqlCursor($1, $2, $3, $4, $5, nullptr, nullptr); }
    ;
cursor_body
    : RW_CURSOR cursor_name opt_cursor_params RW_RETURN cursor_return_type RW_IS select_sql
                                          /* 427 */ { $$ = PlsqlCursor($1, $2, $3, $4, $5, $6, $7); }
    ;
opt_cursor_params
    : '(' cursor_param_list ')'           /* 428 */ { $$ = ListHolder($2, nullptr); Tk($$, $1, $3); }
    | %empty                              /* 429 */ { $$ = ListHolder(nullptr, nullptr); }
    ;
cursor_param_list
    : cursor_param_decl                   /* 430 */ { $$ = L1($1); }
    | cursor_param_list ',' cursor_param_decl
                                          /* 431 */ { Sep($3, $2); $$ = Ap($1, $3); }
    ;
cursor_param_decl
    : param_name opt_in plsql_datatype opt_declaration_expr
                                          /* 432 */ { $$ = PlsqlCursorParam($1, $2, $3, $4); }
    ;
opt_in
    : RW_IN                               /* 433 */
    | %empty                              /* 434 */ { $$ = nullptr; }
    ;
cursor_return_type
    : object_name                         /* 435 */ { $$ = AnchoredType(83, $1, nullptr, nullptr); }
    | object_name '%' RW_TYPE             /* 436 */ { $$ = AnchoredType(74, $1, $2, $3); }
    | object_name '%' RW_ROWTYPE          /* 437 */ { $$ = AnchoredType(75, $1, $2, $3); }
    ;
exception_decl
    : ident RW_EXCEPTION                  /* 438 */ { $$ = PlsqlVarDecl(5, $1, nullptr, nullptr, nullptr); Tk($$, $2); }
    ;
exception_handler
    : RW_WHEN RW_OTHERS RW_THEN stmt_list /* 439 */ { $$ = PlsqlHandler(1, nullptr, $4); Tk($$, $1, $2, $3); }
    | RW_WHEN exception_name_list RW_THEN stmt_list
                                          /* 440 */ { $$ = PlsqlHandler(2, $2, $4); Tk($$, $1, $3); }
    ;
exception_name_list
    : object_name                         /* 441 */ { $$ = L1($1); }
    | exception_name_list RW_OR object_name
                                          /* 442 */ { Sep($3, $2); $$ = Ap($1, $3); }
    ;
exception_init_pragma
    : RW_PRAGMA RW_EXCEPTION_INIT '(' ident ',' a_expr ')'
                                          /* 443 */ { $$ = PlsqlVarDecl(6, $4, nullptr, nullptr, nullptr); SetVarValue($$, $6);
                                                     Tk($$, $1, $2, $3, $5, $7); }
    ;

/* ---- Assignments and control statements ---------------------------------- */
assign_stmt
    : assign_target ASSIGN_OP plsql_expr  /* 444 */ { $$ = PlsqlAssign($1, $2, $3); }
    ;
assign_target
    : ident                               /* 445 */ { $$ = PlsqlLeftSide($1, nullptr, nullptr, nullptr, nullptr, nullptr); }
    | attr                                /* 446 */ { $$ = PlsqlLeftSide(nullptr, $1, nullptr, nullptr, nullptr, nullptr); }
    | func_call_chain                     /* 447 */ { $$ = PlsqlLeftSide(nullptr, nullptr, $1, nullptr, nullptr, nullptr); }
    | func_call_chain '.' ident           /* 448 */ { $$ = PlsqlLeftSide($3, nullptr, $1, $2, nullptr, nullptr); }
    | func_call_chain '.' attr            /* 449 */ { $$ = PlsqlLeftSide(nullptr, $3, $1, $2, nullptr, nullptr); }
    | func_call_chain '(' ident ')'       /* 450 */ { $$ = PlsqlLeftSide($3, nullptr, $1, nullptr, $2, $4); }
    ;
plsql_expr
    : primary_expr                        /* 451 */
    | plsql_expr RW_TYPECAST type_name    /* 452 */ { $$ = Ex(Expr_Other, $2, $1, $3); }
    | plsql_expr RW_AT RW_TIME RW_ZONE primary_expr
                                          /* 453 */ { $$ = Ex(Expr_AtTimeZone, $2, $1, $5); Tk($$, $2, $3, $4); }
    | '+' plsql_expr %prec UMINUS         /* 454 */ { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '-' plsql_expr %prec UMINUS         /* 455 */ { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '%' plsql_expr %prec UMINUS         /* 456 */ { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | '^' plsql_expr %prec UMINUS         /* 457 */ { $$ = Ex(Expr_Arithmetic, $1, nullptr, $2); }
    | RW_PRIOR plsql_expr                 /* 458 */ { $$ = Ex(Expr_Other, $1, nullptr, $2); }
    | plsql_expr '%'                      /* 459 */ { $$ = Ex(Expr_Arithmetic, $2, $1, nullptr); }
    | plsql_expr '^'                      /* 460 */ { $$ = Ex(Expr_Arithmetic, $2, $1, nullptr); }
    | plsql_expr '+' plsql_expr           /* 461 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | plsql_expr '-' plsql_expr           /* 462 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | plsql_expr '*' plsql_expr           /* 463 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | plsql_expr '/' plsql_expr           /* 464 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | plsql_expr '%' plsql_expr           /* 465 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | plsql_expr '^' plsql_expr           /* 466 */ { $$ = Ex(Expr_Arithmetic, $2, $1, $3); }
    | plsql_expr '<' plsql_expr           /* 467 */ { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | plsql_expr '>' plsql_expr           /* 468 */ { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | plsql_expr '=' plsql_expr           /* 469 */ { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | plsql_expr OPERATOR plsql_expr      /* 470 */ { $$ = Ex(Expr_OP, $2, $1, $3); }
    | OPERATOR plsql_expr                 /* 471 */ { $$ = Ex(Expr_OP, $1, nullptr, $2); }
    | plsql_expr OPERATOR                 /* 472 */ { $$ = Ex(Expr_OP, $2, $1, nullptr); }
    | plsql_expr RW_AND plsql_expr        /* 473 */ { $$ = Ex(Expr_AND, $2, $1, $3); }
    | plsql_expr RW_OR plsql_expr         /* 474 */ { $$ = Ex(Expr_OR, $2, $1, $3); }
    | RW_NOT plsql_expr                   /* 475 */ { $$ = Ex(Expr_NOT, $1, nullptr, $2); }
    | plsql_expr RW_LIKE plsql_expr       /* 476 */ { $$ = Ex(Expr_Comparison, $2, $1, $3); }
    | plsql_expr RW_LIKE plsql_expr RW_ESCAPE plsql_expr
                                          /* 477 */ { $$ = Ex(Expr_Comparison, $2, $1, Ex(Expr_Escape, $4, $3, $5)); }
    | plsql_expr RW_NOT RW_LIKE plsql_expr
                                          /* 478 */ { $$ = Ex(Expr_NotLike, $2, $1, $4); Tk($$, $2, $3); }
    | plsql_expr RW_NOT RW_LIKE plsql_expr RW_ESCAPE plsql_expr
                                          /* 479 */ { $$ = Ex(Expr_NotLike, $2, $1, Ex(Expr_Escape, $5, $4, $6)); Tk($$, $2, $3); }
    | plsql_expr RW_IS RW_NULL            /* 480 */ { $$ = Ex(Expr_IsNull, nullptr, $1, nullptr); Tk($$, $2, $3); }
    | plsql_expr RW_IS RW_NOT RW_NULL     /* 481 */ { $$ = Ex(Expr_IsNotNull, nullptr, $1, nullptr); Tk($$, $2, $3, $4); }
    | plsql_expr RW_BETWEEN b_expr RW_AND b_expr
                                          /* 482 */ { $$ = Ex(Expr_Between, $2, $1, Ex(Expr_AND, $4, $3, $5)); }
    | plsql_expr RW_NOT RW_BETWEEN b_expr RW_AND b_expr
                                          /* 483 */ { $$ = Ex(Expr_NotBetween, $2, $1, Ex(Expr_AND, $5, $4, $6)); Tk($$, $2, $3); }
    | plsql_expr RW_IN in_expr            /* 484 */ { $$ = Ex(Expr_In, $2, $1, $3); }
    | plsql_expr RW_NOT RW_IN in_expr     /* 485 */ { $$ = Ex(Expr_NotIn, $2, $1, $4); Tk($$, $2, $3); }
    | plsql_expr all_op sub_type select_with_parens
                                          /* 486 */ { $$ = Quantified($2, $1, $3, $4); }
    | plsql_expr all_op sub_type '(' row_elements ')'
                                          /* 487 */ { $$ = Quantified($2, $1, $3, Paren($4, $5, $6)); }
    | row_expr                            /* 488 */
    | plsql_expr OUTER_JOIN_MARK          /* 489 */ { $$ = Ex(Expr_OuterJoin, $2, $1, nullptr); }
    | plsql_expr RW_DAY RW_TO RW_SECOND   /* 490 */ { $$ = Ex(Expr_DayToSecond, $2, $1, nullptr); Tk($$, $2, $3, $4); }
    | plsql_expr RW_YEAR RW_TO RW_MONTH   /* 491 */ { $$ = Ex(Expr_YearToMonth, $2, $1, nullptr); Tk($$, $2, $3, $4); }
    | plsql_expr RW_IS RW_OF '(' of_type_list ')'
                                          /* 492 */ { $$ = IsOfType($1, $2, $6); }
    | plsql_expr RW_IS RW_OF RW_TYPE '(' of_type_list ')'
                                          /* 493 */ { $$ = IsOfType($1, $2, $7); }
    | plsql_expr RW_IS RW_NOT RW_OF '(' of_type_list ')'
                                          /* 494 */ { $$ = IsOfType($1, $2, $7); }
    | plsql_expr RW_IS RW_NOT RW_OF RW_TYPE '(' of_type_list ')'
                                          /* 495 */ { $$ = IsOfType($1, $2, $8); }
    | RW_SQL '%' RW_FOUND                 /* 496 */ { $$ = Ex(Expr_Plsql_sql_condition, $3, nullptr, nullptr); Tk($$, $1, $2, $3); }
    | RW_SQL '%' RW_ISOPEN                /* 497 */ { $$ = Ex(Expr_Plsql_sql_condition, $3, nullptr, nullptr); Tk($$, $1, $2, $3); }
    | RW_SQL '%' RW_NOTFOUND              /* 498 */ { $$ = Ex(Expr_Plsql_sql_condition, $3, nullptr, nullptr); Tk($$, $1, $2, $3); }
    | RW_SQL '%' RW_ROWCOUNT              /* 499 */ { $$ = Ex(Expr_Plsql_sql_condition, $3, nullptr, nullptr); Tk($$, $1, $2, $3); }
    | plsql_expr '*' '*' iconst           /* 500 */ { $$ = Ex(Expr_DoubleStar, $2, $1, IdentNode($4)); Tk($$, $2, $3); }
    ;
exit_stmt
    : RW_EXIT                             /* 501 */ { $$ = PlsqlExit($1, nullptr, nullptr, nullptr); }
    | RW_EXIT label_name                  /* 502 */ { $$ = PlsqlExit($1, $2, nullptr, nullptr); }
    | RW_EXIT label_name RW_WHEN exit_condition
                                          /* 503 */ { $$ = PlsqlExit($1, $2, $3, $4); }
    | RW_EXIT RW_WHEN exit_condition      /* 504 */ { $$ = PlsqlExit($1, nullptr, $2, $3); }
    ;
exit_condition
    : plsql_expr                          /* 505 */
    ;
goto_stmt
    : RW_GOTO label_name                  /* 506 */ { $$ = PlsqlGoto($1, $2); }
    ;
if_stmt
    : RW_IF condition RW_THEN stmt_list RW_END RW_IF
                                          /* 507 */ { $$ = PlsqlIf($2, $4, nullptr, nullptr); Tk($$, $1, $3, $5, $6); }
    | RW_IF condition RW_THEN stmt_list RW_ELSE stmt_list RW_END RW_IF
                                          /* 508 */ { $$ = PlsqlIf($2, $4, nullptr, $6); Tk($$, $1, $3, $5, $7, $8); }
    | RW_IF condition RW_THEN stmt_list elsif_list RW_END RW_IF
                                          /* 509 */ { $$ = PlsqlIf($2, $4, $5, nullptr); Tk($$, $1, $3, $6, $7); }
    | RW_IF condition RW_THEN stmt_list elsif_list RW_ELSE stmt_list RW_END RW_IF
                                          /* 510 */ { $$ = PlsqlIf($2, $4, $5, $7); Tk($$, $1, $3, $6, $8, $9); }
    ;
elsif_list
    : elsif_list elsif_clause             /* 511 */ { $$ = Ap($1, $2); }
    | elsif_clause                        /* 512 */ { $$ = L1($1); }
    ;
elsif_clause
    : RW_ELSIF condition RW_THEN stmt_list /* 513 */ { $$ = PlsqlElsif($2, $4); Tk($$, $1, $3); }
    ;
condition
    : plsql_expr                          /* 514 */
    ;
forall_stmt
    : RW_FORALL ident RW_IN lower_bound DOUBLE_DOT upper_bound sql_stmt
                                          /* 515 */ { $$ = PlsqlForall($2, $4, $6, $7); Tk($$, $1, $3, $5); }
    ;
case_stmt
    : case_expr RW_CASE opt_end_label     /* 516 */ { $$ = PlsqlCaseStmt($1, $3); Tk($$, $2); }
    ;
loop_stmt
    : RW_LOOP stmt_list RW_END RW_LOOP    /* 517 */ { $$ = PlsqlLoop(1, nullptr, $2); Tk($$, $1, $3, $4); }
    | RW_WHILE condition RW_LOOP stmt_list RW_END RW_LOOP
                                          /* 518 */ { $$ = PlsqlLoop(2, nullptr, $4); SetLoopWhile($$, $2); Tk($$, $1, $3, $5, $6); }
    | RW_FOR ident RW_IN lower_bound DOUBLE_DOT upper_bound RW_LOOP stmt_list RW_END RW_LOOP
                                          /* 519 */ { $$ = PlsqlLoop(3, $2, $8); SetLoopBounds($$, $4, $6, 0); Tk($$, $1, $3, $5, $7, $9, $10); }
    | RW_FOR ident RW_IN RW_REVERSE lower_bound DOUBLE_DOT upper_bound RW_LOOP stmt_list RW_END RW_LOOP
                                          /* 520 */ { $$ = PlsqlLoop(4, $2, $9); SetLoopBounds($$, $5, $7, 1); Tk($$, $1, $3, $4, $6, $8, $10, $11); }
    | RW_FOR ident RW_IN select_with_parens RW_LOOP stmt_list RW_END RW_LOOP
                                          /* 521 */ { $$ = PlsqlLoop(5, $2, $6); SetLoopQuery($$, $4); Tk($$, $1, $3, $5, $7, $8); }
    | RW_FOR ident RW_IN cursor_name RW_LOOP stmt_list RW_END RW_LOOP
                                          /* 522 */ { $$ = PlsqlLoop(6, $2, $6); SetLoopCursor($$, IdentNode($4), nullptr); Tk($$, $1, $3, $5, $7, $8); }
    | RW_FOR ident RW_IN func_name '(' expr_list ')' RW_LOOP stmt_list RW_END RW_LOOP
                                          /* 523 */ { $$ = PlsqlLoop(7, $2, $9); SetLoopCursor($$, $4, $6); Tk($$, $1, $3, $5, $7, $8, $10, $11); }
    | RW_FOR ident RW_IN attr RW_LOOP stmt_list RW_END RW_LOOP
                                          /* 524 */ { $$ = PlsqlLoop(8, $2, $6); SetLoopCursor($$, $4, nullptr); Tk($$, $1, $3, $5, $7, $8); }
    ;
lower_bound
    : a_expr                              /* 525 */
    ;
upper_bound
    : a_expr                              /* 526 */
    ;
raise_stmt
    : RW_RAISE                            /* 527 */ { $$ = PlsqlRaise($1, nullptr); }
    | RW_RAISE ident                      /* 528 */ { $$ = PlsqlRaise($1, $2); }
    ;
return_stmt
    : RW_RETURN                           /* 529 */ { $$ = PlsqlReturn($1, nullptr); }
    | RW_RETURN plsql_expr                /* 530 */ { $$ = PlsqlReturn($1, $2); }
    ;

/* ---- Procedures, functions and packages ---------------------------------- */
create_procedure
    : opt_create_or_replace RW_PROCEDURE subprogram_name opt_param_decls is_or_as declaration_list
      RW_BEGIN stmt_list opt_exception_section RW_END opt_end_label
                                          /* 531 */ { $$ = PlsqlProcedure($1, $2, $3, $4, nullptr, nullptr, nullptr, $5, $6, $7, $8, $9, $10, $11); }
    | opt_create_or_replace RW_PROCEDURE subprogram_name opt_param_decls is_or_as
      RW_BEGIN stmt_list opt_exception_section RW_END opt_end_label
                                          /* 532 */ { $$ = PlsqlProcedure($1, $2, $3, $4, nullptr, nullptr, nullptr, $5, nullptr, $6, $7, $8, $9, $10); }
    ;
procedure_spec
    : RW_PROCEDURE subprogram_name opt_param_decls
                                          /* 535 */ { $$ = PlsqlSpec($1, $2, $3, nullptr, nullptr); }
    ;
procedure_body
    : RW_PROCEDURE subprogram_name opt_param_decls is_or_as declaration_list
      RW_BEGIN stmt_list opt_exception_section RW_END opt_end_label
                                          /* 536 */ { $$ = PlsqlProcedure(nullptr, $1, $2, $3, nullptr, nullptr, nullptr, $4, $5, $6, $7, $8, $9, $10); }
    | RW_PROCEDURE subprogram_name opt_param_decls is_or_as
      RW_BEGIN stmt_list opt_exception_section RW_END opt_end_label
                                          /* 537 */ { $$ = PlsqlProcedure(nullptr, $1, $2, $3, nullptr, nullptr, nullptr, $4, nullptr, $5, $6, $7, $8, $9); }
    ;
opt_param_decls
    : '(' param_decl_list ')'             /* 538 */ { $$ = ListHolder($2, nullptr); Tk($$, $1, $3); }
    | %empty                              /* 539 */ { $$ = ListHolder(nullptr, nullptr); }
    ;
param_decl_list
    : param_decl                          /* 540 */ { $$ = L1($1); }
    | param_decl_list ',' param_decl      /* 541 */ { Sep($3, $2); $$ = Ap($1, $3); }
    ;
param_decl
    : param_name plsql_datatype opt_declaration_expr
                                          /* 542 */ { $$ = PlsqlParam(1, $1, $2, $3); }
    | param_name RW_IN plsql_datatype opt_declaration_expr
                                          /* 543 */ { $$ = PlsqlParam(2, $1, $3, $4); Tk($$, $2); }
    | param_name RW_OUT plsql_datatype opt_declaration_expr
                                          /* 544 */ { $$ = PlsqlParam(3, $1, $3, $4); Tk($$, $2); }
    | param_name RW_IN RW_OUT plsql_datatype opt_declaration_expr
                                          /* 545 */ { $$ = PlsqlParam(4, $1, $4, $5); Tk($$, $2, $3); }
    | %empty                              /* 546 */ { $$ = PlsqlParam(-9999, nullptr, nullptr, nullptr); }
    ;
create_function
    : opt_create_or_replace RW_FUNCTION subprogram_name opt_param_decls RW_RETURN plsql_datatype
      opt_function_options is_or_as declaration_list RW_BEGIN stmt_list opt_exception_section RW_END opt_end_label
                                          /* 547 */ { $$ = PlsqlProcedure($1, $2, $3, $4, $5, $6, $7, $8, $9, $10, $11, $12, $13, $14); }
    | opt_create_or_replace RW_FUNCTION subprogram_name opt_param_decls RW_RETURN plsql_datatype
      opt_function_options is_or_as RW_BEGIN stmt_list opt_exception_section RW_END opt_end_label
                                          /* 548 */ { $$ = PlsqlProcedure($1, $2, $3, $4, $5, $6, $7, $8, nullptr, $9, $10, $11, $12, $13); }
    ;
opt_function_options
    : RW_DETERMINISTIC                    /* 549 */ { $$ = Holder(); Tk($$, $1); }
    | RW_PARALLEL_ENABLE                  /* 550 */ { $$ = Holder(); Tk($$, $1); }
    | RW_PARALLEL_ENABLE RW_DETERMINISTIC /* 551 */ { $$ = Holder(); Tk($$, $1, $2); }
    | %empty                              /* 552 */ { $$ = nullptr; }
    ;
function_spec
    : RW_FUNCTION subprogram_name opt_param_decls RW_RETURN plsql_datatype
                                          /* 555 */ { $$ = PlsqlSpec($1, $2, $3, $4, $5); }
    ;
function_body
    : RW_FUNCTION subprogram_name opt_param_decls RW_RETURN plsql_datatype is_or_as declaration_list
      RW_BEGIN stmt_list opt_exception_section RW_END opt_end_label
                                          /* 556 */ { $$ = PlsqlProcedure(nullptr, $1, $2, $3, $4, $5, nullptr, $6, $7, $8, $9, $10, $11, $12); }
    | RW_FUNCTION subprogram_name opt_param_decls RW_RETURN plsql_datatype is_or_as
      RW_BEGIN stmt_list opt_exception_section RW_END opt_end_label
                                          /* 557 */ { $$ = PlsqlProcedure(nullptr, $1, $2, $3, $4, $5, nullptr, $6, nullptr, $7, $8, $9, $10, $11); }
    ;
create_package
    : package_spec                        /* 558 */
    | package_body                        /* 559 */
    ;
package_spec
    : opt_create_or_replace RW_PACKAGE subprogram_name is_or_as package_spec_item_list RW_END opt_end_label
                                          /* 560 */ { $$ = PlsqlPackage($1, $2, nullptr, $3, $4, $5, nullptr, nullptr, nullptr, $6, $7); }
    ;
package_spec_item_list
    : package_spec_item                   /* 561 */ { $$ = L1($1); }
    | package_spec_item_list package_spec_item
                                          /* 562 */ { $$ = Ap($1, $2); }
    ;
package_spec_item
    : package_pragma ';'                  /* 563 */ { $$ = $1; SetTerminator($$, $2); }
    | package_item_decl ';'               /* 564 */ { $$ = $1; SetTerminator($$, $2); }
    | cursor_spec ';'                     /* 565 */ { $$ = $1; SetTerminator($$, $2); }
    | cursor_decl                         /* 566 */
    | function_spec ';'                   /* 567 */ { $$ = $1; SetTerminator($$, $2); }
    | procedure_spec ';'                  /* 568 */ { $$ = $1; SetTerminator($$, $2); }
    ;
package_pragma
    : RW_PRAGMA RW_SERIALLY_REUSABLE      /* 569 */ { $$ = PlsqlPragma(nullptr); Tk($$, $1, $2); }
    | RW_PRAGMA RW_RESTRICT_REFERENCES '(' name_list ')'
                                          /* 570 */ { $$ = PlsqlPragma($4); Tk($$, $1, $2, $3, $5); }
    | RW_PRAGMA RW_RESTRICT_REFERENCES '(' RW_DEFAULT ',' name_list ')'
                                          /* 571 */ { $$ = PlsqlPragma($6); Tk($$, $1, $2, $3, $4, $5, $7); }
    ;
package_body
    : opt_create_or_replace RW_PACKAGE RW_BODY subprogram_name is_or_as package_body_item_list RW_END opt_end_label
                                          /* 572 */ { $$ = PlsqlPackage($1, $2, $3, $4, $5, $6, nullptr, nullptr, nullptr, $7, $8); }
    | opt_create_or_replace RW_PACKAGE RW_BODY subprogram_name is_or_as package_body_item_list
      RW_BEGIN stmt_list opt_exception_section RW_END opt_end_label
                                          /* 573 */ { $$ = PlsqlPackage($1, $2, $3, $4, $5, $6, $7, $8, $9, $10, $11); }
    ;
package_body_item_list
    : package_body_item                   /* 574 */ { $$ = L1($1); }
    | package_body_item_list package_body_item
                                          /* 575 */ { $$ = Ap($1, $2); }
    ;
package_body_item
    : package_item_decl ';'               /* 576 */ { $$ = $1; SetTerminator($$, $2); }
    | cursor_body                         /* 577 */
    | function_body ';'                   /* 578 */ { $$ = $1; SetTerminator($$, $2); }
    | procedure_body ';'                  /* 579 */ { $$ = $1; SetTerminator($$, $2); }
    ;
package_item_decl
    : variable_decl                       /* 580 */
    | type_def                            /* 581 */
    | constant_decl                       /* 582 */
    | exception_decl                      /* 583 */
    | subtype_decl                        /* 584 */
    | exception_init_pragma               /* 585 */
    ;
is_or_as
    : RW_IS                               /* 586 */
    | RW_AS                               /* 587 */
    ;

/* ---- Triggers and object types ------------------------------------------- */
create_trigger
    : opt_create_or_replace RW_TRIGGER object_name trigger_timing trigger_event opt_trigger_when plsql_block
                                          /* 588 */ { $$ = PlsqlTrigger($1, $2, $3, $4, $5, $6, $7, nullptr); }
    | opt_create_or_replace RW_TRIGGER object_name trigger_timing trigger_event opt_trigger_when call_sql
                                          /* 589 */ { $$ = PlsqlTrigger($1, $2, $3, $4, $5, $6, nullptr, $7); }
    ;
opt_trigger_when
    : RW_WHEN '(' a_expr ')'              /* 590 */ { $$ = Holder(-9999, $1, $2, $4); $$->Sub1 = $3; }
    | %empty                              /* 591 */ { $$ = nullptr; }
    ;
trigger_timing
    : RW_BEFORE                           /* 592 */ { $$ = Holder(-9999, $1); }
    | RW_AFTER                            /* 593 */ { $$ = Holder(-9999, $1); }
    | RW_INSTEAD RW_OF                    /* 594 */ { $$ = Holder(-9999, $1, $2); }
    ;
trigger_event
    : dml_trigger_event                   /* 595 */ { $$ = $1; if ($$) $$->Int1 = 1; }
    | ddl_trigger_event                   /* 596 */ { $$ = $1; if ($$) $$->Int1 = 2; }
    | database_trigger_event              /* 597 */ { $$ = $1; if ($$) $$->Int1 = 3; }
    ;
dml_trigger_event
    : dml_event_list RW_ON object_name opt_referencing opt_for_each_row
                                          /* 598 */ { $$ = ListHolder($1, $2); $$->Sub1 = $3; $$->Sub2 = $4; $$->Sub3 = $5; }
    | dml_event_list RW_ON RW_NESTED RW_TABLE ident RW_OF object_name opt_referencing opt_for_each_row
                                          /* 599 */ { $$ = ListHolder($1, $2); $$->Tok2 = $3; $$->Tok3 = $4; $$->Tok4 = $5; $$->Tok5 = $6;
                                                     $$->Sub1 = $7; $$->Sub2 = $8; $$->Sub3 = $9; }
    ;
dml_event_list
    : dml_event                           /* 600 */ { $$ = L1($1); }
    | dml_event_list RW_OR dml_event      /* 601 */ { $$ = Ap($1, $3); Sep($3, $2); }
    ;
dml_event
    : RW_DELETE                           /* 602 */ { $$ = Holder(-9999, $1); }
    | RW_INSERT                           /* 603 */ { $$ = Holder(-9999, $1); }
    | RW_UPDATE                           /* 604 */ { $$ = Holder(-9999, $1); }
    | RW_UPDATE RW_OF name_list           /* 605 */ { $$ = Holder(-9999, $1, $2); $$->List1 = $3; }
    ;
opt_referencing
    : %empty                              /* 606 */ { $$ = nullptr; }
    ;
opt_for_each_row
    : RW_FOR RW_EACH RW_ROW               /* 607 */ { $$ = Holder(-9999, $1, $2, $3); }
    | %empty                              /* 608 */ { $$ = nullptr; }
    ;
ddl_trigger_event
    : ddl_event_list RW_ON RW_SCHEMA      /* 609 */ { $$ = ListHolder($1, $2); $$->Tok2 = $3; }
    | ddl_event_list RW_ON ident '.' RW_SCHEMA
                                          /* 610 */ { $$ = ListHolder($1, $2); $$->Tok2 = $3; $$->Tok3 = $4; $$->Tok4 = $5; }
    | ddl_event_list RW_ON RW_DATABASE    /* 611 */ { $$ = ListHolder($1, $2); $$->Tok2 = $3; }
    ;
ddl_event_list
    : ddl_event                           /* 612 */ { $$ = L1($1); }
    | ddl_event_list RW_OR ddl_event      /* 613 */ { $$ = Ap($1, $3); Sep($3, $2); }
    ;
ddl_event
    : RW_ALTER                            /* 614 */ { $$ = Holder(-9999, $1); }
    | TOK500                              /* 615 */ { $$ = Holder(-9999, $1); }
    | RW_ASSOCIATE RW_STATISTICS          /* 616 */ { $$ = Holder(-9999, $1, $2); }
    | TOK389                              /* 617 */ { $$ = Holder(-9999, $1); }
    | RW_COMMENT                          /* 618 */ { $$ = Holder(-9999, $1); }
    | RW_CREATE                           /* 619 */ { $$ = Holder(-9999, $1); }
    | RW_DISASSOCIATE RW_STATISTICS       /* 620 */ { $$ = Holder(-9999, $1, $2); }
    | RW_DROP                             /* 621 */ { $$ = Holder(-9999, $1); }
    | RW_GRANT                            /* 622 */ { $$ = Holder(-9999, $1); }
    | TOK439                              /* 623 */ { $$ = Holder(-9999, $1); }
    | RW_RENAME                           /* 624 */ { $$ = Holder(-9999, $1); }
    | RW_REVOKE                           /* 625 */ { $$ = Holder(-9999, $1); }
    | RW_TRUNCATE                         /* 626 */ { $$ = Holder(-9999, $1); }
    | RW_DDL                              /* 627 */ { $$ = Holder(-9999, $1); }
    ;
database_trigger_event
    : database_event_list RW_ON RW_SCHEMA /* 628 */ { $$ = ListHolder($1, $2); $$->Tok2 = $3; }
    | database_event_list RW_ON ident '.' RW_SCHEMA
                                          /* 629 */ { $$ = ListHolder($1, $2); $$->Tok2 = $3; $$->Tok3 = $4; $$->Tok4 = $5; }
    | database_event_list RW_ON RW_DATABASE
                                          /* 630 */ { $$ = ListHolder($1, $2); $$->Tok2 = $3; }
    ;
database_event_list
    : database_event                      /* 631 */ { $$ = L1($1); }
    | database_event_list RW_OR database_event
                                          /* 632 */ { $$ = Ap($1, $3); Sep($3, $2); }
    ;
database_event
    : ident                               /* 633 */ { $$ = Holder(-9999, $1); }
    ;
create_type
    : object_type_spec                    /* 634 */
    | object_type_body                    /* 635 */
    ;
object_type_spec
    : opt_create_or_replace RW_TYPE object_name is_or_as RW_OBJECT '(' object_member_list ')'
                                          /* 636 */
    ;
object_member_list
    : object_member                       /* 637 */
    | object_member_list ',' object_member /* 638 */
    ;
object_member
    : ident plsql_datatype                /* 639 */
    | cursor_spec                         /* 640 */
    | exception_decl                      /* 641 */
    | RW_MEMBER function_spec             /* 642 */
    | UNDEFINED_MEMBER_PREFIX function_spec /* 643 */
    | RW_MEMBER procedure_spec            /* 644 */
    | UNDEFINED_MEMBER_PREFIX procedure_spec /* 645 */
    | RW_MAP RW_MEMBER function_spec      /* 646 */
    | RW_ORDER RW_MEMBER function_spec    /* 647 */
    | RW_PRAGMA RW_RESTRICT_REFERENCES '(' name_list ')'
                                          /* 648 */
    | RW_PRAGMA RW_RESTRICT_REFERENCES '(' RW_DEFAULT ',' name_list ')'
                                          /* 649 */
    ;
object_type_body
    : opt_create_or_replace RW_TYPE RW_BODY object_name is_or_as object_body_member_list RW_END
                                          /* 650 */
    ;
object_body_member_list
    : object_body_member                  /* 651 */
    | object_body_member_list object_body_member /* 652 */
    ;
object_body_member
    : RW_MEMBER function_body ';'         /* 653 */
    | UNDEFINED_MEMBER_PREFIX function_body ';' /* 654 */
    | RW_MEMBER procedure_body ';'        /* 655 */
    | UNDEFINED_MEMBER_PREFIX procedure_body ';' /* 656 */
    | RW_MAP RW_MEMBER function_body ';'  /* 657 */
    | RW_ORDER RW_MEMBER function_body ';' /* 658 */
    ;
opt_create_or_replace
    : RW_CREATE                           /* 659 */ { $$ = Holder(1, $1); }
    | RW_CREATE RW_OR RW_REPLACE          /* 660 */ { $$ = Holder(2, $1, $2, $3); }
    | %empty                              /* 661 */ { $$ = Holder(0); }
    ;

/* ---- Constants, names and keyword lists ---------------------------------- */
const_value
    : iconst                              /* 662 */ { $$ = Const(55, $1); }
    | fconst                              /* 663 */ { $$ = Const(48, $1); }
    | sconst                              /* 664 */ { $$ = Const(172, $1); }
    | RW_NULL                             /* 665 */ { $$ = Const(64, $1); }
    | RW_DATE sconst                      /* 666 */ { TRk_A_Const* c = Const(103, nullptr); c->ValueToken = $2; Tk(c, $1, $2); $$ = c; }
    | BIND_NAME RW_INDICATOR BIND_NAME    /* 667 */ { $$ = Const(12, nullptr); Tk($$, $1, $2, $3); }
    | BIND_NAME BIND_NAME                 /* 668 */ { $$ = Const(12, nullptr); Tk($$, $1, $2); }
    ;
subtype_name
    : ident                               /* 669 */
    ;
subprogram_name
    : object_name                         /* 670 */
    | RW_EXIT                             /* 671 */ { $$ = AttrOf($1, nullptr, nullptr); }
    ;
label_name
    : ident                               /* 672 */
    | RW_EXIT                             /* 673 */
    ;
name_item
    : ident                               /* 674 */
    ;
field_name
    : ident                               /* 680 */
    | RW_FUNCTION                         /* 681 */
    ;
cursor_name
    : ident                               /* 682 */
    ;
param_name
    : ident                               /* 683 */
    ;
iconst
    : INTEGER_LIT                         /* 685 */
    ;
sconst
    : STRING_LIT                          /* 686 */
    ;
fconst
    : NUMBER_LIT                          /* 687 */
    ;
ident
    : IDENT                               /* 689 */
    | unreserved_keyword                  /* 690 */
    | col_name_keyword                    /* 691 */
    | BIND_NAME                           /* 692 */
    ;
type_ident
    : IDENT                               /* 693 */
    | unreserved_keyword                  /* 694 */
    | BIND_NAME                           /* 695 */
    ;
unreserved_keyword
    : RW_ACCESS                         /* 706 */
    | RW_AT                             /* 707 */
    | RW_BOTH                           /* 708 */
    | RW_BY                             /* 709 */
    | RW_BYTE                           /* 710 */
    | RW_CLOSE                          /* 711 */
    | RW_DOUBLE                         /* 712 */
    | RW_ESCAPE                         /* 713 */
    | RW_EXECUTE                        /* 714 */
    | RW_EXCEPT                         /* 715 */
    | RW_EXTRACT                        /* 716 */
    | RW_FETCH                          /* 717 */
    | RW_HOUR                           /* 718 */
    | RW_IMMEDIATE                      /* 719 */
    | RW_LEADING                        /* 720 */
    | RW_MINUTE                         /* 721 */
    | RW_MONTH                          /* 722 */
    | RW_NATIONAL                       /* 723 */
    | RW_OBJECT                         /* 724 */
    | RW_OF                             /* 725 */
    | RW_OTHERS                         /* 726 */
    | RW_OUT                            /* 727 */
    | RW_OVER                           /* 728 */
    | RW_OVERLAPS                       /* 729 */
    | RW_PACKAGE                        /* 730 */
    | RW_PRECISION                      /* 731 */
    | RW_REF                            /* 732 */
    | RW_RECORD                         /* 733 */
    | RW_REPLACE                        /* 734 */
    | RW_RESTRICT_REFERENCES            /* 735 */
    | RW_SECOND                         /* 736 */
    | RW_SERIALLY_REUSABLE              /* 737 */
    | RW_TRAILING                       /* 738 */
    | RW_TRIGGER                        /* 739 */
    | RW_TRIM                           /* 740 */
    | RW_TYPECAST                       /* 741 */
    | RW_VARYING                        /* 742 */
    | RW_WITHOUT                        /* 743 */
    | RW_ZONE                           /* 744 */
    | RW_ROWTYPE                        /* 745 */
    | RW_ROWCOUNT                       /* 746 */
    | RW_ISOPEN                         /* 747 */
    | RW_NOTFOUND                       /* 748 */
    | RW_FOUND                          /* 749 */
    | RW_EXCEPTION_INIT                 /* 750 */
    | RW_SQL                            /* 751 */
    | RW_BINARY_INTEGER                 /* 752 */
    | RW_MEMBER                         /* 753 */
    | RW_INTERVAL                       /* 754 */
    | RW_CONSTANT                       /* 755 */
    | RW_SQLCODE                        /* 756 */
    | RW_SQLERRM                        /* 757 */
    | RW_PRIOR                          /* 758 */
    | RW_EXISTS                         /* 759 */
    | RW_TRUE                           /* 760 */
    | RW_FALSE                          /* 761 */
    | RW_BOOLEAN                        /* 762 */
    | RW_USE                            /* 763 */
    | RW_STORE                          /* 764 */
    | RW_LAST                           /* 765 */
    | RW_BODY                           /* 766 */
    | RW_DETERMINISTIC                  /* 767 */
    | RW_PARALLEL_ENABLE                /* 768 */
    | RW_INDICATOR                      /* 769 */
    | RW_INVALIDATE                     /* 770 */
    | RW_BEFORE                         /* 771 */
    | RW_AFTER                          /* 772 */
    | RW_SCHEMA                         /* 773 */
    | RW_CALL                           /* 774 */
    | RW_DATABASE                       /* 775 */
    ;
col_name_keyword
    : RW_CHAR                           /* 776 */
    | RW_CHARACTER                      /* 777 */
    | RW_DEC                            /* 778 */
    | RW_DECIMAL                        /* 779 */
    | RW_FLOAT                          /* 780 */
    | RW_INTEGER                        /* 781 */
    | RW_NCHAR                          /* 782 */
    | RW_NUMERIC                        /* 783 */
    | RW_ROW                            /* 784 */
    | RW_SMALLINT                       /* 785 */
    | RW_TIME                           /* 786 */
    | RW_TIMESTAMP                      /* 787 */
    | RW_VARCHAR                        /* 788 */
    | RW_VARCHAR2                       /* 789 */
    | RW_EXCEPTION                      /* 790 */
    | RW_INT                            /* 791 */
    ;
func_name_keyword
    : RW_BETWEEN                        /* 792 */
    | RW_FULL                           /* 793 */
    | RW_IS                             /* 794 */
    | RW_LIKE                           /* 795 */
    ;

%%
