// Formatted text keeps the script's comments and literals: every comment
// prints once, whatever printer lays out the statement around it and
// whether the statement parsed; the options that wrap comments or re-indent
// lines never change what the text scans to.
#include <algorithm>
#include <vector>

#include "test_pp_fixture.h"

namespace {

using pptest::Occurrences;

class CommentKeeping : public pptest::PrinterTest {
protected:
    // The formatted script: each statement's pretty text, its terminator
    // and a line break.
    std::string Formatted(const std::string& Sql, std::uint8_t Vendor) {
        Stmt(Sql, 0, Vendor);
        std::string R;
        for (int i = 0; i < Parser->Statements().Count(); ++i) {
            TCustomSqlStatement* S = Parser->Statements().GetStatement(i);
            R += S->GetPrettyText();
            if (S->TerminatorToken) R += std::string(S->TerminatorToken->GetText());
            R += "\r\n";
        }
        return R;
    }
};

struct Kept {
    std::uint8_t Vendor;
    const char* Sql;
    std::initializer_list<const char*> Comments;   // each must print once
};

void ExpectEachOnce(const std::string& Text, const Kept& K) {
    for (const char* C : K.Comments) EXPECT_EQ(Occurrences(Text, C), 1) << C << " in:\n" << Text;
}

// A statement that parsed with error records prints as written: the comments
// around it print as they do around a clean statement.
TEST_F(CommentKeeping, StatementsWithErrorRecordsKeepTheCommentsAroundThem) {
    const Kept Rows[] = {
        {1, "create table t1 (a int,);\n-- note\nselect 1 from dual;", {"-- note"}},
        {1, "-- lead\ncreate table t1 (a int,);\n-- note\nselect 1 from dual;", {"-- lead", "-- note"}},
        {1, "/* lead */ create table t1 (a int,); /* after */", {"/* lead */", "/* after */"}},
        {2, "-- lead\ncreate table t1 (a int,);\n-- note\nselect 1;", {"-- lead", "-- note"}},
        {1, "create table t1 (a int,) -- at the end", {"-- at the end"}},
    };
    for (const Kept& K : Rows) {
        SCOPED_TRACE(K.Sql);
        ExpectEachOnce(Formatted(K.Sql, K.Vendor), K);
    }
}

// Printers that write words themselves or print a statement as written.
TEST_F(CommentKeeping, EveryPrinterKeepsTheCommentsOfItsStatement) {
    const Kept Rows[] = {
        // PL/SQL: the embedded statements that do not parse print their tokens once.
        {1, "begin commit /* a */ ; end;", {"/* a */"}},
        {1, "begin commit /* a */ /* b */ ; end;", {"/* a */", "/* b */"}},
        {1, "begin rollback /* r */; savepoint x /* s */; set transaction read only /* t */;\n"
            "lock table t in share mode -- l\n; end;",
         {"/* r */", "/* s */", "/* t */", "-- l"}},
        // SQL Server: a comment after a parameter's name.
        {0, "CREATE PROCEDURE p @id /*a*/ INT AS SELECT 1", {"/*a*/"}},
        {0, "CREATE PROCEDURE p @id -- a\n INT, @b INT AS SELECT 1", {"-- a"}},
        {0, "CREATE FUNCTION f (@id /*a*/ INT) RETURNS INT AS BEGIN RETURN 1 END", {"/*a*/"}},
        // Drop statements.
        {2, "drop table t1, /* c */ t2;", {"/* c */"}},
        {1, "drop view v1 /* c */;", {"/* c */"}},
        {1, "drop /* d */ view v1 cascade constraints -- c\n;", {"/* d */", "-- c"}},
        {1, "drop index i1 -- c\n;", {"-- c"}},
        // Printed as written, ending the script without a terminator.
        {1, "commit -- c", {"-- c"}},
        {1, "grant select on t to u -- c", {"-- c"}},
        {1, "rollback /* r */", {"/* r */"}},
        {2, "commit -- c", {"-- c"}},
    };
    for (const Kept& K : Rows) {
        SCOPED_TRACE(K.Sql);
        ExpectEachOnce(Formatted(K.Sql, K.Vendor), K);
    }
}

// A comment that ends a keyword's line: the layout's own line break does
// not add a second one on the next pass, nor the source's indentation.
TEST_F(CommentKeeping, CommentsThatEndALineFormatToThemselves) {
    const Kept Rows[] = {
        {0, "DECLARE /* d */ @x INT", {"/* d */"}},
        {0, "IF 1 = 1\nBEGIN\n   /* b */ SELECT 1\nEND", {"/* b */"}},
        {1, "select a from t where a is -- c\n      not null;", {"-- c"}},
        {1, "select a from t where a not -- c\n      in (1, 2);", {"-- c"}},
        // A broken statement inside a block prints as written, with the
        // comments that follow it up to the next statement.
        {0, "BEGIN\n  FOO BAR; -- broken\n  SELECT 1\nEND", {"-- broken"}},
        {0, "BEGIN\n  FOO BAR\n\n    -- own line\n    /* b */ /* c */\n  SELECT 1\nEND",
         {"-- own line", "/* b */", "/* c */"}},
        {0, "FOO BAR; -- broken\n   -- next\nSELECT 1", {"-- broken", "-- next"}},
    };
    for (const Kept& K : Rows) {
        SCOPED_TRACE(K.Sql);
        const std::string Once = Formatted(K.Sql, K.Vendor);
        ExpectEachOnce(Once, K);
        EXPECT_EQ(Formatted(Once, K.Vendor), Once);
    }
}

// What a formatted script scans to: its significant tokens and comments.
std::vector<std::string> Words(const std::string& Sql, std::uint8_t Vendor, int* Statements = nullptr) {
    TMarlSqlParser P(Vendor);
    P.SetSqlTextString(Sql);
    P.Parse();
    if (Statements) *Statements = P.Statements().Count();
    std::vector<std::string> W;
    for (TSourceToken* T : P.Tokens().Items())
        if (T->IsSignificant() || T->TokenType == ttBlockComment || T->TokenType == ttLineComment)
            W.emplace_back(T->GetText());
    return W;
}

// CommentStyle 1 and 2 wrap line comments in a block comment; one that
// holds "/*" would open a nested comment the wrapper never closes.
TEST_F(CommentKeeping, WrappedLineCommentsNeverSwallowTheScript) {
    for (int Style : {1, 2}) {
        for (std::uint8_t Vendor : {0, 1, 2, 3, 4}) {
            SCOPED_TRACE("CommentStyle " + std::to_string(Style) + ", vendor " + std::to_string(Vendor));
            pptest::SetOptions("CommentStyle=" + std::to_string(Style));
            const std::string Text = Formatted("select a -- x /* y\nfrom t1;\nselect b -- plain\nfrom t2;", Vendor);
            int Statements = 0;
            const std::vector<std::string> W = Words(Text, Vendor, &Statements);
            EXPECT_EQ(Statements, 2) << Text;
            EXPECT_EQ(Occurrences(Text, "-- x /* y"), 1) << Text;
            EXPECT_EQ(Occurrences(Text, "/* -- plain */"), 1) << Text;
            EXPECT_NE(std::find(W.begin(), W.end(), "t2"), W.end()) << Text;
        }
    }
}

// A multi-line literal after a comment keeps its value, and formatting the
// formatted text gives the same text, with blanks or tabs.
TEST_F(CommentKeeping, LiteralsAfterCommentsKeepTheirLines) {
    struct Row {
        std::uint8_t Vendor;
        const char* Sql;
        const char* Literal;
    };
    const Row Rows[] = {
        {2, "select a from t1 where #b = 'p\n  q';", "'p\r\n  q'"},
        {2, "select a, 'it\\'s #' from t1 where c = 'p\n  q';", "'p\r\n  q'"},
        {0, "select a, [b#] from t1 where c = 'p\n  q';", "'p\r\n  q'"},
        {1, "select a \"x[\" from t1 where c = 'p\n  q';", "'p\r\n  q'"},
    };
    std::vector<Row> All(std::begin(Rows), std::end(Rows));
    for (std::uint8_t V : {0, 1, 2, 3, 4})
        All.push_back({V, "select x /* a /* b */ it's */, 'p\n  q' as c from t;", "'p\r\n  q'"});
    for (const char* Opts : {"", "UseTab=1"}) {
        for (const Row& R : All) {
            SCOPED_TRACE(std::string(R.Sql) + " [" + Opts + "] vendor " + std::to_string(R.Vendor));
            pptest::SetOptions(Opts);
            const std::string Once = Formatted(R.Sql, R.Vendor);
            EXPECT_EQ(Occurrences(Once, R.Literal), 1) << Once;
            EXPECT_EQ(Formatted(Once, R.Vendor), Once);
        }
    }
}

}  // namespace
