#include "parse/rksqldriver.h"

#include <charconv>

void TRkSqlActions::AddOwnToken(TRk_Node* Node, TSourceToken* Token) {
    if (Node != nullptr && Token != nullptr) Node->TokenList->Add(Token);
}

void TRkSqlActions::AddOwnTokens(TRk_Node* Node, TRk_Node* From) {
    if (Node == nullptr || From == nullptr) return;
    for (TSourceToken* tok : From->TokenList->Items()) Node->TokenList->Add(tok);
}

void TRkSqlActions::Sep(TRkVisitedAbs* Item, TSourceToken* Separator) {
    if (Item == nullptr) return;
    if (TRk_Node* n = Item->AsNode())
        n->SeparatorToken = Separator;
    else if (TSourceToken* tok = Item->AsToken())
        tok->SeparatorToken = Separator;
}

int32_t TRkSqlActions::IntOf(const TSourceToken* Token) {
    if (Token == nullptr) return 0;
    const std::string& s = Token->Text;
    int32_t v = 0;
    const char* b = s.data();
    const char* e = b + s.size();
    if (b != e && *b == '+') ++b;   // a leading sign converts as well
    const auto [p, ec] = std::from_chars(b, e, v);
    if (ec != std::errc() || p != e || b == e) return 0;
    return v;
}

void TRkSqlActions::SetRootOnce(TRk_Node* Node) {
    // Error recovery reduces an empty statement after a statement that had
    // already parsed whole; that must not take its tree away.
    if (RootNode == nullptr) RootNode = Node;
}

