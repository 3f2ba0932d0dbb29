// Create a database: the caller's texts are terminated in place, then the
// descriptor's comment and collating-sequence table (for a descriptor of
// this entry point's kind) and the code set and territory; everything is
// put back in the reverse order after the call.
#include "control/db_descriptor.h"
#include "frame/frame.h"
#include "frame/marshal.h"
#include "frame/slots.h"
#include "vrxplatform/control.h"

using namespace vrx;
using namespace vrx::control;

VRX_API int32_t VRX_STDCALL sqlgcrea(slot pathLen, slot dbAliasLen, slot dbNameLen, sqlca *ca, slot /*reserved*/,
                                     slot /*reserved*/, vrxDbCodeSet *codeSet, vrxDbDescriptor *descriptor,
                                     char *path, char *dbAlias, char *dbName) {
    if (!app_data_ready(ca)) return 0;

    DescriptorFields descriptorFields;
    Borrowed borrowed;
    char *coreName = borrowed.terminate(dbName, widen16(dbNameLen));
    char *coreAlias = borrowed.terminate(dbAlias, widen16(dbAliasLen));
    char *corePath = borrowed.terminate(path, widen16(pathLen));
    terminate_create_fields(borrowed, descriptorFields, descriptor, VRX_DB_DESCRIPTOR_CREA, codeSet);

    const int32_t result = sqlecrea_api(coreName, coreAlias, corePath, descriptor, codeSet, 0, nullptr, ca);

    borrowed.restore();
    return result;
}

VRX_API int32_t VRX_STDCALL sqlgdbcr(slot pathLen, slot dbNameLen, sqlca *ca, vrxDbCodeSet *codeSet, slot option,
                                     vrxDbDescriptor *descriptor, char *path, char *dbName) {
    if (!app_data_ready(ca)) return 0;

    DescriptorFields descriptorFields;
    Borrowed borrowed;
    char *corePath = borrowed.terminate(path, widen16(pathLen));
    char *coreName = borrowed.terminate(dbName, widen16(dbNameLen));
    terminate_create_fields(borrowed, descriptorFields, descriptor, VRX_DB_DESCRIPTOR_DBCR, codeSet);

    const int32_t result = sqledbcr_api(coreName, corePath, descriptor, widen16(option), codeSet, ca);

    borrowed.restore();
    return result;
}
