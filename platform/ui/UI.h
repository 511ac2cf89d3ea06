#pragma once

// Everything a view needs, in one include.
#include "platform/ui/BodyContext.h"
#include "platform/ui/ButtonStyle.h"
#include "platform/ui/Node.h"
#include "platform/ui/Primitives.h"
#include "platform/ui/State.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewHost.h"
