// ALTER TABLE: per-vendor analysis, the MySQL alter options, and one walk
// of the clause parts that serves both the visitor walk and the rebuilt text.
#include <exception>

#include "formatter/rkbasetype.h"
#include "nodes/rkexceptions.h"
#include "parse/parserfactory.h"
#include "statementstructure/ddlstatement.h"

using namespace stmtwalk;

namespace {

const char* const kCrLf = "\r\n";
constexpr int kwStorage = 775;

// Walks the parts of an ALTER TABLE in source order.  With a visitor each
// part is visited; without one each part's text is appended to Text after
// one blank.
struct AlterPartWalk {
    TRkVisitorAbs* V = nullptr;
    std::string Text;

    void tok(TSourceToken* t) {
        if (!t) return;
        if (V) Tok(t, V);
        else Text += " " + stmtwalk::Text(t);
    }
    void node(TRk_Node* n) {
        if (!n) return;
        if (V) Node(n, V);
        else Text += " " + n->AsText();
    }
    void constraints(TRkConstraintList* l) {
        if (V) l->Accept(V);
        else Text += " " + l->AsText();
    }
    void toks(std::initializer_list<TSourceToken*> ts) {
        for (TSourceToken* t : ts) tok(t);
    }
    void ownTokens(TRk_Node* n) {
        for (int i = 0; i < OwnTokenCount(n); ++i) tok(TokAt(n, i));
    }
    // Name tokens with their separators; the text puts no blank before a
    // separator.
    void names(TRk_List* list) {
        for (int i = 0; i < ItemCount(list); ++i) {
            TSourceToken* t = TokenItem(list, i);
            if (!t) continue;
            if (i > 0 && t->GetSeparatorToken()) {
                if (V) Tok(t->GetSeparatorToken(), V);
                else Text += stmtwalk::Text(t->GetSeparatorToken());
            }
            tok(t);
        }
    }
    void tokenList(TRk_List* list) {
        if (V) AcceptNodeListWithTokens(list, V);
        else Text += " " + TokenListText(list);
    }
    void optionList(TRk_DummyNode* d) {
        if (V) AcceptDummyNodeList(d, V);
        else Text += " " + OptionListText(d);
    }
};

void IndexHandling(AlterPartWalk& w, TRk_Node* sub) {
    if (auto* d = dynamic_cast<TRk_DummyNode*>(sub)) w.toks({d->Tok1, d->Tok2, d->Tok3});
}

}  // namespace

// ---------------------------------------------------------------------------
// Alter options

TRkAlterTableOption::TRkAlterTableOption() { NodeKind = 1; }

TRkAlterTableOption::~TRkAlterTableOption() {
    Fields.ClearIfMade();
    Constraints.ClearIfMade();
}

// ADD ( elements ): every element in source order with the comma before it,
// a column through the field made of it, a table constraint as itself.
// Walking the fields alone lost the commas and every constraint of the list
// from the rebuilt text.
void TRkAlterTableOption::AcceptElements(TRkVisitorAbs* Visitor) {
    int f = 0;
    for (int i = 0; i < ItemCount(ElementList); ++i) {
        TRk_Node* el = NodeItem(ElementList, i);
        if (!el) continue;
        if (i > 0) Tok(el->SeparatorToken, Visitor);
        if (f < Fields->Count() && Fields->GetField(f)->SourceNode == el)
            Fields->GetField(f++)->Accept(Visitor);
        else
            el->Accept(Visitor);
    }
}

int TRkAlterTableOption::Analyze() {
    try {
        Fields.ClearIfMade();
        Constraints.ClearIfMade();
        if (ColumnDef) {
            if (auto f = ColumnDefField(ColumnDef)) Fields->Add(f.release());
        }
        for (int i = 0; i < ItemCount(ElementList); ++i) {
            TRk_Node* el = NodeItem(ElementList, i);
            if (!el) continue;
            if (el->NodeKind == 26) {
                if (auto f = ColumnDefField(el)) Fields->Add(f.release());
            } else if (el->NodeKind == 27) {
                if (auto* c = dynamic_cast<TRkConstraint*>(el)) Constraints->Add(c);
            }
        }
        return 0;
    } catch (const std::exception&) {
        return -1;
    }
}

void TRkAlterTableOption::DoAccept(TRkVisitorAbs& VisitorRef) {
    TRkVisitorAbs* Visitor = &VisitorRef;
    Frame(this, Visitor, [&] {
        auto T = [&](int i) { Tok(TokAt(this, i), Visitor); };
        const bool many = OwnTokenCount(this) > 1;
        switch (Kind) {
        case 0:
            T(0);
            Tok(ColumnToken, Visitor);
            if (many) T(1);
            if (ElementList)
                AcceptElements(Visitor);
            else
                for (int i = 0; i < Fields->Count(); ++i) Fields->GetField(i)->Accept(Visitor);
            if (many) T(2);
            OwnTokensOf(Position, Visitor);
            break;
        case 1:
            T(0); T(1);
            Tok(IndexNameToken, Visitor);
            T(2);
            AcceptNodeList(ColumnList, Visitor);
            T(3);
            break;
        case 2:
        case 4:
            T(0);
            OwnTokensOf(ConstraintName, Visitor);
            T(1); T(2); T(3);
            AcceptNodeList(ColumnList, Visitor);
            T(4);
            if (Kind == 4) Node(RefClause, Visitor);
            break;
        case 3: {
            // ADD [CONSTRAINT [name]] UNIQUE [name] ( columns ): the key name
            // is visited once, from IndexNameToken, whether or not the
            // grammar also kept it among the option's own tokens.
            std::vector<TSourceToken*> own;
            for (int i = 0; i < OwnTokenCount(this); ++i) {
                TSourceToken* t = TokAt(this, i);
                if (t && t != IndexNameToken) own.push_back(t);
            }
            auto O = [&](std::size_t i) { Tok(i < own.size() ? own[i] : nullptr, Visitor); };
            O(0);
            OwnTokensOf(ConstraintName, Visitor);
            O(1);
            Tok(IndexNameToken, Visitor);
            O(2);
            AcceptNodeList(ColumnList, Visitor);
            O(3);
            break;
        }
        default: break;
        }
    });
}

TRkAlterTableOptionList::TRkAlterTableOptionList(bool AOwnsObjects) : FOwns(AOwnsObjects) {}

TRkAlterTableOptionList::~TRkAlterTableOptionList() { Clear(); }

void TRkAlterTableOptionList::Add(TRkAlterTableOption* Option) { FItems.push_back(Option); }

void TRkAlterTableOptionList::Clear() {
    if (FOwns)
        for (TRkAlterTableOption* o : FItems) delete o;
    FItems.clear();
}

TRkAlterTableOption* TRkAlterTableOptionList::GetOption(int Index) const {
    if (Index < 0 || Index >= Count()) throw ERkListError(Index);
    return FItems[static_cast<std::size_t>(Index)];
}

// ---------------------------------------------------------------------------
// ALTER TABLE

TAlterTableStatement::TAlterTableStatement(std::uint8_t Vendor)
    : TCustomSqlStatement(Vendor), FTable(CreateNodeOfClass<TRkTable>()) {
    NodeKind = 8;
    StatementType = sstAlterTable;
    TargetTable = FTable.get();
}

TAlterTableStatement::~TAlterTableStatement() {
    Constraints.ClearIfMade();
    Options.ClearIfMade();
}

void TAlterTableStatement::CreatePP() { UsePrinter(this); }

void TAlterTableStatement::Reset() {
    TCustomSqlStatement::Reset();
    // Everything the analysis filled points into the previous tree.
    AddedConstraints.ClearIfMade();
    Constraints.ClearIfMade();
    Options.ClearIfMade();
    FMadeConstraints.clear();
    TableName.clear();
    FTable->Reset();
    FTable->NameNode = nullptr;
}

void TAlterTableStatement::AddColumnDefs(TRk_List* List) {
    for (int i = 0; i < ItemCount(List); ++i) {
        TRk_Node* el = NodeItem(List, i);
        if (!el) continue;
        if (el->NodeKind == 26) {
            auto f = ColumnDefField(el);
            if (!f) continue;
            if (f->NameToken) {
                f->NameToken->DbObjKind = 2;
                if (GetOnFieldTokenEvent()) GetOnFieldTokenEvent()(this, f->NameToken, this);
            }
            Fields->Add(f.release());
        } else if (el->NodeKind == 27) {
            if (auto* c = dynamic_cast<TRkConstraint*>(el)) Constraints->Add(c);
        }
    }
}

int TAlterTableStatement::AnalyzeParseTree() {
    auto* root = dynamic_cast<TRk_alterTableStmt*>(RootNode);
    if (!RootNode || RootNode->NodeKind != 8 || !root) return -1;
    try {
        // A second analysis of the same tree must not collect twice.
        Fields->Clear();
        Constraints.ClearIfMade();
        AddedConstraints.ClearIfMade();
        Options.ClearIfMade();
        FMadeConstraints.clear();

        auto* name = dynamic_cast<TRk_Attr*>(root->TableName);
        TableName = NodeNameText(root->TableName);
        FTable->TableKind = 1;
        FTable->NameNode = name;
        if (name) name->MarkTableParts(this, FTable.get());

        auto fieldTokenEvent = [&](TSourceToken* t) {
            if (t && GetOnFieldTokenEvent()) GetOnFieldTokenEvent()(this, t, this);
        };
        auto addConstraint = [](TRkConstraintList* list, TRk_Node* n) {
            // DEFERRABLE states may stand between the constraints.
            if (auto* c = dynamic_cast<TRkConstraint*>(n)) list->Add(c);
        };

        // The generic dialect and the vendors without a grammar of their
        // own build Oracle trees.
        switch (UsesOracleGrammar(DbVendor) ? VendorOracle : DbVendor) {
        case 0: {
            if (auto* ac = dynamic_cast<TRk_DummyNode*>(root->AlterColumnClause))
                fieldTokenEvent(TokAt(ac, 2));
            if (auto* add = dynamic_cast<TRk_DummyNode*>(root->AddColumnsClause))
                AddColumnDefs(add->List1);
            if (auto* addc = dynamic_cast<TRk_DummyNode*>(root->AddConstraintsClause)) {
                for (int i = 0; i < ItemCount(addc->List1); ++i)
                    addConstraint(Constraints.get(), NodeItem(addc->List1, i));
            }
            if (auto* drop = dynamic_cast<TRk_DummyNode*>(root->DropClause)) {
                for (int i = 0; i < ItemCount(drop->List1); ++i)
                    fieldTokenEvent(TokAt(NodeItem(drop->List1, i), 1));
            }
            break;
        }
        case 1: {
            for (int i = 0; i < ItemCount(root->ColumnClauseList); ++i) {
                auto* cl = dynamic_cast<TRk_DummyNode*>(NodeItem(root->ColumnClauseList, i));
                if (cl && (cl->Int1 == 1 || cl->Int1 == 2)) AddColumnDefs(cl->List1);
            }
            auto* cc = dynamic_cast<TRk_DummyNode*>(root->ConstraintClause);
            if (cc && cc->Int1 == 1) {
                for (int i = 0; i < ItemCount(cc->List1); ++i)
                    addConstraint(AddedConstraints.get(), NodeItem(cc->List1, i));
                addConstraint(Constraints.get(), cc->Sub1);
            }
            break;
        }
        case 2: {
            for (int i = 0; i < ItemCount(root->AlterOptions); ++i) {
                auto* opt = dynamic_cast<TRkAlterTableOption*>(NodeItem(root->AlterOptions, i));
                if (!opt) continue;
                opt->Analyze();
                Options->Add(opt);
                // The keys that an option adds are the table's keys too.
                for (int k = 0; k < opt->Constraints->Count(); ++k)
                    Constraints->Add(opt->Constraints->GetConstraint(k));
                std::uint8_t type = opt->Kind == 2 ? 4 : opt->Kind == 3 ? 3 : opt->Kind == 4 ? 5 : 0;
                if (type == 0) continue;
                auto c = CreateNodeOfClass<TRkConstraint>();
                c->ConstraintType = type;
                c->SeparatorFollows = 1;
                c->ColumnList = opt->ColumnList;
                if (type == 5) c->RefClause = dynamic_cast<TRkConstraintRefClause*>(opt->RefClause);
                c->ConstraintToken = TokAt(opt->ConstraintName, 0);
                c->NameToken = TokAt(opt->ConstraintName, 1);
                // The option's words after ADD are the key's own words, laid
                // out as a key of the element list has them, so the key
                // reads "primary key (c)" like that one.
                for (int k = 1; k < OwnTokenCount(opt); ++k) c->TokenList->Add(TokAt(opt, k));
                Constraints->Add(c.get());
                FMadeConstraints.push_back(std::move(c));
            }
            break;
        }
        default: break;
        }
        Parsed = true;
        return 0;
    } catch (const std::exception&) {
        return -1;
    }
}

namespace {

void WalkOracleParts(TAlterTableStatement* st, TRk_alterTableStmt* root, AlterPartWalk& w) {
    for (int i = 0; i < ItemCount(root->PropertyList); ++i) {
        auto* p = dynamic_cast<TRk_DummyNode*>(NodeItem(root->PropertyList, i));
        if (!p) continue;
        if (p->Int1 == kwStorage) w.optionList(p);
        else w.toks({p->Tok1, p->Tok2, p->Tok3});
    }
    for (int i = 0; i < ItemCount(root->ColumnClauseList); ++i) {
        auto* c = dynamic_cast<TRk_DummyNode*>(NodeItem(root->ColumnClauseList, i));
        if (!c) continue;
        switch (c->Int1) {
        case 1:
        case 2:
            w.toks({c->Tok1, c->Tok2});
            w.node(st->Fields.get());
            if (st->Constraints->Count() > 0)
                w.tok(st->Constraints->GetConstraint(0)->SeparatorToken);
            w.constraints(st->Constraints.get());
            w.tok(c->Tok3);
            break;
        case 3:
            switch (c->Int2) {
            case 1:
            case 2:
                w.toks({c->Tok1, c->Tok2, c->Tok3});
                w.names(c->List1);
                w.tok(c->Tok4);
                break;
            case 4:
                w.toks({c->Tok1, c->Tok2});
                w.names(c->List1);
                w.tok(c->Tok3);
                break;
            case 3:
            case 5:
            case 6: w.toks({c->Tok1, c->Tok2, c->Tok3}); break;
            default: break;
            }
            w.ownTokens(c->Sub1);
            w.ownTokens(c->Sub2);
            break;
        case 4: w.toks({c->Tok1, c->Tok2, c->Tok3, c->Tok4, c->Tok5}); break;
        default: break;
        }
    }
    if (auto* c = dynamic_cast<TRk_DummyNode*>(root->ConstraintClause)) {
        switch (c->Int1) {
        case 1:
            w.tok(c->Tok1);
            if (w.V) {
                if (st->AddedConstraints->Count() > 0) Node(st->AddedConstraints.get(), w.V);
                if (st->Constraints->Count() > 0) Node(st->Constraints.get(), w.V);
            } else {
                w.Text += " " + st->AddedConstraints->AsText();
                if (st->Constraints->Count() > 0) w.Text += " " + st->Constraints->AsText();
            }
            // The DEFERRABLE states stand only in the grammar's list: their
            // words follow the constraints, so that the text keeps them.
            for (int32_t i = 0; c->List1 && i < c->List1->Count(); ++i) {
                TRk_Node* Item = c->List1->GetNode(i);
                if (dynamic_cast<TRkConstraint*>(Item)) continue;
                if (auto* State = dynamic_cast<TRk_DummyNode*>(Item)) w.toks({State->Tok1, State->Tok2});
            }
            break;
        case 2: {
            w.toks({c->Tok1, c->Tok2, c->Tok3});
            auto* s = dynamic_cast<TRk_DummyNode*>(c->Sub1);
            if (s) w.toks({s->Tok1, s->Tok2});
            break;
        }
        case 3:
        case 7:
            w.toks({c->Tok1, c->Tok2, c->Tok3, c->Tok4});
            if (c->Int1 == 3) w.tok(c->Tok5);
            break;
        case 4:
            w.toks({c->Tok1, c->Tok2, c->Tok3});
            IndexHandling(w, c->Sub1);
            break;
        case 5:
            w.toks({c->Tok1, c->Tok2, c->Tok3});
            // the commas too, so that the walk and the text give the list back
            w.names(c->List1);
            w.tok(c->Tok4);
            IndexHandling(w, c->Sub1);
            break;
        case 6: w.toks({c->Tok1, c->Tok2, c->Tok3}); break;
        default: break;
        }
    }
    for (int i = 0; i < ItemCount(root->EnableDisableList); ++i) {
        auto* e = dynamic_cast<TRk_DummyNode*>(NodeItem(root->EnableDisableList, i));
        if (!e) continue;
        if (i > 0 && !w.V) EnsureLineBreakInPlace(w.Text);
        auto validate = [&] {
            if (auto* s = dynamic_cast<TRk_DummyNode*>(e->Sub1)) w.tok(s->Tok1);
        };
        auto tail = [&] {
            if (auto* ex = dynamic_cast<TRk_DummyNode*>(e->Sub3)) {
                w.toks({ex->Tok1, ex->Tok2});
                w.node(ex->Sub1);
            }
            if (auto* cas = dynamic_cast<TRk_DummyNode*>(e->Sub4)) w.toks({cas->Tok1, cas->Tok2, cas->Tok3});
        };
        switch (e->Int1) {
        case 1:
        case 2: w.toks({e->Tok1, e->Tok2, e->Tok3}); break;
        case 5:
            w.tok(e->Tok1);
            validate();
            w.toks({e->Tok2, e->Tok3});
            w.tokenList(e->List1);
            w.tok(e->Tok4);
            tail();
            break;
        case 6:
        case 7:
            w.tok(e->Tok1);
            validate();
            w.toks({e->Tok2, e->Tok3});
            tail();
            break;
        default: break;
        }
    }
}

void WalkMssqlParts(TAlterTableStatement* st, TRk_alterTableStmt* root, AlterPartWalk& w) {
    if (auto* c = dynamic_cast<TRk_DummyNode*>(root->AlterColumnClause)) {
        w.ownTokens(c);
        w.node(c->Sub1);
        if (c->Sub2) w.toks({TokAt(c->Sub2, 0), TokAt(c->Sub2, 1)});
        if (c->Sub3) {
            w.tok(TokAt(c->Sub3, 0));
            if (OwnTokenCount(c->Sub3) > 1) w.tok(TokAt(c->Sub3, 1));
        }
    }
    if (auto* c = dynamic_cast<TRk_DummyNode*>(root->AddColumnsClause)) {
        w.tok(TokAt(c, 0));
        w.node(st->Fields.get());
    }
    if (auto* c = dynamic_cast<TRk_DummyNode*>(root->AddConstraintsClause)) {
        w.ownTokens(c);
        w.constraints(st->Constraints.get());
    }
    if (auto* c = dynamic_cast<TRk_DummyNode*>(root->DropClause)) {
        w.tok(TokAt(c, 0));
        for (int i = 0; i < ItemCount(c->List1); ++i) {
            TRk_Node* item = NodeItem(c->List1, i);
            if (!item) continue;
            if (i > 0 && item->SeparatorToken) {
                if (w.V) Tok(item->SeparatorToken, w.V);
                else w.Text += Text(item->SeparatorToken);
            }
            w.ownTokens(item);
        }
    }
    for (TRk_Node* n : {root->ExtraClause1, root->ExtraClause2}) {
        auto* c = dynamic_cast<TRk_DummyNode*>(n);
        if (!c) continue;
        w.ownTokens(c);
        if (c->List1) w.tokenList(c->List1);
    }
}

}  // namespace

void TAlterTableStatement::BuildSqlText() {
    auto* root = dynamic_cast<TRk_alterTableStmt*>(RootNode);
    if (!root) return;
    std::string t = "alter";
    if (Ignore) t += " ignore";
    t += " table " + TableName;
    if (DbVendor == 2) {
        for (int i = 0; i < Options->Count(); ++i) {
            t += kCrLf + Options->GetOption(i)->AsText();
            if (i + 1 < Options->Count()) t += ",";
        }
    } else if (DbVendor == 0 || UsesOracleGrammar(DbVendor)) {
        AlterPartWalk w;
        if (DbVendor != 0) WalkOracleParts(this, root, w);
        else WalkMssqlParts(this, root, w);
        t += " " + w.Text;
    }
    TextCache = t;
}

void TAlterTableStatement::DoAccept(TRkVisitorAbs& VisitorRef) {
    TRkVisitorAbs* Visitor = &VisitorRef;
    auto* root = dynamic_cast<TRk_alterTableStmt*>(RootNode);
    Frame(this, Visitor, [&] {
        if (!root) return;
        Tok(root->AlterToken, Visitor);
        Tok(root->IgnoreToken, Visitor);
        Tok(root->TableToken, Visitor);
        Node(root->TableName, Visitor);
        AlterPartWalk w;
        w.V = Visitor;
        if (UsesOracleGrammar(DbVendor)) {
            WalkOracleParts(this, root, w);
        } else if (DbVendor == 0) {
            WalkMssqlParts(this, root, w);
        } else if (DbVendor == 2) {
            for (int i = 0; i < Options->Count(); ++i) {
                TRkAlterTableOption* o = Options->GetOption(i);
                if (i > 0) Tok(o->SeparatorToken, Visitor);
                o->Accept(Visitor);
            }
        }
        Tok(TrailingToken, Visitor);
    });
}
