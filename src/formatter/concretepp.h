// The printers of the generic SQL statements and nodes.
#pragma once

#include <memory>
#include <string>

#include "formatter/basepp.h"

class TCustomSqlStatement;
class TRkCustomExpression;

// Registers the node printers in RkPrinterHooks and the statement printer
// factory in RkStatementPPFactory.  Idempotent.
void InstallPrinterHooks();

// The printer of a statement, join, join item or dialect element by its
// class, nullptr for a class without one (it then prints its plain text).
// The choice is one table of TRkPPChoice entries, a part per printer family.
std::unique_ptr<TCustomPP> CreateStatementPP(TRk_Node* Owner);

// One entry of the printer choice: owners of class Node (or a descendant)
// get a Printer.  Matches answers by the owner's class alone (the choice is
// remembered per class); Make may look at the owner itself.
struct TRkPPChoice {
    bool (*Matches)(TRk_Node* Owner) = nullptr;
    TRkStatementPPFactory Make = nullptr;
};

template <class Node, class Printer>
constexpr TRkPPChoice PPChoice() {
    return {[](TRk_Node* Owner) { return dynamic_cast<Node*>(Owner) != nullptr; },
            [](TRk_Node* Owner) -> std::unique_ptr<TCustomPP> {
                return std::make_unique<Printer>(Owner);
            }};
}

// Gives S, its sub-statements and their joins the printers their classes
// have, where a node was made before the factory was registered.
void AttachStatementPrinters(TCustomSqlStatement* S);

#define RK_DECLARE_PP(Name, Base)                                        \
    class Name : public Base {                                           \
    public:                                                              \
        using Base::Base;                                                \
        const char* ClassName() const override { return #Name; }         \
        std::string GetPrettyText() override;                            \
    };

class TRkCustomExpressionPP : public TFmtOptPP {
public:
    using TFmtOptPP::TFmtOptPP;
    const char* ClassName() const override { return "TRkCustomExpressionPP"; }
    std::string GetPrettyText() override;
    // Item + Sep placed by the list options (refreshed from FmtOpt first).
    std::string JoinListItem(const std::string& Item, const std::string& Sep);
    // The same on a list built in place, so that a long list stays linear.
    void AppendListSeparator(std::string& Text, const std::string& Sep);

private:
    // Kinds with a layout of their own: lists, parentheses, sub-queries ...
    std::string SingleLayout(TRkCustomExpression* E);
    // Two operands around an operator.  The links of a chain below E are
    // laid out in a loop, innermost first, each by its own printer.
    std::string ChainLayout(TRkCustomExpression* E);
    std::string LeftText(TRkCustomExpression* E);
    void AppendOperatorAndRight(TRkCustomExpression* E, pp::TLineText& R);
};

RK_DECLARE_PP(TRk_FuncCallPP, TFmtOptPP)
RK_DECLARE_PP(TRk_AttrPP, TCustomPP)
RK_DECLARE_PP(TRkConstraintRefClausePP, TCustomPP)
RK_DECLARE_PP(TSelectSqlStatementPP, TCustomPP)
RK_DECLARE_PP(TrkJoinPP, TCustomPP)
RK_DECLARE_PP(TRkJoinItemPP, TCustomPP)
RK_DECLARE_PP(TDeleteSqlStatementPP, TCustomPP)
RK_DECLARE_PP(TInsertSqlStatementPP, TCustomPP)
RK_DECLARE_PP(TUpdateSqlStatementPP, TCustomPP)
RK_DECLARE_PP(TDropTableSqlStatementPP, TCustomPP)
RK_DECLARE_PP(TCreateTableSqlStatementPP, TCustomPP)
RK_DECLARE_PP(TAlterTableStatementPP, TCustomPP)
RK_DECLARE_PP(TCreateIndexSqlStatementPP, TCustomPP)
RK_DECLARE_PP(TCreateViewSqlStatementPP, TCustomPP)
RK_DECLARE_PP(TMergeSqlStatementPP, TCustomPP)
RK_DECLARE_PP(TDropViewSqlStatementPP, TCustomPP)
RK_DECLARE_PP(TDropIndexSqlStatementPP, TCustomPP)
RK_DECLARE_PP(TAlterSessionStatementPP, TCustomPP)
RK_DECLARE_PP(TSqlplusCmdStatementPP, TCustomPP)

// TrkJoinPP's join items, each from a new line at the entry's column.
std::string JoinItemsText(class TRkJoin* Join);
