#include "parse/msaccess/rkyaccmsaccesssql.h"

#include <algorithm>
#include <charconv>

#include "msaccess_yacc.h"
#include "parse/msaccess/msaccesstokens.h"

namespace {

struct TNameRec {
    const char* Name;
    int Code;
};

// Names of characters, the identifier class and some keywords for
// expected-token texts.  Some carry grammar words that the scanner never
// yields (intersect, Minus, CASCADE, ...).
const TNameRec TokenNames[] = {
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
const TNameRec KeywordNames[] = {
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

bool FindName(const TNameRec* Begin, const TNameRec* End, int Code, std::string& Name) {
    for (const TNameRec* r = Begin; r != End; ++r)
        if (r->Code == Code) {
            Name = r->Name;
            return true;
        }
    return false;
}

}  // namespace

TRkParserMsaccessSql::TRkParserMsaccessSql() { DialectCode = 8; }

const TRkYaccTables& TRkParserMsaccessSql::Tables() { return msaccess::tables; }

bool TRkParserMsaccessSql::TokenName(int Code, std::string& Name) {
    return FindName(std::begin(TokenNames), std::end(TokenNames), Code, Name);
}

bool TRkParserMsaccessSql::KeywordName(int Code, std::string& Name) {
    return FindName(std::begin(KeywordNames), std::end(KeywordNames), Code, Name);
}

bool TRkParserMsaccessSql::yyact(int State, int Sym, int16_t& Action) {
    const TRkYaccTables& t = Tables();
    if (State < 0 || State >= t.yynstates) return false;
    for (int i = t.yyal[State]; i <= t.yyah[State]; ++i)
        if (t.yya[i].sym == Sym) {
            Action = t.yya[i].act;
            return true;
        }
    return false;
}

bool TRkParserMsaccessSql::yygoto(int State, int Sym, int16_t& Target) {
    const TRkYaccTables& t = Tables();
    if (State < 0 || State >= t.yynstates) return false;
    for (int i = t.yygl[State]; i <= t.yygh[State]; ++i)
        if (t.yyg[i].sym == Sym) {
            Target = t.yyg[i].act;
            return true;
        }
    return false;
}

std::string TRkParserMsaccessSql::ExpectedTokens(int State) {
    const TRkYaccTables& t = Tables();
    std::vector<std::string> names;
    int nameable = 0;
    int16_t act = 0;
    if (yyact(State, ';', act) && act < 0) {
        names.emplace_back(";");
        ++nameable;
    }
    if (State >= 0 && State < t.yynstates) {
        std::string name;
        for (int pass = 0; pass < 2; ++pass)
            for (int i = t.yyal[State]; i <= t.yyah[State]; ++i) {
                const int sym = t.yya[i].sym;
                if (!(pass == 0 ? TokenName(sym, name) : KeywordName(sym, name))) continue;
                ++nameable;
                if (static_cast<int>(names.size()) < MaxExpectedNames) names.push_back(name);
            }
    }
    if (names.empty()) return "Unknown";
    std::string s;
    for (const std::string& n : names) s += UpperCase(n) + " ";
    if (nameable > static_cast<int>(names.size())) s += "...";
    return s;
}

void TRkParserMsaccessSql::ReportSyntaxError(int State, int Lookahead) {
    if (!SyntaxErrorCallback) return;
    const bool end = Lookahead == 0 || CurToken == nullptr;
    SyntaxErrorCallback(1, ExpectedTokens(State), end ? std::string("end of input") : CurToken->Text,
                        CurToken ? CurToken->Line : -1, CurToken ? CurToken->Column : -1);
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

void TRkParserMsaccessSql::Fetch() {
    do {
        yychar = NextToken();
        if (yychar < 0) yychar = 0;
    } while (yychar >= tcBlockComment && yychar <= tcSqlplusCmd);
    if (yychar == 0) yylval.token = MakeEndToken();
    CurToken = yylval.token;
}

bool TRkParserMsaccessSql::Push() {
    if (yysp + 1 >= MaxStackDepth) return false;
    ++yysp;
    if (static_cast<size_t>(yysp) >= yys.size()) {
        const size_t n = yys.size() * 2;
        yys.resize(n);
        yyv.resize(n);
    }
    yys[static_cast<size_t>(yysp)] = static_cast<int16_t>(FState);
    yyv[static_cast<size_t>(yysp)] = yyval;
    return true;
}

int TRkParserMsaccessSql::Reduce(int Rule) {
    const TRkYaccTables& t = Tables();
    yyflag = 0;
    try {
        yyaction(Rule);
    } catch (const ERkError& e) {
        // An action refused the input (a second ORDER BY, ...): the parse
        // ends with an error record, never with the exception.
        ReportFatalError(e.what());
        return 2;
    }
    FLastAction = laReduce;
    yysp -= t.yyr[Rule].len;
    int16_t target = 0;
    if (yysp >= 1 && yygoto(yys[static_cast<size_t>(yysp)], t.yyr[Rule].sym, target)) FState = target;
    if (yyflag == 1) return 1;
    if (yyflag == 2 || yyflag == 3) {
        // An action gave up: never a silent failure.
        ReportFatalError(ErrorMessage.empty() ? std::string("yyparse aborted") : ErrorMessage);
        return 2;
    }
    return 0;
}

int TRkParserMsaccessSql::yyparse() {
    if (Prologue() == -1) return 1;
    const TRkYaccTables& t = Tables();
    FState = 0;
    yysp = 0;
    yychar = -1;
    yyerrflag = 0;
    FLastAction = laNone;
    FEventCount = 0;
    FResumed = false;
    yyval = accessYYSType{};
    yylval = accessYYSType{};
    FSavedVal = accessYYSType{};
    FSavedState = 0;
    FSavedSp = 0;
    yys.assign(InitialStackSize, 0);
    yyv.assign(InitialStackSize, accessYYSType{});

    enum { stPush, stFetch, stDecide, stError, stRecover } step = stPush;
    int16_t act = 0;
    for (;;) {
        switch (step) {
            case stPush:
                if (!Push()) {
                    ReportFatalError("yyparse stack overflow");
                    return 1;
                }
                step = stFetch;
                break;

            case stFetch:
                if (t.yyd[FState] == 0 && yychar == -1) Fetch();
                step = stDecide;
                break;

            case stDecide: {
                int rule = 0;
                if (t.yyd[FState] != 0) {
                    rule = -t.yyd[FState];
                } else if (!yyact(FState, yychar, act)) {
                    step = stError;
                    break;
                } else if (act == 0) {
                    return 0;
                } else if (act > 0) {
                    FSavedState = FState;
                    FSavedSp = yysp;
                    FSavedVal = yyval;
                    FLastAction = laShift;
                    FState = act;
                    yychar = -1;
                    yyval = yylval;
                    if (yyerrflag > 0) --yyerrflag;
                    if (FEventCount > 0) --FEventCount;
                    step = stPush;
                    break;
                } else {
                    rule = -act;
                }
                const int r = Reduce(rule);
                if (r == 1) return 0;
                if (r == 2) return 1;
                step = stPush;
                break;
            }

            case stError: {
                TActionOnParseError action = aopAbort;
                int rollbackTokens = 0;
                bool rollbackState = false;
                if (OnParserTokenError && FEventCount < 1) {
                    PushedBackToken = nullptr;
                    ++FEventCount;
                    try {
                        TSourceToken* tok = yylval.token;
                        OnParserTokenError(this, tok, DbVendor, ExpectedTokens(FState), action, rollbackTokens,
                                           rollbackState);
                    } catch (...) {
                        action = aopAbort;
                    }
                }
                if (action != aopContinue) {
                    step = stRecover;
                    break;
                }
                // A retry at the end of the tokens that changes nothing
                // would loop: it is reported as if there were no handler.
                const TSourceToken* la = yylval.token;
                if (PushedBackToken == nullptr && yychar == 0 &&
                    (la == nullptr || la->OwnerList == nullptr || la->OwnerList->Count() - 1 < TokenPos)) {
                    step = stRecover;
                    break;
                }
                if (rollbackTokens > 0) TokenPos = std::max(0, TokenPos - rollbackTokens);
                if (rollbackState && FLastAction == laReduce) {
                    FState = FSavedState;
                    yyval = FSavedVal;
                    yysp = std::max(0, FSavedSp - 1);
                    yychar = -1;
                    FLastAction = laNone;
                    step = stPush;
                    break;
                }
                if (rollbackState && FLastAction == laShift) {
                    FState = FSavedState;
                    if (yysp > 1) --yysp;
                }
                FLastAction = laNone;
                yychar = -1;
                step = stFetch;
                break;
            }

            case stRecover: {
                if (!FResumed) ReportSyntaxError(FState, yychar);
                for (;;) {
                    if (yysp <= 0 || FResumed) return 1;
                    const int s = yys[static_cast<size_t>(yysp)];
                    if (yyact(s, ';', act) && act < 0) break;
                    --yysp;
                }
                // Resume once, as if a ";" had ended the statement here.
                FResumed = true;
                FState = yys[static_cast<size_t>(yysp)];
                const int r = Reduce(-act);
                if (r == 1) return 0;
                if (r == 2) return 1;
                step = stPush;
                break;
            }
        }
    }
}


// ---- Helpers of the grammar actions ------------------------------------

void TRkParserMsaccessSql::AddOwnToken(TRk_Node* Node, TSourceToken* Token) {
    if (Node != nullptr && Token != nullptr) Node->TokenList->Add(Token);
}

void TRkParserMsaccessSql::AddOwnTokens(TRk_Node* Node, TRk_Node* From) {
    if (Node == nullptr || From == nullptr) return;
    for (TSourceToken* tok : From->TokenList->Items()) Node->TokenList->Add(tok);
}

void TRkParserMsaccessSql::Sep(TRkVisitedAbs* Item, TSourceToken* Separator) {
    if (Item == nullptr) return;
    if (TRk_Node* n = Item->AsNode())
        n->SeparatorToken = Separator;
    else if (TSourceToken* tok = Item->AsToken())
        tok->SeparatorToken = Separator;
}

int32_t TRkParserMsaccessSql::IntOf(const TSourceToken* Token) {
    if (Token == nullptr) return 0;
    const std::string& s = Token->Text;
    int32_t v = 0;
    const char* b = s.data();
    const char* e = b + s.size();
    if (b != e && *b == '+') ++b;   // a leading sign converts as well
    const auto [p, ec] = std::from_chars(b, e, v);
    if (ec != std::errc() || p != e || b == e) return 0;
    return v;
}

void TRkParserMsaccessSql::SetRootOnce(TRk_Node* Node) {
    // Error recovery reduces an empty statement after a statement that had
    // already parsed whole; that must not take its tree away.
    if (RootNode == nullptr) RootNode = Node;
}

TRk_Node* TRkParserMsaccessSql::WrapParens(TRk_Node* Query, TSourceToken* Open, TSourceToken* Close) {
    TRk_SelectStmt* q = Sel(Query);
    if (q == nullptr) return Query;
    TSourceTokenList* own = q->TokenList.get();
    const int32_t at = std::min(own->Count(), 2 * (q->ParenCount + q->InnerParenCount));
    if (Close) own->Insert(at, Close);
    if (Open) own->Insert(0, Open);
    ++q->ParenCount;
    return q;
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
    if (E && Quantifier) {
        E->Modifier = static_cast<uint8_t>(Quantifier->Int1);
        E->QuantifierToken = Quantifier->Tok1;
    }
    return E;
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
    auto* r = static_cast<TRkinsert_rest*>(Rest);
    i->InsertRest = r;
    if (r) {
        i->ValuesList = r->ValuesList;
        i->ColumnList = r->ColumnList;
        i->SubSelect = r->SubSelect;
    }
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
    auto* c = static_cast<TRkConstraint*>(Constraint);
    if (c) {
        c->Name = Name ? Name->Text : std::string();
        c->ConstraintToken = ConstraintToken;
        c->NameToken = Name;
    }
    return c;
}

TRkConstraintRefClause* TRkParserMsaccessSql::RefClause(TRkConstraint* C, TSourceToken* References,
                                                        TRk_Node* Table, TRk_DummyNode* Columns,
                                                        TRk_DummyNode* Match, TRk_DummyNode* Actions) {
    auto* r = New<TRkConstraintRefClause>();
    C->SetRefClause(r);
    Tk(r, References);
    r->RefTable = static_cast<TRk_Attr*>(Table);
    r->RefColumns = Columns ? Columns->List1 : nullptr;
    r->RefColumnsNode = Columns;
    r->SetFlag1(Match ? Match->Int1 : 0);
    r->MatchClause = Match;
    r->SetFlag2(Actions ? Actions->Int1 : 0);
    r->ActionsClause = Actions;
    // The low bytes: an action that is not written (-9999) gives 241.
    r->SetFlag3(static_cast<uint8_t>((Actions ? Actions->Int2 : -9999) & 0xFF));
    r->SetFlag4(static_cast<uint8_t>((Actions ? Actions->Int3 : -9999) & 0xFF));
    return r;
}

TRk_DummyNode* TRkParserMsaccessSql::KeyActions(int32_t Given, TRk_DummyNode* First, TRk_DummyNode* Second) {
    // An action's carrier holds its words in Tok1/Tok2 and ON plus DELETE
    // or UPDATE in Tok3/Tok4; here they go in source order.
    auto* h = Holder();
    h->Int1 = Given;
    if (First) {
        h->Tok1 = First->Tok3;
        h->Tok2 = First->Tok4;
        h->Tok3 = First->Tok1;
        h->Tok4 = First->Tok2;
    }
    if (Second) {
        h->Tok5 = Second->Tok3;
        h->Tok6 = Second->Tok4;
        h->Tok7 = Second->Tok1;
        h->Tok8 = Second->Tok2;
    }
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
