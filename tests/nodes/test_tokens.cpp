#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "formatter/rkbasetype.h"
#include "nodes/rkexceptions.h"
#include "nodes/token_builder.h"
#include "nodes/u_nodes.h"

using testtok::Find;
using testtok::Script;
using testtok::Tok;

namespace {
struct FmtOptGuard {
    TRkFmtOpt saved = FmtOpt;
    ~FmtOptGuard() { FmtOpt = saved; }
};
}  // namespace

TEST(SourceToken, NameMarkingKeepsTheFirstKind) {
    auto t = MakeSourceToken("e", ttIdentifier, 0, 0, 1, 1);
    EXPECT_TRUE(t->MarkDbObjKind(okTableAlias));
    EXPECT_FALSE(t->MarkDbObjKind(okField));
    EXPECT_EQ(t->DbObjKind, okTableAlias);
    auto at = MakeSourceToken("@x", ttAtVar, 0, 0, 1, 1);
    EXPECT_FALSE(at->MarkDbObjKind(okField));
    EXPECT_EQ(at->DbObjKind, okUnknown);
    // A token in no list has no formatted text.
    EXPECT_EQ(t->GetFormattedText(), "");
}

TEST(FormattedText, CaseOptionsByTokenType) {
    auto l = Script("select EMP, COUNT(x), \"MyFunc\"(y) From T");
    Tok(*l, "COUNT")->DbObjKind = okFunction;
    Tok(*l, "\"MyFunc\"")->DbObjKind = okFunction;
    EXPECT_EQ(Tok(*l, "select")->GetFormattedText(), "SELECT");
    EXPECT_EQ(Tok(*l, "EMP")->GetFormattedText(), "emp");
    EXPECT_EQ(Tok(*l, "COUNT")->GetFormattedText(), "Count");
    // A quoted function name keeps its case: the case is part of the name.
    EXPECT_EQ(Tok(*l, "\"MyFunc\"")->GetFormattedText(), "\"MyFunc\"");

    // select a From T formats as SELECT a FROM t with the defaults.
    auto q = Script("select a From T");
    std::string out;
    for (int32_t i = 0; i < q->Count(); ++i) out += TokenRangeText(q.get(), i, i, rtNoTrailing);
    EXPECT_EQ(out, "SELECT a FROM t");

    FmtOptGuard g;
    FmtOpt.SetKeywordCase(3);
    FmtOpt.SetIdentifierCase(3);
    FmtOpt.SetFunctionNameCase(3);
    EXPECT_EQ(Tok(*l, "select")->GetFormattedText(), "select");
    EXPECT_EQ(Tok(*l, "EMP")->GetFormattedText(), "EMP");
    EXPECT_EQ(Tok(*l, "COUNT")->GetFormattedText(), "COUNT");
    FmtOpt.SetFunctionNameCase(0);
    FmtOpt.SetIdentifierCase(1);
    // The function-name case starts from the token's own text.
    EXPECT_EQ(Tok(*l, "COUNT")->GetFormattedText(), "COUNT");
}

TEST(FormattedText, TrailingComments) {
    FmtOptGuard g;
    const struct Row { const char* script; int commentStyle; const char* want; } rows[] = {
        {"a   -- note\nb", 0, "a -- note\r\n"},
        {"a   -- note\nb", 1, "a /* -- note */\r\n"},
        {"a   -- note\nb", 2, "a /* -- note */\r\n"},
        {"a   -- note\nb", 3, "a -- note\r\n"},
        {"a\nb", 0, "a"},                                   // no comment: no whitespace
        {"a  b", 0, "a"},
        {"a /* x */ b", 1, "a /* x */ "},                  // block comments as written
        {"a\n\n  -- c\n\nb", 0, "a\r\n-- c\r\n"},          // one CR LF per gap
        {"a -- c1\n  -- c2\nb", 0, "a -- c1\r\n-- c2\r\n"},
        {"a /*x*//*y*/b", 0, "a /*x*//*y*/"},
        {"a -- end", 0, "a -- end"},                        // list ends after the comment
        {"a", 0, "a"},
    };
    for (const Row& r : rows) {
        FmtOpt.SetCommentStyle(static_cast<uint8_t>(r.commentStyle));
        auto l = Script(r.script);
        EXPECT_EQ(l->GetToken(0)->GetFormattedText(), r.want) << r.script;
    }
}

TEST(FormattedText, RangeLengthCountsSignificantTokens) {
    auto l = Script("a . b -- x\n c");
    const struct { const char* token; int range; const char* want; } rows[] = {
        {"a", 3, "a . b -- x\r\n"}, {"a", 4, "a . b -- x\n c"},
        {"a", 5, ""},   // too few significant tokens follow
        {"c", -2, "b -- x\n c"}, {"c", -5, ""}, {"c", 0, ""},
    };
    for (const auto& r : rows) {
        Tok(*l, r.token)->SetRangeLength(r.range);
        EXPECT_EQ(Tok(*l, r.token)->GetFormattedText(), r.want) << r.token << " " << r.range;
    }
}

TEST(FormattedText, RangeFlags) {
    auto l = Script("a  /* c */\n  b -- d\nc");
    const int32_t last = Find(*l, "b");
    const struct Row { int flags; const char* want; } rows[] = {
        {0, "a  /* c */\n  b -- d\r\n"},
        {rtDropBlanks, "a/* c */\nb -- d\r\n"},
        {rtOneBlank, "a /* c */\n b -- d\r\n"},
        {rtDropComments, "a  \n  b -- d\r\n"},
        // A line break right after a comment stays unless comments go too.
        {rtDropLineBreaks, "a  /* c */\n  b -- d\r\n"},
        {rtDropLineBreaks | rtDropComments, "a    b -- d\r\n"},
        {rtDropLineBreaks | rtDropComments | rtDropBlanks, "ab -- d\r\n"},
        {rtNoTrailing, "a  /* c */\n  b"},
        {rtDropBlanks | rtDropLineBreaks | rtDropComments | rtNoTrailing, "ab"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(TokenRangeText(l.get(), 0, last, r.flags), r.want) << r.flags;

    // Positions outside the list give the empty text.
    EXPECT_EQ(TokenRangeText(l.get(), -1, 2), "");
    EXPECT_EQ(TokenRangeText(l.get(), 0, l->Count()), "");
    EXPECT_EQ(TokenRangeText(l.get(), 3, 2), "");
    EXPECT_EQ(TokenRangeText(nullptr, 0, 0), "");
    EXPECT_EQ(TokenSpanText(l.get(), nullptr, 1), "");
}

TEST(TokenList, StorageAndOwnership) {
    TSourceTokenList owning(true);
    EXPECT_TRUE(owning.OwnsObjects());
    EXPECT_EQ(owning.Count(), 0);
    EXPECT_EQ(owning.CurPos, -1);
    EXPECT_EQ(owning.Add(MakeSourceToken("a", ttIdentifier, 0, 0, 1, 1)), 0);
    EXPECT_EQ(owning.Add(MakeSourceToken("c", ttIdentifier, 0, 0, 1, 3)), 1);
    owning.Insert(1, MakeSourceToken("b", ttIdentifier, 0, 0, 1, 2));
    EXPECT_EQ(owning.GetToken(1)->GetText(), "b");
    EXPECT_EQ(owning.IndexOf(owning.GetToken(2)), 2);

    // A borrowed token (the parser's end token) is never freed by the list.
    auto endToken = MakeSourceToken("", ttUnclassified, 0, 0, -1, -1);
    owning.Add(endToken.get());
    EXPECT_EQ(owning.Count(), 4);
    EXPECT_EQ(owning.IndexOf(endToken.get()), 3);

    // RemoveAt on an owning list returns a token that stays alive.
    TSourceToken* removed = owning.RemoveAt(0);
    EXPECT_EQ(removed->GetText(), "a");
    EXPECT_EQ(owning.Count(), 3);
    EXPECT_EQ(owning.IndexOf(removed), -1);
    removed->SetText("still alive");  // ASan would catch a freed token

    EXPECT_THROW(owning.GetToken(3), ERkListError);
    try {
        owning.GetToken(-1);
    } catch (const ERkListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (-1)");
    }
    EXPECT_THROW(owning.Insert(5, endToken.get()), ERkListError);
    EXPECT_EQ(owning.TokenAt(3), nullptr);
    EXPECT_EQ(owning.TokenAt(-1), nullptr);

    owning.Clear();
    EXPECT_EQ(owning.Count(), 0);
    EXPECT_EQ(endToken->GetText(), "");  // borrowed token survives Clear

    // A referring list refers only; it cannot take ownership.
    TSourceTokenList referring(false);
    referring.Add(endToken.get());
    EXPECT_THROW(referring.Add(MakeSourceToken("x", 1, 0, 0, 1, 1)), ERkAssertion);
    // Add does not touch the token's list fields.
    EXPECT_EQ(endToken->PosInList, -1);
    EXPECT_EQ(endToken->GetOwnerList(), nullptr);
}

TEST(TokenList, StoredTokensAcrossBlocks) {
    TSourceTokenList owning(true);
    // Enough tokens for several blocks; long texts own heap memory that the
    // store must free (LeakSanitizer) exactly once (AddressSanitizer).
    std::vector<TSourceToken*> made;
    for (int i = 0; i < 3000; ++i) {
        TSourceToken* t = owning.NewStoredToken();
        // Made fresh, not yet in the list.
        ASSERT_TRUE(t->TokenType == ttUnclassified && t->PosInList == -1 && t->GetOwnerList() == nullptr) << i;
        ASSERT_EQ(owning.Count(), i);
        t->SetText("a token text long enough for the heap " + std::to_string(i));
        owning.Add(t);
        made.push_back(t);
    }
    // Tokens never move while more are made.
    for (int i = 0; i < 3000; ++i) {
        ASSERT_EQ(owning.GetToken(i), made[static_cast<size_t>(i)]);
        ASSERT_EQ(made[static_cast<size_t>(i)]->GetText(), "a token text long enough for the heap " + std::to_string(i));
    }
    // The scanner's end-of-input token is dropped again.
    TSourceToken* end = owning.NewStoredToken();
    end->SetText("dropped, and its long text freed with it");
    owning.DropNewestStoredToken();
    EXPECT_EQ(owning.Count(), 3000);
    // Stored and handed-over tokens live side by side.
    owning.Add(MakeSourceToken("adopted", ttIdentifier, 0, 0, 1, 1));
    owning.ShrinkToFit();
    EXPECT_EQ(owning.GetToken(3000)->GetText(), "adopted");
    owning.Clear();
    EXPECT_EQ(owning.Count(), 0);
    // The list makes tokens again after a clear.
    owning.Add(owning.NewStoredToken());
    EXPECT_EQ(owning.Count(), 1);

    TSourceTokenList referring(false);
    EXPECT_THROW(referring.NewStoredToken(), ERkAssertion);
    referring.DropNewestStoredToken();  // nothing to drop
}

// Texts and the seldom set fields of tokens made by a store and made alone:
// lengths around the one-byte length prefix, bytes of every value, a text
// replaced by a view of itself, and side fields set before and after a text.
TEST(SourceToken, TextsAndSeldomFieldsKeepTheirValues) {
    TSourceTokenList owning(true);
    TSourceTokenList other(false);
    std::string all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    const std::vector<std::string> texts = {"", "x", std::string(1, '\0'), "\xff", std::string(254, 'a'),
                                            std::string(255, 'b'), std::string(256, 'c'), all,
                                            std::string(6 << 20, 'd')};
    for (const bool stored : {true, false}) {
        std::unique_ptr<TSourceToken> alone;
        TSourceToken* t = stored ? owning.NewStoredToken() : (alone = std::make_unique<TSourceToken>()).get();
        EXPECT_EQ(t->GetText(), "");
        for (const std::string& s : texts) {
            t->SetText(s);
            ASSERT_EQ(t->GetText(), s) << stored << " " << s.size();
        }
        EXPECT_EQ(t->GetSeqNo(), -1);
        EXPECT_EQ(t->GetOriginalCode(), 0);
        EXPECT_EQ(t->GetRangeLength(), 1);
        EXPECT_EQ(t->GetSeparatorToken(), nullptr);
        EXPECT_EQ(t->GetSqlplusCmdPart(), 0);
        t->SetText("name");
        t->SetSeqNo(7);
        t->SetOriginalCode(300);
        t->SetOwnerList(&other);
        EXPECT_EQ(t->GetText(), "name");
        t->SetText(t->GetText().substr(1));   // a view of its own text
        t->SetText("");
        t->SetText("@v");
        t->SetRangeLength(3);
        t->SetSeparatorToken(t);
        t->SetSqlplusCmdPart(1);
        EXPECT_EQ(t->GetText(), "@v");
        EXPECT_EQ(t->GetSeqNo(), 7);
        EXPECT_EQ(t->GetOriginalCode(), 300);
        EXPECT_EQ(t->GetRangeLength(), 3);
        EXPECT_EQ(t->GetSeparatorToken(), t);
        EXPECT_EQ(t->GetSqlplusCmdPart(), 1);
        EXPECT_EQ(t->GetOwnerList(), &other);
        t->SetOwnerList(&owning);
        EXPECT_EQ(t->GetOwnerList(), &owning);
        t->SetOwnerList(nullptr);
        EXPECT_EQ(t->GetOwnerList(), nullptr);
        t->SetOriginalCode(0);
        EXPECT_EQ(t->GetOriginalCode(), 0);
        EXPECT_EQ(t->GetSeqNo(), 7);
    }
}

// The command-line flag is kept beside the text-record flags: rewriting
// the text or giving the token its side record must not lose it, nor
// must setting it disturb them.
TEST(SourceToken, SqlplusCmdPartSurvivesTextAndSideChanges) {
    TSourceTokenList owning(true);
    for (const bool stored : {true, false}) {
        std::unique_ptr<TSourceToken> alone;
        TSourceToken* t = stored ? owning.NewStoredToken() : (alone = std::make_unique<TSourceToken>()).get();
        t->SetText("rem");
        t->SetSqlplusCmdPart(1);
        EXPECT_EQ(t->GetText(), "rem");
        t->SetText(std::string(300, 'r'));   // a long record
        t->SetSeqNo(4);                      // the side record comes
        t->SetText("x");                     // a static one-character record
        EXPECT_EQ(t->GetSqlplusCmdPart(), 1) << stored;
        EXPECT_EQ(t->GetSeqNo(), 4);
        EXPECT_EQ(t->GetText(), "x");
        t->SetSqlplusCmdPart(0);
        EXPECT_EQ(t->GetSqlplusCmdPart(), 0);
        EXPECT_EQ(t->GetSeqNo(), 4);
        EXPECT_EQ(t->GetText(), "x");
    }
}

TEST(TokenList, LookAround) {
    // Tokens: 0 create, 1 blanks, 2 table, 3 LF, 4 blanks, 5 x, 6 blanks, 7 comment, 8 LF, 9 /
    auto l = Script("create  table\n  x -- c\n/");
    ASSERT_EQ(l->GetToken(9)->GetText(), "/");
    EXPECT_EQ(l->LineBreakDistance(2, false), 1);
    EXPECT_EQ(l->LineBreakDistance(5, false), 0);  // a comment is in the way
    EXPECT_EQ(l->LineBreakDistance(5, true), 3);
    EXPECT_EQ(l->LineBreakDistance(9, true), 0);   // nothing follows
    EXPECT_EQ(l->LineBreakDistance(-1, true), 0);
    l->SetCurPos(2);
    EXPECT_TRUE(l->LineBreakFollows(false));
    // Only blanks between a token at a line start and the previous line
    // break; False at position 0 even at the start of the script.
    for (const auto& [pos, want] : {std::pair{0, false}, {5, true}, {9, true}, {2, false}, {10, false}}) {
        l->SetCurPos(pos);
        EXPECT_EQ(l->AtLineStart(), want) << pos;
    }
    l->SetCurPos(5);
    EXPECT_TRUE(l->PrevTokenIs("\n", true, false, false));
    EXPECT_FALSE(l->PrevTokenIs("\n", false, false, false));
    EXPECT_TRUE(l->PrevTokenIs("TABLE", true, false, true));
    EXPECT_FALSE(l->PrevTokenIs("table", true, false, false));
    l->SetCurPos(9);
    EXPECT_FALSE(l->PrevTokenIs("x", true, false, true));
    EXPECT_TRUE(l->PrevTokenIs("x", true, true, true));
    EXPECT_FALSE(l->PrevTokenIsAt("create", 0, true, true, true));
    EXPECT_TRUE(l->PrevTokenIsAt("create", 1, false, false, false));
}

TEST(TokenList, SqlplusCommandAndIdentAhead) {
    auto l = Script("x\n  /\ny");
    Tok(*l, "/")->TokenCode = tcSqlplusCmd;
    const int32_t p = Find(*l, "/");
    // The result is the index of the command token, not a distance.
    for (const auto& [from, want] : {std::pair{0, p}, {p - 1, p}, {p, 0}, {-1, 0}}) EXPECT_EQ(l->NextSqlplusCmdIndex(from), want) << from;
    l->SetCurPos(0);
    EXPECT_TRUE(l->NextIsSqlplusCmd());

    auto c = Script("create global temporary table t");
    const int32_t table = Find(*c, "table"), t = Find(*c, "t"), last = c->Count() - 1;
    const struct { int32_t from; const char* word; int limit; int32_t want; } rows[] = {
        {0, "table", 2, table}, {0, "TABLE", 1, table},
        {0, "t", 1, 0},   // GLOBAL counts for other words
        {0, "t", 5, t}, {0, "nothing", 100, 0}, {last, "t", 5, 0}, {-1, "t", 5, 0}};
    for (const auto& r : rows) EXPECT_EQ(c->FindIdentAhead(r.from, r.word, r.limit), r.want) << r.word << " " << r.limit;
}

TEST(TokenList, SolidTokens) {
    auto l = Script("a /* c */ b\n c");
    const int32_t a = 0, b = Find(*l, "b"), c = Find(*l, "c");
    const struct { int32_t from, step, want; } rows[] = {
        {a, 1, b}, {a, 2, c}, {a, 3, -1}, {c, -2, a}, {c, -3, -1}, {a, -1, -1}, {c, 1, -1}, {b, 0, -1}, {l->Count(), -1, -1}};
    for (const auto& r : rows)
        EXPECT_EQ(l->SolidTokenAt(r.from, r.step), r.want < 0 ? nullptr : l->GetToken(r.want)) << r.from << " " << r.step;
    EXPECT_EQ(l->SolidTokenFrom(l->GetToken(b), -1), l->GetToken(a));
    TSourceToken loose;
    EXPECT_EQ(l->SolidTokenFrom(&loose, 1), nullptr);
    EXPECT_EQ(l->SolidTokenFrom(nullptr, 1), nullptr);
}

TEST(TokenList, HostileInputStaysLinear) {
    // A very long token and a long run of comments and blanks.
    std::string big(1 << 20, 'x');
    std::string text = "a " + big + " b";
    for (int i = 0; i < 20000; ++i) text += " -- c\n";
    text += "z";
    auto l = Script(text);
    TSourceToken* b = Tok(*l, "b");
    const std::string f = b->GetFormattedText();
    EXPECT_EQ(f.substr(0, 7), "b -- c\r");
    // " -- c", then CR LF + "-- c" per further comment, then the last CR LF.
    EXPECT_EQ(f.size(), 1 + 5 + 19999 * 6u + 2);
    EXPECT_EQ(l->GetToken(2)->GetFormattedText(), big);
    EXPECT_EQ(l->SolidTokenAt(0, 3), Tok(*l, "z"));
    EXPECT_EQ(l->FindIdentAhead(0, "z", 1000000), Find(*l, "z"));
}

TEST(TokenList, ARunOfAnOwningListIsReadInPlace) {
    // Tokens: 0 select, 1 blanks, 2 a, 3 LF, 4 from, 5 blanks, 6 t, 7 ;
    auto l = Script("select a\nfrom t;");
    auto Texts = [](const TSourceTokenList& L) {
        std::string s;
        for (TSourceToken* t : L.Items()) s += std::string(t->GetText()) + "|";
        return s + std::to_string(L.Count());
    };
    TSourceTokenList run;
    for (int i = 2; i <= 6; ++i) run.Add(l->GetToken(i));
    EXPECT_TRUE(run.IsRange());
    EXPECT_EQ(Texts(run), "a|\n|from| |t|5");
    EXPECT_EQ(run.TokenAt(4), l->GetToken(6));
    EXPECT_EQ(run.TokenAt(5), nullptr);
    EXPECT_THROW(run.GetToken(5), ERkListError);
    EXPECT_EQ(run.IndexOf(l->GetToken(4)), 2);
    EXPECT_EQ(run.IndexOf(l->GetToken(0)), -1);
    run.SetCurPos(2);
    EXPECT_TRUE(run.AtLineStart());
    EXPECT_EQ(run.SolidTokenAt(0, 2), l->GetToken(6));

    // Any other change reads a copy, with the same tokens.
    TSourceTokenList gap;
    gap.Add(l->GetToken(0));
    gap.Add(l->GetToken(2));
    EXPECT_FALSE(gap.IsRange());
    EXPECT_EQ(Texts(gap), "select|a|2");
    auto end = MakeSourceToken("", ttUnclassified, 0, 0, -1, -1);
    TSourceTokenList tail;
    tail.Add(l->GetToken(6));
    tail.Add(l->GetToken(7));
    tail.Add(end.get());
    EXPECT_EQ(Texts(tail), "t|;||3");
    TSourceTokenList ins;
    ins.Add(l->GetToken(4));
    ins.Insert(0, l->GetToken(0));
    EXPECT_EQ(Texts(ins), "select|from|2");
    run.RemoveAt(1);
    EXPECT_FALSE(run.IsRange());
    EXPECT_EQ(Texts(run), "a|from| |t|4");
    run.Clear();
    EXPECT_EQ(Texts(run), "0");

    // Runs given whole: in place while they follow on, else copied.
    TSourceTokenList runs;
    runs.AddRun(*l, 0, 2);
    runs.AddRun(*l, 3, 4);
    EXPECT_TRUE(runs.IsRange());
    EXPECT_EQ(Texts(runs), "select| |a|\n|from|5");
    runs.AddRun(*l, 6, 99);
    EXPECT_FALSE(runs.IsRange());
    EXPECT_EQ(Texts(runs), "select| |a|\n|from|t|;|7");
    runs.AddRun(*l, 5, 4);
    EXPECT_EQ(runs.Count(), 7);

    // Tokens of no owning list, and owning lists themselves, are copied.
    TSourceTokenList loose;
    loose.Add(end.get());
    EXPECT_FALSE(loose.IsRange());
    TSourceTokenList owner(true);
    owner.Add(l->GetToken(0));
    EXPECT_FALSE(owner.IsRange());
}
