#include "frame/field_table.h"

#include "frame/caller_record.h"
#include "frame/marshal.h"

namespace vrx {

void terminate_fields(Borrowed &borrowed, void *record, const FieldTable &fields) {
    if (record == nullptr) return;
    for (const RecordField &f : fields) borrowed.terminate_trimmed(field_at(record, f.offset), f.width);
}

void blank_fill_fields(void *record, const FieldTable &fields) {
    if (record == nullptr) return;
    for (const RecordField &f : fields) blank_fill(field_at(record, f.offset), f.width);
}

}  // namespace vrx
