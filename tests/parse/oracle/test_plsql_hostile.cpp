// Broken and hostile input never crashes the PL/SQL parser: every prefix
// of a unit and every unit with one token left out parses to a result,
// and garbage bytes are rejected.  (Nesting past the limits: PlsqlDriver.)
#include <random>

#include "test_plsql_support.h"

using namespace plsql_test;

namespace {

const char* const Seeds[] = {
    "CREATE OR REPLACE PACKAGE BODY p AS CURSOR c (a IN NUMBER := 1) RETURN t%ROWTYPE IS SELECT * FROM t WHERE x "
    "= (a); TYPE r IS RECORD (f NUMBER NOT NULL DEFAULT 0); FUNCTION f (a OUT NUMBER) RETURN NUMBER IS BEGIN "
    "RETURN a ** 2; END f; BEGIN <<l>> FOR i IN REVERSE 1 .. 3 LOOP EXIT l WHEN SQL%NOTFOUND; END LOOP l; "
    "EXECUTE IMMEDIATE s INTO v USING IN OUT w RETURNING INTO z; EXCEPTION WHEN a OR b THEN NULL; END p;",
    "CREATE TRIGGER t INSTEAD OF INSERT OR UPDATE OF a, b ON v FOR EACH ROW WHEN (new.a IS NOT NULL) DECLARE e "
    "EXCEPTION; PRAGMA EXCEPTION_INIT(e, -1); BEGIN CASE WHEN :new.a BETWEEN 1 AND 2 THEN x(1).y := CASE a WHEN "
    "1 THEN 'a' END; ELSE NULL; END CASE; IF a NOT LIKE 'x%' ESCAPE '\\' THEN OPEN c FOR SELECT 1 FROM dual; "
    "ELSIF b IN (1, 2) THEN GOTO x; END IF; FORALL i IN 1 .. n UPDATE t SET a = b(i); END;",
};

class PlsqlHostile : public PlsqlParseFixture {
protected:
    void ParseText(const std::string& Text) {
        Parse(Text);
        EXPECT_TRUE(Result == 0 || Result == 1) << Text;
        if (Result == 0 && !Errors.empty()) {
            // Accepted after recovery: the broken part is in a dummy statement.
            EXPECT_FALSE(All<TRkPlsql_DummyStmt>().empty()) << Text;
        }
    }
};

TEST_F(PlsqlHostile, EveryPrefixAndEveryTokenLeftOutParses) {
    for (const char* seed : Seeds) {
        std::unique_ptr<TSourceTokenList> toks = oracle_test::Tokenize(seed);
        std::vector<std::string> texts;
        for (const TSourceToken* t : toks->Items()) texts.push_back(std::string(t->GetText()));
        Parse(seed);
        ASSERT_EQ(Result, 0) << seed;
        ASSERT_TRUE(Errors.empty()) << seed << "\n" << Errors[0].Expected << " at " << Errors[0].Token;
        std::string prefix;
        for (size_t k = 0; k < texts.size(); ++k) {
            prefix += texts[k];
            ParseText(prefix);
            if (toks->TokenAt(static_cast<int32_t>(k))->IsSignificant()) {
                std::string cut;
                for (size_t i = 0; i < texts.size(); ++i)
                    if (i != k) cut += texts[i];
                ParseText(cut);
            }
        }
    }
}

TEST_F(PlsqlHostile, GarbageBytesAreRejected) {
    std::mt19937 rng(7);
    for (int round = 0; round < 50; ++round) {
        std::string s;
        const int n = 1 + static_cast<int>(rng() % 400);
        for (int i = 0; i < n; ++i) s += static_cast<char>(rng() % 256);
        ParseText(s);
    }
    // Words of the language in random order.
    const char* words[] = {"BEGIN", "END", ";", "(", ")", "x", ":=", "IF", "THEN", "LOOP", "SELECT", "DECLARE",
                           "CREATE", "PROCEDURE", "IS", ",", ".", "'s'", "1", "<<", ">>", "WHEN", "CASE", "OR"};
    for (int round = 0; round < 200; ++round) {
        std::string s;
        const int n = 1 + static_cast<int>(rng() % 60);
        for (int i = 0; i < n; ++i) s += std::string(words[rng() % std::size(words)]) + " ";
        ParseText(s);
    }
}

TEST_F(PlsqlHostile, HugeUnitParsesInOnePass) {
    std::string text = "BEGIN\n";
    for (int i = 0; i < 20000; ++i) text += "  x := x + " + std::to_string(i) + "; SELECT a INTO b FROM t;\n";
    text += "END;";
    Parse(text);
    EXPECT_EQ(Result, 0);
    EXPECT_TRUE(Errors.empty());
    auto* b = MUST(dynamic_cast<TRk_Plsql*>(Parser->RootNode));
    EXPECT_EQ(Count(b->Statements), 40000);
}

}  // namespace
