// Token codes of the MySQL dialect: the scanner returns them and the grammar
// declares them as terminals (mysql_sql.y repeats the codes in its %token
// lines; a test checks that both agree).
//
// Code layout: 0 end of input, 1..255 the single character, 256 the error
// token, 257..261 the tokens every driver skips, 262..274 the lexical
// classes, 277..942 the keywords (MY_ + the word).
#pragma once

// The scanner's 333 keywords in table order (ascending under the ASCII
// case-insensitive comparison in which "_" sorts before letters), each with
// its token code.  X(WORD, code).
#define MYSQL_KEYWORD_LIST(X) \
  X(ACCESS, 381) \
  X(ACCOUNT, 494) \
  X(ACTION, 829) \
  X(ADD, 382) \
  X(AFTER, 497) \
  X(ALL, 383) \
  X(ALTER, 384) \
  X(AND, 385) \
  X(ANY, 386) \
  X(ARRAY, 277) \
  X(AS, 387) \
  X(ASC, 388) \
  X(ASCII, 893) \
  X(AT, 280) \
  X(AUTO_INCREMENT, 877) \
  X(AVG_ROW_LENGTH, 878) \
  X(BEFORE, 508) \
  X(BEGIN, 284) \
  X(BETWEEN, 390) \
  X(BFILE, 509) \
  X(BIGINT, 902) \
  X(BINARY_INTEGER, 285) \
  X(BITMAP, 510) \
  X(BLOB, 511) \
  X(BLOCK, 512) \
  X(BODY, 286) \
  X(BOOLEAN, 287) \
  X(BOTH, 847) \
  X(BULK, 288) \
  X(BY, 391) \
  X(BYTE, 834) \
  X(CACHE, 513) \
  X(CASCADE, 516) \
  X(CASE, 289) \
  X(CAST, 517) \
  X(CHAINED, 519) \
  X(CHAR, 392) \
  X(CHARACTER, 521) \
  X(CHARSET, 888) \
  X(CHECK, 393) \
  X(CHECKPOINT, 523) \
  X(CHECKSUM, 879) \
  X(CLOB, 527) \
  X(CLOSE, 291) \
  X(COLLECT, 822) \
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
  X(CURRENT, 400) \
  X(CURSOR, 297) \
  X(CYCLE, 553) \
  X(DATABASE, 298) \
  X(DATE, 401) \
  X(DATETIME, 903) \
  X(DAY, 840) \
  X(DEC, 560) \
  X(DECIMAL, 402) \
  X(DECLARE, 303) \
  X(DECODE, 855) \
  X(DEFAULT, 403) \
  X(DEFERRABLE, 561) \
  X(DEFERRED, 562) \
  X(DELAY_KEY_WRITE, 883) \
  X(DELETE, 404) \
  X(DESC, 405) \
  X(DISTINCT, 406) \
  X(DOUBLE, 571) \
  X(DROP, 407) \
  X(DUMP, 572) \
  X(DYNAMIC, 904) \
  X(EACH, 573) \
  X(ELSE, 408) \
  X(ELSIF, 309) \
  X(END, 310) \
  X(ENGINE, 876) \
  X(ENUM, 906) \
  X(ESCAPE, 576) \
  X(EXCEPT, 939) \
  X(EXCEPTION, 312) \
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
  X(FIXED, 905) \
  X(FLOAT, 412) \
  X(FOR, 413) \
  X(FORALL, 857) \
  X(FORCE, 594) \
  X(FOREIGN, 595) \
  X(FOUND, 872) \
  X(FROM, 414) \
  X(FULL, 821) \
  X(FUNCTION, 318) \
  X(GLOBAL, 598) \
  X(GLOBAL_NAME, 600) \
  X(GLOBALLY, 599) \
  X(GOTO, 320) \
  X(GRANT, 415) \
  X(GROUP, 416) \
  X(HAVING, 417) \
  X(HOUR, 839) \
  X(IF, 321) \
  X(IGNORE, 875) \
  X(IMMEDIATE, 419) \
  X(IN, 420) \
  X(INCREMENT, 421) \
  X(INDEX, 422) \
  X(INITIAL, 423) \
  X(INNER, 825) \
  X(INSERT, 424) \
  X(INSTEAD, 614) \
  X(INT, 615) \
  X(INTEGER, 425) \
  X(INTERSECT, 426) \
  X(INTERVAL, 843) \
  X(INTO, 427) \
  X(IS, 428) \
  X(ISOLATION, 617) \
  X(ISOPEN, 866) \
  X(JOIN, 819) \
  X(KEY, 620) \
  X(LAST, 854) \
  X(LEADING, 848) \
  X(LEFT, 823) \
  X(LEVEL, 429) \
  X(LIKE, 430) \
  X(LIMIT, 278) \
  X(LOB, 628) \
  X(LOCAL, 629) \
  X(LOCATOR, 867) \
  X(LOCK, 431) \
  X(LOG, 630) \
  X(LONG, 432) \
  X(LONGBLOB, 897) \
  X(LONGTEXT, 901) \
  X(LOOP, 326) \
  X(MAP, 852) \
  X(MATCH, 826) \
  X(MATCHED, 858) \
  X(MAX, 327) \
  X(MAX_ROWS, 880) \
  X(MAXVALUE, 645) \
  X(MEDIUMBLOB, 896) \
  X(MEDIUMINT, 892) \
  X(MEDIUMTEXT, 900) \
  X(MEMBER, 646) \
  X(MERGE, 868) \
  X(MIN, 328) \
  X(MIN_ROWS, 881) \
  X(MINUS, 434) \
  X(MINUTE, 838) \
  X(MINVALUE, 649) \
  X(MODE, 436) \
  X(MODIFY, 437) \
  X(MONITORING, 859) \
  X(MONTH, 841) \
  X(MOVE, 651) \
  X(MOVEMENT, 869) \
  X(NATIONAL, 654) \
  X(NATURAL, 330) \
  X(NATURALN, 331) \
  X(NCHAR, 655) \
  X(NCLOB, 657) \
  X(NESTED, 659) \
  X(NO, 828) \
  X(NOCACHE, 670) \
  X(NOCYCLE, 671) \
  X(NOFORCE, 672) \
  X(NOMAXVALUE, 674) \
  X(NOMINVALUE, 851) \
  X(NOMONITORING, 860) \
  X(NOORDER, 676) \
  X(NORELY, 870) \
  X(NOT, 441) \
  X(NOTFOUND, 871) \
  X(NOTHING, 683) \
  X(NOWAIT, 442) \
  X(NULL, 443) \
  X(NUMBER, 444) \
  X(NUMERIC, 684) \
  X(NVARCHAR2, 685) \
  X(OBJECT, 686) \
  X(OF, 445) \
  X(OFFSET, 908) \
  X(ON, 447) \
  X(ONLY, 693) \
  X(OPEN, 335) \
  X(OPTION, 449) \
  X(OR, 450) \
  X(ORDER, 451) \
  X(OTHERS, 336) \
  X(OUT, 337) \
  X(OUTER, 873) \
  X(PACK_KEYS, 882) \
  X(PACKAGE, 338) \
  X(PARTIAL, 827) \
  X(PASSWORD, 701) \
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
  X(RAID_CHUNKS, 886) \
  X(RAID_CHUNKSIZE, 887) \
  X(RAID_TYPE, 885) \
  X(RAISE, 861) \
  X(RAW, 456) \
  X(READ, 727) \
  X(REAL, 347) \
  X(RECORD, 348) \
  X(REF, 349) \
  X(REFERENCES, 732) \
  X(RENAME, 457) \
  X(REPLACE, 735) \
  X(RESET, 736) \
  X(RESTRICT, 830) \
  X(RESTRICT_REFERENCES, 941) \
  X(RESTRICTED, 739) \
  X(RETURN, 352) \
  X(RETURNING, 740) \
  X(REVERSE, 353) \
  X(REVOKE, 459) \
  X(RIGHT, 824) \
  X(ROLE, 742) \
  X(ROLES, 743) \
  X(ROLLBACK, 492) \
  X(ROW, 460) \
  X(ROW_FORMAT, 884) \
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
  X(SERIALLY_REUSABLE, 942) \
  X(SESSION, 466) \
  X(SET, 467) \
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
  X(STORE, 776) \
  X(SUBTYPE, 365) \
  X(SUCCESSFUL, 472) \
  X(SUM, 366) \
  X(SYNONYM, 473) \
  X(SYSDATE, 474) \
  X(TABLE, 475) \
  X(TEMP, 319) \
  X(TEMPORARY, 785) \
  X(TEXT, 899) \
  X(THEN, 476) \
  X(TIES, 863) \
  X(TIME, 788) \
  X(TIMESTAMP, 789) \
  X(TINYBLOB, 895) \
  X(TINYINT, 891) \
  X(TINYTEXT, 898) \
  X(TO, 477) \
  X(TOP, 853) \
  X(TRAILING, 849) \
  X(TRANSACTION, 793) \
  X(TRIGGER, 478) \
  X(TRIGGERS, 795) \
  X(TRIM, 846) \
  X(TRUNCATE, 796) \
  X(TYPE, 372) \
  X(UID, 479) \
  X(UNICODE, 894) \
  X(UNION, 480) \
  X(UNIQUE, 481) \
  X(UNSIGNED, 889) \
  X(UNTIL, 805) \
  X(UPDATE, 482) \
  X(UROWID, 844) \
  X(USAGE, 809) \
  X(USE, 373) \
  X(USER, 483) \
  X(USING, 810) \
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
  X(ZEROFILL, 890) \
  X(ZONE, 836)

namespace mysqltok {

enum : int {
  END_OF_INPUT = 0,
  ERROR_TOKEN = 256,
  BLOCK_COMMENT = 257,
  LINE_COMMENT = 258,
  BLANKS = 259,
  LINE_BREAK = 260,
  SQLPLUS_CMD = 261,        // never produced by this scanner; skipped by the driver
  IDENT = 262,              // identifier, quoted, backquoted or bracketed name
  DOUBLE_LT = 263,          // "<<"
  DOUBLE_GT = 264,          // ">>"
  NUMBER_LIT = 265,         // decimal or exponent number
  STRING_LIT = 266,
  INTEGER_LIT = 267,
  OTHER_CHAR = 268,         // a character no other rule takes
  OPERATOR = 269,           // operator run
  BIND_NAME = 271,          // ":name"
  ASSIGN_OP = 272,          // ":="
  DOUBLE_DOT = 273,         // ".."
  AT_NAME = 274,            // "@name", "@@name"

  // Names in the expected-token texts that no scanner keyword produces.
  INDICATOR_WORD = 323,
  PARTITION_WORD = 339,
  OVERLAPS_WORD = 831,
  TYPECAST_WORD = 832,

#define MYSQL_TOKEN_ENUM_ENTRY(word, code) MY_##word = code,
  MYSQL_KEYWORD_LIST(MYSQL_TOKEN_ENUM_ENTRY)
#undef MYSQL_TOKEN_ENUM_ENTRY
};

inline constexpr int KeywordCount = 333;
inline constexpr int FirstKeywordCode = 277;  // MY_ARRAY
inline constexpr int LastKeywordCode = 942;   // MY_SERIALLY_REUSABLE

}  // namespace mysqltok
