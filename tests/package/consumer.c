/* A program built against the installed package: it reads one number of a
 * database's configuration through the upper-case name of the entry point,
 * as a caller of the library does, and checks what came back. */
#include <stdio.h>
#include <string.h>

#include <vrxagapi.h>

/* The header declares the mixed-case names; COBOL programs call the
 * upper-case one, which the library exports as well. */
VRX_API int32_t VRX_STDCALL SQLGXDB(vrx_slot dbAliasLen, vrx_slot count, struct vrxConfigItem *items,
                                    struct sqlca *ca, char *dbAlias);

int main(void) {
    char alias[] = "SAMPLE#";  /* the byte after the text is borrowed */
    int32_t logFileSize = 0;
    struct vrxConfigItem item = {4, 0, &logFileSize};  /* token 4: log file size */
    struct sqlca ca;
    memset(&ca, 0, sizeof ca);
    const int32_t rc = SQLGXDB(6, 1, &item, &ca, alias);
    printf("SQLGXDB %d sqlcode %d log file size %d alias %s\n", (int)rc, (int)ca.sqlcode, (int)logFileSize, alias);
    return rc == 0 && ca.sqlcode == 0 && logFileSize == 10000 && strcmp(alias, "SAMPLE#") == 0 ? 0 : 1;
}
