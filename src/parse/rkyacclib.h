// Parser runtime shared by the table-driven LALR parsers of every dialect:
// the token feed (with bind-variable and SQL-variable substitution and the
// token event), the node pool that owns everything a parse builds, the
// builders the grammar actions call, the prologue every parse runs first,
// and a driver loop over the generated tables (TRkLalrParser) that dialect
// parsers may use as is or adapt.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "formatter/rkbasetype.h"
#include "nodes/rkexceptions.h"
#include "nodes/u_nodes.h"
#include "parse/rknodearena.h"
#include "parse/rkyacctables.h"

#include "statementstructure/sqlstatement_types.h"

class TCustomSqlStatement;
class TRkCustomExpression;
class TRk_SelectStmt;
class TRkCustomParser;

// (error type, expected text, token text, line, column)
using TRkSyntaxErrorCallback = std::function<bool(std::uint8_t ErrorType, const std::string& ExpectedText,
                                                  const std::string& TokenText, std::int32_t Line,
                                                  std::int32_t Column)>;

// What the runtime needs of the statement model, which is built on top of
// it.  Unset hooks: selects are not wrapped, variables are not recorded.
struct TRkParserHooks {
    // A new select statement object (node kind 179) for the vendor.
    std::unique_ptr<TRk_Node> (*CreateSelectStatement)(std::uint8_t DbVendor) = nullptr;
    // Makes SelectNode the statement's parse-tree root and analyzes it.
    void (*AnalyzeSelect)(TRk_Node* Statement, TRk_Node* SelectNode) = nullptr;
    // Whether a select statement object already holds its analysis.
    bool (*IsSelectAnalyzed)(TRk_Node* Statement) = nullptr;
    // Parse(False) of a select statement object: 0 on success.
    int (*ParseSelect)(TRk_Node* Statement) = nullptr;
    // Records a bind or SQL variable with the statement.
    void (*AddBindVar)(TCustomSqlStatement* Statement, std::unique_ptr<TRkValue> Value) = nullptr;
    void (*AddSqlVar)(TCustomSqlStatement* Statement, std::unique_ptr<TRkValue> Value) = nullptr;
};
extern TRkParserHooks RkParserHooks;

class TRkCustomParser {
public:
    // Node kinds the builders look at.
    static constexpr std::uint8_t SelectNodeKind = 170;
    static constexpr std::uint8_t SelectStatementKind = 179;

    TRk_Node* RootNode = nullptr;
    TSourceToken* CurToken = nullptr;
    TSourceTokenList* TokenList = nullptr;            // not owned
    TRkSyntaxErrorCallback SyntaxErrorCallback;
    TSourceTokenList* AuxTokenList = nullptr;         // not owned, not read here
    TOnBindVarEvent OnBindVar;
    TOnParserTokenErrorEvent OnParserTokenError;
    TOnParserTokenEvent OnParserToken;
    TOnSqlVarEvent OnSqlVar;
    // Fired by the SQL Server grammar for each statement it recognises, with
    // the statement's node as sender and StatementStartPos/StatementEndPos.
    TOnGetRawSqlStatementEvent OnGetRawSqlStatement;
    std::int32_t yyerrflag = 0;
    std::uint8_t yyflag = 0;          // set by actions: 1 accept, 2 and 3 fail
    std::vector<TRkPooledNode> NodePool;             // every node of the last parse
    std::vector<TRk_Node*> ResultList;                // not owning
    std::uint8_t DbVendor = 0;
    std::int32_t StatementEndPos = -1;
    std::int32_t StatementStartPos = 0;
    std::int32_t yychar = -1;
    std::string ErrorMessage;
    std::int32_t TokenPos = 0;
    TCustomSqlStatement* CurStatement = nullptr;
    TSourceToken* PushedBackToken = nullptr;
    std::uint8_t DialectCode = 0;

    // Set on a parser that a front end lends to every statement of its
    // script: a parse keeps the trees of the earlier ones (each belongs to
    // its statement) until ReleaseTrees, when the script goes.
    bool KeepTrees = false;
    // While a statement parses with the parser; a parse that starts inside
    // (a sub-query an action parses) takes a parser of its own.
    bool InUse = false;

    // Limits that keep every tree a parse builds walkable: deeper input ends
    // the parse with the error "yyparse stack overflow" instead of failing
    // later in a recursive walk.
    std::int32_t MaxStackDepth = 10000;
    std::int32_t MaxExpressionDepth = 1000;

    TRkCustomParser();
    TRkCustomParser(const TRkCustomParser&) = delete;
    TRkCustomParser& operator=(const TRkCustomParser&) = delete;
    virtual ~TRkCustomParser();

    virtual const char* ClassName() const { return "TRkCustomParser"; }

    // The base holds the prologue; dialect parsers override it and call
    // Prologue() first.
    virtual int yyparse() { return Prologue(); }

    void SetAuxTokenList(TSourceTokenList* L) { AuxTokenList = L; }
    void SetOnBindVar(TOnBindVarEvent E) { OnBindVar = std::move(E); }
    void SetOnParserTokenError(TOnParserTokenErrorEvent E) { OnParserTokenError = std::move(E); }
    void SetOnParserToken(TOnParserTokenEvent E) { OnParserToken = std::move(E); }
    void SetOnSqlVar(TOnSqlVarEvent E) { OnSqlVar = std::move(E); }
    void SetOnGetRawSqlStatement(TOnGetRawSqlStatementEvent E) { OnGetRawSqlStatement = std::move(E); }

    // A new node of class T for the current statement, vendor and parser,
    // owned by the node pool.  Register is kept for the grammars' sake: a
    // node nothing else would own goes to the pool as well.
    template <class T>
    T* NewNode(bool Register = true) {
        (void)Register;
        ReservePool();
        T* node = new (FArena.Allocate(sizeof(T))) T();
        RkMarkArenaNode(node);   // before anything can release it
        NodePool.emplace_back(node, TRkNodeRelease{true});
        node->AfterConstruction();
        node->Statement = CurStatement;
        node->DbVendor = DbVendor;
        return node;
    }
    // Hands a node made elsewhere (CreateNodeOfClass, MakeIntegerValue) to
    // the pool.
    template <class T>
    T* Adopt(std::unique_ptr<T> Node) {
        T* raw = Node.get();
        ReservePool();
        NodePool.emplace_back(Node.release(), TRkNodeRelease{false});
        return raw;
    }

    // The arena this parser's nodes and their parts live in.
    TRkNodeArena* NodeArena() { return &FArena; }

    TRk_List* MakeListWithTail(TRkVisitedAbs* Item, TRk_List* Tail, bool WrapSelect);
    TRk_List* MakeList(TRkVisitedAbs* Item, bool WrapSelect);
    TRk_List* MakeList2(TRkVisitedAbs* First, TRkVisitedAbs* Second, bool WrapSelect);
    TRk_List* AppendToList(TRk_List* List, TRkVisitedAbs* Item, bool WrapSelect);
    TRk_List* ConcatLists(TRk_List* A, TRk_List* B);
    TRkCustomExpression* MakeExpression(std::uint8_t ExprType, TSourceToken* OperatorToken,
                                        TRk_Node* Left, TRk_Node* Right);
    TRk_SelectStmt* MakeSelectNode(std::uint8_t SetOperation, TSourceToken* OperatorToken,
                                   TRk_Node* Left, TRk_Node* Right);

    // Room for the trees of about Significant significant tokens, asked
    // for once by a front end that keeps the trees of its whole script.
    void ReserveTrees(std::size_t Significant);
    // Frees every tree the parser holds: the statements that refer to them
    // must be gone.
    void ReleaseTrees();

    // Marks a parser in use for the duration of one parse.
    class TUse {
    public:
        explicit TUse(TRkCustomParser& P) : FParser(P), FWas(P.InUse) { P.InUse = true; }
        ~TUse() { FParser.InUse = FWas; }
        TUse(const TUse&) = delete;
        TUse& operator=(const TUse&) = delete;

    private:
        TRkCustomParser& FParser;
        bool FWas;
    };

    // The next token for the grammar, or nullptr.
    TSourceToken* GetNextToken(bool SkipBlanks);

    // A fatal condition: ErrorMessage := Message and one error record
    // through the callback (error type 1, the current token).
    void ReportFatalError(const std::string& Message);

    // The end-of-input token of this parse, owned by the parser and
    // appended to TokenList (once per list), unless TokenList reads a range
    // of another list.
    TSourceToken* MakeEndToken();
    // An end-of-input token some parser appended: code 0, no text, no
    // place in a list.  No scanner puts such a token in a list.
    static bool IsEndToken(const TSourceToken* T) {
        return T->TokenCode == 0 && T->PosInList == -1 && T->GetText().empty();
    }

    // Table look-ups: the first entry of the state's range with the symbol.
    static bool yyact(const TRkYaccTables& T, int State, int Sym, int& Action) {
        return RkYaccAction(T, State, Sym, Action);
    }
    static bool yygoto(const TRkYaccTables& T, int State, int Sym, int& Target) {
        return RkYaccGoto(T, State, Sym, Target);
    }

protected:
    // Runs first in every parse: clears the results of the previous parse
    // and frees its nodes (unless KeepTrees); -1 when there is nothing to
    // parse, else 0.
    int Prologue();

private:
    TRkNodeArena FArena;   // memory of the nodes NewNode made; freed after the pool empties
    // A statement's tree is a few dozen nodes: skip the smallest steps.  The
    // pool of a whole script, reserved for its trees, grows by a quarter
    // where the guess fell short: doubling it would hold three times the
    // pool at the end of the parse, when the heap is fullest.
    void ReservePool() {
        const size_t cap = NodePool.capacity();
        if (cap == 0) NodePool.reserve(16);
        else if (KeepTrees && NodePool.size() == cap) NodePool.reserve(cap + cap / 4);
    }
    // Destroys the nodes of the last parse, newest first (statements in the
    // pool refer to older nodes), and frees their memory.
    void FreeNodes();
    // A statement's parser makes an end token or two, each on the heap; a
    // parser reused over a script's lists makes one per statement, in a
    // token store of its own.
    static constexpr size_t kEndTokensOnHeap = 4;
    static constexpr size_t kArenaBytesPerToken = 192;
    // Scripts make from 0.7 (Oracle) to 1.1 (MySQL) nodes per significant
    // token.
    static constexpr size_t kNodesPer8Tokens = 9;
    std::vector<std::unique_ptr<TSourceToken>> FEndTokens;
    std::unique_ptr<TSourceTokenList> FEndTokenStore;   // the end tokens past those
    std::unique_ptr<TSourceToken> FRangeEndToken;       // the end token of range lists
    TSourceToken* NewEndToken();
    TRkVisitedAbs* WrapItem(TRkVisitedAbs* Item, bool WrapSelect);
    TRk_Node* WrapSelectNode(TRk_Node* SelectNode);
    TRk_Node* ConvertOperand(TRk_Node* Operand);
    void HandleVariable(TSourceToken* T, bool Bind);
};

// ---------------------------------------------------------------------------
// The expected-token text of a syntax error in State: ";" first when the
// state reduces on it, then the state's terminals that have a token name,
// then those that have a keyword name, at most MaxNames, each in upper case
// and followed by a blank; "..." after them when MarkMore and some were
// left out; "Unknown" when none has a name.  TokenName and KeywordName are
// (int Symbol, std::string& Name) -> bool.
template <class TokenNameFn, class KeywordNameFn>
std::string RkExpectedTokenText(const TRkYaccTables& T, int State, size_t MaxNames, bool MarkMore,
                                TokenNameFn&& TokenName, KeywordNameFn&& KeywordName) {
    std::vector<std::string> names;
    int act = 0;
    if (TRkCustomParser::yyact(T, State, ';', act) && act < 0) names.emplace_back(";");
    bool more = false;
    if (State >= 0 && State < T.yynstates) {
        std::string name;
        for (int pass = 0; pass < 2; ++pass)
            for (int i = T.yyal[State]; i <= T.yyah[State]; ++i) {
                const int sym = T.yya[i].sym;
                if (!(pass == 0 ? TokenName(sym, name) : KeywordName(sym, name))) continue;
                if (names.size() >= MaxNames) {
                    more = true;
                    continue;
                }
                names.push_back(name);
            }
    }
    if (names.empty()) return "Unknown";
    std::string s;
    for (const std::string& n : names) s += UpperCase(n) + " ";
    if (MarkMore && more) s += "...";
    return s;
}

// ---------------------------------------------------------------------------
// The driver loop over generated tables.  YYSType is the dialect's value
// record; the generated yyaction reads yyv[yysp - len + k] and writes yyval.
// A dialect supplies yyaction, how a token goes into its record, and may
// override the token fetch, the names in expected-token texts and the
// handling of syntax errors.
template <class YYSType>
class TRkLalrParser : public TRkCustomParser {
public:
    explicit TRkLalrParser(const TRkYaccTables& ATables) : Tables(&ATables) {}

    int yyparse() override;

protected:
    const TRkYaccTables* Tables = nullptr;
    YYSType yyval{};                 // value of the last shift or reduction
    YYSType yylval{};                // value of the lookahead token
    std::vector<YYSType> yyv;        // value stack; yyv[yysp] is the top
    std::vector<int> yys;            // state stack
    int yysp = 0;
    int yystate = 0;
    TSourceToken* yylvalToken = nullptr;

    virtual void yyaction(int yyruleno) = 0;
    // Puts the lookahead token into the record's token cell.
    virtual void SetTokenCell(YYSType& V, TSourceToken* T) = 0;
    // Code of the next grammar token (0 at the end), with SetLookahead done.
    virtual int NextToken();
    // Names of symbols for the expected-token text; false when unnamed.
    virtual bool TokenName(int Code, std::string& Name) { return false; }
    virtual bool KeywordName(int Code, std::string& Name) { return false; }
    // A syntax error in yystate on yychar.  True when the handler has put
    // the parser back on track: the loop then fetches (yychar = -1) or
    // decides again in yystate.  The default reports and gives up.
    virtual bool OnSyntaxError();

    void SetLookahead(TSourceToken* T) {
        yylvalToken = T;
        SetTokenCell(yylval, T);
    }
    // ";" first when the state reduces on it, then at most 20 names, each
    // followed by a blank, "..." when some were left out; "Unknown" when
    // none is known.
    std::string ExpectedTokens(int State);
    void ReportSyntaxError(int State, int Lookahead);
    // Reduces by rule R: 0 go on, 1 accept, 2 fail.
    int yyreduce(int R);
    // Pushes yystate and yyval; false when the stack would exceed its limit.
    bool yypush();
    // Fetches the lookahead, passing over comments, blanks, line breaks and
    // command tokens; at the end makes the end token.
    void yyfetch();
};

template <class YYSType>
int TRkLalrParser<YYSType>::NextToken() {
    if (!TokenList) return 0;
    TSourceToken* t = GetNextToken(true);
    if (!t || t->TokenCode == 0) return 0;
    SetLookahead(t);
    t->SetOriginalCode(0);
    return t->TokenCode;
}

template <class YYSType>
void TRkLalrParser<YYSType>::yyfetch() {
    do {
        yychar = NextToken();
        if (yychar < 0) yychar = 0;
    } while (yychar >= tcBlockComment && yychar <= tcSqlplusCmd);
    if (yychar == 0) SetLookahead(MakeEndToken());
    CurToken = yylvalToken;
}

template <class YYSType>
bool TRkLalrParser<YYSType>::yypush() {
    if (yysp + 1 >= MaxStackDepth) return false;
    ++yysp;
    if (static_cast<size_t>(yysp) >= yys.size()) {
        const size_t n = std::max<size_t>(64, yys.size() * 2);
        yys.resize(n);
        yyv.resize(n);
    }
    yys[static_cast<size_t>(yysp)] = yystate;
    yyv[static_cast<size_t>(yysp)] = yyval;
    return true;
}

template <class YYSType>
int TRkLalrParser<YYSType>::yyreduce(int R) {
    yyflag = 0;
    yyaction(R);
    yysp -= Tables->yyr[R].len;
    int target = 0;
    if (yygoto(*Tables, yys[static_cast<size_t>(yysp)], Tables->yyr[R].sym, target)) yystate = target;
    if (yyflag == 1) return 1;
    if (yyflag == 2 || yyflag == 3) {
        ReportFatalError(ErrorMessage.empty() ? std::string("yyparse aborted") : ErrorMessage);
        return 2;
    }
    return 0;
}

template <class YYSType>
std::string TRkLalrParser<YYSType>::ExpectedTokens(int State) {
    return RkExpectedTokenText(
        *Tables, State, 20, true, [this](int Sym, std::string& N) { return TokenName(Sym, N); },
        [this](int Sym, std::string& N) { return KeywordName(Sym, N); });
}

template <class YYSType>
void TRkLalrParser<YYSType>::ReportSyntaxError(int State, int Lookahead) {
    if (!SyntaxErrorCallback) return;
    const bool end = Lookahead == 0 || !CurToken;
    SyntaxErrorCallback(1, ExpectedTokens(State), end ? std::string("end of input") : std::string(CurToken->GetText()),
                        CurToken ? CurToken->Line : -1, CurToken ? CurToken->Column : -1);
}

template <class YYSType>
bool TRkLalrParser<YYSType>::OnSyntaxError() {
    ReportSyntaxError(yystate, yychar);
    return false;
}

template <class YYSType>
int TRkLalrParser<YYSType>::yyparse() {
    if (Prologue() == -1) return 1;
    yystate = 0;
    yysp = 0;
    yychar = -1;
    yyerrflag = 0;
    yyval = YYSType{};
    yylval = YYSType{};
    yylvalToken = nullptr;
    yys.assign(64, 0);
    yyv.assign(64, YYSType{});
    bool push = true;
    for (;;) {
        if (push && !yypush()) {
            ReportFatalError("yyparse stack overflow");
            return 1;
        }
        push = true;
        const int def = Tables->yyd[yystate];
        if (def == 0 && yychar == -1) yyfetch();
        int act = 0;
        if (def != 0) {
            act = def;
        } else if (!yyact(*Tables, yystate, yychar, act)) {
            if (!OnSyntaxError()) return 1;
            push = false;
            continue;
        }
        if (act > 0) {
            yystate = act;
            yychar = -1;
            yyval = yylval;
            if (yyerrflag > 0) --yyerrflag;
            continue;
        }
        if (act == 0) return 0;
        switch (yyreduce(-act)) {
            case 1: return 0;
            case 2: return 1;
            default: break;
        }
    }
}
