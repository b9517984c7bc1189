#include "parse/rklexlib.h"

#include <algorithm>
#include <istream>
#include <limits>
#include <ostream>

#include "nodes/rkexceptions.h"

namespace {

constexpr size_t kMinBuffer = 16384;    // initial size of the text and push-back buffers
constexpr size_t kReadChunk = 65536;    // bytes read from the input stream at a time
constexpr size_t kMaxCount = static_cast<size_t>(std::numeric_limits<int32_t>::max()) - 2;
constexpr int32_t kMinCompact = 1024;   // match-stack size that triggers compaction

// Grows a 1-based buffer by doubling until index `need` fits.
void GrowFor(std::vector<char>& buf, size_t need) {
    if (need >= kMaxCount) throw ERkRangeError();
    size_t n = std::max(buf.size(), kMinBuffer);
    while (n <= need) n *= 2;
    buf.resize(n);
}

}  // namespace

TRkCustomLexer::TRkCustomLexer() : yytextbuf(kMinBuffer), yypushback(kMinBuffer) {
    yystack.resize(static_cast<size_t>(kMinCompact));
}

TRkCustomLexer::~TRkCustomLexer() = default;

void TRkCustomLexer::yyclear() {
    bufptr = 0;
    yysstate = 0;
    yylstate = 1;
    yylastchar = 0;
    yyleng = 0;
    yylineno = 0;
    yycolno = 0;
    eofBack_ = 0;
    inpos_ = inlen_ = 0;
    instream_ = nullptr;
    instreamDone_ = false;
    ++resets_;
}

// ---------------------------------------------------------------- input

bool TRkCustomLexer::FillInput() {
    if (instream_ != InputStream) {
        instream_ = InputStream;
        inpos_ = inlen_ = 0;
        instreamDone_ = false;
    }
    if (inpos_ < inlen_) return true;
    if (!instream_ || instreamDone_) return false;
    if (inbuf_.size() < kReadChunk) inbuf_.resize(kReadChunk);
    instream_->read(inbuf_.data(), static_cast<std::streamsize>(inbuf_.size()));
    std::streamsize got = instream_->gcount();
    if (instream_->bad()) throw ERkError("Stream read error");
    inpos_ = 0;
    inlen_ = got > 0 ? static_cast<size_t>(got) : 0;
    if (inlen_ == 0) {
        instreamDone_ = true;
        return false;
    }
    return true;
}

bool TRkCustomLexer::InputEof() {
    if (instream_ == InputStream && inpos_ < inlen_) return false;
    return !FillInput();
}

void TRkCustomLexer::ReadLine(std::istream* s, std::string& line) {
    InputStream = s;   // the read-ahead belongs to the stream being read
    line.clear();
    while (!InputEof()) {
        // Ordinary bytes in bulk, up to the next CR or LF of the read-ahead.
        const char* p = inbuf_.data() + inpos_;
        const char* e = inbuf_.data() + inlen_;
        const char* q = p;
        while (q < e && *q != '\n' && *q != '\r') ++q;
        if (q > p) {   // an ordinary byte is kept whether or not it is the last one
            line.append(p, q);
            inpos_ += static_cast<size_t>(q - p);
            if (line.size() >= kMaxCount) throw ERkRangeError();
            continue;
        }
        char b = inbuf_[inpos_++];
        bool last = InputEof();
        if (last) {
            if (b != '\n') line += b;
            break;
        }
        if (b == '\n') break;
        if (b == '\r') {
            char b2 = inbuf_[inpos_++];
            line += '\r';
            if (b2 == '\n') break;
            line += b2;
            if (InputEof()) break;
            continue;
        }
        line += b;
    }
    if (line.size() >= kMaxCount) throw ERkRangeError();
}

char TRkCustomLexer::GetCharSlow() {
    if (bufptr == 0) {
        if (eofBack_ > 0) {
            --eofBack_;
            ++yycolno;
            return 0;
        }
        if (!InputEof()) {
            ReadLine(InputStream, yyline);
            ++yylineno;
            yycolno = 1;
            size_t len = yyline.size();
            if (len + 2 > yypushback.size()) GrowFor(yypushback, len + 1);
            char* pb = yypushback.data();
            pb[1] = '\n';
            const char* src = yyline.data();
            for (size_t i = 0; i < len; ++i) pb[len + 1 - i] = src[i];
            bufptr = static_cast<int32_t>(len + 1);
            ++yycolno;
            return pb[bufptr--];
        }
    }
    return 0;
}

void TRkCustomLexer::UngetChar(char c) {
    if (c == 0 && bufptr == 0 && (eofBack_ > 0 || InputEof())) {
        // The end of the input given back: it is read again as the end.
        ++eofBack_;
        --yycolno;
        return;
    }
    size_t need = static_cast<size_t>(bufptr) + 1;
    if (need >= yypushback.size()) GrowFor(yypushback, need);
    ++bufptr;
    --yycolno;
    yypushback[static_cast<size_t>(bufptr)] = c;
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

void TRkCustomLexer::AppendToText(char c) {
    size_t need = static_cast<size_t>(yyleng) + 1;
    if (need >= yytextbuf.size()) GrowFor(yytextbuf, need);
    yytextbuf[need] = c;
    yyleng = static_cast<int32_t>(need);
}

void TRkCustomLexer::yyless(int32_t n) {
    if (n < 0) n = 0;
    if (n >= yyleng) return;   // nothing to give back
    for (int32_t i = yyleng; i > n; --i) UngetChar(yytextbuf[static_cast<size_t>(i)]);
    yyleng = n;
}

void TRkCustomLexer::GetYYText(std::string& s) const {
    if (yyleng <= 0) s.clear();
    else s.assign(yytextbuf.data() + 1, static_cast<size_t>(yyleng));
}

// ---------------------------------------------------------------- table walk

void TRkCustomLexer::yynew() {
    if (yylastchar != 0) yylstate = (yylastchar == '\n') ? 1 : 0;
    yystate = yysstate + yylstate;
    yyleng = 0;
    yymatches = 0;
    yydone = false;
}

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
    bool real = bufptr > 0 || (eofBack_ == 0 && !InputEof());
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
    yyleng = 0;
    for (char want : text) {
        yyscan();
        if (yyactchar != want) {
            yyless(0);
            return false;
        }
    }
    yylastchar = yyleng > 0 ? yytextbuf[static_cast<size_t>(yyleng)] : 0;
    return true;
}

// Every rule is marked in each state where it matches (the tables have no
// trailing context), so the rule the match stack would give is the one the
// last accepting state passed accepts, at the length it was passed at: the
// walk keeps just that pair instead of marks and a match stack.
int TRkCustomLexer::yywalk(const TRkLexTables& t) {
    tables_ = &t;
    for (;;) {
        yynew();
        int32_t rule = 0, length = 0;
        for (int32_t s = yystate;;) {
            const int32_t acc = t.yyacc ? t.yyacc[s] : (t.yyml[s] <= t.yymh[s] ? t.yym[t.yyml[s]] : 0);
            if (acc != 0) {
                rule = acc;
                length = yyleng;
            }
            const int32_t lo = t.yytl[s], hi = t.yyth[s];
            if (lo > hi) break;
            yyscan();
            const unsigned char c = static_cast<unsigned char>(yyactchar);
            int32_t next = -1;
            if (t.yynext) {
                next = t.yynext[static_cast<size_t>(s) * 256 + c];
            } else {
                for (int32_t i = lo; i <= hi; ++i) {
                    if (t.yyt[i].Holds(c)) {
                        next = t.yyt[i].next;
                        break;
                    }
                }
            }
            if (next < 0) break;
            s = yystate = next;
        }
        if (rule != 0) {
            yyrule = rule;
            yyless(length);
            yylastchar = yyleng > 0 ? yytextbuf[static_cast<size_t>(yyleng)] : 0;
            RuleAction(rule);
        } else {
            yyless(0);
            yylastchar = 0;
            yydefault();
        }
        if (yydone) return yyretval;
    }
}
