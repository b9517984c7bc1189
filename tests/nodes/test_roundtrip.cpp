// The plain text of a node is the source slice from its first token to the
// next significant token after its last one, comments, blanks and line
// breaks included, however the tokens are spread over nested nodes.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "nodes/token_builder.h"
#include "nodes/tree_builder.h"
#include "process/gettextvisitor.h"

using testtree::Arena;
using testtree::TPartsNode;

namespace {
struct Built {
    TPartsNode* node;
    int32_t first;  // list index of the first token
    int32_t last;   // list index of the last token
};

class RoundTrip {
public:
    RoundTrip(const TSourceTokenList& list, unsigned seed) : list_(list), rng_(seed) {
        for (int32_t i = 0; i < list.Count(); ++i)
            if (list.GetToken(i)->IsSignificant()) solid_.push_back(i);
    }

    // A random tree over the significant tokens lo..hi (indexes into solid_).
    Built Build(size_t lo, size_t hi, int depth) {
        std::vector<TRkVisitedAbs*> parts;
        size_t k = lo;
        while (k <= hi) {
            const size_t left = hi - k + 1;
            if (depth < 12 && left > 1 && rng_() % 3 == 0) {
                const size_t span = 1 + rng_() % left;
                parts.push_back(Build(k, k + span - 1, depth + 1).node);
                k += span;
            } else {
                parts.push_back(list_.GetToken(solid_[k]));
                ++k;
            }
        }
        TPartsNode* n = arena_.Make("n", parts);
        built_.push_back({n, solid_[lo], solid_[hi]});
        return built_.back();
    }

    // Source text from First up to the next significant token after Last.
    std::string Slice(int32_t First, int32_t Last) const {
        std::string s;
        for (int32_t i = First; i < list_.Count(); ++i) {
            const TSourceToken* t = list_.GetToken(i);
            if (i > Last && t->IsSignificant()) break;
            s += t->GetText();
        }
        return s;
    }

    size_t SolidCount() const { return solid_.size(); }
    const std::vector<Built>& All() const { return built_; }

private:
    const TSourceTokenList& list_;
    std::mt19937 rng_;
    std::vector<int32_t> solid_;
    Arena arena_;
    std::vector<Built> built_;
};

const char* const kScripts[] = {
    "select a, b /* two */ from t where x = 1 -- done\n",
    "create table emp (\r\n  id number(10) not null, -- key\r\n  name varchar2(30)\r\n);\r\n",
    "  \n\n-- leading comment\nupdate t set a = 'x -- not a comment' where b in (1,2,3);",
    "insert into \"Quoted Name\" values (1 ,2\t,\t3)/*no space*/;",
    "a",
    "x /* c1 */ /* c2 */\n\n\n   y  -- tail",
};
}  // namespace

TEST(RoundTrip, PlainTextIsTheSourceSlice) {
    unsigned seed = 1;
    for (const std::string script : kScripts) {
        auto list = testtok::Script(script);
        for (int rep = 0; rep < 20; ++rep) {
            RoundTrip rt(*list, seed++);
            ASSERT_GT(rt.SolidCount(), 0u);
            // The root rebuilds everything from the first significant token on.
            const Built root = rt.Build(0, rt.SolidCount() - 1, 0);
            ASSERT_EQ(root.node->AsText(), script.substr(script.find(list->GetToken(root.first)->GetText())));
            for (const Built& b : rt.All()) {
                const std::string want = rt.Slice(b.first, b.last);
                ASSERT_EQ(b.node->AsText(), want) << script << " seed " << seed;
                ASSERT_EQ(b.node->GetStartToken(), list->GetToken(b.first));
                ASSERT_EQ(b.node->GetEndToken(), list->GetToken(b.last));
                TRkGetTextVisitor v;
                v.NumberSemicolons = false;
                v.Root = b.node;
                v.Execute();
                ASSERT_EQ(v.Result, want) << script;
            }
        }
    }
}
