// Printer choice for the PL/SQL elements, the layout steps the PL/SQL
// printers share, and the printers of blocks and sections.
#include "formatter/concretepp_plsql.h"

#include <array>

#include "formatter/rkbasetype.h"
#include "nodes/u_nodes.h"
#include "nodes/u_nodes_generic.h"
#include "statementstructure/plsqlstatement.h"
#include "statementstructure/rkexpression.h"

using namespace pp;
using namespace ppl;

// ---------------------------------------------------------------------------
// Printer choice.  Every element class has a node kind of its own (111 to
// 153), so one table indexed by kind picks the printer.

namespace {

using TMaker = std::unique_ptr<TCustomPP> (*)(TRk_Node*);

template <class P>
std::unique_ptr<TCustomPP> Make(TRk_Node* Owner) {
    return std::make_unique<P>(Owner);
}

constexpr int32_t kFirstKind = 111;
constexpr int32_t kLastKind = 153;

const std::array<TMaker, kLastKind - kFirstKind + 1> kMakers = {
    nullptr,                                      // 111 element base
    Make<TRkPlsql_DeclPP>,                        // 112
    nullptr,                                      // 113 statement base
    Make<TRkPlsql_ProcSectPP>,                    // 114
    nullptr,                                      // 115
    Make<TRk_PlsqlPP>,                            // 116
    Make<TRkPlsql_VarDeclPP>,                     // 117
    Make<TRkPlsql_DummyStmtPP>,                   // 118
    Make<TRkPlsql_ProcBasicStmtPP>,               // 119
    Make<TRkPlsql_ExprLeftSidePP>,                // 120
    Make<TRkPlsql_AssignStmtPP>,                  // 121
    Make<TRkPlsql_SqlStmtPP>,                     // 122
    Make<TRkPlsql_CursorDeclPP>,                  // 123
    Make<TRkPlsql_CursorParamDeclPP>,             // 124
    Make<TRkPlsql_opt_declaration_exprPP>,        // 125
    Make<TRkPlsql_ExitStmtPP>,                    // 126
    Make<TRkPlsql_GotoStmtPP>,                    // 127
    Make<TRkPlsql_RaiseStmtPP>,                   // 128
    Make<TRkPlsql_ReturnStmtPP>,                  // 129
    Make<TRkPlsql_CloseStmtPP>,                   // 130
    Make<TRkPlsql_OpenStmtPP>,                    // 131
    Make<TRkPlsql_OpenforStmtPP>,                 // 132
    Make<TRkPlsql_FetchStmtPP>,                   // 133
    Make<TRkPlsql_ElsifStmtPP>,                   // 134
    Make<TRkPlsql_IfStmtPP>,                      // 135
    Make<TRkPlsql_LoopStmtPP>,                    // 136
    Make<TRkPlsql_ForallStmtPP>,                  // 137
    Make<TRkPlsql_CaseStmtPP>,                    // 138
    Make<TRkPlsql_CaseExprPP>,                    // 139
    Make<TRkPlsql_CaseExprWhenClausePP>,          // 140
    Make<TRkPlsql_ExecImmeStmtPP>,                // 141
    Make<TRkPlsql_ExceptionhandlerPP>,            // 142
    Make<TRkPlsql_TableTypeDefPP>,                // 143
    Make<TRkPlsql_VarrayTypeDefPP>,               // 144
    Make<TRkPlsql_RecordTypeDefPP>,               // 145
    Make<TRkPlsql_FieldDeclPP>,                   // 146
    Make<TRkPlsql_ProcedureDeclPP>,               // 147
    Make<TRkPlsql_ParameterDeclPP>,               // 148
    Make<TRkPlsql_ProcedureSpecPP>,               // 149
    Make<TRkPlsql_TriggerPP>,                     // 150
    Make<TRkPlsql_NullStmtPP>,                    // 151
    Make<TRkPlsql_PackagePP>,                     // 152
    Make<TRkPlsql_PragmaDeclPP>,                  // 153
};

}  // namespace

namespace {

bool IsPlsqlNode(TRk_Node* Owner) {
    return dynamic_cast<TRkPlsql_Element*>(Owner) || dynamic_cast<TPlsqlStatement*>(Owner);
}

const TRkPPChoice PlsqlChoices[] = {{IsPlsqlNode, CreatePlsqlPP}};

}  // namespace

std::span<const TRkPPChoice> PlsqlPPChoices() { return PlsqlChoices; }

std::unique_ptr<TCustomPP> CreatePlsqlPP(TRk_Node* Owner) {
    if (!Owner) return nullptr;
    if (dynamic_cast<TPlsqlStatement*>(Owner)) return Make<TPlsqlStatementPP>(Owner);
    // Other node classes use kinds of this range too; only elements count.
    if (!dynamic_cast<TRkPlsql_Element*>(Owner)) return nullptr;
    const int32_t k = Owner->NodeKind;
    if (k < kFirstKind || k > kLastKind) return nullptr;
    TMaker m = kMakers[static_cast<size_t>(k - kFirstKind)];
    return m ? m(Owner) : nullptr;
}

// ---------------------------------------------------------------------------

namespace ppl {

TCustomPP* PrinterOf(TRk_Node* N) {
    if (N && !N->PP()) N->SetPP(CreatePlsqlPP(N));
    return N ? N->PP() : nullptr;
}

namespace {

// Elements being laid out, outermost first.  Every level indents the whole
// text of the levels inside it again, so the time grows with the cube of
// the depth; past this depth an element is printed as written instead.
thread_local int32_t ElementDepth = 0;
constexpr int32_t kMaxElementDepth = 240;

struct TDepthGuard {
    TDepthGuard() { ++ElementDepth; }
    ~TDepthGuard() { --ElementDepth; }
    TDepthGuard(const TDepthGuard&) = delete;
    TDepthGuard& operator=(const TDepthGuard&) = delete;
};

// Plain text without the blanks and line breaks after its last word.
std::string AsWritten(TRk_Node* N) { return TrimTrailingSpace(N->AsText()); }

}  // namespace

std::string P(TRk_Node* N) {
    PrinterOf(N);
    if (!dynamic_cast<TRkPlsql_Element*>(N)) return Pretty(N);
    if (ElementDepth >= kMaxElementDepth) return AsWritten(N);
    TDepthGuard guard;
    return Pretty(N);
}

std::string Brk(const std::string& S) { return EnsureLineBreak(S); }
std::string Ind(const std::string& S, int32_t N) { return IndentText(S, N); }
int32_t L(const std::string& S) { return LastLineLength(S); }

std::string Label(TRkPlsql_Element* E) {
    if (!E || !E->LabelToken) return {};
    return Brk(Fmt(E->LabelOpen) + Fmt(E->LabelToken) + Fmt(E->LabelClose));
}

std::string Term(TRkPlsql_Stmt* S) { return S ? Fmt(S->Terminator) : std::string(); }

std::string CreatePrefix(int32_t Kind, TRk_Node* CreateNode) {
    auto* c = dynamic_cast<TRk_DummyNode*>(CreateNode);
    std::string R;
    if (c && Kind == 1) R = Fmt(c->Tok1);
    else if (c && Kind == 2) R = Fmt(c->Tok1) + " " + Fmt(c->Tok2) + " " + Fmt(c->Tok3);
    if (!R.empty()) R += " ";
    return R;
}

int32_t Count(TRk_List* List) { return List ? List->Count() : 0; }

TRk_Node* NodeAt(TRk_List* List, int32_t I) {
    if (!List || I < 0 || I >= List->Count()) return nullptr;
    TRkVisitedAbs* item = List->Items[static_cast<size_t>(I)];
    return item ? item->AsNode() : nullptr;
}

std::string SepOf(TRk_List* List, int32_t I) {
    if (!List || I < 0 || I >= List->Count()) return {};
    TRkVisitedAbs* item = List->Items[static_cast<size_t>(I)];
    return item ? Fmt(ItemSeparator(item)) : std::string();
}

std::string HandlersText(TRk_List* Handlers) {
    std::string H;
    for (int32_t i = 0; i < Count(Handlers); ++i) {
        if (i > 0) H += CRLF;
        H += P(NodeAt(Handlers, i));
    }
    return H;
}

void BrkIn(std::string& S) {
    if (TrailingLineBreakCount(S) == 0) {
        S += CRLF;
        return;
    }
    // As EnsureLineBreak: the blanks after the last line break go.
    size_t n = S.size();
    while (n > 0 && (S[n - 1] == ' ' || static_cast<unsigned char>(S[n - 1]) < '\n')) --n;
    S.resize(n);
}

void JoinDeclItem(std::string& D, const std::string& S) {
    const int32_t style = FmtOpt.DeclListOneLine == 1 ? 3 : FmtOpt.DeclSeparatorStyle;
    if (style == 0) D += S;
    if (style <= 2) BrkIn(D);
    if (style != 0) D += S;
    if (style == 2) D += " ";
}

int32_t DeclSeparatorExtra() {
    switch (FmtOpt.DeclSeparatorStyle) {
    case 1: return 1;
    case 2: return 2;
    default: return 0;
    }
}

}  // namespace ppl

// ---------------------------------------------------------------------------

std::string TPlsqlStatementPP::GetPrettyText() {
    auto* s = dynamic_cast<TPlsqlStatement*>(OwnerNode());
    if (!s) return WrongOwner("TPlsqlStatement", Owner);
    // CREATE TYPE and TYPE BODY units are kept as written, not parsed.
    if (s->StatementType == sstplsql_createtype) return s->GetWrittenText();
    if (!EnsureParsed(s)) return {};
    if (s->StatementType < sstplsql_block || s->StatementType > sstplsql_createtrigger) return {};
    return P(s->GetRootNode());
}

std::string TRk_PlsqlPP::GetPrettyText() {
    auto* b = dynamic_cast<TRk_Plsql*>(OwnerNode());
    if (!b) return WrongOwner("TRk_Plsql", Owner);
    // The section's text is followed by a line break even when it ends in
    // one (a label alone, a trailing line comment): BEGIN then stands after
    // an empty line.
    std::string R = P(b->DeclSection);
    if (!R.empty()) R += CRLF;
    R += Tok(b, 0);
    R = Brk(R) + IndentBlock(P(b->Section.get()), 2);
    if (b->Handlers)
        R += CRLF + Fmt(b->ExceptionToken) + CRLF + IndentBlock(HandlersText(b->Handlers), 2);
    R += CRLF + Tok(b, 1);
    if (b->EndLabel) R += " " + Fmt(b->EndLabel);
    return R + Term(b);
}

namespace {

// A plain variable declaration: the only kind whose name the section aligns.
TRkPlsql_VarDecl* AlignedVar(TRkPlsql_Stmt* Item) {
    auto* v = dynamic_cast<TRkPlsql_VarDecl*>(Item);
    return v && v->NodeKind == 117 && v->DeclKind == 1 ? v : nullptr;
}

int32_t NameLength(TSourceToken* T) { return T ? static_cast<int32_t>(T->GetText().size()) : 0; }

}  // namespace

std::string TRkPlsql_DeclPP::GetPrettyText() {
    auto* d = dynamic_cast<TRkPlsql_Decl*>(OwnerNode());
    if (!d) return WrongOwner("TRkPlsql_Decl", Owner);
    std::string R;
    if (d->BlockLabel) {
        R = Tok(d->LabelNode, 0) + Fmt(d->BlockLabel) + Tok(d->LabelNode, 1);
        if (!R.empty()) R = Brk(R);
    }
    if (d->DeclareToken) R += Fmt(d->DeclareToken);
    TRkPlsql_StmtList* items = d->Items.get();
    const int32_t n = items ? items->Count() : 0;
    if (n == 0) return R;

    // The first plain variable sets the name field; later ones widen it.
    int32_t W = 0, E = 0, F = -1;
    if (FmtOpt.DeclListOneLine == 0) {
        for (int32_t i = 0; i < n; ++i) {
            if (auto* v = AlignedVar(items->Items(i))) {
                W = NameLength(v->NameToken);
                F = i;
                break;
            }
        }
        if (W != 0) {
            E = DeclSeparatorExtra();
            for (int32_t i = F + 1; i < n; ++i)
                if (auto* v = AlignedVar(items->Items(i)))
                    if (NameLength(v->NameToken) + E > W) W = NameLength(v->NameToken) + E;
        }
    }

    std::string D;
    for (int32_t i = 0; i < n; ++i) {
        TRkPlsql_Stmt* item = items->Items(i);
        if (auto* v = AlignedVar(item); v && PrinterOf(v)) v->PP()->PadWidth = i == F ? W : W - E;
        D += IndentAfter(D, P(item));
        if (i + 1 < n) {
            // The raw list carries the separators (a DECLARE between two).
            std::string S = d->Declarations ? SepOf(d->Declarations, i + 1)
                                        : (items->Items(i + 1) ? Fmt(items->Items(i + 1)->SeparatorToken)
                                                               : std::string());
            BrkIn(D);
            D += S + " ";
        }
    }
    if (!D.empty()) R = Brk(R) + IndentBlock(D, 2);
    return R;
}

std::string TRkPlsql_ProcSectPP::GetPrettyText() {
    auto* s = dynamic_cast<TrkPlsql_ProcSect*>(OwnerNode());
    if (!s) return WrongOwner("TRkPlsql_ProcSect", Owner);
    TRkPlsql_StmtList* items = s->Items.get();
    const int32_t n = items ? items->Count() : 0;
    std::string R;
    for (int32_t i = 0; i < n; ++i) {
        R += P(items->Items(i));
        if (i + 1 == n) break;
        BrkIn(R);
        R += CRLF;
    }
    return R;
}

std::string TRkPlsql_ExceptionhandlerPP::GetPrettyText() {
    auto* h = dynamic_cast<TRkPlsql_Exceptionhandler*>(OwnerNode());
    if (!h) return WrongOwner("TRkPlsql_Exceptionhandler", Owner);
    std::string R = Tok(h, 0);
    if (h->HandlerKind == 1) {
        R += " " + Tok(h, 1) + " " + Tok(h, 2);
    } else {
        // The names are joined here, with a blank on each side of OR: the
        // name-list expression puts its separators directly between names,
        // which glues OR to them ("aOR").
        std::string names;
        for (int32_t i = 0; i < Count(h->ExceptionNames); ++i) {
            if (i > 0) names += " " + SepOf(h->ExceptionNames, i) + " ";
            names += ItemPrettyText(h->ExceptionNames->Items[static_cast<size_t>(i)]);
        }
        R += " " + names + " " + Tok(h, 1);
    }
    return R + CRLF + IndentBlock(P(h->Section.get()), 2);
}

std::string TRkPlsql_NullStmtPP::GetPrettyText() {
    auto* s = dynamic_cast<TRkPlsql_NullStmt*>(OwnerNode());
    if (!s) return WrongOwner("TRkPlsql_NullStmt", Owner);
    // The terminator is printed too: without it a labelled NULL would lose
    // its ";" and no longer be a statement.
    return Label(s) + Tok(s, 0) + Term(s);
}

std::string TRkPlsql_DummyStmtPP::GetPrettyText() {
    auto* s = dynamic_cast<TRkPlsql_DummyStmt*>(OwnerNode());
    if (!s) return WrongOwner("TRkPlsql_DummyStmt", Owner);
    // The list holds every token of the skipped range, blanks and comments
    // included, so each is printed as written: a formatted text would repeat
    // the comments that follow it.  Only the last one's formatted text is
    // taken, for the comment after the range, which no other token carries.
    // The blanks and line breaks before its first word are where the range
    // began, not part of the statement, which starts at the current column.
    std::string R;
    const TSourceTokenList* toks = s->SkippedTokens.get();
    const int32_t n = toks ? toks->Count() : 0;
    int32_t i = 0;
    while (i < n && toks->TokenAt(i) &&
           (toks->TokenAt(i)->TokenType == ttBlanks || toks->TokenAt(i)->TokenType == ttLineBreak))
        ++i;
    for (; i < n; ++i)
        if (TSourceToken* t = toks->TokenAt(i)) R += i + 1 < n ? t->GetText() : Fmt(t);
    return R;
}
