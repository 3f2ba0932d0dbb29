/* The null platform's one control: whether pointer checking is on. With it
 * on, every check asks the core, which accepts every region. Off at start. */
#ifndef VRXNULL_H
#define VRXNULL_H

#include "vrx_abi.h"

VRX_BEGIN_DECLS
VRXSYS_LINK void VRX_CDECL vrxnull_set_ptr_check(int on);
VRX_END_DECLS

#endif
