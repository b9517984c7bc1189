// The statement object of one PL/SQL unit of an Oracle script: an anonymous
// block, or CREATE PROCEDURE, FUNCTION, PACKAGE [BODY], TRIGGER or TYPE.
// Its parse runs the PL/SQL parser over the unit's tokens; the grammar builds
// the element tree (plsqlstatement_elements.h) and one statement object per
// embedded SQL statement, which joins this statement's sub-statements and is
// parsed with the Oracle SQL grammar when the tree is analysed.
#pragma once

#include <cstdint>
#include <string>

#include "statementstructure/plsqlstatement_elements.h"
#include "statementstructure/sqlstatement.h"

class TPlsqlStatement : public TCustomSqlStatement {
public:
    explicit TPlsqlStatement(std::uint8_t Vendor);
    ~TPlsqlStatement() override;

    const char* ClassName() const override { return "TPlsqlStatement"; }
    void DoAccept(TRkVisitorAbs& Visitor) override;
    void CreatePP() override;
    void BuildSqlText() override;
    int DoParse() override;
    void Reset() override;
    int AnalyzeParseTree() override;
    std::string GetTextByVisitor() override;
    // A unit's layout ends with its ";" (END;), so its written text keeps it.
    std::string GetWrittenText() override;

    // The root element, nil before a successful parse.
    TRkPlsql_Element* RootElement() const;

protected:
    const char* AssertUnit() const override { return "statementstructure/plsqlstatement"; }
};
