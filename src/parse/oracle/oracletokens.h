// Token codes of the Oracle dialect: the scanner returns them, the SQL and
// PL/SQL grammars declare them as terminals, the parser factory re-codes
// SQL*Plus command words with them.  One list serves all of them, so a code
// is never written twice.  These names and codes are fixed: the grammar
// files use them verbatim in their %token lines.
//
// Code layout: 0 end of input, 1..255 the single character, 256 the error
// token, 257..261 the tokens every driver skips, 262..273 the lexical
// classes, 276..926 the keywords (RW_ + the word), 917..925 special codes.
// NUMBER and INTEGER are both lexical classes and keywords, hence the _LIT
// names of the classes.
#pragma once

// The scanner's 348 keywords in table order (ascending under the ASCII
// case-insensitive comparison in which "_" sorts before letters), each with
// its token code.  X(WORD, code).
#define ORACLE_KEYWORD_LIST(X) \
  X(ACCESS, 381) \
  X(ACCOUNT, 494) \
  X(ACTION, 829) \
  X(ADD, 382) \
  X(AFTER, 497) \
  X(ALL, 383) \
  X(ALTER, 384) \
  X(AND, 385) \
  X(ANY, 386) \
  X(ARRAY, 276) \
  X(AS, 387) \
  X(ASC, 388) \
  X(ASSOCIATE, 277) \
  X(AT, 280) \
  X(BEFORE, 508) \
  X(BEGIN, 284) \
  X(BETWEEN, 390) \
  X(BFILE, 509) \
  X(BINARY_INTEGER, 285) \
  X(BITMAP, 510) \
  X(BLOB, 511) \
  X(BLOCK, 512) \
  X(BODY, 286) \
  X(BOOLEAN, 287) \
  X(BOTH, 847) \
  X(BUFFER_POOL, 882) \
  X(BULK, 288) \
  X(BY, 391) \
  X(BYTE, 834) \
  X(CACHE, 513) \
  X(CALL, 278) \
  X(CASCADE, 516) \
  X(CASE, 289) \
  X(CAST, 517) \
  X(CHAINED, 519) \
  X(CHAR, 392) \
  X(CHARACTER, 521) \
  X(CHECK, 393) \
  X(CHECKPOINT, 523) \
  X(CLOB, 527) \
  X(CLOSE, 291) \
  X(COLLECT, 822) \
  X(COLUMN, 279) \
  X(COLUMNS, 281) \
  X(COMMENT, 396) \
  X(COMMIT, 533) \
  X(COMMITTED, 850) \
  X(CONNECT, 398) \
  X(CONSTANT, 294) \
  X(CONSTRAINT, 541) \
  X(CONSTRAINTS, 542) \
  X(COST, 547) \
  X(COUNT, 548) \
  X(CREATE, 399) \
  X(CROSS, 820) \
  X(CUBE, 282) \
  X(CURRENT, 400) \
  X(CURSOR, 297) \
  X(CYCLE, 553) \
  X(DATABASE, 298) \
  X(DATE, 401) \
  X(DAY, 840) \
  X(DDL, 283) \
  X(DEC, 560) \
  X(DECIMAL, 402) \
  X(DECLARE, 303) \
  X(DECODE, 855) \
  X(DEFAULT, 403) \
  X(DEFERRABLE, 561) \
  X(DEFERRED, 562) \
  X(DELETE, 404) \
  X(DESC, 405) \
  X(DETERMINISTIC, 878) \
  X(DISABLE, 290) \
  X(DISASSOCIATE, 292) \
  X(DISTINCT, 406) \
  X(DOUBLE, 571) \
  X(DROP, 407) \
  X(DUMP, 572) \
  X(EACH, 573) \
  X(ELSE, 408) \
  X(ELSIF, 309) \
  X(ENABLE, 293) \
  X(END, 310) \
  X(ESCAPE, 576) \
  X(EXCEPT, 926) \
  X(EXCEPTION, 312) \
  X(EXCEPTION_INIT, 313) \
  X(EXCEPTIONS, 295) \
  X(EXECUTE, 583) \
  X(EXISTS, 410) \
  X(EXIT, 314) \
  X(EXPLAIN, 864) \
  X(EXTEND, 865) \
  X(EXTERNALLY, 588) \
  X(EXTRACT, 845) \
  X(FETCH, 316) \
  X(FILE, 411) \
  X(FIRST, 856) \
  X(FLOAT, 412) \
  X(FOR, 413) \
  X(FORALL, 857) \
  X(FORCE, 594) \
  X(FOREIGN, 595) \
  X(FOUND, 872) \
  X(FREELIST, 596) \
  X(FREELISTS, 597) \
  X(FROM, 414) \
  X(FULL, 821) \
  X(FUNCTION, 318) \
  X(GLOBAL, 598) \
  X(GLOBAL_NAME, 600) \
  X(GLOBALLY, 599) \
  X(GOTO, 320) \
  X(GRANT, 415) \
  X(GROUP, 416) \
  X(GROUPING, 299) \
  X(GROUPS, 300) \
  X(HAVING, 417) \
  X(HOUR, 839) \
  X(IF, 321) \
  X(IMMEDIATE, 419) \
  X(IN, 420) \
  X(INCREMENT, 421) \
  X(INDEX, 422) \
  X(INDICATOR, 323) \
  X(INITIAL, 423) \
  X(INITRANS, 612) \
  X(INNER, 825) \
  X(INSERT, 424) \
  X(INSTEAD, 614) \
  X(INT, 615) \
  X(INTEGER, 425) \
  X(INTERSECT, 426) \
  X(INTERVAL, 843) \
  X(INTO, 427) \
  X(INVALID, 301) \
  X(INVALIDATE, 302) \
  X(IS, 428) \
  X(ISOLATION, 617) \
  X(ISOPEN, 866) \
  X(JOIN, 819) \
  X(KEEP, 304) \
  X(KEY, 620) \
  X(LAST, 854) \
  X(LEADING, 848) \
  X(LEFT, 823) \
  X(LEVEL, 429) \
  X(LIKE, 430) \
  X(LOB, 628) \
  X(LOCAL, 629) \
  X(LOCATOR, 867) \
  X(LOCK, 431) \
  X(LOG, 630) \
  X(LOGGING, 632) \
  X(LONG, 432) \
  X(LOOP, 326) \
  X(MAP, 852) \
  X(MATCH, 826) \
  X(MATCHED, 858) \
  X(MAX, 327) \
  X(MAXEXTENTS, 433) \
  X(MAXTRANS, 644) \
  X(MAXVALUE, 645) \
  X(MEMBER, 646) \
  X(MERGE, 868) \
  X(MIN, 328) \
  X(MINEXTENTS, 647) \
  X(MINUS, 434) \
  X(MINUTE, 838) \
  X(MINVALUE, 649) \
  X(MODE, 436) \
  X(MODIFY, 437) \
  X(MONITORING, 859) \
  X(MONTH, 841) \
  X(MOVE, 651) \
  X(MOVEMENT, 869) \
  X(NAME, 875) \
  X(NATIONAL, 654) \
  X(NATURAL, 330) \
  X(NATURALN, 331) \
  X(NCHAR, 655) \
  X(NCLOB, 657) \
  X(NESTED, 659) \
  X(NEXT, 660) \
  X(NO, 828) \
  X(NOCACHE, 670) \
  X(NOCYCLE, 671) \
  X(NOFORCE, 672) \
  X(NOLOGGING, 673) \
  X(NOMAXVALUE, 674) \
  X(NOMINVALUE, 851) \
  X(NOMONITORING, 860) \
  X(NOORDER, 676) \
  X(NOPARALLEL, 305) \
  X(NORELY, 870) \
  X(NOT, 441) \
  X(NOTFOUND, 871) \
  X(NOTHING, 683) \
  X(NOVALIDATE, 306) \
  X(NOWAIT, 442) \
  X(NULL, 443) \
  X(NULLS, 881) \
  X(NUMBER, 444) \
  X(NUMERIC, 684) \
  X(NVARCHAR2, 685) \
  X(OBJECT, 686) \
  X(OF, 445) \
  X(ON, 447) \
  X(ONLY, 693) \
  X(OPEN, 335) \
  X(OPTIMAL, 695) \
  X(OPTION, 449) \
  X(OR, 450) \
  X(ORDER, 451) \
  X(OTHERS, 336) \
  X(OUT, 337) \
  X(OUTER, 873) \
  X(OVER, 880) \
  X(OVERLAPS, 831) \
  X(PACKAGE, 338) \
  X(PARALLEL, 307) \
  X(PARALLEL_ENABLE, 879) \
  X(PARTIAL, 827) \
  X(PARTITION, 339) \
  X(PASSWORD, 701) \
  X(PCTFREE, 452) \
  X(PCTINCREASE, 708) \
  X(PCTUSED, 710) \
  X(PERCENT, 712) \
  X(PLS_INTEGER, 340) \
  X(POSITIVE, 341) \
  X(POSITIVEN, 342) \
  X(PRAGMA, 343) \
  X(PRECISION, 717) \
  X(PRIMARY, 719) \
  X(PRIOR, 453) \
  X(PRIVILEGES, 454) \
  X(PROCEDURE, 345) \
  X(PUBLIC, 455) \
  X(PURGE, 874) \
  X(RAISE, 861) \
  X(RAW, 456) \
  X(READ, 727) \
  X(REAL, 347) \
  X(RECORD, 348) \
  X(RECYCLE, 308) \
  X(REF, 349) \
  X(REFERENCES, 732) \
  X(RENAME, 457) \
  X(REPLACE, 735) \
  X(RESET, 736) \
  X(RESTRICT, 830) \
  X(RESTRICT_REFERENCES, 877) \
  X(RESTRICTED, 739) \
  X(RETURN, 352) \
  X(RETURNING, 740) \
  X(REVERSE, 353) \
  X(REVOKE, 459) \
  X(RIGHT, 824) \
  X(ROLE, 742) \
  X(ROLES, 743) \
  X(ROLLBACK, 492) \
  X(ROLLUP, 311) \
  X(ROW, 460) \
  X(ROWCOUNT, 862) \
  X(ROWLABEL, 462) \
  X(ROWNUM, 463) \
  X(ROWTYPE, 354) \
  X(RULE, 745) \
  X(SAVEPOINT, 493) \
  X(SCHEMA, 356) \
  X(SECOND, 837) \
  X(SELECT, 465) \
  X(SEQUENCE, 756) \
  X(SERIALIZABLE, 757) \
  X(SERIALLY_REUSABLE, 876) \
  X(SESSION, 466) \
  X(SET, 467) \
  X(SETS, 317) \
  X(SHARE, 468) \
  X(SIZE, 469) \
  X(SMALLINT, 470) \
  X(SNAPSHOT, 764) \
  X(SOME, 765) \
  X(SORT, 766) \
  X(SQL, 360) \
  X(SQLCODE, 361) \
  X(SQLERRM, 362) \
  X(SQLERROR, 769) \
  X(START, 471) \
  X(STATISTICS, 773) \
  X(STORAGE, 775) \
  X(STORE, 776) \
  X(SUBTYPE, 365) \
  X(SUCCESSFUL, 472) \
  X(SUM, 366) \
  X(SYNONYM, 473) \
  X(SYSDATE, 474) \
  X(TABLE, 475) \
  X(TABLESPACE, 782) \
  X(TEMP, 319) \
  X(TEMPORARY, 785) \
  X(THEN, 476) \
  X(TIES, 863) \
  X(TIME, 788) \
  X(TIMESTAMP, 789) \
  X(TO, 477) \
  X(TOP, 853) \
  X(TRAILING, 849) \
  X(TRANSACTION, 793) \
  X(TRIGGER, 478) \
  X(TRIGGERS, 795) \
  X(TRIM, 846) \
  X(TRUNCATE, 796) \
  X(TYPE, 372) \
  X(TYPECAST, 832) \
  X(UID, 479) \
  X(UNION, 480) \
  X(UNIQUE, 481) \
  X(UNTIL, 805) \
  X(UNUSED, 322) \
  X(UPDATE, 482) \
  X(UROWID, 844) \
  X(USAGE, 809) \
  X(USE, 373) \
  X(USER, 483) \
  X(USING, 810) \
  X(VALID, 324) \
  X(VALIDATE, 484) \
  X(VALUE, 812) \
  X(VALUES, 485) \
  X(VARCHAR, 486) \
  X(VARCHAR2, 487) \
  X(VARRAY, 813) \
  X(VARYING, 814) \
  X(VIEW, 488) \
  X(WAIT, 818) \
  X(WHEN, 376) \
  X(WHENEVER, 489) \
  X(WHERE, 490) \
  X(WHILE, 377) \
  X(WITH, 491) \
  X(WITHOUT, 815) \
  X(WORK, 378) \
  X(WRITE, 379) \
  X(YEAR, 842) \
  X(ZONE, 836)

namespace oracletok {

enum : int {
  END_OF_INPUT = 0,
  ERROR_TOKEN = 256,
  BLOCK_COMMENT = 257,
  LINE_COMMENT = 258,
  BLANKS = 259,
  LINE_BREAK = 260,
  SQLPLUS_CMD = 261,        // token inside a SQL*Plus command line (front end)

  IDENT = 262,              // identifier or quoted name
  DOUBLE_LT = 263,          // "<<"
  DOUBLE_GT = 264,          // ">>"
  NUMBER_LIT = 265,         // decimal, exponent or hexadecimal number
  STRING_LIT = 266,
  INTEGER_LIT = 267,
  OTHER_CHAR = 268,         // a character no other rule takes
  OPERATOR = 269,           // operator run
  BIND_NAME = 271,          // ":name"
  ASSIGN_OP = 272,          // ":="
  DOUBLE_DOT = 273,         // ".."

  MARKED_COMMENT = 917,     // no rule produces it; stored as a block comment
  LETTER_M = 918,           // size suffixes: never produced (M, K arrive as IDENT)
  LETTER_K = 919,
  FORCED_ERROR = 924,       // a syntax error at once (only through a token event)
  OUTER_JOIN_MARK = 925,    // "(+)"

#define ORACLE_TOKEN_ENUM_ENTRY(word, code) RW_##word = code,
  ORACLE_KEYWORD_LIST(ORACLE_TOKEN_ENUM_ENTRY)
#undef ORACLE_TOKEN_ENUM_ENTRY

  // Words the PL/SQL keyword table knows but the scanner's table does not:
  // they always arrive as IDENT; the codes are reserved for them.
  RW_CLUSTER = 394,
  RW_COALESCE = 531,
  RW_COLLATE = 835,
  RW_COMPRESS = 397,
  RW_FALSE = 315,
  RW_HEAP = 606,
  RW_ORGANIZATION = 697,
  RW_PRIVATE = 344,
  RW_RANGE = 346,
  RW_ROWID = 461,
  RW_TRUE = 371,

  // Terminals of the original tables that no scanner produces and no word
  // names; reserved so that no keyword takes them.
  TOK296 = 296,
  TOK333 = 333,
  TOK358 = 358,
  TOK389 = 389,
  TOK409 = 409,
  TOK439 = 439,
  TOK500 = 500,
  TOK544 = 544,
  TOK611 = 611,
  TOK753 = 753,
  TOK833 = 833,
};

inline constexpr int KeywordCount = 348;
inline constexpr int FirstKeywordCode = 276;  // RW_ARRAY
inline constexpr int LastKeywordCode = 926;   // RW_EXCEPT

}  // namespace oracletok
