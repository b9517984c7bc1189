// The LALR driver the table-driven SQL parsers share: the push, fetch,
// decide, error and recover loop over the yaccgen tables, the
// expected-token text, the error-event retry/rewind/undo handling and the
// growing stacks, plus the small node-building helpers every grammar's
// actions call.  A dialect parser derives from TRkSqlDriver<itself, its
// value record> and supplies its tables, name tables and token fetch.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "formatter/rkbasetype.h"
#include "nodes/rkexceptions.h"
#include "nodes/u_nodes.h"
#include "nodes/u_nodes_generic.h"
#include "nodes/u_parsenodes.h"
#include "parse/rkyacclib.h"
#include "parse/rkyacctables.h"
#include "parse/rkyaccvalue.h"
#include "statementstructure/rkexpression.h"

// Converts a node reference to the field type it is assigned to (the node
// fields are typed more narrowly than the value cells).  The grammar only
// stores values whose class matches the field.
template <class P>
struct TRkNodeCast {
    P* Ptr = nullptr;
    template <class T>
    operator T*() const {   // NOLINT(google-explicit-constructor)
        return static_cast<T*>(Ptr);
    }
};

// The value record of the SQL grammars (Oracle, MySQL).  Each grammar
// symbol fills the cell that suits it; a terminal's value is its token.
struct TRkSqlYYSType : TRkYYValue {
    RK_YY_CELL(TRk_Attr, name, 1)         // qualified names
    RK_YY_CELL(TRk_DummyNode, clause, 2)  // clause holders
    RK_YY_CELL(TRk_Node, node, 3)         // statements, queries, expressions, ...
    RK_YY_CELL(TRk_TypeName, type, 4)     // data types
    RK_YY_CELL(TRk_List, list, 5)         // every list
    RK_YY_CELL(TSourceToken, token, 6)    // terminals and name/literal tokens
};

// One row of a dialect's name table for expected-token texts.
struct TRkNameRec {
    const char* Name;
    int Code;
};

// The first row with Code wins.
template <std::size_t N>
bool RkFindName(const TRkNameRec (&Table)[N], int Code, std::string& Name) {
    for (const TRkNameRec& r : Table)
        if (r.Code == Code) {
            Name = r.Name;
            return true;
        }
    return false;
}

// The helpers the grammar actions of every dialect call.
class TRkSqlActions : public TRkCustomParser {
protected:
    template <class T>
    T* New() {
        return NewNode<T>(true);
    }
    TRk_DummyNode* Holder() { return NewNode<TRk_DummyNode>(true); }
    template <class P>
    static TRkNodeCast<P> NC(P* p) {
        return TRkNodeCast<P>{p};
    }
    template <class V>
    static V NC(V v) {
        return v;
    }
    // Appends the given tokens (nil ones skipped) to Node's own tokens.
    template <class... Ts>
    void Tk([[maybe_unused]] TRk_Node* Node, Ts*... Tokens) {
        (AddOwnToken(Node, Tokens), ...);
    }
    void AddOwnToken(TRk_Node* Node, TSourceToken* Token);
    void AddOwnTokens(TRk_Node* Node, TRk_Node* From);
    TRk_List* L1(TRkVisitedAbs* Item) { return MakeList(Item, true); }
    TRk_List* Ap(TRk_List* List, TRkVisitedAbs* Item) { return AppendToList(List, Item, true); }
    static void Sep(TRkVisitedAbs* Item, TSourceToken* Separator);
    TRkCustomExpression* Ex(TRkOpType Kind, TSourceToken* Op, TRk_Node* Left, TRk_Node* Right) {
        return MakeExpression(static_cast<uint8_t>(Kind), Op, Left, Right);
    }
    // expr IS [NOT] OF [TYPE] (types): the operand, and the words from IS to
    // the closing parenthesis as written.
    TRkCustomExpression* IsOfType(TRk_Node* Left, TSourceToken* Is, TSourceToken* Close) {
        TRkCustomExpression* E = Ex(Expr_NotSupported, Is, Left, nullptr);
        Tk(E, Is, Close);
        return E;
    }
    static TRk_SelectStmt* Sel(TRk_Node* N) { return static_cast<TRk_SelectStmt*>(N); }
    static int32_t IntOf(const TSourceToken* Token);
    void SetRootOnce(TRk_Node* Node);

    // ---- Nodes the grammars build alike ---------------------------------
    // (A dialect whose node differs declares its own builder of that name.)
    static TRk_Node* WrapParens(TRk_Node* Query, TSourceToken* Open, TSourceToken* Close);
    TRk_Attr* DottedName(TSourceToken* First, TSourceToken* Dot = nullptr, TRk_List* Tail = nullptr);
    TRk_InsertStmt* MakeInsert(TSourceToken* Insert, TSourceToken* Into, TRk_Node* Target, TRk_Node* Rest,
                               TRk_Node* Returning);
    TRk_DeleteStmt* MakeDelete(TRk_Node* Target, TRk_DummyNode* Where, TRk_Node* Returning, uint8_t FromOmitted);
    // The tables of UPDATE ... SET: one table reference is the target; several
    // tables, or a join, are the target list.
    static void SetUpdateTargets(TRk_UpdateStmt* Update, TRk_List* Tables);
    // The quantifier node holds its kind in Int1 and its word in Tok1.
    static TRkCustomExpression* Quantified(TRkCustomExpression* E, TRk_Node* Quantifier);
    TRkCustomExpression* Paren(TSourceToken* Open, TRk_Node* Inner, TSourceToken* Close);
    TRkCustomExpression* IdentExpr(TSourceToken* Token, bool OwnToken = false);
    TRk_A_Const* Const(uint8_t Kind, TSourceToken* Token);
    TRk_FuncCall* Special(TSourceToken* Keyword, uint8_t Form = 0);
    TRk_FuncCall* Call(TRk_Node* Name, TRk_List* Args);
    TRk_TableRef* TableRef(TRk_Node* Relation, TRk_Node* Alias);
    TRk_JoinExpr* Join(uint8_t Kind, TRk_Node* Left, TRk_Node* Right, TRk_Node* Qual, TRk_DummyNode* Type);
    // An alias: Name as the alias token (marked as an alias when MarkAlias),
    // or Parts as a dotted alias name; As when the keyword stands.
    TRk_AliasClause* Alias(TSourceToken* As, TSourceToken* Name, TRk_List* Parts, bool MarkAlias = true);
    // A holder of a code and up to two words.
    TRk_DummyNode* KindNode(int32_t Code, TSourceToken* T1, TSourceToken* T2);
    TRk_alterTableStmt* AlterTable(TSourceToken* Alter, TSourceToken* Table, TRk_Node* Name,
                                   TRk_List* EnableDisable = nullptr);
    TRkColumnDef* ColumnDef(TSourceToken* Name, TRk_TypeName* Type, TRk_List* Constraints);
    TRk_CreateViewSqlStatement* MakeView(uint8_t OrReplace, TRk_DummyNode* Force, TRk_Attr* Name,
                                         TRk_DummyNode* Columns, TRk_Node* Query, TRk_DummyNode* Restriction);
    TRkConstraint* Constraint(uint8_t SeparatorFollows, uint8_t Type);
    static TRk_Node* Named(TRk_Node* Constraint, TSourceToken* ConstraintToken, TSourceToken* Name);
    TRkConstraintRefClause* RefClause(TSourceToken* References, TRk_Attr* Table, TRk_DummyNode* Columns,
                                      TRk_DummyNode* Match, TRk_DummyNode* Actions);
    // The ON DELETE / ON UPDATE clauses: Presence, and their words in source
    // order.
    TRk_DummyNode* RefActions(int32_t Presence, TRk_DummyNode* First, TRk_DummyNode* Second);
    // Params holds the precision and scale and their tokens.
    TRk_TypeName* TypeName(uint8_t Form, TSourceToken* Keyword, TRk_DummyNode* Params = nullptr);
    // A character type whose keyword node holds the form (Int1) and the
    // words; Length is optional.
    TRk_TypeName* CharType(TRk_Node* Keyword, TSourceToken* Open, TSourceToken* Length, TSourceToken* Close);
    // "(" P [, S] ")": P in Int1, S in Int2.
    TRk_DummyNode* Precision(TSourceToken* Open, TSourceToken* P, TSourceToken* Comma, TSourceToken* S,
                             TSourceToken* Close);
};

// Value and state stacks lent to one parse at a time.  A script makes a
// parser per statement and parses them one after another: one grown pair of
// stacks per thread serves them all, instead of a pair kept by every parser
// after its parse.  A parse that starts inside another one (an action that
// parses a sub-query) borrows a second pair.
template <class YYSType>
class TRkStackLender {
public:
    struct TStacks {
        std::vector<YYSType> Values;
        std::vector<int16_t> States;
    };
    // Stacks for a parse: a returned pair (contents unspecified), or empty
    // ones.
    static TStacks Borrow() {
        std::vector<TStacks>& f = Free();
        if (f.empty()) return TStacks{};
        TStacks s = std::move(f.back());
        f.pop_back();
        return s;
    }
    // Takes the stacks back for the next parse.  A pair that a hostile input
    // grew far beyond what scripts need is freed instead of kept.
    static void Return(TStacks&& S) {
        std::vector<TStacks>& f = Free();
        if (S.States.empty() || S.States.size() > MaxKeptEntries || f.size() >= MaxKeptPairs) return;
        f.push_back(std::move(S));
    }

private:
    static constexpr std::size_t MaxKeptEntries = 4096;
    static constexpr std::size_t MaxKeptPairs = 4;
    static std::vector<TStacks>& Free() {
        static thread_local std::vector<TStacks> f;
        return f;
    }
};

// Derived supplies (public):
//   static const TRkYaccTables& Tables();   yaccgen's, with the packed rows
//   static bool TokenName(int, std::string&), KeywordName(int, std::string&);
//   int NextToken();           the next grammar token's code, 0 at the end
//   void yyaction(int);        generated from the grammar
//   static constexpr int InitialStackSize;
//   static constexpr bool KeepStacks;          stacks keep their grown size
//   static constexpr int ForcedErrorCode;      token that forces recovery, -1 none
//   static constexpr bool ReduceAfterFailedResume;
//   static constexpr bool CatchActionErrors;   ERkError from an action ends the parse
template <class Derived, class YYSType>
class TRkSqlDriver : public TRkSqlActions {
public:
    static constexpr int MaxExpectedNames = 20;

    // 0 accepted, 1 failed.  The stacks are borrowed for the parse and
    // handed back when it ends: nothing reads them afterwards.
    int yyparse() override {
        using TLender = TRkStackLender<YYSType>;
        typename TLender::TStacks s = TLender::Borrow();
        yyv.swap(s.Values);
        yys.swap(s.States);
        struct TGiveBack {
            TRkSqlDriver& D;
            ~TGiveBack() {
                typename TLender::TStacks back;
                back.Values.swap(D.yyv);
                back.States.swap(D.yys);
                TLender::Return(std::move(back));
            }
        } giveBack{*this};
        return Run();
    }

    // The action (or goto) of the first entry of State's range for Sym.
    static bool yyact(int State, int Sym, int16_t& Action) {
        int a = 0;
        if (!TRkCustomParser::yyact(Derived::Tables(), State, Sym, a)) return false;
        Action = static_cast<int16_t>(a);
        return true;
    }
    static bool yygoto(int State, int Sym, int16_t& Target) {
        int g = 0;
        if (!TRkCustomParser::yygoto(Derived::Tables(), State, Sym, g)) return false;
        Target = static_cast<int16_t>(g);
        return true;
    }

    // ";" first when State reduces on it, then at most 20 token names and
    // keyword names in table order, each followed by a blank; "..." when
    // names were left out, "Unknown" when none is known.
    static std::string ExpectedTokens(int State);
    void ReportSyntaxError(int State, int Lookahead) {
        if (!SyntaxErrorCallback) return;
        const bool end = Lookahead == 0 || CurToken == nullptr;
        SyntaxErrorCallback(1, ExpectedTokens(State), end ? std::string("end of input") : std::string(CurToken->GetText()),
                            CurToken ? CurToken->Line : -1, CurToken ? CurToken->Column : -1);
    }
    void SetErrorMessage(const std::string& Text) { ErrorMessage = Text; }

    // The next significant token of the list as the lookahead: its code, 0
    // at the end.  A token coded RecodeFrom is re-coded RecodeTo in the list
    // first; ClearOriginal forgets the code an earlier parse demoted.
    int NextListToken(int RecodeFrom = -1, int RecodeTo = 0, bool ClearOriginal = true) {
        if (!TokenList) return 0;
        TSourceToken* t = GetNextToken(true);
        if (t == nullptr || t->TokenCode == 0) return 0;
        if (t->TokenCode == RecodeFrom) t->TokenCode = RecodeTo;
        yylval.token(t);
        if (ClearOriginal) t->SetOriginalCode(0);
        return t->TokenCode;
    }

    // A rule without an action: its value without the action switch.
    bool PassOn(int Rule, const TRkYaccTables& T) {
        return RkPassOn(T, Rule, yyv.data() + yysp, yyval);
    }

    // Read by the generated actions (and by tests).
    YYSType yylval{};               // lookahead record
    YYSType yyval{};                // value of the last shift or reduce
    std::vector<YYSType> yyv;       // value stack, yyv[yysp] on top
    std::vector<int16_t> yys;       // state stack
    int yysp = 0;

private:
    enum TLastAction : uint8_t { laNone, laShift, laReduce };

    // Driver state of one parse.
    int FState = 0;
    int FSavedState = 0;            // undo record, taken at shifts
    int FSavedSp = 0;
    YYSType FSavedVal{};
    TLastAction FLastAction = laNone;
    int FEventCount = 0;
    bool FResumed = false;

    Derived& Self() { return static_cast<Derived&>(*this); }
    // The loop's look-ups.  Generated tables always carry the packed rows,
    // and the loop only asks about states the tables gave it: no checks
    // beyond the slot's own.
    static int DefaultOf(const TRkYaccTables& T, int State) { return T.yyst[State].def; }
    static bool ActionOf(const TRkYaccTables& T, int State, int Sym, int& Action) {
        return RkDenseFind(T, State, Sym, Action);
    }
    int Run();
    bool Push();
    // 0 go on, 1 accept, 2 fail.  T: the tables (Derived::Tables()), which
    // the loop holds.
    int Reduce(int Rule, const TRkYaccTables& T);
    void Fetch();
};

template <class Derived, class YYSType>
std::string TRkSqlDriver<Derived, YYSType>::ExpectedTokens(int State) {
    return RkExpectedTokenText(Derived::Tables(), State, static_cast<size_t>(MaxExpectedNames), true,
                               &Derived::TokenName, &Derived::KeywordName);
}

template <class Derived, class YYSType>
void TRkSqlDriver<Derived, YYSType>::Fetch() {
    do {
        yychar = Self().NextToken();
        if (yychar < 0) yychar = 0;
    } while (yychar >= tcBlockComment && yychar <= tcSqlplusCmd);
    if (yychar == 0) yylval.token(MakeEndToken());
    CurToken = yylval.token();
}

template <class Derived, class YYSType>
bool TRkSqlDriver<Derived, YYSType>::Push() {
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

template <class Derived, class YYSType>
int TRkSqlDriver<Derived, YYSType>::Reduce(int Rule, const TRkYaccTables& T) {
    yyflag = 0;
    if (PassOn(Rule, T)) {
        // no action to run
    } else if (Derived::CatchActionErrors) {
        try {
            Self().yyaction(Rule);
        } catch (const ERkError& e) {
            // An action refused the input (a second ORDER BY, ...): the parse
            // ends with an error record, never with the exception.
            ReportFatalError(e.what());
            return 2;
        }
    } else {
        Self().yyaction(Rule);
    }
    FLastAction = laReduce;
    const TYYRRec& r = T.yyr[Rule];
    yysp -= r.len;
    int target = 0;
    if (yysp >= 1 && RkCombFind(T.yygb, T.yygc, T.yyngc, yys[static_cast<size_t>(yysp)], -r.sym, target))
        FState = target;
    if (yyflag == 1) return 1;
    if (yyflag == 2 || yyflag == 3) {
        // An action gave up: never a silent failure.
        ReportFatalError(ErrorMessage.empty() ? std::string("yyparse aborted") : ErrorMessage);
        return 2;
    }
    return 0;
}

template <class Derived, class YYSType>
int TRkSqlDriver<Derived, YYSType>::Run() {
    if (Prologue() == -1) return 1;
    const TRkYaccTables& t = Derived::Tables();
    FState = 0;
    yysp = 0;
    yychar = -1;
    yyerrflag = 0;
    FLastAction = laNone;
    FEventCount = 0;
    FResumed = false;
    yyval = YYSType{};
    yylval = YYSType{};
    FSavedVal = YYSType{};
    FSavedState = 0;
    FSavedSp = 0;
    if constexpr (Derived::KeepStacks) {
        // The stacks keep what an earlier parse grew them to; entries above
        // the stack pointer are overwritten before they are read.
        if (yys.size() < static_cast<size_t>(Derived::InitialStackSize)) {
            yys.resize(Derived::InitialStackSize);
            yyv.resize(Derived::InitialStackSize);
        }
    } else {
        yys.assign(Derived::InitialStackSize, 0);
        yyv.assign(Derived::InitialStackSize, YYSType{});
    }

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
                if (DefaultOf(t, FState) == 0 && yychar == -1) {
                    Fetch();
                    if (Derived::ForcedErrorCode >= 0 && yychar == Derived::ForcedErrorCode) {
                        step = stRecover;
                        break;
                    }
                }
                step = stDecide;
                break;

            case stDecide: {
                int rule = -DefaultOf(t, FState);
                if (rule == 0) {
                    int a = 0;
                    if (!ActionOf(t, FState, yychar, a)) {
                        step = stError;
                        break;
                    }
                    if (a == 0) return 0;
                    if (a > 0) {
                        FSavedState = FState;
                        FSavedSp = yysp;
                        FSavedVal = yyval;
                        FLastAction = laShift;
                        FState = a;
                        yychar = -1;
                        yyval = yylval;
                        if (yyerrflag > 0) --yyerrflag;
                        if (FEventCount > 0) --FEventCount;
                        step = stPush;
                        break;
                    }
                    rule = -a;
                }
                const int r = Reduce(rule, t);
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
                        TSourceToken* tok = yylval.token();
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
                const TSourceToken* la = yylval.token();
                if (PushedBackToken == nullptr && yychar == 0 &&
                    (la == nullptr || la->GetOwnerList() == nullptr || la->GetOwnerList()->Count() - 1 < TokenPos)) {
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
                if (!FResumed) {
                    ReportSyntaxError(FState, yychar);
                } else if constexpr (Derived::ReduceAfterFailedResume) {
                    // The one resumption failed too.  Before giving up, go on
                    // reducing as a ";" would, so that a statement that is
                    // complete up to the error keeps its tree.
                    if (yysp > 0 && yyact(yys[static_cast<size_t>(yysp)], ';', act) && act < 0) {
                        FState = yys[static_cast<size_t>(yysp)];
                        const int r = Reduce(-act, t);
                        if (r == 2) return 1;
                        step = stPush;
                        break;
                    }
                    return 1;
                }
                for (;;) {
                    if (yysp <= 0 || FResumed) return 1;
                    const int s = yys[static_cast<size_t>(yysp)];
                    if (yyact(s, ';', act) && act < 0) break;
                    --yysp;
                }
                // Resume once, as if a ";" had ended the statement here.
                FResumed = true;
                FState = yys[static_cast<size_t>(yysp)];
                const int r = Reduce(-act, t);
                if (r == 1) return 0;
                if (r == 2) return 1;
                step = stPush;
                break;
            }
        }
    }
}
