// Token codes of the SQL Server dialect: the scanner returns them, the
// grammar declares them as terminals (same names, same numbers), the driver
// and its error texts read them.  One list serves all of them, so a code is
// never written twice.
//
// Code layout: 0 end of input, 1..254 the single character, 256 the error
// token, 257..260 comments, blanks and line breaks (the driver skips them),
// 262..275 the lexical classes, 278..951 the keywords (RW_ + the word),
// 961..993 the "@@" system variables (SV_ + the name).  These codes differ
// from the other dialects' codes: never mix the headers.
#pragma once

// The scanner's 273 keywords in table order (ascending under the ASCII
// case-insensitive comparison), each with its token code.  X(WORD, code).
#define MSSQL_KEYWORD_LIST(X) \
  X(ABSOLUTE, 904) \
  X(ACCOUNT, 496) \
  X(ACTION, 831) \
  X(ADD, 383) \
  X(AFTER, 499) \
  X(ALL, 384) \
  X(ALTER, 385) \
  X(AND, 386) \
  X(ANY, 387) \
  X(ARRAY, 278) \
  X(AS, 388) \
  X(ASC, 389) \
  X(AT, 282) \
  X(AVG, 284) \
  X(BACKUP, 508) \
  X(BEFORE, 510) \
  X(BEGIN, 286) \
  X(BETWEEN, 391) \
  X(BFILE, 511) \
  X(BIT, 891) \
  X(BITMAP, 512) \
  X(BLOB, 513) \
  X(BLOCK, 514) \
  X(BOOLEAN, 289) \
  X(BOTH, 849) \
  X(BREAK, 886) \
  X(BULK, 290) \
  X(BY, 392) \
  X(BYTE, 836) \
  X(CASCADE, 518) \
  X(CASE, 291) \
  X(CAST, 519) \
  X(CHAR, 393) \
  X(CHARACTER, 523) \
  X(CHECK, 394) \
  X(CHECKPOINT, 525) \
  X(CLOB, 529) \
  X(CLOSE, 293) \
  X(CLUSTERED, 917) \
  X(COLLATE, 837) \
  X(COLLECT, 824) \
  X(COLUMN, 396) \
  X(COMMENT, 397) \
  X(COMMIT, 535) \
  X(COMMITTED, 852) \
  X(COMPUTE, 541) \
  X(CONCAT, 895) \
  X(CONNECT, 399) \
  X(CONSTANT, 296) \
  X(CONSTRAINT, 543) \
  X(CONSTRAINTS, 544) \
  X(CONTINUE, 546) \
  X(CONVERT, 548) \
  X(COST, 549) \
  X(COUNT, 550) \
  X(CREATE, 400) \
  X(CROSS, 822) \
  X(CURRENT, 401) \
  X(CURSOR, 299) \
  X(CYCLE, 555) \
  X(DATABASE, 300) \
  X(DATE, 402) \
  X(DAY, 842) \
  X(DBCC, 919) \
  X(DEALLOCATE, 560) \
  X(DEC, 562) \
  X(DECIMAL, 403) \
  X(DECLARE, 305) \
  X(DECODE, 857) \
  X(DEFAULT, 404) \
  X(DEFERRABLE, 563) \
  X(DEFERRED, 564) \
  X(DELETE, 405) \
  X(DESC, 406) \
  X(DISABLE, 568) \
  X(DISTINCT, 407) \
  X(DOUBLE, 573) \
  X(DROP, 408) \
  X(DUMP, 574) \
  X(DYNAMIC, 909) \
  X(EACH, 575) \
  X(ELSE, 409) \
  X(ENABLE, 576) \
  X(ENCRYPTION, 880) \
  X(END, 312) \
  X(ESCAPE, 578) \
  X(EXCEPT, 951) \
  X(EXCEPTION, 314) \
  X(EXEC, 887) \
  X(EXECUTE, 585) \
  X(EXISTS, 411) \
  X(EXIT, 315) \
  X(EXPLAIN, 866) \
  X(EXTRACT, 847) \
  X(FAST_FORWARD, 910) \
  X(FETCH, 317) \
  X(FILE, 412) \
  X(FIRST, 858) \
  X(FLOAT, 413) \
  X(FOR, 414) \
  X(FORALL, 859) \
  X(FOREIGN, 597) \
  X(FORMAT, 892) \
  X(FORWARD_ONLY, 906) \
  X(FOUND, 874) \
  X(FROM, 415) \
  X(FULL, 823) \
  X(FUNCTION, 319) \
  X(GLOBAL, 600) \
  X(GO, 885) \
  X(GOTO, 321) \
  X(GRANT, 416) \
  X(GROUP, 417) \
  X(HAVING, 418) \
  X(HOUR, 841) \
  X(IDENTITY, 893) \
  X(IF, 322) \
  X(IMMEDIATE, 420) \
  X(IN, 421) \
  X(INDEX, 423) \
  X(INNER, 827) \
  X(INSENSITIVE, 901) \
  X(INSERT, 425) \
  X(INT, 617) \
  X(INTEGER, 426) \
  X(INTERSECT, 427) \
  X(INTERVAL, 845) \
  X(INTO, 428) \
  X(IS, 429) \
  X(ISOLATION, 619) \
  X(JOIN, 821) \
  X(KEY, 622) \
  X(KEYSET, 908) \
  X(LAST, 856) \
  X(LEADING, 850) \
  X(LEFT, 825) \
  X(LEVEL, 430) \
  X(LIKE, 431) \
  X(LOB, 630) \
  X(LOCAL, 631) \
  X(LOCATOR, 869) \
  X(LOCK, 432) \
  X(LOG, 632) \
  X(LONG, 433) \
  X(MARK, 905) \
  X(MATCH, 828) \
  X(MAX, 328) \
  X(MIN, 329) \
  X(MINUS, 435) \
  X(MINUTE, 840) \
  X(MONTH, 843) \
  X(NATIONAL, 656) \
  X(NATURAL, 331) \
  X(NCHAR, 657) \
  X(NCLOB, 659) \
  X(NEXT, 662) \
  X(NO, 830) \
  X(NOCHECK, 916) \
  X(NONCLUSTERED, 918) \
  X(NOT, 442) \
  X(NOWAIT, 443) \
  X(NULL, 444) \
  X(NULLS, 445) \
  X(NUMBER, 446) \
  X(NUMERIC, 686) \
  X(NVARCHAR, 888) \
  X(NVARCHAR2, 687) \
  X(OBJECT, 688) \
  X(OF, 447) \
  X(ON, 449) \
  X(ONLY, 695) \
  X(OPEN, 336) \
  X(OPTIMISTIC, 913) \
  X(OPTION, 451) \
  X(OR, 452) \
  X(ORDER, 453) \
  X(OUT, 338) \
  X(OUTER, 875) \
  X(OUTPUT, 879) \
  X(PARTIAL, 829) \
  X(PERCENT, 714) \
  X(PRECISION, 719) \
  X(PRIMARY, 721) \
  X(PRINT, 884) \
  X(PRIOR, 455) \
  X(PROC, 894) \
  X(PROCEDURE, 346) \
  X(PUBLIC, 457) \
  X(RAISE, 863) \
  X(RAISERROR, 877) \
  X(RAW, 458) \
  X(READ, 729) \
  X(READ_ONLY, 911) \
  X(REAL, 348) \
  X(RECOMPILE, 881) \
  X(REF, 350) \
  X(REFERENCES, 734) \
  X(RELATIVE, 903) \
  X(REPLACE, 737) \
  X(REPLICATION, 882) \
  X(RESTORE, 920) \
  X(RESTRICT, 832) \
  X(RETURN, 353) \
  X(RETURNING, 742) \
  X(RETURNS, 883) \
  X(REVOKE, 461) \
  X(RIGHT, 826) \
  X(ROLE, 744) \
  X(ROLLBACK, 494) \
  X(ROWGUIDCOL, 915) \
  X(RULE, 747) \
  X(SAVE, 890) \
  X(SCHEMA, 357) \
  X(SCROLL, 902) \
  X(SCROLL_LOCKS, 912) \
  X(SECOND, 839) \
  X(SELECT, 467) \
  X(SEQUENCE, 758) \
  X(SET, 469) \
  X(SMALLINT, 472) \
  X(SOME, 767) \
  X(SQL, 361) \
  X(STATIC, 907) \
  X(STATISTICS, 775) \
  X(STDEV, 896) \
  X(STDEVP, 897) \
  X(STORE, 778) \
  X(SUBTYPE, 366) \
  X(SUM, 367) \
  X(TABLE, 477) \
  X(TEMP, 819) \
  X(TEMPORARY, 787) \
  X(TEXTIMAGE_ON, 900) \
  X(THEN, 478) \
  X(TIES, 865) \
  X(TIME, 790) \
  X(TIMESTAMP, 791) \
  X(TO, 479) \
  X(TOP, 855) \
  X(TRAILING, 851) \
  X(TRAN, 889) \
  X(TRANSACTION, 795) \
  X(TRIGGER, 480) \
  X(TRIM, 848) \
  X(TRUNCATE, 798) \
  X(TYPE, 373) \
  X(TYPE_WARNING, 914) \
  X(UNION, 482) \
  X(UNIQUE, 483) \
  X(UPDATE, 484) \
  X(USAGE, 811) \
  X(USE, 374) \
  X(USER, 485) \
  X(USING, 812) \
  X(VALUE, 814) \
  X(VALUES, 487) \
  X(VAR, 898) \
  X(VARCHAR, 488) \
  X(VARCHAR2, 489) \
  X(VARP, 899) \
  X(VARYING, 816) \
  X(VIEW, 490) \
  X(WAIT, 820) \
  X(WAITFOR, 878) \
  X(WHEN, 377) \
  X(WHERE, 492) \
  X(WHILE, 378) \
  X(WITH, 493) \
  X(WITHOUT, 817) \
  X(WORK, 379) \
  X(WRITE, 380) \
  X(YEAR, 844) \
  X(ZONE, 838)

// The "@@" system variables in table order (the order the linear search
// reads them in; "identity" sits out of code order), names without "@@".
// X(NAME, lower-case name, code).
#define MSSQL_SYSVAR_LIST(X) \
  X(CONNECTIONS, "connections", 961) \
  X(CPU_BUSY, "cpu_busy", 962) \
  X(CURSOR_ROWS, "cursor_rows", 963) \
  X(DATEFIRST, "datefirst", 964) \
  X(DBTS, "dbts", 965) \
  X(ERROR, "error", 966) \
  X(FETCH_STATUS, "fetch_status", 967) \
  X(IDENTITY, "identity", 993) \
  X(IDLE, "idle", 968) \
  X(IO_BUSY, "io_busy", 969) \
  X(LANGID, "langid", 970) \
  X(LANGUAGE, "language", 971) \
  X(LOCK_TIMEOUT, "lock_timeout", 972) \
  X(MAX_CONNECTIONS, "max_connections", 973) \
  X(MAX_PRECISION, "max_precision", 974) \
  X(NESTLEVEL, "nestlevel", 975) \
  X(OPTIONS, "options", 976) \
  X(PACK_RECEIVED, "pack_received", 977) \
  X(PACK_SENT, "pack_sent", 978) \
  X(PACKET_ERRORS, "packet_errors", 979) \
  X(PROCID, "procid", 980) \
  X(REMSERVER, "remserver", 981) \
  X(ROWCOUNT, "rowcount", 982) \
  X(SERVERNAME, "servername", 983) \
  X(SERVICENAME, "servicename", 984) \
  X(SPID, "spid", 985) \
  X(TEXTSIZE, "textsize", 986) \
  X(TIMETICKS, "timeticks", 987) \
  X(TOTAL_ERRORS, "total_errors", 988) \
  X(TOTAL_READ, "total_read", 989) \
  X(TOTAL_WRITE, "total_write", 990) \
  X(TRANCOUNT, "trancount", 991) \
  X(VERSION, "version", 992)

namespace mssqltok {

enum : int {
  END_OF_INPUT = 0,
  ERROR_TOKEN = 256,
  BLOCK_COMMENT = 257,
  LINE_COMMENT = 258,
  BLANKS = 259,
  LINE_BREAK = 260,

  IDENT = 262,              // identifier, "quoted" or [bracketed] name, a lone "?"
  SHL = 263,                // "<<" (re-coded from an operator run)
  SHR = 264,                // ">>"
  OTHER_CHAR = 265,         // a character no other rule takes
  NUMBER_LIT = 266,         // decimal, exponent or 0x hexadecimal number
  STRING_LIT = 267,         // 'text' or N'text'
  INTEGER_LIT = 268,
  OPERATOR = 269,           // operator run
  BIND_NAME = 271,          // ":name"; the driver hands it on as IDENT
  ASSIGN = 272,             // ":="
  DOTDOT = 273,             // ".."
  VARIABLE = 274,           // "@name" that is no system variable
  LABEL = 275,              // a name directly followed by ":"

#define MSSQL_TOKEN_ENUM_ENTRY(word, code) RW_##word = code,
  MSSQL_KEYWORD_LIST(MSSQL_TOKEN_ENUM_ENTRY)
#undef MSSQL_TOKEN_ENUM_ENTRY

#define MSSQL_SYSVAR_ENUM_ENTRY(name, text, code) SV_##name = code,
  MSSQL_SYSVAR_LIST(MSSQL_SYSVAR_ENUM_ENTRY)
#undef MSSQL_SYSVAR_ENUM_ENTRY

  // Terminals of the grammar that no scanner rule produces: named words
  // the keyword table lacks, and bare codes.  Declared so that the rules
  // using them still generate; they never match scanned text.
  RW_INDICATOR = 324,
  RW_PARTITION = 340,
  RW_OVERLAPS = 833,
  RW_TYPECAST = 834,
  TOKEN_298 = 298,
  TOKEN_334 = 334,
  TOKEN_345 = 345,
  TOKEN_372 = 372,
  TOKEN_454 = 454,
  TOKEN_608 = 608,
  TOKEN_613 = 613,
  TOKEN_699 = 699,
  TOKEN_835 = 835,
};

inline constexpr int KeywordCount = 273;
inline constexpr int FirstKeywordCode = 278;     // RW_ARRAY
inline constexpr int LastKeywordCode = 951;      // RW_EXCEPT
inline constexpr int SystemVariableCount = 33;
inline constexpr int FirstSystemVariableCode = 961;
inline constexpr int LastSystemVariableCode = 993;

}  // namespace mssqltok
