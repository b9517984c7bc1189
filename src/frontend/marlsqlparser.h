// The parser component a host program talks to: created for one vendor, it
// reads SQL text or a file, tokenizes it with the vendor's scanner, splits
// the tokens into statements, parses and analyzes each statement and keeps
// every error in one array of records.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "nodes/rkobjectarena.h"
#include "statementstructure/sqlstatement.h"
#include "statementstructure/sqlstatement_types.h"

class TRkCustomLexer;
class TRkCustomParser;
class TRkParserFactory;
class TRkScriptParsers;
class TSourceToken;
class TSourceTokenList;

class TCustomMarlSqlParser {
public:
    explicit TCustomMarlSqlParser(std::uint8_t Vendor);
    virtual ~TCustomMarlSqlParser();
    TCustomMarlSqlParser(const TCustomMarlSqlParser&) = delete;
    TCustomMarlSqlParser& operator=(const TCustomMarlSqlParser&) = delete;

    // Input and output texts (lists of lines).
    std::string Sqlfilename;
    std::string FormattedSqlfilename;
    std::string InputDir;
    std::string InputFileName;
    bool CheckSyntaxOnly = false;
    std::string VersionId = "1.2.3";
    std::string VersionMsg;
    bool SqlplusMode = false;
    bool SubstitutionMode = false;
    bool QuestionMarkIdent = true;

    // Events.
    TOnSubstitutionVarEvent OnSubstitutionVar;
    TOnTokenlizerTokenEvent OnTokenlizerToken;
    TOnGetRawSqlStatementEvent OnGetRawSqlStatement;
    TOnParserTokenEvent OnParserToken;
    TOnParserTokenErrorEvent OnParserTokenError;
    TOnBindVarEvent OnBindVar;
    TOnTokenlizerTokenErrorEvent OnTokenlizerTokenError;
    TOnStatementFieldEvent OnStatementField;
    TOnStatementTableEvent OnStatementTable;
    TOnDbObjTokenEvent OnFieldTokenEvent;
    TOnDbObjTokenEvent OnTableTokenEvent;
    TOnTokenListEvent OnTokenListEvent;
    TOnSqlVarEvent OnSqlVar;

    // Returns the error count; a negative count when the input cannot be
    // prepared; -1 when tokenizing or splitting fails.
    int Parse();
    int ErrorCount() const { return FErrors.Count(); }
    const TSyntaxErrorArray& SyntaxErrors() const { return FErrors; }
    std::string GetErrorMessages() const;

    void SetSqlfilename(const std::string& S) { Sqlfilename = S; }
    // The script's text as lines.  It is held as one text, each line
    // followed by CR LF, which the scanner reads and the tokens view; the
    // lines are made when asked for.
    void SetSqlText(const std::vector<std::string>& Lines);
    std::vector<std::string> SqlText() const;
    // Splits S into lines at CR LF, CR or LF (see SplitInputLines).
    void SetSqlTextString(const std::string& S);
    void SetFormattedSqlfilename(const std::string& S) { FormattedSqlfilename = S; }
    void SetFormattedSqlText(const std::vector<std::string>& Lines) { FFormattedSqlText = Lines; }
    // With CheckSyntaxOnly the one line saying that no formatted text is made.
    const std::vector<std::string>& FormattedSqlText();

    std::uint8_t Vendor() const { return FVendor; }
    TRkStatementList& Statements() { return *FStatements; }
    TSourceTokenList& Tokens() { return *FTokens; }
    TSourceTokenList& PendingTokens() { return *FPendingTokens; }
    TRkCustomParser* Parser() const;

    // Empties the prepared input, and with it the tokens that view it and
    // the statements made of them.
    virtual void ClearInput();
    // Tokenizes AText with a fresh scanner of this vendor, appending the
    // tokens to ATokenList, which must own its tokens.
    void ParseStrToTokenList(void* AOwner, const std::string& AText, TSourceTokenList& ATokenList);
    // The parser's error callback.
    bool AddSyntaxError(std::uint8_t ErrorType, const std::string& ExpectedText, const std::string& TokenText,
                        std::int32_t Line, std::int32_t Column);
    void CopyStatementErrors(const TCustomSqlStatement& Statement);

    // Steps of Parse, open to hosts and tests.
    int DoParse();
    int PrepareInput();
    void Tokenize();
    int BuildStatements();
    int SplitStatements();
    int ParseMssqlScript();
    // The next token from the scanner (numbered, in no list yet), or
    // nullptr at the end of the input.
    std::unique_ptr<TSourceToken> NextToken();
    void TokenizeDefault();
    void TokenizeOracle();
    bool IsSqlplusCmdStart(std::string_view Word) const;
    // The PL/SQL unit that Token, at Index of the token list, starts by its
    // leading words; sstUnknown when none.
    TSqlStatementType PlsqlUnitType(TSourceToken* Token, int Index) const;
    std::unique_ptr<TCustomSqlStatement> NewPlsqlStatement(TSourceToken* Token, int Index);
    std::unique_ptr<TCustomSqlStatement> NewSqlStatement(TSourceToken* Token, int Index, std::uint8_t Vendor);
    void AddStatement(std::unique_ptr<TCustomSqlStatement> Statement);

private:
    // The next token from the scanner, made in the owning list's store and
    // appended to it numbered; nullptr at the end of the input.
    TSourceToken* NextStoredToken();
    // The token event, then the token's place in the owning list.
    void NumberToken(TSourceToken* T);
    TSyntaxError& NewError() { return FErrors.NewError(); }
    void AddMessageError(const std::string& Message) { NewError().Message = Message; }
    // Applies the trim and join options to the lines of SqlText.
    void ReshapeLines();
    // Hands the text of SqlText to the token list as the scanner's input.
    void WriteInput();
    // Takes the host's events for the statements about to be made: they
    // all read this one copy.
    void TakeStatementEvents();

    std::uint8_t FVendor = 1;
    // Memory of the statements and schema objects a parse makes; declared
    // first so that it goes after everything that holds them.
    TRkObjectArena::TOwner FObjects;
    TStatementEvents FStatementEvents;  // shared by the statements; outlives them
    TSyntaxErrorArray FErrors;
    std::vector<std::string> FFormattedSqlText;
    std::unique_ptr<TRkParserFactory> FFactory;
    std::unique_ptr<TRkCustomLexer> FLexer;  // nullptr when the vendor's dialect is not built
    // One parser per grammar for the whole script, lent to each statement
    // for its parse; the trees stay there until the statements go.
    std::unique_ptr<TRkScriptParsers> FParsers;
    std::string FFactoryError;  // why FLexer or FParser is missing
    // SqlText: its lines, each followed by CR LF; shared with the token
    // list while tokens view it.
    std::shared_ptr<const std::string> FSqlText;
    std::unique_ptr<TRkStatementList> FStatements;
    std::unique_ptr<TSourceTokenList> FPendingTokens;  // not owning
    std::unique_ptr<TSourceTokenList> FTokens;         // owning
};

// The published form of the component.
class TMarlSqlParser : public TCustomMarlSqlParser {
public:
    using TCustomMarlSqlParser::TCustomMarlSqlParser;
};

// Tokenizes AText (followed by a line break) with a fresh scanner of the
// vendor, appending the tokens, numbered by their place, to ATokenList,
// which must own its tokens.  Raises ERkError "In ParseStrToTokenList:..."
// when that fails; the tokens made so far stay in the list.
void TokenizeString(std::uint8_t Vendor, const std::string& AText, TSourceTokenList& ATokenList);

// Is Word (any case) one of the SQL*Plus command names?
bool IsSqlplusCmd(std::string_view Word);
// ASCII case-insensitive equality.
bool SameWord(std::string_view A, std::string_view B);

// Input preparation: drops a UTF-8 byte-order mark, converts UTF-16 text
// (with its byte-order mark) to UTF-8, keeps NUL bytes from ending the text
// (each becomes a blank), and splits the text into lines at CR LF, CR or LF.
std::vector<std::string> SplitInputLines(const std::string& Bytes);
