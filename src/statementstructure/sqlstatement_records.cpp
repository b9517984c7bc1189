// Error records.
#include "nodes/rkexceptions.h"
#include "statementstructure/sqlstatement.h"

// ---------------------------------------------------------------------------
// Error records

TSyntaxError& TSyntaxErrorArray::NewError() {
    if (FCount < Capacity) ++FCount;
    if (!FItems) FItems = std::make_unique<std::vector<TSyntaxError>>();
    if (FItems->size() < static_cast<std::size_t>(FCount)) FItems->resize(static_cast<std::size_t>(FCount));
    TSyntaxError& R = (*FItems)[static_cast<std::size_t>(FCount - 1)];
    R = TSyntaxError{};  // a reused slot must not show an older error's token or type
    return R;
}

void TSyntaxErrorArray::AddCopy(const TSyntaxError& Source) {
    TSyntaxError Copy = Source;  // Source may live in this array
    NewError() = std::move(Copy);
}

const TSyntaxError& TSyntaxErrorArray::Get(int Index) const {
    if (Index < 1 || Index > FCount) throw ERkRangeError();
    return (*FItems)[static_cast<std::size_t>(Index - 1)];
}

TSyntaxError& TSyntaxErrorArray::Get(int Index) {
    if (Index < 1 || Index > FCount) throw ERkRangeError();
    return (*FItems)[static_cast<std::size_t>(Index - 1)];
}

void AddParserErrorRecord(TSyntaxErrorArray& Errors, std::uint8_t ErrorType, const std::string& ExpectedText,
                          const std::string& TokenText, std::int32_t Line, std::int32_t Column) {
    TSyntaxError& R = Errors.NewError();
    R.TokenText = TokenText;
    R.Message = ExpectedText;
    R.ErrorType = ErrorType;
    R.Line = Line;
    // The drivers report the column after the token.  The end-of-input
    // pseudo token (column -1) has no extent to take off.
    if (Column < 0) {
        R.Column = Column;
    } else {
        std::int32_t C = Column - static_cast<std::int32_t>(TokenText.size());
        R.Column = C < 0 ? 0 : C;
    }
}

