/* Media lists: the caller's record that points to an array of fixed-size
 * entries, each carrying a text with an explicit length (or a pointer to
 * one). The library never writes the record itself; for the duration of a
 * call it borrows the byte after each entry's text for a terminator. */
#ifndef VRXAGAPI_MEDIA_H
#define VRXAGAPI_MEDIA_H

#include "vrxagapi/common.h"

/* Media type codes, the first byte of a media list. */
enum {
    VRX_MEDIA_LOCAL = 'L',   /* path entries */
    VRX_MEDIA_VENDOR = 'O',  /* vendor entries; only the first one's text is used */
    VRX_MEDIA_SERVER = 'S',  /* location entries */
    VRX_MEDIA_CLIENT = 'C',  /* location entries */
    VRX_MEDIA_TEXT = 'Q'     /* text-pointer entries */
};

/* 'S' and 'C': the text is at most 255 bytes, the byte after it the terminator's room. */
struct vrxLocationEntry {
    uint32_t length;
    char text[256];
};

/* 'L': the text is at most 215 bytes. */
struct vrxPathEntry {
    uint32_t length;
    char text[216];
};

/* 'O': a text at the start of `data`; the rest of the entry is the core's
 * business and is passed on unread. */
struct vrxVendorEntry {
    uint32_t length;
    char data[516];
};

/* 'Q': a pointer to the text, or null for an entry without text. */
struct vrxTextPointerEntry {
    uint32_t length;
    char *text;
};

struct vrxMediaList {
    char mediaType;     /* one of the codes above */
    char reserved[3];   /* not read */
    int32_t entryCount;
    void *entries;      /* entryCount entries of the layout mediaType selects */
};

VRX_STATIC_ASSERT(sizeof(struct vrxLocationEntry) == 260, "location entry is 260 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxPathEntry) == 220, "path entry is 220 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxVendorEntry) == 520, "vendor entry is 520 bytes");
#if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxLocationEntry, text) == 4, "location text");
VRX_STATIC_ASSERT(offsetof(vrxPathEntry, text) == 4, "path text");
VRX_STATIC_ASSERT(offsetof(vrxVendorEntry, data) == 4, "vendor text");
VRX_STATIC_ASSERT(offsetof(vrxMediaList, entryCount) == 4, "entryCount");
#endif
#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxTextPointerEntry) == 8, "text-pointer entry is 8 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxMediaList) == 12, "media list is 12 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxTextPointerEntry, text) == 4, "text pointer");
VRX_STATIC_ASSERT(offsetof(vrxMediaList, entries) == 8, "entries");
#  endif
#endif

#endif
