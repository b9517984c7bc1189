// Reads the yacc grammar format: declarations, %% rules, %% epilogue.
#include "yaccgen.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <unordered_map>

namespace yaccgen {
namespace {

enum class TK { Ident, Char, String, Number, Tag, Directive, Sep, Prologue, Code,
                Colon, Semi, Pipe, Other, End };

struct Tok {
    TK kind = TK::End;
    std::string text;      // identifier, directive name, string/tag body, code body
    long value = 0;        // number or character code
    int line = 0;
};

bool IsIdStart(unsigned char c) { return std::isalpha(c) || c == '_' || c == '.'; }
bool IsIdChar(unsigned char c) { return std::isalnum(c) || c == '_' || c == '.'; }

class Lexer {
public:
    Lexer(const std::string& t, const std::string& file, Diagnostics& d)
        : s_(t), file_(file), diag_(d) {}

    // Tokenizes up to the second "%%" (or the end); returns the offset
    // just past it in epiloguePos (npos when absent).
    std::vector<Tok> Run(size_t& epiloguePos, int& epilogueLine) {
        std::vector<Tok> out;
        int seps = 0;
        epiloguePos = std::string::npos;
        for (;;) {
            Tok t = Next();
            if (t.kind == TK::End) break;
            if (t.kind == TK::Sep) inDeclarations_ = false;
            if (t.kind == TK::Sep && ++seps == 2) {
                epiloguePos = pos_;
                epilogueLine = line_;
                out.push_back(t);
                break;
            }
            out.push_back(std::move(t));
        }
        return out;
    }

    // From a comment "%expect-unused N" in the declarations; -1 when absent.
    int expectUnused = -1;
    // From a comment "%value-cells accessors" in the declarations.
    bool valueAccessors = false;

private:
    void Error(int line, const std::string& m) {
        diag_.errors.push_back(file_ + ":" + std::to_string(line) + ": error: " + m);
    }
    char At(size_t i) const { return i < s_.size() ? s_[i] : '\0'; }

    // The number of declared tokens that no rule uses is declared in a
    // comment, since bison, which reads the same files, has no directive
    // for it: "%expect-unused N", anything after the number free text.
    // Likewise "%value-cells accessors": the value record has a getter and a
    // setter per cell instead of a member.
    void CommentDirective(const std::string& body) {
        static const std::string key = "%expect-unused", cells = "%value-cells accessors";
        size_t p = body.find_first_not_of(" \t\r\n");
        if (!inDeclarations_ || p == std::string::npos) return;
        if (body.compare(p, cells.size(), cells) == 0) valueAccessors = true;
        if (body.compare(p, key.size(), key) != 0) return;
        p = body.find_first_not_of(" \t", p + key.size());
        if (p == std::string::npos || !std::isdigit((unsigned char)body[p])) {
            Error(line_, "%expect-unused needs a number");
            return;
        }
        expectUnused = std::atoi(body.c_str() + p);
    }

    void SkipSpace() {
        for (;;) {
            char c = At(pos_);
            if (c == '\n') { ++line_; ++pos_; }
            else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') ++pos_;
            else if (c == '/' && At(pos_ + 1) == '*') {
                size_t e = s_.find("*/", pos_ + 2);
                if (e == std::string::npos) { Error(line_, "unterminated comment"); e = s_.size(); }
                else e += 2;
                CommentDirective(s_.substr(pos_ + 2, std::max(e, pos_ + 4) - pos_ - 4));
                line_ += int(std::count(s_.begin() + pos_, s_.begin() + e, '\n'));
                pos_ = e;
            } else if (c == '/' && At(pos_ + 1) == '/') {
                size_t b = pos_ + 2;
                while (pos_ < s_.size() && s_[pos_] != '\n') ++pos_;
                CommentDirective(s_.substr(b, pos_ - b));
            } else return;
        }
    }

    // Reads a backslash escape or plain character at pos_ inside a literal.
    int LiteralChar() {
        unsigned char c = (unsigned char)At(pos_++);
        if (c != '\\') return c;
        unsigned char e = (unsigned char)At(pos_++);
        switch (e) {
            case 'n': return '\n'; case 't': return '\t'; case 'r': return '\r';
            case 'f': return '\f'; case 'v': return '\v'; case 'b': return '\b';
            case 'a': return '\a'; case '\\': return '\\'; case '\'': return '\'';
            case '"': return '"'; case '?': return '?';
            case 'x': {
                int v = 0, n = 0;
                while (std::isxdigit((unsigned char)At(pos_)) && n < 2) {
                    char h = At(pos_++);
                    v = v * 16 + (std::isdigit((unsigned char)h) ? h - '0' : (std::tolower(h) - 'a' + 10));
                    ++n;
                }
                return v;
            }
            default:
                if (e >= '0' && e <= '7') {
                    int v = e - '0', n = 1;
                    while (n < 3 && At(pos_) >= '0' && At(pos_) <= '7') { v = v * 8 + (At(pos_++) - '0'); ++n; }
                    return v & 0xff;
                }
                return e;
        }
    }

    // Skips a C/C++ string or character literal starting at pos_ (quote q).
    void SkipQuoted(char q) {
        ++pos_;
        while (pos_ < s_.size() && s_[pos_] != q && s_[pos_] != '\n') {
            if (s_[pos_] == '\\' && pos_ + 1 < s_.size()) { if (s_[pos_ + 1] == '\n') ++line_; ++pos_; }
            ++pos_;
        }
        if (pos_ < s_.size() && s_[pos_] == q) ++pos_;
    }

    // Braced code: returns the text between the outer braces.
    bool Code(Tok& t) {
        int depth = 0;
        size_t start = pos_ + 1;
        while (pos_ < s_.size()) {
            char c = s_[pos_];
            if (c == '"' || c == '\'') { SkipQuoted(c); continue; }
            if (c == '/' && At(pos_ + 1) == '*') {
                size_t e = s_.find("*/", pos_ + 2);
                e = e == std::string::npos ? s_.size() : e + 2;
                line_ += int(std::count(s_.begin() + pos_, s_.begin() + e, '\n'));
                pos_ = e;
                continue;
            }
            if (c == '/' && At(pos_ + 1) == '/') {
                while (pos_ < s_.size() && s_[pos_] != '\n') ++pos_;
                continue;
            }
            if (c == '\n') ++line_;
            if (c == '{') ++depth;
            if (c == '}' && --depth == 0) {
                t.text = s_.substr(start, pos_ - start);
                ++pos_;
                return true;
            }
            ++pos_;
        }
        Error(t.line, "unterminated code block");
        return false;
    }

    Tok Next() {
        SkipSpace();
        Tok t;
        t.line = line_;
        if (pos_ >= s_.size()) return t;
        unsigned char c = (unsigned char)s_[pos_];
        if (c == '%') {
            char d = At(pos_ + 1);
            if (d == '%') { pos_ += 2; t.kind = TK::Sep; return t; }
            if (d == '{') {
                size_t e = s_.find("%}", pos_ + 2);
                if (e == std::string::npos) { Error(line_, "unterminated %{"); e = s_.size(); }
                t.kind = TK::Prologue;
                t.text = s_.substr(pos_ + 2, e - pos_ - 2);
                t.line = line_;
                line_ += int(std::count(t.text.begin(), t.text.end(), '\n'));
                pos_ = std::min(e + 2, s_.size());
                return t;
            }
            size_t p = pos_ + 1;
            while (p < s_.size() && (std::isalnum((unsigned char)s_[p]) || s_[p] == '_' || s_[p] == '-')) ++p;
            t.kind = TK::Directive;
            t.text = s_.substr(pos_ + 1, p - pos_ - 1);
            pos_ = p;
            return t;
        }
        if (IsIdStart(c)) {
            size_t p = pos_;
            while (p < s_.size() && (IsIdChar((unsigned char)s_[p]) ||
                                     (s_[p] == '-' && p + 1 < s_.size() && IsIdChar((unsigned char)s_[p + 1]) && p > pos_)))
                ++p;
            t.kind = TK::Ident;
            t.text = s_.substr(pos_, p - pos_);
            pos_ = p;
            return t;
        }
        if (std::isdigit(c) || (c == '-' && std::isdigit((unsigned char)At(pos_ + 1)))) {
            size_t p = pos_;
            if (s_[p] == '-') ++p;
            long v = 0;
            if (s_[p] == '0' && (At(p + 1) == 'x' || At(p + 1) == 'X')) {
                p += 2;
                while (std::isxdigit((unsigned char)At(p))) {
                    char h = s_[p++];
                    v = v * 16 + (std::isdigit((unsigned char)h) ? h - '0' : (std::tolower(h) - 'a' + 10));
                    if (v > 1000000000L) v = 1000000000L;
                }
            } else {
                while (std::isdigit((unsigned char)At(p))) {
                    v = v * 10 + (s_[p++] - '0');
                    if (v > 1000000000L) v = 1000000000L;
                }
            }
            if (s_[pos_] == '-') v = -v;
            t.kind = TK::Number;
            t.value = v;
            t.text = s_.substr(pos_, p - pos_);
            pos_ = p;
            return t;
        }
        if (c == '\'') {
            ++pos_;
            size_t start = pos_;
            t.value = LiteralChar();
            if (At(pos_) != '\'') {
                Error(line_, "bad character literal");
                while (pos_ < s_.size() && s_[pos_] != '\'' && s_[pos_] != '\n') ++pos_;
            }
            t.text = "'" + s_.substr(start, pos_ - start) + "'";
            if (At(pos_) == '\'') ++pos_;
            t.kind = TK::Char;
            return t;
        }
        if (c == '"') {
            size_t start = pos_;
            SkipQuoted('"');
            t.kind = TK::String;
            t.text = s_.substr(start, pos_ - start);
            return t;
        }
        if (c == '<') {
            size_t e = s_.find_first_of(">\n", pos_ + 1);
            if (e != std::string::npos && s_[e] == '>') {
                t.kind = TK::Tag;
                t.text = s_.substr(pos_ + 1, e - pos_ - 1);
                pos_ = e + 1;
                return t;
            }
        }
        if (c == '{') { t.kind = TK::Code; Code(t); return t; }
        ++pos_;
        t.text = std::string(1, char(c));
        t.kind = c == ':' ? TK::Colon : c == ';' ? TK::Semi : c == '|' ? TK::Pipe : TK::Other;
        return t;
    }

    const std::string& s_;
    const std::string& file_;
    Diagnostics& diag_;
    size_t pos_ = 0;
    bool inDeclarations_ = true;
    int line_ = 1;
};

// Symbols as read, before terminals and nonterminals are told apart.
struct RawSym {
    std::string name;
    bool isToken = false;      // declared by %token / precedence / literal
    bool isLiteral = false;
    int code = -1;
    std::string tag;
    int prec = 0;
    Assoc assoc = Assoc::None;
    int line = 0;
    int order = 0;             // first appearance
    bool hasRules = false;
    bool used = false;
};

struct RawRule {
    int lhs = -1;
    std::vector<int> rhs;
    int prec = -1;
    bool hasAction = false;
    std::string action;
    int actionLine = 0;
    int line = 0;
};

class Reader {
public:
    Reader(const std::string& text, const std::string& file, Grammar& g, Diagnostics& d)
        : text_(text), file_(file), g_(g), diag_(d) {}

    bool Run() {
        Lexer lx(text_, file_, diag_);
        size_t epos = 0;
        int eline = 0;
        toks_ = lx.Run(epos, eline);
        g_.expectUnused = lx.expectUnused;
        g_.valueAccessors = lx.valueAccessors;
        if (!diag_.ok()) return false;
        Declarations();
        if (!diag_.ok()) return false;
        Rules();
        if (!diag_.ok()) return false;
        if (epos != std::string::npos) {
            g_.epilogue = text_.substr(epos);
            g_.epilogueLine = eline;
        }
        return Build();
    }

private:
    const Tok& Peek(size_t k = 0) const {
        static const Tok end;
        return i_ + k < toks_.size() ? toks_[i_ + k] : end;
    }
    const Tok& Take() { const Tok& t = Peek(); if (i_ < toks_.size()) ++i_; return t; }
    void Error(int line, const std::string& m) {
        diag_.errors.push_back(file_ + ":" + std::to_string(line) + ": error: " + m);
    }
    void Warn(int line, const std::string& m) {
        diag_.warnings.push_back(file_ + ":" + std::to_string(line) + ": warning: " + m);
    }

    int Intern(const std::string& name, int line) {
        auto it = index_.find(name);
        if (it != index_.end()) return it->second;
        RawSym s;
        s.name = name;
        s.line = line;
        s.order = int(raw_.size());
        raw_.push_back(s);
        index_.emplace(name, int(raw_.size()) - 1);
        return int(raw_.size()) - 1;
    }
    int InternChar(const Tok& t) {
        std::string key = "char:" + std::to_string(t.value);
        auto it = index_.find(key);
        if (it != index_.end()) return it->second;
        int id = Intern(key, t.line);
        raw_[id].name = t.text;
        raw_[id].isToken = raw_[id].isLiteral = true;
        raw_[id].code = int(t.value);
        return id;
    }
    // A string literal names the token it aliases; an undeclared one
    // becomes a token of its own.
    int InternString(const Tok& t) {
        auto it = aliases_.find(t.text);
        if (it != aliases_.end()) return it->second;
        int id = Intern("str:" + t.text, t.line);
        raw_[id].name = t.text;
        raw_[id].isToken = raw_[id].isLiteral = true;
        aliases_.emplace(t.text, id);
        return id;
    }
    // The symbol a name or literal stands for; -1 for other tokens.
    int SymbolOf(const Tok& t) {
        switch (t.kind) {
            case TK::Ident: return Intern(t.text, t.line);
            case TK::Char: return InternChar(t);
            case TK::String: return InternString(t);
            default: return -1;
        }
    }

    void SetCode(int id, long code, int line) {
        if (code < 0 || code > 32767) { Error(line, "token code " + std::to_string(code) + " out of range"); return; }
        if (raw_[id].code >= 0 && raw_[id].code != code) {
            Error(line, "token " + raw_[id].name + " redeclared with another code");
            return;
        }
        raw_[id].code = int(code);
    }

    bool AtDeclEnd() const {
        TK k = Peek().kind;
        return k == TK::Directive || k == TK::Sep || k == TK::End || k == TK::Prologue;
    }
    void SkipArgs() { while (!AtDeclEnd()) Take(); }

    void Declarations() {
        int level = 0;
        for (;;) {
            const Tok& t = Take();
            if (t.kind == TK::End) { Error(t.line, "missing %% before the rules"); return; }
            if (t.kind == TK::Sep) return;
            if (t.kind == TK::Prologue) {
                if (g_.prologue.empty()) g_.prologueLine = t.line;
                g_.prologue += t.text;
                continue;
            }
            if (t.kind == TK::Semi) continue;
            if (t.kind != TK::Directive) { Error(t.line, "unexpected '" + t.text + "' in declarations"); SkipArgs(); continue; }
            const std::string d = t.text;
            int line = t.line;
            if (d == "token" || d == "left" || d == "right" || d == "nonassoc" || d == "precedence") {
                Assoc a = d == "left" ? Assoc::Left : d == "right" ? Assoc::Right
                        : d == "nonassoc" ? Assoc::NonAssoc : d == "precedence" ? Assoc::Precedence : Assoc::None;
                if (a != Assoc::None) ++level;
                std::string tag;
                int last = -1;
                while (!AtDeclEnd()) {
                    const Tok& a1 = Take();
                    if (a1.kind == TK::Tag) { tag = a1.text; continue; }
                    if (a1.kind == TK::String && last >= 0 && a == Assoc::None) {
                        // %token NAME "alias"
                        if (aliases_.count(a1.text) && aliases_[a1.text] != last)
                            Error(a1.line, "alias " + a1.text + " used twice");
                        aliases_[a1.text] = last;
                        last = -1;
                        continue;
                    }
                    if (a1.kind == TK::Number && last >= 0) { SetCode(last, a1.value, a1.line); continue; }
                    int id = SymbolOf(a1);
                    if (id < 0) {
                        if (a1.kind != TK::Semi) Error(a1.line, "unexpected '" + a1.text + "' in %" + d);
                        continue;
                    }
                    RawSym& s = raw_[id];
                    s.isToken = true;
                    if (!tag.empty()) s.tag = tag;
                    if (a != Assoc::None) {
                        if (s.prec) Error(a1.line, "precedence of " + s.name + " declared twice");
                        s.prec = level;
                        s.assoc = a;
                    }
                    last = id;
                }
            } else if (d == "type" || d == "nterm") {
                std::string tag;
                while (!AtDeclEnd()) {
                    const Tok& a1 = Take();
                    if (a1.kind == TK::Tag) { tag = a1.text; continue; }
                    int id = SymbolOf(a1);
                    if (id >= 0 && !tag.empty()) raw_[id].tag = tag;
                    if (id < 0 && a1.kind != TK::Semi) Error(a1.line, "unexpected '" + a1.text + "' in %" + d);
                }
            } else if (d == "start") {
                const Tok& a1 = Take();
                if (a1.kind != TK::Ident) { Error(line, "%start needs a nonterminal name"); continue; }
                start_ = Intern(a1.text, a1.line);
                SkipArgs();
            } else if (d == "define") {
                const Tok& n = Take();
                if (n.kind != TK::Ident) { Error(line, "%define needs a variable name"); SkipArgs(); continue; }
                std::string value;
                if (Peek().kind == TK::Code || Peek().kind == TK::Ident) value = Take().text;
                else if (Peek().kind == TK::String) { value = Take().text; value = value.substr(1, value.size() - 2); }
                auto trim = [](std::string v) {
                    size_t a = v.find_first_not_of(" \t\r\n"), b = v.find_last_not_of(" \t\r\n");
                    return a == std::string::npos ? std::string() : v.substr(a, b - a + 1);
                };
                value = trim(value);
                if (n.text == "api.prefix") g_.prefix = value;
                else if (n.text == "api.value.type") g_.valueType = value;
                else if (n.text == "lr.type" && value != "lalr")
                    Error(line, "only lr.type lalr is supported");
                SkipArgs();
            } else if (d == "expect" || d == "expect-rr") {
                const Tok& n = Take();
                if (n.kind != TK::Number) { Error(line, "%" + d + " needs a number"); continue; }
                (d == "expect" ? g_.expectSR : g_.expectRR) = int(n.value);
            } else if (d == "code") {
                if (Peek().kind == TK::Ident) Take();
                if (Peek().kind == TK::Code) {
                    if (g_.prologue.empty()) g_.prologueLine = Peek().line;
                    g_.prologue += Take().text + "\n";
                }
                SkipArgs();
            } else if (d == "union" || d == "destructor" || d == "printer" || d == "initial-action" ||
                       d == "param" || d == "parse-param" || d == "lex-param" || d == "debug" ||
                       d == "verbose" || d == "defines" || d == "header" || d == "locations" ||
                       d == "pure-parser" || d == "token-table" || d == "no-lines" || d == "yacc" ||
                       d == "error-verbose" || d == "require" || d == "skeleton" || d == "language" ||
                       d == "output" || d == "file-prefix" || d == "name-prefix" || d == "no-default-prec" ||
                       d == "default-prec") {
                if (d == "no-default-prec") Error(line, "%no-default-prec is not supported");
                SkipArgs();
            } else {
                Error(line, "unsupported directive %" + d);
                SkipArgs();
            }
        }
    }

    void Rules() {
        bool any = false;
        while (Peek().kind != TK::End && Peek().kind != TK::Sep) {
            const Tok& h = Take();
            if (h.kind == TK::Semi) continue;
            if (h.kind == TK::Prologue) {   // yacc allows %{ %} between rules
                if (g_.prologue.empty()) g_.prologueLine = h.line;
                g_.prologue += h.text;
                continue;
            }
            if (h.kind != TK::Ident || Peek().kind != TK::Colon) {
                Error(h.line, "expected a rule (name followed by ':'), found '" + h.text + "'");
                return;
            }
            Take();
            int lhs = Intern(h.text, h.line);
            raw_[lhs].hasRules = true;
            if (start_ < 0) start_ = lhs;
            any = true;
            for (;;) {
                RawRule r;
                r.lhs = lhs;
                r.line = Peek().line;
                bool more = Alternative(r);
                rules_.push_back(std::move(r));
                if (!more) more = ContinuedAfterSemicolons();
                if (!more) break;
            }
            if (!diag_.ok()) return;
        }
        if (!any) Error(Peek().line, "the grammar has no rules");
    }

    // As in yacc, ';' may stand between alternatives: "a : X ; | Y ;" goes
    // on with a's rules.  True (the '|' taken) when one follows.
    bool ContinuedAfterSemicolons() {
        size_t k = 0;
        while (Peek(k).kind == TK::Semi) ++k;
        if (Peek(k).kind != TK::Pipe) return false;
        for (size_t i = 0; i <= k; ++i) Take();
        return true;
    }

    // One right-hand side; returns true when '|' follows.
    bool Alternative(RawRule& r) {
        bool empty = false;
        for (;;) {
            const Tok& t = Peek();
            switch (t.kind) {
                case TK::Ident:
                    if (Peek(1).kind == TK::Colon) return false;   // next rule, ';' omitted
                    [[fallthrough]];
                case TK::Char:
                case TK::String: {
                    Take();
                    if (r.hasAction) { Error(t.line, "actions in the middle of a rule are not supported"); return false; }
                    int id = SymbolOf(t);
                    r.rhs.push_back(id);
                    raw_[id].used = true;
                    break;
                }
                case TK::Code:
                    Take();
                    if (r.hasAction) { Error(t.line, "actions in the middle of a rule are not supported"); return false; }
                    r.hasAction = true;
                    r.action = t.text;
                    r.actionLine = t.line;
                    break;
                case TK::Directive:
                    Take();
                    if (t.text == "prec") {
                        const Tok& s = Take();
                        int id = SymbolOf(s);
                        if (id < 0) { Error(s.line, "%prec needs a symbol"); return false; }
                        if (r.prec >= 0) Error(s.line, "%prec given twice");
                        r.prec = id;
                    } else if (t.text == "empty") {
                        empty = true;
                    } else {
                        Error(t.line, "unsupported %" + t.text + " in a rule");
                        return false;
                    }
                    break;
                case TK::Pipe: Take(); return true;
                case TK::Semi: Take(); return false;
                case TK::End: case TK::Sep: return false;
                default:
                    Error(t.line, "unexpected '" + t.text + "' in a rule");
                    Take();
                    return false;
            }
            if (empty && !r.rhs.empty()) { Error(t.line, "%empty in a non-empty rule"); return false; }
        }
    }

    bool Build() {
        if (start_ >= 0 && raw_[start_].isToken) Error(raw_[start_].line, "the start symbol " + raw_[start_].name + " is a token");
        if (!diag_.ok()) return false;
        // Token codes: explicit ones, then the rest counting up from the
        // largest code in use (at least 256).
        int maxCode = 256;
        std::unordered_map<int, int> byCode;
        for (size_t i = 0; i < raw_.size(); ++i) {
            const RawSym& s = raw_[i];
            if (!s.isToken || s.code < 0) continue;
            maxCode = std::max(maxCode, s.code);
            if (s.code == 256 && s.name != "error") Error(s.line, "code 256 is reserved for the error token");
            auto [it, fresh] = byCode.emplace(s.code, int(i));
            if (!fresh) Error(s.line, "tokens " + raw_[it->second].name + " and " + s.name + " share the code " + std::to_string(s.code));
        }
        // Identifiers never declared as tokens are nonterminals.
        std::vector<int> order(raw_.size());
        for (size_t i = 0; i < raw_.size(); ++i) order[i] = int(i);
        int errorId = -1;
        auto eit = index_.find("error");
        if (eit != index_.end()) { errorId = eit->second; raw_[errorId].isToken = true; raw_[errorId].code = 256; }
        for (RawSym& s : raw_) {
            if (s.isToken && s.code < 0) {
                if (++maxCode > 32767) { Error(s.line, "too many tokens"); return false; }
                s.code = maxCode;
            }
            if (!s.isToken && !s.hasRules) {
                if (s.used || int(&s - raw_.data()) == start_)
                    Error(s.line, "symbol " + s.name + " is used, but is not defined as a token and has no rules");
            }
        }
        if (!diag_.ok()) return false;

        // Final numbering: end of input, error, tokens by first appearance;
        // then $accept and nonterminals by first appearance.  A token with
        // code 0 is the end of input itself.
        std::vector<int> map(raw_.size(), -1);
        g_.syms.clear();
        Symbol eof; eof.name = "$end"; eof.terminal = true; eof.code = 0;
        Symbol err; err.name = "error"; err.terminal = true; err.code = 256;
        g_.syms.push_back(eof);
        g_.syms.push_back(err);
        if (errorId >= 0) { map[errorId] = 1; g_.syms[1].usedInRules = raw_[errorId].used; g_.syms[1].line = raw_[errorId].line; }
        for (size_t i = 0; i < raw_.size(); ++i) {
            const RawSym& s = raw_[i];
            if (!s.isToken || int(i) == errorId) continue;
            if (s.code == 0) {
                map[i] = 0;
                g_.syms[0].prec = s.prec; g_.syms[0].assoc = s.assoc; g_.syms[0].tag = s.tag;
                continue;
            }
            Symbol y;
            y.name = s.name; y.terminal = true; y.code = s.code; y.tag = s.tag;
            y.prec = s.prec; y.assoc = s.assoc; y.line = s.line; y.usedInRules = s.used;
            map[i] = int(g_.syms.size());
            g_.syms.push_back(y);
        }
        g_.ntokens = int(g_.syms.size());
        Symbol acc; acc.name = "$accept"; acc.code = -1;
        g_.syms.push_back(acc);
        for (size_t i = 0; i < raw_.size(); ++i) {
            const RawSym& s = raw_[i];
            if (s.isToken || !s.hasRules) continue;
            Symbol y;
            y.name = s.name; y.code = -(int(g_.syms.size()) - g_.ntokens + 1);
            y.tag = s.tag; y.line = s.line; y.usedInRules = s.used;
            if (s.prec) Error(s.line, "nonterminal " + s.name + " has a precedence");
            map[i] = int(g_.syms.size());
            g_.syms.push_back(y);
        }
        if (g_.nsyms() - g_.ntokens > 32767) Error(0, "too many nonterminals");
        g_.startSym = map[start_];
        g_.rules.clear();
        Rule r0;
        r0.lhs = g_.ntokens;
        r0.rhs = {g_.startSym, 0};
        g_.rules.push_back(r0);
        for (const RawRule& rr : rules_) {
            Rule r;
            r.lhs = map[rr.lhs];
            for (int x : rr.rhs) r.rhs.push_back(map[x]);
            // Like bison: the rule takes the precedence of its last token,
            // unless %prec names another symbol.
            if (rr.prec >= 0) {
                r.precSym = map[rr.prec];
                if (r.precSym < 0 || !g_.isToken(r.precSym)) {
                    Error(rr.line, "%prec names " + raw_[rr.prec].name + ", which is not a token");
                    r.precSym = -1;
                }
            } else {
                for (int x : r.rhs) if (g_.isToken(x)) r.precSym = x;
            }
            r.hasAction = rr.hasAction;
            r.action = rr.action;
            r.actionLine = rr.actionLine;
            r.line = rr.line;
            g_.rules.push_back(std::move(r));
        }
        if (g_.rules.size() - 1 > 32767) Error(0, "too many rules");
        return diag_.ok();
    }

    const std::string& text_;
    const std::string& file_;
    Grammar& g_;
    Diagnostics& diag_;
    std::vector<Tok> toks_;
    size_t i_ = 0;
    std::vector<RawSym> raw_;
    std::unordered_map<std::string, int> index_;
    std::unordered_map<std::string, int> aliases_;
    std::vector<RawRule> rules_;
    int start_ = -1;
};

}  // namespace

bool ReadGrammar(const std::string& text, const std::string& fileName, Grammar& g, Diagnostics& diag) {
    g = Grammar{};
    g.fileName = fileName;
    Reader r(text, fileName, g, diag);
    return r.Run() && diag.ok();
}

}  // namespace yaccgen
