#include "parse/msaccess/rkyaccmsaccesssql.h"

#include <algorithm>
#include <charconv>

#include "msaccess_yacc.h"
#include "parse/msaccess/msaccesstokens.h"
#include "parse/rksqlconstraints.h"
#include "parse/rksqlqueries.h"

namespace {

// Names of characters, the identifier class and some keywords for
// expected-token texts.  Some carry grammar words that the scanner never
// yields (intersect, Minus, CASCADE, ...).
const TRkNameRec TokenNames[] = {
    {"Identifier", 262}, {"Select", 366}, {"Insert", 324}, {"Update", 385}, {"Delete", 299},
    {"From", 312}, {"Where", 393}, {"Group", 314}, {"Having", 316}, {"Order", 355}, {"And", 279},
    {"Or", 354}, {"Not", 347}, {"Is", 331}, {"Null", 348}, {"Distinct", 302}, {"Any", 280},
    {"All", 276}, {"As", 281}, {",", 44}, {"By", 288}, {"Asc", 282}, {"Desc", 300}, {"In", 321},
    {"Like", 336}, {"Minus", 397}, {"Union", 383}, {"intersect", 396}, {"CREATE", 295},
    {"DROP", 305}, {"INDEX", 322}, {"INTO", 330}, {"JOIN", 332}, {"CASCADE", 407}, {"UNIQUE", 384},
    {"ON", 352}, {"TABLE", 376}, {"VALUES", 387}, {"CASE", 429}, {"CAST", 476}, {"CONSTRAINT", 292},
    {"COUNT", 291}, {"OVERLAPS", 479}, {"TIMESTAMP", 380}, {"TOP", 381}, {"TRIM", 420},
    {"TYPE", 462}, {"(", 40}, {")", 41}, {"[", 91}, {"]", 93}, {".", 46}, {":", 58}, {"-", 45},
    {"/", 47}, {"*", 42}, {"+", 43}, {"=", 61}, {">", 62}, {"<", 60}, {"@", 64},
};

// Keywords named in expected-token texts, in this (unsorted) order.
const TRkNameRec KeywordNames[] = {
    {"ACTION", 408}, {"ADD", 275}, {"ALTER", 278}, {"BETWEEN", 285}, {"CHAR", 289}, {"CHECK", 411},
    {"CROSS", 435}, {"DATE", 298}, {"DAY", 431}, {"DEFAULT", 406}, {"ELSE", 427}, {"EXISTS", 307},
    {"EXTRACT", 421}, {"FLOAT", 308}, {"FOR", 400}, {"FOREIGN", 311}, {"INNER", 323}, {"INT", 325},
    {"INTERVAL", 437}, {"INTEGER", 326}, {"LEVEL", 335}, {"LEFT", 334}, {"LONG", 339},
    {"MATCH", 409}, {"NATURAL", 436}, {"NOWAIT", 401}, {"NUMBER", 349}, {"OF", 405},
    {"OTHERS", 438}, {"OPTION", 353}, {"PARTIAL", 410}, {"PRAGMA", 439}, {"PRIOR", 432},
    {"RIGHT", 365}, {"SERIALLY_REUSABLE", 440}, {"SET", 367}, {"START", 441}, {"SMALLINT", 370},
    {"THEN", 426}, {"VARCHAR", 392}, {"WAIT", 402}, {"WITH", 394}, {"YEAR", 430}, {"AT", 434},
    {"BOTH", 422}, {"BOOLEAN", 287}, {"CHARACTER", 290}, {"DATABASE", 297}, {"DOUBLE", 304},
    {"END", 428}, {"ESCAPE", 433}, {"EXCEPT", 442}, {"FULL", 398}, {"KEY", 333}, {"LEADING", 423},
    {"LOCAL", 419}, {"MAX", 342}, {"MIN", 344}, {"NCHAR", 415}, {"NUMERIC", 350}, {"ONLY", 404},
    {"OUTER", 356}, {"PERCENT", 359}, {"PRIMARY", 361}, {"PROCEDURE", 362}, {"READ", 403},
    {"REAL", 363}, {"REFERENCES", 364}, {"RESTRICT", 412}, {"RESTRICT_REFERENCES", 443},
    {"SOME", 371}, {"SQL", 444}, {"SQLERRM", 445}, {"SUM", 375}, {"TEMPORARY", 413}, {"TIME", 379},
    {"TRAILING", 424}, {"TYPECAST", 446}, {"USING", 399}, {"VALUE", 386}, {"WHEN", 425},
    {"BULK", 447}, {"ZONE", 418},
};

}  // namespace

TRkParserMsaccessSql::TRkParserMsaccessSql() { DialectCode = 8; }

const TRkYaccTables& TRkParserMsaccessSql::Tables() { return msaccess::tables; }

bool TRkParserMsaccessSql::TokenName(int Code, std::string& Name) {
    return RkFindName(TokenNames, Code, Name);
}

bool TRkParserMsaccessSql::KeywordName(int Code, std::string& Name) {
    return RkFindName(KeywordNames, Code, Name);
}

int TRkParserMsaccessSql::NextToken() {
    // The grammar reads a ":" name as an identifier.
    return NextListToken(msaccesstok::COLON_NAME, msaccesstok::IDENT, false);
}

// ---- Helpers of the grammar actions ------------------------------------

TRk_SelectDistinct* TRkParserMsaccessSql::Distinct(uint8_t Kind, TSourceToken* Keyword) {
    auto* d = New<TRk_SelectDistinct>();
    d->DistinctKind = Kind;
    d->KeywordToken = Keyword;
    Tk(d, Keyword);
    return d;
}

TRk_DummyNode* TRkParserMsaccessSql::IndexColumn(TSourceToken* Name, TSourceToken* Order, int32_t Kind) {
    TRk_DummyNode* h = Holder();
    h->Int1 = Kind;
    h->Sub1 = Ex(Expr_Attr, nullptr, PlainName(Name), nullptr);
    h->Tok1 = Order;
    return h;
}

TRk_Node* TRkParserMsaccessSql::MakeInsert(TSourceToken* Insert, TSourceToken* Into, TRk_Node* Target,
                                           TRk_Node* Rest) {
    TRk_InsertStmt* i = TRkSqlActions::MakeInsert(Insert, Into, Target, Rest, nullptr);
    i->HasInto = Into ? 1 : 0;
    return i;
}

TRk_Node* TRkParserMsaccessSql::MakeDelete(TSourceToken* Delete, TSourceToken* From, TRk_Node* Target,
                                           TRk_DummyNode* FromList, TRk_DummyNode* Where) {
    TRk_DeleteStmt* d = TRkSqlActions::MakeDelete(Target, Where, nullptr, From ? 0 : 1);
    d->FromList = FromList ? FromList->List1 : nullptr;
    d->FromClause = FromList;
    Tk(d, Delete, From);
    return d;
}

TRk_CreateTableStmt* TRkParserMsaccessSql::NewCreateTable(TSourceToken* Create, TRk_DummyNode* Temp,
                                                          TSourceToken* Table, TRk_Node* Name) {
    auto* c = New<TRk_CreateTableStmt>();
    c->TableKind = Temp ? Temp->Int1 : 0;
    c->TableKindNode = Temp;
    c->TableName = static_cast<TRk_Attr*>(Name);
    Tk(c, Create, Table);
    return c;
}

TRkConstraintRefClause* TRkParserMsaccessSql::RefClause(TRkConstraint* C, TSourceToken* References,
                                                        TRk_Node* Table, TRk_DummyNode* Columns,
                                                        TRk_DummyNode* Match, TRk_DummyNode* Actions) {
    TRkConstraintRefClause* r =
        TRkSqlActions::RefClause(References, static_cast<TRk_Attr*>(Table), Columns, Match, Actions);
    C->SetRefClause(r);
    return r;
}
