#include "ReturnRecord.h"

#include "ShortText.h"

namespace qv {

std::string ReturnRecord::GetText(const FieldDef& def) const {
    return ReadShortText(&Bytes[def.Offset], def.Capacity());
}

void ReturnRecord::SetText(const FieldDef& def, std::string_view text) {
    WriteShortText(&Bytes[def.Offset], def.Capacity(), text);
}

} // namespace qv
