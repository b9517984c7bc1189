// The name, expression, type and holder nodes the PL/SQL grammar's actions
// build, and its error rules.
#include <algorithm>
#include <memory>
#include <utility>

#include "parse/oracle/rkyaccoracleplsql.h"
#include "statementstructure/plsqlstatement_elements.h"
#include "statementstructure/rkexpression.h"
#include "statementstructure/sqlstatement.h"

TRk_Node* TRkParserOraclePlsql::SkipBrokenConstruct() {
    auto* dummy = New<TRkPlsql_DummyStmt>();
    RecoveryToken = std::exchange(ErrorSemicolon, nullptr);
    while (RecoveryToken == nullptr) {
        TSourceToken* t = GetNextToken(false);
        if (t == nullptr) break;
        if (t->TokenCode == 0 && t->Line == -1) {
            // The end token of this parse is not part of the unit.
            --TokenPos;
            break;
        }
        if (t->TokenType == ttSemicolon) {
            RecoveryToken = t;
            break;
        }
    }
    LastTokenIndex = TokenPos - 1;
    if (ResumeIndex >= 0 && TokenList) {
        const TSourceTokenSpan items = TokenList->Items();
        const int n = std::min<int>(TokenPos, static_cast<int>(items.size()));
        for (int i = ResumeIndex; i < n; ++i) dummy->SkippedTokens->Add(items[static_cast<std::size_t>(i)]);
    }
    ResumeIndex = TokenPos;
    // Broken up to the end: the unit is accepted as far as it went.
    if (RecoveryToken == nullptr) yyflag = 1;
    return dummy;
}

TRk_Node* TRkParserOraclePlsql::ParenQuery(TSourceToken* Open, TRk_Node* Query, TSourceToken* Close) {
    auto* s = static_cast<TCustomSqlStatement*>(Query);
    if (s == nullptr) return nullptr;
    if (Open) s->SourceTokens->Insert(0, Open);
    if (Close) s->SourceTokens->Add(Close);
    return s;
}

TRk_Ident* TRkParserOraclePlsql::IdentNode(TSourceToken* Token) {
    auto* i = New<TRk_Ident>();
    i->IdentToken = Token;
    return i;
}

TRk_Attr* TRkParserOraclePlsql::AttrOf(TSourceToken* Name, TRk_List* Parts, TSourceToken* Dot) {
    auto* a = New<TRk_Attr>();
    a->NameToken = Name;
    a->NameParts = Parts;
    a->DotToken = Dot;
    return a;
}

TRk_Attr* TRkParserOraclePlsql::AddPart(TRk_Attr* Attr, TSourceToken* Dot, TSourceToken* Part) {
    if (Attr == nullptr) return nullptr;
    Sep(Part, Dot);
    if (Attr->NameParts) Attr->NameParts->Add(Part);
    return Attr;
}

TRk_Attr* TRkParserOraclePlsql::Linked(TRk_Attr* Name, TSourceToken* At, TSourceToken* Link) {
    if (Name == nullptr) return nullptr;
    Name->AtToken = At;
    Name->LinkedName = AttrOf(Link, nullptr, nullptr);
    return Name;
}

TRk_FuncCall* TRkParserOraclePlsql::Call(TRk_Attr* Name, TSourceToken* Open, TRk_List* Args,
                                         TSourceToken* Close) {
    auto* f = New<TRk_FuncCall>();
    f->NameAttr = Name;
    f->ArgList = Args;
    Tk(f, Open, Close);
    return f;
}

TRk_FuncCall* TRkParserOraclePlsql::CallFlag(TRk_Attr* Name, TSourceToken* Open, TSourceToken* Flag,
                                             TRk_List* Args, TSourceToken* Close, int Which) {
    auto* f = New<TRk_FuncCall>();
    f->NameAttr = Name;
    f->ArgList = Args;
    if (Which == 1) f->IsStar = 1;
    else if (Which == 2) f->IsDistinct = 1;
    else f->IsAll = 1;
    // The walk prints the star or keyword as own token 1.
    Tk(f, Open, Flag, Close);
    return f;
}

TRk_Node* TRkParserOraclePlsql::ExtractArgs(TSourceToken* Field, TSourceToken* From, TRk_Node* Source) {
    auto* x = New<TRk_ExtractList>();
    x->FieldToken = Field;
    x->SourceExpr = Source;
    Tk(x, From);
    return x;
}

TRk_FuncCall* TRkParserOraclePlsql::ExtractCall(TSourceToken* Extract, TSourceToken* Open, TRk_Node* Args,
                                                TSourceToken* Close) {
    auto* f = New<TRk_FuncCall>();
    f->KeywordToken = Extract;
    f->CallForm = 4;
    f->ExtractArgs = static_cast<TRk_ExtractList*>(Args);
    Tk(f, Extract, Open, Close);
    return f;
}

TRk_FuncCall* TRkParserOraclePlsql::TrimCall(std::uint8_t Kind, TSourceToken* Trim, TSourceToken* Open,
                                             TSourceToken* Where, TRk_Node* Args, TSourceToken* Close) {
    auto* f = New<TRk_FuncCall>();
    f->KeywordToken = Trim;
    f->CallForm = 1;
    f->TrimKind = Kind;
    f->TrimArgs = static_cast<TRk_TrimList*>(Args);
    Tk(f, Trim, Open, Where, Close);
    return f;
}

TRk_FuncCall* TRkParserOraclePlsql::CastCall(TSourceToken* Cast, TSourceToken* Open, TRk_Node* Operand,
                                             TSourceToken* As, TRk_TypeName* Type, TSourceToken* Close) {
    auto* f = New<TRk_FuncCall>();
    f->KeywordToken = Cast;
    f->CallForm = 2;
    f->CastExpr = Operand;
    f->CastType = Type;
    Tk(f, Cast, Open, As, Close);
    return f;
}

TRk_TrimList* TRkParserOraclePlsql::TrimArgs(TRk_Node* TrimChar, TSourceToken* From, TRk_List* Source) {
    auto* t = New<TRk_TrimList>();
    t->TrimChar = TrimChar;
    t->HasFrom = From ? 1 : 0;
    t->SourceList = Source;
    Tk(t, From);
    return t;
}

TRkCustomExpression* TRkParserOraclePlsql::Paren(TSourceToken* Open, TRk_Node* Inner, TSourceToken* Close) {
    TRkCustomExpression* e = Ex(Expr_Parenthesis, nullptr, Inner, nullptr);
    Tk(e, Open, Close);
    return e;
}

TRkCustomExpression* TRkParserOraclePlsql::Quantified(TSourceToken* Op, TRk_Node* Left, TRk_DummyNode* SubType,
                                                      TRk_Node* Right) {
    TRkCustomExpression* e = Ex(Expr_AllOp, Op, Left, Right);
    if (SubType) {
        e->Modifier = static_cast<std::uint8_t>(SubType->Int1);
        e->QuantifierToken = SubType->Tok1;
    }
    return e;
}

TRk_A_Const* TRkParserOraclePlsql::Const(std::uint8_t Kind, TSourceToken* Value) {
    auto* c = New<TRk_A_Const>();
    c->ConstKind = Kind;
    c->ValueToken = Value;
    Tk(c, Value);
    return c;
}

TRkValue* TRkParserOraclePlsql::IntValue(TSourceToken* Value) {
    TRkValue* v = Adopt(MakeIntegerValue(0));
    if (Value) v->SetObject(Value);
    return v;
}

TRk_TypeName* TRkParserOraclePlsql::TypeName(std::uint8_t Kind, TSourceToken* Name) {
    auto* t = New<TRk_TypeName>();
    t->TypeNameToken = Name;
    t->TypeForm = Kind;
    Tk(t, Name);
    return t;
}

TRk_TypeName* TRkParserOraclePlsql::AnchoredType(std::uint8_t Kind, TRk_Attr* Name, TSourceToken* Percent,
                                                 TSourceToken* Suffix) {
    auto* t = New<TRk_TypeName>();
    t->TypeNode = Name;
    t->MidToken = Percent;
    t->EndToken = Suffix;
    t->TypeForm = Kind;
    return t;
}

TRk_TypeName* TRkParserOraclePlsql::PrecisionType(std::uint8_t Kind, TSourceToken* Name, TRk_DummyNode* Precision,
                                                  bool Scale) {
    TRk_TypeName* t = TypeName(Kind, Name);
    if (Precision) {
        t->Param1 = Precision->Int1;
        if (Scale) t->Param2 = Precision->Int2;
        AddOwnTokens(t, Precision);
    }
    return t;
}

TRk_DummyNode* TRkParserOraclePlsql::Precision(TSourceToken* Open, TSourceToken* P, TSourceToken* Comma,
                                               TSourceToken* S, TSourceToken* Close) {
    TRk_DummyNode* d = Holder(IntOf(P));
    if (S) d->Int2 = IntOf(S);
    Tk(d, Open, P, Comma, S, Close);
    return d;
}

TRk_DummyNode* TRkParserOraclePlsql::CharKind(std::int32_t Kind, TSourceToken* T1, TSourceToken* T2,
                                              TRk_DummyNode* Varying) {
    TRk_DummyNode* d = Holder(Kind);
    d->Int2 = Varying ? Varying->Int1 : -9999;
    Tk(d, T1, T2);
    if (Varying && Varying->Int1 == 1) Tk(d, Varying->Tok1);
    return d;
}

TRk_TypeName* TRkParserOraclePlsql::CharacterType(TRk_DummyNode* Kind, TSourceToken* Open, TSourceToken* Length,
                                                  TRk_DummyNode* Semantics, TSourceToken* Close,
                                                  TRk_DummyNode* Charset) {
    auto* t = New<TRk_TypeName>();
    if (Kind) {
        t->TypeForm = static_cast<std::uint8_t>(Kind->Int1);
        t->VaryingFlag = Kind->Int2;
        t->TypeNameToken = Kind->OwnToken(0);
        AddOwnTokens(t, Kind);
    }
    if (Length) {
        t->Param1 = IntOf(Length);
        t->LengthSemantics = Semantics ? Semantics->Int1 : -9999;
        Tk(t, Open, Length);
        if (Semantics && Semantics->Int1 != -9999) Tk(t, Semantics->Tok1);
        Tk(t, Close);
    }
    if (Charset && Charset->Int1 == 1) {
        t->CharsetCode = IntOf(Charset->Tok3);
        Tk(t, Charset->Tok1, Charset->Tok2, Charset->Tok3);
    }
    return t;
}

TRk_DummyNode* TRkParserOraclePlsql::Holder(std::int32_t Int1, TSourceToken* T1, TSourceToken* T2,
                                            TSourceToken* T3) {
    auto* d = New<TRk_DummyNode>();
    d->Int1 = Int1;
    d->Tok1 = T1;
    d->Tok2 = T2;
    d->Tok3 = T3;
    return d;
}

TRk_DummyNode* TRkParserOraclePlsql::ListHolder(TRk_List* List, TSourceToken* Keyword) {
    TRk_DummyNode* d = Holder(-9999, Keyword);
    d->List1 = List;
    return d;
}

TRk_DummyNode* TRkParserOraclePlsql::BindArg(std::int32_t Mode, TSourceToken* Name, TSourceToken* M1,
                                             TSourceToken* M2) {
    return Holder(Mode, Name, M1, M2);
}
