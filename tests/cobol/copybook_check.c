/* The C side of the copybook check. The COBOL program written from
 * include/cobol at build time calls vrx_copybook_item once per record and
 * once per item, in the order of the rows, with the addresses of the record
 * and of the item and the item's LENGTH (one occurrence's, for OCCURS).
 * Each row holds the offset and size the header gives the same name. A
 * number must read back, at the header's offset and as the header's type,
 * as the negative value the program moved into it (its absolute value where
 * the header's type is unsigned); a pointer as the address set into it. */
#include <stdio.h>
#include <string.h>
#include "vrxagapi.h"
#include "vrxplatform/directory.h"

struct row {
    const char *record, *item;
    size_t offset, size, count;
    char kind; /* R record, B bytes or group, N number, P pointer */
    int flag;  /* B: bytes in the header too; N: signed */
};

#define VRX_MEMBER(T, path) (((struct T *)0)->path)
#define VRX_ROW(T, path, count, kind, flag) \
    {#T, #path, offsetof(struct T, path), sizeof VRX_MEMBER(T, path), count, kind, flag},
#define VRX_RECORD(T) {#T, "", 0, sizeof(struct T), 1, 'R', 0},
#define VRX_GROUP(T, path, count) VRX_ROW(T, path, count, 'B', 1)
#define VRX_IS_BYTES(x) _Generic(x, char *: 1, unsigned char *: 1, char: 1, unsigned char: 1, default: 0)
#define VRX_BYTES(T, path, count) VRX_ROW(T, path, count, 'B', VRX_IS_BYTES(VRX_MEMBER(T, path)))
#define VRX_POINTER(T, path, count) VRX_ROW(T, path, count, 'P', 0)
#define VRX_NUMBER(T, path, element, count) \
    VRX_ROW(T, path, count, 'N', (__typeof__(VRX_MEMBER(T, element)))-1 < (__typeof__(VRX_MEMBER(T, element)))1)

static const struct row rows[] = {
#include "copybook_rows.inc"
};
enum { ROWS = sizeof rows / sizeof rows[0] };
static int seen, failures;

int vrx_copybook_item(int number, const unsigned char *record, const unsigned char *item, int length);
int vrx_copybook_done(void);

static int fails(const struct row *r, const char *what)
{
    fprintf(stderr, "%s %s: %s\n", r->record, r->item, what);
    return ++failures;
}

int vrx_copybook_item(int number, const unsigned char *record, const unsigned char *item, int length)
{
    if (++seen != number || number > ROWS) {
        fprintf(stderr, "item %d came out of order\n", number);
        return ++failures;
    }
    const struct row *r = &rows[number - 1];
    const unsigned char *at = record + r->offset;
    size_t width = r->size / r->count;
    if ((size_t)(item - record) != r->offset || (size_t)length * r->count != r->size) {
        fprintf(stderr, "%s %s: copybook at %zu, %d bytes x %zu; header at %zu, %zu bytes\n", r->record,
                r->item, (size_t)(item - record), length, r->count, r->offset, r->size);
        return ++failures;
    }
    if (r->kind == 'B' && !r->flag)
        return fails(r, "is a number in the header");
    if (r->kind == 'N') {
        long long want = number % 100 + 1, have = 0;
        if (width > sizeof have)
            return fails(r, "too wide for a number");
        memcpy(&have, at, width); /* little-endian */
        if (r->flag && width < sizeof have && (have >> (8 * width - 1)) & 1)
            have -= 1LL << (8 * width);
        if (have != (r->flag ? -want : want))
            return fails(r, "reads back another value: not native binary of this width and signedness");
    } else if (r->kind == 'P') {
        const void *pointer;
        memcpy(&pointer, at, sizeof pointer);
        if (width != sizeof pointer || pointer != item)
            return fails(r, "is not a pointer");
    }
    return 0;
}

int vrx_copybook_done(void)
{
    if (seen != ROWS)
        fprintf(stderr, "%d of %d items reached the check\n", seen, (int)ROWS), ++failures;
    printf("%d copybook items checked against the headers, %d differ\n", seen, failures);
    return failures != 0;
}
