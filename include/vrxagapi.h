/* VRXAGAPI: the G-form entry points and their caller-side records.
 *
 * Every entry point is __stdcall and every argument one 32-bit slot. Texts
 * are passed as a pointer plus an explicit length; the caller's storage must
 * extend one byte past each text, which the library borrows for the call and
 * puts back before returning. */
#ifndef VRXAGAPI_H
#define VRXAGAPI_H

#include "vrxagapi/common.h"
#include "vrxagapi/config.h"
#include "vrxagapi/media.h"
#include "vrxagapi/recovery.h"
#include "vrxagapi/directory.h"
#include "vrxagapi/control.h"
#include "vrxagapi/appsvc.h"
#include "vrxagapi/maintenance.h"
#include "vrxagapi/rollforward.h"
#include "vrxagapi/history.h"
#include "vrxagapi/instance.h"

#endif
