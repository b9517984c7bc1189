// Printer choice, and the printers of the statements that print (nearly) as
// written.
#include "formatter/concretepp.h"

#include <span>
#include <typeindex>
#include <typeinfo>
#include <unordered_map>

#include "formatter/concretepp_mssql.h"
#include "formatter/concretepp_plsql.h"
#include "formatter/rkbasetype.h"
#include "nodes/u_nodes_generic.h"
#include "nodes/u_parsenodes.h"
#include "statementstructure/schemaobjects.h"
#include "statementstructure/ddlstatement.h"
#include "statementstructure/rkexpression.h"
#include "statementstructure/sqlstatement_dml.h"
#include "statementstructure/sqlstatement_select.h"

using namespace pp;

namespace {

template <class P>
std::unique_ptr<TCustomPP> Make(TRk_Node* Owner) {
    return std::make_unique<P>(Owner);
}

// Printer choice of the generic statements and nodes; a class comes before
// its base classes.
const TRkPPChoice GenericChoices[] = {
    PPChoice<TSelectSqlStatement, TSelectSqlStatementPP>(),
    PPChoice<TDeleteSqlStatement, TDeleteSqlStatementPP>(),
    PPChoice<TInsertSqlStatement, TInsertSqlStatementPP>(),
    PPChoice<TUpdateSqlStatement, TUpdateSqlStatementPP>(),
    PPChoice<TRkJoin, TrkJoinPP>(),
    PPChoice<TRkJoinItem, TRkJoinItemPP>(),
    PPChoice<TMergeSqlStatement, TMergeSqlStatementPP>(),
    PPChoice<TCreateTableSqlStatement, TCreateTableSqlStatementPP>(),
    PPChoice<TAlterTableStatement, TAlterTableStatementPP>(),
    PPChoice<TCreateIndexSqlStatement, TCreateIndexSqlStatementPP>(),
    PPChoice<TCreateViewSqlStatement, TCreateViewSqlStatementPP>(),
    PPChoice<TDropViewSqlStatement, TDropViewSqlStatementPP>(),
    PPChoice<TDropIndexSqlStatement, TDropIndexSqlStatementPP>(),
    PPChoice<TDropTableSqlStatement, TDropTableSqlStatementPP>(),
    PPChoice<TAlterSessionStatement, TAlterSessionStatementPP>(),
    PPChoice<TSqlplusCmdStatement, TSqlplusCmdStatementPP>(),
    // Printed as written.
    PPChoice<TUnknownSqlStatement, TDummyPP>(),
    PPChoice<TRollbackSqlStatement, TDummyPP>(),
    PPChoice<TSavepointSqlStatement, TDummyPP>(),
};

}  // namespace

void InstallPrinterHooks() {
    RkPrinterHooks.FuncCallPP = Make<TRk_FuncCallPP>;
    RkPrinterHooks.AttrPP = Make<TRk_AttrPP>;
    RkPrinterHooks.ConstraintRefClausePP = Make<TRkConstraintRefClausePP>;
    RkPrinterHooks.CustomExpressionPP = Make<TRkCustomExpressionPP>;
    RkStatementPPFactory = CreateStatementPP;
}

std::unique_ptr<TCustomPP> CreateStatementPP(TRk_Node* Owner) {
    if (!Owner) return nullptr;
    // Every printer family's choices.  The families' classes are disjoint,
    // so their order does not matter.
    static const std::span<const TRkPPChoice> Families[] = {
        GenericChoices,
        MssqlPPChoices(),
        PlsqlPPChoices(),
    };
    // The walk over the families costs a failed cast per entry; its answer
    // depends on the class alone, so it is made once per class (and thread).
    thread_local std::unordered_map<std::type_index, const TRkPPChoice*> Known;
    const std::type_index Type(typeid(*Owner));
    auto it = Known.find(Type);
    if (it == Known.end()) {
        const TRkPPChoice* Found = nullptr;
        for (const auto& family : Families)
            for (const TRkPPChoice& c : family)
                if (!Found && c.Matches(Owner)) Found = &c;
        it = Known.emplace(Type, Found).first;
    }
    return it->second ? it->second->Make(Owner) : nullptr;
}

namespace {

void AttachJoin(TRkJoin* J);

void Attach(TRk_Node* N) {
    if (N && !N->PP()) N->SetPP(CreateStatementPP(N));
}

void AttachJoin(TRkJoin* J) {
    if (!J) return;
    Attach(J);
    AttachJoin(J->NestedJoin.get());
    for (int32_t i = 0; J->Items && i < J->Items->Count(); ++i) {
        TRkJoinItem* item = J->Items->GetJoinItem(i);
        Attach(item);
        if (item) AttachJoin(item->NestedJoin.get());
    }
}

void AttachJoins(TrkJoinList* L) {
    for (int32_t i = 0; L && i < L->Count(); ++i) AttachJoin(L->GetJoin(i));
}

}  // namespace

void AttachStatementPrinters(TCustomSqlStatement* S) {
    if (!S) return;
    Attach(S);
    for (auto& sub : S->SubStatements) AttachStatementPrinters(sub.get());
    if (auto* q = dynamic_cast<TSelectSqlStatement*>(S)) {
        AttachStatementPrinters(q->LeftStatement.get());
        AttachStatementPrinters(q->RightStatement.get());
        AttachJoins(q->JoinList.get());
    } else if (auto* d = dynamic_cast<TDeleteSqlStatement*>(S)) {
        AttachJoins(d->FromJoins.get());
    } else if (auto* u = dynamic_cast<TUpdateSqlStatement*>(S)) {
        AttachJoins(u->FromJoins.get());
        AttachJoins(u->TargetJoins.get());
    } else if (auto* ins = dynamic_cast<TInsertSqlStatement*>(S)) {
        AttachStatementPrinters(ins->SubSelect.get());
    } else if (auto* m = dynamic_cast<TMergeSqlStatement*>(S)) {
        AttachStatementPrinters(m->UsingSelect.get());
    } else if (auto* c = dynamic_cast<TCreateTableSqlStatement*>(S)) {
        AttachStatementPrinters(c->SubQuery.get());
    } else if (auto* v = dynamic_cast<TCreateViewSqlStatement*>(S)) {
        AttachStatementPrinters(v->Query.get());
    }
}

// ---------------------------------------------------------------------------

namespace {

// The "," before a list item with the comments after it ("," when the item
// has no tokens).
std::string CommaBefore(TRk_Node* Item) {
    TSourceToken* first = Item ? Item->GetStartToken() : nullptr;
    const TSourceTokenList* list = first ? first->GetOwnerList() : nullptr;
    for (int32_t i = first && list ? first->PosInList - 1 : -1; i >= 0; --i) {
        TSourceToken* t = list->Items()[static_cast<size_t>(i)];
        if (t->IsSignificant()) return t->TokenType == ttComma ? Fmt(t) : std::string(",");
    }
    return ",";
}

}  // namespace

std::string TDropViewSqlStatementPP::GetPrettyText() {
    auto* s = dynamic_cast<TDropViewSqlStatement*>(OwnerNode());
    if (!s) return WrongOwner("TDropViewSqlStatement", Owner);
    if (!EnsureParsed(s)) return {};
    std::string R = "drop view " + s->ViewName;
    if (s->CascadeConstraints) R += " cascade constraints";
    return R + CommentsAfterWords(s);
}

std::string TDropIndexSqlStatementPP::GetPrettyText() {
    auto* s = dynamic_cast<TDropIndexSqlStatement*>(OwnerNode());
    if (!s) return WrongOwner("TDropIndexSqlStatement", Owner);
    if (!EnsureParsed(s)) return AcceptedWithoutTree(s);
    s->PrettyMode = 1;
    std::string R = "drop index " + s->IndexName;
    if (s->Force) R += " force";
    return R + CommentsAfterWords(s);
}

std::string TDropTableSqlStatementPP::GetPrettyText() {
    auto* s = dynamic_cast<TDropTableSqlStatement*>(OwnerNode());
    if (!s) return WrongOwner("TDropTableSqlStatement", Owner);
    if (!EnsureParsed(s)) return AcceptedWithoutTree(s);
    // Only the MySQL tree carries the parts laid out below.
    if (s->DbVendor != 2) return s->AsText();
    // Own tokens: DROP, TABLE.  The option holder keeps the TEMPORARY kind
    // words (Sub1), the IF EXISTS holder (Sub2) and RESTRICT or CASCADE (Tok1).
    auto* root = dynamic_cast<TRk_DropTableStmt*>(s->GetRootNode());
    auto* extra = root ? dynamic_cast<TRk_DummyNode*>(root->Extra) : nullptr;
    if (!extra) return s->AsText();
    std::string R = Tok(root, 0);
    if (auto* temp = dynamic_cast<TRk_DummyNode*>(extra->Sub1))
        for (TSourceToken* t : {temp->Tok1, temp->Tok2})
            if (t) R += " " + Fmt(t);
    R += " " + Tok(root, 1);
    if (TokCount(extra->Sub2) > 0) R += " " + Toks(extra->Sub2, 0, TokCount(extra->Sub2), " ");
    const int32_t n = s->Tables ? s->Tables->Count() : 0;
    for (int32_t i = 0; i < n; ++i) {
        R += " " + Pretty(s->Tables->GetTable(i));
        if (i + 1 < n) R += CommaBefore(s->Tables->GetTable(i + 1));
    }
    if (extra->Tok1) R += " " + Fmt(extra->Tok1);
    return R;
}

std::string TAlterSessionStatementPP::GetPrettyText() {
    auto* s = dynamic_cast<TAlterSessionStatement*>(OwnerNode());
    if (!s) return WrongOwner("TAlterSessionStatement", Owner);
    if (EnsureParsed(s)) s->PrettyMode = 1;
    return s->GetTrimmedSqlText() + CommentsAfterText(*s);
}

std::string TSqlplusCmdStatementPP::GetPrettyText() {
    auto* s = dynamic_cast<TSqlplusCmdStatement*>(OwnerNode());
    if (!s) return WrongOwner("TSqlplusCmdStatement", Owner);
    if (!EnsureParsed(s)) return {};
    s->PrettyMode = 1;
    return s->GetSqlText();
}
