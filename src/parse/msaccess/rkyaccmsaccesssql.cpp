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
    if (!TokenList) return 0;
    TSourceToken* t = GetNextToken(true);
    if (t == nullptr || t->TokenCode == 0) return 0;
    yylval.token = t;
    // The grammar reads a ":" name as an identifier.
    if (t->TokenCode == msaccesstok::COLON_NAME) t->TokenCode = msaccesstok::IDENT;
    return t->TokenCode;
}

// ---- Helpers of the grammar actions ------------------------------------

TRk_Node* TRkParserMsaccessSql::WrapParens(TRk_Node* Query, TSourceToken* Open, TSourceToken* Close) {
    return RkWrapParens(Query, Open, Close);
}

TRk_Attr* TRkParserMsaccessSql::DottedName(TSourceToken* First, TSourceToken* Dot, TRk_List* Tail) {
    auto* a = New<TRk_Attr>();
    a->NameToken = First;
    a->DotToken = Dot;
    a->NameParts = Tail;
    return a;
}

TRk_Attr* TRkParserMsaccessSql::PlainName(TSourceToken* Name) {
    auto* a = New<TRk_Attr>();
    a->NameToken = Name;
    return a;
}

TRkCustomExpression* TRkParserMsaccessSql::Paren(TSourceToken* Open, TRk_Node* Inner, TSourceToken* Close) {
    TRkCustomExpression* e = Ex(Expr_Parenthesis, nullptr, Inner, nullptr);
    Tk(e, Open, Close);
    return e;
}

TRkCustomExpression* TRkParserMsaccessSql::Quantified(TRkCustomExpression* E, TRk_DummyNode* Quantifier) {
    return RkQuantify(E, Quantifier);
}

TRk_A_Const* TRkParserMsaccessSql::Const(uint8_t Kind, TSourceToken* Token) {
    auto* c = New<TRk_A_Const>();
    c->ConstKind = Kind;
    c->ValueToken = Token;
    Tk(c, Token);
    return c;
}

TRk_SelectDistinct* TRkParserMsaccessSql::Distinct(uint8_t Kind, TSourceToken* Keyword) {
    auto* d = New<TRk_SelectDistinct>();
    d->DistinctKind = Kind;
    d->KeywordToken = Keyword;
    Tk(d, Keyword);
    return d;
}

TRk_TableRef* TRkParserMsaccessSql::TableRef(TRk_Node* Name, TRk_Node* Alias) {
    auto* r = New<TRk_TableRef>();
    r->Source = Name;
    r->Alias = static_cast<TRk_AliasClause*>(Alias);
    return r;
}

TRk_JoinExpr* TRkParserMsaccessSql::Join(uint8_t Kind, TRk_Node* Left, TRk_Node* Right, TRk_Node* Qual,
                                         TRk_DummyNode* Type) {
    auto* j = New<TRk_JoinExpr>();
    j->JoinType = Kind;
    j->LeftRef = Left;
    j->RightRef = Right;
    j->Qualification = static_cast<TRk_joinqual*>(Qual);
    j->JoinTypeClause = Type;
    return j;
}

TRk_AliasClause* TRkParserMsaccessSql::Alias(TSourceToken* As, TSourceToken* Name, TRk_List* Parts,
                                             bool MarkAlias) {
    auto* a = New<TRk_AliasClause>();
    a->AliasToken = Name;
    a->NameParts = Parts;
    a->HasAs = As ? 1 : 0;
    if (MarkAlias && Name) Name->DbObjKind = 6;
    Tk(a, As);
    return a;
}

TRk_Node* TRkParserMsaccessSql::MakeInsert(TSourceToken* Insert, TSourceToken* Into, TRk_Node* Target,
                                           TRk_Node* Rest) {
    auto* i = New<TRk_InsertStmt>();
    i->TargetTable = static_cast<TRk_TableRef*>(Target);
    RkTakeInsertRest(i, Rest);
    i->HasInto = Into ? 1 : 0;
    Tk(i, Insert, Into);
    return i;
}

TRk_Node* TRkParserMsaccessSql::MakeDelete(TSourceToken* Delete, TSourceToken* From, TRk_Node* Target,
                                           TRk_DummyNode* FromList, TRk_DummyNode* Where) {
    auto* d = New<TRk_DeleteStmt>();
    d->TargetTable = static_cast<TRk_TableRef*>(Target);
    d->FromList = FromList ? FromList->List1 : nullptr;
    d->FromClause = FromList;
    d->WhereCondition = Where ? Where->Sub1 : nullptr;
    d->WhereClause = Where;
    d->FromOmitted = From ? 0 : 1;
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

TRkConstraint* TRkParserMsaccessSql::Constraint(uint8_t TableLevel, uint8_t Type) {
    auto* c = New<TRkConstraint>();
    c->SeparatorFollows = TableLevel;
    c->ConstraintType = Type;
    return c;
}

TRk_Node* TRkParserMsaccessSql::Named(TRk_Node* Constraint, TSourceToken* ConstraintToken, TSourceToken* Name) {
    return RkNameConstraint(Constraint, ConstraintToken, Name);
}

TRkConstraintRefClause* TRkParserMsaccessSql::RefClause(TRkConstraint* C, TSourceToken* References,
                                                        TRk_Node* Table, TRk_DummyNode* Columns,
                                                        TRk_DummyNode* Match, TRk_DummyNode* Actions) {
    auto* r = New<TRkConstraintRefClause>();
    C->SetRefClause(r);
    Tk(r, References);
    RkFillRefClause(r, static_cast<TRk_Attr*>(Table), Columns, Match, Actions);
    return r;
}

TRk_DummyNode* TRkParserMsaccessSql::KeyActions(int32_t Given, TRk_DummyNode* First, TRk_DummyNode* Second) {
    // An action's carrier holds its words in Tok1/Tok2 and ON plus DELETE
    // or UPDATE in Tok3/Tok4; here they go in source order.
    auto* h = Holder();
    h->Int1 = Given;
    RkOrderRefActions(h, First, Second);
    return h;
}

TRk_DummyNode* TRkParserMsaccessSql::KeyAction(int32_t Code, TSourceToken* W1, TSourceToken* W2) {
    auto* h = Holder();
    h->Int1 = Code;
    h->Tok1 = W1;
    h->Tok2 = W2;
    return h;
}

TRk_TypeName* TRkParserMsaccessSql::TypeName(uint8_t Form, TSourceToken* Keyword, TRk_DummyNode* Params) {
    auto* t = New<TRk_TypeName>();
    t->TypeForm = Form;
    t->TypeNameToken = Keyword;
    Tk(t, Keyword);
    if (Params) {
        t->Param1 = Params->Int1;
        t->Param2 = Params->Int2;
        AddOwnTokens(t, Params);
    }
    return t;
}

TRk_TypeName* TRkParserMsaccessSql::CharType(TRk_DummyNode* Word, TSourceToken* Open, TSourceToken* Len,
                                             TSourceToken* Close) {
    // The keyword lives in the carrier (kept as the type node) and in the
    // token list, not in the name token.
    auto* t = New<TRk_TypeName>();
    t->TypeNode = Word;
    t->TypeForm = static_cast<uint8_t>(Word->Int1);
    AddOwnTokens(t, Word);
    if (Len) t->Param1 = IntOf(Len);
    Tk(t, Open, Len, Close);
    return t;
}

TRk_DummyNode* TRkParserMsaccessSql::Precision(TSourceToken* Open, TSourceToken* First, TSourceToken* Comma,
                                               TSourceToken* Second, TSourceToken* Close) {
    auto* h = Holder();
    h->Int1 = IntOf(First);
    if (Second) h->Int2 = IntOf(Second);
    Tk(h, Open, First, Comma, Second, Close);
    return h;
}

TRk_FuncCall* TRkParserMsaccessSql::Call(TRk_Node* Name, TRk_List* Args) {
    auto* f = New<TRk_FuncCall>();
    f->NameAttr = static_cast<TRk_Attr*>(Name);
    f->ArgList = Args;
    return f;
}

TRk_FuncCall* TRkParserMsaccessSql::Special(TSourceToken* Keyword, uint8_t Form) {
    auto* f = New<TRk_FuncCall>();
    f->KeywordToken = Keyword;
    f->CallForm = Form;
    return f;
}
