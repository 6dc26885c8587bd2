#include "RecordFields.h"

namespace qv {

const FieldDef* FindRecordField(std::string_view name) {
    for (const FieldDef& def : kRecordFields)
        if (def.Name == name)
            return &def;
    return nullptr;
}

} // namespace qv
