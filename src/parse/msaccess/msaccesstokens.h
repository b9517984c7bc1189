// Token codes of the MS Access dialect: the scanner returns them and the
// grammar declares them as terminals (msaccess_sql.y uses these names and
// numbers verbatim in its %token lines).
//
// Code layout: 0 end of input, 1..255 the single character, 257..261 the
// tokens every driver skips, 262..274 the lexical classes, 275..395 the
// scanner's keywords (KW_ + the word), 284 and 396..479 grammar words that
// the scanner never yields: they arrive as identifiers, yet they shape the
// tables and can be named in expected-token texts.
#pragma once

// The scanner's 119 keywords in table order (ascending under the ASCII
// case-insensitive comparison in which "_" sorts before letters).
// X(WORD, code).
#define MSACCESS_KEYWORD_LIST(X) \
  X(ADD, 275) \
  X(ALL, 276) \
  X(ALPHANUMBERIC, 277) \
  X(ALTER, 278) \
  X(AND, 279) \
  X(ANY, 280) \
  X(AS, 281) \
  X(ASC, 282) \
  X(BETWEEN, 285) \
  X(BIT, 286) \
  X(BOOLEAN, 287) \
  X(BY, 288) \
  X(CHAR, 289) \
  X(CHARACTER, 290) \
  X(COLUMN, 293) \
  X(CONSTRAINT, 292) \
  X(COUNT, 291) \
  X(COUNTER, 294) \
  X(CREATE, 295) \
  X(CURRENCY, 296) \
  X(DATABASE, 297) \
  X(DATE, 298) \
  X(DELETE, 299) \
  X(DESC, 300) \
  X(DISALLOW, 301) \
  X(DISTINCT, 302) \
  X(DISTINCTROW, 303) \
  X(DOUBLE, 304) \
  X(DROP, 305) \
  X(EQV, 306) \
  X(EXISTS, 307) \
  X(FLOAT, 308) \
  X(FLOAT4, 309) \
  X(FLOAT8, 310) \
  X(FOREIGN, 311) \
  X(FROM, 312) \
  X(GENERAL, 313) \
  X(GROUP, 314) \
  X(GUID, 315) \
  X(HAVING, 316) \
  X(IEEEDOUBLE, 317) \
  X(IEEESINGLE, 318) \
  X(IGNORE, 319) \
  X(IMP, 320) \
  X(IN, 321) \
  X(INDEX, 322) \
  X(INNER, 323) \
  X(INSERT, 324) \
  X(INT, 325) \
  X(INTEGER, 326) \
  X(INTEGER1, 327) \
  X(INTEGER2, 328) \
  X(INTEGER4, 329) \
  X(INTO, 330) \
  X(IS, 331) \
  X(JOIN, 332) \
  X(KEY, 333) \
  X(LEFT, 334) \
  X(LEVEL, 335) \
  X(LIKE, 336) \
  X(LOGICAL, 337) \
  X(LOGICAL1, 338) \
  X(LONG, 339) \
  X(LONGBINARY, 340) \
  X(LONGTEXT, 341) \
  X(MAX, 342) \
  X(MEMO, 343) \
  X(MIN, 344) \
  X(MOD, 345) \
  X(MONEY, 346) \
  X(NOT, 347) \
  X(NULL, 348) \
  X(NUMBER, 349) \
  X(NUMERIC, 350) \
  X(OLEOBJECT, 351) \
  X(ON, 352) \
  X(OPTION, 353) \
  X(OR, 354) \
  X(ORDER, 355) \
  X(OUTER, 356) \
  X(OWNERACCESS, 357) \
  X(PARAMETERS, 358) \
  X(PERCENT, 359) \
  X(PIVOT, 360) \
  X(PRIMARY, 361) \
  X(PROCEDURE, 362) \
  X(REAL, 363) \
  X(REFERENCES, 364) \
  X(RIGHT, 365) \
  X(SELECT, 366) \
  X(SET, 367) \
  X(SHORT, 368) \
  X(SINGLE, 369) \
  X(SMALLINT, 370) \
  X(SOME, 371) \
  X(STDEV, 372) \
  X(STDEVP, 373) \
  X(STRING, 374) \
  X(SUM, 375) \
  X(TABLE, 376) \
  X(TABLED, 377) \
  X(TEXT, 378) \
  X(TIME, 379) \
  X(TIMESTAMP, 380) \
  X(TOP, 381) \
  X(TRANSFORM, 382) \
  X(UNION, 383) \
  X(UNIQUE, 384) \
  X(UPDATE, 385) \
  X(VALUE, 386) \
  X(VALUES, 387) \
  X(VAR, 388) \
  X(VARBINARY, 389) \
  X(VARCHAR, 392) \
  X(VARP, 390) \
  X(WHERE, 393) \
  X(WITH, 394) \
  X(XOR, 391) \
  X(YESNO, 395)

// Grammar words without a scanner keyword.  X(WORD, code).
#define MSACCESS_GRAMMAR_WORD_LIST(X) \
  X(INTERSECT, 396) \
  X(MINUS, 397) \
  X(FULL, 398) \
  X(USING, 399) \
  X(FOR, 400) \
  X(NOWAIT, 401) \
  X(WAIT, 402) \
  X(READ, 403) \
  X(ONLY, 404) \
  X(OF, 405) \
  X(DEFAULT, 406) \
  X(CASCADE, 407) \
  X(ACTION, 408) \
  X(MATCH, 409) \
  X(PARTIAL, 410) \
  X(CHECK, 411) \
  X(RESTRICT, 412) \
  X(TEMPORARY, 413) \
  X(TEMP, 414) \
  X(NCHAR, 415) \
  X(VARCHAR2, 416) \
  X(FORMAT, 417) \
  X(ZONE, 418) \
  X(LOCAL, 419) \
  X(TRIM, 420) \
  X(EXTRACT, 421) \
  X(BOTH, 422) \
  X(LEADING, 423) \
  X(TRAILING, 424) \
  X(WHEN, 425) \
  X(THEN, 426) \
  X(ELSE, 427) \
  X(END, 428) \
  X(CASE, 429) \
  X(YEAR, 430) \
  X(DAY, 431) \
  X(PRIOR, 432) \
  X(ESCAPE, 433) \
  X(AT, 434) \
  X(CROSS, 435) \
  X(NATURAL, 436) \
  X(INTERVAL, 437) \
  X(OTHERS, 438) \
  X(PRAGMA, 439) \
  X(SERIALLY_REUSABLE, 440) \
  X(START, 441) \
  X(EXCEPT, 442) \
  X(RESTRICT_REFERENCES, 443) \
  X(SQL, 444) \
  X(SQLERRM, 445) \
  X(TYPECAST, 446) \
  X(BULK, 447) \
  X(TYPE, 462) \
  X(CAST, 476) \
  X(OVERLAPS, 479)

namespace msaccesstok {

enum : int {
    END_OF_INPUT = 0,
    BLOCK_COMMENT = 257,
    LINE_COMMENT = 258,
    BLANKS = 259,
    LINE_BREAK = 260,
    IDENT = 262,
    DOUBLE_LT = 263,
    DOUBLE_GT = 264,
    NUMBER_LIT = 265,
    STRING_LIT = 266,
    INTEGER_LIT = 267,
    OTHER_CHAR = 268,
    OPERATOR = 269,
    COLON_NAME = 271,
    ASSIGN_OP = 272,
    DOUBLE_DOT = 273,
    AT_NAME = 274,
#define MSACCESS_TOKEN_ENUM(word, code) KW_##word = code,
    MSACCESS_KEYWORD_LIST(MSACCESS_TOKEN_ENUM)
    MSACCESS_GRAMMAR_WORD_LIST(MSACCESS_TOKEN_ENUM)
#undef MSACCESS_TOKEN_ENUM
};

inline constexpr int KeywordCount = 119;

}  // namespace msaccesstok
