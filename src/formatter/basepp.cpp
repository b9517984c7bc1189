#include "formatter/basepp.h"

#include "formatter/rkbasetype.h"
#include "nodes/u_nodes.h"

TCustomPP::TCustomPP(TRkVisitedAbs* AOwner) : Owner(AOwner) {}

std::string TCustomPP::GetPrettyText() {
    return "Abstract class of Pretty printer can not return pretty text";
}

std::string TDummyPP::GetPrettyText() {
    TRk_Node* node = Owner ? Owner->AsNode() : nullptr;
    if (node) return node->AsText();
    return std::string("Pretty printer owner class is wrong: ") +
           (Owner ? Owner->ClassName() : "nil");
}

TFmtOptPP::TFmtOptPP(TRkVisitedAbs* AOwner) : TCustomPP(AOwner) {
    SeparatorStyle = FmtOpt.SeparatorStyle;
    AndOrPlacement = FmtOpt.AndOrPlacement;
    ExprListOneLine = FmtOpt.ExprListOneLine;
    SaveOptions();
}

void TFmtOptPP::SaveOptions() {
    BackupSeparatorStyle = SeparatorStyle;
    BackupAndOrPlacement = AndOrPlacement;
    BackupExprListOneLine = ExprListOneLine;
}

void TFmtOptPP::RestoreOptions() {
    SeparatorStyle = BackupSeparatorStyle;
    AndOrPlacement = BackupAndOrPlacement;
    ExprListOneLine = BackupExprListOneLine;
}
