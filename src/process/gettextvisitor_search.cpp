#include "process/gettextvisitor_search.h"

#include "formatter/rkbasetype.h"
#include "nodes/u_nodes_generic.h"
#include "nodes/u_parsenodes.h"
#include "statementstructure/schemaobjects.h"
#include "statementstructure/sqlstatement.h"
#include "statementstructure/sqlstatement_dml.h"
#include "statementstructure/sqlstatement_select.h"


// ---------------------------------------------------------------------------
// TRkFldInExprVisitor

bool TRkFldInExprVisitor::CanVisit() { return Current && Current->AsToken(); }

void TRkFldInExprVisitor::Execute() {
    if (!Root) return;
    if (Mode == 2) {
        if (!Target) return;
        Target->clear();
    }
    Root->Accept(this);
}

void TRkFldInExprVisitor::PreVisit(TRkVisitedAbs* Obj) {
    if (!Obj) return;
    // The walk meets every object twice: one virtual call sorts it, where
    // casts cost a search of the class hierarchy each.
    switch (Obj->VisitedClass()) {
        case TRkVisitedClass::Attr: {
            auto* attr = static_cast<TRk_Attr*>(Obj);
            CurrentName = attr;
            if (attr->IsFunctionName == 1) return;
            if (Mode == 1) attr->MarkColumnParts(Statement);
            else if (Mode == 2 && Target && attr->HasColumnPart()) Target->push_back(attr->AsText());
            return;
        }
        case TRkVisitedClass::Ident: {
            auto* ident = static_cast<TRk_Ident*>(Obj);
            CurrentName = ident;
            if (Mode == 1) ident->MarkAsColumn();
            else if (Mode == 2 && Target && ident->IsColumnToken()) Target->push_back(ident->AsText());
            return;
        }
        case TRkVisitedClass::SelectStatement:
            if (Mode == 1) {
                auto* sub = static_cast<TCustomSqlStatement*>(Obj);
                Enabled = true;
                sub->SetParentStatement(StatementStack.empty() ? Statement : StatementStack.back());
                StatementStack.push_back(sub);
            }
            return;
        default:
            return;
    }
}

void TRkFldInExprVisitor::Visit(TRkVisitedAbs* Obj) {
    Current = Obj;
    TSourceToken* t = Obj ? Obj->AsToken() : nullptr;
    if (!t || Mode != 1 || !Statement) return;
    TCustomSqlStatement* s = StatementStack.empty() ? Statement : StatementStack.back();
    // The events take a node as sender: the name being walked, when there is one.
    switch (t->DbObjKind) {
        case okField:
        case okFieldAlias:
            if (Statement->GetOnFieldTokenEvent()) Statement->GetOnFieldTokenEvent()(CurrentName, t, s);
            break;
        case okTable:
        case okTableAlias:
            if (Statement->GetOnTableTokenEvent()) Statement->GetOnTableTokenEvent()(CurrentName, t, s);
            break;
        default:
            break;
    }
}

void TRkFldInExprVisitor::PostVisit(TRkVisitedAbs* Obj) {
    if (!Obj) return;
    switch (Obj->VisitedClass()) {
        case TRkVisitedClass::Attr:
        case TRkVisitedClass::Ident:
            CurrentName = nullptr;
            return;
        case TRkVisitedClass::SelectStatement:
            if (!StatementStack.empty()) StatementStack.pop_back();
            Enabled = true;
            return;
        default:
            return;
    }
}

// ---------------------------------------------------------------------------
// TRkInspectDBObjVisitor

void TRkInspectDBObjVisitor::Execute() {
    if (!Root || !Objects) return;
    Root->Accept(this);
}

bool TRkInspectDBObjVisitor::ScopeTables(TRkVisitedAbs* Obj, std::vector<TRkTable*>& Tables) {
    TCustomSqlStatement* st = AsSqlStatement(Obj);
    if (!st) return false;
    auto all = [&] {
        if (st->Tables)
            for (int i = 0; i < st->Tables->Count(); ++i) Tables.push_back(st->Tables->GetTable(i));
    };
    switch (st->StatementType) {
        case sstSelect:
        case sstDropTable:
            all();
            return true;
        case sstDelete: {
            auto* del = dynamic_cast<TDeleteSqlStatement*>(st);
            TRkTable* target = del && del->DeleteTable ? del->DeleteTable : st->TargetTable;
            if (target) Tables.push_back(target);
            return true;
        }
        case sstUpdate: {
            auto* upd = dynamic_cast<TUpdateSqlStatement*>(st);
            if (upd && upd->TargetJoins && upd->TargetJoins->Count() > 0) all();
            else if (st->TargetTable) Tables.push_back(st->TargetTable);
            return true;
        }
        case sstInsert:
        case sstCreateTable:
        case sstAlterTable:
            if (st->TargetTable) Tables.push_back(st->TargetTable);
            return true;
        default:
            return false;
    }
}

void TRkInspectDBObjVisitor::PreVisit(TRkVisitedAbs* Obj) {
    if (!Obj || Obj->AsToken()) return;
    OpenObjects.push_back(Obj);
    std::vector<TRkTable*> tables;
    if (!ScopeTables(Obj, tables)) return;
    for (TRkTable* t : tables) {
        t->WalkDepth = Depth;
        VisibleTables.push_back(t);
    }
}

void TRkInspectDBObjVisitor::PostVisit(TRkVisitedAbs* Obj) {
    if (!Obj || Obj->AsToken()) return;
    std::vector<TRkTable*> tables;
    if (ScopeTables(Obj, tables))
        while (!VisibleTables.empty() && VisibleTables.back()->WalkDepth == Depth) VisibleTables.pop_back();
    if (!OpenObjects.empty()) OpenObjects.pop_back();
}

TRkInspectDBObj* TRkInspectDBObjVisitor::FindObject(TSourceToken* Token, std::string& Name) {
    Name = Token->GetText();
    for (const auto& rec : *Objects)
        if (rec->Kind == Token->DbObjKind && SameText(rec->Name, Name)) return rec.get();
    if (Token->DbObjKind != okTable) return nullptr;
    std::string resolved;
    for (auto it = VisibleTables.rbegin(); it != VisibleTables.rend(); ++it) {
        TRkTable* t = *it;
        if (!t->AliasNode) continue;
        const std::string alias = t->AliasNode->GetAliasName();
        if (!alias.empty() && SameText(alias, Token->GetText())) {
            resolved = t->GetTableText();
            break;
        }
    }
    if (resolved.empty()) return nullptr;
    Name = resolved;
    for (const auto& rec : *Objects)
        if (rec->Kind == okTable && SameText(rec->Name, Name)) return rec.get();
    return nullptr;
}

void TRkInspectDBObjVisitor::Visit(TRkVisitedAbs* Obj) {
    TRkVisitorAbs::Visit(Obj);
    TSourceToken* t = Obj ? Obj->AsToken() : nullptr;
    if (!t || !Objects) return;
    if (t->DbObjKind != okTable && t->DbObjKind != okField && t->DbObjKind != okFunction) return;
    std::string name;
    if (TRkInspectDBObj* rec = FindObject(t, name)) {
        rec->Occurrences->Add(t);
        return;
    }
    auto rec = std::make_unique<TRkInspectDBObj>();
    rec->Kind = t->DbObjKind;
    rec->Name = name;
    rec->Occurrences->Add(t);
    Objects->push_back(std::move(rec));
}
