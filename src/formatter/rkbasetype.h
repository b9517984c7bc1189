// Formatting options, the text routines shared by tokens, nodes, statements
// and printers, and the constant name tables of the library.
//
// Strings are byte strings; a blank is 32, CR 13, LF 10.  Characters are
// always looked at as unsigned char.  Case changes and case-insensitive
// comparisons are ASCII only (no locale).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// ---------------------------------------------------------------------------
// Expression kinds (one byte).
enum TRkOpType : uint8_t {
    Expr_OP = 0,
    Expr_AND = 1,
    Expr_OR = 2,
    Expr_NOT = 3,
    Expr_Exists = 4,
    Expr_Cursor = 5,
    Expr_subquery = 6,
    Expr_Attr = 7,
    Expr_Ident = 8,
    Expr_Const = 9,
    Expr_FuncCall = 10,
    Expr_namelist = 11,
    Expr_QualifiedNamelist = 12,
    Expr_exprlist = 13,
    Expr_Arithmetic = 14,
    Expr_Concate = 15,
    Expr_Comparison = 16,
    Expr_Logical = 17,
    Expr_Set = 18,
    Expr_Parenthesis = 19,
    Expr_Other = 20,
    Expr_Escape = 21,
    Expr_IsNull = 22,
    Expr_In = 23,
    Expr_NotIn = 24,
    Expr_Between = 25,
    Expr_AllOp = 26,
    Expr_AtTimeZone = 27,
    Expr_NotLike = 28,
    Expr_IsNotNull = 29,
    Expr_NotBetween = 30,
    Expr_DayToSecond = 31,
    Expr_YearToMonth = 32,
    Expr_Case = 33,
    Expr_DoubleStar = 34,
    Expr_func_exprs = 35,
    Expr_Plsql_sql_condition = 36,
    Expr_OuterJoin = 37,
    Expr_Rollup = 38,
    Expr_Cube = 39,
    Expr_GroupingSets = 40,
    Expr_NotSupported = 41,  // expr IS [NOT] OF [TYPE] (...): own tokens IS and ")"
};
inline constexpr int RkOpTypeCount = 42;

// ---------------------------------------------------------------------------
// Formatting options.  One global instance, FmtOpt, holds the fixed defaults;
// statements may make their own copies.  Case codes: 0 upper, 1 lower,
// 2 lower with the first letter raised, 3 as written.
class TRkFmtOpt {
public:
    uint8_t KeywordCase = 0;
    uint8_t UpdateKeywordAlign = 0;
    uint8_t KeywordAlign = 0;
    uint8_t InsertKeywordAlign = 0;
    uint8_t DeleteKeywordAlign = 0;
    uint8_t ListOneLine = 0;
    uint8_t OrderByListOneLine = 0;
    uint8_t DeclListOneLine = 0;
    uint8_t InsertColumnListOneLine = 0;
    uint8_t UpdateSetListOneLine = 0;
    uint8_t AndOrPlacement = 0;
    uint8_t SeparatorStyle = 0;
    uint8_t TableListOneLine = 0;
    uint8_t ExprListOneLine = 0;
    uint8_t VarDeclAlign = 0;
    uint8_t ParamDeclAlign = 0;
    uint8_t DeclSeparatorStyle = 0;
    uint8_t ColumnDefListOneLine = 0;
    uint8_t ColumnDefAlign = 0;
    uint8_t ColumnDefSeparatorStyle = 0;
    uint8_t IdentifierCase = 1;
    uint8_t FunctionNameCase = 2;
    uint8_t AlignAndOrWithWhere = 0;
    uint8_t FuncArgsOneLine = 1;
    uint8_t CommentStyle = 0;
    uint8_t JoinInputLines = 0;
    uint8_t TrimInputLines = 0;
    char TrimInputChar = '"';
    uint8_t UseTab = 0;
    int32_t TabSize = 2;

    // Every option to its default, then both group setters.
    constexpr TRkFmtOpt() {
        SetKeywordCase(0);
        SetKeywordAlign(0);
        SetListOneLine(0);
        SetAndOrPlacement(0);
        SetSeparatorStyle(0);
        SetIdentifierCase(1);
        SetFunctionNameCase(2);
        SetAlignAndOrWithWhere(0);
        SetCommentStyle(0);
        SetJoinInputLines(0);
        SetTrimInputLines(0);
        SetTrimInputChar('"');
        SetUseTab(0);
        SetTabSize(2);
        PropagateLineBreakOptions();
        PropagateAlignOptions();
    }

    constexpr void SetKeywordCase(uint8_t Value) { KeywordCase = Value; }
    constexpr void SetUpdateKeywordAlign(uint8_t Value) { UpdateKeywordAlign = Value; }
    constexpr void SetKeywordAlign(uint8_t Value) { KeywordAlign = Value; }
    constexpr void SetInsertKeywordAlign(uint8_t Value) { InsertKeywordAlign = Value; }
    constexpr void SetDeleteKeywordAlign(uint8_t Value) { DeleteKeywordAlign = Value; }
    constexpr void SetListOneLine(uint8_t Value) { ListOneLine = Value; }
    constexpr void SetOrderByListOneLine(uint8_t Value) { OrderByListOneLine = Value; }
    constexpr void SetDeclListOneLine(uint8_t Value) { DeclListOneLine = Value; }
    constexpr void SetInsertColumnListOneLine(uint8_t Value) { InsertColumnListOneLine = Value; }
    constexpr void SetUpdateSetListOneLine(uint8_t Value) { UpdateSetListOneLine = Value; }
    constexpr void SetAndOrPlacement(uint8_t Value) { AndOrPlacement = Value; }
    constexpr void SetSeparatorStyle(uint8_t Value) { SeparatorStyle = Value; }
    constexpr void SetTableListOneLine(uint8_t Value) { TableListOneLine = Value; }
    constexpr void SetExprListOneLine(uint8_t Value) { ExprListOneLine = Value; }
    constexpr void SetVarDeclAlign(uint8_t Value) { VarDeclAlign = Value; }
    constexpr void SetParamDeclAlign(uint8_t Value) { ParamDeclAlign = Value; }
    constexpr void SetDeclSeparatorStyle(uint8_t Value) { DeclSeparatorStyle = Value; }
    constexpr void SetColumnDefListOneLine(uint8_t Value) { ColumnDefListOneLine = Value; }
    constexpr void SetColumnDefAlign(uint8_t Value) { ColumnDefAlign = Value; }
    constexpr void SetColumnDefSeparatorStyle(uint8_t Value) { ColumnDefSeparatorStyle = Value; }
    constexpr void SetIdentifierCase(uint8_t Value) { IdentifierCase = Value; }
    constexpr void SetFunctionNameCase(uint8_t Value) { FunctionNameCase = Value; }
    constexpr void SetAlignAndOrWithWhere(uint8_t Value) { AlignAndOrWithWhere = Value; }
    constexpr void SetFuncArgsOneLine(uint8_t Value) { FuncArgsOneLine = Value; }
    constexpr void SetCommentStyle(uint8_t Value) { CommentStyle = Value; }
    constexpr void SetJoinInputLines(uint8_t Value) { JoinInputLines = Value; }
    constexpr void SetTrimInputLines(uint8_t Value) { TrimInputLines = Value; }
    constexpr void SetTrimInputChar(char Value) { TrimInputChar = Value; }
    constexpr void SetUseTab(uint8_t Value) { UseTab = Value; }
    constexpr void SetTabSize(int32_t Value) { TabSize = Value; }

    // The list options follow ListOneLine; function arguments stay on one line.
    constexpr void PropagateLineBreakOptions() {
        SetOrderByListOneLine(ListOneLine);
        SetDeclListOneLine(ListOneLine);
        SetInsertColumnListOneLine(ListOneLine);
        SetUpdateSetListOneLine(ListOneLine);
        SetTableListOneLine(ListOneLine);
        SetExprListOneLine(ListOneLine);
        SetColumnDefListOneLine(ListOneLine);
        SetFuncArgsOneLine(1);
    }
    // The justifications follow KeywordAlign, the separator styles SeparatorStyle.
    constexpr void PropagateAlignOptions() {
        SetInsertKeywordAlign(KeywordAlign);
        SetUpdateKeywordAlign(KeywordAlign);
        SetDeleteKeywordAlign(KeywordAlign);
        SetParamDeclAlign(KeywordAlign);
        SetVarDeclAlign(KeywordAlign);
        SetColumnDefAlign(KeywordAlign);
        SetColumnDefSeparatorStyle(SeparatorStyle);
        SetDeclSeparatorStyle(SeparatorStyle);
    }
    // Copies only KeywordAlign, SeparatorStyle and AndOrPlacement.
    constexpr void Assign(const TRkFmtOpt& Source) {
        SetKeywordAlign(Source.KeywordAlign);
        SetSeparatorStyle(Source.SeparatorStyle);
        SetAndOrPlacement(Source.AndOrPlacement);
    }

    const char* ClassName() const { return "TRkFmtOpt"; }
};

// The program's one instance; constant-initialized, so it is ready before
// any other start-up code runs.
extern TRkFmtOpt FmtOpt;

// ---------------------------------------------------------------------------
// The separator character: the one blank every routine inserts.
inline constexpr char RkSeparatorChar = ' ';

// Names of the vendor codes 0..9 and of TSourceToken::DbObjKind 0..6.
inline constexpr int DbVendorCount = 10;
inline constexpr const char* DbVendorNames[DbVendorCount] = {
    "MSSQL", "Oracle", "MySQL", "MSaccess", "Generic",
    "DB2", "Sybase", "Informix", "Postgres", "Firebird"};
inline constexpr int DbObjKindCount = 7;
inline constexpr const char* DbObjKindNames[DbObjKindCount] = {
    "unknown", "table", "field", "function", "table alias", "field alias", "alias"};

// ---------------------------------------------------------------------------
// Text routines.

// While a statement of Vendor is printed, IndentText and SpacesToTabs read
// string literals, quoted names and comments by that vendor's rules (the
// line breaks inside a literal are its value, never indented).
class TRkLayoutVendorScope {
public:
    explicit TRkLayoutVendorScope(int Vendor);
    ~TRkLayoutVendorScope();
    TRkLayoutVendorScope(const TRkLayoutVendorScope&) = delete;
    TRkLayoutVendorScope& operator=(const TRkLayoutVendorScope&) = delete;

private:
    int FSaved;
};

// Indents every line after the first by Count blanks (after each CR LF only,
// outside string literals and quoted names); with UseTab, leading blanks
// then become tabs.
std::string IndentText(std::string_view Text, int32_t Count);
// Text without the blanks and tabs that start its lines after the first
// (lines inside a block comment or a literal excepted): a plain text's
// source indentation, which the layout's own would add to on every pass.
std::string UnindentText(std::string_view Text);
// T placed at the column where Before ends: IndentText(T, LastLineLength(
// Before)).  The column is looked for only when T has more than one line,
// so that a list laid out on one line stays linear.
std::string IndentAfter(std::string_view Before, std::string_view T);
// Every line, the first included, indented by Count blanks (tabs with UseTab):
// a nested body under its head line.
std::string IndentBlock(std::string_view Text, int32_t Count);
// Leading blanks of each line to tabs (TabSize blanks per tab); lines are
// joined by CR LF, a final line break kept; the lines of a literal are left
// as they are.
std::string SpacesToTabs(std::string_view Text);
// Characters after the last CR or LF (the whole length without either).
int32_t LastLineLength(std::string_view S);
// 0 upper, 1 lower, 2 lower with the first letter raised, else unchanged.
std::string ChangeCase(std::string_view S, int CaseKind);
// S ending in a line break: trailing blanks after a final line break go,
// else CR LF is appended.
std::string EnsureLineBreak(std::string_view S);
// The same on S itself, for text built up piece by piece.
void EnsureLineBreakInPlace(std::string& S);
// Text followed by a list separator Sep: with the one-line flag set, Sep
// follows on the line; else by the separator placement code (0 Sep then a
// line break, 1 a line break then Sep, 2 as 1 with a blank after Sep, 3
// and above Sep on the line).
std::string PlaceSeparator(std::string_view Text, std::string_view Sep, int OneLine, int Style);
// The same on Text itself: a list built item by item stays linear.
void PlaceSeparatorInPlace(std::string& Text, std::string_view Sep, int OneLine, int Style);
// A + separator + B, or B when A is empty.
std::string JoinWithSpace(std::string_view A, std::string_view B);
// Trims control characters, blanks and Ch at both ends.
std::string TrimChar(std::string_view S, char Ch);
// Case-insensitive comparison: ASCII lower case, then bytes ("_" sorts
// before letters, digits before both).  Negative, 0 or positive.
int TextCompare(std::string_view A, std::string_view B);
// Number of LF in the trailing run of CR, LF, blanks and tabs.
int32_t TrailingLineBreakCount(std::string_view S);
// S padded with blanks to Width (right when LeftJustify, else left).
std::string PadKeyword(int32_t Width, std::string_view S, bool LeftJustify);
// S without its trailing blanks and characters below LF.
std::string TrimTrailingBlanks(std::string_view S);
// Length of S without those.
size_t TrimmedLength(std::string_view S);
// S without its trailing blanks, tabs and line breaks.
std::string TrimTrailingSpace(std::string_view S);
// Flags for ReplaceText.
inline constexpr int rfReplaceAll = 1;
inline constexpr int rfIgnoreCase = 2;
// Replaces Old by New (first occurrence, or all with rfReplaceAll; exact
// case, or ASCII case-insensitive with rfIgnoreCase).  One pass; replaced
// text is never scanned again.
void ReplaceText(std::string& S, std::string_view Old, std::string_view New, int Flags);

// Small ASCII helpers used across the library.
inline char AsciiLower(char C) {
    unsigned char u = static_cast<unsigned char>(C);
    return (u >= 'A' && u <= 'Z') ? static_cast<char>(u + 32) : C;
}
inline char AsciiUpper(char C) {
    unsigned char u = static_cast<unsigned char>(C);
    return (u >= 'a' && u <= 'z') ? static_cast<char>(u - 32) : C;
}
std::string LowerCase(std::string_view S);
std::string UpperCase(std::string_view S);
// ASCII case-insensitive equality.
bool SameText(std::string_view A, std::string_view B);
