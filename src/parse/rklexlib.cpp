#include "parse/rklexlib.h"

#include <algorithm>
#include <cstring>
#include <istream>
#include <iterator>
#include <limits>
#include <ostream>

#include "nodes/rkexceptions.h"

namespace {

constexpr size_t kMaxCount = static_cast<size_t>(std::numeric_limits<int32_t>::max()) - 2;
constexpr int32_t kMinCompact = 1024;   // match-stack size that triggers compaction

}  // namespace

TRkCustomLexer::TRkCustomLexer() { yystack.resize(static_cast<size_t>(kMinCompact)); }

TRkCustomLexer::~TRkCustomLexer() = default;

// A stream is read again from where it stands (at its end once scanned);
// a text given by SetInput stays, and reading goes on from where it was.
void TRkCustomLexer::yyclear() {
    yysstate = 0;
    yylstate = 1;
    yylastchar = 0;
    yyleng = 0;
    yylineno = 0;
    yycolno = 0;
    eofBack_ = 0;
    pushed_.clear();
    textBuffered_ = false;
    if (InputStream || !haveText_) {   // a stream set since SetInput is read instead
        haveText_ = false;
        instream_ = nullptr;
        in_ = nullptr;
        inSize_ = pos_ = 0;
        owned_.clear();
    }
    lineStart_ = fetched_ = pos_;
    textStart_ = pos_;
    UpdateReadable();
    ++resets_;
}

// ---------------------------------------------------------------- input

void TRkCustomLexer::SetInput(std::string_view Text) {
    InputStream = nullptr;
    instream_ = nullptr;
    haveText_ = true;
    if (!Text.empty() && Text.back() != '\n') {   // the last line gets its line feed
        owned_.reserve(Text.size() + 1);
        owned_.assign(Text);
        owned_ += '\n';
        Text = owned_;
    } else {
        owned_.clear();
    }
    if (Text.size() >= kMaxCount) throw ERkRangeError();   // no match length could address it
    in_ = Text.data();
    inSize_ = Text.size();
    pos_ = lineStart_ = fetched_ = textStart_ = 0;
    pushed_.clear();
    textBuffered_ = false;
    eofBack_ = 0;
    UpdateReadable();
}

void TRkCustomLexer::Attach() {
    if (!InputStream || InputStream == instream_) return;
    std::istream& s = *InputStream;
    owned_.assign(std::istreambuf_iterator<char>(s), std::istreambuf_iterator<char>());
    if (s.bad()) throw ERkError("Stream read error");
    if (!owned_.empty() && owned_.back() != '\n') owned_ += '\n';
    if (owned_.size() >= kMaxCount) throw ERkRangeError();
    instream_ = InputStream;
    haveText_ = false;
    in_ = owned_.data();
    inSize_ = owned_.size();
    pos_ = lineStart_ = fetched_ = textStart_ = 0;
    UpdateReadable();
}

void TRkCustomLexer::UpdateReadable() {
    readable_ = pushed_.empty() && !textBuffered_ ? std::min(fetched_, inSize_) : 0;
}

bool TRkCustomLexer::InputEof() {
    Attach();
    return fetched_ >= inSize_;
}

std::string_view TRkCustomLexer::CurrentLine() const {
    if (fetched_ <= lineStart_) return {};
    return {in_ + lineStart_, fetched_ - 1 - lineStart_};
}

// The next line: up to and with its line feed.
void TRkCustomLexer::FetchLine() {
    const void* lf = std::memchr(in_ + fetched_, '\n', inSize_ - fetched_);
    lineStart_ = fetched_;
    fetched_ = lf ? static_cast<size_t>(static_cast<const char*>(lf) - in_) + 1 : inSize_;
    if (fetched_ - lineStart_ >= kMaxCount) throw ERkRangeError();
    ++yylineno;
    yycolno = 1;
    UpdateReadable();
}

char TRkCustomLexer::GetCharSlow() {
    if (!pushed_.empty()) {
        const char c = pushed_.back();
        pushed_.pop_back();
        ++yycolno;
        UpdateReadable();
        return c;
    }
    if (pos_ < fetched_) {   // reading is on hold for a match kept apart
        ++yycolno;
        return in_[pos_++];
    }
    if (eofBack_ > 0) {
        --eofBack_;
        ++yycolno;
        return 0;
    }
    if (InputEof()) return 0;
    FetchLine();
    ++yycolno;
    return in_[pos_++];
}

// A character for the match: a match that takes a character given back is
// kept apart from then on.
char TRkCustomLexer::ScanSlow() {
    if (!pushed_.empty() && !textBuffered_) {
        textBuf_.assign(MatchText());
        textBuffered_ = true;
    }
    const char c = GetCharSlow();
    if (textBuffered_) {
        textBuf_ += c;
        UpdateReadable();
    }
    return c;
}

void TRkCustomLexer::UngetChar(char c) {
    --yycolno;
    if (pushed_.empty()) {
        if (c == 0 && pos_ >= fetched_ && (eofBack_ > 0 || InputEof())) {
            // The end of the input given back: it is read again as the end.
            ++eofBack_;
            return;
        }
        if (pos_ > 0 && in_[pos_ - 1] == c) {   // the character just read
            --pos_;
            return;
        }
    }
    if (pushed_.size() >= kMaxCount) throw ERkRangeError();
    pushed_.push_back(c);
    readable_ = 0;
}

// ---------------------------------------------------------------- output

void TRkCustomLexer::PutChar(char c) {
    if (c == 0 || !OutputStream) return;
    if (c == '\n') OutputStream->write("\r\n", 2);
    else OutputStream->put(c);
}

void TRkCustomLexer::WriteText(std::ostream* s, const std::string& text) {
    if (!s) return;
    constexpr size_t kPiece = 8192;
    for (size_t off = 0; off < text.size(); off += kPiece)
        s->write(text.data() + off, static_cast<std::streamsize>(std::min(kPiece, text.size() - off)));
}

void TRkCustomLexer::WriteLine(std::ostream* s, const std::string& text) {
    WriteText(s, text);
    if (s) s->write("\r\n", 2);
}

// ---------------------------------------------------------------- match text

void TRkCustomLexer::EndApart() {
    textBuffered_ = false;
    textBuf_.clear();
    UpdateReadable();
}

std::string_view TRkCustomLexer::MatchTextApart() const {
    if (yyleng <= 0) return {};
    const size_t n = static_cast<size_t>(yyleng);
    if (textBuffered_) return std::string_view(textBuf_).substr(0, n);
    // Only a match that has read past the end holds #0s: given apart.
    textBuf_.assign(in_ + std::min(textStart_, inSize_), inSize_ - std::min(textStart_, inSize_));
    textBuf_.resize(n, '\0');
    return textBuf_;
}

// A match kept apart, or one followed by other reads, gives its characters
// back one by one.
void TRkCustomLexer::yylessApart(int32_t n) {
    if (n < 0) n = 0;
    if (n >= yyleng) return;   // nothing to give back
    for (int32_t i = yyleng; i > n; --i) UngetChar(TextChar(i - 1));
    if (textBuffered_) textBuf_.resize(static_cast<size_t>(n));
    yyleng = n;
}

// ---------------------------------------------------------------- table walk


void TRkCustomLexer::yymark(int32_t rule) {
    if (rule < 0) return;
    if (static_cast<size_t>(rule) >= yypos.size()) yypos.resize(static_cast<size_t>(rule) + 1, 0);
    yypos[static_cast<size_t>(rule)] = yyleng;
}

// Only the topmost entry of a rule can be found: a lower entry of the same
// rule shares its position and is popped with it.  Dropping those keeps the
// stack no larger than the rule count however long a match runs.
void TRkCustomLexer::CompactStack() {
    std::vector<char> seen(yypos.size() + 1, 0);
    int32_t w = yymatches;
    for (int32_t r = yymatches - 1; r >= 0; --r) {
        int32_t rule = yystack[static_cast<size_t>(r)];
        size_t k = rule >= 0 && static_cast<size_t>(rule) < seen.size() ? static_cast<size_t>(rule) : 0;
        if (k && seen[k]) continue;
        if (k) seen[k] = 1;
        yystack[static_cast<size_t>(--w)] = rule;
    }
    std::copy(yystack.begin() + w, yystack.begin() + yymatches, yystack.begin());
    yymatches -= w;
    if (static_cast<size_t>(yymatches) * 2 + kMinCompact > yystack.size())
        yystack.resize(yystack.size() * 2);
}

void TRkCustomLexer::yymatch(int32_t rule) {
    if (static_cast<size_t>(yymatches) == yystack.size()) CompactStack();
    yystack[static_cast<size_t>(yymatches++)] = rule;
}

bool TRkCustomLexer::yyfind(int32_t& rule) {
    while (yymatches > 0) {
        int32_t top = yystack[static_cast<size_t>(yymatches - 1)];
        if (top >= 0 && static_cast<size_t>(top) < yypos.size() && yypos[static_cast<size_t>(top)] != 0) {
            rule = top;
            return true;
        }
        --yymatches;
    }
    return false;
}

bool TRkCustomLexer::yydefault() {
    // A NUL byte read from the text is unmatched input like any other byte,
    // not the end: only a read past the last line ends the input.
    bool real = PendingCount() > 0 || (eofBack_ == 0 && !InputEof());
    yyactchar = GetChar();
    yylastchar = yyactchar;
    if (yyactchar != 0 || real) {
        PutChar(yyactchar);
        return true;
    }
    yylstate = 1;
    if (yywrap()) {
        yyclear();
        yyreturn(0);
    }
    return false;
}

bool TRkCustomLexer::yyreplay(std::string_view text) {
    StartText();
    for (char want : text) {
        yyscan();
        if (yyactchar != want) {
            yyless(0);
            return false;
        }
    }
    yylastchar = yyleng > 0 ? TextChar(yyleng - 1) : 0;
    return true;
}

namespace {

// The rule state S accepts, 0 for none.  Dense: the tables have yyacc and
// yynext.
template <bool Dense>
inline int32_t AcceptOf(const TRkLexTables& t, int32_t S) {
    if (Dense) return t.yyacc[S];
    return t.yyml[S] <= t.yymh[S] ? t.yym[t.yyml[S]] : 0;
}

// The state byte C leads to from S, -1 for none.
template <bool Dense>
inline int32_t NextOf(const TRkLexTables& t, int32_t S, unsigned char C) {
    if (Dense) return t.yynext[static_cast<size_t>(S) * 256 + C];
    for (int32_t i = t.yytl[S]; i <= t.yyth[S]; ++i)
        if (t.yyt[i].Holds(C)) return t.yyt[i].next;
    return -1;
}

}  // namespace

// Every rule is marked in each state where it matches (the tables have no
// trailing context), so the rule the match stack would give is the one the
// last accepting state passed accepts, at the length it was passed at: the
// walk keeps just that pair instead of marks and a match stack.  Within a
// line the characters are looked at straight in the input, the position and
// the counters kept in locals, and one that leads nowhere is not taken
// (taking it and giving it back would end the same); a line's end, a
// character given back or the end of the input go through yyscan, and only
// from a state that has transitions.
template <bool Dense>
int TRkCustomLexer::Walk(const TRkLexTables& t, const TRkQuickRules* Quick) {
    for (;;) {
        yynew();
        int32_t rule = 0, length = 0;
        int32_t s = yystate;
        size_t p = pos_, from = pos_, lim = readable_;
        int32_t leng = 0;
        char last = yyactchar;
        for (;;) {
            if (const int32_t acc = AcceptOf<Dense>(t, s)) {
                rule = acc;
                length = leng;
            }
            if (p < lim) {
                const unsigned char c = static_cast<unsigned char>(in_[p]);
                last = static_cast<char>(c);
                const int32_t next = NextOf<Dense>(t, s, c);
                if (next < 0) break;
                ++p;
                ++leng;
                s = next;
                continue;
            }
            if (t.yytl[s] > t.yyth[s]) break;
            // The members take over for one character.
            yycolno += static_cast<int32_t>(p - from);
            pos_ = p;
            yyleng = leng;
            yyscan();
            const unsigned char c = static_cast<unsigned char>(yyactchar);
            p = from = pos_;
            lim = readable_;
            leng = yyleng;
            last = static_cast<char>(c);
            const int32_t next = NextOf<Dense>(t, s, c);
            if (next < 0) break;
            s = next;
        }
        yycolno += static_cast<int32_t>(p - from);
        pos_ = p;
        yyleng = leng;
        yystate = s;
        yyactchar = last;
        if (rule != 0) {
            yyrule = rule;
            if (length < yyleng) yyless(length);
            yylastchar = yyleng > 0 ? TextChar(yyleng - 1) : 0;
            if (Quick && QuickTokens && QuickToken(*Quick, rule)) return yyretval;
            RuleAction(rule);
        } else {
            yyless(0);
            yylastchar = 0;
            yydefault();
        }
        if (yydone) return yyretval;
    }
}

template int TRkCustomLexer::Walk<true>(const TRkLexTables&, const TRkQuickRules*);
template int TRkCustomLexer::Walk<false>(const TRkLexTables&, const TRkQuickRules*);
