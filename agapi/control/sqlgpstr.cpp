// Start and stop the instance through the record forms: the record's
// inline texts are terminated in place for the call, each form by its own
// table, and the core receives the caller's record itself.
#include "control/inline_texts.h"
#include "frame/frame.h"
#include "vrxplatform/instance.h"

using namespace vrx;
using namespace vrx::control;

namespace {

constexpr InlineTextForm kStartForm{sizeof(vrxPstrRecord),
                                    4,
                                    {{offsetof(vrxPstrRecord, iText1Len), offsetof(vrxPstrRecord, text1), kNoCap},
                                     {offsetof(vrxPstrRecord, iText2Len), offsetof(vrxPstrRecord, text2), kNoCap},
                                     {offsetof(vrxPstrRecord, iText3Len), offsetof(vrxPstrRecord, text3), kNoCap},
                                     {offsetof(vrxPstrRecord, iText4Len), offsetof(vrxPstrRecord, text4), kNoCap}}};

constexpr InlineTextForm kCappedStartForm{
    sizeof(vrxPstartRecord),
    3,
    {{offsetof(vrxPstartRecord, iText1Len), offsetof(vrxPstartRecord, text1), 235},
     {offsetof(vrxPstartRecord, iText2Len), offsetof(vrxPstartRecord, text2), 255},
     {offsetof(vrxPstartRecord, iText3Len), offsetof(vrxPstartRecord, text3), 255}}};

constexpr InlineTextForm kStopForm{
    sizeof(vrxPstpRecord), 1, {{offsetof(vrxPstpRecord, iTextLen), offsetof(vrxPstpRecord, text), kNoCap}}};

}  // namespace

VRX_API int32_t VRX_STDCALL sqlgpstr(vrxPstrRecord *record, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    terminate_inline_texts(borrowed, record, kStartForm);

    const int32_t result = sqlepstr_api(record, ca);

    borrowed.restore();
    return result;
}

VRX_API int32_t VRX_STDCALL sqlgpstart(vrxPstartRecord *record, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    terminate_inline_texts(borrowed, record, kCappedStartForm);

    const int32_t result = sqlepstart_api(record, ca);

    borrowed.restore();
    return result;
}

VRX_API int32_t VRX_STDCALL sqlgpstp(vrxPstpRecord *record, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    terminate_inline_texts(borrowed, record, kStopForm);

    const int32_t result = sqlepstp_api(record, ca);

    borrowed.restore();
    return result;
}
