/* Everything the library imports from the platform libraries. */
#ifndef VRXPLATFORM_H
#define VRXPLATFORM_H

#include "vrxplatform/services.h"
#include "vrxplatform/config.h"
#include "vrxplatform/recovery.h"
#include "vrxplatform/directory.h"
#include "vrxplatform/control.h"
#include "vrxplatform/appsvc.h"
#include "vrxplatform/maintenance.h"
#include "vrxplatform/rollforward.h"
#include "vrxplatform/history.h"
#include "vrxplatform/instance.h"

#endif
