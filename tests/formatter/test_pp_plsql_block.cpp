// Layout of blocks, declaration and statement sections, exception handlers,
// NULL and recovered statements, on trees built by hand.
#include <gtest/gtest.h>

#include "test_pp_plsql_fixture.h"

using plsqltest::PlsqlTreeTest;

namespace {

class BlockPrinter : public PlsqlTreeTest {
public:
    using PlsqlTreeTest::Block;
    using PlsqlTreeTest::Dummy;
    using PlsqlTreeTest::List;
    using PlsqlTreeTest::Own;
    using PlsqlTreeTest::Scan;
    using PlsqlTreeTest::Tk;

    // x NUMBER := 1;  (a plain variable with a default)
    TRkPlsql_VarDecl* Var(const char* Name, const char* Type, const char* Value = nullptr) {
        auto* v = New<TRkPlsql_VarDecl>();
        v->DeclKind = 1;
        v->NameToken = Tk(Name);
        v->DataType = Text(Type);
        if (Value) {
            auto* d = New<TRkPlsql_opt_declaration_expr>();
            Own(d, {Tk(":=")});
            d->Expression = Text(Value);
            v->Value = d;
        }
        v->Terminator = Tk(";");
        return v;
    }

    TRkPlsql_ProcBasicStmt* Call(const char* Word) {
        auto* s = New<TRkPlsql_ProcBasicStmt>();
        s->CallExpr = Text(Word);
        Tk(Word);
        s->Terminator = Tk(";");
        return s;
    }
};

TEST_F(BlockPrinter, DeclareBlockUnderTheDefaults) {
    Scan("declare x number := 1; begin null; end;");
    auto* b = Block();
    b->DeclSection->DeclareToken = Tk("declare");
    b->DeclSection->Declarations = List({Var("x", "NUMBER", "1")});
    Own(b, {Tk("begin")});
    b->Statements = List({Call("NULL")});
    Own(b, {Tk("end")});
    b->Terminator = Tk(";");
    b->Analyze();
    EXPECT_EQ(Print(b), "DECLARE\r\n  x  NUMBER := 1;\r\nBEGIN\r\n  NULL;\r\nEND;");
}

TEST_F(BlockPrinter, BlockWithoutDeclarationsStartsWithBegin) {
    Scan("begin a; b; c; end blk;");
    auto* b = Block();
    Own(b, {Tk("begin")});
    auto* s1 = Call("a");
    auto* s2 = Call("b");
    auto* s3 = Call("c");
    b->Statements = List({s1, s2, s3});
    Own(b, {Tk("end")});
    b->EndLabel = Tk("blk");
    b->Terminator = Tk(";");
    b->Analyze();
    // One empty line between statements; the END name after a blank.
    EXPECT_EQ(Print(b), "BEGIN\r\n  a;\r\n  \r\n  b;\r\n  \r\n  c;\r\nEND blk;");
}

TEST_F(BlockPrinter, TabsForLeadingBlanks) {
    FmtOpt.SetUseTab(1);
    Scan("begin begin f; end; end;");
    auto* outer = Block();
    Own(outer, {Tk("begin")});
    auto* inner = Block();
    Own(inner, {Tk("begin")});
    auto* f = New<TRkPlsql_ProcBasicStmt>();
    f->CallExpr = Text("F(a,\r\n  b)");
    Tk("f");
    f->Terminator = Tk(";");
    inner->Statements = List({f});
    Own(inner, {Tk("end")});
    inner->Terminator = Tk(";");
    outer->Statements = List({inner});
    Own(outer, {Tk("end")});
    outer->Terminator = Tk(";");
    outer->Analyze();
    // The two blanks before a body's first line are written after the
    // indentation, so that line keeps them.
    EXPECT_EQ(Print(outer), "BEGIN\r\n  BEGIN\r\n\t\tF(a,\r\n\t\t\tb);\r\n\tEND;\r\nEND;");
}

TEST_F(BlockPrinter, MultiLineStatementsKeepTheirIndentInTheSection) {
    Scan("begin f; g; end;");
    auto* b = Block();
    Own(b, {Tk("begin")});
    auto* s1 = New<TRkPlsql_ProcBasicStmt>();
    s1->CallExpr = Text("F(a,\r\n  b)");
    Tk("f");
    s1->Terminator = Tk(";");
    b->Statements = List({s1, Call("g")});
    Own(b, {Tk("end")});
    b->Terminator = Tk(";");
    b->Analyze();
    EXPECT_EQ(Print(b), "BEGIN\r\n  F(a,\r\n    b);\r\n  \r\n  g;\r\nEND;");
}

TEST_F(BlockPrinter, HandlersUnderException) {
    Scan("begin a; exception when no_data_found or too_many_rows then b; c; when others then d; end;");
    auto* b = Block();
    Own(b, {Tk("begin")});
    b->Statements = List({Call("a")});
    b->ExceptionToken = Tk("exception");

    auto* h1 = New<TRkPlsql_Exceptionhandler>();
    h1->HandlerKind = 2;
    Own(h1, {Tk("when")});
    TSourceToken* name1 = Tk("no_data_found");
    TSourceToken* orTok = Tk("or");
    h1->ExceptionNames = List({name1, Tk("too_many_rows")}, {orTok});
    Own(h1, {Tk("then")});
    h1->Statements = List({Call("b"), Call("c")});

    auto* h2 = New<TRkPlsql_Exceptionhandler>();
    h2->HandlerKind = 1;
    Own(h2, {Tk("when"), Tk("others"), Tk("then")});
    h2->Statements = List({Call("d")});

    b->Handlers = List({h1, h2});
    Own(b, {Tk("end")});
    b->Terminator = Tk(";");
    b->Analyze();
    EXPECT_EQ(Print(b),
              "BEGIN\r\n  a;\r\nEXCEPTION\r\n"
              "  WHEN no_data_found OR too_many_rows THEN\r\n    b;\r\n    \r\n    c;\r\n"
              "  WHEN OTHERS THEN\r\n    d;\r\nEND;");
}

// <<lbl>> [DECLARE n NUMBER;] BEGIN NULL; END lbl;
TRk_Plsql* LabelledBlock(BlockPrinter& T, bool Declare) {
    T.Scan(Declare ? "<<lbl>> declare n number; begin null; end lbl;" : "<<lbl>> begin null; end lbl;");
    auto* b = T.Block();
    auto* label = T.Dummy();
    T.Own(label, {T.Tk("<<")});
    b->DeclSection->BlockLabel = T.Tk("lbl");
    T.Own(label, {T.Tk(">>")});
    b->DeclSection->LabelNode = label;
    if (Declare) {
        b->DeclSection->DeclareToken = T.Tk("declare");
        b->DeclSection->Declarations = T.List({T.Var("n", "NUMBER")});
    }
    T.Own(b, {T.Tk("begin")});
    b->Statements = T.List({T.Call("NULL")});
    T.Own(b, {T.Tk("end")});
    b->EndLabel = T.Tk("lbl");
    b->Terminator = T.Tk(";");
    b->Analyze();
    return b;
}

TEST_F(BlockPrinter, LabelledBlocks) {
    EXPECT_EQ(Print(LabelledBlock(*this, true)),
              "<<lbl>>\r\nDECLARE\r\n  n  NUMBER;\r\nBEGIN\r\n  NULL;\r\nEND lbl;");
    // A label alone is followed by BEGIN, no empty line between.
    EXPECT_EQ(Print(LabelledBlock(*this, false)), "<<lbl>>\r\nBEGIN\r\n  NULL;\r\nEND lbl;");
}

// Three plain variables of different name lengths and an exception.
class DeclSection : public BlockPrinter {
protected:
    TRkPlsql_Decl* Build() {
        Scan("declare a number; bbb varchar2; e exception; cc date;");
        auto* d = New<TRkPlsql_Decl>();
        d->DeclareToken = Tk("declare");
        auto* a = Var("a", "NUMBER");
        auto* bbb = Var("bbb", "VARCHAR2");
        auto* e = New<TRkPlsql_VarDecl>();
        e->DeclKind = 5;
        e->NameToken = Tk("e");
        Own(e, {Tk("exception")});
        e->Terminator = Tk(";");
        auto* cc = Var("cc", "DATE");
        d->Declarations = List({a, bbb, e, cc});
        d->Analyze();
        return d;
    }
};

TEST_F(DeclSection, NamesPadToTheLongestPlainVariable) {
    // The first item starts in column 2, the later ones in column 3.
    EXPECT_EQ(Build()->GetPrettyText(),
              "DECLARE\r\n"
              "  a    NUMBER;\r\n"
              "   bbb  VARCHAR2;\r\n"
              "   e  EXCEPTION;\r\n"
              "   cc   DATE;");
}

TEST_F(DeclSection, OneLineListsDoNotPad) {
    FmtOpt.SetDeclListOneLine(1);
    EXPECT_EQ(Build()->GetPrettyText(),
              "DECLARE\r\n"
              "  a  NUMBER;\r\n"
              "   bbb  VARCHAR2;\r\n"
              "   e  EXCEPTION;\r\n"
              "   cc  DATE;");
}

TEST_F(DeclSection, SeparatorStyleOneLinesTheTypesUp) {
    // The later names are padded one less, which their leading blank makes up.
    FmtOpt.SetDeclSeparatorStyle(1);
    EXPECT_EQ(Build()->GetPrettyText(),
              "DECLARE\r\n"
              "  a     NUMBER;\r\n"
              "   bbb  VARCHAR2;\r\n"
              "   e  EXCEPTION;\r\n"
              "   cc   DATE;");
}

TEST_F(DeclSection, RightJustifiedNames) {
    FmtOpt.SetVarDeclAlign(1);
    EXPECT_EQ(Build()->GetPrettyText(),
              "DECLARE\r\n"
              "    a  NUMBER;\r\n"
              "   bbb  VARCHAR2;\r\n"
              "   e  EXCEPTION;\r\n"
              "    cc  DATE;");
}

TEST_F(DeclSection, ADeclareBetweenDeclarationsIsTheNextOnesSeparator) {
    Scan("declare a number; declare b number;");
    auto* d = New<TRkPlsql_Decl>();
    d->DeclareToken = Tk("declare");
    auto* a = Var("a", "NUMBER");
    TSourceToken* second = Tk("declare");
    auto* b = Var("b", "NUMBER");
    d->Declarations = List({a, b}, {second});
    d->Analyze();
    EXPECT_EQ(Print(d), "DECLARE\r\n  a  NUMBER;\r\n  DECLARE b  NUMBER;");
}

TEST_F(BlockPrinter, EmptySectionsPrintNothing) {
    auto* d = New<TRkPlsql_Decl>();
    EXPECT_EQ(Print(d), "");
    auto* s = New<TrkPlsql_ProcSect>();
    EXPECT_EQ(Print(s), "");
}

TEST_F(BlockPrinter, LabelledNullKeepsItsTerminator) {
    Scan("begin <<l>> null; end;");
    auto* b = Block();
    Own(b, {Tk("begin")});
    auto* n = New<TRkPlsql_NullStmt>();
    n->LabelOpen = Tk("<<");
    n->LabelToken = Tk("l");
    n->LabelClose = Tk(">>");
    Own(n, {Tk("null")});
    n->Terminator = Tk(";");
    b->Statements = List({n});
    Own(b, {Tk("end")});
    b->Terminator = Tk(";");
    b->Analyze();
    EXPECT_EQ(Print(b), "BEGIN\r\n  <<l>>\r\n  NULL;\r\nEND;");
}

TEST_F(BlockPrinter, RecoveredStatementPrintsEachCommentOnce) {
    // The skipped range holds the comment inside it and ends at ";", which
    // carries the comment after the range.
    Scan("x := /* in */ := 1; -- after");
    auto* s = New<TRkPlsql_DummyStmt>();
    for (int32_t i = 0; i < Toks.Count(); ++i) {
        s->SkippedTokens->Add(Toks.TokenAt(i));
        if (Toks.TokenAt(i)->Text == ";") break;
    }
    EXPECT_EQ(Print(s), "x := /* in */ := 1; -- after\r\n");
}

TEST_F(BlockPrinter, VeryDeepNestingIsPrintedWholeInsideALaidOutFrame) {
    // Each level indents all levels inside it again; far inside, the
    // elements print as written so the time stays near linear.
    const int depth = 400;
    std::string sql;
    for (int i = 0; i < depth; ++i) sql += "begin\n";
    sql += "null;\n";
    for (int i = 0; i < depth; ++i) sql += "end;\n";
    Scan(sql);
    std::vector<TRk_Plsql*> blocks;
    for (int i = 0; i < depth; ++i) {
        blocks.push_back(Block());
        Own(blocks.back(), {Tk("begin")});
    }
    // Words only: the plain text of the inner levels comes from the tokens.
    auto* null = New<TRkPlsql_NullStmt>();
    Own(null, {Tk("null")});
    null->Terminator = Tk(";");
    TRkVisitedAbs* inner = null;
    for (int i = depth - 1; i >= 0; --i) {
        blocks[static_cast<size_t>(i)]->Statements = List({inner});
        Own(blocks[static_cast<size_t>(i)], {Tk("end")});
        blocks[static_cast<size_t>(i)]->Terminator = Tk(";");
        inner = blocks[static_cast<size_t>(i)];
    }
    blocks[0]->Analyze();
    const std::string text = Print(blocks[0]);
    auto count = [&](const std::string& word) {
        size_t n = 0;
        for (size_t p = text.find(word); p != std::string::npos; p = text.find(word, p + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count("BEGIN") + count("begin"), static_cast<size_t>(depth));
    EXPECT_EQ(count("END;") + count("end;"), static_cast<size_t>(depth));
    EXPECT_EQ(count("NULL;") + count("null;"), 1u);
    EXPECT_EQ(text.substr(0, 25), "BEGIN\r\n  BEGIN\r\n    BEGIN");
    EXPECT_EQ(text.substr(text.size() - 12), "  END;\r\nEND;");
}

TEST_F(BlockPrinter, WrongOwnerMessagesNameTheElementClass) {
    Scan("begin end;");
    auto* b = Block();
    auto* sect = New<TrkPlsql_ProcSect>();
    EXPECT_EQ(TRk_PlsqlPP(sect).GetPrettyText(),
              "Owner class should be TRk_Plsql, error classtype:TrkPlsql_ProcSect");
    EXPECT_EQ(TRkPlsql_ProcSectPP(b).GetPrettyText(),
              "Owner class should be TRkPlsql_ProcSect, error classtype:TRk_Plsql");
    EXPECT_EQ(TRkPlsql_ExceptionhandlerPP(b).GetPrettyText(),
              "Owner class should be TRkPlsql_Exceptionhandler, error classtype:TRk_Plsql");
    EXPECT_EQ(TRkPlsql_TriggerPP(b).GetPrettyText(),
              "Owner class should be TRkPlsql_trigger, error classtype:TRk_Plsql");
    EXPECT_EQ(TRkPlsql_DeclPP(nullptr).GetPrettyText(),
              "Owner class should be TRkPlsql_Decl, error classtype:nil");
}

TEST_F(BlockPrinter, EveryElementGetsItsPrinterFromTheSharedFactory) {
    auto* b = Block();
    ASSERT_NE(b->PP, nullptr);
    EXPECT_STREQ(b->PP->ClassName(), "TRk_PlsqlPP");
    EXPECT_STREQ(CreateStatementPP(b->Section.get())->ClassName(), "TRkPlsql_ProcSectPP");
    EXPECT_STREQ(CreateStatementPP(New<TRkPlsql_PragmaDecl>())->ClassName(), "TRkPlsql_PragmaDeclPP");
    EXPECT_STREQ(CreateStatementPP(New<TRkPlsql_Trigger>())->ClassName(), "TRkPlsql_TriggerPP");
    // The bases and other classes of that kind range have none.
    EXPECT_EQ(CreatePlsqlPP(New<TRkPlsql_Stmt>()), nullptr);
    EXPECT_EQ(CreatePlsqlPP(Text("x")), nullptr);
}

}  // namespace
